// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "support/Polinomis.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <regex>

namespace tirelo::prova {

namespace {
bool EsXifra(char c) { return c >= '0' && c <= '9'; }

// A run of digits at i as a number; false when there is none.
bool LlegeixXifres(std::string_view s, std::size_t& i, int64_t& n) {
  const std::size_t inici = i;
  int64_t v = 0;
  while (i < s.size() && EsXifra(s[i])) v = v * 10 + (s[i++] - '0');
  if (i > inici) n = v;
  return i > inici;
}
}  // namespace

Polinomi LlegeixPolinomi(std::string_view s) {
  Polinomi p;
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t inici = i;
    int64_t signe = 1;
    if (s[i] == '+' || s[i] == '-') signe = s[i++] == '-' ? -1 : 1;
    int64_t coef = 1;
    const bool xifres = LlegeixXifres(s, i, coef);
    std::string monomi;
    if (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) {
      monomi = s[i++];
      if (i < s.size() && s[i] == '\xB2') {
        monomi += '2';
        ++i;
      } else if (i + 1 < s.size() && s[i] == '^') {
        monomi += s[i + 1];
        i += 2;
      }
    } else if (!xifres) {
      ADD_FAILURE() << "unreadable polynomial \"" << s << "\" at " << inici;
      return p;
    }
    p[monomi] += signe * coef;
  }
  return p;
}

int64_t Avalua(const Polinomi& p, int64_t x, int64_t y) {
  int64_t v = 0;
  for (const auto& [monomi, coef] : p) {
    int64_t terme = coef;
    if (!monomi.empty()) {
      const int64_t base = monomi[0] == 'y' ? y : x;
      const int exponent = monomi.size() > 1 ? monomi[1] - '0' : 1;
      for (int k = 0; k < exponent; ++k) terme *= base;
    }
    v += terme;
  }
  return v;
}

std::pair<std::string, std::string> CostatsEquacio(std::string_view s) {
  const auto pos = s.find(" = ");
  if (pos == std::string_view::npos) {
    ADD_FAILURE() << "no \" = \" in \"" << s << "\"";
    return {std::string(s), {}};
  }
  return {std::string(s.substr(0, pos)), std::string(s.substr(pos + 3))};
}

std::vector<std::string> Parteix(std::string_view s, std::string_view sep) {
  std::vector<std::string> parts;
  for (;;) {
    const auto pos = s.find(sep);
    parts.emplace_back(s.substr(0, pos));
    if (pos == std::string_view::npos) return parts;
    s.remove_prefix(pos + sep.size());
  }
}

std::vector<std::pair<int64_t, int64_t>> Punts(std::string_view s) {
  std::vector<std::pair<int64_t, int64_t>> punts;
  for (std::size_t i = s.find('('); i != std::string_view::npos; i = s.find('(', i + 1)) {
    const std::string tros(s.substr(i + 1));
    char* fi = nullptr;
    const long long x = std::strtoll(tros.c_str(), &fi, 10);
    if (*fi != ',') continue;
    const long long y = std::strtoll(fi + 1, &fi, 10);
    if (*fi == ')') punts.emplace_back(x, y);
  }
  return punts;
}

std::vector<int64_t> Enters(std::string_view s) {
  std::vector<int64_t> r;
  for (const std::string& tros : Parteix(s, ", ")) {
    char* fi = nullptr;
    r.push_back(std::strtoll(tros.c_str(), &fi, 10));
    EXPECT_TRUE(!tros.empty() && *fi == '\0') << "not an integer: \"" << tros << "\"";
  }
  return r;
}

std::vector<std::string> Etiquetes(std::string_view s) {
  static const std::regex etiqueta("(^|[^a-z])([a-z]{1,2})\\) ");
  std::vector<std::string> r;
  const std::string text(s);
  for (std::sregex_iterator it(text.begin(), text.end(), etiqueta), fi; it != fi; ++it) r.push_back((*it)[2]);
  return r;
}

}  // namespace tirelo::prova
