// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: powers of letters. Five rules: product and quotient with the same base,
// product and quotient with the same exponent, power of a power.
#include <string_view>

#include "topics/Casos.h"

namespace tirelo {

// One exercise of subtype 1..5: "Calcula: " and one expression per case, each answered
// by a single power; the hint holds the rule the subtype drills.
ResultatGenerador GenPotencies(ContextGenerador& ctx, int subtipus);

// The rule drilled by subtype 1..5, as markup (empty for other subtypes).
std::string_view ReglaPotencies(int subtipus);

// The case generators: the expression (statement piece) and the single power (answer piece).
Cas GenProducteBase(ContextGenerador& ctx);       // x^3·x^-^5 = x^-^2
Cas GenDivisioBase(ContextGenerador& ctx);        // y^2/y = y
Cas GenProducteExponent(ContextGenerador& ctx);   // a^4.z^4 = (a.z)^4
Cas GenDivisioExponent(ContextGenerador& ctx);    // x^2/b^2 = (x/b)^2
Cas GenPotenciaPotencia(ContextGenerador& ctx);   // (c^5)^6 = c^3^0

}  // namespace tirelo
