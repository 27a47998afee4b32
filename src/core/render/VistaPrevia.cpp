// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/VistaPrevia.h"

#include "document/TextLlegible.h"
#include "render/DibuixaMarcat.h"

namespace tirelo {
namespace {

constexpr int XTitol = 15;  // "Enunciat:" and "Resposta:"
constexpr int XText = 16;   // the texts, one pixel further in

// Each block starts below the last line of the block before.
void Bloc(Pantalla& p, int x, std::string_view text) { DibuixaMarcat(p, x, p.PosY() + AvancLinia, text); }

}  // namespace

void DibuixaVistaPrevia(Pantalla& p, const Exercici& e) {
  if (!p.Lligada()) return;
  using M = MarcVistaPrevia;
  p.Canvas().Rectangle(M::Esquerra, M::Dalt, M::Dreta, M::Baix);
  p.PosaNegreta(true);
  p.MouA(XTitol, 7);
  p.Escriu("Enunciat:");
  p.PosaNegreta(false);
  Bloc(p, XText, e.enunciat);
  if (e.posicioPista == 1) Bloc(p, XText, e.pista);
  p.PosaNegreta(true);
  Bloc(p, XTitol, "Resposta:");
  p.PosaNegreta(false);
  Bloc(p, XText, e.resposta);
  if (e.posicioPista == 2) Bloc(p, XText, e.pista);
}

std::string TextVistaPrevia(const Exercici& e) {
  std::string text = "Enunciat:";
  auto Afegeix = [&text](std::string_view marcat) {
    const std::string llegible = TextLlegible(marcat);
    if (!llegible.empty()) text += "\n" + llegible;
  };
  Afegeix(e.enunciat);
  if (e.posicioPista == 1) Afegeix(e.pista);
  text += "\nResposta:";
  Afegeix(e.resposta);
  if (e.posicioPista == 2) Afegeix(e.pista);
  return text;
}

}  // namespace tirelo
