// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/render/LlencQt.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "gui/shell/TextQt.h"

namespace tirelo::gui {
namespace {

// Faces the program asks for and installed faces that look alike (metric-compatible
// for Arial; Comic Neue for Comic Sans). Inserting a substitute already there is a no-op.
void RegistraSubstituts() {
  QFont::insertSubstitutions("arial", {"Arial", "Liberation Sans", "Arimo", "DejaVu Sans"});
  QFont::insertSubstitutions("comic sans ms", {"Comic Sans MS", "Comic Neue", "Comic Relief", "DejaVu Sans"});
}

// A box from (esquerra, dalt) to (dreta, baix), its right and bottom edges outside,
// as a rectangle that a one-pixel pen outlines within those bounds.
QRect Caixa(int esquerra, int dalt, int dreta, int baix) {
  return QRect(QPoint(esquerra, dalt), QPoint(dreta - 2, baix - 2));
}

constexpr int AlcadaPerDefecte = 16;

}  // namespace

QFont FontDeDescripcio(const DescripcioLletra& d) {
  RegistraSubstituts();
  QFont f(QString::fromLatin1(d.cara.data(), static_cast<qsizetype>(d.cara.size())));
  f.setStyleHint(QFont::SansSerif);
  f.setWeight(d.pes >= 600 ? QFont::Bold : QFont::Normal);
  f.setItalic(d.cursiva);
  f.setUnderline(d.subratllada);
  f.setKerning(false);
  if (d.alcada < 0) {
    f.setPixelSize(-d.alcada);
  } else {
    const int cel = d.alcada > 0 ? d.alcada : AlcadaPerDefecte;
    int mida = cel;
    for (; mida > 1; --mida) {
      f.setPixelSize(mida);
      if (QFontMetrics(f).height() <= cel) break;
    }
    f.setPixelSize(std::max(mida, 1));
  }
  if (d.amplada > 0) {
    const qreal mitjana = QFontMetricsF(f).averageCharWidth();
    if (mitjana > 0) f.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * d.amplada / mitjana)), 1, 4000));
  }
  return f;
}

LlencQt::LlencQt(QPainter& painter, QColor fons) : painter_(painter), fons_(fons) {}

void LlencQt::PosaColorText(const QColor& color) { painter_.setPen(color); }

void LlencQt::PosaLletra(const DescripcioLletra& d) {
  auto it = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return f.first == d; });
  if (it == fonts_.end()) it = fonts_.insert(fonts_.end(), {d, FontDeDescripcio(d)});
  painter_.setFont(it->second);
  metrica_.emplace(it->second, painter_.device());
}

int LlencQt::Amplada(std::string_view text) {
  if (!metrica_) PosaLletra(DescripcioLletra{});
  return static_cast<int>(std::lround(metrica_->horizontalAdvance(DeCp1252(text))));
}

void LlencQt::Text(int x, int y, std::string_view text) {
  if (!metrica_) PosaLletra(DescripcioLletra{});
  // Top alignment: the baseline sits one ascent below the given y.
  painter_.drawText(QPointF(x, y + metrica_->ascent()), DeCp1252(text));
}

void LlencQt::Linia(Punt de, Punt a) { painter_.drawLine(de.x, de.y, a.x, a.y); }

void LlencQt::Polilinia(std::span<const Punt> punts) {
  QPolygon poligon;
  for (const Punt& p : punts) poligon << QPoint(p.x, p.y);
  painter_.drawPolyline(poligon);
}

void LlencQt::Ellipse(int esquerra, int dalt, int dreta, int baix) {
  painter_.setBrush(fons_);
  painter_.drawEllipse(Caixa(esquerra, dalt, dreta, baix));
}

void LlencQt::Rectangle(int esquerra, int dalt, int dreta, int baix) {
  painter_.setBrush(fons_);
  painter_.drawRect(Caixa(esquerra, dalt, dreta, baix));
}

}  // namespace tirelo::gui
