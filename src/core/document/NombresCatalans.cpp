// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/NombresCatalans.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tirelo {
namespace {

bool EsXifra(char c) { return c >= '0' && c <= '9'; }

// The length of the euro sign at s's start after any blanks, and where it starts; none
// when s does not go on with it.
std::optional<std::size_t> Euro(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (s.substr(i, 1) == "\x80" || s.substr(i, 3) == "\xE2\x82\xAC") return i;
  return std::nullopt;
}

// A number's digits with a decimal comma; with two decimals when it is an amount.
std::string Nombre(std::string_view n, bool diners) {
  std::string r(n);
  for (char& c : r) {
    if (c == '.') c = ',';
  }
  if (!diners) return r;
  const std::size_t coma = r.find(',');
  if (coma == std::string::npos) return r + ",00";
  const std::size_t decimals = r.size() - coma - 1;
  if (decimals == 1) return r + "0";
  return r;
}

}  // namespace

std::string NombresCatalans(std::string_view text) {
  std::string r;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!EsXifra(text[i])) {
      r += text[i++];
      continue;
    }
    std::size_t fi = i;
    while (fi < text.size() && (EsXifra(text[fi]) || (text[fi] == '.' && fi + 1 < text.size() && EsXifra(text[fi + 1]))))
      ++fi;
    const std::string_view resta = text.substr(fi);
    const auto euro = Euro(resta);
    r += Nombre(text.substr(i, fi - i), euro.has_value());
    if (euro) {
      r += ' ';
      fi += *euro;  // the blanks go: one is written
    }
    i = fi;
  }
  return r;
}

Model NombresCatalans(Model m) {
  for (std::size_t k = 0; k < m.peces.size(); ++k) {
    std::vector<std::size_t>& fills = m.peces[k].fills;
    for (std::size_t f = 0; f < fills.size(); ++f) {
      Peca& p = m.peces[fills[f]];
      if (p.tipus != TipusPeca::Nombre) continue;
      // An amount: the next runs of text, past blanks, start with the euro sign.
      std::size_t g = f + 1;
      while (g < fills.size() && m.peces[fills[g]].tipus == TipusPeca::Tros &&
             m.peces[fills[g]].text.find_first_not_of(' ') == std::string::npos)
        ++g;
      const bool diners = g < fills.size() && m.peces[fills[g]].tipus == TipusPeca::Tros &&
                          Euro(m.peces[fills[g]].text).has_value();
      p.text = Nombre(p.text, diners);
      if (diners && g == f + 1 && m.peces[fills[g]].text.front() != ' ') {
        std::string& t = m.peces[fills[g]].text;
        t = " " + t;
      }
    }
  }
  return m;
}

}  // namespace tirelo
