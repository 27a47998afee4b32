// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic dispatch: the only link from the "Temes" menu to the nine topic entries.
#include <cstdint>

namespace tirelo {

struct Programa;

// 1..9 run that topic's entry until the user leaves its series window; anything else does nothing.
void ExecutaTema(Programa& prg, uint16_t tema);

}  // namespace tirelo
