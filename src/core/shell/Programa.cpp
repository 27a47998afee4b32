// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Programa.h"

#include <utility>

namespace tirelo {

Programa::Programa(Interficie& ui) : Programa(ui, LlavorDelRellotge()) {}

Programa::Programa(Interficie& ui, uint64_t llavor)
    : Programa(ui, std::make_unique<GeneradorAleatori>(llavor)) {}

namespace {

std::filesystem::path CarpetaActual() {
  std::error_code ec;
  std::filesystem::path actual = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path() : actual;
}

}  // namespace

Programa::Programa(Interficie& ui, std::unique_ptr<FontAleatoria> font)
    : ui(ui), aleatori(std::move(font)), carpetaTreball(CarpetaActual()) {}

}  // namespace tirelo
