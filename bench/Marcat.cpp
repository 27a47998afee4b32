// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The markup translation on statements as long as they can be (255 characters),
// each full of one kind of markup and one of all kinds mixed.
#include <benchmark/benchmark.h>

#include <string>

#include "Suport.h"
#include "document/Marcat.h"

namespace tirelo::banc {
namespace {

void Tradueix(benchmark::State& st, const std::string& text) {
  for (auto _ : st) benchmark::DoNotOptimize(TradueixMarcat(text));
  st.SetBytesProcessed(st.iterations() * static_cast<int64_t>(text.size()));
  st.SetItemsProcessed(st.iterations());
}

BENCHMARK_CAPTURE(Tradueix, fraccions, Omple("#F(3x+1/2y) "));
BENCHMARK_CAPTURE(Tradueix, fraccions_tabulades, Omple("#F(\x03(x^2+1)/(2x-1)) = "));
BENCHMARK_CAPTURE(Tradueix, indexs, Omple("x^2y_1z^(n+1)"));
BENCHMARK_CAPTURE(Tradueix, arrels, Omple("#R(x^2+1) "));
BENCHMARK_CAPTURE(Tradueix, estils_niuats, Omple("#B(#I(#S(a^2))) "));
BENCHMARK_CAPTURE(Tradueix, blocs, Omple("#M(x+y=1\rx-y=3) "));
BENCHMARK_CAPTURE(Tradueix, sagnats_i_salts, Omple("#3a)\r#T b) #&\r"));
BENCHMARK_CAPTURE(Tradueix, parentesis_sense_tancar, Omple("#F("));
BENCHMARK_CAPTURE(Tradueix, barreja, ExerciciPle().enunciat);
BENCHMARK_CAPTURE(Tradueix, text_pla, Omple("Calcula el valor de x "));

}  // namespace
}  // namespace tirelo::banc
