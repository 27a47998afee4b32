// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The program's linear notation (docs/notacio.md): mathematics on one line of Unicode
// text, as the JSON writes it and as a pupil types it. Decimal comma, "·" for a written
// product, "/" with brackets where needed, "^" for powers, "√" and "arrel(radicand;
// index)" for roots, "; " between equations, points or solutions, points as "(2, 7)",
// units "€" and "%".
//
// Both ends speak UTF-8; the expression's texts inside stay Windows-1252, as every
// exercise text.
//   EscriuNotacio(Expressio::Llegeix("#F(x+1/2)"))  -> "(x+1)/2"
//   LlegeixNotacio("2x² − 3x")                       -> Expressio{ 2, x, ^(2), -, 3, x }
//   LlegeixNotacio("2+*3").error->missatge           -> "Falta un nombre o una lletra ..."
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/Expressio.h"

namespace tirelo {

// The expression in the linear notation (UTF-8). Prose runs and units are written as
// they are, converted to UTF-8.
std::string EscriuNotacio(const Expressio& e);
// One node of a model and what it holds.
std::string EscriuNotacio(const Model& m, std::size_t peca);

// Where and why a text is not in the notation.
struct ErrorNotacio {
  std::size_t posicio = 0;  // in characters (code points) from the start, 0-based
  std::string missatge;     // a Catalan sentence (UTF-8) that names the place
};

struct LecturaNotacio {
  Expressio expressio;                // the tree read, with the reader's shapes; empty on error
  std::optional<ErrorNotacio> error;  // set when the text could not be read
  bool Llegida() const { return !error.has_value(); }
};

// Reads a text in the notation, tolerant as a pupil types (docs/notacio.md lists every
// form it accepts). The input is UTF-8; a byte sequence that is not UTF-8 is an error.
// The tree is a Contingut whose single child is one Expressio stretch: numbers
// (decimal point inside, as the model keeps them), letters as variables, words ("mcd",
// "MCM") and units as text runs, operators ("+", "-", "=", "<", ">", "·", ":", ",",
// ";"), bracketed groups, fractions made from "/" between operands written next to
// it, powers and indices holding their contents, roots with their index.
LecturaNotacio LlegeixNotacio(std::string_view utf8);

}  // namespace tirelo
