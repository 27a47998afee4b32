// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// A worksheet laid out on pages: what the sheet composer places and every drawing
// output (PDF, printer, print preview) paints, element by element, without deciding
// anything of its own. The composer and the typesetter measure text through
// `MetriquesLletra`: the Qt layer supplies real font metrics, the tests fixed ones.
//
// Units are points (1/72 inch). Coordinates are on the page, from its top-left
// corner, y growing downwards; text is placed by the left end of its baseline.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/Exercici.h"
#include "full/ConstantsMath.h"
#include "motor/Motor.h"

namespace tirelo {

// The faces a sheet uses: prose and mathematics (a face with real mathematical
// glyphs where it has them, for the radical sign, the minus sign and the brace).
enum class FamiliaFull : unsigned char { Text, Matematica };

struct LletraFull {
  FamiliaFull familia = FamiliaFull::Text;
  double punts = 12;
  bool negreta = false;
  bool cursiva = false;
  bool subratllat = false;
  bool operator==(const LletraFull&) const = default;
};

// Where a text's glyphs put ink, from the left end of its baseline: the bounds of
// their outlines, not the face's ascent and descent.
struct TintaText {
  double dalt = 0;   // the highest ink above the baseline
  double baix = 0;   // the lowest ink below the baseline (negative when all ink is above)
  double dreta = 0;  // the rightmost ink
};

class MetriquesLletra {
 public:
  virtual ~MetriquesLletra() = default;
  virtual double Amplada(std::string_view utf8, const LletraFull& lletra) const = 0;
  virtual double Ascendent(const LletraFull& lletra) const = 0;   // above the baseline, > 0
  virtual double Descendent(const LletraFull& lletra) const = 0;  // below the baseline, > 0
  // The ink of a text. Without outlines to measure, the face's ascent and descent.
  virtual TintaText Tinta(std::string_view utf8, const LletraFull& lletra) const {
    return {Ascendent(lletra), Descendent(lletra), Amplada(utf8, lletra)};
  }
  // The constants of the mathematics face, read once per face; Latin Modern Math's
  // when the face has none.
  virtual const ConstantsMath& Matematiques() const {
    static const ConstantsMath kPerDefecte;
    return kPerDefecte;
  }
};

enum class TipusElement : unsigned char {
  Text,   // `text` (UTF-8) in `lletra`, baseline starting at (x, y); or, when `glif` is
          // set, that glyph of the face, which has no character of its own, standing for `text`
  Linia,  // a straight line from (x, y) to (x2, y2), `gruix` thick
  Cami,   // an open polyline through `punts` (the radical sign, a brace), `gruix` thick
};

struct PuntFull {
  double x = 0, y = 0;
  bool operator==(const PuntFull&) const = default;
};

struct ElementFull {
  TipusElement tipus = TipusElement::Text;
  double x = 0, y = 0;
  std::string text;
  LletraFull lletra{};
  unsigned glif = 0;  // Text: a glyph of the face by its number (a taller radical sign)
  double x2 = 0, y2 = 0;
  double gruix = 0.5;
  std::vector<PuntFull> punts;
  bool operator==(const ElementFull&) const = default;
};

struct PaginaFull {
  std::vector<ElementFull> elements;  // in reading order
};

// A4 portrait.
inline constexpr double AmpladaA4 = 595.2756;
inline constexpr double AlcadaA4 = 841.8898;
inline constexpr double Marge2cm = 56.6929;

struct Full {
  double amplada = AmpladaA4;
  double alcada = AlcadaA4;
  std::string titol;  // UTF-8, for the document's metadata
  std::vector<PaginaFull> pagines;
};

// What a teacher chooses for a sheet beyond the batch itself.
struct OpcionsFull {
  std::string titol;          // Windows-1252, as the batch title; may be empty
  int disposicio = 1;         // 0 each statement then its answer; 1 statements, then "Respostes"
  bool capcalera = false;     // the lines "Nom:", "Curs:", "Data:" under the title
  int espai = 0;              // lines of answer space after each statement (0..20)
  std::string versio;         // a version letter ("A".."Z") shown in the header; empty for none
  std::string codi;           // a sheet code shown in the footer; empty for none
  // The answers written by the engine in their subtype's form (lowest terms, like terms
  // collected, radicals simplified, solutions sorted) instead of as drawn. It needs the
  // catalogue's form of a subtype, which the caller gives; without it answers stay.
  bool respostesSimplificades = true;
  FormaResposta (*formaDelSubtipus)(int tema, int subtipus) = nullptr;
  // "Resolució detallada": under each case's answer, its worked solution, one step a line.
  bool resolucio = false;
};

// Lays the exercises out on A4 pages.
Full ComposaFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions,
                 const MetriquesLletra& metriques);

// The same sheet as a standalone LaTeX document (UTF-8).
std::string EscriuLatex(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions);

}  // namespace tirelo
