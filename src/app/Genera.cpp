// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "Genera.h"

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <filesystem>
#include <iostream>
#include <memory>

#ifdef TIRELO_GUI
#include <QGuiApplication>

#include "gui/full/PintaFull.h"
#endif

#include "mathtext/Aleatori.h"
#include "mathtext/Text.h"
#include "shell/FitxerLot.h"
#include "shell/Genera.h"

namespace tirelo {

namespace {

int Falla(const std::string& missatge) {
  std::cerr << "tirelo genera: " << missatge << "\n";
  return 2;
}

// Standard output written and flushed: false when the text did not get out (a full
// disk, a closed pipe), which must not end in success.
bool SortidaEstandard(const std::string& text) {
  std::cout << text << std::flush;
  return static_cast<bool>(std::cout);
}

// The PDF is painted with Qt's painter, in a headless application on the offscreen
// platform started only when a PDF is asked for: the command needs no display.
class PintorPdf {
 public:
  explicit PintorPdf(const OpcionsGenera& opcions) {
#ifdef TIRELO_GUI
    if (FormatDeSortida(opcions.sortida) != FormatSortida::Pdf || QCoreApplication::instance()) return;
    // Only the command's own lines reach the terminal, not Qt's notes on its setup.
    qInstallMessageHandler([](QtMsgType tipus, const QMessageLogContext&, const QString& text) {
      if (tipus == QtCriticalMsg || tipus == QtFatalMsg) std::cerr << "tirelo genera: " << text.toStdString() << "\n";
    });
    aplicacio_ = std::make_unique<QGuiApplication>(argc_, arguments_);
#else
    (void)opcions;
#endif
  }
  EscriptorFull Escriptor() const {
#ifdef TIRELO_GUI
    return gui::EscriptorPdf();
#else
    return {};
#endif
  }

 private:
#ifdef TIRELO_GUI
  int argc_ = 3;
  char programa_[7] = "tirelo", opcio_[10] = "-platform", plataforma_[10] = "offscreen";
  char* arguments_[4] = {programa_, opcio_, plataforma_, nullptr};
  std::unique_ptr<QGuiApplication> aplicacio_;
#endif
};

}  // namespace

int ExecutaGenera(const std::vector<std::string>& args) {
  const auto temes = DescriuTemes();
  const auto lectura = LlegeixOpcionsGenera(args, temes);
  if (const auto* e = std::get_if<ErrorOpcions>(&lectura)) return Falla(e->missatge);
  const auto& opcions = std::get<OpcionsGenera>(lectura);
  if (opcions.ajuda) {
    return SortidaEstandard(AjudaGenera(temes)) ? 0 : Falla("no s'ha pogut escriure l'ajuda");
  }
  uint64_t llavor = 0;
  if (opcions.llavor) {
    llavor = *opcions.llavor;
  } else {
    llavor = LlavorDeFull();  // 32 bits, so that the sheet can have a code
  }
  std::optional<ContingutLot> inicial;
  if (!opcions.lot.empty()) {
    auto llegit = ObreFitxerLot(opcions.lot, temes);
    if (const auto* e = std::get_if<ErrorLot>(&llegit)) return Falla(opcions.lot + ": " + Utf8DeCp1252(e->missatge));
    inicial = std::move(std::get<ContingutLot>(llegit));
    int total = static_cast<int>(inicial->exercicis.size());
    for (const auto& s : opcions.series) total += s.exercicis;
    if (total > Lot::Maxim) {
      return Falla("el lot pot tenir com a m\xC3\xA0xim " + std::to_string(Lot::Maxim) + " exercicis i se'n demanen " +
                   std::to_string(total));
    }
  }
  const LotGenerat lot = GeneraSeries(opcions, llavor, inicial ? &*inicial : nullptr);
  for (const auto& avis : lot.avisos) std::cerr << "tirelo genera: " << Utf8DeCp1252(avis) << "\n";
  // One line per exercise that holds fewer cases than were asked; the sheet is still made.
  for (const auto& r : lot.retallats)
    std::cerr << "tirelo genera: " << Utf8DeCp1252(TextCasosRetallats(r)) << "\n";

  if (!opcions.sortida.empty()) {
    const PintorPdf pintor(opcions);
    std::vector<std::string> codis;
    const auto error = EscriuSortidaGenera(lot, opcions, llavor, pintor.Escriptor(), codis);
    for (const auto& codi : codis) std::cerr << codi << "\n";
    if (error) return Falla(*error);
  }
  if (opcions.json && !SortidaEstandard(LotEnJson(lot.exercicis, lot.origen))) {
    return Falla("no s'ha pogut escriure el JSON a la sortida est\xC3\xA0ndard");
  }
  // Told once the sheet exists, so that it can be made again.
  if (!opcions.llavor && !opcions.series.empty() && opcions.codi.empty()) std::cerr << "llavor: " << llavor << "\n";
  return 0;
}

int OrdreGenera(int argc, char** argv) { return ExecutaGenera(std::vector<std::string>(argv, argv + argc)); }

}  // namespace tirelo
