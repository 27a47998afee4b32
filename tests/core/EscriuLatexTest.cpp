// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "document/Matematiques.h"
#include "full/Full.h"
#include "mathtext/Text.h"
#include "support/Exercicis.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

Exercici Fet(std::string enunciat, std::string resposta = "1") {
  Exercici e;
  e.enunciat = std::move(enunciat);
  e.resposta = std::move(resposta);
  e.llest = true;
  return e;
}

std::string Latex(const std::string& enunciat) { return EscriuLatex({Fet(enunciat)}, OpcionsFull{}); }

struct Traduccio {
  const char* nom;
  std::string marcat;
  std::string latex;
};
void PrintTo(const Traduccio& t, std::ostream* os) { *os << t.nom; }

class EscriuLatexTextTest : public testing::TestWithParam<Traduccio> {};

TEST_P(EscriuLatexTextTest, WritesTheMathematicsAsLatex) {
  EXPECT_NE(Latex(GetParam().marcat).find(GetParam().latex), std::string::npos) << Latex(GetParam().marcat);
}

const Traduccio kTraduccions[] = {
    {"Fraction", "#F(1/x+2)", "$\\displaystyle \\frac{1}{x+2}$"},
    {"InlineFraction", "a) 3/4", "a)~$\\displaystyle \\frac{3}{4}$"},
    {"RootWithIndex", "R_3(17)", "\\sqrt[3]{17}"},
    {"RootWithABracketInItsIndex", "R_([2])(5)", "\\sqrt[{[2]}]{5}"},
    {"SquareRoot", "R_2(5)", "\\sqrt{5}"},
    {"Scripts", "x^2+a_1", "x^{2}+a_{1}"},
    {"ProductAndMinus", "a.b-3", "a\\cdot b-3"},
    {"System", "a) \r#8 5x+2y = -5\r#8 x+9y = 21\r #0 ",
     "\\left\\{\\begin{aligned}5x+2y&=-5\\\\x+9y&=21\\end{aligned}\\right."},
    {"BracketsAroundAFraction", "(a/b)^2", "\\left(\\frac{a}{b}\\right)^{2}"},
    {"DecimalCommaAndCents", "Preu: 53.5\x80", "53{,}50\\text{ \\texteuro{}}"},
    {"SignsEscaped", "Un 30 % & 5\x80 ~", "Un $\\displaystyle 30\\ \\text{\\%}\\ \\text{\\&}\\ 5{,}00\\text{ \\texteuro{}}\\ \\text{\\textasciitilde{}}$"},
    {"ProseEscaped", "Preu (IVA & altres): 5", "Preu (IVA \\& altres): $"},
    {"AccentsInUtf8", "Resol l'equaci\xF3", "Resol l'{}equació"},
    {"RawRtfScriptIsAPower", "18bn+12b{\\super 2}", "18bn+12b^{2}"},
    {"StackedFractionsFollowTheirInstruction",
     "Calcula:\r\n\\tab \\tab \\tab \\tab  2     1\r\n\\tab \\tab \\tab \\tab --- + ---\r\n\\tab \\tab \\tab \\tab  3     9",
     "Calcula: $\\displaystyle \\frac{2}{3}+\\frac{1}{9}$"},
    {"TabStopsBetweenPiecesAreOneQuad", "Simplifica la fracci\xF3: \\tab \r\\tab \\tab  12a\r\\tab \\tab ---\r\\tab \\tab  18b\r",
     "Simplifica la fracció:\\quad $\\displaystyle \\frac{12a}{18b}$"},
    {"CasesAQuadApartTheirBlanksTied", "Troba: a) 120 i 112,  b) 96 i 24", "a)~$\\displaystyle 120$~i~$\\displaystyle 112,$\\quad b)~"},
    {"ValueAfterEqualsTied", "El resultat: MCM= 96", "MCM=~$"},
    {"FullStopBetweenFractionsIsAProduct", "3/4 . 5/6", "\\frac{3}{4}\\cdot \\frac{5}{6}"},
    {"LetterAloneInACaseIsItalic", "a) d  b) y", "a)~$\\displaystyle d$"},
    {"NoteOfTheRootsGoes", "a) 3/R_2(17)   (Nota: R_n() =arrel en\xE8ssima)", "\\frac{3}{\\sqrt{17}}$ \\par}\\tirelobloc"},
};
INSTANTIATE_TEST_SUITE_P(Textos, EscriuLatexTextTest, testing::ValuesIn(kTraduccions),
                         [](const testing::TestParamInfo<Traduccio>& i) { return std::string(i.param.nom); });

TEST(EscriuLatex, EveryTitleCharacterIsEscaped) {
  OpcionsFull o;
  o.titol = "# $ % & \\ { } ~ ^ _ \x80 \x97";
  o.codi = "A&B";
  const std::string t = EscriuLatex({}, o);
  EXPECT_NE(t.find("\\# \\$ \\% \\& \\textbackslash{} \\{ \\} \\textasciitilde{} \\textasciicircum{} \\_ "
                   "\\texteuro{} \\textemdash{}"),
            std::string::npos);
  EXPECT_NE(t.find("A\\&B"), std::string::npos);
}

struct Opcio {
  const char* nom;
  OpcionsFull opcions;
  std::string hiEs;
  std::string noHiEs;
};
void PrintTo(const Opcio& o, std::ostream* os) { *os << o.nom; }

OpcionsFull Amb(int disposicio, bool capcalera = false, int espai = 0, std::string versio = {}) {
  OpcionsFull o;
  o.disposicio = disposicio;
  o.capcalera = capcalera;
  o.espai = espai;
  o.versio = std::move(versio);
  return o;
}

class EscriuLatexOpcioTest : public testing::TestWithParam<Opcio> {};

TEST_P(EscriuLatexOpcioTest, SheetFollowsTheOptions) {
  const std::string t = EscriuLatex({Fet("enunciat", "resposta")}, GetParam().opcions);
  EXPECT_NE(t.find(GetParam().hiEs), std::string::npos) << t;
  if (!GetParam().noHiEs.empty()) {
    EXPECT_EQ(t.find(GetParam().noHiEs), std::string::npos) << t;
  }
}

const Opcio kOpcions[] = {
    {"KeyOnANewPage", Amb(1), "\\newpage\n{\\fontsize{14pt}{16.80pt}\\selectfont\\bfseries Respostes\\par}", "Resp: "},
    {"AnswerAfterItsStatement", Amb(0), "enunciat\\par\\vspace{4pt}\\par\\setbox0=\\hbox{Resp:\\ }\\leftskip=\\dimexpr2.20em+\\wd0\\relax\\noindent\\hskip-\\wd0\\box0 resposta", "Respostes"},
    {"HeaderLines", Amb(1, true), "Nom: \\hrulefill\\par\\medskip\nCurs: \\hrulefill\\par\\medskip\nData: \\hrulefill", ""},
    {"NoHeaderLines", Amb(1), "\\begin{document}", "Nom:"},
    {"AnswerSpace", Amb(1, false, 3), "enunciat\\\\[60pt]", ""},
    {"VersionLetter", Amb(1, false, 0, "C"), "\\makebox[\\linewidth][r]{\\bfseries Versi\xC3\xB3 C}", ""},
    {"PageNumbers", Amb(1), "\\thepage/\\pageref{tirelo-darrera}", ""},
};
INSTANTIATE_TEST_SUITE_P(Opcions, EscriuLatexOpcioTest, testing::ValuesIn(kOpcions),
                         [](const testing::TestParamInfo<Opcio>& i) { return std::string(i.param.nom); });

// Prose on a typeset sheet: Catalan quotes and apostrophe, and the plain text's sign
// for infinitely many solutions in words.
TEST(EscriuLatex, ProseAsAPrintedPageHasIt) {
  const std::string t = EscriuLatex({Fet("Escriu \"en negre\" d'impostos", " sistema indeterminat (& solucions)")}, Amb(0));
  EXPECT_NE(t.find("Escriu \xC2\xAB" "en negre\xC2\xBB d'{}impostos"), std::string::npos) << t;
  EXPECT_NE(t.find("(infinites solucions)"), std::string::npos) << t;
}

// A case's solutions on a typeset sheet, decided from the drawn case: named after the
// equation's unknown, numbered when there are more than one; a system's joined by
// commas; any other answer as drawn.
struct Solucions {
  const char* nom;
  const char* enunciat;
  const char* resposta;
  std::string latex;
};
void PrintTo(const Solucions& s, std::ostream* os) { *os << s.nom; }

class EscriuLatexSolucionsTest : public testing::TestWithParam<Solucions> {};

TEST_P(EscriuLatexSolucionsTest, WritesACaseSolutionsSoTheyCannotBeMisread) {
  Exercici e = Fet("Resol", "");
  for (const char* etiqueta : {"a)", "b)"}) {
    e.apartats.push_back({etiqueta, Expressio::Llegeix(GetParam().enunciat), Expressio::Llegeix(GetParam().resposta)});
  }
  const std::string t = EscriuLatex({e}, Amb(1));
  const std::string cas = "a)~$\\displaystyle " + GetParam().latex + ",$\\quad b)~";
  EXPECT_NE(t.find(cas), std::string::npos) << t;
}

const Solucions kSolucions[] = {
    {"TwoRoots", "x^2+4x-21 = 0", "-7, 3", "x_{1}=-7,\\ x_{2}=3"},
    {"SortedRoots", "x^2-9x = 0", "0; 9", "x_{1}=0,\\ x_{2}=9"},
    {"DoubleRoot", "x^2-8x+16 = 0", "4", "x=4"},
    {"FourRoots", "z^4-13z^2+36 = 0", "2, -2, 3, -3", "z_{1}=2,\\ z_{2}=-2,\\ z_{3}=3,\\ z_{4}=-3"},
    {"FirstDegree", "4x+4 = 8x-4", "x = 2", "x=2"},
    {"System", "x+2y = 10; 4x+5y = 28", "x = 2; y = -1", "x=2,\\ y=-1"},
    {"Points", "y = x^2+2x-1 i -y+5x-3 = 0", "(2, 7); (1, 2)", "(2,\\ 7);\\ (1,\\ 2)"},
    {"NotAnEquation", "2/6", "1/3", "\\frac{1}{3}"},
    {"ValuesOfNoUnknown", "24 = 2^3.3", "1, 2, 3", "1,\\ 2,\\ 3"},
};
INSTANTIATE_TEST_SUITE_P(Casos, EscriuLatexSolucionsTest, testing::ValuesIn(kSolucions),
                         [](const testing::TestParamInfo<Solucions>& i) { return std::string(i.param.nom); });

// ---- Compiled by pdflatex, where it is installed ----

bool Hi(const char* programa) { return std::system((std::string("command -v ") + programa + " >/dev/null 2>&1").c_str()) == 0; }

std::string Llegeix(const fs::path& cami) {
  std::ifstream f(cami, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Without blanks, and words hyphenated at a line's end joined again.
std::string SenseBlancs(const std::string& s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '-' && i + 1 < s.size() && s[i + 1] == '\n') {
      ++i;
    } else if (s[i] != ' ' && s[i] != '\n' && s[i] != '\f') {
      r += s[i];
    }
  }
  return r;
}

// The words of prose of a text, in UTF-8: what the sheet prints as it is.
class Paraules : public Visitant {
 public:
  void Obre(const Peca& p) override {
    if (p.tipus != TipusPeca::Tros) return;
    std::istringstream s(Utf8DeCp1252(p.text));
    for (std::string w; s >> w;) {
      if (w.size() >= 4 && w.find_first_of("\"'") == std::string::npos) paraules.push_back(w);
    }
  }
  std::vector<std::string> paraules;
};

// pdflatex and pdftotext come with scripts/install-deps.sh; a test run without them fails.
void Compila(const fs::path& dir, const std::string& sortida) {
  ASSERT_TRUE(Hi("pdflatex") && Hi("pdftotext")) << "pdflatex or pdftotext is missing: run scripts/install-deps.sh";
  const std::string ordre = "cd '" + dir.string() +
                            "' && pdflatex -interaction=nonstopmode -halt-on-error full.tex >/dev/null 2>&1 && "
                            "pdflatex -interaction=nonstopmode -halt-on-error full.tex >/dev/null 2>&1 && "
                            "pdftotext " + sortida;
  const int codi = std::system(ordre.c_str());
  const std::string registre = Llegeix(dir / "full.log");
  ASSERT_EQ(codi, 0) << registre.substr(std::min(registre.find("\n!"), registre.size()), 600);
}

// A word of a compiled sheet, as pdftotext -bbox places it (points, y downwards).
struct Mot {
  int pagina = 0;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  std::string text;
};

std::vector<Mot> Mots(const std::string& html, double& amplada) {
  std::vector<Mot> r;
  int pagina = -1;
  const std::regex re(R"re(<page width="([0-9.]+)"|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  for (std::sregex_iterator i(html.begin(), html.end(), re), fi; i != fi; ++i) {
    const std::smatch& m = *i;
    if (m[1].matched) {
      ++pagina;
      amplada = std::stod(m[1]);
      continue;
    }
    r.push_back({pagina, std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), m[6]});
  }
  return r;
}

// A sheet of every subtype with answer space, compiled: no exercise starts on one page
// and goes on to the next, the title is centred on the page, and the footer (a code of
// three lines, "k/n") stays below every line of text.
TEST(EscriuLatex, CompiledSheetKeepsExercisesWholeTitleCentredFooterBelow) {
  const fs::path dir = fs::temp_directory_path() / ("tirelo-latex-pagines-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const auto exercicis = prova::ExercicisDeCadaSubtipus(1);
  OpcionsFull o;
  o.titol = "Full de prova";
  o.versio = "B";
  o.disposicio = 0;
  o.espai = 6;
  for (int k = 0; k < 40; ++k) o.codi += "QZXW";
  std::ofstream(dir / "full.tex", std::ios::binary) << EscriuLatex(exercicis, o);
  Compila(dir, "-bbox full.pdf full.html");
  if (HasFatalFailure()) return;
  double amplada = 0;
  const std::vector<Mot> mots = Mots(Llegeix(dir / "full.html"), amplada);
  auto Peu = [](const Mot& m) { return m.text == "QZXW" || (m.text.find('/') != std::string::npos && m.y0 > 790); };
  // the title's words, centred between the page's edges
  double x0 = 1e9, x1 = -1e9;
  for (const Mot& m : mots) {
    if (m.pagina == 0 && (m.text == "Full" || m.text == "prova")) x0 = std::min(x0, m.x0), x1 = std::max(x1, m.x1);
  }
  EXPECT_NEAR((x0 + x1) / 2, amplada / 2, 1.5);
  // each exercise's number at the left margin on the page of its "Resp:", which comes
  // after its statement and its answer space
  std::vector<Mot> numeros, resp;
  for (std::size_t k = 1; k <= exercicis.size(); ++k) {
    for (const Mot& m : mots) {
      if (m.text.rfind(std::to_string(k) + ")", 0) == 0 && std::abs(m.x0 - Marge2cm) < 1) {
        numeros.push_back(m);
        break;
      }
    }
  }
  for (const Mot& m : mots) {
    if (m.text == "Resp:") resp.push_back(m);
  }
  std::sort(resp.begin(), resp.end(), [](const Mot& a, const Mot& b) { return std::tie(a.pagina, a.y0) < std::tie(b.pagina, b.y0); });
  ASSERT_EQ(numeros.size(), exercicis.size());
  ASSERT_EQ(resp.size(), exercicis.size());
  for (std::size_t k = 0; k < numeros.size(); ++k) EXPECT_EQ(numeros[k].pagina, resp[k].pagina) << numeros[k].text;
  // the footer's top below every word of the text on its page
  for (const Mot& f : mots) {
    if (!Peu(f)) continue;
    for (const Mot& m : mots) {
      if (m.pagina == f.pagina && !Peu(m)) {
        EXPECT_GT(f.y0, m.y1) << m.text << " on page " << m.pagina + 1;
      }
    }
  }
  if (!HasFailure()) fs::remove_all(dir);
}

// Compiled, layout 0: an answer's later lines hang under its first word, clear of
// "Resp:", as on the PDF; an exercise taller than a page breaks between its lines and
// keeps every line inside the margins, while the one after it stays whole.
TEST(EscriuLatex, CompiledAnswerHangsUnderItsFirstWordAndATallExerciseBreaks) {
  const fs::path dir = fs::temp_directory_path() / ("tirelo-latex-alt-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string resposta = "primera";
  for (int k = 0; k < 40; ++k) resposta += " paraula";
  std::string alt = "alt";
  for (int k = 0; k < 90; ++k) alt += "\rlinia";
  const std::vector<Exercici> exercicis{Fet("curt", resposta), Fet(alt, "fi"), Fet("darrer", "fet")};
  std::ofstream(dir / "full.tex", std::ios::binary) << EscriuLatex(exercicis, Amb(0));
  Compila(dir, "-bbox full.pdf full.html");
  if (HasFatalFailure()) return;
  double amplada = 0;
  const std::vector<Mot> mots = Mots(Llegeix(dir / "full.html"), amplada);
  std::vector<double> inicis;  // where each line of the first answer starts
  double y = -1;
  for (const Mot& m : mots) {
    if (m.text != "primera" && m.text != "paraula") continue;
    if (m.y0 > y + 1) inicis.push_back(m.x0);
    y = m.y0;
  }
  ASSERT_GE(inicis.size(), 2u);
  for (const double x : inicis) EXPECT_NEAR(x, inicis.front(), 0.5);
  int pagines = 0;
  for (const Mot& m : mots) {
    pagines = std::max(pagines, m.pagina + 1);
    if (m.text.find('/') != std::string::npos) continue;  // the footer's "k/n"
    EXPECT_LE(m.y1, AlcadaA4 - Marge2cm + 1) << m.text << " on page " << m.pagina + 1;
  }
  EXPECT_GE(pagines, 2);
  int darrer = -1, fet = -2;
  for (const Mot& m : mots) {
    if (m.text == "darrer") darrer = m.pagina;
    if (m.text == "fet") fet = m.pagina;
  }
  EXPECT_EQ(darrer, fet);
  if (!HasFailure()) fs::remove_all(dir);
}

TEST(EscriuLatex, SheetOfEveryTopicCompilesAndHoldsItsText) {
  const fs::path dir = fs::temp_directory_path() / ("tirelo-latex-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  auto exercicis = prova::ExercicisDeCadaSubtipus(1);
  std::string tots;  // a teacher's text with every byte the editor can hold, in words
  for (int c = 32; c < 256; ++c) tots += std::string(1, static_cast<char>(c)) + (c % 16 == 0 ? " " : "");
  exercicis.push_back(Fet(tots, "#F(1/2) R_3(5) x^(n+1)"));
  OpcionsFull o;
  o.titol = "Full & 100% \x80";
  o.capcalera = true;
  o.espai = 2;
  o.versio = "A";
  o.codi = "T-1_2";
  o.resolucio = true;  // the worked steps too, indented under each answer
  std::ofstream(dir / "full.tex", std::ios::binary) << EscriuLatex(exercicis, o);
  Compila(dir, "-enc UTF-8 full.pdf full.txt");
  if (HasFatalFailure()) return;
  const std::string text = SenseBlancs(Llegeix(dir / "full.txt"));
  EXPECT_NE(text.find("Full&100%€"), std::string::npos);
  EXPECT_NE(text.find("Respostes"), std::string::npos);
  EXPECT_EQ(Llegeix(dir / "full.log").find("Overfull \\hbox"), std::string::npos);
  for (std::size_t k = 0; k + 1 < exercicis.size(); ++k) {
    EXPECT_NE(text.find(std::to_string(k + 1) + ")"), std::string::npos) << k + 1;
    for (const std::string& t : {exercicis[k].enunciat, exercicis[k].resposta, exercicis[k].pista}) {
      Paraules p;
      Recorre(LlegeixMatematiques(t), p);
      for (const std::string& w : p.paraules) EXPECT_NE(text.find(w), std::string::npos) << w << " of " << t;
    }
  }
  if (!HasFailure()) fs::remove_all(dir);
}

}  // namespace
}  // namespace tirelo
