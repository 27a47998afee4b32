// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The mathematics of an exercise text, made explicit for the outputs that typeset it
// (the sheet composer, the LaTeX writer). The text's model (document/Model.h) keeps
// the markup as it was written; this one says what it means:
//   - numbers, letters as variables, operators and signs, bracketed groups;
//   - powers and indices with their contents as children ("a^-^1" is one power "-1",
//     "x" followed by the byte 0xB2 is "x" squared);
//   - fractions (Fraccio with two Expressio children) written with "#F", stacked by
//     hand on three lines (numerators, a line of dash bars, denominators), or inline
//     "a/b" between operands written next to each other (numbers, letters, powers,
//     roots, bracketed groups, fractions);
//   - roots (Arrel) written with "#R" or "R_n(...)", the index as an IndexArrel child;
//   - systems (Equacions): the indented "#8 " lines that hold an "=", and "#M";
//   - labelled cases "a) ..." (Cas) up to the next label or the end of the line;
//   - prose as text runs (Tros): words, blanks folded to one, punctuation.
// Lines stay apart (Paragraf), empty lines go, tab stops at the very start go (the text
// follows its label on a sheet), and raw RTF is read (escaped
// characters, "\tab", "\line"). The roots topic's note on its notation
// ("(Nota: R_n() =arrel enèssima)") goes: a typeset root needs none.
//
//   LlegeixMatematiques("Calcula: a) 3/4") ->
//     Contingut{ Tros "Calcula:", Tros " ", Cas "a)" { Expressio{ Fraccio{ 3, 4 } } } }
#include <cstddef>
#include <string_view>
#include <vector>

#include "document/Model.h"

namespace tirelo {

// Never fails: every model has a mathematics, if only prose.
Model Matematiques(const Model& marcat);
Model LlegeixMatematiques(std::string_view marcat);

// What the outputs that set mathematics share:
// "=", "<", ">" and the arrow "->".
bool EsRelacio(std::string_view op);
// Where a line of a system is aligned: its first relation; 0 when it has none.
std::size_t PrimeraRelacio(const Model& m, const Peca& linia);
// Whether the blank at position k of an expression's children shows: operators bring
// their own room, except that a blank after a separator ("x= -3, y= 5") keeps it, and
// a blank at either end (a part of a system line ends at its relation) shows nothing.
bool BlancVisible(const Model& m, const std::vector<std::size_t>& fills, std::size_t k);

}  // namespace tirelo
