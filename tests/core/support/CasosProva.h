// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Helpers for the topic tests: taking the cases of a multi-case statement or answer
// apart, matching them against patterns, and running generators and topic entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/Serie.h"
#include "support/Guio.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo::prova {

// How the cases sit in a text: after the header, case i is entrada + label(i) + piece,
// followed by separador when another case follows and by final after the last one.
struct FormaCasos {
  std::string_view capcalera;
  std::string_view entrada = "";
  std::string_view separador = ",  ";
  std::string_view final = "";
};

// A generator on the context, run on the program's random source and number of cases
// into its exercise under construction, as the catalogue dispatch runs it.
using GeneradorContext = std::function<Generat(ContextGenerador&)>;
inline void Genera(Programa& prg, const GeneradorContext& genera) {
  ContextGenerador ctx = ContextDelPrograma(prg);
  PosaGenerat(prg, genera(ctx));
  prg.serie.nombreCasos = static_cast<uint16_t>(ctx.nombreCasos);
}
// The same for a topic's generator of subtype k; an unknown subtype writes nothing.
inline void Genera(Programa& prg, ResultatGenerador (*genera)(ContextGenerador&, int), int subtipus) {
  ContextGenerador ctx = ContextDelPrograma(prg);
  ResultatGenerador r = genera(ctx, subtipus);
  prg.serie.nombreCasos = static_cast<uint16_t>(ctx.nombreCasos);
  if (r.estat == EstatGenerador::Fet) PosaGenerat(prg, std::move(r.exercici));
}
inline std::function<void(Programa&)> AlPrograma(GeneradorContext genera) {
  return [genera = std::move(genera)](Programa& prg) { Genera(prg, genera); };
}

// The label of case i of n, as the series protocol writes it.
inline std::string EtiquetaProva(int i, int n) { return n == 1 ? std::string() : LletresCas(i) + ") "; }

// The pieces of the whole cases of text, out of n asked. A long series may hold fewer
// than n, but never a case cut short: the last piece must still end the text as the
// form says.
inline std::vector<std::string> PecesCasos(std::string_view text, const FormaCasos& f, int n) {
  std::vector<std::string> peces;
  if (text.substr(0, f.capcalera.size()) != f.capcalera) {
    ADD_FAILURE() << "text without its header: " << text;
    return peces;
  }
  const std::string_view resta = text.substr(f.capcalera.size());
  std::size_t pos = 0;
  for (int i = 1; i <= n; ++i) {
    const std::string entrada = std::string(f.entrada) + EtiquetaProva(i, n);
    if (resta.substr(pos, entrada.size()) != entrada) {
      ADD_FAILURE() << "case " << i << " does not start where expected in: " << text;
      break;
    }
    const std::size_t inici = pos + entrada.size();
    const std::string seguent = std::string(f.separador) + std::string(f.entrada) + EtiquetaProva(i + 1, n);
    const std::size_t fi = i < n ? resta.find(seguent, inici) : std::string_view::npos;
    if (fi == std::string_view::npos) {
      std::string_view peca = resta.substr(inici);
      if (!peca.ends_with(f.final)) ADD_FAILURE() << "the last case is not whole in: " << text;
      peca.remove_suffix(std::min(f.final.size(), peca.size()));
      peces.emplace_back(peca);
      break;
    }
    peces.emplace_back(resta.substr(inici, fi - inici));
    pos = fi + f.separador.size();
  }
  return peces;
}

// Matches a whole text against a pattern and returns what its wildcards caught, in
// order: '#' one or more digits, '*' zero or more digits, '@' one letter, '~' zero or
// more superscripts "^c" (caught without their markers: "^-^1^0" gives "-10"). Every
// other pattern character stands for itself. Wildcards take all they can.
//   Encaixa("mcd= 6, MCM= 36", "mcd= #, MCM= #") gives {"6", "36"}.
inline std::optional<std::vector<std::string>> Encaixa(std::string_view text, std::string_view patro) {
  std::vector<std::string> captures;
  std::size_t i = 0;
  const auto digit = [&text](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  for (const char c : patro) {
    std::string captura;
    if (c == '#' || c == '*') {
      while (digit(i)) captura += text[i++];
      if (c == '#' && captura.empty()) return std::nullopt;
    } else if (c == '@') {
      if (i >= text.size() || !std::isalpha(static_cast<unsigned char>(text[i]))) return std::nullopt;
      captura += text[i++];
    } else if (c == '~') {
      for (; i + 1 < text.size() && text[i] == '^'; i += 2) captura += text[i + 1];
    } else {
      if (i >= text.size() || text[i] != c) return std::nullopt;
      ++i;
      continue;
    }
    captures.push_back(std::move(captura));
  }
  if (i != text.size()) return std::nullopt;
  return captures;
}

// A long series of n cases drawn from llavor ends at its last whole case: statement
// and answer hold the same k < n cases, the very texts of a series of k cases, and
// case k+1 would have passed the limit of one of them (maxEnunciat for the statement,
// which may keep room for a text the topic appends). Every one of the n cases is
// still drawn, in order: the draws are those of n series of one case in a row.
inline void ComprovaSerieLlarga(const std::function<void(Programa&)>& genera, const FormaCasos& fe,
                                const FormaCasos& fr, int n = 255, uint64_t llavor = 1,
                                std::size_t maxEnunciat = 255) {
  Escena llarga({}, static_cast<uint16_t>(n), llavor);
  genera(*llarga.prg);
  const Exercici& e = llarga.prg->exercici;
  EXPECT_TRUE(e.llest);
  EXPECT_LE(e.enunciat.size(), maxEnunciat);
  EXPECT_LE(e.resposta.size(), 255u);
  const auto enunciats = PecesCasos(e.enunciat, fe, n);
  const auto respostes = PecesCasos(e.resposta, fr, n);
  const int k = static_cast<int>(enunciats.size());
  ASSERT_EQ(enunciats.size(), respostes.size()) << e.enunciat << "\n" << e.resposta;
  ASSERT_TRUE(k >= 2 && k < n) << k << " cases of " << n;

  Escena curta({}, static_cast<uint16_t>(k), llavor);
  genera(*curta.prg);
  EXPECT_EQ(curta.prg->exercici.enunciat, e.enunciat);
  EXPECT_EQ(curta.prg->exercici.resposta, e.resposta);

  // One case at a time from the same source: the same draws, the same pieces.
  Escena una({}, 1, llavor);
  for (int i = 1; i <= n; ++i) {
    genera(*una.prg);
    const auto enunciat = PecesCasos(una.prg->exercici.enunciat, fe, 1);
    const auto resposta = PecesCasos(una.prg->exercici.resposta, fr, 1);
    ASSERT_EQ(enunciat.size(), 1u);
    ASSERT_EQ(resposta.size(), 1u);
    if (i <= k) {
      EXPECT_EQ(enunciat[0], enunciats[static_cast<std::size_t>(i - 1)]) << "case " << i;
      EXPECT_EQ(resposta[0], respostes[static_cast<std::size_t>(i - 1)]) << "case " << i;
    }
    if (i == k + 1) {
      const auto afegit = [&](const FormaCasos& f, const std::string& peca) {
        return f.separador.size() + f.entrada.size() + EtiquetaProva(i, n).size() + peca.size();
      };
      EXPECT_TRUE(e.enunciat.size() + afegit(fe, enunciat[0]) > maxEnunciat ||
                  e.resposta.size() + afegit(fr, resposta[0]) > 255u)
          << "case " << i << " would have fitted after: " << e.enunciat << "\n" << e.resposta;
    }
  }
  EXPECT_EQ(llarga.guio->Demanats(), una.guio->Demanats());
}

// What a series window showed: caption, subtype names and which take cases, one '1'
// or '0' per subtype.
struct FinestraSerie {
  std::string titol;
  std::vector<std::string> subtipus;
  std::string casos;
  bool operator==(const FinestraSerie&) const = default;
};

inline void ComprovaSerieLlarga(const GeneradorContext& genera, const FormaCasos& fe, const FormaCasos& fr,
                                int n = 255, uint64_t llavor = 1, std::size_t maxEnunciat = 255) {
  ComprovaSerieLlarga(AlPrograma(genera), fe, fr, n, llavor, maxEnunciat);
}

// Runs topic tema through the menu dispatch, choosing each (subtype, number of cases)
// in turn and then leaving; returns what the first series window showed.
inline FinestraSerie ExecutaTemaTriant(Escena& p, uint16_t tema,
                                       const std::vector<std::pair<int, uint16_t>>& tries) {
  for (const auto& [subtipus, casos] : tries) p.ui.Tria(subtipus, casos);
  p.ui.Surt();
  ExecutaTema(*p.prg, tema);
  if (p.ui.peticionsSubtipus.empty()) return {};
  const PeticioSubtipus& primera = p.ui.peticionsSubtipus.front();
  std::string casos;
  for (const bool c : primera.casos) casos += c ? '1' : '0';
  return {primera.titol, primera.subtipus, casos};
}

// One generated exercise taken apart: the texts, the number of cases the generator
// used, and the statement and answer pieces of every complete case.
struct ExerciciProvat {
  Exercici exercici;
  int nombreCasos = 0;
  std::vector<std::pair<std::string, std::string>> casos;
};

// Runs genera with the given seed and 1..maxCasos cases (chosen from the seed), checks
// every text against its length and takes the cases apart.
inline ExerciciProvat GeneraAmbLlavor(uint64_t llavor, int maxCasos, const std::function<void(Programa&)>& genera,
                                      const FormaCasos& enunciat, const FormaCasos& resposta = {""}) {
  Escena p({}, static_cast<uint16_t>(llavor % static_cast<uint64_t>(maxCasos) + 1), llavor);
  genera(*p.prg);
  ExerciciProvat r{p.prg->exercici, p.prg->serie.nombreCasos, {}};
  EXPECT_LE(r.exercici.enunciat.size(), 255u);
  EXPECT_LE(r.exercici.resposta.size(), 255u);
  EXPECT_LE(r.exercici.pista.size(), 80u);
  EXPECT_TRUE(r.exercici.llest);
  const auto enunciats = PecesCasos(r.exercici.enunciat, enunciat, r.nombreCasos);
  const auto respostes = PecesCasos(r.exercici.resposta, resposta, r.nombreCasos);
  EXPECT_EQ(enunciats.size(), respostes.size()) << r.exercici.enunciat << "\n" << r.exercici.resposta;
  EXPECT_FALSE(enunciats.empty());
  for (std::size_t c = 0; c < std::min(enunciats.size(), respostes.size()); ++c) {
    r.casos.emplace_back(enunciats[c], respostes[c]);
  }
  // A series that kept fewer cases than it drew reads as the shorter series.
  const int k = static_cast<int>(r.casos.size());
  if (k > 1 && k < r.nombreCasos) {
    Escena curta({}, static_cast<uint16_t>(k), llavor);
    genera(*curta.prg);
    EXPECT_EQ(curta.prg->exercici.enunciat, r.exercici.enunciat);
    EXPECT_EQ(curta.prg->exercici.resposta, r.exercici.resposta);
  }
  return r;
}
inline ExerciciProvat GeneraAmbLlavor(uint64_t llavor, int maxCasos, const GeneradorContext& genera,
                                      const FormaCasos& enunciat, const FormaCasos& resposta = {""}) {
  return GeneraAmbLlavor(llavor, maxCasos, AlPrograma(genera), enunciat, resposta);
}

}  // namespace tirelo::prova
