// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "support/Exercicis.h"

#include "shell/Genera.h"

namespace tirelo::prova {

std::vector<Exercici> ExercicisDeCadaSubtipus(int posicioPista) {
  OpcionsGenera o;
  for (const DescripcioTema& t : DescriuTemes()) {
    for (int s = 1; s <= static_cast<int>(t.subtipus.size()); ++s) o.series.push_back({t.numero, s, t.PrenCasos(s) ? 2 : 1, 1});
  }
  o.forma = 3;
  o.pista = posicioPista;
  const LotGenerat lot = GeneraSeries(o, 7);
  return lot.exercicis;
}

std::vector<Subtipus> SubtipusDelCataleg() {
  std::vector<Subtipus> r;
  for (const DescripcioTema& t : DescriuTemes()) {
    for (int s = 1; s <= static_cast<int>(t.subtipus.size()); ++s) r.push_back({t.numero, s, t.PrenCasos(s)});
  }
  return r;
}

std::vector<Exercici> ExercicisDe(const Subtipus& s, int casos, int nombre, uint64_t llavor) {
  OpcionsGenera o;
  o.series.push_back({s.tema, s.subtipus, s.ambCasos ? casos : 1, nombre});
  o.forma = 3;
  o.pista = 1;
  const LotGenerat lot = GeneraSeries(o, llavor);
  return lot.exercicis;
}

}  // namespace tirelo::prova
