// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/FitxerLot.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <system_error>

#include "batch/Desar.h"
#include "batch/EscripturaAtomica.h"
#include "batch/Historial.h"
#include "batch/Lot.h"
#include "mathtext/Text.h"
#include "shell/DesarDocument.h"
#include "shell/OrdresLot.h"
#include "shell/Programa.h"
#include "topics/Dibuix.h"

namespace tirelo {

namespace {

using json = nlohmann::json;

// ---- Writing ----

json JsonRecepta(const Recepta& r) {
  json j = {{"tema", r.tema}, {"subtipus", r.subtipus}, {"casos", r.casos}, {"llavor", std::to_string(r.llavor)}};
  if (r.forma) j["forma"] = *r.forma;
  j["nivell"] = r.nivell;
  return j;
}

json JsonExercici(const Exercici& e) {
  json j = {{"enunciat", Utf8DeCp1252(e.enunciat)},
            {"resposta", Utf8DeCp1252(e.resposta)},
            {"pista", Utf8DeCp1252(e.pista)},
            {"posicio_pista", e.posicioPista},
            {"editat", e.editat}};
  if (e.recepta) j["recepta"] = JsonRecepta(*e.recepta);
  return j;
}

// ---- Reading ----

// A refusal that names where the problem is.
struct Refus {
  std::string missatge;
};

std::string Lloc(int exercici, std::string_view camp) {
  return "exercici " + std::to_string(exercici) + ", camp \"" + std::string(camp) + "\"";
}

const json& Camp(const json& objecte, std::string_view nom, const std::string& on) {
  const auto it = objecte.find(nom);
  if (it == objecte.end()) throw Refus{on + ": falta el camp \"" + std::string(nom) + "\""};
  return *it;
}

int64_t Enter(const json& objecte, std::string_view nom, int64_t minim, int64_t maxim, const std::string& on) {
  const json& v = Camp(objecte, nom, on);
  if (!v.is_number_integer()) throw Refus{on + ", camp \"" + std::string(nom) + "\": ha de ser un nombre enter"};
  // Unsigned values beyond int64 read as negative here and are refused by the range.
  const int64_t n = v.is_number_unsigned() && v.get<uint64_t>() > static_cast<uint64_t>(INT64_MAX)
                        ? minim - 1
                        : v.get<int64_t>();
  if (n < minim || n > maxim) {
    throw Refus{on + ", camp \"" + std::string(nom) + "\": ha de ser de " + std::to_string(minim) + " a " +
                std::to_string(maxim)};
  }
  return n;
}

// A text field in Windows-1252, refused when it passes its limit or holds what a text
// of the program cannot: characters outside Windows-1252 or control characters other
// than tab and line ends.
std::string Text(const json& objecte, std::string_view nom, std::size_t maxim, const std::string& on) {
  const json& v = Camp(objecte, nom, on);
  const std::string lloc = on + ", camp \"" + std::string(nom) + "\"";
  if (!v.is_string()) throw Refus{lloc + ": ha de ser un text"};
  const auto text = Cp1252DeUtf8(v.get_ref<const std::string&>());
  if (!text) throw Refus{lloc + ": t\xE9 car\xE0" "cters que el programa no pot guardar (fora de Windows-1252)"};
  for (const char c : *text) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F)
      throw Refus{lloc + ": t\xE9 car\xE0" "cters de control"};
  }
  if (text->size() > maxim) {
    throw Refus{lloc + ": passa de " + std::to_string(maxim) + " car\xE0" "cters (en t\xE9 " +
                std::to_string(text->size()) + ")"};
  }
  return *text;
}

// A recipe of a version 1 file has no level: it drew at the usual one.
Recepta LlegeixRecepta(const json& j, const std::string& on, const std::vector<DescripcioTema>& temes, int versio) {
  if (!j.is_object()) throw Refus{on + ": ha de ser un objecte"};
  Recepta r;
  r.tema = static_cast<int>(Enter(j, "tema", 1, static_cast<int64_t>(temes.size()), on));
  const DescripcioTema& tema = temes[static_cast<std::size_t>(r.tema) - 1];
  r.subtipus = static_cast<int>(Enter(j, "subtipus", 1, static_cast<int64_t>(tema.subtipus.size()), on));
  r.casos = static_cast<int>(Enter(j, "casos", 1, 255, on));
  if (r.casos != 1 && !tema.PrenCasos(r.subtipus))
    throw Refus{on + ", camp \"casos\": aquest subtipus no admet nombre de casos"};
  if (j.contains("forma")) r.forma = static_cast<int>(Enter(j, "forma", 0, 3, on));
  if (versio >= 2) r.nivell = static_cast<int>(Enter(j, "nivell", 1, 3, on));
  const json& llavor = Camp(j, "llavor", on);
  const std::string* xifres = llavor.is_string() ? &llavor.get_ref<const std::string&>() : nullptr;
  const auto lectura = xifres ? std::from_chars(xifres->data(), xifres->data() + xifres->size(), r.llavor)
                              : std::from_chars_result{nullptr, std::errc::invalid_argument};
  if (!xifres || xifres->empty() || lectura.ec != std::errc() || lectura.ptr != xifres->data() + xifres->size())
    throw Refus{on + ", camp \"llavor\": ha de ser un nombre natural escrit com a text"};
  return r;
}

// A generated exercise not edited since gets its cases by drawing its recipe again,
// when the draw still gives its texts; otherwise its texts are read as typed ones.
void PosaApartats(Exercici& e) {
  if (!e.recepta || e.editat) return;
  const auto d = Dibuixa(*e.recepta);
  if (!d || d->exercici.enunciat != e.enunciat || d->exercici.resposta != e.resposta || d->exercici.pista != e.pista)
    return;
  e.instruccio = d->exercici.instruccio;
  e.apartats = d->exercici.apartats;
}

Exercici LlegeixExercici(const json& j, int k, const std::vector<DescripcioTema>& temes, int versio) {
  const std::string on = "exercici " + std::to_string(k);
  if (!j.is_object()) throw Refus{on + ": ha de ser un objecte"};
  Exercici e;
  e.enunciat = Text(j, "enunciat", LlargadaText, on);
  e.resposta = Text(j, "resposta", LlargadaText, on);
  e.pista = Text(j, "pista", LlargadaPista, on);
  e.posicioPista = static_cast<int32_t>(Enter(j, "posicio_pista", 0, 2, on));
  if (j.contains("editat")) {
    if (!j["editat"].is_boolean()) throw Refus{Lloc(k, "editat") + ": ha de ser true o false"};
    e.editat = j["editat"].get<bool>();
  }
  if (j.contains("recepta") && !j["recepta"].is_null())
    e.recepta = LlegeixRecepta(j["recepta"], on + ", camp \"recepta\"", temes, versio);
  e.llest = true;
  PosaApartats(e);
  return e;
}

ContingutLot LlegeixArrel(const json& arrel, const std::vector<DescripcioTema>& temes) {
  const std::string noEsLot = "No \xE9s un fitxer de lot de Tirelo";
  if (!arrel.is_object() || !arrel.contains("format") || arrel["format"] != FormatLot)
    throw Refus{noEsLot + ": falta \"format\": \"" + std::string(FormatLot) + "\""};
  const json& versio = Camp(arrel, "versio", "el fitxer");
  if (!versio.is_number_integer() || versio.get<int64_t>() < 1 || versio.get<int64_t>() > VersioLot) {
    throw Refus{"Versi\xF3 del fitxer de lot desconeguda (" + Talla(Cp1252DeUtf8(versio.dump()).value_or("?"), 20) +
                "): aquest programa llegeix les versions 1 a " + std::to_string(VersioLot)};
  }
  const int numeroVersio = static_cast<int>(versio.get<int64_t>());
  ContingutLot c;
  if (arrel.contains("titol")) c.titol = Text(arrel, "titol", LlargadaText, "el fitxer");
  if (arrel.contains("disposicio")) c.disposicio = static_cast<int32_t>(Enter(arrel, "disposicio", 0, 1, "el fitxer"));
  if (arrel.contains("respostes")) {
    const json& r = arrel["respostes"];
    if (!r.is_string() || (r != "simplificades" && r != "tal-qual"))
      throw Refus{"el fitxer, camp \"respostes\": ha de ser \"simplificades\" o \"tal-qual\""};
    c.respostesSimplificades = r == "simplificades";
  }
  if (arrel.contains("resolucio")) {
    const json& r = arrel["resolucio"];
    if (!r.is_boolean()) throw Refus{"el fitxer, camp \"resolucio\": ha de ser true o false"};
    c.resolucio = r.get<bool>();
  }
  const json& exercicis = Camp(arrel, "exercicis", "el fitxer");
  if (!exercicis.is_array()) throw Refus{"el fitxer, camp \"exercicis\": ha de ser una llista"};
  if (exercicis.size() > static_cast<std::size_t>(Lot::Maxim)) {
    throw Refus{"El fitxer t\xE9 " + std::to_string(exercicis.size()) + " exercicis i un lot en pot tenir com a m\xE0xim " +
                std::to_string(Lot::Maxim)};
  }
  int k = 0;
  for (const json& j : exercicis) c.exercicis.push_back(LlegeixExercici(j, ++k, temes, numeroVersio));
  return c;
}

}  // namespace

std::string EscriuJsonLot(const ContingutLot& contingut) {
  json exercicis = json::array();
  for (const Exercici& e : contingut.exercicis) exercicis.push_back(JsonExercici(e));
  json arrel = {{"format", FormatLot},
                {"versio", VersioLot},
                {"titol", Utf8DeCp1252(contingut.titol)},
                {"disposicio", contingut.disposicio}};
  // Written only when off, so that a file of the default sheet stays as it was.
  if (!contingut.respostesSimplificades) arrel["respostes"] = "tal-qual";
  if (contingut.resolucio) arrel["resolucio"] = true;
  arrel["exercicis"] = std::move(exercicis);
  return arrel.dump(2) + "\n";
}

std::variant<ContingutLot, ErrorLot> LlegeixJsonLot(std::string_view text, const std::vector<DescripcioTema>& temes) {
  json arrel;
  try {
    arrel = json::parse(text.begin(), text.end());
  } catch (const json::exception& e) {
    const auto* error = dynamic_cast<const json::parse_error*>(&e);
    return ErrorLot{"El fitxer no \xE9s JSON ben format" +
                    (error ? " (error a l'octet " + std::to_string(error->byte) + ")" : std::string())};
  }
  try {
    return LlegeixArrel(arrel, temes);
  } catch (const Refus& r) {
    return ErrorLot{r.missatge};
  }
}

std::optional<std::string> DesaFitxerLot(const ContingutLot& contingut, const std::filesystem::path& cami) {
  return EscriuBytesAtomicament(cami, EscriuJsonLot(contingut));
}

std::variant<ContingutLot, ErrorLot> ObreFitxerLot(const std::filesystem::path& cami,
                                                   const std::vector<DescripcioTema>& temes) {
  std::error_code ec;
  const auto mida = std::filesystem::file_size(cami, ec);
  if (ec) return ErrorLot{"No s'ha pogut llegir el fitxer"};
  if (mida > MidaMaximaLot) return ErrorLot{"El fitxer \xE9s massa gran per ser un lot de Tirelo"};
  std::ifstream f(cami, std::ios::binary);
  if (!f) return ErrorLot{"No s'ha pogut obrir el fitxer"};
  const std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) return ErrorLot{"No s'ha pogut llegir el fitxer"};
  return LlegeixJsonLot(text, temes);
}

namespace {

namespace fs = std::filesystem;

ContingutLot ContingutDe(const Programa& prg) {
  return {prg.lot.Exercicis(), prg.desar.titol, prg.desar.disposicio, prg.full.respostesSimplificades,
          prg.full.resolucio};
}

}  // namespace

void DesaLot(Programa& prg) {
  if (prg.lot.Nombre() == 0) return;
  const auto carpeta = CarpetaExerc(prg);
  if (!carpeta) return;
  const std::string nom = prg.desar.nomFitxer.empty() ? std::string("lot") : Utf8DeCp1252(prg.desar.nomFitxer);
  const auto triat = prg.ui.DemanaFitxerLot(true, (*carpeta / (nom + std::string(ExtensioLot))).string());
  if (!triat || triat->empty()) return;
  fs::path cami(*triat);
  if (cami.extension() != ExtensioLot) cami += ExtensioLot;
  if (!PreguntaSubstituir(prg, cami)) return;
  if (const auto motiu = DesaFitxerLot(ContingutDe(prg), cami)) {
    prg.ui.Avis("No s'ha pogut desar el lot a " + TextDelSistema(cami.string()) + ":\r" + TextDelSistema(*motiu),
                TitolNoDesat);
    return;
  }
  prg.historial.MarcaDesat();
  InformaDesat(prg, cami);
}

void ObreLot(Programa& prg) {
  std::error_code ec;
  const fs::path& actual = prg.carpetaTreball;
  const fs::path exerc = actual / "Exerc";
  const auto triat = prg.ui.DemanaFitxerLot(false, (fs::is_directory(exerc, ec) ? exerc : actual).string());
  if (triat && !triat->empty()) ObreLotDe(prg, *triat);
}

bool SubstitueixLot(Programa& prg, const std::vector<Exercici>& exercicis, std::string_view perQue) {
  if (HiHaCanvisSenseDesar(prg) &&
      !prg.ui.Pregunta("El lot actual t\xE9 canvis que no s'han desat.\rVols substituir-lo " + std::string(perQue) + "?",
                       "Confirmar")) {
    return false;
  }
  AbansDeCanviar(prg);
  prg.lot.Buida();
  for (const Exercici& e : exercicis) prg.lot.Afegeix(e);
  prg.lot.Selecciona(prg.lot.Nombre() > 0 ? 1 : 0);
  prg.document.escrit = false;  // no document of this batch exists yet
  return true;
}

bool ObreLotDe(Programa& prg, const std::string& cami) {
  const auto llegit = ObreFitxerLot(cami, DescriuTemes());
  if (const auto* error = std::get_if<ErrorLot>(&llegit)) {
    prg.ui.Avis(TextDelSistema(cami) + ":\r" + error->missatge + "\rEl lot actual no ha canviat.",
                "No s'ha pogut obrir el lot");
    return false;
  }
  const auto& c = std::get<ContingutLot>(llegit);
  if (!SubstitueixLot(prg, c.exercicis, "pel lot del fitxer")) return false;
  prg.desar.titol = c.titol;
  prg.desar.disposicio = c.disposicio;
  prg.full.respostesSimplificades = c.respostesSimplificades;
  prg.full.resolucio = c.resolucio;
  if (const auto nom = Cp1252DeUtf8(fs::path(cami).stem().string())) prg.desar.nomFitxer = Talla(*nom);
  prg.historial.MarcaDesat();
  RefrescaEstat(prg);
  return true;
}

}  // namespace tirelo
