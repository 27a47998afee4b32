#pragma once
// Topic: divisors: factorisations, gcd and lcm.
namespace tirelo {

struct Programa;

// The topic entry: the series loop until the user leaves the series window.
void TemaDivisors(Programa& prg);

}  // namespace tirelo
