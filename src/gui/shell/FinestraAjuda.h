// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The help window: the help's HTML source shown by the program itself, for a desktop
// that has no program for the help PDF.
#include <QDialog>

class QTextBrowser;

namespace tirelo::gui {

class FinestraAjuda : public QDialog {
  Q_OBJECT

 public:
  explicit FinestraAjuda(QWidget* pare);
  QTextBrowser* Navegador() const { return navegador_; }

 private:
  QTextBrowser* navegador_;
};

// Shows the help window modally until it closes.
void MostraFinestraAjuda(QWidget* pare);

}  // namespace tirelo::gui
