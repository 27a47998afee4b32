// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the readable text of the exercise markup with arbitrary bytes. Besides
// crashes, leaks and undefined behaviour, it checks the shape every result has: lines
// separated by one '\n', none empty, none with a blank at either end or two blanks in
// a row, no control character; and text free of markup and of signs the linear
// notation writes its own way ("·" for a written product, "^2") keeps every character
// but blanks, in order.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Propietat.h"
#include "document/TextLlegible.h"

namespace {

void ComprovaForma(std::string_view llegible) {
  Comprova(llegible.empty() || (llegible.front() != '\n' && llegible.back() != '\n'),
           "no break at either end");
  Comprova(llegible.find("\n\n") == std::string_view::npos, "no empty line");
  Comprova(llegible.find("  ") == std::string_view::npos, "blanks folded");
  Comprova(llegible.find(" \n") == std::string_view::npos && llegible.find("\n ") == std::string_view::npos,
           "lines trimmed");
  Comprova(llegible.empty() || (llegible.front() != ' ' && llegible.back() != ' '), "text trimmed");
  for (const char c : llegible) {
    Comprova(c == '\n' || static_cast<unsigned char>(c) >= 32, "no control character");
  }
}

// The text without its blanks and brackets: what the readable text keeps of plain text,
// in order (it may fold, add or drop blanks around labels, brackets and operators; it
// brackets a compound part of a fraction it writes "a/b", and a part that is one group
// alone loses that group's brackets).
std::string SenseBlancs(std::string_view text) {
  std::string r;
  for (const char c : text) {
    if (c != ' ' && c != '(' && c != ')' && c != '[' && c != ']') r += c;
  }
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string llegible = tirelo::TextLlegible(text);
  ComprovaForma(llegible);
  bool pla = true;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || c == '^' || c == '_' || c == '#' || c == '\\' || c == '{' || c == '}') pla = false;
    // A "." or "*" between factors is the product sign "·", and "²" the power "^2".
    if (c == '.' || c == '*' || u == 0xB2 || u == 0xB3 || u == 0xB9) pla = false;
  }
  if (pla) Comprova(SenseBlancs(llegible) == SenseBlancs(text), "plain text keeps every character but blanks");
  return 0;
}
