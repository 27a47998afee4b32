// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Terms and polynomials written as exercise markup the way a textbook writes them:
// coefficient 1 not written, -1 as a bare minus, zero terms vanishing, "+" before
// every positive term after the first. Also the random draws the generators share.
#include <cstdint>
#include <string>
#include <string_view>

#include "mathtext/Aleatori.h"

namespace tirelo {

std::string TxtCoef(int32_t coef, std::string_view part);
std::string TxtCoefSig(int32_t coef, std::string_view part);
std::string TxtPotencia(std::string_view base, int8_t e);
std::string Parentitza(std::string_view s);
std::string Quadrat(std::string_view s);                          // s + '\xB2'
std::string ProducteLletres(std::string_view l1, std::string_view l2);

std::string LletraAleat(FontAleatoria& rnd);                      // one of "abcdxyz"
int8_t AleatNoNul(FontAleatoria& rnd, uint8_t m);                 // +-1..m, negative 2/9
int32_t AleatNoNulMeitat(FontAleatoria& rnd, int32_t m);          // +-1..m, negative 1/2
// ch1..ch2. Small signed values (the function generators draw -3..5), held as int8_t
// because plain char is unsigned on some platforms.
int8_t AleatCar(FontAleatoria& rnd, int8_t ch1, int8_t ch2);

struct Binomi {
  int8_t k1 = 0, k2 = 0;   // coefficients in +-1..3 (or +-1..coefMax), Mcd(k1, k2) = 1
  std::string p1, p2;      // literal parts: "x", "a".."d" or empty; never equal
};
// Each coefficient is 1..coefMax, made negative when a draw of 0..9 reaches
// llindarNegatiu (8 by default: probability 2/10; 10: never).
Binomi AleatBinomi(FontAleatoria& rnd, int32_t coefMax = 3, int32_t llindarNegatiu = 8);

}  // namespace tirelo
