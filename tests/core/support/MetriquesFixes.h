// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Font metrics for the tests of the layout: every character half an em wide, ascent
// 0.8 em, descent 0.2 em, whatever the face.
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
};

}  // namespace tirelo::prova
