// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The RTF document writer: creates the document file, writes the fixed header,
// appends pieces of RTF in call order (exercise markup translated on the way) and
// closes the document. Callers hand it ready RTF; it only writes every byte from 0x80
// up as "\'hh".
//
//   Document doc;
//   doc.ObreDocument("Exerc/tema1.rtf");
//   doc.EscriuMarcatSalt("x^2");        // x{\super 2}\par
//   doc.TancaDocument();
//   if (doc.Fallada()) ...              // which operation failed, and the system's reason
//
// Every file operation is checked. The first failure ends the writing of that
// document: the file stays as far as it was written and later calls write nothing.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tirelo {

// Where the writer's bytes go: the system's files, or a test double that fails on
// demand. Each operation returns an empty text on success, otherwise the system's
// reason (as strerror gives it).
class CapaFitxer {
 public:
  virtual ~CapaFitxer() = default;
  virtual std::string Crea(const std::filesystem::path& cami) = 0;  // creates or empties
  virtual std::string Escriu(std::string_view bytes) = 0;
  virtual std::string Tanca() = 0;
};
std::unique_ptr<CapaFitxer> CapaFitxerSistema();

enum class OperacioFitxer { Crear, Escriure, Tancar };

struct FalladaDocument {
  OperacioFitxer operacio;
  std::string motiu;  // the system's reason, in the locale's encoding
};

// The translation of an exercise line with its line breaks kept between cases and
// words: every minus sign becomes a non-breaking hyphen (U+2011, "\u8209\'2d") and the
// blanks after a case label ("b) ") non-breaking blanks (U+00A0, "\u160\'a0"), and a
// word joiner (U+2060) goes between ")(", so that no reader breaks a line inside an
// expression or right after a label. RTF controls pass unchanged.
//   SenseSaltsDinsExpressions("a) x{\super -2}") == "a)\u160\'a0x{\super \u8209\'2d2}"
std::string SenseSaltsDinsExpressions(std::string_view rtf);
// Every byte from 0x80 up written as "\'hh" (the header declares code page 1252):
// readers that would otherwise guess the raw bytes' encoding keep every character.
std::string AmbBytesEscapats(std::string_view bytes);

// "{\b " + text + "}"
std::string Negreta(std::string_view text);

class Document {
 public:
  explicit Document(std::unique_ptr<CapaFitxer> capa = CapaFitxerSistema());
  ~Document();  // a file left open is closed, unreported
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // Creates the file (or empties it) and writes the two header lines.
  void ObreDocument(const std::filesystem::path& cami);
  void EscriuText(std::string_view text);
  void EscriuTextSalt(std::string_view text);  // the text, then "\line "
  // The translation of an exercise line, then the end of its paragraph.
  void EscriuMarcatSalt(std::string_view marcat);
  void Salt();           // "\line "
  void FiParagraf();     // "\par "
  void TancaDocument();  // "}" CR LF, then the file is closed

  const std::optional<FalladaDocument>& Fallada() const { return fallada_; }

 private:
  void Escriu(std::string_view bytes);
  void Falla(OperacioFitxer operacio, std::string motiu);

  std::unique_ptr<CapaFitxer> capa_;
  bool obert_ = false;
  std::optional<FalladaDocument> fallada_;
};

}  // namespace tirelo
