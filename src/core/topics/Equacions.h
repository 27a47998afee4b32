// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: equations and systems. Every equation is built backwards from integer
// solutions drawn first, so that the answers are small integers.
#include <string_view>

#include "topics/FormaEq2.h"
#include "topics/Generador.h"

namespace tirelo {

// Every statement of the topic ends by taking the paragraph indent back to 0.
inline constexpr std::string_view TancamentEquacions = " #0 ";

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h),
// without the closing text, which the catalogue adds.
ResultatGenerador GeneraEquacions(ContextGenerador& ctx, int subtipus);

// One first-degree equation bx+d = cx+e, whatever the number of cases.
Generat GenEq1Grau(ContextGenerador& ctx);
// Monic quadratic (grau 2) or biquadratic (grau 4) equations, one per case; the
// form of each case is asked before its draws.
Generat GenEq2Grau(ContextGenerador& ctx, int grau);
// Two-by-two linear systems in x and y, one indented paragraph per equation.
Generat GenSistema(ContextGenerador& ctx);

// Asks which form the next quadratic or biquadratic takes; "any of them" is drawn
// here with Random(3), so the answer is never FormaEq2::Qualsevol.
FormaEq2 TriaTipusEq2(ContextGenerador& ctx);

}  // namespace tirelo
