// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the sheet-code reader. Besides crashes, leaks and undefined behaviour it checks
// that a refusal says why, that whatever it accepts is a sheet a batch can hold (1 to 50
// exercises of the catalogue's subtypes), and that writing that sheet's code gives the
// text read, in capitals and without separators, in the version it was read in: one
// code per sheet, one sheet per code.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "Propietat.h"
#include "batch/Lot.h"
#include "shell/CodiFull.h"

namespace {

std::string Normalitzat(std::string_view text) {
  std::string r;
  for (char c : text) {
    if (c == ' ' || c == '-' || c == '\t') continue;
    r += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto llegit = tirelo::LlegeixCodi(text);
  if (const auto* error = std::get_if<tirelo::ErrorCodi>(&llegit)) {
    Comprova(!error->missatge.empty(), "a refusal says why");
    return 0;
  }
  const auto& full = std::get<tirelo::FullCodificat>(llegit);
  int exercicis = 0;
  for (const auto& s : full.series) exercicis += s.exercicis;
  Comprova(exercicis >= 1 && exercicis <= tirelo::Lot::Maxim, "1 to 50 exercises");
  // A code is written again in its own version: the second begins with '2', which no
  // code of the first does.
  const std::string normalitzat = Normalitzat(text);
  const auto escrit = normalitzat.front() == '2' ? tirelo::EscriuCodi(full) : tirelo::EscriuCodiVersio1(full);
  Comprova(escrit.has_value(), "an accepted sheet has a code");
  Comprova(*escrit == normalitzat, "the code written is the code read");
  for (const auto& s : full.series) Comprova(s.nivell >= 1 && s.nivell <= 3, "a level of 1 to 3");
  return 0;
}
