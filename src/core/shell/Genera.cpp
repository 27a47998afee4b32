// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/Genera.h"

#include <charconv>
#include <sstream>

#include "batch/Desar.h"
#include "batch/EscripturaAtomica.h"
#include "document/Matematiques.h"
#include "document/NombresCatalans.h"
#include "document/Notacio.h"
#include "motor/Motor.h"
#include "document/TextLinia.h"
#include "mathtext/Text.h"
#include "shell/CodiFull.h"
#include "shell/DesarFull.h"
#include "shell/ExecutaTema.h"
#include "shell/FitxerLot.h"
#include "shell/Programa.h"
#include "shell/OrdresLot.h"
#include "shell/Versions.h"
#include "topics/Cataleg.h"
#include "topics/Dibuix.h"
#include "topics/Nivells.h"

namespace tirelo {

namespace {

// Lower-case ASCII without accents, so "Potències", "potencies" and "POTÈNCIES" match.
std::string Pla(std::string_view cp1252) {
  static constexpr std::string_view kAccentuades = "\xE0\xE1\xE2\xE4\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF2\xF3\xF4\xF6\xF9\xFA\xFB\xFC\xE7\xF1";
  static constexpr std::string_view kPlanes = "aaaaeeeeiiiioooouuuucn";
  std::string r;
  for (char c : cp1252) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) u = static_cast<unsigned char>(u + 0x20);  // Latin-1 capitals
    if (u >= 'A' && u <= 'Z') u = static_cast<unsigned char>(u + 0x20);
    const auto pos = kAccentuades.find(static_cast<char>(u));
    r += pos == std::string_view::npos ? static_cast<char>(u) : kPlanes[pos];
  }
  return r;
}

std::optional<long long> Enter(std::string_view s) {
  long long v = 0;
  if (s.empty() || s.size() > 18) return std::nullopt;
  const auto [fi, err] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (err != std::errc() || fi != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string Cometes(std::string_view s) { return "\"" + std::string(s) + "\""; }

ErrorOpcions Error(std::string m) { return ErrorOpcions{std::move(m)}; }

}  // namespace

bool DescripcioTema::PrenCasos(int s) const {
  return s >= 1 && static_cast<std::size_t>(s) <= casos.size() && casos[static_cast<std::size_t>(s) - 1];
}

std::vector<DescripcioTema> DescriuTemes() {
  std::vector<DescripcioTema> temes;
  int numero = 0;
  for (const EntradaTema& e : Cataleg()) {
    DescripcioTema d;
    d.numero = ++numero;
    d.nom = std::string(e.nom);
    d.titol = std::string(e.titol);
    d.subtipus = e.Subtipus();
    for (const FilaSubtipus& f : e.files) d.casos.push_back(f.casos);
    temes.push_back(std::move(d));
  }
  return temes;
}

std::variant<SerieDemanada, ErrorOpcions> LlegeixSerie(std::string_view text,
                                                       const std::vector<DescripcioTema>& temes) {
  std::vector<std::string_view> parts;
  std::size_t inici = 0;
  while (true) {
    const auto p = text.find(':', inici);
    parts.push_back(text.substr(inici, p == std::string_view::npos ? std::string_view::npos : p - inici));
    if (p == std::string_view::npos) break;
    inici = p + 1;
  }
  const std::string serie = Cometes(text);
  if (parts.size() < 2 || parts.size() > 5) {
    return Error("--serie " + serie + ": cal TEMA:SUBTIPUS[:CASOS[:EXERCICIS[:NIVELL]]]");
  }
  SerieDemanada s;
  s.nivell = 0;
  const DescripcioTema* tema = nullptr;
  if (const auto n = Enter(parts[0])) {
    for (const auto& t : temes) {
      if (t.numero == *n) tema = &t;
    }
  } else if (const auto nom = Cp1252DeUtf8(parts[0])) {
    for (const auto& t : temes) {
      if (Pla(t.nom) == Pla(*nom)) tema = &t;
    }
  }
  if (!tema) return Error("--serie " + serie + ": el tema " + Cometes(parts[0]) + " no existeix");
  s.tema = tema->numero;
  const auto subtipus = Enter(parts[1]);
  if (!subtipus || *subtipus < 1 || *subtipus > static_cast<long long>(tema->subtipus.size())) {
    return Error("--serie " + serie + ": el subtipus ha de ser un nombre de 1 a " +
                 std::to_string(tema->subtipus.size()));
  }
  s.subtipus = static_cast<int>(*subtipus);
  if (parts.size() >= 3) {
    const auto casos = Enter(parts[2]);
    if (!casos || *casos < 1 || *casos > 255) {
      return Error("--serie " + serie + ": el nombre de casos ha de ser de 1 a 255");
    }
    if (*casos != 1 && !tema->PrenCasos(s.subtipus)) {
      return Error("--serie " + serie + ": aquest subtipus no admet nombre de casos");
    }
    s.casos = static_cast<int>(*casos);
  }
  if (parts.size() == 5) {
    const auto n = Enter(parts[4]);
    if (!n || *n < NivellMinim || *n > NivellMaxim) return Error("--serie " + serie + ": el nivell ha de ser 1, 2 o 3");
    s.nivell = static_cast<int>(*n);
  }
  if (parts.size() >= 4) {
    const auto n = Enter(parts[3]);
    if (!n || *n < 1 || *n > Lot::Maxim) {
      return Error("--serie " + serie + ": el nombre d'exercicis ha de ser de 1 a " + std::to_string(Lot::Maxim));
    }
    s.exercicis = static_cast<int>(*n);
  }
  return s;
}

std::variant<OpcionsGenera, ErrorOpcions> LlegeixOpcionsGenera(const std::vector<std::string>& args,
                                                                const std::vector<DescripcioTema>& temes) {
  OpcionsGenera o;
  auto valor = [&](std::size_t& i, const std::string& opcio) -> std::optional<std::string> {
    if (i + 1 >= args.size()) return std::nullopt;
    (void)opcio;
    return args[++i];
  };
  auto entre = [](const std::string& v, long long a, long long b) -> std::optional<int> {
    const auto n = Enter(v);
    if (!n || *n < a || *n > b) return std::nullopt;
    return static_cast<int>(*n);
  };
  std::string delCodi;  // the last option that a code already carries
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.ajuda = true;
      return o;
    }
    if (a == "--json" || a == "--capcalera" || a == "--resolucio") {
      (a == "--json" ? o.json : a == "--capcalera" ? o.capcalera : o.resolucio) = true;
      continue;
    }
    const bool ambValor = a == "--serie" || a == "--llavor" || a == "--forma" || a == "--pista" || a == "--nivell" ||
                          a == "--titol" || a == "--disposicio" || a == "--sortida" || a == "--lot" ||
                          a == "--espai" || a == "--codi" || a == "--versions" || a == "--respostes";
    if (!ambValor) return Error("opci\xC3\xB3 desconeguda: " + Cometes(a));
    const auto v = valor(i, a);
    if (!v) return Error("falta el valor de " + a);
    if (a == "--serie" || a == "--llavor" || a == "--forma" || a == "--pista" || a == "--nivell") delCodi = a;
    if (a == "--codi") {
      o.codi = *v;
    } else if (a == "--versions") {
      const auto n = entre(*v, MinimVersions, MaximVersions);
      if (!n) return Error("--versions ha de ser un nombre de 2 a 26");
      o.versions = *n;
    } else if (a == "--serie") {
      auto s = LlegeixSerie(*v, temes);
      if (auto* e = std::get_if<ErrorOpcions>(&s)) return *e;
      o.series.push_back(std::get<SerieDemanada>(s));
    } else if (a == "--llavor") {
      uint64_t n = 0;
      const auto [fi, err] = std::from_chars(v->data(), v->data() + v->size(), n);
      if (v->empty() || err != std::errc() || fi != v->data() + v->size()) {
        return Error("--llavor ha de ser un nombre natural");
      }
      o.llavor = n;
    } else if (a == "--nivell") {
      const auto n = entre(*v, NivellMinim, NivellMaxim);
      if (!n) return Error("--nivell ha de ser 1, 2 o 3");
      o.nivell = *n;
    } else if (a == "--forma") {
      const auto n = entre(*v, 0, 3);
      if (!n) return Error("--forma ha de ser 0, 1, 2 o 3");
      o.forma = *n;
    } else if (a == "--pista") {
      const auto n = entre(*v, 0, 2);
      if (!n) return Error("--pista ha de ser 0, 1 o 2");
      o.pista = *n;
    } else if (a == "--disposicio") {
      const auto n = entre(*v, 0, 1);
      if (!n) return Error("--disposicio ha de ser 0 o 1");
      o.disposicio = *n;
      o.disposicioDonada = true;
    } else if (a == "--respostes") {
      if (*v != "simplificades" && *v != "tal-qual") return Error("--respostes ha de ser simplificades o tal-qual");
      o.respostesSimplificades = *v == "simplificades";
    } else if (a == "--espai") {
      const auto n = entre(*v, 0, ValorsFull::EspaiMaxim);
      if (!n) return Error("--espai ha de ser un nombre de 0 a " + std::to_string(ValorsFull::EspaiMaxim));
      o.espai = *n;
    } else if (a == "--titol") {
      const auto t = Cp1252DeUtf8(*v);
      if (!t) return Error("--titol t\xC3\xA9 car\xC3\xA0" "cters que un document RTF d'aquest programa no pot guardar");
      if (t->size() > LlargadaText) return Error("--titol pot tenir com a m\xC3\xA0xim 255 car\xC3\xA0" "cters");
      o.titol = *t;
      o.titolDonat = true;
    } else if (a == "--lot") {
      if (v->empty()) return Error("--lot necessita un fitxer .tirelo");
      o.lot = *v;
    } else {  // --sortida
      if (v->empty()) return Error("--sortida necessita un nom de fitxer");
      if (!FormatDeSortida(*v))
        return Error("--sortida " + Cometes(*v) + ": l'extensi\xC3\xB3 ha de ser .rtf, .pdf, .tex o .tirelo");
      o.sortida = *v;
    }
  }
  if (!o.codi.empty()) {
    if (!delCodi.empty() || !o.lot.empty())
      return Error("--codi ja porta les s\xC3\xA8ries, els nivells, la llavor i les pistes: no es pot combinar amb " +
                   (delCodi.empty() ? std::string("--lot") : delCodi));
    const auto llegit = LlegeixCodi(o.codi);
    if (const auto* e = std::get_if<ErrorCodi>(&llegit)) return Error("--codi " + Cometes(o.codi) + ": " + e->missatge);
    const auto& full = std::get<FullCodificat>(llegit);
    o.series = full.series;
    o.llavor = full.llavor;
    o.pista = full.pista;
    if (!o.respostesSimplificades) o.respostesSimplificades = full.respostesSimplificades;
    o.resolucio = o.resolucio || full.resolucio;
  }
  // A series that gives no level of its own takes --nivell's, wherever it came.
  for (SerieDemanada& s : o.series) {
    if (s.nivell == 0) s.nivell = o.nivell;
  }
  if (o.series.empty() && o.lot.empty()) return Error("cal almenys una --serie, un --lot o un --codi");
  if (o.versions > 0 && o.sortida.empty()) return Error("--versions necessita --sortida");
  if (o.versions > 0 && o.json) return Error("--versions no es pot combinar amb --json");
  if (!o.json && o.sortida.empty()) return Error("cal --sortida FITXER (.rtf, .pdf, .tex o .tirelo) o --json (o tots dos)");
  int total = 0;
  for (const auto& s : o.series) total += s.exercicis;
  if (total > Lot::Maxim) {
    return Error("el lot pot tenir com a m\xC3\xA0xim " + std::to_string(Lot::Maxim) + " exercicis i se'n demanen " +
                 std::to_string(total));
  }
  return o;
}

std::optional<FormatSortida> FormatDeSortida(std::string_view cami) {
  const auto punt = cami.rfind('.');
  if (punt == std::string_view::npos || cami.find('/', punt) != std::string_view::npos) return std::nullopt;
  const std::string extensio = Pla(cami.substr(punt));
  if (extensio == ".rtf") return FormatSortida::Rtf;
  if (extensio == ExtensioPdf) return FormatSortida::Pdf;
  if (extensio == ".tex") return FormatSortida::Latex;
  if (extensio == ExtensioLot) return FormatSortida::Lot;
  return std::nullopt;
}

namespace {

// Appends a drawn exercise as the series window's protocol does: with the hint
// placement of the options, or a notice when the batch is already full.
void AfegeixDibuix(LotGenerat& g, const Exercici& e, int pista) {
  if (!e.llest || e.enunciat.empty()) return;
  if (g.exercicis.size() >= static_cast<std::size_t>(Lot::Maxim)) {
    g.avisos.emplace_back(AvisLotPle);
    return;
  }
  g.exercicis.push_back(e);
  g.exercicis.back().posicioPista = pista;
}

}  // namespace

LotGenerat GeneraSeries(const OpcionsGenera& opcions, uint64_t llavor, const ContingutLot* inicial) {
  LotGenerat g;
  g.titol = opcions.titol;
  g.disposicio = opcions.disposicio;
  g.full = ValorsFull{opcions.capcalera, opcions.espai,
                      opcions.respostesSimplificades.value_or(!inicial || inicial->respostesSimplificades),
                      opcions.resolucio || (inicial && inicial->resolucio)};
  if (inicial) {
    if (!opcions.titolDonat) g.titol = inicial->titol;
    if (!opcions.disposicioDonada) g.disposicio = inicial->disposicio;
    for (const Exercici& e : inicial->exercicis) {
      if (g.exercicis.size() >= static_cast<std::size_t>(Lot::Maxim)) break;
      g.exercicis.push_back(e);
      g.origen.push_back(e.recepta ? ExerciciGenerat{e.recepta->tema, e.recepta->subtipus, std::nullopt} : ExerciciGenerat{});
    }
  }
  GeneradorAleatori font(llavor);
  const auto cataleg = Cataleg();
  const auto& series = opcions.series;
  for (std::size_t i = 0; i < series.size();) {
    // Every exercise asked for is drawn in turn from one random source, as when the user
    // chooses its subtype and cases in the series window; series a code drew in one
    // visit of their topic are one visit, and leaving a topic draws what it draws then.
    const SerieDemanada& s = series[i];
    const FormaEq2 forma = static_cast<FormaEq2>(s.forma.value_or(opcions.forma));
    const bool temaValid = s.tema >= 1 && static_cast<std::size_t>(s.tema) <= cataleg.size();
    do {
      const SerieDemanada& t = series[i];
      for (int k = 0; temaValid && k < t.exercicis; ++k) {
        const EntradaTema& tema = cataleg[static_cast<std::size_t>(s.tema) - 1];
        Dibuix d = DibuixaTema(tema, s.tema, t.subtipus, t.casos, [forma] { return forma; }, font, t.nivell);
        const std::size_t abans = g.exercicis.size();
        if (d.estat == EstatGenerador::Fet) AfegeixDibuix(g, d.exercici, opcions.pista);
        if (g.exercicis.size() == abans) continue;
        g.origen.push_back({s.tema, t.subtipus, std::nullopt});
        if (tema.PrenCasos(t.subtipus) && d.casosEscrits && *d.casosEscrits < t.casos) {
          const CasosRetallats r{static_cast<int>(g.exercicis.size()), t.casos, *d.casosEscrits};
          g.retallats.push_back(r);
          g.origen.back().retallats = r;
        }
      }
      ++i;
    } while (i < series.size() && series[i].ambAnterior && series[i].tema == s.tema);
    if (temaValid) {
      if (const auto surt = cataleg[static_cast<std::size_t>(s.tema) - 1].surt) surt(font);
    }
  }
  g.estat = font.Estat();
  return g;
}

OpcionsFull OpcionsDelFull(const LotGenerat& lot) {
  return OpcionsDelFull(lot.exercicis, lot.titol, lot.disposicio, lot.full);
}

std::string TitolAmbVersio(std::string_view titol, std::string_view versio) {
  if (versio.empty()) return std::string(titol);
  if (titol.empty()) return "Versi\xF3 " + std::string(versio);
  const std::string cua = " (" + std::string(versio) + ")";
  return Talla(titol, LlargadaText - cua.size()) + cua;
}

std::optional<std::string> EscriuFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions,
                                      const std::string& cami, const EscriptorFull& pdf) {
  switch (FormatDeSortida(cami).value_or(FormatSortida::Rtf)) {
    case FormatSortida::Lot:
      return DesaFitxerLot(
          {exercicis, TitolAmbVersio(opcions.titol, opcions.versio), opcions.disposicio, opcions.respostesSimplificades,
           opcions.resolucio},
          cami);
    case FormatSortida::Latex:
      return EscriuBytesAtomicament(cami, EscriuLatex(exercicis, opcions));
    case FormatSortida::Pdf:
      if (!pdf) return "aquesta compilaci\xC3\xB3 no sap escriure PDF";
      return EscriuAtomicament(cami, [&](const std::filesystem::path& desti) { return pdf(exercicis, opcions, desti); });
    case FormatSortida::Rtf:
      break;
  }
  Lot lot;
  for (const Exercici& e : exercicis) lot.Afegeix(e);
  const ValorsDesar valors{"", TitolAmbVersio(opcions.titol, opcions.versio), opcions.disposicio};
  return EscriuAtomicament(cami, [&](const std::filesystem::path& desti) -> std::optional<std::string> {
    if (const auto f = EscriuLot(lot, valors, desti, opcions.resolucio)) return f->motiu;
    return std::nullopt;
  });
}

std::optional<std::string> EscriuSortidaGenera(const LotGenerat& lot, const OpcionsGenera& opcions, uint64_t llavor,
                                               const EscriptorFull& pdf, std::vector<std::string>& codis) {
  const auto& exercicis = lot.exercicis;
  OpcionsFull full = OpcionsDelFull(lot);
  if (opcions.versions == 0) {
    full.codi = CodiDeLesSeries(exercicis, opcions.series, opcions.forma, opcions.pista, llavor,
                                full.respostesSimplificades, full.resolucio)
                    .value_or("");
    if (const auto error = EscriuFull(exercicis, full, opcions.sortida, pdf))
      return "no es pot escriure " + opcions.sortida + ": " + *error;
    if (!full.codi.empty()) codis.push_back("codi: " + full.codi);
    return std::nullopt;
  }
  const auto llavors = LlavorsDeVersions(llavor, opcions.versions);
  for (int v = 0; v < opcions.versions; ++v) {
    const auto versio = VersioDelLot(exercicis, llavors[static_cast<std::size_t>(v)]);
    full.versio = LletraVersio(v);
    full.codi = CodiDelLot(versio, full.respostesSimplificades, full.resolucio).value_or("");
    const std::string cami = CamiVersio(opcions.sortida, full.versio);
    if (const auto error = EscriuFull(versio, full, cami, pdf)) return "no es pot escriure " + cami + ": " + *error;
    if (!full.codi.empty()) codis.push_back("codi: " + full.codi + " (" + full.versio + ")");
  }
  return std::nullopt;
}

namespace {

// A JSON string of UTF-8 text.
void AfegeixJsonUtf8(std::string& out, std::string_view utf8) {
  out += '"';
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[u >> 4];
          out += kHex[u & 15];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void AfegeixJson(std::string& out, std::string_view cp1252) { AfegeixJsonUtf8(out, Utf8DeCp1252(cp1252)); }

// A text's markup and, beside it under `camp`_text, the readable line of its mathematics.
void AfegeixText(std::string& out, const char* camp, std::string_view marcat, const Model& matematiques) {
  out += ", \"" + std::string(camp) + "\": ";
  AfegeixJson(out, marcat);
  out += ", \"" + std::string(camp) + "_text\": ";
  AfegeixJsonUtf8(out, TextLinia(matematiques));
}

// Every case: its label, its statement and answer in the linear notation, the
// answer in its subtype's form as the engine writes it, and its worked solution.
void AfegeixApartats(std::string& out, const Exercici& e) {
  const FormaResposta forma =
      e.recepta && !e.editat ? FormaDelSubtipus(e.recepta->tema, e.recepta->subtipus) : FormaResposta::Qualsevol;
  out += ", \"apartats\": [";
  bool primer = true;
  for (const Apartat& a : ApartatsDe(e)) {
    out += primer ? "{\"etiqueta\": " : ", {\"etiqueta\": ";
    AfegeixJson(out, a.etiqueta);
    out += ", \"enunciat\": ";
    AfegeixJsonUtf8(out, EscriuNotacio(Expressio(NombresCatalans(a.enunciat.Arbre()))));
    out += ", \"resposta\": ";
    AfegeixJsonUtf8(out, EscriuNotacio(Expressio(NombresCatalans(a.resposta.Arbre()))));
    out += ", \"resposta_simple\": ";
    AfegeixJsonUtf8(out, EscriuNotacio(FormaSimple(a.resposta, forma)));
    out += ", \"passos\": [";
    for (std::size_t k = 0; k < a.passos.size(); ++k) {
      out += k == 0 ? "{\"expressio\": " : ", {\"expressio\": ";
      AfegeixJsonUtf8(out, EscriuNotacio(Expressio(NombresCatalans(a.passos[k].expressio.Arbre()))));
      out += ", \"justificacio\": ";
      AfegeixJson(out, a.passos[k].justificacio);
      out += "}";
    }
    out += "]}";
    primer = false;
  }
  out += "]";
}

}  // namespace

std::string LotEnJson(const std::vector<Exercici>& exercicis, const std::vector<ExerciciGenerat>& origen) {
  std::string out = "[";
  const int n = static_cast<int>(exercicis.size());
  for (int k = 1; k <= n; ++k) {
    const Exercici& e = exercicis[static_cast<std::size_t>(k) - 1];
    const ExerciciGenerat o = static_cast<std::size_t>(k) <= origen.size() ? origen[static_cast<std::size_t>(k) - 1]
                                                                            : ExerciciGenerat{};
    out += k == 1 ? "\n  " : ",\n  ";
    out += "{\"tema\": " + std::to_string(o.tema) + ", \"subtipus\": " + std::to_string(o.subtipus);
    AfegeixText(out, "enunciat", e.enunciat, MatematiquesEnunciat(e));
    AfegeixText(out, "resposta", e.resposta, MatematiquesResposta(e));
    AfegeixText(out, "pista", e.pista, LlegeixMatematiques(e.pista));
    out += ", \"posicio_pista\": " + std::to_string(e.posicioPista);
    AfegeixApartats(out, e);
    if (o.retallats)
      out += ", \"casos_demanats\": " + std::to_string(o.retallats->demanats) +
             ", \"casos\": " + std::to_string(o.retallats->casos);
    out += "}";
  }
  out += n == 0 ? "]\n" : "\n]\n";
  return out;
}

std::string AjudaGenera(const std::vector<DescripcioTema>& temes) {
  std::ostringstream o;
  o << "\xC3\xBAs: tirelo genera --serie TEMA:SUBTIPUS[:CASOS[:EXERCICIS[:NIVELL]]] [--serie ...]...\n"
       "                     [--nivell 1|2|3] [--llavor N] [--forma 0|1|2|3] [--pista 0|1|2]\n"
       "                     [--titol TEXT] [--disposicio 0|1] [--capcalera] [--espai N]\n"
       "                     [--respostes simplificades|tal-qual] [--resolucio]\n"
       "                     [--lot FITXER.tirelo] [--sortida FITXER.rtf|.pdf|.tex|.tirelo] [--json]\n"
       "                     [--versions N]\n"
       "       tirelo genera --codi CODI [--titol TEXT] [--disposicio 0|1] [--versions N] ...\n"
       "\n"
       "Genera un lot d'exercicis sense obrir cap finestra i l'escriu com a document RTF, PDF\n"
       "o LaTeX (--sortida) o com a JSON a la sortida est\xC3\xA0ndard (--json).\n"
       "\n"
       "  --serie       TEMA pel n\xC3\xBAmero o pel nom; SUBTIPUS per la posici\xC3\xB3; CASOS (1 per defecte,\n"
       "                de 1 a 255, nom\xC3\xA9s als subtipus que en admeten, marcats amb *);\n"
       "                EXERCICIS (1 per defecte); NIVELL (el de --nivell si no se'n d\xC3\xB3na).\n"
       "                El lot t\xC3\xA9 com a m\xC3\xA0xim 50 exercicis.\n"
       "  --nivell N    la dificultat de les s\xC3\xA8ries que no en donen: 1 m\xC3\xA9s f\xC3\xA0" "cil (nombres\n"
       "                petits, sense negatius, menys termes), 2 l'habitual (per defecte),\n"
       "                3 m\xC3\xA9s dif\xC3\xAD" "cil (nombres grans, negatius, m\xC3\xA9s termes)\n"
       "  --llavor N    llavor de l'atzar: els mateixos arguments i la mateixa llavor donen el\n"
       "                mateix resultat; sense, s'agafa del rellotge i s'escriu com a \"llavor: N\"\n"
       "  --forma       equacions de 2n grau: 0 completa, 1 sense terme independent,\n"
       "                2 sense terme lineal, 3 qualsevol de les anteriors (0 per defecte)\n"
       "  --pista       on va la pista: 0 enlloc, 1 a l'enunciat, 2 a la resposta (0)\n"
       "  --titol       t\xC3\xADtol del document (buit per defecte)\n"
       "  --disposicio  0 enunciat i resposta seguits, 1 bloc d'enunciats i bloc de respostes (1)\n"
       "  --lot         un fitxer de lot (.tirelo): els seus exercicis van primer, i les --serie\n"
       "                s'hi afegeixen; el seu t\xC3\xADtol i disposici\xC3\xB3 valen si no se'n donen\n"
       "  --capcalera   al full PDF o LaTeX, les l\xC3\xADnies \"Nom:\", \"Curs:\" i \"Data:\" sota el t\xC3\xADtol\n"
       "  --espai N     al full PDF o LaTeX, N l\xC3\xADnies d'espai per respondre despr\xC3\xA9s de cada\n"
       "                enunciat, de 0 a 20 (0)\n"
       "  --respostes   al full PDF o LaTeX, simplificades (per defecte) escriu cada resposta en\n"
       "                la forma m\xC3\xA9s simple que demana el subtipus (2x\xC2\xB2-5x+3, 4\xE2\x88\x9A" "2);\n"
       "                tal-qual, com s'ha generat; el document RTF i el JSON no canvien\n"
       "  --resolucio   resoluci\xC3\xB3 detallada: sota cada resposta, els passos que hi porten, un\n"
       "                per l\xC3\xADnia amb el que s'ha fet (al full PDF o LaTeX i al document RTF)\n"
       "  --sortida     el fitxer que s'escriu, en el format que tria l'extensi\xC3\xB3: .rtf el document\n"
       "                RTF, .pdf el full compost per imprimir, .tex el mateix full en LaTeX,\n"
       "                .tirelo un fitxer de lot\n"
       "  --json        el lot en JSON a la sortida est\xC3\xA0ndard\n"
       "  --codi CODI   torna a fer el full d'aquest codi (el del peu del full, o el que\n"
       "                s'escriu com a \"codi: ...\"); porta les s\xC3\xA8ries i els seus nivells, la\n"
       "                llavor, les pistes i si les respostes van simplificades\n"
       "  --versions N  escriu N versions del full (de 2 a 26): FITXER-A, FITXER-B, ...,\n"
       "                cadascuna amb la seva lletra al t\xC3\xADtol i les seves respostes; els\n"
       "                exercicis generats se sortegen de nou i els fets a m\xC3\xA0 es mantenen\n"
       "\n"
       "Un full fet nom\xC3\xA9s d'exercicis generats, en ordre i sense canvis, t\xC3\xA9 un codi, que\n"
       "s'escriu a l'error est\xC3\xA0ndard com a \"codi: ...\".\n"
       "\n"
       "Temes i subtipus:\n";
  for (const auto& t : temes) {
    o << "  " << t.numero << " " << Utf8DeCp1252(t.nom) << "\n";
    for (std::size_t s = 1; s <= t.subtipus.size(); ++s) {
      o << "      " << s << (t.PrenCasos(static_cast<int>(s)) ? "* " : "  ") << Utf8DeCp1252(t.subtipus[s - 1])
        << "\n";
      // What the easier and the harder level draw; level 2 is the usual draw.
      const auto nivells = DescripcioNivells(t.numero, static_cast<int>(s));
      if (!nivells[0].empty()) o << "           nivell 1: " << nivells[0] << " \xC2\xB7 nivell 3: " << nivells[2] << "\n";
    }
  }
  o << "\n"
       "Exemples:\n"
       "  tirelo genera --serie fraccions:2 --serie 8:4:3:2 --llavor 7 --sortida full.rtf\n"
       "      una suma de fraccions i dos exercicis de tres sistemes d'equacions\n"
       "  tirelo genera --serie \"igualtats notables:1:4:5\" --titol \"Full 1\" --disposicio 0 --json\n"
       "      cinc exercicis de quatre quadrats de binomi, en JSON\n"
       "  tirelo genera --lot full.tirelo --sortida full.rtf\n"
       "      el document d'un lot desat\n"
       "  tirelo genera --lot full.tirelo --capcalera --espai 4 --sortida full.pdf\n"
       "      el full compost en PDF, amb l\xC3\xADnies per al nom i espai per respondre\n"
       "  tirelo genera --serie fraccions:2:1:4 --serie 8:2:3:2 --versions 4 --sortida examen.pdf\n"
       "      quatre versions del mateix full: examen-A.pdf ... examen-D.pdf\n"
       "  tirelo genera --serie fraccions:2:1:5 --nivell 1 --sortida full.rtf\n"
       "      el mateix full m\xC3\xA9s f\xC3\xA0" "cil (amb --nivell 3, m\xC3\xA9s dif\xC3\xAD" "cil)\n"
       "  tirelo genera --codi 5V8FS9F --titol \"Full 1\" --sortida full.rtf\n"
       "      el full d'aquest codi, una altra vegada\n";
  return o.str();
}

}  // namespace tirelo
