// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The practice windows driven from the keyboard as a pupil would: a whole practice from
// the code of a sheet (fractions to simplify, then expressions to reduce), answered
// right, equivalent, unsimplified, wrong and unreadable; the verdicts, the score, the
// hint, the solution, the summary and the text of the result PDF. Also the
// new-practice window and the question before answers are lost.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <variant>

#include "document/Notacio.h"
#include "gui/practica/FinestraPractica.h"
#include "gui/shell/FinestraAjuda.h"
#include "shell/CodiFull.h"
#include "shell/Genera.h"
#include "support/Modal.h"

using namespace tirelo;
using namespace tirelo::gui;

namespace {

// A sheet of two exercises: "Simplifica" with three cases, "Redueix" with two.
std::string CodiDeProva() {
  OpcionsGenera o;
  o.series = {SerieDemanada{3, 1, 3, 1}, SerieDemanada{6, 1, 2, 1}};
  const uint64_t llavor = 12345;
  const LotGenerat lot = GeneraSeries(o, llavor);
  return CodiDeLesSeries(lot.exercicis, o.series, 0, 0, llavor).value_or("");
}

QString Solucio(const FinestraPractica& f, int cas) {
  return QString::fromStdString(EscriuNotacio(f.Estat().ExerciciActual().casos[static_cast<std::size_t>(cas)].solucio));
}

// "p/q" written as "(2p)/(2q)": the same value, not in lowest terms.
QString SenseSimplificar(const QString& fraccio) {
  const QStringList parts = fraccio.split('/');
  return QStringLiteral("%1/%2").arg(parts[0].toInt() * 2).arg(parts[1].toInt() * 2);
}

// "14y^4" written "y^4·14": an equivalent monomial in another order.
QString CoeficientAlFinal(const QString& monomi) {
  qsizetype k = 0;
  while (k < monomi.size() && monomi[k].isDigit()) ++k;
  return monomi.mid(k) + QString::fromUtf8("·") + monomi.left(k);
}

void Escriu(FinestraPractica& f, int cas, const QString& text) {
  f.Camp(cas)->setFocus();
  f.Camp(cas)->selectAll();
  QTest::keyClicks(f.Camp(cas), text);
}

}  // namespace

class PracticaTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void UnaPracticaSencera() {
    const std::string codi = CodiDeProva();
    QVERIFY(!codi.empty());
    auto llegit = Practica::DelCodi(codi);
    QVERIFY(std::holds_alternative<Practica>(llegit));
    auto f = std::make_unique<FinestraPractica>(nullptr, std::move(std::get<Practica>(llegit)));
    f->show();
    QApplication::setActiveWindow(f.get());
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QCOMPARE(f->windowTitle(), QString::fromUtf8("Pràctica: codi ") + QString::fromStdString(codi));
    QCOMPARE(f->NombreCasos(), 3);
    QCOMPARE(f->Camp(0)->accessibleName(), QStringLiteral("Resposta a)"));
    QCOMPARE(f->Camp(2)->accessibleName(), QStringLiteral("Resposta c)"));
    QVERIFY(f->Enunciat()->Text().startsWith(QStringLiteral("Simplifica")));
    QCOMPARE(QApplication::focusWidget(), f->Camp(0));
    QVERIFY(!f->Seguent()->isEnabled());
    QCOMPARE(f->Tecles().size(), 7U);
    for (QToolButton* t : f->Tecles()) QVERIFY(!t->toolTip().isEmpty());

    // The live preview: what was read, or where it cannot be read.
    const QString a = Solucio(*f, 0), b = Solucio(*f, 1), c = Solucio(*f, 2);
    Escriu(*f, 0, a);
    QCOMPARE(f->Llegit(0)->Text(), QString::fromUtf8("S'ha llegit: ") + a);
    Escriu(*f, 1, QStringLiteral("3/+"));
    QVERIFY(!f->Llegit(1)->Text().isEmpty());
    QVERIFY(!f->Llegit(1)->Text().startsWith(QStringLiteral("S'ha llegit")));
    QCOMPARE(f->Camp(1)->accessibleDescription(), f->Llegit(1)->Text());

    // Enter checks: right, unreadable, wrong.
    Escriu(*f, 2, QStringLiteral("(") + c + QStringLiteral(")+1"));
    QTest::keyClick(f->Camp(2), Qt::Key_Return);
    QCOMPARE(f->Veredicte(0)->text(), QString::fromUtf8("✓ Correcte"));
    QVERIFY(f->Veredicte(0)->styleSheet().contains(QStringLiteral("#1a6e2e")));
    QVERIFY2(f->Veredicte(1)->text().contains(f->Llegit(1)->Text()), qPrintable(f->Veredicte(1)->text()));
    QVERIFY(f->Veredicte(2)->text().contains(QStringLiteral("Incorrecte")));
    QCOMPARE(f->Camp(2)->accessibleDescription(), f->Veredicte(2)->text());
    QVERIFY(f->Camp(0)->isReadOnly());
    QVERIFY(!f->Seguent()->isEnabled());  // b) could not be read: not judged yet
    QCOMPARE(f->Puntuacio()->text(), QString::fromUtf8("Correctes a la primera: 1 · Després de reintentar: 0 · "
                                                       "Solucions vistes: 0 · Ratxa: 0"));

    // Unsimplified, then right again for c) after its wrong try.
    Escriu(*f, 1, SenseSimplificar(b));
    Escriu(*f, 2, c);
    f->Comprova()->click();
    QVERIFY2(f->Veredicte(1)->text().startsWith(QString::fromUtf8("Correcte, però")), qPrintable(f->Veredicte(1)->text()));
    QVERIFY(f->Veredicte(1)->text().contains(QStringLiteral("simplifica")));
    QCOMPARE(f->Veredicte(2)->text(), QString::fromUtf8("✓ Correcte"));
    QVERIFY(f->Seguent()->isEnabled());
    QCOMPARE(f->Puntuacio()->text(), QString::fromUtf8("Correctes a la primera: 1 · Després de reintentar: 1 · "
                                                       "Solucions vistes: 0 · Ratxa: 1"));

    // The hint says what form is asked.
    f->Pista()->click();
    QVERIFY(f->TextPista()->isVisible());
    QVERIFY(f->TextPista()->text().contains(QStringLiteral("irreductibles")));

    // Ctrl+Enter: the next exercise.
    QTest::keyClick(f->Camp(1), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f->Estat().Actual(), 1);
    QCOMPARE(f->NombreCasos(), 2);
    QVERIFY(!f->TextPista()->isVisible());
    QCOMPARE(f->Seguent()->text(), QStringLiteral("&Acaba"));

    // The same monomial with its coefficient written last is right; b) is shown.
    Escriu(*f, 0, CoeficientAlFinal(Solucio(*f, 0)));
    QTest::keyClick(f->Camp(0), Qt::Key_Return);
    QVERIFY2(f->Veredicte(0)->text() == QString::fromUtf8("✓ Correcte"), qPrintable(f->Veredicte(0)->text()));
    f->Camp(1)->setFocus();
    // Its first step, under the cases: b) now counts as shown; "Solució" then the rest.
    f->PasSeguent()->click();
    QVERIFY(f->TextPassos()->isVisible());
    QVERIFY2(f->TextPassos()->text().startsWith(QStringLiteral("b) ")), qPrintable(f->TextPassos()->text()));
    QCOMPARE(f->Estat().Punts().mostrats, 1);
    f->Solucio()->click();
    QCOMPARE(f->TextPassos()->text().count(QLatin1Char('\n')) + 1,
             static_cast<int>(f->Estat().ExerciciActual().casos[1].passos.size()));
    QCOMPARE(f->Veredicte(1)->text(), QString::fromUtf8("Solució vista"));
    QCOMPARE(f->Llegit(1)->Text(), QString::fromUtf8("Solució: ") + Solucio(*f, 1));
    QVERIFY(!f->Comprova()->isEnabled());
    QVERIFY(f->Seguent()->isEnabled());
    const Puntuacio punts{2, 1, 1, 0, 2};
    QCOMPARE(f->Estat().Punts(), punts);

    f->Seguent()->click();
    QVERIFY(f->Estat().Acabada());
    QVERIFY(!f->isVisible());
    QCOMPARE(f->result(), int(QDialog::Accepted));

    // The summary and its PDF.
    FinestraResum r(nullptr, f->Estat());
    QCOMPARE(r.windowTitle(), QString::fromUtf8("Resultat de la pràctica"));
    const QString resum = r.Text()->toPlainText();
    QVERIFY(resum.contains(QStringLiteral("Codi del full: ") + QString::fromStdString(codi)));
    QVERIFY(resum.contains(SenseSimplificar(b)));
    QVERIFY(resum.contains(QString::fromUtf8("solució vista")));
    QCOMPARE(r.DesaPdf()->text(), QString::fromUtf8("Desa el resultat (&PDF)…"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("resultat.pdf"));
    QVERIFY(!r.Desa(pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(text.contains(QString::fromUtf8("Resultat de la pràctica")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Codi del full: ") + QString::fromStdString(codi)));
    QVERIFY(text.contains(QStringLiteral("Data: ")));
    QVERIFY(text.contains(QStringLiteral("Correctes a la primera: 2")));
    QVERIFY(text.contains(QStringLiteral("Resposta: ") + a));
    QVERIFY(text.contains(QString::fromUtf8("Correcte, però")));
    QVERIFY2(text.contains(QStringLiteral("(2 intents)")), qPrintable(text));  // wrong, then right
    QVERIFY(text.contains(QString::fromUtf8("Solució vista")));
  }

  void LlargaIQualsevolTextDonenMissatge() {
    FinestraPractica f(nullptr, Practica::DeLaSerie(3, 1, 1, 1, 5));
    f.Camp(0)->setText(QString(300, QChar('1')));
    QVERIFY(f.Llegit(0)->Text().contains(QStringLiteral("massa llarga")));
    f.FesComprova();
    QVERIFY(f.Veredicte(0)->text().contains(QStringLiteral("massa llarga")));
    for (const char* t : {"(", "\xE2\x88\x9A", "x = ", "1/0", "))((", "\xC3\xB1\xC3\xB1"}) {
      f.Camp(0)->setText(QString::fromUtf8(t));
      f.FesComprova();
      QVERIFY2(!f.Veredicte(0)->text().isEmpty(), t);
    }
  }

  void TancarAmbRespostesPreguntaAbans() {
    FinestraPractica f(nullptr, Practica::DeLaSerie(3, 1, 1, 2, 5));
    f.show();
    f.Camp(0)->setText(QStringLiteral("1/2"));
    f.FesComprova();
    prova::GuioModal guio;
    guio.Despres([](QWidget* w) { QVERIFY(prova::PremBoto(w, QStringLiteral("No"))); });
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(f.isVisible());
    guio.Despres([](QWidget* w) { QVERIFY(prova::PremBoto(w, QString::fromUtf8("Sí"))); });
    f.reject();
    QVERIFY(!f.isVisible());
    QVERIFY(guio.Acabat());
  }

  // The window links to the help's page on how answers are written.
  void EnllacaAmbLAjuda() {
    FinestraPractica f(nullptr, Practica::DeLaSerie(3, 1, 1, 1, 5));
    prova::GuioModal guio;
    guio.Despres([](QWidget* w) {
      QCOMPARE(w->objectName(), QStringLiteral("ajuda"));
      const QString text = static_cast<FinestraAjuda*>(w)->Navegador()->toPlainText();
      QVERIFY(text.contains(QString::fromUtf8("Com s'escriuen les respostes")));
      QVERIFY(text.contains(QStringLiteral("arrel(20; 5)")));
      static_cast<QDialog*>(w)->reject();
    });
    QVERIFY(prova::PremBoto(&f, QString::fromUtf8("Com s'escriuen les respostes")));
    QVERIFY(guio.Acabat());
  }

  void NovaPracticaTriaTemaISubtipus() {
    FinestraNovaPractica f(nullptr);
    QCOMPARE(f.windowTitle(), QString::fromUtf8("Nova pràctica"));
    QCOMPARE(f.Tema()->count(), 9);
    f.Tema()->setCurrentIndex(2);
    QCOMPARE(f.Subtipus()->itemText(0), QString::fromUtf8("Simplificació"));
    QVERIFY(f.Casos()->isEnabled());
    f.Subtipus()->setCurrentIndex(1);
    QVERIFY(!f.Casos()->isEnabled());
    QCOMPARE(f.Exercicis()->maximum(), 50);
    f.Exercicis()->setValue(4);
    const Practica p = f.Crea(77);
    QCOMPARE(p.Nombre(), 4);
    QCOMPARE(p.Nom(), std::string("Fraccions"));
  }
};

QTEST_MAIN(PracticaTest)
#include "PracticaTest.moc"
