// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/ExecutaTema.h"

#include "shell/Programa.h"
#include "topics/Cataleg.h"

namespace tirelo {

void ExecutaTema(Programa& prg, uint16_t tema) {
  const auto cataleg = Cataleg();
  if (tema < 1 || tema > cataleg.size()) return;
  const EntradaTema& e = cataleg[tema - 1];
  prg.serie.temaActual = tema;
  BucleTema(prg, e.tema, e.genera);
  if (e.surt) e.surt(prg);
  prg.serie.temaActual = 0;
}

std::vector<CasosRetallats> GeneraTema(Programa& prg, uint16_t tema, const std::vector<TriaSerie>& tries) {
  const auto cataleg = Cataleg();
  if (tema < 1 || tema > cataleg.size()) return {};
  const EntradaTema& e = cataleg[tema - 1];
  prg.serie.temaActual = tema;
  auto retallats = BucleTemaDonat(prg, e.tema, e.genera, tries);
  if (e.surt) e.surt(prg);
  prg.serie.temaActual = 0;
  return retallats;
}

}  // namespace tirelo
