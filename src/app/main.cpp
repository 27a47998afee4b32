// The tirelo program: the desktop program when started without a command, and the
// commands that work without a display.
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

void MostraAjuda(std::FILE* f) {
  std::fputs(
      "Exercicis de Tirelo: exercicis de matem\xC3\xA0tiques per a l'escola.\n"
      "\n"
      "\xC3\x9As:\n"
      "  tirelo              obre el programa d'escriptori\n"
      "  tirelo --help       mostra aquesta ajuda\n",
      f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    MostraAjuda(stdout);
    return 0;
  }
  std::fputs("El programa d'escriptori encara no existeix en aquesta versi\xC3\xB3.\n\n", stderr);
  MostraAjuda(stderr);
  return 1;
}
