// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Dibuix.h"

#include <string>
#include <utility>

#include "mathtext/Text.h"
#include "topics/Cataleg.h"
#include "topics/Passos.h"

namespace tirelo {

Dibuix DibuixaTema(const EntradaTema& tema, int numeroTema, int subtipus, int casos,
                   const std::function<FormaEq2()>& demanaForma, FontAleatoria& font, int nivell) {
  Dibuix d;
  Exercici& e = d.exercici;
  const auto estat = font.Estat();
  if (numeroTema != 0 && estat) {
    // A subtype without a number of cases draws one, whatever it was asked.
    e.recepta = Recepta{numeroTema, subtipus, tema.PrenCasos(subtipus) ? casos : 1, std::nullopt, *estat, nivell};
  }
  ContextGenerador ctx{font, casos, [&] {
                         const FormaEq2 forma = demanaForma();
                         if (e.recepta && !e.recepta->forma) e.recepta->forma = static_cast<int>(forma);
                         return forma;
                       },
                       nivell};
  ResultatGenerador r = tema.genera(ctx, subtipus);
  d.estat = r.estat;
  d.nombreCasos = ctx.nombreCasos;
  if (r.estat != EstatGenerador::Fet) return d;

  Generat& g = r.exercici;
  // The closing step: the topic's closing text goes after what the generator wrote.
  e.enunciat = tema.tancament.empty() ? std::move(g.enunciat) : g.enunciat + std::string(tema.tancament);
  e.resposta = std::move(g.resposta);
  e.pista = std::move(g.pista);
  e.instruccio = std::move(g.instruccio);
  e.apartats = std::move(g.apartats);
  // The worked solutions come from the cases' own mathematics: nothing more is drawn.
  if (numeroTema != 0) PosaResolucions(numeroTema, subtipus, e.apartats);
  e.llest = true;
  e.Limita();  // every text is cut to its field, never refused
  d.casosEscrits = g.casosEscrits;
  return d;
}

std::optional<Dibuix> Dibuixa(const Recepta& recepta, FontAleatoria& font) {
  const auto cataleg = Cataleg();
  if (recepta.tema < 1 || static_cast<std::size_t>(recepta.tema) > cataleg.size()) return std::nullopt;
  font.Sembra(recepta.llavor);
  // Without a form in the recipe, an equation takes the complete form.
  const FormaEq2 forma = static_cast<FormaEq2>(recepta.forma.value_or(0));
  Dibuix d = DibuixaTema(cataleg[static_cast<std::size_t>(recepta.tema) - 1], recepta.tema, recepta.subtipus,
                         recepta.casos, [forma] { return forma; }, font, recepta.nivell);
  if (d.estat != EstatGenerador::Fet) return std::nullopt;
  return d;
}

std::optional<Dibuix> Dibuixa(const Recepta& recepta) {
  GeneradorAleatori font;
  return Dibuixa(recepta, font);
}

}  // namespace tirelo
