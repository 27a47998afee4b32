// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/full/ImpressioFull.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "gui/full/LletresFull.h"
#include "gui/full/PintaFull.h"
#include "gui/shell/Missatges.h"

namespace tirelo::gui {

void PreparaImpressora(QPrinter& impressora, const Full& full) {
  impressora.setPageSize(QPageSize(QSizeF(full.amplada, full.alcada), QPageSize::Point, QString(),
                                   QPageSize::FuzzyMatch));
  impressora.setPageOrientation(QPageLayout::Portrait);
  impressora.setFullPage(true);
  impressora.setDocName(full.titol.empty() ? QStringLiteral("Exercicis de Tirelo") : QString::fromUtf8(full.titol));
  impressora.setCreator(QStringLiteral("Exercicis de Tirelo"));
}

bool ImprimeixA(QPrinter& impressora, const Full& full, const LletresFull& lletres) {
  QPainter pintor;
  if (!pintor.begin(&impressora)) return false;
  PintaFull(pintor, impressora, full, lletres);
  return pintor.end();
}

bool Imprimeix(QWidget* pare, const Full& full) {
  QPrinter impressora(QPrinter::HighResolution);
  PreparaImpressora(impressora, full);
  QPrintDialog dialeg(&impressora, pare);
  dialeg.setObjectName(QStringLiteral("imprimir"));
  dialeg.setWindowTitle(QString::fromUtf8(TitolImprimir));
  if (dialeg.exec() != QDialog::Accepted) return false;
  if (ImprimeixA(impressora, full, LletresFull())) return true;
  MostraAvis(pare, QStringLiteral("No s'ha pogut enviar el full a la impressora \u00AB%1\u00BB.")
                       .arg(impressora.outputFileName().isEmpty() ? impressora.printerName()
                                                                  : impressora.outputFileName()),
             QStringLiteral("No s'ha pogut imprimir"));
  return false;
}

void MostraVistaImpressio(QWidget* pare, const Full& full) {
  QPrinter impressora(QPrinter::HighResolution);
  PreparaImpressora(impressora, full);
  const LletresFull lletres;
  QPrintPreviewDialog dialeg(&impressora, pare);
  dialeg.setObjectName(QStringLiteral("vistaimpressio"));
  dialeg.setWindowTitle(QString::fromUtf8(TitolVistaImpressio));
  QObject::connect(&dialeg, &QPrintPreviewDialog::paintRequested, &dialeg,
                   [&](QPrinter* p) { ImprimeixA(*p, full, lletres); });
  dialeg.exec();
}

}  // namespace tirelo::gui
