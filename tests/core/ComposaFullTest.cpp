// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "document/TextLinia.h"
#include "full/Full.h"
#include "full/Parts.h"
#include "topics/Cataleg.h"
#include "topics/Dibuix.h"
#include "support/Exercicis.h"
#include "support/MetriquesFixes.h"

namespace tirelo {
namespace {

const prova::MetriquesFixes kMetriques;

struct Lloc {
  std::size_t pagina;
  const ElementFull* element;
};

std::optional<Lloc> Troba(const Full& f, std::string_view text) {
  for (std::size_t p = 0; p < f.pagines.size(); ++p) {
    for (const ElementFull& e : f.pagines[p].elements) {
      if (e.tipus == TipusElement::Text && e.text == text) return Lloc{p, &e};
    }
  }
  return std::nullopt;
}

Exercici Fet(std::string enunciat, std::string resposta, std::string pista = {}, int posicio = 0) {
  Exercici e;
  e.enunciat = std::move(enunciat);
  e.resposta = std::move(resposta);
  e.pista = std::move(pista);
  e.posicioPista = posicio;
  e.llest = true;
  return e;
}

// A word of prose that names a number: "enunciat", 2, 3 -> "enunciatacad".
std::string Mot(const char* prefix, int k, int i = 0) {
  const auto Lletres = [](int n) { return std::string{static_cast<char>('a' + n / 26), static_cast<char>('a' + n % 26)}; };
  return prefix + Lletres(k) + Lletres(i);
}

// Exercise k's statement: `linies` lines Mot("enunciat", k, i); its answer Mot("resposta", k).
std::vector<Exercici> Numerats(int n, int linies) {
  std::vector<Exercici> r;
  for (int k = 1; k <= n; ++k) {
    std::string e;
    for (int i = 1; i <= linies; ++i) e += (i > 1 ? "\r" : "") + Mot("enunciat", k, i);
    r.push_back(Fet(e, Mot("resposta", k)));
  }
  return r;
}

OpcionsFull Opcions(int disposicio, int espai = 0) {
  OpcionsFull o;
  o.titol = "Full de prova";
  o.disposicio = disposicio;
  o.espai = espai;
  return o;
}

class ComposaFullDisposicioTest : public testing::TestWithParam<int> {};

TEST_P(ComposaFullDisposicioTest, NoExerciseSplitAcrossPages) {
  const auto exercicis = Numerats(30, 7);
  const Full f = ComposaFull(exercicis, Opcions(GetParam(), 2), kMetriques);
  ASSERT_GT(f.pagines.size(), 2u);
  for (int k = 1; k <= 30; ++k) {
    const auto etiqueta = Troba(f, std::to_string(k) + ")");
    ASSERT_TRUE(etiqueta);
    for (int i = 1; i <= 7; ++i) {
      const auto linia = Troba(f, Mot("enunciat", k, i));
      ASSERT_TRUE(linia);
      EXPECT_EQ(linia->pagina, etiqueta->pagina) << k << "." << i;
    }
    if (GetParam() == 0) {
      EXPECT_EQ(Troba(f, Mot("resposta", k))->pagina, etiqueta->pagina) << k;
    }
  }
}

// The key with worked solutions: three exercises of twelve cases, each case's answer
// followed by its steps, and each exercise's answers still on one page (they fit).
TEST(ComposaFull, KeyWithStepsKeepsEachExerciseOnOnePage) {
  std::vector<Exercici> exercicis;
  for (const auto& [tema, subtipus] : {std::pair{4, 1}, std::pair{4, 5}, std::pair{2, 2}}) {
    const auto d = Dibuixa(Recepta{tema, subtipus, 12, 3, 1});
    ASSERT_TRUE(d);
    ASSERT_EQ(d->exercici.apartats.size(), 12u);
    exercicis.push_back(d->exercici);
  }
  OpcionsFull o = Opcions(1);
  o.resolucio = true;
  const Full f = ComposaFull(exercicis, o, kMetriques);
  // From "Respostes" on: every text on the page of the label of the exercise it follows.
  bool respostes = false;
  std::optional<std::size_t> pagina;
  std::size_t pagines = 0, textos = 0;
  for (std::size_t p = 0; p < f.pagines.size(); ++p) {
    for (const ElementFull& e : f.pagines[p].elements) {
      if (e.tipus != TipusElement::Text || e.y > f.alcada - Marge2cm) continue;  // not the page's foot
      if (e.text == "Respostes") respostes = true;
      if (!respostes) continue;
      if (e.text == "1)" || e.text == "2)" || e.text == "3)") {
        pagina = p;
        ++pagines;
        continue;
      }
      if (pagina) {
        EXPECT_EQ(p, *pagina) << e.text;
        ++textos;
      }
    }
  }
  EXPECT_EQ(pagines, 3u);
  EXPECT_GE(f.pagines.size(), 3u);  // the answers take more than one page
  EXPECT_GT(textos, 3u * 12u * 2u);  // each case's answer and at least one step
}

// Steps that are one equation each line up on their "=": a linear equation's key has
// three or more "=" at one x (its steps "-4x = -8", "x = 8/4", "x = 2").
TEST(ComposaFull, EquationStepsLineUpOnTheirEquals) {
  const auto d = Dibuixa(Recepta{8, 1, 1, 3, 1});
  ASSERT_TRUE(d);
  OpcionsFull o = Opcions(1);
  o.resolucio = true;
  const Full f = ComposaFull({d->exercici}, o, kMetriques);
  std::vector<double> x;
  bool respostes = false;
  for (const PaginaFull& p : f.pagines) {
    for (const ElementFull& e : p.elements) {
      respostes = respostes || (e.tipus == TipusElement::Text && e.text == "Respostes");
      if (respostes && e.tipus == TipusElement::Text && e.text == "=") x.push_back(e.x);
    }
  }
  std::size_t mateixa = 0;
  for (const double a : x) {
    mateixa = std::max<std::size_t>(mateixa, std::count_if(x.begin(), x.end(), [&](double b) { return std::abs(a - b) < 1e-6; }));
  }
  EXPECT_GE(mateixa, 3u);
}

// A worked solution ends at the answer the key writes above it, in the key's own form
// (simplest form, solutions named after their unknown): every case of every subtype
// shows that answer twice, as its heading and as its last step.
TEST(ComposaFull, StepsEndAtTheAnswerAsTheKeyWritesIt) {
  OpcionsFull o = Opcions(1);
  o.respostesSimplificades = true;
  o.formaDelSubtipus = FormaDelSubtipus;
  for (const Exercici& e : prova::ExercicisDeCadaSubtipus()) {
    if (e.apartats.size() != 1 || e.apartats[0].passos.empty()) continue;
    const auto sense = PartsDelFull({e}, o);
    o.resolucio = true;
    const auto amb = PartsDelFull({e}, o);
    o.resolucio = false;
    ASSERT_EQ(sense.size(), amb.size());
    for (std::size_t g = 0; g < sense.size(); ++g) {
      ASSERT_EQ(sense[g].textos.size(), amb[g].textos.size());
      for (std::size_t t = 0; t < sense[g].textos.size(); ++t) {
        const std::string resposta = TextLinia(sense[g].textos[t].matematiques);
        const std::string clau = TextLinia(amb[g].textos[t].matematiques);
        if (resposta == clau) continue;  // not the answer: the same with or without steps
        const std::size_t primera = clau.find(resposta);
        EXPECT_EQ(primera, 0u) << clau;
        EXPECT_NE(clau.find(resposta, primera + resposta.size()), std::string::npos)
            << "the steps do not end at " << resposta << ": " << clau;
      }
    }
  }
}

// With worked solutions too, nothing of the key leaves the page.
TEST_P(ComposaFullDisposicioTest, KeyWithStepsStaysInsideThePage) {
  OpcionsFull o = Opcions(GetParam(), 1);
  o.resolucio = true;
  const Full f = ComposaFull(prova::ExercicisDeCadaSubtipus(), o, kMetriques);
  for (const PaginaFull& p : f.pagines) {
    for (const ElementFull& e : p.elements) {
      EXPECT_GE(e.x, Marge2cm - 1e-9) << e.text;
      EXPECT_LE(e.x + kMetriques.Amplada(e.text, e.lletra), f.amplada - Marge2cm + 1e-9) << e.text;
    }
  }
}

TEST_P(ComposaFullDisposicioTest, EverythingStaysInsideThePage) {
  const Full f = ComposaFull(prova::ExercicisDeCadaSubtipus(), Opcions(GetParam(), 1), kMetriques);
  for (const PaginaFull& p : f.pagines) {
    for (const ElementFull& e : p.elements) {
      EXPECT_GE(e.x, Marge2cm - 1e-9) << e.text;
      EXPECT_LE(e.x + kMetriques.Amplada(e.text, e.lletra), f.amplada - Marge2cm + 1e-9) << e.text;
      EXPECT_GE(e.y, Marge2cm - 1e-9) << e.text;
      EXPECT_LE(e.y, f.alcada - Marge2cm / 2) << e.text;
    }
  }
}

// No markup sign reaches a placed text, over a sheet of every subtype with its hints.
TEST_P(ComposaFullDisposicioTest, NoMarkupInAnyText) {
  for (const int posicio : {1, 2}) {
    const Full f = ComposaFull(prova::ExercicisDeCadaSubtipus(posicio), Opcions(GetParam()), kMetriques);
    for (const PaginaFull& p : f.pagines) {
      for (const ElementFull& e : p.elements) {
        EXPECT_EQ(e.text.find_first_of("#^_\\{}"), std::string::npos) << e.text;
        EXPECT_EQ(e.text.find("R_"), std::string::npos) << e.text;
        EXPECT_EQ(e.text.find("Nota: R"), std::string::npos) << e.text;
      }
    }
  }
}

TEST_P(ComposaFullDisposicioTest, SameBatchSameSheet) {
  const auto exercicis = prova::ExercicisDeCadaSubtipus();
  EXPECT_EQ(ComposaFull(exercicis, Opcions(GetParam()), kMetriques).pagines.size(),
            ComposaFull(exercicis, Opcions(GetParam()), kMetriques).pagines.size());
  const Full a = ComposaFull(exercicis, Opcions(GetParam()), kMetriques);
  const Full b = ComposaFull(exercicis, Opcions(GetParam()), kMetriques);
  for (std::size_t p = 0; p < a.pagines.size(); ++p) EXPECT_EQ(a.pagines[p].elements, b.pagines[p].elements);
}

// Every fraction of every subtype: text stands right above its rule and right below
// it, all of it within the rule's ends, roughly centred on it.
TEST_P(ComposaFullDisposicioTest, EveryFractionStandsOnItsRule) {
  const Full f = ComposaFull(prova::ExercicisDeCadaSubtipus(), Opcions(GetParam()), kMetriques);
  int fraccions = 0;
  for (const PaginaFull& p : f.pagines) {
    for (std::size_t i = 0; i < p.elements.size(); ++i) {
      const ElementFull& r = p.elements[i];
      const bool barraArrel = i > 0 && p.elements[i - 1].text == "\u221A";
      if (r.tipus != TipusElement::Linia || barraArrel || r.y != r.y2 || r.x2 - r.x > 300) continue;
      ++fraccions;
      double dalt[2] = {1e9, -1e9}, baix[2] = {1e9, -1e9};
      for (const ElementFull& e : p.elements) {
        if (e.tipus != TipusElement::Text) continue;
        const double a = e.y - kMetriques.Ascendent(e.lletra), d = e.y + kMetriques.Descendent(e.lletra);
        const double w = kMetriques.Amplada(e.text, e.lletra);
        if (e.x + w <= r.x || e.x >= r.x2) continue;
        double* fila = d <= r.y && d > r.y - 6 ? dalt : a >= r.y && a < r.y + 6 ? baix : nullptr;
        if (!fila) continue;
        EXPECT_GE(e.x, r.x - 1e-9) << e.text;
        EXPECT_LE(e.x + w, r.x2 + 1e-9) << e.text;
        fila[0] = std::min(fila[0], e.x);
        fila[1] = std::max(fila[1], e.x + w);
      }
      ASSERT_LT(dalt[0], dalt[1]) << "a numerator above the rule at " << r.x << "," << r.y;
      ASSERT_LT(baix[0], baix[1]) << "a denominator below the rule at " << r.x << "," << r.y;
      EXPECT_NEAR(dalt[0] + dalt[1], r.x + r.x2, 8);
      EXPECT_NEAR(baix[0] + baix[1], r.x + r.x2, 8);
    }
  }
  EXPECT_GT(fraccions, 30);
}

// Every root with an index: the index ends left of the bar over the radicand, above
// the radicand's baseline.
TEST_P(ComposaFullDisposicioTest, EveryRootIndexSitsInTheCrook) {
  const Full f = ComposaFull(prova::ExercicisDeCadaSubtipus(), Opcions(GetParam()), kMetriques);
  int indexs = 0;
  for (const PaginaFull& p : f.pagines) {
    for (std::size_t i = 1; i + 2 < p.elements.size(); ++i) {
      const ElementFull& index = p.elements[i - 1];
      if (p.elements[i].text != "\u221A" || index.tipus != TipusElement::Text || index.lletra.punts >= 11) {
        continue;
      }
      const ElementFull& barra = p.elements[i + 1];
      const ElementFull& radicand = p.elements[i + 2];
      if (barra.tipus != TipusElement::Linia || radicand.tipus != TipusElement::Text) continue;
      ++indexs;
      EXPECT_LE(index.x + kMetriques.Amplada(index.text, index.lletra), barra.x) << index.text;
      EXPECT_LT(index.y, radicand.y) << index.text;
      EXPECT_LE(barra.x2, radicand.x + kMetriques.Amplada(radicand.text, radicand.lletra) + 20);
    }
  }
  EXPECT_GT(indexs, 0);
}

INSTANTIATE_TEST_SUITE_P(Disposicions, ComposaFullDisposicioTest, testing::Values(0, 1));

TEST(ComposaFull, KeyStartsAtTheTopOfANewPage) {
  const Full f = ComposaFull(Numerats(12, 3), Opcions(1), kMetriques);
  const auto respostes = Troba(f, "Respostes");
  const auto darrer = Troba(f, Mot("enunciat", 12, 3));
  ASSERT_TRUE(respostes && darrer);
  EXPECT_GT(respostes->pagina, darrer->pagina);
  EXPECT_EQ(&f.pagines[respostes->pagina].elements.front(), respostes->element);
  EXPECT_LT(respostes->element->y, Marge2cm + 20);
  EXPECT_GT(Troba(f, Mot("resposta", 1))->element->y, respostes->element->y);
}

TEST(ComposaFull, AnExerciseTallerThanAPageIsCutBetweenLines) {
  const Full f = ComposaFull(Numerats(1, 80), Opcions(0), kMetriques);
  EXPECT_EQ(Troba(f, Mot("enunciat", 1, 1))->pagina, 0u);
  EXPECT_EQ(Troba(f, Mot("enunciat", 1, 80))->pagina, 1u);
  for (const PaginaFull& p : f.pagines) {
    for (const ElementFull& e : p.elements) {
      if (e.text.rfind("enunciat", 0) == 0) {
        EXPECT_LE(e.y, f.alcada - Marge2cm);
      }
    }
  }
}

struct Pista {
  int posicio;
  int disposicio;
  bool abansDeResp;  // in layout 0: the hint before "Resp:"
  bool visible;
};

class ComposaFullPistaTest : public testing::TestWithParam<Pista> {};

TEST_P(ComposaFullPistaTest, HintGoesWhereTheBatchSays) {
  const Full f =
      ComposaFull({Fet("enunciat", "resposta", "pista", GetParam().posicio)}, Opcions(GetParam().disposicio), kMetriques);
  const auto comentari = Troba(f, "Comentari:");
  ASSERT_EQ(comentari.has_value(), GetParam().visible);
  if (!comentari) return;
  const auto pista = Troba(f, "pista");
  ASSERT_TRUE(pista);
  const auto despres = Troba(f, GetParam().posicio == 1 ? "enunciat" : "resposta");
  EXPECT_EQ(pista->pagina, despres->pagina);
  EXPECT_GT(pista->element->y, despres->element->y);
  if (GetParam().disposicio == 0) {
    EXPECT_EQ(pista->element->y < Troba(f, "Resp:")->element->y, GetParam().abansDeResp);
  }
}

INSTANTIATE_TEST_SUITE_P(Posicions, ComposaFullPistaTest,
                         testing::Values(Pista{0, 0, false, false}, Pista{1, 0, true, true}, Pista{2, 0, false, true},
                                         Pista{1, 1, false, true}, Pista{2, 1, false, true}));

class ComposaFullEspaiTest : public testing::TestWithParam<int> {};

TEST_P(ComposaFullEspaiTest, AnswerSpaceOfTheLinesAsked) {
  const auto y2 = [](int espai) {
    return Troba(ComposaFull(Numerats(2, 1), Opcions(1, espai), kMetriques), "2)")->element->y;
  };
  EXPECT_NEAR(y2(GetParam()) - y2(0), GetParam() * 20.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Linies, ComposaFullEspaiTest, testing::Values(1, 3, 8));

TEST(ComposaFull, HeaderWithTitleVersionAndLines) {
  OpcionsFull o = Opcions(1);
  o.versio = "B";
  o.capcalera = true;
  const Full f = ComposaFull(Numerats(1, 1), o, kMetriques);
  EXPECT_EQ(f.titol, "Full de prova");
  const auto titol = Troba(f, "Full de prova");
  ASSERT_TRUE(titol);
  EXPECT_NEAR(titol->element->x * 2 + kMetriques.Amplada("Full de prova", titol->element->lletra), f.amplada, 1e-9);
  EXPECT_TRUE(Troba(f, "Versió B"));
  double y = titol->element->y;
  for (const char* linia : {"Nom:", "Curs:", "Data:"}) {
    const auto l = Troba(f, linia);
    ASSERT_TRUE(l) << linia;
    EXPECT_GT(l->element->y, y);
    y = l->element->y;
  }
  EXPECT_GT(Troba(f, "1)")->element->y, y);
  o.capcalera = false;
  EXPECT_FALSE(Troba(ComposaFull(Numerats(1, 1), o, kMetriques), "Nom:"));
}

// The title's quotes and apostrophe as a printed page has them, as the sheet's prose.
TEST(ComposaFull, TitleTakesCatalanQuotesAndApostrophe) {
  OpcionsFull o = Opcions(1);
  o.titol = "Full \"de prova\" d'equacions";
  const Full f = ComposaFull(Numerats(1, 1), o, kMetriques);
  EXPECT_TRUE(Troba(f, "Full \u00ABde prova\u00BB d\u2019equacions"));
  EXPECT_NE(EscriuLatex(Numerats(1, 1), o).find("Full \u00ABde prova\u00BB d'{}equacions"), std::string::npos);
}

TEST(ComposaFull, LongTitleBreaksIntoCentredLinesClearOfTheVersion) {
  OpcionsFull o = Opcions(1);
  o.titol.clear();
  for (int k = 0; k < 30; ++k) o.titol += "exercicis ";
  o.versio = "D";
  const Full f = ComposaFull(Numerats(1, 1), o, kMetriques);
  const ElementFull* versio = Troba(f, "Versió D")->element;
  int linies = 0;
  for (const ElementFull& e : f.pagines[0].elements) {
    if (e.lletra.punts <= 11 || e.tipus != TipusElement::Text) continue;
    ++linies;
    const double amplada = kMetriques.Amplada(e.text, e.lletra);
    EXPECT_NEAR(e.x * 2 + amplada, f.amplada, 1e-9) << e.text;
    EXPECT_LT(e.x + amplada, versio->x) << e.text;
  }
  EXPECT_GT(linies, 1);
}

// The code in groups of four, wrapped before it would reach the page number.
TEST(ComposaFull, EveryFooterNumbersItsPageAndShowsTheCode) {
  OpcionsFull o = Opcions(1);
  const std::string codi = "7Z83AJDAWNZ9JNHB6ED5HR95RSD64M2X4UPEWDYKT7Z83AJDAWNZ9JNHB6ED5HR95RSD64M2X4UPEWDYKT";
  o.codi = codi;
  const Full f = ComposaFull(Numerats(40, 4), o, kMetriques);
  const std::size_t n = f.pagines.size();
  ASSERT_GT(n, 2u);
  for (std::size_t k = 0; k < n; ++k) {
    const auto& e = f.pagines[k].elements;
    const ElementFull& numero = e.back();
    EXPECT_EQ(numero.text, std::to_string(k + 1) + "/" + std::to_string(n));
    EXPECT_NEAR(numero.x + kMetriques.Amplada(numero.text, numero.lletra), AmpladaA4 - Marge2cm, 1e-6);
    std::string llegit;
    std::size_t linies = 0;
    for (const ElementFull& el : e) {
      if (&el == &numero || el.y < f.alcada - Marge2cm) continue;  // the body
      EXPECT_LT(el.x + kMetriques.Amplada(el.text, el.lletra), numero.x) << el.text;
      llegit += el.text + " ";
      ++linies;
    }
    EXPECT_GT(linies, 1u);
    EXPECT_EQ(llegit.substr(0, 10), "7Z83 AJDA ");
    llegit.erase(std::remove(llegit.begin(), llegit.end(), ' '), llegit.end());
    EXPECT_EQ(llegit, codi);
  }
}

}  // namespace
}  // namespace tirelo
