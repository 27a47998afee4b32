// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Text.h"

#include <array>
#include <cstdint>

namespace tirelo {

namespace {

// Unicode code points of bytes 0x80..0x9F in Windows-1252; the five unused
// bytes keep their own code so that every byte survives a round trip.
constexpr std::array<char32_t, 32> kAlts = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The smallest code point that needs a sequence of 1, 2, 3 or 4 bytes.
constexpr std::array<char32_t, 5> kMinimPerLlargada = {0, 0, 0x80, 0x800, 0x10000};

void AfegeixUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::optional<char> ByteDe(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kAlts.size(); ++i) {
    if (kAlts[i] == cp) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

std::string Talla(std::string_view s, std::size_t n) {
  return std::string(s.substr(0, n));
}

std::string Utf8DeCp1252(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() * 2);
  for (unsigned char b : cp1252) {
    char32_t cp = b;
    if (b >= 0x80 && b < 0xA0) cp = kAlts[b - 0x80];
    AfegeixUtf8(out, cp);
  }
  return out;
}

std::optional<std::string> Cp1252DeUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp = 0;
    std::size_t len = 0;
    if (b < 0x80) {
      cp = b;
      len = 1;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      len = 3;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      len = 4;
    } else {
      return std::nullopt;
    }
    if (i + len > utf8.size()) return std::nullopt;
    for (std::size_t k = 1; k < len; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (c & 0x3F);
    }
    // An overlong form ("\xC0\x80" for NUL, "\xC0\xAF" for '/') is not UTF-8 and is
    // refused like any other bad sequence, so no hidden NUL reaches a text.
    if (cp < kMinimPerLlargada[len]) return std::nullopt;
    const auto byte = ByteDe(cp);
    if (!byte) return std::nullopt;
    out += *byte;
    i += len;
  }
  return out;
}

}  // namespace tirelo
