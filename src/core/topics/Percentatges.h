#pragma once
// Topic: percentages.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaPercentatges(Programa& prg);

}  // namespace tirelo
