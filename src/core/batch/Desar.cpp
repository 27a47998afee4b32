// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Desar.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "batch/Lot.h"
#include "document/Document.h"
#include "document/Notacio.h"
#include "mathtext/Text.h"

namespace tirelo {

namespace fs = std::filesystem;

namespace {

#ifdef NAME_MAX
constexpr std::size_t LlargadaMaxNom = NAME_MAX;
#else
constexpr std::size_t LlargadaMaxNom = 255;
#endif

// Bytes that Windows-1252 leaves undefined stand for C1 controls once converted.
bool EsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

}  // namespace

std::string TextDelSistema(std::string_view motiu) {
  if (auto t = Cp1252DeUtf8(motiu)) return *t;
  std::string r;
  for (const char c : motiu) r += static_cast<unsigned char>(c) < 0x80 ? c : '?';
  return r;
}

namespace {

// The title is plain text as typed: the characters that RTF reads as syntax are
// escaped, so that a brace in a title cannot end the document early.
std::string TextRtf(std::string_view text) {
  std::string r;
  for (const char c : text) {
    if (c == '\\' || c == '{' || c == '}') r += '\\';
    r += c;
  }
  return r;
}

// The title is centred in a group of its own. Its last line break ends the paragraph
// inside the group instead: a paragraph's alignment is that in force where the
// paragraph ends, so otherwise Word centred nothing and LibreOffice centred the
// first exercise too.
void EscriuTitol(Document& doc, std::string_view titol) {
  doc.EscriuText("{\\qc");
  doc.EscriuTextSalt(Negreta(TextRtf(titol)));
  doc.Salt();
  doc.FiParagraf();
  doc.EscriuText("}");
}

// An exercise line: label and text, translated. The text is written whole: it already
// holds at most a text's length of whole cases, and cutting it again behind the label
// lost the end of its last case while the answer still gave that case. The paragraph
// after it starts from the default settings ("\pard "), so that an indent a
// hand-edited text leaves open cannot reach the exercises after it.
void EscriuLinia(Document& doc, std::string_view etiqueta, const std::string& text) {
  doc.EscriuMarcatSalt(std::string(etiqueta) + text);
  doc.EscriuText("\\pard ");
}

// A statement or an answer and, when the hint goes after it, the hint as a paragraph
// of its own. Only label and text share the cut: a long text (an algebraic fraction
// takes some 230 characters) would otherwise cut the hint short or away, and the
// hint, at most 80 characters, always fits.
void EscriuTextExercici(Document& doc, std::string_view etiqueta, const TextIPista& escrit) {
  EscriuLinia(doc, etiqueta, escrit.text);
  if (escrit.comentari) EscriuLinia(doc, {}, *escrit.comentari);
}

// A line of the notation (UTF-8) as document text: Windows-1252 where it has the
// character, an RTF Unicode escape where it does not ("\u8730?" for the root sign).
std::string TextDeNotacio(const std::string& utf8) {
  std::string r;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    const std::string caracter = utf8.substr(i, n);
    i += n;
    if (const auto b = Cp1252DeUtf8(caracter)) {
      r += *b;
      continue;
    }
    unsigned long punt = n == 1 ? c : c & (0xFFu >> (n + 1));
    for (std::size_t k = 1; k < caracter.size(); ++k) punt = (punt << 6) | (static_cast<unsigned char>(caracter[k]) & 0x3Fu);
    // RTF's \u takes a signed 16-bit number; a character beyond it shows as "?".
    r += punt <= 0xFFFF ? "\\u" + std::to_string(static_cast<int16_t>(punt)) + "?" : "?";
  }
  return r;
}

// The worked solutions of an exercise's cases, a line per step under its answer: the
// case's label on its first step, the step in the notation, its reason in brackets.
void EscriuPassos(Document& doc, const Exercici& e) {
  for (const Apartat& a : ApartatsVigents(e)) {
    bool primer = true;
    for (const Pas& p : a.passos) {
      std::string linia = "\\tab " + std::string(primer ? a.etiqueta : "") + "\\tab " + TextDeNotacio(EscriuNotacio(p.expressio));
      if (!p.justificacio.empty()) linia += "   (" + p.justificacio + ")";
      EscriuLinia(doc, {}, linia);
      primer = false;
    }
  }
}

void EscriuCos(Document& doc, const Lot& lot, bool blocs, bool resolucio) {
  for (int k = 1; k <= lot.Nombre(); ++k) {
    EscriuTextExercici(doc, Negreta(std::to_string(k) + ") "), EnunciatIPista(lot[k]));
    doc.Salt();
    if (!blocs) {
      EscriuTextExercici(doc, "Resp: ", RespostaIPista(lot[k]));
      if (resolucio) EscriuPassos(doc, lot[k]);
    }
    doc.Salt();
  }
  if (!blocs) return;
  doc.Salt();
  doc.Salt();
  doc.EscriuTextSalt(Negreta("Respostes"));
  doc.Salt();
  for (int k = 1; k <= lot.Nombre(); ++k) {
    EscriuTextExercici(doc, Negreta(std::to_string(k) + ")"), RespostaIPista(lot[k]));
    if (resolucio) EscriuPassos(doc, lot[k]);
  }
}

}  // namespace

std::string TextCalEditor(const std::string& cami) {
  return "No s'ha trobat cap programa per obrir documents .rtf.\r"
         "El document s'ha desat a:\r" +
         TextDelSistema(fs::absolute(cami).string()) +
         "\r\rPer obrir-lo i imprimir-lo, instal\xB7leu el LibreOffice Writer\r"
         "(paquet libreoffice-writer) o un altre editor de documents .rtf,\r"
         "o obriu aquest fitxer des del vostre editor.";
}

std::optional<std::string> ValidaNomFitxer(std::string_view nom) {
  const std::string_view despres = "\rEl document no s'ha desat.";
  auto refusa = [&](std::string_view per) { return std::string(per) + std::string(despres); };
  if (nom.find_first_of("/\\") != std::string_view::npos)
    return refusa("El nom del fitxer no pot contenir \"/\" ni \"\\\": ha de ser un nom, no un cam\xED.");
  if (nom == "." || nom.find("..") != std::string_view::npos)
    return refusa("El nom del fitxer no pot ser \".\" ni contenir \"..\".");
  for (const char c : nom)
    if (EsControl(static_cast<unsigned char>(c)))
      return refusa(
          "El nom del fitxer no pot contenir car\xE0"
          "cters de control.");
  if (Utf8DeCp1252(nom).size() + ExtensioDocument.size() > LlargadaMaxNom)
    return refusa("El nom del fitxer \xE9s massa llarg per al sistema de fitxers.");
  return std::nullopt;
}

std::optional<FalladaDocument> EscriuLot(const Lot& lot, const ValorsDesar& valors,
                                         const std::filesystem::path& cami, bool resolucio) {
  Document doc;
  doc.ObreDocument(cami);
  if (!doc.Fallada()) {
    EscriuTitol(doc, valors.titol);
    EscriuCos(doc, lot, valors.disposicio != 0, resolucio);
    doc.TancaDocument();
  }
  return doc.Fallada();
}

}  // namespace tirelo
