// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The border between the core's Windows-1252 byte texts and Qt's Unicode strings.
// Every conversion of the desktop program goes through here.
#include <QString>
#include <string>
#include <string_view>

namespace tirelo::gui {

// A Windows-1252 text as Qt shows it.
QString DeCp1252(std::string_view text);
// A typed text as Windows-1252; characters that Windows-1252 cannot hold become '?'.
std::string ACp1252(const QString& text);
// The first character of a typed text that Windows-1252 cannot hold; empty when none.
QString PrimerForaDeCp1252(const QString& text);
// A message text: the core's line breaks (CR, CR LF) become Qt's '\n'.
QString TextMissatge(std::string_view text);

}  // namespace tirelo::gui
