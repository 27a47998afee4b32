// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Decimals.h"

#include <cmath>
#include <cstdint>

namespace tirelo {

std::string TxtReal(double x) {
  // Working in whole hundredths avoids printing the binary error of x (148.83 is
  // stored as 148.8299999...), which a plain "%.2f" would hide but "%g" would not.
  const int64_t centesimes = std::llround(x * 100.0);
  const int64_t absolut = centesimes < 0 ? -centesimes : centesimes;
  std::string r = centesimes < 0 ? "-" : "";
  r += std::to_string(absolut / 100);
  const int64_t decimals = absolut % 100;
  if (decimals != 0) {
    r += '.';
    r += static_cast<char>('0' + decimals / 10);
    if (decimals % 10 != 0) r += static_cast<char>('0' + decimals % 10);
  }
  return r;
}

}  // namespace tirelo
