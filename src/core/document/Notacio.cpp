// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Notacio.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "mathtext/Text.h"

namespace tirelo {
namespace {

constexpr std::size_t kCap = static_cast<std::size_t>(-1);
// A tree deeper than kFondariaMaxima (brackets, fractions over fractions, roots,
// scripts, one inside another) is refused: no answer comes near it, and the reader's and
// the writer's depth stay bounded for any input. The reader stops counting brackets at
// kProfunditatMaxima, above what the writer ever puts around a tree it accepts.
constexpr int kFondariaMaxima = 64;
constexpr int kProfunditatMaxima = 3 * kFondariaMaxima;

bool EsOperandTipus(TipusPeca t) {
  switch (t) {
    case TipusPeca::Nombre:
    case TipusPeca::Variable:
    case TipusPeca::Grup:
    case TipusPeca::Arrel:
    case TipusPeca::Fraccio:
    case TipusPeca::Infinit:
    case TipusPeca::Potencia:
    case TipusPeca::Subindex:
      return true;
    default:
      return false;
  }
}

// ---- Writer ----

class Escriptor {
 public:
  explicit Escriptor(const Model& m) : m_(m) {}

  std::string Node(std::size_t i, int prof) {
    if (prof > 20 * kFondariaMaxima) return {};
    const Peca& p = m_.peces[i];
    switch (p.tipus) {
      case TipusPeca::Contingut:
      case TipusPeca::Expressio:
      case TipusPeca::IndexArrel:
      case TipusPeca::Negreta:
      case TipusPeca::Cursiva:
      case TipusPeca::Subratllat:
        return Seq(p.fills, prof);
      case TipusPeca::Cas:
        return p.text + " " + Seq(p.fills, prof);
      case TipusPeca::Tros:
        return Utf8DeCp1252(p.text);
      case TipusPeca::Paragraf:
        return "; ";
      case TipusPeca::Tabulador:
        return " ";
      case TipusPeca::Barra:
        return "|";
      case TipusPeca::Infinit:
        return "\xE2\x88\x9E";
      case TipusPeca::Nombre: {
        std::string s = p.text;
        for (char& c : s) {
          if (c == '.') c = ',';
        }
        return s;
      }
      case TipusPeca::Variable:
        return Utf8DeCp1252(p.text);
      case TipusPeca::Operador:
        return Operador(p.text);
      case TipusPeca::Grup: {
        const std::string obre = p.text.empty() ? "(" : p.text.substr(0, 1);
        const std::string tanca = p.text.size() > 1 ? p.text.substr(1, 1) : (obre == "[" ? "]" : ")");
        return obre + Seq(p.fills, prof) + tanca;
      }
      case TipusPeca::Fraccio: {
        if (p.fills.size() != 2) return Seq(p.fills, prof);
        return Part(p.fills[0], prof, false) + "/" + Part(p.fills[1], prof, true);
      }
      case TipusPeca::Potencia:
      case TipusPeca::Subindex: {
        const std::string signe = p.tipus == TipusPeca::Potencia ? "^" : "_";
        if (p.fills.size() == 1 &&
            (Es(p.fills[0], TipusPeca::Nombre) || Es(p.fills[0], TipusPeca::Variable))) {
          return signe + Node(p.fills[0], prof + 1);
        }
        return signe + "(" + Seq(p.fills, prof) + ")";
      }
      case TipusPeca::Arrel: {
        std::vector<std::size_t> radicand = p.fills;
        std::vector<std::size_t> index;
        if (!radicand.empty() && Es(radicand.front(), TipusPeca::IndexArrel)) {
          index = m_.peces[radicand.front()].fills;
          radicand.erase(radicand.begin());
        }
        const bool quadrada = index.empty() || (index.size() == 1 && Es(index[0], TipusPeca::Nombre) &&
                                                m_.peces[index[0]].text == "2");
        if (!quadrada) return "arrel(" + Seq(radicand, prof) + "; " + Seq(index, prof) + ")";
        const bool sol = radicand.size() == 1 &&
                         (Es(radicand[0], TipusPeca::Nombre) || Es(radicand[0], TipusPeca::Variable) ||
                          Es(radicand[0], TipusPeca::Grup));
        if (sol && !Es(radicand[0], TipusPeca::Grup)) return "\xE2\x88\x9A" + Seq(radicand, prof);
        return "\xE2\x88\x9A(" + Seq(radicand, prof) + ")";
      }
      case TipusPeca::Equacions: {
        std::string s;
        for (std::size_t k = 0; k < p.fills.size(); ++k) s += (k ? "; " : "") + Node(p.fills[k], prof + 1);
        return s;
      }
      default:
        return {};
    }
  }

 private:
  bool Es(std::size_t i, TipusPeca t) const { return m_.peces[i].tipus == t; }
  bool EsBlanc(std::size_t i) const { return Es(i, TipusPeca::Tros) && m_.peces[i].text == " "; }
  bool EsPunt(std::size_t i) const {
    if (!Es(i, TipusPeca::Grup)) return false;
    for (const std::size_t f : m_.peces[i].fills) {
      if (Es(f, TipusPeca::Operador) && (m_.peces[f].text == "," || m_.peces[f].text == ";")) return true;
    }
    return false;
  }
  // Two numbers or two points with only a blank between them.
  bool Llistats(std::size_t a, std::size_t b) const {
    return (Es(a, TipusPeca::Nombre) && Es(b, TipusPeca::Nombre)) || (EsPunt(a) && EsPunt(b));
  }
  // Whether the run of letters that holds position k spells a word the reader knows.
  bool EsParaula(const std::vector<std::size_t>& fills, std::size_t k) const {
    std::size_t a = k, b = k + 1;
    while (a > 0 && Es(fills[a - 1], TipusPeca::Variable)) --a;
    while (b < fills.size() && Es(fills[b], TipusPeca::Variable)) ++b;
    std::string paraula;
    for (std::size_t i = a; i < b; ++i) paraula += m_.peces[fills[i]].text;
    for (char& c : paraula) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return paraula == "arrel" || paraula == "sqrt" || paraula == "rad" || paraula == "mcd" ||
           paraula == "mcm";
  }
  bool EsUnitat(std::size_t i) const {
    return Es(i, TipusPeca::Tros) && (m_.peces[i].text == "\x80" || m_.peces[i].text == "%");
  }

  static std::string Operador(const std::string& op) {
    if (op == "\xB7" || op == "\xD7" || op == "*") return "\xC2\xB7";
    if (op == "\xF7") return ":";
    if (op == ",") return ", ";
    if (op == ";") return "; ";
    if (op == "=" || op == "<" || op == ">" || op == "->") return " " + op + " ";
    return Utf8DeCp1252(op);
  }

  // A fraction's part: as it is when it is one run of operands written next to each
  // other without a fraction ("2x", "x^2", "√5"), otherwise in brackets.
  // A denominator of more than one operand is bracketed as well: "1/(2x)".
  std::string Part(std::size_t i, int prof, bool denominador) {
    const std::vector<std::size_t>& f = m_.peces[i].fills;
    std::size_t operands = 0;  // a power or an index goes with its operand
    for (const std::size_t k : f) operands += !Es(k, TipusPeca::Potencia) && !Es(k, TipusPeca::Subindex);
    bool simple = !f.empty() && !(denominador && operands > 1);
    for (const std::size_t k : f) {
      const TipusPeca t = m_.peces[k].tipus;
      simple &= EsOperandTipus(t) && t != TipusPeca::Fraccio;
    }
    if (simple && f.size() == 1 && Es(f[0], TipusPeca::Grup)) return Node(f[0], prof + 1);
    // A fraction over something: "a/b/c" is (a/b)/c, with no brackets to add.
    if (!denominador && f.size() == 1 && Es(f[0], TipusPeca::Fraccio)) return Node(f[0], prof + 1);
    const std::string s = Seq(f, prof);
    return simple ? s : "(" + s + ")";
  }

  std::string Seq(const std::vector<std::size_t>& fills, int prof) {
    std::string s;
    for (std::size_t k = 0; k < fills.size(); ++k) {
      const std::size_t i = fills[k];
      const Peca& p = m_.peces[i];
      if (EsBlanc(i) && ((k > 0 && Es(fills[k - 1], TipusPeca::Operador)) ||
                         (k + 1 < fills.size() && Es(fills[k + 1], TipusPeca::Operador)))) {
        continue;  // separators and relations bring their blanks; other operators take none
      }
      if (EsUnitat(i) && k > 0 && !EsBlanc(fills[k - 1])) s += " ";  // a unit after a blank
      if (EsBlanc(i) && k > 0 && k + 1 < fills.size() && Llistats(fills[k - 1], fills[k + 1])) {
        s += "; ";  // "(-4,18)  (1,8)", "3  5": items of a list set apart by blanks alone
        continue;
      }
      const bool seguentScript = k + 1 < fills.size() && (Es(fills[k + 1], TipusPeca::Potencia) ||
                                                          Es(fills[k + 1], TipusPeca::Subindex));
      const bool seguentOperand = k + 1 < fills.size() && EsOperandTipus(m_.peces[fills[k + 1]].tipus);
      const bool anteriorOperand = k > 0 && EsOperandTipus(m_.peces[fills[k - 1]].tipus);
      std::string t = Node(i, prof + 1);
      if (p.tipus == TipusPeca::Fraccio && (seguentOperand || anteriorOperand)) {
        t = "(" + t + ")";  // "(1/2)x", "(a/b)^2": the fraction is one operand
      } else if (p.tipus == TipusPeca::Arrel &&
                 (seguentScript || (seguentOperand && Es(fills[k + 1], TipusPeca::Nombre)))) {
        // "√(5)2", "(√2)^3": the root ends here, and a power is the root's
        if (seguentScript) {
          t = "(" + t + ")";
        } else if (t.rfind("\xE2\x88\x9A", 0) == 0 && t.compare(3, 1, "(") != 0) {
          t = "\xE2\x88\x9A(" + t.substr(3) + ")";
        }
      } else if (p.tipus == TipusPeca::Variable && k + 1 < fills.size() &&
                 Es(fills[k + 1], TipusPeca::Variable) && EsParaula(fills, k)) {
        t += "\xC2\xB7";  // letters that would spell a word of the notation ("m·c·d")
      } else if ((p.tipus == TipusPeca::Potencia || p.tipus == TipusPeca::Subindex) && t.size() > 1 &&
                 t[1] != '(' && k + 1 < fills.size() && Es(fills[k + 1], TipusPeca::Nombre)) {
        t = t.substr(0, 1) + "(" + t.substr(1) + ")";  // "x^(2)3": the exponent ends here
      } else if (p.tipus == TipusPeca::Nombre && k + 1 < fills.size() &&
                 Es(fills[k + 1], TipusPeca::Nombre)) {
        t += "\xC2\xB7";  // two numbers never run together
      }
      // A word and a letter never run together ("mcd r" is not "mcdr").
      const bool paraula = (Es(i, TipusPeca::Tros) || (k > 0 && Es(fills[k - 1], TipusPeca::Tros)));
      if (paraula && !s.empty() && !t.empty() && EsLletraAscii(s.back()) && EsLletraAscii(t.front()))
        s += " ";
      s += t;
    }
    return s;
  }
  static bool EsLletraAscii(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

  const Model& m_;
};

// ---- Reader ----

struct Caracter {
  char32_t c;
  std::size_t pos;  // in characters
};

// The text's characters, or the position of the first byte sequence that is not UTF-8.
std::vector<Caracter> Descodifica(std::string_view s, std::size_t& errada) {
  std::vector<Caracter> r;
  errada = kCap;
  for (std::size_t i = 0; i < s.size();) {
    const auto u = static_cast<unsigned char>(s[i]);
    const int n = u < 0x80 ? 0 : (u >> 5) == 6 ? 1 : (u >> 4) == 14 ? 2 : (u >> 3) == 30 ? 3 : -1;
    if (n < 0 || i + static_cast<std::size_t>(n) >= s.size()) {
      errada = r.size();
      return r;
    }
    char32_t c = n == 0 ? u : n == 1 ? (u & 0x1F) : n == 2 ? (u & 0x0F) : (u & 0x07);
    for (int k = 1; k <= n; ++k) {
      const auto v = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((v >> 6) != 2) {
        errada = r.size();
        return r;
      }
      c = (c << 6) | (v & 0x3F);
    }
    const bool curta = (n == 1 && c < 0x80) || (n == 2 && c < 0x800) || (n == 3 && c < 0x10000);
    if (curta || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      errada = r.size();
      return r;
    }
    r.push_back({c, r.size()});
    i += static_cast<std::size_t>(n) + 1;
  }
  return r;
}

bool EsXifra(char32_t c) {
  return c >= '0' && c <= '9';
}
bool EsLletra(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool EsBlanc(char32_t c) {
  return c == ' ' || c == '\t' || c == 0xA0 || c == 0x202F || c == 0x2009;
}
bool EsMenys(char32_t c) {
  return c == '-' || c == 0x2212 || c == 0x2013;
}
bool EsProducte(char32_t c) {
  return c == '*' || c == 0xB7 || c == 0xD7 || c == 0x22C5 || c == 0x2219;
}
bool EsDivisio(char32_t c) {
  return c == ':' || c == 0xF7;
}
// A superscript character: its value as a plain character ('0'..'9', '-', '+').
char Superindex(char32_t c) {
  switch (c) {
    case 0xB9:
      return '1';
    case 0xB2:
      return '2';
    case 0xB3:
      return '3';
    case 0x2070:
      return '0';
    case 0x207A:
      return '+';
    case 0x207B:
      return '-';
    default:
      return c >= 0x2074 && c <= 0x2079 ? static_cast<char>('4' + (c - 0x2074)) : 0;
  }
}

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

struct Fallada {
  ErrorNotacio error;
};

class Lector {
 public:
  explicit Lector(std::vector<Caracter> t) : t_(std::move(t)) { out_.peces.emplace_back(); }

  Model Llegeix() {
    Salta();
    if (i_ >= t_.size()) Falla(0, "La resposta \xC3\xA9s buida: escriu-hi un nombre o una expressi\xC3\xB3.");
    std::vector<std::size_t> fills = Sequencia(0, 0, kCap);
    const std::size_t e = Nou(TipusPeca::Expressio, {}, std::move(fills));
    out_.peces[0].fills.push_back(e);
    // The tree's depth, walked without recursion.
    std::vector<std::pair<std::size_t, int>> pila{{0, 0}};
    while (!pila.empty()) {
      const auto [n, f] = pila.back();
      pila.pop_back();
      if (f > kFondariaMaxima) Falla(0, "L'expressi\xC3\xB3 t\xC3\xA9 massa parts una dins de l'altra");
      for (const std::size_t k : out_.peces[n].fills) pila.emplace_back(k, f + 1);
    }
    return std::move(out_);
  }

 private:
  [[noreturn]] void Falla(std::size_t pos, std::string que) {
    throw Fallada{{pos, que + " (posici\xC3\xB3 " + std::to_string(pos + 1) + ")"}};
  }
  std::size_t Pos() const { return i_ < t_.size() ? t_[i_].pos : (t_.empty() ? 0 : t_.back().pos + 1); }
  char32_t C(std::size_t k = 0) const { return i_ + k < t_.size() ? t_[i_ + k].c : 0; }
  void Salta() {
    while (i_ < t_.size() && EsBlanc(t_[i_].c)) ++i_;
  }
  std::size_t Nou(TipusPeca t, std::string text = {}, std::vector<std::size_t> fills = {}) {
    return out_.Nou(t, std::move(text), std::move(fills));
  }
  Peca& P(std::size_t i) { return out_.peces[i]; }
  static std::string Cita(char32_t c) { return "\xC2\xAB" + Utf8(c) + "\xC2\xBB"; }

  // What a stretch holds up to its closing bracket `tanca` (0: the end of the text).
  // `obre` is where its bracket opened, for the message when it never closes.
  std::vector<std::size_t> Sequencia(int prof, char32_t tanca, std::size_t obre) {
    if (prof > kProfunditatMaxima) Falla(Pos(), "Hi ha massa par\xC3\xA8ntesis un dins de l'altre");
    std::vector<std::size_t> l;
    bool esperaOperand = true;  // at the start, or after an operator
    std::size_t posOperador = kCap;
    char32_t operador = 0;
    for (;;) {
      Salta();
      if (i_ >= t_.size() || C() == ')' || C() == ']') {
        const char32_t c = C();
        // A list may end with its separator ("x = 2; x = 3;"): it goes.
        if (esperaOperand && posOperador != kCap && i_ >= t_.size() && tanca == 0 &&
            (operador == ';' || operador == ',') && l.size() > 1) {
          l.pop_back();
          esperaOperand = false;
        }
        if (esperaOperand && posOperador != kCap) {
          Falla(posOperador, "Falta un nombre o una lletra despr\xC3\xA9s de " + Cita(operador));
        }
        if (i_ >= t_.size()) {
          if (tanca != 0) Falla(obre, "Aquest par\xC3\xA8ntesi no es tanca");
          break;
        }
        if (tanca == 0) Falla(Pos(), "Aquest par\xC3\xA8ntesi tanca sense que se n'hagi obert cap");
        if (c != tanca)
          Falla(Pos(), "Aquest par\xC3\xA8ntesi no tanca el que es va obrir, que era " +
                           Cita(tanca == ')' ? '(' : '['));
        if (l.empty()) Falla(Pos(), "Els par\xC3\xA8ntesis s\xC3\xB3n buits");
        break;
      }
      const std::size_t pos = Pos();
      const char32_t c = C();
      if (c == '.' && !esperaOperand) {  // a full stop at the end of the answer
        std::size_t k = i_ + 1;
        while (k < t_.size() && EsBlanc(t_[k].c)) ++k;
        if (k == t_.size()) {
          i_ = k;
          continue;
        }
      }
      // Operators and separators.
      std::string op;
      std::size_t llarg = 1;
      if (c == '+') {
        op = "+";
      } else if (EsMenys(c)) {
        op = (C(1) == '>') ? "->" : "-";
        llarg = op == "->" ? 2 : 1;
      } else if (c == 0x2192) {
        op = "->";
      } else if (c == '=' || c == '<' || c == '>') {
        op = std::string(1, static_cast<char>(c));
      } else if (EsProducte(c) || (c == '.' && !esperaOperand)) {
        op = "\xB7";
      } else if (EsDivisio(c)) {
        op = ":";
      } else if (c == '/') {
        op = "/";
      } else if (c == ';') {
        op = ";";
      } else if (c == ',') {
        op = ",";
      }
      if (!op.empty()) {
        const bool signe = op == "+" || op == "-";
        if (esperaOperand && !signe) {
          if (posOperador == kCap) {
            Falla(pos, "Falta un nombre o una lletra abans de " + Cita(c));
          }
          Falla(pos, "Falta un nombre o una lletra entre " + Cita(operador) + " i " + Cita(c));
        }
        if (esperaOperand && signe && posOperador != kCap && (operador == '+' || EsMenys(operador))) {
          Falla(pos, "Dos signes seguits: escriu el nombre negatiu entre par\xC3\xA8ntesis");
        }
        l.push_back(Nou(TipusPeca::Operador, op));
        i_ += llarg;
        esperaOperand = true;
        posOperador = pos;
        operador = op == "->" ? char32_t{0x2192} : c;  // "->" is an arrow, not a minus sign
        continue;
      }
      // Units after a number.
      if (c == 0x20AC || c == '%') {
        const bool trasNombre =
            !l.empty() && !esperaOperand &&
            (P(l.back()).tipus == TipusPeca::Nombre || P(l.back()).tipus == TipusPeca::Grup ||
             P(l.back()).tipus == TipusPeca::Fraccio);
        if (!trasNombre) Falla(pos, "El s\xC3\xADmbol " + Cita(c) + " ha d'anar darrere d'un nombre");
        l.push_back(Nou(TipusPeca::Tros, c == '%' ? "%" : "\x80"));
        ++i_;
        continue;
      }
      // Scripts that follow an operand.
      if (c == '^' || c == '_' || Superindex(c) != 0) {
        if (esperaOperand || l.empty() || P(l.back()).tipus == TipusPeca::Tros) {
          Falla(pos,
                c == '_' ? "Falta la lletra del sub\xC3\xADndex" : "Falta la base de la pot\xC3\xA8ncia");
        }
        l.push_back(Script(prof));
        continue;
      }
      // "x = 2 o x = -3", "x = 1 i y = 2": a lone "o" or "i" between blanks after an
      // equation separates solutions.
      if ((c == 'o' || c == 'i') && !esperaOperand && i_ > 0 && EsBlanc(t_[i_ - 1].c) && i_ + 1 < t_.size() &&
          EsBlanc(t_[i_ + 1].c) && AmbRelacio(l) && SegueixOperand(i_ + 1)) {
        l.push_back(Nou(TipusPeca::Operador, ";"));
        ++i_;
        esperaOperand = true;
        posOperador = pos;
        operador = c;
        continue;
      }
      // An operand: juxtaposed to the one before it, it is a product.
      if (!esperaOperand && !l.empty() && P(l.back()).tipus == TipusPeca::Tros &&
          (P(l.back()).text == "%" || P(l.back()).text == "\x80")) {
        Falla(pos, "Falta un signe entre la unitat i " + Cita(c));
      }
      const std::size_t abans = l.size();
      Operand(l, prof);
      if (abans > 0 && l.size() > abans && P(l[abans]).tipus == TipusPeca::Nombre &&
          P(l[abans - 1]).tipus == TipusPeca::Nombre) {
        Falla(pos, "Dos nombres seguits: falta un signe entre ells");
      }
      esperaOperand = false;
      posOperador = kCap;
    }
    return Fraccions(std::move(l), prof);
  }

  // Whether what follows position k, past blanks, can start an operand: a joiner is
  // followed by the next solution ("o x = -3"), a letter "o" or "i" by a sign ("o = 2").
  bool SegueixOperand(std::size_t k) const {
    while (k < t_.size() && EsBlanc(t_[k].c)) ++k;
    if (k >= t_.size()) return false;
    const char32_t c = t_[k].c;
    return EsLletra(c) || EsXifra(c) || c == '(' || c == '[' || c == '-' || c == 0x2212 || c == '+' ||
           c == 0x221A || c == 0x221B || c == 0x221C;
  }

  // Whether the list's last item holds a relation.
  bool AmbRelacio(const std::vector<std::size_t>& l) {
    for (std::size_t k = l.size(); k-- > 0;) {
      if (P(l[k]).tipus != TipusPeca::Operador) continue;
      if (P(l[k]).text == ";" || P(l[k]).text == ",") return false;
      if (P(l[k]).text == "=") return true;
    }
    return false;
  }

  // One operand (number, letters, word, bracketed group, root), put into `l`.
  void Operand(std::vector<std::size_t>& l, int prof) {
    const std::size_t pos = Pos();
    const char32_t c = C();
    if (EsXifra(c)) {
      l.push_back(Nombre());
      return;
    }
    if (EsLletra(c)) {
      std::size_t fi = i_;
      std::string paraula;
      while (fi < t_.size() && EsLletra(t_[fi].c)) paraula += static_cast<char>(t_[fi++].c);
      std::string minuscula = paraula;
      for (char& k : minuscula) k = static_cast<char>(k >= 'A' && k <= 'Z' ? k - 'A' + 'a' : k);
      if (minuscula == "arrel" || minuscula == "sqrt" || minuscula == "rad") {
        i_ = fi;
        Salta();
        if (C() != '(')
          Falla(Pos(),
                "Darrere de \xC2\xAB" + paraula + "\xC2\xBB hi va el radicand entre par\xC3\xA8ntesis");
        l.push_back(ArrelFuncio(pos, prof));
        return;
      }
      if (minuscula == "mcd" || minuscula == "mcm") {
        i_ = fi;
        l.push_back(Nou(TipusPeca::Tros, paraula));
        return;
      }
      // Letters written together are one variable each: "3ab" is 3·a·b. A word is a
      // whole run of letters: no word starts inside one ("xrad(2)" is no root).
      for (; i_ < fi; ++i_) l.push_back(Nou(TipusPeca::Variable, std::string(1, static_cast<char>(C()))));
      return;
    }
    if (c == '(' || c == '[') {
      ++i_;
      std::vector<std::size_t> dins = Sequencia(prof + 1, c == '(' ? ')' : ']', pos);
      ++i_;
      l.push_back(Nou(TipusPeca::Grup, c == '(' ? "()" : "[]", std::move(dins)));
      return;
    }
    if (c == 0x221A || c == 0x221B || c == 0x221C) {
      ++i_;
      Salta();
      std::vector<std::size_t> fills;
      if (c != 0x221A)
        fills.push_back(Nou(TipusPeca::IndexArrel, {}, {Nou(TipusPeca::Nombre, c == 0x221B ? "3" : "4")}));
      if (i_ >= t_.size() ||
          !(EsXifra(C()) || EsLletra(C()) || C() == '(' || C() == '[' || (C() >= 0x221A && C() <= 0x221C))) {
        Falla(pos, "Falta el radicand darrere de " + Cita(c));
      }
      if (prof > kProfunditatMaxima) Falla(pos, "Hi ha massa arrels una dins de l'altra");
      std::vector<std::size_t> radicand;
      if (C() == '(' || C() == '[') {
        const char32_t obre = C();
        const std::size_t p = Pos();
        ++i_;
        radicand = Sequencia(prof + 1, obre == '(' ? ')' : ']', p);
        ++i_;
        for (const std::size_t k : radicand) {
          if (P(k).tipus == TipusPeca::Operador && (P(k).text == ";" || P(k).text == ",")) {
            Falla(p, "Una arrel porta un sol radicand, no una llista");
          }
        }
        if (C() == '^' || C() == '_' || Superindex(C()) != 0) {
          radicand = {Nou(TipusPeca::Grup, obre == '(' ? "()" : "[]", std::move(radicand))};
        }
      } else if (EsLletra(C())) {
        radicand.push_back(Nou(TipusPeca::Variable, std::string(1, static_cast<char>(C()))));
        ++i_;
      } else if (EsXifra(C())) {
        radicand.push_back(Nombre());
      } else {
        Operand(radicand, prof + 1);
      }
      // The root takes its radicand's powers: "√x²" is the root of x².
      while (C() == '^' || C() == '_' || Superindex(C()) != 0) radicand.push_back(Script(prof));
      fills.insert(fills.end(), radicand.begin(), radicand.end());
      l.push_back(Nou(TipusPeca::Arrel, {}, std::move(fills)));
      return;
    }
    if (c == 0x221E) {
      ++i_;
      l.push_back(Nou(TipusPeca::Infinit));
      return;
    }
    if (c == ')' || c == ']') Falla(pos, "Aquest par\xC3\xA8ntesi tanca sense que se n'hagi obert cap");
    Falla(pos,
          "No s'ent\xC3\xA9n el car\xC3\xA0"
          "cter " +
              Cita(c));
  }

  // Digits with a decimal point or comma between digits (no blank on either side).
  std::size_t Nombre() {
    std::string s;
    bool decimal = false;
    while (i_ < t_.size()) {
      const char32_t c = C();
      if (EsXifra(c)) {
        s += static_cast<char>(c);
        ++i_;
      } else if ((c == ',' || c == '.') && !decimal && EsXifra(C(1))) {
        s += '.';
        decimal = true;
        ++i_;
      } else {
        break;
      }
    }
    if (s.size() > 200) Falla(Pos(), "Aquest nombre \xC3\xA9s massa llarg");
    return Nou(TipusPeca::Nombre, std::move(s));
  }

  // "^" or "_" and its argument, or a run of superscript characters.
  std::size_t Script(int prof) {
    const std::size_t pos = Pos();
    const char32_t c = C();
    if (Superindex(c) != 0) {
      std::vector<std::size_t> fills;
      std::string xifres;
      while (Superindex(C()) != 0) {
        const char s = Superindex(C());
        if (s == '-' || s == '+') {
          if (!xifres.empty()) break;
          if (!fills.empty()) Falla(Pos(), "Dos signes seguits a l'exponent");
          fills.push_back(Nou(TipusPeca::Operador, std::string(1, s)));
        } else {
          xifres += s;
        }
        ++i_;
      }
      if (xifres.empty()) Falla(pos, "Falta l'exponent darrere del signe");
      fills.push_back(Nou(TipusPeca::Nombre, xifres));
      return Nou(TipusPeca::Potencia, {}, std::move(fills));
    }
    const TipusPeca tipus = c == '^' ? TipusPeca::Potencia : TipusPeca::Subindex;
    ++i_;
    Salta();
    std::vector<std::size_t> fills;
    if (EsMenys(C()) || C() == '+') {
      fills.push_back(Nou(TipusPeca::Operador, EsMenys(C()) ? "-" : "+"));
      ++i_;
      Salta();
    }
    const char32_t a = C();
    if (a == '(' || a == '[') {
      if (!fills.empty()) {
        Operand(fills, prof + 1);
      } else {
        const std::size_t p = Pos();
        ++i_;
        fills = Sequencia(prof + 1, a == '(' ? ')' : ']', p);
        ++i_;
      }
    } else if (EsXifra(a)) {
      std::string s;
      while (EsXifra(C())) s += static_cast<char>(C()), ++i_;
      fills.push_back(Nou(TipusPeca::Nombre, std::move(s)));
    } else if (EsLletra(a)) {
      fills.push_back(Nou(TipusPeca::Variable, std::string(1, static_cast<char>(a))));
      ++i_;
    } else {
      Falla(pos, tipus == TipusPeca::Potencia ? "Falta l'exponent darrere de \xC2\xAB^\xC2\xBB"
                                              : "Falta el sub\xC3\xADndex darrere de \xC2\xAB_\xC2\xBB");
    }
    return Nou(tipus, {}, std::move(fills));
  }

  // "arrel(radicand)" or "arrel(radicand; index)"; the reader stands on the "(".
  std::size_t ArrelFuncio(std::size_t pos, int prof) {
    const std::size_t p = Pos();
    ++i_;
    std::vector<std::size_t> dins = Sequencia(prof + 1, ')', p);
    ++i_;
    std::size_t tall = kCap;
    for (std::size_t k = 0; k < dins.size(); ++k) {
      if (P(dins[k]).tipus == TipusPeca::Operador && (P(dins[k]).text == ";" || P(dins[k]).text == ",")) {
        if (tall != kCap) Falla(pos, "Una arrel porta el radicand i, si cal, l'\xC3\xADndex: res m\xC3\xA9s");
        tall = k;
      }
    }
    std::vector<std::size_t> fills;
    if (tall != kCap) {
      std::vector<std::size_t> index(dins.begin() + static_cast<std::ptrdiff_t>(tall) + 1, dins.end());
      fills.push_back(Nou(TipusPeca::IndexArrel, {}, std::move(index)));
      dins.resize(tall);
    }
    fills.insert(fills.end(), dins.begin(), dins.end());
    return Nou(TipusPeca::Arrel, {}, std::move(fills));
  }

  // A part of a fraction: a group standing alone loses its brackets.
  std::size_t Part(const std::vector<std::size_t>& l, std::size_t a, std::size_t b) {
    if (b - a == 1 && P(l[a]).tipus == TipusPeca::Grup && P(l[a]).text == "()") {
      return Nou(TipusPeca::Expressio, {}, P(l[a]).fills);
    }
    return Nou(TipusPeca::Expressio, {},
               std::vector<std::size_t>(l.begin() + static_cast<std::ptrdiff_t>(a),
                                        l.begin() + static_cast<std::ptrdiff_t>(b)));
  }

  // Every "/" between operands written next to it becomes a fraction, left to right:
  // "2x/3" is (2x)/3, "1/2x" is 1/(2x), "a/b/c" is (a/b)/c.
  std::vector<std::size_t> Fraccions(std::vector<std::size_t> l, int) {
    for (std::size_t i = 0; i < l.size(); ++i) {
      if (P(l[i]).tipus != TipusPeca::Operador || P(l[i]).text != "/") continue;
      std::size_t a = i, b = i + 1;
      while (a > 0 && EsOperandTipus(P(l[a - 1]).tipus)) --a;
      while (b < l.size() && EsOperandTipus(P(l[b]).tipus)) ++b;
      if (a == i || b == i + 1) continue;  // "2·-3/4": left as a division
      const std::size_t num = Part(l, a, i), den = Part(l, i + 1, b);
      const std::size_t f = Nou(TipusPeca::Fraccio, {}, {num, den});
      l.erase(l.begin() + static_cast<std::ptrdiff_t>(a), l.begin() + static_cast<std::ptrdiff_t>(b));
      l.insert(l.begin() + static_cast<std::ptrdiff_t>(a), f);
      i = a;
    }
    return l;
  }

  std::vector<Caracter> t_;
  std::size_t i_ = 0;
  Model out_;
};

}  // namespace

std::string EscriuNotacio(const Model& m, std::size_t peca) {
  if (peca >= m.peces.size()) return {};
  return Escriptor(m).Node(peca, 0);
}

std::string EscriuNotacio(const Expressio& e) {
  return EscriuNotacio(e.Arbre(), 0);
}

LecturaNotacio LlegeixNotacio(std::string_view utf8) {
  LecturaNotacio r;
  std::size_t errada = kCap;
  std::vector<Caracter> t = Descodifica(utf8, errada);
  if (errada != kCap) {
    r.error = ErrorNotacio{errada, "El text no \xC3\xA9s UTF-8 v\xC3\xA0lid (posici\xC3\xB3 " +
                                       std::to_string(errada + 1) + ")"};
    return r;
  }
  try {
    r.expressio = Expressio(Lector(std::move(t)).Llegeix());
  } catch (const Fallada& f) {
    r.error = f.error;
  }
  return r;
}

}  // namespace tirelo
