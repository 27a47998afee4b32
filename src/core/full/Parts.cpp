// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "full/Parts.h"

#include <algorithm>
#include <utility>

#include "document/Matematiques.h"
#include "document/NombresCatalans.h"
#include "document/Notacio.h"

namespace tirelo {
namespace {

bool EsLletra(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || u >= 0xC0;
}

// The character at t[i] as a printed page has it: an apostrophe between letters as "’",
// a straight double quote as « or », by whether a quote is open.
std::string SigneTipografic(std::string_view t, std::size_t i, bool& obertes) {
  const char c = t[i];
  if (c == '\'' && i > 0 && i + 1 < t.size() && EsLletra(t[i - 1]) && EsLletra(t[i + 1])) return "\x92";
  if (c != '"') return std::string(1, c);
  obertes = !obertes;
  return obertes ? "\xAB" : "\xBB";
}

// A typeset sheet's prose as a printed page has it, in the batch's Windows-1252: the
// apostrophe between letters as "’", straight double quotes as Catalan quotes « »,
// and the "&" of "(& solucions)" (the plain text's sign for infinitely many) as
// "infinites". The RTF keeps the batch's own text.
void ProsaTipografica(Model& m) {
  std::vector<std::size_t> trossos;
  for (std::size_t k = 0; k < m.peces.size(); ++k) {
    if (m.peces[k].tipus == TipusPeca::Tros) trossos.push_back(k);
  }
  bool obertes = false;  // a quote has been opened
  for (std::size_t n = 0; n < trossos.size(); ++n) {
    const std::string& t = m.peces[trossos[n]].text;
    std::string seguent;  // the prose after this run, as far as the word after a sign
    for (std::size_t k = n + 1; k < trossos.size() && k <= n + 2; ++k) seguent += m.peces[trossos[k]].text;
    std::string r;
    for (std::size_t i = 0; i < t.size(); ++i) {
      if (t[i] == '&' && (t.substr(i + 1) + seguent).starts_with(" solucions")) {
        r += "infinites";
      } else {
        r += SigneTipografic(t, i, obertes);
      }
    }
    m.peces[trossos[n]].text = std::move(r);
  }
}

bool EsOperand(TipusPeca t) {
  return t == TipusPeca::Nombre || t == TipusPeca::Variable || t == TipusPeca::Grup || t == TipusPeca::Arrel ||
         t == TipusPeca::Potencia || t == TipusPeca::Subindex;
}

// A hint's rule written on one line, "N1·N2/D1·D2", means the products over each
// other: the fraction takes the products written against its bar, "·" by "·", into
// its numerator and denominator, so that it does not read (N1·N2/D1)·D2.
void ProductesSobreLaBarra(Model& m) {
  for (std::size_t n = 0; n < m.peces.size(); ++n) {
    if (m.peces[n].tipus != TipusPeca::Expressio && m.peces[n].tipus != TipusPeca::Grup) continue;
    std::vector<std::size_t> fills = m.peces[n].fills;
    auto Producte = [&](std::size_t op) {
      return op < fills.size() && m.peces[fills[op]].tipus == TipusPeca::Operador && m.peces[fills[op]].text == "\xB7";
    };
    // a bar left as a sign between products ("N1.N2 / D1.D2"): a fraction of the
    // products, the blanks around the bar gone
    auto Blanc = [&](std::size_t i) { return m.peces[fills[i]].tipus == TipusPeca::Tros && m.peces[fills[i]].text == " "; };
    auto Barra = [&](std::size_t i) {
      return i < fills.size() && m.peces[fills[i]].tipus == TipusPeca::Operador && m.peces[fills[i]].text == "/";
    };
    for (std::size_t k = 0; k < fills.size();) {
      if (Blanc(k) && ((k > 0 && Barra(k - 1)) || Barra(k + 1))) {
        fills.erase(fills.begin() + static_cast<std::ptrdiff_t>(k));
      } else {
        ++k;
      }
    }
    for (std::size_t k = 1; k + 1 < fills.size(); ++k) {
      const Peca& barra = m.peces[fills[k]];
      if (barra.tipus != TipusPeca::Operador || barra.text != "/") continue;
      std::size_t a = k, b = k + 1;
      while (a > 0 && EsOperand(m.peces[fills[a - 1]].tipus)) --a;
      while (a < k && a >= 2 && Producte(a - 1) && EsOperand(m.peces[fills[a - 2]].tipus)) {
        a -= 2;
        while (a > 0 && EsOperand(m.peces[fills[a - 1]].tipus)) --a;
      }
      while (b < fills.size() && EsOperand(m.peces[fills[b]].tipus)) ++b;
      while (b > k + 1 && b + 1 < fills.size() && Producte(b) && EsOperand(m.peces[fills[b + 1]].tipus)) {
        b += 2;
        while (b < fills.size() && EsOperand(m.peces[fills[b]].tipus)) ++b;
      }
      if (a == k || b == k + 1) continue;
      const std::size_t num = m.Nou(TipusPeca::Expressio, {}, {fills.begin() + static_cast<std::ptrdiff_t>(a), fills.begin() + static_cast<std::ptrdiff_t>(k)});
      const std::size_t den = m.Nou(TipusPeca::Expressio, {}, {fills.begin() + static_cast<std::ptrdiff_t>(k + 1), fills.begin() + static_cast<std::ptrdiff_t>(b)});
      const std::size_t fraccio = m.Nou(TipusPeca::Fraccio, {}, {num, den});
      fills.erase(fills.begin() + static_cast<std::ptrdiff_t>(a), fills.begin() + static_cast<std::ptrdiff_t>(b));
      fills.insert(fills.begin() + static_cast<std::ptrdiff_t>(a), fraccio);
      k = a;
    }
    for (std::size_t k = 0; k < fills.size(); ++k) {
      const Peca& f = m.peces[fills[k]];
      if (f.tipus != TipusPeca::Fraccio || f.fills.size() != 2) continue;
      std::size_t a = k, b = k + 1;  // the products [a, k) and (k, b) join the fraction
      while (a >= 2 && Producte(a - 1) && EsOperand(m.peces[fills[a - 2]].tipus)) {
        a -= 2;
        while (a > 0 && EsOperand(m.peces[fills[a - 1]].tipus)) --a;  // "N1": operands written together
      }
      while (b + 1 < fills.size() && Producte(b) && EsOperand(m.peces[fills[b + 1]].tipus)) {
        b += 2;
        while (b < fills.size() && EsOperand(m.peces[fills[b]].tipus)) ++b;
      }
      if (a == k && b == k + 1) continue;
      const std::size_t num = m.peces[fills[k]].fills[0], den = m.peces[fills[k]].fills[1];
      std::vector<std::size_t>& nf = m.peces[num].fills;
      nf.insert(nf.begin(), fills.begin() + static_cast<std::ptrdiff_t>(a), fills.begin() + static_cast<std::ptrdiff_t>(k));
      std::vector<std::size_t>& df = m.peces[den].fills;
      df.insert(df.end(), fills.begin() + static_cast<std::ptrdiff_t>(k + 1), fills.begin() + static_cast<std::ptrdiff_t>(b));
      const std::size_t fraccio = fills[k];
      fills.erase(fills.begin() + static_cast<std::ptrdiff_t>(a), fills.begin() + static_cast<std::ptrdiff_t>(b));
      fills.insert(fills.begin() + static_cast<std::ptrdiff_t>(a), fraccio);
      k = a;
    }
    m.peces[n].fills = std::move(fills);
  }
}

Model Tipografic(Model m) {
  ProsaTipografica(m);
  return m;
}

// A hint left empty shows nothing on a typeset sheet: no lone "Comentari:".
TextFull Text(const TextIPista& t, Model matematiques, bool ambResp, int espai) {
  const bool buit = !t.comentari || t.comentari->find_first_not_of(' ', 13) == std::string::npos;
  return {ambResp, t.text, std::move(matematiques), buit ? std::nullopt : t.comentari, espai};
}


// A new node of `m` as the last child of its root.
void AlFinal(Model& m, std::size_t node) { m.peces[0].fills.push_back(node); }

// Whether a step is one equation ("4x-8x = -4-4"): one stretch with one "=" and no list.
bool UnaEquacio(const Model& pas) {
  const auto& arrel = pas.Arrel().fills;
  if (arrel.size() != 1 || pas.peces[arrel[0]].tipus != TipusPeca::Expressio) return false;
  int iguals = 0;
  for (const std::size_t f : pas.peces[arrel[0]].fills) {
    const Peca& q = pas.peces[f];
    if (q.tipus != TipusPeca::Operador) continue;
    if (q.text == "," || q.text == ";" || (EsRelacio(q.text) && q.text != "=")) return false;
    if (q.text == "=") ++iguals;
  }
  return iguals == 1;
}

bool TeVariables(const Model& m) {
  return std::any_of(m.peces.begin(), m.peces.end(), [](const Peca& p) { return p.tipus == TipusPeca::Variable; });
}

// Characters of a step and its reason beyond which a line of aligned equations could be
// wider than a column: such a run is set a step a line, unaligned.
constexpr std::size_t kAmpladaAlineada = 60;

// The key with worked solutions: each case's answer on its line (after its label), then
// its steps, a line each and indented. A step that is a value follows an "=", so that a
// chain of values lines up on its signs; a run of steps that are one equation each is set
// as a block aligned on their "=" (an Equacions node without a brace, text "="); a system
// is braced and aligned on its own; the reason follows in brackets.
Model RespostaAmbPassos(const Exercici& e) {
  Model m;
  m.peces.emplace_back();
  bool primer = true;
  for (const Apartat& a : e.apartats) {
    if (!primer) AlFinal(m, m.Nou(TipusPeca::Paragraf));
    primer = false;
    std::size_t pare = 0;
    if (!a.etiqueta.empty()) {
      pare = m.Nou(TipusPeca::Cas, a.etiqueta);
      m.peces[0].fills.push_back(pare);
    }
    for (const std::size_t f : a.resposta.Arbre().Arrel().fills) m.Empelta(pare, a.resposta.Arbre(), f);
    const auto Rao = [](const Pas& p) { return p.justificacio.empty() ? std::string() : "   (" + p.justificacio + ")"; };
    const auto Alineable = [&](const Pas& p) {
      return UnaEquacio(p.expressio.Arbre()) &&
             EscriuNotacio(p.expressio).size() + Rao(p).size() <= kAmpladaAlineada;
    };
    for (std::size_t k = 0; k < a.passos.size();) {
      AlFinal(m, m.Nou(TipusPeca::Paragraf));
      const std::size_t sagnat = m.Nou(TipusPeca::Sagnat);
      m.peces[sagnat].xifra = 1;
      m.peces[0].fills.push_back(sagnat);
      std::size_t fi = k;
      // A run holds equations of one kind: facts about numbers (a discriminant, a
      // factorisation) or equations in the unknowns, never both.
      while (fi < a.passos.size() && Alineable(a.passos[fi]) &&
             TeVariables(a.passos[fi].expressio.Arbre()) == TeVariables(a.passos[k].expressio.Arbre()))
        ++fi;
      if (fi - k >= 2) {
        const std::size_t bloc = m.Nou(TipusPeca::Equacions, "=");
        AlFinal(m, bloc);
        for (; k < fi; ++k) {
          const Model& pas = a.passos[k].expressio.Arbre();
          const std::size_t linia = m.Nou(TipusPeca::Expressio);
          m.peces[bloc].fills.push_back(linia);
          for (const std::size_t f : pas.peces[pas.Arrel().fills[0]].fills) m.Empelta(linia, pas, f);
          const std::string r = Rao(a.passos[k]);
          if (!r.empty()) {
            const std::size_t t = m.Nou(TipusPeca::Tros, r);
            m.peces[linia].fills.push_back(t);
          }
        }
        continue;
      }
      const Pas& p = a.passos[k++];
      const Model& pas = p.expressio.Arbre();
      bool relacio = false;
      // A relation, or a list (of solutions), stands without the "=".
      for (const Peca& q : pas.peces) {
        relacio = relacio || (q.tipus == TipusPeca::Operador && (EsRelacio(q.text) || q.text == "," || q.text == ";"));
      }
      for (const std::size_t f : pas.Arrel().fills) {
        const std::size_t abans = m.peces.size();
        m.Empelta(0, pas, f);
        if (!relacio && m.peces[abans].tipus == TipusPeca::Expressio) {
          const std::size_t igual = m.Nou(TipusPeca::Operador, "=");
          auto& fills = m.peces[abans].fills;
          fills.insert(fills.begin(), igual);
          relacio = true;
        }
      }
      if (!p.justificacio.empty()) AlFinal(m, m.Nou(TipusPeca::Tros, Rao(p)));
    }
  }
  return m;
}

// The names of the variables under node `arrel` of `m`, each once, gathered into
// `variables`; `relacio` set when an "=" stands there.
void Recull(const Model& m, std::size_t arrel, std::vector<std::string>& variables, bool& relacio) {
  std::vector<std::size_t> pila{arrel};
  while (!pila.empty()) {
    const Peca& p = m.peces[pila.back()];
    pila.pop_back();
    if (p.tipus == TipusPeca::Variable &&
        std::find(variables.begin(), variables.end(), p.text) == variables.end())
      variables.push_back(p.text);
    if (p.tipus == TipusPeca::Operador && p.text == "=") relacio = true;
    pila.insert(pila.end(), p.fills.begin(), p.fills.end());
  }
}

bool EsSeparador(const Peca& p) { return p.tipus == TipusPeca::Operador && (p.text == "," || p.text == ";"); }

}  // namespace

Expressio SolucionsEscrites(const Apartat& a) {
  const Model& r = a.resposta.Arbre();
  if (r.Arrel().fills.size() != 1 || r.peces[r.Arrel().fills[0]].tipus != TipusPeca::Expressio) return a.resposta;
  // the answer's items, between its separators, blanks left out
  std::vector<std::vector<std::size_t>> items(1);
  for (const std::size_t f : r.peces[r.Arrel().fills[0]].fills) {
    const Peca& p = r.peces[f];
    if (EsSeparador(p)) {
      items.emplace_back();
    } else if (!(p.tipus == TipusPeca::Tros && p.text == " ")) {
      items.back().push_back(f);
    }
  }
  std::vector<bool> relacions;
  std::size_t ambRelacio = 0;
  for (const auto& item : items) {
    if (item.empty()) return a.resposta;
    std::vector<std::string> vars;
    bool rel = false;
    for (const std::size_t f : item) Recull(r, f, vars, rel);
    if (rel != (item.size() >= 3 && r.peces[item[0]].tipus == TipusPeca::Variable &&
                r.peces[item[1]].tipus == TipusPeca::Operador && r.peces[item[1]].text == "="))
      return a.resposta;  // a relation, but not "x = value": left as written
    if (!rel && !vars.empty()) return a.resposta;  // an expression, not a value
    ambRelacio += rel ? 1 : 0;
  }
  std::string incognita;
  if (ambRelacio == 0) {  // bare values: the solutions of the statement's one unknown
    std::vector<std::string> vars;
    bool equacio = false;
    for (const std::size_t f : a.enunciat.Arbre().Arrel().fills) Recull(a.enunciat.Arbre(), f, vars, equacio);
    if (!equacio || vars.size() != 1) return a.resposta;
    incognita = vars.front();
  } else if (ambRelacio != items.size()) {
    return a.resposta;
  }
  Model m;
  m.peces.emplace_back();
  const std::size_t e = m.Nou(TipusPeca::Expressio);
  m.peces[0].fills.push_back(e);
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k > 0) {
      const std::size_t coma = m.Nou(TipusPeca::Operador, ",");
      const std::size_t blanc = m.Nou(TipusPeca::Tros, " ");
      m.peces[e].fills.push_back(coma);
      m.peces[e].fills.push_back(blanc);
    }
    if (!incognita.empty()) {
      const std::size_t x = m.Nou(TipusPeca::Variable, incognita);
      m.peces[e].fills.push_back(x);
      if (items.size() > 1) {
        const std::size_t xifra = m.Nou(TipusPeca::Nombre, std::to_string(k + 1));
        const std::size_t sub = m.Nou(TipusPeca::Subindex, {}, {xifra});
        m.peces[e].fills.push_back(sub);
      }
      const std::size_t igual = m.Nou(TipusPeca::Operador, "=");
      m.peces[e].fills.push_back(igual);
    }
    for (const std::size_t f : items[k]) m.Empelta(e, r, f);
  }
  return Expressio(std::move(m));
}

namespace {

// A worked solution ends at its answer: on the sheet, its last step is the answer as the
// sheet writes it above the steps (in its simplest form, its solutions named), not as it
// was drawn; a last step that then only repeats the one before is left out.
void AcabaEnLaResposta(Apartat& a) {
  if (a.passos.empty()) return;
  a.passos.back().expressio = a.resposta;
  if (a.passos.size() >= 2 &&
      EscriuNotacio(a.passos.back().expressio) == EscriuNotacio(a.passos[a.passos.size() - 2].expressio))
    a.passos.pop_back();
}

// The answer's mathematics as the sheet sets it, numbers in Catalan notation: when the exercise still has
// its drawn cases, each case's answer in its subtype's simplest form when the sheet asks for it, its
// solutions named after their unknown, and its worked solution under it when the sheet asks for that.
Model RespostaDelFull(const Exercici& e, const OpcionsFull& opcions) {
  const bool simplifica = opcions.respostesSimplificades && opcions.formaDelSubtipus && e.recepta;
  if (ApartatsVigents(e).empty()) return Tipografic(NombresCatalans(MatematiquesResposta(e)));
  Exercici simple = e;
  const FormaResposta forma =
      simplifica ? opcions.formaDelSubtipus(e.recepta->tema, e.recepta->subtipus) : FormaResposta::Qualsevol;
  for (Apartat& a : simple.apartats) {
    if (simplifica) a.resposta = FormaSimple(a.resposta, forma);
    a.resposta = SolucionsEscrites(a);
    if (opcions.resolucio) AcabaEnLaResposta(a);
  }
  return Tipografic(NombresCatalans(opcions.resolucio ? RespostaAmbPassos(simple) : MatematiquesResposta(simple)));
}

}  // namespace

std::vector<GrupFull> PartsDelFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions) {
  const int espai = std::clamp(opcions.espai, 0, 20);
  std::vector<GrupFull> r;
  for (std::size_t k = 0; k < exercicis.size(); ++k) {
    GrupFull g;
    g.numero = static_cast<int>(k) + 1;
    g.textos.push_back(Text(EnunciatIPista(exercicis[k]), Tipografic(NombresCatalans(MatematiquesEnunciat(exercicis[k]))), false, espai));
    if (opcions.disposicio == 0)
      g.textos.push_back(Text(RespostaIPista(exercicis[k]), RespostaDelFull(exercicis[k], opcions), true, 0));
    r.push_back(std::move(g));
  }
  if (opcions.disposicio == 0) return r;
  for (std::size_t k = 0; k < exercicis.size(); ++k) {
    GrupFull g;
    g.numero = static_cast<int>(k) + 1;
    g.respostesAbans = k == 0;
    g.textos.push_back(Text(RespostaIPista(exercicis[k]), RespostaDelFull(exercicis[k], opcions), false, 0));
    r.push_back(std::move(g));
  }
  return r;
}

bool IndexVisible(const Model& m, const Peca& index) {
  return !(index.fills.size() == 1 && m.peces[index.fills[0]].tipus == TipusPeca::Nombre &&
           m.peces[index.fills[0]].text == "2");
}

Model PistaDelFull(const std::string& comentari) {
  Model m = LlegeixMatematiques(comentari);
  ProductesSobreLaBarra(m);
  return Tipografic(std::move(m));
}

std::string TitolTipografic(std::string_view titol) {
  std::string r;
  bool obertes = false;
  for (std::size_t i = 0; i < titol.size(); ++i) r += SigneTipografic(titol, i, obertes);
  return r;
}

std::string TextVersio(const OpcionsFull& opcions) {
  return opcions.versio.empty() ? std::string() : "Versi\xF3 " + opcions.versio;
}

std::string CodiEnGrups(std::string_view codi) {
  std::string r;
  for (std::size_t i = 0; i < codi.size(); i += 4) {
    if (i > 0) r += ' ';
    r += codi.substr(i, 4);
  }
  return r;
}

}  // namespace tirelo
