// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The sheet on paper: the system's print dialog, and a print preview that shows every
// page as it will print, to page through and print from.
#include <QString>

#include "full/Full.h"

class QPrinter;
class QWidget;

namespace tirelo::gui {

class LletresFull;

inline constexpr const char* TitolImprimir = "Imprimir el full";
inline constexpr const char* TitolVistaImpressio = "Visualitzaci\u00F3 d'impressi\u00F3";

// A4, the whole sheet (no margins of the printer's own: the sheet has its own), named
// after the sheet's title.
void PreparaImpressora(QPrinter& impressora, const Full& full);
// Paints the sheet on a printer (a real one or the preview's); false when the printer
// could not be started (a printer gone, a print-to-file path that cannot be written).
bool ImprimeixA(QPrinter& impressora, const Full& full, const LletresFull& lletres);

// Asks through the system's print dialog; prints when accepted. True when printed; a
// printer that cannot be started is told in a notice.
bool Imprimeix(QWidget* pare, const Full& full);
// Shows the print preview modally.
void MostraVistaImpressio(QWidget* pare, const Full& full);

}  // namespace tirelo::gui
