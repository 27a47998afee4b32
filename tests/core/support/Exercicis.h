// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Exercises drawn from every subtype of the catalogue, as `tirelo genera` draws them:
// material for the tests of what reads or lays out any exercise.
#include <cstdint>
#include <vector>

#include "document/Exercici.h"

namespace tirelo::prova {

// One exercise of every subtype, two cases where the subtype takes them, the hint
// after the statement (`posicioPista`), any equation form; the same every time.
std::vector<Exercici> ExercicisDeCadaSubtipus(int posicioPista = 1);

// The topics' subtypes in menu order, as (topic number, subtype) with whether it takes
// a number of cases.
struct Subtipus {
  int tema = 0;
  int subtipus = 0;
  bool ambCasos = false;
};
std::vector<Subtipus> SubtipusDelCataleg();

// `nombre` exercises of one subtype, `casos` cases each, drawn from this seed.
std::vector<Exercici> ExercicisDe(const Subtipus& s, int casos, int nombre, uint64_t llavor);

}  // namespace tirelo::prova
