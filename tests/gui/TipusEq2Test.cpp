// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The equation-form window: its controls and default state, what each way of closing
// it answers, and the window asked by the equations topic through the real seam.
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui/shell/InterficieQt.h"
#include "gui/topics/TipusEq2.h"
#include "shell/ExecutaTema.h"
#include "shell/Programa.h"
#include "support/Modal.h"
#include "topics/Equacions.h"

using namespace tirelo;
using namespace tirelo::gui;
using tirelo::prova::GuioModal;
using tirelo::prova::PremBoto;

namespace {

QRadioButton* Opcio(QWidget* w, int ordre) { return static_cast<FinestraTipusEq2*>(w)->ControlDe<QRadioButton>(ordre); }

// Checks the radio button and presses "accepta".
GuioModal::Accio Tria(int ordre) {
  return [ordre](QWidget* w) {
    Opcio(w, ordre)->click();
    QVERIFY(PremBoto(w, "accepta"));
  };
}

}  // namespace

class TipusEq2Test : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  // Enter accepts: "accepta" is the window's default button.
  void EnterAccepta() {
    FinestraTipusEq2 f(nullptr);
    auto* accepta = f.ControlDe<QPushButton>(ordre_finestra::Accepta);
    QVERIFY(accepta);
    QVERIFY(accepta->isDefault());
  }

  void EstatInicial() {
    FinestraTipusEq2 f(nullptr);
    QCOMPARE(f.objectName(), QStringLiteral("tipuseq2"));
    QCOMPARE(f.windowTitle(), QString::fromUtf8("Tipus equació ..."));
    QCOMPARE(f.pos(), QPoint(600, 36));
    QCOMPARE(f.size(), QSize(240, 160));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(f.palette().color(QPalette::Window), QColor(236, 233, 216));
    const char* textos[] = {"completa:  ax² + bx + c = 0", "incompleta  ax² + bx = 0", "incompleta  ax² +  c = 0",
                            "qualsevol de les anteriors"};
    for (int k = 0; k < 4; ++k) {
      auto* opcio = f.ControlDe<QRadioButton>(ordre_tipuseq2::Completa + k);
      QVERIFY(opcio);
      QCOMPARE(opcio->text(), QString::fromUtf8(textos[k]));
      QCOMPARE(opcio->geometry(), QRect(10, 4 + 22 * k, 222, 26));
      QCOMPARE(opcio->isChecked(), k == 0);
      QVERIFY(opcio->focusPolicy() & Qt::TabFocus);
    }
    auto* accepta = f.ControlDe<QPushButton>(ordre_finestra::Accepta);
    QVERIFY(accepta);
    QCOMPARE(accepta->text(), QStringLiteral("accepta"));
    QCOMPARE(accepta->geometry(), QRect(60, 100, 96, 30));
    QCOMPARE(f.findChildren<QPushButton*>().size(), 1);
    QCOMPARE(f.Forma(), FormaEq2::Completa);
  }

  void CadaOpcioIElQuadreDeTancar() {
    GuioModal guio;
    guio.Despres(Tria(ordre_tipuseq2::SenseTermeIndep))
        .Despres(Tria(ordre_tipuseq2::SenseTermeLineal))
        .Despres(Tria(ordre_tipuseq2::Qualsevol))
        .Despres([](QWidget* w) {
          // Opens on "completa" whatever was chosen the time before.
          QVERIFY(Opcio(w, ordre_tipuseq2::Completa)->isChecked());
          Opcio(w, ordre_tipuseq2::SenseTermeLineal)->click();
          w->close();  // the close box chooses the complete form
        })
        .Despres(Tria(ordre_tipuseq2::Completa));
    QCOMPARE(TriaTipusEq2(nullptr), FormaEq2::SenseTermeIndep);
    QCOMPARE(TriaTipusEq2(nullptr), FormaEq2::SenseTermeLineal);
    QCOMPARE(TriaTipusEq2(nullptr), FormaEq2::Qualsevol);
    QCOMPARE(TriaTipusEq2(nullptr), FormaEq2::Completa);
    QCOMPARE(TriaTipusEq2(nullptr), FormaEq2::Completa);
    QVERIFY(guio.Acabat());
  }

  // The equations topic asks the window once for every case through the desktop seam.
  void LEquacioTeLaFormaTriada() {
    InterficieQt ui;
    Programa prg(ui, 9);
    prg.serie.nombreCasos = 2;
    GuioModal guio;
    guio.Despres(Tria(ordre_tipuseq2::SenseTermeIndep)).Despres(Tria(ordre_tipuseq2::SenseTermeLineal));
    ContextGenerador ctx = ContextDelPrograma(prg);
    PosaGenerat(prg, GenEq2Grau(ctx, 2));
    QVERIFY(guio.Acabat());
    QCOMPARE(guio.Vistes(), (QStringList{"tipuseq2", "tipuseq2"}));
    // a) x² + Bx = 0 has no constant term; b) x² - p² = 0 has no x term.
    const QString enunciat = QString::fromLatin1(prg.exercici.enunciat);
    static const QRegularExpression forma(QString::fromUtf8(R"(^Resol l'equació: a\) x²[+-]\d*x = 0,  b\) x²-\d+ = 0$)"));
    QVERIFY2(forma.match(enunciat).hasMatch(), qPrintable(enunciat));
  }
};

QTEST_MAIN(TipusEq2Test)
#include "TipusEq2Test.moc"
