// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// What the benchmarks share: a seam that answers without anyone there, and marked-up
// texts as long as an exercise's fields allow.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/Exercici.h"
#include "shell/Interficie.h"

namespace tirelo::banc {

// Accepts the series window `respostes` more times with the given subtype and number
// of cases, then leaves; the save window with `desar`; every other question with its
// default. Records nothing, so that it costs next to nothing.
class InterficieBanc final : public Interficie {
 public:
  int respostes = 0;
  int subtipus = 1;
  uint16_t casos = 1;
  ValorsDesar desar;

  RespostaSubtipus DemanaSubtipus(const PeticioSubtipus&) override {
    if (respostes <= 0) return {};
    --respostes;
    return {true, subtipus, casos};
  }
  bool EditaExercici(Exercici&) override { return true; }
  // The form is left to the generator's own draw, so every form is measured.
  FormaEq2 DemanaFormaEq2() override { return FormaEq2::Qualsevol; }
  bool Pregunta(std::string_view, std::string_view) override { return true; }
  void Avis(std::string_view, std::string_view) override {}
  bool DemanaValorsDesar(ValorsDesar& v) override {
    v = desar;
    return true;
  }
  bool ObreAmbEscriptori(const std::string&) override { return true; }
  void EstatCanviat() override {}
};

// The pattern repeated and cut to n bytes (255 by default, a statement's length).
std::string Omple(std::string_view patro, std::size_t n = 255);

// An exercise whose every field is full of markup: fractions, scripts, roots,
// styles, tabs and line breaks, the hint after the statement.
Exercici ExerciciPle();

}  // namespace tirelo::banc
