#include "rectangleseries.h"

namespace {
constexpr int maximumFrameWidth = 9;
}

RectangleSeries::RectangleSeries() : Series(maximumFrameWidth) {}

void RectangleSeries::setCorners(QPointF first, QPointF second)
{
  mFirst = first;
  mSecond = second;
  notify(Change::Data);
}

QPen RectangleSeries::pen() const
{
  return QPen(color(), width(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}
