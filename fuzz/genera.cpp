// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the options of `tirelo genera` with arbitrary bytes: the whole input as one
// --serie value, and the input split at NUL bytes as the arguments after "genera".
// Besides crashes, leaks and undefined behaviour, it checks that every series
// accepted names an existing topic and subtype with counts in range and reads back
// the same when written out again, that accepted options keep every limit, and that
// the batch they generate is exactly what was asked for, the same for the same seed,
// and that an accepted output path names a format the command writes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Propietat.h"
#include "batch/Lot.h"
#include "mathtext/Text.h"
#include "shell/Genera.h"

namespace {

using namespace tirelo;

const std::vector<DescripcioTema>& Temes() {
  static const std::vector<DescripcioTema> temes = DescriuTemes();
  return temes;
}

const DescripcioTema* Tema(int numero) {
  for (const DescripcioTema& t : Temes())
    if (t.numero == numero) return &t;
  return nullptr;
}

void ComprovaSerie(const SerieDemanada& s) {
  const DescripcioTema* t = Tema(s.tema);
  Comprova(t != nullptr, "a series names an existing topic");
  Comprova(s.subtipus >= 1 && s.subtipus <= static_cast<int>(t->subtipus.size()), "the subtype exists");
  Comprova(s.casos >= 1 && s.casos <= 255, "the number of cases is 1..255");
  Comprova(s.casos == 1 || t->PrenCasos(s.subtipus), "cases only where the subtype takes them");
  Comprova(s.exercicis >= 1 && s.exercicis <= Lot::Maxim, "the number of exercises fits a batch");
  const std::string escrita = std::to_string(s.tema) + ":" + std::to_string(s.subtipus) + ":" +
                              std::to_string(s.casos) + ":" + std::to_string(s.exercicis);
  const auto relectura = LlegeixSerie(escrita, Temes());
  const auto* r = std::get_if<SerieDemanada>(&relectura);
  Comprova(r && r->tema == s.tema && r->subtipus == s.subtipus && r->casos == s.casos &&
               r->exercicis == s.exercicis,
           "an accepted series reads back the same");
}

void ComprovaLot(const OpcionsGenera& o, const LotGenerat& g) {
  int demanats = 0;
  for (const SerieDemanada& s : o.series) demanats += s.exercicis;
  Comprova(g.exercicis.size() == static_cast<std::size_t>(demanats), "the batch holds every exercise asked for");
  Comprova(g.origen.size() == static_cast<std::size_t>(demanats), "every exercise knows its series");
  for (const Exercici& e : g.exercicis) {
    Comprova(!e.enunciat.empty(), "every exercise has a statement");
    Comprova(e.enunciat.size() <= LlargadaText && e.resposta.size() <= LlargadaText &&
                 e.pista.size() <= LlargadaPista,
             "every text fits its field");
    Comprova(e.posicioPista == o.pista, "the hint goes where the option says");
  }
}

void ComprovaOpcions(const std::vector<std::string>& args) {
  const auto lectura = LlegeixOpcionsGenera(args, Temes());
  if (const auto* e = std::get_if<ErrorOpcions>(&lectura)) {
    Comprova(!e->missatge.empty(), "a refusal says why");
    return;
  }
  const OpcionsGenera& o = std::get<OpcionsGenera>(lectura);
  if (o.ajuda) return;
  Comprova(!o.series.empty() || !o.lot.empty(), "at least one series or a batch file");
  Comprova(o.json || !o.sortida.empty(), "the batch goes somewhere");
  Comprova(o.forma >= 0 && o.forma <= 3 && o.pista >= 0 && o.pista <= 2 && o.disposicio >= 0 && o.disposicio <= 1,
           "every choice is one the windows offer");
  Comprova(o.titol.size() <= LlargadaText, "the title fits its field");
  Comprova(o.espai >= 0 && o.espai <= ValorsFull::EspaiMaxim, "the answer space is one the window offers");
  Comprova(o.sortida.empty() || FormatDeSortida(o.sortida).has_value(), "an output has a known format");
  int total = 0;
  for (const SerieDemanada& s : o.series) {
    ComprovaSerie(s);
    total += s.exercicis;
  }
  Comprova(total <= Lot::Maxim, "the whole batch fits");

  const uint64_t llavor = o.llavor.value_or(1);
  const LotGenerat g = GeneraSeries(o, llavor);
  ComprovaLot(o, g);
  const LotGenerat altre = GeneraSeries(o, llavor);
  Comprova(altre.exercicis == g.exercicis, "the same seed gives the same batch");
}

std::vector<std::string> Arguments(std::string_view dades) {
  if (dades.empty()) return {};
  std::vector<std::string> args(1);
  for (const char c : dades) {
    if (c == '\0') {
      args.emplace_back();
    } else {
      args.back() += c;
    }
  }
  return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view dades(reinterpret_cast<const char*>(data), size);
  const auto serie = LlegeixSerie(dades, Temes());
  if (const auto* s = std::get_if<SerieDemanada>(&serie)) ComprovaSerie(*s);
  ComprovaOpcions(Arguments(dades));
  return 0;
}
