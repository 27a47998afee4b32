// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Every generator of every topic, driven as the desktop program drives it: the topic
// entry asks the series window for a subtype, the generator fills the exercise under
// construction and the append step adds it to the batch. Reported as exercises per
// second, per subtype; the subtypes that take a number of cases are measured with one
// case and with the most a person can ask for (255).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "Registre.h"
#include "Suport.h"
#include "mathtext/Text.h"
#include "shell/ExecutaTema.h"
#include "shell/Genera.h"
#include "shell/Programa.h"

namespace tirelo::banc {
namespace {

// A batch holds 50: each run of the topic entry makes as many.
constexpr int ExercicisPerPassada = 50;

void Genera(benchmark::State& st, int tema, int subtipus, uint16_t casos) {
  InterficieBanc ui;
  Programa prg(ui, 20240601);
  ui.subtipus = subtipus;
  ui.casos = casos;
  for (auto _ : st) {
    ui.respostes = ExercicisPerPassada;
    ExecutaTema(prg, static_cast<uint16_t>(tema));
    benchmark::DoNotOptimize(prg.lot.Nombre());
    prg.lot.Buida();
  }
  st.SetItemsProcessed(st.iterations() * ExercicisPerPassada);
}

}  // namespace

int RegistraGeneradors() {
  int n = 0;
  // A topic whose entry does not open the series window yet has no subtypes.
  for (const DescripcioTema& t : DescriuTemes()) {
    for (std::size_t k = 0; k < t.subtipus.size(); ++k) {
      const int subtipus = static_cast<int>(k) + 1;
      const std::string nom = "Genera/" + std::to_string(t.numero) + " " + Utf8DeCp1252(t.titol) + "/" +
                              std::to_string(subtipus) + " " + Utf8DeCp1252(t.subtipus[k]);
      for (const uint16_t casos : t.PrenCasos(subtipus) ? std::vector<uint16_t>{1, 255} : std::vector<uint16_t>{1}) {
        benchmark::RegisterBenchmark((nom + "/casos:" + std::to_string(casos)).c_str(), Genera, t.numero,
                                     subtipus, casos);
        ++n;
      }
    }
  }
  return n;
}

}  // namespace tirelo::banc
