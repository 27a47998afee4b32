// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The font painter of the About window: a font description of its own, selected on
// its canvas every time it changes. Texts are then drawn with EscriuA.
#include <cstddef>
#include <string_view>

#include "render/Llenc.h"

namespace tirelo {

class Lletra {
 public:
  static constexpr std::size_t LlargadaCara = 31;

  // Starts at 16 x 6 "arial", normal weight; nothing is selected until a change.
  explicit Lletra(Llenc& llenc) : llenc_(llenc) {}

  void Mida(int alcada, int amplada);
  // The face name, cut to 31 characters.
  void Cara(std::string_view nom);
  void Negreta(bool si);
  const DescripcioLletra& Descripcio() const { return lletra_; }

 private:
  void Refa() { llenc_.PosaLletra(lletra_); }

  Llenc& llenc_;
  DescripcioLletra lletra_;
};

}  // namespace tirelo
