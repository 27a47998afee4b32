// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// An exercise text (statement, answer or hint) as a tree, read from its markup by one
// reader and written out by writers: the markup itself (byte for byte as it was read),
// the RTF of a document. Plain bytes, raw RTF included, stay text runs (`Tros`); the
// markup's signs, scripts, styles, tab stops, indents, fractions, roots and blocks of
// equations are nodes of their own.
//
// The tree lives in one vector and refers to children by index, so that a text nested
// to any depth is read, written and destroyed without recursion.
//   LlegeixMarcat("#B(x^2)") -> Contingut{ Negreta{ Tros "x", Potencia "2" } }
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tirelo {

enum class TipusPeca : unsigned char {
  Contingut,   // the whole text; its children in order
  Tros,        // bytes that stand for themselves
  Paragraf,    // CR: a paragraph break
  Barra,       // the vertical bar sign
  Potencia,    // "^": a superscript, its argument as written (scripts are not read)
  Subindex,    // "_": a subscript, likewise
  Negreta,     // "#B": children in bold
  Cursiva,     // "#I": children in italics
  Subratllat,  // "#S": children underlined
  Tabulador,   // "#T": a tab stop
  Infinit,     // "#&": the infinity sign
  Sagnat,      // "#0".."#9": a left indent of `xifra` centimetres
  Fraccio,     // "#F": two Expressio children, numerator and denominator
  Expressio,   // a part of a fraction; its children
  Arrel,       // "#R": a square root; children are the radicand
  Sistema,     // "#M": lines of equations framed by bars, its argument as written
  Res,         // "#" with any other letter, or a "#" that ends the text: nothing
  // The mathematics of a text (document/Matematiques.h) adds these; the markup reader
  // never makes them. There, Expressio is also a stretch of mathematics in a line, and
  // Potencia and Subindex hold their argument as children.
  Nombre,      // digits, with the decimal points between them: `text`
  Variable,    // one letter: `text`
  Operador,    // an operator, relation or separator: `text` ("+", "-", "=", "\xB7", "/", ",", "->")
  Grup,        // a bracketed group, its children inside: `text` the signs ("()"); one never closed is text
  Cas,         // a labelled case: `text` the label ("a)"), its children the case
  Equacions,   // a system: one Expressio child per equation, in order (text "=": set
               // aligned on its "=" without a brace, as a worked solution's steps)
  IndexArrel,  // the index of a root: the first child of an Arrel that has one
};

// How a marker's or a command's argument was written: none (the text ended), one
// character, "( ... )", or a "(" never closed, which takes the rest of its text.
enum class FormaArgument : unsigned char { Cap, Caracter, Parentesi, Obert };

struct Peca {
  TipusPeca tipus = TipusPeca::Contingut;
  char lletra = 0;         // a command's letter as written ("b" or "B")
  bool ambLletra = true;   // false for a "#" that ends the text
  FormaArgument forma = FormaArgument::Cap;
  // Tros: its bytes. Scripts and Sistema: the argument as written. Commands that do
  // not use their argument: the argument they consumed.
  std::string text;
  bool buit = false;          // a script whose unclosed argument shows nothing
  int tabs = 0;               // Fraccio: tab stops before each line (0..9)
  bool ambBarra = false;      // Fraccio: the argument had a "/"
  int xifra = 0;              // Sagnat: centimetres
  std::size_t llargada = 0;   // Expressio and Arrel: characters of the part as written
  std::vector<std::size_t> fills;
};

struct Model {
  std::vector<Peca> peces;  // peces[0] is the Contingut
  const Peca& Arrel() const { return peces.front(); }
  // A new node, not yet anyone's child; its index.
  std::size_t Nou(TipusPeca t, std::string text = {}, std::vector<std::size_t> fills = {});
  // Node `node` of `font`, with everything under it, copied in as the last child of
  // `pare` (without recursion, so that any depth of tree can be copied).
  void Empelta(std::size_t pare, const Model& font, std::size_t node);
};

// How the reader takes a script ("^", "_") whose "(" is never closed. The document
// raises the rest of the text; the editor's preview raises nothing. Either way the
// argument runs to the end of the text and is kept as written.
enum class IndexObert : unsigned char { FinsAlFinal, Buit };

struct OpcionsLectura {
  IndexObert indexObert = IndexObert::FinsAlFinal;
};

// Never fails: every byte string is a markup text.
Model LlegeixMarcat(std::string_view text, OpcionsLectura opcions = {});
// The markup the model was read from, byte for byte.
std::string EscriuMarcat(const Model& m);
// The markup of one node and what it holds, as written.
std::string EscriuMarcat(const Model& m, std::size_t peca);

// Walks the tree in document order without recursion: Obre on entering a node, Entre
// before each child but the first, Tanca on leaving it.
class Visitant {
 public:
  virtual ~Visitant() = default;
  virtual void Obre(const Peca& p) = 0;
  virtual void Entre(const Peca&, std::size_t) {}
  virtual void Tanca(const Peca&) {}
};
void Recorre(const Model& m, Visitant& v, std::size_t des_de = 0);

}  // namespace tirelo
