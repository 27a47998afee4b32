// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Lot.h"

#include <algorithm>
#include <utility>

#include "document/TextLinia.h"
#include "mathtext/Nombres.h"
#include "mathtext/Text.h"
#include "shell/Programa.h"

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
  for (int k = 1; k <= lot.Nombre(); ++k) linies.push_back(TxtEnter(k) + "]" + TextLinia(lot[k].enunciat));
  return linies;
}

std::string TextCaptio(const Programa& prg) {
  return prg.desc.titol + ". N\xBA exercicis: " + TxtEnter(prg.lot.Nombre());
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

// ---- Batch commands ----

void AvisaLotPle(Programa& prg) {
  prg.ui.Avis(
      "El lot ja \xE9s ple (50 exercicis): aquest exercici no s'hi ha afegit.\n"
      "Per fer-hi lloc, elimina'n algun amb \"-\" (Elimina l'exercici), o desa el lot i "
      "reinicia'l amb \"Reset\".",
      "Lot ple");
}

void RefrescaEstat(Programa& prg) { prg.ui.EstatCanviat(); }

void Afegeix(Programa& prg, const Exercici& e) {
  if (prg.lot.Ple()) {
    AvisaLotPle(prg);
    return;
  }
  AbansDeCanviar(prg);
  prg.lot.Afegeix(e);
  RefrescaEstat(prg);
}

void EditaSeleccionat(Programa& prg) {
  const int p = prg.lot.Seleccio();
  if (p == 0) return;
  Exercici copia = prg.lot[p];
  if (!prg.ui.EditaExercici(copia)) return;
  // The main window stays usable while the editor is open, so the batch may have
  // shrunk meanwhile: a position that no longer exists has nothing to write back to.
  if (p > prg.lot.Nombre()) return;
  copia.Limita();
  if (!MateixosTextos(copia, prg.lot[p])) copia.editat = true;
  if (copia == prg.lot[p]) return;  // accepted unchanged: nothing to undo
  AbansDeCanviar(prg);
  prg.lot[p] = copia;
  prg.lot.Selecciona(p);
  RefrescaEstat(prg);
}

void EliminaSeleccionat(Programa& prg) {
  const int p = prg.lot.Seleccio();
  if (p == 0) return;
  if (!prg.ui.Pregunta("Eliminar l'exercici seleccionat?", "*Confirmar eliminar*")) return;
  AbansDeCanviar(prg);
  prg.lot.Elimina(p);
  RefrescaEstat(prg);
}

namespace {
// Exchanges the selected exercise with its neighbour at p + pas and follows it.
void MouSeleccionat(Programa& prg, int pas) {
  const int p = prg.lot.Seleccio();
  const int q = p + pas;
  if (p == 0 || q < 1 || q > prg.lot.Nombre()) return;
  AbansDeCanviar(prg);
  prg.lot.Intercanvia(p, q);
  prg.lot.Selecciona(q);
  RefrescaEstat(prg);
}
}  // namespace

void BaixaSeleccionat(Programa& prg) { MouSeleccionat(prg, +1); }
void PujaSeleccionat(Programa& prg) { MouSeleccionat(prg, -1); }

void Reinicia(Programa& prg) {
  if (prg.lot.Nombre() == 0) return;
  if (!prg.ui.Pregunta("Reiniciar Lot a 0? ", "Reinici Lot")) return;
  AbansDeCanviar(prg);
  prg.lot.Buida();
  prg.document.escrit = false;
  RefrescaEstat(prg);
}

}  // namespace tirelo
