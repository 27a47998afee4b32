// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/Controls.h"

#include <QVariant>
#include <QWidget>

namespace tirelo::gui {

namespace {
constexpr const char* kOrdre = "ordre";
}

void PosaOrdre(QWidget* control, int ordre) { control->setProperty(kOrdre, ordre); }

QWidget* ControlAmbOrdre(const QWidget* pare, int ordre) {
  for (QWidget* fill : pare->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (fill->property(kOrdre).toInt() == ordre) return fill;
  }
  return nullptr;
}

}  // namespace tirelo::gui
