// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/Llenc.h"

namespace tirelo {

int EscriuA(Llenc& llenc, int x, int y, std::string_view text) {
  if (text.empty()) return 0;
  const int amplada = llenc.Amplada(text);
  llenc.Text(x, y, text);
  return amplada;
}

}  // namespace tirelo
