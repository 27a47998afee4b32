// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: algebraic operations. Drill on monomials and polynomials: reduce a product
// to one monomial, take out a common factor, remove parentheses, multiply two
// binomials, simplify an algebraic fraction. Every exercise is built backwards from
// drawn factors, so statement and answer always agree.
#include <string>

#include "topics/Generador.h"

namespace tirelo {

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h).
ResultatGenerador GeneraOperacions(ContextGenerador& ctx, int subtipus);

Generat GenRedueixTerme(ContextGenerador& ctx);                  // subtype 1, N cases
Generat GenFactorComu(ContextGenerador& ctx, int subtipus);      // 2: take out the factor; 3: expand
Generat GenProducteBinomis(ContextGenerador& ctx);               // subtype 4
Generat GenFraccioAlgebraica(ContextGenerador& ctx);             // subtype 5

// A random common-factor polynomial k·L·(c1v1 + c2v2 [+ c3v3]), k in +-2..9 times
// the inner coefficients' common factor.
struct FactorComu {
  int k = 0;
  char lletra = 0;     // L
  std::string M;       // k followed by L, e.g. "6x"
  std::string P;       // the inner polynomial, e.g. "2a-5b"
  std::string E;       // the expanded polynomial, e.g. "12xa-30xb"
};
FactorComu FactorComuAleat(ContextGenerador& ctx);

}  // namespace tirelo
