// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Cataleg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/DescPrg.h"
#include "shell/Genera.h"
#include "shell/MenuTemes.h"
#include "shell/Programa.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

// What the user sees of each topic: its menu name, its series window's caption, its
// subtypes and which of them take a number of cases.
struct Fila {
  const char* nom;
  const char* titol;
  std::vector<std::string> subtipus;
  const char* casos;
};

const Fila kFiles[] = {
    {"divisors", "DIVISORS, mcd i MCM", {"Descomposici\xF3 factorial d'un N\xBA", "mcd i MCM d'un N\xBA"}, "11"},
    {"igualtats notables", "IGUALTATS NOTABLES",
     {"Quadrat del binomi", "Suma per difer\xE8ncia", "Difer\xE8ncia de quadrats"}, "111"},
    {"fraccions", "Fraccions", {"Simplificaci\xF3", "Suma", "Resta", "Multiplicaci\xF3", "Divisi\xF3"}, "10000"},
    {"pot\xE8ncies", "POT\xC8NCIES",
     {"Producte (igual base)", "Divisi\xF3 (igual base)", "Producte (igual exponent)", "Divisi\xF3 (igual exponent)",
      "Pot\xE8ncia de pot\xE8ncia"},
     "11111"},
    {"arrels", "RADICALS", {"Racionalitzar arrel quadrada", "Racionalitzar arrel n", "Racionalitzar suma"}, "111"},
    // "Multiplicar binomis", mended from the misspelt "Multipliar binomis" shown before.
    {"operacions", "OPERACIONS ALG\xC8" "BRIQUES",
     {"Reduir un terme (ex.: 3x2 --> 6x)", "Treure Factor com\xFA", "Treure par\xE8ntesis", "Multiplicar binomis",
      "Simplificar una fracci\xF3 alg\xE8" "brica"},
     "10000"},
    {"percentatges", "OPERACIONS amb TANTS PER CENT",
     {"Rebaixes:preu final", "Rebaixes:preu inicial", "Rebaixes: % rebaixa", "Increments: valor final",
      "Increments: valor inicial", "Increments: % increment"},
     "000000"},
    {"equacions", "EQUACIONS i SISTEMES",
     {"Equaci\xF3 1r. grau", "Equaci\xF3 2n grau", "Equaci\xF3 biquadrada", "Sistema 2 equacions i 2 inc\xF2gnites"},
     "0111"},
    {"funcions", "FUNCIONS TIPUS",
     {"F.Lineal <- pendent i punt", "F.Lineal <- 2 punts", "Par\xE0" "bola <- 3 punts", "Par\xE0" "bola <- v\xE8rtex i punt",
      "Intersecci\xF3 recta/par\xE0" "bola"},
     "00111"},
};

class CatalegTest : public testing::TestWithParam<int> {
 protected:
  const EntradaTema& Entrada() const { return Cataleg()[static_cast<std::size_t>(GetParam() - 1)]; }
  const Fila& Esperada() const { return kFiles[GetParam() - 1]; }
};

TEST_P(CatalegTest, RowIsTheTopicTheUserKnows) {
  EXPECT_EQ(Entrada().nom, Esperada().nom);
  EXPECT_EQ(Entrada().tema.titol, Esperada().titol);
  EXPECT_EQ(Entrada().Subtipus(), Esperada().subtipus);
  EXPECT_EQ(Entrada().tema.cadenaCasos, Esperada().casos);
}

TEST_P(CatalegTest, DispatchShowsTheRowInTheSeriesWindow) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 1);
  ExecutaTema(prg, static_cast<uint16_t>(GetParam()));
  ASSERT_EQ(ui.peticionsSubtipus.size(), 1u);  // left at once
  EXPECT_EQ(ui.peticionsSubtipus[0].titol, Entrada().tema.titol);
  EXPECT_EQ(ui.peticionsSubtipus[0].subtipus, Entrada().Subtipus());
  EXPECT_EQ(ui.peticionsSubtipus[0].casos, Entrada().tema.cadenaCasos);
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
  EXPECT_EQ(d.titol, Entrada().tema.titol);
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

INSTANTIATE_TEST_SUITE_P(Temes, CatalegTest, testing::Range(1, 10),
                         [](const testing::TestParamInfo<int>& info) { return "Tema" + std::to_string(info.param); });

TEST(Cataleg, MenuListsTheRowsInOrder) {
  const auto menu = ConstrueixMenuTemes(DescripcioTirelo().llistaTemes);
  ASSERT_EQ(menu.size(), Cataleg().size());
  for (std::size_t k = 0; k < menu.size(); ++k) {
    EXPECT_EQ(menu[k].nom, Cataleg()[k].nom);
    EXPECT_EQ(menu[k].ordre, 201 + static_cast<int>(k));
  }
}

TEST(Cataleg, DispatchOutsideTheCatalogueDoesNothing) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 1);
  for (const uint16_t tema : {0, 10, 65535}) ExecutaTema(prg, tema);
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
  const EntradaTema entrada{"prova", {"PROVA", "a;b;c", "000"}, Respon, nullptr, " #0 "};
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
