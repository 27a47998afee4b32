// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The base of every secondary window: a modal dialog with fixed place and size, the
// pale background, black text, the program icon, labels painted at given points and
// controls placed at given points and carrying their command numbers. Command 1
// accepts, command 2 and the close box leave.
//
//   FinestraSecundaria f(pare, "posarpista", "Posar pista...", {600, 80, 152, 160}, false);
//   f.AfegeixBoto(1, "Bé", {90, 98, 44, 26});
//   if (f.Executa()) ...
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tirelo::gui {

namespace ordre_finestra {
inline constexpr int Accepta = 1;
inline constexpr int Surt = 2;
}  // namespace ordre_finestra

class FinestraSecundaria : public QDialog {
  Q_OBJECT

 public:
  // classe names the window (its object name); geometria is its place on the screen
  // and the size of its inside.
  FinestraSecundaria(QWidget* pare, const char* classe, const QString& titol, const QRect& geometria,
                     bool botoMinimitzar = true);

  // Shows the window modally until it closes; true when it closed with command 1.
  bool Executa();

  // The control that carries a command number (nullptr when none does).
  QWidget* Control(int ordre) const;
  template <class W>
  W* ControlDe(int ordre) const { return qobject_cast<W*>(Control(ordre)); }

  struct Etiqueta {
    QPoint posicio;  // top left corner of the text
    QString text;
  };
  const std::vector<Etiqueta>& Etiquetes() const { return etiquetes_; }

  // Controls and labels; every position is inside the window. A command of 0 marks
  // a control that sends none.
  void AfegeixEtiqueta(int x, int y, const QString& text);
  // A painted label that captions a field: the field takes the label's words as its
  // accessible name, so a screen reader says what the eye reads beside it.
  void AfegeixEtiqueta(int x, int y, const QString& text, QWidget* camp);
  template <class W>
  W* AfegeixControl(W* control, int ordre, const QRect& r) {
    Posa(control, ordre, r);
    return control;
  }
  QPushButton* AfegeixBoto(int ordre, const QString& text, const QRect& r);
  QRadioButton* AfegeixOpcio(int ordre, const QString& text, const QRect& r);
  QLineEdit* AfegeixCamp(int ordre, const QRect& r);
  QGroupBox* AfegeixGrup(const QString& titol, const QRect& r);

  // The command of the checked radio button among primera..ultima; -1 when none is.
  int OpcioMarcada(int primera, int ultima) const;
  void MarcaOpcio(int ordre);

  // Runs a command: 1 accepts when PotAcceptar allows it, 2 leaves, others go to Ordre.
  void Comanda(int ordre);

 protected:
  virtual bool PotAcceptar() { return true; }
  virtual void Ordre(int) {}

  void paintEvent(QPaintEvent* e) override;

 private:
  void Posa(QWidget* control, int ordre, const QRect& r);

  std::vector<Etiqueta> etiquetes_;
};

}  // namespace tirelo::gui
