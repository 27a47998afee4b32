// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// What the desktop's accessibility layer (and so a screen reader) says of the
// windows: names and descriptions of controls, painted labels tied to their fields,
// the tab order, and text that is drawn rather than shown by a control.
#include <QString>
#include <QWidget>
#include <initializer_list>

namespace tirelo::gui {

// Names a control by what it does. A button whose text is a symbol without letters
// (such as "/\") shows the name as its tooltip too.
//   Anomena(boto, "Puja l'exercici");
void Anomena(QWidget* control, const QString& nom, const QString& descripcio = {});
// The name a painted label gives the field it captions: the text without the
// trailing colon and blanks ("nom fitxer:" -> "nom fitxer").
QString NomDEtiqueta(const QString& etiqueta);
// Tab goes through the controls in the order given (the order the eye reads them).
void OrdeneFocus(std::initializer_list<QWidget*> controls);

// A drawn area that a screen reader can read: it paints nothing of its own (what
// lies under it shows through) except a focus frame, takes the keyboard focus, and
// says its name and its text. Its owner draws the area and calls PosaText when what
// the drawing says changes.
class ZonaDibuixada : public QWidget {
  Q_OBJECT

 public:
  ZonaDibuixada(const QString& nom, QWidget* pare);
  void PosaText(const QString& text);
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  QString text_;
};

}  // namespace tirelo::gui
