// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "Escriptori.h"

#include <cstdio>
#include <cstdlib>

#if TIRELO_GUI
#include <QApplication>

#include "gui/shell/Aplicacio.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/InterficieQt.h"
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

#else

int ExecutaEscriptori(int, char**) {
  std::fputs("tirelo: aquesta compilaci\xC3\xB3 no porta el programa d'escriptori.\n", stderr);
  return 2;
}

#endif
