// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The typeset sheet in the program: the sheet options window over the program state,
// saving a PDF through the save window, the print dialog and the print preview, and
// the painting and metrics every drawing output shares.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "batch/Lot.h"
#include "gui/batch/FinestraDesar.h"
#include "gui/full/FinestraOpcionsFull.h"
#include "gui/full/ImpressioFull.h"
#include "gui/full/LletresFull.h"
#include "gui/full/PintaFull.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/InterficieQt.h"
#include "shell/Ordres.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"
#include "support/FinestraPrincipal.h"
#include "support/Modal.h"

using namespace tirelo;
using namespace tirelo::gui;
using tirelo::prova::GuioModal;
using tirelo::prova::PremBoto;

class FullTest : public QObject, protected tirelo::prova::FinestraPrincipal {
  Q_OBJECT

  void Afegeix() { FinestraPrincipal::Afegeix("#B(Calcula:) #F(3/4) + x^2"); }

 private slots:
  void init() { Obre(3); }

  void cleanup() { QVERIFY(Tanca()); }

  void ElsElementsDelFullVanAmbElLot() {
    const int ordres[] = {ordre::DesarPdf, ordre::Imprimir, ordre::VistaImpressio};
    for (const int o : ordres) QVERIFY(!f_->Accio(o)->isEnabled());
    QVERIFY(f_->Accio(ordre::OpcionsFull)->isEnabled());  // the options need no batch
    Afegeix();
    for (const int o : ordres) QVERIFY(f_->Accio(o)->isEnabled());
  }

  void FinestraOpcions_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("desa");
    QTest::newRow("Enter accepts") << int(Qt::Key_Return) << true;
    QTest::newRow("Esc leaves") << int(Qt::Key_Escape) << false;
  }
  void FinestraOpcions() {
    QFETCH(int, tecla);
    QFETCH(bool, desa);
    prg_->full = {false, 2};
    GuioModal guio;
    guio.Despres([tecla](QWidget* w) {
      auto* f = static_cast<FinestraOpcionsFull*>(w);
      QCOMPARE(f->objectName(), QStringLiteral("opcionsfull"));
      QCOMPARE(f->windowTitle(), QStringLiteral("Opcions del full"));
      // It shows the program's values, and takes its changes from the keyboard.
      QVERIFY(!f->ControlDe<QCheckBox>(ordre_opcions_full::Capcalera)->isChecked());
      auto* espai = f->ControlDe<QSpinBox>(ordre_opcions_full::Espai);
      QCOMPARE(espai->value(), 2);
      QCOMPARE(espai->maximum(), 20);
      QCOMPARE(espai->minimum(), 0);
      // Answers in simplest form unless the teacher asks for them as drawn.
      QVERIFY(f->ControlDe<QCheckBox>(ordre_opcions_full::Simplificades)->isChecked());
      QCOMPARE(f->ControlDe<QCheckBox>(ordre_opcions_full::Simplificades)->text(),
               QStringLiteral("&Respostes simplificades"));
      QTest::keyClick(f->focusWidget(), Qt::Key_Space);  // the check box has the focus
      espai->setValue(7);
      espai->setFocus();
      QTest::keyClick(espai, static_cast<Qt::Key>(tecla));
    });
    f_->Ordre(ordre::OpcionsFull);
    QVERIFY(guio.Acabat());
    QCOMPARE(prg_->full, desa ? (ValorsFull{true, 7}) : (ValorsFull{false, 2}));
  }

  void DesaElPdfPerLaFinestraDeDesar() {
    QTemporaryDir carpeta;
    prg_->carpetaTreball = carpeta.path().toStdString();
    Afegeix();
    GuioModal guio;
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("desarserie"));
      static_cast<FinestraDesar*>(w)->ControlDe<QLineEdit>(ordre_desar::NomFitxer)->setText("full 1");
      PremBoto(w, "&Accepta");
    });
    f_->Accio(ordre::DesarPdf)->trigger();
    QVERIFY(guio.Acabat());
    QFile pdf(QDir(carpeta.path()).filePath(QStringLiteral("Exerc/full 1.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    QVERIFY(f_->statusBar()->currentMessage().startsWith(QStringLiteral("Desat a ")));
    QVERIFY(f_->statusBar()->currentMessage().endsWith(QStringLiteral("full 1.pdf")));
  }

  void ImprimirIVisualitzacio_data() {
    QTest::addColumn<int>("ordre");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titol");
    QTest::newRow("print") << ordre::Imprimir << "imprimir" << QString::fromUtf8(TitolImprimir);
    QTest::newRow("preview") << ordre::VistaImpressio << "vistaimpressio" << QString::fromUtf8(TitolVistaImpressio);
  }
  void ImprimirIVisualitzacio() {
    QFETCH(int, ordre);
    QFETCH(QString, classe);
    QFETCH(QString, titol);
    Afegeix();
    GuioModal guio;
    guio.Despres([&](QWidget* w) {
      QCOMPARE(w->objectName(), classe);
      QCOMPARE(w->windowTitle(), titol);
      static_cast<QDialog*>(w)->reject();
    });
    f_->Ordre(ordre);
    QVERIFY(guio.Acabat());
  }

  void ImprimeixONoPot_data() {
    QTest::addColumn<QString>("fitxer");
    QTest::addColumn<bool>("impres");
    QTest::newRow("a printer that takes it") << "full.pdf" << true;
    QTest::newRow("a printer that cannot start") << "no/such/folder/full.pdf" << false;
  }
  void ImprimeixONoPot() {
    QFETCH(QString, fitxer);
    QFETCH(bool, impres);
    QTemporaryDir carpeta;
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(carpeta.filePath(fitxer));
    Full full;
    full.pagines.resize(2);
    PreparaImpressora(impressora, full);
    QCOMPARE(ImprimeixA(impressora, full, LletresFull()), impres);
    QCOMPARE(QFileInfo::exists(carpeta.filePath(fitxer)), impres);
    QVERIFY(impressora.fullPage());
    QCOMPARE(impressora.pageLayout().pageSize().id(), QPageSize::A4);
  }

  void ElPdfIncrustaLesDuesLletres() {
    // Prose and mathematics (a minus sign, a radical sign, a middle dot): both faces
    // are embedded as TrueType, with the map back to their characters.
    Full full;
    full.titol = "Full \xC3\xA0";
    full.pagines.resize(1);
    ElementFull prosa;
    prosa.x = 60, prosa.y = 80;
    prosa.text = "Calcula:";
    ElementFull mates = prosa;
    mates.y = 100;
    mates.text = "\xE2\x88\x92\xE2\x88\x9A" "2\xC2\xB7x";
    mates.lletra.familia = FamiliaFull::Matematica;
    mates.lletra.cursiva = true;
    full.pagines[0].elements = {prosa, mates};
    QTemporaryDir carpeta;
    const QString cami = carpeta.filePath(QStringLiteral("full.pdf"));
    QCOMPARE(EscriuPdf(full, cami.toStdString(), LletresFull()), std::nullopt);
    QFile pdf(cami);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.contains("+DejaVuSerif"));
    QVERIFY(bytes.contains("+DejaVuMathTeXGyre"));
    QCOMPARE(bytes.count("/FontFile2"), 2);
    QCOMPARE(bytes.count("/ToUnicode"), 2);
    QVERIFY(bytes.contains("/Title"));
  }

  void DuesEscripturesDifereixenNomesEnLaData() {
    // Within one program run too: the second sheet the program writes is the first's bytes.
    Afegeix();
    QTemporaryDir carpeta;
    QList<QByteArray> escrits;
    OpcionsFull opcions;
    opcions.titol = "Full";
    for (const QString& nom : {QStringLiteral("a.pdf"), QStringLiteral("b.pdf")}) {
      const std::filesystem::path cami = carpeta.filePath(nom).toStdString();
      QCOMPARE(EscriptorPdf()(prg_->lot.Exercicis(), opcions, cami), std::nullopt);
      QFile pdf(carpeta.filePath(nom));
      QVERIFY(pdf.open(QIODevice::ReadOnly));
      QString text = QString::fromLatin1(pdf.readAll());
      text.replace(QRegularExpression(QStringLiteral("/CreationDate \\([^)]*\\)")), QString());
      escrits << text.toLatin1();
    }
    QCOMPARE(escrits.at(0), escrits.at(1));
  }

  void UnPdfQueNoEsPotEscriureDiuPerQue() {
    QTemporaryDir carpeta;
    const auto motiu = EscriuPdf(Full{}, carpeta.filePath(QStringLiteral("no/hi/es.pdf")).toStdString(), LletresFull());
    QVERIFY(motiu.has_value());
    QVERIFY(!motiu->empty());
  }

  void PintaCadaElementAlSeuLloc() {
    // A text, a rule and a polyline on a page drawn at 72 dpi: one pixel a point.
    PaginaFull pagina;
    ElementFull text;
    text.x = 10;
    text.y = 30;
    text.text = "Nom:";
    ElementFull linia;
    linia.tipus = TipusElement::Linia;
    linia.x = 10, linia.y = 50, linia.x2 = 90, linia.y2 = 50, linia.gruix = 2;
    ElementFull cami;
    cami.tipus = TipusElement::Cami;
    cami.gruix = 2;
    cami.punts = {{10, 70}, {50, 90}, {90, 70}};
    pagina.elements = {text, linia, cami};
    QImage imatge(100, 100, QImage::Format_RGB32);
    const int puntsPerMetre = qRound(72 / 0.0254);
    imatge.setDotsPerMeterX(puntsPerMetre);
    imatge.setDotsPerMeterY(puntsPerMetre);
    imatge.fill(Qt::white);
    {
      QPainter pintor(&imatge);
      PintaPagina(pintor, pagina, LletresFull());
    }
    auto fosc = [&](int x, int y) { return qGray(imatge.pixel(x, y)) < 128; };
    QVERIFY(fosc(50, 50));   // on the rule
    QVERIFY(!fosc(50, 45));  // above it
    QVERIFY(fosc(50, 89));   // at the polyline's lowest point
    QVERIFY(!fosc(95, 95));
    bool textPintat = false;
    for (int x = 10; x < 40 && !textPintat; ++x)
      for (int y = 20; y < 31; ++y) textPintat = textPintat || fosc(x, y);
    QVERIFY(textPintat);  // above the baseline, right of its start
  }

  void MetriquesEnPunts() {
    const LletresFull lletres;
    const MetriquesQt m(lletres);
    const LletraFull dotze{}, vintiquatre{.punts = 24};
    QVERIFY(m.Amplada("xx", dotze) > m.Amplada("x", dotze));
    QVERIFY(m.Ascendent(dotze) > 5 && m.Ascendent(dotze) < 14);
    QVERIFY(m.Descendent(dotze) > 0 && m.Descendent(dotze) < 6);
    // Unhinted: twice the size, twice the width.
    QVERIFY(qAbs(m.Amplada("Calcula", vintiquatre) - 2 * m.Amplada("Calcula", dotze)) < 0.05);
    QCOMPARE(lletres.Familia(FamiliaFull::Text), QString::fromLatin1(FamiliaTextFull));
    QCOMPARE(lletres.Familia(FamiliaFull::Matematica), QString::fromLatin1(FamiliaMatematicaFull));
  }
};

QTEST_MAIN(FullTest)
#include "FullTest.moc"
