// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "full/Tipografia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "document/Matematiques.h"
#include "full/Parts.h"
#include "support/MetriquesFixes.h"

namespace tirelo {
namespace {

const prova::MetriquesFixes kMetriques;

BlocTipografiat Composa(std::string_view marcat, double amplada = 400) {
  return Tipografia(LlegeixMatematiques(marcat), amplada, kMetriques);
}

const ElementFull* Text(const BlocTipografiat& b, std::string_view text) {
  for (const ElementFull& e : b.elements) {
    if (e.tipus == TipusElement::Text && e.text == text) return &e;
  }
  return nullptr;
}

std::vector<ElementFull> DelTipus(const BlocTipografiat& b, TipusElement t) {
  std::vector<ElementFull> r;
  std::copy_if(b.elements.begin(), b.elements.end(), std::back_inserter(r), [t](const ElementFull& e) { return e.tipus == t; });
  return r;
}

double Amplada(const ElementFull& e) { return kMetriques.Amplada(e.text, e.lletra); }
double Centre(const ElementFull& e) { return e.x + Amplada(e) / 2; }

struct Fraccio {
  const char* nom;
  const char* marcat;
  const char* numerador;
  const char* denominador;
};
void PrintTo(const Fraccio& f, std::ostream* os) { *os << f.nom; }

class TipografiaFraccioTest : public testing::TestWithParam<Fraccio> {};

// The numerator stands above the rule, the denominator below, both centred on it, and
// the rule is at least as wide as either.
TEST_P(TipografiaFraccioTest, StacksTheFractionOnItsRule) {
  const BlocTipografiat b = Composa(GetParam().marcat);
  const auto regles = DelTipus(b, TipusElement::Linia);
  ASSERT_EQ(regles.size(), 1u);
  const ElementFull& r = regles[0];
  EXPECT_EQ(r.y, r.y2);
  const ElementFull* num = Text(b, GetParam().numerador);
  const ElementFull* den = Text(b, GetParam().denominador);
  ASSERT_TRUE(num && den);
  EXPECT_LT(num->y + kMetriques.Descendent(num->lletra), r.y);
  EXPECT_GT(den->y - kMetriques.Ascendent(den->lletra), r.y);
  EXPECT_NEAR(Centre(*num), (r.x + r.x2) / 2, 1e-9);
  EXPECT_NEAR(Centre(*den), (r.x + r.x2) / 2, 1e-9);
  EXPECT_GE(r.x2 - r.x, std::max(Amplada(*num), Amplada(*den)));
}

const Fraccio kFraccions[] = {
    {"Markup", "#F(12/3)", "12", "3"},
    {"Inline", "a) 1/345", "1", "345"},
    {"StackedByHand", "\\tab  17\r\\tab ---\r\\tab  6", "17", "6"},
    {"InText", "Simplifica: 10/22, ara", "10", "22"},
};
INSTANTIATE_TEST_SUITE_P(Fraccions, TipografiaFraccioTest, testing::ValuesIn(kFraccions),
                         [](const testing::TestParamInfo<Fraccio>& i) { return std::string(i.param.nom); });

TEST(Tipografia, RootHasItsSignBarAndIndexInTheCrook) {
  const BlocTipografiat b = Composa("R_3(17)");
  const ElementFull* signe = Text(b, "\u221A");
  const auto barres = DelTipus(b, TipusElement::Linia);
  const ElementFull* index = Text(b, "3");
  const ElementFull* radicand = Text(b, "17");
  ASSERT_TRUE(signe);
  EXPECT_EQ(signe->lletra.familia, FamiliaFull::Matematica);
  ASSERT_EQ(barres.size(), 1u);
  ASSERT_TRUE(index && radicand);
  EXPECT_LT(index->lletra.punts, radicand->lletra.punts);
  EXPECT_LT(index->y, radicand->y);                                // above
  EXPECT_LE(index->x + Amplada(*index), radicand->x);              // left
  EXPECT_LT(barres[0].y, radicand->y - kMetriques.Tinta(radicand->text, radicand->lletra).dalt);  // over it
  EXPECT_GE(barres[0].x2, radicand->x + Amplada(*radicand));
}

// Fixed metrics whose mathematics face has taller radical signs: two size variants
// (1.2 and 2.5 em of ink) and parts to build one (a bottom, an extender, a top).
class MetriquesAmbVariants final : public MetriquesLletra {
 public:
  MetriquesAmbVariants() {
    k_.arrel.variants = {{11, 0.9, -0.3, 0.6, 0.55}, {12, 1.6, -0.9, 0.7, 0.65}};
    k_.arrel.muntatge = {{{21, 1.5, 0, 0.5, 0.7}, 1.5, 0, 0.5, false},
                        {{22, 1.0, 0, 0.6, 0.7}, 1.0, 1.0, 1.0, true},
                        {{23, 0.3, 0, 0.8, 0.7}, 0.3, 0.3, 0, false}};
    k_.obre.variants = {{31, 1.0, -0.4, 0.4, 0.45}, {32, 1.6, -1.0, 0.4, 0.45}};
    k_.tanca.variants = {{41, 1.0, -0.4, 0.4, 0.45}, {42, 1.6, -1.0, 0.4, 0.45}};
    k_.solapamentMin = 0.05;
  }
  double Amplada(std::string_view t, const LletraFull& l) const override { return kMetriques.Amplada(t, l); }
  double Ascendent(const LletraFull& l) const override { return kMetriques.Ascendent(l); }
  double Descendent(const LletraFull& l) const override { return kMetriques.Descendent(l); }
  TintaText Tinta(std::string_view t, const LletraFull& l) const override { return kMetriques.Tinta(t, l); }
  const ConstantsMath& Matematiques() const override { return k_; }

 private:
  ConstantsMath k_;
};

struct Radical {
  const char* nom;
  const char* marcat;
  std::vector<unsigned> glifs;  // the sign's glyphs by number, bottom to top; 0 for "√" itself
};
void PrintTo(const Radical& r, std::ostream* os) { *os << r.nom; }

class TipografiaRadicalTest : public testing::TestWithParam<Radical> {};

// The radical sign is "√" where that is tall enough, else the shortest of the face's
// variants that reaches from the rule down past the radicand, else built from its parts
// as tall as that; only its lowest glyph stands for the "√" of the text.
TEST_P(TipografiaRadicalTest, SignFromTheFaceAsTallAsTheRadicand) {
  const MetriquesAmbVariants met;
  const BlocTipografiat b = Tipografia(LlegeixMatematiques(GetParam().marcat), 400, met);
  std::vector<unsigned> glifs;
  double dalt = 1e9, baix = -1e9;  // the sign's ink, y downwards
  for (const ElementFull& e : b.elements) {
    if (e.tipus != TipusElement::Text || e.lletra.familia != FamiliaFull::Matematica) continue;
    if (e.glif == 0 && e.text != "\u221A") continue;
    EXPECT_EQ(e.text, glifs.empty() ? "\u221A" : "");
    glifs.push_back(e.glif);
    GlifMath g{0, 0.8, -0.2};
    for (const GlifMath& v : met.Matematiques().arrel.variants) g = v.id == e.glif ? v : g;
    for (const PecaMuntatge& p : met.Matematiques().arrel.muntatge) g = p.glif.id == e.glif ? p.glif : g;
    dalt = std::min(dalt, e.y - g.dalt * e.lletra.punts);
    baix = std::max(baix, e.y - g.baix * e.lletra.punts);
  }
  EXPECT_EQ(glifs, GetParam().glifs);
  const auto regles = DelTipus(b, TipusElement::Linia);
  ASSERT_FALSE(regles.empty());
  const ElementFull& regla = *std::min_element(regles.begin(), regles.end(), [](const ElementFull& a, const ElementFull& b) {
    return a.y < b.y;
  });  // the root's, over the radicand's fractions
  EXPECT_NEAR(dalt, regla.y - regla.gruix / 2, 1e-6);
  double radicand = -1e9;  // the lowest ink of the radicand
  for (const ElementFull& e : b.elements) {
    if (e.tipus == TipusElement::Text && e.glif == 0 && e.text != "\u221A") radicand = std::max(radicand, e.y + kMetriques.Tinta(e.text, e.lletra).baix);
  }
  EXPECT_GE(baix, radicand - 1e-6);
}

const Radical kRadicals[] = {
    {"Number", "R_2(5)", {0}},
    {"Fraction", "#R(#F(2/3))", {12}},
    {"FractionOfFractions", "#R(#F(#F(1/2)/#F(3/4)))", {21, 22, 22, 22, 23}},
};
INSTANTIATE_TEST_SUITE_P(Radicals, TipografiaRadicalTest, testing::ValuesIn(kRadicals),
                         [](const testing::TestParamInfo<Radical>& i) { return std::string(i.param.nom); });

// Brackets around a fraction are the face's taller forms of "(" and ")", standing for
// those characters, and their ink reaches past what they hold above and below.
TEST(Tipografia, TallBracketsAreTheFacesOwnAroundWhatTheyHold) {
  const MetriquesAmbVariants met;
  const BlocTipografiat b = Tipografia(LlegeixMatematiques("(#F(1/2))^5"), 400, met);
  const ElementFull* obre = nullptr;
  const ElementFull* tanca = nullptr;
  for (const ElementFull& e : b.elements) {
    if (e.glif == 32) obre = &e;
    if (e.glif == 42) tanca = &e;
  }
  ASSERT_TRUE(obre && tanca);
  EXPECT_EQ(obre->text, "(");
  EXPECT_EQ(tanca->text, ")");
  const ElementFull* u = Text(b, "1");
  const ElementFull* dos = Text(b, "2");
  ASSERT_TRUE(u && dos);
  EXPECT_LT(obre->y - 1.6 * obre->lletra.punts, u->y - kMetriques.Tinta("1", u->lletra).dalt);
  EXPECT_GT(obre->y + 1.0 * obre->lletra.punts, dos->y + kMetriques.Tinta("2", dos->lletra).baix);
  EXPECT_EQ(obre->y, tanca->y);
  EXPECT_LT(obre->x, u->x);
  EXPECT_GT(tanca->x, u->x);
}

TEST(Tipografia, SquareRootShowsNoIndex) { EXPECT_EQ(Text(Composa("R_2(5)"), "2"), nullptr); }

struct Signe {
  const char* nom;
  const char* marcat;
  const char* text;
  FamiliaFull familia;
  bool cursiva;
};
void PrintTo(const Signe& s, std::ostream* os) { *os << s.nom; }

class TipografiaSigneTest : public testing::TestWithParam<Signe> {};

TEST_P(TipografiaSigneTest, ShowsTheSignInItsFace) {
  const BlocTipografiat b = Composa(GetParam().marcat);
  const ElementFull* e = Text(b, GetParam().text);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->lletra.familia, GetParam().familia);
  EXPECT_EQ(e->lletra.cursiva, GetParam().cursiva);
}

const Signe kSignes[] = {
    {"TrueMinus", "5-3", "\u2212", FamiliaFull::Matematica, false},
    {"DotForProduct", "a.b", "\u00B7", FamiliaFull::Matematica, false},
    {"VariableInItalic", "2x+1", "x", FamiliaFull::Text, true},
    {"NumberUpright", "2x+1", "2", FamiliaFull::Matematica, false},
    {"ProseInTheTextFace", "Calcula: 2x", "Calcula:", FamiliaFull::Text, false},
    {"AccentsInUtf8", "Resol l'equaci\xF3: x", "l'equació:", FamiliaFull::Text, false},
};
INSTANTIATE_TEST_SUITE_P(Signes, TipografiaSigneTest, testing::ValuesIn(kSignes),
                         [](const testing::TestParamInfo<Signe>& i) { return std::string(i.param.nom); });

TEST(Tipografia, ScriptsAreSmallerAndRaisedOrLowered) {
  const BlocTipografiat b = Composa("x^2+y_1");
  const ElementFull *x = Text(b, "x"), *dos = Text(b, "2"), *y = Text(b, "y"), *u = Text(b, "1");
  ASSERT_TRUE(x && dos && y && u);
  EXPECT_LT(dos->lletra.punts, x->lletra.punts);
  EXPECT_LT(dos->y, x->y);
  EXPECT_GT(u->y, y->y);
}

// ---- Geometry from the face's MATH constants (fixed metrics, the default constants) ----

const ConstantsMath kK;

// An exponent on a letter, a digit or a bracket rises by the face's shift, its ink's
// bottom no lower than the face's limit; its baseline is the base's raised by that much.
class TipografiaExponentTest : public testing::TestWithParam<const char*> {};

TEST_P(TipografiaExponentTest, ExponentShiftIsTheFaces) {
  const BlocTipografiat b = Composa(GetParam());
  const ElementFull* exponent = nullptr;
  for (const ElementFull& e : b.elements) {
    if (e.tipus == TipusElement::Text && e.lletra.punts < 12) exponent = &e;
  }
  ASSERT_TRUE(exponent);
  const double puja = b.bases.front() - exponent->y;
  EXPECT_NEAR(exponent->lletra.punts, kK.escalaScript * 12, 1e-9);
  EXPECT_GE(puja, kK.superindexPuja * 12 - 1e-9);
  EXPECT_GE(puja - kMetriques.Tinta(exponent->text, exponent->lletra).baix, kK.superindexBaixMin * 12 - 1e-9);
  EXPECT_LE(puja, kK.superindexPuja * 12 + 1e-9);  // a glyph's height moves it no further
}
INSTANTIATE_TEST_SUITE_P(Bases, TipografiaExponentTest, testing::Values("x^2", "7^3", "(a+b)^2", "(z^3)^5", "X^n"));

// An exponent over a fraction rises with its top: no lower than the table's drop below it.
TEST(Tipografia, ExponentOnACompoundBaseFollowsItsTop) {
  const BlocTipografiat b = Composa("(#F(1/2))^3");
  const ElementFull* tres = Text(b, "3");
  const ElementFull* u = Text(b, "1");
  ASSERT_TRUE(tres && u);
  EXPECT_LT(tres->y, b.bases.front() - kK.superindexPuja * 12);
}

// A line that holds a script is as far from the next as a line without one: the
// leading grows only when ink needs it.
TEST(Tipografia, ScriptKeepsTheLeading) {
  const BlocTipografiat pla = Composa("a) x+1\rb) y");
  const BlocTipografiat amb = Composa("a) x^2+1\rb) y_1");
  ASSERT_EQ(pla.bases.size(), 2u);
  ASSERT_EQ(amb.bases.size(), 2u);
  EXPECT_DOUBLE_EQ(amb.bases[0], pla.bases[0]);
  EXPECT_DOUBLE_EQ(amb.bases[1] - amb.bases[0], pla.bases[1] - pla.bases[0]);
}

// A fraction's parts stand at the table's shifts, clear of the rule by its gaps.
TEST(Tipografia, FractionFollowsTheTable) {
  const BlocTipografiat b = Composa("#F(1/2)");
  const ElementFull *u = Text(b, "1"), *dos = Text(b, "2");
  const auto regles = DelTipus(b, TipusElement::Linia);
  ASSERT_TRUE(u && dos);
  ASSERT_EQ(regles.size(), 1u);
  const double base = b.bases.front();
  EXPECT_NEAR(base - regles[0].y, kK.eix * 12, 1e-9);
  EXPECT_NEAR(base - u->y, kK.numeradorPuja * 12, 1e-9);
  EXPECT_NEAR(dos->y - base, kK.denominadorBaixa * 12, 1e-9);
  EXPECT_GE(regles[0].y - regles[0].gruix / 2 - u->y, kK.numeradorBuit * 12);
}

// Atoms spaced by class as TeX does: a thick space around a relation, a medium one
// around a binary operator, none after a sign, a thin one after punctuation, none in a
// script.
struct EspaiAtom {
  const char* nom;
  const char* marcat;
  const char* abans;
  const char* despres;
  double ems;
};
void PrintTo(const EspaiAtom& e, std::ostream* os) { *os << e.nom; }

class TipografiaEspaiTest : public testing::TestWithParam<EspaiAtom> {};

TEST_P(TipografiaEspaiTest, SpacesAtomsByClass) {
  const BlocTipografiat b = Composa(GetParam().marcat);
  const ElementFull* a = nullptr;
  const ElementFull* d = nullptr;
  for (const ElementFull& e : b.elements) {
    if (e.text == GetParam().abans && !a) a = &e;
    if (e.text == GetParam().despres && a && &e != a && !d) d = &e;
  }
  ASSERT_TRUE(a && d);
  EXPECT_NEAR(d->x - (a->x + Amplada(*a)), GetParam().ems * a->lletra.punts, 1e-9);
}

const EspaiAtom kEspais[] = {
    {"BeforeARelation", "x=3", "x", "=", 5.0 / 18},
    {"AfterARelation", "x=3", "=", "3", 5.0 / 18},
    {"AroundABinaryOperator", "a+b", "+", "b", 4.0 / 18},
    {"NoneAfterASign", "x=-3", "\u2212", "3", 0},
    {"ThinAfterPunctuation", "3;4", ";", "4", 3.0 / 18},
    {"NoneBeforePunctuation", "3;4", "3", ";", 0},
    {"NoneInAScript", "2^(n+1)", "n", "+", 0},
};
INSTANTIATE_TEST_SUITE_P(Atoms, TipografiaEspaiTest, testing::ValuesIn(kEspais),
                         [](const testing::TestParamInfo<EspaiAtom>& i) { return std::string(i.param.nom); });

// A hint's rule written on one line sets its products over the bar: "N1·N2/D1·D2"
// does not read (N1·N2/D1)·D2.
TEST(Tipografia, HintSetsItsProductsOverTheBar) {
  const BlocTipografiat b = Tipografia(PistaDelFull("(Nota: a.d / c.b, N1.N2 / D1.D2)"), 400, kMetriques);
  const auto regles = DelTipus(b, TipusElement::Linia);
  ASSERT_EQ(regles.size(), 2u);
  for (const char* dalt : {"a", "d", "N"}) EXPECT_LT(Text(b, dalt)->y, regles[0].y) << dalt;
  for (const char* baix : {"c", "b", "D"}) EXPECT_GT(Text(b, baix)->y, regles[0].y) << baix;
}

// Cases stand a quad apart, wider than the blank after a comma inside a case.
TEST(Tipografia, CasesStandFurtherApartThanTheirCommas) {
  const BlocTipografiat b = Composa("a) 4, 9,  b) 1, 3");
  const ElementFull *coma = nullptr, *nou = Text(b, "9"), *be = Text(b, "b)");
  for (const ElementFull& e : b.elements) {
    if (e.text == "," && !coma) coma = &e;
  }
  ASSERT_TRUE(coma && nou && be);
  const double dinsCas = nou->x - (coma->x + Amplada(*coma));
  const double entreCasos = be->x - (nou->x + 2 * Amplada(*coma));
  EXPECT_GE(entreCasos, dinsCas + 0.3 * 12);
}

// A case's words and solutions, and a value after "=", never start a line of their own.
class TipografiaLligatTest : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(TipografiaLligatTest, StaysOnTheLineBefore) {
  const auto [marcat, text] = GetParam();
  for (double amplada = 160; amplada < 400; amplada += 7) {
    const BlocTipografiat b = Composa(marcat, amplada);
    const ElementFull* e = Text(b, text);
    ASSERT_TRUE(e) << amplada;
    EXPECT_GT(e->x, 0) << text << " starts a line at width " << amplada;
  }
}
INSTANTIATE_TEST_SUITE_P(Lligats, TipografiaLligatTest,
                         testing::Values(std::make_pair("Troba: a) 120 i 112,  b) 96 i 24", "24"),
                                         std::make_pair("Troba: a) 120 i 112,  b) 96 i 24", "i"),
                                         std::make_pair("El resultat: MCM= 96", "96")));

TEST(Tipografia, SystemAlignsItsEquationsUnderABrace) {
  const BlocTipografiat b = Composa("a) \r#8 5x+2y = -5\r#8 x+9y = 21\r #0 ");
  std::vector<ElementFull> iguals;
  for (const ElementFull& e : b.elements) {
    if (e.tipus == TipusElement::Text && e.text == "=") iguals.push_back(e);
  }
  ASSERT_EQ(iguals.size(), 2u);
  EXPECT_EQ(iguals[0].x, iguals[1].x);
  EXPECT_LT(iguals[0].y, iguals[1].y);
  const auto claus = DelTipus(b, TipusElement::Cami);
  ASSERT_EQ(claus.size(), 1u);
  const ElementFull* etiqueta = Text(b, "a)");
  ASSERT_TRUE(etiqueta);
  for (const PuntFull& p : claus[0].punts) {
    EXPECT_GT(p.x, etiqueta->x + Amplada(*etiqueta));
    EXPECT_LT(p.x, iguals[0].x);
  }
}

// At any width, a line breaks only before a label or a word of prose: what follows a
// label, and every part of an expression, stays on the label's line.
class TipografiaAmpladaTest : public testing::TestWithParam<double> {};

TEST_P(TipografiaAmpladaTest, BreaksOnlyBetweenCasesAndWords) {
  const BlocTipografiat b =
      Composa("Descompon factorialment els nombres seg\xFC" "ents: a) 2\xB7" "3^2+1,  b) 2\xB7" "3\xB7" "11,  c) 2^4\xB7" "3",
              GetParam());
  for (const char* etiqueta : {"a)", "b)", "c)"}) {
    const ElementFull* e = Text(b, etiqueta);
    ASSERT_TRUE(e);
    const auto seguent = std::find_if(b.elements.begin(), b.elements.end(), [&](const ElementFull& x) { return &x == e; }) + 1;
    ASSERT_NE(seguent, b.elements.end());
    EXPECT_EQ(seguent->y, e->y) << etiqueta;
  }
  EXPECT_EQ(Text(b, "\u00B7")->y, Text(b, "a)")->y);
  for (const ElementFull& e : b.elements) {  // a word wider than the line stands alone on it
    if (e.tipus == TipusElement::Text && e.x > 0 && e.lletra.familia == FamiliaFull::Text) {
      EXPECT_LE(e.x + Amplada(e), GetParam() + 1e-9) << e.text;
    }
  }
  EXPECT_EQ(b.finals.size() > 1, GetParam() < 200);
}

INSTANTIATE_TEST_SUITE_P(Amplades, TipografiaAmpladaTest, testing::Values(30.0, 80.0, 150.0, 1000.0));

TEST(Tipografia, ExpressionWiderThanALineBreaksAfterAnOperator) {
  std::string suma = "1";
  for (int k = 2; k <= 40; ++k) suma += "+" + std::to_string(k);
  const BlocTipografiat b = Composa(suma, 100);
  EXPECT_GT(b.finals.size(), 3u);
  for (const ElementFull& e : b.elements) EXPECT_LE(e.x + Amplada(e), 100 + 1e-9) << e.text;
  EXPECT_EQ(Text(b, "40")->y, b.bases.back());
}

TEST(Tipografia, EveryLineEndsInsideTheBlock) {
  const BlocTipografiat b = Composa("Calcula:\r\\tab  1     5\r\\tab --- + ---\r\\tab  3     2\rx+1");
  ASSERT_EQ(b.finals.size(), 2u);  // the fractions follow "Calcula:"; "x+1" is a line of its own
  EXPECT_DOUBLE_EQ(b.finals.back(), b.alcada);
  for (const ElementFull& e : b.elements) EXPECT_LE(e.y, b.alcada);
}

// Mathematics on the lines after an instruction is set by the typesetter, not by the
// tab stops of the markup: inline after the instruction where it fits, at the start
// of the next line where it does not; tab stops between pieces are one quad.
struct Instruccio {
  const char* nom;
  const char* marcat;
  double amplada;
  const char* darrer;  // the instruction's last word (UTF-8)
  const char* primer;  // the first text of the mathematics
  bool enLinia;        // on the instruction's line
};
void PrintTo(const Instruccio& i, std::ostream* os) { *os << i.nom; }

class TipografiaInstruccioTest : public testing::TestWithParam<Instruccio> {};

TEST_P(TipografiaInstruccioTest, MathematicsFollowsItsInstruction) {
  const Instruccio& c = GetParam();
  const BlocTipografiat b = Composa(c.marcat, c.amplada);
  const ElementFull* instruccio = Text(b, c.darrer);
  const ElementFull* primer = Text(b, c.primer);
  ASSERT_TRUE(instruccio && primer);
  const double fi = instruccio->x + Amplada(*instruccio);
  if (c.enLinia) {
    EXPECT_GT(primer->x, fi);
    EXPECT_LT(primer->x, fi + 2 * 12 + 2 * 12);  // a quad, a fraction's margin: no tab stops
    EXPECT_LT(primer->y, b.bases.front() + 12) << "on the instruction's line";
  } else {
    EXPECT_LT(primer->x, 12.0) << "at the start of the next line";
    EXPECT_GT(primer->y, b.bases.front());
  }
}

const Instruccio kInstruccions[] = {
    {"StackedSumAfterCalcula", "Calcula:\r\\tab \\tab  2     1\r\\tab \\tab --- + ---\r\\tab \\tab  3     9", 400, "Calcula:", "2",
     true},
    {"StackedFractionAfterSimplifica",
     "Simplifica la fracci\xF3: \\tab \r\\tab \\tab \\tab \\tab \\tab \\tab \\tab \\tab  12a\r"
     "\\tab \\tab \\tab \\tab \\tab \\tab \\tab \\tab ---\r\\tab \\tab \\tab \\tab \\tab \\tab \\tab \\tab  18b\r",
     400, "fracci\u00F3:", "12", true},
    {"TabsBetweenInstructionAndMathematics", "Calcula:\\tab \\tab \\tab x+1", 400, "Calcula:", "x", true},
    {"DisplayWhereItDoesNotFit", "Calcula:\r\\tab  11111     22222\r\\tab ------- + -------\r\\tab  33333     44444", 60,
     "Calcula:", "11111", false},
};
// The mathematics of a text set right after prose from another (an instruction, then
// the cases drawn for it), as one model.
Model Junta(std::string_view prosa, std::string_view matematiques) {
  Model m = LlegeixMatematiques(prosa);
  const Model b = LlegeixMatematiques(matematiques);
  const std::size_t desplacament = m.peces.size() - 1;
  for (std::size_t i = 1; i < b.peces.size(); ++i) {
    Peca p = b.peces[i];
    for (std::size_t& f : p.fills) f += desplacament;
    m.peces.push_back(std::move(p));
  }
  for (const std::size_t f : b.Arrel().fills) m.peces[0].fills.push_back(f + desplacament);
  return m;
}

TEST(Tipografia, MathematicsRightAfterProseKeepsABlankFromIt) {
  const BlocTipografiat b = Tipografia(Junta("Calcula:", "3/4"), 400, kMetriques);
  const ElementFull* instruccio = Text(b, "Calcula:");
  const ElementFull* num = Text(b, "3");
  ASSERT_TRUE(instruccio && num);
  EXPECT_GE(num->x, instruccio->x + Amplada(*instruccio) + kMetriques.Amplada(" ", instruccio->lletra));
}

INSTANTIATE_TEST_SUITE_P(Instruccions, TipografiaInstruccioTest, testing::ValuesIn(kInstruccions),
                         [](const testing::TestParamInfo<Instruccio>& i) { return std::string(i.param.nom); });

}  // namespace
}  // namespace tirelo
