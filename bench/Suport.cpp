// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "Suport.h"

namespace tirelo::banc {

std::string Omple(std::string_view patro, std::size_t n) {
  std::string s;
  while (s.size() < n) s += patro;
  s.resize(n);
  return s;
}

Exercici ExerciciPle() {
  Exercici e;
  e.enunciat = Omple("#B(a)) #F(3x^2/4y_1) + #R(x^(2)+1) #I(#S(z)) ^(n+1)\r#2");
  e.resposta = Omple("x_(12)^(3) #F(\x01(x+1)/(x-1)) \\tab #M(x+y=2\rx-y=0) #&\r");
  e.pista = Omple("#I(factoritza) x^2 - 1 = (x+1)(x-1) ", 80);
  e.posicioPista = 1;
  e.llest = true;
  return e;
}

}  // namespace tirelo::banc
