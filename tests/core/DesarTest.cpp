// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "batch/Desar.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"
#include "shell/DesarDocument.h"
#include "shell/OrdresLot.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

const std::string& Capcalera = prova::CapcaleraRtf;

std::string Llegeix(const fs::path& p) {
  return prova::LlegeixFitxer(p.string());
}

Exercici Ex(std::string enunciat, std::string resposta, std::string pista = "", int posicio = 0) {
  return {std::move(enunciat), std::move(resposta), std::move(pista), posicio, true};
}

// Every test runs in a fresh working folder whose name holds a blank.
class Desar : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tirelo desar " + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    prg.carpetaTreball = dir_;
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    if (fs::exists(dir_ / "Exerc"))
      fs::permissions(dir_ / "Exerc", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  void Tecleja(std::string nom, std::string titol = "Full 1", int disposicio = 0) {
    ui.escriuValorsDesar = true;
    ui.valorsDesar = {std::move(nom), std::move(titol), disposicio};
  }
  // The document's body: what lies between the header and the final "}" CR LF.
  std::string Cos(const std::string& nom) {
    const std::string s = Llegeix(dir_ / "Exerc" / (nom + ".rtf"));
    EXPECT_EQ(s.substr(0, Capcalera.size()), Capcalera);
    EXPECT_GE(s.size(), Capcalera.size() + 3);
    EXPECT_EQ(s.substr(s.size() - 3), "}\r\n");
    return s.substr(Capcalera.size(), s.size() - Capcalera.size() - 3);
  }
  // A failed save: one notice with the given caption, the batch as it was, the
  // program ready for the next command.
  void EsperaAvis(std::string_view titol, std::string_view conte) {
    ASSERT_EQ(ui.avisos.size(), 1u);
    EXPECT_EQ(ui.avisos[0].titol, titol);
    EXPECT_NE(ui.avisos[0].text.find(conte), std::string::npos) << ui.avisos[0].text;
    ASSERT_EQ(prg.lot.Nombre(), 2);
    EXPECT_EQ(prg.lot[1], Ex("S1", "R1"));
    EXPECT_EQ(prg.lot[2], Ex("S2", "R2"));
  }
  void DosExercicis() {
    prg.lot.Afegeix(Ex("S1", "R1"));
    prg.lot.Afegeix(Ex("S2", "R2"));
  }

  fs::path dir_;
  prova::InterficieFalsa ui;
  Programa prg{ui, 1};
};

// The title's paragraph ends inside its centred group ("\line \par " where three line
// breaks were), and each exercise line ends its paragraph ("\par " for "\line "), so
// LibreOffice and Word centre the title alone and let no indent run on.
constexpr std::string_view Titol = "{\\qc{\\b Full 1}\\line \\line \\par }";

TEST_F(Desar, LayoutZeroWritesEachStatementFollowedByItsAnswer) {
  prg.lot.Afegeix(Ex("Calcula:   x^2", "9"));
  Tecleja("tema1", "Full 1", 0);
  EXPECT_TRUE(Desa(prg));
  EXPECT_EQ(Cos("tema1"),
            std::string(Titol) + "{\\b 1) }Calcula:   x{\\super 2}\\par \\pard \\line Resp: 9\\par \\pard \\line ");
  EXPECT_TRUE(prg.document.escrit);
  EXPECT_EQ(prg.document.cami, (dir_ / "Exerc" / "tema1.rtf").string());
  EXPECT_TRUE(ui.avisos.empty());
}

TEST_F(Desar, LayoutOneWritesAllStatementsThenAllAnswers) {
  DosExercicis();
  Tecleja("bloc", "Full 1", 1);
  EXPECT_TRUE(Desa(prg));
  EXPECT_EQ(Cos("bloc"), std::string(Titol) +
                             "{\\b 1) }S1\\par \\pard \\line \\line {\\b 2) }S2\\par \\pard \\line \\line \\line \\line "
                             "{\\b Respostes}\\line \\line {\\b 1)}R1\\par \\pard {\\b 2)}R2\\par \\pard ");
}

TEST_F(Desar, HintsAndLongLinesAsTheDocumentShowsThem) {
  prg.lot.Afegeix(Ex("E", "R", "H", 2));
  for (int k = 2; k <= 11; ++k) prg.lot.Afegeix(Ex("E", "R"));
  const std::string pista = "(Nota: " + std::string(72, 'p') + ")";  // the longest hint
  prg.lot.Afegeix(Ex(std::string(250, 'e'), "R", pista, 1));
  Tecleja("pistes", "Full 1", 0);
  ASSERT_TRUE(Desa(prg));
  const std::string cos = Cos("pistes");
  EXPECT_NE(cos.find("{\\b 1) }E\\par \\pard \\line Resp: R\\par \\pard   Comentari: H\\par \\pard \\line {\\b 2) }"),
            std::string::npos);
  // Mended: the statement is written whole behind its label (it was cut so that both
  // held 255 characters, which lost the end of a statement's last case); the hint
  // follows whole in a paragraph of its own.
  EXPECT_NE(cos.find("{\\b 12) }" + std::string(250, 'e') + "\\par \\pard   Comentari: " + pista +
                     "\\par \\pard \\line Resp: R\\par \\pard "),
            std::string::npos);
}

// A simplification of an algebraic fraction fills some 230 characters with its
// stacked layout: with the hint after the statement, the hint used to come out cut
// mid-word ("(Nota: extrau factor com\xFA i sim").
TEST_F(Desar, TheHintOfAGeneratedFractionComesOutWhole) {
  prg.serie.opcioPista = 1;
  constexpr int kExercicis = 12;
  for (int k = 0; k < kExercicis; ++k) ui.Tria(5);
  ExecutaTema(prg, 6);
  ASSERT_EQ(prg.lot.Nombre(), kExercicis);
  int llargs = 0;  // label, statement, CR, "  Comentari: " and hint beyond 255
  for (int k = 1; k <= kExercicis; ++k) llargs += 8 + prg.lot[k].enunciat.size() + 14 + prg.lot[k].pista.size() > 255;
  ASSERT_GT(llargs, 0);
  Tecleja("fraccio", "Full 1", 1);
  ASSERT_TRUE(Desa(prg));
  const std::string cos = Cos("fraccio");
  // "\\'fa": bytes from 0x80 up are escaped.
  const std::string sencera = "  Comentari: (Nota: extrau factor com\\'fa i simplifica)\\par ";
  int senceres = 0;
  for (auto p = cos.find(sencera); p != std::string::npos; p = cos.find(sencera, p + 1)) ++senceres;
  EXPECT_EQ(senceres, kExercicis);
}

TEST_F(Desar, TheTitleIsWrittenAsTypedWithItsRtfCharactersEscaped) {
  prg.lot.Afegeix(Ex("S", "R"));
  Tecleja("t", "Tema {2} \\ x^2 \x80", 0);
  ASSERT_TRUE(Desa(prg));
  // "\\'80": the euro sign escaped, as every byte from 0x80 up.
  EXPECT_EQ(Cos("t").rfind("{\\qc{\\b Tema \\{2\\} \\\\ x^2 \\'80}\\line \\line \\par }{", 0), 0u);
}

TEST_F(Desar, TheFileNameIsConvertedForTheFileSystemAndSavingTwiceWritesTheSamePath) {
  DosExercicis();
  Tecleja("Tema \xE0lgebra");
  ASSERT_TRUE(Desa(prg));
  EXPECT_TRUE(fs::exists(dir_ / "Exerc" / "Tema \xC3\xA0lgebra.rtf"));
  const std::string primer = prg.document.cami;
  ui.escriuValorsDesar = false;  // accept the proposed values
  ASSERT_TRUE(Desa(prg));
  EXPECT_EQ(prg.document.cami, primer);
  ASSERT_EQ(ui.valorsProposats.size(), 2u);
  EXPECT_EQ(ui.valorsProposats[1], (ValorsDesar{"Tema \xE0lgebra", "Full 1", 0}));
}

TEST_F(Desar, NothingIsAskedOrWrittenForAnEmptyBatchACancelOrAnEmptyName) {
  EXPECT_FALSE(Desa(prg));
  EXPECT_TRUE(ui.valorsProposats.empty());

  DosExercicis();
  ui.respostesDesar.push_back(false);
  EXPECT_FALSE(Desa(prg));

  for (const bool escrit : {false, true}) {
    prg.document.escrit = escrit;
    Tecleja("");
    EXPECT_FALSE(Desa(prg));
    EXPECT_EQ(prg.document.escrit, escrit);
  }
  EXPECT_FALSE(fs::exists(dir_ / "Exerc"));
  EXPECT_TRUE(ui.avisos.empty());
}

TEST(ValidaNomFitxer, PlainNamesPass) {
  for (const std::string& nom :
       std::vector<std::string>{"tema1", "", "Full de l'\xE0lgebra", "a.b", "-x", " ", "\x80",
                                std::string(251, 'a'), std::string(125, '\xE0')})
    EXPECT_FALSE(ValidaNomFitxer(nom)) << nom;
}

TEST(ValidaNomFitxer, PathsDotsControlsAndOverlongNamesAreRefused) {
  for (const std::string& nom : std::vector<std::string>{
           "a/b", "/etc/passwd", "a\\b", "..", "../x", "a..b", ".", "a\tb", "a\rb", std::string("a\0b", 3),
           "a\x7F", "a\x81", "a\x9D", std::string(252, 'a'), std::string(126, '\xE0')}) {
    const auto motiu = ValidaNomFitxer(nom);
    ASSERT_TRUE(motiu) << nom;
    EXPECT_NE(motiu->find("El document no s'ha desat."), std::string::npos);
  }
  EXPECT_NE(ValidaNomFitxer("a/b")->find("\"/\""), std::string::npos);
  EXPECT_NE(ValidaNomFitxer("x..")->find("\"..\""), std::string::npos);
  EXPECT_NE(ValidaNomFitxer("a\nb")->find("control"), std::string::npos);
  EXPECT_NE(ValidaNomFitxer(std::string(252, 'a'))->find("llarg"), std::string::npos);
}

TEST_F(Desar, ARefusedNameIsToldAndNothingIsWritten) {
  DosExercicis();
  for (const std::string& nom :
       std::vector<std::string>{"../fora", "/tmp/fora", "a\\b", "..", ".", "a\nb", std::string(252, 'a')}) {
    ui.avisos.clear();
    prg.document.escrit = true;
    Tecleja(nom);
    EXPECT_FALSE(Desa(prg)) << nom;
    EsperaAvis(TitolNomNoValid, "El nom del fitxer");
    EXPECT_TRUE(prg.document.escrit);
    EXPECT_TRUE(fs::is_empty(dir_)) << nom;
  }
  EXPECT_FALSE(fs::exists(dir_.parent_path() / "fora.rtf"));
}

TEST_F(Desar, AFileNamedExercBlocksTheSave) {
  DosExercicis();
  std::ofstream(dir_ / "Exerc") << "meu";
  Tecleja("t");
  EXPECT_FALSE(Desa(prg));
  EsperaAvis(TitolNoDesat, "\"Exerc\"");
  EXPECT_EQ(Llegeix(dir_ / "Exerc"), "meu");
  EXPECT_FALSE(prg.document.escrit);
}

TEST_F(Desar, AFolderThatCannotBeCreatedIsToldWithTheReason) {
  DosExercicis();
  prg.carpetaTreball = "/proc";  // no one, not even root, creates folders here
  Tecleja("t");
  EXPECT_FALSE(Desa(prg));
  EsperaAvis(TitolNoDesat, "No s'ha pogut crear la carpeta \"Exerc\":\r");
  EXPECT_FALSE(prg.document.escrit);
}

TEST_F(Desar, AFileThatCannotBeCreatedIsToldAndTheFlagStays) {
  DosExercicis();
  prg.document = {"anterior.rtf", true};
  fs::create_directories(dir_ / "Exerc" / "t.rtf");  // a folder where the file should go
  Tecleja("t");
  EXPECT_FALSE(Desa(prg));
  EsperaAvis(TitolNoDesat, std::string("No s'ha pogut crear el fitxer \"t.rtf\":\r") + std::strerror(EISDIR));
  EXPECT_EQ(prg.document.cami, "anterior.rtf");
  EXPECT_TRUE(prg.document.escrit);
}

TEST_F(Desar, AReadOnlyFolderIsTold) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  DosExercicis();
  fs::create_directories(dir_ / "Exerc");
  fs::permissions(dir_ / "Exerc", fs::perms::owner_read | fs::perms::owner_exec);
  Tecleja("t");
  EXPECT_FALSE(Desa(prg));
  EsperaAvis(TitolNoDesat, std::strerror(EACCES));
  EXPECT_FALSE(prg.document.escrit);
}

// A full disk, at the close (a short document stays in the buffer) and at a write.
TEST_F(Desar, AFullDiskIsToldAndTheDocumentCountsAsUnwritten) {
  DosExercicis();
  fs::create_directories(dir_ / "Exerc");
  fs::create_symlink("/dev/full", dir_ / "Exerc" / "ple.rtf");
  Tecleja("ple");
  EXPECT_FALSE(Desa(prg));
  EsperaAvis(TitolNoDesat,
             std::string("No s'ha pogut escriure el fitxer \"ple.rtf\"; ha quedat incomplet:\r") +
                 std::strerror(ENOSPC));
  EXPECT_FALSE(prg.document.escrit);
  EXPECT_EQ(prg.document.cami, (dir_ / "Exerc" / "ple.rtf").string());

  while (!prg.lot.Ple()) prg.lot.Afegeix(Ex(std::string(255, 'x'), std::string(255, 'y')));
  ui.avisos.clear();
  prg.document.escrit = true;
  EXPECT_FALSE(Desa(prg));
  ASSERT_EQ(ui.avisos.size(), 1u);
  EXPECT_NE(ui.avisos[0].text.find(std::strerror(ENOSPC)), std::string::npos);
  EXPECT_FALSE(prg.document.escrit);
  EXPECT_EQ(prg.lot.Nombre(), Lot::Maxim);
}

TEST_F(Desar, OpeningSavesFirstThenHandsTheWholePathToTheDesktop) {
  ObreEnEditor(prg);  // empty batch: nothing
  EXPECT_TRUE(ui.valorsProposats.empty());
  EXPECT_TRUE(ui.obertures.empty());

  DosExercicis();
  Tecleja("t");
  ui.respostesDesar.push_back(false);
  ObreEnEditor(prg);  // save cancelled: nothing opened
  EXPECT_TRUE(ui.obertures.empty());

  ObreEnEditor(prg);
  ASSERT_EQ(ui.obertures.size(), 1u);
  EXPECT_EQ(ui.obertures[0], (dir_ / "Exerc" / "t.rtf").string());  // blanks included

  // Written once: opened again unchanged, without asking.
  const std::string abans = Llegeix(ui.obertures[0]);
  prg.lot.Afegeix(Ex("S3", "R3"));
  ObreEnEditor(prg);
  EXPECT_EQ(ui.valorsProposats.size(), 2u);
  ASSERT_EQ(ui.obertures.size(), 2u);
  EXPECT_EQ(Llegeix(ui.obertures[1]), abans);
  EXPECT_TRUE(ui.avisos.empty());
}

TEST_F(Desar, AResetOrADeletedDocumentMakesOpeningSaveAgain) {
  DosExercicis();
  Tecleja("t");
  ObreEnEditor(prg);
  Reinicia(prg);
  prg.lot.Afegeix(Ex("S3", "R3"));
  prg.lot.Afegeix(Ex("S4", "R4"));
  ObreEnEditor(prg);
  EXPECT_EQ(ui.valorsProposats.size(), 2u);
  EXPECT_NE(Llegeix(dir_ / "Exerc" / "t.rtf").find("S4"), std::string::npos);

  fs::remove(dir_ / "Exerc" / "t.rtf");
  ObreEnEditor(prg);
  EXPECT_EQ(ui.valorsProposats.size(), 3u);
  EXPECT_TRUE(fs::exists(dir_ / "Exerc" / "t.rtf"));
  EXPECT_EQ(ui.obertures.size(), 3u);
}

TEST_F(Desar, WithoutAnEditorTheNoticeSaysSo) {
  DosExercicis();
  Tecleja("t");
  ui.obreResultat = false;
  ObreEnEditor(prg);
  ASSERT_EQ(ui.avisos.size(), 1u);
  EXPECT_EQ(ui.avisos[0].titol, "Cal un editor de fitxers .rtf");
  EXPECT_EQ(ui.avisos[0].text,
            "No s'ha trobat cap programa per obrir documents .rtf.\rEl document s'ha desat a:\r" +
                (dir_ / "Exerc" / "t.rtf").string() +
                "\r\rPer obrir-lo i imprimir-lo, instal\xB7leu el LibreOffice Writer\r"
                "(paquet libreoffice-writer) o un altre editor de documents .rtf,\r"
                "o obriu aquest fitxer des del vostre editor.");
  EXPECT_TRUE(fs::exists(dir_ / "Exerc" / "t.rtf"));  // the document stays on disk
  EXPECT_TRUE(prg.document.escrit);
}

}  // namespace
}  // namespace tirelo
