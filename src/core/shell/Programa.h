// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The program-wide state, in one object passed by reference: the descriptor, the
// batch, the exercise under construction, the protocol values and options, the
// save values and the random source. A test makes a fresh program in one line:
//   FakeInterficie ui; Programa prg(ui, 42);
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "batch/Historial.h"
#include "batch/Lot.h"
#include "batch/Serie.h"
#include "document/Exercici.h"
#include "mathtext/Aleatori.h"
#include "shell/DescPrg.h"
#include "shell/Interficie.h"

namespace tirelo {

// Where the last document went and whether one was written for the current batch.
struct EstatDocument {
  std::string cami;       // full path of the document last opened for writing
  bool escrit = false;    // cleared by Reset
};

// The sheet options of the typeset outputs (PDF, printing, LaTeX) beyond the save
// values: the header lines, the answer space, whether answers are simplified and
// whether the key shows the worked solutions.
struct ValorsFull {
  bool capcalera = false;  // the lines "Nom:", "Curs:", "Data:" under the title
  int espai = 0;           // lines of answer space after each statement, 0..EspaiMaxim
  bool respostesSimplificades = true;  // answers in their subtype's simplest form
  bool resolucio = false;              // "Resolució detallada": each answer's worked solution under it
  static constexpr int EspaiMaxim = 20;
  bool operator==(const ValorsFull&) const = default;
};

struct Programa {
  // A program seeded from the monotonic clock, as the desktop program starts.
  explicit Programa(Interficie& ui);
  // A program with a fixed seed (the command line's --llavor, tests).
  Programa(Interficie& ui, uint64_t llavor);
  // A program drawing from the given source (tests with scripted draws).
  Programa(Interficie& ui, std::unique_ptr<FontAleatoria> font);

  int32_t Random(int32_t n) { return aleatori->Random(n); }

  Interficie& ui;
  DescPrg desc = DescripcioTirelo();
  Lot lot;
  Historial historial;     // undo, redo, and whether the batch is kept
  Exercici exercici;       // the exercise under construction
  ValorsSerie serie;
  ValorsDesar desar;
  ValorsFull full;
  EstatDocument document;
  std::unique_ptr<FontAleatoria> aleatori;
  // A topic started on an empty batch first seeds the random source with a fresh
  // 32-bit sheet seed, so that the sheet drawn from there can have a code. The desktop
  // program sets it; the command line and the tests draw from the seed they give.
  bool sembraCadaFull = false;
  // The folder the save folder "Exerc" goes in: the current directory when the
  // program started (empty when it could not be read).
  std::filesystem::path carpetaTreball;
  // Where the help file is looked for after the current directory: beside the
  // program and in its installed data folder (set by the program at start).
  std::vector<std::filesystem::path> carpetesAjuda;
};

}  // namespace tirelo
