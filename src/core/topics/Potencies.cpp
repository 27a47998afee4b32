// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Potencies.h"

#include <array>
#include <string>
#include <utility>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

struct SubtipusPotencia {
  Cas (*genera)(ContextGenerador&);
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
std::pair<std::string, std::string> DuesLletres(ContextGenerador& ctx) {
  std::string l1, l2;
  do {
    l1 = LletraAleat(ctx.aleatori);
    l2 = LletraAleat(ctx.aleatori);
  } while (l1 == l2);
  return {l1, l2};
}

// Subtypes 1 and 2: two nonzero exponents on one letter, joined by signe: 1..4, -5..5
// or -9..9 by level.
Cas MateixaBase(ContextGenerador& ctx, std::string_view signe, int direccio) {
  const int32_t max = PerNivell(ctx.nivell, 4, 5, 9);
  int32_t m = AleatNoNulNivell(ctx.aleatori, ctx.nivell, max);
  int32_t n = AleatNoNulNivell(ctx.aleatori, ctx.nivell, max);
  // At level 1 a quotient's exponent is not negative: the larger one goes above.
  if (ctx.nivell <= kNivellMinim && direccio < 0 && m < n) std::swap(m, n);
  const std::string l = LletraAleat(ctx.aleatori);
  return {PotenciaXifres(l, m) + signe + PotenciaXifres(l, n), PotenciaXifres(l, m + direccio * n)};
}

// Subtypes 3 and 4: one exponent on two different letters, joined by signe.
Cas MateixExponent(std::string_view l1, std::string_view l2, int32_t e, std::string_view signe) {
  const std::string s(signe);
  return {PotenciaXifres(l1, e) + s + PotenciaXifres(l2, e),
          PotenciaXifres("(" + std::string(l1) + s + std::string(l2) + ")", e)};
}

// The largest exponent of subtypes 3..5 by level: 4, 6 or 8 (a power of a power then
// stays within 64, the largest letter exponent the checker reads).
int32_t ExponentMaxim(int nivell) { return PerNivell(nivell, 4, 6, 8); }

// The exponent of subtypes 3 and 4 and the first of subtype 5: 2 up to ExponentMaxim,
// and at level 3 negative half the time.
int32_t ExponentNivell(ContextGenerador& ctx) {
  int32_t e = ctx.Random(ExponentMaxim(ctx.nivell) - 1) + 2;
  if (ctx.nivell >= kNivellMaxim && ctx.Random(2) == 0) e = -e;
  return e;
}

}  // namespace


std::string_view ReglaPotencies(int subtipus) {
  if (subtipus < 1 || subtipus > static_cast<int>(kSubtipus.size())) return {};
  return kSubtipus[static_cast<std::size_t>(subtipus - 1)].regla;
}

ResultatGenerador GenPotencies(ContextGenerador& ctx, int subtipus) {
  if (subtipus < 1 || subtipus > static_cast<int>(kSubtipus.size())) return SubtipusDesconegut();
  const SubtipusPotencia& s = kSubtipus[static_cast<std::size_t>(subtipus - 1)];
  return Fet(AmbPista(EscriuCasos(ctx, "Calcula: ", s.genera), Frase::Marcat(s.regla)));
}

Cas GenProducteBase(ContextGenerador& ctx) { return MateixaBase(ctx, "\xB7", 1); }

Cas GenDivisioBase(ContextGenerador& ctx) { return MateixaBase(ctx, "/", -1); }

Cas GenProducteExponent(ContextGenerador& ctx) {
  const int32_t e = ExponentNivell(ctx);
  const auto [l1, l2] = DuesLletres(ctx);
  return MateixExponent(l1, l2, e, ".");
}

Cas GenDivisioExponent(ContextGenerador& ctx) {
  const auto [l1, l2] = DuesLletres(ctx);
  const int32_t e = ExponentNivell(ctx);
  return MateixExponent(l1, l2, e, "/");
}

Cas GenPotenciaPotencia(ContextGenerador& ctx) {
  const int32_t m = ExponentNivell(ctx);
  int32_t n = 0;
  do {
    n = ctx.Random(ExponentMaxim(ctx.nivell) - 1) + 2;
  } while (n == m);
  const std::string l = LletraAleat(ctx.aleatori);
  return {"(" + PotenciaXifres(l, m) + ")" + Frase::Exponent(TxtEnter(n)), PotenciaXifres(l, m * n)};
}

}  // namespace tirelo
