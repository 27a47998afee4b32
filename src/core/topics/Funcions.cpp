// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Funcions.h"

#include <algorithm>
#include <array>
#include <string>

#include "batch/Serie.h"
#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "mathtext/Text.h"
#include "topics/Casos.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

// The statement headers of the parabola subtypes.
constexpr const char* kEquacioParabola = "Equaci\xF3 de la par\xE0" "bola ";
constexpr const char* kInterseccions =
    "Troba les interseccions de la par\xE0" "bola i recta seg\xFC" "ents:\r\n";

// Uniform over lo..hi; the values are small enough for the 8-bit draw.
int32_t AleatEntre(FontAleatoria& rnd, int32_t lo, int32_t hi) {
  return AleatCar(rnd, static_cast<int8_t>(lo), static_cast<int8_t>(hi));
}

std::string TxtPunt(int32_t x, int32_t y) { return "(" + TxtEnter(x) + "," + TxtEnter(y) + ")"; }

// A parabola with its vertex abscissa h and three points of it; X[0] is h.
struct ParabolaAmbPunts {
  Parabola par;
  int32_t h = 0;
  std::array<int32_t, 4> X{}, Y{};
};

// Draws the vertex abscissa, a and c, then three points with different abscissas,
// the first of them not the vertex.
// By level: h in 0..2, -3..3 or -5..5; a in 1..2, +-1..3 or +-1..4; c in 0..4, -3..5
// or -9..9; the abscissas within 2, 3 or 4 of h. At level 1 no coordinate is
// negative: the drawn c is the vertex's ordinate (c + a·h² the constant term) and the
// abscissas are 0 or more.
ParabolaAmbPunts AleatParabola(FontAleatoria& rnd, int nivell) {
  ParabolaAmbPunts r;
  const bool facil = nivell <= kNivellMinim;
  const int32_t h = PerNivell(nivell, 0, 3, 5);
  const int32_t cMin = PerNivell(nivell, 0, -3, -9), cMax = PerNivell(nivell, 4, 5, 9);
  const int32_t dispersio = PerNivell(nivell, 2, 3, 4);
  r.h = AleatEntre(rnd, -h, facil ? 2 : h);
  r.par.a = AleatNoNulNivell(rnd, nivell, PerNivell(nivell, 2, 3, 4));
  r.par.b = -2 * r.par.a * r.h;
  r.par.c = AleatEntre(rnd, cMin, cMax);
  if (facil) r.par.c += r.par.a * r.h * r.h;
  r.X[0] = r.h;
  const int32_t xMin = facil ? std::max(0, r.h - dispersio) : r.h - dispersio;
  for (int k = 1; k <= 3; ++k) {
    do {
      r.X[k] = AleatEntre(rnd, xMin, r.h + dispersio);
      r.Y[k] = ValorParabola(r.par, r.X[k]);
    } while (r.X[k] == r.X[k - 1] || (k == 3 && r.X[3] == r.X[1]));
  }
  return r;
}

std::string TxtParabola(const Parabola& p) {
  return "y = " + TxtCoef(p.a, "x\xB2") + TxtCoefSig(p.b, "x") + TxtCoefSig(p.c, "");
}

// The line through the first two points: dx·y - dy·x + X1·dy - dx·Y1 = 0, with dx, dy
// reduced. dx is never 0, since the two abscissas differ.
std::string TxtRectaPelsPunts(const ParabolaAmbPunts& r) {
  int32_t dx = r.X[2] - r.X[1];
  int32_t dy = r.Y[2] - r.Y[1];
  Simplifica(dx, dy);
  return TxtCoef(dx, "y") + TxtCoefSig(-dy, "x") + TxtCoefSig(r.X[1] * dy - dx * r.Y[1], "") + " = 0";
}

// One parabola case of the subtype: its statement piece and its answer piece.
Cas CasParabola(int subtipus, const ParabolaAmbPunts& r) {
  const std::string P = TxtParabola(r.par);
  switch (subtipus) {
    case 3: {
      std::string punts = "que passa pels punts: ";
      for (int k = 1; k <= 3; ++k) punts += " " + TxtPunt(r.X[k], r.Y[k]);
      return {punts, "    " + P};
    }
    case 4:
      return {"que t\xE9 com a v\xE8rtex  " + TxtPunt(r.h, ValorParabola(r.par, r.h)) +
                  " i passa pel punt: " + TxtPunt(r.X[1], r.Y[1]),
              "    " + P};
    default:
      return {P + " i  " + TxtRectaPelsPunts(r),
              "         " + TxtPunt(r.X[1], r.Y[1]) + "  " + TxtPunt(r.X[2], r.Y[2])};
  }
}

}  // namespace

int32_t ValorParabola(const Parabola& p, int32_t x) { return p.a * x * x + p.b * x + p.c; }

Generat GenRecta(ContextGenerador& ctx, int subtipus) {
  FontAleatoria& rnd = ctx.aleatori;
  // By level: the slope 1..2, +-1..3 or +-1..6 (negative half the time from level 2),
  // the point's coordinates 1..3, +-1..3 or +-1..6, the step to the second point 1..2,
  // +-1..3 or +-1..6.
  const int nv = ctx.nivell;
  const int32_t max = PerNivell(nv, 3, 3, 6);
  const int32_t m = nv <= kNivellMinim ? ctx.Random(2) + 1 : AleatNoNulMeitat(rnd, max);
  const int32_t x1 = AleatNoNulNivell(rnd, nv, max);
  const int32_t y1 = AleatNoNulNivell(rnd, nv, max);
  const int32_t n = y1 - m * x1;
  const int32_t d = AleatNoNulNivell(rnd, nv, PerNivell(nv, 2, 3, 6));  // never 0, so the two points differ
  const int32_t x2 = x1 + d;
  const int32_t y2 = y1 + m * d;
  const std::string descripcio =
      subtipus == 1 ? " que t\xE9 pendent " + TxtEnter(m) + " i passa pel punt  " + TxtPunt(x1, y1)
                    : " que passa pels punts  " + TxtPunt(x1, y1) + " i " + TxtPunt(x2, y2);
  // The data are words and numbers: the whole sentence is the case's statement.
  return EscriuUnCas("", Talla("Troba l'equaci\xF3 de la recta " + descripcio), " y = " + TxtCoef(m, "x") + TxtCoefSig(n, ""));
}

Generat GenParabola(ContextGenerador& ctx, int subtipus) {
  // The cases are separated by ",  " as in the other topics: with nothing between
  // them a label ran into the number before it ("y = 3x²-18x-2b)" read as "-2b").
  const char* capcalera = subtipus == 5 ? kInterseccions : kEquacioParabola;
  return EscriuCasos(ctx, EntornCasos{capcalera, {}},
                     [subtipus](ContextGenerador& c) {
                       return CasParabola(subtipus, AleatParabola(c.aleatori, c.nivell));
                     });
}

ResultatGenerador GeneraFuncions(ContextGenerador& ctx, int subtipus) {
  if (subtipus == 1 || subtipus == 2) return Fet(GenRecta(ctx, subtipus));
  if (subtipus >= 3 && subtipus <= 5) return Fet(GenParabola(ctx, subtipus));
  return SubtipusDesconegut();
}

}  // namespace tirelo
