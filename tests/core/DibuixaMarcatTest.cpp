// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/DibuixaMarcat.h"

#include <gtest/gtest.h>

#include "support/LlencGravador.h"

namespace tirelo {
namespace {

using prova::LlencGravador;
using prova::Traca;

// Every text starts at (16, 20); characters are 6 px wide, 4 px in scripts.
constexpr int X = 16, Y = 20;

struct Dibuix {
  LlencGravador llenc;
  Pantalla p;
  std::vector<Traca> textos;

  explicit Dibuix(std::string_view text) {
    p.LligaFinestra(llenc);
    DibuixaMarcat(p, X, Y, text);
    textos = llenc.Textos();
  }
  std::string Concatenat() const {
    std::string s;
    for (const Traca& t : textos) s += t.text;
    return s;
  }
};

void EsperaText(const Traca& t, std::string_view text, int x, int y, int alcada = 16) {
  EXPECT_EQ(t.text, text);
  EXPECT_EQ(t.punts.at(0), (Punt{x, y})) << "text " << text;
  EXPECT_EQ(t.lletra.alcada, alcada) << "text " << text;
}

TEST(DibuixaMarcat, SuperscriptSharesTheLineTopInTheSmallerFont) {
  Dibuix d("x^2y");
  ASSERT_EQ(d.textos.size(), 3u);
  EsperaText(d.textos[0], "x", X, Y);
  EsperaText(d.textos[1], "2", X + 6, Y, 12);
  EXPECT_EQ(d.textos[1].lletra.amplada, 4);
  EsperaText(d.textos[2], "y", X + 10, Y);
  EXPECT_EQ(d.textos[2].lletra, DescripcioLletra{});
}

TEST(DibuixaMarcat, SubscriptDropsAndTheLineContinuesOnItsOwnY) {
  Dibuix d("H_2O");
  ASSERT_EQ(d.textos.size(), 3u);
  EsperaText(d.textos[1], "2", X + 6, Y + 8, 12);
  EsperaText(d.textos[2], "O", X + 10, Y);
}

TEST(DibuixaMarcat, ScriptArguments) {
  // A parenthesised argument is raised whole and its markup is not interpreted.
  Dibuix varis("x^(n+#T)z");
  ASSERT_EQ(varis.textos.size(), 3u);
  EsperaText(varis.textos[1], "n+#T", X + 6, Y, 12);
  EsperaText(varis.textos[2], "z", X + 6 + 16, Y);
  // A brace raises the raw text up to the next "}", as the markup reader reads it.
  Dibuix clau("a^{m+n}b");
  ASSERT_EQ(clau.textos.size(), 3u);
  EsperaText(clau.textos[1], "m+n", X + 6, Y, 12);
  EsperaText(clau.textos[2], "b", X + 18, Y);
  // An empty argument draws nothing and leaves the pen where it was.
  for (const char* buit : {"^()", "_()", "^"}) {
    Dibuix res(buit);
    EXPECT_TRUE(res.textos.empty()) << buit;
    EXPECT_EQ(res.p.PosX(), X);
    EXPECT_EQ(res.p.PosY(), Y);
  }
  // A "(" never closed gives an empty argument: nothing is raised.
  Dibuix obert("x^(ab");
  for (const Traca& t : obert.textos) EXPECT_EQ(t.lletra.alcada, 16) << t.text;
  EXPECT_EQ(obert.p.Descripcio(), DescripcioLletra{});
}

TEST(DibuixaMarcat, NewLinesRestartAtTheLeftEdge) {
  Dibuix crlf("ab\r\ncd");
  ASSERT_EQ(crlf.textos.size(), 2u);
  EsperaText(crlf.textos[1], "cd", X, Y + 16);
  EXPECT_EQ(crlf.p.PosX(), X + 12);
  EXPECT_EQ(crlf.p.PosY(), Y + 16);
  // Not at the indent that "#5" set on the line before.
  Dibuix sagnat("#5 a\rb");
  ASSERT_EQ(sagnat.textos.size(), 2u);
  EsperaText(sagnat.textos[0], "a", X + 100, Y);
  EsperaText(sagnat.textos[1], "b", X, Y + 16);
  // "\line" breaks the line; the blank that delimits it is part of it.
  Dibuix line("a\\line b");
  ASSERT_EQ(line.textos.size(), 2u);
  EsperaText(line.textos[1], "b", X, Y + 16);
  // LF and other control characters draw nothing; a TAB is a tab stop, as "\tab".
  EXPECT_EQ(Dibuix("a\n\x01" "b").Concatenat(), "ab");
  EXPECT_EQ(Dibuix("a\tb").Concatenat(), "a" + std::string(8, ' ') + "b");
}

TEST(DibuixaMarcat, WrapsAtTheFirstSpaceAfterNinetyCharacters) {
  const std::string noranta(90, 'a');
  EXPECT_EQ(Dibuix(noranta + " b").textos.size(), 1u);  // 90 is not more than 90
  Dibuix d(noranta + "a c d");
  ASSERT_EQ(d.textos.size(), 2u);
  EsperaText(d.textos[0], noranta + "a", X, Y);  // the breaking space is not drawn
  EsperaText(d.textos[1], "c d", X, Y + 16);
  // Script and command arguments count towards the line.
  Dibuix compta(std::string(88, 'a') + "^(bc)#T  z");
  EXPECT_EQ(compta.textos.back().text, "z");
  EXPECT_EQ(compta.textos.back().punts[0].y, Y + 16);
}

TEST(DibuixaMarcat, CommandsThatMoveThePen) {
  Dibuix sagnat("#5 abc");
  ASSERT_EQ(sagnat.textos.size(), 1u);
  EsperaText(sagnat.textos[0], "abc", X + 100, Y);
  Dibuix tab("a#Txb");  // the x is the argument, and lost
  ASSERT_EQ(tab.textos.size(), 2u);
  EsperaText(tab.textos[1], "b", X + 6 + 20, Y);
  Dibuix infinit("#& x");
  const auto cercles = infinit.llenc.DelTipus(Traca::Tipus::Ellipse);
  ASSERT_EQ(cercles.size(), 2u);
  EXPECT_EQ(cercles[0].punts, (std::vector<Punt>{{X, Y + 7}, {X + 6, Y + 13}}));
  EXPECT_EQ(cercles[1].punts, (std::vector<Punt>{{X + 6, Y + 7}, {X + 12, Y + 13}}));
  EsperaText(infinit.textos.at(0), "x", X + 14, Y);
  // Unknown letters and a closing "#" draw nothing; the argument is consumed.
  EXPECT_EQ(Dibuix("#Q(abc)d#").Concatenat(), "d");
  EXPECT_EQ(Dibuix("#t(abc)d").Concatenat(), "d");
}

// The raw RTF of a text is drawn as the one markup reader reads it
// (document/Matematiques.h).
TEST(DibuixaMarcat, EmbeddedRtf) {
  Dibuix tab("a\\tab b");
  ASSERT_EQ(tab.textos.size(), 1u);
  EsperaText(tab.textos[0], "a" + std::string(8, ' ') + "b", X, Y);
  EXPECT_EQ(Dibuix("\\u8721\\'3f ").Concatenat(), "? ");
  EXPECT_EQ(Dibuix("\\'97\\'e8").Concatenat(), "\x97\xE8");
  EXPECT_EQ(Dibuix("\\par x\\super").Concatenat(), "x");
  EXPECT_EQ(Dibuix("\\'4").Concatenat(), "4");  // too short for an escape
  // A script group is raised or lowered, its braces and control word not drawn.
  Dibuix super("12b{\\super 2}+x{\\sub 1}");
  ASSERT_EQ(super.textos.size(), 4u);
  EsperaText(super.textos[0], "12b", X, Y);
  EsperaText(super.textos[1], "2", X + 18, Y, 12);
  EsperaText(super.textos[2], "+x", X + 22, Y);
  EsperaText(super.textos[3], "1", X + 34, Y + 8, 12);
  // A control word ends where the markup starts: the markup after it is drawn, not lost.
  EXPECT_EQ(Dibuix("\\tab#B(x)|y").Concatenat(), std::string(8, ' ') + "x|y");
}

TEST(DibuixaMarcat, FractionGeometry) {
  Dibuix d("#F(x+1/2)y");
  const auto barres = d.llenc.DelTipus(Traca::Tipus::Linia);
  ASSERT_EQ(barres.size(), 1u);
  EXPECT_EQ(barres[0].punts, (std::vector<Punt>{{X, Y + 10}, {X + 21, Y + 10}}));
  ASSERT_EQ(d.textos.size(), 3u);
  EsperaText(d.textos[0], "x+1", X, Y - 10);
  EsperaText(d.textos[1], "2", X + 7, Y + 12);  // right below the bar
  EsperaText(d.textos[2], "y", X + 21, Y);  // after the wider part, on the line's y

  // A leading control character of code 2 shifts the fraction two tab steps.
  Dibuix tabs(std::string("#F(\x02") + "3/4)");
  EXPECT_EQ(tabs.llenc.DelTipus(Traca::Tipus::Linia)[0].punts,
            (std::vector<Punt>{{X + 40, Y + 10}, {X + 47, Y + 10}}));
  // Without "/" the whole argument is the denominator.
  Dibuix sense("#F(12)");
  ASSERT_EQ(sense.textos.size(), 1u);
  EsperaText(sense.textos[0], "12", X, Y + 12);
}

TEST(DibuixaMarcat, RootGeometry) {
  Dibuix d("#R(x+1)y");
  const auto signe = d.llenc.DelTipus(Traca::Tipus::Polilinia);
  ASSERT_EQ(signe.size(), 1u);
  EXPECT_EQ(signe[0].punts, (std::vector<Punt>{{X, Y}, {X + 2, Y + 12}, {X + 6, Y - 2}, {X + 27, Y - 2}}));
  ASSERT_EQ(d.textos.size(), 2u);
  EsperaText(d.textos[0], "x+1", X + 6, Y);  // under the bar, clear of the sign
  EsperaText(d.textos[1], "y", X + 27, Y);
}

TEST(DibuixaMarcat, StyledArgumentsAndBlocks) {
  Dibuix d("#B(a #i(b))c#S(d)");
  ASSERT_EQ(d.textos.size(), 4u);
  EXPECT_EQ(d.textos[0].text, "a ");
  EXPECT_EQ(d.textos[0].lletra.pes, PesNegreta);
  EXPECT_FALSE(d.textos[0].lletra.cursiva);
  EXPECT_EQ(d.textos[1].text, "b");
  EXPECT_EQ(d.textos[1].lletra.pes, PesNegreta);
  EXPECT_TRUE(d.textos[1].lletra.cursiva);
  EXPECT_EQ(d.textos[2].lletra, DescripcioLletra{});
  EXPECT_TRUE(d.textos[3].lletra.subratllada);
  EXPECT_EQ(d.p.Descripcio(), DescripcioLletra{});

  Dibuix script("#B(x^2)");  // a script inside bold is bold and small
  ASSERT_EQ(script.textos.size(), 2u);
  EXPECT_EQ(script.textos[1].lletra.pes, PesNegreta);
  EXPECT_EQ(script.textos[1].lletra.alcada, 12);

  Dibuix bloc("#M(x+y=3\rx-y=1)");
  ASSERT_EQ(bloc.textos.size(), 2u);
  EsperaText(bloc.textos[0], "|x+y=3|", X, Y);
  EsperaText(bloc.textos[1], "|x-y=1", X, Y + 16);
}

TEST(DibuixaMarcat, DeepNestingIsDrawnWithoutExhaustingTheStack) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "#B(";
  text += "x" + std::string(60, ')');
  Dibuix d(text);
  EXPECT_NE(d.Concatenat().find('x'), std::string::npos);
  EXPECT_EQ(d.p.Descripcio(), DescripcioLletra{});
}

}  // namespace
}  // namespace tirelo
