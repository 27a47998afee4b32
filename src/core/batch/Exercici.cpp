#include "batch/Exercici.h"

#include "mathtext/Text.h"

namespace tirelo {

void Exercici::Limita() {
  enunciat = Talla(enunciat, LlargadaText);
  resposta = Talla(resposta, LlargadaText);
  pista = Talla(pista, LlargadaPista);
}

std::string EnunciatEscrit(const Exercici& e) {
  if (e.posicioPista == 1) return e.enunciat + "\r  Comentari: " + e.pista;
  return e.enunciat;
}

std::string RespostaEscrita(const Exercici& e) {
  if (e.posicioPista == 2) return e.resposta + "\r  Comentari: " + e.pista;
  return e.resposta;
}

}  // namespace tirelo
