#pragma once

#include <QMainWindow>

#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace lumatik {

struct Calculation;

// The calculator: evaluates one term with parameters, shows the result as a
// grouped decimal and, where one fits, exactly, and keeps a history that is
// recalled by a click. The parameter memo is the engine's parameter lines.
class CalculatorWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit CalculatorWindow(QWidget* parent = nullptr);
  ~CalculatorWindow() override;

  void BRechneClick();
  void BPFZClick();
  void BalsWurzelClick();
  void BBeispielClick();
  void Primzahlen1Click();
  void BHinweisClick();
  void LGrossClick();
  void LverlaufClick();
  void Zeilezurckholen1Click();
  void BSchliessenClick();
  void MVerlaufClick();
  // EBruch := text, shown from its start.
  void ShowFraction(const QString& text);
  // Writes the parameter lines and the history to their settings files;
  // false when they could not be written.
  bool SaveSettings() const;

  QLineEdit* EEing = nullptr;
  QLineEdit* EAusg = nullptr;
  QLineEdit* EBruch = nullptr;
  QLabel* Label2 = nullptr;
  QPlainTextEdit* MParameter = nullptr;
  QLabel* Label3 = nullptr;
  QPlainTextEdit* MVerlauf = nullptr;

  QAction* Schlieen1 = nullptr;
  QAction* Rechne1 = nullptr;
  QAction* PFZ1 = nullptr;
  QAction* AlsWurzel = nullptr;
  QAction* Beispiele1 = nullptr;
  QAction* Primzahlen1 = nullptr;
  QAction* Hinweis1 = nullptr;
  QMenu* Verlaufgro1 = nullptr;
  QAction* gross1 = nullptr;
  QAction* lschen1 = nullptr;
  QAction* Zeilezurckholen1 = nullptr;

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildControls();
  void BuildMenu();
  void FormCreate();
  void FormDestroy();
  void FormActivate();
  void EEingChange();
  void MParameterChange();
  void ParamLinesChanged();
  // Writes EAusg, EBruch and the enabled states; false when the parameter x
  // could not be read (the reason is shown in a message box).
  bool ShowCalculation(const Calculation& calculation);
  void AddHistoryLineOnTop(const std::string& line);
  void ShowMessageBox(const QString& text);
};

}  // namespace lumatik
