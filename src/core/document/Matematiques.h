// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// This is the only place where exercise markup is recognised as mathematics. Every
// output that shows a text (the sheet composer, the LaTeX writer, the readable line
// and the spoken text, the editor's preview) takes what it shows from here, and none
// of them scans markup or RTF for patterns of its own.
//
// The mathematics of an exercise text, made explicit for the outputs that typeset it
// (the sheet composer, the LaTeX writer). The text's model (document/Model.h) keeps
// the markup as it was written; this one says what it means:
//   - numbers, letters as variables, operators and signs, bracketed groups;
//   - powers and indices with their contents as children ("a^-^1" is one power "-1",
//     "x" followed by the byte 0xB2 is "x" squared);
//   - fractions (Fraccio with two Expressio children) written with "#F", stacked by
//     hand on three lines (numerators, a line of dash bars, denominators), or inline
//     "a/b" between operands written next to each other (numbers, letters, powers,
//     roots, bracketed groups, fractions);
//   - roots (Arrel) written with "#R" or "R_n(...)", the index as an IndexArrel child;
//   - systems (Equacions): the indented "#8 " lines that hold an "=", and "#M";
//   - labelled cases "a) ..." (Cas) up to the next label or the end of the line;
//   - prose as text runs (Tros): words, blanks folded to one, punctuation.
// Lines stay apart (Paragraf), empty lines go, tab stops at the very start go (the text
// follows its label on a sheet), and raw RTF is read (escaped
// characters, "\tab", "\line", and the groups "{\super ...}" and "{\sub ...}" as a
// power and an index: "12b{\super 2}" is 12b squared). The roots topic's note on its
// notation ("(Nota: R_n() =arrel enèssima)") goes: a typeset root needs none.
//
//   LlegeixMatematiques("Calcula: a) 3/4") ->
//     Contingut{ Tros "Calcula:", Tros " ", Cas "a)" { Expressio{ Fraccio{ 3, 4 } } } }
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/Model.h"

namespace tirelo {

// Never fails: every model has a mathematics, if only prose.
Model Matematiques(const Model& marcat);
Model LlegeixMatematiques(std::string_view marcat);

// What the outputs that set mathematics share:
// "=", "<", ">" and the arrow "->".
bool EsRelacio(std::string_view op);
// Where a line of a system is aligned: its first relation; 0 when it has none.
std::size_t PrimeraRelacio(const Model& m, const Peca& linia);
// Whether the blank at position k of an expression's children shows: operators bring
// their own room, except that a blank after a separator ("x= -3, y= 5") keeps it, and
// a blank at either end (a part of a system line ends at its relation) shows nothing.
bool BlancVisible(const Model& m, const std::vector<std::size_t>& fills, std::size_t k);
// Whether the paragraph break at position k of these children joins the lines around
// it, as a sheet sets them: the line before ends an instruction ("Calcula:") and the
// line after is only mathematics, which then follows the instruction inline where it
// fits, or starts the next line as a display where it does not.
bool SegueixInstruccio(const Model& m, const std::vector<std::size_t>& fills, std::size_t k);

// The raw RTF that a text run embeds, read the one way the reader above reads it, for
// an output that draws the markup itself (the editor's preview): bytes that stand
// for themselves, "\'hh" escapes, "\tab", "\line" and "\par", and the script
// groups "{\super ...}" and "{\sub ...}". A control word takes the blank after it;
// other control words and braces show nothing.
//   LectorRtf r;  r.Llegeix("b{\\super 2}\\tab x") -> 'b', ^"2", tab, 'x'
enum class TipusRtf : unsigned char { Caracter, Tabulador, Salt, Script };
struct PecaRtf {
  TipusRtf tipus = TipusRtf::Caracter;
  char c = 0;                              // Caracter
  TipusPeca script = TipusPeca::Potencia;  // Script: Potencia or Subindex
  std::string text;                        // Script: what the group holds, escapes read
};
class LectorRtf {
 public:
  // The pieces of one run of bytes. A script group still open at the end of the run
  // takes the bytes of the next runs up to its "}".
  std::vector<PecaRtf> Llegeix(std::string_view run);
  // A markup script whose argument is "{" ("a^{m+n}"): the raw text up to the next
  // "}" is its content.
  void ObreScript(TipusPeca script);
  // The script group left open when the text ends, as it stands; none when closed.
  std::vector<PecaRtf> Acaba();

 private:
  bool obert_ = false;
  int claus_ = 0;  // braces opened inside the open script group
  PecaRtf script_;
};

}  // namespace tirelo
