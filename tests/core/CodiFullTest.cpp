// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/CodiFull.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <set>
#include <tuple>
#include <variant>

#include "shell/Versions.h"
#include "support/Suport.h"
#include "topics/Cataleg.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

// The bytes of the RTF document of these exercises, written to a file of this process
// (another build's suite may run at the same time).
std::string Document(const std::vector<Exercici>& exercicis) {
  const fs::path cami = fs::path(testing::TempDir()) / ("codi_full-" + std::to_string(getpid()) + ".rtf");
  EXPECT_FALSE(EscriuFull(exercicis, OpcionsFull{"Full", 1, false, 0, "", ""}, cami.string(), {}));
  return prova::LlegeixFitxer(cami.string());
}

LotGenerat Genera(const std::vector<SerieDemanada>& series, uint64_t llavor, int forma = 0, int pista = 0) {
  OpcionsGenera o;
  o.series = series;
  o.forma = forma;
  o.pista = pista;
  return GeneraSeries(o, llavor);
}

std::optional<std::string> CodiDe(const LotGenerat& g, const std::vector<SerieDemanada>& series, uint64_t llavor,
                                  int forma = 0, int pista = 0) {
  return CodiDeLesSeries(g.exercicis, series, forma, pista, llavor);
}

FullCodificat Llegeix(const std::string& codi) {
  const auto llegit = LlegeixCodi(codi);
  EXPECT_TRUE(std::holds_alternative<FullCodificat>(llegit)) << codi;
  return std::holds_alternative<FullCodificat>(llegit) ? std::get<FullCodificat>(llegit) : FullCodificat{};
}

// The sheet a code draws.
std::vector<Exercici> Dibuixa(const std::string& codi) {
  const FullCodificat f = Llegeix(codi);
  return GeneraSeries(OpcionsDelCodi(f), f.llavor).exercicis;
}

// One series of every subtype of the catalogue, with every kind of number of cases.
struct SerieProva {
  int tema, subtipus, casos;
};
std::vector<SerieProva> TotesLesSeries() {
  std::vector<SerieProva> r;
  int tema = 0;
  for (const EntradaTema& e : Cataleg()) {
    ++tema;
    for (int s = 1; s <= static_cast<int>(e.Subtipus().size()); ++s) {
      if (!e.PrenCasos(s)) {
        r.push_back({tema, s, 1});
        continue;
      }
      for (int casos : {1, 4, 10, 11, 255}) r.push_back({tema, s, casos});
    }
  }
  return r;
}

class CodiDeSerie : public testing::TestWithParam<SerieProva> {};

// The code of a sheet, read back, draws the same document byte for byte.
TEST_P(CodiDeSerie, ReadBackGivesTheSameBytes) {
  const auto [tema, subtipus, casos] = GetParam();
  const std::vector<SerieDemanada> series{{tema, subtipus, casos, 3}, {2, 1, 2, 1}};
  for (const int forma : {0, 3}) {
    const auto g = Genera(series, 4000000000u + static_cast<uint64_t>(casos), forma, 2);
    const auto codi = CodiDe(g, series, 4000000000u + static_cast<uint64_t>(casos), forma, 2);
    ASSERT_TRUE(codi);
    EXPECT_EQ(Document(Dibuixa(*codi)), Document(g.exercicis)) << *codi;
    EXPECT_EQ(CodiDelLot(g.exercicis), codi) << "the batch's own recipes give the same code";
  }
}

INSTANTIATE_TEST_SUITE_P(Cataleg, CodiDeSerie, testing::ValuesIn(TotesLesSeries()),
                         [](const auto& info) {
                           return "Tema" + std::to_string(info.param.tema) + "_" +
                                  std::to_string(info.param.subtipus) + "_" + std::to_string(info.param.casos);
                         });

// A sheet of five series with usual values.
const std::vector<SerieDemanada> kCincSeries{
    {3, 2, 1, 4}, {4, 1, 5, 3}, {8, 2, 4, 2}, {2, 1, 6, 5}, {9, 3, 3, 2}};

TEST(CodiFull, FiveUsualSeriesFitInTwentyFourCharacters) {
  for (const uint64_t llavor : {0ull, 7ull, 65535ull, 123456789ull, 4294967295ull}) {
    const auto codi = CodiDe(Genera(kCincSeries, llavor), kCincSeries, llavor);
    ASSERT_TRUE(codi);
    EXPECT_LE(codi->size(), 24u) << *codi;
  }
}

// Every single mistyped character, in every position, is refused; so is every swap of
// two different neighbours.
TEST(CodiFull, CheckCharacterCatchesEveryTypoAndSwap) {
  const auto codi = *CodiDe(Genera(kCincSeries, 2026), kCincSeries, 2026);
  for (std::size_t i = 0; i < codi.size(); ++i) {
    for (char c : AlfabetCodi) {
      if (c == codi[i]) continue;
      std::string mal = codi;
      mal[i] = c;
      EXPECT_TRUE(std::holds_alternative<ErrorCodi>(LlegeixCodi(mal))) << mal;
    }
    if (i + 1 < codi.size() && codi[i] != codi[i + 1]) {
      std::string girat = codi;
      std::swap(girat[i], girat[i + 1]);
      EXPECT_TRUE(std::holds_alternative<ErrorCodi>(LlegeixCodi(girat))) << girat;
    }
  }
}

TEST(CodiFull, CaseSpacesAndHyphensDoNotMatter) {
  const auto codi = *CodiDe(Genera(kCincSeries, 9), kCincSeries, 9);
  std::string escrit;
  for (std::size_t i = 0; i < codi.size(); ++i) {
    if (i > 0 && i % 4 == 0) escrit += i % 8 == 0 ? ' ' : '-';
    escrit += static_cast<char>(std::tolower(static_cast<unsigned char>(codi[i])));
  }
  EXPECT_EQ(Llegeix(escrit), Llegeix(codi));
}

struct CodiDolent {
  const char* nom;
  std::string text;
  std::string missatge;
};
class CodiRefusat : public testing::TestWithParam<CodiDolent> {};

TEST_P(CodiRefusat, SaysWhatIsWrongInOneLine) {
  const auto llegit = LlegeixCodi(GetParam().text);
  ASSERT_TRUE(std::holds_alternative<ErrorCodi>(llegit));
  EXPECT_EQ(std::get<ErrorCodi>(llegit).missatge, GetParam().missatge);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, CodiRefusat,
    testing::Values(CodiDolent{"Buit", " - ", "el codi \xC3\xA9s buit"},
                    CodiDolent{"LletraO", "ABO2", "el codi t\xC3\xA9 un car\xC3\xA0" "cter que no hi pot ser: \"O\""},
                    CodiDolent{"Zero", "AB02", "el codi t\xC3\xA9 un car\xC3\xA0" "cter que no hi pot ser: \"0\""},
                    CodiDolent{"NoAscii", "AB\xC3\xA9", "el codi t\xC3\xA9 un car\xC3\xA0" "cter que no hi pot ser"},
                    CodiDolent{"MassaLlarg", std::string(201, 'A'), "el codi \xC3\xA9s massa llarg"},
                    CodiDolent{"UnCaracter", "A", "el codi no \xC3\xA9s correcte: hi ha algun car\xC3\xA0" "cter mal copiat"},
                    CodiDolent{"ZeroDavant", "2" + EscriuCodiVersio1({5, 0, {{1, 1, 1, 1}}}).value_or(""),
                               "el codi no \xC3\xA9s correcte: hi ha algun car\xC3\xA0" "cter mal copiat"}),
    [](const auto& info) { return std::string(info.param.nom); });

// Digits followed by the character that makes their check hold.
std::string AmbControl(const std::string& xifres) {
  for (char c : AlfabetCodi) {
    const auto llegit = LlegeixCodi(xifres + c);
    if (!std::holds_alternative<ErrorCodi>(llegit) ||
        std::get<ErrorCodi>(llegit).missatge.find("mal copiat") == std::string::npos)
      return xifres + c;
  }
  return "";
}

// A code whose check holds but whose digits are no sheet is refused as unknown.
TEST(CodiFull, DigitsThatAreNoSheetAreUnknown) {
  const std::string desconegut = "el codi no correspon a cap full d'aquest programa";
  for (const std::string& xifres : {std::string(60, 'Z'), std::string(40, 'Y')}) {
    const auto llegit = LlegeixCodi(AmbControl(xifres));
    ASSERT_TRUE(std::holds_alternative<ErrorCodi>(llegit)) << xifres;
    EXPECT_EQ(std::get<ErrorCodi>(llegit).missatge, desconegut);
  }
}

// A code written and read back is the same sheet, normalised: the equation form only
// where the subtype asks it, one visit or two only for a topic that draws on leaving.
TEST(CodiFull, WrittenThenReadIsTheSameSheet) {
  const FullCodificat f{4294967295u, 1, {{7, 1, 1, 2}, {7, 2, 1, 1, std::nullopt, true}, {8, 3, 12, 50 - 3, 2}}};
  EXPECT_EQ(Llegeix(*EscriuCodi(f)), f);
  FullCodificat sobrer = f;
  sobrer.series[2].ambAnterior = true;  // topic 8 draws nothing on leaving
  sobrer.series.push_back({1, 1, 1, 1, 3});
  sobrer.series[2].exercicis -= 1;
  FullCodificat net = sobrer;
  net.series[2].ambAnterior = false;
  net.series[3].forma.reset();
  EXPECT_EQ(Llegeix(*EscriuCodi(sobrer)), net);
}

// Codes written by this version of the format, with the sheets they carry. A new
// subtype, level or topic must leave every one of them as it is: a code names subtypes
// by their stable ids, and no field's size depends on how many rows the catalogue has.
struct CodiEscrit {
  const char* nom;
  const char* codi;
  FullCodificat full;
};
class CodiVersio2 : public testing::TestWithParam<CodiEscrit> {};

TEST_P(CodiVersio2, StaysTheCodeOfItsSheet) {
  EXPECT_EQ(EscriuCodi(GetParam().full), GetParam().codi);
  EXPECT_EQ(Llegeix(GetParam().codi), GetParam().full);
}

INSTANTIATE_TEST_SUITE_P(
    Escrits, CodiVersio2,
    testing::Values(
        CodiEscrit{"UnaSerie", "2JD7WC", {7, 0, {{3, 2, 1, 4}}}},
        CodiEscrit{"NivellsIOpcions", "29G7QPPHPAWSHH",
                   {2026, 1,
                    {{3, 2, 1, 4, std::nullopt, false, 1}, {8, 2, 4, 2, 1, false, 3},
                     {7, 1, 1, 1, std::nullopt, false, 2}},
                    false, true}},
        CodiEscrit{"TotAlNivell3", "24UYZ8F73HJD7HV",
                   {4294967295u, 2, {{3, 2, 1, 5, std::nullopt, false, 3}, {4, 1, 5, 3, std::nullopt, false, 3}}}}),
    [](const auto& info) { return std::string(info.param.nom); });

// A code of the first version is still read as the sheet it was: its own code in that
// version again, every series at the usual level, the answers simplified.
TEST(CodiFull, AFirstVersionCodeReadsAsItsSheet) {
  for (const char* codi : {"HFP8", "47SB96YHY9B9S8", "NQ9JP52F3ZB"}) {
    const FullCodificat f = Llegeix(codi);
    EXPECT_EQ(EscriuCodiVersio1(f), codi);
    EXPECT_TRUE(f.respostesSimplificades);
    EXPECT_FALSE(f.resolucio);
    for (const SerieDemanada& s : f.series) EXPECT_EQ(s.nivell, 2);
    EXPECT_NE(EscriuCodi(f), codi) << "the program writes the second version";
  }
}

// A sheet at another level, or with its answers as drawn, has a code that says so.
TEST(CodiFull, LevelsAndOptionsComeBack) {
  for (const int nivell : {1, 2, 3}) {
    for (const bool simplificades : {true, false}) {
      std::vector<SerieDemanada> series = kCincSeries;
      for (SerieDemanada& s : series) s.nivell = nivell;
      FullCodificat f{123456, 1, series, simplificades, !simplificades};
      const auto codi = EscriuCodi(f);
      ASSERT_TRUE(codi);
      f.series[2].forma = 0;  // read back where the subtype asks the form
      EXPECT_EQ(Llegeix(*codi), f);
      EXPECT_LE(codi->size(), 24u) << *codi;
    }
  }
}

// A shared level written series by series is not how any code is written: such a text is
// no code, so that each sheet has exactly one.
TEST(CodiFull, ASharedLevelWrittenTheLongWayIsNoCode) {
  EXPECT_TRUE(std::holds_alternative<ErrorCodi>(LlegeixCodi("2TJBRW")));
}

// The sheet's options travel with its code: opened from the code, the sheet is set as
// it was (answers as drawn, worked solutions).
TEST(CodiFull, TheSheetsOptionsTravelWithItsCode) {
  const auto g = Genera(kCincSeries, 99);
  for (const bool resolucio : {false, true}) {
    for (const bool simplificades : {true, false}) {
      const auto codi = CodiDelLot(g.exercicis, simplificades, resolucio);
      ASSERT_TRUE(codi);
      const OpcionsGenera o = OpcionsDelCodi(Llegeix(*codi));
      EXPECT_EQ(o.resolucio, resolucio) << *codi;
      EXPECT_EQ(o.respostesSimplificades, simplificades) << *codi;
    }
  }
}

// A sheet drawn at a level gives that level's exercises, and its code draws them again.
TEST(CodiFull, TheCodeOfASheetAtALevelDrawsIt) {
  std::vector<SerieDemanada> series{{3, 2, 1, 3, std::nullopt, false, 1}, {2, 1, 3, 2, std::nullopt, false, 3}};
  const auto g = Genera(series, 77);
  for (const Exercici& e : g.exercicis) ASSERT_TRUE(e.recepta);
  EXPECT_EQ(g.exercicis[0].recepta->nivell, 1);
  EXPECT_EQ(g.exercicis[4].recepta->nivell, 3);
  const auto codi = CodiDe(g, series, 77);
  ASSERT_TRUE(codi);
  EXPECT_EQ(Document(Dibuixa(*codi)), Document(g.exercicis));
  EXPECT_EQ(CodiDelLot(g.exercicis), codi);
}

// A code of a later generator than this program's would draw another sheet here: it is
// refused, saying to update the program.
TEST(CodiFull, ACodeOfALaterGeneratorAsksToUpdate) {
  for (const int versio : {VersioGenerador + 1, VersioGenerador + 2, 500}) {
    FullCodificat f{99, 0, {{3, 2, 1, 4}}};
    f.versioGenerador = versio;
    const auto codi = EscriuCodi(f);
    ASSERT_TRUE(codi);
    const auto llegit = LlegeixCodi(*codi);
    ASSERT_TRUE(std::holds_alternative<ErrorCodi>(llegit)) << *codi;
    EXPECT_NE(std::get<ErrorCodi>(llegit).missatge.find("actualitzeu"), std::string::npos);
  }
}

TEST(CodiFull, NoCodeForWhatNoSheetHolds) {
  EXPECT_FALSE(EscriuCodi({1, 0, {}}));                   // no series
  EXPECT_FALSE(EscriuCodi({1, 0, {{1, 1, 1, 51}}}));      // more than 50 exercises
  EXPECT_FALSE(EscriuCodi({1, 0, {{1, 9, 1, 1}}}));       // no such subtype
  EXPECT_FALSE(EscriuCodi({1, 0, {{3, 2, 4, 1}}}));       // cases where the subtype takes none
  EXPECT_FALSE(EscriuCodi({1, 3, {{1, 1, 1, 1}}}));       // no such hint placement
  EXPECT_FALSE(EscriuCodi({1, 0, {{1, 1, 1, 1, std::nullopt, false, 4}}}));  // no such level
  EXPECT_FALSE(EscriuCodi({1, 0, {{1, 1, 1, 1, std::nullopt, false, 0}}}));
}

// What a batch may have gone through, and whether it keeps its code.
struct Retoc {
  const char* nom;
  std::function<void(std::vector<Exercici>&)> fes;
  bool codi;
};
class CodiDelLotRetocat : public testing::TestWithParam<Retoc> {};

TEST_P(CodiDelLotRetocat, HasACodeOnlyWhenTheCodeDrawsIt) {
  auto exercicis = Genera(kCincSeries, 31).exercicis;
  GetParam().fes(exercicis);
  const auto codi = CodiDelLot(exercicis);
  EXPECT_EQ(codi.has_value(), GetParam().codi);
  if (codi) {
    EXPECT_EQ(Document(Dibuixa(*codi)), Document(exercicis));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Retocs, CodiDelLotRetocat,
    testing::Values(
        Retoc{"Intacte", [](auto&) {}, true},
        Retoc{"DarrersEliminats", [](auto& e) { e.resize(9); }, true},
        Retoc{"PrimerEliminat", [](auto& e) { e.erase(e.begin()); }, false},
        Retoc{"DelMigEliminat", [](auto& e) { e.erase(e.begin() + 5); }, false},
        Retoc{"Moguts", [](auto& e) { std::swap(e[0], e[5]); }, false},
        Retoc{"Editat", [](auto& e) { e[2].editat = true; }, false},
        Retoc{"FetAMa", [](auto& e) { e[2].recepta.reset(); }, false},
        Retoc{"SortejatDeNou", [](auto& e) { e[2] = *DibuixaRecepta({3, 2, 1, std::nullopt, 77}); }, false},
        Retoc{"PistaDiferent", [](auto& e) { e[2].posicioPista = 1; }, false},
        Retoc{"LlavorDe64Bits", [](auto& e) { e = Genera(kCincSeries, 1ull << 40).exercicis; }, false},
        Retoc{"Buit", [](auto& e) { e.clear(); }, false}),
    [](const auto& info) { return std::string(info.param.nom); });

// A batch the program draws from a fresh sheet seed, one topic visit after another,
// has a code, including two subtypes drawn in one visit of a topic that draws on leaving.
TEST(CodiFull, ABatchDrawnInTheProgramHasACode) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 918273);
  for (auto [s, n] : {std::pair{1, 1}, {1, 1}, {4, 1}}) ui.Tria(s, static_cast<uint16_t>(n));
  ui.Surt();
  ExecutaTema(prg, 7);
  ui.Tria(2, 3);
  ui.Tria(2, 3);
  ui.Surt();
  ui.formes.assign(6, FormaEq2::SenseTermeLineal);
  ExecutaTema(prg, 8);
  ASSERT_EQ(prg.lot.Nombre(), 5);
  const auto codi = CodiDelLot(prg.lot.Exercicis());
  ASSERT_TRUE(codi);
  EXPECT_EQ(Document(Dibuixa(*codi)), Document(prg.lot.Exercicis()));
}

std::vector<Exercici> AmbFetsAMa() {
  auto exercicis = Genera(kCincSeries, 55).exercicis;
  exercicis[1].recepta.reset();
  exercicis[1].enunciat = "Fet a m\xE0";
  exercicis[4].enunciat += " (editat)";
  exercicis[4].editat = true;
  return exercicis;
}

// Versions keep the structure and the hand-made exercises, and draw the rest anew.
TEST(Versions, ShareTheStructureAndDifferInTheDrawnData) {
  auto original = AmbFetsAMa();
  // One exercise at another level: its versions keep it.
  original[0] = *DibuixaRecepta({3, 2, 1, std::nullopt, original[0].recepta->llavor, 3});
  original[0].posicioPista = 0;
  const auto llavors = LlavorsDeVersions(3, 4);
  std::vector<std::vector<Exercici>> versions;
  for (uint32_t llavor : llavors) versions.push_back(VersioDelLot(original, llavor));
  for (const auto& versio : versions) {
    ASSERT_EQ(versio.size(), original.size());
    int diferents = 0;
    for (std::size_t k = 0; k < original.size(); ++k) {
      const Exercici& a = original[k];
      const Exercici& b = versio[k];
      if (!a.recepta || a.editat) {
        EXPECT_EQ(b, a) << "kept as it is: " << k;
        continue;
      }
      ASSERT_TRUE(b.recepta);
      EXPECT_EQ((std::tuple{b.recepta->tema, b.recepta->subtipus, b.recepta->casos, b.recepta->forma, b.recepta->nivell}),
                (std::tuple{a.recepta->tema, a.recepta->subtipus, a.recepta->casos, a.recepta->forma, a.recepta->nivell}));
      EXPECT_EQ(b.posicioPista, a.posicioPista);
      if (!MateixosTextos(a, b)) ++diferents;
    }
    EXPECT_GT(diferents, 10) << "the drawn data differ";
    EXPECT_FALSE(CodiDelLot(versio)) << "a version with hand-made exercises has no code";
  }
  EXPECT_NE(Document(versions[0]), Document(versions[1]));
}

TEST(Versions, EveryVersionOfAGeneratedSheetHasItsOwnCode) {
  const auto original = Genera(kCincSeries, 8).exercicis;
  std::set<std::string> codis;
  for (uint32_t llavor : LlavorsDeVersions(8, 26)) {
    const auto versio = VersioDelLot(original, llavor);
    const auto codi = CodiDelLot(versio);
    ASSERT_TRUE(codi);
    EXPECT_EQ(Document(Dibuixa(*codi)), Document(versio));
    codis.insert(*codi);
  }
  EXPECT_EQ(codis.size(), 26u);
}

struct NomVersio {
  std::string cami, lletra, esperat;
};
class CamiDeVersio : public testing::TestWithParam<NomVersio> {};
TEST_P(CamiDeVersio, PutsTheLetterBeforeTheExtension) {
  EXPECT_EQ(CamiVersio(GetParam().cami, GetParam().lletra), GetParam().esperat);
}
INSTANTIATE_TEST_SUITE_P(Camins, CamiDeVersio,
                         testing::Values(NomVersio{"full.rtf", "A", "full-A.rtf"},
                                         NomVersio{"dir/full.tirelo", "Z", "dir/full-Z.tirelo"},
                                         NomVersio{"full", "B", "full-B"},
                                         NomVersio{"a.b/full.tex", "C", "a.b/full-C.tex"}));

TEST(Versions, TheLetterGoesInTheTitleLine) {
  EXPECT_EQ(TitolAmbVersio("Full 1", "B"), "Full 1 (B)");
  EXPECT_EQ(TitolAmbVersio("", "C"), "Versi\xF3 C");
  EXPECT_EQ(TitolAmbVersio("Full 1", ""), "Full 1");
  EXPECT_EQ(TitolAmbVersio(std::string(255, 'x'), "A").size(), 255u);
}

}  // namespace
}  // namespace tirelo
