// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Programa.h"

#include <utility>

namespace tirelo {

Programa::Programa(Interficie& ui) : Programa(ui, LlavorDelRellotge()) {}

Programa::Programa(Interficie& ui, uint64_t llavor)
    : Programa(ui, std::make_unique<GeneradorAleatori>(llavor)) {}

Programa::Programa(Interficie& ui, std::unique_ptr<FontAleatoria> font)
    : ui(ui), aleatori(std::move(font)) {}

}  // namespace tirelo
