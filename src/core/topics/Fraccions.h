// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Topic: fractions. Simplifying several fractions at once, and one operation (sum,
// difference, product or quotient) between two random fractions, stacked.
#include <cstdint>
#include <optional>
#include <string>

#include "topics/Generador.h"

namespace tirelo {

// One exercise of the given subtype, as the topic catalogue calls it (topics/Cataleg.h).
ResultatGenerador GeneraFraccions(ContextGenerador& ctx, int subtipus);

// "Simplificació": one case per number of cases, e.g. "Simplifica: a) 8/12,  b) 9/15".
Generat GenSimplificacio(ContextGenerador& ctx);
// "Suma", "Resta", "Multiplicació", "Divisió" for operation code 0..3: always one case.
// Nothing, and nothing drawn, for another code.
std::optional<Generat> GenOperacioFraccions(ContextGenerador& ctx, int operacio);

// "3/4"; just the numerator when the denominator is 1 or less ("2").
std::string TxtFraccio(int32_t n, int32_t d);

}  // namespace tirelo
