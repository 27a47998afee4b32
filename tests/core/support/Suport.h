// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Test doubles shared by the core tests: a random source that replays scripted
// draws, and a seam that answers from a script and records what it was asked.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mathtext/Aleatori.h"
#include "shell/Interficie.h"
#include "shell/Programa.h"
#include "shell/OrdresLot.h"

namespace tirelo::prova {

// The two header lines every saved RTF document starts with.
// Mended: the code page is declared ("\\ansicpg1252") and the page is A4 with 2 cm
// margins (the third line).
inline const std::string CapcaleraRtf =
    "{\\rtf\\ansi\\ansicpg1252 \\deff2\r\n"
    "{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fdecor Courier New;\\f2\\fswiss Arial;}\r\n"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134 \r\n";
// A whole file's bytes; empty when it cannot be read.
std::string LlegeixFitxer(const std::string& cami);

// Replays the given draws in order; each must lie in 0..n-1 for the n asked,
// otherwise the test fails. When the script runs out, falls back to a seeded generator.
class AleatoriGuionat final : public FontAleatoria {
 public:
  explicit AleatoriGuionat(std::vector<int32_t> guio = {}, uint64_t llavor = 1);
  int32_t Random(int32_t n) override;
  void Sembra(uint64_t llavor) override;
  void Afegeix(std::vector<int32_t> mes);
  bool Esgotat() const { return guio_.empty(); }
  const std::vector<int32_t>& Demanats() const { return demanats_; }  // the n of every draw

 private:
  std::deque<int32_t> guio_;
  std::vector<int32_t> demanats_;
  GeneradorAleatori reserva_;
};

// A scripted seam. Unscripted questions get the defaults below.
class InterficieFalsa : public Interficie {
 public:
  std::deque<RespostaSubtipus> respostesSubtipus;  // empty: "left"
  std::vector<PeticioSubtipus> peticionsSubtipus;
  std::deque<bool> respostesEditor;                // empty: accept unchanged
  std::function<void(Exercici&)> editor;           // edits applied when accepting
  std::vector<Exercici> exercicisEditats;
  std::deque<FormaEq2> formes;                     // empty: Completa
  int preguntesFormes = 0;
  std::deque<bool> respostesPreguntes;             // empty: Yes
  struct Missatge { std::string text, titol; };
  std::vector<Missatge> preguntes, avisos;
  std::deque<bool> respostesDesar;                 // empty: accept
  ValorsDesar valorsDesar;                         // values "typed" when accepting
  bool escriuValorsDesar = false;                  // when false, accepts the proposed values
  std::vector<ValorsDesar> valorsProposats;
  std::optional<int> versions;                     // the versions window's answer; none: cancelled
  std::optional<std::string> codi;                 // the code window's answer; none: cancelled
  bool obreResultat = true;
  std::vector<std::string> obertures;
  int estatsCanviats = 0;

  RespostaSubtipus DemanaSubtipus(const PeticioSubtipus& p) override;
  bool EditaExercici(Exercici& e) override;
  FormaEq2 DemanaFormaEq2() override;
  bool Pregunta(std::string_view text, std::string_view titol) override;
  void Avis(std::string_view text, std::string_view titol) override;
  bool DemanaValorsDesar(ValorsDesar& v) override;
  bool ObreAmbEscriptori(const std::string& cami) override;
  void EstatCanviat() override { ++estatsCanviats; }
  std::optional<int> DemanaVersions() override { return versions; }
  std::optional<std::string> DemanaCodi() override { return codi; }

  // Accepts subtype s with n cases at the next series window.
  void Tria(int s, uint16_t n = 1) { respostesSubtipus.push_back({true, s, n}); }
  void Surt() { respostesSubtipus.push_back({false, 0, 1}); }
};

}  // namespace tirelo::prova
