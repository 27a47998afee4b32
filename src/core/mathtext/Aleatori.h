// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The program's one random source. Random(n) gives the same numbers for the same
// seed on every compiler and platform: the generator and the bounded draw are
// written here rather than taken from the standard library's distributions.
#include <cstdint>
#include <optional>

namespace tirelo {

class FontAleatoria {
 public:
  virtual ~FontAleatoria() = default;
  // A uniform integer from 0 to n - 1 (n >= 1; n <= 0 gives 0).
  virtual int32_t Random(int32_t n) = 0;
  // Seeds the source again (start-up, the About window).
  virtual void Sembra(uint64_t llavor) = 0;
  // The state from which the next draws follow, when the source can give it: seeding
  // a source with it draws the same numbers again. Reading it changes no draw.
  virtual std::optional<uint64_t> Estat() const { return std::nullopt; }
};

// splitmix64 feeding a bounded draw by rejection: small, fast and identical everywhere.
class GeneradorAleatori final : public FontAleatoria {
 public:
  explicit GeneradorAleatori(uint64_t llavor = 0) { Sembra(llavor); }
  int32_t Random(int32_t n) override;
  void Sembra(uint64_t llavor) override { estat_ = llavor; }
  std::optional<uint64_t> Estat() const override { return estat_; }

 private:
  uint32_t Seguent32();
  uint64_t estat_ = 0;
};

// Milliseconds of a monotonic clock, the default seed of the program.
uint64_t LlavorDelRellotge();
// A fresh sheet seed: the same clock, as 32 bits (what a sheet code can carry).
uint32_t LlavorDeFull();

}  // namespace tirelo
