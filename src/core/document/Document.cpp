// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Document.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "document/Marcat.h"

namespace tirelo {

namespace {

// The code page is declared, so that every reader takes the escaped bytes of the
// texts as Windows-1252; the page is A4 with margins of 2 cm (1134 twips), the size a
// Catalan school sheet is printed on whatever the reader's locale.
constexpr std::string_view Capcalera =
    "{\\rtf\\ansi\\ansicpg1252 \\deff2\r\n"
    "{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fdecor Courier New;\\f2\\fswiss Arial;}\r\n"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134 \r\n";
constexpr std::string_view Final = "}\r\n";

std::string MotiuErrno(int err) {
  if (err == 0) return "error d'entrada/sortida";  // the library failed without saying why
  return std::strerror(err);
}

// Buffered stdio: a failed write may surface only when the buffer is flushed, that is
// at a later write or at the close, and both are checked.
class CapaStdio final : public CapaFitxer {
 public:
  ~CapaStdio() override {
    if (f_) std::fclose(f_);
  }
  std::string Crea(const std::filesystem::path& cami) override {
    errno = 0;
    f_ = std::fopen(cami.c_str(), "wb");
    return f_ ? std::string() : MotiuErrno(errno);
  }
  std::string Escriu(std::string_view bytes) override {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f_) == bytes.size()) return {};
    return MotiuErrno(errno);
  }
  std::string Tanca() override {
    errno = 0;
    const int r = std::fclose(std::exchange(f_, nullptr));
    return r == 0 ? std::string() : MotiuErrno(errno);
  }

 private:
  std::FILE* f_ = nullptr;
};

// An exercise line is one self-contained piece of RTF: a "}" that would close a group
// opened before the line is dropped, groups left open are closed, and a lone
// backslash at the end (which would escape what follows) is dropped. A line cut to
// its length, or a text edited by hand, can thus never swallow the rest of the
// document. Well-formed lines pass unchanged.
std::string EquilibraClaus(std::string_view rtf) {
  std::string r;
  r.reserve(rtf.size() + 4);
  int oberts = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '\\') {
      if (i + 1 == rtf.size()) break;
      r += c;
      r += rtf[++i];  // the escaped character ("\{", "\}", "\\") or a control word's first letter
      continue;
    }
    if (c == '{') ++oberts;
    if (c == '}') {
      if (oberts == 0) continue;
      --oberts;
    }
    r += c;
  }
  r.append(static_cast<std::size_t>(oberts), '}');
  return r;
}

// A non-breaking hyphen and a non-breaking blank, as Unicode characters with their
// plain fallbacks: unrtf drops the RTF symbols "\_" and "\~" ("x²-9" read "x²9"),
// while every reader takes these. The fallback is escaped: pandoc took a bare "-"
// after the number as part of the word and unrtf skipped the whole word after it
// ("\u8209 -49," read "-").
constexpr std::string_view kGuioFix = "\\u8209\\'2d";
constexpr std::string_view kBlancFix = "\\u160\\'a0";
// A word joiner (U+2060) with no fallback, between two brackets: "(x+3)(x-3)" would
// otherwise break between its factors.
constexpr std::string_view kUnio = "{\\uc0\\u8288 }";

bool EsLletra(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The text read so far ends with a case label without its blank: one or two small
// letters and ")", with no letter or digit before them ("b)", "ab)", but not "6x)" nor
// "Nota)").
bool AcabaEnEtiqueta(std::string_view text) {
  if (text.empty() || text.back() != ')') return false;
  std::size_t lletres = 0;
  for (std::size_t k = text.size() - 1; k > 0 && text[k - 1] >= 'a' && text[k - 1] <= 'z'; --k) ++lletres;
  if (lletres < 1 || lletres > 2) return false;
  const std::size_t abans = text.size() - 1 - lletres;
  const char c = abans == 0 ? ' ' : text[abans - 1];
  return !EsLletra(c) && !(c >= '0' && c <= '9');
}

// Copies the control word or symbol at rtf[i] (a backslash) and returns the index
// after it: "\'hh" whole, a word with its numeric parameter and delimiting blank.
std::size_t CopiaControl(std::string_view rtf, std::size_t i, std::string& r) {
  std::size_t fi = i + 1;
  if (fi < rtf.size() && rtf[fi] == '\'') {
    fi = std::min(rtf.size(), fi + 3);
  } else if (fi < rtf.size() && EsLletra(rtf[fi])) {
    while (fi < rtf.size() && EsLletra(rtf[fi])) ++fi;
    if (fi < rtf.size() && rtf[fi] == '-') ++fi;
    while (fi < rtf.size() && rtf[fi] >= '0' && rtf[fi] <= '9') ++fi;
    if (fi < rtf.size() && rtf[fi] == ' ') ++fi;
  } else {
    fi = std::min(rtf.size(), fi + 1);
  }
  r.append(rtf.substr(i, fi - i));
  return fi;
}

}  // namespace

std::string SenseSaltsDinsExpressions(std::string_view rtf) {
  std::string r;
  r.reserve(rtf.size() + rtf.size() / 8);
  std::string text;  // the text characters read so far, without the RTF controls
  bool blancsEtiqueta = false;
  for (std::size_t i = 0; i < rtf.size();) {
    const char c = rtf[i];
    if (c == '\\') {
      i = CopiaControl(rtf, i, r);
      continue;
    }
    ++i;
    if (c == '{' || c == '}') {
      r += c;
      continue;
    }
    blancsEtiqueta = c == ' ' && (blancsEtiqueta || AcabaEnEtiqueta(text));
    if (c == '(' && !text.empty() && text.back() == ')') r += kUnio;
    if (c == '-') {
      r += kGuioFix;
    } else if (blancsEtiqueta) {
      r += kBlancFix;
    } else {
      r += c;
    }
    text += c;
  }
  return r;
}

std::string AmbBytesEscapats(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string r;
  r.reserve(bytes.size());
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      r += c;
      continue;
    }
    r += "\\'";
    r += kHex[u >> 4];
    r += kHex[u & 15];
  }
  return r;
}

std::unique_ptr<CapaFitxer> CapaFitxerSistema() {
  return std::make_unique<CapaStdio>();
}

std::string Negreta(std::string_view text) {
  return "{\\b " + std::string(text) + "}";
}

Document::Document(std::unique_ptr<CapaFitxer> capa) : capa_(std::move(capa)) {}

Document::~Document() {
  if (obert_) capa_->Tanca();
}

void Document::Falla(OperacioFitxer operacio, std::string motiu) {
  if (!fallada_) fallada_ = FalladaDocument{operacio, std::move(motiu)};
}

void Document::ObreDocument(const std::filesystem::path& cami) {
  if (auto motiu = capa_->Crea(cami); !motiu.empty()) return Falla(OperacioFitxer::Crear, std::move(motiu));
  obert_ = true;
  Escriu(Capcalera);
}

void Document::Escriu(std::string_view bytes) {
  if (!obert_ || fallada_) return;
  if (auto motiu = capa_->Escriu(AmbBytesEscapats(bytes)); !motiu.empty())
    Falla(OperacioFitxer::Escriure, std::move(motiu));
}

void Document::EscriuText(std::string_view text) {
  Escriu(text);
}

void Document::EscriuTextSalt(std::string_view text) {
  Escriu(text);
  Salt();
}

// The line ends its paragraph ("\par ") rather than only its line: an indent the
// markup sets or resets after text in the line (" #0 " closing a system of
// equations) then holds from the next paragraph in every reader. LibreOffice applies
// such a property only from the next paragraph, Word to the whole paragraph at its
// mark; with a line break the answer and every later exercise shared the paragraph
// and stayed indented in LibreOffice.
void Document::EscriuMarcatSalt(std::string_view marcat) {
  Escriu(SenseSaltsDinsExpressions(EquilibraClaus(TradueixMarcat(marcat))));
  FiParagraf();
}

void Document::Salt() {
  Escriu("\\line ");
}

void Document::FiParagraf() {
  Escriu("\\par ");
}

void Document::TancaDocument() {
  if (!obert_) return;
  Escriu(Final);
  obert_ = false;
  if (auto motiu = capa_->Tanca(); !motiu.empty()) Falla(OperacioFitxer::Tancar, std::move(motiu));
}

}  // namespace tirelo
