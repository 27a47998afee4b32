// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/TextLinia.h"
#include "document/TextLlegible.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "document/Marcat.h"
#include "document/Matematiques.h"
#include "document/Model.h"
#include "document/NombresCatalans.h"
#include "mathtext/Text.h"

namespace tirelo {
namespace {

// The raised and lowered forms Unicode has; empty where it has none.
std::string_view Alcat(char c) {
  static constexpr std::string_view kXifres[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                                 "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
  if (c >= '0' && c <= '9') return kXifres[c - '0'];
  switch (c) {
    case '+': return "\u207A";
    case '-': return "\u207B";
    case '=': return "\u207C";
    case '(': return "\u207D";
    case ')': return "\u207E";
    case 'n': return "\u207F";
    case 'i': return "\u2071";
    case 'a': return "\u1D43";
    case 'b': return "\u1D47";
    case 'c': return "\u1D9C";
    case 'd': return "\u1D48";
    case 'e': return "\u1D49";
    case 'k': return "\u1D4F";
    case 'm': return "\u1D50";
    case 'o': return "\u1D52";
    case 'p': return "\u1D56";
    case 't': return "\u1D57";
    case 'x': return "\u02E3";
    case 'y': return "\u02B8";
    default: return {};
  }
}

std::string_view Baixat(char c) {
  static constexpr std::string_view kXifres[] = {"\u2080", "\u2081", "\u2082", "\u2083", "\u2084",
                                                 "\u2085", "\u2086", "\u2087", "\u2088", "\u2089"};
  if (c >= '0' && c <= '9') return kXifres[c - '0'];
  switch (c) {
    case '+': return "\u208A";
    case '-': return "\u208B";
    case '=': return "\u208C";
    case '(': return "\u208D";
    case ')': return "\u208E";
    case 'a': return "\u2090";
    case 'e': return "\u2091";
    case 'o': return "\u2092";
    case 'x': return "\u2093";
    case 'h': return "\u2095";
    case 'k': return "\u2096";
    case 'l': return "\u2097";
    case 'm': return "\u2098";
    case 'n': return "\u2099";
    case 'p': return "\u209A";
    case 's': return "\u209B";
    case 't': return "\u209C";
    case 'i': return "\u1D62";
    case 'j': return "\u2C7C";
    default: return {};
  }
}

bool EsBlanc(char c) { return c == ' '; }

std::string Retalla(std::string_view s) {
  while (!s.empty() && EsBlanc(s.front())) s.remove_prefix(1);
  while (!s.empty() && EsBlanc(s.back())) s.remove_suffix(1);
  return std::string(s);
}

// Blanks folded to one, the ends trimmed.
std::string Plega(std::string_view s) {
  std::string r;
  for (const char c : s) {
    if (!EsBlanc(c) || (!r.empty() && !EsBlanc(r.back()))) r += c;
  }
  return Retalla(r);
}

// A part of a fraction, a radicand or a script: bare when it is one factor (numbers,
// words and bracketed groups written next to each other, "9(6-√5)"); in parentheses
// when an operator or a blank stands in it outside brackets. Bytes from `lletres` up
// count as letters: 0x80 in UTF-8 (raised and lowered characters and the radical sign
// included), 0xC0 in Windows-1252 (where "²" and "·" are not letters).
std::string Agrupa(const std::string& part, unsigned char lletres) {
  auto Paraula = [lletres](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' ||
           static_cast<unsigned char>(c) >= lletres;
  };
  int fondaria = 0;
  bool factor = true;
  for (const char c : part) {
    if (c == '(') {
      ++fondaria;
    } else if (c == ')') {
      factor = factor && fondaria > 0;
      --fondaria;
    } else if (fondaria == 0 && !Paraula(c)) {
      factor = false;
    }
  }
  if (factor && fondaria == 0) return part;
  return "(" + part + ")";
}

// How the writer shows mathematics: in Unicode ("x²", "√2", "∞", UTF-8), or in the
// linear notation a screen reader spells out ("x^2", "arrel(2)", "infinit",
// Windows-1252).
enum class Notacio { Unicode, Lineal };

// Nesting deeper than this writes nothing: the reader bounds its own, and no
// exercise comes near either.
constexpr int kProfunditatMaxima = 64;

// Writes the mathematics of a text (document/Matematiques.h). Paragraphs, and in the
// linear notation the equations of a system, come out separated by '\n'; everything
// else in a line stays on it.
class Escriptor {
 public:
  Escriptor(const Model& m, Notacio n) : m_(m), notacio_(n) {}

  std::string Text() { return Sequencia(m_.Arrel().fills, 0, true); }

 private:
  bool Lineal() const { return notacio_ == Notacio::Lineal; }
  // Bytes of the text in the notation's encoding.
  std::string Bytes(std::string_view cp1252) const { return Lineal() ? std::string(cp1252) : Utf8DeCp1252(cp1252); }
  std::string Agrupat(const std::string& part) const { return Agrupa(part, Lineal() ? 0xC0 : 0x80); }

  // The children in order. At the level of lines (`linia`), a paragraph is a new line;
  // inside a fraction, a root or a script, a blank.
  std::string Sequencia(const std::vector<std::size_t>& fills, int prof, bool linia) {
    std::string r;
    for (const std::size_t f : fills) r += Node(f, prof, linia);
    return r;
  }

  std::string Node(std::size_t n, int prof, bool linia) {
    if (prof > kProfunditatMaxima) return {};
    const Peca& p = m_.peces[n];
    switch (p.tipus) {
      case TipusPeca::Tros:
      case TipusPeca::Nombre:
      case TipusPeca::Variable:
      case TipusPeca::Operador: return Bytes(p.text);
      case TipusPeca::Paragraf: return linia ? "\n" : " ";
      case TipusPeca::Tabulador: return " ";
      case TipusPeca::Infinit: return Lineal() ? " infinit " : "\u221E";
      case TipusPeca::Grup:
        return Bytes(p.text.substr(0, 1)) + Sequencia(p.fills, prof + 1, false) + Bytes(p.text.substr(1));
      case TipusPeca::Cas: return " " + Bytes(p.text) + " " + Sequencia(p.fills, prof + 1, linia);
      case TipusPeca::Fraccio: return Fraccio(p, prof + 1);
      case TipusPeca::Arrel: return Arrel(p, prof + 1);
      case TipusPeca::Potencia:
      case TipusPeca::Subindex: return Script(p, prof + 1);
      case TipusPeca::Equacions: {
        std::string r;
        for (const std::size_t e : p.fills) {
          const std::string equacio = Plega(Sequencia(m_.peces[e].fills, prof + 1, false));
          if (equacio.empty()) continue;
          if (!r.empty()) r += Lineal() && linia ? "\n" : "; ";
          r += equacio;
        }
        return Lineal() && linia ? "\n" + r + "\n" : " " + r + " ";
      }
      case TipusPeca::Sagnat:
      case TipusPeca::IndexArrel: return {};
      default: return Sequencia(p.fills, prof + 1, linia);  // an expression, a style
    }
  }

  std::string Part(const Peca& p, std::size_t i, int prof) {
    return i < p.fills.size() ? Plega(Sequencia(m_.peces[p.fills[i]].fills, prof, false)) : std::string();
  }

  std::string Fraccio(const Peca& p, int prof) {
    const std::string num = Part(p, 0, prof), den = Part(p, 1, prof);
    return Agrupat(num) + "/" + Agrupat(den);
  }

  // The same mathematics in the linear notation: what a script or an index holds.
  std::string LinealDe(const std::vector<std::size_t>& fills, int prof) {
    Escriptor e(m_, Notacio::Lineal);
    return Plega(e.Sequencia(fills, prof, false));
  }

  // A script as raised or lowered characters where Unicode has them all, otherwise in
  // the linear notation ("x^(m·n)"); in the linear notation, "^" or "_" and the part.
  std::string Script(const Peca& p, int prof) {
    const std::string text = LinealDe(p.fills, prof);
    if (text.empty()) return {};
    const std::string signe = p.tipus == TipusPeca::Potencia ? "^" : "_";
    if (Lineal()) return signe + Agrupa(text, 0xC0);
    if (const auto forma = Elevat(text, p.tipus)) return *forma;
    const bool sol = text.size() == 1 || (text.front() == '(' && ParentesiQueTanca(text) == text.size() - 1);
    const std::string u8 = Utf8DeCp1252(text);
    return signe + (sol ? u8 : "(" + u8 + ")");
  }

  // Every character of the text raised (a power) or lowered (an index); none when
  // Unicode lacks the form of one of them.
  static std::optional<std::string> Elevat(const std::string& text, TipusPeca tipus) {
    std::string forma;
    for (const char c : text) {
      const std::string_view u = tipus == TipusPeca::Potencia ? Alcat(c) : Baixat(c);
      if (u.empty()) return std::nullopt;
      forma += u;
    }
    return forma;
  }

  // A root: "√", "∛" or "∜" by its index, or the index raised before "√"; in the
  // linear notation "arrel(radicand)", "arrel(radicand; index)".
  std::string Arrel(const Peca& p, int prof) {
    std::vector<std::size_t> radicand = p.fills;
    std::string index;
    if (!radicand.empty() && m_.peces[radicand.front()].tipus == TipusPeca::IndexArrel) {
      index = LinealDe(m_.peces[radicand.front()].fills, prof);
      radicand.erase(radicand.begin());
    }
    const std::string dins = Plega(Sequencia(radicand, prof, false));
    if (Lineal()) return " arrel(" + dins + (index.empty() || index == "2" ? "" : "; " + index) + ") ";
    std::string signe = "\u221A";
    if (index == "3") {
      signe = "\u221B";
    } else if (index == "4") {
      signe = "\u221C";
    } else if (!index.empty() && index != "2") {
      const auto alcat = Elevat(index, TipusPeca::Potencia);
      signe = (alcat ? *alcat : "(" + Utf8DeCp1252(index) + ")") + signe;
    }
    return signe + Agrupat(dins);
  }

  const Model& m_;
  Notacio notacio_;
};

// The text's lines in the given notation, each with its blanks folded; empty lines go.
std::vector<std::string> Linies(const Model& m, Notacio notacio) {
  const std::string text = Escriptor(m, notacio).Text();
  std::vector<std::string> r;
  std::size_t inici = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\n') continue;
    std::string linia = Plega(std::string_view(text).substr(inici, i - inici));
    if (!linia.empty()) r.push_back(std::move(linia));
    inici = i + 1;
  }
  return r;
}

}  // namespace

std::string TextLlegible(std::string_view marcat) { return TextLlegible(LlegeixMatematiques(marcat)); }

std::string TextLlegible(const Model& matematiques) {
  std::string r;
  for (const std::string& l : Linies(matematiques, Notacio::Lineal)) {
    if (!r.empty()) r += '\n';
    r += l;
  }
  return r;
}

std::string TextLinia(std::string_view marcat) { return TextLinia(LlegeixMatematiques(marcat)); }

std::string TextLinia(const Model& matematiques) {
  std::string r;
  for (const std::string& l : Linies(matematiques, Notacio::Unicode)) {
    if (!r.empty()) r += ' ';
    r += l;
  }
  // A system of equations ends in a blank, which the case's comma after it would keep:
  // "49; 9x+2y = 53, b)", not "53 , b)".
  std::string plegat;
  for (const char c : r) {
    if ((c == ',' || c == ';') && !plegat.empty() && plegat.back() == ' ') plegat.pop_back();
    plegat += c;
  }
  return NombresCatalans(plegat);  // decimal comma, amounts with two decimals
}

}  // namespace tirelo
