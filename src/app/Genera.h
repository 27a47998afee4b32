// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// `tirelo genera`: a whole worksheet from the command line, without a window.
#include <string>
#include <vector>

namespace tirelo {

// Runs the command on the arguments after "genera"; returns the exit code
// (0 done, 2 bad input or an output that could not be written: nothing written then).
int ExecutaGenera(const std::vector<std::string>& args);
// The same, in the form of the program's command table.
int OrdreGenera(int argc, char** argv);

}  // namespace tirelo
