#pragma once
// Topic: fractions.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaFraccions(Programa& prg);

}  // namespace tirelo
