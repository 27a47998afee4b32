// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/TextLlegible.h"

#include <algorithm>

#include "document/Marcat.h"

namespace tirelo {
namespace {

constexpr char CR = '\r';
constexpr char Salt = '\n';

// Styled and fraction arguments are read with their markup interpreted; past this
// depth an argument is copied as written, so hostile texts cannot exhaust the stack.
constexpr int ProfunditatMaxima = 16;

bool EsLletraODigit(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || u >= 0xC0;
}

// A part of a fraction or a script's argument, in parentheses unless it is one
// number or word, or already stands in one pair of them.
std::string Agrupa(const std::string& part) {
  if (std::all_of(part.begin(), part.end(), EsLletraODigit)) return part;
  if (!part.empty() && part.front() == '(' && ParentesiQueTanca(part) == part.size() - 1) return part;
  return "(" + part + ")";
}

class Lector {
 public:
  std::string Llegeix(std::string_view text, int profunditat) {
    std::size_t i = 0;
    while (i < text.size()) i = Caracter(text, i, profunditat);
    return std::move(sortida_);
  }

 private:
  // Handles the character at i and returns where reading goes on.
  std::size_t Caracter(std::string_view text, std::size_t i, int profunditat) {
    const char c = text[i];
    if (c == CR) {
      sortida_ += Salt;
    } else if (c == '#') {
      return Ordre(text, i + 1, profunditat);
    } else if (c == '\\') {
      return SequenciaRtf(text, i + 1);
    } else if (c == '^' || c == '_') {
      return Index(text, i + 1, c);
    } else if (c == '\t') {
      sortida_ += ' ';
    } else if (c != '{' && c != '}' && static_cast<unsigned char>(c) >= 32) {
      sortida_ += c;  // braces are the embedded RTF's groups; controls show nothing
    }
    return i + 1;
  }

  // "#": i is at the command letter.
  std::size_t Ordre(std::string_view text, std::size_t i, int profunditat) {
    if (i >= text.size()) return i;
    const char lletra = LletraOrdre(text[i]);
    const std::string_view resta = text.substr(i + 1);
    const Argument a = LlargadaArgument(resta);
    const std::size_t seguent = i + 1 + std::min(a.llargada, resta.size());
    if (lletra == 'B' || lletra == 'I' || lletra == 'S') {
      sortida_ += Interior(a.text, profunditat);
    } else if (lletra == 'T') {
      sortida_ += ' ';
    } else if (lletra == '&') {
      sortida_ += " infinit ";
    } else if (lletra == 'F') {
      Fraccio(a.text, profunditat);
    } else if (lletra == 'R') {
      sortida_ += " arrel(" + Interior(a.text, profunditat) + ") ";
    } else if (lletra == 'M') {
      Bloc(a.text);
    }
    return seguent;  // "#0".."#9" indent and other letters say nothing
  }

  // An argument read with its own markup, on one line.
  std::string Interior(std::string_view argument, int profunditat) {
    if (profunditat >= ProfunditatMaxima) return std::string(argument);
    std::string text = Lector().Llegeix(argument, profunditat + 1);
    std::replace(text.begin(), text.end(), Salt, ' ');
    return text;
  }

  // "#F": numerator "/" denominator; a leading tab count says nothing.
  void Fraccio(std::string_view argument, int profunditat) {
    if (!argument.empty() && argument[0] >= 1 && argument[0] <= 9) argument.remove_prefix(1);
    const std::size_t barra = argument.find('/');
    const std::string_view num =
        barra == std::string_view::npos ? std::string_view() : argument.substr(0, barra);
    const std::string_view den = barra == std::string_view::npos ? argument : argument.substr(barra + 1);
    const std::string n = Interior(num, profunditat);
    sortida_ +=
        ' ' + (n.empty() ? std::string() : Agrupa(n)) + "/" + Agrupa(Interior(den, profunditat)) + ' ';
  }

  // "#M": the block's lines as written, without the bars that frame them.
  void Bloc(std::string_view argument) {
    sortida_ += Salt;
    for (const char c : argument) {
      if (c == CR) {
        sortida_ += Salt;
      } else if (static_cast<unsigned char>(c) >= 32) {
        sortida_ += c;
      }
    }
    sortida_ += Salt;
  }

  // "\": i is after the backslash. "\'hh" is a character, "\tab" a blank, "\line"
  // and "\par" a break; other control words say nothing. The blank that ends a
  // control word belongs to it.
  std::size_t SequenciaRtf(std::string_view text, std::size_t i) {
    if (const auto c = CaracterEscapat(text.substr(i))) {
      sortida_ += *c;
      return i + 3;
    }
    std::size_t fi = i;
    while (fi < text.size() && text[fi] != ' ' && text[fi] != '\\' && text[fi] != CR) ++fi;
    const std::string_view paraula = text.substr(i, fi - i);
    if (paraula == "tab") sortida_ += ' ';
    if (paraula == "line" || paraula == "par") sortida_ += Salt;
    return fi < text.size() && text[fi] == ' ' ? fi + 1 : fi;
  }

  // "^" or "_": i is after the marker. A script written as "^{...}" (raw RTF braces
  // that hold the raised text) reads as the braces' content.
  std::size_t Index(std::string_view text, std::size_t i, char marca) {
    const std::string_view resta = text.substr(i);
    Argument a = ArgumentIndex(resta);
    std::size_t seguent = i + std::min(a.llargada, resta.size());
    if (a.text == "{") {
      const std::size_t tanca = text.find('}', seguent);
      const std::size_t fi = tanca == std::string_view::npos ? text.size() : tanca;
      a.text = text.substr(seguent, fi - seguent);
      seguent = std::min(fi + 1, text.size());
    }
    std::string argument;  // as written, but for controls, which show nothing
    for (const char c : a.text) {
      if (static_cast<unsigned char>(c) >= 32) argument += c;
    }
    if (!argument.empty()) sortida_ += marca + Agrupa(argument);
    return seguent;
  }

  std::string sortida_;
};

// Blanks folded to one, controls dropped, every line trimmed, empty lines dropped.
std::string Endreca(const std::string& brut) {
  std::string net;
  std::string linia;
  auto TancaLinia = [&] {
    while (!linia.empty() && linia.back() == ' ') linia.pop_back();
    if (linia.empty()) return;
    if (!net.empty()) net += Salt;
    net += linia;
    linia.clear();
  };
  for (const char c : brut) {
    if (c == Salt) {
      TancaLinia();
    } else if (static_cast<unsigned char>(c) < 32) {
      continue;  // a control copied from a script's argument shows nothing
    } else if (c != ' ' || (!linia.empty() && linia.back() != ' ')) {
      linia += c;
    }
  }
  TancaLinia();
  return net;
}

}  // namespace

std::string TextLlegible(std::string_view marcat) {
  return Endreca(Lector().Llegeix(marcat, 0));
}

}  // namespace tirelo
