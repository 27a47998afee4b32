// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "render/DibuixaMarcat.h"

#include <algorithm>
#include <string>

#include "document/Marcat.h"

namespace tirelo {
namespace {

constexpr char CR = '\r';

// Styled arguments ("#B(#I(...))") are drawn with their markup interpreted; past
// this depth an argument is drawn as written, so hostile texts cannot exhaust the stack.
constexpr int ProfunditatMaxima = 16;

// One pass of the renderer over one text. Plain characters gather in a pending run
// that is drawn at the pen whenever something else has to happen.
class Tracador {
 public:
  Tracador(Pantalla& p, int x) : p_(p), x_(x) {}

  void Recorre(std::string_view text, int profunditat) {
    std::size_t i = 0;
    while (i < text.size()) i = Caracter(text, i, profunditat);
    Buida();
  }

 private:
  // Handles the character at i and returns where reading goes on.
  std::size_t Caracter(std::string_view text, std::size_t i, int profunditat) {
    const char c = text[i];
    switch (c) {
      case CR:
        Buida();
        LiniaNova();
        return i + 1;
      case '#':
        Buida();
        return Ordre(text, i + 1, profunditat);
      case '\\':
        Buida();
        return SequenciaRtf(text, i + 1);
      case '^':
      case '_':
        Buida();
        return Indexa(text, i + 1, c == '^' ? Index::Superindex : Index::Subindex);
      default:
        break;
    }
    if (static_cast<unsigned char>(c) < 13) return i + 1;  // LF, TAB and other controls
    if (c == ' ' && col_ > LlindarSalt) {
      // Word wrap: the space that breaks the line is not drawn.
      Buida();
      LiniaNova();
      return i + 1;
    }
    pendent_ += c;
    ++col_;
    return i + 1;
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

  // "#": i is at the command letter.
  std::size_t Ordre(std::string_view text, std::size_t i, int profunditat) {
    if (i >= text.size()) return i;  // a "#" that ends the text
    const char lletra = LletraOrdre(text[i]);
    const std::string_view resta = text.substr(i + 1);
    const Argument a = LlargadaArgument(resta);
    const std::size_t seguent = i + 1 + std::min(a.llargada, resta.size());
    if (lletra == 'B' || lletra == 'I' || lletra == 'S') {
      Estilitzat(lletra, a.text, profunditat);
      return seguent;
    }
    col_ += static_cast<int>(a.text.size());
    if (lletra >= '0' && lletra <= '9') {
      Avanca(PasTabulador * (lletra - '0'));
    } else if (lletra == 'T') {
      Avanca(PasTabulador);
    } else if (lletra == '&') {
      Cercles();
    } else if (lletra == 'F') {
      Fraccio(a.text);
    } else if (lletra == 'R') {
      Arrel(a.text);
    } else if (lletra == 'M') {
      Bloc(a.text);
    }
    return seguent;
  }

  // "#B", "#I", "#S": the argument in bold, italics or underlined, its own markup
  // drawn as in the document.
  void Estilitzat(char lletra, std::string_view argument, int profunditat) {
    const DescripcioLletra abans = p_.Descripcio();
    DescripcioLletra d = abans;
    if (lletra == 'B') d.pes = PesNegreta;
    if (lletra == 'I') d.cursiva = true;
    if (lletra == 'S') d.subratllada = true;
    p_.PosaLletra(d);
    if (profunditat < ProfunditatMaxima) {
      Recorre(argument, profunditat + 1);
    } else {
      pendent_ = argument;
      col_ += static_cast<int>(argument.size());
      Buida();
    }
    p_.PosaLletra(abans);
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
  void Fraccio(std::string_view argument) {
    int tabs = 0;
    if (!argument.empty() && argument[0] >= 1 && argument[0] <= 9) {
      tabs = argument[0];
      argument.remove_prefix(1);
    }
    const std::size_t barra = argument.find('/');
    const std::string_view num = barra == std::string_view::npos ? std::string_view() : argument.substr(0, barra);
    const std::string_view den = barra == std::string_view::npos ? argument : argument.substr(barra + 1);
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
  void Arrel(std::string_view argument) {
    const int x0 = p_.PosX(), y0 = p_.PosY();
    const int fi = x0 + 6 + AmpladaSuposada * static_cast<int>(argument.size());
    p_.EscriuA(x0 + 6, y0, argument);
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

  // "\": i is after the backslash.
  std::size_t SequenciaRtf(std::string_view text, std::size_t i) {
    if (const auto c = CaracterEscapat(text.substr(i))) {
      pendent_ += *c;
      return i + 3;
    }
    std::size_t fi = i;
    while (fi < text.size() && text[fi] != ' ' && text[fi] != '\\') ++fi;
    const std::string_view paraula = text.substr(i, fi - i);
    if (paraula == "tab") pendent_.append(EspaisTabRtf, ' ');
    if (paraula == "line") LiniaNova();
    return fi;  // the delimiter is read as the next character
  }

  // "^" or "_": i is after the marker.
  std::size_t Indexa(std::string_view text, std::size_t i, Index quin) {
    const std::string_view resta = text.substr(i);
    const Argument a = ArgumentIndex(resta);
    p_.EntraIndex(quin);
    p_.Escriu(a.text);
    p_.SurtIndex();
    col_ += static_cast<int>(a.text.size());
    return i + std::min(a.llargada, resta.size());
  }

  Pantalla& p_;
  const int x_;
  std::string pendent_;
  int col_ = 0;
};

}  // namespace

void DibuixaMarcat(Pantalla& p, int x, int y, std::string_view text) {
  p.MouA(x, y);
  if (!p.Lligada()) return;
  Tracador(p, x).Recorre(text, 0);
}

}  // namespace tirelo
