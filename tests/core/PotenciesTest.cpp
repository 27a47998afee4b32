// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Potencies.h"

#include <gtest/gtest.h>

#include <map>

#include "support/CasosProva.h"
#include "support/Llavors.h"

namespace tirelo {
namespace {

using prova::Encaixa;
using prova::GeneraAmbLlavor;
using prova::Escena;
using prova::Guio;
using prova::NoNul;

// A power expression in markup ("x^3·x^-^5", "(a.z)^4", "(c^5)^6", "1") reduced to
// the exponent of every letter: a single power is equal to the expression exactly
// when both reduce to the same map.
class Monomi {
 public:
  explicit Monomi(std::string_view s) : s_(s) {}
  std::map<char, int> Llegeix() {
    auto m = Producte();
    if (i_ != s_.size()) ADD_FAILURE() << "unread text in " << s_;
    std::erase_if(m, [](const auto& e) { return e.second == 0; });
    return m;
  }

 private:
  std::map<char, int> Producte() {
    auto m = Factor();
    while (i_ < s_.size() && (s_[i_] == '\xB7' || s_[i_] == '.' || s_[i_] == '/')) {
      const int signe = s_[i_++] == '/' ? -1 : 1;
      for (const auto& [l, e] : Factor()) m[l] += signe * e;
    }
    return m;
  }
  std::map<char, int> Factor() {
    std::map<char, int> m;
    if (i_ < s_.size() && s_[i_] == '(') {
      ++i_;
      m = Producte();
      if (i_ >= s_.size() || s_[i_] != ')') ADD_FAILURE() << "unclosed parenthesis in " << s_;
      ++i_;
    } else if (i_ < s_.size() && s_[i_] == '1') {
      ++i_;
    } else if (i_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[i_]))) {
      m[s_[i_++]] = 1;
    } else {
      ADD_FAILURE() << "no factor at " << i_ << " in " << s_;
      i_ = s_.size();
    }
    const int e = Exponent();
    for (auto& [l, v] : m) v *= e;
    return m;
  }
  // One "^" before every character of the exponent: ^-^1^0 is -10.
  int Exponent() {
    std::string xifres;
    while (i_ + 1 < s_.size() && s_[i_] == '^') {
      xifres += s_[i_ + 1];
      i_ += 2;
    }
    return xifres.empty() ? 1 : std::stoi(xifres);
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

struct Exemple {
  int subtipus;
  std::vector<int32_t> guio;
  const char* expressio;
  const char* resultat;
};

TEST(Potencies, CasesAsTheExamplesWriteThem) {
  // Letters are drawn as positions in "abcdxyz": 0 a, 1 b, 2 c, 3 d, 4 x, 5 y, 6 z.
  const Exemple exemples[] = {
      {1, Guio({NoNul(3), NoNul(-5), {4}}), "x^3\xB7x^-^5", "x^-^2"},
      {1, Guio({NoNul(1), NoNul(-1), {4}}), "x\xB7x^-^1", "1"},
      {1, Guio({NoNul(2), NoNul(-2), {4}}), "x^2\xB7x^-^2", "1"},
      {1, Guio({NoNul(5), NoNul(5), {4}}), "x^5\xB7x^5", "x^1^0"},
      {2, Guio({NoNul(2), NoNul(1), {5}}), "y^2/y", "y"},
      {2, Guio({NoNul(-5), NoNul(5), {6}}), "z^-^5/z^5", "z^-^1^0"},
      {3, {2, 0, 6}, "a^4.z^4", "(a.z)^4"},
      {3, {0, 3, 3, 1, 2}, "b^2.c^2", "(b.c)^2"},  // d and d drawn again as a pair
      {4, {4, 1, 0}, "x^2/b^2", "(x/b)^2"},
      {4, {5, 5, 5, 4, 4}, "y^6/x^6", "(y/x)^6"},
      {5, {3, 4, 2}, "(c^5)^6", "c^3^0"},
      {5, {0, 0, 1, 3}, "(d^2)^3", "d^6"},        // n = m is drawn again
  };
  for (const Exemple& e : exemples) {
    Escena p(e.guio);
    prova::Genera(*p.prg, GenPotencies, e.subtipus);
    EXPECT_EQ(p.prg->exercici.enunciat, std::string("Calcula: ") + e.expressio);
    EXPECT_EQ(p.prg->exercici.resposta, e.resultat);
    EXPECT_TRUE(p.prg->exercici.llest);
    EXPECT_TRUE(p.guio->Esgotat()) << e.expressio;
  }
}

TEST(Potencies, TheHintHoldsTheRuleOfTheSubtype) {
  const char* regles[] = {"a^m.a^n = a^{m+n}", "a^m/a^n = a^{m-n}", "a^n.b^n = (a.b)^n",
                          "a^n/b^n = (a/b)^n", "(a^m)^n = a^{m.n}"};
  for (int k = 1; k <= 5; ++k) {
    Escena p({}, 3);
    prova::Genera(*p.prg, GenPotencies, k);
    EXPECT_EQ(p.prg->exercici.pista, regles[k - 1]);
    EXPECT_EQ(ReglaPotencies(k), regles[k - 1]);
  }
  EXPECT_EQ(ReglaPotencies(0), "");
  Escena p({});
  prova::Genera(*p.prg, GenPotencies, 6);
  EXPECT_FALSE(p.prg->exercici.llest);
  EXPECT_TRUE(p.guio->Demanats().empty());
}

TEST(Potencies, SeveralCasesUseOneSubtype) {
  Escena p({2, 0, 6, 0, 4, 1}, 2);
  prova::Genera(*p.prg, GenPotencies, 3);
  EXPECT_EQ(p.prg->exercici.enunciat, "Calcula: a) a^4.z^4,  b) x^2.b^2");
  EXPECT_EQ(p.prg->exercici.resposta, "a) (a.z)^4,  b) (x.b)^2");
}

TEST(Potencies, PropertyEveryResultIsTheReducedExpression) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(5000); ++llavor) {
    const int k = static_cast<int>(llavor % 5) + 1;
    const auto prova = GeneraAmbLlavor(llavor, 17, [k](Programa& p) { prova::Genera(p, GenPotencies, k); }, {"Calcula: "});
    EXPECT_EQ(prova.exercici.pista, ReglaPotencies(k));
    for (const auto& [e, resultat] : prova.casos) {
      EXPECT_EQ(Monomi(e).Llegeix(), Monomi(resultat).Llegeix()) << e << " = " << resultat;
      if (k <= 2) {
        const auto m = Encaixa(e, k == 1 ? "@~\xB7@~" : "@~/@~");
        ASSERT_TRUE(m) << e;
        EXPECT_EQ((*m)[0], (*m)[2]) << "two letters in " << e;
      } else if (k <= 4) {
        const auto m = Encaixa(e, k == 3 ? "@~.@~" : "@~/@~");
        ASSERT_TRUE(m) << e;
        EXPECT_NE((*m)[0], (*m)[2]) << "one letter twice in " << e;
        EXPECT_EQ((*m)[1], (*m)[3]) << e;
      } else {
        const auto m = Encaixa(e, "(@~)~");
        ASSERT_TRUE(m) << e;
        EXPECT_NE((*m)[1], (*m)[2]) << "equal exponents in " << e;
      }
    }
  }
}

TEST(Potencies, ALongSeriesEndsAtItsLastWholeCaseAndStillDrawsEveryCase) {
  for (uint64_t llavor = 1; llavor <= 10; ++llavor) {
    const int k = static_cast<int>(llavor % 5) + 1;
    prova::ComprovaSerieLlarga([k](Programa& p) { prova::Genera(p, GenPotencies, k); }, {"Calcula: "}, {""}, 255, llavor);
  }
}

TEST(Potencies, TheTopicRunsThroughTheMenuDispatch) {
  Escena p({3, 4, 2});
  p.prg->serie.opcioPista = 2;  // the rule goes after the answer
  prova::ExecutaTemaTriant(p, 4, {{5, 1}});  // the window itself: CatalegTest
  ASSERT_EQ(p.prg->lot.Nombre(), 1);
  const Exercici& ex = p.prg->lot[1];
  EXPECT_EQ(ex.enunciat, "Calcula: (c^5)^6");
  EXPECT_EQ(ex.resposta, "c^3^0");
  EXPECT_EQ(ex.pista, "(a^m)^n = a^{m.n}");
  EXPECT_EQ(ex.posicioPista, 2);
  EXPECT_EQ(RespostaEscrita(ex), "c^3^0\r  Comentari: (a^m)^n = a^{m.n}");
}

}  // namespace
}  // namespace tirelo
