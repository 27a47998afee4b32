// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/TextLinia.h"

#include <gtest/gtest.h>

#include <string>

namespace tirelo {
namespace {

struct Cas {
  const char* nom;
  std::string marcat;  // Windows-1252
  std::string linia;   // UTF-8
};

class TextLiniaTest : public testing::TestWithParam<Cas> {};

TEST_P(TextLiniaTest, ReadsAsOneLine) { EXPECT_EQ(TextLinia(GetParam().marcat), GetParam().linia); }

const Cas kCasos[] = {
    {"PlainTextStays", "Calcula el m.c.d. de 12 i 18", "Calcula el m.c.d. de 12 i 18"},
    {"AccentedBytesBecomeUnicode", "Qu\xE8 val 3\x80?", "Qu\u00E8 val 3,00 \u20AC?"},
    {"ParagraphsJoinWithABlank", "a)  1\r\n  b)   2\r\r", "a) 1 b) 2"},
    {"DigitsAndLettersAreRaised", "d^2\xB7" "d^(10) a^(m+n)", "d\u00B2\u00B7d\u00B9\u2070 a\u1D50\u207A\u207F"},
    {"DigitsAndLettersAreLowered", "x_1 + a_n", "x\u2081 + a\u2099"},
    {"ScriptWithoutUnicodeFormStaysLinear", "x^(m.n) y_Q", "x^(m\u00B7n) y_Q"},
    {"BracedScriptIsRaised", "a^{m+n}", "a\u1D50\u207A\u207F"},
    {"UnclosedScriptRaisesTheRestAsTheDocument", "x^(2", "x\u00B2"},
    {"StylesKeepTheirText", "#B(Enunciat #I(x^2))", "Enunciat x\u00B2"},
    {"TabsIndentsAndUnknownCommandsGo", "#8 a#T b #Q(c)d#0 ", "a b d"},
    {"Infinity", "(-#&(),3)", "(-\u221E,3)"},
    {"Fraction", "#F(1/2) + #F(x+1/x)", "1/2 + (x+1)/x"},
    {"FractionWithMarkupInItsParts", "#F(x^2/#B(3))", "x\u00B2/3"},
    {"Root", "#R(2) #R(x+1)", "\u221A2 \u221A(x+1)"},
    {"RootWrittenWithASubscript", "2/R_2(19) i R_3(x+1) i R_n()", "2/\u221A19 i \u221B(x+1) i \u207F\u221A"},
    {"BlockIsASystemOnOneLine", "Resol: #M(x+y=3\rx-y=1)", "Resol: x+y=3; x-y=1"},
    {"IndentedEquationsAreASystem", "Resol el sistema:\r#8 \r\r#8 x+2y = 10\r#8 4x+5y = 28\r #0 ",
     "Resol el sistema: x+2y = 10; 4x+5y = 28"},
    {"CaseAfterASystemKeepsItsComma", "a) \r#8 x+y = 3\r#8 x-y = 1\r\r, b) \r#8 x = 2\r",
     "a) x+y = 3; x-y = 1, b) x = 2"},
    {"EmbeddedRtfGoes", "a\\tab b\\line c{\\b d}\\'e9", "a b cd\u00E9"},
    {"StackedFractionsInColumns",
     "Calcula:\r\n\\tab \\tab  2     1\r\n\\tab \\tab --- + ---\r\n\\tab \\tab  3     9", "Calcula: 2/3 + 1/9"},
    {"StackedFractionWithAnEmDashBar",
     "Simplifica: \\tab \r\\tab \\tab 8am+6an\r\\tab \\tab \\'97\\'97\\'97\r\\tab \\tab \\'20 12a\xB2\r\r",
     "Simplifica: (8am+6an)/12a\u00B2"},
    {"RawRtfScriptsArePowersAndIndices", "18bn+12b{\\super 2} - x{\\sub 1}", "18bn+12b\u00B2 - x\u2081"},
    {"RawRtfScriptInAStackedFraction",
     "Simplifica la fracci\xF3: \\tab \r\\tab \\tab  18bn+12b{\\super 2}\r\\tab \\tab \\'97\\'97\\'97\\'97\r"
     "\\tab \\tab  18bd\r",
     "Simplifica la fracci\u00F3: (18bn+12b\u00B2)/18bd"},
    {"RootsTopicNoteGoes", "a) 3/R_2(17)   (Nota: R_n() =arrel en\xE8ssima)", "a) 3/\u221A17"},
    {"AbbreviationStaysProse", "Calcula el m.c.d. de 12 i 18", "Calcula el m.c.d. de 12 i 18"},
    {"ControlsInABracedScriptGo", "a^{m\n\x01;}b", "a^(m;)b"},
    {"EscapedControlsGo", "a\\'0a\\'13b", "ab"},
    {"ControlsGo", std::string("a\x01\x0E") + "b", "ab"},
    {"EmptyText", "", ""},
};

INSTANTIATE_TEST_SUITE_P(TextLinia, TextLiniaTest, testing::ValuesIn(kCasos),
                         [](const testing::TestParamInfo<Cas>& info) { return std::string(info.param.nom); });

TEST(TextLinia, LongAndDeepTextsEnd) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "#R(#F(R_2(";
  EXPECT_FALSE(TextLinia(text).empty());
}

}  // namespace
}  // namespace tirelo
