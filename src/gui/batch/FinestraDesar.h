// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The save window (desarserie): file name, document title and layout.
#include "gui/shell/FinestraSecundaria.h"
#include "shell/Interficie.h"

class QLineEdit;

namespace tirelo::gui {

namespace ordre_desar {
inline constexpr int NomFitxer = 100;
inline constexpr int Titol = 101;
inline constexpr int Seguits = 102;  // layout 0: each statement followed by its answer
inline constexpr int Blocs = 103;    // layout 1: all statements, then all answers
}  // namespace ordre_desar

class FinestraDesar : public FinestraSecundaria {
  Q_OBJECT

 public:
  FinestraDesar(QWidget* pare, const tirelo::ValorsDesar& valors);
  // What the fields and radio buttons hold now.
  tirelo::ValorsDesar Valors() const;

 protected:
  // A file name the file system cannot take keeps the window open, after a notice.
  bool PotAcceptar() override;

 private:
  QLineEdit* Camp(int ordre) const;
  int32_t disposicio_;  // kept when no radio button is checked
};

// Proposes v in the save window; true and v replaced when "&Accepta" closed it.
bool DemanaValorsDesar(QWidget* pare, tirelo::ValorsDesar& v);

}  // namespace tirelo::gui
