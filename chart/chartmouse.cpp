#include "chartmouse.h"

#include "chart.h"

#include <QMouseEvent>
#include <QRubberBand>

#include <cstdlib>

namespace {

// A drag must exceed this many pixels in both directions to zoom or to undo the zoom.
constexpr int kMinimumDrag = 16;

QPoint PositionOf(const QMouseEvent &event) { return event.position().toPoint(); }

}  // namespace

ChartMouse::ChartMouse(Chart &chart) : chart_(chart), band_(new QRubberBand(QRubberBand::Rectangle, &chart)) {}

void ChartMouse::Press(const QMouseEvent &event) {
  const QPoint at = PositionOf(event);
  if (drag_ != Drag::None || !chart_.PlotArea().contains(at)) return;
  if (event.button() == Qt::LeftButton && chart_.IsZoomEnabled()) {
    drag_ = Drag::Zoom;
    start_ = at;
    band_->setGeometry(QRect(at, QSize()));
    band_->show();
  } else if (event.button() == Qt::RightButton && chart_.IsScrollEnabled()) {
    drag_ = Drag::Scroll;
    last_ = at;
    chart_.HoldViewAnnouncements(true);
  }
}

void ChartMouse::Move(const QMouseEvent &event) {
  const QPoint at = PositionOf(event);
  if (drag_ == Drag::Zoom) {
    band_->setGeometry(QRect(start_, at).normalized());
  } else if (drag_ == Drag::Scroll) {
    chart_.ScrollByPixels(at - last_);
    last_ = at;
  }
}

void ChartMouse::Release(const QMouseEvent &event) {
  const QPoint at = PositionOf(event);
  if (drag_ == Drag::Zoom && event.button() == Qt::LeftButton) {
    drag_ = Drag::None;
    band_->hide();
    FinishZoom(at);
  } else if (drag_ == Drag::Scroll && event.button() == Qt::RightButton) {
    drag_ = Drag::None;
    chart_.ScrollByPixels(at - last_);
    chart_.HoldViewAnnouncements(false);
  }
}

void ChartMouse::FinishZoom(QPoint end) {
  const QPoint drag = end - start_;
  if (std::abs(drag.x()) <= kMinimumDrag || std::abs(drag.y()) <= kMinimumDrag) return;
  if (drag.x() > 0 && drag.y() > 0)
    chart_.ZoomToPixels(start_.x(), start_.y(), end.x(), end.y());
  else
    chart_.UndoZoom();
}
