// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// What the windows do on each action a person takes, with the batch full and every
// text full of markup: the main window redrawn after a move, the editor's preview
// painted with QPainter, and the series window opened and painted. Runs on Qt's
// offscreen platform unless another is chosen; fonts come from the system as on a
// desktop.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "../Suport.h"
#include "batch/Lot.h"
#include "gui/batch/FinestraSerie.h"
#include "gui/render/LlencQt.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/InterficieQt.h"
#include "render/Pantalla.h"
#include "render/VistaPrevia.h"
#include "shell/Genera.h"
#include "shell/Programa.h"

namespace tirelo::banc {
namespace {

// "/\" on the last exercise of a full batch: the swap, then the list, caption and
// buttons redrawn from the core's values, and the window painted.
void MouIRedibuixa(benchmark::State& st) {
  gui::InterficieQt ui;
  Programa prg(ui, 1);
  gui::FPrincipal finestra(prg, ui);
  const Exercici e = ExerciciPle();
  for (int k = 1; k <= Lot::Maxim; ++k) {
    Exercici x = e;
    x.enunciat = std::to_string(k) + x.enunciat;  // every line different
    x.Limita();
    prg.lot.Afegeix(x);
  }
  finestra.Refresca();
  QImage imatge(finestra.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : st) {
    prg.lot.Intercanvia(Lot::Maxim - 1, Lot::Maxim);
    finestra.Refresca();
    finestra.render(&imatge);
  }
}
BENCHMARK(MouIRedibuixa)->Unit(benchmark::kMillisecond);

// One redraw of the editor's preview while a person types: the whole exercise drawn
// through QPainter into an image of the preview's size.
void PreviaQt(benchmark::State& st) {
  const Exercici e = ExerciciPle();
  QImage imatge(600, 260, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : st) {
    QPainter pintor(&imatge);
    gui::LlencQt llenc(pintor);
    Pantalla p;
    p.LligaFinestra(llenc);
    DibuixaVistaPrevia(p, e);
  }
}
BENCHMARK(PreviaQt)->Unit(benchmark::kMillisecond);

// The series window of the topic with most subtypes, created and painted, as it
// opens again after every exercise.
void ObreFinestraSerie(benchmark::State& st) {
  PeticioSubtipus peticio;
  for (const DescripcioTema& t : DescriuTemes()) {
    if (t.subtipus.size() > peticio.subtipus.size()) {
      peticio.titol = t.titol;
      peticio.subtipus = t.subtipus;
      peticio.casos = t.casos;
    }
  }
  peticio.seleccio = 1;
  for (auto _ : st) {
    gui::FinestraSerie finestra(nullptr, peticio);
    QImage imatge(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    finestra.render(&imatge);
  }
}
BENCHMARK(ObreFinestraSerie)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tirelo::banc

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
