// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The main window (FPrincipal): the batch list with its buttons and the menu bar.
// It draws what the core computes and forwards every command to the core; only the
// windows of its own (hint placement, About) are opened here.
#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <vector>

#include "shell/MenuTemes.h"

class QAction;
class QListWidget;
class QMenu;

namespace tirelo {
struct Programa;
}

namespace tirelo::gui {

class InterficieQt;
class ClientPrincipal;

class FPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  FPrincipal(tirelo::Programa& prg, InterficieQt& ui);
  ~FPrincipal() override;

  // Caption, list, enabled states and check mark from the core's values.
  void Refresca();
  // One command of the menu, the buttons or the list (numbers as in shell/Ordres.h).
  void Ordre(int ordre);

  // Opens the batch file named first in the program's arguments (after the program's
  // own name), as the desktop entry passes it; nothing when none is named.
  void ObreArguments(const QStringList& arguments);
  // A note in the status bar, such as where a file was saved.
  void MostraNota(const QString& text);

  // Lookups for the tests and the screenshots.
  QWidget* Control(int ordre) const;
  QAction* Accio(int ordre) const;
  // The popups of the bar: 0 "Lot exercicis" .. 3 "&Info" in the order they were first
  // made, then 4 "Pràctica" (shown after "Temes").
  QMenu* Menu(int posicio) const;
  QListWidget* Llista() const;
  QColor ColorEtiqueta() const;    // of the painted label "Lot exercicis:"

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objecte, QEvent* e) override;

 private:
  void CreaMenu();
  void AfegeixTemes(QMenu* menu, const std::vector<tirelo::ElementMenu>& elements);
  QAction* AfegeixAccio(QMenu* menu, const QString& text, int ordre);
  void CreaControls();
  void ActualitzaControls();
  void ActualitzaLlista();
  // The typeset sheet of the batch, printed (ordre::Imprimir) or previewed.
  void MostraFull(int ordre);

  tirelo::Programa& prg_;
  InterficieQt& ui_;
  ClientPrincipal* client_;
  QHash<int, QAction*> accions_;
  std::vector<QMenu*> menus_;
};

}  // namespace tirelo::gui
