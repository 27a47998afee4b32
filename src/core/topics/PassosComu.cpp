// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/PassosComu.h"

#include <cctype>
#include <cstdlib>


namespace tirelo::passos {

std::string E(int64_t n) { return std::to_string(n); }
std::string Pe(int64_t n) { return n < 0 ? "(" + E(n) + ")" : E(n); }
std::string Signat(int64_t n) { return n < 0 ? "-" + E(-n) : "+" + E(n); }

std::string Fr(int64_t n, int64_t d) {
  if (d < 0) {
    n = -n;
    d = -d;
  }
  if (d == 1) return E(n);
  return (n < 0 ? "-" : "") + E(std::llabs(n)) + "/" + E(d);
}

std::vector<std::pair<int64_t, int>> Factors(int64_t n) {
  std::vector<std::pair<int64_t, int>> r;
  for (int64_t p = 2; p * p <= n; ++p) {
    int e = 0;
    while (n % p == 0) {
      n /= p;
      ++e;
    }
    if (e > 0) r.emplace_back(p, e);
  }
  if (n > 1) r.emplace_back(n, 1);
  return r;
}

std::string Potencies(const std::vector<std::pair<int64_t, int>>& factors) {
  std::string r;
  for (const auto& [p, e] : factors) {
    if (!r.empty()) r += "\xC2\xB7";
    r += E(p);
    if (e > 1) r += "^" + std::to_string(e);
  }
  return r.empty() ? "1" : r;
}

std::vector<int64_t> Enters(const std::string& s) {
  std::vector<int64_t> r;
  for (std::size_t i = 0; i < s.size();) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) {
      ++i;
      continue;
    }
    const bool negatiu = i > 0 && s[i - 1] == '-';
    int64_t v = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) v = v * 10 + (s[i++] - '0');
    r.push_back(negatiu ? -v : v);
  }
  return r;
}

}  // namespace tirelo::passos
