// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The hint placement window (posarpista): where the hint of every new exercise goes.
#include <cstdint>

#include "gui/shell/FinestraSecundaria.h"

namespace tirelo::gui {

namespace ordre_pista {
inline constexpr int NoPosar = 100;     // placement 0
inline constexpr int AEnunciat = 101;   // placement 1
inline constexpr int AResposta = 102;   // placement 2
}  // namespace ordre_pista

class FinestraPista : public FinestraSecundaria {
  Q_OBJECT

 public:
  FinestraPista(QWidget* pare, int32_t opcio);
  // The placement of the checked radio button; -1 when none is checked.
  int32_t Opcio() const;
};

// Shows the window on the option; true and the option changed when "Bé" closed it.
bool TriaPosicioPista(QWidget* pare, int32_t& opcio);

}  // namespace tirelo::gui
