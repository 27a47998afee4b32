// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/batch/FinestraSerie.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "batch/Serie.h"
#include "gui/shell/Accessibilitat.h"
#include "gui/shell/Missatges.h"
#include "gui/shell/TextQt.h"

namespace tirelo::gui {

namespace {
constexpr int kMaxCasos = 255;  // the largest count the protocol takes
}

FinestraSerie::FinestraSerie(QWidget* pare, const PeticioSubtipus& peticio)
    : FinestraSecundaria(pare, "problmen", DeCp1252(peticio.titol), QRect(600, 138, 312, 268)),
      ambCasos_(peticio.casos),
      nombreCasos_(peticio.nombreCasos) {
  auto* llista = new QListWidget;
  llista->setSelectionMode(QAbstractItemView::SingleSelection);
  llista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  for (std::size_t k = 0; k < peticio.subtipus.size(); ++k) {
    llista->addItem(QStringLiteral("[%1] ").arg(k + 1) + DeCp1252(peticio.subtipus[k]));
  }
  AfegeixControl(llista, ordre_serie::Llista, QRect(12, 12, 286, 167));
  if (peticio.seleccio >= 1 && peticio.seleccio <= llista->count()) llista->setCurrentRow(peticio.seleccio - 1);

  auto* casos = AfegeixCamp(ordre_serie::Casos, QRect(176, 176, 35, 22));
  casos->setAlignment(Qt::AlignCenter);
  // The field opens with the number the arrows step from, so both always agree.
  casos->setText(QString::number(nombreCasos_));
  auto* menys = AfegeixBoto(ordre_serie::MenysCasos, QStringLiteral("<"), QRect(156, 176, 22, 22));
  auto* mes = AfegeixBoto(ordre_serie::MesCasos, QStringLiteral(">"), QRect(206, 176, 22, 22));
  auto* be = AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("B\u00E9"), QRect(220, 212, 52, 24));
  be->setDefault(true);
  auto* sortir = AfegeixBoto(ordre_finestra::Surt, QStringLiteral("Sortir"), QRect(20, 212, 52, 24));
  // The level sits in the free space between "Sortir" and "Bé", moving neither.
  auto* nivell = AfegeixControl(new QComboBox, ordre_serie::Nivell, QRect(118, 212, 96, 24));
  for (const char* n : {"1 f\u00E0cil", "2 habitual", "3 dif\u00EDcil"}) nivell->addItem(QString::fromUtf8(n));
  nivell->setCurrentIndex(peticio.nivell >= 1 && peticio.nivell <= 3 ? peticio.nivell - 1 : 1);
  Anomena(llista, QStringLiteral("Subtipus"));
  Anomena(casos, QStringLiteral("Nombre de casos"));
  Anomena(menys, QStringLiteral("Un cas menys"));
  Anomena(mes, QStringLiteral("Un cas m\u00E9s"));
  Anomena(be, QStringLiteral("B\u00E9"), QStringLiteral("Genera un exercici del subtipus triat"));
  Anomena(sortir, QStringLiteral("Sortir"), QStringLiteral("Deixa aquest tema"));
  AfegeixEtiqueta(80, 216, QStringLiteral("Nivell"), nivell);
  nivell->view()->setAccessibleName(QStringLiteral("Nivells"));
  nivell->setAccessibleDescription(QStringLiteral("1 m\u00E9s f\u00E0cil, 2 l'habitual, 3 m\u00E9s dif\u00EDcil"));
  OrdeneFocus({llista, menys, casos, mes, sortir, nivell, be});
  if (peticio.retallats) MostraCasosRetallats(*peticio.retallats);

  connect(llista, &QListWidget::itemSelectionChanged, this, &FinestraSerie::ActualitzaCasos);
  connect(llista, &QListWidget::itemDoubleClicked, this, [this] { Comanda(ordre_finestra::Accepta); });
  ActualitzaCasos();
  llista->setFocus();
}

// The exercise just appended holds fewer cases than were asked: said in small print
// beside the count, where the teacher sets the next one, without stopping the loop.
void FinestraSerie::MostraCasosRetallats(const CasosRetallats& c) {
  avisCasos_ = new QLabel(DeCp1252(TextCasosRetallats(c)));
  avisCasos_->setObjectName(QStringLiteral("avisCasos"));
  avisCasos_->setWordWrap(true);
  QFont lletra = avisCasos_->font();
  lletra.setPointSizeF(lletra.pointSizeF() * 0.8);
  avisCasos_->setFont(lletra);
  AfegeixControl(avisCasos_, 0, QRect(12, 180, 142, 32));
}

QListWidget* FinestraSerie::Llista() const { return ControlDe<QListWidget>(ordre_serie::Llista); }
QLineEdit* FinestraSerie::CampDeCasos() const { return ControlDe<QLineEdit>(ordre_serie::Casos); }
QComboBox* FinestraSerie::Nivell() const { return ControlDe<QComboBox>(ordre_serie::Nivell); }

int FinestraSerie::LiniaSeleccionada() const {
  const auto triades = Llista()->selectionModel()->selectedRows();
  return triades.isEmpty() ? 0 : triades.first().row() + 1;
}

void FinestraSerie::ActualitzaCasos() {
  // The count applies only to subtypes that take a number of cases.
  const int linia = LiniaSeleccionada();
  const bool ambCasos = linia >= 1 && static_cast<std::size_t>(linia) <= ambCasos_.size() &&
                        ambCasos_[static_cast<std::size_t>(linia - 1)];
  for (const int ordre : {ordre_serie::Casos, ordre_serie::MenysCasos, ordre_serie::MesCasos}) {
    Control(ordre)->setEnabled(ambCasos);
  }
}

void FinestraSerie::PosaCasos(int n) {
  nombreCasos_ = static_cast<uint16_t>(n);
  CampDeCasos()->setText(QString::number(n));
}

void FinestraSerie::Ordre(int ordre) {
  // The arrows step from what the field shows when it holds a count, so the user
  // sees what changes.
  const CampCasos camp = LlegeixCampCasos(ACp1252(CampDeCasos()->text()));
  const int actual = camp.lectura == LecturaCasos::Valid ? camp.valor : nombreCasos_;
  if (ordre == ordre_serie::MesCasos && actual < kMaxCasos) PosaCasos(actual + 1);
  if (ordre == ordre_serie::MenysCasos && actual > 1) PosaCasos(actual - 1);
}

bool FinestraSerie::PotAcceptar() {
  seleccionat_ = LiniaSeleccionada();
  // A greyed field does not apply to the selected subtype (or to no selection):
  // whatever it holds, such a subtype makes exercises of one case.
  if (!CampDeCasos()->isEnabled()) {
    nombreCasos_ = 1;
    return true;
  }
  const CampCasos camp = LlegeixCampCasos(ACp1252(CampDeCasos()->text()));
  if (camp.lectura != LecturaCasos::Valid) {
    // Not a count the generators can make: the window stays open on the field. A
    // number out of range is told why (text that is no number at all is not).
    if (camp.lectura == LecturaCasos::ForaDeRang) {
      MostraAvis(this, DeCp1252(AvisCasosForaDeRang), DeCp1252(TitolAvisCasos));
    }
    CampDeCasos()->setFocus();
    CampDeCasos()->selectAll();
    return false;
  }
  nombreCasos_ = static_cast<uint16_t>(camp.valor);
  return true;
}

RespostaSubtipus FinestraSerie::Resposta() const {
  const bool acceptat = result() == QDialog::Accepted;
  return {acceptat, acceptat ? seleccionat_ : 0, nombreCasos_, Nivell()->currentIndex() + 1};
}

RespostaSubtipus DemanaSubtipus(QWidget* pare, const PeticioSubtipus& peticio) {
  FinestraSerie finestra(pare, peticio);
  finestra.Executa();
  return finestra.Resposta();
}

}  // namespace tirelo::gui
