#pragma once
// Topic: equations and systems.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaEquacions(Programa& prg);

}  // namespace tirelo
