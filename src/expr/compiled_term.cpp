#include "expr/compiled_term.h"

#include <list>
#include <unordered_map>

#include "expr/evaluation_depth.h"
#include "expr/limits.h"
#include "expr/evaluate.h"
#include "expr/term_program.h"
#include "expr/term_tree.h"
#include "shell/decimal_separator.h"

namespace lumatik {

CompiledTerm::CompiledTerm(std::string term)
    : term_(std::move(term)), tree_(std::make_unique<TermTree>(BuildTermTree(term_))) {
  for (const TermLevel& level : tree_->levels) readsX_ = readsX_ || level.kind == TermLevel::Kind::X;
}

CompiledTerm::~CompiledTerm() = default;
CompiledTerm::CompiledTerm(CompiledTerm&&) noexcept = default;
CompiledTerm& CompiledTerm::operator=(CompiledTerm&&) noexcept = default;

bool CompiledTerm::isCompiled() const { return !tree_->literalOnly; }

TermProgram& CompiledTerm::program() const {
  // Bound again whenever the parameter line's text or the decimal separator
  // differs from what the program was bound to.
  const std::string& line = ParamLine();
  const char separator = DecimalSeparator();
  if (!program_ || separator != boundSeparator_ || line != boundParamLine_) {
    program_ = std::make_unique<TermProgram>(*tree_);
    boundParamLine_ = line;
    boundSeparator_ = separator;
  }
  return *program_;
}

TermProgram* CompiledTerm::fastProgram() const {
  // The levels of the text evaluator under way count towards its depth
  // limit; a term that would pass it is left to the text evaluator.
  if (tree_->literalOnly || EvaluationLevel::depth() + tree_->depth > kMaxTermDepth) return nullptr;
  TermProgram& p = program();
  return p.literal() ? nullptr : &p;
}

Extended CompiledTerm::operator()(Extended x) const {
  TermProgram* p = fastProgram();
  if (!p) return EvalTermAt(term_, x);
  if (readsX_) CountXRead();
  return p->run(x);
}

bool CompiledTerm::derivatives(Extended x, Extended& d1, Extended& d2) const {
  TermProgram* p = fastProgram();
  return p != nullptr && p->derivatives(x, d1, d2);
}

void CompiledTerm::evaluate(const Extended* xs, Extended* ys, std::size_t n) const {
  if (TermProgram* p = fastProgram()) {
    if (readsX_ && n > 0) CountXRead();
    p->runMany(xs, ys, n);
    return;
  }
  for (std::size_t i = 0; i < n; ++i) ys[i] = EvalTermAt(term_, xs[i]);
}

std::vector<Extended> CompiledTerm::evaluate(const std::vector<Extended>& xs) const {
  std::vector<Extended> ys(xs.size());
  evaluate(xs.data(), ys.data(), xs.size());
  return ys;
}

namespace {

// Least recently used terms leave first; the bound keeps a long plot list
// from holding every term it ever drew.
class CompiledTermCache {
 public:
  static constexpr std::size_t kCapacity = 512;

  std::shared_ptr<const CompiledTerm> get(const std::string& term) {
    if (!order_.empty() && order_.front()->term() == term) return order_.front();
    const auto found = index_.find(term);
    if (found != index_.end()) {
      order_.splice(order_.begin(), order_, found->second);
      return order_.front();
    }
    order_.push_front(std::make_shared<const CompiledTerm>(term));
    index_.emplace(term, order_.begin());
    if (order_.size() > kCapacity) {
      index_.erase(order_.back()->term());
      order_.pop_back();
    }
    return order_.front();
  }

 private:
  std::list<std::shared_ptr<const CompiledTerm>> order_;
  std::unordered_map<std::string, std::list<std::shared_ptr<const CompiledTerm>>::iterator> index_;
};

CompiledTermCache& Cache() {
  static CompiledTermCache cache;
  return cache;
}

}  // namespace

std::shared_ptr<const CompiledTerm> CompiledTermFor(const std::string& term) { return Cache().get(term); }

Extended FastEvalTermAt(const std::string& term, Extended x) {
  // The shared pointer keeps the compiled term alive should an evaluation
  // inside it (an integral in "Phi") push it out of the cache.
  const std::shared_ptr<const CompiledTerm> compiled = CompiledTermFor(term);
  return (*compiled)(x);
}

}  // namespace lumatik
