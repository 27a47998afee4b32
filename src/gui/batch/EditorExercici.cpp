// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/batch/EditorExercici.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "gui/render/LlencQt.h"
#include "gui/shell/Accessibilitat.h"
#include "gui/shell/Missatges.h"
#include "gui/shell/TextQt.h"
#include "mathtext/Text.h"
#include "render/VistaPrevia.h"

namespace tirelo::gui {
namespace {

using namespace ordre_editor;

// A typed text as an exercise text: every line break becomes CR LF (the markup's
// paragraph break, its LF ignored). Call only on text that Windows-1252 can hold.
std::string TextExercici(QString camp) {
  camp.replace(QChar(QChar::LineSeparator), QChar('\n'));
  camp.replace(QChar(QChar::ParagraphSeparator), QChar('\n'));
  camp.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  camp.replace(QChar('\r'), QChar('\n'));
  camp.replace(QChar('\n'), QStringLiteral("\r\n"));
  return Cp1252DeUtf8(camp.toStdString()).value_or(std::string());
}

// The preview's frame; nothing it draws goes beyond it.
QRect RectVistaPrevia() {
  using M = MarcVistaPrevia;
  return QRect(QPoint(M::Esquerra, M::Dalt), QPoint(M::Dreta - 1, M::Baix - 1));
}

QPlainTextEdit* CampDeLinies(const std::string& text) {
  auto* camp = new QPlainTextEdit(TextMissatge(text));
  camp->setTabChangesFocus(true);
  camp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  camp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return camp;
}

}  // namespace

EditorExercici::EditorExercici(QWidget* pare, const Exercici& e)
    : FinestraSecundaria(pare, "contingutprob", QStringLiteral("Exercici"), QRect(200, 10, 600, 500)),
      copia_(e),
      mostra_(e) {
  vista_ =
      AfegeixControl(new ZonaDibuixada(QStringLiteral("Vista pr\u00E8via"), nullptr), 0, RectVistaPrevia());
  enunciat_ = AfegeixControl(CampDeLinies(e.enunciat), Enunciat, QRect(8, 270, 576, 57));
  resposta_ = AfegeixControl(CampDeLinies(e.resposta), Resposta, QRect(8, 350, 576, 26));
  pista_ = AfegeixCamp(Pista, QRect(8, 400, 576, 26));
  pista_->setText(DeCp1252(e.pista));
  pista_->setCursorPosition(0);
  AfegeixEtiqueta(10, 250, QStringLiteral("Enunciat"), enunciat_);
  AfegeixEtiqueta(10, 330, QStringLiteral("resposta"), resposta_);
  AfegeixEtiqueta(8, 380, QStringLiteral("pista:"), pista_);
  QRadioButton* opcions[] = {
      AfegeixOpcio(NoPosar, QStringLiteral("no posar"), QRect(60, 378, 110, 22)),
      AfegeixOpcio(AEnunciat, QStringLiteral("a enunciat"), QRect(170, 378, 110, 22)),
      AfegeixOpcio(AResposta, QStringLiteral("a resposta"), QRect(280, 378, 110, 22)),
  };
  for (QRadioButton* opcio : opcions) opcio->setAccessibleDescription(QStringLiteral("On va la pista"));
  auto* accepta = AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("accepta"), QRect(340, 432, 77, 30));
  auto* cancella = AfegeixBoto(ordre_finestra::Surt, QStringLiteral("cancel·la"), QRect(200, 432, 81, 30));
  avis_ = AfegeixControl(new QLabel, 0, QRect(8, 466, 576, 30));
  avis_->setStyleSheet(QStringLiteral("color: rgb(180, 0, 0);"));
  avis_->setWordWrap(true);
  avis_->hide();
  // How many characters each field still takes, so that nothing is cut in silence.
  const std::pair<QRect, const char*> comptadors[] = {
      {QRect(384, 250, 200, 18), "Car\u00E0cters que queden a l'enunciat"},
      {QRect(384, 330, 200, 18), "Car\u00E0cters que queden a la resposta"},
      {QRect(384, 427, 200, 0), "Car\u00E0cters que queden a la pista"},
  };
  for (int i = 0; i < 3; ++i) {
    queden_[i] = AfegeixControl(new QLabel, 0, comptadors[i].first);
    queden_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    queden_[i]->setAccessibleName(QString::fromUtf8(comptadors[i].second));
  }
  queden_[2]->setGeometry(430, 380, 154, 18);
  MarcaOpcio(NoPosar + e.posicioPista);
  OrdeneFocus({vista_, enunciat_, resposta_, opcions[0], opcions[1], opcions[2], pista_, cancella, accepta});
  vista_->PosaText(DeCp1252(TextVistaPrevia(mostra_)));
  enunciat_->setFocus();
  inicial_[0] = enunciat_->toPlainText();
  inicial_[1] = resposta_->toPlainText();
  inicial_[2] = pista_->text();

  ComprovaCamps();
  for (QWidget* camp : Camps()) camp->installEventFilter(this);
  connect(enunciat_, &QPlainTextEdit::textChanged, this, &EditorExercici::Notifica);
  connect(resposta_, &QPlainTextEdit::textChanged, this, &EditorExercici::Notifica);
  connect(pista_, &QLineEdit::textChanged, this, &EditorExercici::Notifica);
  // Choosing a placement shows it at once too, rather than at the next field event.
  for (int ordre = NoPosar; ordre <= AResposta; ++ordre) {
    connect(ControlDe<QRadioButton>(ordre), &QRadioButton::toggled, this, &EditorExercici::Notifica);
  }
}

// The fields outlive this object's own members while the base class deletes them:
// they must not reach Notifica any more.
EditorExercici::~EditorExercici() {
  for (QWidget* camp : Camps()) {
    camp->removeEventFilter(this);
    camp->disconnect(this);
  }
  for (int ordre = NoPosar; ordre <= AResposta; ++ordre) Control(ordre)->disconnect(this);
}

std::array<QWidget*, 3> EditorExercici::Camps() const { return {enunciat_, resposta_, pista_}; }

QString EditorExercici::TextCamp(int ordre) const {
  if (ordre == Enunciat) return enunciat_->toPlainText();
  if (ordre == Resposta) return resposta_->toPlainText();
  return pista_->text();
}

bool EditorExercici::eventFilter(QObject* objecte, QEvent* esdeveniment) {
  if (esdeveniment->type() == QEvent::FocusIn || esdeveniment->type() == QEvent::FocusOut) Notifica();
  return FinestraSecundaria::eventFilter(objecte, esdeveniment);
}

void EditorExercici::Notifica() {
  const int marcada = OpcioMarcada(NoPosar, AResposta);
  if (marcada >= 0) copia_.posicioPista = marcada - NoPosar;
  ComprovaCamps();
  vista_->PosaText(DeCp1252(TextVistaPrevia(mostra_)));
  update(RectVistaPrevia());
}

QWidget* EditorExercici::ComprovaCamps() {
  static const char* const kNoms[] = {"L'enunciat", "La resposta", "La pista"};
  static constexpr std::size_t kLimits[] = {LlargadaText, LlargadaText, LlargadaPista};
  // The preview follows the typing: the fields as they would be accepted now.
  std::string textos[3];
  for (int i = 0; i < 3; ++i) {
    textos[i] = TextAcceptat(i);
    const long queden = static_cast<long>(kLimits[i]) - static_cast<long>(textos[i].size());
    if (queden_[i]) {
      queden_[i]->setText(queden >= 0 ? QStringLiteral("queden %1").arg(queden)
                                      : QStringLiteral("%1 de m\u00E9s: es tallar\u00E0").arg(-queden));
      queden_[i]->setStyleSheet(queden >= 0 ? QString() : QStringLiteral("color: rgb(180, 0, 0);"));
    }
  }
  mostra_ = copia_;
  mostra_.enunciat = Talla(textos[0], LlargadaText);
  mostra_.resposta = Talla(textos[1], LlargadaText);
  mostra_.pista = Talla(textos[2], LlargadaPista);
  QString avis;
  QWidget* camp = nullptr;
  for (int i = 0; i < 3 && !camp; ++i) {
    const QString c = PrimerForaDeCp1252(TextCamp(Enunciat + i));
    if (!c.isEmpty()) {
      avis = QStringLiteral("%1 té «%2», que un exercici no pot guardar: canvieu-lo per poder acceptar.")
                 .arg(QString::fromUtf8(kNoms[i]), c);
      camp = Camps()[static_cast<std::size_t>(i)];
    }
  }
  avis_->setText(avis);
  avis_->setVisible(!avis.isEmpty());
  // The field itself carries the notice too, so a screen reader says it with the field.
  for (QWidget* c : Camps()) c->setAccessibleDescription(c == camp ? avis : QString());
  return camp;
}

std::string EditorExercici::TextAcceptat(int i) const {
  // A field left as it was keeps its text byte for byte, line breaks included.
  const QString text = TextCamp(Enunciat + i);
  if (text != inicial_[i]) return TextExercici(text);
  return i == 0 ? copia_.enunciat : i == 1 ? copia_.resposta : copia_.pista;
}

bool EditorExercici::PotAcceptar() {
  // The red notice is only painted: on "accepta" it comes again in a message box,
  // which a screen reader announces, and the field to change takes the focus.
  if (QWidget* camp = ComprovaCamps()) {
    MostraAvis(this, avis_->text(), QStringLiteral("Text no v\u00E0lid"));
    camp->setFocus();
    return false;
  }
  const std::string enunciat = TextAcceptat(0), resposta = TextAcceptat(1), pista = TextAcceptat(2);
  copia_.enunciat = Talla(enunciat, LlargadaText);
  copia_.resposta = Talla(resposta, LlargadaText);
  copia_.pista = Talla(pista, LlargadaPista);
  const int marcada = OpcioMarcada(NoPosar, AResposta);
  if (marcada >= 0) copia_.posicioPista = marcada - NoPosar;
  return true;
}

void EditorExercici::paintEvent(QPaintEvent* e) {
  FinestraSecundaria::paintEvent(e);
  QPainter painter(this);
  painter.setClipRect(RectVistaPrevia());
  painter.setPen(Qt::black);
  LlencQt llenc(painter, Qt::white);
  pantalla_.LligaFinestra(llenc);
  DibuixaVistaPrevia(pantalla_, mostra_);
  pantalla_.Deslliga();
}

bool EditaExercici(QWidget* pare, tirelo::Exercici& e) {
  EditorExercici editor(pare, e);
  if (!editor.Executa()) return false;
  e = editor.Copia();
  return true;
}

}  // namespace tirelo::gui
