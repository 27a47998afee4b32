#include "document/Marcat.h"

namespace tirelo {

// Placeholders until the translator exists: texts pass unchanged.
Argument LlargadaArgument(std::string_view resta) {
  if (resta.empty()) return {};
  return {1, resta.substr(0, 1)};
}
std::string TradueixMarcat(std::string_view text) { return std::string(text); }
std::string DisposaFraccio(int, std::string_view n, std::string_view d) {
  return std::string(n) + "\r\r" + std::string(d) + "\r";
}
std::string DisposaArrel(std::string_view a) { return std::string(a); }
std::string DisposaBloc(std::string_view a) { return std::string(a); }
std::string TwipsDeCm(double) { return "0"; }

}  // namespace tirelo
