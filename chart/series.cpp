#include "series.h"

#include <algorithm>

Series::Series(int maximumWidth) : maximumWidth_(maximumWidth) {}

Series::~Series() = default;

void Series::SetTitle(const QString &title) {
  title_ = title;
  Notify(Change::Style);
}

void Series::SetColor(const QColor &color) {
  color_ = color;
  Notify(Change::Style);
}

void Series::SetWidth(int width) {
  width_ = std::clamp(width, 1, maximumWidth_);
  Notify(Change::Style);
}

void Series::SetShown(bool shown) {
  shown_ = shown;
  Notify(Change::Style);
}

void Series::Notify(Change change) {
  if (listener_) listener_(*this, change);
}
