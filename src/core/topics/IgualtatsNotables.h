// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: notable identities. The square of a binomial, a sum times a difference,
// and a difference of squares to factorise.
#include "topics/Generador.h"

namespace tirelo {

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h).
ResultatGenerador GeneraIgualtats(ContextGenerador& ctx, int subtipus);

// Subtype 1: expand (k1p1 + k2p2)² for binomials drawn by AleatBinomi.
Generat GenQuadratBinomi(ContextGenerador& ctx);
// Subtype 2: expand (x+a)(x-a). Subtype 3: factorise x²-a². Both draw a out of
// 1..12 without repeating it in one exercise, so they cap the number of cases
// at 12 (the context's count is lowered, and the series keeps it so).
Generat GenSumaPerDiferencia(ContextGenerador& ctx);
Generat GenDiferenciaQuadrats(ContextGenerador& ctx);

}  // namespace tirelo
