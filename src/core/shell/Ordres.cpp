// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Ordres.h"

#include "batch/Desar.h"
#include "batch/Historial.h"
#include "batch/Lot.h"
#include "shell/DesarDocument.h"
#include "shell/ExecutaTema.h"
#include "shell/FitxerLot.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"
#include "shell/Versions.h"

namespace tirelo {

namespace {

// The main window's command table proper; the status is refreshed before each of them.
void ExecutaDeLaTaula(Programa& prg, int numero) {
  switch (numero) {
    case ordre::Editar: EditaSeleccionat(prg); break;
    case ordre::Eliminar: EliminaSeleccionat(prg); break;
    case ordre::Baixar: BaixaSeleccionat(prg); break;
    case ordre::Pujar: PujaSeleccionat(prg); break;
    case ordre::Desar: Desa(prg); break;
    case ordre::EditarImprimir: ObreEnEditor(prg); break;
    case ordre::Reiniciar: Reinicia(prg); break;  // asks nothing on an empty batch
    case ordre::ObrirLot: ObreLot(prg); break;
    case ordre::DesarLot: DesaLot(prg); break;
    case ordre::Desfer: Desfes(prg); break;
    case ordre::Refer: Refes(prg); break;
    case ordre::ObrirCodi: ObreCodi(prg); break;
    case ordre::NouSorteig: NouSorteig(prg); break;
    case ordre::Conformitat: prg.serie.opcioConformitat = !prg.serie.opcioConformitat; break;
    case ordre::Ajuda:
      // An empty name greys the command out. When the desktop cannot open the help
      // file, the program shows the help itself.
      if (!prg.desc.fitxerAjuda.empty() && !prg.ui.ObreAmbEscriptori(CamiAjuda(prg))) prg.ui.MostraAjuda();
      break;
    default: break;
  }
}

bool EsDeLaTaula(int numero) {
  switch (numero) {
    case ordre::Editar: case ordre::Eliminar: case ordre::Baixar: case ordre::Pujar:
    case ordre::Desar: case ordre::EditarImprimir: case ordre::Reiniciar:
    case ordre::ObrirLot: case ordre::DesarLot: case ordre::Desfer: case ordre::Refer:
    case ordre::ObrirCodi: case ordre::NouSorteig:
    case ordre::Conformitat: case ordre::Ajuda:
      return true;
    default:
      return false;
  }
}

}  // namespace

void ExecutaOrdre(Programa& prg, int numero) {
  if (EsDeLaTaula(numero)) {
    RefrescaEstat(prg);
    ExecutaDeLaTaula(prg, numero);
  } else if (numero == ordre::Llista) {
    EditaSeleccionat(prg);  // the window forwards only the list's double click
  } else if (numero >= ordre::PrimerTema && numero <= ordre::PrimerTema + 99) {
    if (prg.sembraCadaFull && prg.lot.Nombre() == 0) prg.aleatori->Sembra(LlavorDeFull());
    ExecutaTema(prg, static_cast<uint16_t>(numero - ordre::PrimerTema));
  }
}

bool PotSortir(Programa& prg) {
  return !HiHaCanvisSenseDesar(prg) || prg.ui.Pregunta("Sortir del programa?", "Confirmar");
}

std::string CamiAjuda(const Programa& prg) {
  namespace fs = std::filesystem;
  const fs::path nom(prg.desc.fitxerAjuda);
  std::error_code ec;
  if (fs::is_regular_file(nom, ec)) return nom.string();
  for (const auto& carpeta : prg.carpetesAjuda) {
    const fs::path cami = carpeta / nom;
    if (fs::is_regular_file(cami, ec)) return cami.string();
  }
  return nom.string();
}

}  // namespace tirelo
