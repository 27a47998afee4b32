// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The series window (problmen): the topic's subtypes as "[k] name", the number of
// cases with its arrows, the level, "Bé" and "Sortir".
#include <cstdint>
#include <string>
#include <vector>

#include "gui/shell/FinestraSecundaria.h"
#include "shell/Interficie.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tirelo::gui {

namespace ordre_serie {
inline constexpr int MesCasos = 3;    // ">"
inline constexpr int MenysCasos = 4;  // "<"
inline constexpr int Llista = 101;
inline constexpr int Casos = 102;
inline constexpr int Nivell = 103;
}  // namespace ordre_serie

class FinestraSerie : public FinestraSecundaria {
  Q_OBJECT

 public:
  FinestraSerie(QWidget* pare, const tirelo::PeticioSubtipus& peticio);

  // How the window closed: accepted with the selected line and the count read from
  // the field, or left with the count the arrows last gave.
  tirelo::RespostaSubtipus Resposta() const;

  QListWidget* Llista() const;
  QLineEdit* CampDeCasos() const;
  QComboBox* Nivell() const;  // "1 fàcil", "2 habitual", "3 difícil"
  // The note that the exercise before lost cases; nullptr when it lost none.
  QLabel* AvisCasos() const { return avisCasos_; }

 protected:
  bool PotAcceptar() override;
  void Ordre(int ordre) override;

 private:
  int LiniaSeleccionada() const;  // 1-based; 0 none
  void ActualitzaCasos();         // the count field and arrows follow the selected subtype
  void PosaCasos(int n);
  void MostraCasosRetallats(const tirelo::CasosRetallats& c);

  std::vector<bool> ambCasos_;
  uint16_t nombreCasos_;
  int seleccionat_ = 0;
  QLabel* avisCasos_ = nullptr;
};

// Shows the series window for the request and answers it.
tirelo::RespostaSubtipus DemanaSubtipus(QWidget* pare, const tirelo::PeticioSubtipus& peticio);

}  // namespace tirelo::gui
