#include "shell/Accessibilitat.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace tirelo::gui {

namespace {

// A drawn area reads as text, with its drawing's words as value and description.
class AccessibleZona : public QAccessibleWidget {
 public:
  explicit AccessibleZona(ZonaDibuixada* zona) : QAccessibleWidget(zona, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value || t == QAccessible::Description) return Zona()->Text();
    return QAccessibleWidget::text(t);
  }

 private:
  ZonaDibuixada* Zona() const { return static_cast<ZonaDibuixada*>(widget()); }
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
  text_ = text;
  QAccessibleEvent canvi(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&canvi);
  QAccessibleValueChangeEvent valor(this, text_);
  QAccessible::updateAccessibility(&valor);
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
