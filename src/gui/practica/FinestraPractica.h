// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The pupil's practice windows. The practice window shows the current exercise of a
// `Practica` (shell/Practica.h) typeset, one answer field per case with what was read
// and its verdict, and forwards every command to it; the summary window lists what was
// done and saves it as a PDF; the new-practice window asks topic, subtype, cases and
// how many exercises. None of them touches the teacher's batch.
#include <QDialog>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "full/Tipografia.h"
#include "gui/full/LletresFull.h"
#include "gui/shell/Accessibilitat.h"
#include "shell/Practica.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextBrowser;
class QToolButton;

namespace tirelo::gui {

// A drawn piece of mathematics: an optional prefix in the window's face, then a block
// set by the sheet's typesetter; or a message in red. A screen reader reads its text.
class ZonaFormula : public ZonaDibuixada {
  Q_OBJECT

 public:
  ZonaFormula(const QString& nom, const LletresFull& lletres, const MetriquesLletra& metriques, QWidget* pare);
  // Sets `model` after `prefix`; `llegible` is what a screen reader says.
  void PosaFormula(const QString& prefix, const Model& model, const QString& llegible, double amplada = 560);
  void PosaMissatge(const QString& text);
  void Buida();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  const LletresFull& lletres_;
  const MetriquesLletra& metriques_;
  QString prefix_, missatge_;
  std::optional<BlocTipografiat> bloc_;
};

class FinestraPractica : public QDialog {
  Q_OBJECT

 public:
  FinestraPractica(QWidget* pare, Practica practica);

  const Practica& Estat() const { return practica_; }
  QLineEdit* Camp(int cas) const { return casos_.at(static_cast<std::size_t>(cas)).camp; }
  QLabel* Veredicte(int cas) const { return casos_.at(static_cast<std::size_t>(cas)).veredicte; }
  ZonaFormula* Llegit(int cas) const { return casos_.at(static_cast<std::size_t>(cas)).llegit; }
  ZonaFormula* Enunciat() const { return enunciat_; }
  int NombreCasos() const { return static_cast<int>(casos_.size()); }
  QPushButton* Comprova() const { return comprova_; }
  QPushButton* Pista() const { return pista_; }
  QPushButton* Solucio() const { return solucio_; }
  QPushButton* PasSeguent() const { return pas_; }
  QLabel* TextPassos() const { return textPassos_; }
  QPushButton* Seguent() const { return seguent_; }
  QLabel* TextPista() const { return textPista_; }
  QLabel* Puntuacio() const { return puntuacio_; }
  const std::vector<QToolButton*>& Tecles() const { return tecles_; }

  // The commands of the buttons.
  void FesComprova();
  void FesPista();
  void FesSolucio();
  // "Pas següent": the active case's next step, under the cases; it then counts as shown.
  void FesPas();
  void FesSeguent();
  // Esc, "Tanca" and the close box: asks first (default No) when answers would be lost.
  void reject() override;

 protected:
  bool eventFilter(QObject* objecte, QEvent* e) override;

 private:
  struct FilaCas {
    QLabel* etiqueta = nullptr;
    QLineEdit* camp = nullptr;
    ZonaFormula* llegit = nullptr;
    QLabel* veredicte = nullptr;
  };
  void MostraExercici();
  void Llegeix(int cas);
  void MostraVeredicte(int cas);
  void Actualitza();
  void Insereix(const QString& text, int enrere);
  bool PotTancar();
  int CasActiu() const;

  Practica practica_;
  LletresFull lletres_;
  MetriquesQt metriques_{lletres_};
  QWidget* zonaCasos_ = nullptr;
  ZonaFormula* enunciat_ = nullptr;
  std::vector<FilaCas> casos_;
  std::vector<QToolButton*> tecles_;
  QPushButton *comprova_ = nullptr, *pista_ = nullptr, *pas_ = nullptr, *solucio_ = nullptr, *seguent_ = nullptr,
              *ajuda_ = nullptr, *tanca_ = nullptr;
  QLabel *posicio_ = nullptr, *textPista_ = nullptr, *textPassos_ = nullptr, *puntuacio_ = nullptr;
  void AfegeixPas(int cas, const Pas& pas);
  int ultimCas_ = 0;
  bool acabant_ = false;
};

// The end of a practice: each exercise with the pupil's answers and verdicts, the
// score, and "Desa el resultat (PDF)…".
class FinestraResum : public QDialog {
  Q_OBJECT

 public:
  FinestraResum(QWidget* pare, const Practica& practica);
  QTextBrowser* Text() const { return text_; }
  QPushButton* DesaPdf() const { return desa_; }
  // Writes the result page at this path; the system's reason when it failed.
  std::optional<QString> Desa(const QString& cami) const;

 private:
  const Practica& practica_;
  QTextBrowser* text_ = nullptr;
  QPushButton* desa_ = nullptr;
};

// The new-practice window: topic, subtype, cases and number of exercises.
class FinestraNovaPractica : public QDialog {
  Q_OBJECT

 public:
  explicit FinestraNovaPractica(QWidget* pare);
  QComboBox* Tema() const { return tema_; }
  QComboBox* Subtipus() const { return subtipus_; }
  QSpinBox* Casos() const { return casos_; }
  QSpinBox* Exercicis() const { return exercicis_; }
  QComboBox* Nivell() const { return nivell_; }  // levels 1..3, the usual one first chosen
  // The practice these choices draw, from this seed.
  Practica Crea(uint64_t llavor) const;

 private:
  void OmpleSubtipus();
  QComboBox *tema_ = nullptr, *subtipus_ = nullptr;
  QSpinBox *casos_ = nullptr, *exercicis_ = nullptr;
  QComboBox* nivell_ = nullptr;
};

// Runs a practice in its window until it closes (modal to the whole program, as exec()
// makes it; shown with show() the windows are not modal, so tests can drive them).
void ObrePractica(QWidget* pare, Practica practica);
// "Nova pràctica…": asks the new-practice window, then practises.
void NovaPractica(QWidget* pare);
// "Practica un codi…": asks the code, then practises its sheet; a bad code is said.
void PracticaUnCodi(QWidget* pare);

}  // namespace tirelo::gui
