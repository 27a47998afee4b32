// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Saves a PNG of every window of the desktop program, as a person would see it:
//   tirelo_captures <folder>
// Each secondary window is opened the way the program opens it (a command of the
// main window or a question of the core), saved once it is the active modal window,
// and left. A window that does not open (not built yet) is skipped with a note.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "batch/Lot.h"
#include "document/Notacio.h"
#include "gui/batch/EditorExercici.h"
#include "gui/batch/FinestraVersions.h"
#include "gui/practica/FinestraPractica.h"
#include "gui/shell/Accessibilitat.h"
#include "gui/shell/Aplicacio.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/InterficieQt.h"
#include "shell/DesarDocument.h"
#include "shell/Ordres.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"

namespace {

using namespace tirelo;
using namespace tirelo::gui;

// One key pressed and released on w, as the keyboard sends it.
void PremTecla(QWidget* w, int tecla) {
  QKeyEvent prem(QEvent::KeyPress, tecla, Qt::NoModifier);
  QApplication::sendEvent(w, &prem);
  QKeyEvent deixa(QEvent::KeyRelease, tecla, Qt::NoModifier);
  QApplication::sendEvent(w, &deixa);
}

class Captures {
 public:
  explicit Captures(QString carpeta) : carpeta_(std::move(carpeta)) {}

  void Desa(const QPixmap& imatge, const QString& nom) {
    const QString cami = carpeta_ + QChar('/') + nom + QStringLiteral(".png");
    if (!imatge.save(cami)) {
      std::fprintf(stderr, "tirelo_captures: no s'ha pogut desar %s\n", qPrintable(cami));
      errors_ = true;
      return;
    }
    std::printf("%s\n", qPrintable(cami));
  }

  // Lets the windows paint themselves before they are grabbed.
  static void Espera(int ms = 100) {
    QElapsedTimer rellotge;
    rellotge.start();
    while (rellotge.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
  }

  // Runs obre, which shows a modal window; saves that window as nom (after prepara,
  // when given, has acted on it) and leaves it.
  void Modal(const QString& nom, const std::function<void()>& obre,
             const std::function<void(QWidget*)>& prepara = {}) {
    bool desada = false;
    QTimer mira;
    mira.setInterval(20);
    QObject::connect(&mira, &QTimer::timeout, [&] {
      QWidget* finestra = QApplication::activeModalWidget();
      if (!finestra || desada) return;
      desada = true;
      if (prepara) prepara(finestra);
      Espera();
      Desa(finestra->grab(), nom);
      QTimer::singleShot(0, finestra, [finestra] { finestra->close(); });
    });
    mira.start();
    obre();
    if (!desada) std::printf("(%s: la finestra no s'ha obert)\n", qPrintable(nom));
  }

  // The main window with one of its menus open, taken from the screen.
  void Menu(FPrincipal& f, int posicio, const QString& nom) {
    QMenu* menu = f.Menu(posicio);
    const QRect titol = f.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(f.menuBar()->mapToGlobal(titol.bottomLeft()));
    Espera();
    const QRect zona = f.frameGeometry().united(menu->geometry());
    Desa(QApplication::primaryScreen()->grabWindow(0, zona.x(), zona.y(), zona.width(), zona.height()), nom);
    menu->close();
  }

  bool Errors() const { return errors_; }

 private:
  QString carpeta_;
  bool errors_ = false;
};

void OmpleLot(Programa& prg) {
  const char* enunciats[] = {
      "Simplifica: a) 8/12,  b) 9/15",
      "Calcula:   (x+3)^2",
      "Resol l'equaci\xF3: a) x\xB2-5x+6 = 0,  b) x\xB2+5x = 0",
      // As the generators lay out fractions, systems and roots.
      "Calcula:\r\n\\tab \\tab \\tab \\tab  2     1\r\n\\tab \\tab \\tab \\tab --- + ---\r\n"
      "\\tab \\tab \\tab \\tab  3     9",
      "Resol (quan sigui possible) el sistema:\r#8 \r\r#8 x+2y = 10\r#8 4x+5y = 28\r #0 ",
      "Racionalitza:    a) 2/R_2(19)   b) 3/(8+R_2(2))",
      "Calcula: a) d^2\xB7" "d,  b) a^4\xB7" "a^2,  c) x_1+x_2",
  };
  for (const char* enunciat : enunciats) {
    Exercici e;
    e.enunciat = enunciat;
    e.resposta = "R";
    e.llest = true;
    Afegeix(prg, e);
  }
  // One exercise with every kind of layout the editor's preview draws.
  Exercici e;
  e.enunciat =
      "Calcula:\r\na) x^2 + y^(n+1) - H_2O + #B(negreta) #I(cursiva) #S(subratllat)\r\n\r\n"
      "b) #F(x+1/2) + #F(3/4) =\r\n\r\nc) #R(x+1) = 3#T \\'97 \\tab d) 2#&()";
  e.resposta = "a) x^2+y^(n+1)\r\n\r\nb) #F(2x+5/4)\r\n\r\nc) x = 8";
  e.pista = "Recorda: a^m\xB7" "a^n = a^(m+n)";
  e.posicioPista = 1;
  e.llest = true;
  Afegeix(prg, e);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("\xC3\xBA" "s: tirelo_captures <carpeta>\n", stderr);
    return 2;
  }
  InstallaTraduccions(app);
  Captures captures(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(QString::fromLocal8Bit(argv[1]));

  InterficieQt ui;
  ui.PosaObridor([](const QString&) { return false; });  // shows the opener's failure notice
  Programa prg(ui, 2024);
  FPrincipal finestra(prg, ui);
  finestra.show();
  Captures::Espera(300);
  captures.Desa(finestra.grab(), QStringLiteral("FPrincipal-buit"));

  OmpleLot(prg);
  Captures::Espera();
  captures.Desa(finestra.grab(), QStringLiteral("FPrincipal"));
  // Keyboard focus on a button, as Tab leaves it: the focus must be visible.
  finestra.activateWindow();
  Captures::Espera();
  finestra.Llista()->setFocus();
  PremTecla(finestra.Llista(), Qt::Key_Tab);
  Captures::Espera();
  captures.Desa(finestra.grab(), QStringLiteral("FPrincipal-focus"));
  finestra.Llista()->setFocus(Qt::TabFocusReason);
  const char* menus[] = {"lot", "temes", "opcions", "info", "practica"};
  for (int i = 0; i < 5; ++i) captures.Menu(finestra, i, QStringLiteral("FPrincipal-menu-") + menus[i]);

  PeticioSubtipus peticio;
  peticio.titol = "Fraccions";
  peticio.subtipus = {"Simplificaci\xF3", "Suma", "Resta", "Multiplicaci\xF3", "Divisi\xF3"};
  peticio.casos = {true, false, false, false, false};
  peticio.seleccio = 2;
  captures.Modal(QStringLiteral("problmen"), [&] { ui.DemanaSubtipus(peticio); });
  // After an exercise that lost cases, the window notes it beside the count.
  PeticioSubtipus retallada = peticio;
  retallada.seleccio = 1;
  retallada.retallats = CasosRetallats{3, 255, 23};
  captures.Modal(QStringLiteral("problmen-casos-retallats"), [&] { ui.DemanaSubtipus(retallada); });
  captures.Modal(QStringLiteral("posarpista"), [&] { finestra.Ordre(ordre::PosarPistes); });
  captures.Modal(QStringLiteral("opcionsfull"), [&] { finestra.Ordre(ordre::OpcionsFull); });
  // The typeset sheet of the batch, page by page, as it will print.
  captures.Modal(QStringLiteral("vistaimpressio"), [&] { finestra.Ordre(ordre::VistaImpressio); },
                 [](QWidget* w) { w->resize(900, 760); });
  captures.Modal(QStringLiteral("desarserie"), [&] {
    ValorsDesar valors{"tema1", "Full 1", 1};
    ui.DemanaValorsDesar(valors);
  });
  captures.Modal(QStringLiteral("versions"), [&] { ui.DemanaVersions(); });
  captures.Modal(QStringLiteral("codi"), [&] { ui.DemanaCodi(); },
                 [](QWidget* w) { static_cast<FinestraCodi*>(w)->Camp()->setText(QStringLiteral("5V8F-S9F")); });
  captures.Modal(QStringLiteral("pregunta-reinici"), [&] { finestra.Ordre(ordre::Reiniciar); });
  // A written document that the desktop cannot open: the notice that asks for an editor.
  QTemporaryDir temporal;
  QFile document(temporal.filePath(QStringLiteral("tema1.rtf")));
  document.open(QIODevice::WriteOnly);
  document.close();
  captures.Modal(QStringLiteral("avis-editor-rtf"), [&] {
    prg.document.escrit = true;
    prg.document.cami = QFile::encodeName(document.fileName()).toStdString();
    finestra.Ordre(ordre::EditarImprimir);
  });
  finestra.Llista()->setCurrentRow(finestra.Llista()->count() - 1);
  captures.Modal(QStringLiteral("contingutprob"), [&] { finestra.Ordre(ordre::Editar); });
  // The preview as a screen reader user reaches it with Tab: its frame shows the focus.
  captures.Modal(
      QStringLiteral("contingutprob-focus-vista"), [&] { finestra.Ordre(ordre::Editar); },
      [](QWidget* editor) {
        editor->activateWindow();
        Captures::Espera();
        PremTecla(QApplication::focusWidget(), Qt::Key_Backtab);
      });
  captures.Modal(QStringLiteral("tipuseq2"), [&] { ui.DemanaFormaEq2(); });
  captures.Modal(QStringLiteral("FerSobre"), [&] { finestra.Ordre(ordre::QuantA); });

  // A pupil's practice: the new-practice window, then an exercise of three cases
  // answered right, unsimplified and unreadable, then with its hint and a solution
  // shown, and the summary at the end.
  captures.Modal(QStringLiteral("novapractica"), [&] { finestra.Ordre(ordre::NovaPractica); });
  {
    FinestraPractica practica(&finestra, Practica::DeLaSerie(3, 1, 3, 1, 12345));
    practica.show();
    practica.activateWindow();
    const auto& casos = practica.Estat().ExerciciActual().casos;
    practica.Camp(0)->setText(QString::fromStdString(EscriuNotacio(casos[0].solucio)));
    practica.Camp(1)->setText(QStringLiteral("8/22"));
    practica.Camp(2)->setText(QStringLiteral("(27/24)+1"));
    practica.FesComprova();
    practica.Camp(2)->setText(QStringLiteral("27/+"));
    Captures::Espera(300);
    captures.Desa(practica.grab(), QStringLiteral("practica"));
    practica.FesPista();
    practica.Camp(2)->setFocus();
    practica.FesSolucio();
    Captures::Espera();
    captures.Desa(practica.grab(), QStringLiteral("practica-pista-solucio"));
    practica.Camp(1)->setText(QStringLiteral("4/11"));
    practica.FesComprova();
    practica.FesSeguent();
    FinestraResum resum(&finestra, practica.Estat());
    resum.show();
    Captures::Espera(300);
    captures.Desa(resum.grab(), QStringLiteral("resumpractica"));
    // The page a pupil hands in, beside the pictures.
    const QString pdf = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/resultat-practica.pdf");
    if (const auto error = resum.Desa(pdf)) std::fprintf(stderr, "tirelo_captures: %s\n", qPrintable(*error));
    resum.accept();
  }
  return captures.Errors() ? 1 : 0;
}
