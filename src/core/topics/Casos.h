#pragma once
// Writing the cases of a multi-case exercise: every case adds a piece to the
// statement and a piece to the answer, each introduced by the case label and
// followed by the case separator of the series protocol.
#include <functional>
#include <string>
#include <string_view>

namespace tirelo {

struct Programa;

// One case: its piece of the statement and its piece of the answer.
struct Cas {
  std::string enunciat;
  std::string resposta;
};

// Replaces the exercise under construction: the statement starts with capcalera and
// the answer empty, then cas(prg) is drawn once per case (prg.serie.nombreCasos) and
// its pieces appended as label + piece + separator. The hint is emptied, the texts
// are cut to their lengths and the ready flag is set.
//   EscriuCasos(prg, "Calcula: ", [](Programa& p) { return Cas{"x^2", "x^2"}; });
void EscriuCasos(Programa& prg, std::string_view capcalera, const std::function<Cas(Programa&)>& cas);

}  // namespace tirelo
