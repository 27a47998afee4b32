// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The mathematics engine (docs/motor.md): what an expression is worth, whether two are equivalent,
// whether one is written in a named form, the simplest form of one, and the verdict on
// an answer a pupil types. It judges in two steps, as an answer test does: equivalence
// first, then the form the exercise asks for.
//
// Values are exact where they can be: rationals, polynomials and rational functions,
// solution sets (order-free), points and lists, constants with radicals. Where exact
// algebra cannot decide (radicals it does not bring to one form, say), two values are
// compared by evaluation at fixed points with 50 significant digits, and taken as equal
// when they differ by less than 1e-30 times their size (kToleranciaRelativa).
//
// The engine computes with GiNaC, which only its .cpp files include: this header, and
// every caller, see expressions, forms and verdicts. Like GiNaC, it is for one thread
// at a time (its letters and its working precision are shared).
//
// Bounds no school answer comes near keep every call quick whatever is typed: a
// letter's exponent up to 64 (a sum of three terms up to 20, of more up to 10), a
// power of numbers up to 100,000 bits, a root's index up to 100; beyond them the value
// is refused (ErrorDeValor) and a typed answer is illegible.
//   Comprova(Expressio::Llegeix("3/4"), FormaResposta::Irreductible, "6/8")
//     -> { Forma, "Correcte, però simplifica la fracció.", "6/8" }
//   EscriuNotacio(FormaSimple(Expressio::Llegeix("2x^2-3x-2x+3"), FormaResposta::Expandida)) -> "2x^2-5x+3"
#include <optional>
#include <string>
#include <string_view>

#include "document/Expressio.h"

namespace tirelo {

inline constexpr double kToleranciaRelativa = 1e-30;

// The form an answer must have. Its name (NomForma) is what a catalogue row declares.
enum class FormaResposta : unsigned char {
  Qualsevol,            // "qualsevol": any form; the value alone decides
  Irreductible,         // "irreductible": fractions in lowest terms (numbers and algebraic)
  Expandida,            // "expandida": no brackets to multiply out, like terms collected
  FactorComu,           // "factor-comu": the common factor taken out
  Factoritzada,         // "factoritzada": a product of factors that do not factor further
  DenominadorRacional,  // "racionalitzada": no root in a denominator
  FraccioUnica,         // "fraccio-unica": one fraction
  PotenciaUnaBase,      // "potencia": a power of one base
  FactorsPrimers,       // "factors-primers": a product of powers of primes
  Resolta,              // "resolta": solved for the unknowns ("x = 3; y = -1")
  Centims,              // "centims": a number rounded to cents
};
std::string_view NomForma(FormaResposta f);
std::optional<FormaResposta> FormaDeNom(std::string_view nom);

enum class TipusVeredicte : unsigned char { Correcte, Forma, Incorrecte, Illegible };
// "correcte", "forma", "incorrecte", "illegible".
std::string_view NomVeredicte(TipusVeredicte t);

struct Veredicte {
  TipusVeredicte tipus = TipusVeredicte::Illegible;
  std::string missatge;  // a Catalan sentence for the pupil (UTF-8)
  std::string llegit;    // the answer as it was read, in the notation (UTF-8); empty when illegible
};

// Why the expression has no value the engine can take (a word it does not know, a
// division by zero, a bracket that is not a point...), or nullopt when it has one.
std::optional<std::string> ErrorDeValor(const Expressio& e);

// Whether two expressions have the same value: numbers and algebraic expressions for
// every value of their letters; equations by what they say ("2x = 6" is "x = 3");
// lists, solution sets and systems as sets, in any order; points coordinate by
// coordinate. False when either has no value.
bool Equivalents(const Expressio& a, const Expressio& b);

// Whether two equations, systems, lists of alternatives ("x^2 = 9; x^2 = -16") or lists
// of solutions ("5, -5", "x = 2, y = 4", "(1, 2); (3, 4)") have the same real solutions:
// every solution of the one is a solution of the other and no other. One equation in one
// unknown is solved when its polynomial factors over the rationals into factors of degree
// two at most; a system must be linear (a dependent one has infinitely many solutions,
// the same set as another only when each's general solution satisfies the other). When
// one side names fewer unknowns, the other's solutions are cut to those ("x = -2; x = -6"
// and the points (-2, -17); (-6, -1)). False when either cannot be decided.
//   MateixesSolucions(x^2-4x = 0, 4, 0) -> true;  (x^2-4x = 0, 4) -> false: 0 is lost
bool MateixesSolucions(const Expressio& a, const Expressio& b);

// The named form test: nullopt when the expression is written in the form, otherwise
// the sentence that says what is left to do ("Correcte, però simplifica la fracció.").
std::optional<std::string> TestForma(const Expressio& e, FormaResposta f);

// The verdict on an answer typed in the notation (UTF-8), against the expected answer:
// illegible when it cannot be read (where and why), incorrect when its value differs
// (with how many solutions there are when some are missing or extra), "forma" when it is
// equivalent but not in the asked form, and correct otherwise.
Veredicte Comprova(const Expressio& esperada, FormaResposta forma, std::string_view respostaUtf8);

// The expression's value written in the form asked, in its simplest and conventional
// shape: lowest terms, no "/1", no bracketed lone negative numerator, like terms
// collected in decreasing degree, radicals simplified (√20 -> 2√5), denominators
// rationalised, solutions sorted. An expression with no value comes back as it is.
Expressio FormaSimple(const Expressio& e, FormaResposta forma = FormaResposta::Qualsevol);

}  // namespace tirelo
