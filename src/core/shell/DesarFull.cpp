// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/DesarFull.h"

#include <algorithm>

#include "batch/Desar.h"
#include "batch/EscripturaAtomica.h"
#include "shell/CodiFull.h"
#include "shell/DesarDocument.h"
#include "shell/Programa.h"
#include "topics/Cataleg.h"

namespace tirelo {

OpcionsFull OpcionsDelFull(const std::vector<Exercici>& exercicis, std::string_view titol, int disposicio,
                           const ValorsFull& full) {
  OpcionsFull o;
  o.titol = std::string(titol);
  o.disposicio = disposicio == 0 ? 0 : 1;
  o.capcalera = full.capcalera;
  o.espai = std::clamp(full.espai, 0, ValorsFull::EspaiMaxim);
  o.codi = CodiDelLot(exercicis, full.respostesSimplificades, full.resolucio).value_or("");
  o.respostesSimplificades = full.respostesSimplificades;
  o.resolucio = full.resolucio;
  o.formaDelSubtipus = FormaDelSubtipus;
  return o;
}

OpcionsFull OpcionsDelFull(const Programa& prg) {
  return OpcionsDelFull(prg.lot.Exercicis(), prg.desar.titol, prg.desar.disposicio, prg.full);
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
