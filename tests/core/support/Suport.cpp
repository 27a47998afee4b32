// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "support/Suport.h"
#include "shell/OrdresLot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tirelo::prova {

AleatoriGuionat::AleatoriGuionat(std::vector<int32_t> guio, uint64_t llavor)
    : guio_(guio.begin(), guio.end()), reserva_(llavor) {}

int32_t AleatoriGuionat::Random(int32_t n) {
  demanats_.push_back(n);
  if (guio_.empty()) return reserva_.Random(n);
  const int32_t v = guio_.front();
  guio_.pop_front();
  EXPECT_TRUE(v >= 0 && v < (n < 1 ? 1 : n)) << "scripted draw " << v << " for Random(" << n << ")";
  return v;
}

void AleatoriGuionat::Sembra(uint64_t llavor) { reserva_.Sembra(llavor); }

void AleatoriGuionat::Afegeix(std::vector<int32_t> mes) { guio_.insert(guio_.end(), mes.begin(), mes.end()); }

RespostaSubtipus InterficieFalsa::DemanaSubtipus(const PeticioSubtipus& p) {
  peticionsSubtipus.push_back(p);
  if (respostesSubtipus.empty()) return {false, 0, p.nombreCasos};
  const auto r = respostesSubtipus.front();
  respostesSubtipus.pop_front();
  return r;
}

bool InterficieFalsa::EditaExercici(Exercici& e) {
  exercicisEditats.push_back(e);
  bool accepta = true;
  if (!respostesEditor.empty()) {
    accepta = respostesEditor.front();
    respostesEditor.pop_front();
  }
  if (accepta && editor) editor(e);
  return accepta;
}

FormaEq2 InterficieFalsa::DemanaFormaEq2() {
  ++preguntesFormes;
  if (formes.empty()) return FormaEq2::Completa;
  const auto f = formes.front();
  formes.pop_front();
  return f;
}

bool InterficieFalsa::Pregunta(std::string_view text, std::string_view titol) {
  preguntes.push_back({std::string(text), std::string(titol)});
  if (respostesPreguntes.empty()) return true;
  const bool r = respostesPreguntes.front();
  respostesPreguntes.pop_front();
  return r;
}

void InterficieFalsa::Avis(std::string_view text, std::string_view titol) {
  avisos.push_back({std::string(text), std::string(titol)});
}

bool InterficieFalsa::DemanaValorsDesar(ValorsDesar& v) {
  valorsProposats.push_back(v);
  bool accepta = true;
  if (!respostesDesar.empty()) {
    accepta = respostesDesar.front();
    respostesDesar.pop_front();
  }
  if (accepta && escriuValorsDesar) v = valorsDesar;
  return accepta;
}

bool InterficieFalsa::ObreAmbEscriptori(const std::string& cami) {
  obertures.push_back(cami);
  return obreResultat;
}

std::string LlegeixFitxer(const std::string& cami) {
  std::ifstream f(cami, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

}  // namespace tirelo::prova
