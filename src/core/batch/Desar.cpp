#include "batch/Desar.h"

#include "shell/Programa.h"

namespace tirelo {

// Placeholders until the document writer exists: nothing is saved or opened.
bool Desa(Programa&) { return false; }
void ObreEnEditor(Programa&) {}

}  // namespace tirelo
