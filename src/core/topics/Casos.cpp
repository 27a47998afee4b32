// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Casos.h"

#include "mathtext/Text.h"

namespace tirelo {

Generat EscriuCasos(ContextGenerador& ctx, const EntornCasos& entorn,
                    const std::function<Cas(ContextGenerador&)>& cas) {
  TextsCasos casos(entorn.capEnunciat, entorn.capResposta, LlargadaText - entorn.reservaEnunciat);
  casos.Disposa(entorn.enunciat, entorn.resposta);
  const int n = ctx.nombreCasos;
  for (int i = 1; i <= n; ++i) {
    const Cas c = cas(ctx);  // drawn even when it no longer fits
    casos.AfegeixCas(n, i, c.enunciat, c.resposta);
  }
  return Escriu({casos.Enunciat(), casos.Resposta(), {}}, casos.Casos(), entorn.capEnunciat, casos.Apartats());
}

Generat EscriuCasos(ContextGenerador& ctx, std::string_view capcalera,
                    const std::function<Cas(ContextGenerador&)>& cas) {
  return EscriuCasos(ctx, EntornCasos{Frase(capcalera), Frase()}, cas);
}

}  // namespace tirelo
