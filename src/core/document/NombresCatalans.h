// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Numbers as a Catalan sheet writes them: a decimal comma, and an amount of money with
// two decimals and a blank before its sign ("99,84 €", "53,50 €", "119,00 €"). The
// typeset sheet, the readable line and the JSON cases write numbers so; the exercise
// texts and the RTF document keep them as they were drawn.
//   NombresCatalans("Preu: 53.5€ (22.5 %)") -> "Preu: 53,50 € (22,5 %)"
#include <string>
#include <string_view>

#include "document/Model.h"

namespace tirelo {

// In a text, Windows-1252 or UTF-8 (the euro sign is recognised in either).
std::string NombresCatalans(std::string_view text);

// In a mathematics model: every number, and an amount followed by the euro sign.
Model NombresCatalans(Model m);

}  // namespace tirelo
