// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// A writer of a whole sheet in a form that only a drawing layer can make (a PDF). The
// core composes nothing itself for it: the program and the command line receive the
// writer from the Qt side, which measures the faces, composes and paints.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "full/Full.h"

namespace tirelo {

// Writes the sheet of these exercises at exactly this path; the reason when it failed.
using EscriptorFull = std::function<std::optional<std::string>(
    const std::vector<Exercici>& exercicis, const OpcionsFull& opcions, const std::filesystem::path& cami)>;

}  // namespace tirelo
