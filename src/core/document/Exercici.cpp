// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Exercici.h"

#include <cstddef>
#include <utility>

#include "document/Matematiques.h"
#include "mathtext/Text.h"

namespace tirelo {

void Exercici::Limita() {
  enunciat = Talla(enunciat, LlargadaText);
  resposta = Talla(resposta, LlargadaText);
  pista = Talla(pista, LlargadaPista);
}

void MarcaEditat(Exercici& e) {
  e.editat = true;
  e.instruccio.clear();
  e.apartats.clear();
}

const std::vector<Apartat>& ApartatsVigents(const Exercici& e) {
  static const std::vector<Apartat> kCap;
  return e.editat ? kCap : e.apartats;
}

namespace {

// The comma that separates a labelled case from the next, where the reader finds it in a
// text: last in the case's mathematics, or after its words.
void Separa(Model& m, std::size_t cas) {
  const auto& fills = m.peces[cas].fills;
  if (!fills.empty() && m.peces[fills.back()].tipus == TipusPeca::Expressio) {
    const std::size_t darrer = fills.back();
    const std::size_t coma = m.Nou(TipusPeca::Operador, ",");
    m.peces[darrer].fills.push_back(coma);
  } else {
    const std::size_t coma = m.Nou(TipusPeca::Tros, ",");
    m.peces[cas].fills.push_back(coma);
  }
}

// The instruction's prose, then every case: under a Cas node with its label, or its
// mathematics alone for an exercise of one case.
Model DelsApartats(const Exercici& e, Expressio Apartat::*part, bool ambInstruccio) {
  Model m;
  m.peces.emplace_back();
  if (ambInstruccio && !e.instruccio.empty()) {
    const Model prosa = LlegeixMatematiques(e.instruccio);
    for (const std::size_t f : prosa.Arrel().fills) m.Empelta(0, prosa, f);
  }
  for (std::size_t k = 0; k < e.apartats.size(); ++k) {
    const Apartat& a = e.apartats[k];
    const Model& cas = (a.*part).Arbre();
    std::size_t pare = 0;
    if (!a.etiqueta.empty()) {
      pare = m.Nou(TipusPeca::Cas, a.etiqueta);
      m.peces[0].fills.push_back(pare);
    }
    for (const std::size_t f : cas.Arrel().fills) m.Empelta(pare, cas, f);
    if (pare != 0 && k + 1 < e.apartats.size()) Separa(m, pare);
  }
  return m;
}

}  // namespace

std::vector<Apartat> ApartatsDe(const Exercici& e) {
  if (!ApartatsVigents(e).empty()) return e.apartats;
  return {Apartat{"", Expressio::Llegeix(e.enunciat), Expressio::Llegeix(e.resposta)}};
}

Model MatematiquesEnunciat(const Exercici& e) {
  if (ApartatsVigents(e).empty()) return LlegeixMatematiques(e.enunciat);
  return DelsApartats(e, &Apartat::enunciat, true);
}

Model MatematiquesResposta(const Exercici& e) {
  if (ApartatsVigents(e).empty()) return LlegeixMatematiques(e.resposta);
  return DelsApartats(e, &Apartat::resposta, false);
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
