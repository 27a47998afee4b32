// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Genera.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/Suport.h"

#include "shell/CodiFull.h"
#include "shell/Versions.h"

namespace tirelo {
namespace {

std::vector<DescripcioTema> Temes() {
  DescripcioTema a{1, "divisors", "DIVISORS", {"Factoritzaci\xF3", "mcd i MCM"}, {true, true}};
  DescripcioTema b{3, "fraccions", "Fraccions", {"Simplificaci\xF3", "Suma", "Resta", "Multiplicaci\xF3", "Divisi\xF3"},
                   {true, false, false, false, false}};
  DescripcioTema c{4, "pot\xE8ncies", "POT\xC8NCIES", {"a", "b"}, {true, true}};
  return {a, b, c};
}

SerieDemanada Serie(std::string_view text) {
  auto r = LlegeixSerie(text, Temes());
  EXPECT_TRUE(std::holds_alternative<SerieDemanada>(r)) << text;
  return std::holds_alternative<SerieDemanada>(r) ? std::get<SerieDemanada>(r) : SerieDemanada{};
}

std::string ErrorDe(std::string_view text) {
  auto r = LlegeixSerie(text, Temes());
  return std::holds_alternative<ErrorOpcions>(r) ? std::get<ErrorOpcions>(r).missatge : std::string("(cap error)");
}

// A series gives its level as a fifth field; --nivell gives it to every series that
// does not, wherever it stands.
TEST(Genera, LevelOfEachSeriesOrOfNivell) {
  EXPECT_EQ(Serie("3:2:1:5:3").nivell, 3);
  EXPECT_EQ(Serie("3:2:1:5").nivell, 0);  // none given: --nivell decides
  const auto llegit = LlegeixOpcionsGenera(
      {"--serie", "3:2:1:5", "--serie", "1:1:2:1:3", "--nivell", "1", "--json"}, Temes());
  ASSERT_TRUE(std::holds_alternative<OpcionsGenera>(llegit));
  const auto& o = std::get<OpcionsGenera>(llegit);
  EXPECT_EQ(o.series.at(0).nivell, 1);
  EXPECT_EQ(o.series.at(1).nivell, 3);
  const auto habitual = LlegeixOpcionsGenera({"--serie", "3:2", "--json"}, Temes());
  ASSERT_TRUE(std::holds_alternative<OpcionsGenera>(habitual));
  EXPECT_EQ(std::get<OpcionsGenera>(habitual).series.at(0).nivell, 2);
  for (const char* dolent : {"0", "4", "x"}) {
    const auto r = LlegeixOpcionsGenera({"--serie", "3:2", "--nivell", dolent, "--json"}, Temes());
    ASSERT_TRUE(std::holds_alternative<ErrorOpcions>(r)) << dolent;
    EXPECT_EQ(std::get<ErrorOpcions>(r).missatge, "--nivell ha de ser 1, 2 o 3");
  }
}

TEST(Genera, SeriesByNumberOrNameWithDefaults) {
  const auto s = Serie("3:2");
  EXPECT_EQ(s.tema, 3);
  EXPECT_EQ(s.subtipus, 2);
  EXPECT_EQ(s.casos, 1);
  EXPECT_EQ(s.exercicis, 1);
  const auto t = Serie("fraccions:1:4:3");
  EXPECT_EQ(t.tema, 3);
  EXPECT_EQ(t.casos, 4);
  EXPECT_EQ(t.exercicis, 3);
  // Case and accents are optional; the argument arrives as UTF-8.
  EXPECT_EQ(Serie("Pot\xC3\xA8ncies:1").tema, 4);
  EXPECT_EQ(Serie("POTENCIES:2").tema, 4);
  EXPECT_EQ(Serie("potencies:2:1:50").exercicis, 50);
}

TEST(Genera, BadSeriesNameTheProblem) {
  EXPECT_NE(ErrorDe("9:1").find("no existeix"), std::string::npos);
  EXPECT_NE(ErrorDe("algebra:1").find("no existeix"), std::string::npos);
  EXPECT_NE(ErrorDe("3:6").find("subtipus"), std::string::npos);
  EXPECT_NE(ErrorDe("3:0").find("subtipus"), std::string::npos);
  EXPECT_NE(ErrorDe("3:x").find("subtipus"), std::string::npos);
  EXPECT_NE(ErrorDe("3").find("TEMA:SUBTIPUS"), std::string::npos);
  EXPECT_NE(ErrorDe("3:1:2:3:2:4").find("TEMA:SUBTIPUS"), std::string::npos);
  EXPECT_NE(ErrorDe("3:1:2:3:0").find("nivell"), std::string::npos);
  EXPECT_NE(ErrorDe("3:1:2:3:4").find("nivell"), std::string::npos);
  EXPECT_NE(ErrorDe("3:1:0").find("casos"), std::string::npos);
  EXPECT_NE(ErrorDe("3:1:256").find("casos"), std::string::npos);
  EXPECT_NE(ErrorDe("3:1:99999999999999999999").find("casos"), std::string::npos);
  EXPECT_NE(ErrorDe("3:2:3").find("no admet"), std::string::npos);  // Suma takes no number of cases
  EXPECT_EQ(Serie("3:2:1:2").exercicis, 2);                         // ...but 1 case is what it makes
  EXPECT_NE(ErrorDe("3:1:1:0").find("exercicis"), std::string::npos);
  EXPECT_NE(ErrorDe("3:1:1:51").find("exercicis"), std::string::npos);
  EXPECT_NE(ErrorDe("\xFF:1").find("no existeix"), std::string::npos);  // not UTF-8
}

std::variant<OpcionsGenera, ErrorOpcions> Opcions(std::vector<std::string> args) {
  return LlegeixOpcionsGenera(args, Temes());
}

TEST(Genera, OptionsAndTheirDefaults) {
  const auto r = Opcions({"--serie", "3:1:2", "--serie", "1:2", "--llavor", "7", "--sortida", "full.rtf"});
  ASSERT_TRUE(std::holds_alternative<OpcionsGenera>(r));
  const auto& o = std::get<OpcionsGenera>(r);
  EXPECT_EQ(o.series.size(), 2u);
  EXPECT_EQ(o.llavor, std::optional<uint64_t>(7));
  EXPECT_EQ(o.forma, 0);
  EXPECT_EQ(o.pista, 0);
  EXPECT_EQ(o.disposicio, 1);
  EXPECT_EQ(o.titol, "");
  EXPECT_EQ(o.sortida, "full.rtf");
  EXPECT_FALSE(o.json);

  const auto t = Opcions({"--json", "--serie", "1:1", "--titol", "S\xC3\xA8rie \xE2\x82\xAC", "--forma", "3",
                          "--pista", "2", "--disposicio", "0"});
  ASSERT_TRUE(std::holds_alternative<OpcionsGenera>(t));
  EXPECT_EQ(std::get<OpcionsGenera>(t).titol, "S\xE8rie \x80");  // kept as Windows-1252
  EXPECT_EQ(std::get<OpcionsGenera>(t).forma, 3);
  EXPECT_TRUE(std::get<OpcionsGenera>(Opcions({"--help"})).ajuda);
}

TEST(Genera, BadOptionsAreRefusedWithOneLine) {
  auto error = [](std::vector<std::string> args) {
    const auto r = Opcions(std::move(args));
    return std::holds_alternative<ErrorOpcions>(r) ? std::get<ErrorOpcions>(r).missatge : std::string();
  };
  EXPECT_NE(error({"--serie", "1:1", "--json", "--color"}).find("--color"), std::string::npos);
  EXPECT_NE(error({"--json"}).find("--serie"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1"}).find("--sortida"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1", "--json", "--llavor"}).find("--llavor"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1", "--json", "--llavor", "-3"}).find("--llavor"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1", "--json", "--forma", "4"}).find("--forma"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1", "--json", "--pista", "3"}).find("--pista"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1", "--json", "--disposicio", "2"}).find("--disposicio"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1", "--json", "--titol", "\xCE\xB1"}).find("--titol"), std::string::npos);
  EXPECT_NE(error({"--serie", "1:1:1:30", "--serie", "3:1:1:21", "--json"}).find("50"), std::string::npos);
  for (const auto& m : {error({"--json"}), error({"--serie", "x"})}) EXPECT_EQ(m.find('\n'), std::string::npos);
}

// A code stands for the series, the seed and the hint placement it carries.
TEST(Genera, ACodeGivesItsSeriesSeedAndHints) {
  const FullCodificat full{123, 2, {{8, 2, 3, 2, 1}, {1, 1, 12, 1}}};
  const auto r = Opcions({"--codi", *EscriuCodi(full), "--sortida", "f.rtf", "--titol", "T", "--versions", "26"});
  ASSERT_TRUE(std::holds_alternative<OpcionsGenera>(r));
  const auto& o = std::get<OpcionsGenera>(r);
  EXPECT_EQ(o.series, full.series);
  EXPECT_EQ(o.llavor, std::optional<uint64_t>(123));
  EXPECT_EQ(o.pista, 2);
  EXPECT_EQ(o.versions, 26);
  EXPECT_EQ(o.titol, "T");
}

struct OpcionsDolentes {
  const char* nom;
  std::vector<std::string> args;
  std::string diu;  // what the one line names
};
class CodiOVersionsRefusats : public testing::TestWithParam<OpcionsDolentes> {};

TEST_P(CodiOVersionsRefusats, InOneLineThatNamesTheProblem) {
  const std::string codi = *EscriuCodi({5, 0, {{1, 1, 1, 1}}});
  std::vector<std::string> args;
  for (const auto& a : GetParam().args) args.push_back(a == "CODI" ? codi : a);
  const auto r = Opcions(args);
  ASSERT_TRUE(std::holds_alternative<ErrorOpcions>(r));
  const std::string& m = std::get<ErrorOpcions>(r).missatge;
  EXPECT_NE(m.find(GetParam().diu), std::string::npos) << m;
  EXPECT_EQ(m.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Opcions, CodiOVersionsRefusats,
    testing::Values(OpcionsDolentes{"CodiISerie", {"--codi", "CODI", "--serie", "1:1", "--json"}, "--serie"},
                    OpcionsDolentes{"CodiILlavor", {"--llavor", "3", "--codi", "CODI", "--json"}, "--llavor"},
                    OpcionsDolentes{"CodiIForma", {"--codi", "CODI", "--forma", "1", "--json"}, "--forma"},
                    OpcionsDolentes{"CodiIPista", {"--codi", "CODI", "--pista", "1", "--json"}, "--pista"},
                    OpcionsDolentes{"CodiILot", {"--codi", "CODI", "--lot", "a.tirelo", "--json"}, "--lot"},
                    OpcionsDolentes{"CodiMalCopiat", {"--codi", "2345", "--json"}, "mal copiat"},
                    OpcionsDolentes{"CodiSenseValor", {"--json", "--codi"}, "--codi"},
                    OpcionsDolentes{"UnaVersio", {"--serie", "1:1", "--versions", "1", "--sortida", "f.rtf"}, "2 a 26"},
                    OpcionsDolentes{"VintISetVersions", {"--serie", "1:1", "--versions", "27", "--sortida", "f.rtf"},
                                    "2 a 26"},
                    OpcionsDolentes{"VersionsSenseSortida", {"--serie", "1:1", "--versions", "2", "--json"},
                                    "--sortida"},
                    OpcionsDolentes{"VersionsIJson",
                                    {"--serie", "1:1", "--versions", "2", "--json", "--sortida", "f.rtf"},
                                    "--json"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Genera, TheOutputFormatIsPickedByTheExtensionInAnyCase) {
  const std::pair<const char*, std::optional<FormatSortida>> casos[] = {
      {"full.rtf", FormatSortida::Rtf},     {"dir/Full 1.RTF", FormatSortida::Rtf},
      {"full.pdf", FormatSortida::Pdf},     {"full.Pdf", FormatSortida::Pdf},
      {"full.tex", FormatSortida::Latex},   {"full.tirelo", FormatSortida::Lot},
      {"full.doc", std::nullopt},           {"full", std::nullopt},
      {"dir.pdf/full", std::nullopt},       {"full.pdf.txt", std::nullopt},
      {".pdf", FormatSortida::Pdf},         {"full.", std::nullopt},
  };
  for (const auto& [cami, format] : casos) EXPECT_EQ(FormatDeSortida(cami), format) << cami;
}

TEST(Genera, SheetOptionsAndTheirDefaults) {
  const auto res = std::get<OpcionsGenera>(Opcions({"--serie", "1:1", "--sortida", "f.pdf"}));
  EXPECT_FALSE(res.capcalera);
  EXPECT_EQ(res.espai, 0);
  const auto o = std::get<OpcionsGenera>(
      Opcions({"--serie", "1:1", "--capcalera", "--espai", "20", "--sortida", "f.pdf"}));
  EXPECT_TRUE(o.capcalera);
  EXPECT_EQ(o.espai, 20);
}

TEST(Genera, BadSheetOptionsAndUnknownExtensionsAreRefusedWithOneLine) {
  const std::pair<std::vector<std::string>, const char*> casos[] = {
      {{"--espai", "21"}, "--espai"},  {{"--espai", "-1"}, "--espai"}, {{"--espai", "x"}, "--espai"},
      {{"--espai"}, "--espai"},        {{"--sortida", "f.doc"}, ".pdf"}, {{"--sortida", "f"}, ".rtf"},
  };
  for (const auto& [args, diu] : casos) {
    std::vector<std::string> tots = {"--serie", "1:1", "--json"};
    tots.insert(tots.end(), args.begin(), args.end());
    const auto r = Opcions(tots);
    ASSERT_TRUE(std::holds_alternative<ErrorOpcions>(r)) << args[0];
    const std::string& m = std::get<ErrorOpcions>(r).missatge;
    EXPECT_NE(m.find(diu), std::string::npos) << m;
    EXPECT_EQ(m.find('\n'), std::string::npos) << m;
  }
}

// Each format goes to its writer; the typeset PDF to the one given, with the options.
class SortidaGenera : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("tirelo sortida " + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  // Generates one exercise and writes it to `nom` inside the folder.
  std::optional<std::string> Escriu(const std::string& nom, const EscriptorFull& pdf) {
    opcions.series = {SerieDemanada{1, 1, 1, 1}};
    opcions.titol = "Full";
    opcions.capcalera = true;
    opcions.espai = 2;
    opcions.sortida = (dir_ / nom).string();
    const LotGenerat lot = GeneraSeries(opcions, 3);
    return EscriuSortidaGenera(lot, opcions, 3, pdf, codis);
  }
  std::string Llegeix(const std::string& nom) { return prova::LlegeixFitxer((dir_ / nom).string()); }

  std::filesystem::path dir_;
  OpcionsGenera opcions;
  std::vector<std::string> codis;
};

TEST_F(SortidaGenera, APdfGoesToTheGivenWriterWithTheSheetOptions) {
  std::vector<OpcionsFull> rebudes;
  const EscriptorFull pdf = [&](const std::vector<Exercici>& e, const OpcionsFull& o, const std::filesystem::path& c) {
    EXPECT_EQ(e.size(), 1u);
    rebudes.push_back(o);
    std::ofstream(c) << "%PDF";
    return std::optional<std::string>();
  };
  EXPECT_EQ(Escriu("f.pdf", pdf), std::nullopt);
  EXPECT_EQ(Llegeix("f.pdf"), "%PDF");
  ASSERT_EQ(rebudes.size(), 1u);
  EXPECT_EQ(rebudes[0].titol, "Full");
  EXPECT_TRUE(rebudes[0].capcalera);
  EXPECT_EQ(rebudes[0].espai, 2);
  EXPECT_EQ(rebudes[0].versio, "");
  ASSERT_FALSE(rebudes[0].codi.empty()) << "a sheet of generated exercises has a code";
  EXPECT_EQ(codis, std::vector<std::string>{"codi: " + rebudes[0].codi});
}

// Versions go to the writer of their format one by one, each with its letter and code.
TEST_F(SortidaGenera, VersionsCarryTheirLetterAndCodeInEveryFormat) {
  opcions.versions = 3;
  std::vector<OpcionsFull> rebudes;
  const EscriptorFull pdf = [&](const std::vector<Exercici>&, const OpcionsFull& o, const std::filesystem::path& c) {
    rebudes.push_back(o);
    std::ofstream(c) << "%PDF";
    return std::optional<std::string>();
  };
  EXPECT_EQ(Escriu("f.pdf", pdf), std::nullopt);
  ASSERT_EQ(rebudes.size(), 3u);
  for (std::size_t v = 0; v < rebudes.size(); ++v) {
    const std::string lletra = LletraVersio(static_cast<int>(v));
    EXPECT_EQ(rebudes[v].versio, lletra);
    EXPECT_EQ(rebudes[v].espai, 2) << "the sheet options apply to every version";
    EXPECT_EQ(codis.at(v), "codi: " + rebudes[v].codi + " (" + lletra + ")");
    EXPECT_EQ(Llegeix("f-" + lletra + ".pdf"), "%PDF");
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "f.pdf"));
  codis.clear();
  EXPECT_EQ(Escriu("f.tex", {}), std::nullopt);
  for (const char* lletra : {"A", "B", "C"})
    EXPECT_NE(Llegeix(std::string("f-") + lletra + ".tex").find("\\documentclass"), std::string::npos) << lletra;
  EXPECT_EQ(codis.size(), 3u);
}

TEST_F(SortidaGenera, WithoutAPdfWriterNothingIsWrittenAndTheReasonIsGiven) {
  EXPECT_NE(Escriu("f.pdf", {}), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "f.pdf"));
}

TEST_F(SortidaGenera, TheOtherFormatsAreWrittenHere) {
  const EscriptorFull cap = [](const auto&, const auto&, const auto&) -> std::optional<std::string> {
    ADD_FAILURE() << "the PDF writer was called";
    return std::nullopt;
  };
  const std::pair<const char*, const char*> casos[] = {
      {"f.rtf", "{\\rtf"}, {"f.tex", "\\documentclass"}, {"f.tirelo", "{"}};
  for (const auto& [nom, inici] : casos) {
    EXPECT_EQ(Escriu(nom, cap), std::nullopt) << nom;
    EXPECT_EQ(Llegeix(nom).rfind(inici, 0), 0u) << nom;
  }
}

}  // namespace
}  // namespace tirelo
