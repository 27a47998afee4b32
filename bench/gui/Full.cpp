// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The typeset sheet's drawing outputs with a full batch of generated exercises: the
// whole 50-exercise sheet composed and written as a PDF (goal: at most 50 ms), and
// one page of the print preview painted into an image of the screen's size (goal: at
// most 16 ms, one frame). Runs inside tirelo_bench_gui, on its Qt application.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "gui/full/LletresFull.h"
#include "gui/full/PintaFull.h"
#include "shell/DesarFull.h"
#include "shell/Genera.h"
#include "shell/Programa.h"

namespace tirelo::banc {
namespace {

// Fifty exercises across the topics, as `tirelo genera` draws them.
LotGenerat Lot50() {
  OpcionsGenera o;
  o.titol = "Full 1";
  o.capcalera = true;
  o.espai = 2;
  for (const int tema : {1, 2, 3, 4, 5, 6, 7, 8, 9}) o.series.push_back({tema, 1, 1, tema <= 5 ? 6 : 5});
  return GeneraSeries(o, 11);
}

void PdfDe50Exercicis(benchmark::State& st) {
  const LotGenerat lot = Lot50();
  const OpcionsFull opcions = OpcionsDelFull(lot);
  QTemporaryDir carpeta;
  const std::filesystem::path cami = carpeta.filePath(QStringLiteral("full.pdf")).toStdString();
  const EscriptorFull escriu = gui::EscriptorPdf();
  for (auto _ : st) {
    if (escriu(lot.exercicis, opcions, cami)) st.SkipWithError("the PDF was not written");
  }
  st.counters["exercicis"] = static_cast<double>(lot.exercicis.size());
}
BENCHMARK(PdfDe50Exercicis)->Unit(benchmark::kMillisecond);

void PaginaDeLaVistaPrevia(benchmark::State& st) {
  const LotGenerat lot = Lot50();
  const gui::LletresFull lletres;
  const Full full = gui::ComposaAmbQt(lot.exercicis, OpcionsDelFull(lot), lletres);
  // A4 at the screen's 96 dpi, as the preview shows a page at full size.
  QImage imatge(794, 1123, QImage::Format_ARGB32_Premultiplied);
  const int puntsPerMetre = qRound(96 / 0.0254);
  imatge.setDotsPerMeterX(puntsPerMetre);
  imatge.setDotsPerMeterY(puntsPerMetre);
  for (auto _ : st) {
    imatge.fill(Qt::white);
    QPainter pintor(&imatge);
    gui::PintaPagina(pintor, full.pagines.front(), lletres);
  }
}
BENCHMARK(PaginaDeLaVistaPrevia)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tirelo::banc
