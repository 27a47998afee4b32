// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The faces of the typeset sheet and their real metrics. Prose goes in DejaVu Serif and
// mathematics in DejaVu Math TeX Gyre (its radical sign, minus sign and braces are
// drawn for mathematics): both are TrueType, which the PDF writer embeds as subsets
// with their Unicode text, so the text stays selectable. Sizes are points.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "full/Full.h"

namespace tirelo::gui {

inline constexpr const char* FamiliaTextFull = "DejaVu Serif";
inline constexpr const char* FamiliaMatematicaFull = "DejaVu Math TeX Gyre";

class LletresFull {
 public:
  // Looks both families up in the font database. A missing text face falls back on
  // the system's serif face, a missing mathematics face on the text face.
  LletresFull();
  const QString& Familia(FamiliaFull familia) const;
  // The face at its size in points, unhinted: a sheet is measured and drawn at
  // different resolutions and must keep its widths.
  QFont Lletra(const LletraFull& lletra) const;

 private:
  QString text_, matematica_;
};

// Metrics of the faces, measured at the PDF's resolution and given in points.
class MetriquesQt final : public MetriquesLletra {
 public:
  explicit MetriquesQt(const LletresFull& lletres);
  double Amplada(std::string_view utf8, const LletraFull& lletra) const override;
  double Ascendent(const LletraFull& lletra) const override;
  double Descendent(const LletraFull& lletra) const override;
  TintaText Tinta(std::string_view utf8, const LletraFull& lletra) const override;
  const ConstantsMath& Matematiques() const override { return matematiques_; }

 private:
  const QFontMetricsF& Metriques(const LletraFull& lletra) const;

  const LletresFull& lletres_;
  QImage dispositiu_;  // a paint device at the measuring resolution
  ConstantsMath matematiques_;  // the mathematics face's MATH table, read once
  mutable std::unordered_map<std::string, TintaText> tintes_;  // each text's ink, by text and face, measured once
  mutable std::vector<std::pair<LletraFull, QFontMetricsF>> fetes_;
};

// Resolution the sheet is measured and written at (dots per inch).
inline constexpr int ResolucioFull = 1200;

}  // namespace tirelo::gui
