// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Divisors.h"

#include <cmath>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "topics/Casos.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

void AfegeixFactor(Frase& text, int32_t primer, int exponent) {
  if (!text.Buida()) text += "\xB7";
  text += TxtEnter(primer);
  if (exponent > 1) text += Frase::Exponent(TxtEnter(exponent));  // one "^" per digit: 2^1^0 for 1024
}

// 2^r·3^s·q: r below 3, 4 or 5 and s below 2, 3 or 3, q in 2..11, 2..31 or 2..61 by level.
Cas CasDescomposicio(ContextGenerador& ctx) {
  const int nv = ctx.nivell;
  const int32_t r = ctx.Random(PerNivell(nv, 3, 4, 5));
  const int32_t s = ctx.Random(PerNivell(nv, 2, 3, 3));
  const int32_t q = ctx.Random(PerNivell(nv, 10, 30, 60)) + 2;
  const int32_t n = PotEntera(2, static_cast<uint16_t>(r)) * PotEntera(3, static_cast<uint16_t>(s)) * q;
  return {TxtEnter(n), TxtDescomposicio(n)};
}

// Two different multiples of one factor f: f in 1..5, 1..8 or 2..13 and the
// multipliers in 1..10, 1..20 or 1..30 by level.
Cas CasMcdMcm(ContextGenerador& ctx) {
  const int nv = ctx.nivell;
  const int32_t multiplicador = PerNivell(nv, 10, 20, 30);
  const int32_t f = ctx.Random(PerNivell(nv, 5, 8, 12)) + PerNivell(nv, 1, 1, 2);
  const int32_t x = f * (ctx.Random(multiplicador) + 1);
  int32_t y = 0;
  do {
    y = f * (ctx.Random(multiplicador) + 1);
  } while (y == x);
  return {TxtEnter(x) + " i " + TxtEnter(y),
          "mcd= " + TxtEnter(Mcd(x, y)) + ", MCM= " + TxtEnter(Mcm(x, y))};
}

}  // namespace

ResultatGenerador GeneraDivisors(ContextGenerador& ctx, int subtipus) {
  if (subtipus == 1) return Fet(GenDescomposicio(ctx));
  if (subtipus == 2) return Fet(GenMcdMcm(ctx));
  return SubtipusDesconegut();
}

Frase TxtDescomposicio(int32_t n) {
  // Trial division up to the integer nearest to the square root of n: whatever is
  // left above 1 afterwards has no factor up to that bound, so it is one prime.
  const auto limit = static_cast<int32_t>(std::lround(std::sqrt(static_cast<double>(n))));
  int32_t resta = n;
  Frase text;
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

Generat GenDescomposicio(ContextGenerador& ctx) { return EscriuCasos(ctx, "Descompon factorialment: ", CasDescomposicio); }

Generat GenMcdMcm(ContextGenerador& ctx) { return EscriuCasos(ctx, "Troba el mcd i el MCM de: ", CasMcdMcm); }

}  // namespace tirelo
