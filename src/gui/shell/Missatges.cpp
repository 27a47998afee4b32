// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/Missatges.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "gui/shell/Icona.h"

namespace tirelo::gui {

namespace {

// The buttons are labelled here rather than left to Qt's translations, so the boxes
// speak Catalan even where those translations are not installed.
void PreparaCaixa(QMessageBox& caixa, const QString& text, const QString& titol) {
  caixa.setIcon(QMessageBox::NoIcon);
  caixa.setWindowTitle(titol);
  caixa.setText(text);
  caixa.setTextFormat(Qt::PlainText);
  caixa.setWindowIcon(IconaPrograma());
  caixa.setWindowModality(Qt::ApplicationModal);
}

}  // namespace

bool PreguntaSiNo(QWidget* pare, const QString& text, const QString& titol) {
  QMessageBox caixa(pare);
  caixa.setObjectName(QStringLiteral("pregunta"));
  PreparaCaixa(caixa, text, titol);
  caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&S\u00ED"));
  caixa.button(QMessageBox::No)->setText(QStringLiteral("&No"));
  // Every question of the program guards against a loss: Enter answers "No".
  caixa.setDefaultButton(QMessageBox::No);
  caixa.setEscapeButton(QMessageBox::No);
  caixa.exec();
  return caixa.clickedButton() == caixa.button(QMessageBox::Yes);
}

void MostraAvis(QWidget* pare, const QString& text, const QString& titol) {
  QMessageBox caixa(pare);
  caixa.setObjectName(QStringLiteral("avis"));
  PreparaCaixa(caixa, text, titol);
  caixa.setStandardButtons(QMessageBox::Ok);
  caixa.button(QMessageBox::Ok)->setText(QStringLiteral("D'acord"));
  caixa.exec();
}

}  // namespace tirelo::gui
