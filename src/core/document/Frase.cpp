// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Frase.h"

#include <utility>
#include <vector>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "mathtext/Text.h"

namespace tirelo {

namespace {

Peca DeTipus(TipusPeca tipus) {
  Peca p;
  p.tipus = tipus;
  return p;
}

// A script as the reader takes it: one character bare, anything else in parentheses.
Peca Script(TipusPeca tipus, std::string_view argument) {
  Peca p = DeTipus(tipus);
  p.forma = argument.size() == 1 ? FormaArgument::Caracter : FormaArgument::Parentesi;
  p.text = std::string(argument);
  return p;
}

std::size_t LlargadaScript(std::string_view argument) { return 1 + argument.size() + (argument.size() == 1 ? 0 : 2); }

}  // namespace

Frase::Frase() { m_.peces.emplace_back(); }

Frase::Frase(std::string_view text) : Frase() {
  std::size_t inici = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '|') continue;
    if (i > inici) {
      Peca tros = DeTipus(TipusPeca::Tros);
      tros.text = std::string(text.substr(inici, i - inici));
      Afegeix(std::move(tros), i - inici);
    }
    if (i < text.size()) Afegeix(DeTipus(text[i] == '\r' ? TipusPeca::Paragraf : TipusPeca::Barra), 1);
    inici = i + 1;
  }
}

Frase Frase::Potencia(std::string_view argument) {
  Frase f;
  f.Afegeix(Script(TipusPeca::Potencia, argument), LlargadaScript(argument));
  return f;
}

Frase Frase::Subindex(std::string_view argument) {
  Frase f;
  f.Afegeix(Script(TipusPeca::Subindex, argument), LlargadaScript(argument));
  return f;
}

Frase Frase::Exponent(std::string_view xifres) {
  Frase f;
  for (std::size_t i = 0; i < xifres.size(); ++i) f += Potencia(xifres.substr(i, 1));
  return f;
}

Frase Frase::Sagnat(int cm) {
  Peca p = DeTipus(TipusPeca::Sagnat);
  p.lletra = static_cast<char>('0' + cm);
  p.xifra = cm;
  p.forma = FormaArgument::Caracter;
  p.text = " ";  // the indent command takes the blank after it as its argument
  Frase f;
  f.Afegeix(std::move(p), 3);
  return f;
}

Frase Frase::ArrelIndex(int32_t index, const Frase& radicand) {
  // The subscript takes the index's first character; any other digits read as text.
  const std::string xifres = TxtEnter(index);
  return Frase("R") + Subindex(std::string_view(xifres).substr(0, 1)) + Frase(xifres.substr(1) + "(") + radicand +
         Frase(")");
}

Frase Frase::Marcat(std::string_view marcat) {
  Frase f;
  f.m_ = LlegeixMarcat(marcat);
  f.llargada_ = marcat.size();
  return f;
}

Frase Frase::Retallada(std::size_t n) const {
  if (llargada_ <= n) return *this;
  return Marcat(Talla(Text(), n));
}

void Frase::Afegeix(Peca p, std::size_t llargada) {
  m_.peces.push_back(std::move(p));
  m_.peces.front().fills.push_back(m_.peces.size() - 1);
  llargada_ += llargada;
}

Frase& Frase::operator+=(const Frase& f) {
  if (&f == this) return *this += Frase(f);
  const std::vector<Peca>& altres = f.m_.peces;
  const std::vector<std::size_t>& arrels = altres.front().fills;
  // A run that meets a run becomes one, as the reader joins adjacent bytes.
  const std::vector<std::size_t>& meus = m_.peces.front().fills;
  std::size_t unida = 0;  // the run of f joined to the last one here; 0 if none
  if (!arrels.empty() && !meus.empty() && altres[arrels.front()].tipus == TipusPeca::Tros &&
      m_.peces[meus.back()].tipus == TipusPeca::Tros) {
    unida = arrels.front();
    m_.peces[meus.back()].text += altres[unida].text;
  }
  std::vector<std::size_t> nou(altres.size(), 0);
  std::size_t seguent = m_.peces.size();
  for (std::size_t i = 1; i < altres.size(); ++i) {
    if (i != unida) nou[i] = seguent++;
  }
  for (std::size_t i = 1; i < altres.size(); ++i) {
    if (i == unida) continue;
    Peca p = altres[i];
    for (std::size_t& fill : p.fills) fill = nou[fill];
    m_.peces.push_back(std::move(p));
  }
  for (std::size_t fill : arrels) {
    if (fill != unida) m_.peces.front().fills.push_back(nou[fill]);
  }
  llargada_ += f.llargada_;
  return *this;
}

Frase PotenciaXifres(std::string_view base, int32_t e) {
  if (e == 0) return Frase("1");
  if (e == 1) return Frase(base);
  return Frase(base) + Frase::Exponent(TxtEnter(e));
}

Frase CoefDe(int32_t coef, const Frase& part) {
  if (coef == 0) return {};
  std::string coeficient = TxtCoef(coef, "x");  // the coefficient as it stands before a letter
  coeficient.pop_back();
  return Frase(coeficient) + part;
}

}  // namespace tirelo
