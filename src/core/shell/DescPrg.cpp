// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/DescPrg.h"

#include "mathtext/Text.h"

namespace tirelo {

DescPrg DescripcioTirelo() {
  DescPrg d;
  d.nomCurt = Talla("Tirelo", 8);
  d.titol = Talla("Exercicis de Tirelo", 40);
  d.llistaTemes =
      "divisors;igualtats notables;fraccions;pot\xE8ncies;arrels;operacions;percentatges;"
      "equacions;funcions";
  d.fitxerAjuda = Talla("PrTirelo.pdf", 12);
  return d;
}

}  // namespace tirelo
