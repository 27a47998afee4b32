// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/Lletra.h"

#include <string>

namespace tirelo {

void Lletra::Mida(int alcada, int amplada) {
  lletra_.alcada = alcada;
  lletra_.amplada = amplada;
  Refa();
}

void Lletra::Cara(std::string_view nom) {
  lletra_.cara = std::string(nom.substr(0, LlargadaCara));
  Refa();
}

void Lletra::Negreta(bool si) {
  lletra_.pes = si ? PesNegreta : PesNormal;
  Refa();
}

}  // namespace tirelo
