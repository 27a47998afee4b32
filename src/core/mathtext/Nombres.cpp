// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Nombres.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace tirelo {

namespace {
// Wrapping 32-bit product, as the arithmetic of the generators is defined.
int32_t Multiplica(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
int32_t Absolut(int32_t a) {
  return a < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(a)) : a;
}
}  // namespace

int32_t Mcd(int32_t a, int32_t b) {
  uint32_t x = static_cast<uint32_t>(Absolut(a));
  uint32_t y = static_cast<uint32_t>(Absolut(b));
  if (x < y) std::swap(x, y);
  while (y != 0) {
    const uint32_t r = x % y;
    x = y;
    y = r;
  }
  return static_cast<int32_t>(x);
}

int32_t Mcm(int32_t a, int32_t b) {
  int32_t x = Absolut(a);
  int32_t y = Absolut(b);
  if (x < y) std::swap(x, y);
  if (x == 0) return 0;  // both zero: no common multiple; the callers never ask
  return Multiplica(x / Mcd(x, y), y);
}

void Simplifica(int32_t& num, int32_t& den) {
  const int32_t g = Mcd(num, den);
  if (g == 0) return;  // 0/0 has nothing to reduce
  num /= g;
  den /= g;
}

int32_t PotEntera(int32_t base, uint16_t n) {
  int32_t r = 1;
  for (uint16_t i = 0; i < n; ++i) r = Multiplica(r, base);
  return r;
}

bool EsQuadratPerfecte(int32_t n) {
  if (n < 4) return false;
  const auto r = static_cast<int32_t>(std::sqrt(static_cast<double>(n)));
  for (int32_t k = 2; k <= r + 1; ++k) {
    if (static_cast<int64_t>(k) * k == n) return true;
  }
  return false;
}

int32_t Opera(int op, int32_t x, int32_t y) {
  switch (op) {
    case 0: return static_cast<int32_t>(static_cast<uint32_t>(x) + static_cast<uint32_t>(y));
    case 1: return static_cast<int32_t>(static_cast<uint32_t>(x) - static_cast<uint32_t>(y));
    case 2: return Multiplica(x, y);
    case 3:
      if (y == 0) return 0;
      if (y == -1) return Opera(1, 0, x);  // wraps, where INT_MIN / -1 would trap
      return x / y;
    case 4: return PotEntera(x, static_cast<uint16_t>(y));
    default: return 0;
  }
}

void FraccioAleat(FontAleatoria& rnd, int32_t& num, int32_t& den, int32_t numMax, int32_t denMax) {
  num = rnd.Random(numMax) + 1;
  do {
    den = rnd.Random(denMax - 1) + 2;
    Simplifica(num, den);
  } while (den == 1);
}

std::string TxtEnter(int64_t n) { return std::to_string(n); }

}  // namespace tirelo
