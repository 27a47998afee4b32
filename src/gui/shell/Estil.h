// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Colours and the font shared by the program's windows.
#include <QColor>
#include <QFont>

namespace tirelo::gui {

// Background of the main window: a medium blue.
inline QColor ColorPrincipal() { return QColor(26, 94, 202); }
// Background of every secondary window but the About window.
inline QColor ColorSecundari() { return QColor(236, 233, 216); }
// The "Lot exercicis:" label while the batch is empty.
inline QColor ColorLotBuit() { return QColor(200, 150, 160); }

// The font of controls and painted labels: small enough for the fixed control sizes.
QFont LletraFinestres();

}  // namespace tirelo::gui
