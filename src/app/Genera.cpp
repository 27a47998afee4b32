#include "Genera.h"

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <filesystem>
#include <iostream>

#include "batch/Desar.h"
#include "batch/EscripturaAtomica.h"
#include "mathtext/Aleatori.h"
#include "mathtext/Text.h"
#include "shell/Genera.h"

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

// Writes the document to the given path, atomically.
std::optional<std::string> EscriuSortida(const Programa& prg, const std::string& sortida) {
  return EscriuAtomicament(sortida, [&prg](const std::filesystem::path& cami) -> std::optional<std::string> {
    if (const auto f = EscriuLot(prg.lot, prg.desar, cami)) return f->motiu;
    return std::nullopt;
  });
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
    llavor = LlavorDelRellotge();
  }
  const LotGenerat lot = GeneraSeries(opcions, llavor);
  for (const auto& avis : lot.ui->avisos) std::cerr << "tirelo genera: " << Utf8DeCp1252(avis) << "\n";

  if (!opcions.sortida.empty()) {
    if (const auto error = EscriuSortida(*lot.prg, opcions.sortida)) {
      return Falla("no es pot escriure " + opcions.sortida + ": " + *error);
    }
  }
  if (opcions.json && !SortidaEstandard(LotEnJson(*lot.prg, lot.origen))) {
    return Falla("no s'ha pogut escriure el JSON a la sortida est\xC3\xA0ndard");
  }
  // Told once the sheet exists, so that it can be made again.
  if (!opcions.llavor) std::cerr << "llavor: " << llavor << "\n";
  return 0;
}

int OrdreGenera(int argc, char** argv) { return ExecutaGenera(std::vector<std::string>(argv, argv + argc)); }

}  // namespace tirelo
