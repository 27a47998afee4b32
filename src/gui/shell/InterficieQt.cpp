// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/InterficieQt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "gui/batch/EditorExercici.h"
#include "gui/batch/FinestraDesar.h"
#include "gui/batch/FinestraSerie.h"
#include "gui/batch/FinestraVersions.h"
#include "gui/shell/FPrincipal.h"
#include "gui/shell/FinestraAjuda.h"
#include "gui/shell/Missatges.h"
#include "gui/shell/TextQt.h"
#include "gui/topics/TipusEq2.h"

namespace tirelo::gui {

bool HiHaObridor(const QString& tipusMime, const QString& xdgMime) {
  const QString programa = QFileInfo(xdgMime).isAbsolute() ? xdgMime : QStandardPaths::findExecutable(xdgMime);
  if (programa.isEmpty() || !QFileInfo(programa).isExecutable()) return true;
  QProcess consulta;
  consulta.start(programa, {QStringLiteral("query"), QStringLiteral("default"), tipusMime});
  if (!consulta.waitForFinished(3000)) {
    consulta.kill();
    consulta.waitForFinished();
    return true;
  }
  // Only a clean answer naming no program says "none"; anything else cannot tell.
  if (consulta.exitStatus() != QProcess::NormalExit || consulta.exitCode() != 0) return true;
  return !consulta.readAllStandardOutput().trimmed().isEmpty();
}

bool ObreFitxerAmbEscriptori(const QString& cami) {
  // The whole path is handed over as one file, blanks included.
  const QFileInfo fitxer(cami);
  if (!fitxer.exists()) return false;
  // xdg-open starts and reports success even when no program takes the file, and
  // then nothing opens: ask first, so that the caller can offer its own way.
  if (!HiHaObridor(QMimeDatabase().mimeTypeForFile(fitxer).name())) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fitxer.absoluteFilePath()));
}

InterficieQt::InterficieQt() : obridor_(ObreFitxerAmbEscriptori) {}

QWidget* InterficieQt::Propietari() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return principal_;
}

void InterficieQt::Tanca() {
  tancant_ = true;
  for (QWidget* finestra : QApplication::topLevelWidgets()) {
    if (auto* dialeg = qobject_cast<QDialog*>(finestra); dialeg && dialeg->isVisible()) dialeg->reject();
  }
}

RespostaSubtipus InterficieQt::DemanaSubtipus(const PeticioSubtipus& peticio) {
  if (tancant_) return {false, 0, peticio.nombreCasos, peticio.nivell};
  return gui::DemanaSubtipus(Propietari(), peticio);
}

bool InterficieQt::EditaExercici(Exercici& e) {
  if (tancant_) return false;
  return gui::EditaExercici(Propietari(), e);
}

FormaEq2 InterficieQt::DemanaFormaEq2() {
  if (tancant_) return FormaEq2::Completa;
  return TriaTipusEq2(Propietari());
}

bool InterficieQt::Pregunta(std::string_view text, std::string_view titol) {
  if (tancant_) return false;
  return PreguntaSiNo(Propietari(), TextMissatge(text), TextMissatge(titol));
}

void InterficieQt::Avis(std::string_view text, std::string_view titol) {
  if (tancant_) return;
  MostraAvis(Propietari(), TextMissatge(text), TextMissatge(titol));
}

bool InterficieQt::DemanaValorsDesar(ValorsDesar& v) {
  if (tancant_) return false;
  return gui::DemanaValorsDesar(Propietari(), v);
}

bool InterficieQt::ObreAmbEscriptori(const std::string& cami) {
  return obridor_(QFile::decodeName(QByteArray::fromStdString(cami)));
}

std::optional<int> InterficieQt::DemanaVersions() {
  if (tancant_) return std::nullopt;
  return DemanaNombreVersions(Propietari());
}

std::optional<std::string> InterficieQt::DemanaCodi() {
  if (tancant_) return std::nullopt;
  return DemanaCodiFull(Propietari());
}

std::optional<std::string> InterficieQt::DemanaFitxerLot(bool desar, const std::string& proposat) {
  if (tancant_) return std::nullopt;
  const QString filtre = QStringLiteral("Lots de Tirelo (*.tirelo)");
  const QString inici = QFile::decodeName(QByteArray::fromStdString(proposat));
  // Replacing a file is asked by the core, with "No" as the default.
  const QString triat =
      desar ? QFileDialog::getSaveFileName(Propietari(), QStringLiteral("Desar lot"), inici, filtre, nullptr,
                                           QFileDialog::DontConfirmOverwrite)
            : QFileDialog::getOpenFileName(Propietari(), QStringLiteral("Obrir lot"), inici, filtre);
  if (triat.isEmpty()) return std::nullopt;
  return QFile::encodeName(triat).toStdString();
}

void InterficieQt::MostraAjuda() {
  if (!tancant_) MostraFinestraAjuda(Propietari());
}

void InterficieQt::Informa(std::string_view text) {
  if (principal_) principal_->MostraNota(TextMissatge(text));
}

void InterficieQt::EstatCanviat() {
  if (principal_) principal_->Refresca();
}

}  // namespace tirelo::gui
