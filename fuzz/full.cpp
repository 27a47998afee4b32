// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the reading of an exercise's mathematics, the typesetter, the sheet composer
// and the LaTeX writer with arbitrary markup: the input, split at NUL bytes, is the
// statement, the answer and the hint of one exercise (cut to their lengths, as the
// batch cuts them), on a sheet with every option. Besides crashes, leaks and undefined
// behaviour, it checks that every placement is a finite number inside a sane range,
// every placed text is UTF-8, and the LaTeX source holds no control character.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Propietat.h"
#include "document/Matematiques.h"
#include "full/Full.h"
#include "full/Tipografia.h"
#include "support/MetriquesFixes.h"

namespace {

bool Raonable(double v) { return std::isfinite(v) && std::fabs(v) < 1e6; }

// Well-formed UTF-8: every lead byte followed by as many continuation bytes as it says.
bool Utf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

void ComprovaElement(const tirelo::ElementFull& e) {
  Comprova(Raonable(e.x) && Raonable(e.y) && Raonable(e.x2) && Raonable(e.y2), "placements are finite");
  for (const tirelo::PuntFull& p : e.punts) Comprova(Raonable(p.x) && Raonable(p.y), "path points are finite");
  Comprova(Utf8(e.text), "placed texts are UTF-8");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view entrada(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts(3);
  std::size_t k = 0;
  for (const char c : entrada) {
    if (c == '\0' && k < 2) {
      ++k;
    } else {
      parts[k] += c;
    }
  }
  tirelo::Exercici e;
  e.enunciat = parts[0];
  e.resposta = parts[1];
  e.pista = parts[2];
  e.posicioPista = static_cast<int32_t>(size % 3);
  e.Limita();

  const tirelo::prova::MetriquesFixes metriques;
  const tirelo::BlocTipografiat b = tirelo::Tipografia(tirelo::LlegeixMatematiques(parts[0]), 200, metriques);
  for (const tirelo::ElementFull& el : b.elements) ComprovaElement(el);

  tirelo::OpcionsFull o;
  o.titol = parts[2];
  o.disposicio = static_cast<int>(size % 2);
  o.capcalera = true;
  o.espai = 2;
  o.versio = "A";
  o.codi = parts[1].substr(0, 8);
  const tirelo::Full f = tirelo::ComposaFull({e, e}, o, metriques);
  Comprova(!f.pagines.empty(), "a sheet has a page");
  for (const tirelo::PaginaFull& p : f.pagines) {
    for (const tirelo::ElementFull& el : p.elements) ComprovaElement(el);
  }
  const std::string latex = tirelo::EscriuLatex({e}, o);
  for (const char c : latex) Comprova(static_cast<unsigned char>(c) >= 32 || c == '\n', "no control character in LaTeX");
  return 0;
}
