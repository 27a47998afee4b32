// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The secondary windows on their own: the series window, the hint placement window,
// the save window, the message boxes, and the text border they share.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui/batch/FinestraDesar.h"
#include "gui/batch/FinestraPista.h"
#include "gui/batch/FinestraSerie.h"
#include "gui/shell/Estil.h"
#include "gui/shell/Missatges.h"
#include "gui/shell/TextQt.h"
#include "support/Modal.h"

using namespace tirelo;
using namespace tirelo::gui;
using tirelo::prova::GuioModal;
using tirelo::prova::PremBoto;

namespace {

PeticioSubtipus PeticioFraccions() {
  PeticioSubtipus p;
  p.titol = "Fraccions";
  p.subtipus = {"Simplificaci\xF3", "Suma", "Resta", "Multiplicaci\xF3", "Divisi\xF3"};
  p.casos = {true, false, false, false, false};
  p.seleccio = 1;
  p.nombreCasos = 1;
  return p;
}

QStringList Linies(QListWidget* llista) {
  QStringList linies;
  for (int i = 0; i < llista->count(); ++i) linies << llista->item(i)->text();
  return linies;
}

bool ActivatsCasos(const FinestraSerie& f) {
  return f.Control(ordre_serie::Casos)->isEnabled() && f.Control(ordre_serie::MesCasos)->isEnabled() &&
         f.Control(ordre_serie::MenysCasos)->isEnabled();
}

bool DesactivatsCasos(const FinestraSerie& f) {
  return !f.Control(ordre_serie::Casos)->isEnabled() && !f.Control(ordre_serie::MesCasos)->isEnabled() &&
         !f.Control(ordre_serie::MenysCasos)->isEnabled();
}

// What every secondary window shares: class, caption, place, size, colours, icon, modality.
void ComprovaFinestra(const FinestraSecundaria& f, const char* classe, const QString& titol, QRect lloc) {
  QCOMPARE(f.objectName(), QString::fromLatin1(classe));
  QCOMPARE(f.windowTitle(), titol);
  QCOMPARE(f.pos(), lloc.topLeft());
  QCOMPARE(f.size(), lloc.size());
  QCOMPARE(f.minimumSize(), f.maximumSize());
  QCOMPARE(f.palette().color(QPalette::Window), QColor(236, 233, 216));
  QCOMPARE(f.palette().color(QPalette::WindowText), QColor(Qt::black));
  QVERIFY(!f.windowIcon().isNull());
  QCOMPARE(f.windowModality(), Qt::ApplicationModal);
}

void ComprovaControl(const FinestraSecundaria& f, int ordre, const QString& text, QRect lloc) {
  QWidget* control = f.Control(ordre);
  QVERIFY2(control, qPrintable(QStringLiteral("control %1").arg(ordre)));
  QCOMPARE(control->geometry(), lloc);
  if (auto* boto = qobject_cast<QAbstractButton*>(control)) QCOMPARE(boto->text(), text);
}

}  // namespace

class FinestresTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void SerieEstatInicial() {
    FinestraSerie f(nullptr, PeticioFraccions());
    ComprovaFinestra(f, "problmen", QStringLiteral("Fraccions"), QRect(600, 138, 312, 268));
    QCOMPARE(Linies(f.Llista()), (QStringList{QString::fromUtf8("[1] Simplificació"), "[2] Suma", "[3] Resta",
                                              QString::fromUtf8("[4] Multiplicació"), QString::fromUtf8("[5] Divisió")}));
    QCOMPARE(f.Llista()->currentRow(), 0);
    QCOMPARE(f.CampDeCasos()->text(), QStringLiteral("1"));
    QCOMPARE(f.CampDeCasos()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    ComprovaControl(f, ordre_serie::Llista, {}, QRect(12, 12, 286, 167));
    ComprovaControl(f, ordre_serie::Casos, {}, QRect(176, 176, 35, 22));
    ComprovaControl(f, ordre_serie::MenysCasos, "<", QRect(156, 176, 22, 22));
    ComprovaControl(f, ordre_serie::MesCasos, ">", QRect(206, 176, 22, 22));
    ComprovaControl(f, ordre_finestra::Accepta, QString::fromUtf8("Bé"), QRect(220, 212, 52, 24));
    ComprovaControl(f, ordre_finestra::Surt, "Sortir", QRect(20, 212, 52, 24));
    QVERIFY(ActivatsCasos(f));  // "Simplificació" takes a number of cases
  }

  // The exercise just appended lost cases: the window says so beside the count, in
  // the room the list and buttons leave, and still opens ready for the next one.
  void SerieDiuElsCasosQueNoHiCabien() {
    PeticioSubtipus p = PeticioFraccions();
    FinestraSerie sense(nullptr, p);
    QVERIFY(!sense.AvisCasos());
    p.retallats = CasosRetallats{3, 12, 5};
    FinestraSerie f(nullptr, p);
    QVERIFY(f.AvisCasos());
    QCOMPARE(f.AvisCasos()->text(), QStringLiteral("Exercici 3: hi caben 5 casos dels 12 demanats."));
    const QRect lloc = f.AvisCasos()->geometry();
    QVERIFY(!lloc.intersects(f.Llista()->geometry()));
    for (const int ordre : {ordre_serie::MenysCasos, ordre_finestra::Surt})
      QVERIFY(!lloc.intersects(f.Control(ordre)->geometry()));
    QVERIFY(f.AvisCasos()->heightForWidth(lloc.width()) <= lloc.height());
    QCOMPARE(f.Llista()->currentRow(), 0);
  }

  // The level opens at the one asked (the usual one unless another was chosen), sits
  // between "Sortir" and "Bé" without touching them or the count, and goes back with
  // the answer, accepted or not.
  void SerieTriaElNivell() {
    PeticioSubtipus p = PeticioFraccions();
    FinestraSerie f(nullptr, p);
    QCOMPARE(f.Nivell()->count(), 3);
    QCOMPARE(f.Nivell()->currentIndex(), 1);
    const QRect lloc = f.Nivell()->geometry();
    for (const int ordre : {ordre_finestra::Accepta, ordre_finestra::Surt, ordre_serie::Casos, ordre_serie::MenysCasos,
                            ordre_serie::MesCasos, ordre_serie::Llista})
      QVERIFY(!lloc.intersects(f.Control(ordre)->geometry()));
    QVERIFY(QRect(0, 0, 312, 268).contains(lloc));
    f.Nivell()->setCurrentIndex(2);
    f.Llista()->setCurrentRow(1);
    QTest::mouseClick(f.Control(ordre_finestra::Accepta), Qt::LeftButton);
    QCOMPARE(f.Resposta().nivell, 3);
    p.nivell = 1;
    FinestraSerie g(nullptr, p);
    QCOMPARE(g.Nivell()->currentIndex(), 0);
    QCOMPARE(g.Resposta().nivell, 1);
  }

  void SerieCasosSegonsSubtipus() {
    PeticioSubtipus p = PeticioFraccions();
    p.seleccio = 4;
    FinestraSerie f(nullptr, p);
    QVERIFY(DesactivatsCasos(f));
    f.Llista()->setCurrentRow(0);
    QVERIFY(ActivatsCasos(f));
    f.Llista()->clearSelection();
    QVERIFY(DesactivatsCasos(f));

    // A remembered position beyond the list selects nothing; a cases list shorter
    // than the list counts as "no cases" for the lines beyond it.
    p.seleccio = 0;
    p.casos = {true};
    FinestraSerie g(nullptr, p);
    QVERIFY(g.Llista()->selectedItems().isEmpty());
    g.Llista()->setCurrentRow(4);
    QVERIFY(DesactivatsCasos(g));
  }

  void SerieFletxes() {
    FinestraSerie f(nullptr, PeticioFraccions());
    f.Comanda(ordre_serie::MenysCasos);
    QCOMPARE(f.CampDeCasos()->text(), QStringLiteral("1"));
    f.Comanda(ordre_serie::MesCasos);
    QCOMPARE(f.CampDeCasos()->text(), QStringLiteral("2"));
    f.CampDeCasos()->setText(QStringLiteral(" 7 "));  // the arrows step from what is shown
    f.Comanda(ordre_serie::MesCasos);
    QCOMPARE(f.CampDeCasos()->text(), QStringLiteral("8"));
    f.CampDeCasos()->setText(QStringLiteral("255"));
    f.Comanda(ordre_serie::MesCasos);
    QCOMPARE(f.CampDeCasos()->text(), QStringLiteral("255"));

    // The field opens with the count last used.
    PeticioSubtipus p = PeticioFraccions();
    p.nombreCasos = 4;
    FinestraSerie g(nullptr, p);
    QCOMPARE(g.CampDeCasos()->text(), QStringLiteral("4"));
  }

  void SerieAcceptaAmbElCampDeCasos() {
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* f = static_cast<FinestraSerie*>(w);
      f->CampDeCasos()->setText(QStringLiteral(" 3 "));
      QVERIFY(PremBoto(w, QString::fromUtf8("Bé")));
    });
    const RespostaSubtipus r = DemanaSubtipus(nullptr, PeticioFraccions());
    QVERIFY(guio.Acabat());
    QVERIFY(r.acceptat);
    QCOMPARE(r.seleccionat, 1);
    QCOMPARE(r.nombreCasos, 3);
  }

  void SerieComptesRefusatsNoTanquen() {
    // Text that is no number keeps the window open silently; a number outside 1..255
    // (an empty field reads as 0) is told why in a notice, met by the actions after
    // the first while "Bé" waits for it.
    GuioModal guio;
    QStringList avisos;
    bool obertaDespres = false;
    guio.Despres([&](QWidget* w) {
      auto* f = static_cast<FinestraSerie*>(w);
      for (const char* text : {"x", "0", "", "-2", "256", "2x"}) {
        f->CampDeCasos()->setText(QString::fromLatin1(text));
        PremBoto(w, QString::fromUtf8("Bé"));
        if (!f->isVisible()) return;
      }
      obertaDespres = true;
      PremBoto(w, "Sortir");
    });
    for (int k = 0; k < 4; ++k) {
      guio.Despres([&avisos](QWidget* w) {
        avisos << w->windowTitle() + ": " + static_cast<QMessageBox*>(w)->text();
        PremBoto(w, "D'acord");
      });
    }
    const RespostaSubtipus r = DemanaSubtipus(nullptr, PeticioFraccions());
    QVERIFY2(guio.Acabat(), qPrintable(guio.Vistes().join(", ")));
    QVERIFY(obertaDespres);
    QVERIFY(!r.acceptat);
    QCOMPARE(avisos.size(), 4);
    QCOMPARE(avisos.front(), QStringLiteral("Nombre de casos: El nombre de casos ha de ser entre 1 i 255."));
  }

  void SerieSubtipusSenseCasosFaUnCas() {
    // A greyed field holding anything makes one case; a double click accepts.
    PeticioSubtipus p = PeticioFraccions();
    p.nombreCasos = 6;
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* f = static_cast<FinestraSerie*>(w);
      f->CampDeCasos()->setText(QStringLiteral("x"));
      QListWidget* llista = f->Llista();
      llista->setCurrentRow(1);
      emit llista->itemDoubleClicked(llista->item(1));
    });
    const RespostaSubtipus r = DemanaSubtipus(nullptr, p);
    QVERIFY(guio.Acabat());
    QVERIFY(r.acceptat);
    QCOMPARE(r.seleccionat, 2);
    QCOMPARE(r.nombreCasos, 1);
  }

  void SerieCaixaDeTancarSurt() {
    GuioModal guio;
    guio.Despres([](QWidget* w) { static_cast<QDialog*>(w)->close(); });
    QVERIFY(!DemanaSubtipus(nullptr, PeticioFraccions()).acceptat);
    QVERIFY(guio.Acabat());
  }

  void PistaEstatInicial() {
    FinestraPista f(nullptr, 1);
    ComprovaFinestra(f, "posarpista", QStringLiteral("Posar pista..."), QRect(600, 80, 152, 160));
    QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
    const auto grups = f.findChildren<QGroupBox*>();
    QCOMPARE(grups.size(), 1);
    QCOMPARE(grups[0]->title(), QStringLiteral(" a... "));
    QCOMPARE(grups[0]->geometry(), QRect(6, 2, 134, 92));
    ComprovaControl(f, ordre_pista::NoPosar, "no posar-ne", QRect(16, 18, 110, 22));
    ComprovaControl(f, ordre_pista::AEnunciat, "a l'enunciat", QRect(16, 38, 110, 22));
    ComprovaControl(f, ordre_pista::AResposta, "a la &resposta", QRect(16, 58, 121, 22));
    ComprovaControl(f, ordre_finestra::Accepta, QString::fromUtf8("Bé"), QRect(90, 98, 44, 26));
    ComprovaControl(f, ordre_finestra::Surt, "surt", QRect(16, 98, 44, 26));
    QVERIFY(f.ControlDe<QPushButton>(ordre_finestra::Accepta)->isDefault());
    QVERIFY(f.ControlDe<QRadioButton>(ordre_pista::AEnunciat)->isChecked());
    QCOMPARE(f.Opcio(), 1);
  }

  void PistaBeCanviaSurtNo() {
    int32_t opcio = 0;
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      static_cast<FinestraPista*>(w)->ControlDe<QRadioButton>(ordre_pista::AResposta)->click();
      PremBoto(w, QString::fromUtf8("Bé"));
    });
    guio.Despres([](QWidget* w) {
      QVERIFY(static_cast<FinestraPista*>(w)->ControlDe<QRadioButton>(ordre_pista::AResposta)->isChecked());
      static_cast<FinestraPista*>(w)->ControlDe<QRadioButton>(ordre_pista::NoPosar)->click();
      PremBoto(w, "surt");
    });
    QVERIFY(TriaPosicioPista(nullptr, opcio));
    QCOMPARE(opcio, 2);
    QVERIFY(!TriaPosicioPista(nullptr, opcio));
    QCOMPARE(opcio, 2);
    QVERIFY(guio.Acabat());
  }

  void DesarEstatInicial() {
    ValorsDesar v;
    v.nomFitxer = "tema1";
    v.titol = "Full \xE0";
    v.disposicio = 0;
    FinestraDesar f(nullptr, v);
    ComprovaFinestra(f, "desarserie", QString::fromUtf8("Guardar sèrie de problemes"), QRect(600, 100, 312, 220));
    QStringList etiquetes;
    for (const auto& e : f.Etiquetes()) etiquetes << QStringLiteral("%1,%2 %3").arg(e.posicio.x()).arg(e.posicio.y()).arg(e.text);
    QCOMPARE(etiquetes, (QStringList{"10,14 nom fitxer:", QString::fromUtf8("10,44 títol:"), "256,14 .rtf"}));
    ComprovaControl(f, ordre_desar::NomFitxer, {}, QRect(88, 10, 166, 22));
    ComprovaControl(f, ordre_desar::Titol, {}, QRect(54, 38, 242, 22));
    ComprovaControl(f, ordre_desar::Seguits, "enunciat / resposta seguits", QRect(18, 90, 244, 26));
    ComprovaControl(f, ordre_desar::Blocs, "bloc enunciats / bloc respostes", QRect(18, 112, 244, 26));
    ComprovaControl(f, ordre_finestra::Accepta, "&Accepta", QRect(160, 154, 80, 30));
    ComprovaControl(f, ordre_finestra::Surt, QString::fromUtf8("&Cancel·la"), QRect(70, 154, 80, 30));
    const auto grups = f.findChildren<QGroupBox*>();
    QCOMPARE(grups.size(), 1);
    QCOMPARE(grups[0]->title(), QString::fromUtf8("presentació:"));
    QCOMPARE(grups[0]->geometry(), QRect(8, 70, 292, 77));
    QCOMPARE(f.ControlDe<QLineEdit>(ordre_desar::NomFitxer)->text(), QStringLiteral("tema1"));
    QCOMPARE(f.ControlDe<QLineEdit>(ordre_desar::NomFitxer)->alignment() & Qt::AlignRight, Qt::AlignRight);
    QCOMPARE(f.ControlDe<QLineEdit>(ordre_desar::Titol)->text(), QString::fromUtf8("Full à"));
    QVERIFY(f.ControlDe<QRadioButton>(ordre_desar::Seguits)->isChecked());
    QCOMPARE(f.Valors(), v);
  }

  void DesarRecordaElsValorsAcceptats() {
    ValorsDesar v;  // the first opening: empty fields, layout 1
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* f = static_cast<FinestraDesar*>(w);
      QCOMPARE(QApplication::focusWidget(), f->Control(ordre_desar::NomFitxer));
      QVERIFY(f->ControlDe<QRadioButton>(ordre_desar::Blocs)->isChecked());
      QTest::keyClicks(f->Control(ordre_desar::NomFitxer), QStringLiteral("full"));
      f->ControlDe<QLineEdit>(ordre_desar::Titol)->setText(QString::fromUtf8("Títol → 1"));
      f->ControlDe<QRadioButton>(ordre_desar::Seguits)->click();
      PremBoto(w, "&Accepta");  // "→" cannot be held: refused with a notice, nothing replaced
    });
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->windowTitle(), QString::fromUtf8("Títol no vàlid"));
      PremBoto(w, "D'acord");
    });
    guio.Despres([](QWidget* w) {
      auto* f = static_cast<FinestraDesar*>(w);
      QCOMPARE(f->ControlDe<QLineEdit>(ordre_desar::Titol)->text(), QString::fromUtf8("Títol → 1"));
      f->ControlDe<QLineEdit>(ordre_desar::Titol)->setText(QString::fromUtf8("Títol 1"));
      PremBoto(w, "&Accepta");
    });
    guio.Despres([](QWidget* w) {
      auto* f = static_cast<FinestraDesar*>(w);
      QCOMPARE(f->ControlDe<QLineEdit>(ordre_desar::NomFitxer)->text(), QStringLiteral("full"));
      QCOMPARE(f->ControlDe<QLineEdit>(ordre_desar::Titol)->text(), QString::fromUtf8("Títol 1"));
      f->ControlDe<QLineEdit>(ordre_desar::NomFitxer)->setText(QStringLiteral("altre"));
      PremBoto(w, QString::fromUtf8("&Cancel·la"));
    });
    QVERIFY(DemanaValorsDesar(nullptr, v));
    const ValorsDesar acceptats{"full", "T\xEDtol 1", 0};
    QCOMPARE(v, acceptats);
    QVERIFY(!DemanaValorsDesar(nullptr, v));
    QCOMPARE(v, acceptats);
    QVERIFY(guio.Acabat());
  }

  void MissatgesEnCatala() {
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      auto* caixa = qobject_cast<QMessageBox*>(w);
      QVERIFY(caixa);
      QCOMPARE(caixa->windowTitle(), QStringLiteral("Reinici Lot"));
      QCOMPARE(caixa->text(), QStringLiteral("Reiniciar Lot a 0? "));
      QCOMPARE(caixa->button(QMessageBox::Yes)->text(), QString::fromUtf8("&Sí"));
      QCOMPARE(caixa->button(QMessageBox::No)->text(), QStringLiteral("&No"));
      PremBoto(w, "No");
    });
    guio.Despres([](QWidget* w) { PremBoto(w, QString::fromUtf8("Sí")); });
    guio.Despres([](QWidget* w) {
      auto* caixa = qobject_cast<QMessageBox*>(w);
      QCOMPARE(caixa->text(), QStringLiteral("a\nb\nc"));
      QCOMPARE(caixa->button(QMessageBox::Ok)->text(), QStringLiteral("D'acord"));
      PremBoto(w, "D'acord");
    });
    QVERIFY(!PreguntaSiNo(nullptr, QStringLiteral("Reiniciar Lot a 0? "), QStringLiteral("Reinici Lot")));
    QVERIFY(PreguntaSiNo(nullptr, QStringLiteral("?"), QStringLiteral("?")));
    MostraAvis(nullptr, TextMissatge("a\rb\r\nc"), QStringLiteral("Cal un editor de fitxers .rtf"));
    QVERIFY(guio.Acabat());
  }

  void TextsEntreCp1252IQt() {
    QCOMPARE(DeCp1252("pot\xE8ncies \x80 x\xB2"), QString::fromUtf8("potències € x²"));
    QCOMPARE(ACp1252(QString::fromUtf8("potències € x² ·")), std::string("pot\xE8ncies \x80 x\xB2 \xB7"));
    QCOMPARE(ACp1252(QString::fromUtf8("a→b 😀")), std::string("a?b ?"));
  }
};

QTEST_MAIN(FinestresTest)
#include "FinestresTest.moc"
