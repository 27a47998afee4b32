// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Lot.h"

#include <gtest/gtest.h>

#include "support/Suport.h"
#include "shell/OrdresLot.h"

namespace tirelo {
namespace {

Exercici Ex(const std::string& enunciat, const std::string& resposta = "r", const std::string& pista = "",
            int32_t posicio = 0) {
  return Exercici{enunciat, resposta, pista, posicio, true};
}

class LotTest : public ::testing::Test {
 protected:
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};

  // Fills the batch with exercises "E1".."En" (answers "R1".."Rn") and selects sel.
  void Omple(int n, int sel) {
    for (int k = 1; k <= n; ++k) Afegeix(prg, Ex("E" + std::to_string(k), "R" + std::to_string(k)));
    prg.lot.Selecciona(sel);
    ui.estatsCanviats = 0;
  }
  std::vector<std::string> Enunciats() const {
    std::vector<std::string> v;
    for (const auto& e : prg.lot.Exercicis()) v.push_back(e.enunciat);
    return v;
  }
};

TEST_F(LotTest, ListLinesCaptionAndEnabledStatesFollowTheCount) {
  EXPECT_EQ(TextCaptio(prg), "Exercicis de Tirelo. N\xBA exercicis: 0");
  EstatControls buit = CalculaEstat(prg.lot);
  EXPECT_FALSE(buit.editar || buit.eliminar || buit.pujar || buit.baixar || buit.desar || buit.obrir ||
               buit.reiniciar || buit.etiquetaNegra);

  Afegeix(prg, Ex("A"));
  EXPECT_EQ(prg.lot.Seleccio(), 1);  // the new line is selected
  EXPECT_EQ(ui.estatsCanviats, 1);
  EstatControls u = CalculaEstat(prg.lot);
  EXPECT_TRUE(u.editar && u.eliminar && u.desar && u.obrir && u.reiniciar && u.etiquetaNegra);
  EXPECT_FALSE(u.pujar || u.baixar);

  Afegeix(prg, Ex("B"));
  Afegeix(prg, Ex("Calcula:   (x+3)^2"));
  EstatControls tres = CalculaEstat(prg.lot);
  EXPECT_TRUE(tres.pujar && tres.baixar);
  EXPECT_EQ(prg.lot.Seleccio(), 3);
  EXPECT_EQ(TextCaptio(prg), "Exercicis de Tirelo. N\xBA exercicis: 3");
  EXPECT_EQ(LiniesLlista(prg.lot), (std::vector<std::string>{"1]A", "2]B", "3]Calcula:   (x+3)^2"}));
}

TEST_F(LotTest, LongListLineIsCutTo255) {
  Omple(9, 0);
  Afegeix(prg, Ex(std::string(255, 'x')));
  const auto linies = LiniesLlista(prg.lot);
  EXPECT_EQ(linies[9].size(), 255u);
  EXPECT_EQ(linies[9].substr(0, 4), "10]x");
}

TEST_F(LotTest, DeleteKeepsThePositionOrTakesTheNewLast) {
  Omple(3, 2);
  EliminaSeleccionat(prg);
  ASSERT_EQ(ui.preguntes.size(), 1u);
  EXPECT_EQ(ui.preguntes[0].text, "Eliminar l'exercici seleccionat?");
  EXPECT_EQ(ui.preguntes[0].titol, "*Confirmar eliminar*");
  EXPECT_EQ(Enunciats(), (std::vector<std::string>{"E1", "E3"}));
  EXPECT_EQ(prg.lot.Seleccio(), 2);
  EXPECT_EQ(ui.estatsCanviats, 1);

  Omple(1, 3);  // E1, E3, E1: delete the last
  EliminaSeleccionat(prg);
  EXPECT_EQ(prg.lot.Seleccio(), 2);
  EXPECT_EQ(prg.lot.Nombre(), 2);

  prg.lot.Selecciona(1);
  EliminaSeleccionat(prg);
  prg.lot.Selecciona(1);
  EliminaSeleccionat(prg);
  EXPECT_EQ(prg.lot.Nombre(), 0);
  EXPECT_EQ(prg.lot.Seleccio(), 0);
}

TEST_F(LotTest, DeleteAnsweredNoOrWithoutSelectionChangesNothing) {
  Omple(3, 2);
  ui.respostesPreguntes = {false};
  EliminaSeleccionat(prg);
  EXPECT_EQ(prg.lot.Nombre(), 3);
  EXPECT_EQ(prg.lot.Seleccio(), 2);
  EXPECT_EQ(ui.estatsCanviats, 0);

  prg.lot.Selecciona(0);
  EliminaSeleccionat(prg);
  EXPECT_EQ(prg.lot.Nombre(), 3);
  EXPECT_EQ(ui.preguntes.size(), 1u);  // no second question
}

TEST_F(LotTest, MovesExchangeWholeExercisesAndFollowTheSelection) {
  Omple(2, 0);
  Afegeix(prg, Ex("E3", "R3", "P3", 2));
  prg.lot.Selecciona(3);
  PujaSeleccionat(prg);
  EXPECT_EQ(prg.lot[2], Ex("E3", "R3", "P3", 2));
  EXPECT_EQ(prg.lot[3], Ex("E2", "R2"));
  EXPECT_EQ(prg.lot.Seleccio(), 2);

  BaixaSeleccionat(prg);
  EXPECT_EQ(Enunciats(), (std::vector<std::string>{"E1", "E2", "E3"}));
  EXPECT_EQ(prg.lot.Seleccio(), 3);
}

TEST_F(LotTest, MovesAtTheEndsOrWithoutSelectionChangeNothing) {
  Omple(3, 1);
  PujaSeleccionat(prg);
  prg.lot.Selecciona(3);
  BaixaSeleccionat(prg);
  prg.lot.Selecciona(0);
  PujaSeleccionat(prg);
  BaixaSeleccionat(prg);
  EXPECT_EQ(Enunciats(), (std::vector<std::string>{"E1", "E2", "E3"}));
  EXPECT_EQ(ui.estatsCanviats, 0);
}

TEST_F(LotTest, ResetAsksOnlyWithExercisesAndClearsTheWrittenDocument) {
  Reinicia(prg);
  EXPECT_TRUE(ui.preguntes.empty());

  Omple(2, 1);
  prg.document.escrit = true;
  ui.respostesPreguntes = {false};
  Reinicia(prg);
  EXPECT_EQ(prg.lot.Nombre(), 2);
  EXPECT_TRUE(prg.document.escrit);

  Reinicia(prg);
  ASSERT_EQ(ui.preguntes.size(), 2u);
  EXPECT_EQ(ui.preguntes[1].text, "Reiniciar Lot a 0? ");
  EXPECT_EQ(ui.preguntes[1].titol, "Reinici Lot");
  EXPECT_EQ(prg.lot.Nombre(), 0);
  EXPECT_EQ(prg.lot.Seleccio(), 0);
  EXPECT_FALSE(prg.document.escrit);
  EXPECT_TRUE(LiniesLlista(prg.lot).empty());
  EXPECT_EQ(TextCaptio(prg), "Exercicis de Tirelo. N\xBA exercicis: 0");
  EXPECT_FALSE(CalculaEstat(prg.lot).reiniciar);
  EXPECT_EQ(ui.estatsCanviats, 1);
}

TEST_F(LotTest, EditAcceptedReplacesTheSelectedExerciseAndItsLine) {
  Omple(3, 2);
  ui.editor = [](Exercici& e) { e.enunciat = "Nou " + std::string(300, 'n'); };
  EditaSeleccionat(prg);
  ASSERT_EQ(ui.exercicisEditats.size(), 1u);
  EXPECT_EQ(ui.exercicisEditats[0].enunciat, "E2");
  EXPECT_EQ(prg.lot[2].enunciat.size(), 255u);  // cut to its field
  EXPECT_EQ(LiniesLlista(prg.lot)[1].substr(0, 6), "2]Nou ");
  EXPECT_EQ(prg.lot.Seleccio(), 2);
  EXPECT_EQ(ui.estatsCanviats, 1);
}

TEST_F(LotTest, EditCancelledOrWithoutSelectionChangesNothing) {
  Omple(2, 1);
  ui.respostesEditor = {false};
  ui.editor = [](Exercici& e) { e.enunciat = "X"; };
  EditaSeleccionat(prg);
  EXPECT_EQ(prg.lot[1].enunciat, "E1");
  prg.lot.Selecciona(0);
  EditaSeleccionat(prg);
  EXPECT_EQ(ui.exercicisEditats.size(), 1u);
}

TEST_F(LotTest, EditWritesNothingWhenTheBatchShrankUnderTheEditor) {
  Omple(3, 3);
  // The main window stays usable while the editor is open: the batch is reset meanwhile.
  ui.editor = [this](Exercici& e) {
    prg.lot.Buida();
    e.enunciat = "X";
  };
  EditaSeleccionat(prg);
  EXPECT_EQ(prg.lot.Nombre(), 0);
}

TEST_F(LotTest, FiftyFirstExerciseIsRefusedWithANotice) {
  Omple(Lot::Maxim, 0);
  Afegeix(prg, Ex("51"));
  EXPECT_EQ(prg.lot.Nombre(), Lot::Maxim);
  EXPECT_EQ(prg.lot[Lot::Maxim].enunciat, "E50");
  ASSERT_EQ(ui.avisos.size(), 1u);
  EXPECT_NE(ui.avisos[0].text.find("50"), std::string::npos);
  EXPECT_NE(ui.avisos[0].text.find("elimina"), std::string::npos);
  EXPECT_EQ(ui.estatsCanviats, 0);
}

}  // namespace
}  // namespace tirelo
