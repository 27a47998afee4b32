// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// An exercise text as one readable line of Unicode (UTF-8), made from its model, for
// the batch list and the JSON: scripts as raised and lowered characters ("x²", "x₁")
// where Unicode has them, fractions as "a/b" with compound parts in parentheses,
// roots with "√", "#&" as "∞", systems of equations on one line joined by "; ".
// Embedded RTF, tab stops, indents and the blank padding of stacked layouts go;
// paragraphs join with a blank, blanks fold to one.
//
// Texts written before the model knew fractions and roots lay them out by hand; they
// read the same way: three lines whose middle one is only bars of dashes are
// fractions ("2" / "---" / "3" is "2/3", column by column when the bar line holds
// several), and "R_n(...)" is a root of index n.
//   TextLinia("Calcula: x^2 + #F(1/x+1)") -> "Calcula: x² + 1/(x+1)"
#include <string>
#include <string_view>

namespace tirelo {

std::string TextLinia(std::string_view marcat);

}  // namespace tirelo
