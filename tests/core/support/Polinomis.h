// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Reading back the polynomials and points that the generators write, so that tests
// can substitute the answers into the statements.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tirelo::prova {

// A polynomial text such as "3x-y+1", "x^4-13x\xB2+36" or "2y = 7" (the part before
// " = " only when asked) as monomial -> coefficient. Monomials: "" (constant), "x",
// "x2", "x4", "y". An unreadable text fails the running test.
using Polinomi = std::map<std::string, int64_t>;
Polinomi LlegeixPolinomi(std::string_view s);
// Value of the polynomial for the given x and y.
int64_t Avalua(const Polinomi& p, int64_t x, int64_t y = 0);

// "lhs = rhs" split at its first " = ".
std::pair<std::string, std::string> CostatsEquacio(std::string_view s);

// The text cut at every occurrence of the separator.
std::vector<std::string> Parteix(std::string_view s, std::string_view sep);

// Every "(x,y)" point of the text, in order.
std::vector<std::pair<int64_t, int64_t>> Punts(std::string_view s);

// The case labels of a text in order, without ") ": "a", "b", ... A label is one or
// two letters not preceded by a letter ("possible) " holds none).
std::vector<std::string> Etiquetes(std::string_view s);

// The integers of a list such as "2, -2, 0".
std::vector<int64_t> Enters(std::string_view s);

}  // namespace tirelo::prova
