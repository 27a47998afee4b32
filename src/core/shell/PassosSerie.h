// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The series protocol every topic follows: describe the topic, ask for a subtype and
// a number of cases, generate into the exercise under construction, append it.
#include <functional>
#include <string>
#include <vector>

#include "batch/Serie.h"

namespace tirelo {

struct Programa;

std::string EtiquetaCas(const Programa& prg, int i);  // with the series' number of cases

// Refreshes the status, clears the ready flag and hint of the exercise under
// construction, shows the series window (telling the cases the exercise before it
// lost, if any) and returns the chosen subtype (0: left).
int DemanaSeguentSubtipus(Programa& prg);
// Notes in the exercise under construction how it is about to be drawn: the running
// topic, this subtype, the number of cases and the random source's state.
void AnotaRecepta(Programa& prg, int subtipus);
// Applies the hint option, asks for approval when that option is set, and appends.
void PasAfegir(Programa& prg);

// The loop of every topic entry: runs genera(prg, subtype) for each subtype chosen
// until the user leaves the series window. An exercise appended with fewer cases
// than asked is noted in prg.serie.retallats.
void BucleTema(Programa& prg, const Tema& tema, const std::function<void(Programa&, int)>& genera);
// The same loop with the choices given beforehand instead of asked from the series
// window, one per pass, then "Sortir": what a run without windows does. Returns the
// lost cases the series window would have been told of, in order.
std::vector<CasosRetallats> BucleTemaDonat(Programa& prg, const Tema& tema,
                                           const std::function<void(Programa&, int)>& genera,
                                           const std::vector<TriaSerie>& tries);

}  // namespace tirelo
