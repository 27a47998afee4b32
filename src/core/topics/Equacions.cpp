// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Equacions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "batch/Serie.h"
#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "mathtext/Text.h"
#include "topics/Casos.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

// CR starts a paragraph; "#8 " indents it (and the ones after it) by 8 cm.
Frase SagnatSistema() { return Frase::Sagnat(8); }
// The series protocol appends the topic's closing text after the generator, so the
// multi-case generators keep room for it: a long series of systems must not lose it,
// or the indent would run on into the next text.
constexpr std::size_t kLlocSenseSagnat = TancamentEquacions.size();

// The largest magnitude of the drawn numbers by level: 5, 9 or 12.
int32_t MaxNivell(const ContextGenerador& ctx) { return PerNivell(ctx.nivell, 5, 9, 12); }

// A quadratic x² + Bx + C (or biquadratic x^4 + Bx² + C) and its real roots as text.
struct CasEq2 {
  int32_t B = 0, C = 0;
  std::string arrels;
};

// The roots are p and q: x² - (p+q)x + pq.
CasEq2 Quadratica(int32_t p, int32_t q) {
  CasEq2 cas{-p - q, p * q, TxtEnter(p)};
  if (q != p) cas.arrels += ", " + TxtEnter(q);  // a double root is given once
  return cas;
}

// The values of x² are p² and s: x^4 - (p²+s)x² + p²s. A negative s adds no real root.
CasEq2 Biquadratica(int32_t p, int32_t q, int32_t s) {
  CasEq2 cas{-(p * p + s), p * p * s, TxtEnter(p) + ", " + TxtEnter(-p)};
  if (q != p) {
    if (s > 0) cas.arrels += ", " + TxtEnter(q) + ", " + TxtEnter(-q);
    if (s == 0) cas.arrels += ", 0";
  }
  return cas;
}

// The second value q by form: any of 1..9 but -p (1..5 at level 1, +-1..12 at level
// 3), 0, or -p.
int32_t SegonValor(ContextGenerador& ctx, FormaEq2 forma, int32_t p) {
  switch (forma) {
    case FormaEq2::SenseTermeIndep: return 0;
    case FormaEq2::SenseTermeLineal: return -p;
    default: {
      int32_t q = 0;
      if (ctx.nivell >= kNivellMaxim) {
        do q = AleatNoNulMeitat(ctx.aleatori, MaxNivell(ctx)); while (q == -p);
        return q;
      }
      do q = ctx.Random(MaxNivell(ctx)) + 1; while (q == -p);
      return q;
    }
  }
}

// The second value of x² for a biquadratic, by form.
int32_t ValorQuadrat(FormaEq2 forma, int32_t p, int32_t q) {
  switch (forma) {
    case FormaEq2::SenseTermeIndep: return 0;
    case FormaEq2::SenseTermeLineal: return -p * p;
    default: return q * q;
  }
}

// One equation a·x + b·y = r, indented, with r carried in the y term's literal part.
Frase EquacioSistema(int32_t a, int32_t b, int32_t r) {
  return SagnatSistema() + TxtCoef(a, "x") + TxtCoefSig(b, "y = " + TxtEnter(r)) + "\r";
}

// Two non-zero coefficients divided by their gcd (signs kept).
void ParellReduit(ContextGenerador& ctx, int32_t& u, int32_t& v) {
  u = AleatNoNulNivell(ctx.aleatori, ctx.nivell, MaxNivell(ctx));
  v = AleatNoNulNivell(ctx.aleatori, ctx.nivell, MaxNivell(ctx));
  const int32_t g = Mcd(u, v);
  u /= g;
  v /= g;
}

}  // namespace

FormaEq2 TriaTipusEq2(ContextGenerador& ctx) {
  const FormaEq2 forma = ctx.demanaForma();
  if (forma == FormaEq2::Qualsevol) return static_cast<FormaEq2>(ctx.Random(3));
  return forma;
}

namespace {

// One quadratic (grau 2) or biquadratic (grau 4) equation; the form window opens first.
Cas CasEquacio(ContextGenerador& ctx, int grau) {
  const FormaEq2 forma = TriaTipusEq2(ctx);
  // 1..5 and positive at level 1; +-1..9, negative 4/9, at level 2; +-1..12, negative
  // half the time, at level 3.
  int32_t p = ctx.Random(MaxNivell(ctx)) + 1;
  const bool negatiu =
      ctx.nivell == kNivellHabitual ? ctx.Random(9) >= 5 : ctx.nivell >= kNivellMaxim && ctx.Random(2) == 0;
  if (negatiu) p = -p;
  const int32_t q = SegonValor(ctx, forma, p);
  const CasEq2 cas = grau == 4 ? Biquadratica(p, q, ValorQuadrat(forma, p, q)) : Quadratica(p, q);
  const Frase incognita = grau == 4 ? Frase("x") + Frase::Potencia("4") : Frase("x\xB2");
  return {incognita + TxtCoefSig(cas.B, grau == 4 ? "x\xB2" : "x") + TxtCoefSig(cas.C, "") + " = 0", cas.arrels};
}

// One system, its two equations each an indented paragraph after the label's.
Cas CasSistema(ContextGenerador& ctx) {
  const int32_t X = AleatNoNulNivell(ctx.aleatori, ctx.nivell, MaxNivell(ctx));
  const int32_t Y = AleatNoNulNivell(ctx.aleatori, ctx.nivell, MaxNivell(ctx));
  int32_t a = 0, b = 0, c = 0, d = 0;
  ParellReduit(ctx, a, b);
  ParellReduit(ctx, c, d);
  const int32_t r1 = a * X + b * Y;
  const int32_t r2 = c * X + d * Y;
  // Both right-hand sides come from the same (X, Y), so a zero determinant always
  // means the two equations are one: the system is never incompatible.
  const bool indeterminat = b * c == a * d && c * r1 == a * r2;
  return {"\r" + EquacioSistema(a, b, r1) + EquacioSistema(c, d, r2),
          indeterminat ? Frase(" sistema indeterminat (& solucions)")
                       : Frase("    x= " + TxtEnter(X) + ", y= " + TxtEnter(Y))};
}

}  // namespace

Generat GenEq1Grau(ContextGenerador& ctx) {
  FontAleatoria& rnd = ctx.aleatori;
  const int nv = ctx.nivell;
  const int32_t max = MaxNivell(ctx);
  const int32_t a = AleatNoNulNivell(rnd, nv, max);  // the solution
  int32_t b = AleatNoNulNivell(rnd, nv, max);
  // c = b would put the same x term on both sides, leaving x undetermined.
  int32_t c = 0;
  do c = AleatNoNulNivell(rnd, nv, max); while (c == b);
  const int32_t d = AleatNoNulNivell(rnd, nv, max);
  // At level 1 the larger x term goes on the left, so the constant on the right,
  // (b - c)·a + d, is positive too.
  if (nv <= kNivellMinim && b < c) std::swap(b, c);
  const int32_t e = (b - c) * a + d;
  return EscriuUnCas("Resol l'equaci\xF3:      ",
                     TxtCoef(b, "x") + TxtCoefSig(d, "") + " = " + TxtCoef(c, "x") + TxtCoefSig(e, ""),
                     " x = " + TxtEnter(a));
}

Generat GenEq2Grau(ContextGenerador& ctx, int grau) {
  return EscriuCasos(ctx, {"Resol l'equaci\xF3: ", "", {}, {}, kLlocSenseSagnat},
                     [grau](ContextGenerador& c) { return CasEquacio(c, grau); });
}

Generat GenSistema(ContextGenerador& ctx) {
  // Each system starts a paragraph with its label; the answers are separated as usual.
  return EscriuCasos(ctx,
              {"Resol (quan sigui possible) el sistema:\r" + SagnatSistema(), "", {"\r", false}, {},
               kLlocSenseSagnat},
              CasSistema);
}

ResultatGenerador GeneraEquacions(ContextGenerador& ctx, int subtipus) {
  switch (subtipus) {
    case 1: return Fet(GenEq1Grau(ctx));
    case 2: return Fet(GenEq2Grau(ctx, 2));
    case 3: return Fet(GenEq2Grau(ctx, 4));
    case 4: return Fet(GenSistema(ctx));
    default: return SubtipusDesconegut();
  }
}

}  // namespace tirelo
