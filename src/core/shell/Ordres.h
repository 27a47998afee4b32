// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The main window's commands that the core carries out. The window only forwards
// the command number; it handles by itself the ones that open its own windows.
#include <string>

namespace tirelo {

struct Programa;

namespace ordre {
inline constexpr int Sortir = 2;
inline constexpr int Editar = 3;
inline constexpr int Eliminar = 4;
inline constexpr int Baixar = 5;
inline constexpr int Pujar = 6;
inline constexpr int Desar = 102;
inline constexpr int EditarImprimir = 103;
inline constexpr int Reiniciar = 104;
inline constexpr int ObrirLot = 105;
inline constexpr int DesarLot = 106;
inline constexpr int Desfer = 107;
inline constexpr int Refer = 108;
inline constexpr int DesarPdf = 109;        // the typeset sheet, opened by the window
inline constexpr int Imprimir = 110;
inline constexpr int VistaImpressio = 111;
inline constexpr int Versions = 112;       // with the typeset sheets, opened by the window
inline constexpr int ObrirCodi = 113;
inline constexpr int NouSorteig = 114;
inline constexpr int Llista = 150;
inline constexpr int PrimerTema = 200;   // 200 + k runs topic k, up to 299
inline constexpr int Conformitat = 401;
inline constexpr int PosarPistes = 402;
inline constexpr int OpcionsFull = 403;     // the sheet options window
inline constexpr int NovaPractica = 501;    // a pupil's practice, run by its own window
inline constexpr int PracticaCodi = 502;    // the practice of a sheet code
inline constexpr int Ajuda = 901;
inline constexpr int QuantA = 902;
}  // namespace ordre

// Runs one command of the table (3, 4, 5, 6, 102..108, 113, 114, 200..299, 401, 901);
// commands of the command table refresh the status first. Any other number does nothing.
void ExecutaOrdre(Programa& prg, int numero);

// Quitting: true when nothing unkept would be lost, or the user answered Yes to
// "Sortir del programa?" (the answer "No" is the default).
bool PotSortir(Programa& prg);

// The help file: the descriptor's name in the current directory when it is there,
// otherwise the first of prg.carpetesAjuda that holds it, otherwise the bare name.
std::string CamiAjuda(const Programa& prg);

}  // namespace tirelo
