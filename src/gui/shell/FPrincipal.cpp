// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/FPrincipal.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QFile>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStatusBar>

#include "batch/Lot.h"
#include "gui/batch/FinestraPista.h"
#include "gui/full/FinestraOpcionsFull.h"
#include "gui/full/ImpressioFull.h"
#include "gui/full/PintaFull.h"
#include "gui/practica/FinestraPractica.h"
#include "gui/shell/Accessibilitat.h"
#include "gui/shell/Controls.h"
#include "gui/shell/Estil.h"
#include "gui/shell/Icona.h"
#include "gui/shell/InterficieQt.h"
#include "gui/shell/QuantA.h"
#include "gui/shell/TextQt.h"
#include "shell/DesarFull.h"
#include "shell/FitxerLot.h"
#include "shell/Ordres.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"
#include "shell/Versions.h"

namespace tirelo::gui {

namespace {

struct Boto {
  int ordre;
  const char* text;
  QRect lloc;
  const char* nom;  // what a screen reader says: what the button does
};

// The batch buttons, at their places in the client area.
constexpr Boto kBotons[] = {
    {ordre::Pujar, "/\\", {566, 150, 22, 30}, "Puja l'exercici"},
    {ordre::Baixar, "\\/", {566, 190, 22, 30}, "Baixa l'exercici"},
    {ordre::Eliminar, "-", {566, 278, 22, 22}, "Elimina l'exercici"},
    {ordre::Editar, "->", {566, 302, 22, 22}, "Edita l'exercici"},
    {ordre::Desar, "-> fitxer .rtf", {120, 340, 100, 22}, "Desa el lot en un fitxer .rtf"},
    {ordre::EditarImprimir, "+ editar/imprimir", {224, 340, 160, 22}, "Obre el document per editar/imprimir"},
    {ordre::Reiniciar, "Reset", {390, 340, 60, 22}, "Reinicia el lot (Reset)"},
};

constexpr const char* kEtiquetaLot = "Lot exercicis:";

}  // namespace

// The client area: the blue background and the painted label "Lot exercicis:".
class ClientPrincipal : public QWidget {
 public:
  ClientPrincipal() {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, ColorPrincipal());
    setPalette(colors);
    setAutoFillBackground(true);
  }
  void PosaColorEtiqueta(const QColor& color) {
    if (color == colorEtiqueta_) return;
    colorEtiqueta_ = color;
    update();
  }
  QColor ColorEtiqueta() const { return colorEtiqueta_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter pintor(this);
    pintor.setPen(colorEtiqueta_);
    pintor.drawText(QPoint(20, 344 + pintor.fontMetrics().ascent()), QString::fromLatin1(kEtiquetaLot));
  }

 private:
  QColor colorEtiqueta_ = ColorLotBuit();
};

FPrincipal::FPrincipal(Programa& prg, InterficieQt& ui) : prg_(prg), ui_(ui), client_(new ClientPrincipal) {
  setObjectName(QStringLiteral("FPrincipal"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(IconaPrograma());
  setFont(LletraFinestres());
  setCentralWidget(client_);
  statusBar()->setSizeGripEnabled(false);
  statusBar()->setAccessibleName(QStringLiteral("Estat"));
  CreaMenu();
  CreaControls();
  setFixedSize(600, 420);
  move(300, 100);
  setWindowTitle(DeCp1252(prg_.desc.titol));
  ActualitzaControls();
  ui_.PosaPrincipal(this);
}

FPrincipal::~FPrincipal() { ui_.PosaPrincipal(nullptr); }

QAction* FPrincipal::AfegeixAccio(QMenu* menu, const QString& text, int ordre) {
  auto* accio = new QAction(text, this);
  menu->addAction(accio);
  accions_.insert(ordre, accio);
  connect(accio, &QAction::triggered, this, [this, ordre] { Ordre(ordre); });
  return accio;
}

void FPrincipal::AfegeixTemes(QMenu* menu, const std::vector<ElementMenu>& elements) {
  for (const auto& element : elements) {
    if (element.EsSubmenu()) {
      AfegeixTemes(menu->addMenu(DeCp1252(element.nom)), element.fills);
    } else {
      AfegeixAccio(menu, DeCp1252(element.nom), element.ordre);
    }
  }
}

void FPrincipal::CreaMenu() {
  QMenuBar* barra = menuBar();
  QMenu* lot = barra->addMenu(QStringLiteral("Lot exercicis"));
  AfegeixAccio(lot, QStringLiteral("&Desar"), ordre::Desar);
  AfegeixAccio(lot, QStringLiteral("&Editar/Imprimir"), ordre::EditarImprimir);
  lot->addSeparator();
  AfegeixAccio(lot, QString::fromUtf8("Desar &PDF\u2026"), ordre::DesarPdf);
  AfegeixAccio(lot, QString::fromUtf8("&Imprimir\u2026"), ordre::Imprimir)->setShortcut(QKeySequence::Print);
  AfegeixAccio(lot, QString::fromUtf8("&Visualitzaci\u00F3 d'impressi\u00F3"), ordre::VistaImpressio);
  lot->addSeparator();
  AfegeixAccio(lot, QString::fromUtf8("&Obrir lot\u2026"), ordre::ObrirLot)->setShortcut(QKeySequence::Open);
  AfegeixAccio(lot, QString::fromUtf8("Desar &lot\u2026"), ordre::DesarLot)->setShortcut(QKeySequence::Save);
  AfegeixAccio(lot, QString::fromUtf8("Obrir &codi\u2026"), ordre::ObrirCodi);
  AfegeixAccio(lot, QString::fromUtf8("Versio&ns\u2026"), ordre::Versions);
  lot->addSeparator();
  AfegeixAccio(lot, QString::fromUtf8("Des&f\u00E9s"), ordre::Desfer)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  AfegeixAccio(lot, QString::fromUtf8("Ref\u00E9&s"), ordre::Refer)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  // F5: no other command or standard key of the window takes it.
  AfegeixAccio(lot, QStringLiteral("Nou sor&teig"), ordre::NouSorteig)->setShortcut(QKeySequence(Qt::Key_F5));
  lot->addSeparator();
  AfegeixAccio(lot, QStringLiteral("&Reiniciar"), ordre::Reiniciar);

  QMenu* temes = barra->addMenu(QStringLiteral("Temes"));
  AfegeixTemes(temes, MenuDelCataleg());

  // Practice works on its own exercises: the batch, its history and its code stay as they are.
  QMenu* practica = barra->addMenu(QString::fromUtf8("Pr\u00E0ctica"));
  AfegeixAccio(practica, QString::fromUtf8("&Nova pr\u00E0ctica\u2026"), ordre::NovaPractica);
  AfegeixAccio(practica, QString::fromUtf8("Practica un &codi\u2026"), ordre::PracticaCodi);

  QMenu* opcions = barra->addMenu(QStringLiteral("&Opcions"));
  AfegeixAccio(opcions, QStringLiteral("Preguntar &conformitat"), ordre::Conformitat)->setCheckable(true);
  AfegeixAccio(opcions, QStringLiteral("posar &pistes"), ordre::PosarPistes);
  AfegeixAccio(opcions, QString::fromUtf8("Opcions del &full\u2026"), ordre::OpcionsFull);

  QMenu* info = barra->addMenu(QStringLiteral("&Info"));
  AfegeixAccio(info, QStringLiteral("&Ajuda"), ordre::Ajuda)->setEnabled(!prg_.desc.fitxerAjuda.empty());
  info->addSeparator();
  AfegeixAccio(info, QStringLiteral("&Quant a PrTirelo"), ordre::QuantA);

  // "&Sortir" is an item of the bar itself, not a popup.
  auto* sortir = barra->addAction(QStringLiteral("&Sortir"));
  accions_.insert(ordre::Sortir, sortir);
  connect(sortir, &QAction::triggered, this, [this] { Ordre(ordre::Sortir); });
  menus_ = {lot, temes, opcions, info, practica};
}

void FPrincipal::CreaControls() {
  auto* llista = new QListWidget(client_);
  llista->setGeometry(20, 20, 540, 320);
  PosaOrdre(llista, ordre::Llista);
  llista->setSelectionMode(QAbstractItemView::SingleSelection);
  llista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The painted label below the list is its caption.
  Anomena(llista, NomDEtiqueta(QString::fromLatin1(kEtiquetaLot)));
  connect(llista, &QListWidget::itemSelectionChanged, this, [this, llista] {
    const auto triades = llista->selectionModel()->selectedRows();
    prg_.lot.Selecciona(triades.isEmpty() ? 0 : triades.first().row() + 1);
    Accio(ordre::NouSorteig)->setEnabled(PotSortejar(prg_));
  });
  // A double click edits the line; a single click only selects it.
  connect(llista, &QListWidget::itemDoubleClicked, this, [this] { Ordre(ordre::Llista); });
  // Its context menu draws the selected exercise anew.
  llista->setContextMenuPolicy(Qt::ActionsContextMenu);
  llista->addAction(Accio(ordre::NouSorteig));
  // From the keyboard: Enter edits the selected exercise, Delete deletes it (asking).
  llista->installEventFilter(this);
  llista->setFocus();

  for (const Boto& b : kBotons) {
    auto* boto = new QPushButton(QString::fromLatin1(b.text), client_);
    boto->setGeometry(b.lloc);
    PosaOrdre(boto, b.ordre);
    Anomena(boto, QString::fromUtf8(b.nom));
    // The focus outline is drawn in the highlight colour, which the blue background
    // would swallow: a dark one keeps the focus visible.
    QPalette colors = boto->palette();
    colors.setColor(QPalette::Highlight, Qt::black);
    boto->setPalette(colors);
    connect(boto, &QPushButton::clicked, this, [this, ordre = b.ordre] { Ordre(ordre); });
  }
}

void FPrincipal::Ordre(int ordre) {
  if (ui_.Tancant()) return;
  switch (ordre) {
    case ordre::Sortir:
      close();  // asks in closeEvent, as the close box and Alt+F4 do
      return;
    case ordre::PosarPistes:
      RefrescaEstat(prg_);
      TriaPosicioPista(this, prg_.serie.opcioPista);
      break;
    case ordre::QuantA:
      MostraQuantA(this, prg_);
      break;
    case ordre::NovaPractica:
      gui::NovaPractica(this);
      break;
    case ordre::PracticaCodi:
      PracticaUnCodi(this);
      break;
    case ordre::OpcionsFull:
      DemanaOpcionsFull(this, prg_.full);
      break;
    case ordre::DesarPdf:
      RefrescaEstat(prg_);
      DesaPdf(prg_, EscriptorPdf());
      break;
    case ordre::Versions:
      RefrescaEstat(prg_);
      DesaVersions(prg_, EscriptorPdf());
      break;
    case ordre::Imprimir:
    case ordre::VistaImpressio:
      if (prg_.lot.Nombre() > 0) MostraFull(ordre);
      break;
    default:
      ExecutaOrdre(prg_, ordre);
  }
  ActualitzaControls();
}

void FPrincipal::MostraFull(int ordre) {
  const LletresFull lletres;
  const Full full = ComposaAmbQt(prg_.lot.Exercicis(), OpcionsDelFull(prg_), lletres);
  if (ordre == ordre::Imprimir) {
    Imprimeix(this, full);
  } else {
    MostraVistaImpressio(this, full);
  }
}

void FPrincipal::Refresca() {
  setWindowTitle(DeCp1252(TextCaptio(prg_)));
  ActualitzaControls();
}

void FPrincipal::ActualitzaLlista() {
  QStringList linies;
  for (const auto& linia : LiniesLlegibles(prg_.lot)) linies << QString::fromUtf8(linia);
  QListWidget* llista = Llista();
  const QSignalBlocker bloqueig(llista);
  QStringList ara;
  for (int i = 0; i < llista->count(); ++i) ara << llista->item(i)->text();
  if (ara != linies) {
    llista->clear();
    llista->addItems(linies);
    // A screen reader says each line as the list shows it.
    for (int i = 0; i < llista->count(); ++i) llista->item(i)->setData(Qt::AccessibleTextRole, linies.at(i));
  }
  const int fila = prg_.lot.Seleccio() - 1;
  if (fila >= 0 && fila < llista->count()) {
    llista->setCurrentRow(fila, QItemSelectionModel::ClearAndSelect);
    llista->scrollToItem(llista->item(fila));
  } else {
    llista->clearSelection();
  }
}

void FPrincipal::ActualitzaControls() {
  ActualitzaLlista();
  const EstatControls estat = CalculaEstat(prg_.lot);
  const std::pair<int, bool> activats[] = {
      {ordre::Editar, estat.editar},   {ordre::Eliminar, estat.eliminar},
      {ordre::Pujar, estat.pujar},     {ordre::Baixar, estat.baixar},
      {ordre::Desar, estat.desar},     {ordre::EditarImprimir, estat.obrir},
      {ordre::Reiniciar, estat.reiniciar},
  };
  for (const auto& [ordre, activat] : activats) {
    Control(ordre)->setEnabled(activat);
    if (QAction* accio = Accio(ordre)) accio->setEnabled(activat);
  }
  for (const int ordre : {ordre::DesarLot, ordre::DesarPdf, ordre::Imprimir, ordre::VistaImpressio, ordre::Versions})
    Accio(ordre)->setEnabled(estat.desar);
  Accio(ordre::NouSorteig)->setEnabled(PotSortejar(prg_));
  Accio(ordre::Desfer)->setEnabled(prg_.historial.PotDesfer());
  Accio(ordre::Refer)->setEnabled(prg_.historial.PotRefer());
  client_->PosaColorEtiqueta(estat.etiquetaNegra ? QColor(Qt::black) : ColorLotBuit());
  Accio(ordre::Conformitat)->setChecked(prg_.serie.opcioConformitat);
}

QWidget* FPrincipal::Control(int ordre) const { return ControlAmbOrdre(client_, ordre); }

QAction* FPrincipal::Accio(int ordre) const { return accions_.value(ordre, nullptr); }

QMenu* FPrincipal::Menu(int posicio) const {
  return posicio >= 0 && posicio < static_cast<int>(menus_.size()) ? menus_[static_cast<std::size_t>(posicio)]
                                                                     : nullptr;
}

QListWidget* FPrincipal::Llista() const { return static_cast<QListWidget*>(Control(ordre::Llista)); }

QColor FPrincipal::ColorEtiqueta() const { return client_->ColorEtiqueta(); }

void FPrincipal::closeEvent(QCloseEvent* e) {
  // A batch that neither a document nor a batch file keeps is not lost without a question.
  if (!ui_.Tancant() && !PotSortir(prg_)) {
    e->ignore();
    return;
  }
  // Closing the main window ends the program: open secondary windows close first.
  ui_.Tanca();
  e->accept();
}

bool FPrincipal::eventFilter(QObject* objecte, QEvent* e) {
  if (objecte != Llista() || e->type() != QEvent::KeyPress || prg_.lot.Seleccio() == 0)
    return QMainWindow::eventFilter(objecte, e);
  switch (static_cast<QKeyEvent*>(e)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Ordre(ordre::Editar);
      return true;
    case Qt::Key_Delete:
      Ordre(ordre::Eliminar);
      return true;
    default:
      return QMainWindow::eventFilter(objecte, e);
  }
}

void FPrincipal::ObreArguments(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  ObreLotDe(prg_, QFile::encodeName(arguments.at(1)).toStdString());
  Refresca();
}

void FPrincipal::MostraNota(const QString& text) { statusBar()->showMessage(text); }

}  // namespace tirelo::gui
