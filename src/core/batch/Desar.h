// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The batch as an RTF document, and the checks and notice texts of saving it. Asking
// for the values and the folder is the commands' part (shell/DesarDocument.h).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/Document.h"

namespace tirelo {

class Lot;

// The save window's values, proposed on opening and kept when accepted.
struct ValorsDesar {
  std::string nomFitxer;      // without folder and extension, at most 255
  std::string titol;          // document title, at most 255
  int32_t disposicio = 1;     // 0 statement/answer together, 1 all statements then all answers
  bool operator==(const ValorsDesar&) const = default;
};

inline constexpr std::string_view ExtensioDocument = ".rtf";

// Writes the batch as a document at exactly this path, in the layout and with the
// title of `valors`, without asking anything; the failure, if any (a failure to
// create the file is OperacioFitxer::Crear). With `resolucio`, each answer is followed
// by its cases' worked solutions, a line per step.
std::optional<FalladaDocument> EscriuLot(const Lot& lot, const ValorsDesar& valors,
                                         const std::filesystem::path& cami, bool resolucio = false);

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
