// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The values of the series protocol every topic follows (describe the topic, ask for
// a subtype and a number of cases, generate, append) and the cases of one exercise.
// The steps that act on the program are the commands' part (shell/PassosSerie.h).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Expressio.h"
#include "document/Frase.h"
#include "mathtext/Text.h"

namespace tirelo {

// An exercise appended with fewer cases than were asked: the others did not fit in
// its texts. exercici is its position in the batch.
struct CasosRetallats {
  int exercici = 0;
  int demanats = 0;
  int casos = 0;
  bool operator==(const CasosRetallats&) const = default;
};
// "Exercici 3: hi caben 5 casos dels 12 demanats."
std::string TextCasosRetallats(const CasosRetallats& c);

// One subtype as the series window shows it: its name and whether it takes a number
// of cases.
struct SubtipusSerie {
  std::string nom;
  bool casos = false;
  bool operator==(const SubtipusSerie&) const = default;
};

// The protocol's program-wide values.
struct ValorsSerie {
  std::string titolTema;
  std::vector<SubtipusSerie> subtipus;  // of the topic whose entry runs, in order
  uint16_t nombreCasos = 1;
  int nivell = 2;                // the difficulty of the next exercise: 1 easier, 2 usual, 3 harder
  uint8_t subtipusRecordat = 0;  // 0 stands for 1 when the series window opens
  int32_t opcioPista = 0;        // 0 "no posar-ne", 1 "a l'enunciat", 2 "a la &resposta"
  bool opcioConformitat = false; // "Preguntar &conformitat"
  // Cases the generator of the exercise under construction wrote, when it writes a
  // number of cases; unset otherwise.
  std::optional<int> casosEscrits;
  // The exercise last appended when it lost cases; the next series window tells it.
  std::optional<CasosRetallats> retallats;
  int temaActual = 0;            // the topic whose entry runs (1..9), for the recipes
};

// Does subtype k (1-based) of this list take a number of cases? No for a k outside it.
bool PrenCasos(const std::vector<SubtipusSerie>& subtipus, int k);

// The letters of case i: "a" to "z", then "aa", "ab", ... A 27th case must not take
// the next codes, '{' and '}', which are raw RTF braces in a text and would break the
// document's groups.
std::string LletresCas(int i);
// "a) ", "b) ", ...; empty when the number of cases is 1.
std::string EtiquetaCas(int nombreCasos, int i);
// ",  " after every case but the last.
std::string SeparadorCas(int nombreCasos, int i);

// How the cases sit in one text of a multi-case exercise: entrada goes before every
// case's label and, when separats, the separator ",  " goes between one case and the
// next. Most topics use neither entrada nor anything but the separator.
struct DisposicioCasos {
  std::string_view entrada;
  bool separats = true;
};

// The statement and the answer of a multi-case exercise, built case by case as models
// whose markup is measured against the limits. A case goes whole into both texts or,
// when either would pass its limit, into neither, and no later case goes in after it:
// a long series ends with its last whole case, never with one cut short whose answer
// no longer matches what the statement shows.
class TextsCasos {
 public:
  TextsCasos(Frase enunciat, Frase resposta, std::size_t maxEnunciat = LlargadaText,
             std::size_t maxResposta = LlargadaText);
  // The layouts AfegeixCas follows; both are label and separator only until set.
  void Disposa(DisposicioCasos enunciat, DisposicioCasos resposta);
  // Appends the two pieces as they are; false when they did not fit. A piece that went
  // in is also kept as a case, with `etiqueta` as its label and its mathematics.
  bool Afegeix(const Frase& enunciat, const Frase& resposta, std::string_view etiqueta = {});
  // The same, with the case given apart (the pieces also hold a label laid out by hand).
  bool Afegeix(const Frase& enunciat, const Frase& resposta, const Apartat& apartat);
  // Case i with its label, after the separator of the case before: ",  b) 9/15".
  // nombreCasos is the number asked: it decides the labels and the last separator.
  bool AfegeixCas(int nombreCasos, int i, const Frase& enunciat, const Frase& resposta);
  // The two texts as models; their markup is measured against the limits.
  const Frase& Enunciat() const { return enunciat_; }
  const Frase& Resposta() const { return resposta_; }
  int Casos() const { return casos_; }  // the pieces that went in
  // Every piece that went in as a case: its label and the mathematics of its two pieces.
  const std::vector<Apartat>& Apartats() const { return apartats_; }

 private:
  bool Junta(const Frase& enunciat, const Frase& resposta, const std::function<Apartat()>& apartat);
  Frase enunciat_, resposta_;
  std::size_t maxEnunciat_, maxResposta_;
  DisposicioCasos disposicioEnunciat_, disposicioResposta_;
  bool ple_ = false;
  int casos_ = 0;
  std::vector<Apartat> apartats_;
};

// A case of an exercise from the models of its two pieces, read by the one reader.
Apartat ApartatDe(std::string_view etiqueta, const Frase& enunciat, const Frase& resposta);

// A topic as the protocol sees it (made from its catalogue row).
struct Tema {
  std::string titol;
  std::vector<SubtipusSerie> subtipus;
  bool refrescaAlPrincipi = false;  // some topics refresh the status at each pass
};
// A choice made beforehand in place of the series window's: subtype, number of cases
// and level.
struct TriaSerie {
  int subtipus = 0;
  int casos = 1;
  int nivell = 2;
};
// The count field of the series window: the text without leading and trailing blanks
// read as a whole number. Empty or blank reads as 0 and, like anything outside
// 1..255, is refused.
enum class LecturaCasos { Valid, NoEsNombre, ForaDeRang };
struct CampCasos {
  LecturaCasos lectura = LecturaCasos::NoEsNombre;
  int valor = 0;
};
CampCasos LlegeixCampCasos(std::string_view text);
// Case counters are 8-bit: a number of cases is 1..255.
bool CasosValids(long long n);
// The short notice the series window shows for a count outside 1..255.
inline constexpr std::string_view AvisCasosForaDeRang = "El nombre de casos ha de ser entre 1 i 255.";
inline constexpr std::string_view TitolAvisCasos = "Nombre de casos";

}  // namespace tirelo
