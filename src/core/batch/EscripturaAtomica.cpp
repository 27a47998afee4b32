// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/EscripturaAtomica.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace tirelo {

namespace fs = std::filesystem;

std::optional<std::string> EscriuAtomicament(const fs::path& cami, const Escriptor& escriu) {
  std::error_code ec;
  const auto estat = fs::status(cami, ec);
  if (fs::exists(estat) && !fs::is_regular_file(estat)) return escriu(cami);
  fs::path temporal = cami;
  temporal += ".tirelo-" + std::to_string(::getpid());
  if (auto motiu = escriu(temporal)) {
    fs::remove(temporal, ec);
    return motiu;
  }
  fs::rename(temporal, cami, ec);
  if (ec) {
    const std::string motiu = ec.message();
    fs::remove(temporal, ec);
    return motiu;
  }
  return std::nullopt;
}

std::optional<std::string> EscriuBytesAtomicament(const fs::path& cami, const std::string& bytes) {
  return EscriuAtomicament(cami, [&bytes](const fs::path& on) -> std::optional<std::string> {
    std::ofstream f(on, std::ios::binary | std::ios::trunc);
    if (!f) return std::string(std::strerror(errno));
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.close();
    if (!f) return std::string("no s'ha pogut escriure tot el fitxer");
    return std::nullopt;
  });
}

}  // namespace tirelo
