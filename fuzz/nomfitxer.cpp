// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes a whole save with the file name typed in the save window (arbitrary bytes),
// in a scratch folder on the real file system; the name check on its own is fuzzed by
// fuzz/desar.cpp. Besides crashes, leaks and undefined behaviour, it checks that a
// document is written exactly when the check accepts the name as the window's field
// holds it, that it lands in "Exerc" under exactly that name, that a refused name
// writes nothing, and that nothing is ever written anywhere else.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "Propietat.h"
#include "batch/Desar.h"
#include "mathtext/Text.h"
#include "shell/DesarDocument.h"
#include "shell/Programa.h"

namespace {

namespace fs = std::filesystem;
using namespace tirelo;

// The save window answers with the fuzzed name; every other question has its default.
class InterficieDesar final : public Interficie {
 public:
  std::string nom;
  int avisos = 0;

  RespostaSubtipus DemanaSubtipus(const PeticioSubtipus&) override { return {}; }
  bool EditaExercici(Exercici&) override { return true; }
  FormaEq2 DemanaFormaEq2() override { return FormaEq2::Completa; }
  bool Pregunta(std::string_view, std::string_view) override { return true; }
  void Avis(std::string_view, std::string_view) override { ++avisos; }
  bool DemanaValorsDesar(ValorsDesar& v) override {
    v.nomFitxer = nom;
    v.titol = "Prova";
    return true;
  }
  bool ObreAmbEscriptori(const std::string&) override { return false; }
  void EstatCanviat() override {}
};

fs::path& Arrel() {
  static fs::path arrel;
  return arrel;
}

std::vector<fs::path> Contingut(const fs::path& carpeta) {
  std::vector<fs::path> r;
  for (const auto& e : fs::directory_iterator(carpeta)) r.push_back(e.path());
  return r;
}

// A whole save with the name, as typed in the save window.
void ComprovaDesat(std::string_view nom) {
  InterficieDesar ui;
  ui.nom = std::string(nom);
  Programa prg(ui, 1);
  Exercici e;
  e.enunciat = "x^2";
  e.resposta = "4";
  prg.lot.Afegeix(e);

  const bool desat = Desa(prg);
  const std::string usat = Talla(nom, LlargadaText);  // the window's field holds 255
  const bool valid = !usat.empty() && !ValidaNomFitxer(usat);
  Comprova(desat == valid, "a name is saved exactly when the check accepts it");
  Comprova(prg.lot.Nombre() == 1, "saving never touches the batch");

  // Only "Exerc" may ever appear in the scratch folder, and in it only this document.
  for (const fs::path& p : Contingut(Arrel())) Comprova(p.filename() == "Exerc", "nothing is written beside Exerc");
  const fs::path exerc = Arrel() / "Exerc";
  if (!fs::exists(exerc)) {
    Comprova(!desat, "a saved document is in Exerc");
    return;
  }
  const std::vector<fs::path> fitxers = Contingut(exerc);
  if (!desat) {
    Comprova(fitxers.empty(), "a refused name writes nothing");
    return;
  }
  Comprova(fitxers.size() == 1, "one save writes one document");
  Comprova(fitxers[0].filename() == Utf8DeCp1252(usat) + ".rtf", "the document has the name typed");
  Comprova(fs::equivalent(fitxers[0], prg.document.cami), "the program remembers where the document went");
  Comprova(ui.avisos == 0, "a successful save gives no notice");
  fs::remove(fitxers[0]);
}

}  // namespace

// The saves run in a scratch folder of their own, so that they land nowhere else;
// the fuzzer itself keeps the working folder it was started in (its corpus paths
// are relative to it).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char plantilla[] = "/tmp/tirelo-fuzz-nomfitxer-XXXXXX";
  if (mkdtemp(plantilla) == nullptr) {
    std::perror("scratch folder");
    std::abort();
  }
  Arrel() = plantilla;
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(Arrel(), ec);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view nom(reinterpret_cast<const char*>(data), size);
  const fs::path abans = fs::current_path();
  fs::current_path(Arrel());
  ComprovaDesat(nom);
  fs::current_path(abans);
  return 0;
}
