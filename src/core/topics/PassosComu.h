// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// What the step builders of every topic share: a step from a line in the linear
// notation, numbers written for it, factorisations, and the pieces of a case's
// statement and answer taken from their trees.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/Expressio.h"

namespace tirelo::passos {

// The integer as the notation writes it ("-3"); in brackets when negative ("(-3)"), for
// a factor or a base.
std::string E(int64_t n);
std::string Pe(int64_t n);
// "+ 3" or "- 3" after a term: the sign and the absolute value.
std::string Signat(int64_t n);
// The fraction n/d with its sign in front ("-5/6"); just n when d is 1.
std::string Fr(int64_t n, int64_t d);

// The primes of n > 1 with their exponents, in increasing order.
std::vector<std::pair<int64_t, int>> Factors(int64_t n);
// "2^3·3^2·5"; "1" for no factor.
std::string Potencies(const std::vector<std::pair<int64_t, int>>& factors);

// A stretch of a case's mathematics as it stands in its tree: nodes side by side,
// blank text runs left out. The step builders read a case only through these.
struct Tram {
  const Model* m = nullptr;
  std::vector<std::size_t> nodes;
  std::size_t size() const { return nodes.size(); }
  bool empty() const { return nodes.empty(); }
  const Peca& operator[](std::size_t k) const { return m->peces[nodes[k]]; }
  // Whether node k is of this kind (and, when given, has this text).
  bool Es(std::size_t k, TipusPeca t, std::string_view text = {}) const;
  // Nodes des_de to fins - 1.
  Tram Subtram(std::size_t des_de, std::size_t fins) const;
};

// The children of node `i`, blanks left out.
Tram Fills(const Model& m, std::size_t i);
// The stretches of mathematics of an expression in order: each top-level Expressio, and
// each equation of a system.
std::vector<Tram> Trams(const Expressio& e);
// The one stretch of a case written as one piece of mathematics; empty otherwise.
Tram Linia(const Expressio& e);
// The stretch cut at every operator `op` outside brackets.
std::vector<Tram> Parts(const Tram& t, std::string_view op);
// The terms of a sum: cut before each "+" or "-" that follows an operand; a "-" stays
// with its term, a "+" goes.
std::vector<Tram> Termes(const Tram& t);
// The notation of the stretch, without blanks: "2x^2", "-3y".
std::string Escriu(const Tram& t);
// The stretch as one integer: "5", "-5", "(-5)".
std::optional<int64_t> Enter(const Tram& t);
// The integers of an expression in document order, a "-" before one kept as its sign;
// a decimal gives its two parts, and digits in words count as well.
std::vector<int64_t> Enters(const Expressio& e);
// The first bracketed group of the expression, in document order; npos when none.
std::size_t PrimerGrup(const Expressio& e);

// A term as a coefficient and letters with exponents: "-3x^2y" -> {-3, {x:2, y:1}}.
struct Monomi {
  int64_t coeficient = 1;
  bool ambNombre = false;  // the coefficient was written
  std::vector<std::pair<char, int64_t>> lletres;
};
std::optional<Monomi> LlegeixMonomi(const Tram& terme);

// The greatest common divisor and least common multiple of two integers (positive).
int64_t Mcd(int64_t a, int64_t b);
int64_t Mcm(int64_t a, int64_t b);


// The steps of each topic from the notation of a case's statement and answer; empty
// where the case is not the shape its subtype draws.
struct Linies {
  std::vector<std::string> notacio;  // each step's line (UTF-8)
  std::vector<std::string> perque;   // each step's justification (Windows-1252)
  void Afegeix(std::string linia, std::string justificacio = {}) {
    notacio.push_back(std::move(linia));
    perque.push_back(std::move(justificacio));
  }
};
// What a builder gets: the case's statement and answer trees, and the answer written in
// the notation for the last step.
struct Dades {
  const Expressio& en;
  const Expressio& re;
  std::string resposta;
};
Linies PassosDivisors(int subtipus, const Dades& c);
Linies PassosFraccions(int subtipus, const Dades& c);
Linies PassosPotencies(int subtipus, const Dades& c);
Linies PassosArrels(int subtipus, const Dades& c);
Linies PassosIgualtats(int subtipus, const Dades& c);
Linies PassosOperacions(int subtipus, const Dades& c);
Linies PassosPercentatges(int subtipus, const Dades& c);
Linies PassosEquacions(int subtipus, const Dades& c);
Linies PassosFuncions(int subtipus, const Dades& c);

// The product sign and the square root in the notation (UTF-8).
inline constexpr const char* kPer = "\xC2\xB7";
inline constexpr const char* kArrel = "\xE2\x88\x9A";

}  // namespace tirelo::passos
