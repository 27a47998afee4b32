// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// What a screen reader meets in every window, through Qt's accessibility layer: every
// control that takes a click, a key or the focus has a name made of words, the fields
// that painted labels caption carry the label's text, and Tab visits the controls in
// the order the eye reads them. One row per window: a new window is one more row.
#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <functional>
#include <iterator>
#include <memory>

#include "batch/Lot.h"
#include "gui/batch/EditorExercici.h"
#include "gui/batch/FinestraDesar.h"
#include "gui/batch/FinestraPista.h"
#include "gui/batch/FinestraSerie.h"
#include "gui/batch/FinestraVersions.h"
#include "gui/full/FinestraOpcionsFull.h"
#include "gui/practica/FinestraPractica.h"
#include "gui/shell/Accessibilitat.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/FinestraAjuda.h"
#include "gui/shell/InterficieQt.h"
#include "gui/shell/QuantA.h"
#include "gui/topics/TipusEq2.h"
#include "shell/Ordres.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"
#include "support/Exercicis.h"

using namespace tirelo;
using namespace tirelo::gui;

namespace {

// A program to open windows over: two exercises in the batch, so that every button
// of the main window is enabled and takes the focus.
struct Entorn {
  InterficieQt ui;
  Programa prg{ui, 5};
  Entorn() {
    for (const char* enunciat : {"Calcula x^2", "#B(Resol:) #F(1/2)"}) {
      tirelo::Afegeix(
          prg,
          Exercici{.enunciat = enunciat, .resposta = "R", .pista = "", .posicioPista = 0, .llest = true});
    }
  }
};

struct Finestra {
  const char* classe;
  std::function<std::unique_ptr<QWidget>(Entorn&)> crea;
  // Controls (by command number) captioned by a painted label, and the label's words.
  std::vector<std::pair<int, QString>> etiquetes;
  // Accessible names of the controls Tab visits, from the one focused on opening. A
  // group of radio buttons is one stop, entered at its first button.
  QStringList focus;
};

PeticioSubtipus Peticio() {
  PeticioSubtipus p;
  p.titol = "Fraccions";
  p.subtipus = {"Simplificaci\xF3", "Suma"};
  p.casos = {true, true};
  p.seleccio = 1;
  p.nombreCasos = 1;
  return p;
}

Exercici ExempleEditor() {
  return Exercici{.enunciat = "#B(Calcula:) x^(n+1)",
                  .resposta = "#F(3/4)",
                  .pista = "P",
                  .posicioPista = 2,
                  .llest = true};
}

const std::vector<Finestra>& Finestres() {
  static const std::vector<Finestra> finestres = {
      {"FPrincipal",
       [](Entorn& e) { return std::make_unique<FPrincipal>(e.prg, e.ui); },
       {{ordre::Llista, "Lot exercicis"}},
       {"Lot exercicis", "Puja l'exercici", "Baixa l'exercici", "Elimina l'exercici", "Edita l'exercici",
        "Desa el lot en un fitxer .rtf", "Obre el document per editar/imprimir", "Reinicia el lot (Reset)"}},
      {"problmen",
       [](Entorn&) { return std::make_unique<FinestraSerie>(nullptr, Peticio()); },
       {},
       {"Subtipus", "Un cas menys", "Nombre de casos", QString::fromUtf8("Un cas més"), "Sortir",
        "2 habitual", QString::fromUtf8("Bé")}},
      {"posarpista",
       [](Entorn&) { return std::make_unique<FinestraPista>(nullptr, 1); },
       {},
       {"a l'enunciat", "surt", QString::fromUtf8("Bé")}},
      {"contingutprob",
       [](Entorn&) { return std::make_unique<EditorExercici>(nullptr, ExempleEditor()); },
       {{ordre_editor::Enunciat, "Enunciat"},
        {ordre_editor::Resposta, "resposta"},
        {ordre_editor::Pista, "pista"}},
       {"Enunciat", "resposta", "no posar", "pista", QString::fromUtf8("cancel·la"), "accepta",
        QString::fromUtf8("Vista prèvia")}},
      {"desarserie",
       [](Entorn&) {
         return std::make_unique<FinestraDesar>(
             nullptr, ValorsDesar{.nomFitxer = "tema1", .titol = "Full 1", .disposicio = 1});
       },
       {{ordre_desar::NomFitxer, "nom fitxer"}, {ordre_desar::Titol, QString::fromUtf8("títol")}},
       {"nom fitxer", QString::fromUtf8("títol"), "enunciat / resposta seguits",
        QString::fromUtf8("Cancel·la"), "Accepta"}},
      {"versions",
       [](Entorn&) { return std::make_unique<FinestraVersions>(nullptr); },
       {{ordre_versions::Nombre, "Nombre de versions (2 a 26)"}},
       {"Nombre de versions (2 a 26)", "surt", QString::fromUtf8("Bé")}},
      {"codi",
       [](Entorn&) { return std::make_unique<FinestraCodi>(nullptr); },
       {{ordre_versions::Codi, "Codi del full"}},
       {"Codi del full", "surt", QString::fromUtf8("Bé")}},
      {"opcionsfull",
       [](Entorn&) { return std::make_unique<FinestraOpcionsFull>(nullptr, ValorsFull{true, 3}); },
       {{ordre_opcions_full::Espai, QString::fromUtf8("línies per respondre")}},
       {QString::fromUtf8("línies Nom, Curs i Data"), QString::fromUtf8("línies per respondre"),
        "Respostes simplificades", QString::fromUtf8("Resolució detallada"), QString::fromUtf8("Cancel·la"),
        "Accepta"}},
      {"tipuseq2",
       [](Entorn&) { return std::make_unique<FinestraTipusEq2>(nullptr); },
       {},
       {QString::fromUtf8("completa:  ax² + bx + c = 0"), "accepta"}},
      {"FerSobre",
       [](Entorn& e) { return std::make_unique<FinestraQuantA>(nullptr, e.prg); },
       {},
       {}},  // one button: filled in by the test, its text is drawn at random
      {"ajuda",
       [](Entorn&) { return std::make_unique<FinestraAjuda>(nullptr); },
       {},
       {QString::fromUtf8("Text de l'ajuda"), QString::fromUtf8("Tanca l'ajuda")}},
      {"practica",
       [](Entorn&) { return std::make_unique<FinestraPractica>(nullptr, Practica::DeLaSerie(3, 1, 2, 2, 5)); },
       {},
       {"Resposta a)", "Resposta b)", QString::fromUtf8("Fracció"), QString::fromUtf8("Potència"),
        "Arrel quadrada", QString::fromUtf8("Arrel enèsima"), "Producte", "Menys", "Separador de llista",
        "Comprova les respostes", "Mostra la pista", QString::fromUtf8("Mostra el pas següent de la resolució del cas"),
        QString::fromUtf8("Mostra la solució del cas"),
        "Com s'escriuen les respostes", QString::fromUtf8("Tanca la pràctica"), "Enunciat"}},
      {"novapractica",
       [](Entorn&) { return std::make_unique<FinestraNovaPractica>(nullptr); },
       {},
       // A combo box says its current item; its label is tied to it as a relation.
       {"divisors", QString::fromUtf8("Descomposició factorial d'un Nº"), "Casos", "2 (l'habitual)",
        "Exercicis", QString::fromUtf8("Cancel·la"),
        QString::fromUtf8("Comença la pràctica")}},
      {"resumpractica",
       [](Entorn&) {
         static const Practica practica = Practica::DeLaSerie(3, 1, 2, 1, 5);
         return std::make_unique<FinestraResum>(nullptr, practica);
       },
       {},
       {"Resultat", "Desa el resultat en PDF", "Tanca el resultat"}},
  };
  return finestres;
}

QWidget* ControlDe(QWidget* finestra, int ordre) {
  if (auto* principal = qobject_cast<FPrincipal*>(finestra)) return principal->Control(ordre);
  return static_cast<FinestraSecundaria*>(finestra)->Control(ordre);
}

QString Nom(QObject* objecte) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(objecte);
  return a ? a->text(QAccessible::Name) : QString();
}

bool Interactiu(QAccessibleInterface* a) {
  switch (a->role()) {
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::MenuItem:
      return true;
    default:
      return a->state().focusable;
  }
}

// Walks every interactive element under a: counts them, and lists as "role: name"
// those whose name is not made of words.
int SenseNom(QAccessibleInterface* a, QStringList& mancats) {
  int interactius = 0;
  static const QRegularExpression paraula(QStringLiteral("\\p{L}{2,}"));
  for (int i = 0; i < a->childCount(); ++i) {
    QAccessibleInterface* fill = a->child(i);
    if (!fill) continue;
    if (Interactiu(fill)) {
      ++interactius;
      if (!paraula.match(fill->text(QAccessible::Name)).hasMatch()) {
        mancats << QStringLiteral("%1: '%2'").arg(int(fill->role())).arg(fill->text(QAccessible::Name));
      }
    }
    if (fill->role() != QAccessible::List)
      interactius += SenseNom(fill, mancats);  // a list's lines are its data
  }
  return interactius;
}

}  // namespace

class AccessibilitatTest : public QObject {
  Q_OBJECT

  void Files() {
    QTest::addColumn<int>("fila");
    for (std::size_t i = 0; i < Finestres().size(); ++i) QTest::newRow(Finestres()[i].classe) << int(i);
  }

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void CadaControlTeNomDeParaules_data() { Files(); }
  void CadaControlTeNomDeParaules() {
    QFETCH(int, fila);
    Entorn entorn;
    const auto finestra = Finestres()[static_cast<std::size_t>(fila)].crea(entorn);
    QCOMPARE(finestra->objectName(), QString::fromLatin1(Finestres()[static_cast<std::size_t>(fila)].classe));
    finestra->show();
    QStringList mancats;
    QVERIFY(SenseNom(QAccessible::queryAccessibleInterface(finestra.get()), mancats) > 0);
    QVERIFY2(mancats.isEmpty(), qPrintable(mancats.join(QStringLiteral(", "))));
  }

  void EtiquetesPintadesNomenElsCamps_data() { Files(); }
  void EtiquetesPintadesNomenElsCamps() {
    QFETCH(int, fila);
    const Finestra& fin = Finestres()[static_cast<std::size_t>(fila)];
    Entorn entorn;
    const auto finestra = fin.crea(entorn);
    for (const auto& [ordre, text] : fin.etiquetes) QCOMPARE(Nom(ControlDe(finestra.get(), ordre)), text);
  }

  void ElPreviSEscoltaISegueixLaPista() {
    Exercici e = ExempleEditor();
    EditorExercici f(nullptr, e);
    QAccessibleInterface* vista = QAccessible::queryAccessibleInterface(f.VistaPrevia());
    QCOMPARE(vista->text(QAccessible::Name), QString::fromUtf8("Vista prèvia"));
    QVERIFY(vista->state().focusable);
    QCOMPARE(vista->text(QAccessible::Value),
             QStringLiteral("Enunciat:\nCalcula: x^(n+1)\nResposta:\n3/4\nP"));
    QCOMPARE(vista->text(QAccessible::Description), vista->text(QAccessible::Value));
    // A screen reader walks the text line by line.
    QAccessibleTextInterface* text = vista->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), vista->text(QAccessible::Value));
    int inici = -1, fi = -1;
    QCOMPARE(text->textAtOffset(10, QAccessible::LineBoundary, &inici, &fi).trimmed(),
             QStringLiteral("Calcula: x^(n+1)"));
    f.MarcaOpcio(ordre_editor::AEnunciat);
    QCOMPARE(vista->text(QAccessible::Value),
             QStringLiteral("Enunciat:\nCalcula: x^(n+1)\nP\nResposta:\n3/4"));
  }

  void LesLiniesDelLotSEscoltenComEsMostren() {
    Entorn entorn;
    FPrincipal f(entorn.prg, entorn.ui);
    QAccessibleInterface* llista = QAccessible::queryAccessibleInterface(f.Llista());
    QStringList linies;
    for (int i = 0; i < llista->childCount(); ++i) linies << llista->child(i)->text(QAccessible::Name);
    QCOMPARE(linies, (QStringList{QString::fromUtf8("1]Calcula x²"), "2]Resol: 1/2"}));
  }

  // A batch of several topics, with fractions stacked by hand, roots written "R_n(",
  // squares in raw RTF and systems: each line is heard as the list shows it.
  void LesLiniesDUnLotBarrejatSEscoltenComEsMostren() {
    Entorn entorn;
    const prova::Subtipus subtipus[] = {{3, 1, true}, {3, 2, true}, {5, 1, true}, {5, 2, true},
                                        {6, 5, true}, {8, 4, false}, {2, 1, true}, {4, 1, true}};
    for (const prova::Subtipus& s : subtipus) {
      for (const Exercici& e : prova::ExercicisDe(s, 2, 1, 6)) tirelo::Afegeix(entorn.prg, e);
    }
    FPrincipal f(entorn.prg, entorn.ui);
    QListWidget* llista = f.Llista();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(llista);
    QCOMPARE(a->childCount(), llista->count());
    QCOMPARE(llista->count(), 2 + int(std::size(subtipus)));
    for (int i = 0; i < llista->count(); ++i) {
      const QString dit = a->child(i)->text(QAccessible::Name);
      QCOMPARE(dit, llista->item(i)->text());
      for (const char* marca : {"---", "R_n(", "R_", "\\super", "\\", "\t", "#"}) {
        QVERIFY2(!dit.contains(QString::fromLatin1(marca)), qPrintable(dit));
      }
    }
  }

  void ElQuantASEscolta() {
    Entorn entorn;
    FinestraQuantA f(nullptr, entorn.prg);
    QAccessibleInterface* boto = QAccessible::queryAccessibleInterface(f.Control(ordre_finestra::Accepta));
    const QString textos = boto->text(QAccessible::Description);
    QVERIFY2(textos.contains(QStringLiteral("Exercicis de Tirelo")), qPrintable(textos));
    QVERIFY2(textos.contains(QStringLiteral("Equip de Tirelo - ")), qPrintable(textos));
    QCOMPARE(QAccessible::queryAccessibleInterface(&f)->text(QAccessible::Description), textos);
  }

  void OrdreDeFocusComLaLectura_data() { Files(); }
  void OrdreDeFocusComLaLectura() {
    QFETCH(int, fila);
    const Finestra& fin = Finestres()[static_cast<std::size_t>(fila)];
    Entorn entorn;
    const auto finestra = fin.crea(entorn);
    finestra->show();
    QApplication::setActiveWindow(finestra.get());
    QVERIFY(QTest::qWaitForWindowActive(finestra.get()));
    QStringList esperat = fin.focus;
    if (esperat.isEmpty()) esperat << Nom(ControlDe(finestra.get(), ordre_finestra::Accepta));
    // Tab once round the whole window: back where it started.
    QStringList vistos;
    for (int i = 0; i <= esperat.size(); ++i) {
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus);
      vistos << Nom(focus);
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(vistos, esperat + QStringList{esperat.first()});
  }
};

QTEST_MAIN(AccessibilitatTest)
#include "AccessibilitatTest.moc"
