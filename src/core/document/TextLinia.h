// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// An exercise text as one readable line of Unicode (UTF-8), written from the text's
// mathematics (document/Matematiques.h) for the batch list, what a screen reader says
// of its lines, and the JSON: scripts as raised and lowered characters ("x²", "x₁")
// where Unicode has them, fractions as "a/b" with compound parts in parentheses,
// roots with "√", "∛", "∜", "#&" as "∞", systems of equations on one line joined by
// "; ". Embedded RTF, tab stops and indents go; paragraphs join with a blank, blanks
// fold to one. Fractions stacked by hand, "R_n(...)" roots and "{\super ...}" read as
// the mathematics they are, because the reader reads them so; this writer parses
// nothing.
//   TextLinia("Calcula: x^2 + #F(1/x+1)") -> "Calcula: x² + 1/(x+1)"
#include <string>
#include <string_view>

namespace tirelo {

std::string TextLinia(std::string_view marcat);

}  // namespace tirelo
