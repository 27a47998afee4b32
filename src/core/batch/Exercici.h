// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// One exercise: statement, answer and hint in exercise markup, where the hint goes,
// and the ready flag a generator sets when the exercise is complete.
#include <cstdint>
#include <optional>
#include <string>

namespace tirelo {

struct Exercici {
  std::string enunciat;       // at most 255 characters
  std::string resposta;       // at most 255
  std::string pista;          // at most 80
  int32_t posicioPista = 0;   // 0 not shown, 1 after the statement, 2 after the answer
  bool llest = false;

  // Cuts every text to its field's length (texts are cut, never refused).
  void Limita();
  bool operator==(const Exercici&) const = default;
};

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
