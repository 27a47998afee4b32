// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/batch/FinestraVersions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "gui/shell/Accessibilitat.h"
#include "shell/CodiFull.h"
#include "shell/Versions.h"

namespace tirelo::gui {

namespace {

// "surt" and "Bé" at the bottom right of a window `amplada` wide, Bé the default.
void AfegeixBotons(FinestraSecundaria& f, int amplada, int y, QWidget* camp) {
  auto* be = f.AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("B\u00E9"), QRect(amplada - 54, y, 44, 26));
  be->setDefault(true);
  auto* surt = f.AfegeixBoto(ordre_finestra::Surt, QStringLiteral("surt"), QRect(amplada - 104, y, 44, 26));
  OrdeneFocus({camp, surt, be});
  camp->setFocus();
}

}  // namespace

FinestraVersions::FinestraVersions(QWidget* pare)
    : FinestraSecundaria(pare, "versions", QString::fromUtf8("Versions del full"), QRect(600, 100, 270, 80), false) {
  auto* nombre = AfegeixControl(new QSpinBox, ordre_versions::Nombre, QRect(204, 10, 56, 24));
  nombre->setRange(MinimVersions, MaximVersions);
  nombre->setValue(MinimVersions);
  AfegeixEtiqueta(10, 14, QStringLiteral("Nombre de versions (2 a 26):"), nombre);
  nombre->setAccessibleDescription(
      QStringLiteral("Cada versi\u00F3 es desa amb la seva lletra: nom-A.rtf, nom-B.rtf..."));
  AfegeixBotons(*this, 270, 46, nombre);
}

QSpinBox* FinestraVersions::Nombre() const { return ControlDe<QSpinBox>(ordre_versions::Nombre); }

FinestraCodi::FinestraCodi(QWidget* pare)
    : FinestraSecundaria(pare, "codi", QStringLiteral("Obrir codi"), QRect(600, 100, 300, 80), false) {
  auto* camp = AfegeixCamp(ordre_versions::Codi, QRect(100, 10, 190, 22));
  camp->setMaxLength(static_cast<int>(LlargadaMaximaCodi));
  AfegeixEtiqueta(10, 14, QStringLiteral("Codi del full:"), camp);
  camp->setAccessibleDescription(
      QStringLiteral("El codi del peu del full; les maj\u00FAscules i els guions no hi compten"));
  AfegeixBotons(*this, 300, 44, camp);
}

QLineEdit* FinestraCodi::Camp() const { return ControlDe<QLineEdit>(ordre_versions::Codi); }

std::optional<int> DemanaNombreVersions(QWidget* pare) {
  FinestraVersions finestra(pare);
  if (!finestra.Executa()) return std::nullopt;
  return finestra.Nombre()->value();
}

std::optional<std::string> DemanaCodiFull(QWidget* pare) {
  FinestraCodi finestra(pare);
  if (!finestra.Executa()) return std::nullopt;
  return finestra.Camp()->text().trimmed().toStdString();
}

}  // namespace tirelo::gui
