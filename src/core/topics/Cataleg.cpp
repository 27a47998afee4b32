// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Cataleg.h"

#include <array>

#include "topics/Arrels.h"
#include "topics/Divisors.h"
#include "topics/Equacions.h"
#include "topics/Fraccions.h"
#include "topics/Funcions.h"
#include "topics/IgualtatsNotables.h"
#include "topics/Operacions.h"
#include "topics/Percentatges.h"
#include "topics/Potencies.h"

namespace tirelo {

namespace {

using F = FormaResposta;
constexpr bool Casos = true;
constexpr bool Un = false;  // one case only
constexpr bool Forma = true;

// id, name, takes cases, asks the equation form, answer form. The ids are those of the
// subtypes' positions in the first sheet codes; the next new subtype takes 39.
constexpr std::array<FilaSubtipus, 2> kDivisors{{
    {1, "Descomposici\xF3 factorial d'un N\xBA", Casos, false, F::FactorsPrimers},
    {2, "mcd i MCM d'un N\xBA", Casos, false, F::Qualsevol},
}};
constexpr std::array<FilaSubtipus, 3> kIgualtats{{
    {3, "Quadrat del binomi", Casos, false, F::Expandida},
    {4, "Suma per difer\xE8ncia", Casos, false, F::Expandida},
    {5, "Difer\xE8ncia de quadrats", Casos, false, F::Factoritzada},
}};
constexpr std::array<FilaSubtipus, 5> kFraccions{{
    {6, "Simplificaci\xF3", Casos, false, F::Irreductible},
    {7, "Suma", Un, false, F::Irreductible},
    {8, "Resta", Un, false, F::Irreductible},
    {9, "Multiplicaci\xF3", Un, false, F::Irreductible},
    {10, "Divisi\xF3", Un, false, F::Irreductible},
}};
constexpr std::array<FilaSubtipus, 5> kPotencies{{
    {11, "Producte (igual base)", Casos, false, F::PotenciaUnaBase},
    {12, "Divisi\xF3 (igual base)", Casos, false, F::PotenciaUnaBase},
    {13, "Producte (igual exponent)", Casos, false, F::PotenciaUnaBase},
    {14, "Divisi\xF3 (igual exponent)", Casos, false, F::PotenciaUnaBase},
    {15, "Pot\xE8ncia de pot\xE8ncia", Casos, false, F::PotenciaUnaBase},
}};
constexpr std::array<FilaSubtipus, 3> kArrels{{
    {16, "Racionalitzar arrel quadrada", Casos, false, F::DenominadorRacional},
    {17, "Racionalitzar arrel n", Casos, false, F::DenominadorRacional},
    {18, "Racionalitzar suma", Casos, false, F::DenominadorRacional},
}};
constexpr std::array<FilaSubtipus, 5> kOperacions{{
    {19, "Reduir un terme (ex.: 3x2 --> 6x)", Casos, false, F::Expandida},
    {20, "Treure Factor com\xFA", Un, false, F::FactorComu},
    {21, "Treure par\xE8ntesis", Un, false, F::Expandida},
    {22, "Multiplicar binomis", Un, false, F::Expandida},
    {23, "Simplificar una fracci\xF3 alg\xE8" "brica", Un, false, F::Irreductible},
}};
constexpr std::array<FilaSubtipus, 6> kPercentatges{{
    {24, "Rebaixes:preu final", Un, false, F::Centims},
    {25, "Rebaixes:preu inicial", Un, false, F::Centims},
    {26, "Rebaixes: % rebaixa", Un, false, F::Qualsevol},
    {27, "Increments: valor final", Un, false, F::Centims},
    {28, "Increments: valor inicial", Un, false, F::Centims},
    {29, "Increments: % increment", Un, false, F::Qualsevol},
}};
// The roots of a quadratic or biquadratic equation are a list of numbers ("9, 6").
constexpr std::array<FilaSubtipus, 4> kEquacions{{
    {30, "Equaci\xF3 1r. grau", Un, false, F::Resolta},
    {31, "Equaci\xF3 2n grau", Casos, Forma, F::Qualsevol},
    {32, "Equaci\xF3 biquadrada", Casos, Forma, F::Qualsevol},
    {33, "Sistema 2 equacions i 2 inc\xF2gnites", Casos, false, F::Resolta},
}};
// The intersection of a line and a parabola is a list of points.
constexpr std::array<FilaSubtipus, 5> kFuncions{{
    {34, "F.Lineal <- pendent i punt", Un, false, F::Qualsevol},
    {35, "F.Lineal <- 2 punts", Un, false, F::Qualsevol},
    {36, "Par\xE0" "bola <- 3 punts", Casos, false, F::Qualsevol},
    {37, "Par\xE0" "bola <- v\xE8rtex i punt", Casos, false, F::Qualsevol},
    {38, "Intersecci\xF3 recta/par\xE0" "bola", Casos, false, F::Qualsevol},
}};

// name, series window caption, subtypes, generator, what leaving draws, closing text,
// whether the status is refreshed at every pass.
constexpr std::array<EntradaTema, 9> kCataleg{{
    {"divisors", "DIVISORS, mcd i MCM", kDivisors, GeneraDivisors, nullptr, {}, true},
    {"igualtats notables", "IGUALTATS NOTABLES", kIgualtats, GeneraIgualtats},
    {"fraccions", "Fraccions", kFraccions, GeneraFraccions, nullptr, {}, true},
    {"pot\xE8ncies", "POT\xC8NCIES", kPotencies, GenPotencies, nullptr, {}, true},
    {"arrels", "RADICALS", kArrels, GenRacionalitzacio, nullptr, {}, true},
    {"operacions", "OPERACIONS ALG\xC8" "BRIQUES", kOperacions, GeneraOperacions, nullptr, {}, true},
    {"percentatges", "OPERACIONS amb TANTS PER CENT", kPercentatges, GeneraPercentatges, SurtPercentatges, {}, true},
    {"equacions", "EQUACIONS i SISTEMES", kEquacions, GeneraEquacions, nullptr, TancamentEquacions},
    {"funcions", "FUNCIONS TIPUS", kFuncions, GeneraFuncions, nullptr, {}, true},
}};

}  // namespace

const FilaSubtipus* EntradaTema::Fila(int subtipus) const {
  if (subtipus < 1 || subtipus > NombreSubtipus()) return nullptr;
  return &files[static_cast<std::size_t>(subtipus) - 1];
}

std::vector<std::string> EntradaTema::Subtipus() const {
  std::vector<std::string> noms;
  for (const FilaSubtipus& f : files) noms.emplace_back(f.nom);
  return noms;
}

bool EntradaTema::PrenCasos(int subtipus) const {
  const FilaSubtipus* f = Fila(subtipus);
  return f && f->casos;
}

bool EntradaTema::DemanaForma(int subtipus) const {
  const FilaSubtipus* f = Fila(subtipus);
  return f && f->demanaForma;
}

Tema EntradaTema::Serie() const {
  Tema t{std::string(titol), {}, refrescaAlPrincipi};
  for (const FilaSubtipus& f : files) t.subtipus.push_back({std::string(f.nom), f.casos});
  return t;
}

std::span<const EntradaTema> Cataleg() { return kCataleg; }

int NombreTemes() { return static_cast<int>(kCataleg.size()); }

std::optional<LlocSubtipus> SubtipusDeId(int id) {
  for (std::size_t t = 0; t < kCataleg.size(); ++t) {
    const auto& files = kCataleg[t].files;
    for (std::size_t s = 0; s < files.size(); ++s) {
      if (files[s].id == id) return LlocSubtipus{static_cast<int>(t) + 1, static_cast<int>(s) + 1};
    }
  }
  return std::nullopt;
}

int IdDelSubtipus(int tema, int subtipus) {
  if (tema < 1 || tema > NombreTemes()) return 0;
  const FilaSubtipus* f = kCataleg[static_cast<std::size_t>(tema) - 1].Fila(subtipus);
  return f ? f->id : 0;
}

FormaResposta FormaDelSubtipus(int tema, int subtipus) {
  if (tema < 1 || tema > NombreTemes()) return FormaResposta::Qualsevol;
  const FilaSubtipus* f = kCataleg[static_cast<std::size_t>(tema) - 1].Fila(subtipus);
  return f ? f->forma : FormaResposta::Qualsevol;
}

std::string LlistaTemes() {
  std::string llista;
  for (const EntradaTema& e : kCataleg) {
    if (!llista.empty()) llista += ';';
    llista += e.nom;
  }
  return llista;
}

}  // namespace tirelo
