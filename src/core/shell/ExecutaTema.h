// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic dispatch: the only link from the "Temes" menu to the nine topic entries.
#include <cstdint>
#include <vector>

#include "batch/Serie.h"
#include "topics/Generador.h"

namespace tirelo {

struct Programa;
struct EntradaTema;

// The generator's context for the program: its random source, the series' number of
// cases, and the equation-form window, whose first answer the recipe keeps.
ContextGenerador ContextDelPrograma(Programa& prg);
// Puts a drawn exercise into the one under construction and marks it ready.
void PosaGenerat(Programa& prg, Generat g);
// One exercise of subtype k of the entry into the exercise under construction, with
// the entry's closing text; what the generator answered (an unknown subtype writes
// nothing and says so).
EstatGenerador GeneraDelCataleg(Programa& prg, const EntradaTema& e, int subtipus);

// 1..9 run that topic's entry until the user leaves its series window; anything else does nothing.
void ExecutaTema(Programa& prg, uint16_t tema);
// The same with the choices made beforehand, one per exercise, and no series window:
// the generators are called through the catalogue. Returns the exercises that lost
// cases. Topics outside 1..9 do nothing.
std::vector<CasosRetallats> GeneraTema(Programa& prg, uint16_t tema, const std::vector<TriaSerie>& tries);

}  // namespace tirelo
