// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Serie.h"

#include <charconv>
#include <utility>
#include <vector>

#include "document/Matematiques.h"
#include "mathtext/Text.h"

namespace tirelo {

bool CasosValids(long long n) { return n >= 1 && n <= 255; }

std::string TextCasosRetallats(const CasosRetallats& c) {
  return "Exercici " + std::to_string(c.exercici) + ": hi caben " + std::to_string(c.casos) + " casos dels " +
         std::to_string(c.demanats) + " demanats.";
}

bool PrenCasos(const std::vector<SubtipusSerie>& subtipus, int k) {
  return k >= 1 && static_cast<std::size_t>(k) <= subtipus.size() && subtipus[static_cast<std::size_t>(k) - 1].casos;
}

std::string LletresCas(int i) {
  constexpr int kLletres = 26;
  if (i <= kLletres) return std::string(1, static_cast<char>('a' + i - 1));
  const int despres = i - kLletres - 1;  // 0 for "aa"; 255 cases need two letters at most
  return LletresCas(despres / kLletres + 1) + static_cast<char>('a' + despres % kLletres);
}

std::string EtiquetaCas(int nombreCasos, int i) {
  if (nombreCasos == 1) return {};
  return LletresCas(i) + ") ";
}

std::string SeparadorCas(int nombreCasos, int i) {
  if (i == nombreCasos) return {};
  return ",  ";
}

TextsCasos::TextsCasos(Frase enunciat, Frase resposta, std::size_t maxEnunciat,
                       std::size_t maxResposta)
    : enunciat_(std::move(enunciat)),
      resposta_(std::move(resposta)),
      maxEnunciat_(maxEnunciat),
      maxResposta_(maxResposta) {}

Apartat ApartatDe(std::string_view etiqueta, const Frase& enunciat, const Frase& resposta) {
  return {std::string(etiqueta), Expressio(Matematiques(enunciat.Arbre())), Expressio(Matematiques(resposta.Arbre()))};
}

bool TextsCasos::Afegeix(const Frase& enunciat, const Frase& resposta, std::string_view etiqueta) {
  return Junta(enunciat, resposta, [&] { return ApartatDe(etiqueta, enunciat, resposta); });
}

bool TextsCasos::Afegeix(const Frase& enunciat, const Frase& resposta, const Apartat& apartat) {
  return Junta(enunciat, resposta, [&] { return apartat; });
}

bool TextsCasos::Junta(const Frase& enunciat, const Frase& resposta, const std::function<Apartat()>& apartat) {
  ple_ = ple_ || enunciat_.Llargada() + enunciat.Llargada() > maxEnunciat_ ||
         resposta_.Llargada() + resposta.Llargada() > maxResposta_;
  if (ple_) return false;
  enunciat_ += enunciat;
  resposta_ += resposta;
  ++casos_;
  apartats_.push_back(apartat());
  return true;
}

void TextsCasos::Disposa(DisposicioCasos enunciat, DisposicioCasos resposta) {
  disposicioEnunciat_ = enunciat;
  disposicioResposta_ = resposta;
}

namespace {
// What goes before case i in a text: the separator after the case before (written
// here rather than after that case, so that the last case kept ends its text clean),
// then the entry and the label.
std::string AbansDelCas(int nombreCasos, int i, const DisposicioCasos& d) {
  std::string abans = d.separats && i > 1 ? SeparadorCas(nombreCasos, i - 1) : std::string();
  return abans + std::string(d.entrada) + EtiquetaCas(nombreCasos, i);
}
}  // namespace

bool TextsCasos::AfegeixCas(int nombreCasos, int i, const Frase& enunciat, const Frase& resposta) {
  // The case is its own two pieces, without the separator and label written before them.
  return Junta(Frase(AbansDelCas(nombreCasos, i, disposicioEnunciat_)) + enunciat,
               Frase(AbansDelCas(nombreCasos, i, disposicioResposta_)) + resposta, [&] {
                 std::string etiqueta = EtiquetaCas(nombreCasos, i);
                 if (!etiqueta.empty()) etiqueta.pop_back();  // "a) " -> "a)"
                 return ApartatDe(etiqueta, enunciat, resposta);
               });
}

CampCasos LlegeixCampCasos(std::string_view text) {
  const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blanc(text.front())) text.remove_prefix(1);
  while (!text.empty() && blanc(text.back())) text.remove_suffix(1);
  if (text.empty()) return {LecturaCasos::ForaDeRang, 0};  // a blank field reads as 0
  // One optional sign, then decimal digits only ("+-5", "--5", "5x" are not numbers).
  std::string_view xifres = text;
  const bool negatiu = xifres.front() == '-';
  if (negatiu || xifres.front() == '+') xifres.remove_prefix(1);
  if (xifres.empty() || xifres.find_first_not_of("0123456789") != std::string_view::npos) {
    return {LecturaCasos::NoEsNombre, 0};
  }
  long long valor = 0;
  const auto lectura = std::from_chars(xifres.data(), xifres.data() + xifres.size(), valor);
  if (negatiu || lectura.ec != std::errc() || !CasosValids(valor)) return {LecturaCasos::ForaDeRang, 0};
  return {LecturaCasos::Valid, static_cast<int>(valor)};
}

// The subtype list split at ';' (at most 255 characters of it are used). Empty names
// keep their place so that positions still match the generators; a trailing ';'
// adds no line.
}  // namespace tirelo
