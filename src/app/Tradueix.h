// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// `tirelo tradueix`: the exercise markup read from standard input (Windows-1252 bytes,
// any length, NUL bytes included), its RTF translation written to standard output.
//   printf 'x^(n+1)' | tirelo tradueix     ->  x{\super n+1}
#include <cstdio>

namespace tirelo {

// Translates all of `entrada` into `sortida`. 0 on success; 1 when reading or writing
// failed (reported on standard error).
int Tradueix(std::FILE* entrada, std::FILE* sortida);

// The command: takes no arguments of its own (2 when given some).
int OrdreTradueix(int argc, char** argv);

}  // namespace tirelo
