#include "seriesgroup.h"

#include "lineplottable.h"
#include "rasterpipeline.h"
#include "rectangleplottable.h"

namespace {

// The world transform under which painting lands on device pixels one to one. On a device with a
// pixel ratio above 1 the painter scales every drawing by that ratio beneath the world transform,
// so the raster, which is made of device pixels, is drawn scaled down by it first.
QTransform FromDevice(const QPainter &painter) {
  const qreal ratio = painter.device()->devicePixelRatio();
  return QTransform::fromScale(1 / ratio, 1 / ratio);
}

QRect DeviceArea(const QPainter &painter) {
  const QRect device(0, 0, painter.device()->width(), painter.device()->height());
  if (!painter.hasClipping()) return device;
  return painter.deviceTransform().mapRect(painter.clipBoundingRect()).toAlignedRect() & device;
}

// Clipped to the plot area, as QCustomPlot clips a plottable its layer draws.
void ClipTo(QCPPainter &painter, const QCPAbstractPlottable &plottable) {
  painter.setClipRect(plottable.keyAxis()->axisRect()->rect().translated(0, -1));
}

}  // namespace

SeriesGroup::SeriesGroup(QCustomPlot *plot, const QString &layer) : QCPLayerable(plot, layer) {}

void SeriesGroup::SetPlottables(std::vector<QCPAbstractPlottable *> plottables) { plottables_ = std::move(plottables); }

void SeriesGroup::applyDefaultAntialiasingHint(QCPPainter *) const {}

void SeriesGroup::draw(QCPPainter *painter) {
  std::vector<LinePlottable *> run;
  for (std::size_t i = 0; i < plottables_.size();) {
    const std::size_t next = LineRun(i, run);
    if (!run.empty()) {
      DrawLines(*painter, run);
      i = next;
      continue;
    }
    if (auto *rectangle = dynamic_cast<RectanglePlottable *>(plottables_[i]); rectangle && rectangle->visible()) {
      painter->save();
      ClipTo(*painter, *rectangle);
      painter->setAntialiasing(rectangle->antialiased());
      rectangle->draw(painter);
      painter->restore();
    }
    ++i;
  }
}

// Hidden or empty line series draw nothing and so never break a run.
std::size_t SeriesGroup::LineRun(std::size_t index, std::vector<LinePlottable *> &run) const {
  run.clear();
  for (; index < plottables_.size(); ++index) {
    auto *line = dynamic_cast<LinePlottable *>(plottables_[index]);
    if (!line) break;
    if (line->visible() && line->IsDrawable()) run.push_back(line);
  }
  return index;
}

void SeriesGroup::DrawLines(QCPPainter &painter, const std::vector<LinePlottable *> &run) {
  painter.save();
  ClipTo(painter, *run.front());
  if (!LinePlottable::IsRasterTarget(painter)) {
    for (LinePlottable *line : run) line->draw(&painter);
    painter.restore();
    return;
  }
  // The raster antialiases by itself; QCPPainter's antialiasing would only shift the curves by
  // half a pixel off the positions valueToPixel gives.
  painter.setAntialiasing(false);
  const QTransform toDevice = painter.deviceTransform();
  const QRect area = DeviceArea(painter);
  std::vector<RasterPipeline::Job> jobs;
  if (!area.isEmpty())
    for (const LinePlottable *line : run)
      jobs.push_back([line, input = line->RasterInputFor(toDevice, area)](StrokeRaster &workspace) {
        line->Raster(workspace, input);
      });
  workspaces_.resize(RasterPipeline::WorkspacesWanted());
  painter.setWorldTransform(FromDevice(painter));
  RasterPipeline::Run(workspaces_, jobs, [&painter](const StrokeRaster &workspace) { workspace.Paint(painter); });
  painter.restore();
}
