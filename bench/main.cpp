// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The benchmarks of the core. The generators' benchmarks are registered from the
// topics the program has, so a topic added later is measured without a change here.
#include <benchmark/benchmark.h>

#include "Registre.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tirelo::banc::RegistraGeneradors();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
