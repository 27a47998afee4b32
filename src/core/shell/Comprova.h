// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// `tirelo comprova`: the verdict on an answer to one case of an exercise drawn as
// `tirelo genera` draws it (the same series, seed, form and code options), judged by
// the engine against the case's answer in the form its subtype asks.
//   tirelo comprova --serie 3:1:3 --llavor 6 --cas b --resposta "3/4"
//     -> {"veredicte": "correcte", "llegit": "3/4", "missatge": "Correcte."}
#include <string>
#include <variant>
#include <vector>

#include "shell/Genera.h"

namespace tirelo {

struct OpcionsComprova {
  OpcionsGenera genera;     // how the exercises are drawn
  int exercici = 1;         // --exercici K, from 1
  std::string cas;          // --cas a: the case's letter; empty for the first case
  std::string resposta;     // --resposta TEXT, UTF-8
};

// Reads the arguments after "comprova". The drawing options are those of `genera`.
std::variant<OpcionsComprova, ErrorOpcions> LlegeixOpcionsComprova(const std::vector<std::string>& args,
                                                                   const std::vector<DescripcioTema>& temes);

// The verdict as one JSON object (UTF-8, one line), or the error of a call that names
// no such exercise or case.
std::variant<std::string, ErrorOpcions> ComprovaResposta(const OpcionsComprova& opcions);

// The help of `tirelo comprova` (UTF-8).
std::string AjudaComprova();

}  // namespace tirelo
