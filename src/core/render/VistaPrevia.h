// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The exercise editor's preview: statement, answer and hint drawn from their markup
// inside a frame, the hint below the statement or the answer as its placement says.
#include <string>

#include "document/Exercici.h"
#include "render/Pantalla.h"

namespace tirelo {

// The frame that the preview clears and draws in, in the editor's pixels.
struct MarcVistaPrevia {
  static constexpr int Esquerra = 10, Dalt = 5, Dreta = 586, Baix = 245;
};

void DibuixaVistaPrevia(Pantalla& p, const Exercici& e);

// What the preview shows, as readable lines (Windows-1252, separated by '\n'): the
// same blocks in the same order, each text without its markup codes.
std::string TextVistaPrevia(const Exercici& e);

}  // namespace tirelo
