// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/IgualtatsNotables.h"

#include <numeric>
#include <vector>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "topics/Casos.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

// The pool of constants of subtypes 2 and 3 by level: 1..9, 1..12, 1..15.
int MidaReserva(int nivell) { return PerNivell(nivell, 9, 12, 15); }

Cas CasQuadratBinomi(ContextGenerador& ctx) {
  const Binomi b = AleatBinomiNivell(ctx.aleatori, ctx.nivell);
  const std::string binomi = TxtCoef(b.k1, b.p1) + TxtCoefSig(b.k2, b.p2);
  // The middle term keeps the letters in draw order: x then a gives xa.
  const std::string expansio = TxtCoef(b.k1 * b.k1, Quadrat(b.p1)) +
                               TxtCoefSig(2 * b.k1 * b.k2, b.p1 + b.p2) +
                               TxtCoefSig(b.k2 * b.k2, Quadrat(b.p2));
  return {" (" + binomi + ")\xB2", expansio};
}

// Draws the constants of one exercise out of the pool and writes each case as the
// product (x+a)(x-a) and the expansion x²-a², the product first when
// producteAlEnunciat, the expansion first otherwise. At level 3 x carries a
// coefficient k in 2..5 prime to a: (kx+a)(kx-a) and k²x²-a².
Generat EscriuProductesIExpansions(ContextGenerador& ctx, std::string_view capcalera, bool producteAlEnunciat) {
  const int mida = MidaReserva(ctx.nivell);
  if (ctx.nombreCasos > mida) ctx.nombreCasos = mida;
  std::vector<int32_t> reserva(static_cast<std::size_t>(mida));
  std::iota(reserva.begin(), reserva.end(), 1);
  return EscriuCasos(ctx, capcalera, [&reserva, producteAlEnunciat](ContextGenerador& p) {
    const auto pos = static_cast<std::size_t>(p.Random(static_cast<int32_t>(reserva.size())));
    const int32_t a = reserva[pos];
    reserva.erase(reserva.begin() + static_cast<std::ptrdiff_t>(pos));
    int32_t k = 1;
    if (p.nivell >= kNivellMaxim) {
      do k = p.Random(4) + 2; while (Mcd(k, a) != 1);
    }
    const std::string kx = TxtCoef(k, "x");
    std::string producte = "(" + kx + "+" + TxtEnter(a) + ")(" + kx + "-" + TxtEnter(a) + ")";
    std::string expansio = TxtCoef(k * k, "x\xB2") + "-" + TxtEnter(a * a);
    if (producteAlEnunciat) return Cas{std::move(producte), std::move(expansio)};
    return Cas{std::move(expansio), std::move(producte)};
  });
}

}  // namespace

ResultatGenerador GeneraIgualtats(ContextGenerador& ctx, int subtipus) {
  switch (subtipus) {
    case 1: return Fet(GenQuadratBinomi(ctx));
    case 2: return Fet(GenSumaPerDiferencia(ctx));
    case 3: return Fet(GenDiferenciaQuadrats(ctx));
    default: return SubtipusDesconegut();
  }
}

Generat GenQuadratBinomi(ContextGenerador& ctx) { return EscriuCasos(ctx, "Calcula:   ", CasQuadratBinomi); }

Generat GenSumaPerDiferencia(ContextGenerador& ctx) { return EscriuProductesIExpansions(ctx, "Calcula:   ", true); }

Generat GenDiferenciaQuadrats(ContextGenerador& ctx) {
  return EscriuProductesIExpansions(ctx, "Descompon:    ", false);
}

}  // namespace tirelo
