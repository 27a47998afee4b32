// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// A canvas that records what is drawn on it, for the renderer's tests. Every
// character is as wide as the selected font's width (6 px at 16 x 6, 4 px in scripts).
#include <string>
#include <vector>

#include "render/Llenc.h"

namespace tirelo::prova {

struct Traca {
  enum class Tipus { Text, Linia, Polilinia, Ellipse, Rectangle };
  Tipus tipus;
  std::vector<Punt> punts;  // the text's corner, a line's ends, a box's two corners
  std::string text;
  DescripcioLletra lletra;  // the font selected when it was drawn
};

class LlencGravador final : public Llenc {
 public:
  void PosaLletra(const DescripcioLletra& d) override {
    lletra = d;
    ++seleccions;
  }
  int Amplada(std::string_view text) override { return static_cast<int>(text.size()) * lletra.amplada; }
  void Text(int x, int y, std::string_view text) override {
    traces.push_back({Traca::Tipus::Text, {{x, y}}, std::string(text), lletra});
  }
  void Linia(Punt de, Punt a) override { traces.push_back({Traca::Tipus::Linia, {de, a}, {}, lletra}); }
  void Polilinia(std::span<const Punt> punts) override {
    traces.push_back({Traca::Tipus::Polilinia, {punts.begin(), punts.end()}, {}, lletra});
  }
  void Ellipse(int e, int d, int r, int b) override {
    traces.push_back({Traca::Tipus::Ellipse, {{e, d}, {r, b}}, {}, lletra});
  }
  void Rectangle(int e, int d, int r, int b) override {
    traces.push_back({Traca::Tipus::Rectangle, {{e, d}, {r, b}}, {}, lletra});
  }

  // Only the texts, in drawing order.
  std::vector<Traca> Textos() const {
    std::vector<Traca> t;
    for (const Traca& x : traces)
      if (x.tipus == Traca::Tipus::Text) t.push_back(x);
    return t;
  }
  std::vector<Traca> DelTipus(Traca::Tipus tipus) const {
    std::vector<Traca> t;
    for (const Traca& x : traces)
      if (x.tipus == tipus) t.push_back(x);
    return t;
  }

  std::vector<Traca> traces;
  DescripcioLletra lletra;
  int seleccions = 0;
};

}  // namespace tirelo::prova
