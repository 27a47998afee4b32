// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// Drives the modal windows that code under test opens: each scripted action receives
// the next window that becomes the active modal one, in order. Header only, for the
// Qt tests of every window.
//
//   prova::GuioModal guio;
//   guio.Despres([](QWidget* w) { PremBoto(w, "Sortir"); });
//   finestra.Ordre(203);            // returns once the series window has been left
//   QVERIFY(guio.Acabat());
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

namespace tirelo::prova {

class GuioModal {
 public:
  using Accio = std::function<void(QWidget*)>;

  GuioModal() {
    rellotge_.setInterval(5);
    QObject::connect(&rellotge_, &QTimer::timeout, [this] { Mira(); });
    rellotge_.start();
  }
  ~GuioModal() { rellotge_.stop(); }

  GuioModal& Despres(Accio accio) {
    accions_.push_back(std::move(accio));
    return *this;
  }

  // Every scripted action ran and no window appeared beyond them.
  bool Acabat() const { return accions_.empty() && inesperades_.isEmpty(); }
  // Object names of the windows the script met, in order.
  const QStringList& Vistes() const { return vistes_; }
  // Windows that appeared with no action left, or stayed open after theirs; they are
  // closed as if left so that the test cannot hang on them.
  const QStringList& Inesperades() const { return inesperades_; }

 private:
  // A window still open this long after its action is one the script did not expect.
  static constexpr int kEsperaMaxima = 5000;

  void Mira() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    // Back on top while its own action still runs (a notice it opened has just
    // closed): not a window to meet again.
    if (enCurs_.contains(modal)) return;
    if (modal == darrera_) {
      if (espera_.elapsed() > kEsperaMaxima) Tanca(modal);
      return;
    }
    darrera_ = modal;
    espera_.start();
    vistes_ << modal->objectName();
    if (accions_.empty()) {
      Tanca(modal);
      return;
    }
    // Run outside this timer's call, so that a window the action opens in turn
    // (a question from the save window, say) is met by the next tick.
    QTimer::singleShot(0, modal, [this, modal, accio = std::move(accions_.front())] {
      enCurs_ << modal;
      accio(modal);
      enCurs_.removeOne(modal);  // compared by address only: the window may be gone
    });
    accions_.pop_front();
  }

  void Tanca(QWidget* modal) {
    inesperades_ << modal->objectName();
    darrera_ = nullptr;
    if (auto* dialeg = qobject_cast<QDialog*>(modal)) dialeg->reject();
  }

  QTimer rellotge_;
  std::deque<Accio> accions_;
  QPointer<QWidget> darrera_;
  QList<QWidget*> enCurs_;  // windows whose action is running
  QElapsedTimer espera_;
  QStringList vistes_, inesperades_;
};

// Clicks the button of w whose text (without '&') is text; false when there is none.
inline bool PremBoto(QWidget* w, const QString& text) {
  for (auto* boto : w->findChildren<QAbstractButton*>()) {
    if (boto->text().remove(QChar('&')) == QString(text).remove(QChar('&'))) {
      boto->click();
      return true;
    }
  }
  return false;
}

}  // namespace tirelo::prova
