// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "motor/Motor.h"

#include <ginac/ginac.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <exception>
#include <map>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "document/Notacio.h"

namespace tirelo {

using GiNaC::ex;
using GiNaC::ex_to;
using GiNaC::is_a;
using GiNaC::numeric;

// Everything below is this file's own: the engine keeps GiNaC out of every header.
namespace motor {
namespace {

using Nodes = std::vector<std::size_t>;

// Why an expression has no value; thrown while reading it, caught at the engine's entry.
struct ErrorValor {
  std::string missatge;  // Catalan, UTF-8
};

// What an expression is worth: a number or algebraic expression, a relation between two
// of them, a list (solutions, equations of a system, values) or a point.
struct Valor {
  enum class Tipus : unsigned char { Escalar, Relacio, Llista, Punt } tipus = Tipus::Escalar;
  ex v;             // Escalar; the left side of a Relacio
  ex dreta;         // the right side of a Relacio
  std::string rel;  // "=", "<", ">"
  std::vector<Valor> elements;
};

// The expression in the reader's shape: one stretch of nodes, with its model.
struct Pla {
  Model m;
  Nodes fills;
};

// ---- Reading an expression into a value ----

const GiNaC::symbol& Simbol(const std::string& nom) {
  // One symbol per name for every expression the engine reads: GiNaC tells symbols
  // apart by identity, so "x" of the expected answer must be the typed answer's "x".
  static std::map<std::string, GiNaC::symbol> taula;
  auto it = taula.find(nom);
  if (it == taula.end()) it = taula.emplace(nom, GiNaC::symbol(nom)).first;
  return it->second;
}

Pla Aplana(const Expressio& e) {
  const Model& m = e.Arbre();
  if (m.peces.empty() || m.Arrel().fills.empty()) throw ErrorValor{"L'expressi\xC3\xB3 \xC3\xA9s buida."};
  const Peca& arrel = m.Arrel();
  if (arrel.fills.size() == 1 && m.peces[arrel.fills[0]].tipus == TipusPeca::Expressio) {
    return {m, m.peces[arrel.fills[0]].fills};
  }
  // Any other shape (prose runs, cases, systems, lines) is brought to the reader's
  // through the notation, so that one shape is evaluated.
  const LecturaNotacio l = LlegeixNotacio(EscriuNotacio(e));
  if (!l.Llegida()) throw ErrorValor{l.error->missatge};
  const Model& n = l.expressio.Arbre();
  return {n, n.peces[n.Arrel().fills[0]].fills};
}

bool EsBlanc(const Peca& p) {
  return p.tipus == TipusPeca::Tros && p.text.find_first_not_of(' ') == std::string::npos;
}
bool EsOp(const Peca& p, std::string_view op) {
  return p.tipus == TipusPeca::Operador && p.text == op;
}
bool EsSeparador(const Peca& p) {
  return EsOp(p, ",") || EsOp(p, ";") || p.tipus == TipusPeca::Paragraf;
}
bool EsRel(const Peca& p) {
  return EsOp(p, "=") || EsOp(p, "<") || EsOp(p, ">");
}
bool EsSigne(const Peca& p) {
  return EsOp(p, "+") || EsOp(p, "-");
}
bool EsUnitat(const Peca& p) {
  return p.tipus == TipusPeca::Tros && (p.text == "\x80" || p.text == "%");
}

std::vector<std::size_t> SenseBlancs(const Model& m, const std::vector<std::size_t>& l) {
  std::vector<std::size_t> r;
  for (const std::size_t k : l) {
    const Peca& p = m.peces[k];
    if (!EsBlanc(p) && p.tipus != TipusPeca::Tabulador && p.tipus != TipusPeca::Sagnat) r.push_back(k);
  }
  return r;
}

std::vector<Nodes> Talla(const Model& m, const Nodes& l, bool (*tall)(const Peca&)) {
  std::vector<Nodes> r(1);
  for (const std::size_t k : l) {
    if (tall(m.peces[k])) {
      r.emplace_back();
    } else {
      r.back().push_back(k);
    }
  }
  return r;
}

std::string Minuscules(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

class Avaluador {
 public:
  explicit Avaluador(const Model& m) : m_(m) {}

  Valor Items(const Nodes& brut) {
    const Nodes l = SenseBlancs(m_, brut);
    if (l.empty()) throw ErrorValor{"Hi falta una expressi\xC3\xB3."};
    std::vector<Nodes> items = Talla(m_, l, EsSeparador);
    if (items.size() == 1) return Item(items[0]);
    Valor v;
    v.tipus = Valor::Tipus::Llista;
    for (const Nodes& i : items) {
      if (i.empty()) throw ErrorValor{"Hi ha un element buit a la llista."};
      v.elements.push_back(Item(i));
    }
    return v;
  }

  ex Escalar(const Nodes& l) {
    const Valor v = Items(l);
    if (v.tipus != Valor::Tipus::Escalar)
      throw ErrorValor{"Aqu\xC3\xAD hi va un nombre o una expressi\xC3\xB3, no una llista."};
    return v.v;
  }

 private:
  const Peca& P(std::size_t k) const { return m_.peces[k]; }

  Valor Item(const Nodes& l) {
    // A point: a bracket that holds a list.
    if (l.size() == 1 && P(l[0]).tipus == TipusPeca::Grup) {
      const Nodes dins = SenseBlancs(m_, P(l[0]).fills);
      const std::vector<Nodes> coords = Talla(m_, dins, EsSeparador);
      if (coords.size() > 1) {
        Valor v;
        v.tipus = Valor::Tipus::Punt;
        for (const Nodes& c : coords) {
          if (c.empty()) throw ErrorValor{"Hi falta una coordenada del punt."};
          v.elements.push_back(Item(c));
        }
        return v;
      }
    }
    if (l.size() == 1 && P(l[0]).tipus == TipusPeca::Equacions) {
      Valor v;
      v.tipus = Valor::Tipus::Llista;
      for (const std::size_t e : P(l[0]).fills) v.elements.push_back(Items(P(e).fills));
      return v;
    }
    std::vector<Nodes> parts(1);
    std::vector<std::string> rels;
    for (const std::size_t k : l) {
      if (EsRel(P(k))) {
        rels.push_back(P(k).text);
        parts.emplace_back();
      } else {
        parts.back().push_back(k);
      }
    }
    for (const Nodes& p : parts) {
      if (p.empty()) throw ErrorValor{"Hi falta un costat de la igualtat."};
    }
    Valor v;
    v.v = Suma(parts.front());
    if (parts.size() == 1) return v;
    v.tipus = Valor::Tipus::Relacio;
    v.dreta = Suma(parts.back());
    v.rel = rels.front();
    return v;
  }

  ex Suma(const Nodes& l) {
    ex total = 0;
    Nodes terme;
    int signe = 1;
    for (std::size_t i = 0; i < l.size(); ++i) {
      const Peca& p = P(l[i]);
      // A sign after an operand splits terms; after an operator it is the factor's.
      const bool tall = EsSigne(p) && !terme.empty() && P(terme.back()).tipus != TipusPeca::Operador;
      if (tall) {
        total += signe * Terme(terme);
        terme.clear();
        signe = EsOp(p, "-") ? -1 : 1;
      } else if (EsSigne(p) && terme.empty()) {
        if (i > 0 && EsSigne(P(l[i - 1]))) throw ErrorValor{"Hi ha dos signes seguits."};
        signe *= EsOp(p, "-") ? -1 : 1;
      } else {
        terme.push_back(l[i]);
      }
    }
    if (terme.empty()) throw ErrorValor{"Hi falta un terme darrere del signe."};
    return total + signe * Terme(terme);
  }

  static bool EsMultiplicatiu(const Peca& p) {
    return EsOp(p, "\xB7") || EsOp(p, "\xD7") || EsOp(p, "*") || EsOp(p, ":") || EsOp(p, "\xF7") ||
           EsOp(p, "/");
  }

  ex Terme(const Nodes& l) {
    ex r;
    bool primer = true;
    bool divideix = false;
    Nodes factor;
    auto Aplica = [&] {
      if (factor.empty()) throw ErrorValor{"Hi falta un factor."};
      const ex f = Juxtaposats(factor);
      if (primer) {
        r = f;
      } else if (divideix) {
        if (f.is_zero()) throw ErrorValor{"Hi ha una divisi\xC3\xB3 per zero."};
        r = r / f;
      } else {
        r = r * f;
      }
      primer = false;
      factor.clear();
    };
    for (const std::size_t k : l) {
      if (EsMultiplicatiu(P(k))) {
        Aplica();
        divideix = !EsOp(P(k), "\xB7") && !EsOp(P(k), "\xD7") && !EsOp(P(k), "*");
      } else {
        factor.push_back(k);
      }
    }
    Aplica();
    return r;
  }

  // Operands written next to each other: their product. A power or an index belongs
  // to the operand before it; a leading sign to the whole.
  ex Juxtaposats(const Nodes& l) {
    ex r = 1;
    std::vector<ex> factors;
    int signe = 1;
    std::size_t i = 0;
    while (i < l.size() && EsSigne(P(l[i]))) signe *= EsOp(P(l[i++]), "-") ? -1 : 1;
    for (; i < l.size(); ++i) {
      const Peca& p = P(l[i]);
      switch (p.tipus) {
        case TipusPeca::Potencia: {
          if (factors.empty()) throw ErrorValor{"Hi falta la base d'una pot\xC3\xA8ncia."};
          const ex exponent = Escalar(p.fills);
          // Bounds no school answer comes near, so that a typed answer is judged at once:
          // a letter's exponent up to 64, a number's result up to 100,000 bits.
          const ex& base = factors.back();
          if (is_a<numeric>(exponent) && !is_a<numeric>(base) && GiNaC::abs(ex_to<numeric>(exponent)) > 64) {
            throw ErrorValor{"L'exponent \xC3\xA9s massa gran."};
          }
          if (is_a<numeric>(exponent) && is_a<numeric>(base)) {
            const numeric b = ex_to<numeric>(base);
            const numeric bits = numeric(b.numer().int_length() + b.denom().int_length());
            if (GiNaC::abs(ex_to<numeric>(exponent)) * bits > 100000)
              throw ErrorValor{"La pot\xC3\xA8ncia \xC3\xA9s massa gran."};
          }
          if (factors.back().is_zero() && is_a<numeric>(exponent) &&
              !ex_to<numeric>(exponent).is_positive()) {
            throw ErrorValor{"Zero no t\xC3\xA9 pot\xC3\xA8ncies d'exponent negatiu ni zero."};
          }
          factors.back() = GiNaC::pow(factors.back(), exponent);
          // A power of a sum expands to as many terms as its exponent allows: two terms
          // up to 64, three up to 20, more up to 10 (GiNaC folds powers of powers and
          // takes numbers out, so every power of a sum inside is looked at).
          const ex& r = factors.back();
          for (auto i = r.preorder_begin(); i != r.preorder_end(); ++i) {
            if (!is_a<GiNaC::power>(*i) || !is_a<GiNaC::add>(i->op(0)) || !is_a<numeric>(i->op(1))) continue;
            const std::size_t termes = i->op(0).nops();
            const numeric limit = termes <= 2 ? 64 : termes == 3 ? 20 : 10;
            if (GiNaC::abs(ex_to<numeric>(i->op(1))) > limit)
              throw ErrorValor{"L'exponent \xC3\xA9s massa gran."};
          }
          break;
        }
        case TipusPeca::Subindex: {
          if (i == 0 || P(l[i - 1]).tipus != TipusPeca::Variable)
            throw ErrorValor{"Un sub\xC3\xADndex va darrere d'una lletra."};
          factors.back() = Simbol(P(l[i - 1]).text + "_" + EscriuNotacio(m_, l[i]).substr(1));
          break;
        }
        case TipusPeca::Tros:
          if (EsUnitat(p)) break;
          if (Minuscules(p.text) == "mcd" || Minuscules(p.text) == "mcm") {
            factors.push_back(Simbol(Minuscules(p.text)));
            break;
          }
          throw ErrorValor{"No s'ent\xC3\xA9n \xC2\xAB" + EscriuNotacio(m_, l[i]) + "\xC2\xBB."};
        default:
          factors.push_back(Operand(l[i]));
          break;
      }
    }
    if (factors.empty()) throw ErrorValor{"Hi falta un nombre o una lletra."};
    for (const ex& f : factors) r = r * f;
    return signe * r;
  }

  ex Operand(std::size_t k) {
    const Peca& p = P(k);
    switch (p.tipus) {
      case TipusPeca::Nombre:
        return Nombre(p.text);
      case TipusPeca::Variable:
        return Simbol(p.text);
      case TipusPeca::Grup:
        return Escalar(p.fills);
      case TipusPeca::Expressio:
        return Escalar(p.fills);
      case TipusPeca::Fraccio: {
        if (p.fills.size() != 2) throw ErrorValor{"Una fracci\xC3\xB3 t\xC3\xA9 numerador i denominador."};
        const ex num = Escalar(P(p.fills[0]).fills);
        const ex den = Escalar(P(p.fills[1]).fills);
        if (den.is_zero()) throw ErrorValor{"El denominador \xC3\xA9s zero."};
        return num / den;
      }
      case TipusPeca::Arrel: {
        Nodes radicand = p.fills;
        ex index = 2;
        if (!radicand.empty() && P(radicand.front()).tipus == TipusPeca::IndexArrel) {
          index = Escalar(P(radicand.front()).fills);
          radicand.erase(radicand.begin());
        }
        if (!is_a<numeric>(index) || !ex_to<numeric>(index).is_integer() || ex_to<numeric>(index) < 2 ||
            ex_to<numeric>(index) > 100) {
          throw ErrorValor{"L'\xC3\xADndex d'una arrel \xC3\xA9s un nombre natural a partir de 2."};
        }
        const ex r = Escalar(radicand);
        if (is_a<numeric>(r) && ex_to<numeric>(r).is_negative() && ex_to<numeric>(index).is_even()) {
          throw ErrorValor{"Un nombre negatiu no t\xC3\xA9 arrel d'\xC3\xADndex parell."};
        }
        if (is_a<numeric>(r) && ex_to<numeric>(r).is_negative()) {
          return -GiNaC::pow(-r, numeric(1) / ex_to<numeric>(index));  // odd index: the real root
        }
        return GiNaC::pow(r, numeric(1) / ex_to<numeric>(index));
      }
      default:
        throw ErrorValor{"No s'ent\xC3\xA9n \xC2\xAB" + EscriuNotacio(m_, k) + "\xC2\xBB."};
    }
  }

  static ex Nombre(const std::string& text) {
    std::string xifres;
    std::size_t decimals = 0;
    bool coma = false;
    for (const char c : text) {
      if (c == '.' || c == ',') {
        coma = true;
      } else if (c >= '0' && c <= '9') {
        xifres += c;
        if (coma) ++decimals;
      } else {
        throw ErrorValor{"\xC2\xAB" + text + "\xC2\xBB no \xC3\xA9s un nombre."};
      }
    }
    if (xifres.empty()) throw ErrorValor{"Hi falta un nombre."};
    if (xifres.size() > 400) throw ErrorValor{"El nombre \xC3\xA9s massa llarg."};
    // Exact: "124.2" is 1242/10.
    return numeric(xifres.c_str()) / GiNaC::pow(numeric(10), numeric(static_cast<long>(decimals)));
  }

  const Model& m_;
};

Valor ValorDe(const Expressio& e) {
  try {
    const Pla pla = Aplana(e);
    return Avaluador(pla.m).Items(pla.fills);
  } catch (const ErrorValor&) {
    throw;
  } catch (const std::exception&) {
    throw ErrorValor{
        "No es pot calcular: hi ha una divisi\xC3\xB3 per zero o una operaci\xC3\xB3 sense valor."};
  }
}

ex EscalarDe(const Model& m, const Nodes& l) {
  return Avaluador(m).Escalar(l);
}

// ---- Radicals in one form ----

// n = c^q · r with r free of q-th powers, by trial division; a cofactor beyond the
// trial bound stays inside the root.
struct Primers {
  std::vector<std::pair<numeric, long>> factors;
  numeric resta = 1;
};

Primers Descompon(numeric n) {
  Primers r;
  for (long p = 2; p <= 100000 && numeric(p) * numeric(p) <= n; p += (p == 2 ? 1 : 2)) {
    long e = 0;
    while (GiNaC::irem(n, numeric(p)).is_zero()) {
      n = GiNaC::iquo(n, numeric(p));
      ++e;
    }
    if (e > 0) r.factors.emplace_back(numeric(p), e);
  }
  if (n > 1) {
    if (n <= numeric(100000) * numeric(100000)) {
      r.factors.emplace_back(n, 1);
    } else {
      r.resta = n;
    }
  }
  return r;
}

// n^(a/q) for a natural n and 0 <= a < q: the q-th powers taken out of the root and
// the root's index made as small as it goes: 8^(5/6) -> 4·2^(1/2).
ex RadicalEnter(const numeric& n, const numeric& e) {
  if (e.is_zero() || n == 1) return 1;
  const long q = e.denom().to_long();
  const long a = e.numer().to_long();
  if (q > 100 || a > 1000) return GiNaC::pow(ex(n), ex(e));
  const Primers f = Descompon(n);
  numeric fora = 1;
  std::vector<std::pair<numeric, long>> dins;
  long g = q;
  for (const auto& [p, k] : f.factors) {
    const long total = k * a;
    fora *= GiNaC::pow(p, numeric(total / q));
    if (total % q != 0) {
      dins.emplace_back(p, total % q);
      g = std::gcd(g, total % q);
    }
  }
  ex r = fora;
  if (f.resta != 1) return r * GiNaC::pow(ex(f.resta), ex(e));
  if (dins.empty()) return r;
  numeric radicand = 1;
  for (const auto& [p, k] : dins) radicand *= GiNaC::pow(p, numeric(k / g));
  return r * GiNaC::pow(ex(radicand), ex(numeric(1, q / g)));
}

// A positive rational to a rational power, with its root in the numerator only:
// (n/d)^e = n^e · d^-e, each as an integer power times a reduced root.
ex RadicalRacional(const numeric& b, const numeric& e) {
  auto Part = [](const numeric& n, const numeric& x) -> ex {
    const numeric k = GiNaC::iquo(x.numer() - GiNaC::mod(x.numer(), x.denom()), x.denom());  // floor(x)
    return GiNaC::pow(n, k) * RadicalEnter(n, x - k);
  };
  return Part(b.numer(), e) * Part(b.denom(), -e);
}

struct MapaRadicals : public GiNaC::map_function {
  ex operator()(const ex& e) override {
    const ex d = e.map(*this);
    if (is_a<GiNaC::power>(d) && is_a<numeric>(d.op(0)) && is_a<numeric>(d.op(1))) {
      const numeric b = ex_to<numeric>(d.op(0));
      const numeric x = ex_to<numeric>(d.op(1));
      if (b.is_rational() && b.is_positive() && x.is_rational() && !x.is_integer())
        return RadicalRacional(b, x);
    }
    if (is_a<GiNaC::mul>(d)) {
      // Roots of the same index multiply into one: √2·√3 -> √6.
      std::map<long, numeric> perIndex;
      ex resta = 1;
      for (std::size_t i = 0; i < d.nops(); ++i) {
        const ex f = d.op(i);
        if (is_a<GiNaC::power>(f) && is_a<numeric>(f.op(0)) && is_a<numeric>(f.op(1)) &&
            ex_to<numeric>(f.op(0)).is_pos_integer() && ex_to<numeric>(f.op(1)).numer() == 1 &&
            ex_to<numeric>(f.op(1)).denom() > 1) {
          const long q = ex_to<numeric>(f.op(1)).denom().to_long();
          auto [it, nou] = perIndex.emplace(q, numeric(1));
          (void)nou;
          it->second *= ex_to<numeric>(f.op(0));
        } else {
          resta *= f;
        }
      }
      if (!perIndex.empty()) {
        ex r = resta;
        for (const auto& [q, n] : perIndex) r *= RadicalRacional(n, numeric(1, q));
        if (!r.is_equal(d)) return r;
      }
    }
    return d;
  }
};

ex Radicals(const ex& e) {
  MapaRadicals m;
  ex r = m(e);
  // A second pass joins what the first one brought together.
  ex s = m(r);
  return s;
}

// ---- Comparing values ----

void Simbols(const ex& e, std::vector<ex>& r) {
  for (auto i = e.preorder_begin(); i != e.preorder_end(); ++i) {
    if (is_a<GiNaC::symbol>(*i) &&
        std::none_of(r.begin(), r.end(), [&](const ex& s) { return s.is_equal(*i); })) {
      r.push_back(*i);
    }
  }
}

// The value at fixed points with 50 digits, one per point; nullopt where it has none.
std::vector<std::optional<numeric>> Punts(const ex& e, const std::vector<ex>& simbols) {
  static const std::array<std::array<long, 2>, 4> kPunts = {{{13, 7}, {-5, 11}, {29, 3}, {3, 17}}};
  std::vector<std::optional<numeric>> r;
  for (std::size_t k = 0; k < kPunts.size(); ++k) {
    GiNaC::exmap subs;
    for (std::size_t s = 0; s < simbols.size(); ++s) {
      // Each letter its own value, different at every point and from each other.
      subs[simbols[s]] =
          numeric(kPunts[k][0] + static_cast<long>(s) * 3, kPunts[k][1] + static_cast<long>(s));
    }
    try {
      const ex v = e.subs(subs).evalf();
      if (is_a<numeric>(v)) {
        r.emplace_back(ex_to<numeric>(v));
        continue;
      }
    } catch (const std::exception&) {
    }
    r.emplace_back(std::nullopt);
  }
  return r;
}

// Numeric evaluation with 50 significant digits while it lives.
class Digits50 {
 public:
  Digits50() : abans_(static_cast<long>(GiNaC::Digits)) { GiNaC::Digits = 50; }
  ~Digits50() { GiNaC::Digits = abans_; }
  Digits50(const Digits50&) = delete;
  Digits50& operator=(const Digits50&) = delete;

 private:
  long abans_;
};

// kToleranciaRelativa as an exact number: 10^-30.
numeric Tolerancia() {
  return ex_to<numeric>(GiNaC::pow(numeric(10), -30));
}

bool Iguals(const ex& a, const ex& b) {
  try {
    const ex d = Radicals(a) - Radicals(b);
    if (GiNaC::normal(d).is_zero()) return true;
  } catch (const std::exception&) {
  }
  // Exact algebra did not bring the difference to zero: at fixed points, with 50 digits.
  const Digits50 precisio;
  std::vector<ex> s;
  Simbols(a, s);
  Simbols(b, s);
  const auto va = Punts(a, s), vb = Punts(b, s);
  int comparats = 0;
  for (std::size_t k = 0; k < va.size(); ++k) {
    if (!va[k] || !vb[k]) continue;
    const numeric mida = std::max({numeric(1), GiNaC::abs(*va[k]), GiNaC::abs(*vb[k])});
    if (GiNaC::abs(*va[k] - *vb[k]) > mida * Tolerancia()) {
      return false;
    }
    ++comparats;
  }
  return comparats > 0;
}

std::optional<numeric> Aproxima(const ex& e) {
  try {
    const Digits50 precisio;
    const ex v = e.evalf();
    if (is_a<numeric>(v) && ex_to<numeric>(v).is_real()) return ex_to<numeric>(v);
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

// An unknown on its own on the left: "x = 3", "x_1 = 3".
std::optional<std::string> Incognita(const Valor& v) {
  if (v.tipus != Valor::Tipus::Relacio || v.rel != "=" || !is_a<GiNaC::symbol>(v.v)) return std::nullopt;
  std::string nom = ex_to<GiNaC::symbol>(v.v).get_name();
  if (v.dreta.has(v.v)) return std::nullopt;
  return nom.substr(0, nom.find('_'));
}

bool RelacionsEquivalents(const Valor& a, const Valor& b) {
  const auto ia = Incognita(a), ib = Incognita(b);
  if (ia && ib) return *ia == *ib && Iguals(a.dreta, b.dreta);
  // Otherwise two relations say the same when one side minus the other is the same
  // up to a constant factor (positive, for an inequality).
  bool girada = false;
  if (a.rel != b.rel) {
    if (a.rel == "=" || b.rel == "=") return false;
    girada = true;
  }
  const ex da = a.v - a.dreta;
  const ex db = girada ? b.dreta - b.v : b.v - b.dreta;
  try {
    if (GiNaC::normal(Radicals(da)).is_zero() || GiNaC::normal(Radicals(db)).is_zero()) {
      return GiNaC::normal(Radicals(da)).is_zero() && GiNaC::normal(Radicals(db)).is_zero();
    }
    const ex q = GiNaC::normal(Radicals(da) / Radicals(db));
    if (is_a<numeric>(q)) return !q.is_zero() && (a.rel == "=" || ex_to<numeric>(q).is_positive());
  } catch (const std::exception&) {
  }
  return false;
}

bool ValorsEquivalents(const Valor& a, const Valor& b) {
  if (a.tipus == Valor::Tipus::Llista && a.elements.size() == 1) return ValorsEquivalents(a.elements[0], b);
  if (b.tipus == Valor::Tipus::Llista && b.elements.size() == 1) return ValorsEquivalents(a, b.elements[0]);
  if (a.tipus != b.tipus) return false;
  switch (a.tipus) {
    case Valor::Tipus::Escalar:
      return Iguals(a.v, b.v);
    case Valor::Tipus::Relacio:
      return RelacionsEquivalents(a, b);
    case Valor::Tipus::Punt:
      if (a.elements.size() != b.elements.size()) return false;
      for (std::size_t k = 0; k < a.elements.size(); ++k) {
        if (!ValorsEquivalents(a.elements[k], b.elements[k])) return false;
      }
      return true;
    case Valor::Tipus::Llista: {
      // As sets: every element matched with one of the other's, in any order.
      if (a.elements.size() != b.elements.size()) return false;
      std::vector<bool> pres(b.elements.size(), false);
      for (const Valor& x : a.elements) {
        bool trobat = false;
        for (std::size_t k = 0; k < b.elements.size() && !trobat; ++k) {
          if (!pres[k] && ValorsEquivalents(x, b.elements[k])) trobat = pres[k] = true;
        }
        if (!trobat) return false;
      }
      return true;
    }
  }
  return false;
}

// ---- Solution sets ----

// The real solutions of an equation, a system, a list of alternatives or a list of
// solutions, over its unknowns (in order of name): a finite set of tuples, or every
// value of a set of equations that has infinitely many (`general` then holds the
// equations, to be compared with another infinite set).
struct Solucions {
  std::vector<ex> incognites;
  bool infinites = false;
  std::vector<std::vector<ex>> tuples;
  std::vector<ex> general;  // infinites: equations lhs - rhs = 0 that define the set
};

std::vector<ex> SimbolsOrdenats(const std::vector<ex>& exprs) {
  std::vector<ex> s;
  for (const ex& e : exprs) Simbols(e, s);
  std::sort(s.begin(), s.end(), [](const ex& a, const ex& b) {
    return ex_to<GiNaC::symbol>(a).get_name() < ex_to<GiNaC::symbol>(b).get_name();
  });
  return s;
}

void AfegeixTupla(Solucions& s, std::vector<ex> t) {
  for (const std::vector<ex>& u : s.tuples) {
    bool igual = true;
    for (std::size_t k = 0; k < t.size() && igual; ++k) igual = Iguals(t[k], u[k]);
    if (igual) return;
  }
  s.tuples.push_back(std::move(t));
}

// The real roots of a polynomial in v whose factors over the rationals have degree 2 at
// most; nullopt when it is not such a polynomial. A zero polynomial: every value.
std::optional<std::vector<ex>> Arrels(const ex& d, const GiNaC::symbol& v, bool& totes) {
  const ex nd = GiNaC::normal(Radicals(d)).numer_denom();
  if (nd.op(1).has(v)) return std::nullopt;
  const ex p = nd.op(0).expand();
  totes = p.is_zero();
  if (totes) return std::vector<ex>{};
  if (!p.is_polynomial(v)) return std::nullopt;
  std::vector<ex> s;
  Simbols(p, s);
  if (s.size() > 1) return std::nullopt;
  const ex f = p.degree(v) > 2 ? GiNaC::factor(p) : p;
  std::vector<ex> factors;
  if (is_a<GiNaC::mul>(f)) {
    for (std::size_t k = 0; k < f.nops(); ++k) factors.push_back(f.op(k));
  } else {
    factors.push_back(f);
  }
  std::vector<ex> r;
  for (ex g : factors) {
    if (is_a<GiNaC::power>(g) && is_a<numeric>(g.op(1))) g = g.op(0);
    g = g.expand();
    const int grau = g.degree(v);
    if (grau == 0) continue;
    if (grau > 2) return std::nullopt;
    const ex a = g.coeff(v, grau), b = g.coeff(v, grau - 1), c = grau == 2 ? g.coeff(v, 0) : ex(0);
    if (grau == 1) {
      r.push_back(GiNaC::normal(-b / a));
      continue;
    }
    const ex disc = GiNaC::normal(b * b - 4 * a * c);
    const std::optional<numeric> valor = Aproxima(disc);
    if (!valor) return std::nullopt;
    if (valor->is_negative()) continue;
    r.push_back(GiNaC::normal((-b + GiNaC::sqrt(disc)) / (2 * a)));
    r.push_back(GiNaC::normal((-b - GiNaC::sqrt(disc)) / (2 * a)));
  }
  return r;
}

// The relation's two sides brought to one: lhs - rhs (an equation only).
std::optional<ex> Diferencia(const Valor& v) {
  if (v.tipus != Valor::Tipus::Relacio || v.rel != "=") return std::nullopt;
  return v.v - v.dreta;
}

std::optional<Solucions> SolucionsDe(const Valor& v) {
  std::vector<Valor> items = v.tipus == Valor::Tipus::Llista ? v.elements : std::vector<Valor>{v};
  if (items.empty()) return std::nullopt;
  Solucions r;
  // Solutions written out: numbers (of one unknown not named) or points (x, y).
  if (std::all_of(items.begin(), items.end(), [](const Valor& i) { return i.tipus == Valor::Tipus::Escalar; })) {
    for (const Valor& i : items) {
      if (!SimbolsOrdenats({i.v}).empty()) return std::nullopt;
      AfegeixTupla(r, {i.v});
    }
    return r;
  }
  if (std::all_of(items.begin(), items.end(), [](const Valor& i) { return i.tipus == Valor::Tipus::Punt; })) {
    r.incognites = {Simbol("x"), Simbol("y")};
    for (const Valor& i : items) {
      if (i.elements.size() != 2) return std::nullopt;
      std::vector<ex> t;
      for (const Valor& c : i.elements) {
        if (c.tipus != Valor::Tipus::Escalar || !SimbolsOrdenats({c.v}).empty()) return std::nullopt;
        t.push_back(c.v);
      }
      AfegeixTupla(r, std::move(t));
    }
    return r;
  }
  std::vector<ex> eqs;
  for (const Valor& i : items) {
    const std::optional<ex> d = Diferencia(i);
    if (!d) return std::nullopt;
    eqs.push_back(*d);
  }
  r.incognites = SimbolsOrdenats(eqs);
  if (r.incognites.empty()) {
    // Equations between numbers ("2x+2 = 2(x+1)" once read): every value, or none.
    for (const ex& e : eqs) {
      const std::optional<numeric> d = Aproxima(e);
      if (!d) return std::nullopt;
      if (!GiNaC::normal(Radicals(e)).is_zero()) return r;
    }
    r.infinites = true;
    r.general = {ex(0)};
    return r;
  }
  if (r.incognites.size() == 1) {
    // One equation, or alternatives of one unknown: the union of their roots.
    const GiNaC::symbol& x = ex_to<GiNaC::symbol>(r.incognites[0]);
    for (const ex& e : eqs) {
      bool totes = false;
      const auto a = Arrels(e, x, totes);
      if (!a) return std::nullopt;
      if (totes) {
        r.infinites = true;
        r.general = {ex(0)};
        r.tuples.clear();
        return r;
      }
      for (const ex& s : *a) AfegeixTupla(r, {s});
    }
    return r;
  }
  // A system: linear, solved exactly.
  GiNaC::lst equacions, simbols;
  for (const ex& e : eqs) equacions.append(GiNaC::normal(Radicals(e)) == 0);
  for (const ex& s : r.incognites) simbols.append(s);
  ex sol;
  try {
    sol = GiNaC::lsolve(equacions, simbols);
  } catch (const std::exception&) {
    return std::nullopt;  // not linear
  }
  if (sol.nops() == 0) return r;  // no solution
  std::vector<ex> t;
  for (std::size_t k = 0; k < sol.nops(); ++k) {
    const ex valor = sol.op(k).rhs();
    if (!SimbolsOrdenats({valor}).empty()) r.infinites = true;
    t.push_back(valor);
  }
  if (r.infinites) {
    r.general = eqs;
    r.tuples = {t};  // the general solution, in terms of the free unknowns
    return r;
  }
  AfegeixTupla(r, std::move(t));
  return r;
}

// The set over a subset of its unknowns: each tuple cut to those.
std::optional<Solucions> Projecta(const Solucions& s, const std::vector<ex>& incognites) {
  if (s.infinites) return std::nullopt;
  std::vector<std::size_t> on;
  for (const ex& i : incognites) {
    std::size_t k = 0;
    while (k < s.incognites.size() && !s.incognites[k].is_equal(i)) ++k;
    if (k == s.incognites.size()) return std::nullopt;
    on.push_back(k);
  }
  Solucions r;
  r.incognites = incognites;
  for (const std::vector<ex>& t : s.tuples) {
    std::vector<ex> u;
    for (const std::size_t k : on) u.push_back(t[k]);
    AfegeixTupla(r, std::move(u));
  }
  return r;
}

bool MateixConjunt(Solucions a, Solucions b) {
  // Solutions written without their unknown take the other side's one.
  if (a.incognites.empty() && (b.incognites.size() == 1 || a.infinites)) a.incognites = b.incognites;
  if (b.incognites.empty() && (a.incognites.size() == 1 || b.infinites)) b.incognites = a.incognites;
  if (a.infinites || b.infinites) {
    if (!a.infinites || !b.infinites) return false;
    // Each general solution satisfies the other's equations.
    const auto Satisfa = [](const Solucions& s, const Solucions& o) {
      GiNaC::exmap m;
      for (std::size_t k = 0; k < s.incognites.size() && !s.tuples.empty(); ++k) {
        m[s.incognites[k]] = s.tuples[0][k];
      }
      for (const ex& e : o.general) {
        if (!GiNaC::normal(Radicals(e.subs(m))).is_zero()) return false;
      }
      return true;
    };
    return a.incognites.size() == b.incognites.size() && Satisfa(a, b) && Satisfa(b, a);
  }
  if (a.incognites.size() != b.incognites.size()) {
    // A step in fewer unknowns than the answer: the answer's solutions cut to them.
    Solucions& gran = a.incognites.size() > b.incognites.size() ? a : b;
    const Solucions& petit = a.incognites.size() > b.incognites.size() ? b : a;
    const auto p = Projecta(gran, petit.incognites);
    if (!p) return false;
    gran = *p;
  }
  for (std::size_t k = 0; k < a.incognites.size(); ++k) {
    if (!a.incognites[k].is_equal(b.incognites[k])) return false;
  }
  if (a.tuples.size() != b.tuples.size()) return false;
  for (const std::vector<ex>& t : a.tuples) {
    const std::size_t abans = b.tuples.size();
    Solucions c = b;
    AfegeixTupla(c, t);
    if (c.tuples.size() != abans) return false;
  }
  return true;
}

// ---- Form tests ----

bool EsPrimer(const numeric& n) {
  if (!n.is_pos_integer() || n < 2 || n > numeric(1000000) * numeric(1000000)) return false;
  const long long k = n.to_long();
  for (long long p = 2; p * p <= k; ++p) {
    if (k % p == 0) return false;
  }
  return true;
}

// GiNaC's factorisation, for polynomials in at most four letters: school algebra never
// has more, and factoring in many letters takes time out of proportion.
ex Factor(const ex& p) {
  std::vector<ex> s;
  Simbols(p, s);
  return s.size() <= 4 ? GiNaC::factor(p) : p;
}

// The terms of a stretch: split at the signs that follow an operand.
std::vector<Nodes> Termes(const Model& m, const Nodes& l) {
  std::vector<Nodes> r(1);
  for (const std::size_t k : l) {
    const Peca& p = m.peces[k];
    if (EsSigne(p) && !r.back().empty() && m.peces[r.back().back()].tipus != TipusPeca::Operador) {
      r.emplace_back();
      continue;
    }
    if (EsSigne(p) && r.back().empty()) continue;
    r.back().push_back(k);
  }
  return r;
}

// Every node below the given ones, in any order.
Nodes Descendents(const Model& m, const Nodes& l) {
  Nodes r, pila = l;
  while (!pila.empty()) {
    const std::size_t k = pila.back();
    pila.pop_back();
    r.push_back(k);
    for (const std::size_t f : m.peces[k].fills) pila.push_back(f);
  }
  return r;
}

bool TeSuma(const Model& m, const Nodes& l) {
  return Termes(m, SenseBlancs(m, l)).size() > 1;
}

// The stretches a form applies to: each element of a list, each coordinate of a point,
// and of a relation the side after its last sign.
void Valors(const Model& m, const Nodes& l, std::vector<Nodes>& r) {
  for (const Nodes& item : Talla(m, SenseBlancs(m, l), EsSeparador)) {
    if (item.size() == 1 && m.peces[item[0]].tipus == TipusPeca::Grup &&
        Talla(m, SenseBlancs(m, m.peces[item[0]].fills), EsSeparador).size() > 1) {
      Valors(m, m.peces[item[0]].fills, r);
      continue;
    }
    Nodes costat;
    for (const std::size_t k : item) {
      if (EsRel(m.peces[k])) {
        costat.clear();
      } else {
        costat.push_back(k);
      }
    }
    r.push_back(costat);
  }
}

const char* const kSimplifica = "Correcte, per\xC3\xB2 simplifica la fracci\xC3\xB3.";

std::optional<std::string> Irreductible(const Model& m, const Nodes& l) {
  for (const std::size_t k : Descendents(m, l)) {
    const Peca& p = m.peces[k];
    if (p.tipus == TipusPeca::Nombre && p.text.find('.') != std::string::npos) {
      return "Correcte, per\xC3\xB2 escriu-ho com una fracci\xC3\xB3 irreductible, no en decimals.";
    }
    if (p.tipus != TipusPeca::Fraccio || p.fills.size() != 2) continue;
    const ex num = EscalarDe(m, m.peces[p.fills[0]].fills), den = EscalarDe(m, m.peces[p.fills[1]].fills);
    if (is_a<numeric>(num) && is_a<numeric>(den)) {
      const numeric a = ex_to<numeric>(num), b = ex_to<numeric>(den);
      if (!a.is_integer() || !b.is_integer() || GiNaC::abs(b) == 1 || GiNaC::gcd(a, b) != 1)
        return std::string(kSimplifica);
      continue;
    }
    try {
      const ex g = GiNaC::gcd(GiNaC::expand(num), GiNaC::expand(den));
      if (!is_a<numeric>(g)) return std::string(kSimplifica);
    } catch (const std::exception&) {
    }
  }
  const ex v = EscalarDe(m, l);
  if (is_a<numeric>(v)) {
    // A number: one integer or one fraction of integers, with its sign.
    Nodes s;
    for (const std::size_t k : l) {
      if (!EsSigne(m.peces[k]) || !s.empty()) s.push_back(k);
    }
    const bool sol =
        s.size() == 1 && (m.peces[s[0]].tipus == TipusPeca::Nombre ||
                          (m.peces[s[0]].tipus == TipusPeca::Fraccio && Descendents(m, s).size() == 5));
    if (!sol) return "Correcte, per\xC3\xB2 acaba les operacions i simplifica el resultat.";
  }
  return std::nullopt;
}

std::optional<std::string> Expandida(const Model& m, const Nodes& l) {
  for (const std::size_t k : Descendents(m, l)) {
    if (m.peces[k].tipus == TipusPeca::Grup && TeSuma(m, m.peces[k].fills)) {
      return "Correcte, per\xC3\xB2 treu els par\xC3\xA8ntesis: multiplica i agrupa els termes.";
    }
  }
  std::vector<ex> monomis;
  for (const Nodes& t : Termes(m, SenseBlancs(m, l))) {
    const ex v = GiNaC::expand(EscalarDe(m, t));
    if (is_a<GiNaC::add>(v))
      return "Correcte, per\xC3\xB2 treu els par\xC3\xA8ntesis: multiplica i agrupa els termes.";
    ex mon = 1;
    if (is_a<GiNaC::mul>(v)) {
      for (std::size_t i = 0; i < v.nops(); ++i) {
        if (!is_a<numeric>(v.op(i))) mon *= v.op(i);
      }
    } else if (!is_a<numeric>(v)) {
      mon = v;
    }
    for (const ex& a : monomis) {
      if (a.is_equal(mon)) return "Correcte, per\xC3\xB2 agrupa els termes semblants.";
    }
    monomis.push_back(mon);
  }
  return std::nullopt;
}

// The sums in brackets that a single term is the product of.
std::optional<std::vector<ex>> SumesDelProducte(const Model& m, const Nodes& l) {
  const std::vector<Nodes> t = Termes(m, SenseBlancs(m, l));
  if (t.size() != 1) return std::nullopt;
  std::vector<ex> r;
  for (const std::size_t k : t[0]) {
    if (m.peces[k].tipus == TipusPeca::Grup && TeSuma(m, m.peces[k].fills))
      r.push_back(EscalarDe(m, m.peces[k].fills));
  }
  return r;
}

std::optional<std::string> FactorComu(const Model& m, const Nodes& l) {
  const auto sumes = SumesDelProducte(m, l);
  if (!sumes) return "Correcte, per\xC3\xB2 treu factor com\xC3\xBA: escriu-ho com un producte.";
  for (const ex& s : *sumes) {
    const ex p = GiNaC::expand(s);
    if (!is_a<GiNaC::add>(p)) continue;
    try {
      ex g = p.op(0);
      for (std::size_t i = 1; i < p.nops(); ++i) g = GiNaC::gcd(g, p.op(i));
      if (!is_a<numeric>(g) || GiNaC::abs(ex_to<numeric>(g)) != 1) {
        return "Correcte, per\xC3\xB2 encara hi ha factor com\xC3\xBA dins el par\xC3\xA8ntesi.";
      }
    } catch (const std::exception&) {
    }
  }
  return std::nullopt;
}

std::optional<std::string> Factoritzada(const Model& m, const Nodes& l) {
  const auto sumes = SumesDelProducte(m, l);
  if (!sumes) return "Correcte, per\xC3\xB2 factoritza-ho: escriu-ho com un producte de factors.";
  for (const ex& s : *sumes) {
    try {
      const ex f = Factor(GiNaC::expand(s));
      int factors = 0;
      bool contingut = false;
      const auto Compta = [&](const ex& x) {
        if (is_a<numeric>(x)) {
          contingut |= GiNaC::abs(ex_to<numeric>(x)) != 1;
        } else if (is_a<GiNaC::power>(x) && is_a<numeric>(x.op(1)) &&
                   ex_to<numeric>(x.op(1)).is_pos_integer()) {
          factors += static_cast<int>(ex_to<numeric>(x.op(1)).to_long());
        } else {
          ++factors;
        }
      };
      if (is_a<GiNaC::mul>(f)) {
        for (std::size_t i = 0; i < f.nops(); ++i) Compta(f.op(i));
      } else {
        Compta(f);
      }
      if (factors > 1 || contingut) return "Correcte, per\xC3\xB2 encara es pot factoritzar m\xC3\xA9s.";
    } catch (const std::exception&) {
    }
  }
  return std::nullopt;
}

std::optional<std::string> DenominadorRacional(const Model& m, const Nodes& l) {
  const auto AmbArrel = [&](const Nodes& n) {
    for (const std::size_t k : Descendents(m, n)) {
      if (m.peces[k].tipus == TipusPeca::Arrel) return true;
    }
    return false;
  };
  const Nodes tots = Descendents(m, l);
  for (const std::size_t k : tots) {
    const Peca& p = m.peces[k];
    if (p.tipus == TipusPeca::Fraccio && p.fills.size() == 2 && AmbArrel({p.fills[1]})) {
      return "Correcte, per\xC3\xB2 racionalitza el denominador: que no hi quedi cap arrel.";
    }
  }
  // A division written with ":" or "/" by a root.
  for (std::size_t i = 0; i + 1 < l.size(); ++i) {
    if ((EsOp(m.peces[l[i]], ":") || EsOp(m.peces[l[i]], "/")) && AmbArrel({l[i + 1]})) {
      return "Correcte, per\xC3\xB2 racionalitza el denominador: que no hi quedi cap arrel.";
    }
  }
  return std::nullopt;
}

std::optional<std::string> FraccioUnica(const Model& m, const Nodes& l) {
  int fraccions = 0;
  for (const std::size_t k : Descendents(m, l)) fraccions += m.peces[k].tipus == TipusPeca::Fraccio;
  bool divisio = false;
  for (const std::size_t k : l)
    divisio |= EsOp(m.peces[k], ":") || EsOp(m.peces[k], "/") || EsOp(m.peces[k], "\xF7");
  if (fraccions > 1 || divisio || (fraccions == 1 && TeSuma(m, l))) {
    return "Correcte, per\xC3\xB2 escriu-ho com una sola fracci\xC3\xB3.";
  }
  return std::nullopt;
}

std::optional<std::string> PotenciaUnaBase(const Model& m, const Nodes& brut) {
  Nodes l;
  for (const std::size_t k : SenseBlancs(m, brut)) {
    if (!(l.empty() && EsSigne(m.peces[k]))) l.push_back(k);
  }
  const char* const kUna = "Correcte, per\xC3\xB2 escriu-ho com una sola pot\xC3\xA8ncia.";
  if (l.empty() || l.size() > 2) return std::string(kUna);
  const TipusPeca base = m.peces[l[0]].tipus;
  if (base != TipusPeca::Nombre && base != TipusPeca::Variable && base != TipusPeca::Grup &&
      base != TipusPeca::Fraccio) {
    return std::string(kUna);
  }
  if (l.size() == 2) {
    const Peca& pot = m.peces[l[1]];
    if (pot.tipus != TipusPeca::Potencia) return std::string(kUna);
    const Nodes e = SenseBlancs(m, pot.fills);
    const bool simple = (e.size() == 1 && (m.peces[e[0]].tipus == TipusPeca::Nombre ||
                                           m.peces[e[0]].tipus == TipusPeca::Variable)) ||
                        (e.size() == 2 && EsSigne(m.peces[e[0]]) && m.peces[e[1]].tipus == TipusPeca::Nombre);
    if (!simple) return "Correcte, per\xC3\xB2 calcula l'exponent.";
  }
  return std::nullopt;
}

std::optional<std::string> FactorsPrimers(const Model& m, const Nodes& l) {
  const char* const kDescompon = "Correcte, per\xC3\xB2 descompon-lo del tot en factors primers.";
  std::vector<numeric> bases;
  Nodes factor;
  auto Mira = [&]() -> std::optional<std::string> {
    const bool forma =
        (factor.size() == 1 || (factor.size() == 2 && m.peces[factor[1]].tipus == TipusPeca::Potencia)) &&
        m.peces[factor[0]].tipus == TipusPeca::Nombre;
    if (!forma) return std::string(kDescompon);
    const ex b = EscalarDe(m, {factor[0]});
    if (!is_a<numeric>(b) || !EsPrimer(ex_to<numeric>(b))) return std::string(kDescompon);
    if (factor.size() == 2) {
      const ex e = EscalarDe(m, m.peces[factor[1]].fills);
      if (!is_a<numeric>(e) || !ex_to<numeric>(e).is_pos_integer()) return std::string(kDescompon);
    }
    for (const numeric& a : bases) {
      if (a == ex_to<numeric>(b))
        return "Correcte, per\xC3\xB2 agrupa els factors iguals en una pot\xC3\xA8ncia.";
    }
    bases.push_back(ex_to<numeric>(b));
    factor.clear();
    return std::nullopt;
  };
  for (const std::size_t k : SenseBlancs(m, l)) {
    if (EsOp(m.peces[k], "\xB7") || EsOp(m.peces[k], "\xD7") || EsOp(m.peces[k], "*")) {
      if (auto e = Mira()) return e;
    } else {
      factor.push_back(k);
    }
  }
  return Mira();
}

std::optional<std::string> Centims(const Model& m, const Nodes& l) {
  for (const std::size_t k : Descendents(m, l)) {
    const Peca& p = m.peces[k];
    const std::size_t punt = p.text.find('.');
    if (p.tipus == TipusPeca::Nombre && punt != std::string::npos && p.text.size() - punt - 1 > 2) {
      return "Correcte, per\xC3\xB2 arrodoneix als c\xC3\xA8ntims.";
    }
  }
  return std::nullopt;
}

std::optional<std::string> Resolta(const Valor& v) {
  if (v.tipus == Valor::Tipus::Llista) {
    for (const Valor& e : v.elements) {
      if (auto r = Resolta(e)) return r;
    }
    return std::nullopt;
  }
  if (!Incognita(v))
    return "Correcte, per\xC3\xB2 a\xC3\xAFlla la inc\xC3\xB2gnita: escriu-ho com \xC2\xABx = "
           "\xE2\x80\xA6\xC2\xBB.";
  return std::nullopt;
}

std::optional<std::string> FormaDe(const Expressio& e, FormaResposta f) {
  if (f == FormaResposta::Qualsevol) return std::nullopt;
  if (f == FormaResposta::Resolta) return Resolta(ValorDe(e));
  const Pla pla = Aplana(e);
  std::vector<Nodes> valors;
  Valors(pla.m, pla.fills, valors);
  for (const Nodes& v : valors) {
    if (v.empty()) continue;
    std::optional<std::string> r;
    switch (f) {
      case FormaResposta::Irreductible:
        r = Irreductible(pla.m, v);
        break;
      case FormaResposta::Expandida:
        r = Expandida(pla.m, v);
        break;
      case FormaResposta::FactorComu:
        r = FactorComu(pla.m, v);
        break;
      case FormaResposta::Factoritzada:
        r = Factoritzada(pla.m, v);
        break;
      case FormaResposta::DenominadorRacional:
        r = DenominadorRacional(pla.m, v);
        break;
      case FormaResposta::FraccioUnica:
        r = FraccioUnica(pla.m, v);
        break;
      case FormaResposta::PotenciaUnaBase:
        r = PotenciaUnaBase(pla.m, v);
        break;
      case FormaResposta::FactorsPrimers:
        r = FactorsPrimers(pla.m, v);
        break;
      case FormaResposta::Centims:
        r = Centims(pla.m, v);
        break;
      default:
        break;
    }
    if (r) return r;
  }
  return std::nullopt;
}

// ---- Writing a value in the notation ----

std::string Enter(const numeric& n) {
  std::ostringstream o;
  o << n;
  return o.str();
}

// The degree of a term in each letter, for the conventional order of a sum.
std::map<std::string, long> Graus(const ex& t) {
  std::map<std::string, long> r;
  const auto Factor = [&](const ex& f) {
    if (is_a<GiNaC::symbol>(f)) {
      r[ex_to<GiNaC::symbol>(f).get_name()] += 1;
    } else if (is_a<GiNaC::power>(f) && is_a<GiNaC::symbol>(f.op(0)) && is_a<numeric>(f.op(1)) &&
               ex_to<numeric>(f.op(1)).is_integer()) {
      r[ex_to<GiNaC::symbol>(f.op(0)).get_name()] += ex_to<numeric>(f.op(1)).to_long();
    }
  };
  if (is_a<GiNaC::mul>(t)) {
    for (std::size_t i = 0; i < t.nops(); ++i) Factor(t.op(i));
  } else {
    Factor(t);
  }
  return r;
}

bool AbansEnSuma(const ex& a, const ex& b) {
  const auto ga = Graus(a), gb = Graus(b);
  long ta = 0, tb = 0;
  for (const auto& [n, g] : ga) ta += g;
  for (const auto& [n, g] : gb) tb += g;
  if (ta != tb) return ta > tb;
  // Same degree: the higher power of the first letter in the alphabet first.
  std::vector<std::string> noms;
  for (const auto& [n, g] : ga) noms.push_back(n);
  for (const auto& [n, g] : gb) noms.push_back(n);
  std::sort(noms.begin(), noms.end());
  for (const std::string& n : noms) {
    const long x = ga.count(n) ? ga.at(n) : 0, y = gb.count(n) ? gb.at(n) : 0;
    if (x != y) return x > y;
  }
  // Numbers before roots: "2+√3".
  return is_a<numeric>(a) && !is_a<numeric>(b);
}

std::string Escriu(const ex& e);

bool EsNegatiu(const ex& e) {
  if (is_a<numeric>(e)) return ex_to<numeric>(e).is_negative();
  if (is_a<GiNaC::mul>(e)) {
    for (std::size_t i = 0; i < e.nops(); ++i) {
      if (is_a<numeric>(e.op(i))) return ex_to<numeric>(e.op(i)).is_negative();
    }
  }
  return false;
}

// An operand that takes a power or stands in a product without brackets.
std::string Atom(const ex& e) {
  const std::string s = Escriu(e);
  if (is_a<GiNaC::symbol>(e) || (is_a<numeric>(e) && ex_to<numeric>(e).is_nonneg_integer())) return s;
  return "(" + s + ")";
}

std::string Arrel(const ex& base, const numeric& exponent) {
  const ex radicand = GiNaC::pow(base, exponent.numer());
  const long q = exponent.denom().to_long();
  std::string r = Escriu(radicand);
  if (q != 2) {
    // A power under a root keeps its power, "arrel(19^4; 5)", "arrel(21^4; 5)": the
    // exponents of the radicand's primes share a factor g, and the radicand is the
    // g-th power of the product of the primes to their exponents over g.
    if (is_a<numeric>(radicand) && ex_to<numeric>(radicand).is_pos_integer()) {
      const Primers f = Descompon(ex_to<numeric>(radicand));
      long g = 0;
      for (const auto& [primer, exponent] : f.factors) g = std::gcd(g, static_cast<long>(exponent));
      if (f.resta == 1 && g > 1) {
        numeric base = 1;
        for (const auto& [primer, exponent] : f.factors) base *= primer.power(numeric(static_cast<long>(exponent) / g));
        r = Enter(base) + "^" + std::to_string(g);
      }
    }
    return "arrel(" + r + "; " + std::to_string(q) + ")";
  }
  const bool sol =
      is_a<GiNaC::symbol>(radicand) || (is_a<numeric>(radicand) && ex_to<numeric>(radicand).is_pos_integer());
  return "\xE2\x88\x9A" + (sol ? r : "(" + r + ")");
}

// A product of factors, each with a positive power: a number first, then roots, letters
// in the alphabet's order, and bracketed sums.
std::string Producte(const numeric& coeficient, std::vector<ex> factors) {
  std::stable_sort(factors.begin(), factors.end(), [](const ex& a, const ex& b) {
    const auto Rang = [](const ex& x) {
      if (is_a<GiNaC::power>(x) && is_a<numeric>(x.op(0))) return 0;
      if (is_a<GiNaC::symbol>(x) || (is_a<GiNaC::power>(x) && is_a<GiNaC::symbol>(x.op(0)))) return 1;
      return 2;
    };
    if (Rang(a) != Rang(b)) return Rang(a) < Rang(b);
    return Escriu(a) < Escriu(b);
  });
  std::string s;
  if (coeficient != 1 || factors.empty()) s = Enter(coeficient);
  for (std::size_t i = 0; i < factors.size(); ++i) {
    const ex& f = factors[i];
    std::string t;
    if (is_a<GiNaC::power>(f) && is_a<numeric>(f.op(1)) && !ex_to<numeric>(f.op(1)).is_integer()) {
      t = Arrel(f.op(0), ex_to<numeric>(f.op(1)));
    } else if (is_a<GiNaC::power>(f)) {
      t = Atom(f.op(0)) + "^" + Escriu(f.op(1));
      if (!is_a<numeric>(f.op(1)) || !ex_to<numeric>(f.op(1)).is_pos_integer())
        t = Atom(f.op(0)) + "^(" + Escriu(f.op(1)) + ")";
    } else if (is_a<GiNaC::symbol>(f)) {
      t = Escriu(f);
    } else {
      t = "(" + Escriu(f) + ")";
    }
    // A root with its radicand unbracketed ends where a digit would go on: "√(5)2" never
    // happens, because numbers come first; letters after a root read apart ("√5x").
    s += t;
  }
  return s;
}

std::string Terme(const ex& t) {
  // |t| as numerator over denominator.
  numeric c = 1;
  std::vector<ex> num, den;
  const auto Factor = [&](const ex& f) {
    if (is_a<numeric>(f)) {
      c *= ex_to<numeric>(f);
    } else if (is_a<GiNaC::power>(f) && is_a<numeric>(f.op(1)) && ex_to<numeric>(f.op(1)).is_negative()) {
      den.push_back(GiNaC::pow(f.op(0), -f.op(1)));
    } else {
      num.push_back(f);
    }
  };
  if (is_a<GiNaC::mul>(t)) {
    for (std::size_t i = 0; i < t.nops(); ++i) Factor(t.op(i));
  } else {
    Factor(t);
  }
  c = GiNaC::abs(c);
  std::string n = Producte(c.numer(), num);
  if (den.empty() && c.denom() == 1) return n;
  std::string d = Producte(c.denom(), den);
  if (den.size() + (c.denom() != 1 ? 1 : 0) > 1) d = "(" + d + ")";
  return n + "/" + d;
}

std::string Escriu(const ex& e) {
  if (is_a<numeric>(e)) {
    const numeric n = ex_to<numeric>(e);
    if (n.is_integer()) return Enter(n);
    if (n.is_rational())
      return (n.is_negative() ? "-" : "") + Enter(GiNaC::abs(n.numer())) + "/" + Enter(n.denom());
    std::ostringstream o;
    o << n;
    return o.str();
  }
  if (is_a<GiNaC::symbol>(e)) {
    // The least common multiple is written "MCM", as the exercises write it.
    const std::string& nom = ex_to<GiNaC::symbol>(e).get_name();
    return nom == "mcm" ? "MCM" : nom;
  }
  if (is_a<GiNaC::add>(e)) {
    std::vector<ex> t;
    for (std::size_t i = 0; i < e.nops(); ++i) t.push_back(e.op(i));
    std::stable_sort(t.begin(), t.end(), AbansEnSuma);
    std::string s;
    for (std::size_t i = 0; i < t.size(); ++i) {
      const bool neg = EsNegatiu(t[i]);
      if (neg) {
        s += "-";
      } else if (i > 0) {
        s += "+";
      }
      s += Terme(t[i]);
    }
    return s;
  }
  return (EsNegatiu(e) ? "-" : "") + Terme(e);
}

// A fraction of two polynomials in the conventional shape: the sign in front, parts
// expanded and bracketed where they are sums or products.
std::string Fraccio(ex num, ex den) {
  num = GiNaC::expand(num);
  den = GiNaC::expand(den);
  if (EsNegatiu(is_a<GiNaC::add>(den) ? den.op(0) : den)) {
    num = GiNaC::expand(-num);
    den = GiNaC::expand(-den);
  }
  if (den.is_equal(1)) return Escriu(num);
  std::string signe;
  if (!is_a<GiNaC::add>(num) && EsNegatiu(num)) {
    signe = "-";
    num = -num;
  }
  const auto Part = [](const ex& x, bool denominador) {
    const std::string s = Escriu(x);
    const bool sol =
        is_a<GiNaC::symbol>(x) || (is_a<numeric>(x) && ex_to<numeric>(x).is_integer()) ||
        (!denominador && !is_a<GiNaC::add>(x)) ||
        (is_a<GiNaC::power>(x) && is_a<numeric>(x.op(1)) && ex_to<numeric>(x.op(1)).is_integer());
    return sol ? s : "(" + s + ")";
  };
  return signe + Part(num, false) + "/" + Part(den, true);
}

std::string FactorsPrimersDe(const numeric& n) {
  const Primers p = Descompon(n);
  std::string s;
  for (const auto& [b, k] : p.factors) {
    if (!s.empty()) s += "\xC2\xB7";
    s += Enter(b) + (k > 1 ? "^" + std::to_string(k) : "");
  }
  if (p.resta != 1) s += (s.empty() ? "" : "\xC2\xB7") + Enter(p.resta);
  return s;
}

// The integer content and the primitive part of a polynomial with integer coefficients,
// so that "2(x+2)" stays a product (GiNaC distributes a number over a sum).
std::pair<numeric, ex> Contingut(const ex& p) {
  if (!is_a<GiNaC::add>(p)) return {1, p};
  numeric c = 0;
  for (std::size_t i = 0; i < p.nops(); ++i) {
    const ex t = p.op(i);
    numeric k = 1;
    if (is_a<numeric>(t)) {
      k = ex_to<numeric>(t);
    } else if (is_a<GiNaC::mul>(t)) {
      for (std::size_t j = 0; j < t.nops(); ++j) {
        if (is_a<numeric>(t.op(j))) k = ex_to<numeric>(t.op(j));
      }
    }
    if (!k.is_integer()) return {1, p};
    c = GiNaC::gcd(c, k);
  }
  // The sign of the leading term goes out with the content: "-2(x-3)".
  std::vector<ex> t;
  for (std::size_t i = 0; i < p.nops(); ++i) t.push_back(p.op(i));
  std::stable_sort(t.begin(), t.end(), AbansEnSuma);
  if (EsNegatiu(t.front())) c = -c;
  if (c.is_zero()) return {1, p};
  return {c, GiNaC::expand(p / c)};
}

std::string Coeficient(const numeric& c) {
  return c == 1 ? "" : c == -1 ? "-" : Enter(c);
}

std::string Factoritza(const ex& x) {
  const ex n = GiNaC::normal(x);
  const ex nd = GiNaC::numer_denom(n);
  if (!nd.op(1).is_equal(1)) {
    return Factoritza(nd.op(0)) + "/" + "(" + Factoritza(nd.op(1)) + ")";
  }
  const auto [c, p] = Contingut(GiNaC::expand(nd.op(0)));
  ex f;
  try {
    f = Factor(p);
  } catch (const std::exception&) {
    f = p;
  }
  numeric k = c;
  std::vector<ex> factors;
  const auto Posa = [&](const ex& y) {
    if (is_a<numeric>(y)) {
      k *= ex_to<numeric>(y);
    } else {
      factors.push_back(y);
    }
  };
  if (is_a<GiNaC::mul>(f)) {
    for (std::size_t i = 0; i < f.nops(); ++i) Posa(f.op(i));
  } else {
    Posa(f);
  }
  if (factors.size() == 1 && is_a<GiNaC::add>(factors[0]) && k == 1) return Escriu(factors[0]);
  const std::string signe = k.is_negative() ? "-" : "";
  return signe + Producte(GiNaC::abs(k), factors);
}

std::string TreuFactorComu(const ex& x) {
  const ex p = GiNaC::expand(x);
  if (!is_a<GiNaC::add>(p)) return Escriu(p);
  ex g = p.op(0);
  try {
    for (std::size_t i = 1; i < p.nops(); ++i) g = GiNaC::gcd(g, p.op(i));
  } catch (const std::exception&) {
    return Escriu(p);
  }
  // The sign of the leading term goes out with it.
  std::vector<ex> t;
  for (std::size_t i = 0; i < p.nops(); ++i) t.push_back(p.op(i));
  std::stable_sort(t.begin(), t.end(), AbansEnSuma);
  if (EsNegatiu(t.front())) g = -g;
  if (g.is_equal(1)) return Escriu(p);
  const ex resta = GiNaC::expand(p / g);
  std::string fora = is_a<numeric>(g) ? Coeficient(ex_to<numeric>(g)) : Escriu(g);
  if (is_a<GiNaC::add>(g)) fora = "(" + fora + ")";
  return fora + "(" + Escriu(resta) + ")";
}

// A product of powers with one exponent (up to its sign) as the power of one base:
// a^3·z^3 -> (az)^3, a^3/z^3 -> (a/z)^3, 8a^3 -> (2a)^3. None when it is not one.
std::optional<std::string> PotenciaDeProducte(const ex& x) {
  if (!is_a<GiNaC::mul>(x)) return std::nullopt;
  std::optional<numeric> n;
  ex base = 1;
  numeric coeficient = 1;
  for (std::size_t k = 0; k < x.nops(); ++k) {
    const ex f = x.op(k);
    if (is_a<numeric>(f)) {
      coeficient = ex_to<numeric>(f);
      continue;
    }
    if (!is_a<GiNaC::power>(f) || !is_a<numeric>(f.op(1)) || !ex_to<numeric>(f.op(1)).is_integer()) return std::nullopt;
    const numeric e = ex_to<numeric>(f.op(1));
    if (!n) n = GiNaC::abs(e);
    if (GiNaC::abs(e) != *n || *n < 2) return std::nullopt;
    base *= e.is_negative() ? GiNaC::pow(f.op(0), -1) : f.op(0);
  }
  if (!n || !n->is_pos_integer()) return std::nullopt;
  if (coeficient != 1) {
    // The coefficient must be an exact power with that exponent.
    if (!coeficient.is_rational() || n->to_long() > 64) return std::nullopt;
    const long e = n->to_long();
    std::optional<numeric> arrel;
    const numeric c = GiNaC::abs(coeficient);
    const double aprox = std::pow(c.to_double(), 1.0 / static_cast<double>(e));
    for (const numeric& r : {numeric(std::llround(aprox)), numeric(1) / numeric(std::llround(1 / aprox))}) {
      if (!r.is_zero() && GiNaC::pow(r, numeric(e)) == c) arrel = r;
    }
    if (!arrel || (coeficient.is_negative() && n->is_even())) return std::nullopt;
    base *= coeficient.is_negative() ? -*arrel : *arrel;
  }
  return "(" + Escriu(base) + ")^" + Enter(*n);
}

std::string UnaPotencia(const ex& x, const std::optional<numeric>& base) {
  if (auto p = PotenciaDeProducte(x)) return *p;
  if (!is_a<numeric>(x)) return Escriu(x);
  const numeric v = ex_to<numeric>(x);
  std::vector<numeric> bases;
  if (base) bases.push_back(*base);
  for (long b = 2; b <= 20; ++b) bases.push_back(b);
  for (const numeric& b : bases) {
    if (GiNaC::abs(b) < 2 || !b.is_rational()) continue;
    for (long k = -40; k <= 40; ++k) {
      if (k == 0 || k == 1) continue;
      if (GiNaC::pow(b, numeric(k)) == v) {
        const std::string bs = b.is_pos_integer() ? Enter(b) : "(" + Escriu(b) + ")";
        return bs + "^" + (k < 0 ? "(" + std::to_string(k) + ")" : std::to_string(k));
      }
    }
  }
  return Escriu(x);
}

std::string EnCentims(const ex& x) {
  // Cents, half away from zero: exactly for a rational, from 50 digits otherwise.
  numeric centims;
  if (is_a<numeric>(x) && ex_to<numeric>(x).is_rational()) {
    const numeric c = GiNaC::abs(ex_to<numeric>(x)) * 100;
    centims = GiNaC::iquo(2 * c.numer() + c.denom(), 2 * c.denom());
    if (ex_to<numeric>(x).is_negative()) centims = -centims;
  } else {
    const auto a = Aproxima(x);
    if (!a) return Escriu(x);
    centims = numeric(std::llround(a->to_double() * 100));
  }
  const bool neg = centims.is_negative();
  const numeric c = GiNaC::abs(centims);
  std::string d = Enter(GiNaC::mod(c, numeric(100)));
  if (d.size() < 2) d = "0" + d;
  return (neg ? "-" : "") + Enter(GiNaC::iquo(c, numeric(100))) + "," + d;
}

std::string Simple(const ex& x, FormaResposta f, const std::optional<numeric>& base);

bool TeArrelQuadrada(const ex& e) {
  for (auto i = e.preorder_begin(); i != e.preorder_end(); ++i) {
    if (is_a<GiNaC::power>(*i) && is_a<numeric>(i->op(0)) && is_a<numeric>(i->op(1)) &&
        ex_to<numeric>(i->op(1)).denom() == 2) {
      return true;
    }
  }
  return false;
}

// A denominator with square roots of numbers in a sum made rational with its conjugate, a root
// at a time: 1/(2+√3) -> (2-√3)/1.
std::pair<ex, ex> Racionalitza(ex num, ex den) {
  for (int k = 0; k < 3 && TeArrelQuadrada(den); ++k) {
    den = GiNaC::expand(den);
    if (!is_a<GiNaC::add>(den)) break;
    ex ambArrel = 0, sense = 0;
    for (std::size_t i = 0; i < den.nops(); ++i) {
      if (TeArrelQuadrada(den.op(i))) {
        ambArrel += den.op(i);
      } else {
        sense += den.op(i);
      }
    }
    const ex conjugat = sense - ambArrel;
    num = Radicals(GiNaC::expand(num * conjugat));
    den = Radicals(GiNaC::expand(den * conjugat));
  }
  return {num, den};
}

// Whether a number has a finite decimal expansion: a denominator of twos and fives.
bool DecimalFinit(const numeric& n) {
  if (!n.is_rational()) return false;
  numeric d = n.denom();
  for (const long p : {2L, 5L}) {
    while (GiNaC::irem(d, numeric(p)).is_zero()) d = GiNaC::iquo(d, numeric(p));
  }
  return d == 1;
}

std::string Decimal(const numeric& n) {
  std::string s = Enter(GiNaC::abs(n.numer()));
  std::size_t decimals = 0;
  numeric d = n.denom();
  numeric k = 1;
  while (d != 1 && decimals < 40) {
    ++decimals;
    k *= 10;
    if (GiNaC::irem(k, d).is_zero()) break;
  }
  const numeric enter = GiNaC::abs(n) * k;  // an integer: the digits
  s = Enter(enter);
  if (decimals > 0) {
    if (s.size() <= decimals) s.insert(0, decimals - s.size() + 1, '0');
    s.insert(s.size() - decimals, ",");
  }
  return (n.is_negative() ? "-" : "") + s;
}

bool TeExponentLletra(const ex& e) {
  for (auto i = e.preorder_begin(); i != e.preorder_end(); ++i) {
    if (is_a<GiNaC::power>(*i) && !is_a<numeric>(i->op(1))) return true;
  }
  return false;
}

std::string Simple(const ex& x, FormaResposta f, const std::optional<numeric>& base, bool decimals) {
  if (decimals && is_a<numeric>(x) && DecimalFinit(ex_to<numeric>(x)) && f != FormaResposta::Centims) {
    return Decimal(ex_to<numeric>(x));
  }
  return Simple(x, f, base);
}

std::string Simple(const ex& x, FormaResposta f, const std::optional<numeric>& base) {
  if (TeExponentLletra(x)) return Escriu(x);
  switch (f) {
    case FormaResposta::Expandida:
      return Escriu(Radicals(GiNaC::expand(x)));
    case FormaResposta::Factoritzada:
      return Factoritza(x);
    case FormaResposta::FactorComu:
      return TreuFactorComu(x);
    case FormaResposta::FactorsPrimers:
      if (is_a<numeric>(x) && ex_to<numeric>(x).is_pos_integer() && x.is_equal(1) == false) {
        return FactorsPrimersDe(ex_to<numeric>(x));
      }
      break;
    case FormaResposta::PotenciaUnaBase:
      return UnaPotencia(x, base);
    case FormaResposta::Centims:
      return EnCentims(x);
    default:
      break;
  }
  const ex r = GiNaC::normal(Radicals(x));
  ex nd = GiNaC::numer_denom(r);
  if (TeArrelQuadrada(nd.op(1))) {
    const auto [num, den] = Racionalitza(nd.op(0), nd.op(1));
    if (!TeArrelQuadrada(den)) nd = GiNaC::numer_denom(GiNaC::normal(Radicals(num / den)));
  }
  return Fraccio(Radicals(nd.op(0)), Radicals(nd.op(1)));
}

// Numbers written with decimals keep them where the value has a finite expansion.
std::string SimpleValor(const Valor& v, FormaResposta f, const std::optional<numeric>& base, bool decimals) {
  switch (v.tipus) {
    case Valor::Tipus::Escalar:
      return Simple(v.v, f, base, decimals);
    case Valor::Tipus::Relacio: {
      const bool incognita = Incognita(v).has_value();
      if (!incognita && v.rel == "=") {
        // An equation of the first degree in one unknown, solved: "2x = 6" -> "x = 3".
        std::vector<ex> s;
        Simbols(v.v - v.dreta, s);
        try {
          if (s.size() == 1 && GiNaC::expand(v.v - v.dreta).degree(s[0]) == 1) {
            const ex x = GiNaC::lsolve(v.v == v.dreta, s[0]);
            return Escriu(s[0]) + " = " + Simple(x, f, base, decimals);
          }
        } catch (const std::exception&) {
        }
      }
      const std::string esq = incognita ? Escriu(v.v) : Simple(v.v, f, base, decimals);
      return esq + " " + v.rel + " " + Simple(v.dreta, f, base, decimals);
    }
    case Valor::Tipus::Punt: {
      std::string s = "(";
      for (std::size_t k = 0; k < v.elements.size(); ++k)
        s += (k ? ", " : "") + SimpleValor(v.elements[k], f, base, decimals);
      return s + ")";
    }
    case Valor::Tipus::Llista: {
      // Solutions and numbers in order: by unknown, then by value.
      std::vector<const Valor*> e;
      for (const Valor& x : v.elements) e.push_back(&x);
      const auto Clau = [](const Valor* x) -> std::pair<std::string, std::optional<numeric>> {
        if (x->tipus == Valor::Tipus::Escalar) return {"", Aproxima(x->v)};
        if (const auto i = Incognita(*x)) return {ex_to<GiNaC::symbol>(x->v).get_name(), Aproxima(x->dreta)};
        return {"~", std::nullopt};
      };
      std::stable_sort(e.begin(), e.end(), [&](const Valor* a, const Valor* b) {
        const auto ka = Clau(a), kb = Clau(b);
        if (ka.first != kb.first) return ka.first < kb.first;
        if (ka.second && kb.second) return *ka.second < *kb.second;
        return false;
      });
      std::string s;
      for (std::size_t k = 0; k < e.size(); ++k) s += (k ? "; " : "") + SimpleValor(*e[k], f, base, decimals);
      return s;
    }
  }
  return {};
}

// The base of the first power written in the expression, when it is a number.
std::optional<numeric> BaseEscrita(const Pla& pla) {
  const Nodes tots = Descendents(pla.m, pla.fills);
  for (const std::size_t k : tots) {
    const Peca& p = pla.m.peces[k];
    for (std::size_t i = 1; i < p.fills.size(); ++i) {
      if (pla.m.peces[p.fills[i]].tipus != TipusPeca::Potencia) continue;
      try {
        const ex b = EscalarDe(pla.m, {p.fills[i - 1]});
        if (is_a<numeric>(b)) return ex_to<numeric>(b);
      } catch (const ErrorValor&) {
      }
    }
  }
  for (std::size_t i = 1; i < pla.fills.size(); ++i) {
    if (pla.m.peces[pla.fills[i]].tipus != TipusPeca::Potencia) continue;
    try {
      const ex b = EscalarDe(pla.m, {pla.fills[i - 1]});
      if (is_a<numeric>(b)) return ex_to<numeric>(b);
    } catch (const ErrorValor&) {
    }
  }
  return std::nullopt;
}

bool AmbDecimals(const Pla& pla) {
  for (const std::size_t k : Descendents(pla.m, pla.fills)) {
    if (pla.m.peces[k].tipus == TipusPeca::Nombre && pla.m.peces[k].text.find('.') != std::string::npos)
      return true;
  }
  return false;
}

std::string Unitat(const Pla& pla) {
  for (const std::size_t k : pla.fills) {
    const Peca& p = pla.m.peces[k];
    if (p.tipus == TipusPeca::Tros && p.text == "\x80") return " \xE2\x82\xAC";
    if (p.tipus == TipusPeca::Tros && p.text == "%") return " %";
  }
  return {};
}

std::size_t Solucions(const Valor& v) {
  return v.tipus == Valor::Tipus::Llista ? v.elements.size() : 1;
}

bool EsSolucio(const Valor& v) {
  if (v.tipus == Valor::Tipus::Llista) {
    return std::all_of(v.elements.begin(), v.elements.end(),
                       [](const Valor& e) { return Incognita(e).has_value(); });
  }
  return Incognita(v).has_value();
}

// How many solutions (or values, for a list that is not of solutions) there are.
std::string MissatgeSolucions(std::size_t esperades, std::size_t donades, bool solucions) {
  const std::string quantes = esperades == 1 ? "n'hi ha una" : "n'hi ha " + std::to_string(esperades);
  const std::string que = solucions ? "solucions" : "valors";
  if (donades < esperades) return "Incorrecte: hi falten " + que + "; " + quantes + ".";
  return "Incorrecte: hi sobren " + que + "; " + quantes + ".";
}
}  // namespace
}  // namespace motor

std::string_view NomForma(FormaResposta f) {
  switch (f) {
    case FormaResposta::Qualsevol:
      return "qualsevol";
    case FormaResposta::Irreductible:
      return "irreductible";
    case FormaResposta::Expandida:
      return "expandida";
    case FormaResposta::FactorComu:
      return "factor-comu";
    case FormaResposta::Factoritzada:
      return "factoritzada";
    case FormaResposta::DenominadorRacional:
      return "racionalitzada";
    case FormaResposta::FraccioUnica:
      return "fraccio-unica";
    case FormaResposta::PotenciaUnaBase:
      return "potencia";
    case FormaResposta::FactorsPrimers:
      return "factors-primers";
    case FormaResposta::Resolta:
      return "resolta";
    case FormaResposta::Centims:
      return "centims";
  }
  return "qualsevol";
}

std::optional<FormaResposta> FormaDeNom(std::string_view nom) {
  for (int k = 0; k <= static_cast<int>(FormaResposta::Centims); ++k) {
    const auto f = static_cast<FormaResposta>(k);
    if (NomForma(f) == nom) return f;
  }
  return std::nullopt;
}

std::string_view NomVeredicte(TipusVeredicte t) {
  switch (t) {
    case TipusVeredicte::Correcte:
      return "correcte";
    case TipusVeredicte::Forma:
      return "forma";
    case TipusVeredicte::Incorrecte:
      return "incorrecte";
    case TipusVeredicte::Illegible:
      return "illegible";
  }
  return "illegible";
}

// The expression as the engine takes it. The markup reader gives some texts a shape
// the engine has no value for, where the notation reader gives the one it has: a list
// of points "(-2, 10); (2, 10)" read as brackets with commas. Such a model is taken
// through its notation, as a pupil would type it.
Expressio Valorable(const Expressio& e) {
  try {
    motor::ValorDe(e);
    return e;
  } catch (...) {
  }
  LecturaNotacio l = LlegeixNotacio(EscriuNotacio(e));
  if (!l.Llegida()) return e;
  try {
    motor::ValorDe(l.expressio);
    return std::move(l.expressio);
  } catch (...) {
  }
  return e;
}

std::optional<std::string> ErrorDeValor(const Expressio& e) {
  try {
    motor::ValorDe(Valorable(e));
    return std::nullopt;
  } catch (const motor::ErrorValor& err) {
    return err.missatge;
  }
}

bool Equivalents(const Expressio& a, const Expressio& b) {
  try {
    return motor::ValorsEquivalents(motor::ValorDe(Valorable(a)), motor::ValorDe(Valorable(b)));
  } catch (const std::exception&) {
    return false;
  } catch (const motor::ErrorValor&) {
    return false;
  }
}

bool MateixesSolucions(const Expressio& a, const Expressio& b) {
  try {
    const auto sa = motor::SolucionsDe(motor::ValorDe(Valorable(a)));
    const auto sb = motor::SolucionsDe(motor::ValorDe(Valorable(b)));
    return sa && sb && motor::MateixConjunt(*sa, *sb);
  } catch (const std::exception&) {
    return false;
  } catch (const motor::ErrorValor&) {
    return false;
  }
}

std::optional<std::string> TestForma(const Expressio& e, FormaResposta f) {
  try {
    return motor::FormaDe(Valorable(e), f);
  } catch (const motor::ErrorValor& err) {
    return err.missatge;
  } catch (const std::exception&) {
    return std::string("No es pot calcular el valor de l'expressi\xC3\xB3.");
  }
}

Veredicte Comprova(const Expressio& esperadaEscrita, FormaResposta forma, std::string_view respostaUtf8) {
  const Expressio esperada = Valorable(esperadaEscrita);
  using motor::Valor;
  Veredicte r;
  const LecturaNotacio l = LlegeixNotacio(respostaUtf8);
  if (!l.Llegida()) {
    r.missatge = "No s'ent\xC3\xA9n la resposta. " + l.error->missatge + ".";
    return r;
  }
  r.llegit = EscriuNotacio(l.expressio);
  try {
    const Valor vt = motor::ValorDe(l.expressio);
    const Valor ve = motor::ValorDe(esperada);
    if (motor::ValorsEquivalents(ve, vt)) {
      if (const auto f = motor::FormaDe(l.expressio, forma)) {
        r.tipus = TipusVeredicte::Forma;
        r.missatge = *f;
      } else {
        r.tipus = TipusVeredicte::Correcte;
        r.missatge = "Correcte.";
      }
      return r;
    }
    // The value alone where "x = 3" was asked.
    if (const auto x = motor::Incognita(ve);
        x && vt.tipus == Valor::Tipus::Escalar && motor::Iguals(ve.dreta, vt.v)) {
      r.tipus = TipusVeredicte::Forma;
      r.missatge = "Correcte, per\xC3\xB2 escriu-ho com \xC2\xAB" + *x + " = " + r.llegit + "\xC2\xBB.";
      return r;
    }
    // A point written without its brackets: "2, 7" for (2, 7).
    if (ve.tipus == Valor::Tipus::Punt && vt.tipus == Valor::Tipus::Llista) {
      Valor punt = vt;
      punt.tipus = Valor::Tipus::Punt;
      if (motor::ValorsEquivalents(ve, punt)) {
        r.tipus = TipusVeredicte::Forma;
        r.missatge = "Correcte, per\xC3\xB2 escriu el punt entre par\xC3\xA8ntesis: \xC2\xAB(" + r.llegit +
                     ")\xC2\xBB.";
        return r;
      }
    }
    r.tipus = TipusVeredicte::Incorrecte;
    r.missatge = "Incorrecte.";
    if (forma == FormaResposta::Centims && ve.tipus == Valor::Tipus::Escalar &&
        vt.tipus == Valor::Tipus::Escalar) {
      const auto a = motor::Aproxima(ve.v), b = motor::Aproxima(vt.v);
      if (a && b && GiNaC::abs(*a - *b) <= GiNaC::numeric(1, 200) && motor::FormaDe(l.expressio, forma)) {
        r.tipus = TipusVeredicte::Forma;
        r.missatge = *motor::FormaDe(l.expressio, forma);
      }
    } else if (motor::Solucions(ve) != motor::Solucions(vt) &&
               (ve.tipus == Valor::Tipus::Llista || motor::EsSolucio(ve))) {
      r.missatge = motor::MissatgeSolucions(motor::Solucions(ve), motor::Solucions(vt), motor::EsSolucio(ve));
      // "3,5" where "3, 5" was meant: a comma between digits is a decimal comma.
      if (motor::Solucions(vt) < motor::Solucions(ve) && motor::AmbDecimals(motor::Aplana(l.expressio))) {
        r.missatge +=
            " Una coma entre xifres \xC3\xA9s una coma decimal: separa els valors amb \xC2\xAB, \xC2\xBB o "
            "\xC2\xAB;\xC2\xBB.";
      }
    }
    return r;
  } catch (const motor::ErrorValor& err) {
    r.tipus = TipusVeredicte::Illegible;
    r.missatge = "No s'ent\xC3\xA9n la resposta. " + err.missatge;
  } catch (const std::exception&) {
    r.tipus = TipusVeredicte::Illegible;
    r.missatge = "No s'ent\xC3\xA9n la resposta: no se'n pot calcular el valor.";
  }
  return r;
}

Expressio FormaSimple(const Expressio& escrita, FormaResposta forma) {
  const Expressio e = Valorable(escrita);
  try {
    const motor::Pla pla = motor::Aplana(e);
    const motor::Valor v = motor::Avaluador(pla.m).Items(pla.fills);
    std::string s = motor::SimpleValor(v, forma, motor::BaseEscrita(pla), motor::AmbDecimals(pla));
    if (v.tipus == motor::Valor::Tipus::Escalar) s += motor::Unitat(pla);
    LecturaNotacio l = LlegeixNotacio(s);
    if (l.Llegida()) return std::move(l.expressio);
  } catch (const motor::ErrorValor&) {
  } catch (const std::exception&) {
  }
  return e;
}

}  // namespace tirelo
