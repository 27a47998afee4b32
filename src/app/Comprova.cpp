// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "Comprova.h"

#include <iostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "shell/Comprova.h"

namespace tirelo {

namespace {
int Falla(const std::string& missatge) {
  std::cerr << "tirelo comprova: " << missatge << "\n";
  return 2;
}
}  // namespace

int OrdreComprova(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  const auto llegides = LlegeixOpcionsComprova(args, DescriuTemes());
  if (const auto* e = std::get_if<ErrorOpcions>(&llegides)) return Falla(e->missatge);
  const OpcionsComprova& opcions = std::get<OpcionsComprova>(llegides);
  std::string sortida = AjudaComprova();
  if (!opcions.genera.ajuda) {
    auto r = ComprovaResposta(opcions);
    if (const auto* e = std::get_if<ErrorOpcions>(&r)) return Falla(e->missatge);
    sortida = std::move(std::get<std::string>(r));
  }
  std::cout << sortida << std::flush;
  if (!std::cout) return Falla("no s'ha pogut escriure la sortida");
  return 0;
}

}  // namespace tirelo
