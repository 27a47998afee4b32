// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/FinestraAjuda.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/shell/Icona.h"

namespace tirelo::gui {

FinestraAjuda::FinestraAjuda(QWidget* pare) : QDialog(pare), navegador_(new QTextBrowser) {
  setObjectName(QStringLiteral("ajuda"));
  setWindowTitle(QStringLiteral("Ajuda"));
  setWindowIcon(IconaPrograma());
  setWindowModality(Qt::ApplicationModal);
  resize(680, 560);
  navegador_->setAccessibleName(QStringLiteral("Text de l'ajuda"));
  navegador_->setOpenExternalLinks(true);
  navegador_->setSource(QUrl(QStringLiteral("qrc:/help/ajuda.html")));
  auto* botons = new QDialogButtonBox(QDialogButtonBox::Close);
  QPushButton* tanca = botons->button(QDialogButtonBox::Close);
  tanca->setText(QStringLiteral("&Tanca"));
  tanca->setAccessibleName(QStringLiteral("Tanca l'ajuda"));
  tanca->setDefault(true);
  connect(botons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* disposicio = new QVBoxLayout(this);
  disposicio->addWidget(navegador_);
  disposicio->addWidget(botons);
}

void MostraFinestraAjuda(QWidget* pare) {
  FinestraAjuda finestra(pare);
  finestra.exec();
}

}  // namespace tirelo::gui
