// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// A property a fuzz target holds of every input. When it breaks, the target says which
// and aborts, so that libFuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>

inline void Comprova(bool condicio, const char* que) {
  if (!condicio) {
    std::fprintf(stderr, "property broken: %s\n", que);
    std::abort();
  }
}
