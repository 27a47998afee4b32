// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The typeset sheet from the program: its options from the program state, and saving
// it as "Exerc/<name>.pdf" through the save window, as the RTF document is saved.
#include <string_view>
#include <vector>

#include "document/Exercici.h"

#include "full/EscriptorFull.h"
#include "full/Full.h"

namespace tirelo {

struct Programa;

// The sheet options of the batch: title and layout from the save values, header lines
// and answer space from the sheet options, and the batch's code when it has one.
OpcionsFull OpcionsDelFull(const Programa& prg);
// The same from the exercises, the save values and the sheet options.
struct ValorsFull;
OpcionsFull OpcionsDelFull(const std::vector<Exercici>& exercicis, std::string_view titol, int disposicio,
                           const ValorsFull& full);

inline constexpr std::string_view ExtensioPdf = ".pdf";

// Asks through the save window, then writes the sheet atomically with `escriu` at
// "Exerc/<name>.pdf" (asking before replacing a file). True when written: the batch
// counts as kept and the status bar says where it went. A failure is told with its
// reason and leaves any earlier file as it was.
bool DesaPdf(Programa& prg, const EscriptorFull& escriu);

}  // namespace tirelo
