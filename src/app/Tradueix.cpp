// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "Tradueix.h"

#include <string>

#include "document/Marcat.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace tirelo {

namespace {

// The whole stream as bytes; false on a read error.
bool LlegeixTot(std::FILE* f, std::string& text) {
  char bloc[1 << 16];
  std::size_t n = 0;
  while ((n = std::fread(bloc, 1, sizeof bloc, f)) > 0) text.append(bloc, n);
  return std::ferror(f) == 0;
}

}  // namespace

int Tradueix(std::FILE* entrada, std::FILE* sortida) {
  std::string text;
  if (!LlegeixTot(entrada, text)) {
    std::fputs("tirelo tradueix: no s'ha pogut llegir l'entrada.\n", stderr);
    return 1;
  }
  const std::string rtf = TradueixMarcat(text);
  if (std::fwrite(rtf.data(), 1, rtf.size(), sortida) != rtf.size() || std::fflush(sortida) != 0) {
    std::fputs("tirelo tradueix: no s'ha pogut escriure la sortida.\n", stderr);
    return 1;
  }
  return 0;
}

int OrdreTradueix(int argc, char**) {
  if (argc > 0) {
    std::fputs("tirelo tradueix: no admet arguments; llegeix el text de l'entrada est\xC3\xA0ndard.\n", stderr);
    return 2;
  }
#ifdef _WIN32
  // Bytes pass unchanged: no CR LF conversion on either side.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  return Tradueix(stdin, stdout);
}

}  // namespace tirelo
