// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Aleatori.h"

#include <chrono>

namespace tirelo {

uint32_t GeneradorAleatori::Seguent32() {
  estat_ += 0x9E3779B97F4A7C15ull;
  uint64_t z = estat_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<uint32_t>(z >> 32);
}

int32_t GeneradorAleatori::Random(int32_t n) {
  if (n <= 1) return 0;
  const auto m = static_cast<uint32_t>(n);
  // Reject the lowest (2^32 mod m) values so every remainder is equally likely.
  const uint32_t llindar = (0u - m) % m;
  uint32_t x = Seguent32();
  while (x < llindar) x = Seguent32();
  return static_cast<int32_t>(x % m);
}

uint64_t LlavorDelRellotge() {
  const auto ara = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ara).count());
}

uint32_t LlavorDeFull() { return static_cast<uint32_t>(LlavorDelRellotge()); }

}  // namespace tirelo
