// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The desktop canvas: fonts mapped from their description, text drawn with its top
// at the given y.
#include <QFontMetrics>
#include <QImage>
#include <QtTest>

#include "gui/render/LlencQt.h"

using namespace tirelo;

class LlencQtTest : public QObject {
  Q_OBJECT

 private slots:
  void FontFillsItsCellAndWidth() {
    for (const auto& [alcada, amplada] : {std::pair{16, 6}, std::pair{12, 4}, std::pair{36, 16}}) {
      const QFont f = gui::FontDeDescripcio({alcada, amplada, "arial"});
      const QFontMetrics m(f);
      QVERIFY2(m.height() <= alcada, qPrintable(QString::number(alcada)));
      QVERIFY(m.height() >= alcada - 3);
      QVERIFY(std::abs(QFontMetricsF(f).averageCharWidth() - amplada) < 1.0);
    }
    const QFont negreta = gui::FontDeDescripcio({16, 6, "arial", PesNegreta, true, true});
    QVERIFY(negreta.bold() && negreta.italic() && negreta.underline());
    QVERIFY(!gui::FontDeDescripcio({}).bold());
  }

  void TextTopSitsAtThePensY() {
    QImage imatge(200, 60, QImage::Format_RGB32);
    imatge.fill(Qt::white);
    int amplada = 0;
    {
      QPainter painter(&imatge);
      painter.setPen(Qt::black);
      gui::LlencQt llenc(painter);
      llenc.PosaLletra({});
      amplada = EscriuA(llenc, 10, 20, "\xC9" "H");  // "ÉH": an accent reaches the cell's top
    }
    int dalt = imatge.height(), baix = -1, dreta = -1;
    for (int y = 0; y < imatge.height(); ++y)
      for (int x = 0; x < imatge.width(); ++x)
        if (qGray(imatge.pixel(x, y)) < 128) {
          dalt = std::min(dalt, y);
          baix = std::max(baix, y);
          dreta = std::max(dreta, x);
        }
    QVERIFY(dalt >= 20 && dalt <= 24);
    QVERIFY(baix < 20 + 16);
    QVERIFY(dreta <= 10 + amplada);
    QVERIFY(amplada >= 8 && amplada <= 20);
  }
};

QTEST_MAIN(LlencQtTest)
#include "LlencQtTest.moc"
