// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The desktop program: the main window and its loop until the user quits.

// Returns the process's exit code; without a display it says so and fails.
int ExecutaEscriptori(int argc, char** argv);
