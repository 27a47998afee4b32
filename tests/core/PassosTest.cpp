// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
//
// The proof of the worked solutions: every subtype of the catalogue, drawn with one,
// three and the most cases over many seeds, and for every case the engine checks each
// step. A step without a relation keeps the value of the one before (or of the
// statement); a relation between numbers alone (a discriminant, a factorisation, a
// factor) holds on its own; an equation, a system or a list of alternatives has exactly
// the solutions of what the case solves (the answer's, the coefficients found, or the
// statement's when the answer is a dependent system): none lost, none added; otherwise
// it is the answer's own, or, after the coefficients are found, the general form stated
// first with their values put in. The last step is the answer. A golden test shows a
// few worked solutions written out in full.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "document/Exercici.h"
#include "document/Notacio.h"
#include "mathtext/Text.h"
#include "motor/Motor.h"
#include "support/Notacio.h"
#include "topics/Cataleg.h"
#include "topics/Dibuix.h"

namespace tirelo {
namespace {

using prova::Parts;

#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kLlavors = 8, kLlavorsMolts = 1;
#else
constexpr uint64_t kLlavors = 200, kLlavorsMolts = 2;
#endif
constexpr int kMoltsCasos = 255;

using prova::Iguals;
using prova::N;

// The letters a text uses, words of the notation left out.
std::set<char> Lletres(std::string s) {
  for (const char* paraula : {"arrel", "mcd", "MCM"}) {
    for (std::size_t p; (p = s.find(paraula)) != std::string::npos;) s.erase(p, std::string(paraula).size());
  }
  std::set<char> r;
  for (const char c : s) {
    if (std::isalpha(static_cast<unsigned char>(c))) r.insert(c);
  }
  return r;
}

using Valors = std::map<char, std::string>;

// Each letter of the text put by its value in brackets.
std::string Substitueix(const std::string& s, const Valors& v) {
  std::string r;
  for (const char c : s) {
    const auto it = v.find(c);
    r += it == v.end() ? std::string(1, c) : "(" + it->second + ")";
  }
  return r;
}

// "a = 2; b = -3" -> {a: 2, b: -3}, when every item is one letter equal to a number.
std::optional<Valors> Resolt(const std::string& s) {
  static const std::regex kItem(R"(^([a-z]) = (-?\d+(?:/\d+)?)$)");
  Valors v;
  for (const std::string& item : Parts(s, "; ")) {
    std::smatch m;
    if (!std::regex_match(item, m, kItem) || v.count(m[1].str()[0])) return std::nullopt;
    v[m[1].str()[0]] = m[2];
  }
  return v;
}

// Whether the answer of the subtype gives the solutions of what its steps solve.
bool ResolAlgo(int tema, int subtipus) { return tema == 8 || (tema == 9 && subtipus == 5); }

// Whether one relation step follows, as the header says: the answer itself, the general
// form with the coefficients found, or exactly the solutions of what it solves (the
// answer's, or the coefficients').
bool RelacioProvada(const std::string& pas, const std::string& re, const std::optional<Expressio>& solucions,
                    const std::string& plantilla, const Valors& coeficients) {
  if (solucions && MateixesSolucions(N(pas), *solucions)) return true;
  if (!re.empty() && Iguals(pas, re)) return true;
  // Coefficients found: the general form with them.
  return !plantilla.empty() && !coeficients.empty() && Iguals(pas, Substitueix(plantilla, coeficients));
}

void ComprovaPassos(int tema, int subtipus, const Apartat& a, bool ambPotenciaApilada) {
  const std::string en = EscriuNotacio(a.enunciat), re = EscriuNotacio(a.resposta);
  SCOPED_TRACE(en + "  ->  " + re);
  ASSERT_FALSE(a.passos.empty());
  std::vector<std::string> linies;
  for (const Pas& p : a.passos) {
    ASSERT_FALSE(p.expressio.Buida()) << p.justificacio;
    EXPECT_LE(p.justificacio.size(), 80u) << p.justificacio;
    linies.push_back(EscriuNotacio(p.expressio));
  }
  const bool paraules = re.find("indeterminat") != std::string::npos;
  // The coefficients found and the general form stated; what the relations solve: the
  // answer's solutions, or the coefficients found.
  Valors coeficients;
  std::string plantilla;
  std::string solucions = ResolAlgo(tema, subtipus) ? re : std::string();
  for (const std::string& l : linies) {
    const auto v = Resolt(l);
    if (v && !v->count('x') && !v->count('y')) {
      coeficients = *v;
      solucions = l;
    }
  }
  // An answer in words (a dependent system) has the statement's solutions.
  if (paraules) solucions = en;
  const std::optional<Expressio> resol = solucions.empty() ? std::nullopt : std::optional<Expressio>(N(solucions));
  std::optional<std::string> valor;
  if (en.find(" = ") == std::string::npos && !ErrorDeValor(a.enunciat) && !ambPotenciaApilada) valor = en;
  for (const std::string& l : linies) {
    SCOPED_TRACE(l);
    if (l.find(" = ") == std::string::npos) {
      if (valor) {
        EXPECT_TRUE(Iguals(*valor, l)) << "not the value of " << *valor;
      }
      valor = l;
      continue;
    }
    const std::set<char> lletres = Lletres(l);
    if (lletres.empty() && Parts(l, "; ").size() == 1 && l.find("mcd") == std::string::npos) {
      EXPECT_TRUE(Iguals(l.substr(0, l.find(" = ")), l.substr(l.find(" = ") + 3))) << "a fact that does not hold";
      continue;
    }
    if (l.rfind("y = ", 0) == 0 && plantilla.empty() && !Lletres(l.substr(4)).empty() &&
        !std::includes(std::set<char>{'x', 'y'}.begin(), std::set<char>{'x', 'y'}.end(), lletres.begin(),
                       lletres.end())) {
      plantilla = l;  // the general form, with its coefficients to find
      continue;
    }
    EXPECT_TRUE(RelacioProvada(l, paraules ? std::string() : re, resol, plantilla, coeficients)) << "does not follow";
  }
  if (!paraules) {
    EXPECT_TRUE(Iguals(linies.back(), re)) << "the last step is not the answer: " << linies.back();
  }
}

struct Subtipus {
  int tema, subtipus;
};
void PrintTo(const Subtipus& s, std::ostream* os) { *os << s.tema << ":" << s.subtipus; }

std::vector<Subtipus> TotsElsSubtipus() {
  std::vector<Subtipus> r;
  int t = 0;
  for (const EntradaTema& e : Cataleg()) {
    ++t;
    for (int s = 1; s <= static_cast<int>(e.Subtipus().size()); ++s) r.push_back({t, s});
  }
  return r;
}

class ProvaPassosTest : public testing::TestWithParam<Subtipus> {};

TEST_P(ProvaPassosTest, EveryStepFollowsAndTheLastIsTheAnswer) {
  const auto [tema, subtipus] = GetParam();
  const EntradaTema& entrada = Cataleg()[static_cast<std::size_t>(tema) - 1];
  for (const int casos : {1, 3, kMoltsCasos}) {
    if (!entrada.PrenCasos(subtipus) && casos > 1) continue;
    const uint64_t llavors = casos == kMoltsCasos ? kLlavorsMolts : kLlavors;
    for (uint64_t llavor = 1; llavor <= llavors; ++llavor) {
      SCOPED_TRACE("cases " + std::to_string(casos) + ", seed " + std::to_string(llavor));
      const auto d = Dibuixa(Recepta{tema, subtipus, casos, 3, llavor});
      ASSERT_TRUE(d);
      const bool apilada = tema == 6 && subtipus == 5 && d->exercici.enunciat.find("{\\super") != std::string::npos;
      for (const Apartat& a : d->exercici.apartats) ComprovaPassos(tema, subtipus, a, apilada);
      if (HasFatalFailure() || testing::Test::HasFailure()) return;  // one seed's failures say enough
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cataleg, ProvaPassosTest, testing::ValuesIn(TotsElsSubtipus()),
                         [](const testing::TestParamInfo<Subtipus>& i) {
                           return "Tema" + std::to_string(i.param.tema) + "Subtipus" + std::to_string(i.param.subtipus);
                         });

// One worked solution, a line per step: the step in the notation, then its reason.
std::string Escrit(const Apartat& a) {
  std::string r = EscriuNotacio(a.enunciat) + "\n";
  for (const Pas& p : a.passos) r += "  " + EscriuNotacio(p.expressio) + "   [" + Utf8DeCp1252(p.justificacio) + "]\n";
  return r;
}

// A few worked solutions, written out once and read: one case of a subtype of every
// topic, seed 1, as a teacher would check them on the board.
struct Resolta {
  int tema, subtipus;
  const char* escrit;
};
const Resolta kResoltes[] = {
    {1, 2, R"(90 i 55
  90 = 2·3^2·5   [Descomponem 90]
  55 = 5·11   [Descomponem 55]
  mcd = 5, MCM = 2·3^2·5·11   [mcd: els factors comuns, al menor exponent; MCM: tots, al major]
  mcd = 5, MCM = 990   [Multipliquem]
)"},
    {2, 1, R"((2d+x)^2
  (2d)^2+2·(2d)·x+x^2   [Quadrat d'una suma: (a + b)² = a² + 2ab + b²]
  4d^2+4dx+x^2   [Calculem cada terme]
)"},
    {3, 2, R"(2/3+1/9
  (2·3)/(3·3)+1/9   [MCM(3, 9) = 9: amplifiquem la primera fracció]
  6/9+1/9   [Mateix denominador]
  (6+1)/9   [Sumem els numeradors]
  7/9   []
)"},
    {4, 2, R"(d^2/d
  d^(2-1)   [Mateixa base: restem els exponents]
  d   []
)"},
    {5, 3, R"(2/(7+√19)
  (2·(7-√19))/((7+√19)(7-√19))   [Multipliquem dalt i baix pel conjugat, 7 - arrel de 19]
  2(7-√19)/(7^2-19)   [Suma per diferència: a² - b²]
  2(7-√19)/30   []
  (7-√19)/15   [Simplifiquem]
)"},
    {6, 2, R"(18b^2+48by
  6b·(3b)+6b·(8y)   [Cada terme és 6b per alguna cosa: 6b és el factor comú]
  6b(3b+8y)   [Traiem 6b fora del parèntesi]
)"},
    {7, 1, R"(Un vestit que valia 147 € està rebaixat un 14 %; Quant hauràs de pagar per ell?
  1-14/100 = 0,86   [Factor de rebaixa]
  147·0,86   [Preu final = preu inicial per el factor]
  126,42 €   []
)"},
    {8, 3, R"(x^4-25x^2 = 0
  (x^2)^2-25x^2 = 0   [Biquadrada: és de segon grau en x²]
  (-25)^2-4·1·0 = 625   [Discriminant: b² - 4ac]
  x^2 = (25+√625)/2; x^2 = (25-√625)/2   [Fórmula de segon grau per a x²]
  x^2 = (25+25)/2; x^2 = (25-25)/2   [L'arrel de 625 és 25]
  x^2 = 25; x^2 = 0   [Calculem]
  x = 5; x = -5; x = 0   [Arrel quadrada de cada valor, amb els dos signes]
  5, -5, 0   []
)"},
    {8, 4, R"(x+2y = 10; 4x+5y = 28
  4x+8y = 40; 4x+5y = 28   [Reducció: multipliquem la 1a per 4]
  x+2y = 10; 3y = 12   [Restem les equacions: la x desapareix]
  x+2y = 10; y = 4   [Aïllem la y]
  x = 10-8; y = 4   [Substituïm la y a la 1a equació]
  x = 2; y = 4   [Aïllem la x]
  x = 2, y = 4   []
)"},
    {9, 4, R"(que té com a vèrtex (-3, -19) i passa pel punt: (-2, -17)
  y = a(x+3)^2-19   [Paràbola de vèrtex (h, k): y = a(x - h)² + k]
  -17 = a(-2-(-3))^2-19   [Hi passa el punt: substituïm x i y]
  2 = a   [Operem]
  a = 2   [Aïllem la a]
  y = 2(x+3)^2-19   [Substituïm la a]
  y = 2x^2+12x-1   [Desenvolupem el quadrat]
)"},
    {9, 5, R"(y = 2x^2+12x-1 i -y-4x-25 = 0
  -(2x^2+12x-1)-4x-25 = 0   [Substituïm la y de la paràbola a la recta]
  -2x^2-16x-24 = 0   [Traiem el parèntesi i agrupem]
  (-16)^2-4·(-2)·(-24) = 64   [Discriminant: b² - 4ac]
  x = (16+√64)/(2·(-2)); x = (16-√64)/(2·(-2))   [Fórmula de segon grau]
  x = (16+8)/(2·(-2)); x = (16-8)/(2·(-2))   [L'arrel de 64 és 8]
  x = -2; x = -6   [Calculem les dues x]
  (-2, -17); (-6, -1)   [Cada y, de la paràbola: y = 2x^2+12x-1]
)"},
};

TEST(PassosTest, AFewWorkedSolutionsReadAsWritten) {
  for (const Resolta& r : kResoltes) {
    const auto d = Dibuixa(Recepta{r.tema, r.subtipus, 1, 3, 1});
    ASSERT_TRUE(d);
    EXPECT_EQ(Escrit(d->exercici.apartats.at(0)), r.escrit) << r.tema << ":" << r.subtipus;
  }
}

// A step that lists equations in two unknowns is a system (set braced and aligned on its
// "="); alternatives of one unknown stay a list.
TEST(PassosTest, EquationsInTwoUnknownsAreASystem) {
  const auto EsSistema = [](const Pas& p) {
    const Model& m = p.expressio.Arbre();
    return m.Arrel().fills.size() == 1 && m.peces[m.Arrel().fills[0]].tipus == TipusPeca::Equacions;
  };
  const auto sistema = Dibuixa(Recepta{8, 4, 1, 3, 1});
  const auto biquadrada = Dibuixa(Recepta{8, 3, 1, 3, 1});
  ASSERT_TRUE(sistema && biquadrada);
  const std::vector<Pas>& s = sistema->exercici.apartats.at(0).passos;
  const std::vector<Pas>& b = biquadrada->exercici.apartats.at(0).passos;
  EXPECT_TRUE(std::all_of(s.begin(), s.end() - 1, EsSistema)) << "x+2y = 10; 4x+5y = 28, up to x = 2; y = 4";
  EXPECT_FALSE(EsSistema(s.back())) << "the answer, x = 2, y = 4";
  EXPECT_TRUE(std::none_of(b.begin(), b.end(), EsSistema)) << "x = 5; x = -5; x = 0";
}

// Writes every case of every subtype, drawn with one and three cases, with its steps, to
// read: TIRELO_PASSOS=N for N seeds (at least 2).
TEST(PassosTest, DumpForReading) {
  if (!std::getenv("TIRELO_PASSOS")) GTEST_SKIP();
  const uint64_t llavors = std::max<uint64_t>(2, std::strtoull(std::getenv("TIRELO_PASSOS"), nullptr, 10));
  for (const Subtipus& s : TotsElsSubtipus()) {
    for (const int casos : {1, 3}) {
      for (uint64_t llavor = 1; llavor <= llavors; ++llavor) {
        const auto d = Dibuixa(Recepta{s.tema, s.subtipus, casos, 3, llavor});
        for (const Apartat& a : d->exercici.apartats) {
          std::printf("%d:%d seed %llu\n%s", s.tema, s.subtipus, static_cast<unsigned long long>(llavor),
                      Escrit(a).c_str());
        }
      }
    }
  }
}

}  // namespace
}  // namespace tirelo
