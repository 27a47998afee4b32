// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: notable identities. The square of a binomial, a sum times a difference,
// and a difference of squares to factorise.
namespace tirelo {

struct Programa;

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h);
// other subtypes write nothing.
void GeneraIgualtats(Programa& prg, int subtipus);

// Subtype 1: expand (k1p1 + k2p2)² for binomials drawn by AleatBinomi.
void GenQuadratBinomi(Programa& prg);
// Subtype 2: expand (x+a)(x-a). Subtype 3: factorise x²-a². Both draw a out of
// 1..12 without repeating it in one exercise, so they cap the number of cases
// at 12 (the protocol's own count is lowered and stays so).
void GenSumaPerDiferencia(Programa& prg);
void GenDiferenciaQuadrats(Programa& prg);

}  // namespace tirelo
