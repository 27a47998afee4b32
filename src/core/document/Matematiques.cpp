// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Matematiques.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "document/Marcat.h"

namespace tirelo {
namespace {

// Nesting beyond this depth (markup inside markup inside markup...) shows nothing: no
// exercise comes near it, and the reader's own depth stays bounded for any input.
constexpr int kProfunditatMaxima = 24;
// Brackets open at once beyond this many are text: the layouts nest no deeper.
constexpr std::size_t kGrupsMaxims = 32;
constexpr std::string_view kNotaArrels = "(Nota: R_n() =arrel en\xE8ssima)";
constexpr std::size_t kCap = static_cast<std::size_t>(-1);

unsigned char U(char c) { return static_cast<unsigned char>(c); }
bool EsXifra(char c) { return c >= '0' && c <= '9'; }
bool EsLlatina(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// Letters of words beyond the Latin ones: the accented letters of Windows-1252, "ª", "º".
bool EsLletraAccentuada(char c) {
  const unsigned char u = U(c);
  return (u >= 0xC0 && u != 0xD7 && u != 0xF7) || u == 0xAA || u == 0xBA || u == 0x8A || u == 0x8C ||
         u == 0x8E || u == 0x9A || u == 0x9C || u == 0x9E || u == 0x9F;
}
bool EsOperadorEscrit(char c) { return std::string_view("+-=<>\xB7\xD7\xF7*/^").find(c) != std::string_view::npos; }

// One element of a text on its way to mathematics: a character, a layout sign, a
// script, a markup node read on its own, or a fraction stacked by hand.
enum class TipusAtom : unsigned char { Caracter, Tab, Salt, Sagnat, Script, Node, Apilada };

struct Atom {
  TipusAtom tipus = TipusAtom::Caracter;
  char c = 0;
  int xifra = 0;                           // Sagnat
  TipusPeca script = TipusPeca::Potencia;  // Script
  std::string text;                        // Script: the argument as written
  std::size_t node = 0;                    // Node: the markup node
  std::size_t col = 0, amplada = 1;        // columns the atom takes on its line, as written
  std::vector<Atom> num, den;              // Apilada
};
using Atomes = std::vector<Atom>;

Atom Caracter(char c) {
  Atom a;
  a.c = c;
  return a;
}
Atom Signe(TipusAtom t) {
  Atom a;
  a.tipus = t;
  return a;
}
bool EsCaracter(const Atom& a, char c) { return a.tipus == TipusAtom::Caracter && a.c == c; }
bool EsBlanc(const Atom& a) { return EsCaracter(a, ' ') || a.tipus == TipusAtom::Tab || a.tipus == TipusAtom::Sagnat; }
bool TeContingut(const Atomes& l) {
  for (const Atom& a : l) {
    if (!EsBlanc(a)) return true;
  }
  return false;
}

// Without blanks, tab stops and indents at either end.
Atomes Retalla(Atomes l) {
  std::size_t a = 0, b = l.size();
  while (a < b && EsBlanc(l[a])) ++a;
  while (b > a && EsBlanc(l[b - 1])) --b;
  return Atomes(std::make_move_iterator(l.begin() + static_cast<std::ptrdiff_t>(a)),
                std::make_move_iterator(l.begin() + static_cast<std::ptrdiff_t>(b)));
}

// Lines at each break, every atom given its column.
std::vector<Atomes> Linies(Atomes atomes) {
  std::vector<Atomes> r(1);
  std::size_t col = 0;
  for (Atom& a : atomes) {
    if (a.tipus == TipusAtom::Salt) {
      r.emplace_back();
      col = 0;
      continue;
    }
    a.col = col;
    col += a.amplada;
    r.back().push_back(std::move(a));
  }
  return r;
}

// ---- Fractions stacked by hand ----

bool EsRatlla(const Atom& a) { return a.tipus == TipusAtom::Caracter && (a.c == '-' || U(a.c) == 0x97); }

// The bars of a line as atom ranges: runs of em dashes, or of two hyphens or more.
std::vector<std::pair<std::size_t, std::size_t>> Barres(const Atomes& l) {
  std::vector<std::pair<std::size_t, std::size_t>> r;
  for (std::size_t i = 0; i < l.size();) {
    std::size_t fi = i;
    while (fi < l.size() && EsRatlla(l[fi])) ++fi;
    if (fi - i >= 2 || (fi - i == 1 && U(l[i].c) == 0x97)) r.emplace_back(i, fi);
    i = fi > i ? fi : i + 1;
  }
  return r;
}

// A line of bars, blanks and operators only, with a bar at least.
bool EsLiniaDeBarres(const Atomes& l) {
  for (const Atom& a : l) {
    if (EsBlanc(a) || EsRatlla(a)) continue;
    if (a.tipus != TipusAtom::Caracter || std::string_view("+.:/=*\xB7\xD7\xF7").find(a.c) == std::string_view::npos) {
      return false;
    }
  }
  return !Barres(l).empty();
}

// What stands above or below columns [a, b), widened to the whole words it touches.
Atomes Sobre(const Atomes& l, std::size_t a, std::size_t b) {
  std::size_t primer = kCap, darrer = 0;
  for (std::size_t i = 0; i < l.size(); ++i) {
    if (EsBlanc(l[i]) || l[i].col >= b || l[i].col + l[i].amplada <= a) continue;
    if (primer == kCap) primer = i;
    darrer = i;
  }
  if (primer == kCap) return {};
  while (primer > 0 && !EsBlanc(l[primer - 1])) --primer;
  while (darrer + 1 < l.size() && !EsBlanc(l[darrer + 1])) ++darrer;
  return Atomes(l.begin() + static_cast<std::ptrdiff_t>(primer), l.begin() + static_cast<std::ptrdiff_t>(darrer) + 1);
}

Atom Apilada(Atomes num, Atomes den) {
  Atom a = Signe(TipusAtom::Apilada);
  a.num = Retalla(std::move(num));
  a.den = Retalla(std::move(den));
  return a;
}

// Numerators over a line of bars over denominators, as one line: with one bar, the
// lines above and below are its parts; with several, each part stands in its bar's
// columns, and what the bar line holds between bars stays between the fractions.
Atomes Combina(const Atomes& dalt, const Atomes& mig, const Atomes& baix) {
  const auto barres = Barres(mig);
  Atomes r(mig.begin(), mig.begin() + static_cast<std::ptrdiff_t>(barres.front().first));
  for (std::size_t k = 0; k < barres.size(); ++k) {
    const auto [a, z] = barres[k];
    if (k > 0) {
      r.insert(r.end(), mig.begin() + static_cast<std::ptrdiff_t>(barres[k - 1].second),
               mig.begin() + static_cast<std::ptrdiff_t>(a));
    }
    if (barres.size() == 1) {
      r.push_back(Apilada(dalt, baix));
    } else {
      const std::size_t ca = mig[a].col, cz = mig[z - 1].col + mig[z - 1].amplada;
      r.push_back(Apilada(Sobre(dalt, ca, cz), Sobre(baix, ca, cz)));
    }
  }
  r.insert(r.end(), mig.begin() + static_cast<std::ptrdiff_t>(barres.back().second), mig.end());
  return r;
}

std::vector<Atomes> Apila(std::vector<Atomes> linies) {
  std::vector<Atomes> r;
  for (std::size_t i = 0; i < linies.size(); ++i) {
    if (i + 2 < linies.size() && EsLiniaDeBarres(linies[i + 1]) && TeContingut(linies[i]) &&
        TeContingut(linies[i + 2])) {
      r.push_back(Combina(linies[i], linies[i + 1], linies[i + 2]));
      i += 2;
    } else {
      r.push_back(std::move(linies[i]));
    }
  }
  return r;
}

// An indented line that holds an equation: a line of a system.
bool EsEquacio(const Atomes& l) {
  bool sagnat = false, igual = false;
  for (const Atom& a : l) {
    if (a.tipus == TipusAtom::Sagnat && a.xifra > 0) sagnat = true;
    if (EsCaracter(a, '=')) igual = true;
  }
  return sagnat && igual;
}

// ---- Words of a line ----

enum class ClassePeca : unsigned char { Separador, Etiqueta, Estil, Prosa, Matematica, Lletra };

struct Paraula {
  std::size_t a = 0, b = 0;  // atoms [a, b) of the line
  bool blancAbans = false;
  ClassePeca classe = ClassePeca::Prosa;
};

class Lector {
 public:
  explicit Lector(const Model& m) : m_(&m) { out_.peces.emplace_back(); }

  Model Llegeix() {
    std::vector<std::size_t> fills = Sequencia(AtomesDe(m_->Arrel().fills), 0);
    // A text starts where its label ends ("1)", "Resp:"): tab stops before it go.
    std::size_t inici = 0;
    while (inici < fills.size() && (P(fills[inici]).tipus == TipusPeca::Tabulador || P(fills[inici]).tipus == TipusPeca::Sagnat)) {
      ++inici;
    }
    fills.erase(fills.begin(), fills.begin() + static_cast<std::ptrdiff_t>(inici));
    out_.peces[0].fills = std::move(fills);
    return std::move(out_);
  }

 private:
  std::size_t Nou(TipusPeca t, std::string text = {}, std::vector<std::size_t> fills = {}) {
    return out_.Nou(t, std::move(text), std::move(fills));
  }
  Peca& P(std::size_t i) { return out_.peces[i]; }

  // ---- Markup to atoms ----

  Atomes AtomesDe(const std::vector<std::size_t>& fills) const {
    Atomes r;
    LectorRtf rtf;
    auto Posa = [&r](std::vector<PecaRtf> peces) {
      for (PecaRtf& p : peces) {
        switch (p.tipus) {
          case TipusRtf::Caracter: r.push_back(Caracter(p.c)); break;
          case TipusRtf::Tabulador: r.push_back(Signe(TipusAtom::Tab)); break;
          case TipusRtf::Salt: r.push_back(Signe(TipusAtom::Salt)); break;
          case TipusRtf::Script: {
            Atom a = Signe(TipusAtom::Script);
            a.script = p.script;
            a.amplada = 1 + p.text.size();  // the columns of "^2", as the markup writes it
            a.text = std::move(p.text);
            r.push_back(std::move(a));
            break;
          }
        }
      }
    };
    for (const std::size_t f : fills) {
      const Peca& p = m_->peces[f];
      switch (p.tipus) {
        case TipusPeca::Tros: Posa(rtf.Llegeix(p.text)); break;
        case TipusPeca::Paragraf: r.push_back(Signe(TipusAtom::Salt)); break;
        case TipusPeca::Tabulador: r.push_back(Signe(TipusAtom::Tab)); break;
        case TipusPeca::Sagnat: {
          Atom a = Signe(TipusAtom::Sagnat);
          a.xifra = p.xifra;
          a.amplada = 0;
          r.push_back(std::move(a));
          break;
        }
        case TipusPeca::Potencia:
        case TipusPeca::Subindex: {
          if (p.buit) break;
          if (p.text == "{") {  // "^{m+n}": the script holds the raw text up to "}"
            rtf.ObreScript(p.tipus);
            break;
          }
          Atom a = Signe(TipusAtom::Script);
          a.script = p.tipus;
          a.amplada = EscriuMarcat(*m_, f).size();
          a.text = p.text;
          r.push_back(std::move(a));
          break;
        }
        case TipusPeca::Res: break;
        default: {
          Atom a = Signe(TipusAtom::Node);
          a.node = f;
          r.push_back(std::move(a));
          break;
        }
      }
    }
    Posa(rtf.Acaba());
    return r;
  }

  // ---- Lines ----

  std::vector<std::size_t> Sequencia(Atomes atomes, int prof) {
    std::vector<Atomes> linies = Apila(Linies(std::move(atomes)));
    std::vector<std::size_t> r;
    std::size_t casBuit = kCap;  // a line that is only a case label, waiting for its system
    for (std::size_t i = 0; i < linies.size();) {
      std::size_t fi = i;
      while (fi < linies.size() && EsEquacio(linies[fi])) ++fi;
      if (fi - i >= 2) {
        std::vector<std::size_t> equacions;
        for (std::size_t k = i; k < fi; ++k) {
          equacions.push_back(Nou(TipusPeca::Expressio, {}, Expressio(Retalla(std::move(linies[k])), prof)));
        }
        const std::size_t sistema = Nou(TipusPeca::Equacions, {}, std::move(equacions));
        if (casBuit != kCap) {
          P(casBuit).fills.push_back(sistema);
        } else {
          if (!r.empty()) r.push_back(Nou(TipusPeca::Paragraf));
          r.push_back(sistema);
        }
        casBuit = kCap;
        i = fi;
        continue;
      }
      std::vector<std::size_t> l = Linia(linies[i], prof);
      ++i;
      if (l.empty()) continue;
      if (!r.empty()) r.push_back(Nou(TipusPeca::Paragraf));
      casBuit = l.size() == 1 && P(l[0]).tipus == TipusPeca::Cas && P(l[0]).fills.empty() ? l[0] : kCap;
      r.insert(r.end(), l.begin(), l.end());
    }
    return r;
  }

  std::vector<Paraula> Paraules(const Atomes& l) const {
    std::vector<Paraula> r;
    bool blanc = false;
    for (std::size_t i = 0; i < l.size();) {
      if (EsCaracter(l[i], ' ')) {
        blanc = true;
        ++i;
        continue;
      }
      Paraula p;
      p.a = i;
      p.blancAbans = blanc;
      blanc = false;
      if (l[i].tipus == TipusAtom::Tab || l[i].tipus == TipusAtom::Sagnat) {
        p.b = ++i;
        p.classe = ClassePeca::Separador;
      } else {
        while (i < l.size() && !EsBlanc(l[i])) ++i;
        p.b = i;
      }
      r.push_back(p);
    }
    return r;
  }

  ClassePeca Classe(const Atomes& l, const Paraula& p, int fondaria) const {
    const std::size_t n = p.b - p.a;
    if (n == 2 && EsCaracter(l[p.a + 1], ')') && l[p.a].tipus == TipusAtom::Caracter && l[p.a].c >= 'a' &&
        l[p.a].c <= 'z' && fondaria == 0) {
      return ClassePeca::Etiqueta;
    }
    if (n == 1 && l[p.a].tipus == TipusAtom::Node) {
      const TipusPeca t = m_->peces[l[p.a].node].tipus;
      if (t == TipusPeca::Negreta || t == TipusPeca::Cursiva || t == TipusPeca::Subratllat) return ClassePeca::Estil;
    }
    bool xifra = false, operador = false, accent = false;
    std::size_t corrua = 0, mesLlarga = 0;
    for (std::size_t i = p.a; i < p.b; ++i) {
      const Atom& a = l[i];
      if (a.tipus != TipusAtom::Caracter) return ClassePeca::Matematica;
      xifra |= EsXifra(a.c) || U(a.c) == 0xB2 || U(a.c) == 0xB3;
      operador |= EsOperadorEscrit(a.c) || (a.c == '.' && i + 1 < p.b);
      accent |= EsLletraAccentuada(a.c);
      corrua = EsLlatina(a.c) ? corrua + 1 : 0;
      mesLlarga = std::max(mesLlarga, corrua);
    }
    if (xifra) return ClassePeca::Matematica;
    if (mesLlarga >= 2 || accent || Abreviatura(l, p)) return ClassePeca::Prosa;
    if (operador) return ClassePeca::Matematica;
    return ClassePeca::Lletra;  // a letter or a sign alone: its neighbours decide
  }

  // Single letters each followed by a dot, "m.c.d.": an abbreviation, not a product.
  static bool Abreviatura(const Atomes& l, const Paraula& p) {
    if (p.b - p.a < 4 || (p.b - p.a) % 2 != 0) return false;
    for (std::size_t i = p.a; i < p.b; i += 2) {
      if (!EsLlatina(l[i].c) || !EsCaracter(l[i + 1], '.')) return false;
    }
    return true;
  }

  // A letter or a bracket standing alone is mathematics beside mathematics: a letter
  // when an operator faces it ("y = 2x", not "2x+2 i y-1"), a bracket always; and a
  // letter alone after a case label.
  static bool LletraMatematica(const Atomes& l, const std::vector<Paraula>& ps, std::size_t k) {
    bool lletra = false;
    for (std::size_t i = ps[k].a; i < ps[k].b; ++i) lletra |= EsLlatina(l[i].c);
    // A letter that is all of a case ("a) d,  b) y"), or all of a text: an answer, a
    // variable.
    const std::size_t n = ps[k].b - ps[k].a;
    const bool sola = lletra && (n == 1 || (n == 2 && (EsCaracter(l[ps[k].b - 1], ',') || EsCaracter(l[ps[k].b - 1], ';'))));
    const bool totCas = k > 0 && ps[k - 1].classe == ClassePeca::Etiqueta &&
                        (k + 1 == ps.size() || ps[k + 1].classe == ClassePeca::Etiqueta || ps[k + 1].classe == ClassePeca::Separador);
    if (sola && (totCas || ps.size() == 1)) return true;
    // Before it, any operator or separator; after it, not a sign ("i -y" is prose).
    if (k > 0 && ps[k - 1].classe == ClassePeca::Matematica) {
      const Atom& a = l[ps[k - 1].b - 1];
      if (!lletra || (a.tipus == TipusAtom::Caracter && (EsOperadorEscrit(a.c) || a.c == ',' || a.c == '('))) {
        return true;
      }
    }
    if (k + 1 < ps.size() && ps[k + 1].classe == ClassePeca::Matematica) {
      const Atom& a = l[ps[k + 1].a];
      if (!lletra || (a.tipus == TipusAtom::Caracter && EsOperadorEscrit(a.c) && a.c != '-' && a.c != '+')) {
        return true;
      }
    }
    return false;
  }

  std::vector<std::size_t> Linia(const Atomes& l, int prof) {
    std::vector<Paraula> ps = Paraules(l);
    int fondaria = 0;
    for (Paraula& p : ps) {
      if (p.classe != ClassePeca::Separador) p.classe = Classe(l, p, fondaria);
      for (std::size_t i = p.a; i < p.b; ++i) {
        if (EsCaracter(l[i], '(')) ++fondaria;
        if (EsCaracter(l[i], ')') && fondaria > 0) --fondaria;
      }
    }
    for (std::size_t k = 0; k < ps.size(); ++k) {
      if (ps[k].classe == ClassePeca::Lletra) {
        ps[k].classe = LletraMatematica(l, ps, k) ? ClassePeca::Matematica : ClassePeca::Prosa;
      }
    }
    std::vector<std::size_t> r;
    std::size_t cas = kCap;  // the case being filled
    bool visible = false;
    auto Posa = [&](std::size_t node) {
      if (cas == kCap) {
        r.push_back(node);
      } else {
        P(cas).fills.push_back(node);
      }
    };
    auto Ultim = [&]() -> std::size_t {
      const auto& d = cas == kCap ? r : P(cas).fills;
      return d.empty() ? kCap : d.back();
    };
    auto Prosa = [&](std::string text, bool blanc) {
      const std::size_t u = Ultim();
      if (blanc && u != kCap) text.insert(text.begin(), ' ');
      if (u != kCap && P(u).tipus == TipusPeca::Tros) {
        P(u).text += text;
      } else if (!text.empty()) {
        Posa(Nou(TipusPeca::Tros, std::move(text)));
      }
    };
    for (std::size_t k = 0; k < ps.size(); ++k) {
      const Paraula& p = ps[k];
      switch (p.classe) {
        case ClassePeca::Separador:
          if (l[p.a].tipus == TipusAtom::Tab) {
            Posa(Nou(TipusPeca::Tabulador));
          } else {
            const std::size_t s = Nou(TipusPeca::Sagnat);
            P(s).xifra = l[p.a].xifra;
            Posa(s);
          }
          break;
        case ClassePeca::Etiqueta:
          cas = kCap;
          if (p.blancAbans && !r.empty() && P(r.back()).tipus != TipusPeca::Cas) Prosa({}, true);
          cas = Nou(TipusPeca::Cas, {l[p.a].c, ')'});
          r.push_back(cas);
          visible = true;
          break;
        case ClassePeca::Estil: {
          const Peca& estil = m_->peces[l[p.a].node];
          if (p.blancAbans) Prosa({}, true);
          // Past the deepest nesting read, the style's content stays as it was written.
          std::vector<std::size_t> dins;
          if (prof < kProfunditatMaxima) {
            dins = Sequencia(AtomesDe(estil.fills), prof + 1);
          } else {
            std::string escrit;
            for (const std::size_t f : estil.fills) escrit += EscriuMarcat(*m_, f);
            dins.push_back(Nou(TipusPeca::Tros, std::move(escrit)));
          }
          Posa(Nou(estil.tipus, {}, std::move(dins)));
          visible = true;
          break;
        }
        case ClassePeca::Prosa: {
          std::string text;
          for (std::size_t i = p.a; i < p.b; ++i) text += l[i].c;
          Prosa(std::move(text), p.blancAbans);
          visible = true;
          break;
        }
        default: {  // a stretch of mathematics: this word and the next ones that are too
          std::size_t fi = k;
          while (fi + 1 < ps.size() && ps[fi + 1].classe == ClassePeca::Matematica) ++fi;
          if (p.blancAbans) Prosa({}, true);
          const Atomes tros(l.begin() + static_cast<std::ptrdiff_t>(p.a),
                            l.begin() + static_cast<std::ptrdiff_t>(ps[fi].b));
          Posa(Nou(TipusPeca::Expressio, {}, Expressio(tros, prof)));
          visible = true;
          k = fi;
          break;
        }
      }
    }
    if (!visible) return {};
    return r;
  }

  // ---- Expressions ----

  // A text of its own (a script's argument, a line of "#M") read as an expression.
  std::vector<std::size_t> SubExpressio(std::string_view text, int prof) {
    if (prof >= kProfunditatMaxima) return {};
    const Model sub = LlegeixMarcat(text);
    const Model* abans = m_;
    m_ = &sub;
    std::vector<std::size_t> r = Expressio(AtomesDe(sub.Arrel().fills), prof + 1);
    m_ = abans;
    return r;
  }

  std::vector<std::size_t> ExpressioDe(const Peca& p, int prof) {
    if (prof >= kProfunditatMaxima) return {};
    return Expressio(AtomesDe(p.fills), prof + 1);
  }

  std::size_t Equacions(std::string_view text, int prof) {
    std::vector<std::size_t> linies;
    std::size_t inici = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && text[i] != '\r') continue;
      std::vector<std::size_t> e = SubExpressio(text.substr(inici, i - inici), prof);
      if (!e.empty()) linies.push_back(Nou(TipusPeca::Expressio, {}, std::move(e)));
      inici = i + 1;
    }
    return Nou(TipusPeca::Equacions, {}, std::move(linies));
  }

  // A markup node inside an expression.
  std::size_t Node(std::size_t n, int prof) {
    const Peca& p = m_->peces[n];
    switch (p.tipus) {
      case TipusPeca::Fraccio: {
        const std::size_t num = Nou(TipusPeca::Expressio, {}, ExpressioDe(m_->peces[p.fills[0]], prof));
        const std::size_t den = Nou(TipusPeca::Expressio, {}, ExpressioDe(m_->peces[p.fills[1]], prof));
        return Nou(TipusPeca::Fraccio, {}, {num, den});
      }
      case TipusPeca::Barra: return Nou(TipusPeca::Operador, "|");
      case TipusPeca::Infinit: return Nou(TipusPeca::Infinit);
      case TipusPeca::Sistema: return Equacions(p.text, prof);
      default: return Nou(p.tipus, {}, ExpressioDe(p, prof));  // a root, a style
    }
  }

  struct Obert {
    std::size_t node;
    bool arrel;
  };

  std::vector<std::size_t> Expressio(const Atomes& a, int prof) {
    std::vector<std::size_t> dalt;
    std::vector<Obert> pila;
    auto Desti = [&]() -> std::vector<std::size_t>& { return pila.empty() ? dalt : P(pila.back().node).fills; };
    auto Ultim = [&]() -> std::size_t { return Desti().empty() ? kCap : Desti().back(); };
    auto Posa = [&](std::size_t node) { Desti().push_back(node); };
    auto Text = [&](char c) {
      const std::size_t u = Ultim();
      if (u != kCap && P(u).tipus == TipusPeca::Tros && P(u).text != " ") {
        P(u).text += c;
      } else {
        Posa(Nou(TipusPeca::Tros, std::string(1, c)));
      }
    };
    auto Tanca = [&] {
      const std::size_t n = pila.back().node;
      pila.pop_back();
      TreuBlancs(P(n).fills);
      std::vector<std::size_t> fills = Fraccions(P(n).fills);
      P(n).fills = std::move(fills);
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
      const Atom& at = a[i];
      const bool darrereXifra = i > 0 && a[i - 1].tipus == TipusAtom::Caracter &&
                                (EsXifra(a[i - 1].c) || a[i - 1].c == '.') && Ultim() != kCap &&
                                P(Ultim()).tipus == TipusPeca::Nombre;
      switch (at.tipus) {
        case TipusAtom::Tab: Posa(Nou(TipusPeca::Tabulador)); continue;
        case TipusAtom::Sagnat: continue;
        case TipusAtom::Salt: [[fallthrough]];
        case TipusAtom::Caracter: break;
        case TipusAtom::Script: {
          const TipusPeca t = at.script;
          std::vector<std::size_t> dins = SubExpressio(at.text, prof);
          const std::size_t u = Ultim();
          if (i > 0 && a[i - 1].tipus == TipusAtom::Script && u != kCap && P(u).tipus == t) {
            // "a^-^1": one power; "x^1^0": its digits one number, 10.
            if (!P(u).fills.empty() && !dins.empty() && P(P(u).fills.back()).tipus == TipusPeca::Nombre &&
                P(dins.front()).tipus == TipusPeca::Nombre) {
              P(P(u).fills.back()).text += P(dins.front()).text;
              dins.erase(dins.begin());
            }
            P(u).fills.insert(P(u).fills.end(), dins.begin(), dins.end());
          } else {
            Posa(Nou(t, {}, std::move(dins)));
          }
          continue;
        }
        case TipusAtom::Node:
          if (prof < kProfunditatMaxima) Posa(Node(at.node, prof));
          continue;
        case TipusAtom::Apilada: {
          if (prof >= kProfunditatMaxima) continue;
          const std::size_t num = Nou(TipusPeca::Expressio, {}, Expressio(at.num, prof + 1));
          const std::size_t den = Nou(TipusPeca::Expressio, {}, Expressio(at.den, prof + 1));
          Posa(Nou(TipusPeca::Fraccio, {}, {num, den}));
          continue;
        }
      }
      const char c = at.tipus == TipusAtom::Salt ? ' ' : at.c;
      const bool seguentXifra = i + 1 < a.size() && a[i + 1].tipus == TipusAtom::Caracter && EsXifra(a[i + 1].c);
      if (EsXifra(c)) {
        if (darrereXifra) {
          P(Ultim()).text += c;
        } else {
          Posa(Nou(TipusPeca::Nombre, std::string(1, c)));
        }
      } else if (c == '.' && darrereXifra && seguentXifra) {
        P(Ultim()).text += c;
      } else if (c == ' ') {
        if (Ultim() != kCap && P(Ultim()).text != " ") Posa(Nou(TipusPeca::Tros, " "));
      } else if (c == 'R' && i + 2 < a.size() && a[i + 1].tipus == TipusAtom::Script &&
                 a[i + 1].script == TipusPeca::Subindex && EsCaracter(a[i + 2], '(')) {
        // "R_n(...)": a root of index n
        const std::size_t index = Nou(TipusPeca::IndexArrel, {}, SubExpressio(a[i + 1].text, prof));
        const std::size_t arrel = Nou(TipusPeca::Arrel, {}, {index});
        Posa(arrel);
        pila.push_back({arrel, true});
        i += 2;
      } else if (EsLlatina(c)) {
        std::size_t fi = i;
        while (fi < a.size() && a[fi].tipus == TipusAtom::Caracter && EsLlatina(a[fi].c)) ++fi;
        if (fi - i >= 3) {  // a word ("mcd"), upright
          for (std::size_t k = i; k < fi; ++k) Text(a[k].c);
          i = fi - 1;
        } else {
          Posa(Nou(TipusPeca::Variable, std::string(1, c)));
        }
      } else if (U(c) == 0xB2 || U(c) == 0xB3 || U(c) == 0xB9) {
        const std::size_t n = Nou(TipusPeca::Nombre, U(c) == 0xB2 ? "2" : U(c) == 0xB3 ? "3" : "1");
        Posa(Nou(TipusPeca::Potencia, {}, {n}));
      } else if ((c == '(' || c == '[') && pila.size() < kGrupsMaxims) {
        const std::size_t g = Nou(TipusPeca::Grup, std::string(1, c));
        Posa(g);
        pila.push_back({g, false});
      } else if ((c == ')' || c == ']') && !pila.empty()) {
        if (!pila.back().arrel) P(pila.back().node).text += c;
        Tanca();
      } else if (c == '-' && i + 1 < a.size() && EsCaracter(a[i + 1], '>')) {
        Posa(Nou(TipusPeca::Operador, "->"));
        ++i;
      } else if (c == '.' || c == '*') {
        // a full stop ends a sentence, unless it stands alone between two operands
        // ("3/4 . 5/6"): a product
        const bool final = i + 1 == a.size() || EsBlanc(a[i + 1]);
        const bool sol = i > 0 && EsBlanc(a[i - 1]) && i + 2 < a.size() && EsBlanc(a[i + 1]);
        if (c == '.' && final && !sol) {
          Text(c);
        } else {
          Posa(Nou(TipusPeca::Operador, "\xB7"));
        }
      } else if (std::string_view("+-=<>\xB7\xD7\xF7/,;:|").find(c) != std::string_view::npos) {
        Posa(Nou(TipusPeca::Operador, std::string(1, c)));
      } else {
        Text(c);
      }
    }
    // A bracket never closed is a sign of its own: what follows stays outside it. A
    // root never closed takes the rest of the text.
    while (!pila.empty()) {
      const Obert o = pila.back();
      if (o.arrel) {
        Tanca();
        continue;
      }
      pila.pop_back();
      std::vector<std::size_t> dins = std::move(P(o.node).fills);
      P(o.node).fills.clear();
      P(o.node).tipus = TipusPeca::Tros;
      std::vector<std::size_t>& pare = Desti();
      pare.insert(pare.end(), dins.begin(), dins.end());
    }
    TreuBlancs(dalt);
    return Fraccions(std::move(dalt));
  }

  // Without blanks or tab stops at either end: the layout around a stretch of
  // mathematics is not part of it.
  bool EsBlancNode(std::size_t n) {
    return P(n).tipus == TipusPeca::Tabulador || (P(n).tipus == TipusPeca::Tros && P(n).text == " ");
  }
  void TreuBlancs(std::vector<std::size_t>& l) {
    while (!l.empty() && EsBlancNode(l.back())) l.pop_back();
    std::size_t inici = 0;
    while (inici < l.size() && EsBlancNode(l[inici])) ++inici;
    l.erase(l.begin(), l.begin() + static_cast<std::ptrdiff_t>(inici));
  }

  bool EsOperand(std::size_t n) {
    switch (P(n).tipus) {
      case TipusPeca::Nombre:
      case TipusPeca::Variable:
      case TipusPeca::Grup:
      case TipusPeca::Arrel:
      case TipusPeca::Fraccio:
      case TipusPeca::Infinit:
      case TipusPeca::Potencia:
      case TipusPeca::Subindex: return true;
      default: return false;
    }
  }

  // A part of an inline fraction: a group standing alone loses its brackets.
  std::size_t Part(const std::vector<std::size_t>& l, std::size_t a, std::size_t b) {
    if (b - a == 1 && P(l[a]).tipus == TipusPeca::Grup && P(l[a]).text.size() == 2) {
      return Nou(TipusPeca::Expressio, {}, P(l[a]).fills);
    }
    return Nou(TipusPeca::Expressio, {},
               std::vector<std::size_t>(l.begin() + static_cast<std::ptrdiff_t>(a),
                                        l.begin() + static_cast<std::ptrdiff_t>(b)));
  }

  // Every "/" between operands written next to it becomes a fraction, left to right.
  std::vector<std::size_t> Fraccions(std::vector<std::size_t> l) {
    for (std::size_t i = 0; i < l.size(); ++i) {
      if (P(l[i]).tipus != TipusPeca::Operador || P(l[i]).text != "/") continue;
      std::size_t a = i, b = i + 1;
      while (a > 0 && EsOperand(l[a - 1])) --a;
      while (b < l.size() && EsOperand(l[b])) ++b;
      if (a == i || b == i + 1) continue;
      const std::size_t num = Part(l, a, i), den = Part(l, i + 1, b);
      const std::size_t f = Nou(TipusPeca::Fraccio, {}, {num, den});
      l.erase(l.begin() + static_cast<std::ptrdiff_t>(a), l.begin() + static_cast<std::ptrdiff_t>(b));
      l.insert(l.begin() + static_cast<std::ptrdiff_t>(a), f);
      i = a;
    }
    return l;
  }

  const Model* m_;
  Model out_;
};

// The text without the roots topic's note on its notation, nor the blanks before it.
std::string SenseNota(std::string text) {
  for (std::size_t i = text.find(kNotaArrels); i != std::string::npos; i = text.find(kNotaArrels, i)) {
    std::size_t a = i;
    while (a > 0 && text[a - 1] == ' ') --a;
    text.erase(a, i + kNotaArrels.size() - a);
    i = a;
  }
  return text;
}

}  // namespace

Model Matematiques(const Model& marcat) {
  std::string text = EscriuMarcat(marcat);
  if (text.find(kNotaArrels) != std::string::npos) {
    const Model net = LlegeixMarcat(SenseNota(std::move(text)));
    return Lector(net).Llegeix();
  }
  return Lector(marcat).Llegeix();
}

Model LlegeixMatematiques(std::string_view marcat) { return Matematiques(LlegeixMarcat(marcat)); }

namespace {

bool EsDisposicio(const Peca& p) {
  return p.tipus == TipusPeca::Tabulador || p.tipus == TipusPeca::Sagnat ||
         (p.tipus == TipusPeca::Tros && p.text.find_first_not_of(' ') == std::string::npos);
}

// Whether the node ends with prose that ends with ":", a style's last child included.
bool AcabaEnDosPunts(const Model& m, std::size_t n, int prof) {
  const Peca& p = m.peces[n];
  if (p.tipus == TipusPeca::Tros) {
    const std::size_t fi = p.text.find_last_not_of(' ');
    return fi != std::string::npos && p.text[fi] == ':';
  }
  const bool estil = p.tipus == TipusPeca::Negreta || p.tipus == TipusPeca::Cursiva || p.tipus == TipusPeca::Subratllat;
  if (!estil || prof > 8) return false;
  for (std::size_t k = p.fills.size(); k-- > 0;) {
    if (!EsDisposicio(m.peces[p.fills[k]])) return AcabaEnDosPunts(m, p.fills[k], prof + 1);
  }
  return false;
}

}  // namespace

bool SegueixInstruccio(const Model& m, const std::vector<std::size_t>& fills, std::size_t k) {
  if (k >= fills.size() || m.peces[fills[k]].tipus != TipusPeca::Paragraf) return false;
  std::size_t a = k;
  while (a > 0 && EsDisposicio(m.peces[fills[a - 1]])) --a;
  if (a == 0 || !AcabaEnDosPunts(m, fills[a - 1], 0)) return false;
  bool matematica = false;
  for (std::size_t i = k + 1; i < fills.size() && m.peces[fills[i]].tipus != TipusPeca::Paragraf; ++i) {
    const TipusPeca t = m.peces[fills[i]].tipus;
    if (t == TipusPeca::Expressio || t == TipusPeca::Equacions) {
      matematica = true;
    } else if (!EsDisposicio(m.peces[fills[i]])) {
      return false;
    }
  }
  return matematica;
}

namespace {

PecaRtf CaracterRtf(char c) {
  PecaRtf p;
  p.c = c;
  return p;
}

// The control word that starts at t[i] (just after a backslash), its letters and where
// it ends: after its digits and the one blank that delimits it.
std::pair<std::string_view, std::size_t> ParaulaDeControl(std::string_view t, std::size_t i) {
  std::size_t j = i;
  while (j < t.size() && EsLlatina(t[j])) ++j;
  const std::string_view paraula = t.substr(i, j - i);
  while (j < t.size() && (EsXifra(t[j]) || t[j] == '-')) ++j;
  if (j < t.size() && t[j] == ' ') ++j;
  return {paraula, j};
}

}  // namespace

std::vector<PecaRtf> LectorRtf::Llegeix(std::string_view t) {
  std::vector<PecaRtf> r;
  auto Posa = [&](char c) {
    if (U(c) < 32) return;  // controls show nothing
    if (obert_) {
      script_.text += c;
    } else {
      r.push_back(CaracterRtf(c));
    }
  };
  auto Marca = [&](TipusRtf tipus) {
    if (obert_) {
      if (tipus != TipusRtf::Caracter) script_.text += ' ';  // a script stays on its line
      return;
    }
    PecaRtf p;
    p.tipus = tipus;
    r.push_back(std::move(p));
  };
  for (std::size_t i = 0; i < t.size();) {
    const char c = t[i];
    if (c == '\\') {
      if (const auto e = CaracterEscapat(t.substr(i + 1))) {
        Posa(*e);
        i += 4;
        continue;
      }
      if (i + 1 < t.size() && (t[i + 1] == '\\' || t[i + 1] == '{' || t[i + 1] == '}' || t[i + 1] == '~')) {
        Posa(t[i + 1] == '~' ? ' ' : t[i + 1]);
        i += 2;
        continue;
      }
      const auto [paraula, fi] = ParaulaDeControl(t, i + 1);
      if (paraula.empty()) {
        i += 2;
        continue;
      }
      if (paraula == "tab") Marca(TipusRtf::Tabulador);
      if (paraula == "line" || paraula == "par") Marca(TipusRtf::Salt);
      i = fi;
      continue;
    }
    if (c == '{') {
      const auto [paraula, fi] = i + 1 < t.size() && t[i + 1] == '\\' ? ParaulaDeControl(t, i + 2)
                                                                      : std::pair<std::string_view, std::size_t>{};
      if (!obert_ && (paraula == "super" || paraula == "sub")) {
        ObreScript(paraula == "super" ? TipusPeca::Potencia : TipusPeca::Subindex);
        i = fi;
        continue;
      }
      if (obert_) ++claus_;
    } else if (c == '}' && obert_) {
      if (claus_ > 0) {
        --claus_;
      } else {
        obert_ = false;
        r.push_back(std::move(script_));
      }
    } else if (c == '\t') {
      Marca(TipusRtf::Tabulador);
    } else if (c != '}') {
      Posa(c);
    }
    ++i;
  }
  return r;
}

void LectorRtf::ObreScript(TipusPeca script) {
  if (obert_) return;
  obert_ = true;
  claus_ = 0;
  script_ = PecaRtf{};
  script_.tipus = TipusRtf::Script;
  script_.script = script;
}

std::vector<PecaRtf> LectorRtf::Acaba() {
  if (!obert_) return {};
  obert_ = false;
  std::vector<PecaRtf> r;
  r.push_back(std::move(script_));
  return r;
}

bool EsRelacio(std::string_view op) { return op == "=" || op == "<" || op == ">" || op == "->"; }

std::size_t PrimeraRelacio(const Model& m, const Peca& linia) {
  for (std::size_t k = 0; k < linia.fills.size(); ++k) {
    const Peca& p = m.peces[linia.fills[k]];
    if (p.tipus == TipusPeca::Operador && EsRelacio(p.text)) return k;
  }
  return 0;
}

bool BlancVisible(const Model& m, const std::vector<std::size_t>& fills, std::size_t k) {
  if (k == 0 || k + 1 >= fills.size()) return false;
  const Peca& abans = m.peces[fills[k - 1]];
  const bool separador = abans.text == "," || abans.text == ";";
  return (abans.tipus != TipusPeca::Operador || separador) && m.peces[fills[k + 1]].tipus != TipusPeca::Operador;
}

}  // namespace tirelo
