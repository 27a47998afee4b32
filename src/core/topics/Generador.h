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

#include <vector>

#include "batch/Serie.h"
#include "document/Expressio.h"
#include "document/Frase.h"
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
  // The difficulty: 1 easier, 2 the usual draw, 3 harder.
  int nivell = 2;

  int32_t Random(int32_t n) { return aleatori.Random(n); }
};

// The models of one drawn exercise's statement, answer and hint.
struct ModelsExercici {
  Frase enunciat;
  Frase resposta;
  Frase pista;
};

// The texts of one drawn exercise, written from its models, how many cases went in
// when it writes cases, its instruction (the statement's words before the cases) and
// its cases: each one's label and the mathematics of its statement and of its answer.
struct Generat {
  std::string enunciat;
  std::string resposta;
  std::string pista;
  std::optional<int> casosEscrits;
  ModelsExercici models;
  std::string instruccio;
  std::vector<Apartat> apartats;
};

// The exercise whose texts are written from these models, with its cases.
inline Generat Escriu(ModelsExercici models, std::optional<int> casosEscrits, const Frase& instruccio,
                      std::vector<Apartat> apartats) {
  return {models.enunciat.Text(), models.resposta.Text(), models.pista.Text(), casosEscrits, std::move(models),
          instruccio.Text(), std::move(apartats)};
}
// An exercise of one case: the instruction, then the statement's mathematics; the
// answer; the hint.
inline Generat EscriuUnCas(const Frase& instruccio, const Frase& enunciat, const Frase& resposta, Frase pista = {}) {
  std::vector<Apartat> apartats{ApartatDe("", enunciat, resposta)};
  return Escriu({instruccio + enunciat, resposta, std::move(pista)}, std::nullopt, instruccio, std::move(apartats));
}
// The same exercise with another hint.
inline Generat AmbPista(const Generat& g, Frase pista) {
  Generat r = Escriu({g.models.enunciat, g.models.resposta, std::move(pista)}, g.casosEscrits, Frase(), g.apartats);
  r.instruccio = g.instruccio;
  return r;
}

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
