#pragma once
// The equation-form window (tipuseq2) of the equations topic.
#include "shell/Interficie.h"

class QWidget;

namespace tirelo::gui {

// Shows the window modally and returns the chosen form; its close box answers Completa.
tirelo::FormaEq2 TriaTipusEq2(QWidget* pare);

}  // namespace tirelo::gui
