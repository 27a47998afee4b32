// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes what saving takes from the user: the file name typed in the save window and
// the exercise lines written into the document. Besides crashes, leaks and undefined
// behaviour it checks that a name the check lets through lands as one plain file
// inside "Exerc", and that any exercise line leaves the document's braces balanced,
// so that no text can end the document early or leave a group open over the rest.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "Propietat.h"
#include "batch/Desar.h"
#include "document/Document.h"
#include "mathtext/Text.h"

namespace {

namespace fs = std::filesystem;

void ComprovaNom(std::string_view nom) {
  const auto motiu = tirelo::ValidaNomFitxer(nom);
  if (motiu) {
    Comprova(motiu->ends_with("El document no s'ha desat."), "a refusal says nothing was saved");
    return;
  }
  if (nom.empty()) return;
  const std::string fitxer = tirelo::Utf8DeCp1252(nom) + ".rtf";
  const fs::path carpeta = fs::path("/base") / "Exerc";
  const fs::path cami = carpeta / fitxer;
  Comprova(cami.parent_path() == carpeta, "the document lands in Exerc");
  Comprova(cami.filename() == fitxer && cami.lexically_normal() == cami, "the name is one plain file name");
  Comprova(fitxer.size() <= 255, "the file system takes the name");
  for (const char c : fitxer) Comprova(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "no control character");
}

// Keeps the document in memory.
class CapaMemoria final : public tirelo::CapaFitxer {
 public:
  explicit CapaMemoria(std::string& bytes) : bytes_(bytes) {}
  std::string Crea(const fs::path&) override { return {}; }
  std::string Escriu(std::string_view b) override {
    bytes_ += b;
    return {};
  }
  std::string Tanca() override { return {}; }

 private:
  std::string& bytes_;
};

// The document's outer group opens at its first byte and closes at its last "}".
void ComprovaDocument(std::string_view linia) {
  std::string rtf;
  {
    tirelo::Document doc(std::make_unique<CapaMemoria>(rtf));
    doc.ObreDocument("x.rtf");
    doc.EscriuMarcatSalt(linia);
    doc.EscriuMarcatSalt(linia.substr(linia.size() / 2));
    doc.TancaDocument();
    Comprova(!doc.Fallada(), "memory never fails");
  }
  long profunditat = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++profunditat;
    if (rtf[i] == '}' && --profunditat == 0) {
      Comprova(i + 3 == rtf.size(), "the document's group closes only at its end");
    }
    Comprova(profunditat > 0 || i + 3 >= rtf.size(), "the document's group stays open");
  }
  Comprova(profunditat == 0, "every group is closed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ComprovaNom(text.substr(0, tirelo::LlargadaText));
  ComprovaDocument(text);
  return 0;
}
