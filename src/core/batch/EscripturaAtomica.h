// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Writing a file so that a failure never leaves a half-written one: the content goes
// into a temporary file beside the target and is renamed over it once complete.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tirelo {

// Writes a file at the given path; the system's reason when it failed.
using Escriptor = std::function<std::optional<std::string>(const std::filesystem::path&)>;

// Runs escriu on a temporary file beside cami, then renames it over cami. A failure
// removes the temporary file and leaves cami as it was. Something at cami that is not
// a regular file (a device, a pipe) is written in place and never removed.
std::optional<std::string> EscriuAtomicament(const std::filesystem::path& cami, const Escriptor& escriu);

// Writes these bytes at cami through EscriuAtomicament.
std::optional<std::string> EscriuBytesAtomicament(const std::filesystem::path& cami, const std::string& bytes);

}  // namespace tirelo
