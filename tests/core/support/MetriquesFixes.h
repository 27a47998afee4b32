// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Font metrics for the tests of the layout: every character half an em wide, ascent
// 0.8 em, descent 0.2 em, whatever the face. Ink: capitals, digits and tall letters
// reach 0.7 em, short letters 0.45 em, brackets from -0.25 to 0.75 em, the radical
// sign from -0.2 to 0.8 em, anything else 0.5 em; g, j, p, q, y go 0.2 em down.
#include <algorithm>
#include <string_view>

#include "full/Full.h"

namespace tirelo::prova {

class MetriquesFixes final : public MetriquesLletra {
 public:
  double Amplada(std::string_view utf8, const LletraFull& l) const override {
    double n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n * 0.5 * l.punts;
  }
  double Ascendent(const LletraFull& l) const override { return 0.8 * l.punts; }
  double Descendent(const LletraFull& l) const override { return 0.2 * l.punts; }
  TintaText Tinta(std::string_view utf8, const LletraFull& l) const override {
    if (utf8 == "\u221A") return {0.8 * l.punts, 0.2 * l.punts, Amplada(utf8, l)};
    TintaText t{-1e9, -1e9, Amplada(utf8, l)};
    const std::string_view curtes = "acemnorsuvwxz", avall = "gjpqy";
    for (const char c : utf8) {
      if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
      double dalt = 0.5, baix = 0;
      if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) dalt = 0.7;
      if (curtes.find(c) != std::string_view::npos) dalt = 0.45;
      if (avall.find(c) != std::string_view::npos) baix = 0.2;
      if (c == '(' || c == ')' || c == '[' || c == ']') dalt = 0.75, baix = 0.25;
      t.dalt = std::max(t.dalt, dalt * l.punts);
      t.baix = std::max(t.baix, baix * l.punts);
    }
    if (t.dalt < -1e8) return {};
    return t;
  }
};

}  // namespace tirelo::prova
