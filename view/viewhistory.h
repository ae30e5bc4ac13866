#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// The ranges the plot window shows.
struct TView {
  double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
  bool operator==(const TView &) const = default;
};

// The views left by zooms, scrolls and restores, to go back and forward
// through like a browser's pages: leaving a view for a new one drops the
// views ahead.
class TViewHistory {
 public:
  void Leave(const TView &view);
  // The view before `current`, or after it; current is kept to come back to.
  std::optional<TView> Back(const TView &current);
  std::optional<TView> Forward(const TView &current);
  void Clear();

 private:
  static std::optional<TView> Step(std::vector<TView> &from, std::vector<TView> &to, const TView &current);

  std::vector<TView> back_, forward_;
};
