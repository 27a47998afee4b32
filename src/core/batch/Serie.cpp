#include "batch/Serie.h"

#include <charconv>

#include "shell/Programa.h"

namespace tirelo {

std::string EtiquetaCas(const Programa& prg, int i) {
  if (prg.serie.nombreCasos == 1) return {};
  return std::string(1, static_cast<char>(96 + i)) + ") ";
}

std::string SeparadorCas(const Programa& prg, int i) {
  if (i == prg.serie.nombreCasos) return {};
  return ",  ";
}

CampCasos LlegeixCampCasos(std::string_view text) {
  const auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blanc(text.front())) text.remove_prefix(1);
  while (!text.empty() && blanc(text.back())) text.remove_suffix(1);
  if (text.empty()) return {LecturaCasos::ForaDeRang, 0};  // a blank field reads as 0
  std::string_view xifres = text;
  if (xifres.front() == '+') xifres.remove_prefix(1);
  long long valor = 0;
  const auto [fi, err] = std::from_chars(xifres.data(), xifres.data() + xifres.size(), valor);
  if (xifres.empty() || xifres.front() == '+' || fi != xifres.data() + xifres.size()) {
    return {LecturaCasos::NoEsNombre, 0};
  }
  if (err == std::errc::result_out_of_range || valor < 1 || valor > 255) {
    return {LecturaCasos::ForaDeRang, 0};
  }
  return {LecturaCasos::Valid, static_cast<int>(valor)};
}

}  // namespace tirelo
