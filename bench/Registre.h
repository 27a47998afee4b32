// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Benchmarks registered at run time, from what the program itself reports.
namespace tirelo::banc {

// One benchmark per subtype of every topic present (and per number of cases where
// the subtype takes one); returns how many were registered.
int RegistraGeneradors();

}  // namespace tirelo::banc
