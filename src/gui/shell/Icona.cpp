// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/Icona.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The icon lives in the resources of this static library; registering them here
// keeps the linker from dropping them from the programs that use it.
static void IniciaRecursos() { Q_INIT_RESOURCE(tirelo); }

namespace tirelo::gui {

QImage ImatgeIcona(int costat) {
  IniciaRecursos();
  QImage imatge(costat, costat, QImage::Format_ARGB32_Premultiplied);
  imatge.fill(Qt::transparent);
  QSvgRenderer dibuix(QStringLiteral(":/icons/tirelo.svg"));
  QPainter pintor(&imatge);
  pintor.setRenderHint(QPainter::Antialiasing);
  dibuix.render(&pintor);
  return imatge;
}

QIcon IconaPrograma() {
  QIcon icona;
  for (const int costat : {16, 24, 32, 48, 64}) icona.addPixmap(QPixmap::fromImage(ImatgeIcona(costat)));
  return icona;
}

}  // namespace tirelo::gui
