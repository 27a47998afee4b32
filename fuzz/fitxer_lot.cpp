// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the batch-file reader. Besides crashes, leaks and undefined behaviour it checks
// that whatever it accepts holds what a batch may hold (at most 50 exercises, texts
// within their limits) and that writing it and reading it back gives it again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "Propietat.h"
#include "batch/Lot.h"
#include "mathtext/Text.h"
#include "shell/FitxerLot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const auto temes = tirelo::DescriuTemes();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto llegit = tirelo::LlegeixJsonLot(text, temes);
  if (const auto* error = std::get_if<tirelo::ErrorLot>(&llegit)) {
    Comprova(!error->missatge.empty(), "a refusal says why");
    return 0;
  }
  const auto& c = std::get<tirelo::ContingutLot>(llegit);
  Comprova(c.exercicis.size() <= static_cast<std::size_t>(tirelo::Lot::Maxim), "at most 50 exercises");
  for (const auto& e : c.exercicis) {
    Comprova(e.enunciat.size() <= tirelo::LlargadaText && e.resposta.size() <= tirelo::LlargadaText, "texts fit");
    Comprova(e.pista.size() <= tirelo::LlargadaPista, "the hint fits");
    Comprova(e.posicioPista >= 0 && e.posicioPista <= 2, "a known hint placement");
  }
  const auto relegit = tirelo::LlegeixJsonLot(tirelo::EscriuJsonLot(c), temes);
  Comprova(std::holds_alternative<tirelo::ContingutLot>(relegit), "what was read is read again");
  Comprova(std::get<tirelo::ContingutLot>(relegit).exercicis == c.exercicis, "the same exercises");
  return 0;
}
