// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Versions.h"

#include <filesystem>
#include <set>
#include <variant>

#include "batch/Desar.h"
#include "mathtext/Text.h"
#include "shell/CodiFull.h"
#include "shell/DesarDocument.h"
#include "shell/DesarFull.h"
#include "shell/FitxerLot.h"
#include "shell/Genera.h"
#include "topics/Dibuix.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"

namespace tirelo {

namespace fs = std::filesystem;

std::string LletraVersio(int versio) { return std::string(1, static_cast<char>('A' + versio)); }

std::string CamiVersio(const std::string& cami, std::string_view lletra) {
  const fs::path p(cami);
  fs::path nou = p.parent_path() / (p.stem().string() + "-" + std::string(lletra));
  nou += p.extension();
  return nou.string();
}

std::vector<uint32_t> LlavorsDeVersions(uint64_t base, int n) {
  GeneradorAleatori font(base);
  std::set<uint32_t> vistes;
  std::vector<uint32_t> llavors;
  while (static_cast<int>(llavors.size()) < n) {
    const auto alt = static_cast<uint32_t>(font.Random(0x10000));
    const uint32_t llavor = alt << 16 | static_cast<uint32_t>(font.Random(0x10000));
    if (vistes.insert(llavor).second) llavors.push_back(llavor);
  }
  return llavors;
}

namespace {

bool EsSortejable(const Exercici& e) { return e.recepta && !e.editat; }

}  // namespace

std::vector<Exercici> VersioDelLot(const std::vector<Exercici>& exercicis, uint32_t llavor) {
  std::vector<Recepta> receptes;
  for (const Exercici& e : exercicis)
    if (EsSortejable(e)) receptes.push_back(*e.recepta);
  std::vector<Exercici> versio = exercicis;
  if (receptes.empty()) return versio;
  OpcionsGenera o;
  o.series = SeriesDeLesReceptes(receptes, true);
  const LotGenerat g = GeneraSeries(o, llavor);
  const auto& nous = g.exercicis;
  std::size_t seguent = 0;
  for (Exercici& e : versio) {
    if (!EsSortejable(e) || seguent >= nous.size()) continue;
    const int pista = e.posicioPista;  // the hint stays where it was
    e = nous[seguent++];
    e.posicioPista = pista;
  }
  return versio;
}

std::optional<Exercici> DibuixaRecepta(const Recepta& r) {
  auto d = Dibuixa(r);
  if (!d) return std::nullopt;
  return std::move(d->exercici);
}

bool PotSortejar(const Programa& prg) {
  const int k = prg.lot.Seleccio();
  return k >= 1 && k <= prg.lot.Nombre() && prg.lot[k].recepta.has_value();
}

namespace {

// A fresh 32-bit seed from the program's random source.
uint64_t LlavorNova(Programa& prg) {
  return static_cast<uint64_t>(prg.Random(0x10000)) << 16 | static_cast<uint64_t>(prg.Random(0x10000));
}

}  // namespace

void NouSorteig(Programa& prg) {
  if (!PotSortejar(prg)) return;
  const int k = prg.lot.Seleccio();
  const Exercici& actual = prg.lot[k];
  if (actual.editat &&
      !prg.ui.Pregunta("Aquest exercici s'ha editat a m\xE0 i un nou sorteig en perdr\xE0 els canvis.\r"
                       "Vols sortejar-lo de nou igualment?",
                       "Nou sorteig")) {
    return;
  }
  Recepta r = *actual.recepta;
  r.llavor = LlavorNova(prg);
  auto nou = DibuixaRecepta(r);
  if (!nou) return;
  nou->posicioPista = actual.posicioPista;
  AbansDeCanviar(prg);
  prg.lot[k] = *nou;
  prg.lot.Selecciona(k);
  RefrescaEstat(prg);
}

void ObreCodi(Programa& prg) {
  const auto codi = prg.ui.DemanaCodi();
  if (codi && !codi->empty()) ObreCodiDe(prg, *codi);
}

bool ObreCodiDe(Programa& prg, std::string_view codi) {
  const auto llegit = LlegeixCodi(codi);
  if (const auto* error = std::get_if<ErrorCodi>(&llegit)) {
    const std::string motiu = Cp1252DeUtf8(error->missatge).value_or(error->missatge);
    prg.ui.Avis("No s'ha pogut obrir el codi: " + motiu + ".\rEl lot actual no ha canviat.", "Codi no v\xE0lid");
    return false;
  }
  const FullCodificat& full = std::get<FullCodificat>(llegit);
  const LotGenerat g = GeneraSeries(OpcionsDelCodi(full), full.llavor);
  if (!SubstitueixLot(prg, g.exercicis, "pel full del codi")) return false;
  // Exercises added next are drawn on from where the code's sheet ended, so that the
  // longer sheet still has a code.
  if (g.estat) prg.aleatori->Sembra(*g.estat);
  prg.full.respostesSimplificades = full.respostesSimplificades;
  prg.full.resolucio = full.resolucio;
  RefrescaEstat(prg);
  return true;
}

namespace {

// One question before replacing any of the versions' files.
bool PreguntaSubstituirVersions(Programa& prg, const std::vector<std::string>& camins) {
  std::error_code ec;
  for (const auto& cami : camins) {
    if (fs::exists(cami, ec))
      return prg.ui.Pregunta("Ja hi ha un fitxer " + TextDelSistema(cami) +
                                 " i potser d'altres de les versions.\rVols substituir-los?",
                             "Confirmar");
  }
  return true;
}

}  // namespace

void DesaVersions(Programa& prg, const EscriptorFull& pdf) {
  if (prg.lot.Nombre() == 0) return;
  const auto n = prg.ui.DemanaVersions();
  if (!n || *n < MinimVersions || *n > MaximVersions) return;
  ValorsDesar valors = prg.desar;
  if (!prg.ui.DemanaValorsDesar(valors)) return;
  valors.nomFitxer = Talla(valors.nomFitxer, LlargadaText);
  valors.titol = Talla(valors.titol, LlargadaText);
  if (valors.nomFitxer.empty()) return;
  if (auto motiu = ValidaNomFitxer(valors.nomFitxer)) {
    prg.ui.Avis(*motiu, TitolNomNoValid);
    return;
  }
  prg.desar = valors;
  const auto carpeta = CarpetaExerc(prg);
  if (!carpeta) return;
  // Each version as its RTF document and, when the program can typeset, its PDF sheet.
  std::vector<std::string> extensions{".rtf"};
  if (pdf) extensions.emplace_back(ExtensioPdf);
  std::vector<std::string> camins;
  for (int v = 0; v < *n; ++v) {
    for (const auto& extensio : extensions)
      camins.push_back(CamiVersio((*carpeta / (Utf8DeCp1252(valors.nomFitxer) + extensio)).string(), LletraVersio(v)));
  }
  if (!PreguntaSubstituirVersions(prg, camins)) return;
  // Seeds from the clock: the program's own source stays where the batch left it, so
  // that the batch keeps its code when more exercises are added.
  const auto llavors = LlavorsDeVersions(LlavorDelRellotge(), *n);
  OpcionsFull opcions = OpcionsDelFull(prg);
  for (int v = 0; v < *n; ++v) {
    const auto versio = VersioDelLot(prg.lot.Exercicis(), llavors[static_cast<std::size_t>(v)]);
    opcions.versio = LletraVersio(v);
    opcions.codi = CodiDelLot(versio, opcions.respostesSimplificades, opcions.resolucio).value_or("");
    for (std::size_t e = 0; e < extensions.size(); ++e) {
      const std::string& cami = camins[static_cast<std::size_t>(v) * extensions.size() + e];
      if (const auto motiu = EscriuFull(versio, opcions, cami, pdf)) {
        prg.ui.Avis("No s'ha pogut desar " + TextDelSistema(cami) + ":\r" + TextDelSistema(*motiu), TitolNoDesat);
        return;
      }
    }
  }
  prg.ui.Informa("Desades " + std::to_string(*n) + " versions a " + TextDelSistema(carpeta->string()));
}

}  // namespace tirelo
