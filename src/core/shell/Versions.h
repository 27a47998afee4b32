// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Versions of a sheet, sheets opened from their code, and a new draw of one exercise:
// what "Lot exercicis > Versions…", "Obrir codi…", "Nou sorteig" and
// `tirelo genera --versions` / `--codi` do with the batch.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Exercici.h"
#include "full/EscriptorFull.h"

namespace tirelo {

struct Programa;

inline constexpr int MinimVersions = 2;
inline constexpr int MaximVersions = 26;

// "A" for version 0, "B" for 1, ... "Z" for 25.
std::string LletraVersio(int versio);
// "full.rtf" -> "full-A.rtf": the version letter before the extension.
std::string CamiVersio(const std::string& cami, std::string_view lletra);
// n distinct 32-bit sheet seeds that follow from one base value.
std::vector<uint32_t> LlavorsDeVersions(uint64_t base, int n);

// A version of the exercises: the same structure, every generated exercise not edited
// by hand drawn anew from the sheet seed `llavor`, in order; exercises typed or edited
// by hand are kept as they are. When every exercise is generated, the version has its
// own code (shell/CodiFull.h).
std::vector<Exercici> VersioDelLot(const std::vector<Exercici>& exercicis, uint32_t llavor);

// The recipe drawn again from its seed: the exercise it gives, none if nothing came out.
std::optional<Exercici> DibuixaRecepta(const Recepta& recepta);

// Can the selected exercise be drawn anew (it has a recipe)?
bool PotSortejar(const Programa& prg);
// "Nou sorteig": the selected generated exercise replaced by a new draw of its recipe
// from a fresh seed, through the undo history. An exercise edited by hand asks first
// (its edits would be lost); a hand-made one has nothing to draw and stays.
void NouSorteig(Programa& prg);

// "Obrir codi…": asks for a code and opens its sheet (ObreCodiDe).
void ObreCodi(Programa& prg);
// Replaces the batch with the sheet of the code (asking first when the batch has
// unkept changes); a bad code is told and leaves the batch as it was. True when opened.
bool ObreCodiDe(Programa& prg, std::string_view codi);

// "Versions…": asks how many (2..26) and the save values, then writes the documents
// "<name>-A.rtf", "<name>-B.rtf", ... in the save folder, each with its key, and,
// through `pdf` when it is given, the typeset sheets "<name>-A.pdf", ... with the
// sheet options, each version's letter in the header and its code in the footer.
void DesaVersions(Programa& prg, const EscriptorFull& pdf);

}  // namespace tirelo
