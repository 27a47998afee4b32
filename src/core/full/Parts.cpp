// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "full/Parts.h"

#include <algorithm>
#include <utility>

#include "document/NombresCatalans.h"

namespace tirelo {
namespace {

// A hint left empty shows nothing on a typeset sheet: no lone "Comentari:".
TextFull Text(const TextIPista& t, Model matematiques, bool ambResp, int espai) {
  const bool buit = !t.comentari || t.comentari->find_first_not_of(' ', 13) == std::string::npos;
  return {ambResp, t.text, std::move(matematiques), buit ? std::nullopt : t.comentari, espai};
}

// The answer's mathematics as the sheet sets it, numbers in Catalan notation: each case's answer in its subtype's
// simplest form when the sheet asks for it and the exercise still has its drawn cases.
Model RespostaDelFull(const Exercici& e, const OpcionsFull& opcions) {
  if (!opcions.respostesSimplificades || !opcions.formaDelSubtipus || !e.recepta || ApartatsVigents(e).empty())
    return NombresCatalans(MatematiquesResposta(e));
  Exercici simple = e;
  const FormaResposta forma = opcions.formaDelSubtipus(e.recepta->tema, e.recepta->subtipus);
  for (Apartat& a : simple.apartats) a.resposta = FormaSimple(a.resposta, forma);
  return NombresCatalans(MatematiquesResposta(simple));
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
