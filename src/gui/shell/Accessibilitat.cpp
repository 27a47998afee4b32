// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "gui/shell/Accessibilitat.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace tirelo::gui {

namespace {

// A drawn area reads as text: its drawing's words are its value, its description
// and the text a screen reader walks through line by line. The text cannot be
// selected or edited; the reading cursor is the only state.
class AccessibleZona : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleZona(ZonaDibuixada* zona) : QAccessibleWidget(zona, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value || t == QAccessible::Description) return Text();
    return QAccessibleWidget::text(t);
  }

  void selection(int, int* inici, int* fi) const override { *inici = *fi = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return std::min(cursor_, characterCount()); }
  void setCursorPosition(int posicio) override { cursor_ = std::clamp(posicio, 0, characterCount()); }
  QString text(int inici, int fi) const override {
    const int n = characterCount();
    inici = std::clamp(inici, 0, n);
    fi = fi < 0 ? n : std::clamp(fi, inici, n);
    return Text().mid(inici, fi - inici);
  }
  int characterCount() const override { return static_cast<int>(Text().size()); }
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* inici, int* fi) const override {
    *inici = *fi = offset;
    return {};
  }

 private:
  const QString& Text() const { return static_cast<ZonaDibuixada*>(widget())->Text(); }

  int cursor_ = 0;
};

QAccessibleInterface* FabricaZona(const QString& classe, QObject* objecte) {
  if (classe == QLatin1String("tirelo::gui::ZonaDibuixada") && objecte->isWidgetType()) {
    return new AccessibleZona(static_cast<ZonaDibuixada*>(objecte));
  }
  return nullptr;
}

void InstallaFabrica() {
  static const bool installada = [] {
    QAccessible::installFactory(FabricaZona);
    return true;
  }();
  (void)installada;
}

}  // namespace

void Anomena(QWidget* control, const QString& nom, const QString& descripcio) {
  control->setAccessibleName(nom);
  if (!descripcio.isEmpty()) control->setAccessibleDescription(descripcio);
  auto* boto = qobject_cast<QAbstractButton*>(control);
  if (!boto) return;
  const QString text = boto->text();
  if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); })) boto->setToolTip(nom);
}

QString NomDEtiqueta(const QString& etiqueta) {
  QString nom = etiqueta.trimmed();
  while (nom.endsWith(QChar(':'))) nom.chop(1);
  return nom.trimmed();
}

void OrdeneFocus(std::initializer_list<QWidget*> controls) {
  QWidget* anterior = nullptr;
  for (QWidget* control : controls) {
    if (anterior) QWidget::setTabOrder(anterior, control);
    anterior = control;
  }
}

ZonaDibuixada::ZonaDibuixada(const QString& nom, QWidget* pare) : QWidget(pare) {
  InstallaFabrica();
  setAccessibleName(nom);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ZonaDibuixada::PosaText(const QString& text) {
  if (text == text_) return;
  const QString abans = std::exchange(text_, text);
  QAccessibleTextUpdateEvent canvi(this, 0, abans, text_);
  QAccessible::updateAccessibility(&canvi);
  QAccessibleEvent descripcio(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&descripcio);
}

void ZonaDibuixada::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update();
}

void ZonaDibuixada::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  update();
}

void ZonaDibuixada::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  // A frame only: the drawing under it stays as it is.
  QPainter pintor(this);
  pintor.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
  pintor.drawRect(rect().adjusted(2, 2, -3, -3));
}

}  // namespace tirelo::gui
