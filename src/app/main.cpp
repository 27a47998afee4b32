// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The tirelo program: the desktop program when started without a command, and the
// commands that work without a display. A new command is one row of kOrdres.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "Comprova.h"
#include "Escriptori.h"
#include "Genera.h"
#include "Tradueix.h"

namespace {

struct Ordre {
  const char* nom;
  const char* descripcio;               // UTF-8, for the terminal
  int (*executa)(int argc, char** argv);  // the arguments after the command's name
};

constexpr Ordre kOrdres[] = {
    {"tradueix", "tradueix a RTF el text marcat de l'entrada est\xC3\xA0ndard", tirelo::OrdreTradueix},
    {"genera", "genera un full d'exercicis sense obrir cap finestra (genera --help)", tirelo::OrdreGenera},
    {"comprova", "jutja una resposta a un exercici d'un full (comprova --help)", tirelo::OrdreComprova},
    {"practica", "obre la finestra de pr\xC3\xA0\x63tica, o la d'un codi de full (practica --help)", ExecutaPractica},
};

void MostraAjuda(std::FILE* f) {
  std::fputs(
      "Exercicis de Tirelo: exercicis de matem\xC3\xA0tiques per a l'escola.\n"
      "\n"
      "\xC3\x9As:\n"
      "  tirelo              obre el programa d'escriptori\n"
      "  tirelo F.tirelo     obre el programa d'escriptori amb el lot desat a F.tirelo\n"
      "  tirelo --help       mostra aquesta ajuda\n",
      f);
  for (const Ordre& o : kOrdres) std::fprintf(f, "  tirelo %-13s%s\n", o.nom, o.descripcio);
}

const Ordre* BuscaOrdre(std::string_view nom) {
  for (const Ordre& o : kOrdres) {
    if (nom == o.nom) return &o;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    MostraAjuda(stdout);
    // A help that could not be written (a full disk, a closed pipe) is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      std::fputs("tirelo: no s'ha pogut escriure l'ajuda\n", stderr);
      return 1;
    }
    return 0;
  }
  // Anything else that names a file (a batch file from the desktop) opens the program on it.
  if (argc > 1 && !BuscaOrdre(argv[1]) && argv[1][0] != '-' &&
      (std::filesystem::exists(argv[1]) || std::string_view(argv[1]).ends_with(".tirelo"))) {
    return ExecutaEscriptori(argc, argv);
  }
  if (argc > 1) {
    if (const Ordre* o = BuscaOrdre(argv[1])) return o->executa(argc - 2, argv + 2);
    std::fprintf(stderr, "Ordre desconeguda: %s\n\n", argv[1]);
    MostraAjuda(stderr);
    return 2;
  }
  return ExecutaEscriptori(argc, argv);
}
