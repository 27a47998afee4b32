// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/FitxerLot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "batch/Desar.h"
#include "support/Suport.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

const std::vector<DescripcioTema>& Temes() {
  static const auto temes = DescriuTemes();
  return temes;
}

fs::path Carpeta() {
  const fs::path c = fs::temp_directory_path() / ("tirelo-fitxerlot-" + std::to_string(::getpid()));
  fs::create_directories(c);
  return c;
}

// A batch with every topic, each drawn with its recipe, and the last subtype of each
// topic with three cases where it takes them; any equation form.
LotGenerat LotDeTotsElsTemes() {
  OpcionsGenera o;
  for (const auto& t : Temes()) {
    const int s = static_cast<int>(t.subtipus.size());
    o.series.push_back({t.numero, s, t.PrenCasos(s) ? 3 : 1, 2});
  }
  o.forma = 3;
  o.pista = 2;
  o.titol = "Full d'exercicis";
  return GeneraSeries(o, 2026);
}


TEST(FitxerLot, EveryGeneratedExerciseKeepsItsRecipe) {
  const auto g = LotDeTotsElsTemes();
  ASSERT_EQ(g.exercicis.size(), 18u);
  for (int k = 1; k <= 18; ++k) {
    const auto& r = g.exercicis[static_cast<std::size_t>(k) - 1].recepta;
    ASSERT_TRUE(r) << k;
    EXPECT_EQ(r->tema, g.origen[static_cast<std::size_t>(k - 1)].tema);
    EXPECT_FALSE(g.exercicis[static_cast<std::size_t>(k) - 1].editat);
  }
}

// Restoring an exercise's seed draws it again identically.
TEST(FitxerLot, ARecipeDrawsItsExerciseAgain) {
  const auto g = LotDeTotsElsTemes();
  for (int k = 1; k <= static_cast<int>(g.exercicis.size()); ++k) {
    const Recepta r = *g.exercicis[static_cast<std::size_t>(k) - 1].recepta;
    OpcionsGenera o;
    o.series.push_back({r.tema, r.subtipus, r.casos, 1});
    o.forma = r.forma.value_or(0);
    o.pista = 2;
    const auto altra = GeneraSeries(o, r.llavor);
    ASSERT_EQ(altra.exercicis.size(), 1u) << k;
    EXPECT_TRUE(MateixosTextos(altra.exercicis[0], g.exercicis[static_cast<std::size_t>(k) - 1])) << k;
  }
}

TEST(FitxerLot, BatchFileThenDocumentGivesTheSameBytesAsTheDocument) {
  const auto g = LotDeTotsElsTemes();
  Lot lot;
  for (const Exercici& e : g.exercicis) lot.Afegeix(e);
  lot[2].enunciat = "Calcula: {\\b x}^2 + \xE0 \xB7";  // edited by hand, with accents and braces
  lot[2].editat = true;
  lot[3].posicioPista = 1;
  lot[4].posicioPista = 0;
  lot[5].recepta.reset();  // as if typed by hand: no recipe, so no cases
  lot[5].instruccio.clear();
  lot[5].apartats.clear();
  for (const int disposicio : {0, 1}) {
    const ValorsDesar desar{"", g.titol, disposicio};
    const fs::path dir = Carpeta();
    ASSERT_FALSE(EscriuLot(lot, desar, dir / "directe.rtf"));
    ASSERT_FALSE(DesaFitxerLot({lot.Exercicis(), desar.titol, desar.disposicio}, dir / "lot.tirelo"));
    const auto llegit = ObreFitxerLot(dir / "lot.tirelo", Temes());
    ASSERT_TRUE(std::holds_alternative<ContingutLot>(llegit)) << std::get<ErrorLot>(llegit).missatge;
    const auto& c = std::get<ContingutLot>(llegit);
    // Every text comes back; an unedited generated exercise also gets its cases again
    // (drawn from its recipe), an edited one none.
    ASSERT_EQ(c.exercicis.size(), lot.Exercicis().size());
    for (std::size_t k = 0; k < c.exercicis.size(); ++k) {
      Exercici esperat = lot.Exercicis()[k];
      if (esperat.editat) {
        esperat.instruccio.clear();
        esperat.apartats.clear();
      }
      EXPECT_EQ(c.exercicis[k], esperat) << k;
    }
    Lot relegit;
    for (const auto& e : c.exercicis) relegit.Afegeix(e);
    ASSERT_FALSE(EscriuLot(relegit, ValorsDesar{"", c.titol, c.disposicio}, dir / "relegit.rtf"));
    EXPECT_EQ(prova::LlegeixFitxer((dir / "relegit.rtf").string()), prova::LlegeixFitxer((dir / "directe.rtf").string()));
    fs::remove_all(dir);
  }
}

TEST(FitxerLot, WritingReplacesTheFileWholeAndLeavesNothingBeside) {
  const fs::path dir = Carpeta();
  std::ofstream(dir / "lot.tirelo") << "old";
  ASSERT_FALSE(DesaFitxerLot(ContingutLot{}, dir / "lot.tirelo"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  EXPECT_TRUE(std::holds_alternative<ContingutLot>(ObreFitxerLot(dir / "lot.tirelo", Temes())));
  // A folder that does not exist: a reason, and no file.
  EXPECT_TRUE(DesaFitxerLot(ContingutLot{}, dir / "no" / "lot.tirelo"));
  fs::remove_all(dir);
}

std::string Exercici1(std::string_view camps) {
  return R"({"format": "tirelo-lot", "versio": 1, "exercicis": [{)" + std::string(camps) + "}]}";
}
constexpr std::string_view Basic = R"("enunciat": "E", "resposta": "R", "pista": "P", "posicio_pista": 0)";
std::string AmbRecepta(std::string_view recepta) {
  return Exercici1(std::string(Basic) + R"(, "recepta": )" + std::string(recepta));
}
std::string MoltsExercicis(int n) {
  std::string s = R"({"format": "tirelo-lot", "versio": 1, "exercicis": [)";
  for (int i = 0; i < n; ++i) s += (i ? ", {" : "{") + std::string(Basic) + "}";
  return s + "]}";
}

struct FitxerDolent {
  std::string nom;
  std::string text;
  std::string missatge;  // Windows-1252
};

class FitxerLotDolent : public testing::TestWithParam<FitxerDolent> {};

TEST_P(FitxerLotDolent, IsRefusedWithItsMessage) {
  const auto r = LlegeixJsonLot(GetParam().text, Temes());
  ASSERT_TRUE(std::holds_alternative<ErrorLot>(r));
  EXPECT_EQ(std::get<ErrorLot>(r).missatge, GetParam().missatge);
}

INSTANTIATE_TEST_SUITE_P(
    Taula, FitxerLotDolent,
    testing::Values(
        FitxerDolent{"NoEsLot", R"({"exercicis": []})", "No \xE9s un fitxer de lot de Tirelo: falta \"format\": \"tirelo-lot\""},
        FitxerDolent{"UnaLlista", "[1, 2]", "No \xE9s un fitxer de lot de Tirelo: falta \"format\": \"tirelo-lot\""},
        FitxerDolent{"VersioDesconeguda", R"({"format": "tirelo-lot", "versio": 3, "exercicis": []})",
                     "Versi\xF3 del fitxer de lot desconeguda (3): aquest programa llegeix les versions 1 a 2"},
        FitxerDolent{"JsonTrencat", R"({"format": "tirelo-lot", "versio": 1, "exercicis": [)",
                     "El fitxer no \xE9s JSON ben format (error a l'octet 53)"},
        FitxerDolent{"Buit", "", "El fitxer no \xE9s JSON ben format (error a l'octet 1)"},
        FitxerDolent{"NoUtf8", "{\"format\": \"tirelo-lot\xE0\"}", "El fitxer no \xE9s JSON ben format (error a l'octet 24)"},
        FitxerDolent{"ForaDeWindows1252",
                     Exercici1(R"("enunciat": "x ≤ 3", "resposta": "R", "pista": "", "posicio_pista": 0)"),
                     "exercici 1, camp \"enunciat\": t\xE9 car\xE0" "cters que el programa no pot guardar (fora de Windows-1252)"},
        FitxerDolent{"Control", Exercici1(R"("enunciat": "a\u0000b", "resposta": "R", "pista": "", "posicio_pista": 0)"),
                     "exercici 1, camp \"enunciat\": t\xE9 car\xE0" "cters de control"},
        FitxerDolent{"MassaExercicis", MoltsExercicis(51),
                     "El fitxer t\xE9 51 exercicis i un lot en pot tenir com a m\xE0xim 50"},
        FitxerDolent{"EnunciatLlarg",
                     Exercici1(R"("enunciat": ")" + std::string(256, 'a') +
                               R"(", "resposta": "R", "pista": "", "posicio_pista": 0)"),
                     "exercici 1, camp \"enunciat\": passa de 255 car\xE0" "cters (en t\xE9 256)"},
        FitxerDolent{"PistaLlarga",
                     Exercici1(R"("enunciat": "E", "resposta": "R", "pista": ")" + std::string(81, 'p') +
                               R"(", "posicio_pista": 0)"),
                     "exercici 1, camp \"pista\": passa de 80 car\xE0" "cters (en t\xE9 81)"},
        FitxerDolent{"Respostes", R"({"format": "tirelo-lot", "versio": 1, "respostes": "totes", "exercicis": []})",
                     "el fitxer, camp \"respostes\": ha de ser \"simplificades\" o \"tal-qual\""},
        FitxerDolent{"Resolucio", R"({"format": "tirelo-lot", "versio": 1, "resolucio": "si", "exercicis": []})",
                     "el fitxer, camp \"resolucio\": ha de ser true o false"},
        FitxerDolent{"FaltaResposta", Exercici1(R"("enunciat": "E", "pista": "", "posicio_pista": 0)"),
                     "exercici 1: falta el camp \"resposta\""},
        FitxerDolent{"PosicioPista", Exercici1(R"("enunciat": "E", "resposta": "R", "pista": "", "posicio_pista": 3)"),
                     "exercici 1, camp \"posicio_pista\": ha de ser de 0 a 2"},
        FitxerDolent{"TemaInexistent", AmbRecepta(R"({"tema": 10, "subtipus": 1, "casos": 1, "llavor": "5"})"),
                     "exercici 1, camp \"recepta\", camp \"tema\": ha de ser de 1 a 9"},
        FitxerDolent{"SubtipusInexistent", AmbRecepta(R"({"tema": 3, "subtipus": 6, "casos": 1, "llavor": "5"})"),
                     "exercici 1, camp \"recepta\", camp \"subtipus\": ha de ser de 1 a 5"},
        FitxerDolent{"CasosNoAdmesos", AmbRecepta(R"({"tema": 3, "subtipus": 2, "casos": 4, "llavor": "5"})"),
                     "exercici 1, camp \"recepta\", camp \"casos\": aquest subtipus no admet nombre de casos"},
        FitxerDolent{"LlavorNoText", AmbRecepta(R"({"tema": 3, "subtipus": 2, "casos": 1, "llavor": 5})"),
                     "exercici 1, camp \"recepta\", camp \"llavor\": ha de ser un nombre natural escrit com a text"},
        FitxerDolent{"EnterEnorme", AmbRecepta(R"({"tema": 18446744073709551615, "subtipus": 1, "casos": 1, "llavor": "5"})"),
                     "exercici 1, camp \"recepta\", camp \"tema\": ha de ser de 1 a 9"}),
    [](const auto& info) { return info.param.nom; });

// The sheet's answers as drawn are written down; simplified ones, the default, are not,
// so that a file without the field, as every older one, reads as simplified.
TEST(FitxerLot, KeepsWhetherTheSheetsAnswersAreSimplified) {
  for (const bool simplificades : {true, false}) {
    ContingutLot c;
    c.respostesSimplificades = simplificades;
    const std::string text = EscriuJsonLot(c);
    EXPECT_EQ(text.find("\"respostes\": \"tal-qual\"") != std::string::npos, !simplificades) << text;
    EXPECT_EQ(text.find("respostes") == std::string::npos, simplificades) << text;
    const auto r = LlegeixJsonLot(text, Temes());
    ASSERT_TRUE(std::holds_alternative<ContingutLot>(r));
    EXPECT_EQ(std::get<ContingutLot>(r).respostesSimplificades, simplificades);
  }
}

// A recipe keeps its level; a file of the first version, whose recipes had none, reads
// as the usual level.
TEST(FitxerLot, KeepsEachRecipesLevelAndReadsTheFirstVersionAsTheUsualOne) {
  ContingutLot c;
  for (const int nivell : {1, 2, 3}) {
    Exercici e{"Calcula:   3/4", "3/4", "", 0, true};
    e.recepta = Recepta{3, 2, 1, std::nullopt, 7, nivell};
    c.exercicis.push_back(e);
  }
  const auto r = LlegeixJsonLot(EscriuJsonLot(c), Temes());
  ASSERT_TRUE(std::holds_alternative<ContingutLot>(r));
  for (int k = 0; k < 3; ++k) EXPECT_EQ(std::get<ContingutLot>(r).exercicis.at(static_cast<std::size_t>(k)).recepta->nivell, k + 1);
  const auto v1 = LlegeixJsonLot(
      R"({"format": "tirelo-lot", "versio": 1, "exercicis": [{"enunciat": "a", "resposta": "b", "pista": "",
          "posicio_pista": 0, "recepta": {"tema": 3, "subtipus": 2, "casos": 1, "llavor": "7"}}]})",
      Temes());
  ASSERT_TRUE(std::holds_alternative<ContingutLot>(v1));
  EXPECT_EQ(std::get<ContingutLot>(v1).exercicis.at(0).recepta->nivell, 2);
  const auto senseNivell = LlegeixJsonLot(
      R"({"format": "tirelo-lot", "versio": 2, "exercicis": [{"enunciat": "a", "resposta": "b", "pista": "",
          "posicio_pista": 0, "recepta": {"tema": 3, "subtipus": 2, "casos": 1, "llavor": "7"}}]})",
      Temes());
  ASSERT_TRUE(std::holds_alternative<ErrorLot>(senseNivell));
}

// The key with worked solutions is written down when on; off, the default, it is not.
TEST(FitxerLot, KeepsWhetherTheKeyShowsTheWorkedSolutions) {
  for (const bool resolucio : {true, false}) {
    ContingutLot c;
    c.resolucio = resolucio;
    const std::string text = EscriuJsonLot(c);
    EXPECT_EQ(text.find("\"resolucio\": true") != std::string::npos, resolucio) << text;
    EXPECT_EQ(text.find("resolucio") == std::string::npos, !resolucio) << text;
    const auto r = LlegeixJsonLot(text, Temes());
    ASSERT_TRUE(std::holds_alternative<ContingutLot>(r));
    EXPECT_EQ(std::get<ContingutLot>(r).resolucio, resolucio);
  }
}

TEST(FitxerLot, AFileThatCannotBeReadIsAnError) {
  const auto r = ObreFitxerLot(Carpeta() / "no-hi-es.tirelo", Temes());
  ASSERT_TRUE(std::holds_alternative<ErrorLot>(r));
  EXPECT_EQ(std::get<ErrorLot>(r).missatge, "No s'ha pogut llegir el fitxer");
}

}  // namespace
}  // namespace tirelo
