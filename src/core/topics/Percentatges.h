// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: percentages. Word problems on discounts and increases in euros, relating an
// initial amount, a percentage and a final amount; the subtype decides which is asked.
#include <optional>

#include "mathtext/Aleatori.h"
#include "topics/Generador.h"

namespace tirelo {

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h).
ResultatGenerador GeneraPercentatges(ContextGenerador& ctx, int subtipus);
// What leaving the topic's series window draws.
void SurtPercentatges(FontAleatoria& aleatori);

// The data of one problem.
struct DadesPct {
  int q = 0;         // final amount as a percentage of the initial one
  double P = 0;      // initial amount in euros, a whole number
  double F = 0;      // final amount P·q/100, not rounded
  int D = 0;         // q - 100; the percentage shown is |D|
};
// At level 2, subtypes 1..3 (discounts): q in 50..89; any other: q in 100..139; P in
// 90..189. Level 1 draws round figures (q in fives, P in tens up to 100), level 3
// wider ones (q in 10..89 or 101..180, P in 100..999).
DadesPct DadesPercentatge(FontAleatoria& aleatori, int subtipus, int nivell = 2);

// The problem of subtype 1..6 from the data; nothing for any other subtype.
std::optional<Generat> GenPercentatge(int subtipus, const DadesPct& d);

}  // namespace tirelo
