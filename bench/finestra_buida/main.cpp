// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The floor the desktop program's start stands on: a Qt Widgets program that shows one
// empty window of the main window's size, built with the same flags, ending on the
// same hook once the window is first painted. With --amb-text the window holds one
// line of text, which makes Qt load the system's font configuration: the floor of any
// window that shows text.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "gui/shell/SurtEnMostrar.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget finestra;
  finestra.setFixedSize(600, 420);  // as the main window
  if (argc > 1 && std::strcmp(argv[1], "--amb-text") == 0) {
    auto* text = new QLabel(QStringLiteral("Exercicis de Tirelo"), &finestra);
    text->move(20, 20);
  }
  tirelo::gui::SurtEnMostrarSiCal(finestra);
  finestra.show();
  return QApplication::exec();
}
