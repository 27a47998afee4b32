// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/TextQt.h"

#include <QList>

#include "mathtext/Text.h"

namespace tirelo::gui {

QString DeCp1252(std::string_view text) { return QString::fromStdString(Utf8DeCp1252(text)); }

std::string ACp1252(const QString& text) {
  // Convert one character at a time so that one foreign character costs only itself.
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const uint cp : text.toUcs4()) {
    const char32_t caracter = cp;
    const auto byte = Cp1252DeUtf8(QString::fromUcs4(&caracter, 1).toStdString());
    out += byte && byte->size() == 1 ? *byte : std::string("?");
  }
  return out;
}

QString PrimerForaDeCp1252(const QString& text) {
  for (const char32_t cp : text.toUcs4()) {
    const QString c = QString::fromUcs4(&cp, 1);
    if (!Cp1252DeUtf8(c.toStdString())) return c;
  }
  return {};
}

QString TextMissatge(std::string_view text) {
  QString s = DeCp1252(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

}  // namespace tirelo::gui
