// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "batch/Serie.h"
#include "document/Exercici.h"
#include "document/Matematiques.h"
#include "document/Model.h"
#include "support/Llavors.h"
#include "topics/Cataleg.h"
#include "topics/Dibuix.h"

namespace tirelo {
namespace {

// A tree in a short notation that leaves out what only lays out or separates: line
// breaks, tab stops and indents, blanks around words, and the comma a text writes
// after a case before the next one.
class Descriptor : public Visitant {
 public:
  void Obre(const Peca& p) override {
    switch (p.tipus) {
      case TipusPeca::Tros: {
        const std::size_t a = p.text.find_first_not_of(" ,\t"), b = p.text.find_last_not_of(" ,\t");
        if (a != std::string::npos) s += "'" + p.text.substr(a, b + 1 - a) + "'";
        break;
      }
      case TipusPeca::Operador:
      case TipusPeca::Nombre:
      case TipusPeca::Variable: s += p.text; break;
      case TipusPeca::Paragraf:
      case TipusPeca::Tabulador:
      case TipusPeca::Sagnat: break;  // layout
      default: s += "(" + std::to_string(static_cast<int>(p.tipus)) + p.text; break;
    }
  }
  void Tanca(const Peca& p) override {
    if (p.fills.empty() && p.tipus != TipusPeca::Cas) {
      if (p.tipus == TipusPeca::Tros || p.tipus == TipusPeca::Operador || p.tipus == TipusPeca::Nombre ||
          p.tipus == TipusPeca::Variable || p.tipus == TipusPeca::Paragraf || p.tipus == TipusPeca::Tabulador ||
          p.tipus == TipusPeca::Sagnat)
        return;
    }
    s += ")";
  }
  std::string s;
};

std::string Descriu(const Model& m) {
  Descriptor d;
  Recorre(m, d);
  // The separator after a case: a comma as the last thing inside it. Words that follow
  // words are one run of prose.
  std::string r;
  for (std::size_t i = 0; i < d.s.size(); ++i) {
    const std::size_t tancats = d.s.find_first_not_of(')', i + 1);
    if (d.s[i] == ',' && (tancats == std::string::npos || tancats > i + 1)) continue;
    r += d.s[i];
  }
  for (std::size_t i = r.find("''"); i != std::string::npos; i = r.find("''", i)) r.replace(i, 2, " ");
  return r;
}

// The numbers of cases each subtype is drawn with: one, a few, and the most a text holds.
constexpr int kCasos[] = {1, 3, 255};
constexpr uint64_t kLlavors = prova::Llavors(25);
// Levels 1 and 3 change only the ranges of the usual draws: fewer seeds show them, and
// fewer still under the sanitizers, where every draw is many times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kLlavorsAltresNivells = 3;
#else
constexpr uint64_t kLlavorsAltresNivells = 8;
#endif

class ApartatsTest : public testing::TestWithParam<int> {
 protected:
  const EntradaTema& Entrada() const { return Cataleg()[static_cast<std::size_t>(GetParam() - 1)]; }
};

// Every drawn exercise carries its cases: as many as went into its texts, labelled as
// the texts label them, none empty, and together (with the instruction) the very
// mathematics the one markup reader finds in the texts written from them; at every
// level, so no level's case is cut on the way into its field.
TEST_P(ApartatsTest, DrawnCasesAreTheMathematicsOfTheTexts) {
  const int subtipus = static_cast<int>(Entrada().Subtipus().size());
  for (int s = 1; s <= subtipus; ++s) {
    for (const int casos : kCasos) {
      if (!Entrada().PrenCasos(s) && casos > 1) continue;
      for (const int nivell : {2, 1, 3}) {
        for (uint64_t llavor = 1; llavor <= (nivell == 2 ? kLlavors : kLlavorsAltresNivells); ++llavor) {
          SCOPED_TRACE("subtype " + std::to_string(s) + ", cases " + std::to_string(casos) + ", seed " +
                       std::to_string(llavor) + ", level " + std::to_string(nivell));
          const auto d = Dibuixa(Recepta{GetParam(), s, casos, 3, llavor, nivell});
          ASSERT_TRUE(d);
          const Exercici& e = d->exercici;
          ASSERT_EQ(static_cast<int>(e.apartats.size()), d->casosEscrits.value_or(1));
          for (std::size_t k = 0; k < e.apartats.size(); ++k) {
            const Apartat& a = e.apartats[k];
            const bool ambEtiqueta = d->nombreCasos > 1 && d->casosEscrits;
            EXPECT_EQ(a.etiqueta, ambEtiqueta ? LletresCas(static_cast<int>(k) + 1) + ")" : std::string());
            EXPECT_FALSE(a.enunciat.Buida());
            EXPECT_FALSE(a.resposta.Buida());
          }
          EXPECT_EQ(e.enunciat.rfind(e.instruccio, 0), 0u) << e.enunciat;
          EXPECT_EQ(Descriu(MatematiquesEnunciat(e)), Descriu(LlegeixMatematiques(e.enunciat))) << e.enunciat;
          EXPECT_EQ(Descriu(MatematiquesResposta(e)), Descriu(LlegeixMatematiques(e.resposta))) << e.resposta;
          // Drawing is a function of the recipe.
          EXPECT_EQ(Dibuixa(*e.recepta)->exercici, e);
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Temes, ApartatsTest, testing::Range(1, static_cast<int>(Cataleg().size()) + 1));

// An exercise changed by hand has no cases: its texts are read again.
TEST(Apartats, AnEditedExerciseIsReadFromItsTexts) {
  Exercici e = Dibuixa(Recepta{3, 1, 3, std::nullopt, 5})->exercici;
  ASSERT_FALSE(ApartatsVigents(e).empty());
  e.enunciat = "Simplifica: 2/4";
  MarcaEditat(e);
  EXPECT_TRUE(ApartatsVigents(e).empty());
  EXPECT_EQ(Descriu(MatematiquesEnunciat(e)), Descriu(LlegeixMatematiques("Simplifica: 2/4")));
}

}  // namespace
}  // namespace tirelo
