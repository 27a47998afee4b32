#include "topics/Casos.h"

#include "shell/Programa.h"

namespace tirelo {

void EscriuCasos(Programa& prg, std::string_view capcalera, const std::function<Cas(Programa&)>& cas) {
  Exercici& ex = prg.exercici;
  ex.enunciat = std::string(capcalera);
  ex.resposta.clear();
  ex.pista.clear();
  const int n = prg.serie.nombreCasos;
  for (int i = 1; i <= n; ++i) {
    const Cas c = cas(prg);
    const std::string etiqueta = EtiquetaCas(prg, i);
    const std::string separador = SeparadorCas(prg, i);
    ex.enunciat += etiqueta + c.enunciat + separador;
    ex.resposta += etiqueta + c.resposta + separador;
  }
  ex.Limita();
  ex.llest = true;
}

}  // namespace tirelo
