// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Marcat.h"

#include <gtest/gtest.h>

#include <string>

namespace tirelo {
namespace {

using namespace std::string_literals;

TEST(Marcat, ScriptsTakeOneCharacterOrAParenthesisedArgument) {
  EXPECT_EQ(TradueixMarcat("x^2"), R"(x{\super 2})");
  EXPECT_EQ(TradueixMarcat("x^(n+1)"), R"(x{\super n+1})");
  EXPECT_EQ(TradueixMarcat("^((a+b)/2)"), R"({\super (a+b)/2})");
  EXPECT_EQ(TradueixMarcat("R_2(5)"), R"(R{\sub 2}(5))");
  EXPECT_EQ(TradueixMarcat("x^1^2"), R"(x{\super 1}{\super 2})");
  // The argument is the single "{"; the text's own braces close the group.
  EXPECT_EQ(TradueixMarcat("a^{m+n}"), R"(a{\super {}m+n})");
  // Script arguments are copied, not translated.
  EXPECT_EQ(TradueixMarcat("^(#B2)"), R"({\super #B2})");
  EXPECT_EQ(TradueixMarcat("^(a|b)"), R"({\super a|b})");
}

TEST(Marcat, StyleGroupsTranslateTheirArgument) {
  EXPECT_EQ(TradueixMarcat("#B(Enunciat #I(pista))"), R"({\b Enunciat {\i pista}})");
  EXPECT_EQ(TradueixMarcat("#b(x)"), TradueixMarcat("#B(x)"));
  EXPECT_EQ(TradueixMarcat("#B(x^2)"), R"({\b x{\super 2}})");
  EXPECT_EQ(TradueixMarcat("#s(a)b#ic"), R"({\ul a}b{\i c})");
  EXPECT_EQ(TradueixMarcat("#B(a)#B(b)c"), R"({\b a}{\b b}c)");
}

TEST(Marcat, CommandsWithoutArgumentStillConsumeIt) {
  EXPECT_EQ(TradueixMarcat("#T "), R"(\tab )");
  EXPECT_EQ(TradueixMarcat("#Tx"), R"(\tab )");
  EXPECT_EQ(TradueixMarcat("#t(abc)d"), R"(\tab d)");
  EXPECT_EQ(TradueixMarcat("#&()"), R"(\u8734\'38 )");
  EXPECT_EQ(TradueixMarcat("#Q(abc)"), "");
  EXPECT_EQ(TradueixMarcat("a#%bc"), "ac");
}

TEST(Marcat, IndentsInTwips) {
  EXPECT_EQ(TradueixMarcat("#8 3x+y = 1"), R"(\li4535 3x+y = 1)");
  const char* esperats[] = {"0", "567", "1134", "1701", "2268", "2835", "3402", "3969", "4535", "5102"};
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(TwipsDeCm(d), esperats[d]) << d;
    EXPECT_EQ(TradueixMarcat("#"s + char('0' + d) + " "), R"(\li)"s + esperats[d] + " ") << d;
  }
  // Halves go to the even neighbour.
  EXPECT_EQ(TwipsDeCm(2.5 * 2.54 / 1440), "2");
  EXPECT_EQ(TwipsDeCm(3.5 * 2.54 / 1440), "4");
  EXPECT_EQ(TwipsDeCm(-0.0001), "0");
}

TEST(Marcat, FractionsInsideTheTextBreakLines) {
  EXPECT_EQ(TradueixMarcat("#F(x+1/2)"), R"(x+1\line \'97\line \'20 2\line )");
  EXPECT_EQ(TradueixMarcat("#F(3/4)"), R"(3\line \line 4\line )");
  EXPECT_EQ(TradueixMarcat("#F(12)"), R"(\'20 \line \'97\line 12\line )");
  EXPECT_EQ(TradueixMarcat("#F((a+b)/2)"), R"((a+b)\line \'97\'97\line \'20 \'20 2\line )");
  EXPECT_EQ(TradueixMarcat("#F(\x02" "a/b)"),
            R"(\tab \tab a\line \tab \tab \line \tab \tab b\line )");
  // A digit is not a tab count; only the first "/" splits.
  EXPECT_EQ(TradueixMarcat("#F(2/4/6)"), R"(\'20 2\line \'97\line 4/6\line )");
  // The parts are translated after being measured.
  EXPECT_EQ(TradueixMarcat("#F(#B(a)/b)c"), R"({\b a}\line \'97\'97\line \'20 \'20 b\line c)");
}

TEST(Marcat, DisposaFraccioEndsEachLineWithCr) {
  EXPECT_EQ(DisposaFraccio(2, "ab", "c"), "\\tab \\tab ab\r\\tab \\tab \\'97\r\\tab \\tab c\r");
  // The denominator is measured as written (4 characters), then translated.
  std::string marge;
  for (int i = 0; i < 8; ++i) marge += R"(\tab )";
  EXPECT_EQ(DisposaFraccio(8, "3x", "6x^2"), marge + R"(\'20 3x)" + "\r" + marge + R"(\'97\'97)" + "\r" +
                                                 marge + R"(6x{\super 2})" + "\r");
  EXPECT_EQ(DisposaFraccio(0, "", ""), "\r\r\r");
  // A statement that holds a direct layout gets paragraph breaks when translated.
  EXPECT_EQ(TradueixMarcat(DisposaFraccio(0, "1", "2")), R"(1\par \par 2\par )");
}

TEST(Marcat, RootsAndBlocks) {
  EXPECT_EQ(TradueixMarcat("#R(x+1)"), R"(\line \'20\'20___\line \u8730\'76 x+1)");
  EXPECT_EQ(TradueixMarcat("#R(x^2)"), R"(\line \'20\'20___\line \u8730\'76 x{\super 2})");
  EXPECT_EQ(DisposaArrel(""), R"(\line \'20\'20\line \u8730\'76 )");
  EXPECT_EQ(TradueixMarcat("#M(x+y=3\rx-y=1)"),
            R"(\u9474\'a6 x+y=3\u9474\'a6 \line \u9474\'a6 x-y=1)");
  // Block content is copied, not translated.
  EXPECT_EQ(DisposaBloc("x^2"), R"(\u9474\'a6 x^2)");
}

TEST(Marcat, OtherBytesPassUnchanged) {
  EXPECT_EQ(TradueixMarcat("|"), R"(\u9474\'a6 )");
  EXPECT_EQ(TradueixMarcat("a\r\nb"), "a\\par \nb");
  EXPECT_EQ(TradueixMarcat("Qu\xE8 \x80\xB2\xFF"), "Qu\xE8 \x80\xB2\xFF");
  EXPECT_EQ(TradueixMarcat(R"(a\tab b{}\)"), R"(a\tab b{}\)");
  const std::string controls = "a\0b\x01\x1F\x7F"s;
  EXPECT_EQ(TradueixMarcat(controls), controls);
  EXPECT_EQ(TradueixMarcat(""), "");
}

TEST(Marcat, ArgumentRule) {
  auto arg = [](std::string_view s) {
    const Argument a = LlargadaArgument(s);
    return std::make_pair(a.llargada, std::string(a.text));
  };
  EXPECT_EQ(arg(""), std::make_pair(std::size_t{0}, ""s));
  EXPECT_EQ(arg("2x"), std::make_pair(std::size_t{1}, "2"s));
  EXPECT_EQ(arg(")x"), std::make_pair(std::size_t{1}, ")"s));
  EXPECT_EQ(arg("()x"), std::make_pair(std::size_t{2}, ""s));
  EXPECT_EQ(arg("(a(b)c)d)"), std::make_pair(std::size_t{7}, "a(b)c"s));
  // Never closed: the rest of the text.
  EXPECT_EQ(arg("(a(b)c"), std::make_pair(std::size_t{6}, "a(b)c"s));
  EXPECT_EQ(arg("("), std::make_pair(std::size_t{1}, ""s));
  // The argument is a view into the text, also past 255 characters.
  const std::string llarg = "(" + std::string(400, 'x') + ")";
  EXPECT_EQ(LlargadaArgument(llarg).llargada, 402u);
  EXPECT_EQ(LlargadaArgument(llarg).text.data(), llarg.data() + 1);
}

TEST(Marcat, MalformedInputEndsAndClosesItsGroups) {
  EXPECT_EQ(TradueixMarcat("x^"), R"(x{\super })");
  EXPECT_EQ(TradueixMarcat("x_"), R"(x{\sub })");
  EXPECT_EQ(TradueixMarcat("ab#"), "ab");
  EXPECT_EQ(TradueixMarcat("#B"), R"({\b })");
  EXPECT_EQ(TradueixMarcat("x^(n+1"), R"(x{\super n+1})");
  EXPECT_EQ(TradueixMarcat("#B(a#I(b"), R"({\b a{\i b}})");
  EXPECT_EQ(TradueixMarcat("#B(a))"), R"({\b a}))");
  EXPECT_EQ(TradueixMarcat("#F(#B(a/b))"), R"({\b a}\line \'97\'97\line \'20 b)\line )");
  EXPECT_EQ(TradueixMarcat("#F("), R"(\line \line \line )");
}

TEST(Marcat, DeepNestingDoesNotExhaustTheStack) {
  constexpr int kNivells = 100000;
  std::string text;
  for (int i = 0; i < kNivells; ++i) text += "#B(";
  text += "x";
  const std::string r = TradueixMarcat(text);
  EXPECT_EQ(r.size(), kNivells * 5 + 1u);
  EXPECT_EQ(r.find('x'), kNivells * 4u);
  EXPECT_EQ(r.find_first_not_of('}', r.find('x') + 1), std::string::npos);
}

}  // namespace
}  // namespace tirelo

namespace tirelo {
namespace {

TEST(Marcat, EscapedRtfCharacterNeedsTwoHexDigits) {
  const std::pair<std::string_view, std::optional<char>> casos[] = {
      {"'e9s", '\xE9'},      {"'4A", 'J'},           {"'e", std::nullopt},
      {"'g0", std::nullopt}, {"tab ", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [resta, caracter] : casos) EXPECT_EQ(CaracterEscapat(resta), caracter) << resta;
}

TEST(Marcat, ScriptArgumentOfAnUnclosedParenthesisIsEmpty) {
  EXPECT_EQ(ArgumentIndex("(n+1)x").text, "n+1");
  EXPECT_EQ(ArgumentIndex("2x").text, "2");
  const Argument obert = ArgumentIndex("(n+1");
  EXPECT_TRUE(obert.text.empty());
  EXPECT_EQ(obert.llargada, LlargadaArgument("(n+1").llargada);  // reading still goes on past it
}

TEST(Marcat, CommandLettersReadInUpperCase) {
  EXPECT_EQ(LletraOrdre('b'), 'B');
  EXPECT_EQ(LletraOrdre('F'), 'F');
  EXPECT_EQ(LletraOrdre('&'), '&');
}

}  // namespace
}  // namespace tirelo
