// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Settings of the Qt application that every window relies on.
class QApplication;

namespace tirelo::gui {

// Catalan for Qt's own texts (the edit fields' context menus, standard dialogs), from
// Qt's translations when they are installed, and Catalan number formats.
void InstallaTraduccions(QApplication& app);

}  // namespace tirelo::gui
