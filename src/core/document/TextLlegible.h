// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Exercise markup as plain readable text in the linear notation, for the editor
// preview's accessible text: written from the text's mathematics
// (document/Matematiques.h) by the writer of the readable line (document/TextLinia.h).
// Scripts as "x^2", "x^(n+1)", "a_1", a fraction "num/den" with a compound part in
// parentheses, a root "arrel(x)" or "arrel(x; 3)", "#&" the word "infinit". Paragraphs
// and the equations of a system become lines separated by '\n'; blanks are folded to
// one, lines trimmed, empty lines dropped. The result is Windows-1252, like the markup.
//   TextLlegible("#B(Calcula:)#T x^2 + #F(1/2)") -> "Calcula: x^2 + 1/2"
#include <string>
#include <string_view>

namespace tirelo {

std::string TextLlegible(std::string_view marcat);

}  // namespace tirelo
