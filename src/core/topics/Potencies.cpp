#include "topics/Potencies.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaPotencies(Programa&) {}

}  // namespace tirelo
