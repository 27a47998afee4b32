// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The About window: what it shows, the random button text and the re-seeding.
#include <QFileInfo>
#include <QPushButton>
#include <QtTest>

#include "gui/shell/QuantA.h"
#include "shell/Programa.h"
#include "support/Modal.h"
#include "support/Suport.h"

using namespace tirelo;
using namespace tirelo::gui;
using tirelo::prova::GuioModal;

namespace {

// Scripted draws that also record every seeding.
class AleatoriQueSembra final : public FontAleatoria {
 public:
  explicit AleatoriQueSembra(std::vector<int32_t> guio) : guio_(std::move(guio)) {}
  int32_t Random(int32_t n) override {
    demanats.push_back(n);
    registre.push_back("Random");
    return guio_.at(i_++);
  }
  void Sembra(uint64_t) override { registre.push_back("Sembra"); }

  std::vector<int32_t> demanats;
  std::vector<std::string> registre;

 private:
  std::vector<int32_t> guio_;
  std::size_t i_ = 0;
};

QString BotoDe(QWidget* w) { return qobject_cast<FinestraQuantA*>(w)->ControlDe<QPushButton>(1)->text(); }

// How many pixels of the image, inside zona, are close to the colour.
int Pixels(const QImage& imatge, const QRect& zona, const QColor& color) {
  int n = 0;
  for (int y = zona.top(); y <= zona.bottom(); ++y)
    for (int x = zona.left(); x <= zona.right(); ++x) {
      const QColor c = imatge.pixelColor(x, y);
      if (std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) + std::abs(c.blue() - color.blue()) < 40)
        ++n;
    }
  return n;
}

}  // namespace

class QuantATest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void EstatInicialIResembra() {
    prova::InterficieFalsa ui;
    auto font = std::make_unique<AleatoriQueSembra>(std::vector<int32_t>{3});
    AleatoriQueSembra& aleatori = *font;
    Programa prg(ui, std::move(font));
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("FerSobre"));
      const QString nom = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
      QCOMPARE(w->windowTitle(), QStringLiteral("Quant a ") + nom + QStringLiteral("..."));
      QCOMPARE(w->pos(), QPoint(400, 200));
      QCOMPARE(w->size(), QSize(312, 240));
      QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
      QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 255, 178));
      auto* boto = qobject_cast<FinestraQuantA*>(w)->ControlDe<QPushButton>(1);
      QCOMPARE(boto->geometry(), QRect(122, 180, 70, 24));
      QCOMPARE(boto->text(), QStringLiteral("vaja!"));
      boto->click();
    });
    MostraQuantA(nullptr, prg);
    QVERIFY(guio.Acabat());
    QCOMPARE(aleatori.registre, (std::vector<std::string>{"Sembra", "Random"}));
    QCOMPARE(aleatori.demanats, std::vector<int32_t>{7});
  }

  void CadaTirallaDonaUnDelsSetTextos() {
    prova::InterficieFalsa ui;
    Programa prg(ui, std::make_unique<AleatoriQueSembra>(std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6}));
    QStringList vistos;
    for (int i = 0; i < 7; ++i) vistos << BotoDe(std::make_unique<FinestraQuantA>(nullptr, prg).get());
    QCOMPARE(vistos, QStringList({"buenu", "Ah!", "Oh!", "vaja!", "hum!", "mmm..", "i vés!"}));
  }

  void LaCaixaDeTancarTambeTanca() {
    prova::InterficieFalsa ui;
    Programa prg(ui, 7);
    GuioModal guio;
    guio.Despres([](QWidget* w) { w->close(); });
    MostraQuantA(nullptr, prg);
    QVERIFY(guio.Acabat());
  }

  // Enter closes the window through its only button, the default one.
  void EnterTanca() {
    prova::InterficieFalsa ui;
    Programa prg(ui, 7);
    FinestraQuantA f(nullptr, prg);
    auto* boto = f.ControlDe<QPushButton>(ordre_finestra::Accepta);
    QVERIFY(boto);
    QVERIFY(boto->isDefault());
  }

  void PintaElsTextosAlsSeusLlocsIColors() {
    prova::InterficieFalsa ui;
    Programa prg(ui, 7);
    FinestraQuantA f(nullptr, prg);
    const QImage imatge = f.grab().toImage();
    QVERIFY(Pixels(imatge, QRect(20, 50, 120, 16), QColor(220, 100, 0)) > 20);   // the title, orange
    QVERIFY(Pixels(imatge, QRect(66, 130, 120, 16), QColor(0, 100, 250)) > 20);  // the credit line, blue
    QVERIFY(Pixels(imatge, QRect(60, 10, 80, 36), QColor(0, 100, 250)) > 40);    // the name, large and blue
    // The licence, a small line under the credit and clear of the button: drawn pixels
    // are those that are not the background.
    const QColor fons(255, 255, 178);
    const QRect llicencia(66, 150, 150, 16), sotaLlicencia(0, 168, 312, 11);
    QVERIFY(llicencia.width() * llicencia.height() - Pixels(imatge, llicencia, fons) > 40);
    QCOMPARE(Pixels(imatge, sotaLlicencia, fons), sotaLlicencia.width() * sotaLlicencia.height());
    QCOMPARE(Pixels(imatge, QRect(0, 90, 312, 30), QColor(0, 100, 250)), 0);     // nothing between them
  }
};

QTEST_MAIN(QuantATest)
#include "QuantATest.moc"
