// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The screen text module: the canvas the preview draws on, the current font
// description and the pen. Text is drawn with its top at the pen's y and moves the
// pen to its end, so runs of text follow one another along a line.
#include <string_view>

#include "render/Llenc.h"

namespace tirelo {

enum class Index { Superindex, Subindex };

class Pantalla {
 public:
  // Scripts use the font at three quarters; subscripts sit this much lower.
  static constexpr int NumeradorIndex = 3;
  static constexpr int DenominadorIndex = 4;
  static constexpr int BaixadaSubindex = 8;

  // Draws from now on onto the canvas, in the current description.
  void LligaFinestra(Llenc& llenc);
  // Leaves the canvas (before it goes away); the font description stays.
  void Deslliga() { llenc_ = nullptr; }
  bool Lligada() const { return llenc_ != nullptr; }
  Llenc& Canvas() { return *llenc_; }

  // Selects a font made from the current description.
  void RefaLletra();
  void PosaNegreta(bool si);
  void PosaLletra(const DescripcioLletra& d);
  const DescripcioLletra& Descripcio() const { return lletra_; }

  void MouA(int x, int y) { pen_ = {x, y}; }
  int PosX() const { return pen_.x; }
  int PosY() const { return pen_.y; }

  // Draws the text with its top-left corner at (x, y) and leaves the pen at its end.
  void EscriuA(int x, int y, std::string_view text);
  // Draws the text at the pen.
  void Escriu(std::string_view text) { EscriuA(pen_.x, pen_.y, text); }

  // A script starts at the pen in the smaller font; SurtIndex keeps the x reached
  // and brings the pen back to the line's y.
  void EntraIndex(Index quin);
  void SurtIndex();

 private:
  Llenc* llenc_ = nullptr;
  DescripcioLletra lletra_;
  DescripcioLletra desada_;
  Punt origenIndex_;
  Punt pen_;
};

}  // namespace tirelo
