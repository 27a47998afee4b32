// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Arrels.h"

#include <string>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "topics/Casos.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

// One case: the denominator as written in the statement, the root part of the
// rationalised numerator, and the denominator once rationalised.
struct Denominador {
  Frase text;
  Frase conjugat;
  int32_t racional = 1;
};

// The whole part w of subtype 3 is 4..6, 5..8 or 7..12 by level, always above the
// root of the largest radicand (9, 21 or 41), so w² - b stays positive. The index of
// subtype 2 is 3..4, 3..6 or 4..8.
Denominador DenominadorDeCas(ContextGenerador& ctx, int subtipus, int32_t b) {
  const Frase radicand = TxtEnter(b);
  const int nv = ctx.nivell;
  if (subtipus == 3) {
    const int32_t w = ctx.Random(PerNivell(nv, 3, 4, 6)) + PerNivell(nv, 4, 5, 7);
    const Frase arrel = Frase::ArrelIndex(2, radicand);
    return {"(" + TxtEnter(w) + "+" + arrel + ")", "(" + TxtEnter(w) + "-" + arrel + ")", w * w - b};
  }
  if (subtipus == 2) {
    const int32_t n = ctx.Random(PerNivell(nv, 2, 4, 5)) + PerNivell(nv, 3, 3, 4);
    return {Frase::ArrelIndex(n, radicand),
            " " + Frase::ArrelIndex(n, radicand + Frase::Potencia(TxtEnter(n - 1))), b};
  }
  return {Frase::ArrelIndex(2, radicand), " " + Frase::ArrelIndex(2, radicand), b};
}

}  // namespace


ResultatGenerador GenRacionalitzacio(ContextGenerador& ctx, int subtipus) {
  if (subtipus < 1 || subtipus > 3) return SubtipusDesconegut();
  // Cases have no separator: two spaces go before every case instead, in both texts.
  constexpr DisposicioCasos kDosEspais{"  ", false};
  return Fet(EscriuCasos(ctx, {"Racionalitza:  ", "\r", kDosEspais, kDosEspais}, [subtipus](ContextGenerador& p) {
    // The numerator is 1..5, 1..9 or 1..15 and the radicand, not a square, 2..9, 2..21
    // or 2..41 by level.
    int32_t a = p.Random(PerNivell(p.nivell, 5, 9, 15)) + 1;
    int32_t b = 0;
    do {
      b = p.Random(PerNivell(p.nivell, 8, 20, 40)) + 2;
    } while (EsQuadratPerfecte(b));
    const Denominador d = DenominadorDeCas(p, subtipus, b);
    int32_t den = d.racional;
    const Frase fraccio = TxtEnter(a) + "/" + d.text;
    Simplifica(a, den);
    // Every case of the statement carries its own note.
    return Cas{fraccio + Frase::Marcat("   (Nota: R_n() =arrel en\xE8ssima)"), CoefDe(a, d.conjugat) + "/" + TxtEnter(den)};
  }));
}

}  // namespace tirelo
