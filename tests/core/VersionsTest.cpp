// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Versions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "batch/Historial.h"
#include "shell/CodiFull.h"
#include "shell/DesarFull.h"
#include "shell/Genera.h"
#include "shell/Ordres.h"
#include "support/Suport.h"
#include "shell/OrdresLot.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

// A program whose batch holds three generated exercises (the first two at level 3) and
// one typed by hand, the second selected.
struct Escena {
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};
  explicit Escena(int seleccio = 2) {
    OpcionsGenera o;
    o.series = {{3, 2, 1, 2, std::nullopt, false, 3}, {8, 2, 3, 1}};
    o.pista = 1;
    const auto g = GeneraSeries(o, 77);
    for (const Exercici& e : g.exercicis) prg.lot.Afegeix(e);
    prg.lot.Afegeix(Exercici{"Fet a m\xE0", "R", "", 0, true});
    prg.lot.Selecciona(seleccio);
  }
};

TEST(NouSorteig, DrawsTheSelectedRecipeAnewAndUndoBringsTheOldOneBack) {
  Escena s;
  const Lot abans = s.prg.lot;
  ASSERT_TRUE(PotSortejar(s.prg));
  NouSorteig(s.prg);
  const Exercici& nou = s.prg.lot[2];
  const Recepta& r = *abans[2].recepta;
  ASSERT_TRUE(nou.recepta);
  EXPECT_EQ((std::tuple{nou.recepta->tema, nou.recepta->subtipus, nou.recepta->casos, nou.recepta->forma,
                        nou.recepta->nivell}),
            (std::tuple{r.tema, r.subtipus, r.casos, r.forma, 3}));
  EXPECT_NE(nou.recepta->llavor, r.llavor);
  EXPECT_FALSE(MateixosTextos(nou, abans[2]));
  EXPECT_EQ(nou.posicioPista, 1);
  EXPECT_EQ(DibuixaRecepta(*nou.recepta)->enunciat, nou.enunciat) << "the new seed draws it again";
  for (int k : {1, 3, 4}) EXPECT_EQ(s.prg.lot[k], abans[k]);
  EXPECT_EQ(s.prg.lot.Seleccio(), 2);
  Desfes(s.prg);
  EXPECT_EQ(s.prg.lot.Exercicis(), abans.Exercicis());
}

TEST(NouSorteig, AHandMadeExerciseHasNothingToDraw) {
  Escena s(4);
  const Lot abans = s.prg.lot;
  EXPECT_FALSE(PotSortejar(s.prg));
  NouSorteig(s.prg);
  EXPECT_EQ(s.prg.lot.Exercicis(), abans.Exercicis());
  EXPECT_FALSE(s.prg.historial.PotDesfer());
}

// An exercise edited by hand asks first: its edits would be lost.
TEST(NouSorteig, AnEditedExerciseAsksFirst) {
  for (const bool si : {false, true}) {
    Escena s;
    s.prg.lot[2].editat = true;
    const Exercici abans = s.prg.lot[2];
    s.ui.respostesPreguntes.push_back(si);
    NouSorteig(s.prg);
    ASSERT_EQ(s.ui.preguntes.size(), 1u);
    EXPECT_EQ(s.prg.lot[2] == abans, !si);
    EXPECT_EQ(s.prg.lot[2].editat, !si);
  }
}

TEST(ObreCodi, OpensTheSheetOfTheCodeAndUndoBringsTheBatchBack) {
  Escena s;
  const Lot abans = s.prg.lot;
  OpcionsGenera o;
  o.series = {{5, 1, 3, 2}, {6, 3, 1, 1}};
  const auto g = GeneraSeries(o, 4242);
  const auto codi = CodiDelLot(g.exercicis);
  ASSERT_TRUE(codi);
  s.ui.codi = *codi;
  ObreCodi(s.prg);
  EXPECT_EQ(s.prg.lot.Exercicis(), g.exercicis);
  EXPECT_EQ(s.prg.lot.Seleccio(), 1);
  // What the program draws next continues the sheet, which keeps a code.
  s.ui.Tria(1);
  s.ui.Surt();
  ExecutaOrdre(s.prg, ordre::PrimerTema + 2);
  EXPECT_TRUE(CodiDelLot(s.prg.lot.Exercicis()));
  Desfes(s.prg);
  Desfes(s.prg);
  EXPECT_EQ(s.prg.lot.Exercicis(), abans.Exercicis());
}

TEST(ObreCodi, ABadCodeIsToldAndChangesNothing) {
  Escena s;
  const Lot abans = s.prg.lot;
  EXPECT_FALSE(ObreCodiDe(s.prg, "ABCDE"));
  ASSERT_EQ(s.ui.avisos.size(), 1u);
  EXPECT_EQ(s.ui.avisos[0].titol, "Codi no v\xE0lid");
  EXPECT_NE(s.ui.avisos[0].text.find("mal copiat"), std::string::npos);
  EXPECT_EQ(s.prg.lot.Exercicis(), abans.Exercicis());
}

TEST(ObreCodi, UnkeptChangesAskBeforeTheyAreReplaced) {
  Escena s;
  AbansDeCanviar(s.prg);  // the batch now has unkept changes
  const Lot abans = s.prg.lot;
  s.ui.respostesPreguntes.push_back(false);
  EXPECT_FALSE(ObreCodiDe(s.prg, *EscriuCodi({1, 0, {{1, 1, 1, 1}}})));
  ASSERT_EQ(s.ui.preguntes.size(), 1u);
  EXPECT_EQ(s.prg.lot.Exercicis(), abans.Exercicis());
}

// The desktop program starts each batch it draws from a fresh sheet seed, so that the
// sheet has a code whatever seed the program started from; later topics draw on.
TEST(SembraCadaFull, ATopicOnAnEmptyBatchStartsFromASheetSeed) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 1ull << 40);
  prg.sembraCadaFull = true;
  for (const int tema : {3, 1}) {
    ui.Tria(1, 2);
    ui.Surt();
    ExecutaOrdre(prg, ordre::PrimerTema + tema);
  }
  ASSERT_EQ(prg.lot.Nombre(), 2);
  EXPECT_LE(prg.lot[1].recepta->llavor, 0xFFFFFFFFu);
  EXPECT_TRUE(CodiDelLot(prg.lot.Exercicis()));
}

struct EscenaDesar : Escena {
  fs::path carpeta = fs::path(testing::TempDir()) / "versions_prova";
  EscenaDesar() {
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    prg.carpetaTreball = carpeta;
    ui.escriuValorsDesar = true;
    ui.valorsDesar = ValorsDesar{"examen", "Examen", 1};
  }
};

TEST(DesaVersions, WritesOneDocumentPerVersionWithItsLetter) {
  EscenaDesar s;
  s.ui.versions = 3;
  const auto estat = s.prg.aleatori->Estat();
  DesaVersions(s.prg, {});
  EXPECT_EQ(s.prg.aleatori->Estat(), estat) << "the batch's own draws go on where they were";
  for (const char* lletra : {"A", "B", "C"}) {
    const std::string text = prova::LlegeixFitxer((s.carpeta / "Exerc" / ("examen-" + std::string(lletra) + ".rtf")).string());
    EXPECT_NE(text.find("Examen (" + std::string(lletra) + ")"), std::string::npos) << lletra;
    EXPECT_NE(text.find("Fet a m\\'e0"), std::string::npos) << "the hand-made exercise is kept";
  }
  EXPECT_FALSE(fs::exists(s.carpeta / "Exerc" / "examen-D.rtf"));
  EXPECT_FALSE(s.prg.historial.PotDesfer()) << "the batch itself does not change";
}

// With a PDF writer, each version also gets its typeset sheet with the sheet options.
TEST(DesaVersions, TheTypesetSheetsTakeTheSheetOptionsAndTheLetter) {
  EscenaDesar s;
  s.ui.versions = 2;
  s.prg.full = ValorsFull{true, 4};
  std::vector<OpcionsFull> rebudes;
  const EscriptorFull pdf = [&](const std::vector<Exercici>&, const OpcionsFull& o, const fs::path& cami) {
    rebudes.push_back(o);
    std::ofstream(cami) << "%PDF";
    return std::optional<std::string>();
  };
  DesaVersions(s.prg, pdf);
  ASSERT_EQ(rebudes.size(), 2u);
  for (std::size_t v = 0; v < rebudes.size(); ++v) {
    const std::string lletra = LletraVersio(static_cast<int>(v));
    EXPECT_EQ(rebudes[v].versio, lletra);
    EXPECT_EQ(rebudes[v].titol, "Examen") << "the letter goes in the header, not the title";
    EXPECT_TRUE(rebudes[v].capcalera);
    EXPECT_EQ(rebudes[v].espai, 4);
    EXPECT_EQ(rebudes[v].codi, "") << "a hand-made exercise leaves the sheet without a code";
    EXPECT_TRUE(fs::exists(s.carpeta / "Exerc" / ("examen-" + lletra + ".rtf")));
    EXPECT_EQ(prova::LlegeixFitxer((s.carpeta / "Exerc" / ("examen-" + lletra + ".pdf")).string()), "%PDF");
  }
}

TEST(DesaVersions, CancelledWindowsWriteNothing) {
  for (const bool ambNombre : {false, true}) {
    EscenaDesar s;
    if (ambNombre) {
      s.ui.versions = 2;
      s.ui.respostesDesar.push_back(false);
    }
    DesaVersions(s.prg, {});
    EXPECT_FALSE(fs::exists(s.carpeta / "Exerc" / "examen-A.rtf"));
  }
}

}  // namespace
}  // namespace tirelo
