#include "chartmouse.h"

#include "chart.h"

#include <QMouseEvent>
#include <QRubberBand>

#include <cstdlib>

namespace {

// A drag must exceed this many pixels in both directions to zoom or to undo the zoom.
constexpr int minimumDrag = 16;

QPoint positionOf(const QMouseEvent &event)
{
  return event.position().toPoint();
}

}  // namespace

ChartMouse::ChartMouse(Chart &chart)
    : mChart(chart), mBand(new QRubberBand(QRubberBand::Rectangle, &chart))
{
}

void ChartMouse::press(const QMouseEvent &event)
{
  const QPoint at = positionOf(event);
  if (mDrag != Drag::None || !mChart.plotArea().contains(at))
    return;
  if (event.button() == Qt::LeftButton && mChart.isZoomEnabled()) {
    mDrag = Drag::Zoom;
    mStart = at;
    mBand->setGeometry(QRect(at, QSize()));
    mBand->show();
  } else if (event.button() == Qt::RightButton && mChart.isScrollEnabled()) {
    mDrag = Drag::Scroll;
    mLast = at;
    mChart.holdViewAnnouncements(true);
  }
}

void ChartMouse::move(const QMouseEvent &event)
{
  const QPoint at = positionOf(event);
  if (mDrag == Drag::Zoom) {
    mBand->setGeometry(QRect(mStart, at).normalized());
  } else if (mDrag == Drag::Scroll) {
    mChart.scrollByPixels(at - mLast);
    mLast = at;
  }
}

void ChartMouse::release(const QMouseEvent &event)
{
  const QPoint at = positionOf(event);
  if (mDrag == Drag::Zoom && event.button() == Qt::LeftButton) {
    mDrag = Drag::None;
    mBand->hide();
    finishZoom(at);
  } else if (mDrag == Drag::Scroll && event.button() == Qt::RightButton) {
    mDrag = Drag::None;
    mChart.scrollByPixels(at - mLast);
    mChart.holdViewAnnouncements(false);
  }
}

void ChartMouse::finishZoom(QPoint end)
{
  const QPoint drag = end - mStart;
  if (std::abs(drag.x()) <= minimumDrag || std::abs(drag.y()) <= minimumDrag)
    return;
  if (drag.x() > 0 && drag.y() > 0)
    mChart.zoomToPixels(mStart.x(), mStart.y(), end.x(), end.y());
  else
    mChart.undoZoom();
}
