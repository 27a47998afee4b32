// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// What the main window recomputes after every batch command (append, delete, move,
// empty): the list lines, the caption and the enabled states, for a full batch.
#include <benchmark/benchmark.h>

#include "Suport.h"
#include "batch/Lot.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"

namespace tirelo::banc {
namespace {

void EstatLotPle(benchmark::State& st) {
  InterficieBanc ui;
  Programa prg(ui, 1);
  const Exercici e = ExerciciPle();
  for (int k = 0; k < Lot::Maxim; ++k) prg.lot.Afegeix(e);
  for (auto _ : st) {
    prg.lot.Intercanvia(1, Lot::Maxim);
    benchmark::DoNotOptimize(LiniesLlista(prg.lot));
    benchmark::DoNotOptimize(TextCaptio(prg));
    benchmark::DoNotOptimize(CalculaEstat(prg.lot));
  }
}
BENCHMARK(EstatLotPle);

}  // namespace
}  // namespace tirelo::banc
