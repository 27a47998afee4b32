// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <string>

#include "document/TextLlegible.h"

namespace tirelo {
namespace {

struct Cas {
  const char* nom;
  std::string marcat;
  std::string llegible;
};

class TextLlegibleTest : public testing::TestWithParam<Cas> {};

TEST_P(TextLlegibleTest, ReadsAsTheDocumentShows) {
  EXPECT_EQ(TextLlegible(GetParam().marcat), GetParam().llegible);
}

const Cas kCasos[] = {
    {"PlainTextStays", "Calcula el m.c.d. de 12 i 18", "Calcula el m.c.d. de 12 i 18"},
    {"AccentedBytesStay", "Qu\xE8 val?", "Qu\xE8 val?"},
    {"SquareSignIsAPower", "x\xB2 + 1", "x^2 + 1"},
    {"ParagraphBreakIsALine", "a\r\nb", "a\nb"},
    {"BlankLinesAndBlankRunsFold", "  a   b  \r\r\r  c ", "a b\nc"},
    {"SingleScriptStaysLinear", "x^2 + y_1", "x^2 + y_1"},
    {"CompoundScriptInParentheses", "x^(n+1)", "x^(n+1)"},
    {"ScriptOfAWordStaysBare", "x^(10)", "x^10"},
    {"BracedScriptReadsItsContent", "a^{m+n}", "a^(m+n)"},
    {"UnclosedScriptRaisesTheRestAsTheDocument", "x^(n+1", "x^(n+1)"},
    {"RawRtfScriptIsAPower", "12b{\\super 2}+a{\\sub n}", "12b^2+a_n"},
    {"RootWithAnIndex", "R_3(x+1) - #R(2)", "arrel(x+1; 3) - arrel(2)"},
    {"ScriptAtTheEnd", "x^", "x"},
    {"StylesKeepOnlyTheirText", "#B(Enunciat #I(pista)) #s(a)b", "Enunciat pista ab"},
    {"StyleReadsItsMarkup", "#B(x^2)", "x^2"},
    {"TabIsABlankAndTakesItsArgument", "a#T b#Tx c", "a b c"},
    {"IndentSaysNothing", "#8 3x+y = 1\r#8 x-y = 3\r #0 ", "3x+y = 1\nx-y = 3"},
    {"InfinityIsAWord", "(-#&(),3)", "(- infinit ,3)"},
    {"UnknownCommandSaysNothing", "a#Q(abc)b#", "ab"},
    {"SimpleFraction", "#F(3/4)", "3/4"},
    {"CompoundFractionParts", "#F(x+1/2)", "(x+1)/2"},
    {"FractionKeepsItsOwnParentheses", "#F((a+b)/2x)", "(a+b)/2x"},
    {"FractionTabsSayNothing", std::string("#F(\x02") + "1/2)", "1/2"},
    {"FractionWithoutNumerator", "#F(12)", "/12"},
    {"FractionPartsReadTheirMarkup", "#F(x^2/#B(3))", "(x^2)/3"},
    {"RootReadsAsAFunction", "#R(x+1)", "arrel(x+1)"},
    {"BlockLinesWithoutBars", "#M(x+y=3\rx-y=1)", "x+y=3\nx-y=1"},
    {"VerticalBarStays", "|x|", "|x|"},
    {"EmbeddedRtfTabAndLine", "a\\tab b\\line c\\par d", "a b\nc\nd"},
    {"EmbeddedRtfCharacterAndUnknownWord", "\\'e9s \\u8730 x", "\xE9s x"},
    {"RawBracesAreGroups", "{\\b a}b", "ab"},
    {"EscapedControlsSayNothing", "c\\'13=\\'0a", "c="},
    {"ControlCharactersSayNothing", std::string("a\x01\x0E") + "b", "ab"},
    {"ControlsInAScriptSayNothing", std::string("x^(a\x01") + "b)", "x^ab"},
    {"EmptyText", "", ""},
};

INSTANTIATE_TEST_SUITE_P(TextLlegible, TextLlegibleTest, testing::ValuesIn(kCasos),
                         [](const testing::TestParamInfo<Cas>& info) { return std::string(info.param.nom); });

TEST(TextLlegible, DeepNestingEndsAndKeepsTheInnermostAsWritten) {
  std::string text = "x";
  for (int i = 0; i < 40; ++i) text = "#B(" + text + ")";
  const std::string llegible = TextLlegible(text);
  EXPECT_NE(llegible.find('x'), std::string::npos);
  EXPECT_LT(llegible.size(), text.size());
}

}  // namespace
}  // namespace tirelo
