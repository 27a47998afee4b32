// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Saving the batch as an RTF document in the folder "Exerc", and opening it with the
// desktop's program for ".rtf" files.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/Document.h"

namespace tirelo {

struct Programa;
class Lot;
struct ValorsDesar;

// Asks for the save values, writes the document; false when nothing was written
// (empty batch, cancelled, empty name) or writing failed (the user is told why).
// The batch is never touched.
bool Desa(Programa& prg);
// Asks for the save values and gives the path "Exerc/<name><extensio>" to write;
// nullopt when nothing is to be written: an empty batch, a cancel, an empty name, a
// refused name or folder (the user is told why), or the user keeps what is there.
std::optional<std::filesystem::path> DemanaCamiDesar(Programa& prg, std::string_view extensio);
// Opens the document last written, saving first when none has been written for
// this batch.
void ObreEnEditor(Programa& prg);

// Writes the batch as a document at exactly this path, in the layout and with the
// title of `valors`, without asking anything; the failure, if any.
std::optional<FalladaDocument> EscriuLot(const Lot& lot, const ValorsDesar& valors,
                                         const std::filesystem::path& cami);

// The folder "Exerc" below the current directory, created when nothing of that name
// exists; nullopt, after a notice, when it cannot be had.
std::optional<std::filesystem::path> CarpetaExerc(Programa& prg);
// When something is at cami already, asks whether to replace it (default "No");
// true when there is nothing there or the user answered Yes.
bool PreguntaSubstituir(Programa& prg, const std::filesystem::path& cami);
// Tells the user where a saved file went.
void InformaDesat(Programa& prg, const std::filesystem::path& cami);
// A system text (a path, a reason) for a notice: Windows-1252 when it converts,
// otherwise its ASCII characters.
std::string TextDelSistema(std::string_view text);

// Checks a file name typed in the save window (Windows-1252): it must be a plain name
// that lands inside "Exerc" once ".rtf" is added. Gives the notice text (Windows-1252)
// that says why a name is refused, nullopt when it can be used. An empty name passes:
// saving with it simply writes nothing.
std::optional<std::string> ValidaNomFitxer(std::string_view nom);
// Caption of the notice of a refused name.
inline constexpr std::string_view TitolNomNoValid = "Nom de fitxer no v\xE0lid";
// Caption of the notices of a failed save.
inline constexpr std::string_view TitolNoDesat = "No s'ha pogut desar";

// The notice when the desktop has no program for the document: where the document
// is, and what opens it on this desktop.
inline constexpr std::string_view TitolCalEditor = "Cal un editor de fitxers .rtf";
std::string TextCalEditor(const std::string& cami);

}  // namespace tirelo
