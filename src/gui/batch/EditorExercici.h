#pragma once
// The exercise editor window (contingutprob): statement, answer, hint and where the
// hint goes, with a drawn preview.
#include "batch/Exercici.h"

class QWidget;

namespace tirelo::gui {

// Shows the editor on a copy of e; true and e updated when the user accepts, false and
// e untouched otherwise.
bool EditaExercici(QWidget* pare, tirelo::Exercici& e);

}  // namespace tirelo::gui
