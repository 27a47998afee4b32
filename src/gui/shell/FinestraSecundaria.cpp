// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/FinestraSecundaria.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "gui/shell/Accessibilitat.h"
#include "gui/shell/Controls.h"
#include "gui/shell/Estil.h"
#include "gui/shell/Icona.h"

namespace tirelo::gui {

FinestraSecundaria::FinestraSecundaria(QWidget* pare, const char* classe, const QString& titol,
                                       const QRect& geometria, bool botoMinimitzar)
    : QDialog(pare) {
  setObjectName(QString::fromLatin1(classe));
  Qt::WindowFlags marc = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (botoMinimitzar) marc |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(marc);
  // The whole program waits for a secondary window: the main window takes no command
  // meanwhile, so nothing can change the batch under an open window.
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(titol);
  setWindowIcon(IconaPrograma());
  setFont(LletraFinestres());
  QPalette colors = palette();
  colors.setColor(QPalette::Window, ColorSecundari());
  colors.setColor(QPalette::WindowText, Qt::black);
  setPalette(colors);
  setAutoFillBackground(true);
  setFixedSize(geometria.size());
  move(geometria.topLeft());
}

bool FinestraSecundaria::Executa() { return exec() == QDialog::Accepted; }

QWidget* FinestraSecundaria::Control(int ordre) const { return ControlAmbOrdre(this, ordre); }

void FinestraSecundaria::AfegeixEtiqueta(int x, int y, const QString& text) {
  etiquetes_.push_back({QPoint(x, y), text});
  update();
}

void FinestraSecundaria::AfegeixEtiqueta(int x, int y, const QString& text, QWidget* camp) {
  AfegeixEtiqueta(x, y, text);
  Anomena(camp, NomDEtiqueta(text));
}

void FinestraSecundaria::Posa(QWidget* control, int ordre, const QRect& r) {
  control->setParent(this);
  control->setGeometry(r);
  if (ordre != 0) PosaOrdre(control, ordre);
  control->show();
}

QPushButton* FinestraSecundaria::AfegeixBoto(int ordre, const QString& text, const QRect& r) {
  auto* boto = new QPushButton(text);
  // Enter presses only the button marked default, never the one that has the focus;
  // the accept button is that default in every window (Esc leaves, as the close box).
  boto->setAutoDefault(false);
  if (ordre == ordre_finestra::Accepta) boto->setDefault(true);
  Posa(boto, ordre, r);
  connect(boto, &QPushButton::clicked, this, [this, ordre] { Comanda(ordre); });
  return boto;
}

QRadioButton* FinestraSecundaria::AfegeixOpcio(int ordre, const QString& text, const QRect& r) {
  auto* opcio = new QRadioButton(text);
  Posa(opcio, ordre, r);
  return opcio;
}

QLineEdit* FinestraSecundaria::AfegeixCamp(int ordre, const QRect& r) {
  auto* camp = new QLineEdit;
  Posa(camp, ordre, r);
  return camp;
}

QGroupBox* FinestraSecundaria::AfegeixGrup(const QString& titol, const QRect& r) {
  auto* grup = new QGroupBox(titol);
  Posa(grup, 0, r);
  grup->lower();  // a frame behind the controls it surrounds
  return grup;
}

int FinestraSecundaria::OpcioMarcada(int primera, int ultima) const {
  for (int ordre = primera; ordre <= ultima; ++ordre) {
    if (auto* opcio = ControlDe<QRadioButton>(ordre); opcio && opcio->isChecked()) return ordre;
  }
  return -1;
}

void FinestraSecundaria::MarcaOpcio(int ordre) {
  if (auto* opcio = ControlDe<QRadioButton>(ordre)) opcio->setChecked(true);
}

void FinestraSecundaria::Comanda(int ordre) {
  if (ordre == ordre_finestra::Accepta) {
    if (PotAcceptar()) accept();
  } else if (ordre == ordre_finestra::Surt) {
    reject();
  } else {
    Ordre(ordre);
  }
}

void FinestraSecundaria::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  QPainter pintor(this);
  pintor.setPen(Qt::black);
  const int ascendent = pintor.fontMetrics().ascent();
  for (const auto& etiqueta : etiquetes_) {
    pintor.drawText(etiqueta.posicio + QPoint(0, ascendent), etiqueta.text);
  }
}

}  // namespace tirelo::gui
