// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/Pantalla.h"

namespace tirelo {

void Pantalla::LligaFinestra(Llenc& llenc) {
  llenc_ = &llenc;
  RefaLletra();
}

void Pantalla::RefaLletra() {
  if (llenc_) llenc_->PosaLletra(lletra_);
}

void Pantalla::PosaNegreta(bool si) {
  lletra_.pes = si ? PesNegreta : PesNormal;
  RefaLletra();
}

void Pantalla::PosaLletra(const DescripcioLletra& d) {
  lletra_ = d;
  RefaLletra();
}

void Pantalla::EscriuA(int x, int y, std::string_view text) {
  int amplada = 0;
  if (llenc_) amplada = tirelo::EscriuA(*llenc_, x, y, text);
  pen_ = {x + amplada, y};
}

void Pantalla::EntraIndex(Index quin) {
  desada_ = lletra_;
  // Integer division truncating toward zero, as the sizes are plain ints.
  lletra_.alcada = lletra_.alcada * NumeradorIndex / DenominadorIndex;
  lletra_.amplada = lletra_.amplada * NumeradorIndex / DenominadorIndex;
  RefaLletra();
  origenIndex_ = pen_;
  if (quin == Index::Subindex) pen_.y += BaixadaSubindex;
}

void Pantalla::SurtIndex() {
  lletra_ = desada_;
  RefaLletra();
  pen_.y = origenIndex_.y;
}

}  // namespace tirelo
