// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/PassosComu.h"

#include <cctype>
#include <cstdlib>

#include "document/Notacio.h"


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

bool Tram::Es(std::size_t k, TipusPeca t, std::string_view text) const {
  return k < nodes.size() && (*this)[k].tipus == t && (text.empty() || (*this)[k].text == text);
}

Tram Tram::Subtram(std::size_t des_de, std::size_t fins) const {
  Tram r{m, {}};
  for (std::size_t k = des_de; k < fins && k < nodes.size(); ++k) r.nodes.push_back(nodes[k]);
  return r;
}

namespace {

bool Blanc(const Peca& p) {
  return p.tipus == TipusPeca::Tros && p.text.find_first_not_of(' ') == std::string::npos;
}

bool EsOperador(const Peca& p, std::string_view op) { return p.tipus == TipusPeca::Operador && p.text == op; }

// The integers of a run of prose: digits, a "-" right before them kept as their sign.
void EntersDeText(const std::string& s, std::vector<int64_t>& r) {
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
}

void EntersDe(const Model& m, std::size_t i, std::vector<int64_t>& r) {
  const Peca& p = m.peces[i];
  switch (p.tipus) {
    case TipusPeca::Tros: EntersDeText(p.text, r); return;
    case TipusPeca::Nombre: EntersDeText(p.text, r); return;
    case TipusPeca::IndexArrel: {
      // A square root writes no index.
      const Tram t = Fills(m, i);
      if (Enter(t) == 2) return;
      break;
    }
    default: break;
  }
  const Peca* anterior = nullptr;
  for (const std::size_t f : p.fills) {
    const Peca& fill = m.peces[f];
    if (Blanc(fill)) continue;
    if (fill.tipus == TipusPeca::Nombre && anterior != nullptr && EsOperador(*anterior, "-")) {
      const std::size_t abans = r.size();
      EntersDeText(fill.text, r);
      if (r.size() > abans) r[abans] = -r[abans];
    } else {
      EntersDe(m, f, r);
    }
    anterior = &fill;
  }
}

std::size_t PrimerGrupDe(const Model& m, std::size_t i) {
  if (m.peces[i].tipus == TipusPeca::Grup) return i;
  for (const std::size_t f : m.peces[i].fills) {
    const std::size_t g = PrimerGrupDe(m, f);
    if (g != std::string::npos) return g;
  }
  return std::string::npos;
}

}  // namespace

Tram Fills(const Model& m, std::size_t i) {
  Tram r{&m, {}};
  for (const std::size_t f : m.peces[i].fills) {
    if (!Blanc(m.peces[f])) r.nodes.push_back(f);
  }
  return r;
}

std::vector<Tram> Trams(const Expressio& e) {
  const Model& m = e.Arbre();
  std::vector<Tram> r;
  for (const std::size_t f : m.Arrel().fills) {
    const Peca& p = m.peces[f];
    if (p.tipus == TipusPeca::Expressio) {
      Tram t = Fills(m, f);
      if (!t.empty()) r.push_back(std::move(t));
    } else if (p.tipus == TipusPeca::Equacions) {
      for (const std::size_t eq : p.fills) r.push_back(Fills(m, eq));
    }
  }
  return r;
}

Tram Linia(const Expressio& e) {
  std::vector<Tram> t = Trams(e);
  return t.size() == 1 ? std::move(t[0]) : Tram{&e.Arbre(), {}};
}

std::vector<Tram> Parts(const Tram& t, std::string_view op) {
  std::vector<Tram> r{Tram{t.m, {}}};
  for (std::size_t k = 0; k < t.size(); ++k) {
    if (EsOperador(t[k], op)) {
      r.push_back(Tram{t.m, {}});
    } else {
      r.back().nodes.push_back(t.nodes[k]);
    }
  }
  return r;
}

std::vector<Tram> Termes(const Tram& t) {
  std::vector<Tram> r;
  Tram actual{t.m, {}};
  for (std::size_t k = 0; k < t.size(); ++k) {
    const bool signe = EsOperador(t[k], "+") || EsOperador(t[k], "-");
    if (signe && !actual.empty() && t[k - 1].tipus != TipusPeca::Operador) {
      r.push_back(std::move(actual));
      actual = Tram{t.m, {}};
      if (EsOperador(t[k], "+")) continue;
    }
    actual.nodes.push_back(t.nodes[k]);
  }
  if (!actual.empty()) r.push_back(std::move(actual));
  return r;
}

std::string Escriu(const Tram& t) {
  std::string r;
  for (const std::size_t i : t.nodes) r += EscriuNotacio(*t.m, i);
  std::erase(r, ' ');
  return r;
}

std::optional<int64_t> Enter(const Tram& t) {
  if (t.size() == 1 && t.Es(0, TipusPeca::Grup)) return Enter(Fills(*t.m, t.nodes[0]));
  const bool negatiu = t.size() == 2 && t.Es(0, TipusPeca::Operador, "-");
  if (t.size() != (negatiu ? 2u : 1u)) return std::nullopt;
  const Peca& n = t[negatiu ? 1 : 0];
  if (n.tipus != TipusPeca::Nombre || n.text.empty() || n.text.size() > 15 ||
      n.text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int64_t v = std::stoll(n.text);
  return negatiu ? -v : v;
}

std::vector<int64_t> Enters(const Expressio& e) {
  std::vector<int64_t> r;
  EntersDe(e.Arbre(), 0, r);
  return r;
}

std::size_t PrimerGrup(const Expressio& e) { return PrimerGrupDe(e.Arbre(), 0); }

std::optional<Monomi> LlegeixMonomi(const Tram& t) {
  Monomi r;
  std::size_t k = 0;
  if (t.Es(0, TipusPeca::Operador, "-") || t.Es(0, TipusPeca::Operador, "+")) {
    if (t[0].text == "-") r.coeficient = -1;
    ++k;
  }
  if (t.Es(k, TipusPeca::Nombre)) {
    const std::optional<int64_t> n = Enter(t.Subtram(k, k + 1));
    if (!n) return std::nullopt;
    r.coeficient *= *n;
    r.ambNombre = true;
    ++k;
  }
  while (k < t.size()) {
    if (!t.Es(k, TipusPeca::Variable) || t[k].text.size() != 1) return std::nullopt;
    const char lletra = t[k].text[0];
    int64_t e = 1;
    if (t.Es(k + 1, TipusPeca::Potencia)) {
      const std::optional<int64_t> n = Enter(Fills(*t.m, t.nodes[k + 1]));
      if (!n) return std::nullopt;
      e = *n;
      ++k;
    }
    r.lletres.emplace_back(lletra, e);
    ++k;
  }
  if (k == 0 || (!r.ambNombre && r.lletres.empty())) return std::nullopt;
  return r;
}

}  // namespace tirelo::passos
