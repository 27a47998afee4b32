// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Sheet codes: a short text a teacher copies by hand from which the program draws a
// whole sheet again, byte for byte. A code holds the generator version, the sheet
// options, the sheet's series in order (stable subtype id, level, cases, equation
// form, number of exercises), the hint placement and one 32-bit sheet seed, plus a
// check character. docs/codi.md describes the format; codes of its first version are
// read still.
//
//   const auto codi = CodiDelLot(prg.lot.Exercicis());      // "7KQ2M..." or none
//   const auto full = LlegeixCodi("7kq2m...");              // FullCodificat or ErrorCodi
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/Exercici.h"
#include "shell/Genera.h"

namespace tirelo {

// The 31 symbols of a code, in value order: no 0, 1, I, L or O, which are easily
// mistaken for one another when copied by hand.
inline constexpr std::string_view AlfabetCodi = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
// Longest text LlegeixCodi takes (separators included).
inline constexpr std::size_t LlargadaMaximaCodi = 200;

// The version of the generators: what a recipe draws. It goes up when a change makes
// some recipe draw other texts; a code of a later version than the program's is
// refused, since this program would draw another sheet from it.
inline constexpr int VersioGenerador = 1;

// What a code carries.
struct FullCodificat {
  uint32_t llavor = 0;                // the sheet seed: the random source starts from it
  int pista = 0;                      // hint placement 0..2 of every exercise
  std::vector<SerieDemanada> series;  // in order; forma set where the subtype asks it
  bool respostesSimplificades = true; // the sheet's "Respostes simplificades" option
  bool resolucio = false;             // the sheet's worked-solutions option
  int versioGenerador = VersioGenerador;
  bool operator==(const FullCodificat&) const = default;
};

// One line that says what is wrong with a code (UTF-8).
struct ErrorCodi {
  std::string missatge;
};

// The code of a sheet; none when its series are not the catalogue's or hold more than
// 50 exercises.
std::optional<std::string> EscriuCodi(const FullCodificat& full);
// The same sheet in the first version of the format, which carried neither levels nor
// options; none for a sheet it cannot say. Only to show that old codes read the same.
std::optional<std::string> EscriuCodiVersio1(const FullCodificat& full);
// Reads a code of either version: case does not matter, and spaces and hyphens between
// its characters are ignored. A mistyped character is refused by the check character;
// a code of a later generator version than the program's is refused with a message
// that says to update the program.
std::variant<FullCodificat, ErrorCodi> LlegeixCodi(std::string_view text);

// The options that draw the sheet a code carries (its answers simplified or not).
OpcionsGenera OpcionsDelCodi(const FullCodificat& full);

// The series that draw these recipes in order: runs of equal recipes, each run one
// series. Neighbouring runs of one topic are one visit of it (mateixaVisita) or two.
std::vector<SerieDemanada> SeriesDeLesReceptes(const std::vector<Recepta>& receptes, bool mateixaVisita);

// The code of these exercises, when drawing some code gives exactly them (same
// recipes, seeds, texts and hint placement); none otherwise: an exercise typed or
// edited by hand, moved, deleted or drawn anew, or a seed no code can carry. The code
// carries the sheet's options: answers in simplest form, worked solutions.
std::optional<std::string> CodiDelLot(const std::vector<Exercici>& exercicis, bool respostesSimplificades = true,
                                      bool resolucio = false);
// The same for a sheet drawn from these series and seed, as `tirelo genera` draws it.
std::optional<std::string> CodiDeLesSeries(const std::vector<Exercici>& exercicis,
                                           const std::vector<SerieDemanada>& series, int forma, int pista,
                                           uint64_t llavor, bool respostesSimplificades = true,
                                           bool resolucio = false);

}  // namespace tirelo
