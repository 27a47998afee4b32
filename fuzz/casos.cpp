// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the count field of the series window with arbitrary bytes. Besides crashes
// and undefined behaviour, it checks what every reading must keep: an accepted count
// is 1..255 and is exactly the number written, blanks around the text change
// nothing, and the text is refused as "not a number" exactly when it is not an
// optional sign followed by decimal digits.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Propietat.h"
#include "batch/Serie.h"

namespace {

using tirelo::CampCasos;
using tirelo::LecturaCasos;
using tirelo::LlegeixCampCasos;

bool Blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view SenseBlancs(std::string_view s) {
  while (!s.empty() && Blanc(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blanc(s.back())) s.remove_suffix(1);
  return s;
}

bool EsXifra(char c) { return c >= '0' && c <= '9'; }

// An optional sign and at least one decimal digit, nothing else.
bool EsEnter(std::string_view s) {
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  if (s.empty()) return false;
  for (char c : s)
    if (!EsXifra(c)) return false;
  return true;
}

// The value of the digits, saturated well above the accepted range.
long ValorSaturat(std::string_view xifres) {
  long v = 0;
  for (char c : xifres) {
    v = v * 10 + (c - '0');
    if (v > 100000) return 100000;
  }
  return v;
}

bool Igual(const CampCasos& a, const CampCasos& b) { return a.lectura == b.lectura && a.valor == b.valor; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const CampCasos r = LlegeixCampCasos(text);
  const std::string_view nu = SenseBlancs(text);

  switch (r.lectura) {
    case LecturaCasos::Valid:
      Comprova(r.valor >= 1 && r.valor <= 255, "an accepted count is 1..255");
      Comprova(EsEnter(nu) && nu.front() != '-', "only a non-negative whole number is accepted");
      Comprova(ValorSaturat(nu.front() == '+' ? nu.substr(1) : nu) == r.valor, "the count is the number written");
      Comprova(LlegeixCampCasos(std::to_string(r.valor)).valor == r.valor, "the count reads back as written");
      break;
    case LecturaCasos::ForaDeRang:
      Comprova(r.valor == 0, "a refused count carries no value");
      Comprova(nu.empty() || EsEnter(nu), "out of range is said only of numbers and of a blank field");
      break;
    case LecturaCasos::NoEsNombre:
      Comprova(r.valor == 0, "a refused count carries no value");
      Comprova(!nu.empty() && !EsEnter(nu), "not a number is said only of what is not one");
      break;
  }
  if (EsEnter(nu)) {
    const bool negatiu = nu.front() == '-';
    const long v = ValorSaturat(nu.substr(nu.front() == '+' || negatiu ? 1 : 0));
    const bool dinsRang = !negatiu && v >= 1 && v <= 255;
    Comprova(dinsRang == (r.lectura == LecturaCasos::Valid), "a number is accepted exactly when it is 1..255");
  }

  // Blanks around the text, as a person may type them, change nothing.
  const std::string envoltat = " \t" + std::string(text) + "\r\n ";
  Comprova(Igual(LlegeixCampCasos(envoltat), r), "surrounding blanks are ignored");
  return 0;
}
