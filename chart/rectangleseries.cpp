#include "rectangleseries.h"

namespace {
constexpr int kMaximumFrameWidth = 9;
}

RectangleSeries::RectangleSeries() : Series(kMaximumFrameWidth) {}

void RectangleSeries::SetCorners(QPointF first, QPointF second) {
  first_ = first;
  second_ = second;
  Notify(Change::Data);
}

QPen RectangleSeries::Pen() const { return QPen(Color(), Width(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); }
