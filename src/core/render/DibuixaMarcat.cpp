// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/DibuixaMarcat.h"

#include <algorithm>
#include <string>
#include <vector>

#include "document/Marcat.h"
#include "document/Matematiques.h"
#include "document/Model.h"

namespace tirelo {
namespace {

constexpr char CR = '\r';

// Styled arguments ("#B(#I(...))") are drawn with their markup interpreted; past
// this depth an argument is drawn as written.
constexpr int ProfunditatMaxima = 16;

// The markup of a node's children as written: what the preview shows of the parts it
// does not interpret.
std::string EscritFills(const Model& m, const Peca& p) {
  std::string r;
  for (const std::size_t fill : p.fills) r += EscriuMarcat(m, fill);
  return r;
}

bool EsEstil(TipusPeca t) {
  return t == TipusPeca::Negreta || t == TipusPeca::Cursiva || t == TipusPeca::Subratllat;
}

// The renderer as a writer of the text's model. Plain characters gather in a pending
// run that is drawn at the pen whenever something else has to happen. Parts drawn as
// written (fractions, roots, styles nested too deep) skip their children.
class Tracador : public Visitant {
 public:
  Tracador(Pantalla& p, int x, const Model& m) : p_(p), x_(x), m_(m) {}

  void Obre(const Peca& p) override {
    if (salta_ > 0) {
      ++salta_;
      return;
    }
    switch (p.tipus) {
      case TipusPeca::Contingut:
      case TipusPeca::Expressio:
        break;
      case TipusPeca::Tros: Tros(p.text); break;
      case TipusPeca::Paragraf:
        Buida();
        LiniaNova();
        break;
      case TipusPeca::Barra: Caracter('|'); break;
      case TipusPeca::Potencia:
      case TipusPeca::Subindex: Indexa(p); break;
      case TipusPeca::Negreta:
      case TipusPeca::Cursiva:
      case TipusPeca::Subratllat: ObreEstil(p); break;
      default: Ordre(p); break;
    }
  }

  void Tanca(const Peca& p) override {
    const bool cru = salta_ == 1;
    if (salta_ > 1) {
      --salta_;
      return;
    }
    salta_ = 0;
    if (p.tipus == TipusPeca::Contingut) {
      Dibuixa(rtf_.Acaba());
      Buida();
    }
    if (!EsEstil(p.tipus)) return;
    Buida();
    if (!cru) --estils_;
    p_.PosaLletra(lletres_.back());
    lletres_.pop_back();
  }

 private:
  void Caracter(char c) {
    if (static_cast<unsigned char>(c) < 13) return;  // LF, TAB and other controls
    if (c == ' ' && col_ > LlindarSalt) {
      // Word wrap: the space that breaks the line is not drawn.
      Buida();
      LiniaNova();
      return;
    }
    pendent_ += c;
    ++col_;
  }

  // Bytes and the raw RTF they embed, as the one markup reader reads it
  // (document/Matematiques.h): a tab stop is 8 blanks, "\line" and "\par" a new line,
  // "{\super ...}" and "{\sub ...}" a script.
  void Tros(std::string_view t) { Dibuixa(rtf_.Llegeix(t)); }

  void Dibuixa(const std::vector<PecaRtf>& peces) {
    for (const PecaRtf& p : peces) {
      switch (p.tipus) {
        case TipusRtf::Caracter: Caracter(p.c); break;
        case TipusRtf::Tabulador: pendent_.append(EspaisTabRtf, ' '); break;
        case TipusRtf::Salt:
          Buida();
          LiniaNova();
          break;
        case TipusRtf::Script: Script(p.script, p.text); break;
      }
    }
  }

  void Buida() {
    if (pendent_.empty()) return;
    p_.Escriu(pendent_);
    pendent_.clear();
  }

  void LiniaNova() {
    p_.MouA(x_, p_.PosY() + AvancLinia);
    col_ = 0;
  }

  void Avanca(int dx) { p_.MouA(p_.PosX() + dx, p_.PosY()); }

  // A "#" command other than the styles; its argument counts as written.
  void Ordre(const Peca& p) {
    Buida();
    if (!p.ambLletra) return;  // a "#" that ends the text
    std::size_t llargada = p.text.size();
    if (p.tipus == TipusPeca::Fraccio) {
      llargada = (p.tabs > 0 ? 1 : 0) + m_.peces[p.fills[0]].llargada + (p.ambBarra ? 1 : 0) +
                 m_.peces[p.fills[1]].llargada;
    } else if (p.tipus == TipusPeca::Arrel) {
      llargada = p.llargada;
    }
    col_ += static_cast<int>(llargada);
    switch (p.tipus) {
      case TipusPeca::Sagnat: Avanca(PasTabulador * p.xifra); break;
      case TipusPeca::Tabulador: Avanca(PasTabulador); break;
      case TipusPeca::Infinit: Cercles(); break;
      case TipusPeca::Fraccio:
        Fraccio(p.tabs, EscriuMarcat(m_, p.fills[0]), EscriuMarcat(m_, p.fills[1]));
        salta_ = 1;
        break;
      case TipusPeca::Arrel:
        Arrel(EscritFills(m_, p));
        salta_ = 1;
        break;
      case TipusPeca::Sistema: Bloc(p.text); break;
      default: break;  // any other letter draws nothing
    }
  }

  // "#B", "#I", "#S": the argument in bold, italics or underlined, its own markup
  // drawn as in the document. Past ProfunditatMaxima styles it is drawn as written.
  void ObreEstil(const Peca& p) {
    Buida();
    const DescripcioLletra abans = p_.Descripcio();
    lletres_.push_back(abans);
    DescripcioLletra d = abans;
    if (p.tipus == TipusPeca::Negreta) d.pes = PesNegreta;
    if (p.tipus == TipusPeca::Cursiva) d.cursiva = true;
    if (p.tipus == TipusPeca::Subratllat) d.subratllada = true;
    p_.PosaLletra(d);
    if (estils_ < ProfunditatMaxima) {
      ++estils_;
      return;
    }
    pendent_ = EscritFills(m_, p);
    col_ += static_cast<int>(pendent_.size());
    Buida();
    salta_ = 1;
  }

  // "#&": two small circles side by side, like an infinity sign.
  void Cercles() {
    const int x = p_.PosX(), y = p_.PosY() + 10;
    p_.Canvas().Ellipse(x, y - 3, x + 6, y + 3);
    p_.Canvas().Ellipse(x + 6, y - 3, x + 12, y + 3);
    Avanca(14);
  }

  // "#F": numerator over a bar over denominator, each part written as it is. The
  // denominator's cell starts just below the bar, as the numerator's ends just above
  // it. The pen then stands after the wider part, on the line's own y.
  void Fraccio(int tabs, const std::string& num, const std::string& den) {
    const int ln = static_cast<int>(num.size()), ld = static_cast<int>(den.size());
    const int w = std::max(ln, ld);
    const int x0 = p_.PosX() + PasTabulador * tabs, y0 = p_.PosY();
    Llenc& llenc = p_.Canvas();
    llenc.Linia({x0, y0 + 10}, {x0 + AmpladaSuposada * w, y0 + 10});
    EscriuA(llenc, x0 + AmpladaSuposada * (w - ln) / 2, y0 - 10, num);
    EscriuA(llenc, x0 + AmpladaSuposada * (w - ld) / 2, y0 + 12, den);
    p_.MouA(x0 + AmpladaSuposada * w, y0);
  }

  // "#R": the radical sign, then the radicand under the sign's bar, which starts
  // where the sign ends so that the sign does not cover the radicand.
  void Arrel(const std::string& radicand) {
    const int x0 = p_.PosX(), y0 = p_.PosY();
    const int fi = x0 + 6 + AmpladaSuposada * static_cast<int>(radicand.size());
    p_.EscriuA(x0 + 6, y0, radicand);
    const Punt signe[] = {{x0, y0}, {x0 + 2, y0 + 12}, {x0 + 6, y0 - 2}, {fi, y0 - 2}};
    p_.Canvas().Polilinia(signe);
    p_.MouA(fi, y0);
  }

  // "#M": the block as the document shows it, a bar opening every line and a bar
  // closing every line but the last. Its content is not interpreted.
  void Bloc(std::string_view argument) {
    pendent_ = "|";
    for (const char c : argument) {
      if (c == CR) {
        pendent_ += '|';
        Buida();
        LiniaNova();
        pendent_ = "|";
      } else if (static_cast<unsigned char>(c) >= 13) {
        pendent_ += c;
      }
    }
    Buida();
  }

  // "^" or "_": the argument as written; an unclosed one shows nothing. "^{" raises
  // the raw text up to the next "}", as the reader reads it.
  void Indexa(const Peca& p) {
    Buida();
    if (!p.buit && p.text == "{") {
      rtf_.ObreScript(p.tipus);
      return;
    }
    Script(p.tipus, p.buit ? std::string_view() : std::string_view(p.text));
  }

  void Script(TipusPeca tipus, std::string_view text) {
    Buida();
    p_.EntraIndex(tipus == TipusPeca::Potencia ? Index::Superindex : Index::Subindex);
    p_.Escriu(text);
    p_.SurtIndex();
    col_ += static_cast<int>(text.size());
  }

  Pantalla& p_;
  const int x_;
  const Model& m_;
  LectorRtf rtf_;
  std::string pendent_;
  int col_ = 0;
  int estils_ = 0;                        // styles open and interpreted
  int salta_ = 0;                         // > 0 inside a part drawn as written
  std::vector<DescripcioLletra> lletres_;  // the font before each open style
};

}  // namespace

void DibuixaMarcat(Pantalla& p, int x, int y, std::string_view text) {
  p.MouA(x, y);
  if (!p.Lligada()) return;
  const Model m = LlegeixMarcat(text, {IndexObert::Buit});
  Tracador t(p, x, m);
  Recorre(m, t);
}

}  // namespace tirelo
