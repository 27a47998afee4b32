// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The equation-form window (tipuseq2) of the equations topic: asked before every
// quadratic or biquadratic case, it opens on the complete form every time.
#include "gui/shell/FinestraSecundaria.h"
#include "shell/Interficie.h"

class QWidget;

namespace tirelo::gui {

namespace ordre_tipuseq2 {
inline constexpr int Completa = 101;          // FormaEq2::Completa
inline constexpr int SenseTermeIndep = 102;   // FormaEq2::SenseTermeIndep
inline constexpr int SenseTermeLineal = 103;  // FormaEq2::SenseTermeLineal
inline constexpr int Qualsevol = 104;         // FormaEq2::Qualsevol, drawn by the core
}  // namespace ordre_tipuseq2

class FinestraTipusEq2 : public FinestraSecundaria {
  Q_OBJECT

 public:
  explicit FinestraTipusEq2(QWidget* pare);
  // The form of the checked radio button; Completa when none is checked.
  tirelo::FormaEq2 Forma() const;
};

// Shows the window modally and returns the chosen form; its close box answers Completa.
// "qualsevol de les anteriors" comes back as Qualsevol: the core draws the form.
tirelo::FormaEq2 TriaTipusEq2(QWidget* pare);

}  // namespace tirelo::gui
