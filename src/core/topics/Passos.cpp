// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Passos.h"

#include <algorithm>
#include <string>

#include "document/Notacio.h"
#include "topics/PassosComu.h"

namespace tirelo {

namespace passos {

int64_t Mcd(int64_t a, int64_t b) {
  a = a < 0 ? -a : a;
  b = b < 0 ? -b : b;
  while (b != 0) {
    const int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

int64_t Mcm(int64_t a, int64_t b) {
  const int64_t g = Mcd(a, b);
  return g == 0 ? 0 : (a < 0 ? -a : a) / g * (b < 0 ? -b : b);
}

}  // namespace passos

namespace {


// A line that lists equations in two or more unknowns ("x+2y = 10; 3y = 12") is a
// system, set as one (braced, each equation on its line, aligned on its "="); a list of
// alternatives in one unknown ("x = 5; x = -5") stays a list.
Expressio ComASistema(Expressio e) {
  using passos::Tram;
  const Tram linia = passos::Linia(e);
  if (linia.empty() || e.Arbre().Arrel().fills.size() != 1) return e;
  const std::vector<Tram> parts = passos::Parts(linia, ";");
  if (parts.size() < 2) return e;
  std::string lletres;
  for (const Tram& part : parts) {
    int iguals = 0;
    for (std::size_t k = 0; k < part.size(); ++k) {
      if (part.Es(k, TipusPeca::Operador, "=")) ++iguals;
      if (part.Es(k, TipusPeca::Variable) && lletres.find(part[k].text) == std::string::npos) lletres += part[k].text;
    }
    if (iguals != 1) return e;
  }
  if (lletres.size() < 2) return e;
  const Model& font = e.Arbre();
  Model m;
  m.peces.emplace_back();
  const std::size_t sistema = m.Nou(TipusPeca::Equacions);
  m.peces[0].fills.push_back(sistema);
  for (const Tram& part : parts) {
    const std::size_t eq = m.Nou(TipusPeca::Expressio);
    m.peces[sistema].fills.push_back(eq);
    // Each equation keeps its nodes, the blanks around "=" with them.
    const auto& tots = font.peces[font.Arrel().fills[0]].fills;
    const auto primer = std::find(tots.begin(), tots.end(), part.nodes.front());
    const auto darrer = std::find(tots.begin(), tots.end(), part.nodes.back());
    for (auto it = primer; it != tots.end() && it <= darrer; ++it) m.Empelta(eq, font, *it);
  }
  return Expressio(std::move(m));
}

}  // namespace

std::vector<Pas> Resolucio(int tema, int subtipus, const Apartat& apartat) {
  using namespace passos;
  const Dades c{apartat.enunciat, apartat.resposta, EscriuNotacio(apartat.resposta)};
  Linies l;
  switch (tema) {
    case 1: l = PassosDivisors(subtipus, c); break;
    case 2: l = PassosIgualtats(subtipus, c); break;
    case 3: l = PassosFraccions(subtipus, c); break;
    case 4: l = PassosPotencies(subtipus, c); break;
    case 5: l = PassosArrels(subtipus, c); break;
    case 6: l = PassosOperacions(subtipus, c); break;
    case 7: l = PassosPercentatges(subtipus, c); break;
    case 8: l = PassosEquacions(subtipus, c); break;
    case 9: l = PassosFuncions(subtipus, c); break;
    default: break;
  }
  std::vector<Pas> r;
  std::string anterior;
  for (std::size_t k = 0; k < l.notacio.size(); ++k) {
    LecturaNotacio lectura = LlegeixNotacio(l.notacio[k]);
    if (!lectura.Llegida()) return {};  // a case not in its subtype's shape
    std::string escrit = EscriuNotacio(lectura.expressio);
    std::erase(escrit, ' ');
    // A line that writes the one before again says nothing new; its reason, if the
    // first had none, goes with it.
    if (!r.empty() && escrit == anterior) {
      if (r.back().justificacio.empty()) r.back().justificacio = l.perque[k];
      continue;
    }
    r.push_back(Pas{ComASistema(std::move(lectura.expressio)), l.perque[k]});
    anterior = std::move(escrit);
  }
  return r;
}

void PosaResolucions(int tema, int subtipus, std::vector<Apartat>& apartats) {
  for (Apartat& a : apartats) a.passos = Resolucio(tema, subtipus, a);
}

}  // namespace tirelo
