// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: functions. Straight lines y = mx + n and parabolas y = ax² + bx + c, each
// built backwards from small integers drawn first.
#include <cstdint>

namespace tirelo {

struct Programa;

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h);
// other subtypes write nothing.
void GeneraFuncions(Programa& prg, int subtipus);

// Subtype 1 (slope and point) or 2 (two points): one line, whatever the number of cases.
void GenRecta(Programa& prg, int subtipus);
// Subtype 3 (three points), 4 (vertex and point) or 5 (intersection with a line),
// one case per case of the series.
void GenParabola(Programa& prg, int subtipus);

struct Parabola {
  int32_t a = 0, b = 0, c = 0;
};
// a·x² + b·x + c.
int32_t ValorParabola(const Parabola& p, int32_t x);

}  // namespace tirelo
