// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/FinestraPista.h"

#include <QPushButton>

namespace tirelo::gui {

FinestraPista::FinestraPista(QWidget* pare, int32_t opcio)
    : FinestraSecundaria(pare, "posarpista", QStringLiteral("Posar pista..."), QRect(600, 80, 152, 160), false) {
  AfegeixGrup(QStringLiteral(" a... "), QRect(6, 2, 134, 92));
  AfegeixOpcio(ordre_pista::NoPosar, QStringLiteral("no posar-ne"), QRect(16, 18, 110, 22));
  AfegeixOpcio(ordre_pista::AEnunciat, QStringLiteral("a l'enunciat"), QRect(16, 38, 110, 22));
  AfegeixOpcio(ordre_pista::AResposta, QStringLiteral("a la &resposta"), QRect(16, 58, 121, 22));
  AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("B\u00E9"), QRect(90, 98, 44, 26))->setDefault(true);
  AfegeixBoto(ordre_finestra::Surt, QStringLiteral("surt"), QRect(16, 98, 44, 26));
  MarcaOpcio(ordre_pista::NoPosar + opcio);
}

int32_t FinestraPista::Opcio() const {
  const int marcada = OpcioMarcada(ordre_pista::NoPosar, ordre_pista::AResposta);
  return marcada < 0 ? -1 : marcada - ordre_pista::NoPosar;
}

bool TriaPosicioPista(QWidget* pare, int32_t& opcio) {
  FinestraPista finestra(pare, opcio);
  if (!finestra.Executa() || finestra.Opcio() < 0) return false;
  opcio = finestra.Opcio();
  return true;
}

}  // namespace tirelo::gui
