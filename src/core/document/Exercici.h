// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// One exercise: statement, answer and hint in exercise markup, where the hint goes,
// and the ready flag a generator sets when the exercise is complete.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/Expressio.h"

namespace tirelo {

// How a generated exercise was drawn, enough to draw it again identically: the topic
// and subtype chosen in the series window, the number of cases, the answer of the
// equation-form window (when the subtype asked it) and the random source's state when
// the exercise's draws began.
struct Recepta {
  int tema = 0;                 // 1..9, in menu order
  int subtipus = 0;             // 1-based line of the series window
  int casos = 1;                // 1..255
  std::optional<int> forma;     // 0..3 as the equation-form window answered
  uint64_t llavor = 0;
  int nivell = 2;               // 1 easier, 2 the usual draw, 3 harder
  bool operator==(const Recepta&) const = default;
};

struct Exercici {
  std::string enunciat;       // at most 255 characters
  std::string resposta;       // at most 255
  std::string pista;          // at most 80
  int32_t posicioPista = 0;   // 0 not shown, 1 after the statement, 2 after the answer
  bool llest = false;
  std::optional<Recepta> recepta{};  // none for an exercise that was not drawn here
  bool editat = false;             // texts changed by hand since they were drawn
  // A drawn exercise's instruction (the statement's words before its cases, as markup)
  // and its cases, in order: each one's label and the mathematics of its statement and
  // answer. None for an exercise typed by hand.
  std::string instruccio{};
  std::vector<Apartat> apartats{};

  // Cuts every text to its field's length (texts are cut, never refused).
  void Limita();
  bool operator==(const Exercici&) const = default;
};

// The cases an output may take the mathematics from: those of a drawn exercise whose
// texts were not changed by hand since; none otherwise (its texts are then read).
const std::vector<Apartat>& ApartatsVigents(const Exercici& e);

// The cases of an exercise: its current cases or, for one typed or edited by hand, one
// case with no label whose statement and answer are read from its texts.
std::vector<Apartat> ApartatsDe(const Exercici& e);

// Texts changed by hand: the drawn cases no longer describe them, and go.
void MarcaEditat(Exercici& e);

// The mathematics of the statement and of the answer as the outputs set them: from the
// current cases (the instruction as prose, then each case under its label), or read
// from the text by the one markup reader when the exercise has none.
Model MatematiquesEnunciat(const Exercici& e);
Model MatematiquesResposta(const Exercici& e);

// Same statement, answer, hint and hint placement.
bool MateixosTextos(const Exercici& a, const Exercici& b);

// A text of the exercise and, when the hint goes after it, the hint's paragraph
// "  Comentari: " and the hint (at most 13 + 80 characters).
struct TextIPista {
  std::string text;
  std::optional<std::string> comentari;
};
// The statement, with the hint when the hint goes after the statement (placement 1).
TextIPista EnunciatIPista(const Exercici& e);
// The answer, with the hint when the hint goes after the answer (placement 2).
TextIPista RespostaIPista(const Exercici& e);

// The document form as one text: the statement, or the statement, CR, "  Comentari: "
// and the hint when the hint goes after the statement. Not limited to 255 characters.
std::string EnunciatEscrit(const Exercici& e);
// Likewise for the answer and hint placement 2.
std::string RespostaEscrita(const Exercici& e);

}  // namespace tirelo
