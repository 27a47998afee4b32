// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// `tirelo comprova`: the engine's verdict on a typed answer, from the command line.

namespace tirelo {

// Runs the command on the arguments after "comprova": 0 with a verdict on standard
// output, 2 for a bad call (one line on standard error).
int OrdreComprova(int argc, char** argv);

}  // namespace tirelo
