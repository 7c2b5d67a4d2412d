#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumatik {

// The hint and input dialog: a long read-only text with "Ok", optionally
// "Abbrechen" and one or two values to type. Each call of the routines
// below makes, shows modally and frees its own instance.
class HintInputDialog : public QDialog {
  Q_OBJECT

 public:
  explicit HintInputDialog(QWidget* owner = nullptr);

  // Hides the values and fits the window to the text.
  void LayoutAsHint(bool withCancel, const std::string& text);
  // Shows the given number of values (1 or 2) above the text.
  void LayoutAsInput(int values, const std::string& text);

  void BOkClick();
  void BAbbrechenClick();
  void Memo1Click();

  bool OkPressed = false;

  QPushButton* BOk = nullptr;
  QPushButton* BAbbrechen = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void SetMemoText(const std::string& text);
  void EnterValue(QLineEdit* edit);
  void setWindowHeight(int height);
  void setMemoTop(int top);
  void setMemoHeight(int height);
  void placeStretchingControls();
  int screenHeight() const;
  int screenWidth() const;

  int memoBottomGap_ = 0;
};

// A hint with "Ok"; true when "Ok" was pressed.
bool ShowHint(const std::string& text);
// A hint with "Ok" and "Abbrechen"; true for "Ok".
bool ShowHintAsk(const std::string& text);
// Asks for one value; on "Ok" the typed text goes into value. An empty
// caption reads "Eingabe".
bool InputOne(const std::string& caption, const std::string& label, const std::string& memoText,
              std::string& value);
bool InputPair(const std::string& caption, const std::string& label1, const std::string& label2,
               const std::string& memoText, std::string& value1, std::string& value2);

}  // namespace lumatik
