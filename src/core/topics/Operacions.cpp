#include "topics/Operacions.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaOperacions(Programa&) {}

}  // namespace tirelo
