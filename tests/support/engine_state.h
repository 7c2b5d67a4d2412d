#pragma once

// A clean engine for each test: no parameters, no message, and the message
// boxes the engine would show recorded instead.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/evaluate.h"
#include "shell/messagesink.h"

namespace lumatik::testing {

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ParamLine().assign(1, ' ');
    ParamLines().setLines({});
    ParamLines().setOnChanged(nullptr);
    MathErrorText().clear();
    SetMessageSink([this](const std::string& text) { messages.push_back(text); });
  }
  void TearDown() override { SetMessageSink(nullptr); }

  // Fills the parameter lines and rebuilds the parameter line from them.
  void UseParams(std::vector<std::string> lines) {
    ParamLines().setLines(std::move(lines));
    ReadParams();
  }

  std::vector<std::string> messages;
};

}  // namespace lumatik::testing
