// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Worksheets without windows: the options of `tirelo genera`, the description of
// every topic, and the generation of a whole batch with the seam answering from
// the options. Same core and generators as the desktop program.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "full/EscriptorFull.h"
#include "shell/DescPrg.h"
#include "shell/Interficie.h"
#include "shell/Programa.h"

namespace tirelo {

// A topic as the command line reads it, made from its catalogue row.
struct DescripcioTema {
  int numero = 0;
  std::string nom;                    // name in the topic list (Windows-1252)
  std::string titol;                  // series window caption
  std::vector<std::string> subtipus;  // subtype names
  std::vector<bool> casos;            // per subtype: takes a number of cases
  bool PrenCasos(int subtipus) const;  // does this subtype take a number of cases?
};
// Every topic of the catalogue (topics/Cataleg.h), in menu order.
std::vector<DescripcioTema> DescriuTemes();

// One --serie TEMA:SUBTIPUS[:CASOS[:EXERCICIS[:NIVELL]]].
struct SerieDemanada {
  int tema = 0;
  int subtipus = 0;
  int casos = 1;
  int exercicis = 1;
  // Set by a sheet code only: the equation form of this series (otherwise --forma), and
  // whether it is drawn in the same visit of its topic as the series before it.
  std::optional<int> forma{};
  bool ambAnterior = false;
  int nivell = 2;  // 1..3; LlegeixSerie leaves 0 when the text gives none (--nivell decides)
  bool operator==(const SerieDemanada&) const = default;
};

struct OpcionsGenera {
  std::vector<SerieDemanada> series;
  std::optional<uint64_t> llavor;
  int forma = 0;            // 0..3, as the equation-form window
  int nivell = 2;           // --nivell: the level of every series that gives none (1..3)
  int pista = 0;            // hint placement option 0..2
  std::string titol;        // Windows-1252
  int disposicio = 1;       // 0 or 1
  bool titolDonat = false;       // --titol given (otherwise a --lot file's title holds)
  bool disposicioDonada = false; // --disposicio given
  bool capcalera = false;   // --capcalera: the lines "Nom:", "Curs:", "Data:" on the sheet
  int espai = 0;            // --espai: lines of answer space after each statement (0..20)
  std::optional<bool> respostesSimplificades;  // --respostes simplificades|tal-qual (a --lot file's, or on)
  bool resolucio = false;   // --resolucio: the key with worked solutions (or a --lot file's)
  std::string sortida;      // output path (file system bytes), its format by extension; empty: none
  std::string lot;          // --lot: a batch file whose exercises come first
  bool json = false;
  bool ajuda = false;       // --help
  std::string codi;         // --codi: the sheet of a code (its series, seed and hints fill the above)
  int versions = 0;         // --versions N (2..26): N versions of the sheet; 0 the sheet itself
};

// A parse error: one line that names the problem.
struct ErrorOpcions {
  std::string missatge;     // UTF-8
};

// Reads the arguments after "genera". Topics and subtypes are checked against `temes`.
std::variant<OpcionsGenera, ErrorOpcions> LlegeixOpcionsGenera(const std::vector<std::string>& args,
                                                                const std::vector<DescripcioTema>& temes);
// Reads one TEMA:SUBTIPUS[:CASOS[:EXERCICIS[:NIVELL]]] (TEMA by number or by name, case and
// accents optional); nivell is 0 when the text gives no level.
std::variant<SerieDemanada, ErrorOpcions> LlegeixSerie(std::string_view text,
                                                       const std::vector<DescripcioTema>& temes);

// One generated exercise and the series it came from.
struct ContingutLot;

struct ExerciciGenerat {
  int tema = 0;
  int subtipus = 0;
  std::optional<CasosRetallats> retallats;  // fewer cases fit than were asked
};

// A whole batch generated from the options, with the origin of each exercise.
struct LotGenerat {
  std::vector<Exercici> exercicis;        // at most a batch's worth
  std::string titol;                      // the save values' title and layout
  int disposicio = 1;
  ValorsFull full;                        // the sheet options
  std::vector<std::string> avisos;        // notices (Windows-1252): exercises left out of a full batch
  std::vector<ExerciciGenerat> origen;
  std::vector<CasosRetallats> retallats;  // exercises that lost cases, in order
  std::optional<uint64_t> estat;          // where the random source ended
};
// The sheet options of a generated batch, with its code when it has one.
OpcionsFull OpcionsDelFull(const LotGenerat& lot);
// The exercises of `inicial`, when given, come first, with its title and layout
// unless the options give theirs.
LotGenerat GeneraSeries(const OpcionsGenera& opcions, uint64_t llavor, const ContingutLot* inicial = nullptr);
// What --sortida writes, picked by the path's extension (in any case).
enum class FormatSortida : unsigned char { Rtf, Pdf, Latex, Lot };
// nullopt for an extension none of them has.
std::optional<FormatSortida> FormatDeSortida(std::string_view cami);

// The RTF document's title line for a version: "Títol (A)", or "Versió A" without a
// title; the title alone when there is no version letter.
std::string TitolAmbVersio(std::string_view titol, std::string_view versio);
// Writes one sheet, atomically, in the format the path's extension picks: the typeset
// PDF through `pdf` (a Qt painter; empty when the build has none), the LaTeX sheet, a
// batch file, or the RTF document (its key as `disposicio` places it, the version
// letter in its title). The system's reason when nothing could be written.
std::optional<std::string> EscriuFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions,
                                      const std::string& cami, const EscriptorFull& pdf);
// Writes what --sortida asks for: the batch at opcions.sortida, or its --versions
// "<name>-A", "<name>-B", ..., each drawn from its own seed. Every sheet written that
// has a code adds its line to `codis` ("codi: X", or "codi: X (A)" for a version). The
// message when a file could not be written.
std::optional<std::string> EscriuSortidaGenera(const LotGenerat& lot, const OpcionsGenera& opcions, uint64_t llavor,
                                               const EscriptorFull& pdf, std::vector<std::string>& codis);

// The batch as a JSON array, texts in UTF-8 with the markup kept as it is; an
// exercise that lost cases also gives "casos_demanats" and "casos".
std::string LotEnJson(const std::vector<Exercici>& exercicis, const std::vector<ExerciciGenerat>& origen);

// The help of `tirelo genera`: usage, topics with their subtypes, examples (UTF-8).
std::string AjudaGenera(const std::vector<DescripcioTema>& temes);

}  // namespace tirelo
