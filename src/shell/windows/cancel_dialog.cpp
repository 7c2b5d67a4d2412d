#include "shell/windows/cancel_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "calc/windows/calculator_window.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"

namespace lumatik {

CancelDialog::CancelDialog(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Formabbrechen"));
  resize(250, 100);
  labbrechen = new QLabel(QStringLiteral("Bitte etwas Geduld!"), this);
  labbrechen->setObjectName(QStringLiteral("labbrechen"));
  labbrechen->move(10, 0);
  labbrechen->adjustSize();
  babbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  babbrechen->setObjectName(QStringLiteral("babbrechen"));
  babbrechen->adjustSize();
  babbrechen->move((width() - babbrechen->width()) / 2, labbrechen->height() + 5);
  connect(babbrechen, &QPushButton::clicked, this, &CancelDialog::BabbrechenClick);
  const QRect screenRect = screen()->geometry();
  move(screenRect.x() + (screenRect.width() - width()) / 2,
       screenRect.y() + (screenRect.height() - height()) / 2);
}

void CancelDialog::BabbrechenClick() {
  const auto answer = QMessageBox::question(this, QStringLiteral("lumatik"),
                                            QStringLiteral("Wollen Sie wirklich abbrechen?"),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer == QMessageBox::Yes) Abgebrochen = true;
}

PrimeProgressDialog::~PrimeProgressDialog() { delete abortForm_; }

void PrimeProgressDialog::opened() {
  if (abortForm_) return;
  abortForm_ = new CancelDialog;
  if (calculatorWindow) {
    calculatorWasVisible_ = calculatorWindow->isVisible();
    calculatorWindow->setEnabled(false);
  }
  abortForm_->setWindowTitle(QStringLiteral("Primzahlahlen werden berechnet"));
  abortForm_->show();
}

void PrimeProgressDialog::progressed(int primeCount) {
  if (!abortForm_) return;
  abortForm_->labbrechen->setText(QString::number(primeCount));
  abortForm_->labbrechen->adjustSize();
  QApplication::processEvents();
}

bool PrimeProgressDialog::cancelled() const { return abortForm_ && abortForm_->Abgebrochen; }

// The calculator comes back only where it was: a prime table grown for the
// plotter's graph leaves it hidden.
void PrimeProgressDialog::closed() {
  delete abortForm_;
  abortForm_ = nullptr;
  if (calculatorWindow) {
    calculatorWindow->setEnabled(true);
    if (calculatorWasVisible_) calculatorWindow->show();
  }
}

PrimeProgressDialog& PrimeProgress() {
  static PrimeProgressDialog dialog;
  return dialog;
}

}  // namespace lumatik
