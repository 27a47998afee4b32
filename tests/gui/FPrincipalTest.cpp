// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The main window over a real program: its first state, the status it shows after
// the batch changes, and its commands driven through the real modal windows.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "batch/Lot.h"
#include "gui/batch/FinestraDesar.h"
#include "gui/batch/FinestraPista.h"
#include "gui/batch/FinestraSerie.h"
#include "gui/batch/FinestraVersions.h"
#include "gui/shell/FPrincipal.h"
#include "topics/Cataleg.h"
#include "gui/shell/FinestraAjuda.h"
#include "gui/shell/InterficieQt.h"
#include "shell/CodiFull.h"
#include "shell/FitxerLot.h"
#include "shell/Genera.h"
#include "shell/Ordres.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"
#include "support/FinestraPrincipal.h"
#include "support/Modal.h"

using namespace tirelo;
using namespace tirelo::gui;
using tirelo::prova::GuioModal;
using tirelo::prova::PremBoto;

namespace {

constexpr int kBotonsLot[] = {ordre::Pujar, ordre::Baixar, ordre::Eliminar, ordre::Editar,
                              ordre::Desar, ordre::EditarImprimir, ordre::Reiniciar};
constexpr int kAccionsLot[] = {ordre::Desar,    ordre::EditarImprimir, ordre::Reiniciar,
                               ordre::DesarPdf, ordre::Imprimir,       ordre::VistaImpressio};

QStringList Textos(const QMenu* menu) {
  QStringList textos;
  for (const QAction* a : menu->actions()) textos << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return textos;
}

QStringList Linies(const QListWidget* llista) {
  QStringList linies;
  for (int i = 0; i < llista->count(); ++i) linies << llista->item(i)->text();
  return linies;
}

}  // namespace

class FPrincipalTest : public QObject, protected tirelo::prova::FinestraPrincipal {
  Q_OBJECT

  bool Activat(int ordre) const { return f_->Control(ordre)->isEnabled(); }

 private slots:
  void init() { Obre(11); }

  void cleanup() { QVERIFY(Tanca()); }

  void EstatInicial() {
    QCOMPARE(f_->objectName(), QStringLiteral("FPrincipal"));
    QCOMPARE(f_->windowTitle(), QStringLiteral("Exercicis de Tirelo"));
    QCOMPARE(f_->size(), QSize(600, 420));
    QCOMPARE(f_->minimumSize(), f_->maximumSize());
    QCOMPARE(f_->pos(), QPoint(300, 100));
    QVERIFY(!f_->windowIcon().isNull());
    QVERIFY(!(f_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(f_->centralWidget()->palette().color(QPalette::Window), QColor(26, 94, 202));
    QCOMPARE(f_->Llista()->count(), 0);
    for (const int ordre : kBotonsLot) QVERIFY2(!Activat(ordre), qPrintable(QString::number(ordre)));
    for (const int ordre : kAccionsLot) QVERIFY(!f_->Accio(ordre)->isEnabled());
    QVERIFY(f_->Accio(ordre::Ajuda)->isEnabled());
    QCOMPARE(f_->ColorEtiqueta(), QColor(200, 150, 160));
    // The approval option starts off, and its mark says so from the start.
    QVERIFY(f_->Accio(ordre::Conformitat)->isCheckable());
    QVERIFY(!f_->Accio(ordre::Conformitat)->isChecked());
    QVERIFY(!prg_->serie.opcioConformitat);
  }

  void ControlsAlSeuLloc() {
    struct Esperat {
      int ordre;
      QString text;
      QRect lloc;
    };
    const Esperat esperats[] = {
        {ordre::Llista, {}, {20, 20, 540, 320}},
        {ordre::Pujar, "/\\", {566, 150, 22, 30}},
        {ordre::Baixar, "\\/", {566, 190, 22, 30}},
        {ordre::Eliminar, "-", {566, 278, 22, 22}},
        {ordre::Editar, "->", {566, 302, 22, 22}},
        {ordre::Desar, "-> fitxer .rtf", {120, 340, 100, 22}},
        {ordre::EditarImprimir, "+ editar/imprimir", {224, 340, 160, 22}},
        {ordre::Reiniciar, "Reset", {390, 340, 60, 22}},
    };
    for (const auto& e : esperats) {
      QWidget* control = f_->Control(e.ordre);
      QVERIFY(control);
      QCOMPARE(control->parentWidget(), f_->centralWidget());
      QCOMPARE(control->geometry(), e.lloc);
      if (auto* boto = qobject_cast<QPushButton*>(control)) QCOMPARE(boto->text(), e.text);
    }
    // The client area holds every control and the label below the list.
    QVERIFY(f_->centralWidget()->rect().contains(QRect(20, 20, 570, 344)));
  }

  void BarraDeMenus() {
    QStringList titols;
    for (const QAction* a : f_->menuBar()->actions()) titols << a->text();
    QCOMPARE(titols, (QStringList{"Lot exercicis", "Temes", QString::fromUtf8("Pràctica"), "&Opcions", "&Info", "&Sortir"}));
    QVERIFY(!f_->Accio(ordre::Sortir)->menu());  // an item of the bar itself
    QCOMPARE(Textos(f_->Menu(0)),
             (QStringList{"&Desar", "&Editar/Imprimir", "-", QString::fromUtf8("Desar &PDF…"),
                          QString::fromUtf8("&Imprimir…"), QString::fromUtf8("&Visualització d'impressió"), "-",
                          QString::fromUtf8("&Obrir lot…"), QString::fromUtf8("Desar &lot…"),
                          QString::fromUtf8("Obrir &codi…"), QString::fromUtf8("Versio&ns…"), "-",
                          QString::fromUtf8("Des&fés"), QString::fromUtf8("Refé&s"), "Nou sor&teig", "-",
                          "&Reiniciar"}));
    QCOMPARE(f_->Accio(ordre::NouSorteig)->shortcut(), QKeySequence(Qt::Key_F5));
    // Each item of the menu has its own accelerator letter and its own shortcut.
    QSet<QChar> lletres;
    QSet<QString> dreceres;
    for (const QAction* a : f_->Menu(0)->actions()) {
      if (a->isSeparator()) continue;
      const auto on = a->text().indexOf('&');
      QVERIFY2(on >= 0, qPrintable(a->text()));
      QVERIFY2(!lletres.contains(a->text().at(on + 1).toLower()), qPrintable(a->text()));
      lletres.insert(a->text().at(on + 1).toLower());
      if (a->shortcut().isEmpty()) continue;
      QVERIFY2(!dreceres.contains(a->shortcut().toString()), qPrintable(a->text()));
      dreceres.insert(a->shortcut().toString());
    }
    QCOMPARE(f_->Accio(ordre::Desfer)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f_->Accio(ordre::Refer)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(Textos(f_->Menu(1)), (QStringList{"divisors", "igualtats notables", "fraccions", QString::fromUtf8("potències"),
                                               "arrels", "operacions", "percentatges", "equacions", "funcions"}));
    QCOMPARE(Textos(f_->Menu(2)),
             (QStringList{"Preguntar &conformitat", "posar &pistes", QString::fromUtf8("Opcions del &full…")}));
    QCOMPARE(f_->Accio(ordre::Imprimir)->shortcut(), QKeySequence(QKeySequence::Print));
    QCOMPARE(Textos(f_->Menu(3)), (QStringList{"&Ajuda", "-", "&Quant a PrTirelo"}));
    QCOMPARE(Textos(f_->Menu(4)),
             (QStringList{QString::fromUtf8("&Nova pràctica…"), QString::fromUtf8("Practica un &codi…")}));
    for (int k = 1; k <= tirelo::NombreTemes(); ++k) QCOMPARE(f_->Accio(200 + k), f_->Menu(1)->actions().at(k - 1));
  }

  void EstatSegonsElLot() {
    Afegeix("Calcula:   x^2");
    QCOMPARE(f_->windowTitle(), QString::fromUtf8("Exercicis de Tirelo. Nº exercicis: 1"));
    // The list shows the statement as a readable line.
    QCOMPARE(Linies(f_->Llista()), QStringList{QString::fromUtf8("1]Calcula: x²")});
    QCOMPARE(f_->Llista()->selectedItems().size(), 1);
    for (const int ordre : {ordre::Editar, ordre::Eliminar, ordre::Desar, ordre::EditarImprimir, ordre::Reiniciar}) {
      QVERIFY(Activat(ordre));
    }
    QVERIFY(!Activat(ordre::Pujar));
    QVERIFY(!Activat(ordre::Baixar));
    for (const int ordre : kAccionsLot) QVERIFY(f_->Accio(ordre)->isEnabled());
    QCOMPARE(f_->ColorEtiqueta(), QColor(Qt::black));

    Afegeix("A\rB");  // a paragraph break keeps the line on one line
    QVERIFY(Activat(ordre::Pujar));
    QVERIFY(Activat(ordre::Baixar));
    QCOMPARE(Linies(f_->Llista()), (QStringList{QString::fromUtf8("1]Calcula: x²"), "2]A B"}));
    QCOMPARE(f_->Llista()->currentRow(), 1);
  }

  void SeleccioIMoviments() {
    for (const char* e : {"A", "B", "C"}) Afegeix(e);
    QListWidget* llista = f_->Llista();
    QTest::mouseClick(llista->viewport(), Qt::LeftButton, {}, llista->visualItemRect(llista->item(2)).center());
    QCOMPARE(prg_->lot.Seleccio(), 3);
    QTest::mouseClick(f_->Control(ordre::Pujar), Qt::LeftButton);
    QCOMPARE(Linies(llista), (QStringList{"1]A", "2]C", "3]B"}));
    QCOMPARE(llista->currentRow(), 1);
    QTest::mouseClick(f_->Control(ordre::Pujar), Qt::LeftButton);
    QTest::mouseClick(f_->Control(ordre::Pujar), Qt::LeftButton);  // at the top: nothing
    QCOMPARE(Linies(llista), (QStringList{"1]C", "2]A", "3]B"}));
    QCOMPARE(prg_->lot.Seleccio(), 1);
  }

  void EliminaIReiniciaPregunten() {
    for (const char* e : {"A", "B"}) Afegeix(e);
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->windowTitle(), QStringLiteral("*Confirmar eliminar*"));
      QCOMPARE(static_cast<QMessageBox*>(w)->text(), QStringLiteral("Eliminar l'exercici seleccionat?"));
      PremBoto(w, QString::fromUtf8("Sí"));
    });
    guio.Despres([](QWidget* w) { PremBoto(w, "No"); });
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->windowTitle(), QStringLiteral("Reinici Lot"));
      PremBoto(w, QString::fromUtf8("Sí"));
    });
    QTest::mouseClick(f_->Control(ordre::Eliminar), Qt::LeftButton);
    QCOMPARE(Linies(f_->Llista()), QStringList{"1]A"});
    f_->Accio(ordre::Reiniciar)->trigger();  // answered No
    QCOMPARE(f_->Llista()->count(), 1);
    QTest::mouseClick(f_->Control(ordre::Reiniciar), Qt::LeftButton);
    QVERIFY(guio.Acabat());
    QCOMPARE(f_->Llista()->count(), 0);
    QCOMPARE(f_->windowTitle(), QString::fromUtf8("Exercicis de Tirelo. Nº exercicis: 0"));
    for (const int ordre : kBotonsLot) QVERIFY(!Activat(ordre));
    for (const int ordre : kAccionsLot) QVERIFY(!f_->Accio(ordre)->isEnabled());
    QCOMPARE(f_->ColorEtiqueta(), QColor(200, 150, 160));
  }

  // Quitting asks only when the batch holds changes that nothing keeps; "No" is the
  // default, so Enter keeps the program open.
  void Sortir_data() {
    QTest::addColumn<bool>("afegeix");
    QTest::addColumn<bool>("desa");
    QTest::addColumn<QString>("resposta");  // empty: no question expected
    QTest::addColumn<bool>("tancada");
    QTest::newRow("empty batch") << false << false << QString() << true;
    QTest::newRow("saved batch") << true << true << QString() << true;
    QTest::newRow("unsaved, Enter") << true << false << QStringLiteral("Enter") << false;
    QTest::newRow("unsaved, No") << true << false << QStringLiteral("No") << false;
    QTest::newRow("unsaved, Yes") << true << false << QString::fromUtf8("Sí") << true;
  }
  void Sortir() {
    QFETCH(bool, afegeix);
    QFETCH(bool, desa);
    QFETCH(QString, resposta);
    QFETCH(bool, tancada);
    if (afegeix) Afegeix("A");
    if (desa) prg_->historial.MarcaDesat();
    GuioModal guio;
    if (!resposta.isEmpty()) {
      guio.Despres([resposta](QWidget* w) {
        auto* caixa = qobject_cast<QMessageBox*>(w);
        QVERIFY(caixa);
        QCOMPARE(caixa->windowTitle(), QStringLiteral("Confirmar"));
        QCOMPARE(caixa->text(), QStringLiteral("Sortir del programa?"));
        QCOMPARE(caixa->defaultButton(), caixa->button(QMessageBox::No));
        if (resposta == QStringLiteral("Enter")) {
          QTest::keyClick(caixa, Qt::Key_Return);
        } else {
          PremBoto(w, resposta);
        }
      });
    }
    f_->Accio(ordre::Sortir)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(f_->isVisible(), !tancada);
    QVERIFY(guio.Acabat());
  }

  // The close box (and Alt+F4) ask the same question.
  void CaixaDeTancarPregunta() {
    Afegeix("A");
    GuioModal guio;
    guio.Despres([](QWidget* w) { PremBoto(w, "No"); });
    f_->close();
    QVERIFY(f_->isVisible());
    QCOMPARE(guio.Vistes(), QStringList{"pregunta"});
  }

  // Ctrl+Z and Ctrl+Y go through the menu items, which follow the history.
  void DesferIRefer() {
    QVERIFY(!f_->Accio(ordre::Desfer)->isEnabled());
    Afegeix("A");
    Afegeix("B");
    QVERIFY(f_->Accio(ordre::Desfer)->isEnabled());
    f_->Accio(ordre::Desfer)->trigger();
    QCOMPARE(Linies(f_->Llista()), QStringList{"1]A"});
    QVERIFY(f_->Accio(ordre::Refer)->isEnabled());
    f_->Accio(ordre::Refer)->trigger();
    QCOMPARE(Linies(f_->Llista()), (QStringList{"1]A", "2]B"}));
    QVERIFY(!f_->Accio(ordre::Refer)->isEnabled());
  }

  // In the list, Delete deletes the selected exercise after the question (default
  // "No") and Enter opens it in the editor.
  void TeclesDeLaLlista() {
    Afegeix("A");
    Afegeix("B");
    f_->activateWindow();
    f_->Llista()->setFocus();
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* caixa = qobject_cast<QMessageBox*>(w);
      QVERIFY(caixa);
      QCOMPARE(caixa->defaultButton(), caixa->button(QMessageBox::No));
      PremBoto(w, QString::fromUtf8("Sí"));
    });
    guio.Despres([](QWidget* w) { QCOMPARE(w->windowTitle(), QStringLiteral("Exercici")); static_cast<QDialog*>(w)->reject(); });
    QTest::keyClick(f_->Llista(), Qt::Key_Delete);
    QCOMPARE(Linies(f_->Llista()), QStringList{"1]A"});
    QTest::keyClick(f_->Llista(), Qt::Key_Return);
    QVERIFY(guio.Acabat());
  }

  // The program started on a batch file (the desktop entry's %f) shows it at once,
  // its count in the caption, and counts it as kept.
  void ObreElFitxerDeLaLinia() {
    QTemporaryDir dir;
    const std::string cami = (dir.path() + QStringLiteral("/full.tirelo")).toStdString();
    ContingutLot c;
    c.exercicis = {Exercici{.enunciat = "E1", .resposta = "R1", .pista = ""}, Exercici{.enunciat = "E2", .resposta = "R2", .pista = ""}};
    QVERIFY(!DesaFitxerLot(c, cami));
    f_->ObreArguments({QStringLiteral("tirelo"), QString::fromStdString(cami)});
    QCOMPARE(f_->windowTitle(), QString::fromUtf8("Exercicis de Tirelo. Nº exercicis: 2"));
    QCOMPARE(Linies(f_->Llista()), (QStringList{"1]E1", "2]E2"}));
    QVERIFY(!HiHaCanvisSenseDesar(*prg_));
  }

  // A bad file is told, naming the problem, and the batch stays as it was.
  void FitxerDolentDeixaElLot() {
    Afegeix("A");
    QTemporaryDir dir;
    const QString cami = dir.path() + QStringLiteral("/dolent.tirelo");
    QFile f(cami);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"format": "tirelo-lot", "versio": 7, "exercicis": []})");
    f.close();
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* caixa = qobject_cast<QMessageBox*>(w);
      QVERIFY(caixa);
      QCOMPARE(caixa->windowTitle(), QStringLiteral("No s'ha pogut obrir el lot"));
      QVERIFY(caixa->text().contains(QString::fromUtf8("Versió del fitxer de lot desconeguda (7)")));
      PremBoto(w, "D'acord");
    });
    f_->ObreArguments({QStringLiteral("tirelo"), cami});
    QVERIFY(guio.Acabat());
    QCOMPARE(Linies(f_->Llista()), QStringList{"1]A"});
  }

  void ConformitatCanviaOpcioIMarca() {
    QAction* conformitat = f_->Accio(ordre::Conformitat);
    conformitat->trigger();
    QVERIFY(prg_->serie.opcioConformitat);
    QVERIFY(conformitat->isChecked());
    conformitat->trigger();
    QVERIFY(!prg_->serie.opcioConformitat);
    QVERIFY(!conformitat->isChecked());
  }

  void PosarPistesDesDelMenu() {
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("posarpista"));
      QVERIFY(static_cast<FinestraPista*>(w)->ControlDe<QRadioButton>(ordre_pista::NoPosar)->isChecked());
      static_cast<FinestraPista*>(w)->ControlDe<QRadioButton>(ordre_pista::AEnunciat)->click();
      PremBoto(w, QString::fromUtf8("Bé"));
    });
    f_->Accio(ordre::PosarPistes)->trigger();
    QVERIFY(guio.Acabat());
    QCOMPARE(prg_->serie.opcioPista, 1);
  }

  // A help file the desktop cannot open is shown by the program's own help window.
  void AjudaSenseObridorObreLaFinestraAjuda() {
    QStringList obertures;
    ui_->PosaObridor([&](const QString& cami) {
      obertures << cami;
      return false;
    });
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* ajuda = qobject_cast<FinestraAjuda*>(w);
      QVERIFY(ajuda);
      QCOMPARE(ajuda->windowTitle(), QStringLiteral("Ajuda"));
      QVERIFY(ajuda->Navegador()->toPlainText().contains(QStringLiteral("Exercicis de Tirelo")));
      QTest::keyClick(ajuda, Qt::Key_Escape);
    });
    f_->Accio(ordre::Ajuda)->trigger();
    QCOMPARE(obertures, QStringList{"PrTirelo.pdf"});
    QVERIFY(guio.Acabat());
  }

  // When the desktop opens it, the program shows nothing of its own.
  void AjudaAmbObridorNoMostraRes() {
    ui_->PosaObridor([](const QString&) { return true; });
    GuioModal guio;
    f_->Accio(ordre::Ajuda)->trigger();
    QVERIFY(guio.Vistes().isEmpty());
  }

  void FraccionsDeCapACap() {
    // Two exercises through the menu and the real series window, then "Sortir".
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* f = static_cast<FinestraSerie*>(w);
      QCOMPARE(f->windowTitle(), QStringLiteral("Fraccions"));
      QCOMPARE(f->Llista()->count(), 5);
      QCOMPARE(f->Llista()->currentRow(), 0);
      f->Llista()->setCurrentRow(1);  // "[2] Suma"
      QVERIFY(!f->CampDeCasos()->isEnabled());
      PremBoto(w, QString::fromUtf8("Bé"));
    });
    guio.Despres([this](QWidget* w) {
      // The series window opens again, over a list that already shows the exercise.
      QCOMPARE(f_->Llista()->count(), 1);
      auto* f = static_cast<FinestraSerie*>(w);
      QCOMPARE(f->Llista()->currentRow(), 1);  // the subtype last chosen
      f->Llista()->setCurrentRow(0);            // "[1] Simplificació" takes cases
      PremBoto(w, ">");
      PremBoto(w, ">");
      QCOMPARE(f->CampDeCasos()->text(), QStringLiteral("3"));
      PremBoto(w, QString::fromUtf8("Bé"));
    });
    guio.Despres([](QWidget* w) {
      QCOMPARE(static_cast<FinestraSerie*>(w)->CampDeCasos()->text(), QStringLiteral("3"));
      PremBoto(w, "Sortir");
    });
    f_->Accio(ordre::PrimerTema + 3)->trigger();
    QVERIFY(guio.Acabat());
    const QStringList linies = Linies(f_->Llista());
    QCOMPARE(linies.size(), 2);
    QVERIFY2(linies[0].startsWith("1]Calcula:"), qPrintable(linies[0]));
    QVERIFY2(linies[1].startsWith("2]Simplifica: a) ") && linies[1].contains(", c) "), qPrintable(linies[1]));
    QCOMPARE(f_->windowTitle(), QString::fromUtf8("Exercicis de Tirelo. Nº exercicis: 2"));
    QVERIFY(Activat(ordre::Pujar));
    QCOMPARE(prg_->lot[1].posicioPista, 0);
    QCOMPARE(prg_->serie.nombreCasos, 3);
  }

  void BeSenseSeleccioAcabaElTema() {
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      static_cast<FinestraSerie*>(w)->Llista()->clearSelection();
      PremBoto(w, QString::fromUtf8("Bé"));
    });
    f_->Accio(ordre::PrimerTema + 3)->trigger();
    QVERIFY(guio.Acabat());
    QCOMPARE(guio.Vistes(), QStringList{"problmen"});
    QCOMPARE(f_->Llista()->count(), 0);
  }

  void DesaIObre() {
    // Saving writes into "Exerc" below the working folder: a temporary one here.
    QTemporaryDir carpeta;
    prg_->carpetaTreball = carpeta.path().toStdString();
    QStringList obertures;
    ui_->PosaObridor([&](const QString& cami) {
      obertures << cami;
      return true;
    });
    Afegeix("Calcula:   x^2");
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("desarserie"));
      static_cast<FinestraDesar*>(w)->ControlDe<QLineEdit>(ordre_desar::NomFitxer)->setText("a/b");
      PremBoto(w, "&Accepta");  // refused: a notice, and the window stays open
    });
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->windowTitle(), QString::fromUtf8("Nom de fitxer no vàlid"));
      PremBoto(w, "D'acord");
    });
    guio.Despres([](QWidget* w) {
      // A title the document cannot hold is refused too, not saved with '?' in it.
      auto* f = static_cast<FinestraDesar*>(w);
      QCOMPARE(f->focusWidget(), f->Control(ordre_desar::NomFitxer));
      f->ControlDe<QLineEdit>(ordre_desar::NomFitxer)->setText("full 1");
      f->ControlDe<QLineEdit>(ordre_desar::Titol)->setText(QString::fromUtf8("Full \u03B1"));
      PremBoto(w, "&Accepta");
    });
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->windowTitle(), QString::fromUtf8("Títol no vàlid"));
      PremBoto(w, "D'acord");
    });
    guio.Despres([](QWidget* w) {
      auto* f = static_cast<FinestraDesar*>(w);
      QCOMPARE(f->focusWidget(), f->Control(ordre_desar::Titol));
      f->ControlDe<QLineEdit>(ordre_desar::Titol)->setText("Full");
      PremBoto(w, "&Accepta");
    });
    guio.Despres([](QWidget* w) {
      // The next save proposes the values last accepted.
      auto* f = static_cast<FinestraDesar*>(w);
      QCOMPARE(f->ControlDe<QLineEdit>(ordre_desar::NomFitxer)->text(), QStringLiteral("full 1"));
      QCOMPARE(f->ControlDe<QLineEdit>(ordre_desar::Titol)->text(), QStringLiteral("Full"));
      PremBoto(w, QString::fromUtf8("&Cancel·la"));
    });
    QTest::mouseClick(f_->Control(ordre::Desar), Qt::LeftButton);
    const QString document = QDir(carpeta.path()).filePath("Exerc/full 1.rtf");
    QVERIFY(QFileInfo::exists(document));
    QTest::mouseClick(f_->Control(ordre::EditarImprimir), Qt::LeftButton);  // written: opens at once
    f_->Accio(ordre::Desar)->trigger();
    QVERIFY(guio.Acabat());
    QCOMPARE(obertures, QStringList{document});  // the whole path, blank included
  }

  // Two generated exercises and one typed by hand.
  void AfegeixGenerats() {
    OpcionsGenera o;
    o.series = {{3, 2, 1, 2}};
    const auto g = GeneraSeries(o, 5);
    for (const Exercici& e : g.exercicis) tirelo::Afegeix(*prg_, e);
    Afegeix("Fet a m\xE0");
  }

  // "Nou sorteig" (F5 and the list's context menu) draws the selected generated
  // exercise anew; a hand-made one disables it.
  void NouSorteigActuaSobreLaSeleccio() {
    AfegeixGenerats();
    QAction* accio = f_->Accio(ordre::NouSorteig);
    QVERIFY(f_->Llista()->actions().contains(accio));
    QCOMPARE(f_->Llista()->contextMenuPolicy(), Qt::ActionsContextMenu);
    const Lot abans = prg_->lot;
    f_->Llista()->setCurrentRow(1);
    QVERIFY(accio->isEnabled());
    f_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f_.get()));
    f_->Llista()->setFocus();
    QTest::keyClick(f_->Llista(), Qt::Key_F5);
    QVERIFY(!MateixosTextos(prg_->lot[2], abans[2]));
    QCOMPARE(prg_->lot[1], abans[1]);
    QCOMPARE(f_->Llista()->currentRow(), 1);
    QCOMPARE(f_->Llista()->item(1)->text(), QString::fromStdString(LiniesLlegibles(prg_->lot)[1]));
    f_->Accio(ordre::Desfer)->trigger();
    QCOMPARE(prg_->lot[2], abans[2]);
    f_->Llista()->setCurrentRow(2);
    QVERIFY(!accio->isEnabled());
  }

  // "Practica un codi…" practises a sheet in its own window: the teacher's batch, its
  // history and its code stay as they were, and a bad code is told.
  void PracticarNoTocaElLot() {
    OpcionsGenera o;
    o.series = {{3, 1, 2, 1}};
    const auto g = GeneraSeries(o, 99);
    const QString codi = QString::fromStdString(*CodiDelLot(g.exercicis));
    OpcionsGenera altre;
    altre.series = {{2, 1, 3, 2}};
    const auto lot = GeneraSeries(altre, 7);
    for (const Exercici& e : lot.exercicis) tirelo::Afegeix(*prg_, e);
    const auto abans = prg_->lot.Exercicis();
    const bool potDesfer = prg_->historial.PotDesfer();
    const auto codiAbans = CodiDelLot(abans);
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      QTest::keyClicks(static_cast<FinestraCodi*>(w)->Camp(), "ABCD");
      QTest::keyClick(static_cast<FinestraCodi*>(w)->Camp(), Qt::Key_Return);
    });
    guio.Despres([](QWidget* w) { PremBoto(w, "D'acord"); });
    guio.Despres([codi](QWidget* w) {
      QTest::keyClicks(static_cast<FinestraCodi*>(w)->Camp(), codi);
      QTest::keyClick(static_cast<FinestraCodi*>(w)->Camp(), Qt::Key_Return);
    });
    guio.Despres([codi](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("practica"));
      QCOMPARE(w->windowTitle(), QString::fromUtf8("Pràctica: codi ") + codi);
      auto* camp = w->findChild<QLineEdit*>();
      QTest::keyClicks(camp, "1/2");
      QTest::keyClick(camp, Qt::Key_Return);
      QTest::keyClick(w, Qt::Key_Escape);  // asks first: answers would be lost
    });
    guio.Despres([](QWidget* w) { PremBoto(w, QString::fromUtf8("Sí")); });
    f_->Accio(ordre::PracticaCodi)->trigger();
    f_->Accio(ordre::PracticaCodi)->trigger();
    QVERIFY2(guio.Acabat(), qPrintable(guio.Vistes().join(',') + " / " + guio.Inesperades().join(',')));
    QCOMPARE(prg_->lot.Exercicis(), abans);
    QCOMPARE(prg_->historial.PotDesfer(), potDesfer);
    QCOMPARE(CodiDelLot(prg_->lot.Exercicis()), codiAbans);
    QCOMPARE(f_->Llista()->count(), int(abans.size()));
  }

  // "Obrir codi…" asks for a code in its window; a bad one is told, a good one opens.
  void ObrirCodiIVersions() {
    QTemporaryDir carpeta;
    prg_->carpetaTreball = carpeta.path().toStdString();
    OpcionsGenera o;
    o.series = {{2, 1, 3, 2}};
    const auto g = GeneraSeries(o, 99);
    const QString codi = QString::fromStdString(*CodiDelLot(g.exercicis));
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("codi"));
      auto* camp = static_cast<FinestraCodi*>(w)->Camp();
      QCOMPARE(camp->accessibleName(), QStringLiteral("Codi del full"));
      QTest::keyClicks(camp, "ABCD");
      QTest::keyClick(camp, Qt::Key_Return);
    });
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->windowTitle(), QString::fromUtf8("Codi no vàlid"));
      PremBoto(w, "D'acord");
    });
    guio.Despres([codi](QWidget* w) {
      QTest::keyClicks(static_cast<FinestraCodi*>(w)->Camp(), codi.toLower());
      QTest::keyClick(static_cast<FinestraCodi*>(w)->Camp(), Qt::Key_Return);
    });
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("versions"));
      auto* nombre = static_cast<FinestraVersions*>(w)->Nombre();
      QCOMPARE(nombre->accessibleName(), QStringLiteral("Nombre de versions (2 a 26)"));
      QCOMPARE((std::pair{nombre->minimum(), nombre->maximum()}), (std::pair{2, 26}));
      nombre->setValue(3);
      QTest::keyClick(nombre, Qt::Key_Return);
    });
    guio.Despres([](QWidget* w) {
      static_cast<FinestraDesar*>(w)->ControlDe<QLineEdit>(ordre_desar::NomFitxer)->setText("examen");
      PremBoto(w, "&Accepta");
    });
    f_->Accio(ordre::ObrirCodi)->trigger();
    QCOMPARE(prg_->lot.Nombre(), 0);
    f_->Accio(ordre::ObrirCodi)->trigger();
    QCOMPARE(prg_->lot.Exercicis(), g.exercicis);
    QCOMPARE(f_->Llista()->count(), 2);
    f_->Accio(ordre::Versions)->trigger();
    QVERIFY(guio.Acabat());
    // Each version as its document and its typeset sheet.
    for (const char* lletra : {"A", "B", "C"}) {
      for (const char* extensio : {"rtf", "pdf"}) {
        const QString nom = QStringLiteral("Exerc/examen-%1.%2").arg(lletra, extensio);
        QVERIFY2(QFileInfo(QDir(carpeta.path()).filePath(nom)).size() > 0, qPrintable(nom));
      }
    }
  }

  void ObridorQueFallaAvisa() {
    QTemporaryDir carpeta;
    const QString document = carpeta.filePath("tema1.rtf");
    QFile fitxer(document);
    QVERIFY(fitxer.open(QIODevice::WriteOnly));
    fitxer.close();
    Afegeix("A");
    prg_->document = {document.toStdString(), true};
    GuioModal guio;
    guio.Despres([document](QWidget* w) {
      QCOMPARE(w->windowTitle(), QStringLiteral("Cal un editor de fitxers .rtf"));
      const QStringList linies = static_cast<QMessageBox*>(w)->text().split('\n');
      QCOMPARE(linies.first(), QStringLiteral("No s'ha trobat cap programa per obrir documents .rtf."));
      QCOMPARE(linies.at(2), document);  // where the document is, in full
      QVERIFY(linies.at(4).contains(QStringLiteral("LibreOffice Writer")));
      PremBoto(w, "D'acord");
    });
    QTest::mouseClick(f_->Control(ordre::EditarImprimir), Qt::LeftButton);
    QVERIFY(guio.Acabat());
    QVERIFY(QFileInfo::exists(document));
  }

  void TancarAmbUnaFinestraOberta() {
    // Closing the main window closes the open secondary window, and nothing asked
    // afterwards shows a window.
    GuioModal guio;
    guio.Despres([this](QWidget*) { f_->close(); });
    f_->Accio(ordre::PosarPistes)->trigger();
    QVERIFY(guio.Acabat());
    QVERIFY(!f_->isVisible());
    QVERIFY(ui_->Tancant());
    QVERIFY(!ui_->DemanaSubtipus({}).acceptat);
    QVERIFY(!ui_->Pregunta("?", "?"));
    QCOMPARE(guio.Vistes(), QStringList{"posarpista"});
  }
};

QTEST_MAIN(FPrincipalTest)
#include "FPrincipalTest.moc"
