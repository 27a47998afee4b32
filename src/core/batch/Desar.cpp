// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Desar.h"

#include <climits>
#include <filesystem>
#include <system_error>

#include "document/Document.h"
#include "mathtext/Text.h"
#include "shell/Programa.h"

namespace tirelo {

namespace fs = std::filesystem;

namespace {

#ifdef NAME_MAX
constexpr std::size_t LlargadaMaxNom = NAME_MAX;
#else
constexpr std::size_t LlargadaMaxNom = 255;
#endif

constexpr std::string_view Extensio = ".rtf";

// Bytes that Windows-1252 leaves undefined stand for C1 controls once converted.
bool EsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

void AvisaFallada(Programa& prg, std::string_view que, std::string_view motiu) {
  prg.ui.Avis(std::string(que) + ":\r" + TextDelSistema(motiu), TitolNoDesat);
}

std::string NomDocument(const ValorsDesar& v) {
  return "\"" + v.nomFitxer + std::string(Extensio) + "\"";
}

}  // namespace

std::string TextDelSistema(std::string_view motiu) {
  if (auto t = Cp1252DeUtf8(motiu)) return *t;
  std::string r;
  for (const char c : motiu) r += static_cast<unsigned char>(c) < 0x80 ? c : '?';
  return r;
}

bool PreguntaSubstituir(Programa& prg, const fs::path& cami) {
  std::error_code ec;
  if (!fs::exists(cami, ec)) return true;
  return prg.ui.Pregunta("Ja hi ha un fitxer " + TextDelSistema(cami.string()) + ".\rVols substituir-lo?", "Confirmar");
}

void InformaDesat(Programa& prg, const fs::path& cami) {
  prg.ui.Informa("Desat a " + TextDelSistema(cami.string()));
}

std::optional<fs::path> CarpetaExerc(Programa& prg) {
  std::error_code ec;
  const fs::path actual = prg.carpetaTreball;
  if (actual.empty()) {
    AvisaFallada(prg, "No s'ha pogut llegir la carpeta actual", "");
    return std::nullopt;
  }
  const fs::path carpeta = actual / "Exerc";
  if (fs::is_directory(carpeta, ec)) return carpeta;
  if (fs::symlink_status(carpeta, ec).type() != fs::file_type::not_found && !ec) {
    prg.ui.Avis(
        "Ja hi ha un fitxer anomenat \"Exerc\" que no \xE9s una carpeta:\r"
        "cal canviar-li el nom o treure'l d'aqu\xED per poder desar.",
        TitolNoDesat);
    return std::nullopt;
  }
  if (!fs::create_directory(carpeta, ec) && ec) {
    AvisaFallada(prg, "No s'ha pogut crear la carpeta \"Exerc\"", ec.message());
    return std::nullopt;
  }
  return carpeta;
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

void EscriuCos(Document& doc, const Lot& lot, bool blocs) {
  for (int k = 1; k <= lot.Nombre(); ++k) {
    EscriuTextExercici(doc, Negreta(std::to_string(k) + ") "), EnunciatIPista(lot[k]));
    doc.Salt();
    if (!blocs) EscriuTextExercici(doc, "Resp: ", RespostaIPista(lot[k]));
    doc.Salt();
  }
  if (!blocs) return;
  doc.Salt();
  doc.Salt();
  doc.EscriuTextSalt(Negreta("Respostes"));
  doc.Salt();
  for (int k = 1; k <= lot.Nombre(); ++k)
    EscriuTextExercici(doc, Negreta(std::to_string(k) + ")"), RespostaIPista(lot[k]));
}

// Writes the whole document; true when every file operation succeeded. Once the file
// is open it is the document path; the written flag says whether it holds a whole
// document (a document cut short must be written again before it is opened).
bool EscriuDocument(Programa& prg, const fs::path& cami) {
  Document doc;
  doc.ObreDocument(cami);
  if (doc.Fallada()) {
    AvisaFallada(prg, "No s'ha pogut crear el fitxer " + NomDocument(prg.desar), doc.Fallada()->motiu);
    return false;
  }
  prg.document.cami = cami.string();
  prg.document.escrit = true;
  EscriuTitol(doc, prg.desar.titol);
  EscriuCos(doc, prg.lot, prg.desar.disposicio != 0);
  doc.TancaDocument();
  if (doc.Fallada()) {
    prg.document.escrit = false;
    AvisaFallada(prg, "No s'ha pogut escriure el fitxer " + NomDocument(prg.desar) + "; ha quedat incomplet",
                 doc.Fallada()->motiu);
    return false;
  }
  return true;
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
  if (Utf8DeCp1252(nom).size() + Extensio.size() > LlargadaMaxNom)
    return refusa("El nom del fitxer \xE9s massa llarg per al sistema de fitxers.");
  return std::nullopt;
}

std::optional<fs::path> DemanaCamiDesar(Programa& prg, std::string_view extensio) {
  if (prg.lot.Nombre() == 0) return std::nullopt;
  if (!prg.ui.DemanaValorsDesar(prg.desar)) return std::nullopt;
  prg.desar.nomFitxer = Talla(prg.desar.nomFitxer, LlargadaText);
  prg.desar.titol = Talla(prg.desar.titol, LlargadaText);
  if (prg.desar.nomFitxer.empty()) return std::nullopt;
  if (auto motiu = ValidaNomFitxer(prg.desar.nomFitxer)) {
    prg.ui.Avis(*motiu, TitolNomNoValid);
    return std::nullopt;
  }
  const auto carpeta = CarpetaExerc(prg);
  if (!carpeta) return std::nullopt;
  fs::path cami = *carpeta / (Utf8DeCp1252(prg.desar.nomFitxer) + std::string(extensio));
  if (!PreguntaSubstituir(prg, cami)) return std::nullopt;
  return cami;
}

bool Desa(Programa& prg) {
  const auto cami = DemanaCamiDesar(prg, Extensio);
  if (!cami || !EscriuDocument(prg, *cami)) return false;
  prg.historial.MarcaDesat();
  InformaDesat(prg, *cami);
  return true;
}

void ObreEnEditor(Programa& prg) {
  if (prg.lot.Nombre() == 0) return;
  // A document deleted since it was written is written again, rather than handing
  // the desktop a path to nothing.
  std::error_code ec;
  const bool hiEs = prg.document.escrit && fs::exists(prg.document.cami, ec);
  if (!hiEs && !Desa(prg)) return;
  if (!prg.ui.ObreAmbEscriptori(prg.document.cami)) prg.ui.Avis(TextCalEditor(prg.document.cami), TitolCalEditor);
}

std::optional<FalladaDocument> EscriuLot(const Lot& lot, const ValorsDesar& valors,
                                         const std::filesystem::path& cami) {
  Document doc;
  doc.ObreDocument(cami);
  if (!doc.Fallada()) {
    EscriuTitol(doc, valors.titol);
    EscriuCos(doc, lot, valors.disposicio != 0);
    doc.TancaDocument();
  }
  return doc.Fallada();
}

}  // namespace tirelo
