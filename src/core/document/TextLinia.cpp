// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/TextLinia.h"
#include "document/TextLlegible.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <vector>

#include "document/Marcat.h"
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

std::string Utf8(char c) { return Utf8DeCp1252(std::string_view(&c, 1)); }

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

// A part of a fraction, a radicand or a script: bare when it is one number or word,
// or already stands in one pair of parentheses; in parentheses otherwise. Bytes from
// `lletres` up count as letters: 0x80 in UTF-8 (raised and lowered characters
// included), 0xC0 in Windows-1252 (where "²" and "·" are not letters).
std::string Agrupa(const std::string& part, unsigned char lletres = 0x80) {
  auto Paraula = [lletres](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= lletres;
  };
  if (std::all_of(part.begin(), part.end(), Paraula)) return part;
  if (part.front() == '(' && ParentesiQueTanca(part) == part.size() - 1) return part;
  return "(" + part + ")";
}

std::string AgrupaLineal(const std::string& part) { return Agrupa(part, 0xC0); }

std::string Fraccio(const std::string& num, const std::string& den) { return Agrupa(num) + "/" + Agrupa(den); }

// How the writer shows mathematics: in Unicode ("x²", "√2", "∞", UTF-8), or in the
// linear notation a screen reader spells out ("x^2", "arrel(2)", "infinit",
// Windows-1252).
enum class Notacio { Unicode, Lineal };

struct Linia {
  std::string text;     // UTF-8
  bool sagnada = false;  // an indent of one centimetre or more stands on it
};

// Writes the model into readable lines: one per paragraph of the text.
class Escriptor : public Visitant {
 public:
  explicit Escriptor(Notacio n) : notacio_(n) { linies_.emplace_back(); }

  void Obre(const Peca& p) override {
    switch (p.tipus) {
      case TipusPeca::Tros: Tros(p.text); break;
      case TipusPeca::Paragraf: Salt(); break;
      case TipusPeca::Barra: Afegeix("|"); break;
      case TipusPeca::Potencia:
      case TipusPeca::Subindex: Script(p); break;
      case TipusPeca::Tabulador: Afegeix(" "); break;
      case TipusPeca::Infinit: Afegeix(Lineal() ? " infinit " : "\u221E"); break;
      case TipusPeca::Sagnat:
        if (p.xifra > 0 && parts_.empty()) linies_.back().sagnada = true;
        break;
      case TipusPeca::Expressio:
      case TipusPeca::Arrel: parts_.emplace_back(); break;
      case TipusPeca::Sistema: Sistema(p.text); break;
      case TipusPeca::Negreta:
      case TipusPeca::Cursiva:
      case TipusPeca::Subratllat: ++estils_; break;  // a style shows its children, on one line
      default: break;  // "#" of other letters shows nothing
    }
  }

  void Tanca(const Peca& p) override {
    if (p.tipus == TipusPeca::Potencia || p.tipus == TipusPeca::Subindex) return;
    TancaClau();
    if (p.tipus == TipusPeca::Negreta || p.tipus == TipusPeca::Cursiva || p.tipus == TipusPeca::Subratllat) {
      --estils_;
    } else if (p.tipus == TipusPeca::Expressio) {
      fetes_.push_back(Plega(Treu()));
    } else if (p.tipus == TipusPeca::Arrel) {
      const std::string radicand = Plega(Treu());
      if (Lineal()) {
        Afegeix(" arrel(" + radicand + ") ");
      } else {
        Afegeix("\u221A" + (radicand.empty() ? std::string() : Agrupa(radicand)));
      }
    } else if (p.tipus == TipusPeca::Fraccio) {
      const std::string den = std::move(fetes_.back());
      fetes_.pop_back();
      const std::string num = std::move(fetes_.back());
      fetes_.pop_back();
      if (Lineal()) {
        Afegeix(" " + (num.empty() ? std::string() : AgrupaLineal(num)) + "/" + AgrupaLineal(den) + " ");
      } else {
        Afegeix(Fraccio(num, den));
      }
    }
  }

  std::vector<Linia> Linies() && { return std::move(linies_); }

 private:
  bool Lineal() const { return notacio_ == Notacio::Lineal; }
  // A byte of the text in the notation's encoding.
  std::string Caracter(char c) const { return Lineal() ? std::string(1, c) : Utf8(c); }

  void Afegeix(std::string_view s) {
    if (parts_.empty()) {
      linies_.back().text += s;
    } else {
      parts_.back() += s;
    }
  }

  std::string Treu() {
    std::string s = std::move(parts_.back());
    parts_.pop_back();
    return s;
  }

  // A paragraph break: a new line, or a blank inside a style, a fraction or a root.
  void Salt() {
    if (parts_.empty() && estils_ == 0) {
      linies_.emplace_back();
    } else {
      Afegeix(" ");
    }
  }

  // Bytes that stand for themselves, and the RTF that texts embed.
  void Tros(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size()) {
      const char c = t[i];
      if (clau_) {
        if (c == '}') {
          TancaClau();
        } else if (static_cast<unsigned char>(c) >= 32) {
          textClau_ += c;  // controls show nothing, raised or not
        }
        ++i;
      } else if (c == '\\') {
        i = SequenciaRtf(t, i + 1);
      } else {
        if (c == '\t') Afegeix(" ");
        if (c != '{' && c != '}' && static_cast<unsigned char>(c) >= 32) Afegeix(Caracter(c));
        ++i;
      }
    }
    TancaClau();  // a script in braces ends with its text run
  }

  // "\": i is after the backslash. "\'hh" is a character, "\tab" a blank, "\line"
  // and "\par" a break; other control words say nothing. The blank that ends a
  // control word belongs to it.
  std::size_t SequenciaRtf(std::string_view t, std::size_t i) {
    if (const auto c = CaracterEscapat(t.substr(i))) {
      if (static_cast<unsigned char>(*c) >= 32) Afegeix(Caracter(*c));  // an escaped control shows nothing
      return i + 3;
    }
    std::size_t fi = i;
    while (fi < t.size() && t[fi] != ' ' && t[fi] != '\\') ++fi;
    const std::string_view paraula = t.substr(i, fi - i);
    if (paraula == "tab") Afegeix(" ");
    if (paraula == "line" || paraula == "par") Salt();
    return fi < t.size() && t[fi] == ' ' ? fi + 1 : fi;
  }

  // A script as written; "^{" raises the text up to the next "}" (raw RTF braces).
  void Script(const Peca& p) {
    if (p.buit) return;
    std::string text;
    for (const char c : p.text) {
      if (static_cast<unsigned char>(c) >= 32) text += c;
    }
    if (text == "{") {
      clau_ = p.tipus;
      textClau_.clear();
      return;
    }
    EmetScript(p.tipus, text);
  }

  void EmetScript(TipusPeca tipus, const std::string& text) {
    if (text.empty()) return;
    if (Lineal()) {
      Afegeix((tipus == TipusPeca::Potencia ? "^" : "_") + AgrupaLineal(text));
      return;
    }
    std::string forma;
    for (const char c : text) {
      const std::string_view u = tipus == TipusPeca::Potencia ? Alcat(c) : Baixat(c);
      if (u.empty()) {
        const std::string u8 = Utf8DeCp1252(text);
        const bool sol = text.size() == 1 || (text.front() == '(' && ParentesiQueTanca(text) == text.size() - 1);
        Afegeix((tipus == TipusPeca::Potencia ? "^" : "_") + (sol ? u8 : "(" + u8 + ")"));
        return;
      }
      forma += u;
    }
    Afegeix(forma);
  }

  void TancaClau() {
    if (!clau_) return;
    const TipusPeca tipus = *clau_;
    clau_.reset();
    EmetScript(tipus, textClau_);
  }

  // "#M": the equations one after the other, joined by "; " (in the linear notation,
  // one line each).
  void Sistema(std::string_view text) {
    std::string junts, linia;
    auto Tanca = [&] {
      const std::string neta = Plega(Lineal() ? linia : Utf8DeCp1252(linia));
      linia.clear();
      if (neta.empty()) return;
      if (!junts.empty()) {
        if (Lineal()) {
          Afegeix(junts);
          Salt();
          junts.clear();
        } else {
          junts += "; ";
        }
      }
      junts += neta;
    };
    if (Lineal()) Salt();
    for (const char c : text) {
      if (c == '\r') {
        Tanca();
      } else if (static_cast<unsigned char>(c) >= 32) {
        linia += c;
      }
    }
    Tanca();
    Afegeix(" " + junts + " ");
    if (Lineal()) Salt();
  }

  Notacio notacio_;
  int estils_ = 0;                  // styles open
  std::vector<Linia> linies_;
  std::vector<std::string> parts_;  // the parts of fractions and roots being written
  std::vector<std::string> fetes_;  // parts of fractions already written
  std::optional<TipusPeca> clau_;   // a script in braces is open
  std::string textClau_;
};

// ---- Layouts written by hand ----

// The characters of a UTF-8 line, one string each.
std::vector<std::string> Caracters(std::string_view s) {
  std::vector<std::string> r;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
    r.emplace_back(s.substr(i, n));
    i += n;
  }
  return r;
}

bool EsRatlla(const std::string& c) { return c == "-" || c == "\u2014"; }

// Where the bar that starts at i ends: a run of em dashes or of two or more hyphens
// (one hyphen alone is a minus sign); i itself when no bar starts there.
std::size_t FiDeBarra(const std::vector<std::string>& cs, std::size_t i) {
  std::size_t fi = i;
  while (fi < cs.size() && EsRatlla(cs[fi])) ++fi;
  return fi - i == 1 && cs[i] == "-" ? i : fi;
}

// A line of fraction bars: bars, blanks and operators only, and a bar at least.
bool EsLiniaDeBarres(const std::vector<std::string>& cs) {
  static const std::string kOperadors[] = {" ", "+", "-", ".", ":", "/", "=", "*", "\u00B7", "\u00D7", "\u00F7"};
  bool barra = false;
  for (std::size_t i = 0; i < cs.size(); ++i) {
    if (FiDeBarra(cs, i) > i) barra = true;
    if (!EsRatlla(cs[i]) && std::find(std::begin(kOperadors), std::end(kOperadors), cs[i]) == std::end(kOperadors)) {
      return false;
    }
  }
  return barra;
}

std::string Junta(const std::vector<std::string>& cs, std::size_t des_de, std::size_t fins) {
  std::string r;
  for (std::size_t i = des_de; i < std::min(fins, cs.size()); ++i) r += cs[i];
  return Plega(r);
}

// The part of a line above or below the bar [a, b), widened to the whole word that
// crosses either end.
std::string Sobre(const std::vector<std::string>& cs, std::size_t a, std::size_t b) {
  while (a > 0 && a - 1 < cs.size() && cs[a - 1] != " ") --a;
  while (b < cs.size() && b > 0 && cs[b - 1] != " " && cs[b] != " ") ++b;
  return Junta(cs, a, b);
}

// Numerators over a line of bars over denominators, as one line.
std::string Apila(const std::string& dalt, const std::string& barres, const std::string& baix) {
  const auto d = Caracters(dalt), m = Caracters(barres), b = Caracters(baix);
  std::vector<std::pair<std::size_t, std::size_t>> trams;
  for (std::size_t i = 0; i < m.size();) {
    const std::size_t fi = FiDeBarra(m, i);
    if (fi == i) {
      ++i;
      continue;
    }
    trams.emplace_back(i, fi);
    i = fi;
  }
  if (trams.size() == 1) {
    return Junta(m, 0, trams[0].first) + Fraccio(Plega(dalt), Plega(baix)) + Junta(m, trams[0].second, m.size());
  }
  std::string r = Junta(m, 0, trams.front().first);
  for (std::size_t k = 0; k < trams.size(); ++k) {
    const auto [a, z] = trams[k];
    if (k > 0) r += " " + Junta(m, trams[k - 1].second, a) + " ";
    r += Fraccio(Sobre(d, a, z), Sobre(b, a, z));
  }
  return Plega(r + " " + Junta(m, trams.back().second, m.size()));
}

// "R" with a subscript index before "(": the sign of the root of that index.
std::optional<std::string> SigneArrel(std::string_view index) {
  for (char c = '0'; c <= '9'; ++c) {
    if (index == Baixat(c)) {
      if (c == '2') return std::string("\u221A");
      if (c == '3') return std::string("\u221B");
      if (c == '4') return std::string("\u221C");
      return std::string(Alcat(c)) + "\u221A";
    }
  }
  if (index == Baixat('n')) return std::string(Alcat('n')) + "\u221A";
  return std::nullopt;
}

// Every "R_n(...)" of the line as a root, the innermost first.
std::string Arrels(std::string s) {
  for (std::size_t i = s.size(); i-- > 0;) {
    if (s[i] != 'R') continue;
    if (i > 0 && std::isalpha(static_cast<unsigned char>(s[i - 1]))) continue;
    const std::size_t obre = s.find('(', i + 1);
    if (obre == std::string::npos || obre > i + 4) continue;
    const auto signe = SigneArrel(std::string_view(s).substr(i + 1, obre - i - 1));
    if (!signe) continue;
    const std::size_t k = ParentesiQueTanca(std::string_view(s).substr(obre));
    const std::size_t fi = k == std::string::npos ? s.size() : obre + k + 1;
    const std::string radicand =
        Plega(k == std::string::npos ? s.substr(obre + 1) : s.substr(obre + 1, k - 1));
    s.replace(i, fi - i, *signe + (radicand.empty() ? std::string() : Agrupa(radicand)));
  }
  return s;
}

// The text's lines in the given notation. Unclosed scripts show nothing, as on screen.
std::vector<Linia> Escriu(std::string_view marcat, Notacio notacio) {
  const Model m = LlegeixMarcat(marcat, {IndexObert::Buit});
  Escriptor e(notacio);
  Recorre(m, e);
  return std::move(e).Linies();
}

}  // namespace

std::string TextLlegible(std::string_view marcat) {
  std::string r;
  for (const Linia& l : Escriu(marcat, Notacio::Lineal)) {
    const std::string neta = Plega(l.text);
    if (neta.empty()) continue;
    if (!r.empty()) r += '\n';
    r += neta;
  }
  return r;
}

std::string TextLinia(std::string_view marcat) {
  std::vector<Linia> linies;
  for (Linia& l : Escriu(marcat, Notacio::Unicode)) {
    l.text = Arrels(l.text);
    if (!Plega(l.text).empty()) linies.push_back(std::move(l));
  }
  // Stacked fractions laid out by hand: their lines keep their blanks until here, so
  // that numerators and denominators stand in the columns of their bars.
  for (std::size_t i = 1; i + 1 < linies.size(); ++i) {
    if (!EsLiniaDeBarres(Caracters(linies[i].text))) continue;
    linies[i - 1].text = Apila(linies[i - 1].text, linies[i].text, linies[i + 1].text);
    linies.erase(linies.begin() + static_cast<std::ptrdiff_t>(i), linies.begin() + static_cast<std::ptrdiff_t>(i) + 2);
  }
  for (Linia& l : linies) l.text = Plega(l.text);
  // Equations on indented lines, one after the other, are a system.
  std::string r;
  for (std::size_t i = 0; i < linies.size(); ++i) {
    const bool equacio = linies[i].sagnada && linies[i].text.find('=') != std::string::npos;
    const bool seguida = equacio && i > 0 && linies[i - 1].sagnada && linies[i - 1].text.find('=') != std::string::npos;
    if (i > 0) r += seguida ? "; " : " ";
    r += linies[i].text;
  }
  return NombresCatalans(r);  // decimal comma, amounts with two decimals
}

}  // namespace tirelo
