// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The LaTeX writer: the sheet of full/Parts.h as a standalone document for pdflatex
// (article, amsmath, inputenc UTF-8, T1 with Latin Modern, geometry for A4 with 2 cm
// margins). Mathematics comes from document/Matematiques.h: \frac, \sqrt[n]{},
// scripts, systems as an aligned block under \left\{ ... \right.; prose and every
// text of the sheet is escaped, so that any character typed in the editor prints as
// itself. docs/latex.md describes the document.
#include <cmath>
#include <string>
#include <vector>

#include "document/Matematiques.h"
#include "full/Full.h"
#include "full/Parts.h"
#include "mathtext/Text.h"

namespace tirelo {
namespace {

// Nesting deeper than this is not written, as the typesetter draws none of it.
constexpr int kProfunditatMaxima = kMesuresFull.profunditatMaxima;
// A run of tab stops between two pieces of a line: a quad, as the typesetter sets it.
constexpr std::string_view kQuadrat = "\\quad ";

// The characters of Windows-1252 from 0x80 to 0x9F as LaTeX commands; empty for the
// five codes that hold no character.
std::string_view Cp1252Alt(unsigned char u) {
  static constexpr std::string_view kTaula[32] = {
      "\\texteuro{}",      "",                   "\\quotesinglbase{}", "\\textflorin{}",    "\\quotedblbase{}",
      "\\textellipsis{}",  "\\textdagger{}",     "\\textdaggerdbl{}",  "\\textasciicircum{}", "\\textperthousand{}",
      "\\v{S}",            "\\guilsinglleft{}",  "\\OE{}",             "",                 "\\v{Z}",
      "",                  "",                   "`{}",                "'{}",              "``{}",
      "''{}",              "\\textbullet{}",     "\\textendash{}",     "\\textemdash{}",   "\\textasciitilde{}",
      "\\texttrademark{}", "\\v{s}",             "\\guilsinglright{}", "\\oe{}",           "",
      "\\v{z}",            "\\\"{Y}"};
  return kTaula[u - 0x80];
}

// A Windows-1252 text as LaTeX text: UTF-8 for inputenc, the characters LaTeX gives
// a meaning written as commands, controls dropped.
std::string TextLatex(std::string_view cp1252) {
  std::string r;
  for (const char c : cp1252) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '#': r += "\\#"; break;
      case '$': r += "\\$"; break;
      case '%': r += "\\%"; break;
      case '&': r += "\\&"; break;
      case '_': r += "\\_"; break;
      case '{': r += "\\{"; break;
      case '}': r += "\\}"; break;
      case '~': r += "\\textasciitilde{}"; break;
      case '^': r += "\\textasciicircum{}"; break;
      case '\\': r += "\\textbackslash{}"; break;
      case '<': r += "\\textless{}"; break;
      case '>': r += "\\textgreater{}"; break;
      case '|': r += "\\textbar{}"; break;
      case '"': r += "\\textquotedbl{}"; break;
      case '-': r += "-{}"; break;  // no dash ligatures
      case '`': r += "\\textasciigrave{}"; break;
      case '\'': r += "'{}"; break;
      default:
        if (u >= 0x80 && u <= 0x9F) {
          r += Cp1252Alt(u);
        } else if (u >= 32 && u != 0x7F) {
          r += Utf8DeCp1252(std::string_view(&c, 1));
        }
        break;
    }
  }
  return r;
}

class Escriptor {
 public:
  explicit Escriptor(const Model& m) : m_(m) {}

  // A text's lines, each line's prose as text and its mathematics in $...$.
  std::string Text() {
    std::string r;
    Linia(m_.Arrel().fills, r);
    return r;
  }

 private:
  // Whether a line has started and holds something a quad may follow.
  static bool DinsLinia(const std::string& r) {
    return !r.empty() && r.back() != '\n' && r.back() != ' ' && r.back() != '~' && !r.ends_with(kQuadrat);
  }

  void Linia(const std::vector<std::size_t>& fills, std::string& r) {
    // An indented line is a box of the rest of the line's width (the paragraph's hanging
    // indent taken off), so that its own wrapped lines keep the indent; it closes where
    // the line ends.
    bool sagnada = false;
    const auto TancaSagnat = [&] {
      if (sagnada) r += "}";
      sagnada = false;
    };
    for (std::size_t k = 0; k < fills.size(); ++k) {
      const std::size_t f = fills[k];
      const Peca& p = m_.peces[f];
      if (p.tipus == TipusPeca::Paragraf) TancaSagnat();
      switch (p.tipus) {
        case TipusPeca::Paragraf:
          // mathematics after its instruction follows it inline, where TeX finds room
          if (SegueixInstruccio(m_, fills, k)) {
            if (DinsLinia(r)) r += ' ';
          } else {
            r += "\\\\\n";
          }
          break;
        case TipusPeca::Tros:
          despresDeCas_ = false;
          r += Lligat(TextLatex(p.text));
          if (r.ends_with("= ")) r.back() = '~';  // "MCM= 96" keeps its value on its line
          break;
        case TipusPeca::Tabulador:
          if (DinsLinia(r)) r += kQuadrat;
          break;
        case TipusPeca::Sagnat:  // an indent of whole centimetres, as the PDF sets it
          if (p.xifra > 0 && !DinsLinia(r) && !sagnada) {
            const std::string cm = std::to_string(p.xifra) + "cm";
            r += "\\hspace*{" + cm + "}\\parbox[t]{\\dimexpr\\hsize-\\hangindent-\\leftskip-" + cm + "\\relax}{";
            sagnada = true;
          }
          break;
        case TipusPeca::Cas:
          // a quad before a label, wider than the blanks inside a case; the case's own
          // blanks do not break
          while (!r.empty() && r.back() == ' ') r.pop_back();
          if (DinsLinia(r)) r += despresDeCas_ ? std::string(kQuadrat) : std::string(" ");
          r += TextLatex(p.text) + "~";
          ++dinsCas_;
          Linia(p.fills, r);
          --dinsCas_;
          r += ' ';
          despresDeCas_ = true;
          break;
        case TipusPeca::Negreta:
        case TipusPeca::Cursiva:
        case TipusPeca::Subratllat:
          r += p.tipus == TipusPeca::Negreta ? "\\textbf{" : p.tipus == TipusPeca::Cursiva ? "\\textit{" : "\\underline{";
          Linia(p.fills, r);
          r += "}";
          break;
        default:  // an expression breaks only where a line cannot hold it
          // mathematics set right after prose keeps a blank from it
          if (k > 0 && m_.peces[fills[k - 1]].tipus == TipusPeca::Tros && DinsLinia(r)) r += dinsCas_ ? '~' : ' ';
          r += "$\\displaystyle " + (p.tipus == TipusPeca::Expressio ? Expressio(p.fills, 1) : Node(f, 0)) + "$";
          break;
      }
    }
    TancaSagnat();
  }

  // Prose inside a case: its blanks tie it together.
  std::string Lligat(std::string text) const {
    if (dinsCas_ == 0) return text;
    for (char& c : text) {
      if (c == ' ') c = '~';
    }
    return text;
  }

  static std::string Operador(const std::string& op) {
    if (op == "\xB7") return "\\cdot ";
    if (op == "\xD7") return "\\times ";
    if (op == "\xF7") return "\\div ";
    if (op == "->") return "\\to ";
    if (op == "|") return "\\vert ";
    return op;
  }

  std::string Expressio(const std::vector<std::size_t>& fills, int prof) {
    std::string r;
    bool base = false;                       // something stands before a script
    TipusPeca script = TipusPeca::Contingut;  // the script just written, if any
    for (std::size_t k = 0; k < fills.size(); ++k) {
      const Peca& p = m_.peces[fills[k]];
      if (p.tipus == TipusPeca::Potencia || p.tipus == TipusPeca::Subindex) {
        if (!base || script == p.tipus) r += "{}";  // no double superscript
        r += (p.tipus == TipusPeca::Potencia ? "^{" : "_{") + Expressio(p.fills, prof + 1) + "}";
        script = p.tipus;
        continue;
      }
      script = TipusPeca::Contingut;
      if (p.tipus == TipusPeca::Tros && p.text == " ") {
        if (BlancVisible(m_, fills, k)) r += "\\ ";
        base = false;
        continue;
      }
      if (p.tipus == TipusPeca::Tabulador) {  // a run of tab stops is one quad
        if (k > 0 && m_.peces[fills[k - 1]].tipus != TipusPeca::Tabulador) r += kQuadrat;
        base = false;
        continue;
      }
      r += Node(fills[k], prof);
      base = p.tipus != TipusPeca::Operador;
    }
    return r;
  }

  bool TeFraccio(const std::vector<std::size_t>& fills) const {
    for (const std::size_t f : fills) {
      if (m_.peces[f].tipus == TipusPeca::Fraccio) return true;
    }
    return false;
  }

  std::string Node(std::size_t n, int prof) {
    if (prof > kProfunditatMaxima) return {};
    const Peca& p = m_.peces[n];
    switch (p.tipus) {
      case TipusPeca::Nombre: {
        // A decimal comma, without the blank mathematics puts after punctuation.
        std::string r;
        for (const char c : p.text) r += c == ',' ? std::string("{,}") : std::string(1, c);
        return r;
      }
      case TipusPeca::Variable: return p.text;
      case TipusPeca::Operador: return Operador(p.text);
      case TipusPeca::Infinit: return "\\infty ";
      case TipusPeca::Tros: return "\\text{" + TextLatex(p.text) + "}";
      case TipusPeca::Tabulador: return std::string(kQuadrat);
      case TipusPeca::Fraccio: return "\\frac{" + Part(p, 0, prof) + "}{" + Part(p, 1, prof) + "}";
      case TipusPeca::Arrel: return Arrel(p, prof);
      case TipusPeca::Grup: return Grup(p, prof);
      case TipusPeca::Equacions: return Sistema(p, prof);
      default: return "{" + Expressio(p.fills, prof + 1) + "}";  // an expression, a style
    }
  }

  // The numerator (0) or the denominator (1) of a fraction.
  std::string Part(const Peca& fraccio, std::size_t i, int prof) {
    return i < fraccio.fills.size() ? Expressio(m_.peces[fraccio.fills[i]].fills, prof + 1) : std::string();
  }

  std::string Arrel(const Peca& p, int prof) {
    std::vector<std::size_t> radicand = p.fills;
    std::string index;
    if (!radicand.empty() && m_.peces[radicand.front()].tipus == TipusPeca::IndexArrel) {
      if (IndexVisible(m_, m_.peces[radicand.front()])) index = Expressio(m_.peces[radicand.front()].fills, prof + 1);
      radicand.erase(radicand.begin());
    }
    // an index that holds a "]" goes in braces, so that it cannot end the optional argument
    if (index.find(']') != std::string::npos) index = "{" + index + "}";
    return (index.empty() ? "\\sqrt{" : "\\sqrt[" + index + "]{") + Expressio(radicand, prof + 1) + "}";
  }

  static std::string Signe(char c) {
    switch (c) {
      case '(': return "(";
      case ')': return ")";
      case '[': return "[";
      case ']': return "]";
      default: return ".";
    }
  }

  // Brackets as tall as what they hold when it holds a fraction.
  std::string Grup(const Peca& p, int prof) {
    const std::string dins = Expressio(p.fills, prof + 1);
    const char obre = p.text.empty() ? '(' : p.text[0];
    const char tanca = p.text.size() > 1 ? p.text[1] : 0;
    if (TeFraccio(p.fills)) return "\\left" + Signe(obre) + dins + "\\right" + Signe(tanca);
    return Signe(obre) + dins + (tanca ? Signe(tanca) : "");
  }

  // Lines aligned on their first relation.
  std::string Sistema(const Peca& p, int prof) {
    // Text "=": equations only aligned (a worked solution's steps), without a brace.
    const bool clau = p.text != "=";
    std::string r = clau ? "\\left\\{\\begin{aligned}" : "\\begin{aligned}[t]";
    bool primera = true;
    for (const std::size_t f : p.fills) {
      const Peca& linia = m_.peces[f];
      const std::size_t k = PrimeraRelacio(m_, linia);
      if (!primera) r += "\\\\";
      r += Expressio({linia.fills.begin(), linia.fills.begin() + static_cast<std::ptrdiff_t>(k)}, prof + 1) + "&" +
           Expressio({linia.fills.begin() + static_cast<std::ptrdiff_t>(k), linia.fills.end()}, prof + 1);
      primera = false;
    }
    return r + (clau ? "\\end{aligned}\\right." : "\\end{aligned}");
  }

  const Model& m_;
  int dinsCas_ = 0;            // how deep in cases the text being written is
  bool despresDeCas_ = false;  // the last thing written ended a case
};

std::string TextDeMatematiques(const Model& m) { return Escriptor(m).Text(); }

// A number of the sheet's measures to two decimals, as LaTeX reads it ("56.69", "20").
std::string Xifra(double x) {
  const long centesimes = std::lround(x * 100);
  std::string r = std::to_string(centesimes / 100);
  if (centesimes % 100 != 0) r += "." + std::to_string(centesimes % 100 / 10) + std::to_string(centesimes % 10);
  return r;
}
std::string Punts(double p) { return Xifra(p) + "pt"; }

// A size of the sheet's measures, its lines 1.2 times as far apart.
std::string Mida(double punts) { return "\\fontsize{" + Punts(punts) + "}{" + Punts(1.2 * punts) + "}\\selectfont"; }

std::string Preambul() {
  const MesuresFull& k = kMesuresFull;
  return "\\documentclass[11pt,a4paper]{article}\n"
         "\\usepackage[utf8]{inputenc}\n"
         "\\usepackage[T1]{fontenc}\n"
         "\\usepackage{lmodern}\n"
         "\\usepackage{amsmath}\n"
         "\\usepackage[a4paper,margin=" + Punts(k.marge) + ",footskip=" + Punts(k.marge - k.peu) + "]{geometry}\n"
         "\\raggedbottom\n"
         // no line breaks inside an expression: lines break between cases and words
         "\\relpenalty=10000\n"
         "\\binoppenalty=10000\n"
         "\\emergencystretch=3em\n"
         "\\setlength{\\parindent}{0pt}\n"
         // lines whose ink would come closer than 1 pt (stacked fractions on consecutive
         // lines) keep apart as far as the typeset sheet keeps a tall line
         "\\lineskiplimit=1pt\n"
         "\\lineskip=" + Punts(k.interliniaAlta * k.puntsText) + "\n"
         // an exercise is set in a box, and let out of it to break across pages only
         // when it is taller than a page
         "\\newbox\\tireloexercici\n"
         "\\newcommand\\tirelobloc{\\ifdim\\dimexpr\\ht\\tireloexercici+\\dp\\tireloexercici\\relax>\\textheight"
         "\\unvbox\\tireloexercici\\else\\box\\tireloexercici\\fi\\par}\n";
}

// The footer: the sheet code at the left in groups of four, on as many lines as it
// takes, "k/n" at the right.
std::string Peu(const OpcionsFull& o) {
  // the code's first line on the footer's baseline, more lines below it into the
  // margin: the footer never climbs into the text
  return "\\makeatletter\n"
         "\\def\\ps@tirelo{\\let\\@oddhead\\@empty\\let\\@evenhead\\@empty\n"
         "  \\def\\@oddfoot{\\parbox[t]{0.8\\textwidth}{\\raggedright" + Mida(kMesuresFull.puntsPeu) + " " +
         TextLatex(CodiEnGrups(o.codi)) +
         "}\\hfill{" + Mida(kMesuresFull.puntsPeu) + "\\thepage/\\pageref{tirelo-darrera}}}\\let\\@evenfoot\\@oddfoot}\n"
         "\\makeatother\n"
         "\\pagestyle{tirelo}\n";
}

// The room between exercises, and after the header.
std::string Entre() { return "\\vspace{" + Punts(kMesuresFull.entreGrups) + "}"; }

std::string Capcalera(const OpcionsFull& o) {
  std::string r;
  const std::string versio = TextVersio(o);
  if (!o.titol.empty() || !versio.empty()) {
    // the title centred on the text's width, its lines kept clear of the version at
    // the right margin (and as far from the left one, so that they stay centred)
    const std::string lliure = versio.empty() ? "0pt" : "2.5cm";
    r += "\\noindent";
    if (!versio.empty()) r += "\\rlap{\\makebox[\\linewidth][r]{\\bfseries " + TextLatex(versio) + "}}";
    r += "\\parbox[t]{\\linewidth}{" + Mida(kMesuresFull.puntsTitol) + "\\bfseries\\leftskip=" + lliure + " plus 1fil\\rightskip=" + lliure +
         " plus 1fil\\parfillskip=0pt\\strut " + TextLatex(TitolTipografic(o.titol)) + "\\strut}\\par" + Entre() + "\n";
  }
  if (o.capcalera) {
    for (const char* linia : kLiniesCapcalera) r += TextLatex(linia) + " \\hrulefill\\par\\medskip\n";
    r += Entre() + "\n";
  }
  return r;
}

// An exercise (or its answer in the key) in a box as wide as the text, so that a page
// never breaks inside it nor between a statement and its answer space: the number
// hangs before its first line and the lines after it hang under the text; in layout 0
// the answer's lines hang under its first word, clear of "Resp:", and its hint under
// the exercise's text, as on the PDF. An exercise taller than a page is let out of its
// box (\tirelobloc), to break between its lines rather than run off the page.
std::string Grup(const GrupFull& g) {
  const std::string sagnat = Xifra(kMesuresFull.sagnatNumero) + "em";
  std::string r = "\\setbox\\tireloexercici=\\vtop{\\hsize=\\linewidth\\rightskip=0pt plus 1fil\\hangindent=" + sagnat +
                  "\\hangafter=1\\noindent\\makebox[" + sagnat + "][l]{\\textbf{" + std::to_string(g.numero) + ")}}";
  bool primer = true;
  for (const TextFull& t : g.textos) {
    if (!primer) r += "\\par\\vspace{" + Punts(kMesuresFull.entreTextos) + "}";  // as the PDF parts its texts
    if (t.ambResp) {
      r += "\\par\\setbox0=\\hbox{Resp:\\ }\\leftskip=\\dimexpr" + sagnat + "+\\wd0\\relax\\noindent\\hskip-\\wd0\\box0 ";
    } else if (!primer) {
      r += "\\leftskip=" + sagnat + "\\noindent ";
    }
    r += TextDeMatematiques(t.matematiques);
    if (t.comentari) {
      r += t.ambResp ? "\\par\\leftskip=" + sagnat + "\\noindent " : std::string("\\\\\n");
      r += TextDeMatematiques(PistaDelFull(*t.comentari));
    }
    if (t.espai > 0) r += "\\\\[" + Punts(t.espai * kMesuresFull.liniaEspai) + "]\\null";
    primer = false;
  }
  return r + "\\par}\\tirelobloc" + Entre() + "\n";
}

}  // namespace

std::string EscriuLatex(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions) {
  std::string r = Preambul();
  r += Peu(opcions);
  r += "\\begin{document}\n";
  r += Capcalera(opcions);
  for (const GrupFull& g : PartsDelFull(exercicis, opcions)) {
    if (g.respostesAbans) {
      r += "\\newpage\n{" + Mida(kMesuresFull.puntsTitol - 2) + "\\bfseries " + kTitolRespostes + "\\par}" + Entre() + "\n";
    }
    r += Grup(g);
  }
  r += "\\label{tirelo-darrera}\n\\end{document}\n";
  return r;
}

}  // namespace tirelo
