// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Serie.h"

#include <gtest/gtest.h>

#include "support/Suport.h"
#include "topics/Casos.h"
#include "shell/ExecutaTema.h"
#include "shell/PassosSerie.h"

namespace tirelo {
namespace {

class SerieTest : public ::testing::Test {
 protected:
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};

  void Prepara(const std::string& enunciat, bool llest = true) {
    prg.exercici = Exercici{enunciat, "R", "P", 0, llest};
  }
};

// A topic whose generator writes "S<k>" into the exercise, or leaves it unready for k = 3.
const Tema kTemaProva{"PROVA", {{"u", true}, {"dos", true}, {"tres", false}}};
void GeneraProva(Programa& prg, int k) {
  prg.exercici.enunciat = "S" + std::to_string(k);
  prg.exercici.resposta = std::string(300, 'r');
  prg.exercici.pista = std::string(100, 'p');
  prg.exercici.posicioPista = 1;  // ignored: the option decides
  prg.exercici.llest = k != 3;
}

TEST_F(SerieTest, CaseLabelsAndSeparators) {
  prg.serie.nombreCasos = 3;
  EXPECT_EQ(EtiquetaCas(prg, 1) + EtiquetaCas(prg, 2) + EtiquetaCas(prg, 3), "a) b) c) ");
  EXPECT_EQ(SeparadorCas(prg.serie.nombreCasos, 1), ",  ");
  EXPECT_EQ(SeparadorCas(prg.serie.nombreCasos, 2), ",  ");
  EXPECT_EQ(SeparadorCas(prg.serie.nombreCasos, 3), "");
  // Past "z) " the labels go on in letters: the codes after 'z' are '{', '|', '}',
  // which the document would take for RTF groups and the markup's bar.
  prg.serie.nombreCasos = 255;
  EXPECT_EQ(EtiquetaCas(prg, 26), "z) ");
  EXPECT_EQ(EtiquetaCas(prg, 27), "aa) ");
  EXPECT_EQ(EtiquetaCas(prg, 29), "ac) ");
  EXPECT_EQ(EtiquetaCas(prg, 52), "az) ");
  EXPECT_EQ(EtiquetaCas(prg, 53), "ba) ");
  EXPECT_EQ(EtiquetaCas(prg, 255), "iu) ");
  for (int i = 1; i <= 255; ++i) {
    const std::string lletres = LletresCas(i);
    ASSERT_EQ(lletres.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << i;
  }
  prg.serie.nombreCasos = 1;
  EXPECT_EQ(EtiquetaCas(prg, 1), "");
  EXPECT_EQ(SeparadorCas(prg.serie.nombreCasos, 1), "");
}

TEST_F(SerieTest, CaseTextsTakeWholeCasesOnlyAndNothingAfterTheFirstThatDoesNotFit) {
  prg.serie.nombreCasos = 4;
  TextsCasos t("E: ", "", 30, 18);
  EXPECT_TRUE(t.AfegeixCas(prg.serie.nombreCasos, 1, "1/2", "x"));
  EXPECT_TRUE(t.AfegeixCas(prg.serie.nombreCasos, 2, "3/4", "y"));
  EXPECT_FALSE(t.AfegeixCas(prg.serie.nombreCasos, 3, "5", "zzzzz"));  // the answer would reach 22 characters
  EXPECT_FALSE(t.AfegeixCas(prg.serie.nombreCasos, 4, "", ""));        // fits, but would follow a missing case
  EXPECT_EQ(t.Enunciat().Text(), "E: a) 1/2,  b) 3/4");
  EXPECT_EQ(t.Resposta().Text(), "a) x,  b) y");
}

TEST_F(SerieTest, CaseTextsFollowTheLayoutOfEachTextAndCountItInTheLimit) {
  prg.serie.nombreCasos = 3;
  TextsCasos t("E:", "R:", 20, 40);
  t.Disposa({"  ", false}, {"\r", true});
  EXPECT_TRUE(t.AfegeixCas(prg.serie.nombreCasos, 1, "x1", "1"));
  EXPECT_TRUE(t.AfegeixCas(prg.serie.nombreCasos, 2, "y2", "2"));
  EXPECT_FALSE(t.AfegeixCas(prg.serie.nombreCasos, 3, "z", "3"));  // "  c) z" would take the statement to 22
  EXPECT_EQ(t.Enunciat().Text(), "E:  a) x1  b) y2");
  EXPECT_EQ(t.Resposta().Text(), "R:\ra) 1,  \rb) 2");
}

TEST(CampCasos, WholeNumbersInRangeAreRead) {
  EXPECT_EQ(LlegeixCampCasos("3").valor, 3);
  EXPECT_EQ(LlegeixCampCasos("  12\t").valor, 12);
  EXPECT_EQ(LlegeixCampCasos("+7").valor, 7);
  EXPECT_EQ(LlegeixCampCasos("255").lectura, LecturaCasos::Valid);
  EXPECT_EQ(LlegeixCampCasos("1").lectura, LecturaCasos::Valid);
}

TEST(CampCasos, TextThatIsNoNumberKeepsTheWindowOpenSilently) {
  for (const char* t : {"x", "3x", "1 2", "+-5", "--5", "++5", "-", "+", "3.0", "0x10"}) {
    EXPECT_EQ(LlegeixCampCasos(t).lectura, LecturaCasos::NoEsNombre) << t;
  }
}

TEST(CampCasos, ValuesOutsideOneTo255AreRefused) {
  for (const char* t : {"", "   ", "0", "-0", "-3", "256", "65537", "99999999999999999999999"}) {
    EXPECT_EQ(LlegeixCampCasos(t).lectura, LecturaCasos::ForaDeRang) << '"' << t << '"';
  }
}

TEST_F(SerieTest, AskingForASubtypeRefreshesClearsAndDescribesTheTopic) {
  prg.serie.titolTema = "IGUALTATS NOTABLES";
  prg.serie.subtipus = {{"Quadrat d'una suma", true}, {"Suma per difer\xE8ncia", false}};
  prg.serie.nombreCasos = 4;
  prg.serie.nivell = 3;
  Prepara("vell");
  ui.respostesSubtipus.push_back({true, 2, 5, 1});
  EXPECT_EQ(DemanaSeguentSubtipus(prg), 2);
  EXPECT_EQ(ui.estatsCanviats, 1);
  EXPECT_FALSE(prg.exercici.llest);
  EXPECT_EQ(prg.exercici.pista, "");
  const PeticioSubtipus& p = ui.peticionsSubtipus.at(0);
  EXPECT_EQ(p.titol, "IGUALTATS NOTABLES");
  EXPECT_EQ(p.subtipus, (std::vector<std::string>{"Quadrat d'una suma", "Suma per difer\xE8ncia"}));
  EXPECT_EQ(p.casos, (std::vector<bool>{true, false}));
  EXPECT_EQ(p.seleccio, 1);  // remembered 0 stands for 1
  EXPECT_EQ(p.nombreCasos, 4);
  EXPECT_EQ(p.nivell, 3);
  EXPECT_EQ(prg.serie.subtipusRecordat, 2);
  EXPECT_EQ(prg.serie.nombreCasos, 5);
  EXPECT_EQ(prg.serie.nivell, 1);  // the level chosen holds for the next exercises
}

TEST_F(SerieTest, RememberedSubtypeBeyondTheListSelectsNothingAndBeEnds) {
  prg.serie.subtipus = {{"a"}, {"b"}, {"c"}};
  prg.serie.subtipusRecordat = 5;
  ui.respostesSubtipus.push_back({true, 0, 1});  // "Bé" with no line selected
  EXPECT_EQ(DemanaSeguentSubtipus(prg), 0);
  EXPECT_EQ(ui.peticionsSubtipus.at(0).seleccio, 0);
  EXPECT_EQ(prg.serie.subtipusRecordat, 0);
}

TEST_F(SerieTest, LeavingOrAWindowThatCannotOpenAnswersZeroAndKeepsTheValues) {
  prg.serie.subtipus = {{"a"}, {"b"}};
  prg.serie.subtipusRecordat = 2;
  prg.serie.nombreCasos = 3;
  ui.Surt();
  EXPECT_EQ(DemanaSeguentSubtipus(prg), 0);
  EXPECT_EQ(DemanaSeguentSubtipus(prg), 0);  // unscripted: the fake answers "not accepted"
  EXPECT_EQ(prg.serie.subtipusRecordat, 2);
  EXPECT_EQ(prg.serie.nombreCasos, 3);
}

TEST_F(SerieTest, ACountOutsideOneTo255FromTheSeamLeavesTheNumberOfCases) {
  prg.serie.subtipus = {{"a"}, {"b"}};
  prg.serie.nombreCasos = 3;
  ui.Tria(1, 0);
  ui.Tria(1, 256);
  ui.respostesSubtipus.push_back({true, 7, 2});  // a line the list does not have
  EXPECT_EQ(DemanaSeguentSubtipus(prg), 1);
  EXPECT_EQ(DemanaSeguentSubtipus(prg), 1);
  EXPECT_EQ(prg.serie.nombreCasos, 3);
  EXPECT_EQ(DemanaSeguentSubtipus(prg), 0);
}

TEST_F(SerieTest, AppendStepNeedsAReadyExerciseWithAStatement) {
  Prepara("A", false);
  PasAfegir(prg);
  Prepara("", true);
  PasAfegir(prg);
  EXPECT_EQ(prg.lot.Nombre(), 0);
  Prepara("A");
  PasAfegir(prg);
  EXPECT_EQ(prg.lot.Nombre(), 1);
  EXPECT_EQ(ui.estatsCanviats, 1);
}

TEST_F(SerieTest, HintOptionOverridesTheGenerator) {
  prg.serie.opcioPista = 2;
  Prepara("A");
  prg.exercici.posicioPista = 1;
  PasAfegir(prg);
  EXPECT_EQ(prg.lot[1].posicioPista, 2);
  prg.serie.opcioPista = 0;
  Prepara("B");
  prg.exercici.posicioPista = 2;
  PasAfegir(prg);
  EXPECT_EQ(prg.lot[2].posicioPista, 0);
  EXPECT_EQ(prg.lot[1].posicioPista, 2);  // appended exercises keep theirs
}

TEST_F(SerieTest, ApprovalAppendsTheAcceptedEditsAndCancelDropsTheExercise) {
  prg.serie.opcioConformitat = true;
  prg.serie.opcioPista = 1;
  ui.editor = [](Exercici& e) { e.enunciat += " editat"; };
  ui.respostesEditor = {true, false};
  Prepara("A");
  PasAfegir(prg);
  ASSERT_EQ(prg.lot.Nombre(), 1);
  EXPECT_EQ(prg.lot[1].enunciat, "A editat");
  EXPECT_EQ(ui.exercicisEditats.at(0).posicioPista, 1);  // the editor sees the placement
  Prepara("B");
  PasAfegir(prg);
  EXPECT_EQ(prg.lot.Nombre(), 1);
  EXPECT_FALSE(prg.exercici.llest);
}

TEST_F(SerieTest, FullBatchRefusesBeforeTheEditorAndKeepsTheExercise) {
  for (int k = 0; k < Lot::Maxim; ++k) {
    Prepara("E");
    PasAfegir(prg);
  }
  prg.serie.opcioConformitat = true;
  Prepara("51");
  PasAfegir(prg);
  EXPECT_EQ(prg.lot.Nombre(), Lot::Maxim);
  EXPECT_TRUE(ui.exercicisEditats.empty());
  EXPECT_EQ(ui.avisos.size(), 1u);
  EXPECT_EQ(prg.exercici.enunciat, "51");
}

TEST_F(SerieTest, TopicLoopGeneratesCutsAppendsAndEndsWhenLeft) {
  prg.serie.opcioPista = 2;
  ui.Tria(2);
  ui.Tria(3);  // unready: not appended, the window opens again
  ui.Tria(1);
  std::vector<int> generats;
  BucleTema(prg, kTemaProva, [&](Programa& p, int k) {
    generats.push_back(k);
    GeneraProva(p, k);
  });
  EXPECT_EQ(generats, (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(ui.peticionsSubtipus.size(), 4u);
  EXPECT_EQ(ui.peticionsSubtipus[0].titol, "PROVA");
  EXPECT_EQ(ui.peticionsSubtipus[0].casos, (std::vector<bool>{true, true, false}));
  ASSERT_EQ(prg.lot.Nombre(), 2);
  EXPECT_EQ(prg.lot[1].enunciat, "S2");
  EXPECT_EQ(prg.lot[2].enunciat, "S1");
  EXPECT_EQ(prg.lot[1].resposta.size(), 255u);
  EXPECT_EQ(prg.lot[1].pista.size(), 80u);
  EXPECT_EQ(prg.lot[1].posicioPista, 2);
  EXPECT_EQ(prg.serie.subtipusRecordat, 1);
}

// Cases of 100 characters: two fit in a text. The next series window says how many
// cases the exercise before it holds when fewer than asked fit, and nothing when all
// fit or when the subtype takes no number of cases (3 in "110").
TEST_F(SerieTest, TheNextSeriesWindowTellsTheCasesThatDidNotFit) {
  struct Pas {
    int subtipus;
    uint16_t demanats;
    std::optional<CasosRetallats> dit;  // by the series window after it
  };
  const Pas passos[] = {
      {1, 5, CasosRetallats{1, 5, 2}},
      {2, 2, std::nullopt},
      {3, 5, std::nullopt},
      {2, 3, CasosRetallats{4, 3, 2}},
  };
  for (const Pas& p : passos) ui.Tria(p.subtipus, p.demanats);
  BucleTema(prg, kTemaProva, [](Programa& p, int) {
    ContextGenerador ctx = ContextDelPrograma(p);
    PosaGenerat(p, EscriuCasos(ctx, "", [](ContextGenerador&) { return Cas{std::string(100, 'x'), "r"}; }));
  });
  ASSERT_EQ(prg.lot.Nombre(), 4);
  ASSERT_EQ(ui.peticionsSubtipus.size(), std::size(passos) + 1);
  EXPECT_FALSE(ui.peticionsSubtipus[0].retallats);
  for (std::size_t i = 0; i < std::size(passos); ++i)
    EXPECT_EQ(ui.peticionsSubtipus[i + 1].retallats, passos[i].dit) << "step " << i;
  EXPECT_FALSE(prg.serie.retallats);  // told once
}

TEST(Serie, TheLostCasesNotice) {
  EXPECT_EQ(TextCasosRetallats({3, 12, 5}), "Exercici 3: hi caben 5 casos dels 12 demanats.");
}

}  // namespace
}  // namespace tirelo
