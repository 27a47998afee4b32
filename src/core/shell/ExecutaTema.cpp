// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/ExecutaTema.h"

#include "shell/PassosSerie.h"
#include "shell/Programa.h"
#include "topics/Cataleg.h"
#include "topics/Dibuix.h"
#include "mathtext/Text.h"

#include <string>
#include <utility>

namespace tirelo {

ContextGenerador ContextDelPrograma(Programa& prg) {
  return {*prg.aleatori, prg.serie.nombreCasos, [&prg] {
            const FormaEq2 forma = prg.ui.DemanaFormaEq2();
            // The recipe keeps the first answer: what the window was told, not the drawn form.
            if (auto& r = prg.exercici.recepta; r && !r->forma) r->forma = static_cast<int>(forma);
            return forma;
          },
          prg.serie.nivell};
}

void PosaGenerat(Programa& prg, Generat g) {
  Exercici& ex = prg.exercici;
  ex.enunciat = std::move(g.enunciat);
  ex.resposta = std::move(g.resposta);
  ex.pista = std::move(g.pista);
  ex.instruccio = std::move(g.instruccio);
  ex.apartats = std::move(g.apartats);
  ex.llest = true;
  prg.serie.casosEscrits = g.casosEscrits;
}

EstatGenerador GeneraDelCataleg(Programa& prg, const EntradaTema& e, int subtipus) {
  Dibuix d = DibuixaTema(e, prg.serie.temaActual, subtipus, prg.serie.nombreCasos,
                         [&prg] { return prg.ui.DemanaFormaEq2(); }, *prg.aleatori, prg.serie.nivell);
  prg.serie.nombreCasos = static_cast<uint16_t>(d.nombreCasos);  // a generator may lower it to its pool
  if (d.estat != EstatGenerador::Fet) return d.estat;
  Exercici& ex = prg.exercici;
  ex.enunciat = std::move(d.exercici.enunciat);
  ex.resposta = std::move(d.exercici.resposta);
  ex.pista = std::move(d.exercici.pista);
  ex.instruccio = std::move(d.exercici.instruccio);
  ex.apartats = std::move(d.exercici.apartats);
  ex.recepta = d.exercici.recepta;
  ex.editat = false;
  ex.llest = true;
  prg.serie.casosEscrits = d.casosEscrits;
  return d.estat;
}

void ExecutaTema(Programa& prg, uint16_t tema) {
  const auto cataleg = Cataleg();
  if (tema < 1 || tema > cataleg.size()) return;
  const EntradaTema& e = cataleg[tema - 1];
  prg.serie.temaActual = tema;
  BucleTema(prg, e.Serie(), [&e](Programa& p, int k) { GeneraDelCataleg(p, e, k); });
  if (e.surt) e.surt(*prg.aleatori);
  prg.serie.temaActual = 0;
}

std::vector<CasosRetallats> GeneraTema(Programa& prg, uint16_t tema, const std::vector<TriaSerie>& tries) {
  const auto cataleg = Cataleg();
  if (tema < 1 || tema > cataleg.size()) return {};
  const EntradaTema& e = cataleg[tema - 1];
  prg.serie.temaActual = tema;
  auto retallats = BucleTemaDonat(prg, e.Serie(), [&e](Programa& p, int k) { GeneraDelCataleg(p, e, k); }, tries);
  if (e.surt) e.surt(*prg.aleatori);
  prg.serie.temaActual = 0;
  return retallats;
}

}  // namespace tirelo
