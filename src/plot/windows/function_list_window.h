#pragma once

#include <QWidget>

#include <memory>
#include <string>

class QFileDialog;
class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace lumatik {

class RawPrintSink;

// The list window of the plotter: the plot list as editable text, which "OK"
// takes over, plus list files and plain-text printing.
class FunctionListWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FunctionListWindow(QWidget* parent = nullptr);
  ~FunctionListWindow() override;

  void BZurueckClick();
  void BOkClick();
  void BAbbruchClick();
  void BSpeichernClick();
  void BEinlesenClick();
  void BDruckenClick();

  // Where "Drucken" sends its raw jobs; the default printer unless replaced.
  void SetRawPrintSink(std::unique_ptr<RawPrintSink> sink);

  QFrame* Panel1 = nullptr;
  QPushButton* BZurueck = nullptr;
  QPushButton* BOk = nullptr;
  QPushButton* BAbbruch = nullptr;
  QPushButton* BSpeichern = nullptr;
  QPushButton* BEinlesen = nullptr;
  QPushButton* BDrucken = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QFileDialog* OpenDialog1 = nullptr;
  QFileDialog* SaveDialog1 = nullptr;

 private:
  void FormCreate();
  void ShowInputWindowAgain();
  // Runs the dialog preset with LastListFile; the chosen path or "".
  std::string RunListDialog(QFileDialog* dialog);

  std::unique_ptr<RawPrintSink> rawPrintSink_;
};

}  // namespace lumatik
