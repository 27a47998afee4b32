// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "document/Notacio.h"

namespace tirelo {
namespace {

// The notation of what was read: the reader's tree, written back.
std::string Llegit(const std::string& text) {
  const LecturaNotacio l = LlegeixNotacio(text);
  return l.Llegida() ? EscriuNotacio(l.expressio) : "ERROR: " + l.error->missatge;
}

struct Forma {
  const char* nom;
  std::string teclejat;
  std::string llegit;
};
void PrintTo(const Forma& f, std::ostream* os) {
  *os << f.nom;
}

class NotacioFormaTest : public testing::TestWithParam<Forma> {};

TEST_P(NotacioFormaTest, ReadsWhatAPupilTypes) {
  EXPECT_EQ(Llegit(GetParam().teclejat), GetParam().llegit);
}

const Forma kFormes[] = {
    {"NumberBeforeLetter", "2x", "2x"},
    {"LettersTogether", "3ab", "3ab"},
    {"NumberBeforeBracket", "2(x+1)", "2(x+1)"},
    {"BracketsTogether", "(x+1)(x-1)", "(x+1)(x-1)"},
    {"Asterisk", "a*b", "a\u00B7b"},
    {"MiddleDot", "a\u00B7b", "a\u00B7b"},
    {"FullStopBetweenLetters", "a.b", "a\u00B7b"},
    {"TimesSign", "3\u00D74", "3\u00B74"},
    {"Colon", "6:3", "6:3"},
    {"DivisionSign", "6\u00F73", "6:3"},
    {"Caret", "x^2", "x^2"},
    {"CaretWithBrackets", "x^(n+1)", "x^(n+1)"},
    {"CaretNegative", "a^-1", "a^(-1)"},
    {"SuperscriptTwo", "x\u00B2", "x^2"},
    {"SuperscriptThree", "a\u00B3", "a^3"},
    {"SuperscriptNegative", "x\u207B\u2074", "x^(-4)"},
    {"SquareRoot", "\u221A20", "\u221A20"},
    {"SquareRootOfABracket", "\u221A(x+1)", "\u221A(x+1)"},
    {"SquareRootTakesItsPower", "\u221Ax\u00B2", "\u221A(x^2)"},
    {"CubeRoot", "\u221B8", "arrel(8; 3)"},
    {"FourthRoot", "\u221Cx", "arrel(x; 4)"},
    {"RootWord", "arrel(5)", "\u221A5"},
    {"RootWordWithIndex", "arrel(21; 5)", "arrel(21; 5)"},
    {"RootWordWithComma", "arrel(21, 5)", "arrel(21; 5)"},
    {"MinusSign", "\u22123+x", "-3+x"},
    {"Hyphen", "-3+x", "-3+x"},
    {"DecimalComma", "3,5", "3,5"},
    {"DecimalPoint", "3.5", "3,5"},
    {"Euro", "99,84 \u20AC", "99,84 \u20AC"},
    {"EuroTogether", "25\u20AC", "25 \u20AC"},
    {"Percent", "12%", "12 %"},
    {"Equation", "x = 3", "x = 3"},
    {"EquationWithoutBlanks", "x=-3", "x = -3"},
    {"ListWithSemicolons", "x = 2; x = -3", "x = 2; x = -3"},
    {"ListWithCommaAndBlank", "1, 2, 3", "1, 2, 3"},
    {"SolutionsJoinedByO", "x = 2 o x = -3", "x = 2; x = -3"},
    {"SolutionsJoinedByI", "x = 1 i y = 2", "x = 1; y = 2"},
    {"LetterOInAProduct", "2 o x", "2ox"},
    {"LetterOBeforeASign", "x = 1 o = 2", "x = 1o = 2"},
    {"PointWithComma", "(2, 7)", "(2, 7)"},
    {"PointWithSemicolon", "(2; 7)", "(2; 7)"},
    {"Words", "mcd = 5, MCM = 1425", "mcd = 5, MCM = 1425"},
    {"Fraction", "3/4", "3/4"},
    {"FractionOfBrackets", "(x+1)/(x-1)", "(x+1)/(x-1)"},
    {"JuxtapositionBindsTighterThanSlash", "1/2x", "1/(2x)"},
    {"NumeratorRun", "2x/3", "2x/3"},
    {"Subscript", "x_1 = 2", "x_1 = 2"},
    {"BlanksAnywhere", "  2 x  +  1 ", "2x+1"},
    {"FinalFullStop", "x = 3.", "x = 3"},
    {"FinalSeparator", "x = 2; x = 3;", "x = 2; x = 3"},
    {"SquareBrackets", "[x+1]", "[x+1]"},
    {"NonBreakingSpace", "3\u00A0\u20AC", "3 \u20AC"},
};

INSTANTIATE_TEST_SUITE_P(Formes, NotacioFormaTest, testing::ValuesIn(kFormes),
                         [](const testing::TestParamInfo<Forma>& i) { return std::string(i.param.nom); });

struct Errada {
  const char* nom;
  std::string teclejat;
  std::size_t posicio;
  std::string diu;  // a piece of the message
};
void PrintTo(const Errada& e, std::ostream* os) {
  *os << e.nom;
}

class NotacioErradaTest : public testing::TestWithParam<Errada> {};

TEST_P(NotacioErradaTest, SaysWhereAndWhy) {
  const LecturaNotacio l = LlegeixNotacio(GetParam().teclejat);
  ASSERT_FALSE(l.Llegida());
  EXPECT_EQ(l.error->posicio, GetParam().posicio);
  EXPECT_NE(l.error->missatge.find(GetParam().diu), std::string::npos) << l.error->missatge;
  EXPECT_NE(l.error->missatge.find("posici\u00F3 " + std::to_string(GetParam().posicio + 1)),
            std::string::npos);
  EXPECT_TRUE(l.expressio.Buida());
}

const Errada kErrades[] = {
    {"Empty", "", 0, "buida"},
    {"OnlyBlanks", "   ", 0, "buida"},
    {"TwoOperators", "2+*3", 2, "entre \u00AB+\u00BB i \u00AB*\u00BB"},
    {"OperatorAtTheStart", "*3", 0, "abans de \u00AB*\u00BB"},
    {"OperatorAtTheEnd", "x=", 1, "despr\u00E9s de \u00AB=\u00BB"},
    {"BracketNeverClosed", "2(x+1", 1, "no es tanca"},
    {"BracketNeverOpened", "x+1)", 3, "sense que se n'hagi obert"},
    {"BracketsThatDoNotMatch", "(x+1]", 4, "no tanca"},
    {"EmptyBrackets", "2()", 2, "buits"},
    {"PowerWithoutExponent", "x^", 1, "exponent"},
    {"PowerWithoutBase", "^2", 0, "base"},
    {"RootWithoutRadicand", "3+\u221A", 2, "radicand"},
    {"TwoSigns", "2--3", 2, "Dos signes"},
    {"TwoNumbers", "3 4", 2, "Dos nombres"},
    {"UnitAfterALetter", "x\u20AC", 1, "darrere d'un nombre"},
    {"UnknownCharacter", "2@3", 1, "\u00AB@\u00BB"},
    {"AccentedLetter", "x = \u00E9", 4, "\u00AB\u00E9\u00BB"},
    {"NotUtf8", "2\xFF", 1, "UTF-8"},
    {"CutUtf8", "2\xC3", 1, "UTF-8"},
    {"PositionCountsCharacters", "\u221A2 + \u221A3 +", 8, "despr\u00E9s de \u00AB+\u00BB"},
};

INSTANTIATE_TEST_SUITE_P(Errades, NotacioErradaTest, testing::ValuesIn(kErrades),
                         [](const testing::TestParamInfo<Errada>& i) { return std::string(i.param.nom); });

TEST(Notacio, NestingBeyondAnyAnswerIsAnError) {
  std::string text(5000, '(');
  text += "1";
  EXPECT_FALSE(LlegeixNotacio(text).Llegida());
  std::string arrels;
  for (int i = 0; i < 5000; ++i) arrels += "\u221A";
  EXPECT_FALSE(LlegeixNotacio(arrels + "2").Llegida());
}

struct Escrit {
  const char* nom;
  std::string marcat;  // an exercise text, read by the markup reader
  std::string notacio;
};
void PrintTo(const Escrit& e, std::ostream* os) {
  *os << e.nom;
}

class NotacioEscritTest : public testing::TestWithParam<Escrit> {};

// The markup's mathematics in the notation, and read back to the same notation.
TEST_P(NotacioEscritTest, WritesTheMarkupsMathematics) {
  const std::string escrit = EscriuNotacio(Expressio::Llegeix(GetParam().marcat));
  EXPECT_EQ(escrit, GetParam().notacio);
  EXPECT_EQ(Llegit(escrit), escrit);
}

const Escrit kEscrits[] = {
    {"DecimalComma", "124.2", "124,2"},
    {"WrittenProduct", "a.b", "a\u00B7b"},
    {"Juxtaposition", "2x", "2x"},
    {"UnsimplifiedStaysAsWritten", "2x\xB2-3x-2x+3", "2x^2-3x-2x+3"},
    {"MarkupFraction", "#F(x+1/2)", "(x+1)/2"},
    {"InlineFraction", "3/4", "3/4"},
    {"FractionWithAProductBelow", "#F(1/2x)", "1/(2x)"},
    {"NegativeNumerator", "#F(-23/20)", "(-23)/20"},
    {"PowerWithBrackets", "x^{n+1}", "x^(n+1)"},
    {"PowerOfTwoDigits", "z^{12}", "z^12"},
    {"RootWithIndex", "R_5(21)", "arrel(21; 5)"},
    {"SquareRootWithIndexTwo", "R_2(17)", "\u221A17"},
    {"MarkupRoot", "#R(x+1)", "\u221A(x+1)"},
    {"RootOverOne", "R_6(8^5)/1", "arrel(8^5; 6)/1"},
    {"Equation", "x = 3", "x = 3"},
    {"Solutions", "x= -3, y= 5", "x = -3, y = 5"},
    {"Point", "(2, 7)", "(2, 7)"},
    {"Money", "124.2 \x80", "124,2 \u20AC"},
    {"System", "#M(x+y=3\rx-y=1)", "x+y = 3; x-y = 1"},
    {"FractionToAPower", "#F(2/3)^2", "(2/3)^2"},
};

INSTANTIATE_TEST_SUITE_P(Escrits, NotacioEscritTest, testing::ValuesIn(kEscrits),
                         [](const testing::TestParamInfo<Escrit>& i) { return std::string(i.param.nom); });

// Written and read again, the notation is the same: the writer's output is a fixed
// point of the reader.
TEST(Notacio, WhatItWritesReadsBackTheSame) {
  for (const char* t : {"2x^2-5x+3", "(x+1)(x-1)", "\u221A5/10", "4\u221A2", "arrel(x^2+1; 3)",
                        "x = -3; x = 2", "(2, 7); (-1, 0)", "mcd = 5, MCM = 1425", "53,50 \u20AC", "x^(-4)",
                        "(1/2)x", "(\u221A2)^3", "\u221A(5)2", "\u221AE _S", "c mcd o= 2", "x \u2192 +2"}) {
    const std::string un = Llegit(t);
    EXPECT_EQ(Llegit(un), un) << t;
  }
}

}  // namespace
}  // namespace tirelo
