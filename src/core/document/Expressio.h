// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// A piece of school mathematics as it is written: numbers (integers and decimals),
// variables, operators and signs in their written order, products juxtaposed or with
// "·", fractions, powers and indices with their contents, roots with their index,
// bracketed groups, relations, systems of equations, points and lists, and units
// ("€", "%") as short text runs. It keeps how a thing is written: "x²+6x+9" stays in
// that order and "2x²-3x-2x+3" stays unsimplified; what it means is the engine's.
//
// The tree is the mathematics model of document/Matematiques.h: a Contingut root whose
// children are Expressio stretches (Nombre, Variable, Operador, Grup, Fraccio,
// Potencia, Subindex, Arrel with its IndexArrel, Equacions) and, where a case mixes
// words in, Tros runs.
//   Expressio::Llegeix("3/4 + x^2") -> Contingut{ Expressio{ Fraccio{3, 4}, "+", x, Potencia{2} } }
#include <string>
#include <string_view>
#include <vector>

#include "document/Model.h"

namespace tirelo {

class Expressio {
 public:
  Expressio();
  // A mathematics model (document/Matematiques.h), taken as it is.
  explicit Expressio(Model matematiques) : m_(std::move(matematiques)) {}
  // The mathematics of a markup text, through the one markup reader.
  static Expressio Llegeix(std::string_view marcat);

  const Model& Arbre() const { return m_; }
  bool Buida() const { return m_.Arrel().fills.empty(); }
  bool operator==(const Expressio& o) const;

 private:
  Model m_;
};

// One step of a worked solution: what is written on that line and why, in a few
// Catalan words (Windows-1252, as every exercise text): "Dividim per 2".
struct Pas {
  Expressio expressio;
  std::string justificacio;
  bool operator==(const Pas&) const = default;
};

// One case of an exercise: its label ("a)", empty for an exercise of one case), the
// statement's mathematics, the answer's mathematics and the worked solution that leads
// from the one to the other (empty when the case has none, as a case typed by hand).
struct Apartat {
  std::string etiqueta;
  Expressio enunciat;
  Expressio resposta;
  std::vector<Pas> passos{};
  bool operator==(const Apartat&) const = default;
};

// Two models with the same nodes, node for node.
bool MateixModel(const Model& a, const Model& b);

}  // namespace tirelo
