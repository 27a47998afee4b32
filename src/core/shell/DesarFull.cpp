// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/DesarFull.h"

#include <algorithm>

#include "batch/Desar.h"
#include "batch/EscripturaAtomica.h"
#include "shell/CodiFull.h"
#include "shell/DesarDocument.h"
#include "shell/Programa.h"

namespace tirelo {

OpcionsFull OpcionsDelFull(const Programa& prg) {
  OpcionsFull o;
  o.titol = prg.desar.titol;
  o.disposicio = prg.desar.disposicio == 0 ? 0 : 1;
  o.capcalera = prg.full.capcalera;
  o.espai = std::clamp(prg.full.espai, 0, ValorsFull::EspaiMaxim);
  o.codi = CodiDelLot(prg.lot.Exercicis()).value_or("");
  return o;
}

bool DesaPdf(Programa& prg, const EscriptorFull& escriu) {
  const auto cami = DemanaCamiDesar(prg, ExtensioPdf);
  if (!cami) return false;
  const OpcionsFull opcions = OpcionsDelFull(prg);
  const auto motiu = EscriuAtomicament(*cami, [&](const std::filesystem::path& temporal) {
    return escriu(prg.lot.Exercicis(), opcions, temporal);
  });
  if (motiu) {
    prg.ui.Avis("No s'ha pogut escriure el fitxer \"" + prg.desar.nomFitxer + std::string(ExtensioPdf) + "\":\r" +
                    TextDelSistema(*motiu),
                TitolNoDesat);
    return false;
  }
  prg.historial.MarcaDesat();
  InformaDesat(prg, *cami);
  return true;
}

}  // namespace tirelo
