// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: divisors: prime factorisations, gcd ("mcd") and lcm ("MCM").
#include <cstdint>
#include <string>

#include "topics/Generador.h"

namespace tirelo {

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h).
ResultatGenerador GeneraDivisors(ContextGenerador& ctx, int subtipus);

// Subtype 1: factorise n = 2^r·3^s·q (r 0..3, s 0..2, q 2..31) for every case.
Generat GenDescomposicio(ContextGenerador& ctx);
// Subtype 2: mcd and MCM of two different multiples x, y of a common factor 1..8.
Generat GenMcdMcm(ContextGenerador& ctx);

// The prime factorisation of n >= 2 as a model: 360 writes 2^3·3^2·5, 62 writes 2·31.
Frase TxtDescomposicio(int32_t n);

}  // namespace tirelo
