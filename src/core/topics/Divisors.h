// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: divisors: prime factorisations, gcd ("mcd") and lcm ("MCM").
#include <cstdint>
#include <string>

namespace tirelo {

struct Programa;

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h);
// other subtypes write nothing.
void GeneraDivisors(Programa& prg, int subtipus);

// Subtype 1: factorise n = 2^r·3^s·q (r 0..3, s 0..2, q 2..31) for every case.
void GenDescomposicio(Programa& prg);
// Subtype 2: mcd and MCM of two different multiples x, y of a common factor 1..8.
void GenMcdMcm(Programa& prg);

// The prime factorisation of n >= 2 as markup: 360 gives 2^3·3^2·5, 62 gives 2·31.
std::string TxtDescomposicio(int32_t n);

}  // namespace tirelo
