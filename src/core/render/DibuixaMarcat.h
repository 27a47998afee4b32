// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Draws exercise markup on the screen text module, for the editor's preview. The
// preview approximates the document: it understands the markup characters and the
// commands that move the pen, and draws the RTF that texts embed ("\tab", "\line",
// "\'hh", "{\super ...}") as the one markup reader reads it (document/Matematiques.h).
#include <string_view>

#include "render/Pantalla.h"

namespace tirelo {

inline constexpr int AvancLinia = 16;         // CR, "\line" and word wrap
inline constexpr int LlindarSalt = 90;        // wrap at a space once more characters are on the line
inline constexpr int PasTabulador = 20;       // "#T", one unit of "#0".."#9", one tab of "#F"
inline constexpr int AmpladaSuposada = 7;     // fraction and root bars, centring
inline constexpr int EspaisTabRtf = 8;        // "\tab" on screen

// Draws the text with its first line's top-left corner at (x, y); every new line
// starts again at x. Leaves the pen at the end of the last line drawn, so the next
// block goes at PosY() + AvancLinia.
void DibuixaMarcat(Pantalla& p, int x, int y, std::string_view text);

}  // namespace tirelo
