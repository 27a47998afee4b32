// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Renders the program icon into the PNG sizes a desktop looks for:
//   tirelo_icones <folder> 16 32 48 ...  writes <folder>/hicolor/<n>x<n>/apps/tirelo.png
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "gui/shell/Icona.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fputs("\xC3\xBA" "s: tirelo_icones <carpeta> <mida>...\n", stderr);
    return 2;
  }
  const QString carpeta = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int costat = QString::fromLatin1(argv[i]).toInt();
    const QString cami = QStringLiteral("%1/hicolor/%2x%2/apps").arg(carpeta).arg(costat);
    if (costat <= 0 || !QDir().mkpath(cami) ||
        !tirelo::gui::ImatgeIcona(costat).save(cami + QStringLiteral("/tirelo.png"))) {
      std::fprintf(stderr, "tirelo_icones: no s'ha pogut escriure %s\n", qPrintable(cami));
      return 1;
    }
  }
  return 0;
}
