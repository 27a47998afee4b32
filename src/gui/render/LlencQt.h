// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The screen text module's canvas on the desktop: a QPainter, with the font
// description mapped to the closest QFont.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "render/Llenc.h"

namespace tirelo::gui {

// The QFont closest to a description: a positive height is the cell height (the
// largest pixel size whose line height fits), a negative one the character height;
// the width sets the stretch so that the average character is that wide.
QFont FontDeDescripcio(const DescripcioLletra& d);

class LlencQt final : public Llenc {
 public:
  // Draws with the painter's current pen colour for text and lines, and fills
  // rectangles with the given background.
  explicit LlencQt(QPainter& painter, QColor fons = Qt::white);

  void PosaColorText(const QColor& color);

  void PosaLletra(const DescripcioLletra& d) override;
  int Amplada(std::string_view text) override;
  void Text(int x, int y, std::string_view text) override;
  void Linia(Punt de, Punt a) override;
  void Polilinia(std::span<const Punt> punts) override;
  void Ellipse(int esquerra, int dalt, int dreta, int baix) override;
  void Rectangle(int esquerra, int dalt, int dreta, int baix) override;

 private:
  QPainter& painter_;
  QColor fons_;
  // Fonts already mapped while this canvas lives: a paint selects few, often.
  std::vector<std::pair<DescripcioLletra, QFont>> fonts_;
  std::optional<QFontMetricsF> metrica_;
};

}  // namespace tirelo::gui
