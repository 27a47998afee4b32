// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: algebraic operations. Drill on monomials and polynomials: reduce a product
// to one monomial, take out a common factor, remove parentheses, multiply two
// binomials, simplify an algebraic fraction. Every exercise is built backwards from
// drawn factors, so statement and answer always agree.
#include <string>

namespace tirelo {

struct Programa;

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h);
// other subtypes write nothing.
void GeneraOperacions(Programa& prg, int subtipus);

// The generators write the exercise under construction and set its ready flag.
void GenRedueixTerme(Programa& prg);                  // subtype 1, N cases
void GenFactorComu(Programa& prg, int subtipus);      // 2: take out the factor; 3: expand
void GenProducteBinomis(Programa& prg);               // subtype 4
void GenFraccioAlgebraica(Programa& prg);             // subtype 5

// A random common-factor polynomial k·L·(c1v1 + c2v2 [+ c3v3]), k in +-2..9 times
// the inner coefficients' common factor.
struct FactorComu {
  int k = 0;
  char lletra = 0;     // L
  std::string M;       // k followed by L, e.g. "6x"
  std::string P;       // the inner polynomial, e.g. "2a-5b"
  std::string E;       // the expanded polynomial, e.g. "12xa-30xb"
};
FactorComu FactorComuAleat(Programa& prg);

}  // namespace tirelo
