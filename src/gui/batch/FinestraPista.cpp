// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/batch/FinestraPista.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "gui/shell/Accessibilitat.h"

namespace tirelo::gui {

FinestraPista::FinestraPista(QWidget* pare, int32_t opcio)
    : FinestraSecundaria(pare, "posarpista", QStringLiteral("Posar pista..."), QRect(600, 80, 152, 160), false) {
  Anomena(AfegeixGrup(QStringLiteral(" a... "), QRect(6, 2, 134, 92)), QStringLiteral("On va la pista"));
  auto* no = AfegeixOpcio(ordre_pista::NoPosar, QStringLiteral("no posar-ne"), QRect(16, 18, 110, 22));
  auto* enunciat =
      AfegeixOpcio(ordre_pista::AEnunciat, QStringLiteral("a l'enunciat"), QRect(16, 38, 110, 22));
  auto* resposta =
      AfegeixOpcio(ordre_pista::AResposta, QStringLiteral("a la &resposta"), QRect(16, 58, 121, 22));
  auto* be = AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("B\u00E9"), QRect(90, 98, 44, 26));
  be->setDefault(true);
  auto* surt = AfegeixBoto(ordre_finestra::Surt, QStringLiteral("surt"), QRect(16, 98, 44, 26));
  for (QRadioButton* r : {no, enunciat, resposta})
    r->setAccessibleDescription(QStringLiteral("On va la pista"));
  OrdeneFocus({no, enunciat, resposta, surt, be});
  MarcaOpcio(ordre_pista::NoPosar + opcio);
  if (QWidget* marcada = Control(ordre_pista::NoPosar + opcio)) marcada->setFocus();
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
