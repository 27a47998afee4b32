// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Exercici.h"

#include "mathtext/Text.h"

namespace tirelo {

void Exercici::Limita() {
  enunciat = Talla(enunciat, LlargadaText);
  resposta = Talla(resposta, LlargadaText);
  pista = Talla(pista, LlargadaPista);
}

bool MateixosTextos(const Exercici& a, const Exercici& b) {
  return a.enunciat == b.enunciat && a.resposta == b.resposta && a.pista == b.pista &&
         a.posicioPista == b.posicioPista;
}

namespace {
TextIPista AmbPista(const Exercici& e, const std::string& text, int32_t posicio) {
  if (e.posicioPista != posicio) return {text, std::nullopt};
  return {text, "  Comentari: " + e.pista};
}
std::string Uneix(const TextIPista& t) {
  return t.comentari ? t.text + "\r" + *t.comentari : t.text;
}
}  // namespace

TextIPista EnunciatIPista(const Exercici& e) { return AmbPista(e, e.enunciat, 1); }

TextIPista RespostaIPista(const Exercici& e) { return AmbPista(e, e.resposta, 2); }

std::string EnunciatEscrit(const Exercici& e) { return Uneix(EnunciatIPista(e)); }

std::string RespostaEscrita(const Exercici& e) { return Uneix(RespostaIPista(e)); }

}  // namespace tirelo
