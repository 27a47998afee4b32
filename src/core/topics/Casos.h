// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Writing the cases of a multi-case exercise: every case adds a piece to the
// statement and a piece to the answer, each introduced by the case label and
// separated from the next by the case separator of the series protocol (or laid out
// as the topic's own form says). A case goes in whole or not at all.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "batch/Serie.h"
#include "topics/Generador.h"

namespace tirelo {

// One case: its piece of the statement and its piece of the answer, as models.
struct Cas {
  Frase enunciat;
  Frase resposta;
};

// The texts around the cases: the headers the statement and the answer start with,
// how the cases sit in each, and the room the statement keeps free at its end for a
// text the topic appends afterwards.
struct EntornCasos {
  Frase capEnunciat;
  Frase capResposta;
  DisposicioCasos enunciat{};
  DisposicioCasos resposta{};
  std::size_t reservaEnunciat = 0;
};

// The exercise: statement and answer start with their headers, then cas(ctx) is drawn
// once per case (ctx.nombreCasos) and its pieces appended as entorn lays them out.
// Every case is drawn, so the random sequence does not depend on the room left, but
// a case goes into the texts only when it fits whole in both, and none goes in after
// one that did not. The hint is empty.
//   EscriuCasos(ctx, {"Calcula: ", "", {"  ", false}, {}},
//               [](ContextGenerador&) { return Cas{"x" + Frase::Potencia("2"), "2x"}; });
Generat EscriuCasos(ContextGenerador& ctx, const EntornCasos& entorn,
                    const std::function<Cas(ContextGenerador&)>& cas);
// The usual layout: the statement header, an empty answer, label and separator only.
Generat EscriuCasos(ContextGenerador& ctx, std::string_view capcalera,
                    const std::function<Cas(ContextGenerador&)>& cas);

}  // namespace tirelo
