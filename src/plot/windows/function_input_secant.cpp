// The menu "Von der Sekante zur Tangente" of the input window: each command
// reads the fields, lets the secant core build the small plot list, writes
// the slope and draws.

#include <QLabel>
#include <QLineEdit>

#include <cstring>

#include "plot/secant.h"
#include "plot/windows/function_input_window.h"
#include "shell/messagesink.h"
#include "shell/windows/qtext.h"

namespace lumatik {

SecantFields FunctionInputWindow::ReadSecantFields() const {
  SecantFields fields;
  fields.function = FunctionText();
  fields.x0 = CoreText(Ex0->text());
  fields.x = CoreText(Ex->text());
  fields.lex = CoreText(ELEx->text());
  fields.ley = CoreText(ELEy->text());
  fields.mx = CoreText(Ex000->text());
  fields.my = CoreText(Ey000->text());
  return fields;
}

void FunctionInputWindow::WriteSecantFields(const SecantFields& fields) {
  // The function field announces every change of its text; an unchanged
  // function is no change.
  if (fields.function != FunctionText()) SetFunctionText(fields.function);
  ShowFieldText(Ex0, QtText(fields.x0));
  ShowFieldText(Ex, QtText(fields.x));
  ShowFieldText(ELEx, QtText(fields.lex));
  ShowFieldText(ELEy, QtText(fields.ley));
  ShowFieldText(Ex000, QtText(fields.mx));
  ShowFieldText(Ey000, QtText(fields.my));
}

void FunctionInputWindow::RestartList() {
  SetPlotList({FunctionText()});
  ClearListWindowMemo();
}

void FunctionInputWindow::ShowSecantDrawing(const SecantDrawing& drawing) {
  Lm->setText(QtText(drawing.slopeCaption));
  ShowFieldText(Em, QtText(drawing.slopeText));
  SetPlotList(drawing.plotList);
  ClearListWindowMemo();
  Schaubild1Click();
}

void FunctionInputWindow::ZeichneSekante1Click() {
  // With x equal to x0 there is no secant; the core has said so, and the
  // picture stays as it was.
  if (const std::optional<SecantDrawing> drawing = DrawSecant(ReadSecantFields())) ShowSecantDrawing(*drawing);
}

void FunctionInputWindow::ZeichneSekantemit12dx1Click() {
  ShowFieldText(Ex, QtText(HalvedX(ReadSecantFields())));
  RestartList();
  Schaubild1Click();
  ZeichneSekante1Click();
}

void FunctionInputWindow::ZeichneTangente1Click() {
  if (const std::optional<SecantDrawing> drawing = DrawTangent(ReadSecantFields())) ShowSecantDrawing(*drawing);
}

void FunctionInputWindow::ZeichneNormale1Click() {
  if (const std::optional<SecantDrawing> drawing = DrawNormal(ReadSecantFields())) ShowSecantDrawing(*drawing);
}

void FunctionInputWindow::Sekantenlschen1Click() {
  Em->setText(QString());
  WriteSecantFields(ClearedSecant(ReadSecantFields()));
  RestartList();
  Schaubild1Click();
}

void FunctionInputWindow::Lupe1Click() {
  if (const std::optional<SecantFields> magnified = Magnify(ReadSecantFields())) {
    WriteSecantFields(*magnified);
    Schaubild1Click();
  }
}

void FunctionInputWindow::Hinweis1Click() { ShowMessage(SecantHintText()); }

void FunctionInputWindow::SecantExampleClick(const char* caption) {
  for (const SecantExample& example : SecantExamples()) {
    if (std::strcmp(example.caption, caption) != 0) continue;
    SetPlotList({});
    ClearListWindowMemo();
    WriteSecantFields(ApplyExample(example, ReadSecantFields()));
    Schaubild1Click();
    return;
  }
}

void FunctionInputWindow::Beispiel02x2bei151Click() { SecantExampleClick("Beispiel 0,2x^2 bei 1,5"); }

void FunctionInputWindow::Beispiel1xbei21Click() { SecantExampleClick("Beispiel 1/x bei 2"); }

void FunctionInputWindow::Beispielsqrtxbei41Click() { SecantExampleClick("Beispiel sqrt(x) bei 4"); }

void FunctionInputWindow::BeispielKreisr5bei41Click() { SecantExampleClick("Beispiel Kreis (r=5) bei 4 "); }

}  // namespace lumatik
