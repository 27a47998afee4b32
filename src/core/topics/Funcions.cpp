#include "topics/Funcions.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaFuncions(Programa&) {}

}  // namespace tirelo
