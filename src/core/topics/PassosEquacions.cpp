// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The steps of percentages, equations and systems, and lines and parabolas.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "topics/PassosComu.h"

namespace tirelo::passos {

namespace {

std::string Per() { return kPer; }
std::string Arrel() { return kArrel; }

// c·v as written: "x", "-x", "3x"; "0" for no term.
std::string Tx(int64_t c, const std::string& v) {
  if (c == 1) return v;
  if (c == -1) return "-" + v;
  return E(c) + v;
}
// The same after another term: "+3x", "-x"; nothing when c is 0.
std::string Mes(int64_t c, const std::string& v) {
  if (c == 0) return {};
  return (c > 0 ? "+" : "") + Tx(c, v);
}
// A constant after another term: "+5", "-2"; nothing when 0.
std::string MesN(int64_t c) { return c == 0 ? std::string() : Signat(c); }

// The coefficients of the powers of v in a sum with integer coefficients:
// "x^2-7x+10" -> {10, -7, 1} (index: the power, up to 4). False when a term is not of
// that shape; terms in another letter to the first power go to `altres` when given.
bool Coeficients(const Tram& t, char v, std::vector<int64_t>& c,
                 std::vector<std::pair<std::string, int64_t>>* altres = nullptr) {
  c.assign(5, 0);
  const std::vector<Tram> termes = Termes(t);
  if (termes.empty()) return false;
  for (const Tram& terme : termes) {
    const std::optional<Monomi> m = LlegeixMonomi(terme);
    if (!m || m->lletres.size() > 1) return false;
    if (m->lletres.empty()) {
      c[0] += m->coeficient;
      continue;
    }
    const auto [lletra, e] = m->lletres[0];
    if (lletra == v && e >= 1 && e <= 4) {
      c[static_cast<std::size_t>(e)] += m->coeficient;
    } else if (lletra != v && altres != nullptr && e == 1) {
      altres->emplace_back(std::string(1, lletra), m->coeficient);
    } else {
      return false;
    }
  }
  return true;
}

// The two sides of an equation "L = R"; false when the stretch is not one.
bool Costats(const Tram& t, Tram& esquerra, Tram& dreta) {
  const std::vector<Tram> p = Parts(t, "=");
  if (p.size() != 2 || p[0].empty() || p[1].empty()) return false;
  esquerra = p[0];
  dreta = p[1];
  return true;
}

bool Quadrat(int64_t n, int64_t& arrel) {
  if (n < 0) return false;
  arrel = std::llround(std::sqrt(static_cast<double>(n)));
  return arrel * arrel == n;
}

// The numbers of a case as written, decimal comma kept: "102,6", "15".
void NombresEscrits(const Model& m, std::size_t i, std::vector<std::string>& r) {
  const Peca& p = m.peces[i];
  if (p.tipus == TipusPeca::Nombre) {
    std::string n = p.text;
    std::replace(n.begin(), n.end(), '.', ',');
    r.push_back(std::move(n));
  }
  for (const std::size_t f : p.fills) NombresEscrits(m, f, r);
}

// q/100 with a decimal comma: 85 -> "0,85", 130 -> "1,3", 100 -> "1".
std::string Centesimes(int64_t q) {
  std::string r = E(q / 100);
  std::string d = (q % 100 < 10 ? "0" : "") + E(q % 100);
  while (!d.empty() && d.back() == '0') d.pop_back();
  return d.empty() ? r : r + "," + d;
}

// The discriminant as a fact: "(-7)^2-4·1·10 = 9".
std::string Discriminant(int64_t a, int64_t b, int64_t c) {
  return Pe(b) + "^2-4" + Per() + Pe(a) + Per() + Pe(c) + " = " + E(b * b - 4 * a * c);
}
constexpr const char* kDiscriminant = "Discriminant: b\xB2 - 4ac";
constexpr const char* kFormula = "F\xF3rmula de segon grau";

// x = (-b ± √D)/(2a) for a quadratic in `v` with a perfect-square discriminant, then its
// roots, largest first.
std::vector<int64_t> Formula(Linies& l, const std::string& v, int64_t a, int64_t b, int64_t c, const std::string& perque) {
  const int64_t d = b * b - 4 * a * c;
  int64_t r = 0;
  if (!Quadrat(d, r)) return {};
  l.Afegeix(Discriminant(a, b, c), kDiscriminant);
  const std::string den = a == 1 ? "2" : "(2" + Per() + Pe(a) + ")";
  if (d == 0) {
    l.Afegeix(v + " = " + E(-b) + "/" + den, perque + ": una sola soluci\xF3");
    return {-b / (2 * a)};
  }
  l.Afegeix(v + " = (" + E(-b) + "+" + Arrel() + E(d) + ")/" + den + "; " + v + " = (" + E(-b) + "-" + Arrel() + E(d) +
                ")/" + den,
            perque);
  l.Afegeix(v + " = (" + E(-b) + "+" + E(r) + ")/" + den + "; " + v + " = (" + E(-b) + "-" + E(r) + ")/" + den,
            "L'arrel de " + E(d) + " \xE9s " + E(r));
  std::vector<int64_t> s = {(-b + r) / (2 * a), (-b - r) / (2 * a)};
  if (s[0] < s[1]) std::swap(s[0], s[1]);
  return s;
}

std::string Solucions(const std::string& v, const std::vector<int64_t>& s) {
  std::string r;
  for (const int64_t x : s) r += (r.empty() ? "" : "; ") + v + " = " + E(x);
  return r;
}

}  // namespace

Linies PassosPercentatges(int subtipus, const Dades& c) {
  Linies l;
  const std::string& re = c.resposta;
  std::vector<std::string> n;
  NombresEscrits(c.en.Arbre(), 0, n);
  if (n.size() != 2 || subtipus < 1 || subtipus > 6) return {};
  const bool rebaixa = subtipus <= 3;
  const std::string nom = rebaixa ? "de rebaixa" : "d'augment";
  if (subtipus == 3 || subtipus == 6) {
    // From the two prices: the factor, then what it takes off or adds.
    const std::string p = n[0], f = n[1];
    const std::vector<int64_t> d = Enters(c.re);
    if (d.size() != 1) return {};
    const int64_t q = rebaixa ? 100 - d[0] : 100 + d[0];
    l.Afegeix(f + ":" + p + " = " + Centesimes(q), "Factor: preu final entre preu inicial");
    l.Afegeix(rebaixa ? "(1-" + Centesimes(q) + ")" + Per() + "100" : "(" + Centesimes(q) + "-1)" + Per() + "100",
              rebaixa ? "El que falta per a 1, en tant per cent" : "El que passa d'1, en tant per cent");
    l.Afegeix(re);
    return l;
  }
  const std::vector<int64_t> e = Enters(c.en);
  if (e.size() < 2 || n[1] != E(e.back())) return {};
  const int64_t d = e.back();
  const int64_t q = rebaixa ? 100 - d : 100 + d;
  l.Afegeix(std::string(rebaixa ? "1-" : "1+") + n[1] + "/100 = " + Centesimes(q),
            "Factor " + nom);
  if (subtipus == 1 || subtipus == 4) {
    l.Afegeix(n[0] + Per() + Centesimes(q), "Preu final = preu inicial per el factor");
  } else {
    l.Afegeix(n[0] + ":" + Centesimes(q), "Preu inicial = preu final entre el factor");
  }
  l.Afegeix(re);
  return l;
}

Linies PassosEquacions(int subtipus, const Dades& cas) {
  Linies l;
  const std::string& re = cas.resposta;
  const std::string per = Per();
  if (subtipus == 1) {
    Tram esquerra, dreta;
    std::vector<int64_t> e, d;
    if (!Costats(Linia(cas.en), esquerra, dreta) || !Coeficients(esquerra, 'x', e) || !Coeficients(dreta, 'x', d) ||
        e[1] == d[1])
      return {};
    l.Afegeix(Tx(e[1], "x") + Mes(-d[1], "x") + " = " + E(d[0]) + MesN(-e[0]),
              "Passem les x a l'esquerra i els nombres a la dreta");
    const int64_t a = e[1] - d[1], b = d[0] - e[0];
    l.Afegeix(Tx(a, "x") + " = " + E(b), "Agrupem");
    l.Afegeix("x = " + Fr(b, a), "A\xEFllem la x: dividim per " + E(a));
    l.Afegeix(re);
    return l;
  }
  if (subtipus == 2 || subtipus == 3) {
    Tram esquerra, dreta;
    std::vector<int64_t> c;
    if (!Costats(Linia(cas.en), esquerra, dreta) || Enter(dreta) != 0 || !Coeficients(esquerra, 'x', c)) return {};
    if (subtipus == 2) {
      if (c[2] != 1 || c[3] != 0 || c[4] != 0) return {};
      const int64_t b = c[1], k = c[0];
      int64_t r = 0;
      if (k == 0) {
        l.Afegeix("x(x" + MesN(b) + ") = 0", "Traiem factor com\xFA x");
        l.Afegeix(Solucions("x", {0, -b}), "Un producte \xE9s 0 quan ho \xE9s algun factor");
      } else if (b == 0 && Quadrat(-k, r)) {
        l.Afegeix("x^2 = " + E(-k), "Passem el nombre a la dreta");
        l.Afegeix("x = " + Arrel() + E(-k) + "; x = -" + Arrel() + E(-k), "Arrel quadrada: dues solucions");
        l.Afegeix(Solucions("x", {r, -r}), "L'arrel de " + E(-k) + " \xE9s " + E(r));
      } else {
        const std::vector<int64_t> s = Formula(l, "x", 1, b, k, kFormula);
        if (s.empty()) return {};
        l.Afegeix(Solucions("x", s), "Calculem les solucions");
      }
      l.Afegeix(re);
      return l;
    }
    if (c[4] != 1 || c[3] != 0 || c[1] != 0) return {};
    const int64_t b = c[2], k = c[0];
    l.Afegeix("(x^2)^2" + Mes(b, "x^2") + MesN(k) + " = 0", "Biquadrada: \xE9s de segon grau en x\xB2");
    std::vector<int64_t> t = Formula(l, "x^2", 1, b, k, "F\xF3rmula de segon grau per a x\xB2");
    if (t.empty()) return {};
    std::string negatius;
    std::vector<int64_t> tp, x;
    for (const int64_t v : t) {
      if (v < 0) {
        negatius += (negatius.empty() ? "" : ", ") + E(v);
      } else if (std::find(tp.begin(), tp.end(), v) == tp.end()) {
        tp.push_back(v);
      }
    }
    l.Afegeix(Solucions("x^2", tp), negatius.empty() ? "Calculem" : "x\xB2 = " + negatius + " no t\xE9 soluci\xF3");
    for (const int64_t v : tp) {
      int64_t r = 0;
      if (!Quadrat(v, r)) return {};
      x.push_back(r);
      if (r != 0) x.push_back(-r);
    }
    l.Afegeix(Solucions("x", x), "Arrel quadrada de cada valor, amb els dos signes");
    l.Afegeix(re);
    return l;
  }
  if (subtipus == 4) {
    const std::vector<Tram> equacions = Trams(cas.en);
    if (equacions.size() != 2) return {};
    Tram e1, d1, e2, d2;
    std::vector<int64_t> x1, x2;
    std::vector<std::pair<std::string, int64_t>> y1, y2;
    if (!Costats(equacions[0], e1, d1) || !Costats(equacions[1], e2, d2) || !Coeficients(e1, 'x', x1, &y1) ||
        !Coeficients(e2, 'x', x2, &y2) || y1.size() != 1 || y2.size() != 1 || y1[0].first != "y" || y2[0].first != "y")
      return {};
    const std::optional<int64_t> s1 = Enter(d1), s2 = Enter(d2);
    if (!s1 || !s2) return {};
    const int64_t a = x1[1], b = y1[0].second, c = x2[1], d = y2[0].second;
    const int64_t r1 = *s1, r2 = *s2;
    if (a == 0 || c == 0 || x1[0] != 0 || x2[0] != 0) return {};
    const auto eq = [](int64_t p, int64_t q, int64_t r) { return Tx(p, "x") + Mes(q, "y") + " = " + E(r); };
    if (a != c) {
      const std::string primera = c == 1 ? std::string() : "la 1a per " + E(c);
      const std::string segona = a == 1 ? std::string() : "la 2a per " + E(a);
      l.Afegeix(eq(a * c, b * c, r1 * c) + "; " + eq(a * c, a * d, a * r2),
                "Reducci\xF3: multipliquem " + primera + (primera.empty() || segona.empty() ? "" : " i ") + segona);
    }
    const int64_t k = b * c - a * d, s = c * r1 - a * r2;
    if (k == 0) {
      l.Afegeix(eq(a, b, r1), "En restar-les queda 0 = 0: les dues equacions diuen el mateix");
      return l;
    }
    l.Afegeix(eq(a, b, r1) + "; " + Tx(k, "y") + " = " + E(s), "Restem les equacions: la x desapareix");
    if (s % k != 0) return {};
    const int64_t y = s / k;
    l.Afegeix(eq(a, b, r1) + "; y = " + E(y), "A\xEFllem la y");
    l.Afegeix(Tx(a, "x") + " = " + E(r1) + MesN(-b * y) + "; y = " + E(y), "Substitu\xEFm la y a la 1a equaci\xF3");
    if ((r1 - b * y) % a != 0) return {};
    l.Afegeix("x = " + E((r1 - b * y) / a) + "; y = " + E(y), "A\xEFllem la x");
    l.Afegeix(re);
    return l;
  }
  return {};
}

Linies PassosFuncions(int subtipus, const Dades& cas) {
  Linies l;
  const std::string& re = cas.resposta;
  const std::vector<int64_t> n = Enters(cas.en);
  // y - b = m(x - a) through (a, b), then solved for y.
  const auto puntPendent = [&](int64_t m, int64_t a, int64_t b) {
    l.Afegeix("y" + MesN(-b) + " = " + (m == 1 ? "" : m == -1 ? "-" : E(m)) + "(x" + MesN(-a) + ")",
              "Recta de pendent m pel punt (a, b): y - b = m(x - a)");
    l.Afegeix("y = " + Tx(m, "x") + MesN(-m * a) + MesN(b), "Traiem el par\xE8ntesi i a\xEFllem la y");
    l.Afegeix(re, "Agrupem");
  };
  switch (subtipus) {
    case 1:
      if (n.size() != 3) return {};
      puntPendent(n[0], n[1], n[2]);
      return l;
    case 2: {
      if (n.size() != 4 || n[2] == n[0] || (n[3] - n[1]) % (n[2] - n[0]) != 0) return {};
      const int64_t m = (n[3] - n[1]) / (n[2] - n[0]);
      l.Afegeix("(" + E(n[3]) + "-" + Pe(n[1]) + ")/(" + E(n[2]) + "-" + Pe(n[0]) + ") = " + E(m),
                "Pendent: m = (y2 - y1)/(x2 - x1)");
      puntPendent(m, n[0], n[1]);
      return l;
    }
    case 3: {
      if (n.size() != 6) return {};
      const int64_t X[3] = {n[0], n[2], n[4]}, Y[3] = {n[1], n[3], n[5]};
      if (X[0] == X[1] || X[0] == X[2] || X[1] == X[2]) return {};
      l.Afegeix("y = ax^2+bx+c", "La par\xE0" "bola \xE9s y = ax\xB2 + bx + c");
      const auto eq = [](int64_t p, int64_t q, int64_t r, int64_t s) {
        std::string e = p == 0 ? std::string() : Tx(p, "a");
        e += e.empty() ? (q == 0 ? std::string() : Tx(q, "b")) : Mes(q, "b");
        e += e.empty() ? (r == 0 ? std::string() : Tx(r, "c")) : Mes(r, "c");
        return e + " = " + E(s);
      };
      std::string sistema;
      for (int k = 0; k < 3; ++k) sistema += (k ? "; " : "") + eq(X[k] * X[k], X[k], 1, Y[k]);
      l.Afegeix(sistema, "Hi passen els tres punts: substitu\xEFm cada punt");
      // Each of the last two minus the first, divided by its difference of x.
      int64_t s[3] = {0, 0, 0};
      for (int k = 1; k < 3; ++k) {
        if ((Y[k] - Y[0]) % (X[k] - X[0]) != 0) return {};
        s[k] = (Y[k] - Y[0]) / (X[k] - X[0]);
      }
      const std::string primera = eq(X[0] * X[0], X[0], 1, Y[0]);
      l.Afegeix(primera + "; " + eq(X[1] + X[0], 1, 0, s[1]) + "; " + eq(X[2] + X[0], 1, 0, s[2]),
                "Restem la 1a a les altres i dividim per la difer\xE8ncia de les x");
      l.Afegeix(primera + "; " + eq(X[1] + X[0], 1, 0, s[1]) + "; " + eq(X[2] - X[1], 0, 0, s[2] - s[1]),
                "Restem les dues \xFAltimes: queda la a sola");
      if ((s[2] - s[1]) % (X[2] - X[1]) != 0) return {};
      const int64_t a = (s[2] - s[1]) / (X[2] - X[1]);
      const int64_t b = s[1] - a * (X[1] + X[0]);
      const int64_t c = Y[0] - a * X[0] * X[0] - b * X[0];
      l.Afegeix("a = " + E(a) + "; b = " + E(b) + "; c = " + E(c), "A\xEFllem la a, despr\xE9s la b i la c");
      l.Afegeix(re, "Substitu\xEFm a, b i c");
      return l;
    }
    case 4: {
      if (n.size() != 4) return {};
      const int64_t h = n[0], k = n[1], x = n[2], y = n[3];
      if (x == h) return {};
      const std::string quadrat = h == 0 ? "x^2" : "(x" + MesN(-h) + ")^2";
      l.Afegeix("y = a" + quadrat + MesN(k), "Par\xE0" "bola de v\xE8rtex (h, k): y = a(x - h)\xB2 + k");
      l.Afegeix(E(y) + " = a(" + E(x) + "-" + Pe(h) + ")^2" + MesN(k), "Hi passa el punt: substitu\xEFm x i y");
      const int64_t q = (x - h) * (x - h);
      l.Afegeix(E(y - k) + " = " + Tx(q, "a"), "Operem");
      if ((y - k) % q != 0) return {};
      const int64_t a = (y - k) / q;
      l.Afegeix("a = " + E(a), "A\xEFllem la a");
      l.Afegeix("y = " + (a == 1 ? "" : a == -1 ? "-" : E(a)) + quadrat + MesN(k), "Substitu\xEFm la a");
      l.Afegeix(re, "Desenvolupem el quadrat");
      return l;
    }
    case 5: {
      // y = Ax²+Bx+C and py + qx + r = 0: y put in the line gives a quadratic in x.
      const std::vector<Tram> t = Trams(cas.en);
      Tram y0, par, recta, zero;
      std::vector<int64_t> c, d;
      std::vector<std::pair<std::string, int64_t>> y;
      if (t.size() != 2 || !Costats(t[0], y0, par) || y0.size() != 1 || !y0.Es(0, TipusPeca::Variable, "y") ||
          !Costats(t[1], recta, zero) || Enter(zero) != 0 || !Coeficients(par, 'x', c) ||
          !Coeficients(recta, 'x', d, &y) || y.size() != 1 || y[0].first != "y")
        return {};
      const int64_t p = y[0].second;
      const std::string parabola = Escriu(par);
      l.Afegeix((p == 1 ? "" : p == -1 ? "-" : E(p)) + "(" + parabola + ")" + Mes(d[1], "x") + MesN(d[0]) + " = 0",
                "Substitu\xEFm la y de la par\xE0" "bola a la recta");
      const int64_t A = p * c[2], B = p * c[1] + d[1], C = p * c[0] + d[0];
      std::string q = Tx(A, "x^2") + Mes(B, "x") + MesN(C);
      l.Afegeix(q + " = 0", "Traiem el par\xE8ntesi i agrupem");
      const std::vector<int64_t> s = Formula(l, "x", A, B, C, kFormula);
      if (s.empty()) return {};
      l.Afegeix(Solucions("x", s), "Calculem les dues x");
      l.Afegeix(re, "Cada y, de la par\xE0" "bola: y = " + parabola);
      return l;
    }
    default: return {};
  }
}

}  // namespace tirelo::passos
