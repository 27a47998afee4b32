// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Build tool: turns the help's HTML source (with its pictures) into the PDF that
// "&Ajuda" opens. Run at build time on the offscreen platform.
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "us: FesAjuda ajuda.html PrTirelo.pdf\n");
    return 2;
  }
  QFile html(QString::fromLocal8Bit(argv[1]));
  if (!html.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "FesAjuda: no es pot llegir %s\n", argv[1]);
    return 1;
  }
  // Pictures are looked up relative to the HTML file and added to the document as
  // resources; a picture that is missing is left out (Qt's pagination does not end on
  // an image it cannot load).
  const QDir carpeta = QFileInfo(html).absoluteDir();
  QString text = QString::fromUtf8(html.readAll());
  QTextDocument doc;
  static const QRegularExpression kImatge(QStringLiteral("<img[^>]*src=\"([^\"]+)\"[^>]*>"));
  for (auto it = kImatge.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    const QImage imatge(carpeta.filePath(m.captured(1)));
    if (imatge.isNull()) {
      std::fprintf(stderr, "FesAjuda: falta la imatge %s\n", qPrintable(m.captured(1)));
      text.replace(m.captured(0), QString());
    } else {
      doc.addResource(QTextDocument::ImageResource, QUrl(m.captured(1)), imatge);
    }
  }
  doc.setHtml(text);

  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setTitle(QStringLiteral("Exercicis de Tirelo: ajuda"));
  pdf.setCreator(QStringLiteral("Tirelo"));
  pdf.setResolution(96);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                QPageLayout::Millimeter));
  doc.print(&pdf);
  if (!QFileInfo(QString::fromLocal8Bit(argv[2])).size()) {
    std::fprintf(stderr, "FesAjuda: no s'ha pogut escriure %s\n", argv[2]);
    return 1;
  }
  return 0;
}
