// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Two small windows of "Lot exercicis": how many versions of the sheet to write
// ("Versions…"), and the code of a sheet to open ("Obrir codi…"). Enter accepts and
// Esc leaves.
#include <optional>
#include <string>

#include "gui/shell/FinestraSecundaria.h"

class QLineEdit;
class QSpinBox;

namespace tirelo::gui {

namespace ordre_versions {
inline constexpr int Nombre = 100;  // the number of versions
inline constexpr int Codi = 101;    // the code field
}  // namespace ordre_versions

class FinestraVersions : public FinestraSecundaria {
  Q_OBJECT

 public:
  explicit FinestraVersions(QWidget* pare);
  QSpinBox* Nombre() const;
};

class FinestraCodi : public FinestraSecundaria {
  Q_OBJECT

 public:
  explicit FinestraCodi(QWidget* pare);
  QLineEdit* Camp() const;
};

// The number of versions chosen (2..26); nullopt when left.
std::optional<int> DemanaNombreVersions(QWidget* pare);
// The code typed (UTF-8); nullopt when left.
std::optional<std::string> DemanaCodiFull(QWidget* pare);

}  // namespace tirelo::gui
