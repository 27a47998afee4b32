#include "topics/Percentatges.h"

#include <cstdlib>
#include <string>

#include "batch/Serie.h"
#include "mathtext/Decimals.h"
#include "mathtext/Nombres.h"
#include "shell/Programa.h"

namespace tirelo {

namespace {
constexpr const char* kCRLF = "\r\n";
constexpr const char* kEuro = "\x80";
}  // namespace

DadesPct DadesPercentatge(Programa& prg, int subtipus) {
  DadesPct d;
  d.q = prg.Random(40) + 50 + (subtipus > 3 ? 50 : 0);
  d.P = prg.Random(100) + 90;
  d.F = d.P * d.q / 100;
  d.D = d.q - 100;
  return d;
}

void GenPercentatge(Programa& prg, int subtipus, const DadesPct& d) {
  const std::string P = TxtReal(d.P);
  const std::string F = TxtReal(d.F);
  const std::string pct = TxtEnter(std::abs(d.D));
  std::string enunciat, resposta;
  switch (subtipus) {
    case 1:
      enunciat = "Un vestit que valia " + P + kEuro + " est\xE0 rebaixat un " + pct + " %" + kCRLF +
                 " Quant haur\xE0s de pagar per ell?";
      resposta = "  " + F + " " + kEuro;
      break;
    case 2:
      enunciat = "Un vestit val " + F + kEuro + " despr\xE9s d'haver-lo rebaixat un " + pct + " %" + kCRLF +
                 " Quin era el preu original?";
      resposta = " " + P + " " + kEuro;
      break;
    case 3:
      enunciat = "Un vestit que valia " + P + kEuro + " ara costa " + F + " " + kEuro + kCRLF +
                 " Quin ha estat el % de rebaixa?";
      resposta = "  " + pct + " %";
      break;
    case 4:
      enunciat = "Un servei que abans d'impostos val " + P + kEuro + " est\xE0 sotm\xE8s a un impost del " + pct +
                 " %" + kCRLF + " Quant et tocar\xE0 pagar?";
      resposta = "  " + F + " " + kEuro;
      break;
    case 5:
      enunciat = "Una factura puja " + F + kEuro + " amb un " + pct + " % d'impostos inclosos" + kCRLF +
                 " Quuan seria \"en negre\"?";
      resposta = " " + P + " " + kEuro;
      break;
    case 6:
      enunciat = "Un b\xE9 que val " + P + kEuro + ", amb garantia addicional ens costar\xE0 " + F + " " + kEuro +
                 kCRLF + " Quin \xE9s el % d'augment respecte el preu original?";
      resposta = "  " + pct + " %";
      break;
    default:
      return;
  }
  prg.exercici.enunciat = enunciat;
  prg.exercici.resposta = resposta;
  prg.exercici.llest = true;
}

void TemaPercentatges(Programa& prg) {
  static constexpr Tema kTema{
      "OPERACIONS amb TANTS PER CENT",
      "Rebaixes:preu final;Rebaixes:preu inicial;Rebaixes: % rebaixa;"
      "Increments: valor final;Increments: valor inicial;Increments: % increment",
      "000000",
      true,
  };
  BucleTema(prg, kTema, [](Programa& p, int subtipus) {
    GenPercentatge(p, subtipus, DadesPercentatge(p, subtipus));
  });
  // The data are drawn at every closing of the series window, also at the one that
  // ends the topic, so a run from a fixed seed goes on with the same draws after it.
  (void)DadesPercentatge(prg, 0);
}

}  // namespace tirelo
