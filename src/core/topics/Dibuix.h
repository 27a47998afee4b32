// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Drawing one exercise is a function of its recipe: the topic's generator from the
// catalogue, run on a random source sown with the recipe's seed, every question of the
// equation form answered as the recipe says, the topic's closing text appended and
// every text cut to its field. The series window, the command line, versions, sheet
// codes and new draws all draw through it.
//   GeneradorAleatori font;
//   auto d = Dibuixa(Recepta{3, 2, 1, std::nullopt, 6}, font);  // "Calcula: 3/4 + 2/3" ...
#include <functional>
#include <optional>

#include "document/Exercici.h"
#include "mathtext/Aleatori.h"
#include "topics/Generador.h"

namespace tirelo {

struct EntradaTema;

struct Dibuix {
  EstatGenerador estat = EstatGenerador::Fet;
  Exercici exercici;  // when done: ready, with its recipe (when the source has a state) and its cases
  // The cases the generator wrote, when it writes cases, and the number of cases it
  // ended with (lower than the recipe's when its pool of distinct cases is smaller).
  std::optional<int> casosEscrits;
  int nombreCasos = 1;
};

// Draws subtype `subtipus` of `tema` (number `numeroTema` in the catalogue, 0 for a
// topic outside it, which gives no recipe) from the source as it stands, asking the
// equation form through `demanaForma`; the recipe keeps the first answer. `nivell` is
// the difficulty, 1..3.
Dibuix DibuixaTema(const EntradaTema& tema, int numeroTema, int subtipus, int casos,
                   const std::function<FormaEq2()>& demanaForma, FontAleatoria& font, int nivell = 2);

// `font` is sown with the recipe's seed and left where the draw ended, so that the
// next exercise of a sheet draws on from there. None for a topic or subtype the
// catalogue does not have. Without a form in the recipe, an equation asks for the
// complete form.
std::optional<Dibuix> Dibuixa(const Recepta& recepta, FontAleatoria& font);
// The same from a source of its own.
std::optional<Dibuix> Dibuixa(const Recepta& recepta);

}  // namespace tirelo
