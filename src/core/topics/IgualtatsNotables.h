#pragma once
// Topic: notable identities.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaIgualtats(Programa& prg);

}  // namespace tirelo
