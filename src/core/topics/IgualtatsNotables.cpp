#include "topics/IgualtatsNotables.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaIgualtats(Programa&) {}

}  // namespace tirelo
