// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Draws a composed sheet: one function paints a page element by element on any
// QPainter (PDF, printer, print preview, an image), converting points to the
// device's units; the PDF writer and the program's sheet build on it.
//   PintaPagina(pintor, full.pagines[0], lletres);
#include <QPagedPaintDevice>
#include <QPainter>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "full/EscriptorFull.h"
#include "full/Full.h"
#include "gui/full/LletresFull.h"

namespace tirelo::gui {

// Paints one page at the painter's device resolution, the page's top-left corner at
// the device's origin.
void PintaPagina(QPainter& pintor, const PaginaFull& pagina, const LletresFull& lletres);
// Paints every page on a paged device (a PDF writer, a printer), a new page for each
// after the first. The painter is active on that device.
void PintaFull(QPainter& pintor, QPagedPaintDevice& dispositiu, const Full& full, const LletresFull& lletres);

// Composes the sheet with the real faces.
Full ComposaAmbQt(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions, const LletresFull& lletres);

// Writes the sheet as a PDF at exactly this path: A4, fonts embedded, the title in
// the metadata. The same sheet gives the same bytes apart from the creation date.
// The system's reason when it failed.
std::optional<std::string> EscriuPdf(const Full& full, const std::filesystem::path& cami,
                                     const LletresFull& lletres);
// The writer the program and the command line are given: composes and writes a PDF.
EscriptorFull EscriptorPdf();

}  // namespace tirelo::gui
