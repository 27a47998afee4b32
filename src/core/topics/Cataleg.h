// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The topic catalogue: one row per topic, in menu order (topic k is row k). The
// "Temes" menu, the dispatch, `tirelo genera --help` and the command line all read it.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Serie.h"
#include "motor/Motor.h"
#include "topics/Generador.h"

namespace tirelo {

struct EntradaTema {
  std::string_view nom;  // the menu item and the name `--serie` takes (Windows-1252)
  Tema tema;             // what the series window shows: title, subtypes, which take cases
  // One exercise of subtype 1..n; any other subtype answers SubtipusDesconegut.
  ResultatGenerador (*genera)(ContextGenerador& ctx, int subtipus);
  // What leaving the topic's series window draws besides (nothing when null).
  void (*surt)(FontAleatoria& aleatori) = nullptr;
  // Appended to every statement the topic draws, after the generator, cut to the field.
  std::string_view tancament{};

  std::vector<std::string> Subtipus() const;   // the subtype names, in order
  bool PrenCasos(int subtipus) const;          // does subtype 1..n take a number of cases?
};

std::span<const EntradaTema> Cataleg();

// The form every answer of subtype 1..n of topic 1..9 must have (what a checked answer
// is held to, and what a key in simplest form is written in); any form for a subtype
// the catalogue does not have.
FormaResposta FormaDelSubtipus(int tema, int subtipus);

// The topic names joined by ';', as the program descriptor lists them.
std::string LlistaTemes();

}  // namespace tirelo
