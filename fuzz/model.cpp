// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the markup reader with arbitrary bytes. Besides crashes, leaks and undefined
// behaviour, it checks that the model is stable: a text read and written again is the
// same text under either reading of unclosed scripts, the written text reads into the
// same tree, and the RTF of the model is the RTF of the text. The one reader of the
// mathematics (raw RTF, stacked fractions and "R_n(" included) gives every fraction its
// two parts and a root's index only in first place, and the readable line written from
// it stays on one line, without tab stops or control characters.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Propietat.h"
#include "document/Marcat.h"
#include "document/Matematiques.h"
#include "document/Model.h"
#include "document/TextLinia.h"

namespace {

bool MateixArbre(const tirelo::Model& a, const tirelo::Model& b) {
  if (a.peces.size() != b.peces.size()) return false;
  for (std::size_t i = 0; i < a.peces.size(); ++i) {
    const tirelo::Peca& p = a.peces[i];
    const tirelo::Peca& q = b.peces[i];
    if (p.tipus != q.tipus || p.lletra != q.lletra || p.ambLletra != q.ambLletra || p.forma != q.forma ||
        p.text != q.text || p.buit != q.buit || p.tabs != q.tabs || p.ambBarra != q.ambBarra ||
        p.xifra != q.xifra || p.llargada != q.llargada || p.fills != q.fills) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const auto o : {tirelo::IndexObert::FinsAlFinal, tirelo::IndexObert::Buit}) {
    const tirelo::Model m = tirelo::LlegeixMarcat(text, {o});
    const std::string escrit = tirelo::EscriuMarcat(m);
    Comprova(escrit == text, "read and written again, the text is unchanged");
    Comprova(MateixArbre(tirelo::LlegeixMarcat(escrit, {o}), m), "the written text reads into the same tree");
  }
  const tirelo::Model m = tirelo::LlegeixMarcat(text);
  Comprova(tirelo::EscriuRtf(m) == tirelo::TradueixMarcat(text), "the model's RTF is the text's");
  const tirelo::Model mat = tirelo::LlegeixMatematiques(text);
  for (const tirelo::Peca& p : mat.peces) {
    if (p.tipus == tirelo::TipusPeca::Fraccio) Comprova(p.fills.size() == 2, "a fraction has two parts");
    for (std::size_t k = 1; k < p.fills.size(); ++k) {
      Comprova(mat.peces[p.fills[k]].tipus != tirelo::TipusPeca::IndexArrel, "a root's index comes first");
    }
  }
  const std::string linia = tirelo::TextLinia(text);
  Comprova(linia.find_first_of("\r\n\t") == std::string::npos, "the readable line is one line, without tabs");
  for (const char c : linia) Comprova(static_cast<unsigned char>(c) >= 32, "no control character in the line");
  return 0;
}
