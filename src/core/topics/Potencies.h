#pragma once
// Topic: powers.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaPotencies(Programa& prg);

}  // namespace tirelo
