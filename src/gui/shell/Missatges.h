// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Message boxes in Catalan: Yes/No questions and notices with an OK button, owned by
// the window that asks and modal to the whole program.
#include <QString>

class QWidget;

namespace tirelo::gui {

// True for "Sí"; "No", Escape and the close box answer No.
bool PreguntaSiNo(QWidget* pare, const QString& text, const QString& titol);
// A notice closed with "D'acord".
void MostraAvis(QWidget* pare, const QString& text, const QString& titol);

}  // namespace tirelo::gui
