// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The steps of the number topics: divisors, fractions, powers and roots.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "topics/PassosComu.h"

namespace tirelo::passos {

namespace {

std::string Per() { return kPer; }
std::string Arrel() { return kArrel; }

// A product of primes written one by one ("2·2·3").
std::string Producte(const std::vector<int64_t>& primers) {
  std::string r;
  for (const int64_t p : primers) r += (r.empty() ? "" : Per()) + E(p);
  return r;
}

// n = p1·p2·...: the factorisation as an equality of two numbers.
std::string Igualtat(int64_t n) { return E(n) + " = " + Potencies(Factors(n)); }

// Divides the fraction n/d by its gcd: the division, then the lowest terms.
void Simplifica(Linies& l, int64_t n, int64_t d) {
  const int64_t g = Mcd(n, d);
  if (g <= 1) return;
  l.Afegeix("(" + E(n) + ":" + E(g) + ")/(" + E(d) + ":" + E(g) + ")",
            "mcd(" + E(std::llabs(n)) + ", " + E(d) + ") = " + E(g) + ": dividim dalt i baix per " + E(g));
  l.Afegeix(Fr(n / g, d / g));
}

// A fraction of integers at node k of the stretch, a "-" before it taken as its sign:
// "3/4", "-3/4", "(-3)/4"; where the stretch goes on after it.
struct FraccioLlegida {
  int64_t n = 0, d = 1;
  std::size_t seguent = 0;
};
std::optional<FraccioLlegida> FraccioEntera(const Tram& t, std::size_t k) {
  const bool menys = t.Es(k, TipusPeca::Operador, "-");
  if (menys) ++k;
  if (!t.Es(k, TipusPeca::Fraccio) || t[k].fills.size() != 2) return std::nullopt;
  const auto n = Enter(Fills(*t.m, t[k].fills[0])), d = Enter(Fills(*t.m, t[k].fills[1]));
  if (!n || !d || *d <= 0) return std::nullopt;
  return FraccioLlegida{menys ? -*n : *n, *d, k + 1};
}

// Every letter under node i in document order, with the exponent of the power written
// right after it (1 when none).
void LletresAmbExponent(const Model& m, std::size_t i, std::vector<std::pair<std::string, int64_t>>& r) {
  const Tram t = Fills(m, i);
  for (std::size_t k = 0; k < t.size(); ++k) {
    if (t.Es(k, TipusPeca::Variable)) {
      std::optional<int64_t> e = 1;
      if (t.Es(k + 1, TipusPeca::Potencia)) e = Enter(Fills(m, t.nodes[k + 1]));
      if (e) r.emplace_back(t[k].text, *e);
    } else {
      LletresAmbExponent(m, t.nodes[k], r);
    }
  }
}

}  // namespace

Linies PassosDivisors(int subtipus, const Dades& c) {
  Linies l;
  const std::string& re = c.resposta;
  const std::vector<int64_t> n = Enters(c.en);
  if (subtipus == 1) {
    if (n.size() != 1 || n[0] < 2) return {};
    // Division by the smallest prime, again and again, as the column on the board.
    std::vector<int64_t> primers;
    int64_t resta = n[0];
    for (int64_t p = 2; p * p <= resta;) {
      if (resta % p != 0) {
        ++p;
        continue;
      }
      primers.push_back(p);
      const int64_t abans = resta;
      resta /= p;
      std::vector<int64_t> escrit = primers;
      escrit.push_back(resta);
      l.Afegeix(Producte(escrit), "Dividim " + E(abans) + " entre " + E(p));
    }
    primers.push_back(resta);
    l.Afegeix(Producte(primers), E(resta) + " \xE9s primer");
    l.Afegeix(re, "Agrupem els factors iguals en pot\xE8ncies");
    return l;
  }
  if (subtipus == 2) {
    if (n.size() != 2 || n[0] < 1 || n[1] < 1) return {};
    const auto fa = Factors(n[0]), fb = Factors(n[1]);
    l.Afegeix(Igualtat(n[0]), "Descomponem " + E(n[0]));
    l.Afegeix(Igualtat(n[1]), "Descomponem " + E(n[1]));
    std::vector<std::pair<int64_t, int>> comuns, tots;
    for (const auto& [p, e] : fa) {
      int eb = 0;
      for (const auto& [q, f] : fb) {
        if (q == p) eb = f;
      }
      if (eb > 0) comuns.emplace_back(p, std::min(e, eb));
      tots.emplace_back(p, std::max(e, eb));
    }
    for (const auto& [q, f] : fb) {
      bool hi = false;
      for (const auto& [p, e] : fa) hi = hi || p == q;
      if (!hi) tots.emplace_back(q, f);
    }
    std::sort(tots.begin(), tots.end());
    l.Afegeix("mcd = " + Potencies(comuns) + ", MCM = " + Potencies(tots),
              "mcd: els factors comuns, al menor exponent; MCM: tots, al major");
    l.Afegeix(re, "Multipliquem");
    return l;
  }
  return {};
}

Linies PassosFraccions(int subtipus, const Dades& c) {
  Linies l;
  const std::string& re = c.resposta;
  const Tram t = Linia(c.en);
  if (subtipus == 1) {
    const auto f = FraccioEntera(t, 0);
    if (!f || f->seguent != t.size()) return {};
    Simplifica(l, f->n, f->d);
    l.Afegeix(re);
    return l;
  }
  const auto f1 = FraccioEntera(t, 0);
  if (subtipus < 2 || subtipus > 5 || !f1 || f1->seguent >= t.size()) return {};
  const Peca& op = t[f1->seguent];
  const auto f2 = FraccioEntera(t, f1->seguent + 1);
  if (op.tipus != TipusPeca::Operador || !f2 || f2->seguent != t.size()) return {};
  const int64_t a1 = f1->n, b1 = f1->d, a2 = f2->n, b2 = f2->d;
  const std::string signe = subtipus == 2 ? "+" : subtipus == 3 ? "-" : "";
  int64_t n = 0, d = 0;
  if (subtipus <= 3) {
    d = Mcm(b1, b2);
    const int64_t k1 = d / b1, k2 = d / b2, n1 = a1 * k1, n2 = a2 * k2;
    const auto amplia = [&](int64_t a, int64_t b, int64_t k) {
      return k == 1 ? Fr(a, b) : "(" + E(a) + Per() + E(k) + ")/(" + E(b) + Per() + E(k) + ")";
    };
    const auto segona = [&](const std::string& f, int64_t a) { return a < 0 ? "(" + f + ")" : f; };
    const std::string numeradors = subtipus == 2 ? "umem els numeradors" : "estem els numeradors";
    if (b1 == b2) {
      // One denominator already: the numerators go together at once.
      l.Afegeix("(" + E(n1) + signe + Pe(n2) + ")/" + E(d),
                std::string("Mateix denominador: ") + (subtipus == 2 ? "s" : "r") + numeradors);
    } else {
      const std::string quines = k1 == 1 ? "la segona" : k2 == 1 ? "la primera" : "cada";
      l.Afegeix(amplia(a1, b1, k1) + " " + signe + " " + segona(amplia(a2, b2, k2), a2),
                "MCM(" + E(b1) + ", " + E(b2) + ") = " + E(d) + ": amplifiquem " + quines + " fracci\xF3");
      l.Afegeix(Fr(n1, d) + " " + signe + " " + segona(Fr(n2, d), n2), "Mateix denominador");
      l.Afegeix("(" + E(n1) + signe + Pe(n2) + ")/" + E(d), (subtipus == 2 ? "S" : "R") + numeradors);
    }
    n = subtipus == 2 ? n1 + n2 : n1 - n2;
  } else if (subtipus == 4) {
    n = a1 * a2;
    d = b1 * b2;
    l.Afegeix("(" + Pe(a1) + Per() + Pe(a2) + ")/(" + E(b1) + Per() + E(b2) + ")",
              "Multipliquem numeradors i denominadors");
  } else {
    n = a1 * b2;
    d = b1 * a2;
    l.Afegeix("(" + Pe(a1) + Per() + E(b2) + ")/(" + E(b1) + Per() + Pe(a2) + ")",
              "Dividir \xE9s multiplicar en creu");
  }
  if (d < 0) {
    n = -n;
    d = -d;
  }
  l.Afegeix(Fr(n, d));
  Simplifica(l, n, d);
  // The answer may write a negative numerator in brackets: the same line.
  const Tram r = Linia(c.re);
  const auto fr = FraccioEntera(r, 0);
  const int64_t g = Mcd(n, d);
  if (fr && fr->seguent == r.size() && g > 0 && fr->n == n / g && fr->d == d / g) l.notacio.back() = re;
  l.Afegeix(re);
  return l;
}

Linies PassosPotencies(int subtipus, const Dades& c) {
  Linies l;
  const std::string& re = c.resposta;
  // Each letter of the statement and its exponent, 1 when it has none written.
  std::vector<std::pair<std::string, int64_t>> p;
  LletresAmbExponent(c.en.Arbre(), 0, p);
  const auto exponent = [](int64_t e) { return e < 0 ? "(" + E(e) + ")" : E(e); };
  switch (subtipus) {
    case 1:
    case 2: {
      if (p.size() != 2 || p[0].first != p[1].first) return {};
      const std::string& x = p[0].first;
      const bool suma = subtipus == 1;
      l.Afegeix(x + "^(" + E(p[0].second) + (suma ? "+" : "-") + Pe(p[1].second) + ")",
                suma ? "Mateixa base: sumem els exponents" : "Mateixa base: restem els exponents");
      const int64_t e = suma ? p[0].second + p[1].second : p[0].second - p[1].second;
      l.Afegeix(e == 1 ? x : x + "^" + exponent(e));
      break;
    }
    case 3:
    case 4: {
      if (p.size() != 2 || p[0].second != p[1].second) return {};
      l.Afegeix("(" + p[0].first + (subtipus == 3 ? Per() : "/") + p[1].first + ")^" + exponent(p[0].second),
                subtipus == 3 ? "Mateix exponent: multipliquem les bases" : "Mateix exponent: dividim les bases");
      break;
    }
    case 5: {
      const std::vector<int64_t> n = Enters(c.en);
      if (p.size() != 1 || n.size() != 2) return {};
      l.Afegeix(p[0].first + "^(" + E(n[0]) + Per() + E(n[1]) + ")", "Pot\xE8ncia d'una pot\xE8ncia: multipliquem els exponents");
      break;
    }
    default: return {};
  }
  l.Afegeix(re);
  return l;
}

Linies PassosArrels(int subtipus, const Dades& c) {
  Linies l;
  const std::string& re = c.resposta;
  const std::string arrel = Arrel();
  // The statement begins with a/D: a an integer, D the denominator's stretch.
  const Tram t = Linia(c.en);
  if (!t.Es(0, TipusPeca::Fraccio) || t[0].fills.size() != 2) return {};
  const auto numerador = Enter(Fills(*t.m, t[0].fills[0]));
  const Tram den = Fills(*t.m, t[0].fills[1]);
  if (!numerador || *numerador < 0) return {};
  const std::string a = E(*numerador);
  // The root at node k of the denominator: its radicand and index, when both are integers.
  const auto radical = [&](std::size_t k) -> std::optional<std::pair<int64_t, int64_t>> {
    if (!den.Es(k, TipusPeca::Arrel)) return std::nullopt;
    const Tram dins = Fills(*den.m, den.nodes[k]);
    if (!dins.Es(0, TipusPeca::IndexArrel)) return std::nullopt;
    const auto index = Enter(Fills(*den.m, dins.nodes[0]));
    const auto radicand = Enter(dins.Subtram(1, dins.size()));
    if (!index || !radicand || *radicand < 0) return std::nullopt;
    return std::pair{*radicand, *index};
  };
  if (subtipus == 1) {
    const auto r = radical(0);
    if (!r || r->second != 2) return {};
    const std::string b = E(r->first);
    l.Afegeix("(" + a + Per() + arrel + b + ")/(" + arrel + b + Per() + arrel + b + ")",
              "Multipliquem dalt i baix per l'arrel de " + b);
    l.Afegeix("(" + a + arrel + b + ")/" + b, "L'arrel per ella mateixa \xE9s el radicand");
  } else if (subtipus == 2) {
    const auto r = radical(0);
    if (!r || r->second == 2) return {};
    const std::string b = E(r->first), n = E(r->second);
    const std::string complementaria = "arrel(" + b + "^" + E(r->second - 1) + "; " + n + ")";
    l.Afegeix("(" + a + Per() + complementaria + ")/(arrel(" + b + "; " + n + ")" + Per() + complementaria + ")",
              "Multipliquem dalt i baix per l'arrel que completa l'exponent " + n);
    l.Afegeix("(" + a + Per() + complementaria + ")/arrel(" + b + "^" + n + "; " + n + ")", "Multipliquem les arrels");
    l.Afegeix("(" + a + Per() + complementaria + ")/" + b, "L'\xEDndex i l'exponent s\xF3n " + n + ": l'arrel \xE9s " + b);
  } else if (subtipus == 3) {
    const auto enter = Enter(den.Subtram(0, 1));
    const auto r = radical(2);
    if (!enter || *enter < 0 || !den.Es(1, TipusPeca::Operador, "+") || !r || r->second != 2) return {};
    const std::string w = E(*enter), b = E(r->first);
    const std::string conjugat = "(" + w + "-" + arrel + b + ")";
    l.Afegeix("(" + a + Per() + conjugat + ")/((" + w + "+" + arrel + b + ")" + conjugat + ")",
              "Multipliquem dalt i baix pel conjugat, " + w + " - arrel de " + b);
    l.Afegeix("(" + a + conjugat + ")/(" + w + "^2-" + b + ")", "Suma per difer\xE8ncia: a\xB2 - b\xB2");
    const int64_t den2 = *enter * *enter - r->first;
    l.Afegeix("(" + a + conjugat + ")/" + E(den2));
  } else {
    return {};
  }
  l.Afegeix(re, "Simplifiquem");
  return l;
}

}  // namespace tirelo::passos
