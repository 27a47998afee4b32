#include "topics/Arrels.h"

#include <string>

#include "mathtext/Nombres.h"
#include "mathtext/Termes.h"
#include "shell/Programa.h"

namespace tirelo {

namespace {

std::string Arrel(int32_t index, const std::string& radicand) {
  return "R_" + TxtEnter(index) + "(" + radicand + ")";
}

// One case: the denominator as written in the statement, the root part of the
// rationalised numerator, and the denominator once rationalised.
struct Denominador {
  std::string text;
  std::string conjugat;
  int32_t racional = 1;
};

Denominador DenominadorDeCas(Programa& prg, int subtipus, int32_t b) {
  const std::string radicand = TxtEnter(b);
  if (subtipus == 3) {
    const int32_t w = prg.Random(4) + 5;
    return {"(" + TxtEnter(w) + "+" + Arrel(2, radicand) + ")",
            "(" + TxtEnter(w) + "-" + Arrel(2, radicand) + ")", w * w - b};
  }
  if (subtipus == 2) {
    const int32_t n = prg.Random(4) + 3;
    return {Arrel(n, radicand), " " + Arrel(n, radicand + "^" + TxtEnter(n - 1)), b};
  }
  return {Arrel(2, radicand), " " + Arrel(2, radicand), b};
}

}  // namespace

void TemaArrels(Programa& prg) {
  static constexpr Tema kTema{"RADICALS", "Racionalitzar arrel quadrada;Racionalitzar arrel n;Racionalitzar suma",
                              "111", true};
  BucleTema(prg, kTema, GenRacionalitzacio);
}

void GenRacionalitzacio(Programa& prg, int subtipus) {
  if (subtipus < 1 || subtipus > 3) return;
  std::string enunciat, resposta;
  for (int i = 1; i <= prg.serie.nombreCasos; ++i) {
    const std::string etiqueta = EtiquetaCas(prg, i);
    int32_t a = prg.Random(9) + 1;
    int32_t b = 0;
    do {
      b = prg.Random(20) + 2;
    } while (EsQuadratPerfecte(b));
    const Denominador d = DenominadorDeCas(prg, subtipus, b);
    // Cases have no separator: two spaces go before every case instead.
    enunciat += "  " + etiqueta + TxtEnter(a) + "/" + d.text + "   (Nota: R_n() =arrel en\xE8ssima)";
    int32_t den = d.racional;
    Simplifica(a, den);
    resposta += "  " + etiqueta + TxtCoef(a, d.conjugat) + "/" + TxtEnter(den);
  }
  Exercici& ex = prg.exercici;
  ex.enunciat = "Racionalitza:  " + enunciat;
  ex.resposta = "\r" + resposta;
  ex.pista.clear();
  ex.Limita();
  ex.llest = true;
}

}  // namespace tirelo
