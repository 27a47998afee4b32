// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Funcions.h"

#include <gtest/gtest.h>

#include <iterator>
#include <regex>

#include "support/CasosProva.h"
#include "support/Guio.h"
#include "support/Polinomis.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

using prova::Escena;
using prova::Guio;
using prova::NoNul;
using prova::NoNulMeitat;

// Draws of a parabola: vertex abscissa h, a, c, then the abscissas tried for the points.
std::vector<int32_t> Parabola(int h, int a, int c, std::vector<int> xs) {
  std::vector<int32_t> r = Guio({{h + 3}, NoNul(a), {c + 3}});
  for (int x : xs) r.push_back(x - h + 3);
  return r;
}

const std::string kEquacioParabola = "Equaci\xF3 de la par\xE0" "bola ";
const std::string kInterseccions = "Troba les interseccions de la par\xE0" "bola i recta seg\xFC" "ents:\r\n";

TEST(Funcions, LineExamplesOneLineWhateverTheCases) {
  const auto draws = Guio({NoNulMeitat(2), NoNul(1), NoNul(3), NoNul(1)});
  Escena s1(draws, 3), s2(draws, 3);
  prova::Genera(*s1.prg, GeneraFuncions, 1);
  prova::Genera(*s2.prg, GeneraFuncions, 2);
  EXPECT_EQ(s1.e().enunciat, "Troba l'equaci\xF3 de la recta  que t\xE9 pendent 2 i passa pel punt  (1,3)");
  EXPECT_EQ(s2.e().enunciat, "Troba l'equaci\xF3 de la recta  que passa pels punts  (1,3) i (2,5)");
  EXPECT_EQ(s1.e().resposta, " y = 2x+1");
  EXPECT_EQ(s2.e().resposta, " y = 2x+1");
  EXPECT_TRUE(s1.e().llest && s2.e().llest);
  EXPECT_TRUE(s1.guio->Esgotat() && s2.guio->Esgotat());
}

TEST(Funcions, LineThroughTheOriginHasNoConstantTerm) {
  Escena s(Guio({NoNulMeitat(-1), NoNul(1), NoNul(-1), NoNul(-2)}));
  prova::Genera(*s.prg, GeneraFuncions, 2);
  EXPECT_EQ(s.e().enunciat, "Troba l'equaci\xF3 de la recta  que passa pels punts  (1,-1) i (-1,1)");
  EXPECT_EQ(s.e().resposta, " y = -x");
}

TEST(Funcions, VertexAndPointExample) {
  Escena s(Parabola(1, 1, 3, {3, 0, 2}));
  prova::Genera(*s.prg, GeneraFuncions, 4);
  EXPECT_EQ(s.e().enunciat, kEquacioParabola + "que t\xE9 com a v\xE8rtex  (1,2) i passa pel punt: (3,6)");
  EXPECT_EQ(s.e().resposta, "    y = x\xB2-2x+3");
  EXPECT_TRUE(s.e().llest);
  EXPECT_TRUE(s.guio->Esgotat());
}

TEST(Funcions, IntersectionExampleWithAHorizontalLine) {
  Escena s(Parabola(1, 1, 3, {0, 2, 1}));
  prova::Genera(*s.prg, GeneraFuncions, 5);
  EXPECT_EQ(s.e().enunciat, kInterseccions + "y = x\xB2-2x+3 i  y-3 = 0");
  EXPECT_EQ(s.e().resposta, "         (0,3)  (2,3)");
}

TEST(Funcions, PointsAreRedrawnUntilTheirAbscissasDiffer) {
  // X1 = h (0) is drawn again; X2 = X1; X3 = X1, then X3 = X2.
  Escena s(Parabola(0, 2, -3, {0, 1, 1, -2, 1, -2, 3}));
  prova::Genera(*s.prg, GeneraFuncions, 3);
  EXPECT_EQ(s.e().enunciat, kEquacioParabola + "que passa pels punts:  (1,-1) (-2,5) (3,15)");
  EXPECT_EQ(s.e().resposta, "    y = 2x\xB2-3");  // h = 0: no x term
  EXPECT_TRUE(s.guio->Esgotat());
}

// Mended: the cases are separated by ",  "; before, a label ran into the number
// that ended the case before it.
TEST(Funcions, CasesAreSeparatedLikeTheOtherTopics) {
  Escena s(Guio({Parabola(0, 1, 0, {1, 2, 3}), Parabola(0, -1, 0, {1, 2, 3}), Parabola(1, 1, 3, {3, 0, 2})}), 3);
  prova::Genera(*s.prg, GeneraFuncions, 4);
  EXPECT_EQ(s.e().enunciat, kEquacioParabola +
                                "a) que t\xE9 com a v\xE8rtex  (0,0) i passa pel punt: (1,1),  "
                                "b) que t\xE9 com a v\xE8rtex  (0,0) i passa pel punt: (1,-1),  "
                                "c) que t\xE9 com a v\xE8rtex  (1,2) i passa pel punt: (3,6)");
  EXPECT_EQ(s.e().resposta, "a)     y = x\xB2,  " "b)     y = -x\xB2,  " "c)     y = x\xB2-2x+3");
}

// How many times the pattern occurs in the text.
std::size_t Compta(const std::string& text, const std::string& patro) {
  const std::regex re(patro);
  return static_cast<std::size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), re), {}));
}

// Many parabolas: the statement keeps the cases that fit whole and the answer stops at
// the same case; before, the statement ended mid-case ("e) que t") while the answer
// still gave e).
TEST(Funcions, ManyCasesKeepOnlyWholeCasesInBothTexts) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 5);
  prg.serie.nombreCasos = 30;
  for (int subtipus : {3, 4, 5}) {
    prova::Genera(prg, GeneraFuncions, subtipus);
    const Exercici& e = prg.exercici;
    EXPECT_LE(e.enunciat.size(), 255u);
    EXPECT_LE(e.resposta.size(), 255u);
    // Labels open a case's text ("que", "y = ") in the statement and four or nine
    // blanks in the answer.
    const std::size_t casos = Compta(e.enunciat, "[a-z]\\) (que|y = )");
    EXPECT_GT(casos, 2u) << e.enunciat;
    EXPECT_EQ(Compta(e.resposta, "[a-z]\\)    "), casos) << e.enunciat << "\n" << e.resposta;
    const std::size_t punts[] = {3, 2, 0};
    EXPECT_EQ(prova::Punts(e.enunciat).size(), punts[subtipus - 3] * casos) << e.enunciat;
    if (subtipus == 5) {
      EXPECT_EQ(prova::Punts(e.resposta).size(), 2 * casos) << e.resposta;
    }
    EXPECT_TRUE(e.enunciat.ends_with(subtipus == 5 ? " = 0" : ")")) << e.enunciat;
  }
}

TEST(Funcions, ALongSeriesEndsAtItsLastWholeCaseAndStillDrawsEveryCase) {
  for (uint64_t llavor = 1; llavor <= 10; ++llavor) {
    const std::string capcalera[] = {kEquacioParabola, kEquacioParabola, kInterseccions};
    for (int subtipus : {3, 4, 5}) {
      prova::ComprovaSerieLlarga([subtipus](Programa& p) { prova::Genera(p, GeneraFuncions, subtipus); },
                                 {capcalera[subtipus - 3]}, {""}, 40, llavor);
    }
  }
}

TEST(Funcions, FourWholeVertexCasesOfSix) {
  // Each case takes 53 characters of the statement and its separator 3: a fifth
  // would reach 300.
  std::vector<int32_t> draws;
  for (int i = 0; i < 6; ++i) draws = Guio({draws, Parabola(1, 1, 3, {3, 0, 2})});
  Escena s(draws, 6);
  prova::Genera(*s.prg, GeneraFuncions, 4);
  const std::string cas = ") que t\xE9 com a v\xE8rtex  (1,2) i passa pel punt: (3,6)";
  EXPECT_EQ(s.e().enunciat,
            kEquacioParabola + "a" + cas + ",  b" + cas + ",  c" + cas + ",  d" + cas);
  EXPECT_EQ(s.e().resposta, "a)     y = x\xB2-2x+3,  " "b)     y = x\xB2-2x+3,  " "c)     y = x\xB2-2x+3,  "
                            "d)     y = x\xB2-2x+3");
  EXPECT_TRUE(s.guio->Esgotat());
}

TEST(Funcions, TopicEntryRunsEveryGenerator) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 3);
  ui.Tria(1, 2);
  ui.Tria(2, 2);
  ui.Tria(3, 2);
  ui.Tria(4, 1);
  ui.Tria(5, 1);
  ui.Surt();
  ExecutaTema(prg, 9);
  ASSERT_EQ(ui.peticionsSubtipus.size(), 6u);
  ASSERT_EQ(prg.lot.Nombre(), 5);
  EXPECT_TRUE(prg.lot[1].enunciat.find("pendent") != std::string::npos);
  EXPECT_TRUE(prg.lot[2].enunciat.find("a) ") == std::string::npos);
  EXPECT_TRUE(prg.lot[3].enunciat.starts_with(kEquacioParabola + "a) que passa pels punts: "));
  EXPECT_TRUE(prg.lot[4].enunciat.starts_with(kEquacioParabola + "que t\xE9 com a v\xE8rtex"));
  EXPECT_TRUE(prg.lot[5].enunciat.starts_with(kInterseccions));
}

}  // namespace
}  // namespace tirelo
