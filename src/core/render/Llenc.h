// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The surface the screen text module draws on. The core lays text out; a front end
// (QPainter on the desktop, a recorder in the tests) draws and measures it.
#include <span>
#include <string>
#include <string_view>

namespace tirelo {

// A font as the layout asks for it. Sizes are pixels: alcada is the height of a
// character cell (ascent plus descent), amplada the average character width
// (0 lets the face keep its own proportions). pes 0 is the face's default weight,
// 400 normal, 700 bold.
struct DescripcioLletra {
  int alcada = 16;
  int amplada = 6;
  std::string cara = "arial";
  int pes = 0;
  bool cursiva = false;
  bool subratllada = false;

  bool operator==(const DescripcioLletra&) const = default;
};

inline constexpr int PesNormal = 400;
inline constexpr int PesNegreta = 700;

struct Punt {
  int x = 0;
  int y = 0;
  bool operator==(const Punt&) const = default;
};

// Texts are Windows-1252 byte strings. Coordinates are pixels, y grows downwards.
class Llenc {
 public:
  virtual ~Llenc() = default;
  // Selects the font for the texts that follow.
  virtual void PosaLletra(const DescripcioLletra& d) = 0;
  // Width of the text in the selected font.
  virtual int Amplada(std::string_view text) = 0;
  // Draws the text in the selected font with its top-left corner at (x, y).
  virtual void Text(int x, int y, std::string_view text) = 0;
  virtual void Linia(Punt de, Punt a) = 0;
  virtual void Polilinia(std::span<const Punt> punts) = 0;
  // The ellipse inscribed in the box from (esquerra, dalt) to (dreta, baix).
  virtual void Ellipse(int esquerra, int dalt, int dreta, int baix) = 0;
  // A framed box filled with the background, from (esquerra, dalt) to (dreta, baix).
  virtual void Rectangle(int esquerra, int dalt, int dreta, int baix) = 0;
};

// Draws the text with its top-left corner at (x, y); an empty text draws nothing.
// Returns the text's width.
int EscriuA(Llenc& llenc, int x, int y, std::string_view text);

}  // namespace tirelo
