// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/MenuTemes.h"

#include "topics/Cataleg.h"

namespace tirelo {

namespace {
constexpr std::size_t LlargadaNom = 40;  // the name buffer: longer names are cut
}  // namespace

std::vector<ElementMenu> ConstrueixMenuTemes(std::string_view llistaTemes) {
  std::vector<ElementMenu> temes;
  // Where items go: the top level, or the popup opened by the last '('. Only the
  // current level ever grows, so a pointer into the popup's own list stays valid.
  std::vector<ElementMenu>* actual = &temes;
  int ordre = 200;
  std::string nom;

  // The end of the text counts as a final delimiter.
  for (std::size_t i = 0; i <= llistaTemes.size(); ++i) {
    const char c = i < llistaTemes.size() ? llistaTemes[i] : ';';
    if (c != '(' && c != ')' && c != ';') {
      if (nom.size() < LlargadaNom) nom += c;
      continue;
    }
    if (!nom.empty()) {
      if (c == '(') {
        actual->push_back({nom, 0, {}});
        actual = &actual->back().fills;
      } else {
        actual->push_back({nom, ++ordre, {}});
      }
    }
    // A ')' returns to the top level even after an empty name ("a(b;);c"), so the
    // names after a group never fall into it.
    if (c == ')') actual = &temes;
    nom.clear();
  }
  return temes;
}

std::vector<ElementMenu> MenuDelCataleg() {
  std::vector<ElementMenu> temes;
  int ordre = 200;
  for (const EntradaTema& e : Cataleg()) temes.push_back({std::string(e.nom.substr(0, LlargadaNom)), ++ordre, {}});
  return temes;
}

}  // namespace tirelo
