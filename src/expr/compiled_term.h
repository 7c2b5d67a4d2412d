#pragma once

// A term worked out once and evaluated many times. CompiledTerm(term)(x)
// gives what EvalTermAt(term, x) gives, to the last bit of the 80-bit value,
// and leaves MathErrorText as EvalTermAt leaves it, with the same messages in
// the same order and the same substitute values. Use it wherever one term is
// evaluated at many points: plotting, derivatives, integrals, tables, scans.
//
// The result depends on the term text, x, the parameter line and the decimal
// separator. The compiled form binds its parameters to the parameter line it
// last saw and binds them again when the line's text has changed, so callers
// may change ParamLine between calls as they do for EvalTermAt. Terms whose
// evaluation the compiled form cannot reproduce step by step (mixed numbers,
// the functions that read x from the parameter line, terms nested beyond the
// depth limit) are handed to EvalTermAt itself.
//
// Like the rest of the engine, it belongs to the GUI thread.

#include <memory>
#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

struct TermTree;
class TermProgram;

class CompiledTerm {
 public:
  explicit CompiledTerm(std::string term);
  ~CompiledTerm();
  CompiledTerm(CompiledTerm&&) noexcept;
  CompiledTerm& operator=(CompiledTerm&&) noexcept;

  // EvalTermAt(term(), x).
  Extended operator()(Extended x) const;

  // ys[i] = EvalTermAt(term(), xs[i]) for i = 0 .. n-1, called in this order:
  // the values, MathErrorText and the parameters afterwards are those of the
  // n calls. The fastest way to a whole row of values (a plot's samples, an
  // integral's points, a table).
  void evaluate(const Extended* xs, Extended* ys, std::size_t n) const;
  std::vector<Extended> evaluate(const std::vector<Extended>& xs) const;

  // f'(x) and f''(x) by automatic differentiation, without messages; false
  // where the compiled form cannot give them (the term goes to the text
  // evaluator, or a step has no derivative at x). Callers evaluate the
  // value itself first and ask only where it succeeded.
  bool derivatives(Extended x, Extended& d1, Extended& d2) const;

  const std::string& term() const { return term_; }
  // False when every evaluation goes through the text evaluator.
  bool isCompiled() const;

 private:
  TermProgram& program() const;
  // The bound program, or nullptr where the text evaluator must answer.
  TermProgram* fastProgram() const;

  std::string term_;
  std::unique_ptr<TermTree> tree_;
  mutable std::unique_ptr<TermProgram> program_;
  mutable std::string boundParamLine_;
  mutable char boundSeparator_ = 0;
  bool readsX_ = false;  // some level of the tree is x itself
};

// The compiled form of a term from a bounded cache keyed by the term text.
std::shared_ptr<const CompiledTerm> CompiledTermFor(const std::string& term);

// A drop-in for EvalTermAt(term, x) through the cache.
Extended FastEvalTermAt(const std::string& term, Extended x);

}  // namespace lumatik
