#include "topics/Arrels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <regex>

#include "mathtext/Nombres.h"
#include "support/CasosProva.h"

namespace tirelo {
namespace {

using prova::FormaCasos;
using prova::GeneraAmbLlavor;
using prova::ProgramaGuionat;

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
    ProgramaGuionat p(e.guio);
    GenRacionalitzacio(p.prg, e.subtipus);
    EXPECT_EQ(p.prg.exercici.enunciat, "Racionalitza:    " + std::string(e.fraccio) + kNota);
    EXPECT_EQ(p.prg.exercici.resposta, "\r  " + std::string(e.resposta));
    EXPECT_EQ(p.prg.exercici.pista, "");
    EXPECT_TRUE(p.prg.exercici.llest);
    EXPECT_TRUE(p.Aleatori().Esgotat()) << e.fraccio;
  }
}

TEST(Arrels, PerfectSquaresAreDrawnAgain) {
  ProgramaGuionat p({0, 2, 7, 14, 0});  // 4, 9 and 16 refused, then 2
  GenRacionalitzacio(p.prg, 1);
  EXPECT_EQ(p.prg.exercici.enunciat, "Racionalitza:    1/R_2(2)" + kNota);
  EXPECT_EQ(p.Aleatori().Demanats(), (std::vector<int32_t>{9, 20, 20, 20, 20}));
}

TEST(Arrels, TwoSpacesAndALabelBeforeEveryCase) {
  ProgramaGuionat p({5, 6, 2, 1}, 2);
  GenRacionalitzacio(p.prg, 1);
  EXPECT_EQ(p.prg.exercici.enunciat, "Racionalitza:    a) 6/R_2(8)" + kNota + "  b) 3/R_2(3)" + kNota);
  EXPECT_EQ(p.prg.exercici.resposta, "\r  a) 3 R_2(8)/4  b)  R_2(3)/1");
}

TEST(Arrels, OtherSubtypesWriteNothing) {
  ProgramaGuionat p;
  GenRacionalitzacio(p.prg, 4);
  EXPECT_FALSE(p.prg.exercici.llest);
  EXPECT_TRUE(p.Aleatori().Demanats().empty());
}

// The value of a root part: R_n(b) or R_n(b^e), or (w±R_2(b)).
double Valor(const std::smatch& m, int primer) {
  const int index = std::stoi(m[primer]);
  const double b = std::stod(m[primer + 1]);
  const double e = m[primer + 2].length() > 0 ? std::stod(m[primer + 2]) : 1.0;
  return std::pow(std::pow(b, e), 1.0 / index);
}

TEST(Arrels, PropertyRationalisedFractionsKeepTheirValue) {
  // The empty group stands for the exponent that a statement's root never has.
  const std::regex arrel(R"(^(\d)/R_(\d)\((\d+)\)()$)");
  const std::regex suma(R"(^(\d)/\((\d)\+R_2\((\d+)\)\)$)");
  const std::regex rArrel(R"(^(\d*) R_(\d)\((\d+)(?:\^(\d))?\)/(\d+)$)");
  const std::regex rSuma(R"(^(\d*)\((\d)-R_2\((\d+)\)\)/(\d+)$)");
  for (uint64_t llavor = 1; llavor <= 3000; ++llavor) {
    const int k = static_cast<int>(llavor % 3) + 1;
    const auto gen = [k](Programa& p) { GenRacionalitzacio(p, k); };
    for (const auto& [fraccio, resposta] : GeneraAmbLlavor(llavor, 7, gen, kEnunciat, kResposta).casos) {
      std::smatch f, r;
      ASSERT_TRUE(std::regex_match(fraccio, f, k == 3 ? suma : arrel)) << fraccio;
      ASSERT_TRUE(std::regex_match(resposta, r, k == 3 ? rSuma : rArrel)) << resposta;
      const int a = std::stoi(f[1]);
      const int b = std::stoi(f[3]);
      EXPECT_TRUE(b >= 2 && b <= 21 && !EsQuadratPerfecte(b)) << fraccio;
      const int coef = r[1].length() == 0 ? 1 : std::stoi(r[1]);
      EXPECT_NE(r[1], "1");
      const int den = std::stoi(r[k == 3 ? 4 : 5]);
      EXPECT_EQ(std::gcd(coef, den), 1) << resposta;
      double valorEnunciat = 0, valorResposta = 0;
      if (k == 3) {
        const int w = std::stoi(f[2]);
        EXPECT_TRUE(w >= 5 && w <= 8);
        EXPECT_EQ(std::stoi(r[2]), w);
        EXPECT_EQ(std::stoi(r[3]), b);
        EXPECT_EQ((w * w - b) % den, 0) << "denominator not from w*w - b: " << resposta;
        valorEnunciat = a / (w + std::sqrt(b));
        valorResposta = coef * (w - std::sqrt(b)) / den;
      } else {
        const int index = std::stoi(f[2]);
        EXPECT_EQ(index == 2, k == 1) << fraccio;
        EXPECT_EQ(std::stoi(r[2]), index);
        EXPECT_EQ(std::stoi(r[3]), b);
        EXPECT_EQ(r[4].matched ? std::stoi(r[4]) : 1, index - 1) << resposta;
        EXPECT_EQ(b % den, 0) << "denominator not from b: " << resposta;
        valorEnunciat = a / Valor(f, 2);
        valorResposta = coef * Valor(r, 2) / den;
      }
      EXPECT_NEAR(valorEnunciat, valorResposta, 1e-9 * valorEnunciat) << fraccio << " = " << resposta;
    }
  }
}

TEST(Arrels, ManyCasesAreCutAtTheTextLength) {
  for (int k = 1; k <= 3; ++k) {
    ProgramaGuionat p({}, 255);
    GenRacionalitzacio(p.prg, k);
    EXPECT_EQ(p.prg.exercici.enunciat.size(), 255u);
    EXPECT_EQ(p.prg.exercici.resposta.size(), 255u);
  }
}

}  // namespace
}  // namespace tirelo
