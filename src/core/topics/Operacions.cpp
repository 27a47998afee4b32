// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Operacions.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/Serie.h"
#include "document/Marcat.h"
#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "mathtext/Text.h"
#include "topics/Casos.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

constexpr std::string_view kLletresTerme = "xyzmn";
constexpr std::string_view kXifresTerme = "23456789";
constexpr std::string_view kLletresFactor = "abxymn";
constexpr std::string_view kTab = "\\tab ";   // raw RTF, passed through by the markup
constexpr char kCR = '\r';

// --- reduce a product to one monomial ---

// One case: a product of alternating digits and letter powers, and its monomial.
struct ProducteTerme {
  Frase escrit;   // "3·x^2·5·x"
  Frase reduit;   // "15x^3"
};

// By level: 2..3, 3..5 or 5..7 factors, digits 2..5, 2..9 or 2..9 and exponents 1..2,
// 1..3 or 1..4. Four digits and the exponents 2..4 leave a digit free at level 3.
ProducteTerme AleatProducteTerme(ContextGenerador& ctx) {
  ProducteTerme r;
  uint16_t coef = 1;
  std::vector<std::pair<char, int>> lletres;   // in order of first appearance
  const int nv = ctx.nivell;
  const int n = ctx.Random(PerNivell(nv, 2, 3, 3)) + PerNivell(nv, 2, 3, 5);
  const auto totes = static_cast<int32_t>(kXifresTerme.size());
  const int32_t xifres = PerNivell(nv, 4, totes, totes);
  bool anteriorXifra = false;
  for (int j = 1; j <= n; ++j) {
    if (!anteriorXifra) {
      // A digit not yet written anywhere in the product, exponents included.
      char d = 0;
      do {
        d = kXifresTerme[static_cast<std::size_t>(ctx.Random(xifres))];
      } while (r.escrit.Text().find(d) != std::string::npos);
      coef = static_cast<uint16_t>(coef * (d - '0'));
      r.escrit += std::string(1, d);
    } else {
      const char v = kLletresTerme[static_cast<std::size_t>(ctx.Random(5))];
      const int e = ctx.Random(PerNivell(nv, 2, 3, 4)) + 1;
      auto it = lletres.begin();
      while (it != lletres.end() && it->first != v) ++it;
      if (it != lletres.end()) {
        it->second += e;
      } else {
        lletres.emplace_back(v, e);
      }
      r.escrit += PotenciaXifres(std::string(1, v), e);
    }
    if (j < n) r.escrit += "\xB7";
    anteriorXifra = !anteriorXifra;
  }
  r.reduit = TxtEnter(coef);
  for (const auto& [v, e] : lletres) r.reduit += PotenciaXifres(std::string(1, v), e);
  return r;
}

// --- common factor ---

struct TermeFactor {
  int c = 0;
  char v = 0;
};

struct DadesFactor {
  int k = 0;
  char L = 0;
  std::vector<TermeFactor> termes;
};

// k from +-2..9 (positive only when kPositiu), then the letter, then 2 or 3 terms with
// different letters; a common factor of the inner coefficients moves into k. By level
// the numbers are up to 5, 9 or 12 (all positive at level 1) and the terms 2, 2..3 or
// 3..4; 2..3 at level 3 as well without mesTermes (a stacked fraction has no room for
// four).
DadesFactor AleatDadesFactor(ContextGenerador& ctx, bool kPositiu, bool mesTermes = true) {
  DadesFactor f;
  const int nv = ctx.nivell;
  const int32_t max = PerNivell(nv, 5, 9, 12);
  if (kPositiu) {
    f.k = ctx.Random(max - 1) + 2;
  } else {
    do {
      f.k = AleatNoNulNivell(ctx.aleatori, nv, max);
    } while (std::abs(f.k) == 1);
  }
  f.L = kLletresFactor[static_cast<std::size_t>(ctx.Random(6))];
  std::string lliures(kLletresFactor);
  const int m = ctx.Random(PerNivell(nv, 1, 2, 2)) + PerNivell(nv, 2, 2, mesTermes ? 3 : 2);
  int g = 1;
  for (int t = 1; t <= m; ++t) {
    TermeFactor terme;
    // A negative factor comes with positive inner coefficients only.
    terme.c = f.k < 0 ? ctx.Random(max) + 1 : AleatNoNulNivell(ctx.aleatori, nv, max);
    g = t == 1 ? std::abs(terme.c) : Mcd(g, terme.c);
    const auto pos = static_cast<std::size_t>(ctx.Random(static_cast<int32_t>(lliures.size())));
    terme.v = lliures[pos];
    lliures.erase(pos, 1);
    f.termes.push_back(terme);
  }
  if (g != 1) {
    f.k *= g;
    for (auto& terme : f.termes) terme.c /= g;
  }
  return f;
}

// "2a-5b": the inner polynomial.
std::string TxtInterior(const DadesFactor& f) {
  std::string r;
  for (std::size_t t = 0; t < f.termes.size(); ++t) {
    r += TxtCoef(f.termes[t].c, std::string(1, f.termes[t].v));
    if (t + 1 < f.termes.size() && f.termes[t + 1].c > 0) r += '+';
  }
  return r;
}

// "3x(2a-5b)": the factored form.
std::string TxtFactoritzat(const DadesFactor& f) {
  return TxtEnter(f.k) + f.L + "(" + TxtInterior(f) + ")";
}

// "6xa-15xb": the expanded form. With barrejaOrdre, each product of two different
// letters is written the other way round ("ax") with probability 1/3.
Frase TxtExpandit(ContextGenerador& ctx, const DadesFactor& f, bool barrejaOrdre) {
  const std::string L(1, f.L);
  Frase r;
  for (std::size_t t = 0; t < f.termes.size(); ++t) {
    const TermeFactor& terme = f.termes[t];
    const std::string v(1, terme.v);
    r += TxtEnter(f.k * terme.c);
    if (terme.v == f.L) {
      r += L + Frase::Potencia("2");
    } else if (barrejaOrdre && ctx.Random(6) >= 4) {
      r += v + L;
    } else {
      r += L + v;
    }
    if (t + 1 < f.termes.size() && f.k * f.termes[t + 1].c > 0) r += "+";
  }
  return r;
}

}  // namespace

Generat GenRedueixTerme(ContextGenerador& ctx) {
  const Generat g = EscriuCasos(ctx, EntornCasos{"Redueix (tot operant) l'expressi\xF3:    ", " "}, [](ContextGenerador& c) {
    const ProducteTerme cas = AleatProducteTerme(c);
    return Cas{cas.escrit, cas.reduit};
  });
  return AmbPista(g, Frase::Marcat("(multiplicar n\xBAs i pot\xE8ncies i ordenar  (ex.:  3x5yx  ->  15x^2y))"));
}

Generat GenFactorComu(ContextGenerador& ctx, int subtipus) {
  const bool extreu = subtipus == 2;
  const int n = ctx.nombreCasos;
  // Subtype 2 shows the expanded forms and answers the factored ones; subtype 3 the
  // other way round. The statement of subtype 2 keeps room for its closing CR.
  const Frase instruccio(extreu ? "Extrau factor com\xFA all\xF2 que puguis de: " + std::string(kTab)
                                : "Opera: " + std::string(kTab));
  TextsCasos casos(instruccio, "", extreu ? LlargadaText - 1 : LlargadaText);
  for (int i = 1; i <= n; ++i) {
    const DadesFactor f = AleatDadesFactor(ctx, extreu);
    const std::string F = TxtFactoritzat(f);
    const Frase E = TxtExpandit(ctx, f, extreu);
    std::string prefix(" ");
    prefix += kTab;
    const std::string etiqueta = n > 1 ? LletresCas(i) + ")" : std::string();
    if (n > 1) prefix += " " + etiqueta + std::string(kTab);
    const Frase& enunciat = extreu ? E : Frase(F);
    const Frase& resposta = extreu ? Frase(F) : E;
    casos.Afegeix(prefix + enunciat, prefix + resposta, ApartatDe(etiqueta, enunciat, resposta));
  }
  Frase enunciat = casos.Enunciat();
  if (extreu) enunciat += "\r";
  return Escriu({enunciat, casos.Resposta(), {}}, casos.Casos(), instruccio, casos.Apartats());
}

Generat GenProducteBinomis(ContextGenerador& ctx) {
  const Binomi a = AleatBinomiNivell(ctx.aleatori, ctx.nivell);
  const Binomi b = AleatBinomiNivell(ctx.aleatori, ctx.nivell);
  const std::string B1 = TxtCoef(a.k1, a.p1) + TxtCoefSig(a.k2, a.p2);
  const std::string B2 = TxtCoef(b.k1, b.p1) + TxtCoefSig(b.k2, b.p2);
  // Term by term, like terms kept apart: the exercise is the expansion itself.
  const std::string producte = TxtCoef(a.k1 * b.k1, ProducteLletres(a.p1, b.p1)) +
                               TxtCoefSig(a.k1 * b.k2, ProducteLletres(a.p1, b.p2)) +
                               TxtCoefSig(a.k2 * b.k1, ProducteLletres(a.p2, b.p1)) +
                               TxtCoefSig(a.k2 * b.k2, ProducteLletres(a.p2, b.p2));
  return EscriuUnCas(" Calcula:       ", "(" + B1 + ") \xB7 (" + B2 + ")", "   " + producte);
}

FactorComu FactorComuAleat(ContextGenerador& ctx) {
  const DadesFactor f = AleatDadesFactor(ctx, false, false);
  FactorComu r;
  r.k = f.k;
  r.lletra = f.L;
  r.M = TxtEnter(f.k) + f.L;
  r.P = TxtInterior(f);
  r.E = TxtExpandit(ctx, f, false).Text();
  return r;
}

Generat GenFraccioAlgebraica(ContextGenerador& ctx) {
  const FactorComu fc = FactorComuAleat(ctx);
  const int d = ctx.Random(PerNivell(ctx.nivell, 3, 5, 8)) + 2;  // 2..4, 2..6 or 2..9
  const char v = static_cast<char>('a' + ctx.Random(5));
  const std::string Q = TxtEnter(d) + v;
  // k·d·L·v: the letter squared when the denominator's letter is the common one.
  const std::string R = TxtEnter(fc.k * d) + fc.lletra + (v == fc.lletra ? '\xB2' : v);
  // The stacked fractions come translated, lines of plain text and raw RTF.
  return EscriuUnCas("Simplifica la fracci\xF3: " + std::string(kTab) + kCR, DisposaFraccio(8, fc.E, R) + kCR,
                     DisposaFraccio(8, fc.P, Q), "(Nota: extrau factor com\xFA i simplifica)");
}

ResultatGenerador GeneraOperacions(ContextGenerador& ctx, int subtipus) {
  switch (subtipus) {
    case 1: return Fet(GenRedueixTerme(ctx));
    case 2:
    case 3: return Fet(GenFactorComu(ctx, subtipus));
    case 4: return Fet(GenProducteBinomis(ctx));
    case 5: return Fet(GenFraccioAlgebraica(ctx));
    default: return SubtipusDesconegut();
  }
}

}  // namespace tirelo
