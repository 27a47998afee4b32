// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/full/PintaFull.h"

#include <QFile>
#include <QGlyphRun>
#include <QHashSeed>
#include <QPageSize>
#include <QPdfWriter>
#include <QPolygonF>
#include <QRawFont>

namespace tirelo::gui {

namespace {

constexpr double PuntsPerPolzada = 72.0;

QString Text(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QPen Ploma(double gruix, double escala) {
  QPen ploma(Qt::black, gruix * escala);
  ploma.setCapStyle(Qt::FlatCap);
  ploma.setJoinStyle(Qt::MiterJoin);
  return ploma;
}

// While it lives, every hash table made uses a fixed seed. The PDF writer keeps the
// embedded fonts in one and writes them in its order: with a random seed, the same
// sheet would come out with its fonts in a different order each time.
class LlavorFixaDeHash {
 public:
  LlavorFixaDeHash() { QHashSeed::setDeterministicGlobalSeed(); }
  ~LlavorFixaDeHash() { QHashSeed::resetRandomGlobalSeed(); }
  LlavorFixaDeHash(const LlavorFixaDeHash&) = delete;
  LlavorFixaDeHash& operator=(const LlavorFixaDeHash&) = delete;
};

// A glyph by its number (a taller radical sign, which has no character of its own),
// `pixels` high per em. A PDF's text knows a glyph only by the character it maps to, so
// the character it stands for is written in the same place in transparent ink: copied,
// searched or read aloud, the sheet reads "√" there.
void PintaGlif(QPainter& pintor, const ElementFull& e, QPointF on, double pixels) {
  QRawFont cara = QRawFont::fromFont(pintor.font());
  cara.setPixelSize(pixels);
  QGlyphRun glifs;
  glifs.setRawFont(cara);
  glifs.setGlyphIndexes({static_cast<quint32>(e.glif)});
  glifs.setPositions({QPointF(0, 0)});
  pintor.drawGlyphRun(on, glifs);
  if (!e.text.empty()) {
    pintor.setPen(QColor(0, 0, 0, 0));
    pintor.drawText(on, Text(e.text));
  }
}

}  // namespace

void PintaPagina(QPainter& pintor, const PaginaFull& pagina, const LletresFull& lletres) {
  const double ex = pintor.device()->logicalDpiX() / PuntsPerPolzada;
  const double ey = pintor.device()->logicalDpiY() / PuntsPerPolzada;
  pintor.save();
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setBrush(Qt::NoBrush);
  for (const ElementFull& e : pagina.elements) {
    switch (e.tipus) {
      case TipusElement::Text:
        pintor.setPen(Qt::black);
        pintor.setFont(lletres.Lletra(e.lletra));
        if (e.glif != 0) {
          PintaGlif(pintor, e, QPointF(e.x * ex, e.y * ey), e.lletra.punts * ey);
        } else {
          pintor.drawText(QPointF(e.x * ex, e.y * ey), Text(e.text));
        }
        break;
      case TipusElement::Linia:
        pintor.setPen(Ploma(e.gruix, ey));
        pintor.drawLine(QPointF(e.x * ex, e.y * ey), QPointF(e.x2 * ex, e.y2 * ey));
        break;
      case TipusElement::Cami: {
        QPolygonF punts;
        for (const PuntFull& p : e.punts) punts << QPointF(p.x * ex, p.y * ey);
        pintor.setPen(Ploma(e.gruix, ey));
        pintor.drawPolyline(punts);
        break;
      }
    }
  }
  pintor.restore();
}

void PintaFull(QPainter& pintor, QPagedPaintDevice& dispositiu, const Full& full, const LletresFull& lletres) {
  for (std::size_t k = 0; k < full.pagines.size(); ++k) {
    if (k > 0) dispositiu.newPage();
    PintaPagina(pintor, full.pagines[k], lletres);
  }
}

Full ComposaAmbQt(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions, const LletresFull& lletres) {
  const MetriquesQt metriques(lletres);
  return ComposaFull(exercicis, opcions, metriques);
}

std::optional<std::string> EscriuPdf(const Full& full, const std::filesystem::path& cami,
                                     const LletresFull& lletres) {
  QFile fitxer(QFile::decodeName(cami.c_str()));
  if (!fitxer.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fitxer.errorString().toStdString();
  {
    const LlavorFixaDeHash llavor;
    QPdfWriter pdf(&fitxer);
    pdf.setResolution(ResolucioFull);
    pdf.setPageSize(QPageSize(QSizeF(full.amplada, full.alcada), QPageSize::Point, QString(), QPageSize::FuzzyMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    pdf.setTitle(Text(full.titol));
    pdf.setCreator(QStringLiteral("Exercicis de Tirelo"));
    QPainter pintor;
    if (!pintor.begin(&pdf)) return "no s'ha pogut comen\xC3\xA7" "ar el PDF";
    PintaFull(pintor, pdf, full, lletres);
    if (!pintor.end()) return "no s'ha pogut acabar el PDF";
  }
  if (!fitxer.flush() || fitxer.error() != QFileDevice::NoError) return fitxer.errorString().toStdString();
  fitxer.close();
  if (fitxer.error() != QFileDevice::NoError) return fitxer.errorString().toStdString();
  return std::nullopt;
}

EscriptorFull EscriptorPdf() {
  return [](const std::vector<Exercici>& exercicis, const OpcionsFull& opcions, const std::filesystem::path& cami) {
    const LletresFull lletres;
    return EscriuPdf(ComposaAmbQt(exercicis, opcions, lletres), cami, lletres);
  };
}

}  // namespace tirelo::gui
