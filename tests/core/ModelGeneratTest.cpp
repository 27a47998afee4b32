// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/Frase.h"
#include "document/Matematiques.h"
#include "document/Model.h"
#include "mathtext/Aleatori.h"
#include "topics/Cataleg.h"

namespace tirelo {
namespace {

// Every node of a tree in document order with all it holds, so that two trees compare
// whatever their vectors' order.
class Bolcat : public Visitant {
 public:
  void Obre(const Peca& p) override {
    text += '<' + std::to_string(static_cast<int>(p.tipus)) + ' ' + std::to_string(static_cast<int>(p.lletra)) +
            (p.ambLletra ? "L" : "") + std::to_string(static_cast<int>(p.forma)) + (p.buit ? "B" : "") + ' ' +
            std::to_string(p.tabs) + (p.ambBarra ? "/" : "") + ' ' + std::to_string(p.xifra) + ' ' +
            std::to_string(p.llargada) + " [" + p.text + ']';
  }
  void Tanca(const Peca&) override { text += '>'; }
  std::string text;
};

std::string Bolca(const Model& m) {
  Bolcat b;
  Recorre(m, b);
  return b.text;
}

// The numbers of cases each subtype is drawn with: one, a few, and enough to fill a text.
constexpr int kCasos[] = {1, 3, 255};
constexpr int kLlavors = 12;

class ModelGeneratTest : public testing::TestWithParam<int> {
 protected:
  const EntradaTema& Entrada() const { return Cataleg()[static_cast<std::size_t>(GetParam() - 1)]; }
};

// The texts are written from the models the generator built, and each model is the one
// the markup reader gives for its text, so that the mathematics read from either is one.
TEST_P(ModelGeneratTest, TextsAreWrittenFromModelsTheReaderWouldGive) {
  const int subtipus = static_cast<int>(Entrada().Subtipus().size());
  for (int s = 1; s <= subtipus; ++s) {
    for (int casos : kCasos) {
      for (uint64_t llavor = 1; llavor <= kLlavors; ++llavor) {
        SCOPED_TRACE("subtype " + std::to_string(s) + ", cases " + std::to_string(casos) + ", seed " +
                     std::to_string(llavor));
        GeneradorAleatori aleatori(llavor);
        ContextGenerador ctx{aleatori, casos, [] { return FormaEq2::Qualsevol; }};
        const ResultatGenerador r = Entrada().genera(ctx, s);
        ASSERT_EQ(r.estat, EstatGenerador::Fet);
        const Generat& g = r.exercici;
        const std::pair<const std::string&, const Frase&> texts[] = {
            {g.enunciat, g.models.enunciat}, {g.resposta, g.models.resposta}, {g.pista, g.models.pista}};
        for (const auto& [text, model] : texts) {
          EXPECT_EQ(model.Text(), text);
          EXPECT_EQ(model.Llargada(), text.size());
          EXPECT_EQ(Bolca(model.Arbre()), Bolca(LlegeixMarcat(text))) << text;
          EXPECT_EQ(Bolca(Matematiques(model.Arbre())), Bolca(LlegeixMatematiques(text))) << text;
        }
      }
    }
  }
}

// The topics whose generators build the model.
INSTANTIATE_TEST_SUITE_P(Temes, ModelGeneratTest, testing::Range(1, NombreTemes() + 1));

// Joining pieces gives the model of the joined markup, whatever the pieces.
class FraseTest : public testing::TestWithParam<const char*> {};

TEST_P(FraseTest, JoinedPiecesAreTheModelOfTheirMarkup) {
  const std::vector<Frase> peces = {Frase("3x"), Frase::Potencia("2"), Frase("+"), Frase::Exponent("12"),
                                    Frase("\r"), Frase::Sagnat(8),     Frase("y|"), Frase::ArrelIndex(12, Frase("5")),
                                    Frase(""),   Frase::Subindex("ab"), Frase::Marcat(GetParam())};
  Frase f;
  std::string marcat;
  for (const Frase& p : peces) {
    f += p;
    marcat += p.Text();
    EXPECT_EQ(Bolca(f.Arbre()), Bolca(LlegeixMarcat(marcat))) << marcat;
    EXPECT_EQ(f.Llargada(), marcat.size());
  }
  EXPECT_EQ(Bolca((f + f).Arbre()), Bolca(LlegeixMarcat(marcat + marcat)));
  EXPECT_EQ(f.Retallada(10).Text(), marcat.substr(0, 10));
}

// The terms the generators write as models: an exponent digit by digit, a coefficient
// before a part.
struct Terme {
  Frase frase;
  const char* marcat;
};

class TermeFraseTest : public testing::TestWithParam<Terme> {};

TEST_P(TermeFraseTest, WritesTheMarkupOfTheTerm) { EXPECT_EQ(GetParam().frase.Text(), GetParam().marcat); }

INSTANTIATE_TEST_SUITE_P(Termes, TermeFraseTest,
                         testing::Values(Terme{PotenciaXifres("x", 3), "x^3"}, Terme{PotenciaXifres("x", 12), "x^1^2"},
                                         Terme{PotenciaXifres("x", -2), "x^-^2"}, Terme{PotenciaXifres("x", 0), "1"},
                                         Terme{PotenciaXifres("x", 1), "x"},
                                         Terme{PotenciaXifres("(a.z)", 4), "(a.z)^4"},
                                         Terme{Frase::Exponent("-2"), "^-^2"},
                                         Terme{CoefDe(1, Frase::ArrelIndex(2, "3")), "R_2(3)"},
                                         Terme{CoefDe(-1, "y"), "-y"}, Terme{CoefDe(0, "y"), ""},
                                         Terme{CoefDe(12, " y"), "12 y"}));

INSTANTIATE_TEST_SUITE_P(Textos, FraseTest, testing::Values("", "z", "#B(a^2)b", "R_2(11)", "#F(1/2)"));

}  // namespace
}  // namespace tirelo
