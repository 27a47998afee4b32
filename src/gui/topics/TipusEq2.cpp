// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/topics/TipusEq2.h"

#include <QRadioButton>

namespace tirelo::gui {

FinestraTipusEq2::FinestraTipusEq2(QWidget* pare)
    : FinestraSecundaria(pare, "tipuseq2", QString::fromUtf8("Tipus equació ..."), QRect(600, 36, 240, 160)) {
  const char* textos[] = {"completa:  ax² + bx + c = 0", "incompleta  ax² + bx = 0", "incompleta  ax² +  c = 0",
                          "qualsevol de les anteriors"};
  for (int k = 0; k < 4; ++k) {
    AfegeixOpcio(ordre_tipuseq2::Completa + k, QString::fromUtf8(textos[k]), QRect(10, 4 + 22 * k, 222, 26))
        ->setAccessibleDescription(QString::fromUtf8("Forma de l'equació"));
  }
  AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("accepta"), QRect(60, 100, 96, 30));
  MarcaOpcio(ordre_tipuseq2::Completa);
  Control(ordre_tipuseq2::Completa)->setFocus();
}

FormaEq2 FinestraTipusEq2::Forma() const {
  const int marcada = OpcioMarcada(ordre_tipuseq2::Completa, ordre_tipuseq2::Qualsevol);
  if (marcada < 0) return FormaEq2::Completa;
  return static_cast<FormaEq2>(marcada - ordre_tipuseq2::Completa);
}

FormaEq2 TriaTipusEq2(QWidget* pare) {
  FinestraTipusEq2 finestra(pare);
  if (!finestra.Executa()) return FormaEq2::Completa;  // the close box
  return finestra.Forma();
}

}  // namespace tirelo::gui
