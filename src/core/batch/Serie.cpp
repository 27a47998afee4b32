// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Serie.h"

#include <charconv>
#include <utility>
#include <vector>

#include "mathtext/Text.h"
#include "shell/Programa.h"

namespace tirelo {

namespace {
// Case counters are 8-bit: the count field takes 1..255 only.
bool CasosValids(long long n) { return n >= 1 && n <= 255; }
}  // namespace

std::string TextCasosRetallats(const CasosRetallats& c) {
  return "Exercici " + std::to_string(c.exercici) + ": hi caben " + std::to_string(c.casos) + " casos dels " +
         std::to_string(c.demanats) + " demanats.";
}

bool PrenCasos(std::string_view cadenaCasos, int k) {
  return k >= 1 && static_cast<std::size_t>(k) <= cadenaCasos.size() &&
         cadenaCasos[static_cast<std::size_t>(k) - 1] == '1';
}

std::string LletresCas(int i) {
  constexpr int kLletres = 26;
  if (i <= kLletres) return std::string(1, static_cast<char>('a' + i - 1));
  const int despres = i - kLletres - 1;  // 0 for "aa"; 255 cases need two letters at most
  return LletresCas(despres / kLletres + 1) + static_cast<char>('a' + despres % kLletres);
}

std::string EtiquetaCas(int nombreCasos, int i) {
  if (nombreCasos == 1) return {};
  return LletresCas(i) + ") ";
}

std::string EtiquetaCas(const Programa& prg, int i) { return EtiquetaCas(prg.serie.nombreCasos, i); }

std::string SeparadorCas(int nombreCasos, int i) {
  if (i == nombreCasos) return {};
  return ",  ";
}

TextsCasos::TextsCasos(Frase enunciat, Frase resposta, std::size_t maxEnunciat,
                       std::size_t maxResposta)
    : enunciat_(std::move(enunciat)),
      resposta_(std::move(resposta)),
      maxEnunciat_(maxEnunciat),
      maxResposta_(maxResposta) {}

bool TextsCasos::Afegeix(const Frase& enunciat, const Frase& resposta) {
  ple_ = ple_ || enunciat_.Llargada() + enunciat.Llargada() > maxEnunciat_ ||
         resposta_.Llargada() + resposta.Llargada() > maxResposta_;
  if (ple_) return false;
  enunciat_ += enunciat;
  resposta_ += resposta;
  ++casos_;
  return true;
}

void TextsCasos::Disposa(DisposicioCasos enunciat, DisposicioCasos resposta) {
  disposicioEnunciat_ = enunciat;
  disposicioResposta_ = resposta;
}

namespace {
// What goes before case i in a text: the separator after the case before (written
// here rather than after that case, so that the last case kept ends its text clean),
// then the entry and the label.
std::string AbansDelCas(int nombreCasos, int i, const DisposicioCasos& d) {
  std::string abans = d.separats && i > 1 ? SeparadorCas(nombreCasos, i - 1) : std::string();
  return abans + std::string(d.entrada) + EtiquetaCas(nombreCasos, i);
}
}  // namespace

bool TextsCasos::AfegeixCas(int nombreCasos, int i, const Frase& enunciat, const Frase& resposta) {
  return Afegeix(Frase(AbansDelCas(nombreCasos, i, disposicioEnunciat_)) + enunciat,
                 Frase(AbansDelCas(nombreCasos, i, disposicioResposta_)) + resposta);
}

CampCasos LlegeixCampCasos(std::string_view text) {
  const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blanc(text.front())) text.remove_prefix(1);
  while (!text.empty() && blanc(text.back())) text.remove_suffix(1);
  if (text.empty()) return {LecturaCasos::ForaDeRang, 0};  // a blank field reads as 0
  // One optional sign, then decimal digits only ("+-5", "--5", "5x" are not numbers).
  std::string_view xifres = text;
  const bool negatiu = xifres.front() == '-';
  if (negatiu || xifres.front() == '+') xifres.remove_prefix(1);
  if (xifres.empty() || xifres.find_first_not_of("0123456789") != std::string_view::npos) {
    return {LecturaCasos::NoEsNombre, 0};
  }
  long long valor = 0;
  const auto lectura = std::from_chars(xifres.data(), xifres.data() + xifres.size(), valor);
  if (negatiu || lectura.ec != std::errc() || !CasosValids(valor)) return {LecturaCasos::ForaDeRang, 0};
  return {LecturaCasos::Valid, static_cast<int>(valor)};
}

// The subtype list split at ';' (at most 255 characters of it are used). Empty names
// keep their place so that positions still match the generators; a trailing ';'
// adds no line.
std::vector<std::string> DivideixSubtipus(std::string_view llista) {
  const std::string usada = Talla(llista);
  std::vector<std::string> noms;
  std::string nom;
  for (const char c : usada) {
    if (c == ';') {
      noms.push_back(nom);
      nom.clear();
    } else {
      nom += c;
    }
  }
  if (!nom.empty()) noms.push_back(nom);
  return noms;
}

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
  peticio.subtipus = DivideixSubtipus(s.llistaSubtipus);
  peticio.casos = s.cadenaCasos;
  const int recordat = s.subtipusRecordat == 0 ? 1 : s.subtipusRecordat;
  const int linies = static_cast<int>(peticio.subtipus.size());
  peticio.seleccio = recordat <= linies ? recordat : 0;
  peticio.nombreCasos = s.nombreCasos;
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
    if (!MateixosTextos(generat, e)) e.editat = true;
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
  const std::string& casos = prg.serie.cadenaCasos;
  const bool prenCasos = subtipus >= 1 && static_cast<std::size_t>(subtipus) <= casos.size() &&
                         casos[static_cast<std::size_t>(subtipus) - 1] == '1';
  e.recepta = Recepta{prg.serie.temaActual, subtipus, prenCasos ? prg.serie.nombreCasos : 1, std::nullopt, *estat};
}

namespace {

// The part of a pass before the series window: the topic's texts for the window.
void ObrePas(Programa& prg, const Tema& tema) {
  if (tema.refrescaAlPrincipi) RefrescaEstat(prg);
  prg.exercici.llest = false;
  prg.serie.titolTema = tema.titol;
  prg.serie.cadenaCasos = tema.cadenaCasos;
  prg.serie.llistaSubtipus = tema.llistaSubtipus;
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
  if (prg.lot.Nombre() > abans && PrenCasos(tema.cadenaCasos, k) && escrits && *escrits < demanats)
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
                                   ? RespostaSubtipus{true, tries[i].subtipus, static_cast<uint16_t>(tries[i].casos)}
                                   : RespostaSubtipus{false, 0, peticio.nombreCasos};
    const int k = PrenResposta(prg, peticio, r);
    if (k == 0) return retallats;
    GeneraPas(prg, tema, k, genera);
  }
}

}  // namespace tirelo
