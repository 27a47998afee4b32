// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Builds an exercise text's model piece by piece, the way a generator thinks of it:
// plain words, powers and indices, indents, roots written "R_n(...)". Pieces join
// with "+". The model is the one the markup reader gives for the text it writes, node
// for node, so the markup written from it and the mathematics read from it are those
// of the text itself.
//   (Frase("x") + Frase::Potencia("2") + "+1").Text() -> "x^2+1"
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/Model.h"

namespace tirelo {

class Frase {
 public:
  Frase();
  // Plain text: runs of bytes, CR as a paragraph break, "|" as the bar sign. It must
  // hold no "^", "_" or "#": those are pieces of their own.
  Frase(std::string_view text);  // NOLINT: plain text is a phrase
  Frase(const std::string& text) : Frase(std::string_view(text)) {}  // NOLINT
  Frase(const char* text) : Frase(std::string_view(text)) {}         // NOLINT

  // "^a" or "^(ab)": a superscript with its argument as written (its parentheses
  // balanced, so that the reader closes it where it was closed).
  static Frase Potencia(std::string_view argument);
  // "_a" or "_(ab)": a subscript, likewise.
  static Frase Subindex(std::string_view argument);
  // One "^" before each character: "^1^2" for 12, "^-^2" for -2.
  static Frase Exponent(std::string_view xifres);
  // "#8 ": the paragraph and those after it indented by cm centimetres (0..9).
  static Frase Sagnat(int cm);
  // "R_n(radicand)": a root with its index, as the roots topic writes it.
  static Frase ArrelIndex(int32_t index, const Frase& radicand);
  // A text of the program written in markup (a rule, a note), read into its model. It
  // must be whole: a "(" it leaves open, or a "#", "^" or "_" at its end, would take
  // in what is joined after it when the joined markup is read.
  static Frase Marcat(std::string_view marcat);

  Frase& operator+=(const Frase& f);
  friend Frase operator+(Frase a, const Frase& b) { return a += b; }

  const Model& Arbre() const { return m_; }
  // The markup written from the model.
  std::string Text() const { return EscriuMarcat(m_); }
  // Bytes of that markup, kept as the pieces join.
  std::size_t Llargada() const { return llargada_; }
  bool Buida() const { return m_.Arrel().fills.empty(); }
  // The phrase whose markup is this one's cut to n bytes (as Talla cuts a text).
  Frase Retallada(std::size_t n) const;

 private:
  void Afegeix(Peca p, std::size_t llargada);
  Model m_;
  std::size_t llargada_ = 0;
};

// The models of two terms the generators write: base with the exponent e, one "^"
// per character ("1" for e = 0, the base alone for 1), and a coefficient before a
// part that is a model with letters first (1 not written, -1 as "-", 0 nothing).
Frase PotenciaXifres(std::string_view base, int32_t e);
Frase CoefDe(int32_t coef, const Frase& part);

}  // namespace tirelo
