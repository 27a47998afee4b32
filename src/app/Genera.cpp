// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "Genera.h"

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <filesystem>
#include <iostream>

#include "mathtext/Aleatori.h"
#include "mathtext/Text.h"
#include "shell/CodiFull.h"
#include "shell/FitxerLot.h"
#include "shell/Genera.h"
#include "shell/Versions.h"

namespace tirelo {

namespace {

int Falla(const std::string& missatge) {
  std::cerr << "tirelo genera: " << missatge << "\n";
  return 2;
}

// Standard output written and flushed: false when the text did not get out (a full
// disk, a closed pipe), which must not end in success.
bool SortidaEstandard(const std::string& text) {
  std::cout << text << std::flush;
  return static_cast<bool>(std::cout);
}

// Writes the sheet, or its versions "<name>-A", "<name>-B", ..., and tells the code
// of each sheet that has one. The reason when a file could not be written.
std::optional<std::string> EscriuFulls(const OpcionsGenera& opcions, const LotGenerat& lot, uint64_t llavor) {
  const auto& exercicis = lot.prg->lot.Exercicis();
  OpcionsFull full{lot.prg->desar.titol, lot.prg->desar.disposicio, false, 0, "", ""};
  if (opcions.versions == 0) {
    full.codi = CodiDeLesSeries(exercicis, opcions.series, opcions.forma, opcions.pista, llavor).value_or("");
    if (const auto error = EscriuFull(exercicis, full, opcions.sortida))
      return "no es pot escriure " + opcions.sortida + ": " + *error;
    if (!full.codi.empty()) std::cerr << "codi: " << full.codi << "\n";
    return std::nullopt;
  }
  const auto llavors = LlavorsDeVersions(llavor, opcions.versions);
  for (int v = 0; v < opcions.versions; ++v) {
    const auto versio = VersioDelLot(exercicis, llavors[static_cast<std::size_t>(v)]);
    full.versio = LletraVersio(v);
    full.codi = CodiDelLot(versio).value_or("");
    const std::string cami = CamiVersio(opcions.sortida, full.versio);
    if (const auto error = EscriuFull(versio, full, cami)) return "no es pot escriure " + cami + ": " + *error;
    if (!full.codi.empty()) std::cerr << "codi: " << full.codi << " (" << full.versio << ")\n";
  }
  return std::nullopt;
}

}  // namespace

int ExecutaGenera(const std::vector<std::string>& args) {
  const auto temes = DescriuTemes();
  const auto lectura = LlegeixOpcionsGenera(args, temes);
  if (const auto* e = std::get_if<ErrorOpcions>(&lectura)) return Falla(e->missatge);
  const auto& opcions = std::get<OpcionsGenera>(lectura);
  if (opcions.ajuda) {
    return SortidaEstandard(AjudaGenera(temes)) ? 0 : Falla("no s'ha pogut escriure l'ajuda");
  }
  uint64_t llavor = 0;
  if (opcions.llavor) {
    llavor = *opcions.llavor;
  } else {
    llavor = LlavorDeFull();  // 32 bits, so that the sheet can have a code
  }
  std::optional<ContingutLot> inicial;
  if (!opcions.lot.empty()) {
    auto llegit = ObreFitxerLot(opcions.lot, temes);
    if (const auto* e = std::get_if<ErrorLot>(&llegit)) return Falla(opcions.lot + ": " + Utf8DeCp1252(e->missatge));
    inicial = std::move(std::get<ContingutLot>(llegit));
    int total = static_cast<int>(inicial->exercicis.size());
    for (const auto& s : opcions.series) total += s.exercicis;
    if (total > Lot::Maxim) {
      return Falla("el lot pot tenir com a m\xC3\xA0xim " + std::to_string(Lot::Maxim) + " exercicis i se'n demanen " +
                   std::to_string(total));
    }
  }
  const LotGenerat lot = GeneraSeries(opcions, llavor, inicial ? &*inicial : nullptr);
  for (const auto& avis : lot.ui->avisos) std::cerr << "tirelo genera: " << Utf8DeCp1252(avis) << "\n";
  // One line per exercise that holds fewer cases than were asked; the sheet is still made.
  for (const auto& r : lot.retallats)
    std::cerr << "tirelo genera: " << Utf8DeCp1252(TextCasosRetallats(r)) << "\n";

  if (!opcions.sortida.empty()) {
    if (const auto error = EscriuFulls(opcions, lot, llavor)) return Falla(*error);
  }
  if (opcions.json && !SortidaEstandard(LotEnJson(*lot.prg, lot.origen))) {
    return Falla("no s'ha pogut escriure el JSON a la sortida est\xC3\xA0ndard");
  }
  // Told once the sheet exists, so that it can be made again.
  if (!opcions.llavor && !opcions.series.empty() && opcions.codi.empty()) std::cerr << "llavor: " << llavor << "\n";
  return 0;
}

int OrdreGenera(int argc, char** argv) { return ExecutaGenera(std::vector<std::string>(argv, argv + argc)); }

}  // namespace tirelo
