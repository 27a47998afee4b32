// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/practica/FinestraPractica.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <chrono>
#include <variant>

#include "document/Notacio.h"
#include "document/TextLlegible.h"
#include "gui/full/PintaFull.h"
#include "gui/batch/FinestraVersions.h"
#include "gui/shell/FinestraAjuda.h"
#include "gui/shell/Icona.h"
#include "gui/shell/Missatges.h"
#include "topics/Cataleg.h"

namespace tirelo::gui {

namespace {

QString U(const std::string& utf8) { return QString::fromStdString(utf8); }
QString Cp(const std::string& cp1252) { return QString::fromStdString(Utf8DeCp1252(cp1252)); }

constexpr double kPuntsFormula = 13;

QColor ColorDe(TipusVeredicte t) {
  switch (t) {
    case TipusVeredicte::Correcte: return QColor(0x1a, 0x6e, 0x2e);
    case TipusVeredicte::Forma: return QColor(0x8a, 0x57, 0x00);
    case TipusVeredicte::Incorrecte:
    case TipusVeredicte::Illegible: return QColor(0xb3, 0x1d, 0x28);
  }
  return Qt::black;
}

double Escala(const QWidget* w) { return w->logicalDpiX() / 72.0; }

// A text shown on request (the hint, the worked solution): wrapped, selectable, hidden
// until asked for, named for a screen reader.
QLabel* TextAmagat(const QString& nom) {
  auto* l = new QLabel;
  l->setWordWrap(true);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  l->setAccessibleName(nom);
  l->hide();
  return l;
}

// A field's verdict or reading message as its accessible description, announced when it
// changes.
void Descriu(QWidget* camp, const QString& text) {
  if (camp->accessibleDescription() == text) return;
  camp->setAccessibleDescription(text);
  QAccessibleEvent canvi(camp, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&canvi);
}

}  // namespace

// ---------------------------------------------------------------------------------------
ZonaFormula::ZonaFormula(const QString& nom, const LletresFull& lletres, const MetriquesLletra& metriques,
                         QWidget* pare)
    : ZonaDibuixada(nom, pare), lletres_(lletres), metriques_(metriques) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ZonaFormula::PosaFormula(const QString& prefix, const Model& model, const QString& llegible, double amplada) {
  LletraFull lletra;
  lletra.punts = kPuntsFormula;
  bloc_ = Tipografia(model, amplada, metriques_, lletra);
  prefix_ = prefix;
  missatge_.clear();
  PosaText(llegible);
  updateGeometry();
  update();
}

void ZonaFormula::PosaMissatge(const QString& text) {
  bloc_.reset();
  prefix_.clear();
  missatge_ = text;
  PosaText(text);
  updateGeometry();
  update();
}

void ZonaFormula::Buida() {
  bloc_.reset();
  prefix_.clear();
  missatge_.clear();
  PosaText({});
  updateGeometry();
  update();
}

QSize ZonaFormula::sizeHint() const {
  const QFontMetrics fm(font());
  if (!missatge_.isEmpty()) {
    const QRect r = fm.boundingRect(QRect(0, 0, 540, 1000), Qt::TextWordWrap, missatge_);
    return {560, r.height() + 6};
  }
  if (!bloc_) return {560, fm.height() + 6};
  const double e = Escala(this);
  return {560, std::max(fm.height(), static_cast<int>(bloc_->alcada * e + 0.999)) + 8};
}

void ZonaFormula::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (!missatge_.isEmpty()) {
    p.setPen(ColorDe(TipusVeredicte::Illegible));
    p.drawText(rect().adjusted(4, 3, -4, -3), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, missatge_);
  } else if (bloc_) {
    const double esc = Escala(this);
    double x = 4;
    const double base = 4 + (bloc_->bases.empty() ? bloc_->alcada : bloc_->bases.front()) * esc;
    if (!prefix_.isEmpty()) {
      p.setPen(palette().color(QPalette::WindowText));
      p.drawText(QPointF(x, base), prefix_);
      x += QFontMetricsF(font()).horizontalAdvance(prefix_) + 4;
    }
    PaginaFull pagina;
    pagina.elements = bloc_->elements;
    for (ElementFull& el : pagina.elements) Desplaca(el, x / esc, 4 / esc);
    PintaPagina(p, pagina, lletres_);
  }
  p.end();
  ZonaDibuixada::paintEvent(e);
}

// ---------------------------------------------------------------------------------------
FinestraPractica::FinestraPractica(QWidget* pare, Practica practica)
    : QDialog(pare), practica_(std::move(practica)) {
  setObjectName(QStringLiteral("practica"));
  setWindowTitle(practica_.Nom().empty() ? QString::fromUtf8("Pr\u00E0ctica")
                                         : QString::fromUtf8("Pr\u00E0ctica: ") + U(practica_.Nom()));
  setWindowIcon(IconaPrograma());
  resize(720, 620);

  auto* disposicio = new QVBoxLayout(this);
  posicio_ = new QLabel;
  disposicio->addWidget(posicio_);
  enunciat_ = new ZonaFormula(QStringLiteral("Enunciat"), lletres_, metriques_, this);
  disposicio->addWidget(enunciat_);

  auto* desplacament = new QScrollArea;
  desplacament->setWidgetResizable(true);
  desplacament->setFrameShape(QFrame::NoFrame);
  desplacament->setFocusPolicy(Qt::NoFocus);
  disposicio->addWidget(desplacament, 1);
  zonaCasos_ = desplacament;

  // The keys insert the notation at the cursor of the field last used.
  auto* fila = new QHBoxLayout;
  auto* simbols = new QLabel(QString::fromUtf8("S\u00EDmbols:"));
  fila->addWidget(simbols);
  struct Tecla {
    const char* text;
    const char* insereix;
    int enrere;  // characters the cursor goes back after inserting
    const char* nom;
    const char* consell;
  };
  static const Tecla tecles[] = {
      {"a/b", "()/()", 4, "Fracci\u00F3", "Fracci\u00F3: escriu 3/4, o (x+1)/(x-1) amb par\u00E8ntesis"},
      {"x\u207F", "^", 0, "Pot\u00E8ncia", "Pot\u00E8ncia: escriu x^2 (o x\u00B2)"},
      {"\u221A", "\u221A", 0, "Arrel quadrada", "Arrel quadrada: escriu \u221A20 o arrel(20)"},
      {"\u207F\u221A", "arrel(; )", 3, "Arrel en\u00E8sima", "Arrel en\u00E8sima: escriu arrel(20; 5)"},
      {"\u00B7", "\u00B7", 0, "Producte", "Producte: escriu 2\u00B7x, 2*x o 2x"},
      {"\u2212", "\u2212", 0, "Menys", "Menys: escriu - (el guionet)"},
      {";", "; ", 0, "Separador de llista", "Llista: separa les solucions amb ; (x = 3; x = -2)"},
  };
  for (const Tecla& t : tecles) {
    auto* b = new QToolButton;
    b->setText(QString::fromUtf8(t.text));
    b->setToolTip(QString::fromUtf8(t.consell));
    b->setAccessibleName(QString::fromUtf8(t.nom));
    b->setAccessibleDescription(QString::fromUtf8(t.consell));
    b->setFocusPolicy(Qt::StrongFocus);
    const QString text = QString::fromUtf8(t.insereix);
    const int enrere = t.enrere;
    connect(b, &QToolButton::clicked, this, [this, text, enrere] { Insereix(text, enrere); });
    fila->addWidget(b);
    tecles_.push_back(b);
  }
  fila->addStretch();
  disposicio->addLayout(fila);

  textPista_ = TextAmagat(QStringLiteral("Pista"));
  disposicio->addWidget(textPista_);
  textPassos_ = TextAmagat(QStringLiteral("Resoluci\u00F3"));
  disposicio->addWidget(textPassos_);
  puntuacio_ = new QLabel;
  puntuacio_->setAccessibleName(QString::fromUtf8("Puntuaci\u00F3"));
  disposicio->addWidget(puntuacio_);

  auto* botons = new QHBoxLayout;
  comprova_ = new QPushButton(QStringLiteral("&Comprova"));
  pista_ = new QPushButton(QStringLiteral("&Pista"));
  pas_ = new QPushButton(QString::fromUtf8("Pas se&g\u00FCent"));
  solucio_ = new QPushButton(QString::fromUtf8("&Soluci\u00F3"));
  pas_->setAccessibleName(QString::fromUtf8("Mostra el pas seg\u00FCent de la resoluci\u00F3 del cas"));
  seguent_ = new QPushButton(QString::fromUtf8("S&eg\u00FCent"));
  ajuda_ = new QPushButton(QString::fromUtf8("Com s'escriuen les &respostes"));
  tanca_ = new QPushButton(QStringLiteral("&Tanca"));
  comprova_->setAccessibleName(QStringLiteral("Comprova les respostes"));
  pista_->setAccessibleName(QStringLiteral("Mostra la pista"));
  solucio_->setAccessibleName(QString::fromUtf8("Mostra la soluci\u00F3 del cas"));
  seguent_->setAccessibleName(QString::fromUtf8("Exercici seg\u00FCent"));
  seguent_->setToolTip(QStringLiteral("Ctrl+Retorn"));
  ajuda_->setAccessibleName(QString::fromUtf8("Com s'escriuen les respostes"));
  tanca_->setAccessibleName(QString::fromUtf8("Tanca la pr\u00E0ctica"));
  for (QPushButton* b : {comprova_, pista_, pas_, solucio_, seguent_, ajuda_, tanca_}) {
    b->setAutoDefault(false);
    botons->addWidget(b);
  }
  // Enter in a field presses the default button: one check per Enter.
  comprova_->setDefault(true);
  disposicio->addLayout(botons);

  connect(comprova_, &QPushButton::clicked, this, &FinestraPractica::FesComprova);
  connect(pista_, &QPushButton::clicked, this, &FinestraPractica::FesPista);
  connect(solucio_, &QPushButton::clicked, this, &FinestraPractica::FesSolucio);
  connect(pas_, &QPushButton::clicked, this, &FinestraPractica::FesPas);
  connect(seguent_, &QPushButton::clicked, this, &FinestraPractica::FesSeguent);
  connect(tanca_, &QPushButton::clicked, this, &FinestraPractica::reject);
  connect(ajuda_, &QPushButton::clicked, this, [this] {
    FinestraAjuda ajuda(this);
    ajuda.Navegador()->scrollToAnchor(QStringLiteral("respostes"));
    ajuda.exec();
  });
  for (auto tecla : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* drecera = new QShortcut(QKeySequence(Qt::CTRL | tecla), this);
    connect(drecera, &QShortcut::activated, this, [this] {
      if (seguent_->isEnabled()) FesSeguent();
    });
  }
  MostraExercici();
}

void FinestraPractica::MostraExercici() {
  casos_.clear();
  ultimCas_ = 0;
  textPista_->hide();
  textPista_->clear();
  textPassos_->hide();
  textPassos_->clear();
  if (practica_.Acabada()) return;
  const ExerciciPractica& ex = practica_.ExerciciActual();
  posicio_->setText(QStringLiteral("Exercici %1 de %2").arg(practica_.Actual() + 1).arg(practica_.Nombre()));
  enunciat_->PosaFormula({}, MatematiquesEnunciat(ex.exercici), Cp(TextLlegible(ex.exercici.enunciat)), 640);

  auto* area = static_cast<QScrollArea*>(zonaCasos_);
  auto* contingut = new QWidget;
  auto* graella = new QGridLayout(contingut);
  graella->setColumnStretch(1, 1);
  for (std::size_t k = 0; k < ex.casos.size(); ++k) {
    const CasPractica& c = ex.casos[k];
    FilaCas f;
    const QString etiqueta = c.etiqueta.empty() ? QStringLiteral("Resposta") : Cp(c.etiqueta);
    f.etiqueta = new QLabel(c.etiqueta.empty() ? QStringLiteral("Resposta:") : etiqueta);
    f.camp = new QLineEdit;
    f.camp->setMaxLength(1000);
    f.camp->setAccessibleName(c.etiqueta.empty() ? QStringLiteral("Resposta") : QStringLiteral("Resposta ") + etiqueta);
    f.etiqueta->setBuddy(f.camp);
    f.llegit = new ZonaFormula(QString::fromUtf8("S'ha llegit ") + etiqueta, lletres_, metriques_, contingut);
    f.llegit->setFocusPolicy(Qt::NoFocus);
    f.veredicte = new QLabel;
    f.veredicte->setWordWrap(true);
    f.veredicte->setMinimumWidth(180);
    const int fila = static_cast<int>(k) * 2;
    graella->addWidget(f.etiqueta, fila, 0);
    graella->addWidget(f.camp, fila, 1);
    graella->addWidget(f.veredicte, fila, 2);
    graella->addWidget(f.llegit, fila + 1, 1, 1, 2);
    const int cas = static_cast<int>(k);
    connect(f.camp, &QLineEdit::textChanged, this, [this, cas] { Llegeix(cas); });
    f.camp->installEventFilter(this);
    casos_.push_back(f);
  }
  graella->setRowStretch(static_cast<int>(ex.casos.size()) * 2, 1);
  area->setWidget(contingut);

  // Tab in reading order: the statement, the fields, the keys, the buttons.
  std::vector<QWidget*> ordre{enunciat_};
  for (const FilaCas& f : casos_) ordre.push_back(f.camp);
  for (QToolButton* t : tecles_) ordre.push_back(t);
  for (QWidget* b : {comprova_, pista_, pas_, solucio_, seguent_, ajuda_, tanca_}) ordre.push_back(b);
  for (std::size_t k = 1; k < ordre.size(); ++k) setTabOrder(ordre[k - 1], ordre[k]);
  Actualitza();
  if (!casos_.empty()) casos_.front().camp->setFocus();
}

bool FinestraPractica::eventFilter(QObject* objecte, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    for (std::size_t k = 0; k < casos_.size(); ++k) {
      if (casos_[k].camp == objecte) ultimCas_ = static_cast<int>(k);
    }
  }
  return QDialog::eventFilter(objecte, e);
}

void FinestraPractica::Llegeix(int cas) {
  FilaCas& f = casos_[static_cast<std::size_t>(cas)];
  const CasPractica& c = practica_.ExerciciActual().casos[static_cast<std::size_t>(cas)];
  if (c.mostrat) return;  // the solution stays shown
  const QString text = f.camp->text();
  if (text.trimmed().isEmpty()) {
    f.llegit->Buida();
    Descriu(f.camp, {});
    return;
  }
  if (static_cast<std::size_t>(text.size()) > LlargadaMaximaResposta) {
    const QString m = QString::fromUtf8("La resposta \u00E9s massa llarga: com a m\u00E0xim %1 car\u00E0cters.")
                          .arg(LlargadaMaximaResposta);
    f.llegit->PosaMissatge(m);
    Descriu(f.camp, m);
    return;
  }
  const LecturaNotacio l = LlegeixNotacio(text.toStdString());
  if (!l.Llegida()) {
    f.llegit->PosaMissatge(U(l.error->missatge));
    Descriu(f.camp, U(l.error->missatge));
    return;
  }
  const QString llegit = QString::fromUtf8("S'ha llegit: ") + U(EscriuNotacio(l.expressio));
  f.llegit->PosaFormula(QString::fromUtf8("S'ha llegit:"), l.expressio.Arbre(), llegit);
  Descriu(f.camp, c.veredicte ? f.veredicte->text() + QStringLiteral(". ") + llegit : llegit);
}

void FinestraPractica::MostraVeredicte(int cas) {
  FilaCas& f = casos_[static_cast<std::size_t>(cas)];
  const CasPractica& c = practica_.ExerciciActual().casos[static_cast<std::size_t>(cas)];
  if (c.mostrat) {
    f.veredicte->setText(QString::fromUtf8("Soluci\u00F3 vista"));
    f.veredicte->setStyleSheet(QStringLiteral("color: #555555;"));
    const QString solucio = U(EscriuNotacio(c.solucio));
    f.llegit->PosaFormula(QString::fromUtf8("Soluci\u00F3:"), c.solucio.Arbre(),
                          QString::fromUtf8("Soluci\u00F3: ") + solucio);
    Descriu(f.camp, QString::fromUtf8("Soluci\u00F3 vista: ") + solucio);
  } else if (c.veredicte) {
    const QString text = U(TextVeredicte(*c.veredicte));
    f.veredicte->setText(text);
    f.veredicte->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(ColorDe(c.veredicte->tipus).name()));
    Descriu(f.camp, text);
  }
  f.camp->setReadOnly(c.Tancat());
}

void FinestraPractica::Actualitza() {
  const bool obert = !practica_.Acabada();
  bool algunObert = false;
  if (obert) {
    for (const CasPractica& c : practica_.ExerciciActual().casos) algunObert = algunObert || !c.Tancat();
  }
  comprova_->setEnabled(algunObert);
  solucio_->setEnabled(algunObert);
  const int actiu = obert ? CasActiu() : -1;
  const CasPractica* c = actiu >= 0 ? &practica_.ExerciciActual().casos[static_cast<std::size_t>(actiu)] : nullptr;
  pas_->setEnabled(c != nullptr && c->passosVistos < c->passos.size());
  pista_->setEnabled(obert);
  seguent_->setEnabled(practica_.PotPassar());
  seguent_->setText(practica_.Actual() + 1 >= practica_.Nombre() ? QStringLiteral("&Acaba")
                                                                 : QString::fromUtf8("S&eg\u00FCent"));
  puntuacio_->setText(U(LiniaPuntuacio(practica_.Punts())));
}

void FinestraPractica::FesComprova() {
  if (practica_.Acabada()) return;
  std::vector<std::string> respostes;
  for (const FilaCas& f : casos_) respostes.push_back(f.camp->text().toStdString());
  practica_.Comprova(respostes);
  for (int k = 0; k < NombreCasos(); ++k) MostraVeredicte(k);
  Actualitza();
  if (seguent_->isEnabled() && !comprova_->isEnabled()) seguent_->setFocus();
}

void FinestraPractica::FesPista() {
  textPista_->setText(QStringLiteral("Pista: ") + U(practica_.Pista()));
  textPista_->show();
}

int FinestraPractica::CasActiu() const {
  const auto& casos = practica_.ExerciciActual().casos;
  if (ultimCas_ < static_cast<int>(casos.size()) && !casos[static_cast<std::size_t>(ultimCas_)].Tancat())
    return ultimCas_;
  for (std::size_t k = 0; k < casos.size(); ++k) {
    if (!casos[k].Tancat()) return static_cast<int>(k);
  }
  return -1;
}

// One step under the cases: its label, the step in the notation and its reason.
void FinestraPractica::AfegeixPas(int cas, const Pas& pas) {
  const CasPractica& c = practica_.ExerciciActual().casos[static_cast<std::size_t>(cas)];
  QString linia = Cp(c.etiqueta);
  if (!linia.isEmpty()) linia += QStringLiteral(" ");
  linia += U(EscriuNotacio(pas.expressio));
  if (!pas.justificacio.empty()) linia += QStringLiteral("   (") + Cp(pas.justificacio) + QStringLiteral(")");
  textPassos_->setText(textPassos_->text().isEmpty() ? linia : textPassos_->text() + QStringLiteral("\n") + linia);
  textPassos_->show();
}

void FinestraPractica::FesPas() {
  if (practica_.Acabada()) return;
  const int cas = CasActiu();
  if (cas < 0) return;
  if (const Pas* p = practica_.PasSeguent(static_cast<std::size_t>(cas))) AfegeixPas(cas, *p);
  Actualitza();
}

void FinestraPractica::FesSolucio() {
  if (practica_.Acabada()) return;
  const int cas = CasActiu();
  if (cas < 0) return;
  // The whole resolution: the steps not shown yet, then the answer.
  while (const Pas* p = practica_.PasSeguent(static_cast<std::size_t>(cas))) AfegeixPas(cas, *p);
  practica_.MostraSolucio(static_cast<std::size_t>(cas));
  MostraVeredicte(cas);
  Actualitza();
}

void FinestraPractica::FesSeguent() {
  if (!practica_.PotPassar()) return;
  if (practica_.Seguent()) {
    MostraExercici();
  } else {
    Actualitza();
    accept();
  }
}

bool FinestraPractica::PotTancar() {
  bool perdudes = practica_.EnCurs();
  if (!practica_.Acabada()) {
    for (const FilaCas& f : casos_) perdudes = perdudes || !f.camp->text().trimmed().isEmpty();
  }
  return !perdudes ||
         PreguntaSiNo(this, QString::fromUtf8("Es perdran les respostes d'aquesta pr\u00E0ctica. Vols tancar-la?"),
                      QString::fromUtf8("Pr\u00E0ctica"));
}

void FinestraPractica::reject() {
  if (!PotTancar()) return;
  QDialog::reject();
}

void FinestraPractica::Insereix(const QString& text, int enrere) {
  if (casos_.empty()) return;
  QLineEdit* camp = casos_[static_cast<std::size_t>(std::min(ultimCas_, NombreCasos() - 1))].camp;
  camp->setFocus();
  if (camp->isReadOnly()) return;
  camp->insert(text);
  camp->setCursorPosition(camp->cursorPosition() - enrere);
}

// ---------------------------------------------------------------------------------------
FinestraResum::FinestraResum(QWidget* pare, const Practica& practica) : QDialog(pare), practica_(practica) {
  setObjectName(QStringLiteral("resumpractica"));
  setWindowTitle(QString::fromUtf8("Resultat de la pr\u00E0ctica"));
  setWindowIcon(IconaPrograma());
  resize(640, 520);
  text_ = new QTextBrowser;
  text_->setAccessibleName(QStringLiteral("Resultat"));
  QString html = QStringLiteral("<p><b>%1</b></p>").arg(U(LiniaPuntuacio(practica.Punts())).toHtmlEscaped());
  if (!practica.Codi().empty()) html += QStringLiteral("<p>Codi del full: %1</p>").arg(U(practica.Codi()));
  int numero = 0;
  for (const ExerciciPractica& ex : practica.Fets()) {
    html += QStringLiteral("<h3>Exercici %1</h3><p>%2</p><ul>")
                .arg(++numero)
                .arg(Cp(TextLlegible(ex.exercici.enunciat)).toHtmlEscaped().replace('\n', QStringLiteral("<br>")));
    for (const CasPractica& c : ex.casos) {
      QString linia = c.etiqueta.empty() ? QString() : Cp(c.etiqueta) + QLatin1Char(' ');
      linia += c.resposta.empty() ? QStringLiteral("(sense resposta)") : U(c.resposta);
      if (c.veredicte) linia += QString::fromUtf8(" \u2014 ") + U(TextVeredicte(*c.veredicte));
      if (c.mostrat) linia += QString::fromUtf8(" \u2014 soluci\u00F3 vista: ") + U(EscriuNotacio(c.solucio));
      html += QStringLiteral("<li>%1</li>").arg(linia.toHtmlEscaped());
    }
    html += QStringLiteral("</ul>");
  }
  text_->setHtml(html);
  desa_ = new QPushButton(QString::fromUtf8("Desa el resultat (&PDF)\u2026"));
  auto* tanca = new QPushButton(QStringLiteral("&Tanca"));
  desa_->setAccessibleName(QStringLiteral("Desa el resultat en PDF"));
  tanca->setAccessibleName(QStringLiteral("Tanca el resultat"));
  tanca->setDefault(true);
  connect(tanca, &QPushButton::clicked, this, &QDialog::accept);
  connect(desa_, &QPushButton::clicked, this, [this] {
    const QString cami = QFileDialog::getSaveFileName(this, QStringLiteral("Desa el resultat"),
                                                      QStringLiteral("resultat.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (cami.isEmpty()) return;
    if (const auto error = Desa(cami)) MostraAvis(this, *error, QStringLiteral("Desa el resultat"));
  });
  auto* disposicio = new QVBoxLayout(this);
  disposicio->addWidget(text_);
  auto* botons = new QHBoxLayout;
  botons->addWidget(desa_);
  botons->addStretch();
  botons->addWidget(tanca);
  disposicio->addLayout(botons);
  setTabOrder(text_, desa_);
  setTabOrder(desa_, tanca);
}

std::optional<QString> FinestraResum::Desa(const QString& cami) const {
  const LletresFull lletres;
  const MetriquesQt metriques(lletres);
  const QString data = QDate::currentDate().toString(QStringLiteral("d/M/yyyy"));
  const Full full = FullDelResultat(practica_, data.toStdString(), metriques);
  const auto error = EscriuPdf(full, std::filesystem::path(QFile::encodeName(cami).toStdString()), lletres);
  if (error) return U(*error);
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------
FinestraNovaPractica::FinestraNovaPractica(QWidget* pare) : QDialog(pare) {
  setObjectName(QStringLiteral("novapractica"));
  setWindowTitle(QString::fromUtf8("Nova pr\u00E0ctica"));
  setWindowIcon(IconaPrograma());
  tema_ = new QComboBox;
  for (const EntradaTema& t : Cataleg()) tema_->addItem(Cp(std::string(t.nom)));
  subtipus_ = new QComboBox;
  casos_ = new QSpinBox;
  casos_->setRange(1, 12);
  casos_->setValue(3);
  exercicis_ = new QSpinBox;
  exercicis_->setRange(1, MaximExercicisPractica);
  exercicis_->setValue(5);
  nivell_ = new QComboBox;
  nivell_->addItem(QString::fromUtf8("1 (m\u00E9s f\u00E0cil)"));
  nivell_->addItem(QStringLiteral("2 (l'habitual)"));
  nivell_->addItem(QString::fromUtf8("3 (m\u00E9s dif\u00EDcil)"));
  nivell_->setCurrentIndex(1);
  auto* formulari = new QFormLayout;
  formulari->addRow(QStringLiteral("&Tema:"), tema_);
  formulari->addRow(QStringLiteral("&Subtipus:"), subtipus_);
  formulari->addRow(QStringLiteral("&Casos:"), casos_);
  formulari->addRow(QStringLiteral("&Nivell:"), nivell_);
  formulari->addRow(QStringLiteral("&Exercicis (1 a 50):"), exercicis_);
  tema_->setAccessibleName(QStringLiteral("Tema"));
  subtipus_->setAccessibleName(QStringLiteral("Subtipus"));
  tema_->view()->setAccessibleName(QStringLiteral("Temes"));
  subtipus_->view()->setAccessibleName(QStringLiteral("Subtipus del tema"));
  casos_->setAccessibleName(QStringLiteral("Casos"));
  exercicis_->setAccessibleName(QStringLiteral("Exercicis"));
  nivell_->setAccessibleName(QStringLiteral("Nivell"));
  nivell_->view()->setAccessibleName(QStringLiteral("Nivells"));
  auto* botons = new QDialogButtonBox;
  QPushButton* cancel = botons->addButton(QString::fromUtf8("Cancel\u00B7la"), QDialogButtonBox::RejectRole);
  QPushButton* comenca = botons->addButton(QString::fromUtf8("Comen\u00E7a"), QDialogButtonBox::AcceptRole);
  cancel->setAccessibleName(QString::fromUtf8("Cancel\u00B7la"));
  comenca->setAccessibleName(QString::fromUtf8("Comen\u00E7a la pr\u00E0ctica"));
  comenca->setDefault(true);
  connect(botons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* disposicio = new QVBoxLayout(this);
  disposicio->addLayout(formulari);
  disposicio->addWidget(botons);
  connect(tema_, &QComboBox::currentIndexChanged, this, &FinestraNovaPractica::OmpleSubtipus);
  connect(subtipus_, &QComboBox::currentIndexChanged, this, [this] {
    const auto cataleg = Cataleg();
    const int t = tema_->currentIndex();
    casos_->setEnabled(t >= 0 && cataleg[static_cast<std::size_t>(t)].PrenCasos(subtipus_->currentIndex() + 1));
  });
  OmpleSubtipus();
  for (auto [abans, despres] : {std::pair<QWidget*, QWidget*>{tema_, subtipus_}, {subtipus_, casos_},
                                {casos_, nivell_}, {nivell_, exercicis_}, {exercicis_, cancel}, {cancel, comenca}})
    setTabOrder(abans, despres);
}

void FinestraNovaPractica::OmpleSubtipus() {
  const auto cataleg = Cataleg();
  const int t = tema_->currentIndex();
  subtipus_->clear();
  if (t < 0) return;
  for (const std::string& s : cataleg[static_cast<std::size_t>(t)].Subtipus()) subtipus_->addItem(Cp(s));
}

Practica FinestraNovaPractica::Crea(uint64_t llavor) const {
  return Practica::DeLaSerie(tema_->currentIndex() + 1, subtipus_->currentIndex() + 1,
                             casos_->isEnabled() ? casos_->value() : 1, exercicis_->value(), llavor,
                             nivell_->currentIndex() + 1);
}

// ---------------------------------------------------------------------------------------
void ObrePractica(QWidget* pare, Practica practica) {
  FinestraPractica finestra(pare, std::move(practica));
  finestra.exec();
  if (finestra.Estat().Acabada()) {
    FinestraResum resum(pare, finestra.Estat());
    resum.exec();
  }
}

void NovaPractica(QWidget* pare) {
  FinestraNovaPractica finestra(pare);
  if (finestra.exec() != QDialog::Accepted) return;
  // A 32-bit seed from the clock, so that the practice has a sheet code.
  const auto ara = std::chrono::steady_clock::now().time_since_epoch();
  const auto llavor = static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ara).count());
  ObrePractica(pare, finestra.Crea(llavor));
}

void PracticaUnCodi(QWidget* pare) {
  const auto codi = DemanaCodiFull(pare);
  if (!codi) return;
  auto llegit = Practica::DelCodi(*codi);
  if (const auto* e = std::get_if<ErrorCodi>(&llegit)) {
    MostraAvis(pare, U(e->missatge), QString::fromUtf8("Practica un codi"));
    return;
  }
  ObrePractica(pare, std::move(std::get<Practica>(llegit)));
}

}  // namespace tirelo::gui
