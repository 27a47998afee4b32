// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// What every output makes of the texts of every subtype, drawn from many seeds: the
// readable line shows no layout and no markup, the LaTeX of a sheet sets no run of
// tab stops, and no exponent is lost on the way from the stored text to the sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/TextLinia.h"
#include "full/Full.h"
#include "support/Exercicis.h"
#include "support/Llavors.h"
#include "support/MetriquesFixes.h"

namespace tirelo {
namespace {

// Three seeds under the sanitizers, where each output of 255 cases is slow.
constexpr uint64_t kLlavors = std::max<uint64_t>(3, prova::Llavors(12));

struct Mostra {
  prova::Subtipus subtipus;
  int casos = 1;
};

std::vector<Mostra> Mostres() {
  std::vector<Mostra> r;
  for (const prova::Subtipus& s : prova::SubtipusDelCataleg()) {
    r.push_back({s, 1});
    if (!s.ambCasos) continue;
    r.push_back({s, 3});
    r.push_back({s, 255});  // as many as the subtype gives
  }
  return r;
}

std::string Nom(const testing::TestParamInfo<Mostra>& i) {
  return "Tema" + std::to_string(i.param.subtipus.tema) + "Subtipus" + std::to_string(i.param.subtipus.subtipus) +
         "Casos" + std::to_string(i.param.casos);
}

class SortidesCatalegTest : public testing::TestWithParam<Mostra> {};

TEST_P(SortidesCatalegTest, ReadableLineShowsNoLayoutNorMarkup) {
  for (uint64_t llavor = 1; llavor <= kLlavors; ++llavor) {
    for (const Exercici& e : prova::ExercicisDe(GetParam().subtipus, GetParam().casos, 2, llavor)) {
      for (const std::string& text : {e.enunciat, e.resposta, e.pista}) {
        const std::string linia = TextLinia(text);
        for (const std::string_view marca : {"---", "\u2014\u2014", "R_n(", "R_", "\\super", "\\sub", "\\", "\t", "{", "}"}) {
          EXPECT_EQ(linia.find(marca), std::string::npos) << "\"" << marca << "\" in " << linia << "\nfrom " << text;
        }
      }
    }
  }
}

TEST_P(SortidesCatalegTest, LatexOfTheSheetHasNoRunOfTabStops) {
  for (uint64_t llavor = 1; llavor <= kLlavors; ++llavor) {
    for (const int disposicio : {0, 1}) {
      OpcionsFull o;
      o.disposicio = disposicio;
      const std::string tex = EscriuLatex(prova::ExercicisDe(GetParam().subtipus, GetParam().casos, 2, llavor), o);
      EXPECT_EQ(tex.find("\\hspace"), std::string::npos) << tex;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cataleg, SortidesCatalegTest, testing::ValuesIn(Mostres()), Nom);

// The algebraic fractions of the operations topic write their squares as raw RTF
// ("12b{\super 2}") inside a fraction stacked by hand: each is a power on the sheet, in
// its LaTeX and in the readable line.
TEST(SortidesCataleg, SquaresOfAlgebraicFractionsArePowersEverywhere) {
  const prova::Subtipus fraccioAlgebraica{6, 5, true};
  const prova::MetriquesFixes metriques;
  int quadrats = 0;
  for (uint64_t llavor = 1; llavor <= 50; ++llavor) {
    const std::vector<Exercici> exercicis = prova::ExercicisDe(fraccioAlgebraica, 1, 1, llavor);
    const std::string tex = EscriuLatex(exercicis, OpcionsFull{});
    const std::string& enunciat = exercicis.at(0).enunciat;
    const std::string linia = TextLinia(enunciat);
    bool petit = false;  // a raised "2" on the typeset sheet
    for (const PaginaFull& p : ComposaFull(exercicis, OpcionsFull{}, metriques).pagines) {
      for (const ElementFull& e : p.elements) petit |= e.text == "2" && e.lletra.punts < 11;
    }
    for (std::size_t i = enunciat.find("{\\super 2}"); i != std::string::npos;
         i = enunciat.find("{\\super 2}", i + 1)) {
      ASSERT_GT(i, 0u);
      const char base = enunciat[i - 1];
      ++quadrats;
      EXPECT_NE(tex.find(std::string(1, base) + "^{2}"), std::string::npos) << enunciat << "\n" << tex;
      EXPECT_NE(linia.find(std::string(1, base) + "\u00B2"), std::string::npos) << enunciat << "\n" << linia;
      EXPECT_TRUE(petit) << enunciat;
    }
  }
  EXPECT_GT(quadrats, 10);  // the seeds draw squares often
}

}  // namespace
}  // namespace tirelo
