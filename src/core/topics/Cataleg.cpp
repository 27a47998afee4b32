// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Cataleg.h"

#include <array>
#include <initializer_list>

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

// Tema: title, subtypes separated by ';', one '1' per subtype that takes a number of
// cases, whether the status is refreshed at every pass of the series loop.
constexpr std::array<EntradaTema, 9> kCataleg{{
    {"divisors",
     {"DIVISORS, mcd i MCM", "Descomposici\xF3 factorial d'un N\xBA;mcd i MCM d'un N\xBA", "11", true},
     GeneraDivisors},
    {"igualtats notables",
     {"IGUALTATS NOTABLES", "Quadrat del binomi;Suma per difer\xE8ncia;Difer\xE8ncia de quadrats", "111"},
     GeneraIgualtats},
    {"fraccions", {"Fraccions", "Simplificaci\xF3;Suma;Resta;Multiplicaci\xF3;Divisi\xF3", "10000", true},
     GeneraFraccions},
    {"pot\xE8ncies",
     {"POT\xC8NCIES",
      "Producte (igual base);Divisi\xF3 (igual base);Producte (igual exponent);"
      "Divisi\xF3 (igual exponent);Pot\xE8ncia de pot\xE8ncia",
      "11111", true},
     GenPotencies},
    {"arrels",
     {"RADICALS", "Racionalitzar arrel quadrada;Racionalitzar arrel n;Racionalitzar suma", "111", true},
     GenRacionalitzacio},
    {"operacions",
     {"OPERACIONS ALG\xC8" "BRIQUES",
      "Reduir un terme (ex.: 3x2 --> 6x);Treure Factor com\xFA;Treure par\xE8ntesis;"
      "Multiplicar binomis;Simplificar una fracci\xF3 alg\xE8" "brica",
      "10000", true},
     GeneraOperacions},
    {"percentatges",
     {"OPERACIONS amb TANTS PER CENT",
      "Rebaixes:preu final;Rebaixes:preu inicial;Rebaixes: % rebaixa;"
      "Increments: valor final;Increments: valor inicial;Increments: % increment",
      "000000", true},
     GeneraPercentatges, SurtPercentatges},
    {"equacions",
     {"EQUACIONS i SISTEMES",
      "Equaci\xF3 1r. grau;Equaci\xF3 2n grau;Equaci\xF3 biquadrada;Sistema 2 equacions i 2 inc\xF2gnites",
      "0111"},
     GeneraEquacions, nullptr, TancamentEquacions},
    {"funcions",
     {"FUNCIONS TIPUS",
      "F.Lineal <- pendent i punt;F.Lineal <- 2 punts;Par\xE0" "bola <- 3 punts;"
      "Par\xE0" "bola <- v\xE8rtex i punt;Intersecci\xF3 recta/par\xE0" "bola",
      "00111", true},
     GeneraFuncions},
}};

}  // namespace

std::vector<std::string> EntradaTema::Subtipus() const { return DivideixSubtipus(tema.llistaSubtipus); }

bool EntradaTema::PrenCasos(int subtipus) const { return tirelo::PrenCasos(tema.cadenaCasos, subtipus); }

namespace {
using F = FormaResposta;
// One row per topic, one form per subtype, in menu order.
constexpr std::array<std::initializer_list<FormaResposta>, 9> kFormes{{
    {F::FactorsPrimers, F::Qualsevol},                                                 // divisors
    {F::Expandida, F::Expandida, F::Factoritzada},                                     // notable identities
    {F::Irreductible, F::Irreductible, F::Irreductible, F::Irreductible, F::Irreductible},  // fractions
    {F::PotenciaUnaBase, F::PotenciaUnaBase, F::PotenciaUnaBase, F::PotenciaUnaBase, F::PotenciaUnaBase},  // powers
    {F::DenominadorRacional, F::DenominadorRacional, F::DenominadorRacional},          // roots
    {F::Expandida, F::FactorComu, F::Expandida, F::Expandida, F::Irreductible},        // operations
    {F::Centims, F::Centims, F::Qualsevol, F::Centims, F::Centims, F::Qualsevol},      // percentages
    // The roots of a quadratic or biquadratic equation are a list of numbers ("9, 6").
    {F::Resolta, F::Qualsevol, F::Qualsevol, F::Resolta},                              // equations
    // The intersection of a line and a parabola is a list of points.
    {F::Qualsevol, F::Qualsevol, F::Qualsevol, F::Qualsevol, F::Qualsevol},            // functions
}};
}  // namespace

FormaResposta FormaDelSubtipus(int tema, int subtipus) {
  if (tema < 1 || tema > static_cast<int>(kFormes.size())) return FormaResposta::Qualsevol;
  const auto& formes = kFormes[static_cast<std::size_t>(tema) - 1];
  if (subtipus < 1 || subtipus > static_cast<int>(formes.size())) return FormaResposta::Qualsevol;
  return formes.begin()[subtipus - 1];
}

std::span<const EntradaTema> Cataleg() { return kCataleg; }

std::string LlistaTemes() {
  std::string llista;
  for (const EntradaTema& e : kCataleg) {
    if (!llista.empty()) llista += ';';
    llista += e.nom;
  }
  return llista;
}

}  // namespace tirelo
