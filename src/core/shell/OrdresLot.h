// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The main window's batch commands and the undo history of the program: each acts on
// the program's batch and asks through the seam where it must.
#include <string>
#include <string_view>

#include "document/Exercici.h"

namespace tirelo {

struct Programa;

// "Exercicis de Tirelo. Nº exercicis: 3"
std::string TextCaptio(const Programa& prg);

// Batch commands of the main window; each asks through the seam where it must.
void Afegeix(Programa& prg, const Exercici& e);  // a full batch refuses with a notice
void AvisaLotPle(Programa& prg);
inline constexpr std::string_view AvisLotPle =
    "El lot ja \xE9s ple (50 exercicis): aquest exercici no s'hi ha afegit.\n"
    "Per fer-hi lloc, elimina'n algun amb \"-\" (Elimina l'exercici), o desa el lot i "
    "reinicia'l amb \"Reset\".";                 // that notice: full, and how to make room
void EditaSeleccionat(Programa& prg);
void EliminaSeleccionat(Programa& prg);
void BaixaSeleccionat(Programa& prg);
void PujaSeleccionat(Programa& prg);
void Reinicia(Programa& prg);
void RefrescaEstat(Programa& prg);

// Notes a change about to happen to prg.lot (for undo and for the exit question).
void AbansDeCanviar(Programa& prg);
// Ctrl+Z / Ctrl+Y: the batch as it was before the last change, and back again.
void Desfes(Programa& prg);
void Refes(Programa& prg);
// Is there anything in the batch that neither a document nor a batch file keeps?
bool HiHaCanvisSenseDesar(const Programa& prg);

}  // namespace tirelo
