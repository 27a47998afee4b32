// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Expressio.h"

#include <cstddef>
#include <utility>

#include "document/Matematiques.h"

namespace tirelo {

Expressio::Expressio() { m_.peces.emplace_back(); }

Expressio Expressio::Llegeix(std::string_view marcat) { return Expressio(LlegeixMatematiques(marcat)); }

bool Expressio::operator==(const Expressio& o) const { return MateixModel(m_, o.m_); }

namespace {
bool MateixaPeca(const Peca& a, const Peca& b) {
  return a.tipus == b.tipus && a.lletra == b.lletra && a.ambLletra == b.ambLletra && a.forma == b.forma &&
         a.text == b.text && a.buit == b.buit && a.tabs == b.tabs && a.ambBarra == b.ambBarra &&
         a.xifra == b.xifra && a.fills.size() == b.fills.size();
}
}  // namespace

bool MateixModel(const Model& a, const Model& b) {
  if (a.peces.empty() || b.peces.empty()) return a.peces.empty() == b.peces.empty();
  // Both trees walked side by side without recursion; the nodes' indices may differ.
  std::vector<std::pair<std::size_t, std::size_t>> pila{{0, 0}};
  while (!pila.empty()) {
    const auto [i, j] = pila.back();
    pila.pop_back();
    const Peca& pa = a.peces[i];
    const Peca& pb = b.peces[j];
    if (!MateixaPeca(pa, pb)) return false;
    for (std::size_t k = 0; k < pa.fills.size(); ++k) pila.emplace_back(pa.fills[k], pb.fills[k]);
  }
  return true;
}

}  // namespace tirelo
