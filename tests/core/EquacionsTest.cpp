// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Equacions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "support/CasosProva.h"
#include "support/Guio.h"
#include "support/Polinomis.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

// The form the next equation takes, asked through the program's window.
FormaEq2 Forma(Programa& prg) {
  ContextGenerador ctx = ContextDelPrograma(prg);
  return TriaTipusEq2(ctx);
}

using prova::Escena;
using prova::Guio;
using prova::NoNul;

// A program whose draws follow the script, and the seam it asks.
// Draws p of a quadratic (sign drawn after the magnitude).
std::vector<int32_t> P(int p) { return {std::abs(p) - 1, p < 0 ? 5 : 0}; }

TEST(Equacions, FirstDegreeExampleAndOneEquationWhateverTheCases) {
  Escena s(Guio({NoNul(2), NoNul(3), NoNul(1), NoNul(4)}), 3);
  prova::Genera(*s.prg, GenEq1Grau);
  EXPECT_EQ(s.e().enunciat, "Resol l'equaci\xF3:      3x+4 = x+8");
  EXPECT_EQ(s.e().resposta, " x = 2");
  EXPECT_TRUE(s.e().llest);
  EXPECT_TRUE(s.guio->Esgotat());
}

TEST(Equacions, FirstDegreeRedrawsCWhileItEqualsB) {
  // b = c = 3 would make both sides the same x term; c is drawn again before d.
  Escena s(Guio({NoNul(2), NoNul(3), NoNul(3), NoNul(3), NoNul(1), NoNul(4)}));
  prova::Genera(*s.prg, GenEq1Grau);
  EXPECT_EQ(s.e().enunciat, "Resol l'equaci\xF3:      3x+4 = x+8");
  EXPECT_TRUE(s.guio->Esgotat());
}

TEST(Equacions, FirstDegreeZeroConstantVanishes) {
  // a = 1, b = 2, c = 1, d = -1: e = 0.
  Escena s(Guio({NoNul(1), NoNul(2), NoNul(1), NoNul(-1)}));
  prova::Genera(*s.prg, GenEq1Grau);
  EXPECT_EQ(s.e().enunciat, "Resol l'equaci\xF3:      2x-1 = x");
  EXPECT_EQ(s.e().resposta, " x = 1");
}

TEST(Equacions, QuadraticExampleWithTwoForms) {
  Escena s(Guio({P(2), {2}, P(-5)}), 2);
  s.ui.formes = {FormaEq2::Completa, FormaEq2::SenseTermeIndep};
  prova::Genera(*s.prg, [&](ContextGenerador& c) { return GenEq2Grau(c, 2); });
  EXPECT_EQ(s.e().enunciat, "Resol l'equaci\xF3: a) x\xB2-5x+6 = 0,  b) x\xB2+5x = 0");
  EXPECT_EQ(s.e().resposta, "a) 2, 3,  b) -5, 0");
  EXPECT_EQ(s.ui.preguntesFormes, 2);  // the window opens for every case
  EXPECT_TRUE(s.guio->Esgotat());
}

struct CasEq2 {
  int grau;
  FormaEq2 forma;
  std::vector<int32_t> draws;
  const char* equacio;
  const char* arrels;
};

TEST(Equacions, QuadraticAndBiquadraticForms) {
  const CasEq2 casos[] = {
      {2, FormaEq2::SenseTermeIndep, P(7), "x\xB2-7x = 0", "7, 0"},
      {2, FormaEq2::SenseTermeIndep, P(-7), "x\xB2+7x = 0", "-7, 0"},
      {2, FormaEq2::Completa, Guio({P(4), {3}}), "x\xB2-8x+16 = 0", "4"},  // double root once
      {2, FormaEq2::SenseTermeLineal, P(4), "x\xB2-16 = 0", "4, -4"},
      // q = 3 = -p is drawn again: the complete form keeps both terms.
      {2, FormaEq2::Completa, Guio({P(-3), {2, 4}}), "x\xB2-2x-15 = 0", "-3, 5"},
      {4, FormaEq2::Completa, Guio({P(2), {2}}), "x^4-13x\xB2+36 = 0", "2, -2, 3, -3"},
      {4, FormaEq2::SenseTermeIndep, P(-2), "x^4-4x\xB2 = 0", "-2, 2, 0"},
      {4, FormaEq2::SenseTermeLineal, P(3), "x^4-81 = 0", "3, -3"},  // x² = -9 has no real root
      {4, FormaEq2::Completa, Guio({P(1), {0}}), "x^4-2x\xB2+1 = 0", "1, -1"},
  };
  for (const auto& c : casos) {
    Escena s(c.draws);
    s.ui.formes = {c.forma};
    prova::Genera(*s.prg, [&](ContextGenerador& ctx) { return GenEq2Grau(ctx, c.grau); });
    EXPECT_EQ(s.e().enunciat, std::string("Resol l'equaci\xF3: ") + c.equacio);
    EXPECT_EQ(s.e().resposta, c.arrels) << c.equacio;
    EXPECT_TRUE(s.guio->Esgotat()) << c.equacio;
  }
}

TEST(Equacions, AnyFormIsDrawnRightAfterTheAnswerBeforeP) {
  Escena s(Guio({{1}, P(7)}));
  s.ui.formes = {FormaEq2::Qualsevol};
  prova::Genera(*s.prg, [&](ContextGenerador& c) { return GenEq2Grau(c, 2); });
  EXPECT_EQ(s.e().enunciat, "Resol l'equaci\xF3: x\xB2-7x = 0");
  EXPECT_EQ(s.guio->Demanats(), (std::vector<int32_t>{3, 9, 9}));
  // The close box of the window answers the complete form; the seam's default.
  EXPECT_EQ(Forma(*s.prg), FormaEq2::Completa);
}

TEST(Equacions, AnyFormGivesAllThreeFormsOverManyCases) {
  std::set<FormaEq2> vistes;
  for (uint64_t llavor = 1; llavor <= 60; ++llavor) {
    prova::InterficieFalsa ui;
    ui.formes = {FormaEq2::Qualsevol};
    Programa prg(ui, llavor);
    vistes.insert(Forma(prg));
  }
  EXPECT_EQ(vistes, (std::set<FormaEq2>{FormaEq2::Completa, FormaEq2::SenseTermeIndep, FormaEq2::SenseTermeLineal}));
}

TEST(Equacions, SystemExample) {
  Escena s(Guio({NoNul(1), NoNul(-2), NoNul(3), NoNul(1), NoNul(1), NoNul(-1)}), 1);
  prova::Genera(*s.prg, GenSistema);
  EXPECT_EQ(s.e().enunciat, "Resol (quan sigui possible) el sistema:\r#8 \r\r#8 3x+y = 1\r#8 x-y = 3\r");
  EXPECT_EQ(s.e().resposta, "    x= 1, y= -2");
  EXPECT_TRUE(s.guio->Esgotat());
}

TEST(Equacions, SystemReducesCoefficientsAndDetectsTheIndeterminateCase) {
  // Case a: 4, -6 reduce to 2, -3; case b: -2, -4 reduce to -1, -2, a multiple of 1, 2.
  Escena s(Guio({NoNul(1), NoNul(1), NoNul(4), NoNul(-6), NoNul(1), NoNul(1),
                 NoNul(1), NoNul(1), NoNul(1), NoNul(2), NoNul(-2), NoNul(-4)}),
           2);
  prova::Genera(*s.prg, GenSistema);
  EXPECT_EQ(s.e().enunciat,
            "Resol (quan sigui possible) el sistema:\r#8 "
            "\ra) \r#8 2x-3y = -1\r#8 x+y = 2\r"
            "\rb) \r#8 x+2y = 3\r#8 -x-2y = -3\r");
  EXPECT_EQ(s.e().resposta, "a)     x= 1, y= 1,  b)  sistema indeterminat (& solucions)");
}

// Many cases: the statement keeps the cases that fit whole (with room for the " #0 "
// the topic entry appends), and the answer stops at the same case, so that no
// system is left as a bare label whose answer the sheet still gives.
TEST(Equacions, ManyCasesKeepOnlyWholeCasesInBothTexts) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 7);
  prg.serie.nombreCasos = 40;
  for (auto gen : {+[](Programa& p) { prova::Genera(p, GeneraEquacions, 2); },
                   +[](Programa& p) { prova::Genera(p, GeneraEquacions, 3); },
                   +[](Programa& p) { prova::Genera(p, GenSistema); }}) {
    gen(prg);
    const Exercici& e = prg.exercici;
    EXPECT_LE(e.enunciat.size(), 251u);
    EXPECT_LE(e.resposta.size(), 255u);
    const auto etiquetes = prova::Etiquetes(e.enunciat);
    EXPECT_GT(etiquetes.size(), 3u) << e.enunciat;
    EXPECT_EQ(etiquetes, prova::Etiquetes(e.resposta)) << e.enunciat << "\n" << e.resposta;
    // The last case is whole: an equation ending in its right-hand side.
    EXPECT_TRUE(e.enunciat.ends_with(" = 0") || std::isdigit(static_cast<unsigned char>(e.enunciat.end()[-2])))
        << e.enunciat;
    EXPECT_FALSE(e.resposta.ends_with(",  ")) << e.resposta;
  }
  ui.Tria(4, 40);
  ExecutaTema(prg, 8);
  ASSERT_EQ(prg.lot.Nombre(), 1);
  EXPECT_TRUE(prg.lot[1].enunciat.ends_with("\r #0 ")) << prg.lot[1].enunciat;
}

const std::string kSistema = "Resol (quan sigui possible) el sistema:\r#8 ";

TEST(Equacions, ALongSeriesEndsAtItsLastWholeCaseAndStillDrawsEveryCase) {
  // The statement keeps room for the " #0 " the topic entry appends: 251 characters.
  for (uint64_t llavor = 1; llavor <= 6; ++llavor) {
    for (int grau : {2, 4}) {
      const auto gen = [grau](Programa& p) {
        prova::Genera(p, [grau](ContextGenerador& c) { return GenEq2Grau(c, grau); });
      };
      prova::ComprovaSerieLlarga(gen, {"Resol l'equaci\xF3: "}, {""}, 255, llavor, 251);
    }
    prova::ComprovaSerieLlarga(GenSistema, {kSistema, "\r", ""}, {""}, 255, llavor, 251);
  }
}

TEST(Equacions, ALongSeriesAsksTheFormOfEveryCase) {
  Escena s({}, 40);
  prova::Genera(*s.prg, [&](ContextGenerador& c) { return GenEq2Grau(c, 2); });
  EXPECT_EQ(s.ui.preguntesFormes, 40);
  EXPECT_LT(prova::PecesCasos(s.e().resposta, {""}, 40).size(), 40u);
}

TEST(Equacions, ALongSeriesOfSystemsKeepsItsIndentReset) {
  // Every system takes 30 characters: seven would fill the statement to 253, which
  // leaves no room for the " #0 " the topic entry appends, so six go in; all ten are
  // still drawn.
  std::vector<int32_t> draws;
  for (int i = 0; i < 10; ++i) {
    draws = Guio({draws, NoNul(1), NoNul(1), NoNul(7), NoNul(8), NoNul(1), NoNul(-1)});
  }
  Escena s(draws);
  s.ui.Tria(4, 10);
  s.ui.Surt();
  ExecutaTema(*s.prg, 8);
  ASSERT_EQ(s.prg->lot.Nombre(), 1);
  std::string enunciat = kSistema, resposta;
  for (char lletra = 'a'; lletra <= 'f'; ++lletra) {
    enunciat += "\r" + std::string(1, lletra) + ") \r#8 7x+8y = 15\r#8 x-y = 0\r";
    resposta += (lletra > 'a' ? ",  " : "") + std::string(1, lletra) + ")     x= 1, y= 1";
  }
  EXPECT_EQ(s.prg->lot[1].enunciat, enunciat + " #0 ");
  EXPECT_EQ(s.prg->lot[1].resposta, resposta);
  EXPECT_TRUE(s.guio->Esgotat());
}

TEST(Equacions, TopicEntryResetsTheIndent) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 11);
  ui.Tria(4, 1);
  ui.Tria(1, 3);
  ui.Tria(3, 2);
  ui.Surt();
  ExecutaTema(prg, 8);
  ASSERT_EQ(ui.peticionsSubtipus.size(), 4u);
  ASSERT_EQ(prg.lot.Nombre(), 3);
  for (const Exercici& e : prg.lot.Exercicis()) {
    EXPECT_TRUE(e.enunciat.ends_with(" #0 ")) << e.enunciat;
  }
  EXPECT_TRUE(prg.lot[1].enunciat.starts_with("Resol (quan sigui possible) el sistema:\r"));
  EXPECT_EQ(prg.lot[2].enunciat.find("a) "), std::string::npos);  // one first-degree equation
  EXPECT_TRUE(prg.lot[3].enunciat.starts_with("Resol l'equaci\xF3: a) x^4"));
  EXPECT_EQ(ui.preguntesFormes, 2);
}

}  // namespace
}  // namespace tirelo
