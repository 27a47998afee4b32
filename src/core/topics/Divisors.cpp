#include "topics/Divisors.h"

#include "shell/Programa.h"

namespace tirelo {

void TemaDivisors(Programa&) {}

}  // namespace tirelo
