#include "topics/Arrels.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaArrels(Programa&) {}

}  // namespace tirelo
