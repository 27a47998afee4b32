// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic dispatch: the only link from the "Temes" menu to the nine topic entries.
#include <cstdint>
#include <vector>

#include "batch/Serie.h"

namespace tirelo {

struct Programa;

// 1..9 run that topic's entry until the user leaves its series window; anything else does nothing.
void ExecutaTema(Programa& prg, uint16_t tema);
// The same with the choices made beforehand, one per exercise, and no series window:
// the generators are called through the catalogue. Returns the exercises that lost
// cases. Topics outside 1..9 do nothing.
std::vector<CasosRetallats> GeneraTema(Programa& prg, uint16_t tema, const std::vector<TriaSerie>& tries);

}  // namespace tirelo
