#pragma once
// The exercise markup and its translation to RTF. Five characters have a meaning of
// their own (CR, '^', '_', '|', '#'); every other byte, backslashes and braces
// included, stands for itself, so texts may carry raw RTF such as "\tab ".
#include <cstddef>
#include <string>
#include <string_view>

namespace tirelo {

// The argument that follows a marker or a command letter: one character, or the
// text inside a balanced "( ... )". llargada is how many characters it spans.
struct Argument {
  std::size_t llargada = 0;
  std::string_view text;
};
Argument LlargadaArgument(std::string_view resta);

std::string TradueixMarcat(std::string_view text);
// A stacked fraction: three lines, each ended by CR.
std::string DisposaFraccio(int tabs, std::string_view numerador, std::string_view denominador);
std::string DisposaArrel(std::string_view radicand);
std::string DisposaBloc(std::string_view contingut);
// Centimetres to twips, rounded half to even, in decimal.
std::string TwipsDeCm(double cm);

}  // namespace tirelo
