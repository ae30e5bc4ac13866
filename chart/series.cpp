#include "series.h"

#include <algorithm>

Series::Series(int maximumWidth) : mMaximumWidth(maximumWidth) {}

Series::~Series() = default;

void Series::setTitle(const QString &title)
{
  mTitle = title;
  notify(Change::Style);
}

void Series::setColor(const QColor &color)
{
  mColor = color;
  notify(Change::Style);
}

void Series::setWidth(int width)
{
  mWidth = std::clamp(width, 1, mMaximumWidth);
  notify(Change::Style);
}

void Series::setShown(bool shown)
{
  mShown = shown;
  notify(Change::Style);
}

void Series::notify(Change change)
{
  if (mListener)
    mListener(*this, change);
}
