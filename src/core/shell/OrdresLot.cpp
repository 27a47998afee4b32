// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/OrdresLot.h"

#include "batch/Lot.h"
#include "mathtext/Nombres.h"
#include "shell/Programa.h"

namespace tirelo {

std::string TextCaptio(const Programa& prg) {
  return prg.desc.titol + ". N\xBA exercicis: " + TxtEnter(prg.lot.Nombre());
}

// ---- Batch commands ----

void AvisaLotPle(Programa& prg) { prg.ui.Avis(AvisLotPle, "Lot ple"); }

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
  if (!MateixosTextos(copia, prg.lot[p])) MarcaEditat(copia);
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

// ---- Undo and redo ----

void AbansDeCanviar(Programa& prg) { prg.historial.AbansDeCanviar(prg.lot); }

void Desfes(Programa& prg) {
  if (prg.historial.Desfes(prg.lot)) RefrescaEstat(prg);
}

void Refes(Programa& prg) {
  if (prg.historial.Refes(prg.lot)) RefrescaEstat(prg);
}

bool HiHaCanvisSenseDesar(const Programa& prg) {
  return prg.lot.Nombre() > 0 && prg.historial.CanvisSenseDesar();
}

}  // namespace tirelo
