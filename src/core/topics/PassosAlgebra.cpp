// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The steps of the algebra topics: notable identities and algebraic operations.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "motor/Motor.h"
#include "document/Notacio.h"
#include "topics/PassosComu.h"

namespace tirelo::passos {

namespace {

std::string Per() { return kPer; }

// The terms of a stretch written one by one: "2x", "-3y".
std::vector<std::string> TermesEscrits(const Tram& t) {
  std::vector<std::string> r;
  for (const Tram& terme : Termes(t)) r.push_back(Escriu(terme));
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

std::string Sense(std::string s, char c) {
  std::erase(s, c);
  return s;
}

}  // namespace

Linies PassosIgualtats(int subtipus, const Dades& c) {
  Linies l;
  const std::string& re = c.resposta;
  const Tram en = Linia(c.en);
  if (subtipus == 1) {
    const std::size_t grup = PrimerGrup(c.en);
    if (grup == std::string::npos) return {};
    const std::vector<std::string> t = TermesEscrits(Fills(c.en.Arbre(), grup));
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
  // x followed by "op n" inside a bracket: (x+n) or (x-n).
  const auto binomi = [&](std::size_t k, std::string_view op) -> std::optional<int64_t> {
    if (!en.Es(k, TipusPeca::Grup)) return std::nullopt;
    const Tram g = Fills(*en.m, en.nodes[k]);
    if (g.size() != 3 || !g.Es(0, TipusPeca::Variable, "x") || !g.Es(1, TipusPeca::Operador, op)) return std::nullopt;
    const auto n = Enter(g.Subtram(2, 3));
    if (!n || *n < 0) return std::nullopt;
    return n;
  };
  if (subtipus == 2) {
    const auto p = binomi(0, "+"), q = binomi(1, "-");
    if (en.size() != 2 || !p || !q) return {};
    l.Afegeix("x^2 - " + E(*p) + "^2", "Suma per difer\xE8ncia: (a + b)(a - b) = a\xB2 - b\xB2");
    l.Afegeix(re);
    return l;
  }
  if (subtipus == 3) {
    const std::vector<Tram> t = Termes(en);
    const auto x2 = t.size() == 2 ? LlegeixMonomi(t[0]) : std::nullopt;
    if (!x2 || x2->ambNombre || x2->coeficient != 1 || x2->lletres != std::vector<std::pair<char, int64_t>>{{'x', 2}} ||
        !t[1].Es(0, TipusPeca::Operador, "-"))
      return {};
    const auto n = Enter(t[1].Subtram(1, t[1].size()));
    if (!n || *n < 0) return {};
    const auto q = static_cast<int64_t>(std::llround(std::sqrt(static_cast<double>(*n))));
    l.Afegeix("x^2 - " + E(q) + "^2", E(*n) + " \xE9s el quadrat de " + E(q));
    l.Afegeix(re, "Difer\xE8ncia de quadrats: a\xB2 - b\xB2 = (a + b)(a - b)");
    return l;
  }
  return {};
}

Linies PassosOperacions(int subtipus, const Dades& c) {
  Linies l;
  const std::string& re = c.resposta;
  const std::string per = Per();
  switch (subtipus) {
    case 1: {
      // Numbers first, then each letter's powers side by side, in order of first appearance.
      std::vector<std::string> nombres;
      int64_t coef = 1;
      // Each letter with its factors, as written and by exponent.
      std::vector<std::pair<char, std::vector<std::pair<std::string, int64_t>>>> lletres;
      for (const Tram& factor : Parts(Linia(c.en), "\xB7")) {
        const auto m = LlegeixMonomi(factor);
        if (!m || m->coeficient < 0 || m->lletres.size() > 1 || (m->ambNombre && !m->lletres.empty())) return {};
        const std::string f = Escriu(factor);
        if (m->ambNombre) {
          nombres.push_back(f);
          coef *= m->coeficient;
          continue;
        }
        const auto [v, e] = m->lletres[0];
        auto it = lletres.begin();
        while (it != lletres.end() && it->first != v) ++it;
        if (it == lletres.end()) {
          lletres.push_back({v, {{f, e}}});
        } else {
          it->second.emplace_back(f, e);
        }
      }
      std::string agrupat;
      for (const std::string& n : nombres) agrupat += (agrupat.empty() ? "" : per) + n;
      bool repetida = false;
      std::string sumat = E(coef);
      for (const auto& [v, fs] : lletres) {
        std::string exps;
        for (const auto& [f, e] : fs) {
          agrupat += per + f;
          exps += (exps.empty() ? "" : "+") + E(e);
        }
        repetida = repetida || fs.size() > 1;
        const int64_t e0 = fs[0].second;
        sumat += per + std::string(1, v) + (fs.size() > 1 ? "^(" + exps + ")" : e0 == 1 ? std::string() : "^" + E(e0));
      }
      l.Afegeix(agrupat, "Ajuntem els nombres i cada lletra amb les seves pot\xE8ncies");
      if (repetida) l.Afegeix(sumat, "Multipliquem els nombres; mateixa base: sumem els exponents");
      l.Afegeix(re, "Ho escrivim junt");
      return l;
    }
    case 2:
    case 3: {
      // The factored form "kL(inner)": in the answer for subtype 2, in the statement for 3.
      const Tram f = Linia(subtipus == 2 ? c.re : c.en);
      if (f.size() < 2 || !f.Es(f.size() - 1, TipusPeca::Grup)) return {};
      const Tram fora = f.Subtram(0, f.size() - 1);
      for (std::size_t k = 0; k < fora.size(); ++k) {
        if (fora.Es(k, TipusPeca::Grup)) return {};
      }
      const std::string k = Escriu(fora);
      std::vector<std::string> productes;
      for (const std::string& t : TermesEscrits(Fills(*f.m, f.nodes.back())))
        productes.push_back((k[0] == '-' ? "(" + k + ")" : k) + per + Factor(t));
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
      std::vector<std::size_t> grups;
      const Tram en = Linia(c.en);
      for (std::size_t k = 0; k < en.size(); ++k) {
        if (en.Es(k, TipusPeca::Grup)) grups.push_back(en.nodes[k]);
      }
      if (grups.size() < 2) return {};
      const std::vector<std::string> t1 = TermesEscrits(Fills(*en.m, grups[0])), t2 = TermesEscrits(Fills(*en.m, grups[1]));
      std::vector<std::string> productes;
      for (const std::string& a : t1) {
        for (const std::string& b : t2) productes.push_back((a[0] == '-' ? "(" + a + ")" : a) + per + Factor(b));
      }
      l.Afegeix(Sense(Suma(productes), ' '), "Multipliquem cada terme del primer per cada terme del segon");
      l.Afegeix(re, "Calculem cada producte");
      const Expressio simple = FormaSimple(c.re, FormaResposta::Expandida);
      if (Termes(Linia(simple)).size() < Termes(Linia(c.re)).size())
        l.Afegeix(EscriuNotacio(simple), "Agrupem els termes semblants");
      return l;
    }
    case 5: {
      // (k·L·P)/(k·L·Q) from the answer P/Q and the statement's denominator k·d·L·v.
      const Tram re0 = Linia(c.re), en0 = Linia(c.en);
      if (re0.size() != 1 || !re0.Es(0, TipusPeca::Fraccio) || en0.size() != 1 || !en0.Es(0, TipusPeca::Fraccio))
        return {};
      const Tram p = Fills(*re0.m, re0[0].fills[0]), q = Fills(*re0.m, re0[0].fills[1]);
      const Tram r = Fills(*en0.m, en0[0].fills[1]);
      const auto mr = LlegeixMonomi(r), mq = LlegeixMonomi(q);
      // R is k·L·M (M another letter, or L squared); Q is d·L.
      if (Termes(p).size() < 2 || !mr || !mq || !mr->ambNombre || !mq->ambNombre || mq->coeficient <= 0 ||
          mq->lletres.size() != 1 || mq->lletres[0].second != 1)
        return {};
      const bool quadrat = mr->lletres.size() == 1 && mr->lletres[0].second == 2;
      const bool dues = mr->lletres.size() == 2 && mr->lletres[0].second == 1 && mr->lletres[1].second == 1;
      if (!quadrat && !dues) return {};
      const int64_t k = mr->coeficient / mq->coeficient;
      // The letter of R that is not Q's (Q's own when R has it squared).
      char lletra = mr->lletres[0].first;
      if (dues && mr->lletres[0].first == mq->lletres[0].first) lletra = mr->lletres[1].first;
      const std::string factor = E(k) + lletra;
      l.Afegeix("(" + factor + "(" + Escriu(p) + "))/(" + factor + per + Escriu(q) + ")",
                "Traiem factor com\xFA " + factor + " a dalt i el separem a baix");
      l.Afegeix(re, "Simplifiquem " + factor);
      return l;
    }
    default: return {};
  }
}

}  // namespace tirelo::passos
