#include "series.h"

#include <algorithm>

Series::Series(int maximumWidth) : maximumWidth_(maximumWidth) {}

Series::~Series() = default;

void Series::setTitle(const QString &title)
{
  title_ = title;
  notify(Change::Style);
}

void Series::setColor(const QColor &color)
{
  color_ = color;
  notify(Change::Style);
}

void Series::setWidth(int width)
{
  width_ = std::clamp(width, 1, maximumWidth_);
  notify(Change::Style);
}

void Series::setShown(bool shown)
{
  shown_ = shown;
  notify(Change::Style);
}

void Series::notify(Change change)
{
  if (listener_)
    listener_(*this, change);
}
