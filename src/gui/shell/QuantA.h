#pragma once
// The About window (FerSobre), shown by "&Quant a PrTirelo".
namespace tirelo {
struct Programa;
}

class QWidget;

namespace tirelo::gui {

void MostraQuantA(QWidget* pare, tirelo::Programa& prg);

}  // namespace tirelo::gui
