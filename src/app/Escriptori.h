// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The desktop program: the main window and its loop until the user quits.

// Returns the process's exit code; without a display it says so and fails.
int ExecutaEscriptori(int argc, char** argv);

// `tirelo practica [--codi CODI]`: the practice window alone, on the sheet of a code or
// after the new-practice window. Exit status 0, or 2 for a bad call (one line).
int ExecutaPractica(int argc, char** argv);
