// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The program descriptor: the only place where the program says what it is.
#include <string>

namespace tirelo {

struct DescPrg {
  std::string nomCurt;      // at most 8 characters
  std::string titol;        // at most 40: the main window's caption
  std::string llistaTemes;  // topic names separated by ';', one level of "(...)" grouping
  std::string fitxerAjuda;  // at most 12: opened by "&Ajuda"; empty greys the command
};

// The descriptor of this program, each value cut to its field's length.
DescPrg DescripcioTirelo();

}  // namespace tirelo
