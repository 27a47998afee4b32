// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Decimal text of real amounts (euros and the like).
#include <string>

namespace tirelo {

// x rounded to two decimals (halves away from zero), '.' as decimal point, trailing
// zeros after the point dropped and the point too when no decimal remains:
// 107.01 -> "107.01", 107.5 -> "107.5", 120 -> "120", -0.004 -> "0".
std::string TxtReal(double x);

}  // namespace tirelo
