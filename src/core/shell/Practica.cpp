// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Practica.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "document/Notacio.h"
#include "full/Tipografia.h"
#include "mathtext/Text.h"
#include "shell/Genera.h"
#include "topics/Cataleg.h"

namespace tirelo {

namespace {

std::size_t Caracters(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool EnBlanc(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

ExerciciPractica Prepara(Exercici e) {
  ExerciciPractica p;
  if (e.recepta) p.forma = FormaDelSubtipus(e.recepta->tema, e.recepta->subtipus);
  for (Apartat& a : ApartatsDe(e)) {
    CasPractica c;
    c.etiqueta = std::move(a.etiqueta);
    c.enunciat = std::move(a.enunciat);
    c.solucio = FormaSimple(a.resposta, p.forma);
    c.clau = std::move(a.resposta);
    c.passos = std::move(a.passos);
    p.casos.push_back(std::move(c));
  }
  p.exercici = std::move(e);
  return p;
}

}  // namespace

bool CasPractica::Resolt() const {
  return mostrat || (veredicte && veredicte->tipus != TipusVeredicte::Illegible);
}

std::variant<Practica, ErrorCodi> Practica::DelCodi(std::string_view codi) {
  auto llegit = LlegeixCodi(codi);
  if (auto* e = std::get_if<ErrorCodi>(&llegit)) return std::move(*e);
  const auto& full = std::get<FullCodificat>(llegit);
  LotGenerat lot = GeneraSeries(OpcionsDelCodi(full), full.llavor);
  std::string escrit = EscriuCodi(full).value_or(std::string(codi));
  std::string nom = "codi " + escrit;
  return Practica(std::move(lot.exercicis), std::move(escrit), std::move(nom));
}

Practica Practica::DeLaSerie(int tema, int subtipus, int casos, int exercicis, uint64_t llavor, int nivell) {
  OpcionsGenera o;
  SerieDemanada s;
  s.tema = tema;
  s.subtipus = subtipus;
  s.casos = std::clamp(casos, 1, 255);
  s.exercicis = std::clamp(exercicis, 1, MaximExercicisPractica);
  s.nivell = std::clamp(nivell, NivellMinim, NivellMaxim);
  o.series.push_back(s);
  o.llavor = llavor;
  LotGenerat lot = GeneraSeries(o, llavor);
  std::string codi = CodiDeLesSeries(lot.exercicis, o.series, o.forma, o.pista, llavor).value_or("");
  std::string nom;
  const auto cataleg = Cataleg();
  if (tema >= 1 && tema <= static_cast<int>(cataleg.size())) {
    std::string menu(cataleg[static_cast<std::size_t>(tema) - 1].nom);
    if (!menu.empty() && menu[0] >= 'a' && menu[0] <= 'z') menu[0] = static_cast<char>(menu[0] - 'a' + 'A');
    nom = Utf8DeCp1252(menu);
  }
  return Practica(std::move(lot.exercicis), std::move(codi), std::move(nom));
}

Practica::Practica(std::vector<tirelo::Exercici> exercicis, std::string codi, std::string nom)
    : codi_(std::move(codi)), nom_(std::move(nom)) {
  for (auto& e : exercicis) exercicis_.push_back(Prepara(std::move(e)));
}

std::vector<ExerciciPractica> Practica::Fets() const {
  const auto fins = std::min<std::size_t>(exercicis_.size(), static_cast<std::size_t>(actual_) + 1);
  return {exercicis_.begin(), exercicis_.begin() + static_cast<std::ptrdiff_t>(fins)};
}

std::vector<std::optional<Veredicte>> Practica::Comprova(const std::vector<std::string>& respostes) {
  std::vector<std::optional<Veredicte>> r;
  if (Acabada()) return r;
  const auto& casos = exercicis_[static_cast<std::size_t>(actual_)].casos;
  for (std::size_t k = 0; k < casos.size(); ++k) {
    if (k < respostes.size()) Comprova(k, respostes[k]);
    r.push_back(casos[k].veredicte);
  }
  return r;
}

std::optional<Veredicte> Practica::Comprova(std::size_t cas, std::string_view respostaUtf8) {
  if (Acabada()) return std::nullopt;
  auto& ex = exercicis_[static_cast<std::size_t>(actual_)];
  if (cas >= ex.casos.size()) return std::nullopt;
  CasPractica& c = ex.casos[cas];
  if (c.Tancat() || EnBlanc(respostaUtf8)) return c.veredicte;
  Veredicte v;
  if (Caracters(respostaUtf8) > LlargadaMaximaResposta) {
    v.tipus = TipusVeredicte::Illegible;
    v.missatge = "La resposta \xC3\xA9s massa llarga: com a m\xC3\xA0xim " + std::to_string(LlargadaMaximaResposta) +
                 " car\xC3\xA0\x63ters.";
  } else {
    try {
      v = tirelo::Comprova(c.clau, ex.forma, respostaUtf8);
    } catch (const std::exception&) {
      v.tipus = TipusVeredicte::Illegible;
      v.missatge = "No s'ent\xC3\xA9n la resposta.";
    }
  }
  c.resposta = std::string(respostaUtf8);
  if (v.tipus != TipusVeredicte::Illegible) {
    ++c.intents;
    if (v.tipus == TipusVeredicte::Correcte && c.passosVistos > 0) {
      c.encertat = true;  // right with its steps seen: shown, as already counted
    } else if (v.tipus == TipusVeredicte::Correcte) {
      c.encertat = true;
      ++(c.intents == 1 ? punts_.alPrimer : punts_.despres);
      punts_.millorRatxa = std::max(punts_.millorRatxa, ++punts_.ratxa);
    } else {
      punts_.ratxa = 0;
    }
  }
  c.veredicte = std::move(v);
  return c.veredicte;
}

const Expressio& Practica::MostraSolucio(std::size_t cas) {
  static const Expressio buida;
  if (Acabada()) return buida;
  auto& casos = exercicis_[static_cast<std::size_t>(actual_)].casos;
  if (cas >= casos.size()) return buida;
  CasPractica& c = casos[cas];
  if (!c.Tancat()) {
    c.mostrat = true;
    if (c.passosVistos == 0) ++punts_.mostrats;  // counted at its first step otherwise
    punts_.ratxa = 0;
  }
  return c.solucio;
}

const Pas* Practica::PasSeguent(std::size_t cas) {
  if (Acabada()) return nullptr;
  auto& casos = exercicis_[static_cast<std::size_t>(actual_)].casos;
  if (cas >= casos.size()) return nullptr;
  CasPractica& c = casos[cas];
  if (c.Tancat() || c.passosVistos >= c.passos.size()) return nullptr;
  if (c.passosVistos == 0) {
    ++punts_.mostrats;
    punts_.ratxa = 0;
  }
  return &c.passos[c.passosVistos++];
}

std::string Practica::Pista() {
  if (Acabada()) return {};
  auto& ex = exercicis_[static_cast<std::size_t>(actual_)];
  ex.pistaVista = true;
  std::string pista = ex.exercici.pista;
  while (!pista.empty() && pista.back() == ' ') pista.pop_back();
  if (!pista.empty()) return Utf8DeCp1252(pista) + "\n" + PistaDeLaForma(ex.forma);
  return PistaDeLaForma(ex.forma);
}

bool Practica::PotPassar() const {
  if (Acabada()) return false;
  const auto& casos = ExerciciActual().casos;
  return std::all_of(casos.begin(), casos.end(), [](const CasPractica& c) { return c.Resolt(); });
}

bool Practica::Seguent() {
  if (!Acabada()) ++actual_;
  return !Acabada();
}

bool Practica::EnCurs() const {
  for (int k = 0; k <= actual_ && k < Nombre(); ++k) {
    for (const auto& c : exercicis_[static_cast<std::size_t>(k)].casos) {
      if (c.veredicte || c.mostrat) return !Acabada();
    }
  }
  return false;
}

std::string LiniaPuntuacio(const Puntuacio& p) {
  return "Correctes a la primera: " + std::to_string(p.alPrimer) + " \xC2\xB7 Despr\xC3\xA9s de reintentar: " +
         std::to_string(p.despres) + " \xC2\xB7 Solucions vistes: " + std::to_string(p.mostrats) +
         " \xC2\xB7 Ratxa: " + std::to_string(p.ratxa);
}

std::string PistaDeLaForma(FormaResposta forma) {
  switch (forma) {
    case FormaResposta::Qualsevol: return "Escriu el resultat: qualsevol forma equivalent \xC3\xA9s correcta.";
    case FormaResposta::Irreductible: return "Escriu les fraccions irreductibles: simplifica-les del tot.";
    case FormaResposta::Expandida:
      return "Treu els par\xC3\xA8ntesis i agrupa els termes semblants (per exemple, 2x^2-5x+3).";
    case FormaResposta::FactorComu: return "Treu factor com\xC3\xBA: escriu-ho com un producte, per exemple 3x(x+2).";
    case FormaResposta::Factoritzada: return "Escriu-ho com un producte de factors, per exemple (x+1)(x-1).";
    case FormaResposta::DenominadorRacional:
      return "Racionalitza: que no quedi cap arrel al denominador (\xE2\x88\x9A s'escriu arrel(20)).";
    case FormaResposta::FraccioUnica: return "Escriu-ho com una sola fracci\xC3\xB3, per exemple (x+1)/(x-2).";
    case FormaResposta::PotenciaUnaBase: return "Escriu-ho com una sola pot\xC3\xA8ncia, per exemple 2^5.";
    case FormaResposta::FactorsPrimers: return "Descompon-lo en factors primers, per exemple 2^3\xC2\xB7" "3.";
    case FormaResposta::Resolta: return "A\xC3\xAFlla la inc\xC3\xB2gnita; diverses solucions, separades per ; (x = 3; x = -2).";
    case FormaResposta::Centims: return "Arrodoneix als c\xC3\xA8ntims, per exemple 99,84 \xE2\x82\xAC.";
  }
  return {};
}

std::string TextVeredicte(const Veredicte& v) {
  switch (v.tipus) {
    case TipusVeredicte::Correcte: return "\xE2\x9C\x93 Correcte";
    case TipusVeredicte::Incorrecte:
      return v.missatge.empty() || v.missatge == "Incorrecte." ? std::string("\xE2\x9C\x97 Incorrecte")
                                                               : "\xE2\x9C\x97 " + v.missatge;
    case TipusVeredicte::Forma:
    case TipusVeredicte::Illegible: return v.missatge;
  }
  return v.missatge;
}

namespace {

// Lays the result page out line by line, a new page when a block no longer fits.
class Pagines {
 public:
  Pagines(Full& full, const MetriquesLletra& m) : full_(full), m_(m) { full_.pagines.emplace_back(); }

  double Amplada() const { return full_.amplada - 2 * Marge2cm; }

  // Text broken into lines at blanks to fit the width, from `sagnat` points in.
  void Text(std::string_view utf8, const LletraFull& l, double sagnat = 0) {
    std::string linia;
    std::size_t k = 0;
    while (k <= utf8.size()) {
      std::size_t fi = utf8.find(' ', k);
      if (fi == std::string_view::npos) fi = utf8.size();
      std::string paraula(utf8.substr(k, fi - k));
      std::string prova = linia.empty() ? paraula : linia + " " + paraula;
      if (!linia.empty() && m_.Amplada(prova, l) > Amplada() - sagnat) {
        Linia(linia, l, sagnat);
        linia = paraula;
      } else {
        linia = std::move(prova);
      }
      k = fi + 1;
    }
    if (!linia.empty()) Linia(linia, l, sagnat);
  }

  void Bloc(BlocTipografiat b, double sagnat) {
    Cap(b.alcada);
    for (ElementFull& e : b.elements) {
      Desplaca(e, Marge2cm + sagnat, y_);
      full_.pagines.back().elements.push_back(std::move(e));
    }
    y_ += b.alcada + 4;
  }

  void Espai(double punts) { y_ += punts; }

 private:
  void Linia(const std::string& text, const LletraFull& l, double sagnat) {
    const double asc = m_.Ascendent(l), desc = m_.Descendent(l);
    Cap(asc + desc);
    ElementFull e;
    e.tipus = TipusElement::Text;
    e.x = Marge2cm + sagnat;
    e.y = y_ + asc;
    e.text = text;
    e.lletra = l;
    full_.pagines.back().elements.push_back(std::move(e));
    y_ += asc + desc + 2;
  }

  void Cap(double alcada) {
    if (y_ + alcada > full_.alcada - Marge2cm && y_ > Marge2cm) {
      full_.pagines.emplace_back();
      y_ = Marge2cm;
    }
  }

  Full& full_;
  const MetriquesLletra& m_;
  double y_ = Marge2cm;
};

}  // namespace

Full FullDelResultat(const Practica& practica, std::string_view data, const MetriquesLletra& metriques) {
  Full full;
  full.titol = "Resultat de la pr\xC3\xA0\x63tica";
  Pagines p(full, metriques);
  LletraFull titol;
  titol.punts = 16;
  titol.negreta = true;
  LletraFull text;
  text.punts = 11;
  LletraFull negreta = text;
  negreta.negreta = true;
  p.Text(full.titol + (practica.Nom().empty() ? "" : ": " + practica.Nom()), titol);
  p.Espai(4);
  p.Text("Codi del full: " + (practica.Codi().empty() ? std::string("cap") : practica.Codi()), text);
  p.Text("Data: " + std::string(data), text);
  p.Text(LiniaPuntuacio(practica.Punts()), text);
  p.Espai(8);
  int numero = 0;
  for (const ExerciciPractica& ex : practica.Fets()) {
    p.Text("Exercici " + std::to_string(++numero), negreta);
    p.Bloc(Tipografia(MatematiquesEnunciat(ex.exercici), p.Amplada() - 12, metriques, text), 12);
    for (const CasPractica& c : ex.casos) {
      std::string linia = c.etiqueta.empty() ? std::string() : Utf8DeCp1252(c.etiqueta) + " ";
      linia += "Resposta: " + (c.resposta.empty() ? std::string("(cap)") : c.resposta);
      if (c.veredicte) linia += " \xE2\x80\x94 " + TextVeredicte(*c.veredicte);
      if (c.intents > 1) linia += " (" + std::to_string(c.intents) + " intents)";
      if (c.mostrat) linia += " \xE2\x80\x94 Soluci\xC3\xB3 vista: " + EscriuNotacio(c.solucio);
      p.Text(linia, text, 12);
    }
    p.Espai(6);
  }
  return full;
}

}  // namespace tirelo
