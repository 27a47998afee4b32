#include "topics/Percentatges.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaPercentatges(Programa&) {}

}  // namespace tirelo
