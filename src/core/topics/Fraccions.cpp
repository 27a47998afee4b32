// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Fraccions.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "batch/Serie.h"
#include "mathtext/Nombres.h"
#include "topics/Casos.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

// Four RTF tab words: they pass the exercise markup unchanged.
constexpr const char* T4 = "\\tab \\tab \\tab \\tab ";
constexpr const char* CrLf = "\r\n";

// " + ", " - ", " . ", " ÷ " by operation code.
std::string TxtOperador(int operacio) {
  static constexpr char kSignes[] = {'+', '-', '.', '\xF7'};
  return std::string(" ") + kSignes[operacio] + " ";
}

// Lines set under one another, each after the four tab words: fractions stacked by
// hand, one line for the numerators, one for the bars, one for the denominators.
Frase Apilades(std::initializer_list<std::string> linies) {
  Frase f;
  for (const std::string& linia : linies) {
    if (!f.Buida()) f += CrLf;
    f += T4 + linia;
  }
  return f;
}

// Whether n/d repeats the previous case: both texts inside the previous ones.
bool EsRepeteix(const std::string& n, const std::string& d, const std::string& nAnterior,
                const std::string& dAnterior) {
  return nAnterior.find(n) != std::string::npos && dAnterior.find(d) != std::string::npos;
}

}  // namespace

std::string TxtFraccio(int32_t n, int32_t d) {
  if (d <= 1) return TxtEnter(n);
  return TxtEnter(n) + "/" + TxtEnter(d);
}

Generat GenSimplificacio(ContextGenerador& ctx) {
  std::string nAnterior, dAnterior;
  // k·a / k·b: a in 1..5, 1..9 or 1..15, b in 2..6, 3..11 or 3..17, k in 2..3, 2..4
  // or 2..7 by level.
  const int nv = ctx.nivell;
  const int32_t maxA = PerNivell(nv, 5, 9, 15), nB = PerNivell(nv, 5, 9, 15), minB = PerNivell(nv, 2, 3, 3);
  const int32_t nK = PerNivell(nv, 2, 3, 6);
  const Generat g = EscriuCasos(ctx, "Simplifica: ", [&](ContextGenerador& p) {
    uint16_t n = 0, d = 0;
    std::string tn, td;
    do {
      uint16_t a = 0, b = 0;
      do {
        a = static_cast<uint16_t>(p.Random(maxA) + 1);
        b = static_cast<uint16_t>(p.Random(nB) + minB);
      } while (a == b);
      const auto k = static_cast<uint16_t>(p.Random(nK) + 2);
      n = static_cast<uint16_t>(k * a);
      d = static_cast<uint16_t>(k * b);
      tn = TxtEnter(n);
      td = TxtEnter(d);
    } while (EsRepeteix(tn, td, nAnterior, dAnterior));
    nAnterior = tn;
    dAnterior = td;
    const int32_t g = Mcd(n, d);
    return Cas{tn + "/" + td, TxtFraccio(n / g, d / g)};
  });
  return AmbPista(g, "(factoritzant adalt i abaix i eliminant all\xF2 com\xFA)");
}

std::optional<Generat> GenOperacioFraccions(ContextGenerador& ctx, int operacio) {
  if (operacio < 0 || operacio > 3) return std::nullopt;
  int32_t a1 = 0, b1 = 0, a2 = 0, b2 = 0;
  // Numerators up to 5, 9 or 15 and denominators up to 6, 9 or 19 by level. At level 3
  // a sum or a difference has denominators that share a factor without one dividing
  // the other, so their common multiple is neither their product nor one of them.
  const int nv = ctx.nivell;
  const int32_t maxNum = PerNivell(nv, 5, 9, 15), maxDen = PerNivell(nv, 6, 9, 19);
  do {
    FraccioAleat(ctx.aleatori, a1, b1, maxNum, maxDen);
    FraccioAleat(ctx.aleatori, a2, b2, maxNum, maxDen);
  } while (nv >= kNivellMaxim && operacio <= 1 && (Mcd(b1, b2) == 1 || b1 % b2 == 0 || b2 % b1 == 0));
  // At level 1 a difference is not negative: the larger fraction goes first.
  if (nv <= kNivellMinim && operacio == 1 && a1 * b2 < a2 * b1) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }

  int32_t n = 0, d = 0;
  if (operacio <= 1) {
    d = Mcm(b1, b2);
    n = Opera(operacio, d / b1 * a1, d / b2 * a2);
  } else if (operacio == 2) {
    n = a1 * a2;
    d = b1 * b2;
  } else {
    n = a1 * b2;
    d = b1 * a2;
  }
  Simplifica(n, d);

  // Numerators over a bar line with the sign over denominators; the one space after
  // the tabs puts single digits over the middle of each "---".
  const Frase enunciat = Apilades({" " + TxtEnter(a1) + "     " + TxtEnter(a2), "---" + TxtOperador(operacio) + "---",
                                   " " + TxtEnter(b1) + "     " + TxtEnter(b2)});
  std::string pista;
  if (operacio <= 1) {
    pista = "(Nota: calcula el MCM dels denominadors, etc...  Simplifica el resultat)";
  } else if (operacio == 2) {
    pista = "(Nota: N1/D1 . N2/D2 = N1.N2 / D1.D2  Simplifica el resultat)";
  } else {
    pista = "(a/b " + TxtOperador(operacio) + " c/d  =  a.d / c.b )";
  }
  const Frase resposta = d > 1 ? Apilades({" " + TxtEnter(n), "---", " " + TxtEnter(d)}) : Apilades({" " + TxtEnter(n)});
  return EscriuUnCas(std::string("Calcula:") + CrLf, enunciat, resposta, pista);
}

ResultatGenerador GeneraFraccions(ContextGenerador& ctx, int subtipus) {
  if (subtipus == 1) return Fet(GenSimplificacio(ctx));
  // operation code: 0 Suma, 1 Resta, 2 Multiplicació, 3 Divisió
  if (subtipus < 2) return SubtipusDesconegut();
  auto g = GenOperacioFraccions(ctx, subtipus - 2);
  return g ? Fet(std::move(*g)) : SubtipusDesconegut();
}

}  // namespace tirelo
