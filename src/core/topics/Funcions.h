// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: functions. Straight lines y = mx + n and parabolas y = ax² + bx + c, each
// built backwards from small integers drawn first.
#include <cstdint>

#include "topics/Generador.h"

namespace tirelo {

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h).
ResultatGenerador GeneraFuncions(ContextGenerador& ctx, int subtipus);

// Subtype 1 (slope and point) or 2 (two points): one line, whatever the number of cases.
Generat GenRecta(ContextGenerador& ctx, int subtipus);
// Subtype 3 (three points), 4 (vertex and point) or 5 (intersection with a line),
// one case per case of the series.
Generat GenParabola(ContextGenerador& ctx, int subtipus);

struct Parabola {
  int32_t a = 0, b = 0, c = 0;
};
// a·x² + b·x + c.
int32_t ValorParabola(const Parabola& p, int32_t x);

}  // namespace tirelo
