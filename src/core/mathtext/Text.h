// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Byte-text helpers. Exercise texts are Windows-1252 byte strings; these helpers
// cut them to their field's length and convert them at the program's borders.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tirelo {

// Field lengths of the exercise texts.
inline constexpr std::size_t LlargadaText = 255;   // statement, answer, file name, title
inline constexpr std::size_t LlargadaPista = 80;   // hint

// The text cut to at most n bytes (texts are cut, never refused).
std::string Talla(std::string_view s, std::size_t n = LlargadaText);

// Windows-1252 bytes to UTF-8. Bytes with no character in Windows-1252
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same code.
std::string Utf8DeCp1252(std::string_view cp1252);

// UTF-8 to Windows-1252; nullopt when the text holds a character that
// Windows-1252 cannot hold, or is not valid UTF-8.
std::optional<std::string> Cp1252DeUtf8(std::string_view utf8);

}  // namespace tirelo
