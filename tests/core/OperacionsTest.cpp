// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Operacions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/Marcat.h"
#include "mathtext/Nombres.h"
#include "support/CasosProva.h"
#include "support/Llavors.h"
#include "support/Guio.h"
#include "support/Polinomis.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

using prova::Parteix;

// A common-factor polynomial drawn from the program's random source.
FactorComu FactorDelPrograma(Programa& prg) {
  ContextGenerador ctx = ContextDelPrograma(prg);
  return FactorComuAleat(ctx);
}
using Valors = std::map<char, int64_t>;

// Evaluates a polynomial as the generators write it: signed terms of numbers,
// letters and parenthesised sums side by side or joined by the middle dot, powers
// written "^2", "^1^2" (one '^' per digit) or with '²'. Spaces are skipped.
class Avaluador {
 public:
  Avaluador(std::string_view s, const Valors& v) : s_(s), v_(v) {}

  // The value of the whole text; termes gets the number of top-level terms.
  int64_t Valor(int* termes = nullptr) {
    const int64_t r = Suma(termes);
    Blancs();
    EXPECT_EQ(i_, s_.size()) << "unread text in \"" << s_ << "\"";
    return r;
  }

 private:
  void Blancs() {
    while (i_ < s_.size() && s_[i_] == ' ') ++i_;
  }
  char Mira() {
    Blancs();
    return i_ < s_.size() ? s_[i_] : '\0';
  }
  static bool ComencaFactor(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || std::isalpha(static_cast<unsigned char>(c)) || c == '(';
  }
  int64_t Suma(int* termes) {
    int64_t r = 0;
    int n = 0;
    for (;;) {
      const char c = Mira();
      int64_t signe = 1;
      if (c == '+' || c == '-') {
        signe = c == '-' ? -1 : 1;
        ++i_;
      } else if (n > 0 || !ComencaFactor(c)) {
        break;
      }
      r += signe * Producte();
      ++n;
    }
    if (termes) *termes = n;
    return r;
  }
  int64_t Producte() {
    int64_t r = Factor();
    for (;;) {
      const char c = Mira();
      if (c == '\xB7') {
        ++i_;
        r *= Factor();
      } else if (ComencaFactor(c)) {
        r *= Factor();
      } else {
        return r;
      }
    }
  }
  int64_t Factor() {
    const int64_t base = Primari();
    if (i_ < s_.size() && s_[i_] == '\xB2') {
      ++i_;
      return base * base;
    }
    std::string exponent;
    while (i_ + 1 < s_.size() && s_[i_] == '^') {
      exponent += s_[i_ + 1];
      i_ += 2;
    }
    if (exponent.empty()) return base;
    int64_t r = 1;
    for (int k = std::stoi(exponent); k > 0; --k) r *= base;
    return r;
  }
  int64_t Primari() {
    const char c = Mira();
    if (c == '(') {
      ++i_;
      const int64_t r = Suma(nullptr);
      EXPECT_EQ(Mira(), ')') << s_;
      ++i_;
      return r;
    }
    if (std::isdigit(static_cast<unsigned char>(c))) {
      int64_t r = 0;
      while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) r = r * 10 + (s_[i_++] - '0');
      return r;
    }
    ++i_;
    const auto it = v_.find(c);
    EXPECT_NE(it, v_.end()) << "unknown letter '" << c << "' in \"" << s_ << "\"";
    return it == v_.end() ? 0 : it->second;
  }

  std::string_view s_;
  const Valors& v_;
  std::size_t i_ = 0;
};

int64_t Avalua(std::string_view s, const Valors& v, int* termes = nullptr) { return Avaluador(s, v).Valor(termes); }

// Letter values for identity checks: different primes and signs, so that equal
// values for two different polynomials would be a coincidence.
const std::vector<Valors>& Mostres() {
  static const std::vector<Valors> mostres = {
      {{'a', 2}, {'b', 3}, {'c', 5}, {'d', 7}, {'e', 11}, {'x', 13}, {'y', 17}, {'z', 19}, {'m', 23}, {'n', 29}},
      {{'a', -3}, {'b', 5}, {'c', -7}, {'d', 2}, {'e', -5}, {'x', 4}, {'y', -9}, {'z', 6}, {'m', -11}, {'n', 8}},
      {{'a', 31}, {'b', -2}, {'c', 3}, {'d', -13}, {'e', 4}, {'x', -6}, {'y', 10}, {'z', -4}, {'m', 7}, {'n', -17}},
  };
  return mostres;
}

std::string Treu(std::string s, std::string_view que, std::string_view per = "") {
  for (auto pos = s.find(que); pos != std::string::npos; pos = s.find(que, pos + per.size())) {
    s.replace(pos, que.size(), per);
  }
  return s;
}

const std::string kEnunciatRedueix = "Redueix (tot operant) l'expressi\xF3:    ";

// ---------------------------------------------------------------- reduce a term

TEST(Operacions, ReduceATermAddsExponentsOfARepeatedLetter) {
  // n = 4: 3, x^2, 5, x.
  prova::Escena p({1, 1, 0, 1, 3, 0, 0});
  prova::Genera(*p.prg, GenRedueixTerme);
  EXPECT_EQ(p.e().enunciat, kEnunciatRedueix + "3\xB7x^2\xB7" "5\xB7x");
  EXPECT_EQ(p.e().resposta, " 15x^3");
  EXPECT_EQ(p.e().pista, "(multiplicar n\xBAs i pot\xE8ncies i ordenar  (ex.:  3x5yx  ->  15x^2y))");
  EXPECT_TRUE(p.e().llest);
  EXPECT_TRUE(p.guio->Esgotat());
}

TEST(Operacions, ReduceATermKeepsLettersInOrderOfFirstAppearance) {
  // n = 4: 3, y, 5, x^2.
  prova::Escena p({1, 1, 1, 0, 3, 0, 1});
  prova::Genera(*p.prg, GenRedueixTerme);
  EXPECT_EQ(p.e().enunciat, kEnunciatRedueix + "3\xB7y\xB7" "5\xB7x^2");
  EXPECT_EQ(p.e().resposta, " 15yx^2");
}

TEST(Operacions, ReduceATermRedrawsDigitsAlreadyWritten) {
  // n = 5: 3, x^2, 5, y, then 3, 2 and 5 are refused before 7.
  prova::Escena p({2, 1, 0, 1, 3, 1, 0, 1, 0, 3, 5});
  prova::Genera(*p.prg, GenRedueixTerme);
  EXPECT_EQ(p.e().enunciat, kEnunciatRedueix + "3\xB7x^2\xB7" "5\xB7y\xB7" "7");
  EXPECT_EQ(p.e().resposta, " 105x^2y");
  EXPECT_TRUE(p.guio->Esgotat());
}

TEST(Operacions, ReduceATermLabelsItsCases) {
  // a) n = 3: 2, y, 9.  b) n = 3: 4, z^3, 2.
  prova::Escena p({0, 0, 1, 0, 7, 0, 2, 2, 2, 0}, 2);
  prova::Genera(*p.prg, GenRedueixTerme);
  EXPECT_EQ(p.e().enunciat, kEnunciatRedueix + "a) 2\xB7y\xB7" "9,  b) 4\xB7z^3\xB7" "2");
  EXPECT_EQ(p.e().resposta, " a) 18y,  b) 8z^3");
}

// A monomial read back: coefficient, and letters with exponents in order of appearance.
struct Monomi {
  int64_t coef = 1;
  std::vector<std::pair<char, int>> lletres;
  void Multiplica(char v, int e) {
    for (auto& [l, exp] : lletres) {
      if (l == v) {
        exp += e;
        return;
      }
    }
    lletres.emplace_back(v, e);
  }
};

// "x", "x^3", "x^1^2" at position i.
std::pair<char, int> LlegeixPotencia(std::string_view s, std::size_t& i) {
  const char v = s[i++];
  std::string e;
  while (i + 1 < s.size() && s[i] == '^') {
    e += s[i + 1];
    i += 2;
  }
  return {v, e.empty() ? 1 : std::stoi(e)};
}

// One case of a reduce-a-term exercise, labels removed: the product alternates digits
// and letter powers, and the answer is its monomial.
void ComprovaCasRedueix(std::string_view producte, std::string_view resposta) {
  // The product: digit, letter power, digit, ... and no digit written twice.
  Monomi esperat;
  const auto factors = Parteix(producte, "\xB7");
  ASSERT_TRUE(factors.size() >= 3 && factors.size() <= 5) << producte;
  std::string escrit;
  for (std::size_t j = 0; j < factors.size(); ++j) {
    const std::string& f = factors[j];
    if (j % 2 == 0) {
      ASSERT_EQ(f.size(), 1u) << producte;
      ASSERT_TRUE(f[0] >= '2' && f[0] <= '9') << producte;
      ASSERT_EQ(escrit.find(f[0]), std::string::npos) << "digit written twice: " << producte;
      esperat.coef *= f[0] - '0';
    } else {
      std::size_t i = 0;
      const auto [v, exp] = LlegeixPotencia(f, i);
      ASSERT_EQ(i, f.size()) << producte;
      ASSERT_NE(std::string_view("xyzmn").find(v), std::string_view::npos);
      ASSERT_TRUE(exp >= 1 && exp <= 3);
      esperat.Multiplica(v, exp);
    }
    escrit += f;
  }
  // The answer: the coefficient, then each letter once with its summed exponent.
  std::size_t i = 0;
  Monomi llegit;
  llegit.coef = 0;
  while (i < resposta.size() && std::isdigit(static_cast<unsigned char>(resposta[i]))) {
    llegit.coef = llegit.coef * 10 + (resposta[i++] - '0');
  }
  while (i < resposta.size()) llegit.lletres.push_back(LlegeixPotencia(resposta, i));
  EXPECT_EQ(llegit.coef, esperat.coef) << producte << " -> " << resposta;
  EXPECT_EQ(llegit.lletres, esperat.lletres) << producte << " -> " << resposta;
}

// A reduce-a-term exercise asked with the given number of cases: statement and answer
// hold the same whole cases, labelled in order, each answered right. Returns how many.
std::size_t ComprovaRedueix(const Exercici& e, uint16_t casos) {
  EXPECT_EQ(e.enunciat.rfind(kEnunciatRedueix, 0), 0u);
  EXPECT_EQ(e.resposta.rfind(" ", 0), 0u);
  EXPECT_LE(e.enunciat.size(), 255u);
  EXPECT_LE(e.resposta.size(), 255u);
  const auto productes = Parteix(std::string_view(e.enunciat).substr(kEnunciatRedueix.size()), ",  ");
  const auto respostes = Parteix(std::string_view(e.resposta).substr(1), ",  ");
  EXPECT_EQ(productes.size(), respostes.size()) << e.enunciat << " / " << e.resposta;
  const std::size_t escrits = std::min(productes.size(), respostes.size());
  for (std::size_t c = 0; c < escrits; ++c) {
    std::string_view producte = productes[c], resposta = respostes[c];
    if (casos > 1) {
      const std::string etiqueta = std::string(1, static_cast<char>('a' + c)) + ") ";
      EXPECT_EQ(producte.substr(0, 3), etiqueta);
      EXPECT_EQ(resposta.substr(0, 3), etiqueta);
      producte.remove_prefix(3);
      resposta.remove_prefix(3);
    }
    ComprovaCasRedueix(producte, resposta);
  }
  return escrits;
}

TEST(Operacions, ReduceATermPropertyOverSeeds) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    const uint16_t casos = static_cast<uint16_t>(1 + llavor % 4);
    prova::Escena p({}, casos);
    p.guio->Sembra(llavor);
    prova::Genera(*p.prg, GenRedueixTerme);
    ASSERT_EQ(ComprovaRedueix(p.e(), casos), casos);
    ASSERT_FALSE(::testing::Test::HasFailure()) << p.e().enunciat;
  }
}

TEST(Operacions, ReduceATermManyCasesKeepOnlyWholeCases) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(200); ++llavor) {
    const auto casos = static_cast<uint16_t>(30 + llavor % 200);
    prova::Escena p({}, casos);
    p.guio->Sembra(llavor);
    prova::Genera(*p.prg, GenRedueixTerme);
    EXPECT_LE(p.e().pista.size(), 80u);
    const std::size_t escrits = ComprovaRedueix(p.e(), casos);
    ASSERT_GE(escrits, 5u);
    ASSERT_LT(escrits, casos);
    ASSERT_FALSE(::testing::Test::HasFailure()) << p.e().enunciat << " / " << p.e().resposta;
  }
}

// ---------------------------------------------------------------- common factor

const std::string kExtrau = "Extrau factor com\xFA all\xF2 que puguis de: \\tab ";

TEST(Operacions, CommonFactorExample) {
  // k = 3, L = x, m = 2, c1 = 2 with a, c2 = -5 with b; both products written L first.
  prova::Escena p({1, 2, 0, 1, 5, 0, 4, 0, 0, 0, 0});
  prova::Genera(*p.prg, GeneraOperacions, 2);
  EXPECT_EQ(p.e().enunciat, kExtrau + " \\tab 6xa-15xb\r");
  EXPECT_EQ(p.e().resposta, " \\tab 3x(2a-5b)");
  EXPECT_EQ(p.e().pista, "");
  EXPECT_TRUE(p.e().llest);
  EXPECT_TRUE(p.guio->Esgotat());
}

TEST(Operacions, CommonFactorMovesTheInnerFactorIntoK) {
  // k = 3, c = (4, 6) becomes k = 6, c = (2, 3); the second product is written "bx".
  prova::Escena p({1, 2, 0, 3, 2, 0, 5, 2, 0, 0, 4});
  prova::Genera(*p.prg, GeneraOperacions, 2);
  EXPECT_EQ(p.e().enunciat, kExtrau + " \\tab 12xa+18bx\r");
  EXPECT_EQ(p.e().resposta, " \\tab 6x(2a+3b)");
}

TEST(Operacions, ParenthesesSquareTheCommonLetterAndRedrawUnitK) {
  // k = 1 is redrawn, then k = 3, L = x; terms x and 2a: no order draw for subtype 3.
  prova::Escena p({0, 5, 2, 8, 2, 0, 0, 8, 2, 1, 8, 0});
  prova::Genera(*p.prg, GeneraOperacions, 3);
  EXPECT_EQ(p.e().enunciat, "Opera: \\tab  \\tab 3x(x+2a)");
  EXPECT_EQ(p.e().resposta, " \\tab 3x^2+6xa");
  EXPECT_TRUE(p.guio->Esgotat());
}

TEST(Operacions, ParenthesesWithNegativeKHavePositiveInnerTerms) {
  // k = -6, L = y, m = 3: a, 2x, 3m (inner coefficients drawn 1..9 without sign).
  prova::Escena p({5, 1, 3, 1, 0, 0, 1, 1, 2, 2});
  prova::Genera(*p.prg, GeneraOperacions, 3);
  EXPECT_EQ(p.e().enunciat, "Opera: \\tab  \\tab -6y(a+2x+3m)");
  EXPECT_EQ(p.e().resposta, " \\tab -6ya-12yx-18ym");
  EXPECT_TRUE(p.guio->Esgotat());
}

TEST(Operacions, CommonFactorCasesCarryTheirOwnLabels) {
  prova::Escena p({1, 2, 0, 1, 5, 0, 4, 0, 0, 0, 0,    // a) 3x(2a-5b)
           0, 0, 0, 0, 8, 2, 1, 8, 1, 0, 0},   // b) 2a(x+2b)
          2);
  prova::Genera(*p.prg, GeneraOperacions, 2);
  EXPECT_EQ(p.e().resposta, " \\tab  a)\\tab 3x(2a-5b) \\tab  b)\\tab 2a(x+2b)");
  EXPECT_EQ(p.e().enunciat, kExtrau + " \\tab  a)\\tab 6xa-15xb \\tab  b)\\tab 2ax+4ab\r");
}

// The cases of a common-factor text: the pieces after each " \tab " prefix.
std::vector<std::string> CasosFactor(std::string_view text, uint16_t casos) {
  std::vector<std::string> r;
  auto trossos = Parteix(text, " \\tab ");
  EXPECT_EQ(trossos.front(), "");
  for (std::size_t c = 1; c < trossos.size(); ++c) {
    std::string t = trossos[c];
    if (casos > 1) {
      EXPECT_EQ(t.substr(0, 8), std::string(" ") + static_cast<char>('a' + c - 1) + ")\\tab ") << text;
      t.erase(0, 8);
    }
    r.push_back(t);
  }
  return r;
}

// Reads "kL(inner)" and checks the inner coefficients have no common factor.
void ComprovaFactoritzat(const std::string& F, int subtipus) {
  const auto obre = F.find('(');
  ASSERT_NE(obre, std::string::npos) << F;
  ASSERT_EQ(F.back(), ')') << F;
  const int k = std::stoi(F.substr(0, obre - 1));
  EXPECT_GE(std::abs(k), 2) << F;
  if (subtipus == 2) {
    EXPECT_GT(k, 0) << F;
  }
  const std::string interior = F.substr(obre + 1, F.size() - obre - 2);
  int termes = 0;
  Avalua(interior, Mostres()[0], &termes);
  EXPECT_TRUE(termes == 2 || termes == 3) << F;
  // Each inner coefficient at one letter = 1, the others 0.
  int g = 0;
  for (char v : std::string("abxymn")) {
    Valors u;
    for (char l : std::string("abxymn")) u[l] = l == v ? 1 : 0;
    const int64_t c = Avalua(interior, u);
    if (k < 0) {
      EXPECT_GE(c, 0) << F;
    }
    g = Mcd(g, static_cast<int32_t>(c));
  }
  EXPECT_EQ(g, 1) << F;
}

TEST(Operacions, CommonFactorPropertyOverSeeds) {
  for (int subtipus : {2, 3}) {
    for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
      const uint16_t casos = llavor % 10 == 0 ? 3 : 1;
      prova::Escena p({}, casos);
      p.guio->Sembra(llavor);
      prova::Genera(*p.prg, GeneraOperacions, subtipus);
      const Exercici& e = p.e();
      std::string expandit = e.enunciat, factoritzat = e.resposta;
      if (subtipus == 2) {
        ASSERT_EQ(expandit.rfind(kExtrau, 0), 0u);
        ASSERT_EQ(expandit.back(), '\r');
        expandit = expandit.substr(kExtrau.size(), expandit.size() - kExtrau.size() - 1);
      } else {
        std::swap(expandit, factoritzat);
        ASSERT_EQ(factoritzat.rfind("Opera: \\tab ", 0), 0u);
        factoritzat.erase(0, 12);
      }
      const auto Fs = CasosFactor(factoritzat, casos);
      const auto Es = CasosFactor(expandit, casos);
      ASSERT_EQ(Fs.size(), casos);
      ASSERT_EQ(Es.size(), casos);
      for (std::size_t c = 0; c < casos; ++c) {
        ASSERT_LE(Fs[c].size(), 20u);
        ASSERT_LE(Es[c].size(), 20u);
        ComprovaFactoritzat(Fs[c], subtipus);
        for (const Valors& v : Mostres()) {
          ASSERT_EQ(Avalua(Fs[c], v), Avalua(Es[c], v)) << Fs[c] << " vs " << Es[c];
        }
      }
    }
  }
}

TEST(Operacions, ManyCommonFactorCasesKeepOnlyWholeCases) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(300); ++llavor) {
    for (int subtipus : {2, 3}) {
      const auto casos = static_cast<uint16_t>(15 + llavor % 12);
      prova::Escena p({}, casos);
      p.guio->Sembra(llavor);
      prova::Genera(*p.prg, GeneraOperacions, subtipus);
      std::string expandit = p.e().enunciat, factoritzat = p.e().resposta;
      for (const std::string& t : {expandit, factoritzat}) {
        ASSERT_LE(t.size(), 255u);
        // Every backslash still starts a whole "\tab ".
        for (auto pos = t.find('\\'); pos != std::string::npos; pos = t.find('\\', pos + 1)) {
          ASSERT_EQ(t.substr(pos, 5), "\\tab ") << t;
        }
      }
      if (subtipus == 2) {
        ASSERT_EQ(expandit.back(), '\r');  // the closing CR is never cut off
        expandit = expandit.substr(kExtrau.size(), expandit.size() - kExtrau.size() - 1);
      } else {
        std::swap(expandit, factoritzat);
        factoritzat.erase(0, 12);
      }
      // The same whole cases on both sides, each expanding to its factored form.
      const auto Fs = CasosFactor(factoritzat, casos);
      const auto Es = CasosFactor(expandit, casos);
      ASSERT_EQ(Fs.size(), Es.size()) << p.e().enunciat << " / " << p.e().resposta;
      ASSERT_GE(Fs.size(), 5u);
      ASSERT_LT(Fs.size(), casos);
      for (std::size_t c = 0; c < Fs.size(); ++c) {
        ComprovaFactoritzat(Fs[c], subtipus);
        ASSERT_EQ(Avalua(Fs[c], Mostres()[1]), Avalua(Es[c], Mostres()[1])) << Fs[c] << " vs " << Es[c];
      }
      ASSERT_FALSE(::testing::Test::HasFailure()) << p.e().enunciat << " / " << p.e().resposta;
    }
  }
}

// ---------------------------------------------------------------- binomials

TEST(Operacions, BinomialProductKeepsLikeTermsApart) {
  // (x-3) and (x+2).
  prova::Escena p({0, 0, 2, 8, 0, 7, 0, 0, 1, 0, 0, 9});
  prova::Genera(*p.prg, GenProducteBinomis);
  EXPECT_EQ(p.e().enunciat, " Calcula:       (x-3) \xB7 (x+2)");
  EXPECT_EQ(p.e().resposta, "   x\xB2+2x-3x-6");
  EXPECT_EQ(p.e().pista, "");
  EXPECT_TRUE(p.e().llest);
  EXPECT_TRUE(p.guio->Esgotat());
}

TEST(Operacions, BinomialProductPropertyOverSeeds) {
  const std::string inici = " Calcula:       ";
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    prova::Escena p({}, 1);
    p.guio->Sembra(llavor);
    prova::Genera(*p.prg, GenProducteBinomis);
    const Exercici& e = p.e();
    ASSERT_EQ(e.enunciat.rfind(inici, 0), 0u);
    ASSERT_EQ(e.resposta.rfind("   ", 0), 0u);
    const std::string producte = e.enunciat.substr(inici.size());
    int termes = 0;
    for (const Valors& v : Mostres()) {
      ASSERT_EQ(Avalua(producte, v), Avalua(e.resposta, v, &termes)) << producte << " = " << e.resposta;
      ASSERT_EQ(termes, 4) << e.resposta;
    }
  }
}

// ---------------------------------------------------------------- algebraic fraction

const std::string kSimplifica = "Simplifica la fracci\xF3: \\tab \r";

TEST(Operacions, AlgebraicFractionExample) {
  // k = 6, L = x, 2a - 5b; d = 4, v = c.
  prova::Escena p({5, 5, 2, 0, 1, 8, 0, 4, 0, 0, 2, 2});
  prova::Genera(*p.prg, GenFraccioAlgebraica);
  EXPECT_EQ(p.e().enunciat, kSimplifica + DisposaFraccio(8, "12xa-30xb", "24xc") + "\r");
  // Byte for byte: eight tabs before each line, a bar of 9 div 2 dashes, the shorter
  // denominator centred with two pads.
  const std::string t8 = "\\tab \\tab \\tab \\tab \\tab \\tab \\tab \\tab ";
  EXPECT_EQ(p.e().enunciat, kSimplifica + t8 + "12xa-30xb\r" + t8 + "\\'97\\'97\\'97\\'97\r" + t8 +
                                 "\\'20 \\'20 24xc\r\r");
  EXPECT_EQ(p.e().resposta, DisposaFraccio(8, "2a-5b", "4c"));
  EXPECT_EQ(p.e().pista, "(Nota: extrau factor com\xFA i simplifica)");
  EXPECT_TRUE(p.e().llest);
  EXPECT_TRUE(p.guio->Esgotat());
}

TEST(Operacions, AlgebraicFractionSquaresTheCommonLetter) {
  // k = 6, L = a, 2b - 5x; d = 4, v = a.
  prova::Escena p({5, 5, 0, 0, 1, 8, 1, 4, 0, 1, 2, 0});
  prova::Genera(*p.prg, GenFraccioAlgebraica);
  EXPECT_EQ(p.e().enunciat, kSimplifica + DisposaFraccio(8, "12ab-30ax", "24a\xB2") + "\r");
  EXPECT_EQ(p.e().resposta, DisposaFraccio(8, "2b-5x", "4a"));
}

TEST(Operacions, CommonFactorOfAFractionIsNeverPlusOrMinusOne) {
  // k = -1 and 1 are redrawn; L first for the letter parts, with no order draw.
  prova::Escena p({0, 0, 0, 5, 1, 5, 2, 0, 0, 5, 0, 1, 5, 0});
  const FactorComu f = FactorDelPrograma(*p.prg);
  EXPECT_EQ(f.k, 2);
  EXPECT_EQ(f.M, "2x");
  EXPECT_EQ(f.P, "a+2b");
  EXPECT_EQ(f.E, "2xa+4xb");
  EXPECT_TRUE(p.guio->Esgotat());
}

// The markup of one line of a stacked fraction, without its tabs, pads and bar.
std::string LiniaFraccio(std::string linia) {
  linia = Treu(linia, "\\tab ");
  linia = Treu(linia, "\\'20 ");
  linia = Treu(linia, "{\\super ", "^");
  return Treu(linia, "}");
}

TEST(Operacions, AlgebraicFractionPropertyOverSeeds) {
  for (uint64_t llavor = 1; llavor <= prova::Llavors(3000); ++llavor) {
    prova::Escena p({}, 1);
    p.guio->Sembra(llavor);
    prova::Genera(*p.prg, GenFraccioAlgebraica);
    const Exercici& e = p.e();
    // Nothing is cut: the statement still ends with its CR.
    ASSERT_LE(e.enunciat.size(), 255u);
    ASSERT_EQ(e.enunciat.rfind(kSimplifica, 0), 0u);
    ASSERT_EQ(e.enunciat.back(), '\r');
    const auto enunciat = Parteix(e.enunciat.substr(kSimplifica.size()), "\r");
    const auto resposta = Parteix(e.resposta, "\r");
    ASSERT_EQ(enunciat.size(), 5u);
    ASSERT_EQ(resposta.size(), 4u);
    ASSERT_EQ(enunciat[0].rfind("\\tab \\tab \\tab \\tab \\tab \\tab \\tab \\tab ", 0), 0u);
    const std::string E = LiniaFraccio(enunciat[0]), R = LiniaFraccio(enunciat[2]);
    const std::string P = LiniaFraccio(resposta[0]), Q = LiniaFraccio(resposta[2]);
    for (const Valors& v : Mostres()) {
      // E/R = P/Q, all letters non-zero.
      ASSERT_EQ(Avalua(E, v) * Avalua(Q, v), Avalua(P, v) * Avalua(R, v)) << E << "/" << R << " = " << P << "/" << Q;
    }
    ASSERT_NE(Avalua(Q, Mostres()[0]), 0);
  }
}

// ---------------------------------------------------------------- topic entry

TEST(Operacions, TopicRunsThroughTheDispatch) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 11);
  ui.Tria(1, 2);
  ui.Tria(2);
  ui.Tria(3);
  ui.Tria(4);
  ui.Tria(5);
  ui.Surt();
  ExecutaTema(prg, 6);
  ASSERT_EQ(ui.peticionsSubtipus.size(), 6u);
  ASSERT_EQ(prg.lot.Nombre(), 5);
  EXPECT_EQ(prg.lot[1].enunciat.rfind(kEnunciatRedueix + "a) ", 0), 0u);
  EXPECT_EQ(prg.lot[2].enunciat.rfind(kExtrau, 0), 0u);
  EXPECT_EQ(prg.lot[3].enunciat.rfind("Opera: ", 0), 0u);
  EXPECT_EQ(prg.lot[4].enunciat.rfind(" Calcula:", 0), 0u);
  EXPECT_EQ(prg.lot[5].enunciat.rfind(kSimplifica, 0), 0u);
}

}  // namespace
}  // namespace tirelo
