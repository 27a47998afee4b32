#include "shell/QuantA.h"

#include "shell/Programa.h"

namespace tirelo::gui {

// Until the About window exists the command shows nothing.
void MostraQuantA(QWidget*, tirelo::Programa&) {}

}  // namespace tirelo::gui
