// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Saving a batch of 50 exercises, every field full of markup, as an RTF document in
// a scratch folder: the name check, the folder, the translation and the file writes,
// as "-> fitxer .rtf" does them.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "Suport.h"
#include "batch/Desar.h"
#include "batch/Lot.h"
#include "shell/DesarDocument.h"
#include "shell/Programa.h"

namespace tirelo::banc {
namespace {

namespace fs = std::filesystem;

// Runs in a scratch folder of its own and leaves the working folder as it found it.
class CarpetaTemporal {
 public:
  CarpetaTemporal() : abans_(fs::current_path()) {
    char plantilla[] = "/tmp/tirelo-banc-XXXXXX";
    if (mkdtemp(plantilla) != nullptr) cami_ = plantilla;
    fs::current_path(cami_);
  }
  ~CarpetaTemporal() {
    std::error_code ec;
    fs::current_path(abans_, ec);
    fs::remove_all(cami_, ec);
  }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

 private:
  fs::path abans_, cami_;
};

void Desa50(benchmark::State& st, int disposicio) {
  CarpetaTemporal carpeta;
  InterficieBanc ui;
  ui.desar = {"lot", "Exercicis de prova", disposicio};
  Programa prg(ui, 1);
  const Exercici e = ExerciciPle();
  for (int k = 0; k < Lot::Maxim; ++k) prg.lot.Afegeix(e);
  for (auto _ : st) {
    if (!Desa(prg)) {
      st.SkipWithError("the document was not written");
      break;
    }
  }
  std::error_code ec;
  st.counters["bytes"] = static_cast<double>(fs::file_size(prg.document.cami, ec));
  st.SetItemsProcessed(st.iterations() * Lot::Maxim);
}
BENCHMARK_CAPTURE(Desa50, enunciat_i_resposta, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Desa50, respostes_al_final, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tirelo::banc
