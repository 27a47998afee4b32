// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Marcat.h"

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "document/Model.h"

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

// The bar of underscores over the radicand and the radical sign, before the radicand.
std::string PrefixArrel(std::size_t llargada) {
  return std::string(R"(\line \'20\'20)") + std::string(llargada, '_') + std::string(kSaltLinia) +
         std::string(kRadical);
}

// The RTF of a model, written in document order. Every group it opens it closes.
class EscriptorRtf : public Visitant {
 public:
  explicit EscriptorRtf(const Model& m) : m_(m) {}

  void Obre(const Peca& p) override {
    switch (p.tipus) {
      case TipusPeca::Contingut:
      case TipusPeca::Expressio:
      case TipusPeca::Res:
        break;
      case TipusPeca::Tros: sortida += p.text; break;
      case TipusPeca::Paragraf: sortida += kParagraf; break;
      case TipusPeca::Barra: sortida += kBarra; break;
      case TipusPeca::Potencia:
      case TipusPeca::Subindex:
        sortida += p.tipus == TipusPeca::Potencia ? R"({\super )" : R"({\sub )";
        if (!p.buit) sortida += p.text;  // script arguments are copied, not translated
        sortida += '}';
        break;
      case TipusPeca::Negreta: sortida += R"({\b )"; break;
      case TipusPeca::Cursiva: sortida += R"({\i )"; break;
      case TipusPeca::Subratllat: sortida += R"({\ul )"; break;
      case TipusPeca::Tabulador: sortida += kTab; break;
      case TipusPeca::Infinit: sortida += kInfinit; break;
      case TipusPeca::Sagnat: sortida += R"(\li)" + TwipsDeCm(p.xifra) + ' '; break;
      case TipusPeca::Fraccio: sortida += PecesDe(p).abansNumerador; break;
      case TipusPeca::Arrel: sortida += PrefixArrel(p.llargada); break;
      case TipusPeca::Sistema: sortida += DisposaBloc(p.text); break;
      default: break;  // the kinds of the mathematics of a text: the markup has none
    }
  }
  void Entre(const Peca& p, std::size_t) override {
    if (p.tipus == TipusPeca::Fraccio) sortida += PecesDe(p).entreParts;
  }
  void Tanca(const Peca& p) override {
    if (p.tipus == TipusPeca::Negreta || p.tipus == TipusPeca::Cursiva || p.tipus == TipusPeca::Subratllat) {
      sortida += '}';
    } else if (p.tipus == TipusPeca::Fraccio) {
      sortida += PecesDe(p).despresDenominador;
    }
  }

  std::string sortida;

 private:
  // Each line of the layout must stay a line of its own in the document.
  PecesFraccio PecesDe(const Peca& fraccio) const {
    return Peces(fraccio.tabs, m_.peces[fraccio.fills[0]].llargada, m_.peces[fraccio.fills[1]].llargada,
                 kSaltLinia);
  }

  const Model& m_;
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

std::string EscriuRtf(const Model& m) {
  EscriptorRtf e(m);
  Recorre(m, e);
  return std::move(e.sortida);
}

std::string TradueixMarcat(std::string_view text) { return EscriuRtf(LlegeixMarcat(text)); }

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

std::size_t ParentesiQueTanca(std::string_view s) {
  if (s.empty() || s.front() != '(') return std::string_view::npos;
  const Argument a = LlargadaArgument(s);
  return a.llargada == a.text.size() + 2 ? a.llargada - 1 : std::string_view::npos;
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
