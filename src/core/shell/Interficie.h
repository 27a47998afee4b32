// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The one seam between the core and the person using the program. The desktop
// program answers through real modal windows, the command line from its options,
// and the tests through a scripted fake that records what was asked.
//
// Texts handed across are Windows-1252 (as every exercise text); paths are the
// file system's own bytes (UTF-8 on Linux).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Desar.h"
#include "batch/Serie.h"
#include "document/Exercici.h"
#include "topics/FormaEq2.h"

namespace tirelo {

// What the series window shows.
struct PeticioSubtipus {
  std::string titol;                  // caption: the topic title
  std::vector<std::string> subtipus;  // names, shown as "[k] name"
  std::vector<bool> casos;            // per subtype: whether the count applies to it
  int seleccio = 0;                   // 1-based line selected on opening; 0 none
  uint16_t nombreCasos = 1;           // the number of cases the arrows step from
  int nivell = 2;                     // the level chosen on opening (1..3)
  std::optional<CasosRetallats> retallats;  // the exercise just appended lost cases
};

// How the series window closed.
struct RespostaSubtipus {
  bool acceptat = false;      // "Bé" or a double click with a valid count
  int seleccionat = 0;        // 1-based selected line when accepted; 0 none
  uint16_t nombreCasos = 1;   // the number of cases after the arrows and the count field
  int nivell = 2;             // the level chosen (1..3)
};

class Interficie {
 public:
  virtual ~Interficie() = default;

  // The series window. A seam that cannot show it answers "not accepted".
  virtual RespostaSubtipus DemanaSubtipus(const PeticioSubtipus& peticio) = 0;
  // The exercise editor on e: true and e updated when accepted, false and e untouched otherwise.
  virtual bool EditaExercici(Exercici& e) = 0;
  // The equation-form window; its close box answers Completa.
  virtual FormaEq2 DemanaFormaEq2() = 0;
  // A Yes/No question owned by the active window; true for Yes.
  virtual bool Pregunta(std::string_view text, std::string_view titol) = 0;
  // A notice with an OK button.
  virtual void Avis(std::string_view text, std::string_view titol) = 0;
  // The save window: true and v updated when accepted, false and v untouched when cancelled.
  virtual bool DemanaValorsDesar(ValorsDesar& v) = 0;
  // Hands a file to the desktop's associated program; true when it was handed over.
  virtual bool ObreAmbEscriptori(const std::string& cami) = 0;
  // The batch, its count or its selection changed: redraw list, caption and enabled states.
  virtual void EstatCanviat() = 0;
  // A batch file to open (desar false) or to save as (desar true); `proposat` is the
  // folder or the full path first shown. The path chosen, nullopt when cancelled.
  virtual std::optional<std::string> DemanaFitxerLot(bool desar, const std::string& proposat) {
    (void)desar;
    (void)proposat;
    return std::nullopt;
  }
  // The versions window: how many versions of the sheet (2..26); nullopt when cancelled.
  virtual std::optional<int> DemanaVersions() { return std::nullopt; }
  // The code window: the sheet code typed (UTF-8); nullopt when cancelled.
  virtual std::optional<std::string> DemanaCodi() { return std::nullopt; }
  // The help shown by the program itself, when the desktop cannot open the help file.
  virtual void MostraAjuda() {}
  // A short note that needs no answer, such as where a file was saved.
  virtual void Informa(std::string_view text) { (void)text; }
};

}  // namespace tirelo
