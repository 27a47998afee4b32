// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Scripts of draws for the generators, and a program that replays one.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "support/Suport.h"

namespace tirelo::prova {

// The draws that make AleatNoNul / AleatNoNulMeitat return v.
std::vector<int32_t> NoNul(int v);
std::vector<int32_t> NoNulMeitat(int v);
// Several pieces of script, concatenated.
std::vector<int32_t> Guio(std::initializer_list<std::vector<int32_t>> peces);

// A program whose draws follow the script, with the given number of cases, and the
// scripted seam it asks. Once the script runs out the draws come from a generator
// seeded with llavor, so an empty script gives a reproducible program.
struct Escena {
  explicit Escena(std::vector<int32_t> draws, uint16_t casos = 1, uint64_t llavor = 1);
  const Exercici& e() const { return prg->exercici; }

  InterficieFalsa ui;
  AleatoriGuionat* guio = nullptr;  // owned by prg
  std::unique_ptr<Programa> prg;
};

}  // namespace tirelo::prova
