// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// What the step builders of every topic share: a step from a line in the linear
// notation, numbers written for it, factorisations and the numbers a case's notation
// holds.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "document/Expressio.h"

namespace tirelo::passos {

// The integer as the notation writes it ("-3"); in brackets when negative ("(-3)"), for
// a factor or a base.
std::string E(int64_t n);
std::string Pe(int64_t n);
// "+ 3" or "- 3" after a term: the sign and the absolute value.
std::string Signat(int64_t n);
// The fraction n/d with its sign in front ("-5/6"); just n when d is 1.
std::string Fr(int64_t n, int64_t d);

// The primes of n > 1 with their exponents, in increasing order.
std::vector<std::pair<int64_t, int>> Factors(int64_t n);
// "2^3·3^2·5"; "1" for no factor.
std::string Potencies(const std::vector<std::pair<int64_t, int>>& factors);

// The integers of a text in the notation, in order, a "-" right before digits kept as
// their sign. Digits inside a word or after "^" count as well.
std::vector<int64_t> Enters(const std::string& notacio);

// The greatest common divisor and least common multiple of two integers (positive).
int64_t Mcd(int64_t a, int64_t b);
int64_t Mcm(int64_t a, int64_t b);


// The steps of each topic from the notation of a case's statement and answer; empty
// where the case is not the shape its subtype draws.
struct Linies {
  std::vector<std::string> notacio;  // each step's line (UTF-8)
  std::vector<std::string> perque;   // each step's justification (Windows-1252)
  void Afegeix(std::string linia, std::string justificacio = {}) {
    notacio.push_back(std::move(linia));
    perque.push_back(std::move(justificacio));
  }
};
Linies PassosDivisors(int subtipus, const std::string& en, const std::string& re);
Linies PassosFraccions(int subtipus, const std::string& en, const std::string& re);
Linies PassosPotencies(int subtipus, const std::string& en, const std::string& re);
Linies PassosArrels(int subtipus, const std::string& en, const std::string& re);
Linies PassosIgualtats(int subtipus, const std::string& en, const std::string& re);
Linies PassosOperacions(int subtipus, const std::string& en, const std::string& re);
Linies PassosPercentatges(int subtipus, const std::string& en, const std::string& re);
Linies PassosEquacions(int subtipus, const std::string& en, const std::string& re);
Linies PassosFuncions(int subtipus, const std::string& en, const std::string& re);

// The product sign and the square root in the notation (UTF-8).
inline constexpr const char* kPer = "\xC2\xB7";
inline constexpr const char* kArrel = "\xE2\x88\x9A";

}  // namespace tirelo::passos
