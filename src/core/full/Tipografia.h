// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The typesetter: lays out the mathematics of one exercise text (document/Matematiques.h)
// at a given width, measuring through `MetriquesLletra`, with the mathematics face's
// MATH constants (full/ConstantsMath.h). Prose in the text face, variables in its
// italic; numbers and operators in the mathematical face, with a true minus sign
// (U+2212) and "·" for products; atoms spaced by class from TeX's table; fractions in
// display style on the maths axis with a rule as wide as the wider part, both parts
// centred; roots with the face's radical sign "√" (for a tall radicand, the face's taller
// variant or a sign built from its parts, glyphs by number: ElementFull::glif, as tall
// brackets are), a
// bar over the radicand and the index small in the crook; scripts shifted as the table
// says, measured on ink; a system as lines aligned on their "=" under a left brace.
// Lines break only between cases or between words of prose, never inside an
// expression or a case, nor right after a case label or "="; cases stand a quad apart.
// Baselines keep the text's leading unless ink needs more. The typesetter lays the
// lines out itself, not the markup's tab stops: a line of mathematics after an
// instruction ("Calcula:") follows it inline where it fits and starts the next line
// where it does not; a run of tab stops between two pieces is one quad, and none at
// the start of a line.
//
//   BlocTipografiat b = Tipografia(LlegeixMatematiques("Calcula: a) 3/4"), 400, metriques);
//   // b.elements: "Calcula:", "a)", "3", the rule, "4", relative to the block's top-left
#include <vector>

#include "document/Model.h"
#include "full/Full.h"

namespace tirelo {

// A laid-out text: its elements relative to its top-left corner, the baseline of each
// of its lines, and the bottom of each (where a block taller than a page may be cut).
struct BlocTipografiat {
  double amplada = 0;
  double alcada = 0;
  std::vector<ElementFull> elements;
  std::vector<double> bases;
  std::vector<double> finals;
};

// The size of a text's body and the style it starts in (a label's bold, say).
BlocTipografiat Tipografia(const Model& matematiques, double amplada, const MetriquesLletra& metriques,
                           const LletraFull& lletra = {});

// The line filler every text of a sheet is broken with (a text's lines, the title's,
// the footer's code): pieces laid greedily, each line as full as `amplada` allows, a
// piece wider than a line alone on its own; then a last line that would hold one lone
// short piece takes the previous line's last piece along. Returns where each line
// starts (the first is 0). A piece may start a line only when `potTallar`; the blank
// before a piece counts only inside a line.
struct PecaLinia {
  double amplada = 0;
  double espaiAbans = 0;
  bool potTallar = true;
};
std::vector<std::size_t> OmpleLinies(const std::vector<PecaLinia>& peces, double amplada, double sagnat = 0);

// The element moved by (dx, dy).
void Desplaca(ElementFull& e, double dx, double dy);

}  // namespace tirelo
