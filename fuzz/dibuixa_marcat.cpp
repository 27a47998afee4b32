// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Any bytes draw on the preview without crashing, and the font comes back to where
// it started.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "render/DibuixaMarcat.h"

namespace {

class LlencMut final : public tirelo::Llenc {
 public:
  void PosaLletra(const tirelo::DescripcioLletra& d) override { amplada_ = d.amplada; }
  int Amplada(std::string_view text) override { return static_cast<int>(text.size()) * amplada_; }
  void Text(int, int, std::string_view) override {}
  void Linia(tirelo::Punt, tirelo::Punt) override {}
  void Polilinia(std::span<const tirelo::Punt>) override {}
  void Ellipse(int, int, int, int) override {}
  void Rectangle(int, int, int, int) override {}

 private:
  int amplada_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LlencMut llenc;
  tirelo::Pantalla p;
  p.LligaFinestra(llenc);
  const tirelo::DescripcioLletra inicial = p.Descripcio();
  tirelo::DibuixaMarcat(p, 16, 20, std::string_view(reinterpret_cast<const char*>(data), size));
  if (!(p.Descripcio() == inicial)) std::abort();
  return 0;
}
