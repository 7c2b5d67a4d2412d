// "Zeichne", "Zeichne mit Standardeinheiten" and "Beispiele": the worksheet's
// 3-D scene drawn into the graph window, on the canvas the plotter uses.
// The graph window keeps the view of each drawing for its popup menu.

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "draw3d/scene_commands.h"
#include "plot/windows/graph_window.h"
#include "shell/windows/forms.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_front.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik {

namespace {

using SceneDrawer =
    std::function<std::optional<SceneDrawing>(const std::vector<std::string>& lines, Canvas& canvas,
                                              const SceneTarget& target)>;

// The lines keep their places, only their computed points change: the
// caret, the scrolled view and an open last line stay as the user left them.
void KeepPlaceWhileReplacing(QPlainTextEdit* memo, std::vector<std::string> lines) {
  const QTextCursor caret = memo->textCursor();
  const int block = caret.blockNumber();
  const int column = caret.positionInBlock();
  const int scrolled = memo->verticalScrollBar()->value();
  if (memo->toPlainText().endsWith(QLatin1Char('\n'))) lines.emplace_back();
  SetMemoLines(memo, lines);
  const QTextBlock line = memo->document()->findBlockByNumber(std::min(block, memo->document()->blockCount() - 1));
  QTextCursor restored(line);
  restored.setPosition(line.position() + std::min(column, line.length() - 1));
  memo->setTextCursor(restored);
  memo->verticalScrollBar()->setValue(scrolled);
}

// Draws the worksheet's scene over the whole graph window and keeps what the
// drawing returns: the view, the lines with their computed points, and the
// hint about lines that could not be drawn. The graph comes to the front
// with the keys, so that Esc leads back to the worksheet.
void ShowScene(WorksheetWindow& sheet, const SceneDrawer& draw) {
  if (!graphWindow) return;
  const std::vector<std::string> before = sheet.Lines();
  const SceneTarget target{graphWindow->width(), graphWindow->height()};
  std::optional<SceneDrawing> drawing;
  graphWindow->Paint([&](Canvas& canvas) { drawing = draw(before, canvas, target); });
  if (!drawing) return;
  graphWindow->View3D = drawing->view;
  if (drawing->lines != before) KeepPlaceWhileReplacing(sheet.Memo1, drawing->lines);
  BringToFront(graphWindow);
  if (!drawing->hint.empty()) ShowHint(drawing->hint);
}

}  // namespace

void WorksheetWindow::Zeichne1Click(bool standardUnits) {
  if (graphWindow) graphWindow->ClearGraph(kBlack);
  if (Lines().empty()) {
    Beispiele1Click();
    return;
  }
  ShowScene(*this, [standardUnits](const std::vector<std::string>& lines, Canvas& canvas, const SceneTarget& target) {
    return DrawWorksheetScene(lines, graphWindow->View3D, standardUnits, canvas, target, ScreenColours());
  });
}

void WorksheetWindow::DrawChangedView(ViewChange change) {
  ShowScene(*this, [change](const std::vector<std::string>& lines, Canvas& canvas, const SceneTarget& target) {
    return DrawWithChangedView(lines, graphWindow->View3D, change, canvas, target, ScreenColours());
  });
}

void WorksheetWindow::Beispiele1Click() {
  std::vector<std::string> lines = Lines();
  std::string line = ProposedExampleLine(lines);
  if (!InputOne(ExampleDialogCaption(), ExampleDialogLabel(), ExampleDialogExplanation(), line)) return;
  AcceptExampleLine(lines, line);
  SetMemoLines(Memo1, lines);
  Zeichne1Click();
}

}  // namespace lumatik
