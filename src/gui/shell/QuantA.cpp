// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/QuantA.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>

#include "gui/render/LlencQt.h"
#include "gui/shell/Accessibilitat.h"
#include "gui/shell/TextQt.h"
#include "render/Lletra.h"
#include "shell/Programa.h"

namespace tirelo::gui {
namespace {

const QColor kGroc(255, 255, 178);
const QColor kBlau(0, 100, 250);
const QColor kTaronja(220, 100, 0);
const char* const kAutor = "Equip de Tirelo";
// The licence, in a smaller line under the credit, above the button.
const char* const kLlicencia = "Llic\xE8ncia: GPL-3.0 o posterior";  // Windows-1252

QFileInfo FitxerPrograma() { return QFileInfo(QCoreApplication::applicationFilePath()); }

// The year the program file last changed; this year when the file cannot tell.
int AnyPrograma() {
  const QDateTime canvi = FitxerPrograma().lastModified();
  return canvi.isValid() ? canvi.date().year() : QDate::currentDate().year();
}

}  // namespace

const QStringList& FinestraQuantA::TextosBoto() {
  static const QStringList textos = {"buenu", "Ah!", "Oh!", "vaja!", "hum!", "mmm..", QStringLiteral("i vés!")};
  return textos;
}

FinestraQuantA::FinestraQuantA(QWidget* pare, tirelo::Programa& prg)
    : FinestraSecundaria(pare, "FerSobre", QString(), QRect(400, 200, 312, 240), false),
      titol_(prg.desc.titol),
      programa_(ACp1252(FitxerPrograma().completeBaseName())),
      credit_(ACp1252(QStringLiteral("%1 - %2").arg(QString::fromUtf8(kAutor)).arg(AnyPrograma(), 4, 10, QChar('0')))) {
  QPalette colors = palette();
  colors.setColor(QPalette::Window, kGroc);
  setPalette(colors);
  auto* boto = AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("Vist"), QRect(122, 180, 70, 24));
  setWindowTitle(QStringLiteral("Quant a ") + FitxerPrograma().completeBaseName() + QStringLiteral("..."));
  boto->setText(TextosBoto().at(prg.Random(static_cast<int32_t>(TextosBoto().size()))));
  // The window's texts are drawn: its description and its only button say them.
  const QString textos = DeCp1252(programa_) + QStringLiteral(". ") + DeCp1252(titol_) +
                         QStringLiteral(". ") + DeCp1252(credit_) + QStringLiteral(".");
  setAccessibleDescription(textos);
  Anomena(boto, boto->text() + QStringLiteral(" (tanca)"), textos);
  boto->setFocus();
}

void FinestraQuantA::paintEvent(QPaintEvent* e) {
  FinestraSecundaria::paintEvent(e);
  QPainter painter(this);
  LlencQt llenc(painter, kGroc);
  Lletra lletra(llenc);
  lletra.Mida(16, 6);
  lletra.Cara("arial");
  lletra.Negreta(false);
  llenc.PosaColorText(kTaronja);
  EscriuA(llenc, 20, 50, titol_);
  llenc.PosaColorText(kBlau);
  EscriuA(llenc, 66, 130, credit_);
  lletra.Mida(12, 5);
  EscriuA(llenc, 66, 152, kLlicencia);
  lletra.Cara("Comic sans ms");
  lletra.Negreta(false);
  lletra.Mida(36, 16);
  EscriuA(llenc, 60, 10, programa_);
}

void MostraQuantA(QWidget* pare, tirelo::Programa& prg) {
  prg.aleatori->Sembra(LlavorDelRellotge());
  FinestraQuantA finestra(pare, prg);
  finestra.Executa();
}

}  // namespace tirelo::gui
