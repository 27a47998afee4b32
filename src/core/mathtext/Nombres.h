// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Integer helpers shared by the generators: gcd ("mcd"), lcm ("MCM"), fraction
// reduction, integer powers, the perfect-square test, the operation selector,
// the random reduced fraction and the decimal text of an integer.
// Arithmetic is 32-bit and truncating toward zero; the drawn ranges keep values small.
#include <cstdint>
#include <string>

#include "mathtext/Aleatori.h"

namespace tirelo {

int32_t Mcd(int32_t a, int32_t b);                       // >= 0; Mcd(x, 0) = |x|
int32_t Mcm(int32_t a, int32_t b);                       // >= 0; Mcm(x, 0) = 0, Mcm(0, 0) = 0
void Simplifica(int32_t& num, int32_t& den);             // signs stay where they were; 0/0 unchanged
int32_t PotEntera(int32_t base, uint16_t n);             // base^n, n = 0 gives 1
bool EsQuadratPerfecte(int32_t n);                       // 0 and 1 are not
int32_t Opera(int op, int32_t x, int32_t y);             // 0 +, 1 -, 2 *, 3 div, 4 power
// num/den in lowest terms, num in 1..numMax, den in 2..denMax, drawn again while whole.
void FraccioAleat(FontAleatoria& rnd, int32_t& num, int32_t& den, int32_t numMax = 9, int32_t denMax = 9);
std::string TxtEnter(int64_t n);

}  // namespace tirelo
