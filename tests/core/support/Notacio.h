// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Reading texts in the linear notation in the engine's proofs: what a step or an answer
// is, whether two texts are the same mathematics, and a text cut at its separators.
#include <string>
#include <vector>

#include "document/Expressio.h"

namespace tirelo::prova {

// The expression of a text in the notation; a test failure when it does not read.
Expressio N(const std::string& notacio);
// Whether the engine holds the two texts for the same mathematics.
bool Iguals(const std::string& a, const std::string& b);
// The text cut at every `sep`: "1; 2; 3" at "; " is {"1", "2", "3"}.
std::vector<std::string> Parts(const std::string& s, const std::string& sep);

}  // namespace tirelo::prova
