// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// What a sheet holds, in order, before any output sets it out: the groups of texts
// that stay together on a page (an exercise's statement, answer space and, in layout
// 0, its answer), and where the answer key starts. The sheet composer and the LaTeX
// writer both walk it, so that the two outputs hold the same sheet.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Exercici.h"
#include "full/Full.h"

namespace tirelo {

struct TextFull {
  bool ambResp = false;                  // "Resp:" before it: an answer in layout 0
  std::string text;                      // markup
  Model matematiques;                    // what the outputs set: the exercise's mathematics of it
  std::optional<std::string> comentari;  // the hint's paragraph, "  Comentari: " and the hint
  int espai = 0;                         // lines of answer space after it
};

struct GrupFull {
  int numero = 1;                // the exercise's number, shown as "1)"
  bool respostesAbans = false;   // the answer key ("Respostes", on a new page) starts here
  std::vector<TextFull> textos;  // kept together on one page when they fit
};

std::vector<GrupFull> PartsDelFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions);

// The title line's texts (Windows-1252): the title, and "Versió A" when the sheet has
// a version letter; the header lines, when asked.
inline constexpr const char* kLiniesCapcalera[] = {"Nom:", "Curs:", "Data:"};
std::string TextVersio(const OpcionsFull& opcions);
// The sheet code in groups of four characters, "7Z83 AJDA WNZ9", easier to copy by
// hand; the code reader skips the blanks.
std::string CodiEnGrups(std::string_view codi);

}  // namespace tirelo
