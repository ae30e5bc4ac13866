#include "rectangleseries.h"

namespace {
constexpr int kMaximumFrameWidth = 9;
}

RectangleSeries::RectangleSeries() : Series(kMaximumFrameWidth) {}

void RectangleSeries::setCorners(QPointF first, QPointF second)
{
  first_ = first;
  second_ = second;
  notify(Change::Data);
}

QPen RectangleSeries::pen() const
{
  return QPen(color(), width(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}
