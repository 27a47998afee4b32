// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Worked solutions: the steps a teacher writes on the board between a drawn case and
// its answer, each an expression with a few Catalan words that say what was done
// (Windows-1252). They are built from the case's own mathematics, the trees of its
// statement and its answer, after the draw: they take nothing from the random source,
// so the same seed gives the same exercise with or without them. A step that lists
// equations in two or more unknowns is a system (an Equacions node).
//
// Every step is either equivalent to the last step that was not a side fact (the same
// value, or the same solution set), or a side fact that holds on its own (an equality
// of two equal numbers: the discriminant, a factorisation, a slope), or, after a list
// of coefficient values, the general form stated earlier with those values put in.
// The last step is the answer.
//   Resolucio(3, 1, apartat "24/36" -> "2/3")
//     -> { "(24:12)/(36:12)" "El mcd(24, 36) és 12: dividim dalt i baix per 12", "2/3" "" }
#include <vector>

#include "document/Expressio.h"

namespace tirelo {

// The worked solution of one case of subtype `subtipus` of topic `tema` (catalogue
// numbers); empty for a topic or subtype the catalogue does not have, or a case whose
// mathematics is not the shape its subtype draws (typed by hand).
std::vector<Pas> Resolucio(int tema, int subtipus, const Apartat& apartat);

// Every case's worked solution, put in its `passos`.
void PosaResolucions(int tema, int subtipus, std::vector<Apartat>& apartats);

}  // namespace tirelo
