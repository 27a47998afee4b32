#include "topics/Fraccions.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaFraccions(Programa&) {}

}  // namespace tirelo
