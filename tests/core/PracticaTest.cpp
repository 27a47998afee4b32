// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Practica.h"
#include "topics/Cataleg.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "document/Notacio.h"
#include "support/MetriquesFixes.h"

namespace tirelo {
namespace {

// "Simplifica: 9/12", typed by hand but kept as the fractions topic's first subtype,
// so that its answer must be in lowest terms.
Exercici Simplifica(std::string fraccio = "#F(9/12)", std::string resposta = "#F(3/4)") {
  Exercici e;
  e.enunciat = "Simplifica: " + fraccio;
  e.resposta = resposta;
  e.llest = true;
  e.recepta = Recepta{3, 1, 1, std::nullopt, 0};
  return e;
}

Practica DeSimplifica(int exercicis = 1) {
  std::vector<Exercici> v(static_cast<std::size_t>(exercicis), Simplifica());
  return Practica(std::move(v), "", "Fraccions");
}

TEST(Practica, JudgesEachAnswer) {
  struct Cas {
    const char* resposta;
    TipusVeredicte tipus;
    const char* text;  // part of what the verdict shows
  };
  const Cas casos[] = {
      {"3/4", TipusVeredicte::Correcte, "Correcte"},
      {"6/8", TipusVeredicte::Forma, "Correcte, per\xC3\xB2 simplifica"},
      {"1/2", TipusVeredicte::Incorrecte, "Incorrecte"},
      {"3/", TipusVeredicte::Illegible, ""},
      {"\xC2\xBF?\xE2\x88\x9A((", TipusVeredicte::Illegible, ""},
      {"\xFF\xFE", TipusVeredicte::Illegible, ""},
  };
  for (const Cas& c : casos) {
    SCOPED_TRACE(c.resposta);
    Practica p = DeSimplifica();
    const auto v = p.Comprova(0, c.resposta);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->tipus, c.tipus);
    EXPECT_NE(TextVeredicte(*v).find(c.text), std::string::npos) << TextVeredicte(*v);
    EXPECT_FALSE(TextVeredicte(*v).empty());
  }
}

TEST(Practica, BlankIsNotJudgedAndLongIsRefused) {
  Practica p = DeSimplifica();
  EXPECT_FALSE(p.Comprova(0, "   "));
  const auto v = p.Comprova(0, std::string(LlargadaMaximaResposta + 1, '1'));
  ASSERT_TRUE(v);
  EXPECT_EQ(v->tipus, TipusVeredicte::Illegible);
  EXPECT_NE(v->missatge.find("massa llarga"), std::string::npos);
  EXPECT_EQ(p.ExerciciActual().casos[0].intents, 0);
  EXPECT_FALSE(p.PotPassar());
}

TEST(Practica, ScoresFirstTriesRetriesShownAndStreak) {
  // Four exercises: right at once; right after a wrong and an unsimplified try; wrong
  // then shown (nullptr); a decimal, then right.
  Practica p = DeSimplifica(4);
  const std::vector<std::vector<const char*>> guio = {{"3/4"}, {"1/2", "6/8", "3/4"}, {"1/2", nullptr}, {"0,75", "3/4"}};
  const Puntuacio esperades[] = {{1, 0, 0, 1, 1}, {1, 1, 0, 1, 1}, {1, 1, 1, 0, 1}, {1, 2, 1, 1, 1}};
  for (std::size_t k = 0; k < guio.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_FALSE(p.PotPassar());
    for (const char* r : guio[k]) {
      if (r) {
        p.Comprova({r});
      } else {
        EXPECT_EQ(EscriuNotacio(p.MostraSolucio(0)), "3/4");
      }
    }
    EXPECT_TRUE(p.PotPassar());
    EXPECT_EQ(p.Punts(), esperades[k]);
    EXPECT_TRUE(p.EnCurs());
    EXPECT_EQ(p.Seguent(), k + 1 < guio.size());
  }
  EXPECT_TRUE(p.Acabada());
  EXPECT_FALSE(p.EnCurs());
  EXPECT_EQ(p.Fets().size(), 4U);
  EXPECT_EQ(LiniaPuntuacio(p.Punts()),
            "Correctes a la primera: 1 \xC2\xB7 Despr\xC3\xA9s de reintentar: 2 \xC2\xB7 Solucions vistes: 1 \xC2\xB7 Ratxa: 1");
}

TEST(Practica, ARightOrShownCaseIsNotJudgedAgain) {
  Practica p = DeSimplifica();
  p.Comprova({"3/4"});
  p.Comprova({"1/2"});
  EXPECT_EQ(p.ExerciciActual().casos[0].veredicte->tipus, TipusVeredicte::Correcte);
  EXPECT_EQ(p.ExerciciActual().casos[0].resposta, "3/4");
  p.MostraSolucio(0);
  EXPECT_FALSE(p.ExerciciActual().casos[0].mostrat);
  EXPECT_EQ(p.Punts().mostrats, 0);
}

TEST(Practica, StepsComeOneAtATimeAndTheCaseCountsAsShown) {
  Practica p = Practica::DeLaSerie(3, 1, 1, 1, 7);
  const CasPractica& c = p.ExerciciActual().casos[0];
  ASSERT_GE(c.passos.size(), 2U);
  const Pas* primer = p.PasSeguent(0);
  ASSERT_NE(primer, nullptr);
  EXPECT_EQ(*primer, c.passos[0]);
  EXPECT_EQ(p.Punts().mostrats, 1);
  EXPECT_FALSE(c.Tancat());  // still open to answer
  while (p.PasSeguent(0) != nullptr) {
  }
  EXPECT_EQ(c.passosVistos, c.passos.size());
  // Right after its steps: shown, not right, and counted once.
  p.Comprova(0, EscriuNotacio(c.solucio));
  EXPECT_TRUE(c.encertat);
  EXPECT_EQ(p.Punts(), (Puntuacio{0, 0, 1, 0, 0}));
  EXPECT_EQ(p.PasSeguent(0), nullptr);
}

TEST(Practica, HintIsTheExercisesOrTheFormAsked) {
  Practica p = DeSimplifica();
  EXPECT_NE(p.Pista().find("irreductibles"), std::string::npos);
  EXPECT_TRUE(p.ExerciciActual().pistaVista);
  Exercici amb = Simplifica();
  amb.pista = "Divideix per 3";
  Practica q({amb}, "", "");
  EXPECT_EQ(q.Pista().rfind("Divideix per 3", 0), 0U);
}

TEST(Practica, FromACodeGivesTheSheetsExercisesWithTheirCases) {
  const Practica serie = Practica::DeLaSerie(3, 1, 3, 2, 12345);
  ASSERT_FALSE(serie.Codi().empty());
  EXPECT_EQ(serie.Nombre(), 2);
  EXPECT_EQ(serie.Nom(), "Fraccions");
  const auto llegit = Practica::DelCodi(serie.Codi());
  ASSERT_TRUE(std::holds_alternative<Practica>(llegit));
  Practica p = std::get<Practica>(llegit);
  EXPECT_EQ(p.Codi(), serie.Codi());
  ASSERT_EQ(p.Nombre(), 2);
  ASSERT_EQ(p.ExerciciActual().casos.size(), 3U);
  EXPECT_EQ(p.ExerciciActual().casos[0].etiqueta, "a)");
  EXPECT_EQ(p.ExerciciActual().exercici.enunciat, serie.ExerciciActual().exercici.enunciat);
  // The key in the form asked is always right; changed, it is wrong.
  std::vector<std::string> respostes;
  for (const auto& c : p.ExerciciActual().casos) respostes.push_back(EscriuNotacio(c.solucio));
  respostes[2] = "(" + respostes[2] + ")+1";
  const auto v = p.Comprova(respostes);
  ASSERT_EQ(v.size(), 3U);
  EXPECT_EQ(v[0]->tipus, TipusVeredicte::Correcte);
  EXPECT_EQ(v[1]->tipus, TipusVeredicte::Correcte);
  EXPECT_EQ(v[2]->tipus, TipusVeredicte::Incorrecte);
  EXPECT_TRUE(std::holds_alternative<ErrorCodi>(Practica::DelCodi("1O!")));
}

TEST(Practica, EveryTopicsKeyIsRightAndAnyTextGetsAVerdict) {
  const char* textos[] = {"", "(", "))", "x = ", "arrel(", "2^^3", "1/0", "\xE2\x88\x9A-4", "99,84 \xE2\x82\xAC", "a;b;c",
                          "(2, 7)", "mcd = 5, MCM = 1425"};
  for (int tema = 1; tema <= NombreTemes(); ++tema) {
    SCOPED_TRACE(tema);
    Practica p = Practica::DeLaSerie(tema, 1, 2, 1, 7);
    ASSERT_EQ(p.Nombre(), 1);
    for (std::size_t k = 0; k < p.ExerciciActual().casos.size(); ++k) {
      for (const char* t : textos) p.Comprova(k, t);
      const auto v = p.Comprova(k, EscriuNotacio(p.ExerciciActual().casos[k].solucio));
      ASSERT_TRUE(v);
      EXPECT_EQ(v->tipus, TipusVeredicte::Correcte) << v->missatge;
    }
    EXPECT_TRUE(p.PotPassar());
  }
}

TEST(Practica, ResultPageHasCodeDateScoreAndAnswers) {
  Practica p = Practica::DeLaSerie(3, 1, 1, 1, 99);
  p.Comprova({"1/2"});
  const Full full = FullDelResultat(p, "9/12/2026", prova::MetriquesFixes{});
  std::string text;
  for (const auto& pag : full.pagines) {
    for (const auto& e : pag.elements) text += e.text + "\n";
  }
  EXPECT_NE(text.find("Codi del full: " + p.Codi()), std::string::npos) << text;
  EXPECT_NE(text.find("Data: 9/12/2026"), std::string::npos);
  EXPECT_NE(text.find("Correctes a la primera: 0"), std::string::npos);
  EXPECT_NE(text.find("Resposta: 1/2"), std::string::npos);
  EXPECT_NE(text.find("Incorrecte"), std::string::npos);
}

}  // namespace
}  // namespace tirelo
