#pragma once
// Topic: functions.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaFuncions(Programa& prg);

}  // namespace tirelo
