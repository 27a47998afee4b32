#pragma once
// Topic: roots.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaArrels(Programa& prg);

}  // namespace tirelo
