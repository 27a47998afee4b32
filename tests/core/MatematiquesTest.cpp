// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Matematiques.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/Exercicis.h"

namespace tirelo {
namespace {

// The tree in a short notation: 'prose', numbers and letters as they are, operators
// as written, (group), [num/den], R{index}(radicand), ^(power), _(index),
// a)<case>, {equation; equation}, $expression$, | for a line break.
class Descriptor : public Visitant {
 public:
  void Obre(const Peca& p) override {
    switch (p.tipus) {
      case TipusPeca::Tros: s += "'" + p.text + "'"; break;
      case TipusPeca::Nombre:
      case TipusPeca::Variable:
      case TipusPeca::Operador: s += p.text; break;
      case TipusPeca::Grup: s += p.text.substr(0, 1); break;
      case TipusPeca::Fraccio: s += "["; break;
      case TipusPeca::Contingut: break;
      case TipusPeca::Arrel: s += "R("; break;
      case TipusPeca::IndexArrel: s += "{"; break;
      case TipusPeca::Potencia: s += "^("; break;
      case TipusPeca::Subindex: s += "_("; break;
      case TipusPeca::Cas: s += p.text + "<"; break;
      case TipusPeca::Equacions: s += "{"; break;
      case TipusPeca::Expressio: s += dinsFraccio_ ? "" : "$"; break;
      case TipusPeca::Paragraf: s += "|"; break;
      case TipusPeca::Tabulador: s += "\\t"; break;
      case TipusPeca::Infinit: s += "inf"; break;
      case TipusPeca::Negreta: s += "B<"; break;
      default: s += "?"; break;
    }
    pila_.push_back(p.tipus);
    dinsFraccio_ = p.tipus == TipusPeca::Fraccio || p.tipus == TipusPeca::Equacions;
  }
  void Entre(const Peca& p, std::size_t) override {
    if (p.tipus == TipusPeca::Fraccio) s += "/";
    if (p.tipus == TipusPeca::Equacions) s += "; ";
  }
  void Tanca(const Peca& p) override {
    pila_.pop_back();
    dinsFraccio_ = !pila_.empty() && (pila_.back() == TipusPeca::Fraccio || pila_.back() == TipusPeca::Equacions);
    switch (p.tipus) {
      case TipusPeca::Grup: s += p.text.substr(1); break;
      case TipusPeca::Fraccio: s += "]"; break;
      case TipusPeca::IndexArrel: s += "}"; break;
      case TipusPeca::Arrel: s += ")"; break;
      case TipusPeca::Potencia:
      case TipusPeca::Subindex: s += ")"; break;
      case TipusPeca::Cas:
      case TipusPeca::Negreta: s += ">"; break;
      case TipusPeca::Equacions: s += "}"; break;
      case TipusPeca::Expressio: s += dinsFraccio_ ? "" : "$"; break;
      default: break;
    }
  }
  std::string s;

 private:
  std::vector<TipusPeca> pila_;
  bool dinsFraccio_ = false;
};

std::string Descriu(std::string_view marcat) {
  Descriptor d;
  Recorre(LlegeixMatematiques(marcat), d);
  return d.s;
}

struct Cas {
  const char* nom;
  std::string marcat;
  std::string esperat;
};

void PrintTo(const Cas& c, std::ostream* os) { *os << c.nom; }

class MatematiquesCasTest : public testing::TestWithParam<Cas> {};

TEST_P(MatematiquesCasTest, ReadsTheMathematicsOfTheText) { EXPECT_EQ(Descriu(GetParam().marcat), GetParam().esperat); }

const Cas kCasos[] = {
    {"ProseThenCasesWithInlineFractions", "Calcula: a) 3/4,  b) x^2/2", "'Calcula: 'a)<$[3/4],$>b)<$[x^(2)/2]$>"},
    {"MarkupFraction", "#F(x+1/2)", "$[x+1/2]$"},
    {"StackedFractionsWithTheirOperator", "Calcula:\r\\tab  1     5\r\\tab --- + ---\r\\tab  3     2",
     "'Calcula:'|\\t$[1/3]' '+' '[5/2]$"},
    {"StackedFractionWithEmDashBar", "\\tab 3y+4m\r\\tab \\'97\\'97\r\\tab \\'20 \\'20 2d", "$[3y+4m/2d]$"},
    {"WrittenRootWithoutTheNote", "a) 3/R_2(17)   (Nota: R_n() =arrel en\xE8ssima)", "a)<$[3/R({2}17)]$>"},
    {"GroupAloneInAFractionLosesItsBrackets", "(6-R_3(x))/4", "$[6-R({3}x)/4]$"},
    {"MarkupRoot", "#R(x+1)", "$R(x+1)$"},
    {"SystemOfIndentedLinesUnderItsLabel", "Resol:\r#8 \ra) \r#8 x+y = 3\r#8 x-y = 1\r #0 ",
     "'Resol:'|a)<{x+y' '=' '3; x-y' '=' '1}>"},
    {"MarkupSystem", "#M(x+y=3\rx-y=1)", "${x+y=3; x-y=1}$"},
    {"ScriptsWrittenInPiecesAreOne", "a^-^1+x\xB2+a^{m+n}", "$a^(-1)+x^(2)+a^(m+n)$"},
    {"DigitsWrittenInPiecesAreOneNumber", "z^1^2-x^-^1^0", "$z^(12)-x^(-10)$"},
    {"LetterAloneBetweenNumbersIsProse", "80 i 25", "$80$' i '$25$"},
    {"LetterFacingAnOperatorIsAVariable", "y = 2x i -y = 1", "$y' '=' '2x$' i '$-y' '=' '1$"},
    {"UnclosedBracketIsText", "a) 2(x+1/2", "a)<$2'('x+[1/2]$>"},
    {"UnmatchedClosingBracketIsText", "x+1)", "$x+1')'$"},
    {"RawRtfScriptsArePowersAndIndices", "18bn+12b{\\super 2}-x{\\sub 1}", "$18bn+12b^(2)-x_(1)$"},
    {"RawRtfScriptHoldsNestedGroups", "a{\\super {\\i n}+1}b", "$a^(n+1)b$"},
    {"RawRtfScriptInAStackedFraction", "\\tab  18bn+12b{\\super 2}\r\\tab ---------\r\\tab  18bd",
     "$[18bn+12b^(2)/18bd]$"},
    {"AbbreviationIsProse", "el m.c.d. de 12", "'el m.c.d. de '$12$"},
    {"RawRtfIsRead", "2\\'b73{\\b }\\tab 5", "$2\xB7" "3$\\t$5$"},
    {"TabStopsAtTheStartGo", "\\tab \\tab 5\r\\tab 6", "$5$|\\t$6$"},
    {"DecimalPointAndProduct", "124.2 \x80 a.b", "$124.2' ''\x80'' 'a\xB7" "b$"},
    {"SlashBetweenBlanksIsNoFraction", "a.d / c.b", "$a\xB7" "d' '/' 'c\xB7" "b$"},
    {"LabelInsideBracketsIsNoCase", "(2, b)", "$(2,' 'b)$"},
    {"WordsInsideMathematicsStayUpright", "mcd= 6", "'mcd= '$6$"},
    {"EmptyLinesGo", "x+1\r\r\r2", "$x+1$|$2$"},
    {"ArrowBetweenExpressions", "3x -> 15x", "$3x' '->' '15x$"},
    {"LetterAloneInACaseIsAVariable", "a) d  b) y", "a)<$d$>b)<$y$>"},
    {"FullStopBetweenOperandsIsAProduct", "3/4 . 5/6", "$[3/4]' '\xB7' '[5/6]$"},
    {"FullStopEndingASentenceStays", "Calcula 3/4.", "'Calcula '$[3/4]'.'$"},
};

INSTANTIATE_TEST_SUITE_P(Textos, MatematiquesCasTest, testing::ValuesIn(kCasos),
                         [](const testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

// What every generated text must read into: no markup left in any text the outputs
// show, every fraction with both parts, and as many cases as the readable line shows.
class VeuMarcat : public Visitant {
 public:
  explicit VeuMarcat(const Model& m) : m_(m) {}
  void Obre(const Peca& p) override {
    if (!p.text.empty() && p.tipus != TipusPeca::Cas &&
        (p.text.find_first_of("#^_\\{}") != std::string::npos || p.text.find("R_") != std::string::npos)) {
      marcat.push_back(p.text);
    }
    if (p.tipus == TipusPeca::Cas) ++casos;
    if (p.tipus == TipusPeca::Fraccio) {
      for (const std::size_t f : p.fills) fraccioBuida |= m_.peces[f].fills.empty();
    }
  }
  std::vector<std::string> marcat;
  int casos = 0;
  bool fraccioBuida = false;

 private:
  const Model& m_;
};

int EtiquetesDeCas(const std::string& s) {
  int n = 0;
  for (std::size_t i = 0; i + 2 < s.size(); ++i) {
    if (s[i] >= 'a' && s[i] <= 'z' && s[i + 1] == ')' && (s[i + 2] == ' ' || s[i + 2] == '\r') &&
        (i == 0 || s[i - 1] == ' ' || s[i - 1] == '\r' || s[i - 1] == '\n')) {
      ++n;
    }
  }
  return n;
}

class MatematiquesGeneratTest : public testing::TestWithParam<std::size_t> {};

TEST_P(MatematiquesGeneratTest, EveryTextReadsWithoutMarkupLeft) {
  const Exercici e = prova::ExercicisDeCadaSubtipus()[GetParam()];
  for (const std::string& text : {e.enunciat, e.resposta, e.pista}) {
    const Model m = LlegeixMatematiques(text);
    VeuMarcat v(m);
    Recorre(m, v);
    EXPECT_TRUE(v.marcat.empty()) << text << " leaves " << (v.marcat.empty() ? "" : v.marcat[0]);
    EXPECT_FALSE(v.fraccioBuida) << text;
    EXPECT_EQ(v.casos, EtiquetesDeCas(text)) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Cataleg, MatematiquesGeneratTest,
                         testing::Range<std::size_t>(0, prova::ExercicisDeCadaSubtipus().size()));

// The raw RTF of text runs in a short notation: characters as they are, "^(...)" and
// "_(...)" for script groups, "T" for a tab stop, "|" for a line break.
std::string DescriuRtf(LectorRtf& r, std::string_view run) {
  std::string s;
  std::vector<PecaRtf> peces = r.Llegeix(run);
  for (const PecaRtf& p : r.Acaba()) peces.push_back(p);
  for (const PecaRtf& p : peces) {
    switch (p.tipus) {
      case TipusRtf::Caracter: s += p.c; break;
      case TipusRtf::Tabulador: s += "T"; break;
      case TipusRtf::Salt: s += "|"; break;
      case TipusRtf::Script: s += (p.script == TipusPeca::Potencia ? "^(" : "_(") + p.text + ")"; break;
    }
  }
  return s;
}

struct CasRtf {
  const char* nom;
  std::string run;
  std::string esperat;
};
void PrintTo(const CasRtf& c, std::ostream* os) { *os << c.nom; }

class LectorRtfTest : public testing::TestWithParam<CasRtf> {};

TEST_P(LectorRtfTest, ReadsTheRawRtfOfARun) {
  LectorRtf r;
  EXPECT_EQ(DescriuRtf(r, GetParam().run), GetParam().esperat);
}

const CasRtf kRtf[] = {
    {"ScriptGroups", "12b{\\super 2}+x{\\sub 1}", "12b^(2)+x_(1)"},
    {"ControlWordsTakeTheirBlank", "a\\tab b\\line c\\par d\\u8209\\'2d", "aTb|c|d-"},
    {"OtherGroupsShowTheirText", "{\\b x}{\\i y}", "xy"},
    {"NestedGroupInAScript", "a{\\super {\\b n}+1}b", "a^(n+1)b"},
    {"UnclosedScriptEndsWithTheText", "a{\\super 12", "a^(12)"},
    {"EscapedBracesAreCharacters", "\\{x\\}", "{x}"},
    {"ControlsShowNothing", "a\\'0a\x01" "b", "ab"},
};
INSTANTIATE_TEST_SUITE_P(Rtf, LectorRtfTest, testing::ValuesIn(kRtf),
                         [](const testing::TestParamInfo<CasRtf>& i) { return std::string(i.param.nom); });

TEST(LectorRtf, AScriptGroupRunsOnIntoTheNextRun) {
  LectorRtf r;
  EXPECT_EQ(DescriuRtf(r, "x{\\super 1"), "x^(1)");  // closed by the end of the text
  LectorRtf s;
  std::vector<PecaRtf> peces = s.Llegeix("x{\\super 1");
  EXPECT_EQ(peces.size(), 1u);
  peces = s.Llegeix("2}y");
  ASSERT_EQ(peces.size(), 2u);
  EXPECT_EQ(peces[0].text, "12");
  LectorRtf t;
  t.ObreScript(TipusPeca::Potencia);  // "a^{m+n}": the markup opened it
  EXPECT_EQ(DescriuRtf(t, "m+n}b"), "^(m+n)b");
}

TEST(Matematiques, TextsOfTheLongestLengthReadWhole) {
  std::string text;
  for (char c = 'a'; text.size() < 255; c = static_cast<char>(c == 'z' ? 'a' : c + 1)) {
    text += std::string(1, c) + ") x^2/3,  ";
  }
  text.resize(255);
  const Model m = LlegeixMatematiques(text);
  VeuMarcat v(m);
  Recorre(m, v);
  EXPECT_EQ(v.casos, EtiquetesDeCas(text + " "));
  EXPECT_TRUE(v.marcat.empty());
}

TEST(Matematiques, NestingBeyondAnyExerciseStaysBounded) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "#F(";
  text += "1/2";
  EXPECT_FALSE(LlegeixMatematiques(text).peces.empty());
}

}  // namespace
}  // namespace tirelo
