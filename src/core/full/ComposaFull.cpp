// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The sheet composer: the parts of the sheet (full/Parts.h), typeset one by one, placed
// down A4 pages inside 2 cm margins. A group (an exercise, or its answer in the key)
// moves whole to the next page when it does not fit the rest of this one, and is cut
// between lines only when it is taller than a page. The header goes on the first
// page, "k/n" and the sheet code in every footer.
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "document/Matematiques.h"
#include "full/Full.h"
#include "full/Parts.h"
#include "full/Tipografia.h"
#include "mathtext/Text.h"

namespace tirelo {
namespace {

constexpr MesuresFull kM = kMesuresFull;
constexpr double kPuntsText = kM.puntsText;
constexpr double kPuntsTitol = kM.puntsTitol;
constexpr double kPuntsPeu = kM.puntsPeu;
constexpr double kLiniaEspai = kM.liniaEspai;
constexpr double kEntreGrups = kM.entreGrups;
constexpr double kEntreTextos = kM.entreTextos;

// Elements relative to a group's top, and where the group may be cut.
struct Grup {
  double alcada = 0;
  std::vector<ElementFull> elements;
  std::vector<double> talls;  // increasing, the last one the group's height
};

// The height below which an element belongs to the part of a group it is drawn in.
double Referencia(const ElementFull& e) {
  if (e.tipus == TipusElement::Linia) return std::min(e.y, e.y2);
  double y = e.y;
  for (const PuntFull& p : e.punts) y = std::min(y, p.y);
  return y;
}

ElementFull TextEn(double x, double y, std::string utf8, const LletraFull& l) {
  ElementFull e;
  e.x = x;
  e.y = y;
  e.text = std::move(utf8);
  e.lletra = l;
  return e;
}

class Compositor {
 public:
  Compositor(const OpcionsFull& opcions, const MetriquesLletra& metriques) : opcions_(opcions), met_(metriques) {
    full_.titol = Utf8DeCp1252(opcions.titol);
    NovaPagina();
  }

  Full Composa(const std::vector<Exercici>& exercicis) {
    Capcalera();
    for (const GrupFull& g : PartsDelFull(exercicis, opcions_)) {
      if (g.respostesAbans) Respostes();
      Posa(GrupDe(g));
    }
    Peus();
    return std::move(full_);
  }

 private:
  double Esquerra() const { return kM.marge; }
  double Amplada() const { return full_.amplada - 2 * kM.marge; }
  double Baix() const { return full_.alcada - kM.marge; }

  static LletraFull Lletra(double punts, bool negreta = false) {
    LletraFull l;
    l.punts = punts;
    l.negreta = negreta;
    return l;
  }

  void NovaPagina() {
    full_.pagines.emplace_back();
    y_ = kM.marge;
  }
  std::vector<ElementFull>& Elements() { return full_.pagines.back().elements; }

  // A line of text at the cursor, moved down by its height.
  void LiniaDeText(const std::string& utf8, const LletraFull& l, double x) {
    y_ += met_.Ascendent(l);
    Elements().push_back(TextEn(x, y_, utf8, l));
    y_ += met_.Descendent(l) + 0.3 * l.punts;
  }

  // The title, centred, with the version at the right margin on the same line; the
  // lines "Nom:", "Curs:", "Data:", each ruled to the right margin.
  void Capcalera() {
    const LletraFull titol = Lletra(kPuntsTitol, true);
    const std::string text = Utf8DeCp1252(TitolTipografic(opcions_.titol)), versio = Utf8DeCp1252(TextVersio(opcions_));
    if (!text.empty() || !versio.empty()) {
      const double y = y_;
      const LletraFull l = Lletra(kPuntsText, true);
      // lines centred clear of the version at the right
      const double lliure = Amplada() - (versio.empty() ? 0 : 2 * (met_.Amplada(versio, l) + kEntreGrups));
      for (const std::string& linia : Linies(text, lliure, titol)) {
        LiniaDeText(linia, titol, Esquerra() + (Amplada() - met_.Amplada(linia, titol)) / 2);
      }
      if (!versio.empty()) {
        const double base = text.empty() ? y + met_.Ascendent(l) : y + met_.Ascendent(titol);
        Elements().push_back(TextEn(Esquerra() + Amplada() - met_.Amplada(versio, l), base, versio, l));
        if (text.empty()) y_ = base + met_.Descendent(l) + 0.3 * kPuntsText;
      }
      y_ += kEntreGrups;
    }
    if (opcions_.capcalera) {
      const LletraFull l = Lletra(kPuntsText);
      for (const char* linia : kLiniesCapcalera) {
        y_ += 6;
        LiniaDeText(linia, l, Esquerra());
        const double base = y_ - met_.Descendent(l) - 0.3 * kPuntsText + 2;
        ElementFull r;
        r.tipus = TipusElement::Linia;
        r.x = Esquerra() + met_.Amplada(std::string(linia) + " ", l);
        r.x2 = Esquerra() + Amplada();
        r.y = r.y2 = base;
        Elements().push_back(std::move(r));
      }
      y_ += kEntreGrups;
    }
  }

  // A text broken into lines at its blanks by the sheet's line filler.
  std::vector<std::string> Linies(const std::string& text, double amplada, const LletraFull& l) const {
    std::vector<std::string> paraules;
    std::istringstream s(text);
    for (std::string p; s >> p;) paraules.push_back(p);
    std::vector<PecaLinia> peces;
    const double espai = met_.Amplada(" ", l);
    for (const std::string& p : paraules) peces.push_back({met_.Amplada(p, l), espai, true});
    std::vector<std::size_t> inicis = OmpleLinies(peces, amplada);
    inicis.push_back(paraules.size());
    std::vector<std::string> r;
    for (std::size_t k = 0; k + 1 < inicis.size(); ++k) {
      std::string linia;
      for (std::size_t i = inicis[k]; i < inicis[k + 1]; ++i) linia += (i > inicis[k] ? " " : "") + paraules[i];
      if (!linia.empty()) r.push_back(linia);
    }
    return r;
  }

  // "Respostes" at the top of a new page.
  void Respostes() {
    NovaPagina();
    LiniaDeText(kTitolRespostes, Lletra(kPuntsTitol - 2, true), Esquerra());
    y_ += kEntreGrups;
  }

  // A text typeset at x within the group, its first baseline returned.
  double Bloc(Grup& g, const Model& matematiques, double x, double y, const LletraFull& l) {
    BlocTipografiat b = Tipografia(matematiques, Esquerra() + Amplada() - x, met_, l);
    for (ElementFull& e : b.elements) {
      Desplaca(e, x, y);
      g.elements.push_back(std::move(e));
    }
    for (const double f : b.finals) g.talls.push_back(y + f);
    g.alcada = y + b.alcada;
    return y + (b.bases.empty() ? met_.Ascendent(l) : b.bases.front());
  }

  // "1)" in bold hanging before the exercise's texts, each text with its hint below it
  // and its answer space after it.
  Grup GrupDe(const GrupFull& parts) {
    const LletraFull text = Lletra(kPuntsText), negreta = Lletra(kPuntsText, true);
    const double sagnat = Esquerra() + kM.sagnatNumero * kPuntsText;
    Grup g;
    bool primer = true;
    for (const TextFull& t : parts.textos) {
      const double y = primer ? 0 : g.alcada + kEntreTextos;
      double x = sagnat;
      if (t.ambResp) x += met_.Amplada("Resp: ", text);
      const auto abans = static_cast<std::ptrdiff_t>(g.elements.size());
      const double base = Bloc(g, t.matematiques, x, y, text);
      if (t.ambResp) g.elements.insert(g.elements.begin() + abans, TextEn(sagnat, base, "Resp:", text));
      if (primer) g.elements.insert(g.elements.begin(), TextEn(Esquerra(), base, std::to_string(parts.numero) + ")", negreta));
      if (t.comentari) Bloc(g, PistaDelFull(*t.comentari), sagnat, g.alcada, text);
      if (t.espai > 0) {
        g.alcada += t.espai * kLiniaEspai;
        g.talls.push_back(g.alcada);
      }
      primer = false;
    }
    return g;
  }

  // The group at the cursor; on the next page when it does not fit here but fits a
  // page; cut between its lines when it is taller than a page.
  void Posa(const Grup& g) {
    const double pagina = Baix() - kM.marge;
    if (y_ + g.alcada > Baix() && y_ > kM.marge && g.alcada <= pagina) NovaPagina();
    if (y_ + g.alcada <= Baix() || g.alcada <= pagina) {
      PosaTros(g, 0, g.alcada, y_);
      y_ += g.alcada + kEntreGrups;
      return;
    }
    double des_de = 0;
    for (std::size_t k = 0; k < g.talls.size(); ++k) {
      const double fins = g.talls[k];
      if (y_ + fins - des_de > Baix() && y_ > kM.marge) NovaPagina();
      PosaTros(g, des_de, fins, y_);
      y_ += fins - des_de;
      des_de = fins;
    }
    y_ += kEntreGrups;
  }

  // The elements of the group between heights a and b, placed from page height y.
  void PosaTros(const Grup& g, double a, double b, double y) {
    for (const ElementFull& e : g.elements) {
      const double r = Referencia(e);
      const bool primer = a == 0;
      const bool darrer = b >= g.alcada;
      if ((r >= a || primer) && (r < b || darrer)) {
        ElementFull c = e;
        Desplaca(c, 0, y - a);
        Elements().push_back(std::move(c));
      }
    }
  }

  // "k/n" at the right of every footer, the sheet code at its left in groups of four,
  // its first line on the footer's baseline and as many more below it as it takes,
  // so that the footer never climbs into the text.
  void Peus() {
    const LletraFull l = Lletra(kPuntsPeu);
    const double base = full_.alcada - kM.peu;
    const std::size_t n = full_.pagines.size();
    const std::vector<std::string> codi = LiniesCodi(l, Amplada() - met_.Amplada(" 00/00", l) - kPuntsPeu);
    const double interlinia = met_.Ascendent(l) + met_.Descendent(l);
    for (std::size_t k = 0; k < n; ++k) {
      auto& e = full_.pagines[k].elements;
      double y = base;
      for (const std::string& linia : codi) {
        e.push_back(TextEn(Esquerra(), y, linia, l));
        y += interlinia;
      }
      const std::string numero = std::to_string(k + 1) + "/" + std::to_string(n);
      e.push_back(TextEn(Esquerra() + Amplada() - met_.Amplada(numero, l), base, numero, l));
    }
  }

  std::vector<std::string> LiniesCodi(const LletraFull& l, double amplada) const {
    return Linies(Utf8DeCp1252(CodiEnGrups(opcions_.codi)), amplada, l);
  }

  const OpcionsFull& opcions_;
  const MetriquesLletra& met_;
  Full full_;
  double y_ = 0;  // the cursor: the top of what comes next on the page
};

}  // namespace

Full ComposaFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions, const MetriquesLletra& metriques) {
  return Compositor(opcions, metriques).Composa(exercicis);
}

}  // namespace tirelo
