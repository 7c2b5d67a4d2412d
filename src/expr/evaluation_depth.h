#pragma once

namespace lumatik {

// How many levels of term evaluation are under way. Every level of the text
// evaluator counts itself; a level beyond the depth limit answers with a
// message instead of recursing on. The compiled form reads the count to
// know whether its levels would pass the same limit.
class EvaluationLevel {
 public:
  EvaluationLevel() { ++depth_; }
  ~EvaluationLevel() { --depth_; }
  EvaluationLevel(const EvaluationLevel&) = delete;
  EvaluationLevel& operator=(const EvaluationLevel&) = delete;

  static int depth() { return depth_; }

 private:
  static inline int depth_ = 0;
};

// Adds one to XReadCount: the compiled form of a term that reads x counts
// once per evaluation, as the text evaluator counts at least once.
void CountXRead();

}  // namespace lumatik
