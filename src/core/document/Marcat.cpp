// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Marcat.h"

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace tirelo {

namespace {

// RTF pieces. \uN is followed by its ANSI fallback for readers without Unicode.
constexpr std::string_view kParagraf = R"(\par )";
constexpr std::string_view kSaltLinia = R"(\line )";
constexpr std::string_view kBarra = R"(\u9474\'a6 )";     // U+2502, fallback "¦"
constexpr std::string_view kInfinit = R"(\u8734\'38 )";   // U+221E, fallback "8"
constexpr std::string_view kRadical = R"(\u8730\'76 )";   // U+221A, fallback "v"
constexpr std::string_view kTab = R"(\tab )";
constexpr std::string_view kDosEspais = R"(\'20 )";       // about half a digit wide
constexpr std::string_view kRatlla = R"(\'97)";           // em dash, about two digits wide

std::string Repeteix(std::string_view peca, std::size_t vegades) {
  std::string r;
  r.reserve(peca.size() * vegades);
  for (std::size_t k = 0; k < vegades; ++k) r += peca;
  return r;
}

// What surrounds the translated numerator and denominator of a stacked fraction;
// `salt` ends each of the three lines.
struct PecesFraccio {
  std::string abansNumerador, entreParts, despresDenominador;
};

PecesFraccio Peces(int tabs, std::size_t ln, std::size_t ld, std::string_view salt) {
  const std::string marge = Repeteix(kTab, tabs > 0 ? static_cast<std::size_t>(tabs) : 0);
  const std::size_t w = ln > ld ? ln : ld;
  PecesFraccio p;
  p.abansNumerador = marge + Repeteix(kDosEspais, (w - ln) / 2);
  p.entreParts = std::string(salt) + marge + Repeteix(kRatlla, w / 2) + std::string(salt) + marge +
                 Repeteix(kDosEspais, (w - ld) / 2);
  p.despresDenominador = std::string(salt);
  return p;
}

// The "#F" argument: an optional tab count (a first byte of code 1 to 9), then the
// numerator up to the first "/" and the denominator after it. Without "/" all of it
// is the denominator.
struct ArgumentFraccio {
  int tabs = 0;
  std::string_view numerador, denominador;
};

ArgumentFraccio DivideraFraccio(std::string_view a) {
  ArgumentFraccio f;
  if (!a.empty() && a.front() >= 1 && a.front() <= 9) {
    f.tabs = a.front();
    a.remove_prefix(1);
  }
  const std::size_t barra = a.find('/');
  if (barra == std::string_view::npos) {
    f.denominador = a;
  } else {
    f.numerador = a.substr(0, barra);
    f.denominador = a.substr(barra + 1);
  }
  return f;
}

// The bar of underscores over the radicand and the radical sign, before the radicand.
std::string PrefixArrel(std::size_t llargada) {
  return std::string(R"(\line \'20\'20)") + std::string(llargada, '_') + std::string(kSaltLinia) +
         std::string(kRadical);
}

// The translator works on an explicit stack instead of recursing, so that deeply
// nested arguments ("#B(#B(#B(...") of a text of any length cannot exhaust the call
// stack. A task translates a piece of the text and then appends a closing literal.
// The matching ")" of every "(" is found once, in one pass, so that nested arguments
// are not scanned again at every level.
class Traductor {
 public:
  explicit Traductor(std::string_view text) : text_(text), tancament_(text.size(), kSenseTancar) {
    std::vector<std::size_t> oberts;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '(') {
        oberts.push_back(i);
      } else if (text[i] == ')' && !oberts.empty()) {
        tancament_[oberts.back()] = i;
        oberts.pop_back();
      }
    }
    pila_.push_back({text, {}});
  }

  std::string Tradueix() {
    while (!pila_.empty()) {
      Tasca t = std::move(pila_.back());
      pila_.pop_back();
      Recorre(std::move(t));
    }
    return std::move(sortida_);
  }

 private:
  static constexpr std::size_t kSenseTancar = std::string_view::npos;

  // A piece of text_ to translate, and what to append after it.
  struct Tasca {
    std::string_view tram;
    std::string despres;
  };

  // LlargadaArgument for a piece of text_, through the table of closing parentheses:
  // the ")" that matches within the whole text is the one that matches within any
  // piece holding both; one beyond the piece's end leaves the "(" unclosed there.
  Argument ArgumentDe(std::string_view resta) const {
    if (resta.empty() || resta.front() != '(') return LlargadaArgument(resta);
    const auto obertura = static_cast<std::size_t>(resta.data() - text_.data());
    const std::size_t tancament = tancament_[obertura];
    if (tancament != kSenseTancar && tancament < obertura + resta.size()) {
      const std::size_t dins = tancament - obertura - 1;
      return {dins + 2, resta.substr(1, dins)};
    }
    return {resta.size(), resta.substr(1)};
  }

  // Translates the task's piece until it ends or a nested argument has to go first.
  void Recorre(Tasca t) {
    while (!t.tram.empty()) {
      if (Pas(t)) return;
    }
    sortida_ += t.despres;
  }

  // Translates the element at the start of t.tram and consumes it. True when it put
  // nested work on the stack, in which case the rest of t is on the stack too.
  bool Pas(Tasca& t) {
    const char c = t.tram.front();
    switch (c) {
      case '\r':
        sortida_ += kParagraf;
        break;
      case '|':
        sortida_ += kBarra;
        break;
      case '^':
      case '_': {
        const Argument a = ArgumentDe(t.tram.substr(1));
        sortida_ += c == '^' ? R"({\super )" : R"({\sub )";
        sortida_ += a.text;  // script arguments are copied, not translated
        sortida_ += '}';
        t.tram.remove_prefix(1 + a.llargada);
        return false;
      }
      case '#':
        return Ordre(t);
      default:
        sortida_ += c;
        break;
    }
    t.tram.remove_prefix(1);
    return false;
  }

  // A "#" command: the letter, then its argument, always consumed.
  bool Ordre(Tasca& t) {
    if (t.tram.size() < 2) {  // a "#" at the end produces nothing
      t.tram = {};
      return false;
    }
    const char lletra = LletraOrdre(t.tram[1]);
    const Argument a = ArgumentDe(t.tram.substr(2));
    t.tram.remove_prefix(2 + a.llargada);
    switch (lletra) {
      case 'B': return Grup(t, R"({\b )", a.text);
      case 'I': return Grup(t, R"({\i )", a.text);
      case 'S': return Grup(t, R"({\ul )", a.text);
      case 'T': sortida_ += kTab; return false;
      case '&': sortida_ += kInfinit; return false;
      case 'F': return Fraccio(t, a.text);
      case 'R':
        sortida_ += PrefixArrel(a.text.size());
        return Suspen(t, {{a.text, {}}});
      case 'M': sortida_ += DisposaBloc(a.text); return false;
      default:
        if (lletra >= '0' && lletra <= '9') {
          sortida_ += R"(\li)" + TwipsDeCm(lletra - '0') + ' ';
        }
        return false;  // any other letter produces nothing
    }
  }

  bool Grup(Tasca& t, std::string_view obertura, std::string_view argument) {
    sortida_ += obertura;
    return Suspen(t, {{argument, "}"}});
  }

  bool Fraccio(Tasca& t, std::string_view argument) {
    const ArgumentFraccio f = DivideraFraccio(argument);
    // Each line of the layout must stay a line of its own in the document.
    PecesFraccio p = Peces(f.tabs, f.numerador.size(), f.denominador.size(), kSaltLinia);
    sortida_ += p.abansNumerador;
    return Suspen(t, {{f.numerador, std::move(p.entreParts)},
                      {f.denominador, std::move(p.despresDenominador)}});
  }

  // Puts the rest of t on the stack, then the nested tasks so that they run in order.
  bool Suspen(Tasca& t, std::vector<Tasca> niuades) {
    pila_.push_back(std::move(t));
    for (auto it = niuades.rbegin(); it != niuades.rend(); ++it) pila_.push_back(std::move(*it));
    return true;
  }

  std::string_view text_;
  std::vector<std::size_t> tancament_;  // position of the matching ")" of each "("
  std::vector<Tasca> pila_;
  std::string sortida_;
};

}  // namespace

Argument LlargadaArgument(std::string_view resta) {
  if (resta.empty()) return {};
  if (resta.front() != '(') return {1, resta.substr(0, 1)};
  std::size_t profunditat = 1;
  for (std::size_t i = 1; i < resta.size(); ++i) {
    if (resta[i] == '(') {
      ++profunditat;
    } else if (resta[i] == ')' && --profunditat == 0) {
      return {i + 1, resta.substr(1, i - 1)};
    }
  }
  // Never closed: the argument runs to the end of the text.
  return {resta.size(), resta.substr(1)};
}

std::string TradueixMarcat(std::string_view text) { return Traductor(text).Tradueix(); }

std::string DisposaFraccio(int tabs, std::string_view numerador, std::string_view denominador) {
  const PecesFraccio p = Peces(tabs, numerador.size(), denominador.size(), "\r");
  return p.abansNumerador + TradueixMarcat(numerador) + p.entreParts + TradueixMarcat(denominador) +
         p.despresDenominador;
}

std::string DisposaArrel(std::string_view radicand) {
  return PrefixArrel(radicand.size()) + TradueixMarcat(radicand);
}

std::string DisposaBloc(std::string_view contingut) {
  std::string r(kBarra);
  for (char c : contingut) {
    if (c == '\r') {
      r += kBarra;
      r += kSaltLinia;
      r += kBarra;
    } else {
      r += c;
    }
  }
  return r;
}

std::string TwipsDeCm(double cm) {
  // nearbyint rounds in the default mode, to nearest with halves to even; adding 0.0
  // turns a negative zero into "0".
  const double twips = std::nearbyint(cm / 2.54 * 1440.0) + 0.0;
  char text[512];
  std::snprintf(text, sizeof text, "%.0f", twips);
  return text;
}

Argument ArgumentIndex(std::string_view resta) {
  Argument a = LlargadaArgument(resta);
  if (resta.empty() || resta[0] != '(') return a;
  const bool tancat =
      a.llargada == a.text.size() + 2 && a.llargada <= resta.size() && resta[a.llargada - 1] == ')';
  if (!tancat) a.text = {};
  return a;
}

char LletraOrdre(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::optional<char> CaracterEscapat(std::string_view resta) {
  auto Hex = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (resta.size() < 3 || resta[0] != '\'' || Hex(resta[1]) < 0 || Hex(resta[2]) < 0) return std::nullopt;
  return static_cast<char>(Hex(resta[1]) * 16 + Hex(resta[2]));
}

}  // namespace tirelo
