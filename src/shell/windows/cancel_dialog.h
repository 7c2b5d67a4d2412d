#pragma once

#include <QWidget>

#include "exact/primes.h"

class QLabel;
class QPushButton;

namespace lumatik {

// The cancel dialog of a long computation: "Bitte etwas Geduld!" and a
// button that asks whether to stop. The computation polls Abgebrochen.
class CancelDialog : public QWidget {
  Q_OBJECT

 public:
  explicit CancelDialog(QWidget* owner = nullptr);

  void BabbrechenClick();

  bool Abgebrochen = false;
  QLabel* labbrechen = nullptr;
  QPushButton* babbrechen = nullptr;
};

// Shows the cancel dialog while the prime table grows: the calculator is
// disabled meanwhile so that it cannot start a second computation.
class PrimeProgressDialog : public PrimeProgressObserver {
 public:
  ~PrimeProgressDialog() override;

  void opened() override;
  void progressed(int primeCount) override;
  bool cancelled() const override;
  void closed() override;

  // The dialog while it is up, else null.
  CancelDialog* AbortForm() const { return abortForm_; }

 private:
  CancelDialog* abortForm_ = nullptr;
  bool calculatorWasVisible_ = false;
};

// The one progress dialog the program installs.
PrimeProgressDialog& PrimeProgress();

}  // namespace lumatik
