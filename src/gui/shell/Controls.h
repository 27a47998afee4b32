// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Controls carry their command number, as the program's windows identify them.
class QWidget;

namespace tirelo::gui {

void PosaOrdre(QWidget* control, int ordre);
// The direct child of pare that carries the command number; nullptr when none does.
QWidget* ControlAmbOrdre(const QWidget* pare, int ordre);

}  // namespace tirelo::gui
