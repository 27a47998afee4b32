// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "full/Tipografia.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "document/Matematiques.h"
#include "full/Parts.h"
#include "mathtext/Text.h"

namespace tirelo {
namespace {

// Nesting deeper than this is not drawn: no exercise comes near it, and the
// typesetter's own depth stays bounded.
constexpr int kProfunditatMaxima = kMesuresFull.profunditatMaxima;
constexpr double kPuntsPerCm = 72.0 / 2.54;

// What is drawn of a piece, relative to the left end of its baseline; its height and
// depth are those of its ink, as the MATH table's gaps and limits are measured.
struct Caixa {
  double amplada = 0, ascendent = 0, descendent = 0;
  std::vector<ElementFull> elements;
  bool caracter = false;  // a run of glyphs (a number, a letter, a bracket): scripts ignore its height
};

// Puts b into a with b's origin at (dx, dy) of a's.
void Posa(Caixa& a, const Caixa& b, double dx, double dy) {
  for (ElementFull e : b.elements) {
    Desplaca(e, dx, dy);
    a.elements.push_back(std::move(e));
  }
  a.amplada = std::max(a.amplada, dx + b.amplada);
  a.ascendent = std::max(a.ascendent, b.ascendent - dy);
  a.descendent = std::max(a.descendent, b.descendent + dy);
}

// b after a on the same baseline.
void Segueix(Caixa& a, const Caixa& b) {
  Posa(a, b, a.amplada, 0);
  a.caracter = b.caracter;
}

ElementFull Ratlla(double x, double y, double x2, double y2, double gruix) {
  ElementFull e;
  e.tipus = TipusElement::Linia;
  e.x = x;
  e.y = y;
  e.x2 = x2;
  e.y2 = y2;
  e.gruix = gruix;
  return e;
}

ElementFull Cami(std::vector<PuntFull> punts, double gruix) {
  ElementFull e;
  e.tipus = TipusElement::Cami;
  e.x = punts.front().x;
  e.y = punts.front().y;
  e.punts = std::move(punts);
  e.gruix = gruix;
  return e;
}

// The classes of mathematical atoms, as TeX spaces them (The TeXbook, chapter 18):
// ordinary (a number, a letter, a fraction, a root, a bracketed group), binary
// operator, relation, opening and closing bracket, punctuation.
enum class ClasseAtom : unsigned char { Ord, Bin, Rel, Obre, Tanca, Punt, Cap };

// The room between two atoms in display and text style, by the left atom's class (row)
// and the right one's (column): 0 none, 1 a thin space (3/18 em), 2 a medium one
// (4/18 em), 3 a thick one (5/18 em). Scripts set none.
constexpr int kEspaisAtom[6][6] = {
    //           Ord Bin Rel Obre Tanca Punt
    /* Ord   */ {0, 2, 3, 0, 0, 0},
    /* Bin   */ {2, 0, 0, 2, 0, 0},
    /* Rel   */ {3, 0, 0, 3, 0, 0},
    /* Obre  */ {0, 0, 0, 0, 0, 0},
    /* Tanca */ {0, 2, 3, 0, 0, 0},
    /* Punt  */ {1, 1, 1, 1, 1, 1},
};
constexpr double kEmsEspai[4] = {0, 3.0 / 18, 4.0 / 18, 5.0 / 18};

// How a piece of a line may meet the one before it.
struct Item {
  Caixa caixa;
  bool espaiAbans = false;  // a blank stands before it
  bool quadrat = false;     // the blank is a quad: tab stops stood there in the markup
  bool potTallar = false;   // the line may break before it
};

struct Paragraf {
  double sagnat = 0;
  std::vector<Item> items;
};

class Tipografa {
 public:
  Tipografa(const Model& m, double amplada, const MetriquesLletra& metriques, const LletraFull& lletra)
      : m_(m), amplada_(amplada), met_(metriques), base_(lletra) {}

  BlocTipografiat Composa() {
    paragrafs_.emplace_back();
    Peces(m_.Arrel().fills, base_);
    BlocTipografiat b;
    for (const Paragraf& p : paragrafs_) Trenca(p, b);
    return b;
  }

 private:
  double Em(const LletraFull& l) const { return l.punts; }
  const ConstantsMath& K() const { return met_.Matematiques(); }
  double Gruix(const LletraFull& l) const { return std::max(0.4, K().reglaFraccio * l.punts); }
  double Eix(const LletraFull& l) const { return K().eix * l.punts; }  // the maths axis above the baseline

  static LletraFull Cara(LletraFull l, FamiliaFull f, bool cursiva) {
    l.familia = f;
    l.cursiva = l.cursiva || cursiva;
    return l;
  }
  static LletraFull Petita(LletraFull l, double factor) {
    l.punts = std::max(l.punts * factor, 5.0);
    return l;
  }

  Caixa Text(const std::string& utf8, const LletraFull& l) const {
    Caixa c;
    const TintaText t = met_.Tinta(utf8, l);
    c.amplada = met_.Amplada(utf8, l);
    c.ascendent = t.dalt;
    c.descendent = t.baix;
    c.caracter = true;
    ElementFull e;
    e.text = utf8;
    e.lletra = l;
    c.elements.push_back(std::move(e));
    return c;
  }
  Caixa Espai(double amplada) const {
    Caixa c;
    c.amplada = amplada;
    return c;
  }

  // ---- Lines of prose and mathematics ----

  Paragraf& Actual() { return paragrafs_.back(); }

  // A piece after a blank may start a new line, unless it follows a case label.
  void AfegeixItem(Caixa c) {
    Item it;
    it.caixa = std::move(c);
    it.espaiAbans = blancPendent_;
    it.quadrat = blancPendent_ && quadratPendent_;
    it.potTallar = blancPendent_ && !enganxat_;
    blancPendent_ = false;
    quadratPendent_ = false;
    enganxat_ = false;
    Actual().items.push_back(std::move(it));
  }

  // Prose: a piece per word; the line may break at each blank.
  void Prosa(const std::string& text, const LletraFull& l) {
    std::string paraula;
    auto Tanca = [&] {
      if (paraula.empty()) return;
      AfegeixItem(Text(Utf8DeCp1252(paraula), Cara(l, FamiliaFull::Text, false)));
      prosa_ = true;
      enganxat_ = paraula.back() == '=';  // "MCM=" keeps its value on its line
      despresDeCas_ = false;
      paraula.clear();
    };
    for (const char c : text) {
      if (c == ' ') {
        Tanca();
        blancPendent_ = true;
      } else {
        paraula += c;
      }
    }
    Tanca();
  }

  // The pieces of a line (or of a case, or of a style in it) in order.
  void Peces(const std::vector<std::size_t>& fills, const LletraFull& l) {
    for (std::size_t k = 0; k < fills.size(); ++k) {
      const std::size_t f = fills[k];
      const Peca& p = m_.peces[f];
      if (p.tipus != TipusPeca::Tros) {
        const bool abans = prosa_;
        prosa_ = false;
        if (p.tipus != TipusPeca::Paragraf && p.tipus != TipusPeca::Cas && !EsEstil(p.tipus) &&
            p.tipus != TipusPeca::Tabulador && p.tipus != TipusPeca::Sagnat && abans && !Actual().items.empty()) {
          blancPendent_ = true;  // mathematics set right after a word of prose keeps a blank from it
        }
      }
      switch (p.tipus) {
        case TipusPeca::Paragraf:
          if (SegueixInstruccio(m_, fills, k)) {  // the mathematics follows its instruction
            blancPendent_ = quadratPendent_ = true;
            enganxat_ = false;
            break;
          }
          paragrafs_.emplace_back();
          blancPendent_ = quadratPendent_ = enganxat_ = despresDeCas_ = false;
          break;
        case TipusPeca::Tros: Prosa(p.text, l); break;
        case TipusPeca::Sagnat:
          if (Actual().items.empty()) Actual().sagnat = std::min(p.xifra * kPuntsPerCm, amplada_ / 2);
          break;
        case TipusPeca::Tabulador:  // a run of tab stops is a quad between pieces
          blancPendent_ = quadratPendent_ = true;
          break;
        case TipusPeca::Cas: {
          // a quad before a label, wider than the blanks inside a case, so that the
          // cases stand apart from their own commas
          blancPendent_ = !Actual().items.empty();
          quadratPendent_ = blancPendent_ && despresDeCas_;
          const std::size_t etiqueta = Actual().items.size();
          AfegeixItem(Text(Utf8DeCp1252(p.text), Cara(l, FamiliaFull::Text, false)));
          blancPendent_ = true;
          enganxat_ = true;  // never a break right after a label
          Peces(p.fills, l);
          Lliga(etiqueta);
          despresDeCas_ = true;
          break;
        }
        case TipusPeca::Negreta:
        case TipusPeca::Cursiva:
        case TipusPeca::Subratllat: Peces(p.fills, Estil(l, p.tipus)); break;
        default: {  // an expression, a system: one piece that never breaks
          Caixa c = Node(f, l, 0);
          if (p.tipus == TipusPeca::Expressio && c.amplada > amplada_ - Actual().sagnat) {
            Trossos(p.fills, l);  // unless it is wider than a line
          } else {
            AfegeixItem(std::move(c));
          }
          break;
        }
      }
    }
  }

  // A case from its label on stays on one line (its solutions, "20 i 14"), unless it
  // is wider than a line.
  void Lliga(std::size_t etiqueta) {
    std::vector<Item>& items = Actual().items;
    double w = 0;
    for (std::size_t k = etiqueta; k < items.size(); ++k) w += items[k].caixa.amplada + (items[k].espaiAbans ? Em(base_) : 0);
    if (w > amplada_ - Actual().sagnat) return;
    for (std::size_t k = etiqueta + 1; k < items.size(); ++k) items[k].potTallar = false;
  }

  // An expression wider than a line, in pieces that end after an operator or a
  // blank, so that it may break there rather than run off the page.
  void Trossos(const std::vector<std::size_t>& fills, const LletraFull& l) {
    std::vector<std::size_t> tros;
    bool primer = true;
    ClasseAtom anterior = ClasseAtom::Cap;
    auto Tanca = [&] {
      if (tros.empty()) return;
      Caixa c = Expressio(tros, l, 1, anterior, true, &anterior);
      tros.clear();
      if (primer) {
        AfegeixItem(std::move(c));
      } else {
        Item it;
        it.caixa = std::move(c);
        it.potTallar = true;
        Actual().items.push_back(std::move(it));
      }
      primer = false;
    };
    for (const std::size_t f : fills) {
      tros.push_back(f);
      const Peca& p = m_.peces[f];
      // never right after a relation: "=" keeps what it equates on its line
      if ((p.tipus == TipusPeca::Operador && !EsRelacio(p.text)) || (p.tipus == TipusPeca::Tros && p.text == " ")) Tanca();
    }
    Tanca();
  }

  static bool EsEstil(TipusPeca t) {
    return t == TipusPeca::Negreta || t == TipusPeca::Cursiva || t == TipusPeca::Subratllat;
  }

  static LletraFull Estil(LletraFull l, TipusPeca t) {
    if (t == TipusPeca::Negreta) l.negreta = true;
    if (t == TipusPeca::Cursiva) l.cursiva = true;
    if (t == TipusPeca::Subratllat) l.subratllat = true;
    return l;
  }

  // Lines of the paragraph filled by the sheet's line filler; each line's elements go
  // into the block on its baseline. Baselines stand the text's leading apart (its face's
  // ascent and descent and 0.2 em), as TeX's \baselineskip: a line moves further only
  // when its ink would come within 1 pt of the ink of the line above (a fraction, a
  // system), and then stands 0.4 em clear of it. The first line's leading is counted
  // from a line of text above the block.
  void Trenca(const Paragraf& p, BlocTipografiat& b) {
    const LletraFull text = Cara(base_, FamiliaFull::Text, false);
    const double espai = met_.Amplada(" ", text);
    std::vector<PecaLinia> peces;
    for (const Item& it : p.items) {
      peces.push_back({it.caixa.amplada, it.espaiAbans ? (it.quadrat ? kMesuresFull.quadrat * Em(text) : espai) : 0,
                       it.potTallar});
    }
    std::vector<std::size_t> inicis = OmpleLinies(peces, amplada_, p.sagnat);
    inicis.push_back(p.items.size());
    const double a = met_.Ascendent(text), d = met_.Descendent(text);
    const double buit = kMesuresFull.interliniaAlta / 2 * base_.punts, alt = kMesuresFull.interliniaAlta * base_.punts;
    for (std::size_t l = 0; l + 1 < inicis.size(); ++l) {
      Caixa linia;
      double x = p.sagnat;
      for (std::size_t i = inicis[l]; i < inicis[l + 1]; ++i) {
        const double abans = i > inicis[l] ? peces[i].espaiAbans : 0;
        Posa(linia, p.items[i].caixa, x + abans, 0);
        x += abans + p.items[i].caixa.amplada;
      }
      if (b.bases.empty()) {
        baseAnterior_ = -(d + buit);
        tintaAnterior_ = d;
      }
      const double interlinia = a + d + buit;
      const double pas =
          tintaAnterior_ + linia.ascendent + 1 > interlinia ? tintaAnterior_ + linia.ascendent + alt : interlinia;
      const double base = baseAnterior_ + pas;
      for (ElementFull e : linia.elements) {
        Desplaca(e, 0, base);
        b.elements.push_back(std::move(e));
      }
      b.amplada = std::max(b.amplada, linia.amplada);
      b.bases.push_back(base);
      b.alcada = base + std::max(d, linia.descendent) + (linia.descendent > d ? alt : buit);
      b.finals.push_back(b.alcada);
      baseAnterior_ = base;
      tintaAnterior_ = linia.descendent;
    }
  }

  // ---- Mathematics ----

  Caixa Node(std::size_t n, const LletraFull& l, int prof) {
    if (prof > kProfunditatMaxima) return {};
    const Peca& p = m_.peces[n];
    switch (p.tipus) {
      case TipusPeca::Expressio: return Expressio(p.fills, l, prof + 1);
      case TipusPeca::Equacions: return Sistema(p, l, prof + 1);
      case TipusPeca::Fraccio: return Fraccio(p, l, prof + 1);
      case TipusPeca::Arrel: return Arrel(p, l, prof + 1);
      case TipusPeca::Grup: return Grup(p, l, prof + 1);
      case TipusPeca::Nombre: return Text(p.text, Cara(l, FamiliaFull::Matematica, false));
      // variables in the text face's italic: real italic letters, searchable as themselves
      case TipusPeca::Variable: return Text(Utf8DeCp1252(p.text), Cara(l, FamiliaFull::Text, true));
      case TipusPeca::Infinit: return Text("\u221E", Cara(l, FamiliaFull::Matematica, false));
      case TipusPeca::Tros: return Text(Utf8DeCp1252(p.text), Cara(l, FamiliaFull::Text, false));
      case TipusPeca::Tabulador: return Espai(kMesuresFull.quadrat * Em(l));  // a run of them is collapsed by Expressio
      case TipusPeca::Negreta:
      case TipusPeca::Cursiva:
      case TipusPeca::Subratllat: return Expressio(p.fills, Estil(l, p.tipus), prof + 1);
      case TipusPeca::Contingut:
      case TipusPeca::Cas: return Expressio(p.fills, l, prof + 1);
      default: return {};
    }
  }


  static std::string SigneOperador(const std::string& op) {
    if (op == "-") return "\u2212";
    if (op == "\xB7") return "\u00B7";
    if (op == "->") return "\u2192";
    return Utf8DeCp1252(op);
  }

  // An operator's class: a binary operator with nothing to its left to operate on (a
  // sign, "−3", "= −2") is ordinary, as in TeX.
  static ClasseAtom ClasseOperador(const std::string& op, ClasseAtom anterior) {
    if (EsRelacio(op)) return ClasseAtom::Rel;
    if (op == "," || op == ";") return ClasseAtom::Punt;
    if (op == "/" || op == "|") return ClasseAtom::Ord;
    const bool sensePrimer = anterior == ClasseAtom::Cap || anterior == ClasseAtom::Bin || anterior == ClasseAtom::Rel ||
                             anterior == ClasseAtom::Obre || anterior == ClasseAtom::Punt;
    return sensePrimer ? ClasseAtom::Ord : ClasseAtom::Bin;
  }

  double EspaiAtoms(ClasseAtom a, ClasseAtom b, const LletraFull& l) const {
    if (a == ClasseAtom::Cap || b == ClasseAtom::Cap || l.punts < base_.punts * 0.95) return 0;  // scripts: none
    return kEmsEspai[kEspaisAtom[static_cast<int>(a)][static_cast<int>(b)]] * Em(l);
  }

  // The atoms of an expression, spaced by their classes from one table. `inici` is the
  // class of what stands before the expression on its line (an aligned system's
  // right-hand side follows its left one); `obert`, that more follows it (a piece of
  // an expression broken across lines), so that a last operator keeps its room.
  // `final`, when given, receives the class of the last atom, and a piece that follows
  // another one (`obert` before it) adds no room of its own before its first atom.
  Caixa Expressio(const std::vector<std::size_t>& fills, const LletraFull& l, int prof,
                  ClasseAtom inici = ClasseAtom::Cap, bool obert = false, ClasseAtom* final = nullptr) {
    Caixa c;
    Caixa darrera;  // the piece a script attaches to
    ClasseAtom anterior = inici;
    bool primer = final != nullptr && inici != ClasseAtom::Cap;  // room already after the piece before
    for (std::size_t k = 0; k < fills.size(); ++k) {
      const Peca& p = m_.peces[fills[k]];
      if (p.tipus == TipusPeca::Potencia || p.tipus == TipusPeca::Subindex) {
        Segueix(c, Script(p, darrera, l, prof));
        continue;
      }
      Caixa peca;
      ClasseAtom classe = ClasseAtom::Ord;
      if (p.tipus == TipusPeca::Operador) {
        classe = ClasseOperador(p.text, anterior);
        peca = Text(SigneOperador(p.text), Cara(l, FamiliaFull::Matematica, false));
      } else if (p.tipus == TipusPeca::Tros && p.text == " ") {
        if (!BlancVisible(m_, fills, k)) continue;
        Segueix(c, Espai(0.3 * Em(l)));  // a blank kept from the text: room, not an atom
        continue;
      } else if (p.tipus == TipusPeca::Tabulador) {
        if (k == 0 || m_.peces[fills[k - 1]].tipus != TipusPeca::Tabulador) Segueix(c, Node(fills[k], l, prof));
        continue;  // a run of tab stops is one quad
      } else {
        peca = Node(fills[k], l, prof);
      }
      if (!primer) Segueix(c, Espai(EspaiAtoms(anterior, classe, l)));
      primer = false;
      Segueix(c, peca);
      darrera = std::move(peca);
      anterior = classe;
    }
    if (obert) Segueix(c, Espai(EspaiAtoms(anterior, ClasseAtom::Ord, l)));
    if (final) *final = anterior;
    return c;
  }

  // An exponent or a subscript, moved as the MATH table says: by its shift, and no
  // less than its limit for the script's own ink; after a compound base (a fraction, a
  // root, tall brackets) also no further from the base's top or bottom than the
  // table's drop, while a glyph's height is ignored, as TeX does.
  Caixa Script(const Peca& p, const Caixa& base, const LletraFull& l, int prof) {
    const ConstantsMath& k = K();
    const double em = Em(l);
    const Caixa s = Expressio(p.fills, Petita(l, k.escalaScript), prof + 1);
    Caixa c;
    if (p.tipus == TipusPeca::Potencia) {
      double puja = std::max(k.superindexPuja * em, k.superindexBaixMin * em + s.descendent);
      if (!base.caracter) puja = std::max(puja, base.ascendent - k.superindexCaigudaMax * em);
      Posa(c, s, 0, -puja);
    } else {
      double baixa = std::max(k.subindexBaixa * em, s.ascendent - k.subindexDaltMax * em);
      if (!base.caracter) baixa = std::max(baixa, base.descendent + k.subindexCaigudaMin * em);
      Posa(c, s, 0, baixa);
    }
    c.amplada += k.espaiScript * em;
    return c;
  }

  Caixa Fraccio(const Peca& p, const LletraFull& l, int prof) {
    const Caixa num = p.fills.size() > 0 ? Node(p.fills[0], l, prof) : Caixa{};
    const Caixa den = p.fills.size() > 1 ? Node(p.fills[1], l, prof) : Caixa{};
    // display style, as the LaTeX sheet sets them: the parts' baselines at the table's
    // shifts, or further when their ink would come nearer the rule than its gaps
    const ConstantsMath& k = K();
    const double em = Em(l), marge = 0.12 * em, gruix = Gruix(l), eix = Eix(l);
    const double regla = std::max(num.amplada, den.amplada) + 2 * marge;
    const double puja = std::max(k.numeradorPuja * em, eix + gruix / 2 + k.numeradorBuit * em + num.descendent);
    const double baixa = std::max(k.denominadorBaixa * em, den.ascendent + k.denominadorBuit * em + gruix / 2 - eix);
    Caixa c;
    c.elements.push_back(Ratlla(0, -eix, regla, -eix, gruix));
    Posa(c, num, (regla - num.amplada) / 2, -puja);
    Posa(c, den, (regla - den.amplada) / 2, baixa);
    c.amplada = regla + 0.08 * Em(l);
    return c;
  }

  // A glyph of the mathematics face by its number, standing for `text`.
  static Caixa Glif(const GlifMath& g, const std::string& text, const LletraFull& m, double y) {
    Caixa c;
    ElementFull e;
    e.y = y;
    e.text = text;
    e.lletra = m;
    e.glif = g.id;
    c.elements.push_back(std::move(e));
    c.amplada = g.avanc * m.punts;
    c.ascendent = g.dalt * m.punts - y;
    c.descendent = -g.baix * m.punts + y;
    return c;
  }

  // A sign of the mathematics face as tall as `cal` at least, and the right end of its
  // ink in `dreta`: the character itself where it is tall enough, so that the sheet's
  // text reads it; else the face's shortest size variant that is; else built from the
  // face's parts, the extender repeated as often as it takes and the overlaps shared out
  // so that it reaches just that height. Its box is its ink; an empty box when the face
  // has no taller forms of it.
  Caixa SigneAlt(const std::string& text, const FormesAltes& formes, double cal, const LletraFull& m,
                 double& dreta) const {
    Caixa signe = Text(text, m);
    dreta = met_.Tinta(text, m).dreta;
    if (signe.ascendent + signe.descendent >= cal) return signe;
    const double em = Em(m);
    for (const GlifMath& g : formes.variants) {
      if ((g.dalt - g.baix) * em >= cal) {
        dreta = g.dreta * em;
        return Glif(g, text, m, 0);
      }
    }
    const std::vector<PecaMuntatge>& peces = formes.muntatge;
    if (peces.empty()) return {};
    // the parts bottom to top with the extenders repeated `r` times
    auto Parts = [&](int r) {
      std::vector<const PecaMuntatge*> v;
      for (const PecaMuntatge& p : peces) {
        for (int n = 0; n < (p.extensor ? r : 1); ++n) v.push_back(&p);
      }
      return v;
    };
    auto Suma = [](const std::vector<const PecaMuntatge*>& v) {
      double h = 0;
      for (const PecaMuntatge* p : v) h += p->alcada;
      return h;
    };
    const double minim = K().solapamentMin * em;
    std::vector<const PecaMuntatge*> v = Parts(1);
    for (int r = 1; r < 64 && Suma(v) * em - (static_cast<double>(v.size()) - 1) * minim < cal; ++r) v = Parts(r + 1);
    double maxim = 1e9;  // the overlap no join may exceed
    for (std::size_t i = 1; i < v.size(); ++i) maxim = std::min({maxim, v[i - 1]->final * em, v[i]->inici * em});
    const double juntes = static_cast<double>(v.size()) - 1;
    const double solapa = juntes > 0 ? std::clamp((Suma(v) * em - cal) / juntes, minim, std::max(minim, maxim)) : 0;
    Caixa c;
    double base = 0;  // the bottom of the next part, above the sign's bottom
    dreta = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
      Posa(c, Glif(v[i]->glif, i == 0 ? text : "", m, -base), 0, 0);
      base += v[i]->alcada * em - solapa;
    }
    dreta = v.back()->glif.dreta * em;
    c.caracter = false;
    return c;
  }

  // The radical sign from its top down `cal` at least (SigneAlt); a face without its
  // taller forms scales "√" up.
  Caixa SigneArrel(double cal, const LletraFull& m, double& dreta) const {
    Caixa signe = SigneAlt("\u221A", K().arrel, cal, m, dreta);
    if (!signe.elements.empty()) return signe;
    signe = Text("\u221A", m);
    const double alcada = signe.ascendent + signe.descendent;
    if (alcada > 0) signe = Text("\u221A", Petita(m, cal / alcada));
    dreta = met_.Tinta("\u221A", signe.elements.front().lletra).dreta;
    return signe;
  }

  // A root: the radical sign as tall as the radicand with the table's gap and rule
  // above it; the rule over the radicand continues the sign's top; an index, at the
  // script's script size, sits in the crook raised as the table says.
  Caixa Arrel(const Peca& p, const LletraFull& l, int prof) {
    const ConstantsMath& k = K();
    std::vector<std::size_t> radicand = p.fills;
    Caixa index;
    if (!radicand.empty() && m_.peces[radicand.front()].tipus == TipusPeca::IndexArrel) {
      const Peca& i = m_.peces[radicand.front()];
      if (IndexVisible(m_, i)) index = Expressio(i.fills, Petita(l, k.escalaScriptScript), prof + 1);
      radicand.erase(radicand.begin());
    }
    const Caixa r = Expressio(radicand, l, prof + 1);
    const double em = Em(l), gruix = std::max(0.4, k.reglaArrel * em);
    const LletraFull m = Cara(l, FamiliaFull::Matematica, false);
    const double dalt = std::max(r.ascendent, 0.5 * em) + k.arrelBuit * em + gruix;  // the rule's top
    const double cal = dalt + std::max(r.descendent, 0.0);
    double dreta = 0;
    const Caixa signe = SigneArrel(cal, m, dreta);
    const double y = signe.ascendent - dalt;  // the sign's baseline: its top on the rule's top
    double x = 0;
    Caixa c;
    if (!index.elements.empty()) {
      const double peu = y + signe.descendent - k.arrelIndexPuja * (signe.ascendent + signe.descendent);
      Posa(c, index, k.arrelAbansIndex * em, peu - index.descendent);
      x = std::max(0.0, k.arrelAbansIndex * em + index.amplada + k.arrelDespresIndex * em);
      // the index stays over the crook, left of the bar, however wide it is
      x = std::max(x, k.arrelAbansIndex * em + index.amplada + gruix / 2 - std::min(dreta, signe.amplada));
    }
    Posa(c, signe, x, y);
    const double xr = x + std::min(dreta, signe.amplada);
    c.elements.push_back(Ratlla(xr - gruix / 2, -dalt + gruix / 2, xr + r.amplada + 0.06 * em, -dalt + gruix / 2, gruix));
    Posa(c, r, xr, 0);
    c.ascendent = std::max(c.ascendent, dalt + k.arrelSobre * em);
    c.amplada = xr + r.amplada + 0.12 * em;
    c.caracter = false;
    return c;
  }

  // "(" or ")" as tall as what it holds: a character for a line's height; beyond it,
  // the face's taller form of it (SigneAlt) centred on what it holds, or a drawn curve
  // when the face has none.
  Caixa Parentesi(bool obre, double ascendent, double descendent, const LletraFull& l) const {
    const LletraFull m = Cara(l, FamiliaFull::Matematica, false);
    if (ascendent + descendent <= 1.5 * (met_.Ascendent(m) + met_.Descendent(m))) {  // a power inside fits
      return Text(obre ? "(" : ")", m);
    }
    double dreta = 0;
    const Caixa signe =
        SigneAlt(obre ? "(" : ")", obre ? K().obre : K().tanca, ascendent + descendent + 0.1 * Em(l), m, dreta);
    if (!signe.elements.empty()) {
      Caixa c;
      Posa(c, signe, 0, (descendent - ascendent) / 2 - (signe.descendent - signe.ascendent) / 2);
      c.amplada = signe.amplada;
      c.caracter = false;
      return c;
    }
    const double em = Em(l), dalt = -ascendent - 0.05 * em, baix = descendent + 0.05 * em;
    const double w = 0.3 * em, mig = (dalt + baix) / 2, mitja = (baix - dalt) / 2;
    std::vector<PuntFull> punts;
    for (int k = -6; k <= 6; ++k) {
      const double t = k / 6.0 * 1.1;  // radians either side of the middle
      const double x = 0.22 * em * (1 - std::cos(t)) / (1 - std::cos(1.1));
      punts.push_back({obre ? 0.05 * em + x : w - x, mig + mitja * std::sin(t) / std::sin(1.1)});
    }
    Caixa c;
    c.elements.push_back(Cami(std::move(punts), Gruix(l) * 1.4));
    c.amplada = w + 0.05 * em;
    c.ascendent = -dalt;
    c.descendent = baix;
    return c;
  }

  Caixa Grup(const Peca& p, const LletraFull& l, int prof) {
    const Caixa dins = Expressio(p.fills, l, prof + 1);
    const LletraFull m = Cara(l, FamiliaFull::Matematica, false);
    const double asc = std::max(dins.ascendent, met_.Ascendent(m)), desc = std::max(dins.descendent, met_.Descendent(m));
    Caixa c = Parentesi(true, asc, desc, l);
    Segueix(c, dins);
    if (p.text.size() > 1) Segueix(c, Parentesi(false, asc, desc, l));
    return c;
  }

  // A left brace `w` wide from `dalt` to `baix`, its point at `mig`: four curves that
  // turn within `r`, joined by straight stems.
  static std::vector<PuntFull> Clau(double w, double dalt, double mig, double baix, double r) {
    std::vector<PuntFull> punts{{w, dalt}};
    auto Corba = [&](PuntFull a, PuntFull b, PuntFull c, PuntFull d) {  // a cubic from a to d
      for (int k = 1; k <= 6; ++k) {
        const double t = k / 6.0, u = 1 - t;
        punts.push_back({u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
                         u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y});
      }
    };
    const double m = w / 2;
    Corba({w, dalt}, {m, dalt}, {m, dalt}, {m, dalt + r});
    Corba({m, mig - r}, {m, mig}, {m, mig}, {0, mig});
    Corba({0, mig}, {m, mig}, {m, mig}, {m, mig + r});
    Corba({m, baix - r}, {m, baix}, {m, baix}, {w, baix});
    return punts;
  }

  // Lines aligned on their first relation, under a left brace centred on the axis.
  Caixa Sistema(const Peca& p, const LletraFull& l, int prof) {
    std::vector<std::pair<Caixa, Caixa>> files;
    double esquerra = 0;
    for (const std::size_t f : p.fills) {
      const Peca& linia = m_.peces[f];
      const std::size_t k = PrimeraRelacio(m_, linia);
      const std::vector<std::size_t> a(linia.fills.begin(), linia.fills.begin() + static_cast<std::ptrdiff_t>(k));
      const std::vector<std::size_t> b(linia.fills.begin() + static_cast<std::ptrdiff_t>(k), linia.fills.end());
      files.emplace_back(Expressio(a, l, prof + 1), Expressio(b, l, prof + 1, ClasseAtom::Ord));
      esquerra = std::max(esquerra, files.back().first.amplada);
    }
    const double em = Em(l), clau = 0.45 * em, entre = 0.2 * em;
    Caixa cos;
    double y = 0;
    for (auto& [a, b] : files) {
      const double asc = std::max({a.ascendent, b.ascendent, met_.Ascendent(l)});
      const double desc = std::max({a.descendent, b.descendent, met_.Descendent(l)});
      Posa(cos, a, esquerra - a.amplada, y + asc);
      Posa(cos, b, esquerra, y + asc);
      y += asc + desc + entre;
    }
    const double alcada = std::max(y - entre, 0.0), dalt = -Eix(l) - alcada / 2, baix = dalt + alcada;
    const double mig = (dalt + baix) / 2, d = 0.15 * alcada;
    if (p.text == "=") {
      // Equations only aligned (a worked solution's steps), without a brace; the
      // block's first line on the baseline.
      const double primera = files.empty() ? 0 : std::max({files[0].first.ascendent, files[0].second.ascendent,
                                                           met_.Ascendent(l)});
      Caixa c;
      c.ascendent = primera;
      c.descendent = std::max(alcada - primera, 0.0);
      Posa(c, cos, 0, -primera);
      return c;
    }
    Caixa c;
    c.elements.push_back(Cami(Clau(clau, dalt, mig, baix, d), Gruix(l) * 1.4));
    c.ascendent = -dalt;
    c.descendent = std::max(baix, 0.0);
    Posa(c, cos, clau + 0.25 * em, dalt);
    c.amplada += 0.1 * em;
    return c;
  }

  const Model& m_;
  double amplada_;
  const MetriquesLletra& met_;
  LletraFull base_;
  std::vector<Paragraf> paragrafs_;
  double baseAnterior_ = 0;   // the baseline of the block's last line
  double tintaAnterior_ = 0;  // how far its ink goes below it
  bool blancPendent_ = false;  // a blank waits before the next piece
  bool quadratPendent_ = false;  // and it is a quad
  bool prosa_ = false;           // the last piece was a word of prose
  bool despresDeCas_ = false;  // the last piece ended a case
  bool enganxat_ = false;      // the next piece stays on the line of the one before (after a label)
};

}  // namespace

void Desplaca(ElementFull& e, double dx, double dy) {
  e.x += dx;
  e.y += dy;
  if (e.tipus == TipusElement::Linia) {
    e.x2 += dx;
    e.y2 += dy;
  }
  for (PuntFull& p : e.punts) {
    p.x += dx;
    p.y += dy;
  }
}

namespace {

// The width from piece i up to the next place a line may break: pieces glued together
// (a label and what follows it) move to the next line together.
double FinsAlTall(const std::vector<PecaLinia>& p, std::size_t i) {
  double w = p[i].amplada;
  for (std::size_t k = i + 1; k < p.size() && !p[k].potTallar; ++k) w += p[k].espaiAbans + p[k].amplada;
  return w;
}

// Whether pieces [a, b) fit a line.
bool Cap(const std::vector<PecaLinia>& p, std::size_t a, std::size_t b, double amplada) {
  double x = 0;
  for (std::size_t k = a; k < b; ++k) x += (k > a ? p[k].espaiAbans : 0) + p[k].amplada;
  return x <= amplada;
}

}  // namespace

std::vector<std::size_t> OmpleLinies(const std::vector<PecaLinia>& peces, double amplada, double sagnat) {
  std::vector<std::size_t> inicis{0};
  double x = sagnat;
  for (std::size_t i = 0; i < peces.size(); ++i) {
    const bool primera = i == inicis.back();
    const double abans = primera ? 0 : peces[i].espaiAbans;
    if (!primera && peces[i].potTallar && x + abans + FinsAlTall(peces, i) > amplada) {
      inicis.push_back(i);
      x = sagnat + peces[i].amplada;
      continue;
    }
    x += abans + peces[i].amplada;
  }
  // A lone short piece on the last line (less than a fifth of it) takes company from the
  // line before, when that line keeps two pieces and the last line still fits.
  const std::size_t n = inicis.size();
  if (n >= 2) {
    const std::size_t d = inicis[n - 1], a = inicis[n - 2];
    if (peces.size() - d == 1 && peces[d].amplada < amplada / 5 && d - a >= 3 && peces[d - 1].potTallar &&
        peces[d].espaiAbans > 0 && Cap(peces, d - 1, peces.size(), amplada - sagnat)) {
      inicis[n - 1] = d - 1;
    }
  }
  return inicis;
}

BlocTipografiat Tipografia(const Model& matematiques, double amplada, const MetriquesLletra& metriques,
                           const LletraFull& lletra) {
  return Tipografa(matematiques, amplada, metriques, lletra).Composa();
}

}  // namespace tirelo
