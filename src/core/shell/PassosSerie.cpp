// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/PassosSerie.h"

#include <utility>

#include "shell/OrdresLot.h"
#include "shell/Programa.h"

namespace tirelo {

std::string EtiquetaCas(const Programa& prg, int i) { return EtiquetaCas(prg.serie.nombreCasos, i); }

namespace {

// What the series window is about to show, after the status is refreshed and the
// exercise under construction is cleared.
PeticioSubtipus PreparaPeticio(Programa& prg) {
  RefrescaEstat(prg);
  prg.exercici.llest = false;
  prg.exercici.pista.clear();

  ValorsSerie& s = prg.serie;
  PeticioSubtipus peticio;
  peticio.titol = s.titolTema;
  for (const SubtipusSerie& t : s.subtipus) {
    peticio.subtipus.push_back(t.nom);
    peticio.casos.push_back(t.casos);
  }
  const int recordat = s.subtipusRecordat == 0 ? 1 : s.subtipusRecordat;
  const int linies = static_cast<int>(peticio.subtipus.size());
  peticio.seleccio = recordat <= linies ? recordat : 0;
  peticio.nombreCasos = s.nombreCasos;
  peticio.nivell = s.nivell;
  peticio.retallats = std::exchange(s.retallats, std::nullopt);
  return peticio;
}

// Takes the window's answer: the subtype chosen (0: left) and the number of cases.
int PrenResposta(Programa& prg, const PeticioSubtipus& peticio, const RespostaSubtipus& r) {
  ValorsSerie& s = prg.serie;
  const int linies = static_cast<int>(peticio.subtipus.size());
  if (!r.acceptat) return 0;  // "Sortir", the close box, or a window that could not open
  const int triat = (r.seleccionat >= 1 && r.seleccionat <= linies) ? r.seleccionat : 0;
  s.subtipusRecordat = static_cast<uint8_t>(triat);
  // The count field refuses anything outside 1..255; a seam that lets one through
  // leaves the number of cases as it was.
  if (CasosValids(r.nombreCasos)) s.nombreCasos = r.nombreCasos;
  if (r.nivell >= 1 && r.nivell <= 3) s.nivell = r.nivell;
  return triat;
}

}  // namespace

int DemanaSeguentSubtipus(Programa& prg) {
  const PeticioSubtipus peticio = PreparaPeticio(prg);
  return PrenResposta(prg, peticio, prg.ui.DemanaSubtipus(peticio));
}

void PasAfegir(Programa& prg) {
  Exercici& e = prg.exercici;
  if (!e.llest || e.enunciat.empty()) return;
  e.posicioPista = prg.serie.opcioPista;  // the option decides, never the generator
  if (prg.lot.Ple()) {
    // Refused before the editor, so the user does not approve or edit in vain.
    AvisaLotPle(prg);
    return;
  }
  if (prg.serie.opcioConformitat) {
    const Exercici generat = e;
    e.llest = prg.ui.EditaExercici(e);
    e.Limita();
    if (!MateixosTextos(generat, e)) MarcaEditat(e);
  }
  if (e.llest) Afegeix(prg, e);
}

void AnotaRecepta(Programa& prg, int subtipus) {
  Exercici& e = prg.exercici;
  e.editat = false;
  e.recepta.reset();
  const auto estat = prg.aleatori->Estat();
  if (prg.serie.temaActual == 0 || !estat) return;
  // A subtype without a number of cases draws one, whatever the count field holds.
  const bool prenCasos = PrenCasos(prg.serie.subtipus, subtipus);
  e.recepta = Recepta{prg.serie.temaActual, subtipus, prenCasos ? prg.serie.nombreCasos : 1, std::nullopt, *estat,
                      prg.serie.nivell};
}

namespace {

// The part of a pass before the series window: the topic's texts for the window.
void ObrePas(Programa& prg, const Tema& tema) {
  if (tema.refrescaAlPrincipi) RefrescaEstat(prg);
  prg.exercici.llest = false;
  prg.serie.titolTema = tema.titol;
  prg.serie.subtipus = tema.subtipus;
}

// The part of a pass after subtype k was chosen: draw, cut, append, note lost cases.
void GeneraPas(Programa& prg, const Tema& tema, int k, const std::function<void(Programa&, int)>& genera) {
  const int demanats = prg.serie.nombreCasos;  // a generator may lower it to its pool
  prg.serie.casosEscrits.reset();
  AnotaRecepta(prg, k);
  genera(prg, k);
  prg.exercici.Limita();  // every text is cut to its field, never refused
  const int abans = prg.lot.Nombre();
  PasAfegir(prg);
  const auto escrits = prg.serie.casosEscrits;
  if (prg.lot.Nombre() > abans && PrenCasos(tema.subtipus, k) && escrits && *escrits < demanats)
    prg.serie.retallats = CasosRetallats{prg.lot.Nombre(), demanats, *escrits};
}

}  // namespace

void BucleTema(Programa& prg, const Tema& tema, const std::function<void(Programa&, int)>& genera) {
  for (;;) {
    ObrePas(prg, tema);
    const int k = DemanaSeguentSubtipus(prg);
    if (k == 0) return;
    GeneraPas(prg, tema, k, genera);
  }
}

std::vector<CasosRetallats> BucleTemaDonat(Programa& prg, const Tema& tema,
                                           const std::function<void(Programa&, int)>& genera,
                                           const std::vector<TriaSerie>& tries) {
  std::vector<CasosRetallats> retallats;
  for (std::size_t i = 0;; ++i) {
    ObrePas(prg, tema);
    const PeticioSubtipus peticio = PreparaPeticio(prg);
    if (peticio.retallats) retallats.push_back(*peticio.retallats);
    const RespostaSubtipus r = i < tries.size()
                                   ? RespostaSubtipus{true, tries[i].subtipus, static_cast<uint16_t>(tries[i].casos),
                                                      tries[i].nivell}
                                   : RespostaSubtipus{false, 0, peticio.nombreCasos, peticio.nivell};
    const int k = PrenResposta(prg, peticio, r);
    if (k == 0) return retallats;
    GeneraPas(prg, tema, k, genera);
  }
}

}  // namespace tirelo
