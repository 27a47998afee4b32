// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "shell/DesarDocument.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "batch/Desar.h"
#include "mathtext/Text.h"
#include "shell/Programa.h"

namespace tirelo {

namespace fs = std::filesystem;

namespace {

void AvisaFallada(Programa& prg, std::string_view que, std::string_view motiu) {
  prg.ui.Avis(std::string(que) + ":\r" + TextDelSistema(motiu), TitolNoDesat);
}

std::string NomDocument(const ValorsDesar& v) {
  return "\"" + v.nomFitxer + std::string(ExtensioDocument) + "\"";
}

// Writes the whole document; true when every file operation succeeded. Once the file
// is created it is the document path; the written flag says whether it holds a whole
// document (a document cut short must be written again before it is opened).
bool EscriuDocument(Programa& prg, const fs::path& cami) {
  const auto fallada = EscriuLot(prg.lot, prg.desar, cami, prg.full.resolucio);
  if (fallada && fallada->operacio == OperacioFitxer::Crear) {
    AvisaFallada(prg, "No s'ha pogut crear el fitxer " + NomDocument(prg.desar), fallada->motiu);
    return false;
  }
  prg.document.cami = cami.string();
  prg.document.escrit = !fallada;
  if (fallada) {
    AvisaFallada(prg, "No s'ha pogut escriure el fitxer " + NomDocument(prg.desar) + "; ha quedat incomplet",
                 fallada->motiu);
    return false;
  }
  return true;
}

}  // namespace

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
  const auto cami = DemanaCamiDesar(prg, ExtensioDocument);
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

}  // namespace tirelo
