// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Termes.h"

#include "mathtext/Nombres.h"
#include "mathtext/Text.h"

namespace tirelo {

namespace {
bool SenseLiteral(std::string_view part) { return part.empty() || part.front() == '/'; }
}  // namespace

std::string TxtCoef(int32_t coef, std::string_view part) {
  std::string r;
  if (coef == 0) return r;
  if (coef == 1) {
    r = SenseLiteral(part) ? "1" + std::string(part) : std::string(part);
  } else if (coef == -1) {
    r = SenseLiteral(part) ? "-1" + std::string(part) : "-" + std::string(part);
  } else if (part == "1") {
    r = TxtEnter(coef);
  } else {
    r = TxtEnter(coef) + std::string(part);
  }
  return Talla(r);
}

std::string TxtCoefSig(int32_t coef, std::string_view part) {
  if (coef > 0) return Talla("+" + TxtCoef(coef, part));
  return TxtCoef(coef, part);
}

std::string Parentitza(std::string_view s) {
  if (s.find_first_of("+-*/") != std::string_view::npos) return Talla("(" + std::string(s) + ")");
  return std::string(s);
}

std::string TxtPotencia(std::string_view base, int8_t e) {
  if (e == 0) return "1";
  if (e == 1) return std::string(base);
  return Talla(Parentitza(base) + "^" + TxtEnter(e));
}

std::string Quadrat(std::string_view s) {
  if (s.empty()) return {};
  return Talla(std::string(s) + '\xB2');
}

std::string ProducteLletres(std::string_view l1, std::string_view l2) {
  std::string r;
  if (l1 != l2) {
    r = std::string(l1) + std::string(l2);
  } else if (!l1.empty()) {
    r = std::string(l1) + '\xB2';
  }
  return Talla(r, 20);
}

std::string LletraAleat(FontAleatoria& rnd) {
  static constexpr std::string_view kLletres = "abcdxyz";
  return std::string(1, kLletres[static_cast<std::size_t>(rnd.Random(7))]);
}

int8_t AleatNoNul(FontAleatoria& rnd, uint8_t m) {
  const auto w = static_cast<int8_t>(rnd.Random(m) + 1);
  return rnd.Random(9) <= 1 ? static_cast<int8_t>(-w) : w;
}

int32_t AleatNoNulMeitat(FontAleatoria& rnd, int32_t m) {
  const int32_t w = rnd.Random(m) + 1;
  return rnd.Random(10) <= 4 ? -w : w;
}

int8_t AleatCar(FontAleatoria& rnd, int8_t ch1, int8_t ch2) {
  return static_cast<int8_t>(ch1 + rnd.Random(ch2 - ch1 + 1));
}

Binomi AleatBinomi(FontAleatoria& rnd, int32_t coefMax, int32_t llindarNegatiu) {
  Binomi b;
  auto coeficient = [&rnd, coefMax, llindarNegatiu] {
    auto k = static_cast<int8_t>(rnd.Random(coefMax) + 1);
    if (rnd.Random(10) >= llindarNegatiu) k = static_cast<int8_t>(-k);
    return k;
  };
  do {
    b.k1 = coeficient();
    b.k2 = coeficient();
  } while (Mcd(b.k1, b.k2) != 1);
  auto part = [&rnd]() -> std::string {
    const int r = rnd.Random(10);
    if (r <= 4) return "x";
    if (r <= 6) return std::string(1, static_cast<char>('a' + rnd.Random(4)));
    return {};
  };
  do {
    b.p1 = part();
    b.p2 = part();
  } while (b.p1 == b.p2);
  return b;
}

}  // namespace tirelo
