// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Casos.h"

#include "mathtext/Text.h"
#include "shell/Programa.h"

namespace tirelo {

void EscriuCasos(Programa& prg, const EntornCasos& entorn, const std::function<Cas(Programa&)>& cas) {
  TextsCasos casos(entorn.capEnunciat, entorn.capResposta, LlargadaText - entorn.reservaEnunciat);
  casos.Disposa(entorn.enunciat, entorn.resposta);
  const int n = prg.serie.nombreCasos;
  for (int i = 1; i <= n; ++i) {
    const Cas c = cas(prg);  // drawn even when it no longer fits
    casos.AfegeixCas(prg, i, c.enunciat, c.resposta);
  }
  Exercici& ex = prg.exercici;
  ex.enunciat = casos.Enunciat();
  ex.resposta = casos.Resposta();
  ex.pista.clear();
  ex.llest = true;
  prg.serie.casosEscrits = casos.Casos();
}

void EscriuCasos(Programa& prg, std::string_view capcalera, const std::function<Cas(Programa&)>& cas) {
  EscriuCasos(prg, EntornCasos{std::string(capcalera), ""}, cas);
}

}  // namespace tirelo
