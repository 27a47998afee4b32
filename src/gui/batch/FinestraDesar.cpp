// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/batch/FinestraDesar.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "batch/Desar.h"
#include "gui/shell/Accessibilitat.h"
#include "gui/shell/Missatges.h"
#include "gui/shell/TextQt.h"
#include "mathtext/Text.h"

namespace tirelo::gui {

FinestraDesar::FinestraDesar(QWidget* pare, const ValorsDesar& valors)
    : FinestraSecundaria(pare, "desarserie", QStringLiteral("Guardar s\u00E8rie de problemes"),
                         QRect(600, 100, 312, 220)),
      disposicio_(valors.disposicio) {
  auto* nom = AfegeixCamp(ordre_desar::NomFitxer, QRect(88, 10, 166, 22));
  nom->setAlignment(Qt::AlignRight);
  auto* titol = AfegeixCamp(ordre_desar::Titol, QRect(54, 38, 242, 22));
  for (QLineEdit* camp : {nom, titol}) camp->setMaxLength(static_cast<int>(LlargadaText));
  AfegeixEtiqueta(10, 14, QStringLiteral("nom fitxer:"), nom);
  AfegeixEtiqueta(10, 44, QStringLiteral("t\u00EDtol:"), titol);
  AfegeixEtiqueta(256, 14, QStringLiteral(".rtf"));
  nom->setAccessibleDescription(
      QStringLiteral("Sense carpeta ni extensi\u00F3: el document es desa com a .rtf"));
  Anomena(AfegeixGrup(QStringLiteral("presentaci\u00F3:"), QRect(8, 70, 292, 77)),
          NomDEtiqueta(QStringLiteral("presentaci\u00F3:")));
  auto* seguits = AfegeixOpcio(ordre_desar::Seguits, QStringLiteral("enunciat / resposta seguits"),
                               QRect(18, 90, 244, 26));
  auto* blocs = AfegeixOpcio(ordre_desar::Blocs, QStringLiteral("bloc enunciats / bloc respostes"),
                             QRect(18, 112, 244, 26));
  auto* accepta = AfegeixBoto(ordre_finestra::Accepta, QStringLiteral("&Accepta"), QRect(160, 154, 80, 30));
  accepta->setDefault(true);
  auto* cancella =
      AfegeixBoto(ordre_finestra::Surt, QStringLiteral("&Cancel\u00B7la"), QRect(70, 154, 80, 30));
  OrdeneFocus({nom, titol, seguits, blocs, cancella, accepta});

  nom->setText(DeCp1252(valors.nomFitxer));
  titol->setText(DeCp1252(valors.titol));
  MarcaOpcio(ordre_desar::Seguits + valors.disposicio);
  nom->setFocus();
}

QLineEdit* FinestraDesar::Camp(int ordre) const { return ControlDe<QLineEdit>(ordre); }

ValorsDesar FinestraDesar::Valors() const {
  ValorsDesar v;
  v.nomFitxer = Talla(ACp1252(Camp(ordre_desar::NomFitxer)->text()));
  v.titol = Talla(ACp1252(Camp(ordre_desar::Titol)->text()));
  const int marcada = OpcioMarcada(ordre_desar::Seguits, ordre_desar::Blocs);
  v.disposicio = marcada < 0 ? disposicio_ : marcada - ordre_desar::Seguits;
  return v;
}

bool FinestraDesar::PotAcceptar() {
  // A character the document cannot hold would be saved as something else: say so
  // and let the user change it, instead of saving "?" in its place.
  for (const int ordre : {ordre_desar::NomFitxer, ordre_desar::Titol}) {
    const QString c = PrimerForaDeCp1252(Camp(ordre)->text());
    if (c.isEmpty()) continue;
    const bool esNom = ordre == ordre_desar::NomFitxer;
    MostraAvis(this,
               QStringLiteral("%1 té «%2», que aquest programa no pot guardar: canvieu-lo.")
                   .arg(esNom ? QStringLiteral("El nom del fitxer") : QStringLiteral("El títol"), c),
               esNom ? DeCp1252(TitolNomNoValid) : QStringLiteral("Títol no vàlid"));
    Camp(ordre)->setFocus();
    Camp(ordre)->selectAll();
    return false;
  }
  const auto motiu = ValidaNomFitxer(Valors().nomFitxer);
  if (!motiu) return true;
  MostraAvis(this, TextMissatge(*motiu), DeCp1252(TitolNomNoValid));
  Camp(ordre_desar::NomFitxer)->setFocus();
  Camp(ordre_desar::NomFitxer)->selectAll();
  return false;
}

bool DemanaValorsDesar(QWidget* pare, ValorsDesar& v) {
  FinestraDesar finestra(pare, v);
  if (!finestra.Executa()) return false;
  v = finestra.Valors();
  return true;
}

}  // namespace tirelo::gui
