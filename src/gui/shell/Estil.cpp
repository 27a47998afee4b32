// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/Estil.h"

#include <QApplication>

namespace tirelo::gui {

QFont LletraFinestres() {
  // A pixel size, not a point size: the controls have fixed pixel sizes, so the
  // text must not grow with the screen's dots per inch.
  QFont lletra = QApplication::font();
  lletra.setPixelSize(12);
  return lletra;
}

}  // namespace tirelo::gui
