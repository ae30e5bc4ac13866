#include "viewhistory.h"

namespace {

// Views kept behind; a long session drops its oldest.
constexpr std::size_t kMaxViews = 1000;

}  // namespace

void TViewHistory::Leave(const TView &view) {
  forward_.clear();
  if (!back_.empty() && back_.back() == view) return;
  if (back_.size() == kMaxViews) back_.erase(back_.begin());
  back_.push_back(view);
}

// A change that was refused left a view equal to the current one; it is skipped.
std::optional<TView> TViewHistory::Step(std::vector<TView> &from, std::vector<TView> &to, const TView &current) {
  while (!from.empty() && from.back() == current) from.pop_back();
  if (from.empty()) return std::nullopt;
  const TView view = from.back();
  from.pop_back();
  to.push_back(current);
  return view;
}

std::optional<TView> TViewHistory::Back(const TView &current) { return Step(back_, forward_, current); }

std::optional<TView> TViewHistory::Forward(const TView &current) { return Step(forward_, back_, current); }

void TViewHistory::Clear() {
  back_.clear();
  forward_.clear();
}
