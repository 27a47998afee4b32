// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/VistaPrevia.h"

#include <gtest/gtest.h>

#include "render/Lletra.h"
#include "support/LlencGravador.h"

namespace tirelo {
namespace {

using prova::LlencGravador;
using prova::Traca;

// (text, x, y) of every text drawn, in order.
struct Lloc {
  std::string text;
  int x, y;
  bool operator==(const Lloc&) const = default;
};

std::vector<Lloc> Vista(const Exercici& e) {
  LlencGravador llenc;
  Pantalla p;
  p.LligaFinestra(llenc);
  DibuixaVistaPrevia(p, e);
  EXPECT_EQ(llenc.traces.front().tipus, Traca::Tipus::Rectangle);
  EXPECT_EQ(llenc.traces.front().punts, (std::vector<Punt>{{10, 5}, {586, 245}}));
  std::vector<Lloc> llocs;
  for (const Traca& t : llenc.Textos()) {
    llocs.push_back({t.text, t.punts[0].x, t.punts[0].y});
    const bool titol = t.text == "Enunciat:" || t.text == "Resposta:";
    EXPECT_EQ(t.lletra.pes == PesNegreta, titol) << t.text;
  }
  return llocs;
}

Exercici Exemple(int posicio) {
  Exercici e;
  e.enunciat = "E\r\ne2";
  e.resposta = "R";
  e.pista = "P";
  e.posicioPista = posicio;
  return e;
}

TEST(VistaPrevia, BlocksFollowOneAnotherAndTheHintFollowsItsPlacement) {
  EXPECT_EQ(Vista(Exemple(0)), (std::vector<Lloc>{
                                   {"Enunciat:", 15, 7}, {"E", 16, 23}, {"e2", 16, 39},
                                   {"Resposta:", 15, 55}, {"R", 16, 71}}));
  EXPECT_EQ(Vista(Exemple(1)), (std::vector<Lloc>{{"Enunciat:", 15, 7}, {"E", 16, 23}, {"e2", 16, 39},
                                                   {"P", 16, 55}, {"Resposta:", 15, 71}, {"R", 16, 87}}));
  EXPECT_EQ(Vista(Exemple(2)), (std::vector<Lloc>{{"Enunciat:", 15, 7}, {"E", 16, 23}, {"e2", 16, 39},
                                                   {"Resposta:", 15, 55}, {"R", 16, 71}, {"P", 16, 87}}));
}

TEST(VistaPrevia, EmptyTextsStillTakeTheirLine) {
  EXPECT_EQ(Vista(Exercici{}), (std::vector<Lloc>{{"Enunciat:", 15, 7}, {"Resposta:", 15, 39}}));
}

TEST(VistaPrevia, ReadableTextFollowsTheDrawnBlocks) {
  const std::pair<int, const char*> casos[] = {
      {0, "Enunciat:\nE\ne2\nResposta:\nR"},
      {1, "Enunciat:\nE\ne2\nP\nResposta:\nR"},
      {2, "Enunciat:\nE\ne2\nResposta:\nR\nP"},
  };
  for (const auto& [posicio, text] : casos) EXPECT_EQ(TextVistaPrevia(Exemple(posicio)), text) << posicio;
}

TEST(VistaPrevia, ReadableTextDropsTheMarkupCodes) {
  Exercici e;
  e.enunciat = "#B(Calcula:)#T #F(x+1/2)";
  e.resposta = "x^(n+1)";
  EXPECT_EQ(TextVistaPrevia(e), "Enunciat:\nCalcula: (x+1)/2\nResposta:\nx^(n+1)");
}

TEST(Lletra, EveryChangeSelectsTheWholeDescription) {
  LlencGravador llenc;
  Lletra lletra(llenc);
  EXPECT_EQ(llenc.seleccions, 0);
  lletra.Cara("Comic sans ms");
  lletra.Mida(36, 16);
  lletra.Negreta(true);
  EXPECT_EQ(llenc.seleccions, 3);
  EXPECT_EQ(llenc.lletra, (DescripcioLletra{36, 16, "Comic sans ms", PesNegreta}));
  lletra.Cara(std::string(40, 'f'));
  EXPECT_EQ(llenc.lletra.cara, std::string(31, 'f'));
}

}  // namespace
}  // namespace tirelo
