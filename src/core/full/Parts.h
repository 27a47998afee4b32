// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// What a sheet holds, in order, before any output sets it out: the groups of texts
// that stay together on a page (an exercise's statement, answer space and, in layout
// 0, its answer), and where the answer key starts. The sheet composer and the LaTeX
// writer both walk it, so that the two outputs hold the same sheet.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Exercici.h"
#include "full/Full.h"

namespace tirelo {

// The sheet's measures, in points unless said, which the composer sets and the LaTeX
// writer writes into its preamble and parts: A4 portrait, every margin 2 cm, the
// footer's baseline 1 cm above the page's bottom edge, the code's further lines below it.
struct MesuresFull {
  double marge = Marge2cm;
  double peu = Marge2cm / 2;    // the footer's baseline above the page's bottom edge
  double puntsText = 11;
  double puntsTitol = 16;       // the title; "Respostes" two points smaller
  double puntsPeu = 9;
  double liniaEspai = 20;       // a line of answer space
  double entreGrups = 10;       // between exercises, and after the header
  double entreTextos = 4;       // between a statement, its hint and its answer
  double sagnatNumero = 2.2;    // ems of the text: the exercise's number hangs in it
  double quadrat = 1;           // ems: a run of tab stops between two pieces of a line
  double interliniaAlta = 0.4;  // ems below a line taller than the text's; 0.2 below others
  int profunditatMaxima = 48;   // nesting deeper than this (a fraction of a fraction of ...) is not set
};
inline constexpr MesuresFull kMesuresFull{};

// The answer key's heading, on a new page.
inline constexpr const char* kTitolRespostes = "Respostes";

// Whether a root's index is shown: any but a lone 2.
bool IndexVisible(const Model& m, const Peca& index);

struct TextFull {
  bool ambResp = false;                  // "Resp:" before it: an answer in layout 0
  std::string text;                      // markup
  Model matematiques;                    // what the outputs set: the exercise's mathematics of it
  std::optional<std::string> comentari;  // the hint's paragraph, "  Comentari: " and the hint
  int espai = 0;                         // lines of answer space after it
};

struct GrupFull {
  int numero = 1;                // the exercise's number, shown as "1)"
  bool respostesAbans = false;   // the answer key ("Respostes", on a new page) starts here
  std::vector<TextFull> textos;  // kept together on one page when they fit
};

std::vector<GrupFull> PartsDelFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions);

// A case's answer as the typeset sheet writes it, so that its list cannot be misread
// beside the next case's: the values of an equation's one unknown named after it,
// "x = 3", or numbered when there are more, "x₁ = −7, x₂ = 3" (a subscript); the values
// of a system's unknowns, "x = 2; y = −1", joined by commas. Any other answer, and an
// answer whose statement is not an equation in one unknown, stays as it is.
//   SolucionsEscrites({"a)", Expressio::Llegeix("x^2+4x-21 = 0"), Expressio::Llegeix("-7, 3")})
//     -> x_1 = -7, x_2 = 3
Expressio SolucionsEscrites(const Apartat& a);

// A hint's paragraph (markup) as both outputs set it: mathematics, its rule's products
// over the fraction bar ("N1·N2/D1·D2" as one fraction), its prose typographic.
Model PistaDelFull(const std::string& comentari);

// The title line's texts (Windows-1252): the title, and "Versió A" when the sheet has
// a version letter; the header lines, when asked.
inline constexpr const char* kLiniesCapcalera[] = {"Nom:", "Curs:", "Data:"};
std::string TextVersio(const OpcionsFull& opcions);
// The title as the typeset sheet prints it: "’" for an apostrophe between letters and
// Catalan quotes « » for straight double quotes, as its prose.
std::string TitolTipografic(std::string_view titol);
// The sheet code in groups of four characters, "7Z83 AJDA WNZ9", easier to copy by
// hand; the code reader skips the blanks.
std::string CodiEnGrups(std::string_view codi);

}  // namespace tirelo
