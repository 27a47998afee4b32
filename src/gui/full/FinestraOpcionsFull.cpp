// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/full/FinestraOpcionsFull.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

#include "gui/shell/Accessibilitat.h"

namespace tirelo::gui {

FinestraOpcionsFull::FinestraOpcionsFull(QWidget* pare, const ValorsFull& valors)
    : FinestraSecundaria(pare, "opcionsfull", QStringLiteral("Opcions del full"), QRect(600, 100, 300, 196), false) {
  auto* capcalera = AfegeixControl(new QCheckBox(QString::fromUtf8("l\u00EDnies &Nom, Curs i Data")),
                                   ordre_opcions_full::Capcalera, QRect(12, 10, 276, 24));
  auto* espai = AfegeixControl(new QSpinBox, ordre_opcions_full::Espai, QRect(228, 44, 60, 24));
  espai->setRange(0, ValorsFull::EspaiMaxim);
  AfegeixEtiqueta(12, 48, QString::fromUtf8("l\u00EDnies per respondre:"), espai);
  espai->setAccessibleDescription(QString::fromUtf8("L\u00EDnies en blanc despr\u00E9s de cada enunciat, de 0 a 20"));
  auto* simplificades = AfegeixControl(new QCheckBox(QStringLiteral("&Respostes simplificades")),
                                       ordre_opcions_full::Simplificades, QRect(12, 80, 276, 24));
  simplificades->setAccessibleDescription(QString::fromUtf8(
      "Les respostes del full, en la forma m\u00E9s simple que demana cada exercici"));
  auto* resolucio = AfegeixControl(new QCheckBox(QString::fromUtf8("Resoluci\u00F3 &detallada")),
                                   ordre_opcions_full::Resolucio, QRect(12, 114, 276, 24));
  resolucio->setAccessibleDescription(QString::fromUtf8(
      "Sota cada resposta del full, els passos que hi porten, un per l\u00EDnia"));
  auto* cancella = AfegeixBoto(ordre_finestra::Surt, QString::fromUtf8("&Cancel\u00B7la"), QRect(118, 154, 80, 30));
  auto* accepta = AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("&Accepta"), QRect(208, 154, 80, 30));
  accepta->setDefault(true);
  OrdeneFocus({capcalera, espai, simplificades, resolucio, cancella, accepta});

  capcalera->setChecked(valors.capcalera);
  espai->setValue(valors.espai);
  simplificades->setChecked(valors.respostesSimplificades);
  resolucio->setChecked(valors.resolucio);
  capcalera->setFocus();
}

ValorsFull FinestraOpcionsFull::Valors() const {
  return {ControlDe<QCheckBox>(ordre_opcions_full::Capcalera)->isChecked(),
          ControlDe<QSpinBox>(ordre_opcions_full::Espai)->value(),
          ControlDe<QCheckBox>(ordre_opcions_full::Simplificades)->isChecked(),
          ControlDe<QCheckBox>(ordre_opcions_full::Resolucio)->isChecked()};
}

bool DemanaOpcionsFull(QWidget* pare, ValorsFull& v) {
  FinestraOpcionsFull finestra(pare, v);
  if (!finestra.Executa()) return false;
  v = finestra.Valors();
  return true;
}

}  // namespace tirelo::gui
