// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Comprova.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <utility>

#include "document/Exercici.h"
#include "motor/Motor.h"
#include "topics/Cataleg.h"

namespace tirelo {

namespace {

ErrorOpcions Error(std::string m) { return ErrorOpcions{std::move(m)}; }

std::optional<long long> Enter(const std::string& s) {
  if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::stoll(s);
}

}  // namespace

std::variant<OpcionsComprova, ErrorOpcions> LlegeixOpcionsComprova(const std::vector<std::string>& args,
                                                                   const std::vector<DescripcioTema>& temes) {
  OpcionsComprova o;
  bool ambResposta = false;
  // The options of its own; the rest draw the exercises as `genera` does, which wants an
  // output: the JSON one, never written here.
  std::vector<std::string> delGenera;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.genera.ajuda = true;
      return o;
    }
    if (a == "--sortida" || a == "--versions" || a == "--json" || a == "--lot")
      return Error("comprova no escriu cap full: " + a + " no hi t\xC3\xA9 sentit");
    if (a != "--exercici" && a != "--cas" && a != "--resposta") {
      delGenera.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) return Error("falta el valor de " + a);
    const std::string& v = args[++i];
    if (a == "--resposta") {
      o.resposta = v;
      ambResposta = true;
    } else if (a == "--cas") {
      std::string lletra = v;
      if (!lletra.empty() && lletra.back() == ')') lletra.pop_back();
      if (lletra.empty() || lletra.size() > 2 || lletra.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
        return Error("--cas \"" + v + "\": cal la lletra d'un cas (a, b, c...)");
      o.cas = lletra;
    } else {
      const auto n = Enter(v);
      if (!n || *n < 1) return Error("--exercici \"" + v + "\": cal un nombre a partir d'1");
      o.exercici = static_cast<int>(*n);
    }
  }
  delGenera.emplace_back("--json");
  auto genera = LlegeixOpcionsGenera(delGenera, temes);
  if (const auto* e = std::get_if<ErrorOpcions>(&genera)) return *e;
  o.genera = std::move(std::get<OpcionsGenera>(genera));
  if (o.genera.ajuda) return o;
  if (!o.genera.llavor) return Error("cal --llavor N o --codi CODI: sense llavor, l'exercici seria un altre cada cop");
  if (!ambResposta) return Error("cal --resposta TEXT");
  return o;
}

std::variant<std::string, ErrorOpcions> ComprovaResposta(const OpcionsComprova& opcions) {
  const LotGenerat lot = GeneraSeries(opcions.genera, *opcions.genera.llavor);
  if (opcions.exercici > static_cast<int>(lot.exercicis.size()))
    return Error("no hi ha l'exercici " + std::to_string(opcions.exercici) + ": el full en t\xC3\xA9 " +
                 std::to_string(lot.exercicis.size()));
  const Exercici& e = lot.exercicis[static_cast<std::size_t>(opcions.exercici) - 1];
  const std::vector<Apartat> apartats = ApartatsDe(e);
  const Apartat* cas = &apartats.front();
  if (!opcions.cas.empty()) {
    cas = nullptr;
    for (const Apartat& a : apartats) {
      if (a.etiqueta == opcions.cas + ")") cas = &a;
    }
    if (!cas) return Error("l'exercici " + std::to_string(opcions.exercici) + " no t\xC3\xA9 el cas " + opcions.cas + ")");
  }
  const FormaResposta forma =
      e.recepta ? FormaDelSubtipus(e.recepta->tema, e.recepta->subtipus) : FormaResposta::Qualsevol;
  const Veredicte v = Comprova(cas->resposta, forma, opcions.resposta);
  const nlohmann::ordered_json j{{"veredicte", std::string(NomVeredicte(v.tipus))}, {"llegit", v.llegit}, {"missatge", v.missatge}};
  return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string AjudaComprova() {
  return "\xC3\xBAs: tirelo comprova (--serie TEMA:SUBTIPUS[:CASOS[:EXERCICIS[:NIVELL]]] --llavor N | --codi CODI)\n"
         "                       [--nivell 1|2|3] [--forma 0|1|2|3] [--exercici K] [--cas a] --resposta TEXT\n"
         "\n"
         "Jutja una resposta escrita en la notaci\xC3\xB3 lineal (docs/notacio.md) contra la resposta\n"
         "d'un cas de l'exercici K (1 si no es diu) del full que `tirelo genera` fa amb les\n"
         "mateixes opcions, en la forma que demana el subtipus. Escriu un objecte JSON:\n"
         "  {\"veredicte\": \"correcte\"|\"forma\"|\"incorrecte\"|\"illegible\", \"llegit\": \"...\", \"missatge\": \"...\"}\n"
         "L'estat de sortida \xC3\xA9s 0 per a qualsevol veredicte i 2 per a una crida dolenta.\n"
         "\n"
         "Exemple:\n"
         "  tirelo comprova --serie fraccions:1:3 --llavor 6 --cas b --resposta \"7/8\"\n";
}

}  // namespace tirelo
