// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Cataleg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "mathtext/Text.h"
#include "shell/DescPrg.h"
#include "shell/Genera.h"
#include "shell/MenuTemes.h"
#include "shell/Programa.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

// What the user sees of each topic: its menu name, its series window's caption, its
// subtypes and which of them take a number of cases; and the subtypes' ids, which
// sheet codes carry and which never change.
struct Fila {
  const char* nom;
  const char* titol;
  std::vector<std::string> subtipus;
  const char* casos;
  std::vector<int> ids;
};

const Fila kFiles[] = {
    {"divisors", "DIVISORS, mcd i MCM", {"Descomposici\xF3 factorial d'un N\xBA", "mcd i MCM d'un N\xBA"}, "11", {1, 2}},
    {"igualtats notables", "IGUALTATS NOTABLES",
     {"Quadrat del binomi", "Suma per difer\xE8ncia", "Difer\xE8ncia de quadrats"}, "111", {3, 4, 5}},
    {"fraccions", "Fraccions", {"Simplificaci\xF3", "Suma", "Resta", "Multiplicaci\xF3", "Divisi\xF3"}, "10000", {6, 7, 8, 9, 10}},
    {"pot\xE8ncies", "POT\xC8NCIES",
     {"Producte (igual base)", "Divisi\xF3 (igual base)", "Producte (igual exponent)", "Divisi\xF3 (igual exponent)",
      "Pot\xE8ncia de pot\xE8ncia"},
     "11111", {11, 12, 13, 14, 15}},
    {"arrels", "RADICALS", {"Racionalitzar arrel quadrada", "Racionalitzar arrel n", "Racionalitzar suma"}, "111", {16, 17, 18}},
    // "Multiplicar binomis", mended from the misspelt "Multipliar binomis" shown before.
    {"operacions", "OPERACIONS ALG\xC8" "BRIQUES",
     {"Reduir un terme (ex.: 3x2 --> 6x)", "Treure Factor com\xFA", "Treure par\xE8ntesis", "Multiplicar binomis",
      "Simplificar una fracci\xF3 alg\xE8" "brica"},
     "10000", {19, 20, 21, 22, 23}},
    {"percentatges", "OPERACIONS amb TANTS PER CENT",
     {"Rebaixes:preu final", "Rebaixes:preu inicial", "Rebaixes: % rebaixa", "Increments: valor final",
      "Increments: valor inicial", "Increments: % increment"},
     "000000", {24, 25, 26, 27, 28, 29}},
    {"equacions", "EQUACIONS i SISTEMES",
     {"Equaci\xF3 1r. grau", "Equaci\xF3 2n grau", "Equaci\xF3 biquadrada", "Sistema 2 equacions i 2 inc\xF2gnites"},
     "0111", {30, 31, 32, 33}},
    {"funcions", "FUNCIONS TIPUS",
     {"F.Lineal <- pendent i punt", "F.Lineal <- 2 punts", "Par\xE0" "bola <- 3 punts", "Par\xE0" "bola <- v\xE8rtex i punt",
      "Intersecci\xF3 recta/par\xE0" "bola"},
     "00111", {34, 35, 36, 37, 38}},
};

class CatalegTest : public testing::TestWithParam<int> {
 protected:
  const EntradaTema& Entrada() const { return Cataleg()[static_cast<std::size_t>(GetParam() - 1)]; }
  const Fila& Esperada() const { return kFiles[GetParam() - 1]; }
};

TEST_P(CatalegTest, RowIsTheTopicTheUserKnows) {
  EXPECT_EQ(Entrada().nom, Esperada().nom);
  EXPECT_EQ(Entrada().titol, Esperada().titol);
  EXPECT_EQ(Entrada().Subtipus(), Esperada().subtipus);
  std::string casos;
  std::vector<int> ids;
  for (const FilaSubtipus& f : Entrada().files) {
    casos += f.casos ? '1' : '0';
    ids.push_back(f.id);
  }
  EXPECT_EQ(casos, Esperada().casos);
  EXPECT_EQ(ids, Esperada().ids);
}

// The question a row declares is the one its generator asks, at every level.
TEST_P(CatalegTest, DeclaredQuestionIsTheOneTheGeneratorAsks) {
  for (int s = 1; s <= Entrada().NombreSubtipus(); ++s) {
    for (int nivell = NivellMinim; nivell <= Entrada().Fila(s)->nivells; ++nivell) {
      GeneradorAleatori font(static_cast<uint64_t>(s));
      bool demanada = false;
      ContextGenerador ctx{font, 2, [&demanada] {
                             demanada = true;
                             return FormaEq2::Completa;
                           },
                           nivell};
      (void)Entrada().genera(ctx, s);
      EXPECT_EQ(demanada, Entrada().DemanaForma(s)) << "subtype " << s << ", level " << nivell;
    }
  }
}

TEST_P(CatalegTest, DispatchShowsTheRowInTheSeriesWindow) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 1);
  ExecutaTema(prg, static_cast<uint16_t>(GetParam()));
  ASSERT_EQ(ui.peticionsSubtipus.size(), 1u);  // left at once
  EXPECT_EQ(ui.peticionsSubtipus[0].titol, Entrada().titol);
  EXPECT_EQ(ui.peticionsSubtipus[0].subtipus, Entrada().Subtipus());
  for (int s = 1; s <= Entrada().NombreSubtipus(); ++s)
    EXPECT_EQ(ui.peticionsSubtipus[0].casos.at(static_cast<std::size_t>(s) - 1), Entrada().PrenCasos(s)) << s;
  EXPECT_EQ(prg.lot.Nombre(), 0);
}

TEST_P(CatalegTest, EverySubtypeGeneratesAndNoOtherDoes) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 7);
  const int n = static_cast<int>(Entrada().Subtipus().size());
  for (int s = 1; s <= n; ++s) {
    prg.exercici = Exercici{};
    EXPECT_EQ(GeneraDelCataleg(prg, Entrada(), s), EstatGenerador::Fet) << s;
    EXPECT_TRUE(prg.exercici.llest) << s;
    EXPECT_FALSE(prg.exercici.enunciat.empty()) << s;
    EXPECT_FALSE(prg.exercici.resposta.empty()) << s;
  }
  for (const int s : {0, n + 1}) {
    prg.exercici = Exercici{};
    EXPECT_EQ(GeneraDelCataleg(prg, Entrada(), s), EstatGenerador::SubtipusDesconegut) << s;
    EXPECT_FALSE(prg.exercici.llest) << s;
  }
}

TEST_P(CatalegTest, CommandLineLearnsTheRow) {
  const DescripcioTema d = DescriuTemes()[static_cast<std::size_t>(GetParam() - 1)];
  EXPECT_EQ(d.numero, GetParam());
  EXPECT_EQ(d.nom, Entrada().nom);
  EXPECT_EQ(d.titol, Entrada().titol);
  EXPECT_EQ(d.subtipus, Entrada().Subtipus());
  for (int s = 1; s <= static_cast<int>(d.subtipus.size()); ++s) EXPECT_EQ(d.PrenCasos(s), Entrada().PrenCasos(s));
}

TEST_P(CatalegTest, ChoicesGivenBeforehandMakeWhatTheSeriesWindowMakes) {
  prova::InterficieFalsa finestra, sense;
  Programa amb(finestra, 5), donat(sense, 5);
  std::vector<TriaSerie> tries;
  for (int s = 1; s <= static_cast<int>(Entrada().Subtipus().size()); ++s) {
    tries.push_back({s, 200});  // more cases than fit: lost cases are told too
    finestra.Tria(s, 200);
  }
  finestra.Surt();
  ExecutaTema(amb, static_cast<uint16_t>(GetParam()));
  const auto retallats = GeneraTema(donat, static_cast<uint16_t>(GetParam()), tries);
  ASSERT_EQ(donat.lot.Nombre(), amb.lot.Nombre());
  for (int k = 1; k <= amb.lot.Nombre(); ++k) {
    EXPECT_EQ(donat.lot[k].enunciat, amb.lot[k].enunciat);
    EXPECT_EQ(donat.lot[k].resposta, amb.lot[k].resposta);
    EXPECT_EQ(donat.lot[k].pista, amb.lot[k].pista);
  }
  std::vector<CasosRetallats> vistos;
  for (const auto& p : finestra.peticionsSubtipus) {
    if (p.retallats) vistos.push_back(*p.retallats);
  }
  EXPECT_EQ(retallats, vistos);
  EXPECT_TRUE(sense.peticionsSubtipus.empty());  // no series window was asked
  EXPECT_EQ(donat.serie.temaActual, 0);
}

INSTANTIATE_TEST_SUITE_P(Temes, CatalegTest, testing::Range(1, NombreTemes() + 1),
                         [](const testing::TestParamInfo<int>& info) { return "Tema" + std::to_string(info.param); });

// Ids are the ones sheet codes carry: never two alike, so that a code's id names one
// subtype, and every id reads back as its own subtype.
TEST(Cataleg, EveryIdIsOneSubtype) {
  std::set<int> vistos;
  for (int t = 1; t <= NombreTemes(); ++t) {
    const EntradaTema& e = Cataleg()[static_cast<std::size_t>(t) - 1];
    for (int s = 1; s <= e.NombreSubtipus(); ++s) {
      const int id = e.Fila(s)->id;
      EXPECT_GT(id, 0);
      EXPECT_TRUE(vistos.insert(id).second) << "id " << id << " twice";
      const auto lloc = SubtipusDeId(id);
      ASSERT_TRUE(lloc);
      EXPECT_EQ(lloc->tema, t);
      EXPECT_EQ(lloc->subtipus, s);
      EXPECT_EQ(IdDelSubtipus(t, s), id);
    }
  }
  EXPECT_FALSE(SubtipusDeId(0));
  EXPECT_EQ(IdDelSubtipus(NombreTemes() + 1, 1), 0);
}

// What a new topic touches: its own file pair under topics/ and its row in the
// catalogue. Every topic's files are known to the catalogue alone (no other source of
// the program, its fuzzers, benchmarks or tools includes them), and the topic folder
// holds the catalogue's own files, the helpers every topic shares (levels, worked
// solutions) and one pair per row, nothing more.
TEST(Cataleg, ANewTopicIsItsFilePairAndOneRow) {
  namespace fs = std::filesystem;
  const fs::path arrel = TIRELO_FONTS;
  const std::set<std::string> delCataleg{"Cataleg",         "Casos",         "Dibuix",        "Generador",
                                         "FormaEq2",        "Nivells",       "Passos",        "PassosComu",
                                         "PassosAlgebra",   "PassosNombres", "PassosEquacions"};
  std::set<std::string> parells;
  int fitxers = 0;
  for (const auto& f : fs::directory_iterator(arrel / "src/core/topics")) {
    const std::string nom = f.path().stem().string();
    if (delCataleg.count(nom)) continue;
    ++fitxers;
    parells.insert(nom);
  }
  EXPECT_EQ(fitxers, 2 * NombreTemes());
  EXPECT_EQ(static_cast<int>(parells.size()), NombreTemes());
  std::map<std::string, std::set<std::string>> quiInclou;
  for (const char* carpeta : {"src", "fuzz", "bench", "tools"}) {
    if (!fs::exists(arrel / carpeta)) continue;
    for (const auto& f : fs::recursive_directory_iterator(arrel / carpeta)) {
      if (!f.is_regular_file()) continue;
      const std::string text = prova::LlegeixFitxer(f.path().string());
      for (const std::string& tema : parells) {
        if (text.find("\"topics/" + tema + ".h\"") != std::string::npos)
          quiInclou[tema].insert(f.path().filename().string());
      }
    }
  }
  for (const std::string& tema : parells)
    EXPECT_EQ(quiInclou[tema], (std::set<std::string>{tema + ".cpp", "Cataleg.cpp"})) << tema;
}

// The help's table of topics is the catalogue's: each topic's row lists its subtypes by
// position and name, with "*" on those that take cases, in the HTML the help is read in.
TEST(Cataleg, HelpTableListsTheRows) {
  const std::string ajuda = prova::LlegeixFitxer(std::string(TIRELO_FONTS) + "/resources/help/ajuda.html");
  auto Html = [](std::string_view cp1252) {
    std::string r;
    for (const char c : Utf8DeCp1252(cp1252)) {
      if (c == '<') r += "&lt;";
      else if (c == '>') r += "&gt;";
      else if (c == '&') r += "&amp;";
      else r += c;
    }
    return r;
  };
  int tema = 0;
  for (const EntradaTema& e : Cataleg()) {
    ++tema;
    std::string fila = "<tr><td>" + std::to_string(tema) + " " + Html(e.nom) + "</td><td>";
    for (int s = 1; s <= e.NombreSubtipus(); ++s) {
      if (s > 1) fila += "; ";
      fila += std::to_string(s) + " " + Html(e.Subtipus()[static_cast<std::size_t>(s - 1)]) + (e.PrenCasos(s) ? "*" : "");
    }
    fila += "</td></tr>";
    EXPECT_NE(ajuda.find(fila), std::string::npos) << "the help lacks the row " << fila;
  }
}

TEST(Cataleg, MenuListsTheRowsInOrder) {
  const auto menu = MenuDelCataleg();
  ASSERT_EQ(menu.size(), Cataleg().size());
  for (std::size_t k = 0; k < menu.size(); ++k) {
    EXPECT_EQ(menu[k].nom, Cataleg()[k].nom);
    EXPECT_EQ(menu[k].ordre, 201 + static_cast<int>(k));
  }
}

TEST(Cataleg, DispatchOutsideTheCatalogueDoesNothing) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 1);
  for (const int tema : {0, NombreTemes() + 1, 65535}) ExecutaTema(prg, static_cast<uint16_t>(tema));
  EXPECT_TRUE(ui.peticionsSubtipus.empty());
}

// The dispatch's side of a generator's outcome: an exercise gets the closing text and
// the ready flag; leaving or an unknown subtype leaves the exercise unready.
struct Desenllac {
  EstatGenerador estat;
  bool llest;
  const char* enunciat;
};

class DesenllacTest : public testing::TestWithParam<Desenllac> {};

ResultatGenerador Respon(ContextGenerador&, int subtipus) {
  const auto estat = static_cast<EstatGenerador>(subtipus - 1);
  return {estat, estat == EstatGenerador::Fet ? Escriu({"x²", "r", {}}, std::nullopt, Frase(), {}) : Generat{}};
}

TEST_P(DesenllacTest, DispatchAppliesTheOutcome) {
  static constexpr FilaSubtipus kFiles[]{{901, "a"}, {902, "b"}, {903, "c"}};
  const EntradaTema entrada{"prova", "PROVA", kFiles, Respon, nullptr, " #0 "};
  prova::InterficieFalsa ui;
  Programa prg(ui, 1);
  EXPECT_EQ(GeneraDelCataleg(prg, entrada, static_cast<int>(GetParam().estat) + 1), GetParam().estat);
  EXPECT_EQ(prg.exercici.llest, GetParam().llest);
  EXPECT_EQ(prg.exercici.enunciat, GetParam().enunciat);
}

INSTANTIATE_TEST_SUITE_P(Cataleg, DesenllacTest,
                         testing::Values(Desenllac{EstatGenerador::Fet, true, "x² #0 "},
                                         Desenllac{EstatGenerador::Sortit, false, ""},
                                         Desenllac{EstatGenerador::SubtipusDesconegut, false, ""}));

}  // namespace
}  // namespace tirelo
