// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// A fresh program with its main window shown, for the tests that drive the main window.
// Nothing leaves the test: the desktop is never asked to open a file.
//   class ElMeuTest : public QObject, protected prova::FinestraPrincipal { ... init() { Obre(7); } };
#include <QApplication>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "document/Exercici.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/InterficieQt.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"

namespace tirelo::prova {

class FinestraPrincipal {
 protected:
  void Obre(uint64_t llavor) {
    ui_ = std::make_unique<gui::InterficieQt>();
    ui_->PosaObridor([](const QString&) { return false; });
    prg_ = std::make_unique<Programa>(*ui_, llavor);
    f_ = std::make_unique<gui::FPrincipal>(*prg_, *ui_);
    f_->show();
  }

  // Closes the window and the program; true when no window was left behind.
  bool Tanca() {
    f_.reset();
    prg_.reset();
    ui_.reset();
    return QApplication::topLevelWidgets().isEmpty();
  }

  // Adds a ready exercise with this statement, as if drawn.
  void Afegeix(const std::string& enunciat) {
    tirelo::Afegeix(*prg_, Exercici{.enunciat = enunciat, .resposta = "R", .pista = "", .posicioPista = 0, .llest = true});
  }

  std::unique_ptr<gui::InterficieQt> ui_;
  std::unique_ptr<Programa> prg_;
  std::unique_ptr<gui::FPrincipal> f_;
};

}  // namespace tirelo::prova
