// The input window's menu "Diskussion": it opens the curve discussion
// beside the graph, and its examples set a function and an interval and
// run the discussion at once.

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>

#include "discuss/discussion_examples.h"
#include "discuss/windows/discussion_window.h"
#include "plot/plotlist.h"
#include "plot/plotter_state.h"
#include "plot/windows/function_input_window.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_front.h"

namespace lumatik {

void FunctionInputWindow::RechneNullstellenaus1Click() {
  Plotter().DiscussionActive = true;
  CBAbleitung->setChecked(false);
  CBAlle->setChecked(false);
  Schaubild1Click();
  // The discussion window comes up while this one still has the focus: a
  // window manager gives a new window the focus (and the top) when it is
  // the active window's own, but may put it behind the graph otherwise.
  if (discussionWindow) {
    discussionWindow->Memo1->clear();
    BringToFront(discussionWindow);
  }
  hide();
}

void FunctionInputWindow::Beispiel1Click(QAction* sender) {
  const DiscussionExample* example = sender ? FindDiscussionExample(sender->text().toStdString()) : nullptr;
  if (!example || !discussionWindow) return;
  // An example chosen while a run goes on replaces that run: its own
  // start would otherwise only stop the old one.
  discussionWindow->EndRun();
  Plotter().DiscussionActive = true;
  ResetInput();
  SetFunctionText(example->function);
  std::vector<std::string> list;
  AddCurrentToList(ExampleListLine(*example), list);
  SetPlotList(list);
  discussionWindow->SetInterval(example->from, example->to, example->step);
  RechneNullstellenaus1Click();
  if (example->integral) {
    discussionWindow->BRechneClick();
    for (const std::string& line : IntegralExampleLines()) AddMemoLine(discussionWindow->Memo1, line);
    discussionWindow->BintegralClick();
    ShowMessage(IntegralExampleMessage());
    return;
  }
  if (const std::string message = ExampleMessage(*example); !message.empty()) ShowMessage(message);
  discussionWindow->BRechneClick();
}

}  // namespace lumatik
