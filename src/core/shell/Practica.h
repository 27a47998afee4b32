// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// A pupil's practice: a run of exercises, drawn from a topic or taken from the code on
// a teacher's sheet (the same exercises, in order, with the same cases), answered case
// by case and judged by the engine. It keeps each case's last answer and verdict, how
// many tries it took, whether its solution was shown, and the score. It owns its
// exercises: practising touches no batch, no history and no sheet code of the program.
//
//   auto p = std::get<Practica>(Practica::DelCodi("5V8FS9F"));
//   p.Comprova({"3/4", "6/8"});   // verdicts of cases a) and b)
//   p.PasSeguent(0);              // a)'s first step; a) counts as shown
//   p.MostraSolucio(1);           // b)'s answer, typeset by the window; b) shown
//   if (p.PotPassar()) p.Seguent();
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/Exercici.h"
#include "full/Full.h"
#include "motor/Motor.h"
#include "shell/CodiFull.h"

namespace tirelo {

// Longest answer judged, in characters: a longer one is refused with a message.
inline constexpr std::size_t LlargadaMaximaResposta = 200;

// Most exercises in one practice.
inline constexpr int MaximExercicisPractica = 50;

// One case as the pupil works on it.
struct CasPractica {
  std::string etiqueta;                // "a)", "b)"... or empty for a lone case (Windows-1252)
  Expressio enunciat;                  // the statement's mathematics
  Expressio clau;                      // the answer as drawn
  Expressio solucio;                   // the answer in the form asked (what "Solució" shows)
  std::string resposta;                // the last answer judged (UTF-8)
  std::optional<Veredicte> veredicte;  // its verdict
  int intents = 0;                     // answers judged that could be read
  bool encertat = false;               // a correct verdict came
  bool mostrat = false;                // the solution was shown
  std::vector<Pas> passos;             // the worked solution, shown a step at a time
  std::size_t passosVistos = 0;        // steps shown so far; once one is, the case counts as shown
  // Judged (right, right in another form or wrong) or shown: the exercise may move on.
  bool Resolt() const;
  // Nothing more to check: right, or shown.
  bool Tancat() const { return encertat || mostrat; }
};

struct ExerciciPractica {
  Exercici exercici;
  FormaResposta forma = FormaResposta::Qualsevol;
  std::vector<CasPractica> casos;
  bool pistaVista = false;
};

struct Puntuacio {
  int alPrimer = 0;  // cases right at the first try
  int despres = 0;   // right after retries
  int mostrats = 0;  // solution shown before they were right
  int ratxa = 0;     // right cases in a row, now
  int millorRatxa = 0;
  bool operator==(const Puntuacio&) const = default;
};

class Practica {
 public:
  // The exercises of a sheet code, in order; the error when the code cannot be read.
  static std::variant<Practica, ErrorCodi> DelCodi(std::string_view codi);
  // `exercicis` exercises (1..50) of one subtype of a topic (numbered as the catalogue),
  // drawn from `llavor` at level `nivell` (1..3). A seed of 32 bits gives the practice a
  // sheet code.
  static Practica DeLaSerie(int tema, int subtipus, int casos, int exercicis, uint64_t llavor, int nivell = 2);
  // A practice of these exercises, with its sheet code (or empty) and its name (UTF-8).
  Practica(std::vector<Exercici> exercicis, std::string codi, std::string nom);

  const std::string& Codi() const { return codi_; }
  const std::string& Nom() const { return nom_; }  // the topic, or "codi X" (UTF-8)
  int Nombre() const { return static_cast<int>(exercicis_.size()); }
  int Actual() const { return actual_; }  // 0-based; Nombre() when it has ended
  bool Acabada() const { return actual_ >= Nombre(); }
  const ExerciciPractica& ExerciciActual() const { return exercicis_[static_cast<std::size_t>(actual_)]; }
  // The exercises done or under way, in order.
  std::vector<ExerciciPractica> Fets() const;
  const Puntuacio& Punts() const { return punts_; }

  // Judges the current exercise's answers (UTF-8, one per case, in order): every case
  // that is not right or shown yet and whose answer is not blank. The verdict of each
  // case after it (none for a case not answered yet).
  std::vector<std::optional<Veredicte>> Comprova(const std::vector<std::string>& respostes);
  // One case's answer; blank answers are not judged (nullopt).
  std::optional<Veredicte> Comprova(std::size_t cas, std::string_view respostaUtf8);
  // Shows a case's answer: the case is marked shown (unless it was already right).
  const Expressio& MostraSolucio(std::size_t cas);
  // Shows the next step of a case's worked solution ("Pas següent"), null when none is
  // left (the whole solution comes next). The case stays open to answer, but from its
  // first step it counts as shown, not as right.
  const Pas* PasSeguent(std::size_t cas);
  // The current exercise's hint (UTF-8): its own, or what form the answer must have.
  std::string Pista();
  // Every case of the current exercise judged or shown.
  bool PotPassar() const;
  // Moves to the next exercise; false when that was the last (the practice has ended).
  bool Seguent();
  // Some answer judged or solution shown that the summary has not been given for yet:
  // leaving now loses it.
  bool EnCurs() const;

 private:
  std::vector<ExerciciPractica> exercicis_;
  std::string codi_, nom_;
  int actual_ = 0;
  Puntuacio punts_;
};

// "Correctes a la primera: 3 · Després de reintentar: 1 · Solucions vistes: 0 · Ratxa: 2" (UTF-8).
std::string LiniaPuntuacio(const Puntuacio& p);
// What the hint says when an exercise has none of its own: the form its answer must have (UTF-8).
std::string PistaDeLaForma(FormaResposta forma);
// The word or sentence a verdict shows (UTF-8): "Correcte", the engine's "Correcte, però
// ...", "Incorrecte", or the reading message.
std::string TextVeredicte(const Veredicte& v);

// The result page a pupil hands in: a title, the sheet code, the date, the score, then
// every exercise done with its statement typeset and each case's answer and verdict.
// `data` is UTF-8 ("9/12/2026").
Full FullDelResultat(const Practica& practica, std::string_view data, const MetriquesLletra& metriques);

}  // namespace tirelo
