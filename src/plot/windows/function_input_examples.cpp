// The examples of the input window's menu "Hilfe": each sets the fields and
// the list and draws.

#include <QCheckBox>

#include "plot/plotter_state.h"
#include "plot/windows/plotter_texts.h"
#include "plot/windows/function_input_window.h"
#include "plot/windows/function_list_window.h"
#include "shell/codepage.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"

namespace lumatik {

namespace {

void Message(const char* utf8) { ShowMessage(Cp1252(utf8)); }

}  // namespace

void FunctionInputWindow::erstesBeispiel1Click() {
  SetPlotList({});
  ClearListWindowMemo();
  SetFunctionText(plottexts::kDefaultFunction);
  SetUnits("1", "1");
  Schaubild1Click();
}

void FunctionInputWindow::BeispielmitAbleitung1Click() {
  ResetInput();
  move(0, 0);
  CBAbleitung->setChecked(true);
  CBAlle->setChecked(true);
  for (const char* line : {"x/(x+1)/(x-1)", "Text 1,5 4 14 |f(x)=x/(x+1)/(x-1)", "Text 2,5 3,4 10 |Mit Ableitung",
                           "Text 1,5 2,4 20 |f", "Text 1,7 -1,4 20 |f'"})
    AddToPlotList(line);
  Schaubild1Click();
  ShowInFront();
  Listebearbeiten1Click();
  if (functionListWindow) functionListWindow->show();
  Message(plottexts::kMitAbleitung);
}

void FunctionInputWindow::Beispiel11Click() {
  ResetInput();
  CBAbleitung->setChecked(true);
  CBAlle->setChecked(false);
  SetFunctionText("1/50*exp(abs(x))*sin(Pi/2*x)");
  SetUnits("1/2", "2");
  Schaubild1Click();
  ShowInFront();
}

void FunctionInputWindow::Beispiel31Click() {
  ResetInput();
  CBAbleitung->setChecked(true);
  CBAlle->setChecked(false);
  SetFunctionText("tan(Pi*x)");
  SetUnits("2", "1/2");
  Schaubild1Click();
  ShowInFront();
}

void FunctionInputWindow::Beispiel41Click() {
  Plotter().ValuesPerCm = 400;
  ResetInput();
  SetFunctionText("3*(x/2+1/3-int(x/2+1/3))");
  CBAbleitung->setChecked(false);
  CBAlle->setChecked(false);
  Schaubild1Click();
  ShowInFront();
}

void FunctionInputWindow::BeispielListe1Click() {
  ResetInput();
  CBAlle->setChecked(true);
  CBAbleitung->setChecked(false);
  SetUnits("1/2", "2");
  for (const char* line : {"x", "x^2", "x^3", "x^4", "x^5", "1/x", "1/x^2",
                           "Text -15 2,5  12 |Die Funktionen  x - > x, x^2, x^3, x^4, x^5",
                           "Text -15 2,25 12 |sowie  x - > 1/x, 1/x^2"})
    AddToPlotList(line);
  Schaubild1Click();
  ShowInFront();
  Listebearbeiten1Click();
}

void FunctionInputWindow::Beispielabschnittweisedefiniert1Click() {
  ResetInput();
  for (const char* line : {"-1/x [-6,5;-1]", "-x [-1;1]", "-1/x [1;5,5]"}) AddToPlotList(line);
  CBAlle->setChecked(true);
  Schaubild1Click();
  ShowInFront();
  Listebearbeiten1Click();
  Message(plottexts::kAbschnittweise);
}

void FunctionInputWindow::Beispielunstetig1Click() {
  ResetInput();
  for (const char* line : {"-1/x [-6,5;-1]", "Kästchen -1 1 1/20",
                           "Kreis -1 -1 1/20 ohne Angabe weiß mglich noch rot und schwarz", "x [-1;1]",
                           "Kästchen 1 1 1/20 rot", "Kreis 1 -1 1/20", "-1/x [1;5,5]"})
    AddToPlotList(Cp1252(line));
  CBAlle->setChecked(true);
  Schaubild1Click();
  ShowInFront();
}

void FunctionInputWindow::BeispielM751Click() {
  ResetInput();
  SetFunctionText("x/(x-6)/(x-8) + 5");
  CBAlle->setChecked(false);
  SetUnits("1", "1/2");
  SetCentre("7", "6");
  Schaubild1Click();
  ShowInFront();
}

void FunctionInputWindow::BeispielStreckeneinzeichnen1Click() {
  ResetInput();
  for (const char* line : {"x^2 [0;2]", "Strecke 1,5 0 1,5 1,5^2", "Strecke 0 1,5^2 1,5 1,5^2",
                           "Kreis 0 0 1/20 schwarz", "Kreis 2 4 1/20 schwarz", "Kreis 1,5 1,5^2 1/20 rot"})
    AddToPlotList(line);
  CBAlle->setChecked(true);
  Schaubild1Click();
}

void FunctionInputWindow::BeispielmitParameter1Click() {
  ResetInput();
  for (const char* line : {"a*x^3+b*x  a=1/3 b=-3", "a*x^3+b*x  a=2/3 b=-3", "a*x^3+b*x  a=1   b=-3",
                           "a*x^3+b*x  a=4/3 b=-3"})
    AddToPlotList(line);
  CBAlle->setChecked(true);
  Schaubild1Click();
  Message(plottexts::kMitParameter);
  Listebearbeiten1Click();
  ShowInFront();
}

}  // namespace lumatik
