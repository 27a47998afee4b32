// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Arrels.h"

#include <string>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "topics/Casos.h"

namespace tirelo {

namespace {

// One case: the denominator as written in the statement, the root part of the
// rationalised numerator, and the denominator once rationalised.
struct Denominador {
  Frase text;
  Frase conjugat;
  int32_t racional = 1;
};

Denominador DenominadorDeCas(ContextGenerador& ctx, int subtipus, int32_t b) {
  const Frase radicand = TxtEnter(b);
  if (subtipus == 3) {
    const int32_t w = ctx.Random(4) + 5;
    const Frase arrel = Frase::ArrelIndex(2, radicand);
    return {"(" + TxtEnter(w) + "+" + arrel + ")", "(" + TxtEnter(w) + "-" + arrel + ")", w * w - b};
  }
  if (subtipus == 2) {
    const int32_t n = ctx.Random(4) + 3;
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
    int32_t a = p.Random(9) + 1;
    int32_t b = 0;
    do {
      b = p.Random(20) + 2;
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
