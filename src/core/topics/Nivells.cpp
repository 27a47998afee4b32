// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Nivells.h"

#include <cstddef>

namespace tirelo {

int32_t AleatNoNulNivell(FontAleatoria& rnd, int nivell, int32_t m) {
  if (nivell <= kNivellMinim) return rnd.Random(m) + 1;
  if (nivell == kNivellHabitual) return AleatNoNul(rnd, static_cast<uint8_t>(m));
  return AleatNoNulMeitat(rnd, m);
}

Binomi AleatBinomiNivell(FontAleatoria& rnd, int nivell) {
  // A threshold of 10 is never reached by a draw of 0..9: no negatives.
  return AleatBinomi(rnd, PerNivell(nivell, 2, 3, 5), PerNivell(nivell, 10, 8, 5));
}

namespace {

struct NivellsSubtipus {
  int tema, subtipus;
  std::array<std::string_view, 3> nivells;
};

// Levels 1, 2 and 3 of every subtype, in catalogue order (docs/nivells.md has the ranges).
constexpr NivellsSubtipus kNivells[] = {
    {1, 1, {"fins a 132", "fins a 2.232", "fins a 8.784, més factors"}},
    {1, 2, {"nombres fins a 50", "nombres fins a 160", "nombres fins a 390"}},
    {2, 1, {"coeficients 1 i 2, positius", "coeficients fins a 3, algun negatiu",
            "coeficients fins a 5, negatius"}},
    {2, 2, {"constants fins a 9", "constants fins a 12", "constants fins a 15 i coeficient a la x"}},
    {2, 3, {"constants fins a 9", "constants fins a 12", "constants fins a 15 i coeficient a la x"}},
    {3, 1, {"nombres petits", "factor comú fins a 4", "factor comú fins a 7, nombres més grans"}},
    {3, 2, {"denominadors fins a 6", "denominadors fins a 9", "denominadors fins a 19 amb factor comú"}},
    {3, 3, {"denominadors fins a 6", "denominadors fins a 9", "denominadors fins a 19 amb factor comú"}},
    {3, 4, {"denominadors fins a 6", "denominadors fins a 9", "nombres fins a 19"}},
    {3, 5, {"denominadors fins a 6", "denominadors fins a 9", "nombres fins a 19"}},
    {4, 1, {"exponents 1 a 4, positius", "exponents fins a 5, algun negatiu",
            "exponents fins a 9, negatius"}},
    {4, 2, {"exponents 1 a 4, positius", "exponents fins a 5, algun negatiu",
            "exponents fins a 9, negatius"}},
    {4, 3, {"exponents 2 a 4", "exponents 2 a 6", "exponents fins a 8, negatius"}},
    {4, 4, {"exponents 2 a 4", "exponents 2 a 6", "exponents fins a 8, negatius"}},
    {4, 5, {"exponents 2 a 4", "exponents 2 a 6", "exponents fins a 8, negatius"}},
    {5, 1, {"radicands fins a 9", "radicands fins a 21", "radicands fins a 41"}},
    {5, 2, {"índexs 3 i 4, radicands fins a 9", "índexs 3 a 6, radicands fins a 21",
            "índexs 4 a 8, radicands fins a 41"}},
    {5, 3, {"radicands fins a 9", "radicands fins a 21", "radicands fins a 41, enters fins a 12"}},
    {6, 1, {"2 o 3 factors", "3 a 5 factors", "5 a 7 factors"}},
    {6, 2, {"2 termes, coeficients fins a 5", "2 o 3 termes, fins a 9", "3 o 4 termes, fins a 12, negatius"}},
    {6, 3, {"2 termes, coeficients fins a 5", "2 o 3 termes, fins a 9", "3 o 4 termes, fins a 12, negatius"}},
    {6, 4, {"coeficients 1 i 2, positius", "coeficients fins a 3, algun negatiu",
            "coeficients fins a 5, negatius"}},
    {6, 5, {"coeficients fins a 5", "coeficients fins a 9", "coeficients fins a 12, negatius"}},
    {7, 1, {"xifres rodones, fins a 100 €", "preus de 90 a 189 €", "preus fins a 999 €, % qualsevol"}},
    {7, 2, {"xifres rodones, fins a 100 €", "preus de 90 a 189 €", "preus fins a 999 €, % qualsevol"}},
    {7, 3, {"xifres rodones, fins a 100 €", "preus de 90 a 189 €", "preus fins a 999 €, % qualsevol"}},
    {7, 4, {"xifres rodones, fins a 100 €", "preus de 90 a 189 €", "preus fins a 999 €, % qualsevol"}},
    {7, 5, {"xifres rodones, fins a 100 €", "preus de 90 a 189 €", "preus fins a 999 €, % qualsevol"}},
    {7, 6, {"xifres rodones, fins a 100 €", "preus de 90 a 189 €", "preus fins a 999 €, % qualsevol"}},
    {8, 1, {"nombres 1 a 5, positius", "nombres fins a 9, algun negatiu", "nombres fins a 12, negatius"}},
    {8, 2, {"solucions fins a 5", "solucions fins a 9", "solucions fins a 12"}},
    {8, 3, {"solucions fins a 5", "solucions fins a 9", "solucions fins a 12"}},
    {8, 4, {"nombres 1 a 5, positius", "nombres fins a 9, algun negatiu", "nombres fins a 12, negatius"}},
    {9, 1, {"pendent 1 o 2, punts positius", "pendent i punts fins a 3", "pendent i punts fins a 6"}},
    {9, 2, {"pendent 1 o 2, punts positius", "pendent i punts fins a 3", "pendent i punts fins a 6"}},
    {9, 3, {"vèrtex 0 a 2, obertura positiva", "vèrtex -3 a 3", "vèrtex -5 a 5, coeficients més grans"}},
    {9, 4, {"vèrtex 0 a 2, obertura positiva", "vèrtex -3 a 3", "vèrtex -5 a 5, coeficients més grans"}},
    {9, 5, {"vèrtex 0 a 2, obertura positiva", "vèrtex -3 a 3", "vèrtex -5 a 5, coeficients més grans"}},
};

}  // namespace

std::array<std::string_view, 3> DescripcioNivells(int tema, int subtipus) {
  for (const NivellsSubtipus& n : kNivells) {
    if (n.tema == tema && n.subtipus == subtipus) return n.nivells;
  }
  return {};
}

}  // namespace tirelo
