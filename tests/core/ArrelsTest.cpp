// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Arrels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "mathtext/Nombres.h"
#include "support/CasosProva.h"
#include "support/Llavors.h"

namespace tirelo {
namespace {

using prova::Encaixa;
using prova::FormaCasos;
using prova::GeneraAmbLlavor;
using prova::Escena;

const std::string kNota = "   (Nota: R_n() =arrel en\xE8ssima)";
const FormaCasos kEnunciat{"Racionalitza:  ", "  ", kNota, kNota};
const FormaCasos kResposta{"\r", "  ", "", ""};

TEST(Arrels, OneCaseOfEachSubtypeAsTheExamplesWriteIt) {
  struct Exemple { int subtipus; std::vector<int32_t> guio; const char* fraccio; const char* resposta; };
  const Exemple exemples[] = {
      {1, {5, 6}, "6/R_2(8)", "3 R_2(8)/4"},
      {1, {2, 1}, "3/R_2(3)", " R_2(3)/1"},  // coefficient 1 unwritten, denominator 1 written
      {2, {1, 3, 0}, "2/R_3(5)", "2 R_3(5^2)/5"},
      {2, {8, 19, 3}, "9/R_6(21)", "3 R_6(21^5)/7"},
      {3, {2, 5, 0}, "3/(5+R_2(7))", "(5-R_2(7))/6"},
      {3, {7, 0, 3}, "8/(8+R_2(2))", "4(8-R_2(2))/31"},
  };
  for (const Exemple& e : exemples) {
    Escena p(e.guio);
    prova::Genera(*p.prg, GenRacionalitzacio, e.subtipus);
    EXPECT_EQ(p.prg->exercici.enunciat, "Racionalitza:    " + std::string(e.fraccio) + kNota);
    EXPECT_EQ(p.prg->exercici.resposta, "\r  " + std::string(e.resposta));
    EXPECT_EQ(p.prg->exercici.pista, "");
    EXPECT_TRUE(p.prg->exercici.llest);
    EXPECT_TRUE(p.guio->Esgotat()) << e.fraccio;
  }
}

TEST(Arrels, PerfectSquaresAreDrawnAgain) {
  Escena p({0, 2, 7, 14, 0});  // 4, 9 and 16 refused, then 2
  prova::Genera(*p.prg, GenRacionalitzacio, 1);
  EXPECT_EQ(p.prg->exercici.enunciat, "Racionalitza:    1/R_2(2)" + kNota);
  EXPECT_EQ(p.guio->Demanats(), (std::vector<int32_t>{9, 20, 20, 20, 20}));
}

TEST(Arrels, TwoSpacesAndALabelBeforeEveryCase) {
  Escena p({5, 6, 2, 1}, 2);
  prova::Genera(*p.prg, GenRacionalitzacio, 1);
  EXPECT_EQ(p.prg->exercici.enunciat, "Racionalitza:    a) 6/R_2(8)" + kNota + "  b) 3/R_2(3)" + kNota);
  EXPECT_EQ(p.prg->exercici.resposta, "\r  a) 3 R_2(8)/4  b)  R_2(3)/1");
}

TEST(Arrels, OtherSubtypesWriteNothing) {
  Escena p({});
  prova::Genera(*p.prg, GenRacionalitzacio, 4);
  EXPECT_FALSE(p.prg->exercici.llest);
  EXPECT_TRUE(p.guio->Demanats().empty());
}

// The n-th root of b^e.
double Arrel(int n, int b, int e) { return std::pow(std::pow(b, e), 1.0 / n); }

TEST(Arrels, PropertyRationalisedFractionsKeepTheirValue) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    const int k = static_cast<int>(llavor % 3) + 1;
    const auto gen = [k](Programa& p) { prova::Genera(p, GenRacionalitzacio, k); };
    for (const auto& [fraccio, resposta] : GeneraAmbLlavor(llavor, 7, gen, kEnunciat, kResposta).casos) {
      // Subtypes 1 and 2: a/R_n(b) = c R_n(b^(n-1))/d; subtype 3: a/(w+R_2(b)) = c(w-R_2(b))/d.
      const auto f = Encaixa(fraccio, k == 3 ? "#/(#+R_2(#))" : "#/R_#(#)");
      const auto r = Encaixa(resposta, k == 3 ? "*(#-R_2(#))/#" : "* R_#(#~)/#");
      ASSERT_TRUE(f && r) << fraccio << " = " << resposta;
      const auto enter = [](const std::string& s, int siBuit) { return s.empty() ? siBuit : std::stoi(s); };
      const int a = std::stoi((*f)[0]);
      const int index = k == 3 ? 2 : std::stoi((*f)[1]);
      const int b = std::stoi((*f)[2]);
      EXPECT_TRUE(a >= 1 && a <= 9) << fraccio;
      EXPECT_TRUE(b >= 2 && b <= 21 && !EsQuadratPerfecte(b)) << fraccio;
      EXPECT_NE((*r)[0], "1") << resposta;
      const int coef = enter((*r)[0], 1);
      const int den = std::stoi(r->back());
      EXPECT_EQ(std::gcd(coef, den), 1) << resposta;
      EXPECT_EQ(std::stoi((*r)[1]), k == 3 ? std::stoi((*f)[1]) : index) << resposta;
      EXPECT_EQ(std::stoi((*r)[2]), b) << resposta;
      double valorEnunciat = 0, valorResposta = 0;
      if (k == 3) {
        const int w = std::stoi((*f)[1]);
        EXPECT_TRUE(w >= 5 && w <= 8) << fraccio;
        EXPECT_EQ((w * w - b) % den, 0) << "denominator not from w*w - b: " << resposta;
        valorEnunciat = a / (w + std::sqrt(b));
        valorResposta = coef * (w - std::sqrt(b)) / den;
      } else {
        EXPECT_EQ(index == 2, k == 1) << fraccio;
        EXPECT_TRUE(index >= 2 && index <= 6) << fraccio;
        const int exponent = enter((*r)[3], 1);
        EXPECT_EQ(exponent, index - 1) << resposta;
        EXPECT_EQ(b % den, 0) << "denominator not from b: " << resposta;
        valorEnunciat = a / Arrel(index, b, 1);
        valorResposta = coef * Arrel(index, b, exponent) / den;
      }
      EXPECT_NEAR(valorEnunciat, valorResposta, 1e-9 * valorEnunciat) << fraccio << " = " << resposta;
    }
  }
}

TEST(Arrels, ALongSeriesEndsAtItsLastWholeCaseAndStillDrawsEveryCase) {
  // The note after every case leaves room for four or five cases only.
  for (uint64_t llavor = 1; llavor <= 12; ++llavor) {
    const int k = static_cast<int>(llavor % 3) + 1;
    const auto gen = [k](Programa& p) { prova::Genera(p, GenRacionalitzacio, k); };
    prova::ComprovaSerieLlarga(gen, kEnunciat, kResposta, 20, llavor);
  }
}

TEST(Arrels, TheTopicRunsThroughTheMenuDispatch) {
  Escena p({2, 5, 0});
  prova::ExecutaTemaTriant(p, 5, {{3, 1}});  // the window itself: CatalegTest
  ASSERT_EQ(p.prg->lot.Nombre(), 1);
  EXPECT_EQ(p.prg->lot[1].enunciat, "Racionalitza:    3/(5+R_2(7))" + kNota);
  EXPECT_EQ(p.prg->lot[1].resposta, "\r  (5-R_2(7))/6");
}

}  // namespace
}  // namespace tirelo
