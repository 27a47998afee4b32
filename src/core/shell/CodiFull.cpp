// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/CodiFull.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

#include "topics/Cataleg.h"

namespace tirelo {

namespace {

constexpr int kBase = static_cast<int>(AlfabetCodi.size());  // 31, a prime
// What the weighted sum of every character, the check character included, gives.
constexpr int kSumaControl = 1;
// Version 1 codes never begin with the digit of value 0 ('2'); version 2 codes begin
// with it, so that one check serves both and a mistyped character never turns a code
// of one version into a code of the other.
constexpr int kMaximSeries = 50;
// Version 1 numbered the subtypes by their position in the catalogue of its time,
// which had 38; subtype ids were given in that order, so position k is id k + 1.
constexpr int kSubtipusVersio1 = 38;

// A natural number of any size, in 32-bit limbs from the least significant.
class Natural {
 public:
  // *this = *this * radix + valor (radix <= 2^32, valor < radix).
  void MultiplicaISuma(uint64_t radix, uint64_t valor) {
    uint64_t duu = valor;
    for (uint32_t& b : bocins_) {
      const uint64_t t = static_cast<uint64_t>(b) * radix + duu;
      b = static_cast<uint32_t>(t);
      duu = t >> 32;
    }
    if (duu != 0) bocins_.push_back(static_cast<uint32_t>(duu));
  }
  // Divides by radix (1..2^32) and returns the remainder.
  uint64_t Divideix(uint64_t radix) {
    uint64_t residu = 0;
    for (auto b = bocins_.rbegin(); b != bocins_.rend(); ++b) {
      const uint64_t t = (residu << 32) | *b;
      *b = static_cast<uint32_t>(t / radix);
      residu = t % radix;
    }
    while (!bocins_.empty() && bocins_.back() == 0) bocins_.pop_back();
    return residu;
  }
  bool EsZero() const { return bocins_.empty(); }

 private:
  std::vector<uint32_t> bocins_;
};

// Walking a sheet's fields in order, to write them or to read them: the same walk
// serves both, so that the two can never disagree.
class Escriptor {
 public:
  static constexpr bool Llegeix = false;
  bool Camp(int& valor, int radix) {
    if (valor < 0 || valor >= radix) return false;
    camps_.emplace_back(valor, radix);
    return true;
  }
  Natural Nombre() const {
    Natural n;
    for (auto c = camps_.rbegin(); c != camps_.rend(); ++c) n.MultiplicaISuma(c->second, c->first);
    return n;
  }

 private:
  std::vector<std::pair<int, int>> camps_;
};

class Lector {
 public:
  static constexpr bool Llegeix = true;
  explicit Lector(Natural n) : n_(std::move(n)) {}
  bool Camp(int& valor, int radix) {
    valor = static_cast<int>(n_.Divideix(static_cast<uint64_t>(radix)));
    return true;
  }
  bool Acabat() const { return n_.EsZero(); }

 private:
  Natural n_;
};

// A value of 1..maxim, in one field when it is at most `directes` (the usual values),
// in two otherwise.
template <class V>
bool Variable(V& v, int& valor, int directes, int maxim) {
  int primer = valor >= 1 && valor <= directes ? valor : 0;
  if (!v.Camp(primer, directes + 1)) return false;
  if (primer != 0) {
    valor = primer;
    return true;
  }
  int resta = valor - directes - 1;
  if (!v.Camp(resta, maxim - directes)) return false;
  valor = directes + 1 + resta;
  return true;
}

// The subtype of a series as its stable id, and back.
bool PosaId(SerieDemanada& s, int id) {
  const auto lloc = SubtipusDeId(id);
  if (!lloc) return false;
  s.tema = lloc->tema;
  s.subtipus = lloc->subtipus;
  return true;
}

// The fields of one series after its subtype: same visit, cases, equation form and
// exercises. Whether each is there depends only on the subtype's row, which never
// changes for an id.
template <class V>
bool RecorreCampsSerie(V& v, SerieDemanada& s, const SerieDemanada* anterior) {
  const EntradaTema& e = Cataleg()[static_cast<std::size_t>(s.tema - 1)];
  // Only a topic that draws on leaving tells apart one visit from two.
  if (anterior && e.surt && anterior->tema == s.tema) {
    int amb = s.ambAnterior ? 1 : 0;
    if (!v.Camp(amb, 2)) return false;
    s.ambAnterior = amb == 1;
  } else {
    s.ambAnterior = false;
  }
  if (e.PrenCasos(s.subtipus)) {
    if (!Variable(v, s.casos, 10, 255)) return false;
  } else if (V::Llegeix) {
    s.casos = 1;
  } else if (s.casos != 1) {
    return false;
  }
  if (e.DemanaForma(s.subtipus)) {
    int forma = s.forma.value_or(0);
    if (!v.Camp(forma, 4)) return false;
    s.forma = forma;
  } else {
    s.forma.reset();
  }
  return Variable(v, s.exercicis, 8, kMaximSeries);
}

// A series of a version 1 code: the subtype by its position among the 38 of that
// time, drawn at the usual level.
template <class V>
bool RecorreSerieVersio1(V& v, SerieDemanada& s, const SerieDemanada* anterior) {
  int index = IdDelSubtipus(s.tema, s.subtipus) - 1;
  if (!v.Camp(index, kSubtipusVersio1)) return false;
  if (!PosaId(s, index + 1)) return false;
  s.nivell = NivellHabitual;
  return RecorreCampsSerie(v, s, anterior);
}

// A series of a version 2 code: the subtype's stable id (those of the first 38 in one
// field), its level when the sheet's series do not share one, then the rest.
template <class V>
bool RecorreSerieVersio2(V& v, SerieDemanada& s, const SerieDemanada* anterior, int nivellComu) {
  int id = IdDelSubtipus(s.tema, s.subtipus);
  if (!Variable(v, id, kSubtipusVersio1, 0x10000)) return false;
  if (!PosaId(s, id)) return false;
  const int nivells = Cataleg()[static_cast<std::size_t>(s.tema - 1)].Fila(s.subtipus)->nivells;
  if (nivellComu != 0) {
    s.nivell = nivellComu;
  } else if (!Variable(v, s.nivell, 3, 255)) {
    return false;
  }
  if (s.nivell < NivellMinim || s.nivell > nivells) return false;
  return RecorreCampsSerie(v, s, anterior);
}

// The level every series of a sheet shares; 0 when they differ or one is no level.
int NivellComu(const std::vector<SerieDemanada>& series) {
  if (series.empty()) return 0;
  const int n = series.front().nivell;
  if (n < NivellMinim || n > 3) return 0;
  for (const SerieDemanada& s : series) {
    if (s.nivell != n) return 0;
  }
  return n;
}

// Every field of a sheet. Version 2 begins with the generator version, the sheet
// options and the level all its series share (0: each series gives its own); both
// versions then give the hint placement, each series followed by whether another one
// comes, then the seed (the most significant digits, so that the codes of versions of
// one sheet differ from their first characters).
template <class V>
bool Recorre(V& v, FullCodificat& f, int versio, bool& mesNou) {
  int nivellComu = 0;
  if (versio == 2) {
    if (!Variable(v, f.versioGenerador, 1, 0x10000)) return false;
    if (V::Llegeix && f.versioGenerador > VersioGenerador) {
      mesNou = true;
      return false;
    }
    int opcions = (f.respostesSimplificades ? 0 : 1) | (f.resolucio ? 2 : 0);
    if (!v.Camp(opcions, 4)) return false;
    f.respostesSimplificades = (opcions & 1) == 0;
    f.resolucio = (opcions & 2) != 0;
    if (!V::Llegeix) nivellComu = NivellComu(f.series);
    if (!v.Camp(nivellComu, 4)) return false;
  } else if (V::Llegeix) {
    f.versioGenerador = 1;
    f.respostesSimplificades = true;
    f.resolucio = false;
  }
  if (!v.Camp(f.pista, 3)) return false;
  if (!V::Llegeix && f.series.empty()) return false;
  int exercicis = 0;
  for (std::size_t i = 0;; ++i) {
    if (V::Llegeix) f.series.emplace_back();
    const SerieDemanada* anterior = i > 0 ? &f.series[i - 1] : nullptr;
    const bool fet = versio == 2 ? RecorreSerieVersio2(v, f.series[i], anterior, nivellComu)
                                 : RecorreSerieVersio1(v, f.series[i], anterior);
    if (!fet) return false;
    exercicis += f.series[i].exercicis;
    if (exercicis > Lot::Maxim) return false;
    int mes = i + 1 < f.series.size() ? 1 : 0;
    if (!v.Camp(mes, 2)) return false;
    if (mes == 0) break;
  }
  // A level given series by series that every series shares is the shared level written
  // the long way: no code is written so, and each sheet has one code.
  if (V::Llegeix && versio == 2 && nivellComu == 0 && NivellComu(f.series) != 0) return false;
  int baix = static_cast<int>(f.llavor & 0xFFFF), alt = static_cast<int>(f.llavor >> 16);
  if (!v.Camp(baix, 0x10000) || !v.Camp(alt, 0x10000)) return false;
  f.llavor = static_cast<uint32_t>(alt) << 16 | static_cast<uint32_t>(baix);
  return true;
}

// The weight of the character at position j (from 0): 1..30, never 0 modulo 31 and
// never equal for neighbours, so that a changed character or two swapped neighbours
// always change the sum.
int Pes(std::size_t j) { return static_cast<int>(j % 30) + 1; }

int SumaPonderada(const std::vector<int>& xifres) {
  int suma = 0;
  for (std::size_t j = 0; j < xifres.size(); ++j) suma = (suma + Pes(j) * xifres[j]) % kBase;
  return suma;
}

int Invers(int a) {  // modulo the prime base, a != 0
  int r = 1;
  for (int k = 0; k < kBase - 2; ++k) r = r * a % kBase;
  return r;
}

std::string TextDeXifres(const std::vector<int>& xifres) {
  std::string text;
  for (int x : xifres) text += AlfabetCodi[static_cast<std::size_t>(x)];
  return text;
}

ErrorCodi Error(std::string m) { return ErrorCodi{std::move(m)}; }

// The code's digits without separators, or what is wrong with its characters.
std::variant<std::vector<int>, ErrorCodi> Xifres(std::string_view text) {
  if (text.size() > LlargadaMaximaCodi) return Error("el codi \xC3\xA9s massa llarg");
  std::vector<int> xifres;
  for (char c : text) {
    if (c == ' ' || c == '-' || c == '\t') continue;
    const char majuscula = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    const auto pos = AlfabetCodi.find(majuscula);
    if (pos == std::string_view::npos) {
      const auto u = static_cast<unsigned char>(c);
      return Error(u > 0x20 && u < 0x7F ? "el codi t\xC3\xA9 un car\xC3\xA0" "cter que no hi pot ser: \"" +
                                              std::string(1, c) + "\""
                                        : std::string("el codi t\xC3\xA9 un car\xC3\xA0" "cter que no hi pot ser"));
    }
    xifres.push_back(static_cast<int>(pos));
  }
  if (xifres.empty()) return Error("el codi \xC3\xA9s buit");
  return xifres;
}

}  // namespace

namespace {

// The code of a sheet in one version of the format.
std::optional<std::string> EscriuCodiVersio(const FullCodificat& full, int versio) {
  FullCodificat f = full;
  Escriptor e;
  bool mesNou = false;
  if (!Recorre(e, f, versio, mesNou)) return std::nullopt;
  Natural n = e.Nombre();
  std::vector<int> xifres;
  do {
    xifres.push_back(static_cast<int>(n.Divideix(kBase)));
  } while (!n.EsZero());
  if (versio == 2) xifres.push_back(0);
  std::reverse(xifres.begin(), xifres.end());
  const int pes = Pes(xifres.size());
  const int falta = ((kSumaControl - SumaPonderada(xifres)) % kBase + kBase) % kBase;
  xifres.push_back(falta * Invers(pes) % kBase);
  return TextDeXifres(xifres);
}

}  // namespace

std::optional<std::string> EscriuCodi(const FullCodificat& full) { return EscriuCodiVersio(full, 2); }

std::optional<std::string> EscriuCodiVersio1(const FullCodificat& full) {
  if (full.versioGenerador != 1 || !full.respostesSimplificades || full.resolucio) return std::nullopt;
  for (const SerieDemanada& s : full.series) {
    if (s.nivell != NivellHabitual || IdDelSubtipus(s.tema, s.subtipus) > kSubtipusVersio1) return std::nullopt;
  }
  return EscriuCodiVersio(full, 1);
}

std::variant<FullCodificat, ErrorCodi> LlegeixCodi(std::string_view text) {
  auto lectura = Xifres(text);
  if (auto* e = std::get_if<ErrorCodi>(&lectura)) return *e;
  std::vector<int> xifres = std::move(std::get<std::vector<int>>(lectura));
  if (xifres.size() < 2 || SumaPonderada(xifres) != kSumaControl) {
    return Error("el codi no \xC3\xA9s correcte: hi ha algun car\xC3\xA0" "cter mal copiat");
  }
  const std::size_t llargada = xifres.size();
  xifres.pop_back();
  const int versio = xifres.front() == 0 ? 2 : 1;
  if (versio == 2) xifres.erase(xifres.begin());
  const ErrorCodi desconegut = Error("el codi no correspon a cap full d'aquest programa");
  if (xifres.empty()) return desconegut;
  Natural n;
  for (int x : xifres) n.MultiplicaISuma(kBase, static_cast<uint64_t>(x));
  Lector l(std::move(n));
  FullCodificat f;
  bool mesNou = false;
  if (!Recorre(l, f, versio, mesNou) || !l.Acabat()) {
    if (mesNou)
      return Error("el codi \xC3\xA9s d'una versi\xC3\xB3 m\xC3\xA9s nova del programa: actualitzeu Tirelo per "
                   "fer-ne el full");
    return desconegut;
  }
  // One way only of writing each sheet: a code with leading zeros is not one.
  const auto escrit = EscriuCodiVersio(f, versio);
  if (!escrit || escrit->size() != llargada) return desconegut;
  return f;
}

OpcionsGenera OpcionsDelCodi(const FullCodificat& full) {
  OpcionsGenera o;
  o.series = full.series;
  o.llavor = full.llavor;
  o.pista = full.pista;
  o.respostesSimplificades = full.respostesSimplificades;
  o.resolucio = full.resolucio;
  return o;
}

namespace {

bool MateixosExercicis(const std::vector<Exercici>& dibuixats, const std::vector<Exercici>& exercicis) {
  if (dibuixats.size() != exercicis.size()) return false;
  for (std::size_t k = 0; k < exercicis.size(); ++k) {
    const Exercici& a = dibuixats[k];
    const Exercici& b = exercicis[k];
    if (b.editat || !b.recepta || a.recepta != b.recepta || !MateixosTextos(a, b)) return false;
  }
  return true;
}

// The code of `candidat` when drawing it gives exactly these exercises.
std::optional<std::string> CodiVerificat(const FullCodificat& candidat, const std::vector<Exercici>& exercicis) {
  // The generator version is this program's: a code is only written for what it draws.
  const auto codi = EscriuCodi(candidat);
  if (!codi) return std::nullopt;
  const auto llegit = LlegeixCodi(*codi);
  if (!std::holds_alternative<FullCodificat>(llegit)) return std::nullopt;
  const FullCodificat& f = std::get<FullCodificat>(llegit);
  const LotGenerat g = GeneraSeries(OpcionsDelCodi(f), f.llavor);
  if (!MateixosExercicis(g.exercicis, exercicis)) return std::nullopt;
  return codi;
}

std::optional<FullCodificat> CandidatDelLot(const std::vector<Exercici>& exercicis, bool mateixaVisita,
                                            bool respostesSimplificades, bool resolucio) {
  if (exercicis.empty()) return std::nullopt;
  std::vector<Recepta> receptes;
  for (const Exercici& e : exercicis) {
    if (!e.recepta || e.editat) return std::nullopt;
    receptes.push_back(*e.recepta);
  }
  const uint64_t llavor = receptes.front().llavor;
  if (llavor > std::numeric_limits<uint32_t>::max()) return std::nullopt;
  FullCodificat f{static_cast<uint32_t>(llavor), exercicis.front().posicioPista,
                  SeriesDeLesReceptes(receptes, mateixaVisita)};
  f.respostesSimplificades = respostesSimplificades;
  f.resolucio = resolucio;
  return f;
}

}  // namespace

std::vector<SerieDemanada> SeriesDeLesReceptes(const std::vector<Recepta>& receptes, bool mateixaVisita) {
  std::vector<SerieDemanada> series;
  for (const Recepta& r : receptes) {
    if (!series.empty()) {
      SerieDemanada& s = series.back();
      if (s.tema == r.tema && s.subtipus == r.subtipus && s.casos == r.casos && s.forma == r.forma &&
          s.nivell == r.nivell) {
        ++s.exercicis;
        continue;
      }
    }
    const bool ambAnterior = mateixaVisita && !series.empty() && series.back().tema == r.tema;
    series.push_back({r.tema, r.subtipus, r.casos, 1, r.forma, ambAnterior, r.nivell});
  }
  return series;
}

std::optional<std::string> CodiDelLot(const std::vector<Exercici>& exercicis, bool respostesSimplificades,
                                      bool resolucio) {
  for (const bool mateixaVisita : {true, false}) {
    if (const auto f = CandidatDelLot(exercicis, mateixaVisita, respostesSimplificades, resolucio))
      if (auto codi = CodiVerificat(*f, exercicis)) return codi;
  }
  return std::nullopt;
}

std::optional<std::string> CodiDeLesSeries(const std::vector<Exercici>& exercicis,
                                           const std::vector<SerieDemanada>& series, int forma, int pista,
                                           uint64_t llavor, bool respostesSimplificades, bool resolucio) {
  if (llavor <= std::numeric_limits<uint32_t>::max() && !series.empty()) {
    FullCodificat f{static_cast<uint32_t>(llavor), pista, series};
    f.respostesSimplificades = respostesSimplificades;
    f.resolucio = resolucio;
    for (auto& s : f.series) s.forma = s.forma.value_or(forma);
    if (auto codi = CodiVerificat(f, exercicis)) return codi;
  }
  return CodiDelLot(exercicis, respostesSimplificades, resolucio);
}

}  // namespace tirelo
