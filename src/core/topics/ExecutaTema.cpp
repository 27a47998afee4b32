// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/ExecutaTema.h"

#include <array>

#include "topics/Divisors.h"
#include "topics/IgualtatsNotables.h"
#include "topics/Fraccions.h"
#include "topics/Potencies.h"
#include "topics/Arrels.h"
#include "topics/Operacions.h"
#include "topics/Percentatges.h"
#include "topics/Equacions.h"
#include "topics/Funcions.h"
#include "shell/Programa.h"

namespace tirelo {

void ExecutaTema(Programa& prg, uint16_t tema) {
  // Topic k is the k-th name of the descriptor's topic list.
  static constexpr std::array<void (*)(Programa&), 9> kEntrades = {
      TemaDivisors,
      TemaIgualtats,
      TemaFraccions,
      TemaPotencies,
      TemaArrels,
      TemaOperacions,
      TemaPercentatges,
      TemaEquacions,
      TemaFuncions,
  };
  if (tema < 1 || tema > kEntrades.size()) return;
  prg.serie.temaActual = tema;
  kEntrades[tema - 1](prg);
  prg.serie.temaActual = 0;
}

}  // namespace tirelo
