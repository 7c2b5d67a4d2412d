#pragma once

#include <QMainWindow>

#include <string>
#include <vector>

#include "plot/plotrender.h"
#include "plot/secant.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;

namespace lumatik {

// Writes a text the program computed into a field and shows its beginning.
void ShowFieldText(QLineEdit* field, const QString& text);

// The function input window: the function field with the plot list, the
// units of the axes, the point in the middle of the frame, the secant's two
// x values, and the menus. Almost every action ends in the full redraw.
class FunctionInputWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit FunctionInputWindow(QWidget* parent = nullptr);
  ~FunctionInputWindow() override;

  // The plot list is the function field's item list; the field's edit text
  // is the current line. Changing the items leaves the edit text alone.
  std::vector<std::string> PlotList() const;
  // Writes the plot list to its settings file; false when it could not be
  // written.
  bool SavePlotList() const;
  void SetPlotList(const std::vector<std::string>& list);
  void AddToPlotList(const std::string& line);
  std::string FunctionText() const;
  void SetFunctionText(const std::string& text);
  // The fields the drawing reads at every line.
  PlotFieldTexts PlotFields() const;

  // The full redraw; a call from the menu item "Schaubild" passes it as
  // sender and leaves the graph alone on the screen.
  void Schaubild1Click(QObject* sender = nullptr);
  // Clears the graph in a colour, after moving the current line to the top
  // of the list and clearing the engine's last message; hides this window.
  // The input window stays on the screen when the redraw brings it back
  // at its end anyway.
  void PrepareGraph(unsigned colour, bool inputWindowStays);
  void ResetInput();
  // Shows this window and brings it to the front.
  void ShowInFront();

  // "Liste ... ": shows the list window with the plot list in its memo.
  void Listebearbeiten1Click();
  void ClearListWindowMemo();
  void Beenden1Click();
  void SchaubildinZwischenablagefrWordetc1Click();
  void Texteinfgen1Click();
  void Schrittweite1Click();
  void Hinweise1Click();
  void LezterFehler1Click();

  // "Drucken": the graph on one page of the printer the user chooses (or a
  // PDF file); the label goes with the sender "Schaubild drucken mit Text".
  void Schaubilddrucken1Click(QObject* sender);
  // Prints on a printer that is already set up; false when it cannot print.
  bool PrintGraphOn(QPrinter& printer, bool withText);

  // "Von der Sekante zur Tangente".
  void Sekantenlschen1Click();
  void ZeichneSekante1Click();
  void Lupe1Click();
  void ZeichneSekantemit12dx1Click();
  void ZeichneTangente1Click();
  void ZeichneNormale1Click();
  void Hinweis1Click();
  void Beispiel02x2bei151Click();
  void Beispiel1xbei21Click();
  void Beispielsqrtxbei41Click();
  void BeispielKreisr5bei41Click();

  void erstesBeispiel1Click();
  void BeispielmitAbleitung1Click();
  void Beispiel11Click();
  void Beispiel31Click();
  void Beispiel41Click();
  void BeispielListe1Click();
  void Beispielabschnittweisedefiniert1Click();
  void Beispielunstetig1Click();
  void BeispielM751Click();
  void BeispielStreckeneinzeichnen1Click();
  void BeispielmitParameter1Click();

  // "Diskussion": opens the curve discussion beside the graph; the nine
  // examples (one handler, told apart by the item) set the function and the
  // interval and run the discussion.
  void RechneNullstellenaus1Click();
  void Beispiel1Click(QAction* sender);

  void ComboBox1KeyDown(int key);
  void ELExKeyDown(int key);
  void ELEyKeyDown(int key);
  void Ex000KeyDown(int key);
  void Ey000KeyDown(int key);
  void ComboBox1Click();
  void ComboBox1Change();
  void CBAbleitungClick();
  void CBAlleClick();
  // Runs when the window is shown or restored as a whole (after the show
  // event, outside it).
  void FormPaint();

  QLabel* Label1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* ELEx = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* ELEy = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Ex000 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Ey000 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* Ex0 = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* Ex = nullptr;
  QLabel* Lm = nullptr;
  QLineEdit* Em = nullptr;
  QCheckBox* CBAbleitung = nullptr;
  QCheckBox* CBAlle = nullptr;

  QMenu* Datei1 = nullptr;
  QAction* Listebearbeiten1 = nullptr;
  QAction* Beenden1 = nullptr;
  QAction* Schaubild1 = nullptr;
  QMenu* Drucken1 = nullptr;
  QAction* Schaubilddrucken1 = nullptr;
  QAction* SchaubilddruckenmitText1 = nullptr;
  QAction* SchaubildinZwischenablagefrWordetc1 = nullptr;
  QAction* AlsBildspeichern1 = nullptr;
  QAction* Texteinfgen1 = nullptr;
  QMenu* Hilfe1 = nullptr;
  QAction* erstesBeispiel1 = nullptr;
  QAction* BeispielmitAbleitung1 = nullptr;
  QAction* Beispiel11 = nullptr;
  QAction* Beispiel31 = nullptr;
  QAction* Beispiel41 = nullptr;
  QAction* BeispielListe1 = nullptr;
  QAction* Beispielabschnittweisedefiniert1 = nullptr;
  QAction* Beispielunstetig1 = nullptr;
  QAction* BeispielM751 = nullptr;
  QAction* BeispielStreckeneinzeichnen1 = nullptr;
  QAction* BeispielmitParameter1 = nullptr;
  QAction* Schrittweite1 = nullptr;
  QAction* Hinweise1 = nullptr;
  QAction* LezterFehler1 = nullptr;
  // The curve discussion's items.
  QMenu* Nullstellenbestimmung1 = nullptr;
  QAction* RechneNullstellenaus1 = nullptr;
  QAction* Beispiel1 = nullptr;
  QAction* Gegenbeispiel1 = nullptr;
  QAction* BeispieltrogonometrischeFunktion1 = nullptr;
  QAction* BeispieleFunktion1 = nullptr;
  QAction* BeispielLog1 = nullptr;
  QAction* BeispielfalscheEingabe1 = nullptr;
  QAction* BeispielunstetigeFunktion1 = nullptr;
  QAction* Beispielx221 = nullptr;
  QAction* BeispielIntegral1 = nullptr;
  // The secant and tangent commands.
  QMenu* VonderSekantezurTangente1 = nullptr;
  QAction* Sekantenlschen1 = nullptr;
  QAction* ZeichneSekante1 = nullptr;
  QAction* Lupe1 = nullptr;
  QAction* ZeichneSekantemit12dx1 = nullptr;
  QAction* ZeichneTangente1 = nullptr;
  QAction* ZeichneNormale1 = nullptr;
  QAction* Hinweis1 = nullptr;
  QAction* Beispiel02x2bei151 = nullptr;
  QAction* Beispiel1xbei21 = nullptr;
  QAction* Beispielsqrtxbei41 = nullptr;
  QAction* BeispielKreisr5bei41 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildControls();
  void BuildMenu();
  void FormCreate();
  void FormDestroy();
  void SetUnits(const char* lex, const char* ley);
  void SetCentre(const char* x0, const char* y0);
  // The fields the secant commands read and write.
  SecantFields ReadSecantFields() const;
  void WriteSecantFields(const SecantFields& fields);
  // The current function alone in the list, and the list window emptied.
  void RestartList();
  void ShowSecantDrawing(const SecantDrawing& drawing);
  void SecantExampleClick(const char* caption);

  bool paintPassPending_ = false;
};

}  // namespace lumatik
