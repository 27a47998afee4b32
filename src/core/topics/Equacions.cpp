#include "topics/Equacions.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaEquacions(Programa&) {}

}  // namespace tirelo
