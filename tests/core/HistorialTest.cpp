// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Historial.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "batch/Desar.h"
#include "shell/FitxerLot.h"
#include "shell/Ordres.h"
#include "support/Suport.h"
#include "shell/DesarDocument.h"
#include "shell/OrdresLot.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

Exercici Ex(std::string enunciat) { return Exercici{std::move(enunciat), "R", "", 0, true}; }

std::vector<std::string> Enunciats(const Lot& lot) {
  std::vector<std::string> r;
  for (const auto& e : lot.Exercicis()) r.push_back(e.enunciat);
  return r;
}

// A program with three exercises, the second selected.
struct Escena {
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};
  Escena() {
    for (const char* e : {"A", "B", "C"}) Afegeix(prg, Ex(e));
    prg.lot.Selecciona(2);
  }
};

struct Canvi {
  const char* nom;
  std::function<void(Escena&)> fes;
  std::vector<std::string> despres;
};

class DesferCanvi : public testing::TestWithParam<Canvi> {};

// Every kind of change is undone to the batch before it, and redone to the batch after.
TEST_P(DesferCanvi, UndoesAndRedoes) {
  Escena s;
  const Lot abans = s.prg.lot;
  GetParam().fes(s);
  EXPECT_EQ(Enunciats(s.prg.lot), GetParam().despres);
  Desfes(s.prg);
  EXPECT_EQ(s.prg.lot.Exercicis(), abans.Exercicis());
  EXPECT_EQ(s.prg.lot.Seleccio(), 2);
  Refes(s.prg);
  EXPECT_EQ(Enunciats(s.prg.lot), GetParam().despres);
}

INSTANTIATE_TEST_SUITE_P(
    Canvis, DesferCanvi,
    testing::Values(Canvi{"Afegir", [](Escena& s) { Afegeix(s.prg, Ex("D")); }, {"A", "B", "C", "D"}},
                    Canvi{"Eliminar", [](Escena& s) { EliminaSeleccionat(s.prg); }, {"A", "C"}},
                    Canvi{"Pujar", [](Escena& s) { PujaSeleccionat(s.prg); }, {"B", "A", "C"}},
                    Canvi{"Baixar", [](Escena& s) { BaixaSeleccionat(s.prg); }, {"A", "C", "B"}},
                    Canvi{"Reiniciar", [](Escena& s) { Reinicia(s.prg); }, {}},
                    Canvi{"Editar",
                          [](Escena& s) {
                            s.ui.editor = [](Exercici& e) { e.enunciat = "B2"; };
                            EditaSeleccionat(s.prg);
                          },
                          {"A", "B2", "C"}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Historial, KeepsFiftyStepsAndANewChangeEndsRedo) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 1);
  for (int k = 0; k < 50; ++k) Afegeix(prg, Ex(std::to_string(k)));
  for (int k = 0; k < 60; ++k) Desfes(prg);
  EXPECT_EQ(prg.lot.Nombre(), 0);
  Refes(prg);
  Afegeix(prg, Ex("x"));
  EXPECT_FALSE(prg.historial.PotRefer());
  EXPECT_EQ(Enunciats(prg.lot), (std::vector<std::string>{"0", "x"}));
}

TEST(Historial, EditedExercisesAreMarkedAndAnUnchangedEditIsNoChange) {
  Escena s;
  EditaSeleccionat(s.prg);  // accepted unchanged
  EXPECT_FALSE(s.prg.lot[2].editat);
  Desfes(s.prg);
  EXPECT_EQ(s.prg.lot.Nombre(), 2);  // the undo took back the last add, not the edit
  s.ui.editor = [](Exercici& e) { e.pista = "p"; };
  s.prg.lot.Selecciona(1);
  EditaSeleccionat(s.prg);
  EXPECT_TRUE(s.prg.lot[1].editat);
}

TEST(Historial, QuittingAsksOnlyForUnkeptChanges) {
  Escena s;
  EXPECT_TRUE(PotSortir(s.prg));  // answered Yes
  ASSERT_EQ(s.ui.preguntes.size(), 1u);
  EXPECT_EQ(s.ui.preguntes[0].text, "Sortir del programa?");
  EXPECT_EQ(s.ui.preguntes[0].titol, "Confirmar");
  s.ui.respostesPreguntes = {false};
  EXPECT_FALSE(PotSortir(s.prg));
  s.prg.historial.MarcaDesat();
  EXPECT_TRUE(PotSortir(s.prg));
  EXPECT_EQ(s.ui.preguntes.size(), 2u);
  Desfes(s.prg);  // back to a batch nothing keeps
  EXPECT_TRUE(HiHaCanvisSenseDesar(s.prg));
}

// A seam whose file dialog answers a fixed path.
class InterficieFitxers : public prova::InterficieFalsa {
 public:
  std::string cami;
  std::vector<std::string> notes;
  std::optional<std::string> DemanaFitxerLot(bool, const std::string&) override { return cami; }
  void Informa(std::string_view text) override { notes.emplace_back(text); }
};

// A fresh working folder for one program.
struct Carpeta {
  fs::path dir = fs::temp_directory_path() / ("tirelo-historial-" + std::to_string(::getpid()));
  Carpeta() { fs::create_directories(dir); }
  ~Carpeta() { fs::remove_all(dir); }
};

TEST(FitxersLot, SaveAsksBeforeReplacingAndSaysWhere) {
  Carpeta c;
  InterficieFitxers ui;
  Programa prg(ui, 1);
  prg.carpetaTreball = c.dir;
  Afegeix(prg, Ex("A"));
  ui.cami = (c.dir / "full").string();  // the extension is added
  DesaLot(prg);
  ASSERT_TRUE(fs::exists(c.dir / "full.tirelo"));
  EXPECT_FALSE(HiHaCanvisSenseDesar(prg));
  ASSERT_EQ(ui.notes.size(), 1u);
  EXPECT_EQ(ui.notes[0], "Desat a " + (c.dir / "full.tirelo").string());
  EXPECT_TRUE(ui.preguntes.empty());
  Afegeix(prg, Ex("B"));
  ui.respostesPreguntes = {false};
  DesaLot(prg);  // "No": the file keeps one exercise
  ASSERT_EQ(ui.preguntes.size(), 1u);
  EXPECT_EQ(ui.preguntes[0].titol, "Confirmar");
  EXPECT_TRUE(HiHaCanvisSenseDesar(prg));
  auto llegit = ObreFitxerLot(c.dir / "full.tirelo", DescriuTemes());
  EXPECT_EQ(std::get<ContingutLot>(llegit).exercicis.size(), 1u);
}

TEST(FitxersLot, OpeningOverUnkeptChangesAsksAndCanBeUndone) {
  Carpeta c;
  InterficieFitxers ui;
  Programa prg(ui, 1);
  prg.carpetaTreball = c.dir;
  ASSERT_FALSE(DesaFitxerLot(ContingutLot{{Ex("F")}, "T", 0}, c.dir / "f.tirelo"));
  Afegeix(prg, Ex("A"));
  ui.cami = (c.dir / "f.tirelo").string();
  ui.respostesPreguntes = {false};
  ObreLot(prg);
  EXPECT_EQ(Enunciats(prg.lot), std::vector<std::string>{"A"});
  ObreLot(prg);  // Yes
  EXPECT_EQ(Enunciats(prg.lot), std::vector<std::string>{"F"});
  EXPECT_EQ(prg.desar.titol, "T");
  EXPECT_EQ(prg.desar.nomFitxer, "f");
  Desfes(prg);
  EXPECT_EQ(Enunciats(prg.lot), std::vector<std::string>{"A"});
}

TEST(FitxersLot, SavingADocumentOverAnotherAsksFirst) {
  Carpeta c;
  prova::InterficieFalsa ui;
  Programa prg(ui, 1);
  prg.carpetaTreball = c.dir;
  Afegeix(prg, Ex("A"));
  ui.escriuValorsDesar = true;
  ui.valorsDesar = ValorsDesar{"full", "", 1};
  ASSERT_TRUE(Desa(prg));
  EXPECT_TRUE(ui.preguntes.empty());
  ui.respostesPreguntes = {false};
  EXPECT_FALSE(Desa(prg));
  ASSERT_EQ(ui.preguntes.size(), 1u);
  EXPECT_EQ(ui.preguntes[0].text, "Ja hi ha un fitxer " + (c.dir / "Exerc" / "full.rtf").string() + ".\rVols substituir-lo?");
}

}  // namespace
}  // namespace tirelo
