// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// How many seeds a property over many draws runs: all of them in a plain build; a tenth
// under AddressSanitizer, where every draw is many times slower and what the sanitizer
// looks for (memory and undefined behaviour) shows in far fewer draws.
#include <cstdint>

namespace tirelo::prova {

constexpr uint64_t Llavors(uint64_t n) {
#if defined(__SANITIZE_ADDRESS__)
  return n / 10 > 0 ? n / 10 : 1;
#else
  return n;
#endif
}

}  // namespace tirelo::prova
