// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The About window (FerSobre), shown by "&Quant a PrTirelo": the program's title,
// its file name in a large face and a credit line.
#include <QStringList>
#include <string>

#include "gui/shell/FinestraSecundaria.h"

namespace tirelo {
struct Programa;
}

class QWidget;

namespace tirelo::gui {

// Re-seeds the random source from the clock, then shows the window until it closes.
void MostraQuantA(QWidget* pare, tirelo::Programa& prg);

class FinestraQuantA : public FinestraSecundaria {
  Q_OBJECT

 public:
  // The seven texts its only button may show.
  static const QStringList& TextosBoto();

  // Draws the button's text with prg's random source.
  FinestraQuantA(QWidget* pare, tirelo::Programa& prg);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // Windows-1252 texts, as the screen text module draws them.
  std::string titol_;      // the program's title
  std::string programa_;   // the program file's name without folder and extension
  std::string credit_;     // author credit, " - " and the year of the program file's last change
};

}  // namespace tirelo::gui
