// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The editor's preview of a whole exercise, every field full of markup, laid out on
// a recording canvas: the core's share of each redraw while a person types.
#include <benchmark/benchmark.h>

#include "Suport.h"
#include "render/Pantalla.h"
#include "render/VistaPrevia.h"
#include "support/LlencGravador.h"

namespace tirelo::banc {
namespace {

void DibuixaExercici(benchmark::State& st) {
  const Exercici e = ExerciciPle();
  prova::LlencGravador llenc;
  Pantalla p;
  p.LligaFinestra(llenc);
  for (auto _ : st) {
    llenc.traces.clear();
    DibuixaVistaPrevia(p, e);
    benchmark::DoNotOptimize(llenc.traces.data());
  }
  st.counters["tra\xC3\xA7os"] = static_cast<double>(llenc.traces.size());
  st.SetItemsProcessed(st.iterations());
}
BENCHMARK(DibuixaExercici);

}  // namespace
}  // namespace tirelo::banc
