// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Divisors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "support/CasosProva.h"
#include "support/Llavors.h"

namespace tirelo {
namespace {

using prova::Encaixa;
using prova::GeneraAmbLlavor;
using prova::Escena;

bool EsPrimer(int n) {
  if (n < 2) return false;
  for (int d = 2; d * d <= n; ++d) {
    if (n % d == 0) return false;
  }
  return true;
}

TEST(Divisors, FactorisationsAsTheExamplesWriteThem) {
  EXPECT_EQ(TxtDescomposicio(360).Text(), "2^3\xB7" "3^2\xB7" "5");
  EXPECT_EQ(TxtDescomposicio(62).Text(), "2\xB7" "31");  // 31 is left over after the trial bound 8
  EXPECT_EQ(TxtDescomposicio(58).Text(), "2\xB7" "29");
  EXPECT_EQ(TxtDescomposicio(31).Text(), "31");          // a prime alone, without a dot
  EXPECT_EQ(TxtDescomposicio(2).Text(), "2");            // bound 1: no trial division at all
  EXPECT_EQ(TxtDescomposicio(3).Text(), "3");
  EXPECT_EQ(TxtDescomposicio(4).Text(), "2^2");
  EXPECT_EQ(TxtDescomposicio(128).Text(), "2^7");
  EXPECT_EQ(TxtDescomposicio(2232).Text(), "2^3\xB7" "3^2\xB7" "31");
}

TEST(Divisors, FactorisationDrawsTwoThreeAndAFactor) {
  // r = 3, s = 2, q = 3 + 2: 360.
  Escena una({3, 2, 3});
  prova::Genera(*una.prg, GenDescomposicio);
  EXPECT_EQ(una.prg->exercici.enunciat, "Descompon factorialment: 360");
  EXPECT_EQ(una.prg->exercici.resposta, "2^3\xB7" "3^2\xB7" "5");
  EXPECT_EQ(una.guio->Demanats(), (std::vector<int32_t>{4, 3, 30}));
  EXPECT_TRUE(una.prg->exercici.llest);

  Escena dues({0, 0, 29, 1, 0, 29}, 2);  // 31 and 62
  prova::Genera(*dues.prg, GenDescomposicio);
  EXPECT_EQ(dues.prg->exercici.enunciat, "Descompon factorialment: a) 31,  b) 62");
  EXPECT_EQ(dues.prg->exercici.resposta, "a) 31,  b) 2\xB7" "31");
  EXPECT_EQ(dues.prg->exercici.pista, "");
}

TEST(Divisors, GcdAndLcmAsTheExampleWritesThem) {
  // f = 6 with 2 and 3; f = 7 with 5 and 2.
  Escena p({5, 1, 2, 6, 4, 1}, 2);
  prova::Genera(*p.prg, GenMcdMcm);
  EXPECT_EQ(p.prg->exercici.enunciat, "Troba el mcd i el MCM de: a) 12 i 18,  b) 35 i 14");
  EXPECT_EQ(p.prg->exercici.resposta, "a) mcd= 6, MCM= 36,  b) mcd= 7, MCM= 70");
  EXPECT_TRUE(p.guio->Esgotat());

  Escena igual({0, 2, 2, 3});  // y = x = 3 is drawn again
  prova::Genera(*igual.prg, GenMcdMcm);
  EXPECT_EQ(igual.prg->exercici.enunciat, "Troba el mcd i el MCM de: 3 i 4");
  EXPECT_EQ(igual.prg->exercici.resposta, "mcd= 1, MCM= 12");
  EXPECT_TRUE(igual.guio->Esgotat());
}

// A factorisation multiplied back, and its largest exponent. Checks that its primes
// rise and that no exponent 1 is written; an exponent has one "^" per digit.
struct Producte {
  int valor = 1;
  int exponentMaxim = 0;
};
Producte ProducteDe(std::string_view factoritzacio) {
  Producte producte;
  int anterior = 1;
  std::string_view resta = factoritzacio;
  while (!resta.empty()) {
    const std::size_t punt = resta.find('\xB7');
    const std::string peca(resta.substr(0, punt));
    resta = punt == std::string_view::npos ? std::string_view() : resta.substr(punt + 1);
    const auto m = Encaixa(peca, "#~");
    if (!m) {
      ADD_FAILURE() << "not a factorisation: " << factoritzacio;
      return {0, 0};
    }
    const int primer = std::stoi((*m)[0]);
    EXPECT_TRUE(EsPrimer(primer)) << factoritzacio;
    EXPECT_GT(primer, anterior) << factoritzacio;
    anterior = primer;
    const std::string& xifres = (*m)[1];
    const int exponent = xifres.empty() ? 1 : std::stoi(xifres);
    EXPECT_NE(xifres, "1") << factoritzacio;
    producte.exponentMaxim = std::max(producte.exponentMaxim, exponent);
    for (int e = exponent; e > 0; --e) producte.valor *= primer;
  }
  return producte;
}

TEST(Divisors, EveryNumberUpToTheLargestDrawnFactorises) {
  for (int32_t n = 2; n <= 2232; ++n) EXPECT_EQ(ProducteDe(TxtDescomposicio(n).Text()).valor, n);
}

TEST(Divisors, PropertyFactorisationsMultiplyBackToTheNumber) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    for (const auto& [text, factoritzacio] :
         GeneraAmbLlavor(llavor, 25, GenDescomposicio, {"Descompon factorialment: "}).casos) {
      const int nombre = std::stoi(text);
      EXPECT_TRUE(nombre >= 2 && nombre <= 2232);
      const Producte producte = ProducteDe(factoritzacio);
      EXPECT_EQ(producte.valor, nombre) << text << " = " << factoritzacio;
      EXPECT_LE(producte.exponentMaxim, 7) << factoritzacio;  // one digit after "^"
    }
  }
}

TEST(Divisors, PropertyGcdTimesLcmIsTheProduct) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    for (const auto& [p, s] : GeneraAmbLlavor(llavor, 15, GenMcdMcm, {"Troba el mcd i el MCM de: "}).casos) {
      const auto mp = Encaixa(p, "# i #");
      const auto ms = Encaixa(s, "mcd= #, MCM= #");
      ASSERT_TRUE(mp && ms) << p << ": " << s;
      const int x = std::stoi((*mp)[0]), y = std::stoi((*mp)[1]);
      const int mcd = std::stoi((*ms)[0]), mcm = std::stoi((*ms)[1]);
      EXPECT_NE(x, y);
      EXPECT_TRUE(x <= 160 && y <= 160);
      EXPECT_EQ(x % mcd, 0);
      EXPECT_EQ(y % mcd, 0);
      EXPECT_EQ(mcd * mcm, x * y);
      EXPECT_EQ(mcd, std::gcd(x, y));
    }
  }
}

TEST(Divisors, ALongSeriesEndsAtItsLastWholeCaseAndStillDrawsEveryCase) {
  for (uint64_t llavor = 1; llavor <= 10; ++llavor) {
    prova::ComprovaSerieLlarga(GenDescomposicio, {"Descompon factorialment: "}, {""}, 255, llavor);
    prova::ComprovaSerieLlarga(GenMcdMcm, {"Troba el mcd i el MCM de: "}, {""}, 255, llavor);
  }
}

TEST(Divisors, TheTopicRunsThroughTheMenuDispatch) {
  Escena p({3, 2, 3, 5, 1, 2});
  prova::ExecutaTemaTriant(p, 1, {{1, 1}, {2, 1}});  // the window itself: CatalegTest
  ASSERT_EQ(p.prg->lot.Nombre(), 2);
  EXPECT_EQ(p.prg->lot[1].enunciat, "Descompon factorialment: 360");
  EXPECT_EQ(p.prg->lot[2].enunciat, "Troba el mcd i el MCM de: 12 i 18");
  EXPECT_EQ(p.prg->lot[2].resposta, "mcd= 6, MCM= 36");
  EXPECT_GE(p.ui.estatsCanviats, 3);  // the status is refreshed at every pass
}

}  // namespace
}  // namespace tirelo
