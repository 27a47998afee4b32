// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Saving the batch as an RTF document in the folder "Exerc" through the save window,
// and opening it with the desktop's program for ".rtf" files.
#include <filesystem>
#include <optional>
#include <string_view>

namespace tirelo {

struct Programa;

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

// The folder "Exerc" in the program's working folder, created when nothing of that
// name exists; nullopt, after a notice, when it cannot be had.
std::optional<std::filesystem::path> CarpetaExerc(Programa& prg);
// When something is at cami already, asks whether to replace it (default "No");
// true when there is nothing there or the user answered Yes.
bool PreguntaSubstituir(Programa& prg, const std::filesystem::path& cami);
// Tells the user where a saved file went.
void InformaDesat(Programa& prg, const std::filesystem::path& cami);

}  // namespace tirelo
