// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Batch files (".tirelo"): the batch kept as UTF-8 JSON, so that it can be reopened
// in the program or turned into a document by `tirelo genera --lot`. docs/lot.md
// describes the format.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/Exercici.h"
#include "shell/Genera.h"

namespace tirelo {

inline constexpr std::string_view ExtensioLot = ".tirelo";
inline constexpr std::string_view FormatLot = "tirelo-lot";
// The version written; version 1 files (recipes without a level) are read still.
inline constexpr int VersioLot = 2;
// A batch file larger than this is not a batch of 50 exercises.
inline constexpr std::uintmax_t MidaMaximaLot = 4 * 1024 * 1024;

// What a batch file holds: the exercises in order and the document's title and layout.
struct ContingutLot {
  std::vector<Exercici> exercicis;
  std::string titol;          // Windows-1252, at most 255
  int32_t disposicio = 1;     // 0 or 1, as the save window
  bool respostesSimplificades = true;  // the typeset sheet's answers in simplest form
  bool resolucio = false;              // the typeset key's worked solutions
};

// Why a batch file was refused: what is wrong and where (Windows-1252, for a notice).
struct ErrorLot {
  std::string missatge;
};

// The batch file's text (UTF-8 JSON, ending in a line feed).
std::string EscriuJsonLot(const ContingutLot& contingut);
// Reads a batch file's text. Recipes are checked against `temes` (DescriuTemes()).
std::variant<ContingutLot, ErrorLot> LlegeixJsonLot(std::string_view text, const std::vector<DescripcioTema>& temes);

// Writes a batch file atomically; the system's reason when it failed.
std::optional<std::string> DesaFitxerLot(const ContingutLot& contingut, const std::filesystem::path& cami);
// Reads a batch file from disk; a file that cannot be read is an ErrorLot too.
std::variant<ContingutLot, ErrorLot> ObreFitxerLot(const std::filesystem::path& cami,
                                                   const std::vector<DescripcioTema>& temes);

struct Programa;

// "Desar &lot…": asks where (in "Exerc"), asks before replacing a file, writes the batch.
void DesaLot(Programa& prg);
// Puts these exercises in place of the batch, through the undo history, the first one
// selected; asks first when the batch has unkept changes ("Vols substituir-lo " and
// perQue, such as "pel lot del fitxer"). False when the user kept the batch.
bool SubstitueixLot(Programa& prg, const std::vector<Exercici>& exercicis, std::string_view perQue);
// "&Obrir lot…": asks which file, then ObreLotDe.
void ObreLot(Programa& prg);
// Replaces the batch with a batch file's (asking first when the batch has unkept
// changes); a bad file is told and leaves the batch as it was. True when opened.
bool ObreLotDe(Programa& prg, const std::string& cami);

}  // namespace tirelo
