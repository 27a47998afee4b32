// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Reading and judging one typed answer (the goal: at most 5 ms each), and writing an
// answer in its simplest form, for the kinds of answer the catalogue asks for.
#include "motor/Motor.h"

#include <benchmark/benchmark.h>

#include <string>

#include "document/Notacio.h"

namespace tirelo::banc {
namespace {

void Llegeix(benchmark::State& st, const std::string& text) {
  for (auto _ : st) benchmark::DoNotOptimize(LlegeixNotacio(text));
  st.SetItemsProcessed(st.iterations());
}

void Jutja(benchmark::State& st, const std::string& esperada, FormaResposta forma,
           const std::string& resposta) {
  const Expressio e = LlegeixNotacio(esperada).expressio;
  for (auto _ : st) benchmark::DoNotOptimize(Comprova(e, forma, resposta));
  st.SetItemsProcessed(st.iterations());
}

void Simplifica(benchmark::State& st, const std::string& text, FormaResposta forma) {
  const Expressio e = LlegeixNotacio(text).expressio;
  for (auto _ : st) benchmark::DoNotOptimize(FormaSimple(e, forma));
  st.SetItemsProcessed(st.iterations());
}

BENCHMARK_CAPTURE(Llegeix, polinomi, std::string("2x\u00B2-3x-2x+3"));
BENCHMARK_CAPTURE(Llegeix, arrels, std::string("3\u221A12 - arrel(8^5; 6) + \u221B(x+1)"));
BENCHMARK_CAPTURE(Jutja, fraccio, std::string("3/4"), FormaResposta::Irreductible, std::string("6/8"));
BENCHMARK_CAPTURE(Jutja, polinomi, std::string("2x^2-5x+3"), FormaResposta::Expandida,
                  std::string("2x\u00B2-3x-2x+3"));
BENCHMARK_CAPTURE(Jutja, factoritzat, std::string("(x+1)(x-1)"), FormaResposta::Factoritzada,
                  std::string("(x-1)(x+1)"));
BENCHMARK_CAPTURE(Jutja, solucions, std::string("x = 2; x = -3"), FormaResposta::Resolta,
                  std::string("x = -3, x = 2"));
BENCHMARK_CAPTURE(Jutja, arrel, std::string("4\u221A2"), FormaResposta::Qualsevol,
                  std::string("arrel(8^5; 6)"));
BENCHMARK_CAPTURE(Jutja, conjugat, std::string("2-\u221A3"), FormaResposta::DenominadorRacional,
                  std::string("1/(2+\u221A3)"));
BENCHMARK_CAPTURE(Simplifica, polinomi, std::string("2x^2-3x-2x+3"), FormaResposta::Expandida);
BENCHMARK_CAPTURE(Simplifica, arrel, std::string("arrel(8^5; 6)/1"), FormaResposta::Qualsevol);

}  // namespace
}  // namespace tirelo::banc
