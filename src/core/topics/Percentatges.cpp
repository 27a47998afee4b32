// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Percentatges.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "batch/Serie.h"
#include "mathtext/Decimals.h"
#include "mathtext/Nombres.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

// Statement and answer of each subtype; @P, @F and @D stand for the initial amount,
// the final amount and the percentage.
struct Plantilla {
  std::string_view enunciat, resposta;
};
constexpr Plantilla kPlantilles[] = {
    {"Un vestit que valia @P\x80 est\xE0 rebaixat un @D %\r\n Quant haur\xE0s de pagar per ell?", "  @F \x80"},
    {"Un vestit val @F\x80 despr\xE9s d'haver-lo rebaixat un @D %\r\n Quin era el preu original?", " @P \x80"},
    {"Un vestit que valia @P\x80 ara costa @F \x80\r\n Quin ha estat el % de rebaixa?", "  @D %"},
    {"Un servei que abans d'impostos val @P\x80 est\xE0 sotm\xE8s a un impost del @D %\r\n Quant et tocar\xE0 pagar?",
     "  @F \x80"},
    {"Una factura puja @F\x80 amb un @D % d'impostos inclosos\r\n Quant seria \"en negre\"?", " @P \x80"},
    {"Un b\xE9 que val @P\x80, amb garantia addicional ens costar\xE0 @F \x80\r\n"
     " Quin \xE9s el % d'augment respecte el preu original?",
     "  @D %"},
};

std::string Omple(std::string_view plantilla, const DadesPct& d) {
  std::string r;
  for (std::size_t i = 0; i < plantilla.size(); ++i) {
    if (plantilla[i] != '@' || i + 1 == plantilla.size()) {
      r += plantilla[i];
      continue;
    }
    switch (plantilla[++i]) {
      case 'P': r += TxtReal(d.P); break;
      case 'F': r += TxtReal(d.F); break;
      default: r += TxtEnter(std::abs(d.D)); break;
    }
  }
  return r;
}

}  // namespace

DadesPct DadesPercentatge(FontAleatoria& aleatori, int subtipus, int nivell) {
  DadesPct d;
  const bool augment = subtipus > 3;
  if (nivell <= kNivellMinim) {
    // Round figures: a percentage in fives (15..50 % down, 0..35 % up) on tens of
    // euros, 10..100.
    d.q = (aleatori.Random(8) + 10) * 5 + (augment ? 50 : 0);
    d.P = (aleatori.Random(10) + 1) * 10;
  } else if (nivell >= kNivellMaxim) {
    // Any percentage 11..90 % down or 1..80 % up, on 100..999 euros.
    d.q = aleatori.Random(80) + (augment ? 101 : 10);
    d.P = aleatori.Random(900) + 100;
  } else {
    d.q = aleatori.Random(40) + 50 + (augment ? 50 : 0);
    d.P = aleatori.Random(100) + 90;
  }
  d.F = d.P * d.q / 100;
  d.D = d.q - 100;
  return d;
}

std::optional<Generat> GenPercentatge(int subtipus, const DadesPct& d) {
  if (subtipus < 1 || subtipus > 6) return std::nullopt;
  const Plantilla& p = kPlantilles[subtipus - 1];
  // A problem in words: its whole sentence is the case's statement.
  return EscriuUnCas("", Omple(p.enunciat, d), Omple(p.resposta, d));
}

ResultatGenerador GeneraPercentatges(ContextGenerador& ctx, int subtipus) {
  auto generat = GenPercentatge(subtipus, DadesPercentatge(ctx.aleatori, subtipus, ctx.nivell));
  return generat ? Fet(std::move(*generat)) : SubtipusDesconegut();
}

void SurtPercentatges(FontAleatoria& aleatori) {
  // The data are drawn at every closing of the series window, also at the one that
  // ends the topic, so a run from a fixed seed goes on with the same draws after it.
  (void)DadesPercentatge(aleatori, 0);
}

}  // namespace tirelo
