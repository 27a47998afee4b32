// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Saves one batch holding every kind of markup in both layouts, has LibreOffice
// convert the two documents to text and to PDF (one call per format, with a private
// profile so that parallel runs do not collide), and checks what a reader sees.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "batch/Desar.h"
#include "mathtext/Text.h"
#include "shell/DesarDocument.h"
#include "shell/ExecutaTema.h"
#include "shell/Genera.h"
#include "support/Suport.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

constexpr double PuntsPerCm = 72 / 2.54;

// A word of the PDF as pdftotext places it: its box in points, top-left origin.
struct Paraula {
  int pagina;
  double x0, y0, x1, y1;
  std::string text;
  double Alcada() const { return y1 - y0; }
  double Centre() const { return (y0 + y1) / 2; }
};

struct Llegit {
  std::string text;               // the text conversion, UTF-8
  std::vector<std::string> linies;  // the PDF's lines as laid out, blanks at their end trimmed
  std::vector<Paraula> paraules;  // the PDF's words, in reading order
  std::vector<double> amplades;   // page widths
};

Exercici Ex(std::string enunciat, std::string resposta, std::string pista = "", int posicio = 0) {
  return {std::move(enunciat), std::move(resposta), std::move(pista), posicio, true};
}

// Every kind of markup, a system of equations that indents and resets, accented
// letters, "€", raw RTF, hints in both places, and braces a person may leave unbalanced.
std::vector<Exercici> LotDeProva() {
  return {
      Ex("Calcula:   x^2 + a^(m+n) + b^{p+q} - R_2(5)", "#B(negreta) #I(cursiva) #S(subratllat) = 9"),
      Ex("Simplifica la fracci\xF3: #F(x+1/2)", "Arrel: #R(x+1)"),
      Ex("Resol (quan sigui possible) el sistema:\r#8 \r\r#8 3x+y = 1\r#8 x-y = 3\r #0 ", "    x= 1, y= -2"),
      Ex("Qu\xE8 costa l'\xE0pat? \xC0\xC9\xCD\xD2\xD3\xDA\xE7\xB7 x\xB2 #T preu #& |m\xF2"
         "dul|",
         "Costa 12,50 \x80", "(Nota: l'I.V.A. incl\xF2s)", 2),
      Ex("Bloc: #M(x+y=3\rx-y=1)", "x=2, y=1\\tab fi", "(Nota: suma)", 1),
      Ex("Clau } solta i {\\i grup obert", "Tot segueix"),
      Ex("Darrer exercici", "Final"),
  };
}

std::string Cometes(const fs::path& p) {
  return "'" + p.string() + "'";
}

// Decodes the few entities pdftotext writes.
std::string Desentitat(std::string s) {
  static const std::pair<std::string, std::string> entitats[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
  for (const auto& [e, c] : entitats)
    for (auto p = s.find(e); p != std::string::npos; p = s.find(e, p + c.size())) s.replace(p, e.size(), c);
  return s;
}

// LibreOffice's text keeps runs of blanks as six-per-em spaces mixed with blanks, and
// the document's non-breaking hyphens, blanks and word joiners as such: every run of
// blanks becomes one blank, a non-breaking hyphen a minus sign and a joiner nothing,
// so that texts compare by what they say.
std::string UnBlanc(const std::string& text) {
  std::string r;
  const std::string sisena = "\u2006", fixe = "\u00A0", guio = "\u2011", unio = "\u2060";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, unio.size(), unio) == 0) {
      i += unio.size() - 1;
      continue;
    }
    if (text.compare(i, guio.size(), guio) == 0) {
      r += '-';
      i += guio.size() - 1;
      continue;
    }
    const std::size_t llarg = text.compare(i, sisena.size(), sisena) == 0 ? sisena.size()
                              : text.compare(i, fixe.size(), fixe) == 0   ? fixe.size()
                                                                          : 1;
    const bool blanc = text[i] == ' ' || llarg > 1;
    if (blanc) i += llarg - 1;
    if (blanc && !r.empty() && r.back() == ' ') continue;
    r += blanc ? ' ' : text[i];
  }
  return r;
}

void LlegeixPdf(const std::string& bbox, Llegit& l) {
  static const std::regex peca(
      R"re(<page width="([0-9.]+)"|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  for (std::sregex_iterator it(bbox.begin(), bbox.end(), peca), fi; it != fi; ++it) {
    const auto& m = *it;
    if (m[1].matched) {
      l.amplades.push_back(std::stod(m[1]));
      continue;
    }
    l.paraules.push_back({static_cast<int>(l.amplades.size()) - 1, std::stod(m[2]), std::stod(m[3]),
                          std::stod(m[4]), std::stod(m[5]), Desentitat(m[6])});
  }
}

class LibreOffice : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    anterior_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("tirelo e2e " + std::to_string(::getpid()));
    perfil_ = fs::temp_directory_path() / ("tirelo-e2e-perfil-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    for (const auto& [nom, disposicio] : {std::pair{"seguits", 0}, std::pair{"blocs", 1}})
      DesaLot(nom, disposicio);
    for (const auto& [nom, disposicio] : {std::pair{"sistemes0", 0}, std::pair{"sistemes1", 1}})
      DesaSistemes(nom, disposicio);
    for (const auto& [nom, disposicio] : {std::pair{"estres0", 0}, std::pair{"estres1", 1}})
      DesaEstres(nom, disposicio);
    Converteix();
  }
  static void TearDownTestSuite() {
    fs::current_path(anterior_);
    fs::remove_all(dir_);
    fs::remove_all(perfil_);
  }

  static void DesaLot(const std::string& nom, int disposicio) {
    prova::InterficieFalsa ui;
    Programa prg(ui, 1);
    for (const Exercici& e : LotDeProva()) prg.lot.Afegeix(e);
    ui.escriuValorsDesar = true;
    ui.valorsDesar = {nom, "Exercicis de prova: \xE0lgebra", disposicio};
    ASSERT_TRUE(tirelo::Desa(prg)) << nom;
    ASSERT_TRUE(ui.avisos.empty());
  }

  // Systems from the equations topic among other exercises: one with more cases than
  // its statement holds, whose closing " #0 " is then edited away (as the editor
  // allows), one of a single case, then other equations and a line.
  static void DesaSistemes(const std::string& nom, int disposicio) {
    prova::InterficieFalsa ui;
    Programa prg(ui, 5);
    for (const auto& [subtipus, casos] : {std::pair{4, 8}, {1, 1}, {4, 1}, {2, 2}}) ui.Tria(subtipus, casos);
    ui.Surt();
    ExecutaTema(prg, 8);
    ui.Tria(2);
    ui.Surt();
    ExecutaTema(prg, 9);
    ASSERT_EQ(prg.lot.Nombre(), 5);
    std::string& llarg = prg.lot[1].enunciat;
    ASSERT_GT(llarg.size(), 230u);
    ASSERT_TRUE(llarg.ends_with("\r #0 ")) << llarg;
    llarg.resize(llarg.size() - 4);
    ui.escriuValorsDesar = true;
    ui.valorsDesar = {nom, "Sistemes", disposicio};
    ASSERT_TRUE(tirelo::Desa(prg)) << nom;
  }

  // Every subtype of every topic, at 12 cases where the subtype takes a number of
  // cases: the longest statements and answers each topic writes. Counts the labels
  // that the markup itself ends a line after (the label above a system's equations).
  static void DesaEstres(const std::string& nom, int disposicio) {
    prova::InterficieFalsa ui;
    Programa prg(ui, 4);
    for (const auto& tema : DescriuTemes()) {
      for (int s = 1; s <= static_cast<int>(tema.subtipus.size()); ++s) ui.Tria(s, tema.PrenCasos(s) ? 12 : 1);
      ui.Surt();
      ExecutaTema(prg, static_cast<uint16_t>(tema.numero));
    }
    ASSERT_GT(prg.lot.Nombre(), 30);
    etiquetesSoles_ = 0;
    static const std::regex soles(R"re((^|\s)[a-z]{1,2}\) \r)re");
    for (int k = 1; k <= prg.lot.Nombre(); ++k)
      for (const std::string* t : {&prg.lot[k].enunciat, &prg.lot[k].resposta})
        etiquetesSoles_ += static_cast<int>(std::distance(std::sregex_iterator(t->begin(), t->end(), soles), {}));
    ui.escriuValorsDesar = true;
    ui.valorsDesar = {nom, "Totes les s\xE8ries", disposicio};
    ASSERT_TRUE(tirelo::Desa(prg)) << nom;
  }

  // One soffice call per format converts both documents.
  static void Converteix() {
    ASSERT_TRUE(fs::exists(TIRELO_SOFFICE)) << "LibreOffice (soffice) is needed: scripts/install-deps.sh";
    ASSERT_TRUE(fs::exists(TIRELO_PDFTOTEXT))
        << "pdftotext (poppler-utils) is needed: scripts/install-deps.sh";
    std::string perfil = "file://" + perfil_.string();
    for (auto p = perfil.find(' '); p != std::string::npos; p = perfil.find(' ')) perfil.replace(p, 1, "%20");
    const fs::path registre = dir_ / "soffice.log";
    for (const std::string format : {"txt:Text (encoded):UTF8", "pdf"}) {
      const std::string ordre = std::string(TIRELO_SOFFICE) + " -env:UserInstallation=" + perfil +
                                " --headless --convert-to '" + format + "' --outdir " + Cometes(dir_) + " " +
                                Documents() + " >" + Cometes(registre) + " 2>&1";
      ASSERT_EQ(std::system(ordre.c_str()), 0) << ordre << "\n" << prova::LlegeixFitxer(registre.string());
    }
    for (const std::string nom : kDocuments) {
      Llegit& l = llegits_[nom];
      l.text = UnBlanc(prova::LlegeixFitxer((dir_ / (nom + ".txt")).string()));
      const fs::path bbox = dir_ / (nom + ".bbox");
      const std::string ordre =
          std::string(TIRELO_PDFTOTEXT) + " -bbox " + Cometes(dir_ / (nom + ".pdf")) + " " + Cometes(bbox);
      ASSERT_EQ(std::system(ordre.c_str()), 0) << ordre;
      LlegeixPdf(prova::LlegeixFitxer(bbox.string()), l);
      const fs::path linies = dir_ / (nom + ".linies");
      const std::string disposa =
          std::string(TIRELO_PDFTOTEXT) + " -layout " + Cometes(dir_ / (nom + ".pdf")) + " " + Cometes(linies);
      ASSERT_EQ(std::system(disposa.c_str()), 0) << disposa;
      std::istringstream in(prova::LlegeixFitxer(linies.string()));
      for (std::string linia; std::getline(in, linia);) {
        linia = UnBlanc(linia);
        while (!linia.empty() && std::isspace(static_cast<unsigned char>(linia.back()))) linia.pop_back();
        l.linies.push_back(linia);
      }
      ASSERT_FALSE(l.text.empty()) << nom;
      ASSERT_FALSE(l.paraules.empty()) << nom;
    }
  }

  static constexpr const char* kDocuments[] = {"seguits", "blocs", "sistemes0", "sistemes1", "estres0", "estres1"};
  static std::string Documents() {
    std::string r;
    for (const std::string nom : kDocuments) r += " " + Cometes(dir_ / "Exerc" / (nom + ".rtf"));
    return r;
  }

  static const Llegit& Document(const std::string& nom) { return llegits_.at(nom); }

  // The texts appear in this order (each after the end of the previous one).
  static void EsperaEnOrdre(const std::string& text, const std::vector<std::string>& peces) {
    std::size_t des = 0;
    for (const auto& p : peces) {
      const auto on = text.find(p, des);
      ASSERT_NE(on, std::string::npos) << "\"" << p << "\" missing or out of order in:\n" << text;
      des = on + p.size();
    }
  }

  static inline fs::path anterior_, dir_, perfil_;
  static inline std::map<std::string, Llegit> llegits_;
  static inline int etiquetesSoles_ = 0;
};

TEST_F(LibreOffice, EverySavedDocumentHasBalancedBraces) {
  for (const std::string nom : {"seguits", "blocs"}) {
    const std::string rtf = prova::LlegeixFitxer((dir_ / "Exerc" / (nom + ".rtf")).string());
    int profunditat = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
      if (rtf[i] == '\\') {
        ++i;  // an escaped character is no brace
        continue;
      }
      if (rtf[i] == '{') ++profunditat;
      if (rtf[i] == '}' && --profunditat == 0) {
        EXPECT_EQ(rtf.substr(i), "}\r\n") << nom << ": the document's group closes before its end";
        break;
      }
      ASSERT_GE(profunditat, 0) << nom;
    }
    EXPECT_EQ(profunditat, 0) << nom;
  }
}

TEST_F(LibreOffice, LayoutZeroShowsEachStatementThenItsAnswer) {
  const std::string& t = Document("seguits").text;
  EsperaEnOrdre(t, {"Exercicis de prova: \u00E0lgebra",
                    "1) Calcula:",
                    "Resp: negreta cursiva subratllat = 9",
                    "2) Simplifica la fracci\u00F3:",
                    "x+1",
                    "\u2014",
                    "2",
                    "Resp: Arrel: \n ___",
                    "\u221A x+1",
                    "3) Resol (quan sigui possible) el sistema:",
                    "3x+y = 1",
                    "x-y = 3",
                    "Resp: x= 1, y= -2",
                    "4) Qu\u00E8 costa",
                    "Resp: Costa 12,50 \u20AC",
                    "Comentari: (Nota: l'I.V.A. incl\u00F2s)",
                    "5) Bloc: \u2502 x+y=3\u2502 \n\u2502 x-y=1",
                    "Comentari: (Nota: suma)",
                    "Resp: x=2, y=1\tfi",
                    "6) Clau solta i grup obert",
                    "Resp: Tot segueix",
                    "7) Darrer exercici",
                    "Resp: Final"});
  EXPECT_EQ(t.find("Respostes"), std::string::npos);
}

TEST_F(LibreOffice, LayoutOneShowsAllStatementsThenRespostesThenAllAnswers) {
  const std::string& t = Document("blocs").text;
  EsperaEnOrdre(t, {"Exercicis de prova: \u00E0lgebra", "1) Calcula:", "2) Simplifica", "3) Resol", "x-y = 3",
                    "4) Qu\u00E8 costa", "5) Bloc:", "Comentari: (Nota: suma)", "6) Clau",
                    "7) Darrer exercici", "Respostes", "1)negreta cursiva subratllat = 9",
                    "2)Arrel:", "3) x= 1, y= -2", "4)Costa 12,50 \u20AC",
                    "Comentari: (Nota: l'I.V.A. incl\u00F2s)", "5)x=2, y=1", "6)Tot segueix", "7)Final"});
  EXPECT_EQ(t.find("Resp:"), std::string::npos);
}

TEST_F(LibreOffice, AccentedLettersEuroAndSignsAreIntact) {
  for (const std::string nom : {"seguits", "blocs"}) {
    const std::string& t = Document(nom).text;
    for (const char* s :
         {"Qu\u00E8 costa l'\u00E0pat? \u00C0\u00C9\u00CD\u00D2\u00D3\u00DA\u00E7\u00B7 x\u00B2",
          "\u221E \u2502 m\u00F2dul\u2502", "12,50 \u20AC", "incl\u00F2s"})
      EXPECT_NE(t.find(s), std::string::npos) << nom << ": " << s;
  }
}

// A script is its own word in the PDF: smaller than the word it follows, and raised
// (superscript) or lowered (subscript).
TEST_F(LibreOffice, ScriptsAreRaisedAndLowered) {
  for (const std::string nom : {"seguits", "blocs"}) {
    const auto& w = Document(nom).paraules;
    auto script = [&](const std::string& base, const std::string& text, bool amunt) {
      for (std::size_t i = 1; i < w.size(); ++i) {
        if (w[i].text != text || w[i - 1].text != base) continue;
        EXPECT_LT(w[i].Alcada(), 0.8 * w[i - 1].Alcada()) << nom << ": " << base << text;
        if (amunt)
          EXPECT_LT(w[i].Centre(), w[i - 1].Centre() - 1) << nom << ": " << base << "^" << text;
        else
          EXPECT_GT(w[i].Centre(), w[i - 1].Centre() + 1) << nom << ": " << base << "_" << text;
        return;
      }
      ADD_FAILURE() << nom << ": no script " << text << " after " << base;
    };
    script("x", "2", true);
    script("a", "m+n", true);
    script("b", "p+q", true);
    script("R", "2", false);
  }
}

// The title stands centred on a line of its own; the first exercise starts at the
// left margin.
TEST_F(LibreOffice, TheTitleIsCentredAlone) {
  for (const std::string nom : {"seguits", "blocs"}) {
    const Llegit& l = Document(nom);
    const auto& w = l.paraules;
    double x0 = w[0].x0, x1 = w[0].x1;
    std::string titol;
    for (const auto& p : w) {
      if (p.pagina != 0 || std::abs(p.y0 - w[0].y0) > 1) continue;
      x0 = std::min(x0, p.x0);
      x1 = std::max(x1, p.x1);
      titol += (titol.empty() ? "" : " ") + p.text;
    }
    EXPECT_EQ(titol, "Exercicis de prova: \u00E0lgebra") << nom;
    EXPECT_NEAR((x0 + x1) / 2, l.amplades[0] / 2, 2) << nom;
    const auto primer = std::find_if(w.begin(), w.end(), [](const Paraula& p) { return p.text == "1)"; });
    ASSERT_NE(primer, w.end());
    EXPECT_LT(primer->x0, x0 - 50) << nom << ": the first exercise is centred too";
  }
}

// The system's equations are indented 8 cm; the reset that ends the system holds for
// the answer and for every exercise after it.
TEST_F(LibreOffice, TheIndentOfASystemDoesNotLeak) {
  for (const std::string nom : {"seguits", "blocs"}) {
    const auto& w = Document(nom).paraules;
    const auto u = std::find_if(w.begin(), w.end(), [](const Paraula& p) { return p.text == "1)"; });
    ASSERT_NE(u, w.end());
    const double marge = u->x0;
    int equacions = 0, alMarge = 0;
    for (const auto& p : w) {
      if (p.text == "3x+y" || p.text == "x-y") {
        EXPECT_NEAR(p.x0, marge + 8 * PuntsPerCm, 2) << nom << ": " << p.text;
        ++equacions;
      }
      if (p.text == "Resp:" || p.text == "Respostes" ||
          std::regex_search(p.text, std::regex(R"(^[1-7]\))"))) {
        EXPECT_NEAR(p.x0, marge, 1) << nom << ": " << p.text << " indented";
        ++alMarge;
      }
    }
    EXPECT_EQ(equacions, 2) << nom;
    EXPECT_EQ(alMarge, 14 + (nom == "blocs" ? 1 : 0)) << nom;
  }
}

// Generated systems, one of them without its reset: their answers and every exercise
// after them start at the left margin in both layouts.
TEST_F(LibreOffice, GeneratedSystemsDoNotLeakTheirIndent) {
  const std::regex etiqueta(R"(^[1-5]\))");  // in an answer the label runs into "a)"
  for (const std::string nom : {"sistemes0", "sistemes1"}) {
    const auto& w = Document(nom).paraules;
    const auto u = std::find_if(w.begin(), w.end(), [](const Paraula& p) { return p.text == "1)"; });
    ASSERT_NE(u, w.end()) << nom;
    const double marge = u->x0;
    int sagnades = 0, alMarge = 0;
    for (const auto& p : w) {
      if (std::abs(p.x0 - (marge + 8 * PuntsPerCm)) < 2) ++sagnades;
      if (p.text == "Resp:" || p.text == "Respostes" || std::regex_search(p.text, etiqueta)) {
        EXPECT_NEAR(p.x0, marge, 1) << nom << ": " << p.text << " indented";
        ++alMarge;
      }
    }
    EXPECT_GT(sagnades, 8) << nom << ": the equations are indented";
    EXPECT_EQ(alMarge, nom == "sistemes0" ? 10 : 11) << nom;
  }
}

// Lines break between cases and between words only: no line of the stress sheets ends
// in a minus sign, nor between the factors of a product "(x+3)(x-3)", nor in a case
// label whose case goes on the next line. A label ends
// a line only above a system's equations, where the markup itself breaks the line,
// and then stands alone.
TEST_F(LibreOffice, NoLineEndsInsideAnExpressionOrAfterABareLabel) {
  // A label follows a blank, the start of a line or an exercise's number ("3)a)");
  // "(2a+x)" ends a term. A fraction's bar is a run of hyphens, not a minus sign.
  static const std::regex etiqueta(R"re((^|\s|[0-9]\))[a-z]{1,2}\)$)re");
  static const std::regex menys(R"re((^|[^-])-$)re");
  for (const std::string nom : {"estres0", "estres1"}) {
    int soles = 0;
    const auto& linies = Document(nom).linies;
    for (std::size_t i = 0; i + 1 < linies.size(); ++i) {
      // The last word of a line ends in ")", the next line starts with "(", and the
      // document holds the two together: a product broken between its factors.
      const std::string& l = linies[i];
      std::istringstream seguent(linies[i + 1]);
      std::string primera;
      seguent >> primera;
      if (!l.ends_with(")") || !primera.starts_with("(")) continue;
      const std::string junts = l.substr(l.find_last_of(' ') + 1) + primera;
      EXPECT_EQ(Document(nom).text.find(junts), std::string::npos) << nom << ": " << junts;
    }
    for (const std::string& l : linies) {
      EXPECT_FALSE(std::regex_search(l, menys)) << nom << ": " << l;
      if (!std::regex_search(l, etiqueta)) continue;
      ++soles;
      EXPECT_TRUE(std::regex_match(l, std::regex(R"re(\s*[a-z]{1,2}\))re"))) << nom << ": " << l;
    }
    EXPECT_EQ(soles, etiquetesSoles_) << nom;
  }
}

// The labels of the cases of exercise k, in order, from its paragraphs in the text
// conversion of layout 1: its statement or its answer, after the line that starts
// with "k)" and up to the next exercise's.
std::vector<std::string> EtiquetesDe(const std::string& text, int k) {
  static const std::regex etiqueta(R"re((?:^|\s|[0-9]\))([a-z]{1,2})\) )re");
  std::vector<std::string> r;
  const std::string inici = "\n" + std::to_string(k) + ")", seguent = "\n" + std::to_string(k + 1) + ")";
  const auto a = text.find(inici);
  if (a == std::string::npos) return r;
  auto b = std::min(text.find(seguent, a), text.find("\nRespostes", a));
  const std::string tros = text.substr(a + inici.size(), b == std::string::npos ? b : b - a - inici.size());
  for (std::sregex_iterator it(tros.begin(), tros.end(), etiqueta), fi; it != fi; ++it) r.push_back((*it)[1]);
  return r;
}

TEST_F(LibreOffice, EveryStatementAndItsAnswerHoldTheSameCases) {
  const std::string& t = Document("estres1").text;
  const auto respostes = t.find("\nRespostes");
  ASSERT_NE(respostes, std::string::npos);
  const std::string enunciats = t.substr(0, respostes) + "\n", solucions = t.substr(respostes);
  int ambCasos = 0;
  for (int k = 1; enunciats.find("\n" + std::to_string(k) + ")") != std::string::npos; ++k) {
    const auto e = EtiquetesDe(enunciats, k);
    EXPECT_EQ(e, EtiquetesDe(solucions, k)) << "exercise " << k;
    ambCasos += e.size() > 1;
  }
  EXPECT_GT(ambCasos, 20);
}

}  // namespace
}  // namespace tirelo
