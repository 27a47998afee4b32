// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
//
// The difficulty levels of every subtype of the catalogue: over many seeds, level 1
// draws smaller numbers than level 2 and level 3 larger ones (the measure and the
// rule are those of docs/nivells.md); at every level every text a generator writes
// fits its field whole, the topic's closing text included; and the help has words for
// every level of every subtype. That level 2 is the usual draw, byte for byte, is the
// corpus test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "batch/Serie.h"
#include "document/Exercici.h"
#include "document/Notacio.h"
#include "mathtext/Text.h"
#include "support/Exercicis.h"
#include "topics/Cataleg.h"
#include "topics/Dibuix.h"
#include "topics/Nivells.h"

namespace tirelo {
namespace {

constexpr int kNivells[] = {1, 2, 3};
// Under the sanitizers every draw is many times slower: fewer seeds keep the
// instrumented suite within minutes.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kLlavorsMesura = 40, kLlavorsCamps = 3;
#else
constexpr uint64_t kLlavorsMesura = 150, kLlavorsCamps = 20;
#endif

std::string Nom(const testing::TestParamInfo<prova::Subtipus>& i) {
  return "Tema" + std::to_string(i.param.tema) + "Subtipus" + std::to_string(i.param.subtipus);
}

// The largest magnitude of the numbers in a text in the notation, decimal comma read
// (exponents and indices are numbers too).
double MaximNombre(const std::string& s) {
  static const std::regex kNombre("[0-9]+(,[0-9]+)?");
  double r = 0;
  for (auto it = std::sregex_iterator(s.begin(), s.end(), kNombre); it != std::sregex_iterator(); ++it) {
    std::string t = it->str();
    std::replace(t.begin(), t.end(), ',', '.');
    r = std::max(r, std::stod(t));
  }
  return r;
}

// The measure of one exercise: the largest number in the mathematics of its cases,
// statements and answers.
double Mesura(const Exercici& e) {
  double r = 0;
  for (const Apartat& a : e.apartats) {
    r = std::max({r, MaximNombre(EscriuNotacio(a.enunciat)), MaximNombre(EscriuNotacio(a.resposta))});
  }
  return r;
}

struct Resum {
  double mitjana = 0, maxim = 0;
};

class NivellsTest : public testing::TestWithParam<prova::Subtipus> {
 protected:
  const EntradaTema& Entrada() const { return Cataleg()[static_cast<std::size_t>(GetParam().tema) - 1]; }

  // The measure over many seeds at one level, three cases where the subtype takes them.
  Resum Mesures(int nivell) const {
    const prova::Subtipus& s = GetParam();
    Resum r;
    for (uint64_t llavor = 1; llavor <= kLlavorsMesura; ++llavor) {
      const auto d = Dibuixa(Recepta{s.tema, s.subtipus, s.ambCasos ? 3 : 1, 3, llavor, nivell});
      EXPECT_TRUE(d);
      if (!d) return r;
      const double m = Mesura(d->exercici);
      r.mitjana += m / kLlavorsMesura;
      r.maxim = std::max(r.maxim, m);
    }
    return r;
  }
};

// Level 1's numbers are smaller than level 2's and level 3's larger, on average over
// the seeds; and level 1's ranges lie inside level 2's, so its largest drawn number is
// never above level 2's.
TEST_P(NivellsTest, NumbersGrowWithTheLevel) {
  const Resum u = Mesures(1), dos = Mesures(2), tres = Mesures(3);
  EXPECT_LT(u.mitjana, dos.mitjana);
  EXPECT_LT(dos.mitjana, tres.mitjana);
  EXPECT_LE(u.maxim, dos.maxim);
}

// What the generator writes fits whole at every level, before anything is cut: the
// statement with the topic's closing text, the answer, the hint; a cases subtype
// asked for the most cases writes at least one.
TEST_P(NivellsTest, TextsFitTheirFieldsAtEveryLevel) {
  const prova::Subtipus& s = GetParam();
  for (const int nivell : kNivells) {
    for (const int casos : {1, 3, 255}) {
      if (!s.ambCasos && casos > 1) continue;
      for (uint64_t llavor = 1; llavor <= kLlavorsCamps; ++llavor) {
        SCOPED_TRACE("level " + std::to_string(nivell) + ", cases " + std::to_string(casos) + ", seed " +
                     std::to_string(llavor));
        GeneradorAleatori font(llavor);
        ContextGenerador ctx{font, casos, [] { return FormaEq2::Qualsevol; }, nivell};
        const ResultatGenerador r = Entrada().genera(ctx, s.subtipus);
        ASSERT_EQ(r.estat, EstatGenerador::Fet);
        const Generat& g = r.exercici;
        EXPECT_LE(g.enunciat.size() + Entrada().tancament.size(), LlargadaText) << g.enunciat;
        EXPECT_LE(g.resposta.size(), LlargadaText) << g.resposta;
        EXPECT_LE(g.pista.size(), LlargadaPista) << g.pista;
        if (s.ambCasos) {
          EXPECT_GE(g.casosEscrits.value_or(0), 1);
        }
      }
    }
  }
}

// The help describes the three levels of every subtype, each in its own words.
TEST_P(NivellsTest, TheHelpDescribesEveryLevel) {
  const auto n = DescripcioNivells(GetParam().tema, GetParam().subtipus);
  for (const std::string_view d : n) EXPECT_FALSE(d.empty());
  EXPECT_NE(n[0], n[1]);
  EXPECT_NE(n[1], n[2]);
}

INSTANTIATE_TEST_SUITE_P(Cataleg, NivellsTest, testing::ValuesIn(prova::SubtipusDelCataleg()), Nom);

TEST(Nivells, ASubtypeOutsideTheCatalogueHasNoDescription) {
  EXPECT_TRUE(DescripcioNivells(1, 99)[0].empty());
  EXPECT_TRUE(DescripcioNivells(0, 1)[1].empty());
}

}  // namespace
}  // namespace tirelo
