// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The sheet options window (opcionsfull): the header lines "Nom:", "Curs:", "Data:"
// the lines of answer space after each statement, and whether the answers are written
// in simplest form. Enter accepts, Esc leaves.
#include "gui/shell/FinestraSecundaria.h"
#include "shell/Programa.h"

namespace tirelo::gui {

namespace ordre_opcions_full {
inline constexpr int Capcalera = 100;
inline constexpr int Espai = 101;
inline constexpr int Simplificades = 102;
inline constexpr int Resolucio = 103;
}  // namespace ordre_opcions_full

class FinestraOpcionsFull : public FinestraSecundaria {
  Q_OBJECT

 public:
  FinestraOpcionsFull(QWidget* pare, const tirelo::ValorsFull& valors);
  // What the controls hold now.
  tirelo::ValorsFull Valors() const;
};

// Proposes v in the window; true and v replaced when it was accepted.
bool DemanaOpcionsFull(QWidget* pare, tirelo::ValorsFull& v);

}  // namespace tirelo::gui
