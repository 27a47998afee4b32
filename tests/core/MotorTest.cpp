// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "document/Matematiques.h"
#include "document/Notacio.h"
#include "motor/Motor.h"
#include "support/Exercicis.h"

namespace tirelo {
namespace {

Expressio N(const std::string& notacio) {
  const LecturaNotacio l = LlegeixNotacio(notacio);
  EXPECT_TRUE(l.Llegida()) << notacio << ": " << (l.error ? l.error->missatge : "");
  return l.expressio;
}

// ---- Equivalence ----

struct Parell {
  const char* nom;
  std::string a, b;
  bool equivalents;
};
void PrintTo(const Parell& p, std::ostream* os) {
  *os << p.nom;
}

class MotorEquivalentsTest : public testing::TestWithParam<Parell> {};

TEST_P(MotorEquivalentsTest, ComparesValues) {
  EXPECT_EQ(Equivalents(N(GetParam().a), N(GetParam().b)), GetParam().equivalents);
  EXPECT_EQ(Equivalents(N(GetParam().b), N(GetParam().a)), GetParam().equivalents);
}

const Parell kParells[] = {
    {"FractionAndItsSimplification", "9/12", "3/4", true},
    {"FractionAndDecimal", "3/4", "0,75", true},
    {"DifferentFractions", "3/4", "3/5", false},
    {"Division", "6:4", "3/2", true},
    {"Polynomials", "2x^2-3x-2x+3", "2x^2-5x+3", true},
    {"ProductAndExpansion", "(x+1)(x-1)", "x^2-1", true},
    {"DifferentPolynomials", "(x+1)^2", "x^2+1", false},
    {"RationalFunctions", "(x^2-1)/(x+1)", "x-1", true},
    {"Radicals", "\u221A20", "2\u221A5", true},
    {"RootOfAPower", "arrel(8^5; 6)", "4\u221A2", true},
    {"RationalisedDenominator", "1/\u221A5", "\u221A5/5", true},
    {"ProductOfRoots", "\u221A2\u00B7\u221A3", "\u221A6", true},
    {"ConjugateDenominator", "1/(2+\u221A3)", "2-\u221A3", true},
    {"DifferentRadicals", "\u221A2", "1,4142135623730950488", false},
    {"SolutionsInAnyOrder", "x = 2; x = -3", "x = -3; x = 2", true},
    {"SolutionsWithIndices", "x_1 = 2, x_2 = -3", "x = -3; x = 2", true},
    {"MissingSolution", "x = 2; x = -3", "x = 2", false},
    {"SystemSolution", "x = 1; y = 2", "y = 2; x = 1", true},
    {"SwappedUnknowns", "x = 1; y = 2", "x = 2; y = 1", false},
    {"EquationUpToAFactor", "2x = 6", "x = 3", true},
    {"EquationsOfALine", "y = 2x+1", "2x-y+1 = 0", true},
    {"Points", "(2, 7)", "(2; 7)", true},
    {"PointsInOrder", "(2, 7)", "(7, 2)", false},
    {"ListOfPoints", "(2, 7); (1, 0)", "(1, 0); (2, 7)", true},
    {"NamedValues", "mcd = 5, MCM = 1425", "MCM = 1425; mcd = 5", true},
    {"Money", "99,84 \u20AC", "99,84", true},
    {"PowersOfOneBase", "2^3\u00B72^4", "2^7", true},
    {"NegativeExponent", "3^5:3^7", "1/9", true},
};

INSTANTIATE_TEST_SUITE_P(Parells, MotorEquivalentsTest, testing::ValuesIn(kParells),
                         [](const testing::TestParamInfo<Parell>& i) { return std::string(i.param.nom); });

// ---- Solution sets ----

class MotorSolucionsTest : public testing::TestWithParam<Parell> {};

TEST_P(MotorSolucionsTest, ComparesSolutionSets) {
  EXPECT_EQ(MateixesSolucions(N(GetParam().a), N(GetParam().b)), GetParam().equivalents);
  EXPECT_EQ(MateixesSolucions(N(GetParam().b), N(GetParam().a)), GetParam().equivalents);
}

const Parell kSolucions[] = {
    {"LinearEquation", "4x+4 = 8x-4", "x = 2", true},
    {"WrongRoot", "4x+4 = 8x-4", "x = 3", false},
    {"QuadraticAndItsRoots", "x^2-5x = 0", "5, 0", true},
    {"LostSolution", "x^2-5x = 0", "5", false},
    {"ExtraRoot", "x^3-5x^2 = 0", "5", false},
    {"ExtraRootOfAFactor", "x(x-5)(x+1) = 0", "5, 0", false},
    {"DoubleRootCountsOnce", "x^4-25x^2 = 0", "5, -5, 0", true},
    {"ByTheFormula", "x = (7+\u221A9)/2; x = (7-\u221A9)/2", "5, 2", true},
    {"AlternativeWithoutRealRoots", "x^2 = 9; x^2 = -16", "3, -3", true},
    {"NoRealSolution", "x^2+16 = 0", "x^2+1 = 0", true},
    {"EveryNumber", "2x+2 = 2(x+1)", "(x+1)^2 = x^2+2x+1", true},
    {"EveryNumberIsNotOne", "2x+2 = 2(x+1)", "x = 1", false},
    {"SystemAndItsSolution", "x+2y = 10; 4x+5y = 28", "x = 2, y = 4", true},
    {"ReducedSystem", "x+2y = 10; 3y = 12", "x = 2, y = 4", true},
    {"DependentSystem", "x+2y = 10; 2x+4y = 20", "x = 2, y = 4", false},
    {"DependentSystems", "x+2y = 10; 2x+4y = 20", "x+2y = 10", true},
    {"DifferentLines", "x+2y = 10; 2x+4y = 20", "x+2y = 12", false},
    {"IncompatibleSystem", "x+2y = 10; x+2y = 12", "x+y = 1; x+y = 2", true},
    {"IncompatibleIsNotASolution", "x+2y = 10; x+2y = 12", "x = 2, y = 4", false},
    {"ThreeUnknowns", "4a-2b+c = -17; a+b+c = 13; c = -1", "a = 2; b = 12; c = -1", true},
    {"OneCoordinateOfThePoints", "x = -2; x = -6", "(-2, -17); (-6, -1)", true},
    {"LostPoint", "x = -2", "(-2, -17); (-6, -1)", false},
};

INSTANTIATE_TEST_SUITE_P(Conjunts, MotorSolucionsTest, testing::ValuesIn(kSolucions),
                         [](const testing::TestParamInfo<Parell>& i) { return std::string(i.param.nom); });

TEST(Motor, ValuesThatCannotBeHad) {
  for (const char* t : {"1/0", "2:(3-3)", "\u221A(-4)", "x/(x-x)", "0^(-1)", "(2^1000)^1000",
                        "(a+b+c+d+e)^64", "(3x:23m-2)^2^2^22"}) {
    EXPECT_TRUE(ErrorDeValor(N(t)).has_value()) << t;
    EXPECT_FALSE(Equivalents(N(t), N(t))) << t;
  }
  EXPECT_FALSE(ErrorDeValor(N("x^2+1")).has_value());
}

// ---- Form tests ----

struct Prova {
  const char* nom;
  FormaResposta forma;
  std::string text;
  std::optional<std::string> diu;  // nullopt: in the form; otherwise a piece of the sentence
};
void PrintTo(const Prova& p, std::ostream* os) {
  *os << p.nom;
}

class MotorFormaTest : public testing::TestWithParam<Prova> {};

TEST_P(MotorFormaTest, TellsWhetherItIsInTheForm) {
  const auto r = TestForma(N(GetParam().text), GetParam().forma);
  if (!GetParam().diu) {
    EXPECT_FALSE(r.has_value()) << *r;
  } else {
    ASSERT_TRUE(r.has_value());
    EXPECT_NE(r->find(*GetParam().diu), std::string::npos) << *r;
    EXPECT_EQ(r->rfind("Correcte, per\u00F2 ", 0), 0U) << *r;
  }
}

using F = FormaResposta;
const Prova kProves[] = {
    {"LowestTerms", F::Irreductible, "3/4", std::nullopt},
    {"NotInLowestTerms", F::Irreductible, "6/8", "simplifica la fracci\u00F3"},
    {"OverOne", F::Irreductible, "5/1", "simplifica"},
    {"DecimalIsNotAFraction", F::Irreductible, "0,75", "fracci\u00F3 irreductible"},
    {"OperationsLeft", F::Irreductible, "1/2+1/4", "acaba les operacions"},
    {"AlgebraicInLowestTerms", F::Irreductible, "(x-1)/(x+1)", std::nullopt},
    {"AlgebraicNotInLowestTerms", F::Irreductible, "(x^2-1)/(x+1)^2", "simplifica"},
    {"Expanded", F::Expandida, "2x^2-5x+3", std::nullopt},
    {"LikeTermsLeft", F::Expandida, "2x^2-3x-2x+3", "agrupa els termes semblants"},
    {"BracketsLeft", F::Expandida, "(2x-3)(x-1)", "treu els par\u00E8ntesis"},
    {"PowerOfASumLeft", F::Expandida, "(x+1)^2", "treu els par\u00E8ntesis"},
    {"CommonFactorOut", F::FactorComu, "3x(2x+3)", std::nullopt},
    {"CommonFactorLeftInside", F::FactorComu, "3(2x^2+3x)", "factor com\u00FA dins"},
    {"CommonFactorNotTaken", F::FactorComu, "6x^2+9x", "treu factor com\u00FA"},
    {"Factored", F::Factoritzada, "(x+1)(x-1)", std::nullopt},
    {"FactoredSquare", F::Factoritzada, "(x+1)^2", std::nullopt},
    {"FactorThatFactors", F::Factoritzada, "(x^2-1)(x+2)", "encara es pot factoritzar"},
    {"NotAProduct", F::Factoritzada, "x^2-1", "producte"},
    {"Rationalised", F::DenominadorRacional, "\u221A5/5", std::nullopt},
    {"RootBelow", F::DenominadorRacional, "1/\u221A5", "racionalitza el denominador"},
    {"DividedByARoot", F::DenominadorRacional, "2:\u221A3", "racionalitza"},
    {"SingleFraction", F::FraccioUnica, "(3x+1)/(x^2-1)", std::nullopt},
    {"SumOfFractions", F::FraccioUnica, "1/(x-1)+2/(x+1)", "una sola fracci\u00F3"},
    {"PowerOfOneBase", F::PotenciaUnaBase, "2^7", std::nullopt},
    {"NegativePower", F::PotenciaUnaBase, "a^(-2)", std::nullopt},
    {"ProductOfPowers", F::PotenciaUnaBase, "2^3\u00B72^4", "una sola pot\u00E8ncia"},
    {"ExponentToWorkOut", F::PotenciaUnaBase, "2^(3+4)", "calcula l'exponent"},
    {"PrimeFactors", F::FactorsPrimers, "2^3\u00B73^2\u00B75", std::nullopt},
    {"CompositeFactor", F::FactorsPrimers, "4\u00B79\u00B710", "factors primers"},
    {"RepeatedPrime", F::FactorsPrimers, "2\u00B72\u00B73", "agrupa els factors iguals"},
    {"Solved", F::Resolta, "x = 3; y = -1", std::nullopt},
    {"NotSolved", F::Resolta, "2x = 6", "a\u00EFlla la inc\u00F2gnita"},
    {"Cents", F::Centims, "99,84 \u20AC", std::nullopt},
    {"MoreThanCents", F::Centims, "99,843", "arrodoneix als c\u00E8ntims"},
    {"AnyForm", F::Qualsevol, "2x^2-3x-2x+3", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Formes, MotorFormaTest, testing::ValuesIn(kProves),
                         [](const testing::TestParamInfo<Prova>& i) { return std::string(i.param.nom); });

TEST(Motor, FormNamesGoBothWays) {
  for (int k = 0; k <= static_cast<int>(FormaResposta::Centims); ++k) {
    const auto f = static_cast<FormaResposta>(k);
    EXPECT_EQ(FormaDeNom(NomForma(f)), f);
  }
  EXPECT_FALSE(FormaDeNom("simplificada").has_value());
}

// ---- Verdicts ----

struct Judici {
  const char* nom;
  std::string esperada;
  FormaResposta forma;
  std::string resposta;
  TipusVeredicte veredicte;
  std::string diu;
};
void PrintTo(const Judici& j, std::ostream* os) {
  *os << j.nom;
}

class MotorComprovaTest : public testing::TestWithParam<Judici> {};

TEST_P(MotorComprovaTest, JudgesTheTypedAnswer) {
  const Veredicte v = Comprova(N(GetParam().esperada), GetParam().forma, GetParam().resposta);
  EXPECT_EQ(NomVeredicte(v.tipus), NomVeredicte(GetParam().veredicte)) << v.missatge;
  EXPECT_NE(v.missatge.find(GetParam().diu), std::string::npos) << v.missatge;
  EXPECT_EQ(v.llegit.empty(),
            v.tipus == TipusVeredicte::Illegible && GetParam().nom != std::string("NoValue"));
}

using V = TipusVeredicte;
const Judici kJudicis[] = {
    {"Simplified", "3/4", F::Irreductible, "3/4", V::Correcte, "Correcte."},
    {"NotSimplified", "3/4", F::Irreductible, "6/8", V::Forma, "simplifica la fracci\u00F3"},
    {"WrongFraction", "3/4", F::Irreductible, "3/5", V::Incorrecte, "Incorrecte"},
    {"Garbage", "3/4", F::Irreductible, "3/4+", V::Illegible, "posici\u00F3 4"},
    {"NoValue", "3/4", F::Irreductible, "3/0", V::Illegible, "zero"},
    {"Unsimplified", "2x^2-5x+3", F::Expandida, "2x\u00B2-3x-2x+3", V::Forma, "agrupa"},
    {"ReorderedPolynomial", "2x^2-5x+3", F::Expandida, "3-5x+2x^2", V::Correcte, "Correcte."},
    {"SolutionsInAnyOrder", "x = 2; x = -3", F::Resolta, "x = -3, x = 2", V::Correcte, "Correcte."},
    {"MissingSolution", "x = 2; x = -3", F::Resolta, "x = 2", V::Incorrecte, "n'hi ha 2"},
    {"ExtraSolution", "x = 2", F::Resolta, "x = 2; x = 1", V::Incorrecte, "n'hi ha una"},
    {"MissingValue", "3, 5", F::Qualsevol, "3,5", V::Incorrecte,
     "hi falten valors; n'hi ha 2. Una coma entre xifres"},
    {"PointWithoutBrackets", "(2, 7)", F::Qualsevol, "2, 7", V::Forma,
     "entre par\u00E8ntesis: \u00AB(2, 7)\u00BB"},
    {"ValueWithoutItsUnknown", "x = 3", F::Resolta, "3", V::Forma, "\u00ABx = 3\u00BB"},
    {"EquationNotSolved", "x = 3", F::Resolta, "2x = 6", V::Forma, "a\u00EFlla"},
    {"Root", "4\u221A2", F::Qualsevol, "arrel(8^5; 6)", V::Correcte, "Correcte."},
    {"RootInTheDenominator", "\u221A5/5", F::DenominadorRacional, "1/\u221A5", V::Forma, "racionalitza"},
    {"Rounded", "99,84 \u20AC", F::Centims, "99,84", V::Correcte, "Correcte."},
    {"NotRounded", "99,84 \u20AC", F::Centims, "99,8437", V::Forma, "arrodoneix"},
    {"WrongCents", "99,84 \u20AC", F::Centims, "99,85", V::Incorrecte, "Incorrecte"},
    {"Point", "(2, 7)", F::Qualsevol, "(2; 7)", V::Correcte, "Correcte."},
    {"Divisors", "mcd = 5, MCM = 1425", F::Qualsevol, "MCM = 1425, mcd = 5", V::Correcte, "Correcte."},
    {"PrimeFactors", "2^3\u00B73^2", F::FactorsPrimers, "2\u00B72\u00B72\u00B73\u00B73", V::Forma, "agrupa"},
};

INSTANTIATE_TEST_SUITE_P(Judicis, MotorComprovaTest, testing::ValuesIn(kJudicis),
                         [](const testing::TestParamInfo<Judici>& i) { return std::string(i.param.nom); });

// ---- Simplest forms ----

struct Simple {
  const char* nom;
  FormaResposta forma;
  std::string marcat;  // as the generators write it: markup, read by the markup reader
  std::string simple;  // in the notation
};
void PrintTo(const Simple& s, std::ostream* os) {
  *os << s.nom;
}

class MotorFormaSimpleTest : public testing::TestWithParam<Simple> {};

TEST_P(MotorFormaSimpleTest, WritesTheSimplestForm) {
  const Expressio e = Expressio::Llegeix(GetParam().marcat);
  const Expressio s = FormaSimple(e, GetParam().forma);
  EXPECT_EQ(EscriuNotacio(s), GetParam().simple);
  EXPECT_TRUE(Equivalents(e, s));
  // Typed back, the simplest form is correct in its form.
  const Veredicte v = Comprova(e, GetParam().forma, EscriuNotacio(s));
  EXPECT_EQ(v.tipus, TipusVeredicte::Correcte) << v.missatge;
}

const Simple kSimples[] = {
    {"LikeTermsCollected", F::Expandida, "2x\xB2-3x-2x+3", "2x^2-5x+3"},
    {"Expanded", F::Expandida, "(a+b)(a-b)", "a^2-b^2"},
    {"LowestTerms", F::Irreductible, "#F(6/8)", "3/4"},
    {"NoOverOne", F::Irreductible, "5/1", "5"},
    {"NoBracketedNegativeNumerator", F::Irreductible, "#F(-23/20)", "-23/20"},
    {"AlgebraicFraction", F::Irreductible, "#F(x^2-1/x^2+2x+1)", "(x-1)/(x+1)"},
    {"RootOfAPower", F::Qualsevol, "R_6(8^5)/1", "4\u221A2"},
    {"PowerOfAPowerWithTwoDigits", F::PotenciaUnaBase, "a^3^0", "a^30"},
    {"ProductWithOneExponent", F::PotenciaUnaBase, "a^3\xB7z^3", "(az)^3"},
    {"QuotientWithOneExponent", F::PotenciaUnaBase, "#F(a^5/z^5)", "(a/z)^5"},
    {"RootSimplified", F::Qualsevol, "#R(20)", "2\u221A5"},
    {"RootOverANumber", F::DenominadorRacional, "#R(20)/20", "\u221A5/10"},
    {"Rationalised", F::DenominadorRacional, "#F(2/R_2(8))", "\u221A2/2"},
    {"ConjugateOfTheDenominator", F::DenominadorRacional, "#F(1/2+R_2(3))", "2-\u221A3"},
    {"CubeRoots", F::DenominadorRacional, "#F(R_3(3)/R_3(9))", "arrel(3^2; 3)/3"},
    {"Factored", F::Factoritzada, "x\xB2-1", "(x+1)(x-1)"},
    {"FactoredWithContent", F::Factoritzada, "2x\xB2+4x", "2x(x+2)"},
    {"CommonFactor", F::FactorComu, "6x\xB2+9x", "3x(2x+3)"},
    {"PowerOfAPrimeUnderARoot", F::Qualsevol, "2 R_5(19^4)/19", "2arrel(19^4; 5)/19"},
    {"PowerOfAProductUnderARoot", F::DenominadorRacional, "R_5(21^4)/3", "arrel(21^4; 5)/3"},
    {"PrimeFactors", F::FactorsPrimers, "1425", "3\u00B75^2\u00B719"},
    {"PowerOfOneBase", F::PotenciaUnaBase, "2^3.2^4", "2^7"},
    {"NegativePower", F::PotenciaUnaBase, "3^5:3^7", "3^(-2)"},
    {"Cents", F::Centims, "53.5 \x80", "53,50 \u20AC"},
    {"DecimalsStay", F::Qualsevol, "124.2", "124,2"},
    {"NegativePowerAsAFraction", F::Qualsevol, "a^-^6", "1/a^6"},
    {"DivisorsNamed", F::Qualsevol, "mcd= 5, MCM= 400", "mcd = 5; MCM = 400"},
    {"SolutionsSorted", F::Resolta, "x= 2, x= -3", "x = -3; x = 2"},
    {"EquationSolved", F::Resolta, "2x = 6", "x = 3"},
};

INSTANTIATE_TEST_SUITE_P(Simples, MotorFormaSimpleTest, testing::ValuesIn(kSimples),
                         [](const testing::TestParamInfo<Simple>& i) { return std::string(i.param.nom); });

// ---- The notation and the engine together ----

// The notation of each case of an answer: a case's mathematics, without its label.
std::vector<std::string> NotacioDelsCasos(const std::string& marcat) {
  const Model m = LlegeixMatematiques(marcat);
  std::vector<std::string> r;
  for (const std::size_t f : m.Arrel().fills) {
    const Peca& p = m.peces[f];
    if (p.tipus != TipusPeca::Cas) continue;
    std::string s;
    for (const std::size_t c : p.fills) s += EscriuNotacio(m, c);
    r.push_back(s);
  }
  if (r.empty()) r.push_back(EscriuNotacio(m, 0));
  return r;
}

// Every case of every answer of the catalogue, written in the notation, reads back, has
// a value, writes the same again, and keeps its value through its simplest form, which
// typed back is correct, as the answer itself is.
TEST(Motor, AnswersOfTheCatalogueRoundTripThroughTheNotation) {
  for (const Exercici& e : prova::ExercicisDeCadaSubtipus()) {
    for (const std::string& cas : NotacioDelsCasos(e.resposta)) {
      const LecturaNotacio l = LlegeixNotacio(cas);
      ASSERT_TRUE(l.Llegida()) << cas << ": " << l.error->missatge;
      EXPECT_FALSE(ErrorDeValor(l.expressio).has_value()) << cas << ": " << *ErrorDeValor(l.expressio);
      const std::string escrit = EscriuNotacio(l.expressio);
      EXPECT_EQ(EscriuNotacio(LlegeixNotacio(escrit).expressio), escrit) << cas;
      const std::string simple = EscriuNotacio(FormaSimple(l.expressio));
      EXPECT_TRUE(Equivalents(l.expressio, LlegeixNotacio(simple).expressio)) << cas << " -> " << simple;
      EXPECT_EQ(Comprova(l.expressio, FormaResposta::Qualsevol, simple).tipus, TipusVeredicte::Correcte)
          << cas << " -> " << simple;
      EXPECT_EQ(Comprova(l.expressio, FormaResposta::Qualsevol, cas).tipus, TipusVeredicte::Correcte) << cas;
    }
  }
}

}  // namespace
}  // namespace tirelo
