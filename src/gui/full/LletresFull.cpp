// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/full/LletresFull.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

namespace tirelo::gui {

namespace {

constexpr double PuntsPerPolzada = 72.0;

QString FamiliaOAlternativa(const QStringList& families, const QString& familia, const QString& alternativa) {
  return families.contains(familia) ? familia : alternativa;
}

QString FamiliaSerif() {
  QFont serif;
  serif.setStyleHint(QFont::Serif);
  serif.setFamily(QString());
  return QFontInfo(serif).family();
}

}  // namespace

LletresFull::LletresFull() {
  const QStringList families = QFontDatabase::families();
  text_ = FamiliaOAlternativa(families, QString::fromLatin1(FamiliaTextFull), FamiliaSerif());
  matematica_ = FamiliaOAlternativa(families, QString::fromLatin1(FamiliaMatematicaFull), text_);
}

const QString& LletresFull::Familia(FamiliaFull familia) const {
  return familia == FamiliaFull::Matematica ? matematica_ : text_;
}

QFont LletresFull::Lletra(const LletraFull& lletra) const {
  QFont f(Familia(lletra.familia));
  f.setPointSizeF(lletra.punts);
  f.setBold(lletra.negreta);
  f.setItalic(lletra.cursiva);
  f.setUnderline(lletra.subratllat);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferOutline);
  return f;
}

MetriquesQt::MetriquesQt(const LletresFull& lletres) : lletres_(lletres), dispositiu_(1, 1, QImage::Format_RGB32) {
  const int puntsPerMetre = qRound(ResolucioFull / 0.0254);
  dispositiu_.setDotsPerMeterX(puntsPerMetre);
  dispositiu_.setDotsPerMeterY(puntsPerMetre);
  const QRawFont cara = QRawFont::fromFont(lletres_.Lletra({FamiliaFull::Matematica}));
  matematiques_ = LlegeixConstantsMath([&cara](std::string_view etiqueta) {
    const QByteArray taula = cara.fontTable(std::string(etiqueta).c_str());
    return taula.toStdString();
  });
}

const QFontMetricsF& MetriquesQt::Metriques(const LletraFull& lletra) const {
  for (const auto& [l, m] : fetes_)
    if (l == lletra) return m;
  fetes_.emplace_back(lletra, QFontMetricsF(lletres_.Lletra(lletra), &dispositiu_));
  return fetes_.back().second;
}

double MetriquesQt::Amplada(std::string_view utf8, const LletraFull& lletra) const {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  return Metriques(lletra).horizontalAdvance(text) * PuntsPerPolzada / ResolucioFull;
}

double MetriquesQt::Ascendent(const LletraFull& lletra) const {
  return Metriques(lletra).ascent() * PuntsPerPolzada / ResolucioFull;
}

TintaText MetriquesQt::Tinta(std::string_view utf8, const LletraFull& lletra) const {
  std::string clau(utf8);
  clau += '\x1F' + std::to_string(static_cast<int>(lletra.familia)) + ' ' + std::to_string(lletra.punts) + ' ' +
          std::to_string(lletra.negreta) + std::to_string(lletra.cursiva) + std::to_string(lletra.subratllat);
  if (const auto t = tintes_.find(clau); t != tintes_.end()) return t->second;
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QRectF r = Metriques(lletra).tightBoundingRect(text);
  constexpr double k = PuntsPerPolzada / ResolucioFull;
  const TintaText t = r.isEmpty() ? TintaText{} : TintaText{-r.top() * k, r.bottom() * k, r.right() * k};
  tintes_.emplace(std::move(clau), t);
  return t;
}

double MetriquesQt::Descendent(const LletraFull& lletra) const {
  return Metriques(lletra).descent() * PuntsPerPolzada / ResolucioFull;
}

}  // namespace tirelo::gui
