// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The "Temes" menu built from the descriptor's topic list: names separated by ';',
// one level of grouping with "name(a;b)". Items get commands 201, 202, ... in order.
#include <string>
#include <string_view>
#include <vector>

namespace tirelo {

struct ElementMenu {
  std::string nom;                    // at most 40 characters (longer names are cut)
  int ordre = 0;                      // command of an item; 0 for a popup
  std::vector<ElementMenu> fills;     // items of a popup
  bool EsSubmenu() const { return ordre == 0; }
};

std::vector<ElementMenu> ConstrueixMenuTemes(std::string_view llistaTemes);

// The program's "Temes" menu, read from the catalogue's rows: topic k is command 200 + k.
std::vector<ElementMenu> MenuDelCataleg();

}  // namespace tirelo
