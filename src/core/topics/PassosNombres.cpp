// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The steps of the number topics: divisors, fractions, powers and roots.
#include <cstdlib>
#include <regex>
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

}  // namespace

Linies PassosDivisors(int subtipus, const std::string& en, const std::string& re) {
  Linies l;
  const std::vector<int64_t> n = Enters(en);
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

Linies PassosFraccions(int subtipus, const std::string& en, const std::string& re) {
  Linies l;
  static const std::regex kFraccio(R"(^\(?(-?\d+)\)?/(\d+)$)");
  static const std::regex kOperacio(
      R"(^\(?(-?\d+)\)?/(\d+) *(\+|-|\xC2\xB7|\.|:|\xC3\xB7) *\(?(-?\d+)\)?/(\d+)$)");
  std::smatch m;
  if (subtipus == 1) {
    if (!std::regex_match(en, m, kFraccio)) return {};
    Simplifica(l, std::stoll(m[1]), std::stoll(m[2]));
    l.Afegeix(re);
    return l;
  }
  if (subtipus < 2 || subtipus > 5 || !std::regex_match(en, m, kOperacio)) return {};
  const int64_t a1 = std::stoll(m[1]), b1 = std::stoll(m[2]), a2 = std::stoll(m[4]), b2 = std::stoll(m[5]);
  const std::string signe = subtipus == 2 ? "+" : subtipus == 3 ? "-" : "";
  int64_t n = 0, d = 0;
  if (subtipus <= 3) {
    d = Mcm(b1, b2);
    const int64_t k1 = d / b1, k2 = d / b2, n1 = a1 * k1, n2 = a2 * k2;
    const auto amplia = [&](int64_t a, int64_t b, int64_t k) {
      return k == 1 ? Fr(a, b) : "(" + E(a) + Per() + E(k) + ")/(" + E(b) + Per() + E(k) + ")";
    };
    const auto segona = [&](const std::string& f, int64_t a) { return a < 0 ? "(" + f + ")" : f; };
    l.Afegeix(amplia(a1, b1, k1) + " " + signe + " " + segona(amplia(a2, b2, k2), a2),
              "MCM(" + E(b1) + ", " + E(b2) + ") = " + E(d) + ": amplifiquem cada fracci\xF3");
    l.Afegeix(Fr(n1, d) + " " + signe + " " + segona(Fr(n2, d), n2), "Mateix denominador");
    n = subtipus == 2 ? n1 + n2 : n1 - n2;
    l.Afegeix("(" + E(n1) + signe + Pe(n2) + ")/" + E(d),
              subtipus == 2 ? "Sumem els numeradors" : "Restem els numeradors");
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
  // The answer writes a negative numerator in brackets: the same line.
  std::string sense = re;
  std::erase(sense, '(');
  std::erase(sense, ')');
  if (sense == l.notacio.back()) l.notacio.back() = re;
  l.Afegeix(re);
  return l;
}

Linies PassosPotencies(int subtipus, const std::string& en, const std::string& re) {
  Linies l;
  // A letter and its exponent, 1 when it has none written: "x", "x^3", "x^(-2)".
  static const std::regex kPot(R"(([a-z])(?:\^(?:(\d+)|\((-?\d+)\)))?)");
  std::vector<std::pair<std::string, int64_t>> p;
  for (auto it = std::sregex_iterator(en.begin(), en.end(), kPot); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    const int64_t e = m[2].matched ? std::stoll(m[2]) : m[3].matched ? std::stoll(m[3]) : 1;
    p.emplace_back(m[1], e);
  }
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
      const std::vector<int64_t> n = Enters(en);
      if (p.size() != 1 || n.size() != 2) return {};
      l.Afegeix(p[0].first + "^(" + E(n[0]) + Per() + E(n[1]) + ")", "Pot\xE8ncia d'una pot\xE8ncia: multipliquem els exponents");
      break;
    }
    default: return {};
  }
  l.Afegeix(re);
  return l;
}

Linies PassosArrels(int subtipus, const std::string& en, const std::string& re) {
  Linies l;
  std::smatch m;
  const std::string arrel = Arrel();
  if (subtipus == 1) {
    static const std::regex k(R"(^(\d+)/\xE2\x88\x9A(\d+))");
    if (!std::regex_search(en, m, k)) return {};
    const std::string a = m[1], b = m[2];
    l.Afegeix("(" + a + Per() + arrel + b + ")/(" + arrel + b + Per() + arrel + b + ")",
              "Multipliquem dalt i baix per l'arrel de " + b);
    l.Afegeix("(" + a + arrel + b + ")/" + b, "L'arrel per ella mateixa \xE9s el radicand");
  } else if (subtipus == 2) {
    static const std::regex k(R"(^(\d+)/arrel\((\d+); (\d+)\))");
    if (!std::regex_search(en, m, k)) return {};
    const std::string a = m[1], b = m[2], n = m[3];
    const std::string complementaria = "arrel(" + b + "^" + E(std::stoll(n) - 1) + "; " + n + ")";
    l.Afegeix("(" + a + Per() + complementaria + ")/(arrel(" + b + "; " + n + ")" + Per() + complementaria + ")",
              "Multipliquem dalt i baix per l'arrel que completa l'exponent " + n);
    l.Afegeix("(" + a + Per() + complementaria + ")/arrel(" + b + "^" + n + "; " + n + ")", "Multipliquem les arrels");
    l.Afegeix("(" + a + Per() + complementaria + ")/" + b, "L'arrel " + n + "-\xE8sima de " + b + "^" + n + " \xE9s " + b);
  } else if (subtipus == 3) {
    static const std::regex k(R"(^(\d+)/\((\d+)\+\xE2\x88\x9A(\d+)\))");
    if (!std::regex_search(en, m, k)) return {};
    const std::string a = m[1], w = m[2], b = m[3];
    const std::string conjugat = "(" + w + "-" + arrel + b + ")";
    l.Afegeix("(" + a + Per() + conjugat + ")/((" + w + "+" + arrel + b + ")" + conjugat + ")",
              "Multipliquem dalt i baix pel conjugat, " + w + " - arrel de " + b);
    l.Afegeix("(" + a + conjugat + ")/(" + w + "^2-" + b + ")", "Suma per difer\xE8ncia: a\xB2 - b\xB2");
    const int64_t den = std::stoll(w) * std::stoll(w) - std::stoll(b);
    l.Afegeix("(" + a + conjugat + ")/" + E(den));
  } else {
    return {};
  }
  l.Afegeix(re, "Simplifiquem");
  return l;
}

}  // namespace tirelo::passos
