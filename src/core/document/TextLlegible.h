// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Exercise markup as plain readable text, for what a screen reader says and a braille
// display shows: the markup's codes and embedded RTF go, what the document shows stays.
// Scripts keep the linear notation ("x^2", "x^(n+1)", "a_1"), a fraction becomes
// "num/den" with a compound part in parentheses, a root "arrel(...)", "#&" the word
// "infinit". Paragraph and line breaks become '\n'; blanks are folded to one, lines
// trimmed, empty lines dropped. The result is Windows-1252, like the markup.
//   TextLlegible("#B(Calcula:)#T x^2 + #F(1/2)") -> "Calcula: x^2 + 1/2"
// It is written from the text's model by the writer of the readable line
// (document/TextLinia.h), in its linear notation.
#include <string>
#include <string_view>

namespace tirelo {

std::string TextLlegible(std::string_view marcat);

}  // namespace tirelo
