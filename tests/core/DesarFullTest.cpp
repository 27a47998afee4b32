// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/DesarFull.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "batch/Desar.h"
#include "batch/Historial.h"
#include "batch/Lot.h"
#include "shell/CodiFull.h"
#include "shell/Genera.h"
#include "shell/Programa.h"
#include "support/Suport.h"
#include "shell/OrdresLot.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

// A writer that records what it was given and writes a marker, or fails.
struct EscriptorFals {
  std::vector<std::vector<Exercici>> exercicis;
  std::vector<OpcionsFull> opcions;
  std::optional<std::string> fallada;

  EscriptorFull Escriptor() {
    return [this](const std::vector<Exercici>& e, const OpcionsFull& o, const fs::path& cami) {
      exercicis.push_back(e);
      opcions.push_back(o);
      std::ofstream(cami) << "%PDF-nou";
      return fallada;
    };
  }
};

class DesarFull : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tirelo full " + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    prg.carpetaTreball = dir_;
    ui.escriuValorsDesar = true;
    ui.valorsDesar = {"full 1", "T\xEDtol", 0};
    prg.full = {true, 4};
  }
  void TearDown() override { fs::remove_all(dir_); }
  void Afegeix() {
    tirelo::Afegeix(prg, Exercici{"S1", "R1", "", 0, true});
  }
  fs::path Pdf() const { return dir_ / "Exerc" / "full 1.pdf"; }

  fs::path dir_;
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};
  EscriptorFals escriptor;
};

TEST(OpcionsDelFull, TitleAndLayoutFromTheSaveValuesHeaderAndSpaceFromTheSheetOptions) {
  struct Cas {
    ValorsDesar desar;
    ValorsFull full;
    int disposicio;  // expected
    int espai;       // expected
  };
  const Cas casos[] = {
      {{"f", "Full 1", 0}, {true, 3}, 0, 3},
      {{"f", "", 1}, {false, 0}, 1, 0},
      // Out-of-range values from elsewhere come in range.
      {{"f", "T", 7}, {false, 99}, 1, 20},
      {{"f", "T", 1}, {true, -2}, 1, 0},
  };
  for (const Cas& c : casos) {
    prova::InterficieFalsa ui;
    Programa prg(ui, 1);
    prg.desar = c.desar;
    prg.full = c.full;
    const OpcionsFull o = OpcionsDelFull(prg);
    EXPECT_EQ(o.titol, c.desar.titol);
    EXPECT_EQ(o.disposicio, c.disposicio);
    EXPECT_EQ(o.capcalera, c.full.capcalera);
    EXPECT_EQ(o.espai, c.espai);
  }
}

// The sheet carries the batch's code when it has one, and never a version letter.
TEST(OpcionsDelFull, TheCodeOfAGeneratedBatchAndNoneForAHandMadeOne) {
  OpcionsGenera o;
  o.series = {{3, 2, 1, 2}, {8, 2, 3, 1}};
  const auto generat = GeneraSeries(o, 77);
  const OpcionsFull amb = OpcionsDelFull(generat);
  ASSERT_FALSE(amb.codi.empty());
  EXPECT_EQ(amb.codi, CodiDelLot(generat.exercicis));
  EXPECT_EQ(amb.versio, "");
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};
  tirelo::Afegeix(prg, Exercici{"S1", "R1", "", 0, true});
  EXPECT_EQ(OpcionsDelFull(prg).codi, "");
}

TEST_F(DesarFull, WritesTheBatchWithItsOptionsIntoExercAndCountsTheBatchAsKept) {
  Afegeix();
  ASSERT_TRUE(HiHaCanvisSenseDesar(prg));
  ASSERT_TRUE(DesaPdf(prg, escriptor.Escriptor()));
  EXPECT_EQ(prova::LlegeixFitxer(Pdf().string()), "%PDF-nou");
  ASSERT_EQ(escriptor.exercicis.size(), 1u);
  EXPECT_EQ(escriptor.exercicis[0], prg.lot.Exercicis());
  EXPECT_EQ(escriptor.opcions[0].titol, "T\xEDtol");
  EXPECT_EQ(escriptor.opcions[0].disposicio, 0);
  EXPECT_TRUE(escriptor.opcions[0].capcalera);
  EXPECT_EQ(escriptor.opcions[0].espai, 4);
  EXPECT_FALSE(HiHaCanvisSenseDesar(prg));
  EXPECT_FALSE(prg.document.escrit);  // the RTF document to open is another file
  EXPECT_TRUE(ui.avisos.empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "Exerc"), fs::directory_iterator()), 1);
}

TEST_F(DesarFull, NothingIsAskedOrWrittenForAnEmptyBatchOrACancel) {
  EXPECT_FALSE(DesaPdf(prg, escriptor.Escriptor()));
  EXPECT_TRUE(ui.valorsProposats.empty());
  Afegeix();
  ui.respostesDesar.push_back(false);
  EXPECT_FALSE(DesaPdf(prg, escriptor.Escriptor()));
  EXPECT_TRUE(escriptor.exercicis.empty());
  EXPECT_FALSE(fs::exists(dir_ / "Exerc"));
}

TEST_F(DesarFull, AnExistingFileIsReplacedOnlyAfterYes) {
  Afegeix();
  fs::create_directories(Pdf().parent_path());
  std::ofstream(Pdf()) << "vell";
  ui.respostesPreguntes = {false, true};
  EXPECT_FALSE(DesaPdf(prg, escriptor.Escriptor()));
  EXPECT_EQ(prova::LlegeixFitxer(Pdf().string()), "vell");
  ASSERT_EQ(ui.preguntes.size(), 1u);
  EXPECT_NE(ui.preguntes[0].text.find("full 1.pdf"), std::string::npos);
  EXPECT_TRUE(DesaPdf(prg, escriptor.Escriptor()));
  EXPECT_EQ(prova::LlegeixFitxer(Pdf().string()), "%PDF-nou");
}

TEST_F(DesarFull, AFailedWriteIsToldWithItsReasonAndLeavesTheEarlierFile) {
  Afegeix();
  fs::create_directories(Pdf().parent_path());
  std::ofstream(Pdf()) << "vell";
  escriptor.fallada = "disc ple";
  EXPECT_FALSE(DesaPdf(prg, escriptor.Escriptor()));
  ASSERT_EQ(ui.avisos.size(), 1u);
  EXPECT_EQ(ui.avisos[0].titol, TitolNoDesat);
  EXPECT_NE(ui.avisos[0].text.find("\"full 1.pdf\""), std::string::npos) << ui.avisos[0].text;
  EXPECT_NE(ui.avisos[0].text.find("disc ple"), std::string::npos);
  EXPECT_EQ(prova::LlegeixFitxer(Pdf().string()), "vell");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "Exerc"), fs::directory_iterator()), 1);
  EXPECT_TRUE(HiHaCanvisSenseDesar(prg));
}

}  // namespace
}  // namespace tirelo
