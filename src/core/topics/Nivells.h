// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Difficulty levels: 1 easier, 2 the usual draw, 3 harder. A generator takes each range
// from its level (level 2's ranges and draws are the usual ones, draw for draw), and
// the help says in words what each level of each subtype gives.
//   const int32_t max = PerNivell(ctx.nivell, 5, 9, 12);  // 1..5, 1..9 or 1..12
#include <array>
#include <cstdint>
#include <string_view>

#include "mathtext/Aleatori.h"
#include "mathtext/Termes.h"

namespace tirelo {

constexpr int kNivellMinim = 1;
constexpr int kNivellHabitual = 2;
constexpr int kNivellMaxim = 3;

// The value for the level: u at 1 (or below), dos at 2, tres at 3 (or above).
template <class T>
constexpr T PerNivell(int nivell, T u, T dos, T tres) {
  return nivell <= 1 ? u : nivell == 2 ? dos : tres;
}

// A nonzero integer of magnitude 1..m: at level 1 positive (one draw), at level 2 as
// the usual draws give it (negative with probability 2/9), at level 3 negative half
// the time.
int32_t AleatNoNulNivell(FontAleatoria& rnd, int nivell, int32_t m);

// A binomial whose coefficients are 1..2 and positive at level 1, +-1..3 and negative
// with probability 2/10 at level 2, +-1..5 and negative half the time at level 3.
Binomi AleatBinomiNivell(FontAleatoria& rnd, int nivell);

// What each level of subtype `subtipus` of topic `tema` (catalogue order, from 1) gives,
// in a few Catalan words (UTF-8), levels 1, 2 and 3 in order; empty texts for a subtype
// the catalogue does not have.
std::array<std::string_view, 3> DescripcioNivells(int tema, int subtipus);

}  // namespace tirelo
