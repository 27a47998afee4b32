// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Model.h"

#include <gtest/gtest.h>

#include <string>

namespace tirelo {
namespace {

using namespace std::string_literals;

const char* Nom(TipusPeca t) {
  switch (t) {
    case TipusPeca::Contingut: return "Contingut";
    case TipusPeca::Tros: return "Tros";
    case TipusPeca::Paragraf: return "Paragraf";
    case TipusPeca::Barra: return "Barra";
    case TipusPeca::Potencia: return "Potencia";
    case TipusPeca::Subindex: return "Subindex";
    case TipusPeca::Negreta: return "Negreta";
    case TipusPeca::Cursiva: return "Cursiva";
    case TipusPeca::Subratllat: return "Subratllat";
    case TipusPeca::Tabulador: return "Tabulador";
    case TipusPeca::Infinit: return "Infinit";
    case TipusPeca::Sagnat: return "Sagnat";
    case TipusPeca::Fraccio: return "Fraccio";
    case TipusPeca::Expressio: return "Expressio";
    case TipusPeca::Arrel: return "Arrel";
    case TipusPeca::Sistema: return "Sistema";
    case TipusPeca::Res: return "Res";
    default: break;  // kinds the markup reader never makes
  }
  return "?";
}

// The tree in one line: a node's name, its text in quotes when it has one, a "!" when
// it shows nothing, its children in brackets.
class Descriptor : public Visitant {
 public:
  void Obre(const Peca& p) override {
    if (p.tipus == TipusPeca::Contingut) return;
    if (!primer_) r += ',';
    primer_ = false;
    r += Nom(p.tipus);
    if (!p.text.empty()) r += "'" + p.text + "'";
    if (p.buit) r += '!';
    if (!p.fills.empty()) r += '[';
    primer_ = true;
  }
  void Tanca(const Peca& p) override {
    if (p.tipus != TipusPeca::Contingut && !p.fills.empty()) r += ']';
    primer_ = false;
  }
  std::string r;

 private:
  bool primer_ = true;
};

std::string Arbre(std::string_view text, OpcionsLectura o = {}) {
  const Model m = LlegeixMarcat(text, o);
  Descriptor d;
  Recorre(m, d);
  return d.r;
}

struct Cas {
  const char* nom;
  std::string marcat;
  std::string arbre;
};

class LecturaTest : public testing::TestWithParam<Cas> {};

TEST_P(LecturaTest, ReadsTheTree) { EXPECT_EQ(Arbre(GetParam().marcat), GetParam().arbre); }

TEST_P(LecturaTest, WritesBackByteForByte) {
  for (const IndexObert o : {IndexObert::FinsAlFinal, IndexObert::Buit}) {
    EXPECT_EQ(EscriuMarcat(LlegeixMarcat(GetParam().marcat, {o})), GetParam().marcat);
  }
}

const Cas kCasos[] = {
    {"PlainTextIsOneRun", "Calcula 12 i 18", "Tros'Calcula 12 i 18'"},
    {"EmptyText", "", ""},
    {"AccentedBytesAndControlsAreText", "Qu\xE8\x01\n\x80"s, "Tros'Qu\xE8\x01\n\x80'"},
    {"RawRtfPassesAsText", "a\\tab b{\\b c}\\'e9", "Tros'a\\tab b{\\b c}\\'e9'"},
    {"ParagraphAndBar", "a\r|b", "Tros'a',Paragraf,Barra,Tros'b'"},
    {"ScriptsOfOneCharacter", "x^2y_1", "Tros'x',Potencia'2',Tros'y',Subindex'1'"},
    {"ScriptInParentheses", "x^(n+1)", "Tros'x',Potencia'n+1'"},
    {"ScriptIsNotRead", "^(#B2)", "Potencia'#B2'"},
    {"ScriptAtTheEnd", "x^", "Tros'x',Potencia"},
    {"UnclosedScriptTakesTheRest", "x^(n+1", "Tros'x',Potencia'n+1'"},
    {"BracedScriptIsOneBrace", "a^{m+n}", "Tros'a',Potencia'{',Tros'm+n}'"},
    {"StylesNest", "#B(Enunciat #I(pista))", "Negreta[Tros'Enunciat ',Cursiva[Tros'pista']]"},
    {"LowerCaseLetters", "#b(x)#s(a)#ic", "Negreta[Tros'x'],Subratllat[Tros'a'],Cursiva[Tros'c']"},
    {"StyleReadsScripts", "#B(x^2)", "Negreta[Tros'x',Potencia'2']"},
    {"UnclosedStyleTakesTheRest", "#B(a#I(b", "Negreta[Tros'a',Cursiva[Tros'b']]"},
    {"StyleClosedEarly", "#B(a))", "Negreta[Tros'a'],Tros')'"},
    {"StyleAtTheEnd", "#B", "Negreta"},
    {"TabConsumesItsArgument", "#Tx#t(abc)d", "Tabulador'x',Tabulador'abc',Tros'd'"},
    {"Infinity", "(-#&(),3)", "Tros'(-',Infinit,Tros',3)'"},
    {"IndentDigits", "#8 3x#0", "Sagnat' ',Tros'3x',Sagnat"},
    {"UnknownCommandAndFinalHash", "a#Q(abc)b#", "Tros'a',Res'abc',Tros'b',Res"},
    {"Fraction", "#F(x+1/2)", "Fraccio[Expressio[Tros'x+1'],Expressio[Tros'2']]"},
    {"FractionWithoutBar", "#F(12)", "Fraccio[Expressio,Expressio[Tros'12']]"},
    {"FractionKeepsInnerParentheses", "#F((a+b)/2)", "Fraccio[Expressio[Tros'(a+b)'],Expressio[Tros'2']]"},
    {"FractionSplitsAtTheFirstBar", "#F(#B(a/b))",
     "Fraccio[Expressio[Negreta[Tros'a']],Expressio[Tros'b)']]"},
    {"FractionWithTabs", "#F(\x02" "1/2)", "Fraccio[Expressio[Tros'1'],Expressio[Tros'2']]"},
    {"FractionOfOneCharacter", "#F/", "Fraccio[Expressio,Expressio]"},
    {"UnclosedFraction", "#F(", "Fraccio[Expressio,Expressio]"},
    {"RootReadsItsRadicand", "#R(x^2+1)", "Arrel[Tros'x',Potencia'2',Tros'+1']"},
    {"SystemIsNotRead", "#M(x+y=3\rx-y=1)", "Sistema'x+y=3\rx-y=1'"},
    {"FractionInsideARoot", "#R(#F(1/x))", "Arrel[Fraccio[Expressio[Tros'1'],Expressio[Tros'x']]]"},
};

INSTANTIATE_TEST_SUITE_P(Model, LecturaTest, testing::ValuesIn(kCasos),
                         [](const testing::TestParamInfo<Cas>& info) { return std::string(info.param.nom); });

TEST(Model, AnUnclosedScriptShowsNothingWhenTheReaderIsAskedSo) {
  EXPECT_EQ(Arbre("x^(n+1", {IndexObert::Buit}), "Tros'x',Potencia'n+1'!");
  EXPECT_EQ(Arbre("x^(n+1)", {IndexObert::Buit}), "Tros'x',Potencia'n+1'");
}

TEST(Model, RecordsWhatTheWritersMeasure) {
  const Model m = LlegeixMarcat("#F(\x03" "3x/6x^2)#R(x+1)#9 ");
  const Peca& fraccio = m.peces[m.Arrel().fills[0]];
  EXPECT_EQ(fraccio.tabs, 3);
  EXPECT_TRUE(fraccio.ambBarra);
  EXPECT_EQ(m.peces[fraccio.fills[0]].llargada, 2u);
  EXPECT_EQ(m.peces[fraccio.fills[1]].llargada, 4u);
  EXPECT_EQ(m.peces[m.Arrel().fills[1]].llargada, 3u);
  EXPECT_EQ(m.peces[m.Arrel().fills[2]].xifra, 9);
}

TEST(Model, EveryCommandLetterWritesBack) {
  for (int c = 0; c < 256; ++c) {
    for (const std::string& arg : {""s, "x"s, "(a/b)"s, "(a"s}) {
      const std::string text = "#"s + static_cast<char>(c) + arg + "z";
      EXPECT_EQ(EscriuMarcat(LlegeixMarcat(text)), text) << c;
    }
  }
}

TEST(Model, LongTextsWriteBack) {
  std::string text;
  while (text.size() < 255) text += "#B(x^(2)#F(1/#R(y_1))|\r";
  text.resize(255);
  EXPECT_EQ(EscriuMarcat(LlegeixMarcat(text)), text);
}

TEST(Model, DeepNestingIsReadAndWrittenWithoutExhaustingTheStack) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "#R(#B(";
  text += "x";
  const Model m = LlegeixMarcat(text);
  EXPECT_EQ(m.peces.size(), 100000u * 2 + 2);
  EXPECT_EQ(EscriuMarcat(m), text);
}

}  // namespace
}  // namespace tirelo
