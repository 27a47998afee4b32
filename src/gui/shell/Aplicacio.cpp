// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/Aplicacio.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tirelo::gui {

void InstallaTraduccions(QApplication& app) {
  const QLocale catala(QLocale::Catalan, QLocale::Spain);
  QLocale::setDefault(catala);
  auto* traductor = new QTranslator(&app);
  if (traductor->load(catala, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(traductor);
  } else {
    delete traductor;  // without them Qt's few own texts stay in English
  }
}

}  // namespace tirelo::gui
