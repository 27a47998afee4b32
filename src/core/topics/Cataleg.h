// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The topic catalogue: one row per topic, in menu order (topic k is row k), each with
// one row per subtype. The "Temes" menu, the dispatch, the series window, `tirelo
// genera --help`, the manual page, the shell completion, sheet codes and batch files
// all read it. A new topic is its own file pair and one row here.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Serie.h"
#include "motor/Motor.h"
#include "topics/Generador.h"

namespace tirelo {

// The difficulty levels a subtype can be drawn at: 1 easier, 2 the usual draw, 3 harder.
inline constexpr int NivellMinim = 1;
inline constexpr int NivellHabitual = 2;
inline constexpr int NivellMaxim = 3;

// One subtype of a topic.
struct FilaSubtipus {
  // Stable over every version of the program: sheet codes carry it. A new subtype
  // takes the next free number; a number is never changed nor given again.
  int id = 0;
  std::string_view nom;  // its line in the series window (Windows-1252)
  bool casos = false;    // takes a number of cases
  bool demanaForma = false;  // asks which form the equation takes (the equation-form window)
  // The form every answer must have (what a checked answer is held to, and what a key
  // in simplest form is written in).
  FormaResposta forma = FormaResposta::Qualsevol;
  int nivells = NivellMaxim;  // drawn at levels 1..nivells
};

struct EntradaTema {
  std::string_view nom;    // the menu item and the name `--serie` takes (Windows-1252)
  std::string_view titol;  // the series window's caption
  std::span<const FilaSubtipus> files;  // the subtypes, in the series window's order
  // One exercise of subtype 1..n; any other subtype answers SubtipusDesconegut.
  ResultatGenerador (*genera)(ContextGenerador& ctx, int subtipus);
  // What leaving the topic's series window draws besides (nothing when null).
  void (*surt)(FontAleatoria& aleatori) = nullptr;
  // Appended to every statement the topic draws, after the generator, cut to the field.
  std::string_view tancament{};
  bool refrescaAlPrincipi = false;  // the status is refreshed at every pass of the series loop

  int NombreSubtipus() const { return static_cast<int>(files.size()); }
  const FilaSubtipus* Fila(int subtipus) const;  // subtype 1..n; none otherwise
  std::vector<std::string> Subtipus() const;     // the subtype names, in order
  bool PrenCasos(int subtipus) const;            // does subtype 1..n take a number of cases?
  bool DemanaForma(int subtipus) const;          // does subtype 1..n ask the equation form?
  Tema Serie() const;                            // what the series protocol shows of it
};

std::span<const EntradaTema> Cataleg();
int NombreTemes();

// A subtype by its stable id: topic 1..n and subtype 1..m; none for an id no row has.
struct LlocSubtipus {
  int tema = 0;
  int subtipus = 0;
};
std::optional<LlocSubtipus> SubtipusDeId(int id);
// The stable id of subtype 1..m of topic 1..n; 0 for none.
int IdDelSubtipus(int tema, int subtipus);

// The form every answer of subtype 1..m of topic 1..n must have; any form for a subtype
// the catalogue does not have.
FormaResposta FormaDelSubtipus(int tema, int subtipus);

// The topic names joined by ';', as the program descriptor lists them.
std::string LlistaTemes();

}  // namespace tirelo
