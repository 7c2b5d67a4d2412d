#pragma once

#include <QWidget>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace lumatik {

// The start window: one button per area of the program, and a memo that
// shows a help text about the button under the mouse. Closing it ends the
// program.
class StartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit StartWindow(QWidget* parent = nullptr);

  // The plotter's "Beenden" opens the other areas for the rest of the run;
  // "Algebra" stays hidden.
  void RevealAreaButtons();

  void Button2Click();
  void BSchaubildClick();
  void Button3Click();
  void BLSGClick();
  void BCardanoClick();
  void BGeometrieClick();
  void B3DClick();
  void Button4Click();
  void BAlgebraClick();

  QFrame* Panel1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button2 = nullptr;     // "Schliessen"
  QPushButton* Button3 = nullptr;     // "Rechne"
  QPushButton* BSchaubild = nullptr;  // "Schaubild"
  QPushButton* BLSG = nullptr;        // "LGS"
  QPushButton* BCardano = nullptr;    // "Gleichungen"
  QPushButton* BGeometrie = nullptr;  // "Geometrie"
  QPushButton* B3D = nullptr;         // "3D-Zeichnen"
  QPushButton* Button4 = nullptr;     // "Kettenbrüche"
  QPushButton* Button1 = nullptr;     // "Info..."
  QPushButton* BAlgebra = nullptr;    // "Algebra"

 signals:
  // The start window was closed: the program ends.
  void closed();

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void FormCreate();
  void FormActivate();
  void OpenWorksheet(unsigned short mode, char settingsLetter);
};

}  // namespace lumatik
