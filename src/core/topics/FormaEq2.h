// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The forms a quadratic or biquadratic equation can take, as the equation-form window
// offers them.
#include <cstdint>

namespace tirelo {

// Forms of a quadratic or biquadratic equation; Qualsevol is drawn by the caller.
enum class FormaEq2 : uint8_t { Completa = 0, SenseTermeIndep = 1, SenseTermeLineal = 2, Qualsevol = 3 };

}  // namespace tirelo
