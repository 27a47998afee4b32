// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Divisors.h"

#include <cmath>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "shell/Programa.h"
#include "topics/Casos.h"

namespace tirelo {

namespace {

void AfegeixFactor(std::string& text, int32_t primer, int exponent) {
  if (!text.empty()) text += '\xB7';
  text += TxtEnter(primer);
  if (exponent > 1) text += ExpSup(exponent);  // one "^" per digit: 2^1^0 for 1024
}

Cas CasDescomposicio(Programa& prg) {
  const int32_t r = prg.Random(4);
  const int32_t s = prg.Random(3);
  const int32_t q = prg.Random(30) + 2;
  const int32_t n = PotEntera(2, static_cast<uint16_t>(r)) * PotEntera(3, static_cast<uint16_t>(s)) * q;
  return {TxtEnter(n), TxtDescomposicio(n)};
}

Cas CasMcdMcm(Programa& prg) {
  const int32_t f = prg.Random(8) + 1;
  const int32_t x = f * (prg.Random(20) + 1);
  int32_t y = 0;
  do {
    y = f * (prg.Random(20) + 1);
  } while (y == x);
  return {TxtEnter(x) + " i " + TxtEnter(y),
          "mcd= " + TxtEnter(Mcd(x, y)) + ", MCM= " + TxtEnter(Mcm(x, y))};
}

}  // namespace

void GeneraDivisors(Programa& prg, int subtipus) {
  if (subtipus == 1) GenDescomposicio(prg);
  if (subtipus == 2) GenMcdMcm(prg);
}

std::string TxtDescomposicio(int32_t n) {
  // Trial division up to the integer nearest to the square root of n: whatever is
  // left above 1 afterwards has no factor up to that bound, so it is one prime.
  const auto limit = static_cast<int32_t>(std::lround(std::sqrt(static_cast<double>(n))));
  int32_t resta = n;
  std::string text;
  for (int32_t p = 2; p <= limit; ++p) {
    int exponent = 0;
    while (resta % p == 0) {
      resta /= p;
      ++exponent;
    }
    if (exponent > 0) AfegeixFactor(text, p, exponent);
  }
  if (resta > 1) AfegeixFactor(text, resta, 1);
  return text;
}

void GenDescomposicio(Programa& prg) { EscriuCasos(prg, "Descompon factorialment: ", CasDescomposicio); }

void GenMcdMcm(Programa& prg) { EscriuCasos(prg, "Troba el mcd i el MCM de: ", CasMcdMcm); }

}  // namespace tirelo
