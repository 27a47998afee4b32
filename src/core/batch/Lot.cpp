// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Lot.h"

#include <algorithm>
#include <utility>

#include "document/TextLinia.h"
#include "mathtext/Nombres.h"
#include "mathtext/Text.h"

namespace tirelo {

// ---- The batch itself ----

void Lot::Selecciona(int posicio) { seleccio_ = (posicio >= 1 && posicio <= Nombre()) ? posicio : 0; }

bool Lot::Afegeix(const Exercici& e) {
  if (Ple()) return false;  // the storage holds 50: nothing is ever written beyond it
  exercicis_.push_back(e);
  seleccio_ = Nombre();
  return true;
}

void Lot::Elimina(int posicio) {
  if (posicio < 1 || posicio > Nombre()) return;
  exercicis_.erase(exercicis_.begin() + (posicio - 1));
  // The list keeps the line at the same position, or the new last line.
  seleccio_ = std::min(posicio, Nombre());
}

void Lot::Intercanvia(int p, int q) {
  if (p < 1 || q < 1 || p > Nombre() || q > Nombre()) return;
  std::swap((*this)[p], (*this)[q]);
}

void Lot::Buida() {
  exercicis_.clear();
  seleccio_ = 0;
}

// ---- What the main window shows ----

std::vector<std::string> LiniesLlista(const Lot& lot) {
  std::vector<std::string> linies;
  linies.reserve(static_cast<std::size_t>(lot.Nombre()));
  for (int k = 1; k <= lot.Nombre(); ++k) linies.push_back(Talla(TxtEnter(k) + "]" + lot[k].enunciat));
  return linies;
}

std::vector<std::string> LiniesLlegibles(const Lot& lot) {
  std::vector<std::string> linies;
  linies.reserve(static_cast<std::size_t>(lot.Nombre()));
  for (int k = 1; k <= lot.Nombre(); ++k) linies.push_back(TxtEnter(k) + "]" + TextLinia(MatematiquesEnunciat(lot[k])));
  return linies;
}

EstatControls CalculaEstat(const Lot& lot) {
  const bool algun = lot.Nombre() > 0;
  const bool dos = lot.Nombre() > 1;
  EstatControls e;
  e.editar = e.eliminar = algun;
  e.pujar = e.baixar = dos;
  e.desar = e.obrir = e.reiniciar = algun;
  e.etiquetaNegra = algun;
  return e;
}

}  // namespace tirelo
