// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/DescPrg.h"

#include "mathtext/Text.h"
#include "topics/Cataleg.h"

namespace tirelo {

DescPrg DescripcioTirelo() {
  DescPrg d;
  d.nomCurt = Talla("Tirelo", 8);
  d.titol = Talla("Exercicis de Tirelo", 40);
  d.llistaTemes = LlistaTemes();
  d.fitxerAjuda = Talla("PrTirelo.pdf", 12);
  return d;
}

}  // namespace tirelo
