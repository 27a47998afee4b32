// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "full/Parts.h"

#include <algorithm>
#include <utility>

#include "document/Matematiques.h"
#include "document/NombresCatalans.h"

namespace tirelo {
namespace {

// A hint left empty shows nothing on a typeset sheet: no lone "Comentari:".
TextFull Text(const TextIPista& t, Model matematiques, bool ambResp, int espai) {
  const bool buit = !t.comentari || t.comentari->find_first_not_of(' ', 13) == std::string::npos;
  return {ambResp, t.text, std::move(matematiques), buit ? std::nullopt : t.comentari, espai};
}

// Copies node `node` of `font` with everything under it into `desti`, as a new child
// of `pare`.
void Copia(Model& desti, std::size_t pare, const Model& font, std::size_t node) {
  std::vector<std::pair<std::size_t, std::size_t>> pila{{node, pare}};
  while (!pila.empty()) {
    const auto [n, p] = pila.back();
    pila.pop_back();
    Peca copia = font.peces[n];
    copia.fills.clear();
    const std::size_t nou = desti.Nou(copia.tipus);
    desti.peces[nou] = std::move(copia);
    desti.peces[p].fills.push_back(nou);
    const auto& fills = font.peces[n].fills;
    for (auto f = fills.rbegin(); f != fills.rend(); ++f) pila.emplace_back(*f, nou);
  }
}

// A new node of `m` as the last child of its root.
void AlFinal(Model& m, std::size_t node) { m.peces[0].fills.push_back(node); }

// The key with worked solutions: each case's answer on its line (after its label), then
// its steps, a line each and indented. A step that is a value follows an "=", so that a
// chain of values lines up on its signs; a relation or a list stands as it is; the
// reason follows in brackets.
Model RespostaAmbPassos(const Exercici& e) {
  Model m;
  m.peces.emplace_back();
  bool primer = true;
  for (const Apartat& a : e.apartats) {
    if (!primer) AlFinal(m, m.Nou(TipusPeca::Paragraf));
    primer = false;
    std::size_t pare = 0;
    if (!a.etiqueta.empty()) {
      pare = m.Nou(TipusPeca::Cas, a.etiqueta);
      m.peces[0].fills.push_back(pare);
    }
    for (const std::size_t f : a.resposta.Arbre().Arrel().fills) Copia(m, pare, a.resposta.Arbre(), f);
    for (const Pas& p : a.passos) {
      AlFinal(m, m.Nou(TipusPeca::Paragraf));
      const std::size_t sagnat = m.Nou(TipusPeca::Sagnat);
      m.peces[sagnat].xifra = 1;
      m.peces[0].fills.push_back(sagnat);
      const Model& pas = p.expressio.Arbre();
      bool relacio = false;
      // A relation, or a list (of solutions), stands without the "=".
      for (const Peca& q : pas.peces) {
        relacio = relacio || (q.tipus == TipusPeca::Operador && (EsRelacio(q.text) || q.text == "," || q.text == ";"));
      }
      for (const std::size_t f : pas.Arrel().fills) {
        const std::size_t abans = m.peces.size();
        Copia(m, 0, pas, f);
        if (!relacio && m.peces[abans].tipus == TipusPeca::Expressio) {
          const std::size_t igual = m.Nou(TipusPeca::Operador, "=");
          auto& fills = m.peces[abans].fills;
          fills.insert(fills.begin(), igual);
          relacio = true;
        }
      }
      if (!p.justificacio.empty()) AlFinal(m, m.Nou(TipusPeca::Tros, "   (" + p.justificacio + ")"));
    }
  }
  return m;
}

// The answer's mathematics as the sheet sets it, numbers in Catalan notation: each case's answer in its subtype's
// simplest form when the sheet asks for it and the exercise still has its drawn cases, and its worked
// solution under it when the sheet asks for that.
Model RespostaDelFull(const Exercici& e, const OpcionsFull& opcions) {
  const bool simplifica = opcions.respostesSimplificades && opcions.formaDelSubtipus && e.recepta;
  if ((!simplifica && !opcions.resolucio) || ApartatsVigents(e).empty()) return NombresCatalans(MatematiquesResposta(e));
  Exercici simple = e;
  if (simplifica) {
    const FormaResposta forma = opcions.formaDelSubtipus(e.recepta->tema, e.recepta->subtipus);
    for (Apartat& a : simple.apartats) a.resposta = FormaSimple(a.resposta, forma);
  }
  return NombresCatalans(opcions.resolucio ? RespostaAmbPassos(simple) : MatematiquesResposta(simple));
}

}  // namespace

std::vector<GrupFull> PartsDelFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions) {
  const int espai = std::clamp(opcions.espai, 0, 20);
  std::vector<GrupFull> r;
  for (std::size_t k = 0; k < exercicis.size(); ++k) {
    GrupFull g;
    g.numero = static_cast<int>(k) + 1;
    g.textos.push_back(Text(EnunciatIPista(exercicis[k]), NombresCatalans(MatematiquesEnunciat(exercicis[k])), false, espai));
    if (opcions.disposicio == 0)
      g.textos.push_back(Text(RespostaIPista(exercicis[k]), RespostaDelFull(exercicis[k], opcions), true, 0));
    r.push_back(std::move(g));
  }
  if (opcions.disposicio == 0) return r;
  for (std::size_t k = 0; k < exercicis.size(); ++k) {
    GrupFull g;
    g.numero = static_cast<int>(k) + 1;
    g.respostesAbans = k == 0;
    g.textos.push_back(Text(RespostaIPista(exercicis[k]), RespostaDelFull(exercicis[k], opcions), false, 0));
    r.push_back(std::move(g));
  }
  return r;
}

std::string TextVersio(const OpcionsFull& opcions) {
  return opcions.versio.empty() ? std::string() : "Versi\xF3 " + opcions.versio;
}

std::string CodiEnGrups(std::string_view codi) {
  std::string r;
  for (std::size_t i = 0; i < codi.size(); i += 4) {
    if (i > 0) r += ' ';
    r += codi.substr(i, 4);
  }
  return r;
}

}  // namespace tirelo
