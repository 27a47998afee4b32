// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The exercise editor window (contingutprob): statement, answer, hint and where the
// hint goes, with a drawn preview.
#include <QString>
#include <array>

#include "document/Exercici.h"
#include "gui/shell/FinestraSecundaria.h"
#include "render/Pantalla.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tirelo::gui {

class ZonaDibuixada;

// Shows the editor on a copy of e; true and e updated when the user accepts, false and
// e untouched otherwise.
bool EditaExercici(QWidget* pare, tirelo::Exercici& e);

namespace ordre_editor {
inline constexpr int Enunciat = 101;
inline constexpr int Resposta = 102;
inline constexpr int Pista = 103;
inline constexpr int NoPosar = 104;  // NoPosar + placement is the radio button of each placement
inline constexpr int AEnunciat = 105;
inline constexpr int AResposta = 106;
}  // namespace ordre_editor

class EditorExercici : public FinestraSecundaria {
  Q_OBJECT

 public:
  EditorExercici(QWidget* pare, const Exercici& e);
  ~EditorExercici() override;

  // The exercise the window works on: the preview draws it, "accepta" writes into it.
  const Exercici& Copia() const { return copia_; }
  // The notice shown while a field holds a character that exercises cannot hold.
  QLabel* Avis() const { return avis_; }
  // The preview's area as a screen reader reads it.
  ZonaDibuixada* VistaPrevia() const { return vista_; }

 protected:
  bool PotAcceptar() override;
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* objecte, QEvent* esdeveniment) override;

 private:
  // A field changed, took or lost the focus: the placement is read again and the
  // preview redrawn.
  void Notifica();
  // Shows or hides the notice about characters that cannot be kept; returns the
  // first field that holds one (nullptr when every field can be kept).
  QWidget* ComprovaCamps();
  QString TextCamp(int ordre) const;
  std::array<QWidget*, 3> Camps() const;

  // Field i (0 statement, 1 answer, 2 hint) as accepting would store it, before the cut.
  std::string TextAcceptat(int i) const;
  Exercici copia_;
  Exercici mostra_;  // what the preview draws and reads: the fields as typed so far
  QLabel* queden_[3] = {};  // characters left in each field
  Pantalla pantalla_;
  QPlainTextEdit* enunciat_;
  QPlainTextEdit* resposta_;
  QLineEdit* pista_;
  QLabel* avis_;
  ZonaDibuixada* vista_;
  // The fields as they were filled: a field left as it was keeps its text byte for byte.
  QString inicial_[3];
};

}  // namespace tirelo::gui
