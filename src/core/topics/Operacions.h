#pragma once
// Topic: algebraic operations.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaOperacions(Programa& prg);

}  // namespace tirelo
