// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The practice window with an exercise of 12 cases: from Enter to the verdicts on
// screen (the goal: at most 50 ms), and the window opened and painted (at most 100 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QLineEdit>

#include "gui/practica/FinestraPractica.h"
#include "shell/Practica.h"

namespace tirelo::banc {
namespace {

Practica DotzeCasos() { return Practica::DeLaSerie(3, 1, 12, 1, 2026); }

// Every case answered wrong, so that each Enter judges all twelve again; then the
// window is painted with its verdicts.
void EnterFinsAlsVeredictes(benchmark::State& st) {
  gui::FinestraPractica finestra(nullptr, DotzeCasos());
  for (int k = 0; k < finestra.NombreCasos(); ++k) finestra.Camp(k)->setText(QStringLiteral("1/1000"));
  QImage imatge(finestra.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : st) {
    finestra.FesComprova();
    finestra.render(&imatge);
  }
}
BENCHMARK(EnterFinsAlsVeredictes)->Unit(benchmark::kMillisecond);

void ObreFinestraPractica(benchmark::State& st) {
  for (auto _ : st) {
    gui::FinestraPractica finestra(nullptr, DotzeCasos());
    QImage imatge(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    finestra.render(&imatge);
  }
}
BENCHMARK(ObreFinestraPractica)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tirelo::banc
