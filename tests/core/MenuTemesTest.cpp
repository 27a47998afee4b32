// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/MenuTemes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "shell/DescPrg.h"
#include "shell/Ordres.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"
#include "shell/OrdresLot.h"

namespace tirelo {
namespace {

// "name=command" for items, "name(...)" for popups: the whole tree in one line.
std::string Descriu(const std::vector<ElementMenu>& menu) {
  std::string t;
  for (const auto& e : menu) {
    if (!t.empty()) t += ' ';
    t += e.EsSubmenu() ? e.nom + "(" + Descriu(e.fills) + ")" : e.nom + "=" + std::to_string(e.ordre);
  }
  return t;
}

TEST(MenuTemes, OneLevelOfGrouping) {
  EXPECT_EQ(Descriu(ConstrueixMenuTemes("a(b;c);d")), "a(b=201 c=202) d=203");
  EXPECT_EQ(Descriu(ConstrueixMenuTemes("a(b;c)d")), "a(b=201 c=202) d=203");
}

TEST(MenuTemes, EmptyNamesAddNothing) {
  EXPECT_EQ(Descriu(ConstrueixMenuTemes(";;a;;b;")), "a=201 b=202");
  EXPECT_EQ(Descriu(ConstrueixMenuTemes("g(a);;b")), "g(a=201) b=202");
  EXPECT_EQ(Descriu(ConstrueixMenuTemes("(a;b")), "a=201 b=202");  // '(' without a name opens nothing
  EXPECT_TRUE(ConstrueixMenuTemes("").empty());
}

TEST(MenuTemes, AClosingBracketAlwaysReturnsToTheTopLevel) {
  EXPECT_EQ(Descriu(ConstrueixMenuTemes("g(a;);b")), "g(a=201) b=202");
  EXPECT_EQ(Descriu(ConstrueixMenuTemes("g(h(a);b")), "g(h(a=201)) b=202");
}

TEST(MenuTemes, LongNamesAreCutTo40) {
  const std::string llarg(45, 'n');
  const auto menu = ConstrueixMenuTemes(llarg + ";b");
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].nom, std::string(40, 'n'));
  EXPECT_EQ(menu[1].ordre, 202);
}

// ---- The main window's commands carried out by the core ----

class OrdresTest : public ::testing::Test {
 protected:
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};
  void Omple(int n) {
    for (int k = 1; k <= n; ++k) Afegeix(prg, Exercici{"E" + std::to_string(k), "R", "", 0, true});
    ui.estatsCanviats = 0;
  }
};

TEST_F(OrdresTest, TableCommandsRefreshTheStatusFirst) {
  ExecutaOrdre(prg, ordre::Editar);  // nothing selected: only the refresh
  ExecutaOrdre(prg, ordre::Reiniciar);  // empty batch: asks nothing
  EXPECT_EQ(ui.estatsCanviats, 2);
  EXPECT_TRUE(ui.preguntes.empty());
  ExecutaOrdre(prg, ordre::Llista);  // handled by the window itself: no refresh
  ExecutaOrdre(prg, 7);              // unknown
  EXPECT_EQ(ui.estatsCanviats, 2);
}

TEST_F(OrdresTest, BatchCommandsReachTheBatch) {
  Omple(3);
  prg.lot.Selecciona(3);
  ExecutaOrdre(prg, ordre::Pujar);
  EXPECT_EQ(prg.lot.Seleccio(), 2);
  ExecutaOrdre(prg, ordre::Baixar);
  EXPECT_EQ(prg.lot.Seleccio(), 3);
  ExecutaOrdre(prg, ordre::Eliminar);
  EXPECT_EQ(prg.lot.Nombre(), 2);
  ui.editor = [](Exercici& e) { e.enunciat = "doble clic"; };
  ExecutaOrdre(prg, ordre::Llista);
  EXPECT_EQ(prg.lot[2].enunciat, "doble clic");
  ExecutaOrdre(prg, ordre::Editar);
  EXPECT_EQ(ui.exercicisEditats.size(), 2u);
  ExecutaOrdre(prg, ordre::Reiniciar);
  EXPECT_EQ(prg.lot.Nombre(), 0);
}

TEST_F(OrdresTest, ApprovalOptionTogglesBackAndForth) {
  const bool inicial = prg.serie.opcioConformitat;
  ExecutaOrdre(prg, ordre::Conformitat);
  EXPECT_NE(prg.serie.opcioConformitat, inicial);
  ExecutaOrdre(prg, ordre::Conformitat);
  EXPECT_EQ(prg.serie.opcioConformitat, inicial);
}

TEST_F(OrdresTest, HelpHandsTheFileNameOverAndReportsNoFailure) {
  ui.obreResultat = false;
  ExecutaOrdre(prg, ordre::Ajuda);
  EXPECT_EQ(ui.obertures, (std::vector<std::string>{"PrTirelo.pdf"}));
  EXPECT_TRUE(ui.avisos.empty());
  prg.desc.fitxerAjuda.clear();
  ExecutaOrdre(prg, ordre::Ajuda);
  EXPECT_EQ(ui.obertures.size(), 1u);
}

TEST_F(OrdresTest, HelpIsLookedForInTheCurrentFolderThenBesideTheProgram) {
  namespace fs = std::filesystem;
  const fs::path abans = fs::current_path();
  const fs::path arrel = fs::temp_directory_path() / ("tirelo-ajuda-" + std::to_string(::getpid()));
  fs::create_directories(arrel / "treball");
  fs::create_directories(arrel / "programa");
  fs::current_path(arrel / "treball");
  prg.carpetesAjuda = {arrel / "buida", arrel / "programa"};
  EXPECT_EQ(CamiAjuda(prg), "PrTirelo.pdf");  // nowhere: the bare name, the opener fails quietly
  std::ofstream(arrel / "programa" / "PrTirelo.pdf") << "%PDF";
  EXPECT_EQ(CamiAjuda(prg), (arrel / "programa" / "PrTirelo.pdf").string());
  std::ofstream(arrel / "treball" / "PrTirelo.pdf") << "%PDF";
  EXPECT_EQ(CamiAjuda(prg), "PrTirelo.pdf");  // the current folder comes first
  fs::current_path(abans);
  fs::remove_all(arrel);
}

TEST_F(OrdresTest, TopicCommandsRunTheirTopicAndOthersNothing) {
  ui.Tria(2);
  ExecutaOrdre(prg, 203);  // fraccions
  ASSERT_EQ(ui.peticionsSubtipus.size(), 2u);
  EXPECT_EQ(ui.peticionsSubtipus[0].titol, "Fraccions");
  EXPECT_EQ(prg.lot.Nombre(), 1);
  ExecutaTema(prg, 0);
  ExecutaTema(prg, 10);
  ExecutaOrdre(prg, 200);
  ExecutaOrdre(prg, 299);
  EXPECT_EQ(ui.peticionsSubtipus.size(), 2u);
}

}  // namespace
}  // namespace tirelo
