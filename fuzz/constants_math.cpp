// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the reader of a mathematics face's MATH table. The input is split at its first
// byte: that many bytes (up to the rest) are the face's "head" table, the remainder its
// "MATH" table. Besides crashes, leaks and undefined behaviour it checks that whatever
// is read gives sizes a script can be set at: the script scales stay within (0, 1].
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "full/ConstantsMath.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dades, std::size_t mida) {
  if (mida == 0) return 0;
  const std::string_view tot(reinterpret_cast<const char*>(dades) + 1, mida - 1);
  const std::size_t n = std::min<std::size_t>(dades[0], tot.size());
  const std::string head(tot.substr(0, n)), math(tot.substr(n));
  const tirelo::ConstantsMath c = tirelo::LlegeixConstantsMath([&](std::string_view etiqueta) {
    if (etiqueta == "head") return head;
    if (etiqueta == "MATH") return math;
    return std::string();
  });
  const bool escales = c.escalaScript > 0 && c.escalaScript <= 1 && c.escalaScriptScript > 0 && c.escalaScriptScript <= 1;
  if (!escales || !std::isfinite(c.superindexPuja) || !std::isfinite(c.eix)) {
    std::fprintf(stderr, "property broken: the constants read cannot set a script\n");
    std::abort();
  }
  return 0;
}
