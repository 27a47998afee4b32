// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the reader of the linear notation (what a pupil types) with arbitrary bytes.
// Besides crashes, leaks and undefined behaviour, it checks that an error points inside
// the text (or just past its end) with a message, that a text read is written in the
// notation, and that the written notation reads back and writes the same again.
#include "Propietat.h"
#include "document/Notacio.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tirelo::LecturaNotacio l = tirelo::LlegeixNotacio(text);
  if (!l.Llegida()) {
    Comprova(l.error->posicio <= size, "an error points inside the text or at its end");
    Comprova(!l.error->missatge.empty(), "an error says why");
    return 0;
  }
  const std::string escrit = tirelo::EscriuNotacio(l.expressio);
  Comprova(!escrit.empty(), "a text read is written");
  const tirelo::LecturaNotacio altra = tirelo::LlegeixNotacio(escrit);
  Comprova(altra.Llegida(), "the written notation reads back");
  // The writing settles after one round: what a typed text is written as may still
  // lose a redundant bracket when read back ("(√(E))_S" -> "(√E)_S"), but what that
  // writes is written the same from then on.
  const std::string reescrit = tirelo::EscriuNotacio(altra.expressio);
  const tirelo::LecturaNotacio tercera = tirelo::LlegeixNotacio(reescrit);
  Comprova(tercera.Llegida(), "the rewritten notation reads back");
  Comprova(tirelo::EscriuNotacio(tercera.expressio) == reescrit, "read back again, it writes the same");
  return 0;
}
