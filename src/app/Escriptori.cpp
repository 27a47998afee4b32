// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "Escriptori.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "shell/Practica.h"

#if TIRELO_GUI
#include <QApplication>
#include <QTimer>

#include "gui/shell/Aplicacio.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/InterficieQt.h"
#include "gui/practica/FinestraPractica.h"
#include "gui/shell/SurtEnMostrar.h"
#include "shell/Programa.h"
#endif

namespace {

[[maybe_unused]] bool Definida(const char* variable) {
  const char* valor = std::getenv(variable);
  return valor != nullptr && *valor != '\0';
}

// Qt aborts when it finds no display; say it in one line instead. A chosen Qt
// platform (QT_QPA_PLATFORM=offscreen, vnc, ...) is trusted to need none.
[[maybe_unused]] bool HiHaPantalla() {
  return Definida("QT_QPA_PLATFORM") || Definida("DISPLAY") || Definida("WAYLAND_DISPLAY");
}

constexpr const char* kAjudaPractica =
    "\xC3\x9As: tirelo practica [--codi CODI]\n"
    "\n"
    "Obre la finestra de pr\xC3\xA0\x63tica: respon cada cas a la pantalla i el programa et diu si \xC3\xA9s\n"
    "correcte, correcte per\xC3\xB2 en una altra forma, o incorrecte.\n"
    "\n"
    "  --codi CODI   els exercicis del full d'aquest codi (el del peu del full), en ordre\n"
    "  --help        mostra aquesta ajuda\n"
    "\n"
    "Sense --codi, demana el tema, el subtipus, els casos i quants exercicis.\n";

// What `tirelo practica` was asked: a code, or none; nullopt after a help or an error,
// with the exit status in `sortida`.
std::optional<std::optional<tirelo::Practica>> LlegeixPractica(int argc, char** argv, int& sortida) {
  std::optional<std::string> codi;
  for (int i = 0; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kAjudaPractica, stdout);
      sortida = std::fflush(stdout) == 0 ? 0 : 1;
      return std::nullopt;
    }
    if (a == "--codi" && i + 1 < argc) {
      codi = argv[++i];
    } else if (a.starts_with("--codi=")) {
      codi = std::string(a.substr(7));
    } else {
      std::fprintf(stderr, "tirelo practica: opci\xC3\xB3 desconeguda o incompleta: %s (tirelo practica --help)\n",
                   argv[i]);
      sortida = 2;
      return std::nullopt;
    }
  }
  if (!codi) return std::optional<tirelo::Practica>{};
  auto llegit = tirelo::Practica::DelCodi(*codi);
  if (const auto* e = std::get_if<tirelo::ErrorCodi>(&llegit)) {
    std::fprintf(stderr, "tirelo practica: --codi \xC2\xAB%s\xC2\xBB: %s\n", codi->c_str(), e->missatge.c_str());
    sortida = 2;
    return std::nullopt;
  }
  return std::optional<tirelo::Practica>(std::move(std::get<tirelo::Practica>(llegit)));
}

}  // namespace

#if TIRELO_GUI

int ExecutaEscriptori(int argc, char** argv) {
  if (!HiHaPantalla()) {
    std::fputs(
        "tirelo: no s'ha trobat cap pantalla (ni DISPLAY ni WAYLAND_DISPLAY); \xC2\xABtirelo tradueix\xC2\xBB "
        "i les altres ordres funcionen sense pantalla.\n",
        stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tirelo"));
  QApplication::setDesktopFileName(QStringLiteral("cat.tirelo.Tirelo"));
  tirelo::gui::InstallaTraduccions(app);
  tirelo::gui::InterficieQt ui;
  tirelo::Programa prg(ui);  // seeded from the monotonic clock
  prg.sembraCadaFull = true;  // and again, with a sheet seed, for every batch it starts
  // The help file is looked for beside the program, then where it is installed:
  // relative to the program (a package installs under /usr, a build under
  // /usr/local), then the folder the build was configured for.
  const QString carpeta = QCoreApplication::applicationDirPath();
  prg.carpetesAjuda.emplace_back(carpeta.toStdString());
  prg.carpetesAjuda.emplace_back((carpeta + QStringLiteral("/../share/tirelo")).toStdString());
#ifdef TIRELO_DATADIR
  prg.carpetesAjuda.emplace_back(TIRELO_DATADIR);
#endif
  tirelo::gui::FPrincipal finestra(prg, ui);
  tirelo::gui::SurtEnMostrarSiCal(finestra);
  finestra.show();
  // A batch file named on the command line (the desktop entry passes it as %f).
  finestra.ObreArguments(QCoreApplication::arguments());
  return QApplication::exec();
}

int ExecutaPractica(int argc, char** argv) {
  int sortida = 0;
  auto demanada = LlegeixPractica(argc, argv, sortida);
  if (!demanada) return sortida;
  if (!HiHaPantalla()) {
    std::fputs("tirelo: no s'ha trobat cap pantalla (ni DISPLAY ni WAYLAND_DISPLAY) per a la pr\xC3\xA0\x63tica.\n",
               stderr);
    return 2;
  }
  int qargc = 1;
  char nom[] = "tirelo";
  char* qargv[] = {nom, nullptr};
  QApplication app(qargc, qargv);
  QApplication::setApplicationName(QStringLiteral("tirelo"));
  QApplication::setDesktopFileName(QStringLiteral("cat.tirelo.Tirelo.Practica"));
  QApplication::setQuitOnLastWindowClosed(false);
  tirelo::gui::InstallaTraduccions(app);
  // Start-up timing and the tests: end once the first window is painted.
  const char* surt = std::getenv("TIRELO_SURT_EN_MOSTRAR");
  if (surt != nullptr && *surt != '\0') app.installEventFilter(new tirelo::gui::SortidaEnPintar(&app));
  QTimer::singleShot(0, &app, [&demanada] {
    if (*demanada) {
      tirelo::gui::ObrePractica(nullptr, std::move(**demanada));
    } else {
      tirelo::gui::NovaPractica(nullptr);
    }
    QCoreApplication::quit();
  });
  return QApplication::exec();
}

#else

int ExecutaPractica(int argc, char** argv) {
  int sortida = 0;
  if (!LlegeixPractica(argc, argv, sortida)) return sortida;
  std::fputs("tirelo: aquesta compilaci\xC3\xB3 no porta el programa d'escriptori.\n", stderr);
  return 2;
}

int ExecutaEscriptori(int, char**) {
  std::fputs("tirelo: aquesta compilaci\xC3\xB3 no porta el programa d'escriptori.\n", stderr);
  return 2;
}

#endif
