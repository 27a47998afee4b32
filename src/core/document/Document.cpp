// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "document/Document.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "document/Marcat.h"

namespace tirelo {

namespace {

constexpr std::string_view Capcalera =
    "{\\rtf\\ansi \\deff2\r\n"
    "{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fdecor Courier New;\\f2\\fswiss Arial;}\r\n";
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

}  // namespace

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
  if (auto motiu = capa_->Escriu(bytes); !motiu.empty()) Falla(OperacioFitxer::Escriure, std::move(motiu));
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
  Escriu(EquilibraClaus(TradueixMarcat(marcat)));
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
