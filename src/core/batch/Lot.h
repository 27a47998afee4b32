// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The batch ("Lot exercicis"): at most 50 exercises at positions 1..count, in order,
// with the selected position of the main window's list (0 for none).
#include <cstdint>
#include <string>
#include <vector>

#include "document/Exercici.h"

namespace tirelo {

class Lot {
 public:
  static constexpr int Maxim = 50;

  int Nombre() const { return static_cast<int>(exercicis_.size()); }
  bool Ple() const { return Nombre() >= Maxim; }
  const Exercici& operator[](int posicio) const { return exercicis_.at(static_cast<std::size_t>(posicio - 1)); }
  Exercici& operator[](int posicio) { return exercicis_.at(static_cast<std::size_t>(posicio - 1)); }
  const std::vector<Exercici>& Exercicis() const { return exercicis_; }

  int Seleccio() const { return seleccio_; }
  void Selecciona(int posicio);  // out of range selects nothing

  bool Afegeix(const Exercici& e);  // false, and nothing changes, when full
  void Elimina(int posicio);        // later exercises move up; selection as the list keeps it
  void Intercanvia(int p, int q);
  void Buida();

 private:
  std::vector<Exercici> exercicis_;
  int seleccio_ = 0;
};

// One list line per exercise: position, ']' and the statement, cut to 255.
std::vector<std::string> LiniesLlista(const Lot& lot);
// What the list shows of each exercise: position, ']' and the statement as one
// readable line of Unicode (UTF-8; document/TextLinia.h): "3]Calcula: (x+3)²".
std::vector<std::string> LiniesLlegibles(const Lot& lot);

// Which batch controls and menu items are enabled, and the label's colour.
struct EstatControls {
  bool editar = false, eliminar = false;   // "->", "-": count > 0
  bool pujar = false, baixar = false;      // "/\", "\/": count > 1
  bool desar = false, obrir = false, reiniciar = false;  // buttons and "Lot exercicis" items: count > 0
  bool etiquetaNegra = false;              // "Lot exercicis:" black when count > 0
};
EstatControls CalculaEstat(const Lot& lot);

}  // namespace tirelo
