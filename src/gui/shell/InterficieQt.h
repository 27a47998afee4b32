// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The user seam answered through real windows: the series, save, editor and
// equation-form windows, message boxes, and the desktop's opener for files.
#include <QString>
#include <functional>

#include "shell/Interficie.h"

class QWidget;

namespace tirelo::gui {

class FPrincipal;

// Hands a file to the desktop's associated program; true when it was handed over.
// A relative path is taken from the current directory; a missing file is not opened.
bool ObreFitxerAmbEscriptori(const QString& cami);
// Whether the desktop has a default program for files of this MIME type, as
// `xdg-mime query default` answers it. Without that command, or without a clear
// answer, the desktop is trusted (true).
bool HiHaObridor(const QString& tipusMime, const QString& xdgMime = QStringLiteral("xdg-mime"));

class InterficieQt final : public tirelo::Interficie {
 public:
  using Obridor = std::function<bool(const QString& cami)>;

  InterficieQt();

  // The window that shows the batch; nullptr while there is none.
  void PosaPrincipal(FPrincipal* principal) { principal_ = principal; }
  // Replaces the desktop opener (the tests use one that fails or records).
  void PosaObridor(Obridor obridor) { obridor_ = std::move(obridor); }

  // The main window is closing: every open secondary window and message box closes
  // as if left, and whatever is asked afterwards is answered as if left at once, so
  // that a running topic ends without showing anything more.
  void Tanca();
  bool Tancant() const { return tancant_; }

  tirelo::RespostaSubtipus DemanaSubtipus(const tirelo::PeticioSubtipus& peticio) override;
  bool EditaExercici(tirelo::Exercici& e) override;
  tirelo::FormaEq2 DemanaFormaEq2() override;
  bool Pregunta(std::string_view text, std::string_view titol) override;
  void Avis(std::string_view text, std::string_view titol) override;
  bool DemanaValorsDesar(tirelo::ValorsDesar& v) override;
  bool ObreAmbEscriptori(const std::string& cami) override;
  void EstatCanviat() override;
  std::optional<std::string> DemanaFitxerLot(bool desar, const std::string& proposat) override;
  void Informa(std::string_view text) override;
  std::optional<int> DemanaVersions() override;
  std::optional<std::string> DemanaCodi() override;
  void MostraAjuda() override;

 private:
  // The window that owns what is shown now: the open modal window, else the main one.
  QWidget* Propietari() const;

  FPrincipal* principal_ = nullptr;
  Obridor obridor_;
  bool tancant_ = false;
};

}  // namespace tirelo::gui
