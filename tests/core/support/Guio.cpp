// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "support/Guio.h"

#include <cstdlib>

namespace tirelo::prova {

std::vector<int32_t> NoNul(int v) { return {std::abs(v) - 1, v < 0 ? 0 : 2}; }
std::vector<int32_t> NoNulMeitat(int v) { return {std::abs(v) - 1, v < 0 ? 0 : 5}; }

std::vector<int32_t> Guio(std::initializer_list<std::vector<int32_t>> peces) {
  std::vector<int32_t> r;
  for (const auto& p : peces) r.insert(r.end(), p.begin(), p.end());
  return r;
}

Escena::Escena(std::vector<int32_t> draws, uint16_t casos, uint64_t llavor) {
  auto font = std::make_unique<AleatoriGuionat>(std::move(draws), llavor);
  guio = font.get();
  prg = std::make_unique<Programa>(ui, std::move(font));
  prg->serie.nombreCasos = casos;
}

}  // namespace tirelo::prova
