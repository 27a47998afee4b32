// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Fraccions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "mathtext/Nombres.h"
#include "support/CasosProva.h"
#include "support/Llavors.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

const std::string T4 = "\\tab \\tab \\tab \\tab ";

// A seam that notes the batch's count at every status refresh.
class InterficieComptadora : public prova::InterficieFalsa {
 public:
  const Programa* prg = nullptr;
  std::vector<int> comptesVistos;
  void EstatCanviat() override {
    InterficieFalsa::EstatCanviat();
    comptesVistos.push_back(prg->lot.Nombre());
  }
};

class FraccionsTest : public ::testing::Test {
 protected:
  prova::InterficieFalsa ui;
  prova::AleatoriGuionat* guio = new prova::AleatoriGuionat();
  Programa prg{ui, std::unique_ptr<FontAleatoria>(guio)};

  void Simplifica(uint16_t casos, std::vector<int32_t> draws) {
    prg.serie.nombreCasos = casos;
    guio->Afegeix(std::move(draws));
    prova::Genera(prg, GenSimplificacio);
    EXPECT_TRUE(guio->Esgotat());
    EXPECT_TRUE(prg.exercici.llest);
  }
  void Opera(int operacio, std::vector<int32_t> draws) {
    guio->Afegeix(std::move(draws));
    prova::Genera(prg, GeneraFraccions, operacio + 2);
    EXPECT_TRUE(guio->Esgotat());
    EXPECT_TRUE(prg.exercici.llest);
  }
};

// Draws of FraccioAleat for num/den when both are already in lowest terms.
std::vector<int32_t> Fr(int num, int den) { return {num - 1, den - 2}; }
std::vector<int32_t> operator+(std::vector<int32_t> a, const std::vector<int32_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// Draws of one simplification case a/b with factor k.
std::vector<int32_t> Cas(int a, int b, int k) { return {a - 1, b - 3, k - 2}; }

std::string Apilat(const std::string& dalt, const std::string& baix) {
  return T4 + " " + dalt + "\r\n" + T4 + "---\r\n" + T4 + " " + baix;
}

TEST(TxtFraccio, WholeNumbersStandAlone) {
  EXPECT_EQ(TxtFraccio(3, 4), "3/4");
  EXPECT_EQ(TxtFraccio(2, 1), "2");
  EXPECT_EQ(TxtFraccio(5, 0), "5");
  EXPECT_EQ(TxtFraccio(-1, 12), "-1/12");
}

TEST(Fraccions, SumThenThreeSimplificationsThroughTheSeam) {
  InterficieComptadora ui;
  auto* guio = new prova::AleatoriGuionat(
      Fr(3, 4) + Fr(5, 6) +                        // Suma 3/4 + 5/6
      Cas(2, 3, 4) + Cas(3, 5, 3) +                // 8/12, 9/15
      std::vector<int32_t>{3, 1} + Cas(3, 5, 3) +  // a = b redrawn, then 9/15 again: repeated
      Cas(6, 3, 2));                               // 12/6
  Programa prg(ui, std::unique_ptr<FontAleatoria>(guio));
  ui.prg = &prg;
  ui.Tria(2);
  ui.Tria(1, 3);
  ExecutaTema(prg, 3);
  EXPECT_TRUE(guio->Esgotat());

  ASSERT_EQ(prg.lot.Nombre(), 2);
  const Exercici& suma = prg.lot[1];
  EXPECT_EQ(suma.enunciat, "Calcula:\r\n" + T4 + " 3     5\r\n" + T4 + "--- + ---\r\n" + T4 + " 4     6");
  EXPECT_EQ(suma.resposta, Apilat("19", "12"));
  EXPECT_EQ(suma.pista, "(Nota: calcula el MCM dels denominadors, etc...  Simplifica el resultat)");
  EXPECT_EQ(suma.posicioPista, 0);

  const Exercici& simpl = prg.lot[2];
  EXPECT_EQ(simpl.enunciat, "Simplifica: a) 8/12,  b) 9/15,  c) 12/6");
  EXPECT_EQ(simpl.resposta, "a) 2/3,  b) 3/5,  c) 2");
  EXPECT_EQ(simpl.pista, "(factoritzant adalt i abaix i eliminant all\xF2 com\xFA)");

  const auto& p = ui.peticionsSubtipus;
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[1].seleccio, 2);  // the subtype last chosen
  // Each pass refreshes twice before asking; each append refreshes with the new count.
  EXPECT_EQ(ui.comptesVistos, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2}));
}

TEST_F(FraccionsTest, OneCaseHasNoLabelAndWholeResultsStandAlone) {
  Simplifica(1, Cas(2, 3, 3));
  EXPECT_EQ(prg.exercici.enunciat, "Simplifica: 6/9");
  EXPECT_EQ(prg.exercici.resposta, "2/3");
  // 12/6, 8/16, 18/6, and 6/12 which reduces further than its factor 3
  Simplifica(4, Cas(6, 3, 2) + Cas(2, 4, 4) + Cas(9, 3, 2) + Cas(2, 4, 3));
  EXPECT_EQ(prg.exercici.enunciat, "Simplifica: a) 12/6,  b) 8/16,  c) 18/6,  d) 6/12");
  EXPECT_EQ(prg.exercici.resposta, "a) 2,  b) 1/2,  c) 3,  d) 1/2");
}

TEST_F(FraccionsTest, RepetitionIsJudgedByContainmentOfTexts) {
  // 12/36 then 2/6: "2" lies inside "12" and "6" inside "36", so 2/6 is drawn again.
  Simplifica(2, Cas(3, 9, 4) + Cas(1, 3, 2) + Cas(1, 4, 2));
  EXPECT_EQ(prg.exercici.enunciat, "Simplifica: a) 12/36,  b) 2/8");
  // Only one of the two texts inside the previous ones is no repetition.
  Simplifica(2, Cas(3, 9, 4) + Cas(1, 5, 2));
  EXPECT_EQ(prg.exercici.enunciat, "Simplifica: a) 12/36,  b) 2/10");
}

TEST_F(FraccionsTest, OperationTextsByOperation) {
  prg.serie.nombreCasos = 3;  // ignored: one case, no label
  Opera(1, Fr(1, 2) + Fr(1, 2));
  EXPECT_EQ(prg.exercici.resposta, T4 + " 0");  // equal fractions: no bar, no denominator
  EXPECT_NE(prg.exercici.enunciat.find("--- - ---"), std::string::npos);
  EXPECT_EQ(prg.exercici.enunciat.find(") "), std::string::npos);

  Opera(1, Fr(1, 4) + Fr(1, 3));
  EXPECT_EQ(prg.exercici.resposta, Apilat("-1", "12"));  // the minus stays on the numerator

  Opera(2, Fr(2, 3) + Fr(3, 4));
  EXPECT_EQ(prg.exercici.resposta, Apilat("1", "2"));
  EXPECT_NE(prg.exercici.enunciat.find("--- . ---"), std::string::npos);
  EXPECT_EQ(prg.exercici.pista, "(Nota: N1/D1 . N2/D2 = N1.N2 / D1.D2  Simplifica el resultat)");

  Opera(3, Fr(2, 3) + Fr(4, 9));
  EXPECT_EQ(prg.exercici.resposta, Apilat("3", "2"));
  EXPECT_EQ(prg.exercici.enunciat,
            "Calcula:\r\n" + T4 + " 2     4\r\n" + T4 + "--- \xF7 ---\r\n" + T4 + " 3     9");
  EXPECT_EQ(prg.exercici.pista, "(a/b  \xF7  c/d  =  a.d / c.b )");
}

TEST_F(FraccionsTest, ManyCasesKeepOnlyWholeCasesAndStillDrawThemAll) {
  // 60 cases alternating 8/12 and 9/15 (neither text inside the other): every case is
  // drawn, but the statement has room for 24 whole ones ("Simplifica: a) 8/12" and
  // ten characters per further case), and the answer stops at the same case.
  std::vector<int32_t> draws;
  for (int i = 1; i <= 60; ++i) draws = draws + (i % 2 ? Cas(2, 3, 4) : Cas(3, 5, 3));
  Simplifica(60, draws);
  std::string enunciat = "Simplifica: ", resposta;
  for (int i = 1; i <= 24; ++i) {
    const std::string abans = (i > 1 ? ",  " : "") + std::string(1, static_cast<char>('a' + i - 1)) + ") ";
    enunciat += abans + (i % 2 ? "8/12" : "9/15");
    resposta += abans + (i % 2 ? "2/3" : "3/5");
  }
  EXPECT_EQ(prg.exercici.enunciat, enunciat);
  EXPECT_EQ(prg.exercici.resposta, resposta);
  EXPECT_LE(enunciat.size(), 255u);
}

TEST_F(FraccionsTest, ManyCasesThroughTheTopicStayWithinTheField) {
  guio->Sembra(3);
  ui.Tria(1, 60);
  ExecutaTema(prg, 3);
  ASSERT_EQ(prg.lot.Nombre(), 1);
  EXPECT_LE(prg.lot[1].enunciat.size(), 255u);
  EXPECT_GE(prg.lot[1].enunciat.size(), 240u);
  EXPECT_NE(prg.lot[1].enunciat.substr(prg.lot[1].enunciat.size() - 3), ",  ");
}

TEST_F(FraccionsTest, UnknownSubtypeGeneratesNothing) {
  ui.Tria(6);  // not in the list: the protocol answers 0 and the topic ends
  ExecutaTema(prg, 3);
  EXPECT_EQ(prg.lot.Nombre(), 0);
  prova::Genera(prg, GeneraFraccions, 4 + 2);
  EXPECT_FALSE(prg.exercici.llest);
}

// ---- Property: every answer is mathematically right, over many seeds ----

struct Fraccio {
  long n = 0, d = 1;
};
bool Igual(Fraccio a, Fraccio b) { return a.n * b.d == b.n * a.d; }
bool Irreductible(Fraccio f) { return f.d >= 1 && Mcd(static_cast<int32_t>(f.n), static_cast<int32_t>(f.d)) == 1; }

// "8/12" or "2" (as the answers write whole numbers).
Fraccio LlegeixFraccio(const std::string& t) {
  Fraccio f;
  if (std::sscanf(t.c_str(), "%ld/%ld", &f.n, &f.d) == 1) f.d = 1;
  return f;
}

// The pieces of "Simplifica: a) 8/12,  b) 9/15" or of its answer, without labels.
std::vector<std::string> Peces(std::string t, int casos) {
  if (t.rfind("Simplifica: ", 0) == 0) t = t.substr(12);
  std::vector<std::string> peces;
  std::size_t inici = 0;
  for (;;) {
    const std::size_t fi = t.find(",  ", inici);
    std::string p = t.substr(inici, fi == std::string::npos ? std::string::npos : fi - inici);
    if (casos > 1) p = p.substr(3);  // "a) "
    peces.push_back(p);
    if (fi == std::string::npos) break;
    inici = fi + 3;
  }
  return peces;
}

TEST(FraccionsPropietat, SimplifiedFractionEqualsTheStatementsAndIsInLowestTerms) {
  prova::InterficieFalsa ui;
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    Programa prg(ui, llavor);
    prg.serie.nombreCasos = static_cast<uint16_t>(llavor % 6 + 1);
    prova::Genera(prg, GenSimplificacio);
    const auto enunciats = Peces(prg.exercici.enunciat, prg.serie.nombreCasos);
    const auto respostes = Peces(prg.exercici.resposta, prg.serie.nombreCasos);
    ASSERT_EQ(enunciats.size(), prg.serie.nombreCasos) << prg.exercici.enunciat;
    ASSERT_EQ(respostes.size(), enunciats.size()) << prg.exercici.resposta;
    for (std::size_t i = 0; i < enunciats.size(); ++i) {
      const Fraccio e = LlegeixFraccio(enunciats[i]), r = LlegeixFraccio(respostes[i]);
      ASSERT_TRUE(e.n >= 2 && e.n <= 36 && e.d >= 6 && e.d <= 44) << enunciats[i];
      ASSERT_TRUE(Igual(e, r) && Irreductible(r)) << enunciats[i] << " = " << respostes[i];
      ASSERT_EQ(r.d == 1, respostes[i].find('/') == std::string::npos) << respostes[i];
      if (i > 0) {
        const Fraccio ant = LlegeixFraccio(enunciats[i - 1]);
        const bool repetit = std::to_string(ant.n).find(std::to_string(e.n)) != std::string::npos &&
                             std::to_string(ant.d).find(std::to_string(e.d)) != std::string::npos;
        ASSERT_FALSE(repetit) << enunciats[i - 1] << " then " << enunciats[i];
      }
    }
  }
}

// Reads "Calcula:" with its stacked fractions, or the stacked answer.
std::vector<std::string> Linies(const std::string& t) {
  std::vector<std::string> linies;
  std::istringstream in(t);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    if (l.rfind(T4, 0) == 0) l = l.substr(T4.size());
    linies.push_back(l);
  }
  return linies;
}

TEST(FraccionsPropietat, OperationAnswerIsTheExactResultInLowestTerms) {
  prova::InterficieFalsa ui;
  for (uint64_t llavor = 1; llavor <= prova::Llavors(4000); ++llavor) {
    Programa prg(ui, llavor);
    const int op = static_cast<int>(llavor % 4);
    prova::Genera(prg, GeneraFraccions, op + 2);
    const auto e = Linies(prg.exercici.enunciat);
    ASSERT_EQ(e.size(), 4u);
    Fraccio f1, f2;
    ASSERT_EQ(std::sscanf(e[1].c_str(), " %ld     %ld", &f1.n, &f2.n), 2);
    ASSERT_EQ(std::sscanf(e[3].c_str(), " %ld     %ld", &f1.d, &f2.d), 2);
    for (const Fraccio f : {f1, f2}) {
      ASSERT_TRUE(f.n >= 1 && f.n <= 9 && f.d >= 2 && f.d <= 9 && Irreductible(f) && f.d > 1) << e[1];
    }
    Fraccio exacte;
    switch (op) {
      case 0: exacte = {f1.n * f2.d + f2.n * f1.d, f1.d * f2.d}; break;
      case 1: exacte = {f1.n * f2.d - f2.n * f1.d, f1.d * f2.d}; break;
      case 2: exacte = {f1.n * f2.n, f1.d * f2.d}; break;
      default: exacte = {f1.n * f2.d, f1.d * f2.n}; break;
    }
    const auto r = Linies(prg.exercici.resposta);
    Fraccio resposta;
    resposta.n = std::stol(r[0]);
    if (r.size() == 3) {
      ASSERT_EQ(r[1], "---");
      resposta.d = std::stol(r[2]);
      ASSERT_GT(resposta.d, 1);
    } else {
      ASSERT_EQ(r.size(), 1u);
    }
    ASSERT_TRUE(Igual(exacte, resposta) && Irreductible(resposta)) << prg.exercici.resposta;
  }
}

}  // namespace
}  // namespace tirelo
