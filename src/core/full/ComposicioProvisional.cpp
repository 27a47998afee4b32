// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// A plain sheet composer: each exercise's readable line as text, with simple paging,
// numbering, the header and the page numbers, and a minimal LaTeX document.
#include <algorithm>
#include <string>

#include "document/TextLinia.h"
#include "full/Full.h"
#include "mathtext/Text.h"

namespace tirelo {

namespace {

ElementFull Text(double x, double y, const std::string& text, const LletraFull& lletra) {
  ElementFull e;
  e.x = x;
  e.y = y;
  e.text = text;
  e.lletra = lletra;
  return e;
}

class Composicio {
 public:
  Composicio(const MetriquesLletra& m, std::string titol) : m_(m) {
    full_.titol = std::move(titol);
    NovaPagina();
  }

  void Linia(const std::string& text, const LletraFull& lletra = {}) {
    const double alt = (m_.Ascendent(lletra) + m_.Descendent(lletra)) * 1.2;
    if (y_ + alt > full_.alcada - Marge2cm - 20) NovaPagina();
    y_ += m_.Ascendent(lletra);
    if (!text.empty()) Pagina().elements.push_back(Text(Marge2cm, y_, text, lletra));
    y_ += alt - m_.Ascendent(lletra);
  }
  void NovaPagina() {
    full_.pagines.emplace_back();
    y_ = Marge2cm;
  }
  Full Acaba() {
    const auto n = full_.pagines.size();
    for (std::size_t k = 0; k < n; ++k) {
      const std::string numero = std::to_string(k + 1) + "/" + std::to_string(n);
      full_.pagines[k].elements.push_back(Text(full_.amplada / 2, full_.alcada - Marge2cm / 2, numero, {.punts = 9}));
    }
    return std::move(full_);
  }

 private:
  PaginaFull& Pagina() { return full_.pagines.back(); }
  const MetriquesLletra& m_;
  Full full_;
  double y_ = 0;
};

void TextIPistaA(Composicio& c, const std::string& etiqueta, const TextIPista& t) {
  c.Linia(etiqueta + TextLinia(t.text));
  if (t.comentari) c.Linia(TextLinia(*t.comentari));
}

}  // namespace

Full ComposaFull(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions,
                 const MetriquesLletra& metriques) {
  Composicio c(metriques, Utf8DeCp1252(opcions.titol));
  if (!opcions.titol.empty()) c.Linia(Utf8DeCp1252(opcions.titol), {.punts = 16, .negreta = true});
  if (opcions.capcalera)
    for (const char* l : {"Nom:", "Curs:", "Data:"}) c.Linia(l);
  for (std::size_t k = 0; k < exercicis.size(); ++k) {
    TextIPistaA(c, std::to_string(k + 1) + ") ", EnunciatIPista(exercicis[k]));
    for (int l = 0; l < std::clamp(opcions.espai, 0, 20); ++l) c.Linia("");
    if (opcions.disposicio == 0) TextIPistaA(c, "Resp: ", RespostaIPista(exercicis[k]));
  }
  if (opcions.disposicio != 0) {
    c.NovaPagina();
    c.Linia("Respostes", {.punts = 14, .negreta = true});
    for (std::size_t k = 0; k < exercicis.size(); ++k)
      TextIPistaA(c, std::to_string(k + 1) + ") ", RespostaIPista(exercicis[k]));
  }
  return c.Acaba();
}

namespace {

std::string Latex(std::string_view cp1252) {
  std::string r;
  for (const char c : TextLinia(cp1252)) {
    if (std::string_view("#$%&_{}^~\\").find(c) != std::string_view::npos) r += ' ';
    else r += c;
  }
  return r;
}

}  // namespace

std::string EscriuLatex(const std::vector<Exercici>& exercicis, const OpcionsFull& opcions) {
  std::string t =
      "\\documentclass[a4paper,12pt]{article}\n\\usepackage[utf8]{inputenc}\n\\usepackage{amsmath}\n"
      "\\begin{document}\n";
  if (!opcions.titol.empty()) t += "\\section*{" + Latex(opcions.titol) + "}\n";
  if (opcions.capcalera) t += "Nom:\\\\\nCurs:\\\\\nData:\\\\\n";
  t += "\\begin{enumerate}\n";
  for (const Exercici& e : exercicis) t += "\\item " + Latex(EnunciatIPista(e).text) + "\n";
  t += "\\end{enumerate}\n\\newpage\n\\section*{Respostes}\n\\begin{enumerate}\n";
  for (const Exercici& e : exercicis) t += "\\item " + Latex(RespostaIPista(e).text) + "\n";
  return t + "\\end{enumerate}\n\\end{document}\n";
}

}  // namespace tirelo
