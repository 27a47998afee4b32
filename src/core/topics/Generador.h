// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// What a topic's generator sees and what it gives back. A generator draws from the
// random source, writes the number of cases it is asked for and may ask for the form
// of an equation; it knows nothing else of the program. The series protocol appends
// what it returns.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "mathtext/Aleatori.h"
#include "topics/FormaEq2.h"

namespace tirelo {

struct ContextGenerador {
  FontAleatoria& aleatori;
  // The number of cases asked. A generator with a smaller pool of distinct cases
  // lowers it; the series window then shows the lowered number.
  int nombreCasos = 1;
  // Asks which form the next quadratic or biquadratic takes (the equation-form window).
  std::function<FormaEq2()> demanaForma;

  int32_t Random(int32_t n) { return aleatori.Random(n); }
};

// The texts of one drawn exercise, and how many cases went in when it writes cases.
struct Generat {
  std::string enunciat;
  std::string resposta;
  std::string pista;
  std::optional<int> casosEscrits;
};

// A generator's outcome: an exercise, the user leaving while it asked, or a subtype
// the topic does not have.
enum class EstatGenerador { Fet, Sortit, SubtipusDesconegut };
struct ResultatGenerador {
  EstatGenerador estat = EstatGenerador::Fet;
  Generat exercici;
};

inline ResultatGenerador Fet(Generat g) { return {EstatGenerador::Fet, std::move(g)}; }
inline ResultatGenerador SubtipusDesconegut() { return {EstatGenerador::SubtipusDesconegut, {}}; }

}  // namespace tirelo
