// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The exercise editor: what it shows on opening, what accepting and leaving do to
// the exercise, the preview following the hint placement, and text that exercises
// cannot hold.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui/batch/EditorExercici.h"
#include "render/VistaPrevia.h"
#include "support/Modal.h"

using namespace tirelo;
using namespace tirelo::gui;
using namespace tirelo::gui::ordre_editor;
using tirelo::prova::GuioModal;
using tirelo::prova::PremBoto;

namespace {

Exercici Exemple() {
  Exercici e;
  e.enunciat = "Calcula:\r\na) x^2 + H_2O\rb) #F(3/4)\n";  // CR LF, a lone CR, a lone LF
  e.resposta = "a) #R(2)\r\nb) Qu\xE8";
  e.pista = "pensa en \xB2";
  e.posicioPista = 2;
  e.llest = true;
  return e;
}

EditorExercici& Editor(QWidget* w) { return *qobject_cast<EditorExercici*>(w); }
QPlainTextEdit* Linies(QWidget* w, int ordre) { return Editor(w).ControlDe<QPlainTextEdit>(ordre); }
QLineEdit* CampPista(QWidget* w) { return Editor(w).ControlDe<QLineEdit>(ordre_editor::Pista); }

// Runs the editor on e with one scripted action; returns what the editor returned.
bool Edita(Exercici& e, GuioModal::Accio accio) {
  GuioModal guio;
  guio.Despres(std::move(accio));
  const bool acceptat = EditaExercici(nullptr, e);
  if (!guio.Acabat()) qWarning() << "unexpected windows" << guio.Inesperades();
  return acceptat;
}

// Counts the paint events that reach the preview's frame.
class ComptaPintades : public QObject {
 public:
  int vegades = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    using M = MarcVistaPrevia;
    if (e->type() == QEvent::Paint &&
        static_cast<QPaintEvent*>(e)->rect().intersects(QRect(M::Esquerra, M::Dalt, 10, 10)))
      ++vegades;
    return false;
  }
};

QImage VistaPrevia(EditorExercici& f) {
  using M = MarcVistaPrevia;
  return f.grab(QRect(QPoint(M::Esquerra, M::Dalt), QPoint(M::Dreta - 1, M::Baix - 1))).toImage();
}

}  // namespace

class EditorExerciciTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void EstatInicial() {
    EditorExercici f(nullptr, Exemple());
    QCOMPARE(f.objectName(), QStringLiteral("contingutprob"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Exercici"));
    QCOMPARE(f.pos(), QPoint(200, 10));
    QCOMPARE(f.size(), QSize(600, 500));
    QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    QStringList etiquetes;
    for (const auto& e : f.Etiquetes()) etiquetes << QStringLiteral("%1,%2 %3").arg(e.posicio.x()).arg(e.posicio.y()).arg(e.text);
    QCOMPARE(etiquetes, QStringList({"10,250 Enunciat", "10,330 resposta", "8,380 pista:"}));

    const struct {
      int ordre;
      QRect lloc;
      const char* text;
    } controls[] = {{Enunciat, {8, 270, 576, 57}, ""},      {Resposta, {8, 350, 576, 26}, ""},
                    {ordre_editor::Pista, {8, 400, 576, 26}, ""}, {NoPosar, {60, 378, 110, 22}, "no posar"},
                    {AEnunciat, {170, 378, 110, 22}, "a enunciat"}, {AResposta, {280, 378, 110, 22}, "a resposta"},
                    {1, {340, 432, 77, 30}, "accepta"},      {2, {200, 432, 81, 30}, "cancel·la"}};
    for (const auto& c : controls) {
      QWidget* w = f.Control(c.ordre);
      QVERIFY2(w, qPrintable(QString::number(c.ordre)));
      QCOMPARE(w->geometry(), c.lloc);
      if (auto* boto = qobject_cast<QAbstractButton*>(w)) QCOMPARE(boto->text(), QString::fromUtf8(c.text));
    }
    QCOMPARE(f.ControlDe<QPlainTextEdit>(Enunciat)->toPlainText(), QStringLiteral("Calcula:\na) x^2 + H_2O\nb) #F(3/4)\n"));
    QCOMPARE(f.ControlDe<QPlainTextEdit>(Resposta)->toPlainText(), QStringLiteral("a) #R(2)\nb) Què"));
    QCOMPARE(f.ControlDe<QLineEdit>(ordre_editor::Pista)->text(), QStringLiteral("pensa en ²"));
    QCOMPARE(f.OpcioMarcada(NoPosar, AResposta), int(AResposta));
    QVERIFY(!f.Avis()->isVisibleTo(&f));
    QVERIFY(f.ControlDe<QPushButton>(1)->isEnabled());
  }

  void AcceptarSenseCanvisDeixaLExerciciIgual() {
    Exercici e = Exemple();
    QVERIFY(Edita(e, [](QWidget* w) { QVERIFY(PremBoto(w, "accepta")); }));
    QCOMPARE(e, Exemple());
  }

  void AcceptarCopiaElsCamps() {
    Exercici e = Exemple();
    QVERIFY(Edita(e, [](QWidget* w) {
      Linies(w, Enunciat)->setPlainText(QStringLiteral("x^2\ny") + QString(300, QChar('e')));
      Linies(w, Resposta)->setPlainText(QStringLiteral("Què és\u2029x€"));
      CampPista(w)->setText(QString(100, QChar('p')));
      Editor(w).ControlDe<QRadioButton>(AEnunciat)->click();
      QVERIFY(PremBoto(w, "accepta"));
    }));
    QCOMPARE(e.enunciat, "x^2\r\ny" + std::string(249, 'e'));  // line breaks as CR LF, cut to 255
    QCOMPARE(e.resposta, std::string("Qu\xE8 \xE9s\r\nx\x80"));
    QCOMPARE(e.pista, std::string(80, 'p'));
    QCOMPARE(e.posicioPista, 1);
    QVERIFY(e.llest);
  }

  void CancelarOTancarNoToquenRes() {
    auto CanviaTot = [](QWidget* w) {
      Linies(w, Enunciat)->setPlainText(QStringLiteral("altre"));
      Linies(w, Resposta)->setPlainText(QStringLiteral("altra"));
      CampPista(w)->setText(QStringLiteral("cap"));
      Editor(w).ControlDe<QRadioButton>(NoPosar)->click();
    };
    Exercici e = Exemple();
    QVERIFY(!Edita(e, [&](QWidget* w) {
      CanviaTot(w);
      QVERIFY(PremBoto(w, "cancel·la"));
    }));
    QCOMPARE(e, Exemple());
    QVERIFY(!Edita(e, [&](QWidget* w) {
      CanviaTot(w);
      w->close();  // the close box
    }));
    QCOMPARE(e, Exemple());
  }

  void TextQueElsExercicisNoPodenGuardar() {
    Exercici e = Exemple();
    QString avisPintat, avisDeLaCaixa;
    GuioModal guio;
    guio.Despres([&](QWidget* w) {
      EditorExercici& f = Editor(w);
      Linies(w, Resposta)->setPlainText(QStringLiteral("x = α 😀"));
      QVERIFY(f.Avis()->isVisible());
      avisPintat = f.Avis()->text();
      QVERIFY(avisPintat.contains(QStringLiteral("«α»")));
      QVERIFY(avisPintat.startsWith(QStringLiteral("La resposta")));
      // The field says the notice to a screen reader too.
      QCOMPARE(Linies(w, Resposta)->accessibleDescription(), avisPintat);
      QVERIFY(PremBoto(w, "accepta"));  // the notice comes in a message box; the window stays
      QVERIFY(f.isVisible());
      Linies(w, Resposta)->setPlainText(QStringLiteral("x = a"));
      QVERIFY(!f.Avis()->isVisible());
      QVERIFY(Linies(w, Resposta)->accessibleDescription().isEmpty());
      QVERIFY(PremBoto(w, "accepta"));
    });
    guio.Despres([&](QWidget* caixa) {
      avisDeLaCaixa = qobject_cast<QMessageBox*>(caixa)->text();
      QVERIFY(PremBoto(caixa, "D'acord"));
    });
    QVERIFY(EditaExercici(nullptr, e));
    QVERIFY(guio.Acabat());
    QCOMPARE(guio.Vistes(), (QStringList{"contingutprob", "avis"}));
    QCOMPARE(avisDeLaCaixa, avisPintat);
    QCOMPARE(e.resposta, std::string("x = a"));
  }

  void LaVistaPreviaSegueixLaPosicioDeLaPista() {
    Exercici e = Exemple();
    e.pista = "PISTA";
    e.posicioPista = 0;
    EditorExercici f(nullptr, e);
    e.posicioPista = 1;
    EditorExercici esperat(nullptr, e);
    const QImage abans = VistaPrevia(f);
    QVERIFY(abans != VistaPrevia(esperat));

    // Choosing "a enunciat" and then clicking into the answer field redraws the
    // preview with the hint below the statement.
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    ComptaPintades pintades;
    f.installEventFilter(&pintades);
    f.ControlDe<QRadioButton>(AEnunciat)->click();
    QTest::mouseClick(f.Control(Resposta), Qt::LeftButton);
    QCOMPARE(f.Copia().posicioPista, 1);
    QTRY_VERIFY(pintades.vegades > 0);
    QCOMPARE(VistaPrevia(f), VistaPrevia(esperat));
    // The preview follows the typing; the exercise changes only on "accepta".
    Linies(&f, Enunciat)->setPlainText(QStringLiteral("un altre"));
    e.enunciat = "un altre";
    EditorExercici escrit(nullptr, e);
    QCOMPARE(VistaPrevia(f), VistaPrevia(escrit));
    QCOMPARE(f.Copia().enunciat, Exemple().enunciat);
    f.close();
  }

  // Each field says how many characters it still takes, and how many would be cut.
  void CaractersQueQueden() {
    Exercici e = Exemple();
    e.enunciat = std::string(250, 'a');
    e.resposta = "R";
    e.pista = std::string(80, 'p');
    EditorExercici f(nullptr, e);
    auto Comptador = [&f](const char* nom) {
      for (auto* l : f.findChildren<QLabel*>())
        if (l->accessibleName() == QString::fromUtf8(nom)) return l->text();
      return QStringLiteral("(cap)");
    };
    QCOMPARE(Comptador("Caràcters que queden a l'enunciat"), QStringLiteral("queden 5"));
    QCOMPARE(Comptador("Caràcters que queden a la resposta"), QStringLiteral("queden 254"));
    QCOMPARE(Comptador("Caràcters que queden a la pista"), QStringLiteral("queden 0"));
    f.findChild<QLineEdit*>()->setText(QString(104, QChar('p')));
    QCOMPARE(Comptador("Caràcters que queden a la pista"), QString::fromUtf8("24 de més: es tallarà"));
  }

  // Enter accepts through the default button, Esc cancels.
  void EnterAcceptaIEscCancella() {
    Exercici e = Exemple();
    QVERIFY(Edita(e, [](QWidget* w) {
      auto* pista = w->findChild<QLineEdit*>();
      pista->setText(QStringLiteral("nova"));
      QTest::keyClick(pista, Qt::Key_Return);
    }));
    QCOMPARE(e.pista, std::string("nova"));
    QVERIFY(!Edita(e, [](QWidget* w) {
      w->findChild<QLineEdit*>()->setText(QStringLiteral("altra"));
      QTest::keyClick(w->findChild<QLineEdit*>(), Qt::Key_Escape);
    }));
    QCOMPARE(e.pista, std::string("nova"));
  }
};

QTEST_MAIN(EditorExerciciTest)
#include "EditorExerciciTest.moc"
