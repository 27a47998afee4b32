// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The program icon IcPrg, drawn from resources/icons/tirelo.svg.
#include <QIcon>
#include <QImage>

namespace tirelo::gui {

// The icon of every window: the picture rendered at 16, 24, 32, 48 and 64 pixels.
QIcon IconaPrograma();
// The picture rendered as a square image of the given side, transparent around it.
QImage ImatgeIcona(int costat);

}  // namespace tirelo::gui
