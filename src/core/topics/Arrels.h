// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: roots ("RADICALS"). Rationalising a denominator that is a square root, an
// n-th root, or a whole number plus a square root. Roots are written R_n(radicand).
#include "topics/Generador.h"

namespace tirelo {

// One exercise of subtype 1 (square root), 2 (n-th root) or 3 (sum) with one fraction
// a/D per case, answered with the rationalised fraction.
ResultatGenerador GenRacionalitzacio(ContextGenerador& ctx, int subtipus);

}  // namespace tirelo
