// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The steps of the algebra topics: notable identities and algebraic operations.
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "motor/Motor.h"
#include "document/Notacio.h"
#include "topics/PassosComu.h"

namespace tirelo::passos {

namespace {

std::string Per() { return kPer; }

// The terms of a sum, each with its sign ("2x", "-3y"): split at the signs outside
// brackets that follow an operand (not a sign after "^" or "(").
std::vector<std::string> Termes(const std::string& s) {
  std::vector<std::string> r;
  std::string actual;
  int nivell = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == ' ') continue;
    if (c == '(') ++nivell;
    if (c == ')') --nivell;
    if ((c == '+' || c == '-') && nivell == 0 && !actual.empty() && actual.back() != '^') {
      r.push_back(actual);
      actual.clear();
      if (c == '+') continue;
    }
    actual += c;
  }
  if (!actual.empty()) r.push_back(actual);
  return r;
}

// A term as a factor: in brackets when it carries a sign or is more than one letter.
std::string Factor(const std::string& t) {
  if (t.size() == 1 && std::isalpha(static_cast<unsigned char>(t[0]))) return t;
  if (!t.empty() && (t[0] == '-' || t.size() > 1)) return "(" + t + ")";
  return t;
}

// "a + b" written from two terms: "+" before the second unless it has its own sign.
std::string Suma(const std::vector<std::string>& termes) {
  std::string r;
  for (const std::string& t : termes) {
    if (!r.empty()) r += t[0] == '-' ? " " : " + ";
    if (!r.empty() && t[0] == '-') r += "- " + t.substr(1);
    else r += t;
  }
  return r;
}

// What is inside the first bracket of s, and what follows its closing bracket.
bool DinsParentesi(const std::string& s, std::size_t desde, std::string& dins, std::size_t& final) {
  const std::size_t obre = s.find('(', desde);
  if (obre == std::string::npos) return false;
  int nivell = 0;
  for (std::size_t i = obre; i < s.size(); ++i) {
    if (s[i] == '(') ++nivell;
    if (s[i] == ')' && --nivell == 0) {
      dins = s.substr(obre + 1, i - obre - 1);
      final = i + 1;
      return true;
    }
  }
  return false;
}

std::string Sense(std::string s, char c) {
  std::erase(s, c);
  return s;
}

}  // namespace

Linies PassosIgualtats(int subtipus, const std::string& en, const std::string& re) {
  Linies l;
  if (subtipus == 1) {
    std::string dins;
    std::size_t final = 0;
    if (!DinsParentesi(en, 0, dins, final)) return {};
    const std::vector<std::string> t = Termes(dins);
    if (t.size() != 2) return {};
    const bool menys = t[1][0] == '-';
    const std::string a = t[0], b = menys ? t[1].substr(1) : t[1];
    l.Afegeix(Factor(a) + "^2 " + (menys ? "-" : "+") + " 2" + Per() + Factor(a) + Per() + Factor(b) + " + " +
                  Factor(b) + "^2",
              menys ? "Quadrat d'una difer\xE8ncia: (a - b)\xB2 = a\xB2 - 2ab + b\xB2"
                    : "Quadrat d'una suma: (a + b)\xB2 = a\xB2 + 2ab + b\xB2");
    l.Afegeix(re, "Calculem cada terme");
    return l;
  }
  static const std::regex kProducte(R"(^\(x\+(\d+)\)\(x-(\d+)\)$)");
  static const std::regex kDiferencia(R"(^x\^2-(\d+)$)");
  std::smatch m;
  const std::string en0 = Sense(en, ' ');
  if (subtipus == 2) {
    if (!std::regex_match(en0, m, kProducte)) return {};
    l.Afegeix("x^2 - " + std::string(m[1]) + "^2", "Suma per difer\xE8ncia: (a + b)(a - b) = a\xB2 - b\xB2");
    l.Afegeix(re);
    return l;
  }
  if (subtipus == 3) {
    if (!std::regex_match(en0, m, kDiferencia)) return {};
    const auto q = static_cast<int64_t>(std::llround(std::sqrt(std::stod(m[1]))));
    l.Afegeix("x^2 - " + E(q) + "^2", m[1].str() + " \xE9s el quadrat de " + E(q));
    l.Afegeix(re, "Difer\xE8ncia de quadrats: a\xB2 - b\xB2 = (a + b)(a - b)");
    return l;
  }
  return {};
}

Linies PassosOperacions(int subtipus, const std::string& en, const std::string& re) {
  Linies l;
  const std::string per = Per();
  switch (subtipus) {
    case 1: {
      // Numbers first, then each letter's powers side by side, in order of first appearance.
      std::vector<std::string> nombres;
      std::vector<std::pair<char, std::vector<std::string>>> lletres;
      std::size_t i = 0;
      const std::string s = Sense(en, ' ');
      while (i < s.size()) {
        std::size_t j = s.find(per, i);
        if (j == std::string::npos) j = s.size();
        const std::string f = s.substr(i, j - i);
        i = j + per.size();
        if (f.empty()) return {};
        if (std::isdigit(static_cast<unsigned char>(f[0]))) {
          nombres.push_back(f);
          continue;
        }
        auto it = lletres.begin();
        while (it != lletres.end() && it->first != f[0]) ++it;
        if (it == lletres.end()) {
          lletres.push_back({f[0], {f}});
        } else {
          it->second.push_back(f);
        }
      }
      std::string agrupat, sumat;
      int64_t coef = 1;
      for (const std::string& n : nombres) {
        agrupat += (agrupat.empty() ? "" : per) + n;
        coef *= std::stoll(n);
      }
      bool repetida = false;
      sumat = E(coef);
      for (const auto& [v, fs] : lletres) {
        std::string exps;
        for (const std::string& f : fs) {
          agrupat += per + f;
          exps += (exps.empty() ? "" : "+") + (f.size() > 2 ? f.substr(2) : std::string("1"));
        }
        repetida = repetida || fs.size() > 1;
        sumat += per + std::string(1, v) + (fs.size() > 1 ? "^(" + exps + ")" : fs[0].substr(1));
      }
      l.Afegeix(agrupat, "Ajuntem els nombres i cada lletra amb les seves pot\xE8ncies");
      if (repetida) l.Afegeix(sumat, "Multipliquem els nombres; mateixa base: sumem els exponents");
      l.Afegeix(re, "Ho escrivim junt");
      return l;
    }
    case 2:
    case 3: {
      // The factored form "kL(inner)": in the answer for subtype 2, in the statement for 3.
      const std::string& f = subtipus == 2 ? re : en;
      std::string dins;
      std::size_t final = 0;
      if (!DinsParentesi(f, 0, dins, final) || final != f.size()) return {};
      const std::string k = f.substr(0, f.find('('));
      std::vector<std::string> productes;
      for (const std::string& t : Termes(dins)) productes.push_back((k[0] == '-' ? "(" + k + ")" : k) + per + Factor(t));
      const std::string distribuida = Sense(Suma(productes), ' ');
      if (subtipus == 2) {
        l.Afegeix(distribuida, "Cada terme \xE9s " + k + " per alguna cosa: " + k + " \xE9s el factor com\xFA");
        l.Afegeix(re, "Traiem " + k + " fora del par\xE8ntesi");
      } else {
        l.Afegeix(distribuida, "Multipliquem " + k + " per cada terme del par\xE8ntesi");
        l.Afegeix(re, "Calculem cada producte");
      }
      return l;
    }
    case 4: {
      std::string b1, b2;
      std::size_t f1 = 0, f2 = 0;
      if (!DinsParentesi(en, 0, b1, f1) || !DinsParentesi(en, f1, b2, f2)) return {};
      const std::vector<std::string> t1 = Termes(b1), t2 = Termes(b2);
      std::vector<std::string> productes;
      for (const std::string& a : t1) {
        for (const std::string& b : t2) productes.push_back((a[0] == '-' ? "(" + a + ")" : a) + per + Factor(b));
      }
      l.Afegeix(Sense(Suma(productes), ' '), "Multipliquem cada terme del primer per cada terme del segon");
      l.Afegeix(re, "Calculem cada producte");
      const LecturaNotacio r = LlegeixNotacio(re);
      if (r.Llegida()) {
        const std::string simple = EscriuNotacio(FormaSimple(r.expressio, FormaResposta::Expandida));
        if (Termes(simple).size() < Termes(re).size()) l.Afegeix(simple, "Agrupem els termes semblants");
      }
      return l;
    }
    case 5: {
      // (k·L·P)/(k·L·Q) from the answer P/Q and the statement's denominator k·d·L·v.
      std::string p, q, r;
      std::size_t fp = 0;
      if (!DinsParentesi(re, 0, p, fp) || re.compare(fp, 1, "/") != 0) return {};
      q = re.substr(fp + 1);
      if (!q.empty() && q[0] == '(') q = q.substr(1, q.size() - 2);
      const std::size_t barra = en.rfind('/');
      if (barra == std::string::npos) return {};
      r = en.substr(barra + 1);
      if (!r.empty() && r[0] == '(') r = r.substr(1, r.size() - 2);
      static const std::regex kMonomi(R"(^(-?\d+)([a-z])(?:\^2|([a-z]))$)");
      static const std::regex kDenominador(R"(^(\d+)([a-z])$)");
      std::smatch mr, mq;
      if (!std::regex_match(r, mr, kMonomi) || !std::regex_match(q, mq, kDenominador)) return {};
      const int64_t k = std::stoll(mr[1]) / std::stoll(mq[1]);
      // The letter of R that is not Q's (Q's own when R has it squared).
      std::string lletra = mr[2];
      if (mr[3].matched && mr[2] == mq[2]) lletra = mr[3];
      const std::string factor = E(k) + lletra;
      l.Afegeix("(" + factor + "(" + p + "))/(" + factor + per + q + ")",
                "Traiem factor com\xFA " + factor + " a dalt i el separem a baix");
      l.Afegeix(re, "Simplifiquem " + factor);
      return l;
    }
    default: return {};
  }
}

}  // namespace tirelo::passos
