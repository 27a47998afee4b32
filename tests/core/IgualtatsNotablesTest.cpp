// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/IgualtatsNotables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "mathtext/Nombres.h"
#include "support/CasosProva.h"
#include "support/Llavors.h"

namespace tirelo {
namespace {

using prova::Encaixa;
using prova::GeneraAmbLlavor;
using prova::PecesCasos;
using prova::Escena;

// AleatBinomi draws for coefficient k (magnitude, then sign) and for a literal part.
std::vector<int32_t> Coef(int k) { return {std::abs(k) - 1, k < 0 ? 8 : 0}; }
std::vector<int32_t> Part(char p) {
  if (p == 'x') return {0};
  if (p == ' ') return {7};
  return {5, p - 'a'};
}
std::vector<int32_t> Binomi(int k1, char p1, int k2, char p2) {
  return prova::Guio({Coef(k1), Coef(k2), Part(p1), Part(p2)});
}

// A polynomial in markup ("4a²-12ax+9x²") as terms: coefficient and letter exponents.
struct Terme {
  int64_t coef = 1;
  std::map<char, int> exps;
};
std::vector<Terme> LlegeixPolinomi(std::string_view s) {
  std::vector<Terme> termes;
  std::size_t i = 0;
  while (i < s.size()) {
    Terme t;
    if (s[i] == '+' || s[i] == '-') t.coef = s[i++] == '-' ? -1 : 1;
    std::size_t xifres = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    const std::string_view coef = s.substr(xifres, i - xifres);
    if (!coef.empty()) t.coef *= std::stoll(std::string(coef));
    const bool lletra = i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]));
    if (coef == "1" && lletra) ADD_FAILURE() << "coefficient 1 written in " << s;
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) {
      const char lletra = s[i++];
      const bool quadrat = i < s.size() && s[i] == '\xB2';
      if (quadrat) ++i;
      t.exps[lletra] += quadrat ? 2 : 1;
    }
    if (i == xifres && t.exps.empty()) {
      ADD_FAILURE() << "not a polynomial: " << s;
      break;
    }
    termes.push_back(t);
  }
  return termes;
}
int64_t Valor(const std::vector<Terme>& p, const std::map<char, int64_t>& v) {
  int64_t suma = 0;
  for (const Terme& t : p) {
    int64_t terme = t.coef;
    for (const auto& [lletra, e] : t.exps) {
      for (int k = 0; k < e; ++k) terme *= v.at(lletra);
    }
    suma += terme;
  }
  return suma;
}

const std::array<std::map<char, int64_t>, 3> kMostres = {{
    {{'x', 2}, {'a', 3}, {'b', 5}, {'c', 7}, {'d', 11}},
    {{'x', -3}, {'a', 4}, {'b', -2}, {'c', 6}, {'d', -5}},
    {{'x', 13}, {'a', -7}, {'b', 17}, {'c', -19}, {'d', 23}},
}};

TEST(IgualtatsNotables, SquareOfABinomialAsTheExamplesWriteIt) {
  struct Exemple { std::vector<int32_t> guio; const char* enunciat; const char* resposta; };
  const Exemple exemples[] = {
      {Binomi(1, 'x', -3, ' '), "Calcula:    (x-3)\xB2", "x\xB2-6x+9"},
      {Binomi(3, ' ', 1, 'x'), "Calcula:    (3+x)\xB2", "9+6x+x\xB2"},
      {Binomi(-1, 'x', 1, 'a'), "Calcula:    (-x+a)\xB2", "x\xB2-2xa+a\xB2"},
      {Binomi(2, 'a', -3, 'x'), "Calcula:    (2a-3x)\xB2", "4a\xB2-12ax+9x\xB2"},
      {Binomi(1, 'x', 2, 'a'), "Calcula:    (x+2a)\xB2", "x\xB2+4xa+4a\xB2"},
  };
  for (const Exemple& e : exemples) {
    Escena p(e.guio);
    prova::Genera(*p.prg, GenQuadratBinomi);
    EXPECT_EQ(p.prg->exercici.enunciat, e.enunciat);
    EXPECT_EQ(p.prg->exercici.resposta, e.resposta);
    EXPECT_EQ(p.prg->exercici.pista, "");
    EXPECT_TRUE(p.prg->exercici.llest);
    EXPECT_TRUE(p.guio->Esgotat());
  }
}

TEST(IgualtatsNotables, CasesAreLabelledAndSeparated) {
  Escena p(prova::Guio({Binomi(1, 'x', -3, ' '), Binomi(3, ' ', 1, 'x')}), 2);
  prova::Genera(*p.prg, GenQuadratBinomi);
  EXPECT_EQ(p.prg->exercici.enunciat, "Calcula:   a)  (x-3)\xB2,  b)  (3+x)\xB2");
  EXPECT_EQ(p.prg->exercici.resposta, "a) x\xB2-6x+9,  b) 9+6x+x\xB2");
}

TEST(IgualtatsNotables, SumTimesDifferenceAndItsFactorisationShareTheirDraws) {
  // Position 4 of 1..12 is 5; position 0 of the remaining eleven is 1.
  Escena suma({4, 0}, 2);
  prova::Genera(*suma.prg, GenSumaPerDiferencia);
  EXPECT_EQ(suma.prg->exercici.enunciat, "Calcula:   a) (x+5)(x-5),  b) (x+1)(x-1)");
  EXPECT_EQ(suma.prg->exercici.resposta, "a) x\xB2-25,  b) x\xB2-1");
  EXPECT_EQ(suma.guio->Demanats(), (std::vector<int32_t>{12, 11}));

  Escena diferencia({4, 0}, 2);
  prova::Genera(*diferencia.prg, GenDiferenciaQuadrats);
  EXPECT_EQ(diferencia.prg->exercici.enunciat, "Descompon:    a) x\xB2-25,  b) x\xB2-1");
  EXPECT_EQ(diferencia.prg->exercici.resposta, "a) (x+5)(x-5),  b) (x+1)(x-1)");
  EXPECT_TRUE(diferencia.prg->exercici.llest);
}

TEST(IgualtatsNotables, OnlySubtypesTwoAndThreeCapTheCasesAtTwelve) {
  for (auto gen : {GenSumaPerDiferencia, GenDiferenciaQuadrats}) {
    Escena p({}, 15);
    prova::Genera(*p.prg, gen);
    EXPECT_EQ(p.prg->serie.nombreCasos, 12);
    EXPECT_EQ(p.guio->Demanats().size(), 12u);
  }
  Escena p({}, 15);
  prova::Genera(*p.prg, GenQuadratBinomi);
  EXPECT_EQ(p.prg->serie.nombreCasos, 15);
  EXPECT_NE(p.prg->exercici.enunciat.find("o)  ("), std::string::npos);
  EXPECT_EQ(PecesCasos(p.prg->exercici.resposta, {""}, 15).size(), 15u);
}

TEST(IgualtatsNotables, ALongSeriesEndsAtItsLastWholeCaseAndStillDrawsEveryCase) {
  for (uint64_t llavor = 1; llavor <= 10; ++llavor) {
    prova::ComprovaSerieLlarga(GenQuadratBinomi, {"Calcula:   "}, {""}, 255, llavor);
  }
}

TEST(IgualtatsNotables, PropertySquareOfABinomialExpandsToTheSquare) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    for (const auto& [b, expansio] : GeneraAmbLlavor(llavor, 14, GenQuadratBinomi, {"Calcula:   "}).casos) {
      ASSERT_TRUE(b.size() > 4 && b.substr(0, 2) == " (" && b.substr(b.size() - 2) == ")\xB2") << b;
      const auto termes = LlegeixPolinomi(b.substr(2, b.size() - 4));
      ASSERT_EQ(termes.size(), 2u) << b;
      EXPECT_NE(termes[0].exps, termes[1].exps) << "like terms in " << b;
      EXPECT_EQ(Mcd(static_cast<int32_t>(termes[0].coef), static_cast<int32_t>(termes[1].coef)), 1) << b;
      const auto polinomi = LlegeixPolinomi(expansio);
      for (const auto& v : kMostres) {
        const int64_t arrel = Valor(termes, v);
        EXPECT_EQ(Valor(polinomi, v), arrel * arrel) << b << " = " << expansio;
      }
    }
  }
}

TEST(IgualtatsNotables, PropertyConstantsNeverRepeatAndProductsMatchExpansions) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(2000); ++llavor) {
    const bool suma = llavor % 2 == 0;
    const auto prova = GeneraAmbLlavor(llavor, 12, prova::GeneradorContext(suma ? GenSumaPerDiferencia : GenDiferenciaQuadrats),
                                       {suma ? "Calcula:   " : "Descompon:    "});
    std::set<int> vistos;
    for (const auto& [enunciat, resposta] : prova.casos) {
      const std::string& p = suma ? enunciat : resposta;
      const std::string& e = suma ? resposta : enunciat;
      const auto mp = Encaixa(p, "(x+#)(x-#)");
      const auto me = Encaixa(e, "x\xB2-#");
      ASSERT_TRUE(mp && me) << p << " = " << e;
      const int a = std::stoi((*mp)[0]);
      EXPECT_EQ(std::stoi((*mp)[1]), a);
      EXPECT_EQ(std::stoi((*me)[0]), a * a);
      EXPECT_TRUE(a >= 1 && a <= 12);
      EXPECT_TRUE(vistos.insert(a).second) << "repeated constant " << a;
    }
    if (prova.nombreCasos == 12 && static_cast<int>(prova.casos.size()) == 12) {
      EXPECT_EQ(vistos.size(), 12u);  // every value 1..12 exactly once
    }
  }
}

TEST(IgualtatsNotables, TheTopicRunsThroughTheMenuDispatch) {
  Escena p({4, 0});
  // Fifteen cases are capped at twelve: two scripted draws, then ten from the seed.
  prova::ExecutaTemaTriant(p, 2, {{2, 15}, {3, 2}});  // the window itself: CatalegTest
  ASSERT_EQ(p.ui.peticionsSubtipus.size(), 3u);
  EXPECT_EQ(p.ui.peticionsSubtipus[1].nombreCasos, 12);  // the cap lowered the protocol's count
  ASSERT_EQ(p.prg->lot.Nombre(), 2);
  EXPECT_EQ(p.prg->lot[1].enunciat.substr(0, 38), "Calcula:   a) (x+5)(x-5),  b) (x+1)(x-");
  EXPECT_EQ(p.prg->lot[2].enunciat.substr(0, 16), "Descompon:    a)");
  EXPECT_EQ(p.prg->serie.nombreCasos, 2);
}

}  // namespace
}  // namespace tirelo
