// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Potencies.h"

#include <array>
#include <string>
#include <utility>

#include "mathtext/Termes.h"
#include "shell/Programa.h"

namespace tirelo {

namespace {

struct SubtipusPotencia {
  Cas (*genera)(Programa&);
  // The rule as the topic states it; in the document "^{" raises the whole braced
  // exponent (the preview raises only the brace).
  std::string_view regla;
};

constexpr std::array<SubtipusPotencia, 5> kSubtipus = {{
    {GenProducteBase, "a^m.a^n = a^{m+n}"},
    {GenDivisioBase, "a^m/a^n = a^{m-n}"},
    {GenProducteExponent, "a^n.b^n = (a.b)^n"},
    {GenDivisioExponent, "a^n/b^n = (a/b)^n"},
    {GenPotenciaPotencia, "(a^m)^n = a^{m.n}"},
}};

// Two different letters, drawn again as a pair while they coincide.
std::pair<std::string, std::string> DuesLletres(Programa& prg) {
  std::string l1, l2;
  do {
    l1 = LletraAleat(*prg.aleatori);
    l2 = LletraAleat(*prg.aleatori);
  } while (l1 == l2);
  return {l1, l2};
}

// Subtypes 1 and 2: two nonzero exponents in -5..5 on one letter, joined by signe.
Cas MateixaBase(Programa& prg, std::string_view signe, int direccio) {
  const int8_t m = AleatNoNul(*prg.aleatori, 5);
  const int8_t n = AleatNoNul(*prg.aleatori, 5);
  const std::string l = LletraAleat(*prg.aleatori);
  return {TxtPotenciaXifres(l, m) + std::string(signe) + TxtPotenciaXifres(l, n),
          TxtPotenciaXifres(l, m + direccio * n)};
}

// Subtypes 3 and 4: one exponent on two different letters, joined by signe.
Cas MateixExponent(std::string_view l1, std::string_view l2, int32_t e, std::string_view signe) {
  const std::string s(signe);
  return {TxtPotenciaXifres(l1, e) + s + TxtPotenciaXifres(l2, e),
          TxtPotenciaXifres("(" + std::string(l1) + s + std::string(l2) + ")", e)};
}

}  // namespace


std::string_view ReglaPotencies(int subtipus) {
  if (subtipus < 1 || subtipus > static_cast<int>(kSubtipus.size())) return {};
  return kSubtipus[static_cast<std::size_t>(subtipus - 1)].regla;
}

void GenPotencies(Programa& prg, int subtipus) {
  if (subtipus < 1 || subtipus > static_cast<int>(kSubtipus.size())) return;
  const SubtipusPotencia& s = kSubtipus[static_cast<std::size_t>(subtipus - 1)];
  EscriuCasos(prg, "Calcula: ", s.genera);
  prg.exercici.pista = std::string(s.regla);
}

Cas GenProducteBase(Programa& prg) { return MateixaBase(prg, "\xB7", 1); }

Cas GenDivisioBase(Programa& prg) { return MateixaBase(prg, "/", -1); }

Cas GenProducteExponent(Programa& prg) {
  const int32_t e = prg.Random(5) + 2;
  const auto [l1, l2] = DuesLletres(prg);
  return MateixExponent(l1, l2, e, ".");
}

Cas GenDivisioExponent(Programa& prg) {
  const auto [l1, l2] = DuesLletres(prg);
  const int32_t e = prg.Random(5) + 2;
  return MateixExponent(l1, l2, e, "/");
}

Cas GenPotenciaPotencia(Programa& prg) {
  const int32_t m = prg.Random(5) + 2;
  int32_t n = 0;
  do {
    n = prg.Random(5) + 2;
  } while (n == m);
  const std::string l = LletraAleat(*prg.aleatori);
  return {"(" + TxtPotenciaXifres(l, m) + ")" + ExpSup(n), TxtPotenciaXifres(l, m * n)};
}

}  // namespace tirelo
