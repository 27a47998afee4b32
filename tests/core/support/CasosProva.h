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

#include "support/Guio.h"
#include "support/Suport.h"
#include "topics/ExecutaTema.h"

namespace tirelo::prova {

// How the cases sit in a text: after the header, case i is entrada + label(i) + piece,
// followed by separador when another case follows and by final after the last one.
struct FormaCasos {
  std::string_view capcalera;
  std::string_view entrada = "";
  std::string_view separador = ",  ";
  std::string_view final = "";
};

// The pieces of the n cases of text. A text cut at 255 characters loses its last
// piece, which may be partial; an uncut text must hold exactly n cases.
inline std::vector<std::string> PecesCasos(std::string_view text, const FormaCasos& f, int n) {
  std::vector<std::string> peces;
  if (text.substr(0, f.capcalera.size()) != f.capcalera) {
    ADD_FAILURE() << "text without its header: " << text;
    return peces;
  }
  const auto etiqueta = [n](int i) { return n == 1 ? std::string() : std::string(1, char(96 + i)) + ") "; };
  const std::string_view resta = text.substr(f.capcalera.size());
  std::size_t pos = 0;
  for (int i = 1; i <= n; ++i) {
    const std::string entrada = std::string(f.entrada) + etiqueta(i);
    if (resta.substr(pos, entrada.size()) != entrada) break;
    const std::size_t inici = pos + entrada.size();
    if (i == n) {
      std::string_view peca = resta.substr(inici);
      if (peca.size() >= f.final.size() && peca.substr(peca.size() - f.final.size()) == f.final) {
        peca.remove_suffix(f.final.size());
      }
      peces.emplace_back(peca);
      break;
    }
    const std::string seguent = std::string(f.separador) + std::string(f.entrada) + etiqueta(i + 1);
    const std::size_t fi = resta.find(seguent, inici);
    peces.emplace_back(resta.substr(inici, fi == std::string_view::npos ? std::string_view::npos : fi - inici));
    if (fi == std::string_view::npos) break;
    pos = fi + f.separador.size();
  }
  if (text.size() >= 255) {
    if (!peces.empty()) peces.pop_back();
  } else if (static_cast<int>(peces.size()) != n) {
    ADD_FAILURE() << "expected " << n << " cases in: " << text;
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

// With the most cases the series window allows (255), the generator fills statement
// and answer up to their length and cuts them there.
inline void ComprovaTallAlLimit(const std::function<void(Programa&)>& genera) {
  Escena p({}, 255);
  genera(*p.prg);
  EXPECT_EQ(p.prg->exercici.enunciat.size(), 255u);
  EXPECT_EQ(p.prg->exercici.resposta.size(), 255u);
  EXPECT_TRUE(p.prg->exercici.llest);
}

// What a series window showed: caption, subtype names and cases string.
struct FinestraSerie {
  std::string titol;
  std::vector<std::string> subtipus;
  std::string casos;
  bool operator==(const FinestraSerie&) const = default;
};

// Runs topic tema through the menu dispatch, choosing each (subtype, number of cases)
// in turn and then leaving; returns what the first series window showed.
inline FinestraSerie ExecutaTemaTriant(Escena& p, uint16_t tema,
                                       const std::vector<std::pair<int, uint16_t>>& tries) {
  for (const auto& [subtipus, casos] : tries) p.ui.Tria(subtipus, casos);
  p.ui.Surt();
  ExecutaTema(*p.prg, tema);
  if (p.ui.peticionsSubtipus.empty()) return {};
  const PeticioSubtipus& primera = p.ui.peticionsSubtipus.front();
  return {primera.titol, primera.subtipus, primera.casos};
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
  for (std::size_t c = 0; c < std::min(enunciats.size(), respostes.size()); ++c) {
    r.casos.emplace_back(enunciats[c], respostes[c]);
  }
  return r;
}

}  // namespace tirelo::prova
