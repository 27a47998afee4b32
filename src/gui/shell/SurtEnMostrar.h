// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Start-up timing: with TIRELO_SURT_EN_MOSTRAR set (to anything but empty), the program
// ends as soon as its main window has been painted for the first time, so that
// scripts/bench.sh can time a start until the window is shown. Header only, so that
// the empty Qt program the start is compared with uses this very hook.
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace tirelo::gui {

class SortidaEnPintar final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && !pintada_) {
      pintada_ = true;
      // Queued, so it runs once this paint and the flush of the window to the screen
      // are done. Ends at once: the time measured is the start, not the tear-down.
      QTimer::singleShot(0, [] {
        std::fflush(nullptr);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool pintada_ = false;
};

inline void SurtEnMostrarSiCal(QWidget& finestra) {
  const char* valor = std::getenv("TIRELO_SURT_EN_MOSTRAR");
  if (valor == nullptr || *valor == '\0') return;
  finestra.installEventFilter(new SortidaEnPintar(&finestra));
}

}  // namespace tirelo::gui
