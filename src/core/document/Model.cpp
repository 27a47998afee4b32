// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Model.h"

#include <utility>

#include "document/Marcat.h"

namespace tirelo {

std::size_t Model::Nou(TipusPeca t, std::string text, std::vector<std::size_t> fills) {
  Peca p;
  p.tipus = t;
  p.text = std::move(text);
  p.fills = std::move(fills);
  peces.push_back(std::move(p));
  return peces.size() - 1;
}

void Model::Empelta(std::size_t pare, const Model& font, std::size_t node) {
  std::vector<std::pair<std::size_t, std::size_t>> pila{{node, pare}};  // (node of font, parent here)
  while (!pila.empty()) {
    const auto [n, p] = pila.back();
    pila.pop_back();
    Peca copia = font.peces[n];
    copia.fills.clear();
    peces.push_back(std::move(copia));
    const std::size_t nou = peces.size() - 1;
    peces[p].fills.push_back(nou);
    const auto& fills = font.peces[n].fills;
    for (auto f = fills.rbegin(); f != fills.rend(); ++f) pila.emplace_back(*f, nou);
  }
}
namespace {

constexpr std::size_t kSenseTancar = std::string_view::npos;

bool EsContenidor(TipusPeca t) {
  return t == TipusPeca::Negreta || t == TipusPeca::Cursiva || t == TipusPeca::Subratllat ||
         t == TipusPeca::Arrel || t == TipusPeca::Fraccio;
}

TipusPeca TipusOrdre(char lletra) {
  switch (lletra) {
    case 'B': return TipusPeca::Negreta;
    case 'I': return TipusPeca::Cursiva;
    case 'S': return TipusPeca::Subratllat;
    case 'T': return TipusPeca::Tabulador;
    case '&': return TipusPeca::Infinit;
    case 'F': return TipusPeca::Fraccio;
    case 'R': return TipusPeca::Arrel;
    case 'M': return TipusPeca::Sistema;
    default: return lletra >= '0' && lletra <= '9' ? TipusPeca::Sagnat : TipusPeca::Res;
  }
}

// The reader works on an explicit stack instead of recursing, so that deeply nested
// arguments ("#B(#B(#B(...") of a text of any length cannot exhaust the call stack. A
// task reads a piece of the text into the children of one node. The matching ")" of
// every "(" is found once, in one pass, so that nested arguments are not scanned
// again at every level.
class Lector {
 public:
  Lector(std::string_view text, OpcionsLectura opcions)
      : text_(text), opcions_(opcions), tancament_(text.size(), kSenseTancar) {
    std::vector<std::size_t> oberts;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '(') {
        oberts.push_back(i);
      } else if (text[i] == ')' && !oberts.empty()) {
        tancament_[oberts.back()] = i;
        oberts.pop_back();
      }
    }
  }

  Model Llegeix() {
    m_.peces.emplace_back();
    pila_.push_back({text_, 0});
    while (!pila_.empty()) {
      Tasca t = pila_.back();
      pila_.pop_back();
      while (!t.tram.empty()) {
        if (Pas(t)) break;
      }
    }
    return std::move(m_);
  }

 private:
  struct Tasca {
    std::string_view tram;
    std::size_t pare;
  };

  // The argument rule for a piece of text_, through the table of closing parentheses:
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

  static FormaArgument Forma(std::string_view resta, const Argument& a) {
    if (resta.empty()) return FormaArgument::Cap;
    if (resta.front() != '(') return FormaArgument::Caracter;
    return a.llargada == a.text.size() + 2 ? FormaArgument::Parentesi : FormaArgument::Obert;
  }

  std::size_t Afegeix(std::size_t pare, Peca p) {
    m_.peces.push_back(std::move(p));
    const std::size_t nova = m_.peces.size() - 1;
    m_.peces[pare].fills.push_back(nova);
    return nova;
  }

  void Byte(std::size_t pare, char c) {
    const auto& fills = m_.peces[pare].fills;
    if (!fills.empty() && m_.peces[fills.back()].tipus == TipusPeca::Tros) {
      m_.peces[fills.back()].text += c;
      return;
    }
    Peca p;
    p.tipus = TipusPeca::Tros;
    p.text = std::string(1, c);
    Afegeix(pare, std::move(p));
  }

  static Peca Simple(TipusPeca tipus) {
    Peca p;
    p.tipus = tipus;
    return p;
  }

  // Reads the element at the start of t.tram and consumes it. True when it put nested
  // work on the stack, in which case the rest of t is on the stack too.
  bool Pas(Tasca& t) {
    const char c = t.tram.front();
    if (c == '#') return Ordre(t);
    if (c == '^' || c == '_') {
      const std::string_view resta = t.tram.substr(1);
      const Argument a = ArgumentDe(resta);
      Peca p = Simple(c == '^' ? TipusPeca::Potencia : TipusPeca::Subindex);
      p.forma = Forma(resta, a);
      p.text = std::string(a.text);
      p.buit = p.forma == FormaArgument::Obert && opcions_.indexObert == IndexObert::Buit;
      Afegeix(t.pare, std::move(p));
      t.tram.remove_prefix(1 + a.llargada);
      return false;
    }
    if (c == '\r') {
      Afegeix(t.pare, Simple(TipusPeca::Paragraf));
    } else if (c == '|') {
      Afegeix(t.pare, Simple(TipusPeca::Barra));
    } else {
      Byte(t.pare, c);
    }
    t.tram.remove_prefix(1);
    return false;
  }

  // A "#" command: the letter, then its argument, always consumed.
  bool Ordre(Tasca& t) {
    if (t.tram.size() < 2) {  // a "#" at the end
      Peca p = Simple(TipusPeca::Res);
      p.ambLletra = false;
      Afegeix(t.pare, std::move(p));
      t.tram = {};
      return false;
    }
    const std::string_view resta = t.tram.substr(2);
    const Argument a = ArgumentDe(resta);
    Peca p = Simple(TipusOrdre(LletraOrdre(t.tram[1])));
    p.lletra = t.tram[1];
    p.forma = Forma(resta, a);
    t.tram.remove_prefix(2 + a.llargada);
    if (p.tipus == TipusPeca::Fraccio) return Fraccio(t, std::move(p), a.text);
    if (!EsContenidor(p.tipus)) {
      if (p.tipus == TipusPeca::Sagnat) p.xifra = LletraOrdre(p.lletra) - '0';
      p.text = std::string(a.text);
      Afegeix(t.pare, std::move(p));
      return false;
    }
    if (p.tipus == TipusPeca::Arrel) p.llargada = a.text.size();
    const std::size_t nova = Afegeix(t.pare, std::move(p));
    return Suspen(t, {{a.text, nova}});
  }

  // "#F": an optional tab count (a first byte of code 1 to 9), then the numerator up
  // to the first "/" and the denominator after it. Without "/" all of it is the
  // denominator.
  bool Fraccio(Tasca& t, Peca p, std::string_view a) {
    if (!a.empty() && a.front() >= 1 && a.front() <= 9) {
      p.tabs = a.front();
      a.remove_prefix(1);
    }
    const std::size_t barra = a.find('/');
    p.ambBarra = barra != std::string_view::npos;
    const std::string_view num = p.ambBarra ? a.substr(0, barra) : std::string_view();
    const std::string_view den = p.ambBarra ? a.substr(barra + 1) : a;
    const std::size_t fraccio = Afegeix(t.pare, std::move(p));
    Peca n = Simple(TipusPeca::Expressio);
    n.llargada = num.size();
    const std::size_t pn = Afegeix(fraccio, std::move(n));
    Peca d = Simple(TipusPeca::Expressio);
    d.llargada = den.size();
    const std::size_t pd = Afegeix(fraccio, std::move(d));
    return Suspen(t, {{num, pn}, {den, pd}});
  }

  // Puts the rest of t on the stack, then the nested tasks so that they run in order.
  bool Suspen(Tasca& t, std::vector<Tasca> niuades) {
    pila_.push_back(t);
    for (auto it = niuades.rbegin(); it != niuades.rend(); ++it) pila_.push_back(*it);
    return true;
  }

  std::string_view text_;
  OpcionsLectura opcions_;
  std::vector<std::size_t> tancament_;  // position of the matching ")" of each "("
  std::vector<Tasca> pila_;
  Model m_;
};

std::string ArgumentEscrit(const Peca& p) {
  switch (p.forma) {
    case FormaArgument::Cap: return {};
    case FormaArgument::Caracter: return p.text;
    case FormaArgument::Parentesi: return "(" + p.text + ")";
    case FormaArgument::Obert: return "(" + p.text;
  }
  return {};
}

class EscriptorMarcat : public Visitant {
 public:
  void Obre(const Peca& p) override {
    switch (p.tipus) {
      case TipusPeca::Contingut:
      case TipusPeca::Expressio:
        break;
      case TipusPeca::Tros: sortida += p.text; break;
      case TipusPeca::Paragraf: sortida += '\r'; break;
      case TipusPeca::Barra: sortida += '|'; break;
      case TipusPeca::Potencia: sortida += '^' + ArgumentEscrit(p); break;
      case TipusPeca::Subindex: sortida += '_' + ArgumentEscrit(p); break;
      case TipusPeca::Negreta:
      case TipusPeca::Cursiva:
      case TipusPeca::Subratllat:
      case TipusPeca::Arrel:
      case TipusPeca::Fraccio:
        sortida += '#';
        sortida += p.lletra;
        if (p.forma == FormaArgument::Parentesi || p.forma == FormaArgument::Obert) sortida += '(';
        if (p.tabs > 0) sortida += static_cast<char>(p.tabs);
        break;
      case TipusPeca::Res:
      case TipusPeca::Tabulador:
      case TipusPeca::Infinit:
      case TipusPeca::Sagnat:
      case TipusPeca::Sistema:
        sortida += '#';
        if (p.ambLletra) sortida += p.lletra + ArgumentEscrit(p);
        break;
      default: break;  // the kinds of the mathematics of a text: the markup has none
    }
  }
  void Entre(const Peca& p, std::size_t) override {
    if (p.tipus == TipusPeca::Fraccio && p.ambBarra) sortida += '/';
  }
  void Tanca(const Peca& p) override {
    if (EsContenidor(p.tipus) && p.forma == FormaArgument::Parentesi) sortida += ')';
  }

  std::string sortida;
};

}  // namespace

Model LlegeixMarcat(std::string_view text, OpcionsLectura opcions) { return Lector(text, opcions).Llegeix(); }

std::string EscriuMarcat(const Model& m, std::size_t peca) {
  EscriptorMarcat e;
  Recorre(m, e, peca);
  return std::move(e.sortida);
}

std::string EscriuMarcat(const Model& m) { return EscriuMarcat(m, 0); }

void Recorre(const Model& m, Visitant& v, std::size_t des_de) {
  struct Marc {
    std::size_t peca, seguent;
  };
  std::vector<Marc> pila{{des_de, 0}};
  v.Obre(m.peces[des_de]);
  while (!pila.empty()) {
    Marc& marc = pila.back();
    const Peca& p = m.peces[marc.peca];
    if (marc.seguent < p.fills.size()) {
      if (marc.seguent > 0) v.Entre(p, marc.seguent);
      const std::size_t fill = p.fills[marc.seguent++];
      v.Obre(m.peces[fill]);
      pila.push_back({fill, 0});
    } else {
      v.Tanca(p);
      pila.pop_back();
    }
  }
}

}  // namespace tirelo
