#pragma once

// The plotter opened as a user opens it: "Schaubild" in the start window,
// then the input window's first paint. Messages are recorded, not shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

#include "expr/lumath.h"
#include "expr/parameters.h"
#include "plot/unit1sb.h"
#include "plot/unit2sb.h"
#include "shell/forms.h"
#include "shell/messagesink.h"
#include "shell/unitstart.h"

namespace lumatik::testing {

class PlotterOpened : public ::testing::Test {
 protected:
  void SetUp() override {
    ParamLine() = " ";
    MathErrorText().clear();
    ValuesPerCm = 100;
    TextInsertMode = false;
    MenuHintShown = false;
    StartMode = 0;
    SetMessageSink([this](const std::string& text) { messages.push_back(text); });
    CreateForms();
    OpenPlotter();
  }
  // "Schaubild" in the start window; the input window's first paint then
  // fills the function field and draws.
  static void OpenPlotter() {
    FormStart->show();
    FormStart->BSchaubildClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1sb));
    Settle();
  }
  void TearDown() override {
    DestroyForms();
    SetMessageSink(nullptr);
  }
  // Lets the paint passes that follow a redraw run.
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

  std::vector<std::string> messages;
};

}  // namespace lumatik::testing
