#pragma once

#include "axiscopypainter.h"
#include "chartaxis.h"
#include "lineseries.h"
#include "rectangleseries.h"

#include <QImage>
#include <QMarginsF>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ChartMouse;
class PlotSurface;
class QPrinter;

// A chart of line and rectangle series over a bottom and a left value axis whose ranges the
// program sets. The user zooms by dragging a rectangle with the left button or by turning the
// wheel over the plot area (while zooming is on) and scrolls by dragging with the right button. Every change redraws
// the chart once, at the next turn of the event loop; the same drawing makes the screen, the picture and the printout.
class Chart : public QWidget {
  Q_OBJECT

 public:
  // Asked before each scroll step of an axis with its proposed range; false refuses the step.
  using ScrollPermission = std::function<bool(ChartAxis axis, double minimum, double maximum)>;
  // Runs on every redraw after background, grid and axes and before the series.
  using BeforeSeriesHook = std::function<void(AxisCopyPainter &painter)>;
  // Given the range a zoom about a point proposes for an axis; may move or narrow it.
  using ViewLimit = std::function<void(ChartAxis axis, double &minimum, double &maximum)>;
  // The tool tip for the pointer at a pixel; an empty text shows none.
  using ToolTipSource = std::function<QString(QPoint pixel)>;

  explicit Chart(QWidget *parent = nullptr);
  ~Chart() override;

  // Axes. A range with minimum above maximum is put in order.
  void SetRange(ChartAxis axis, double minimum, double maximum);
  double Minimum(ChartAxis axis) const;
  double Maximum(ChartAxis axis) const;
  double ValueToPixel(ChartAxis axis, double value) const;
  double PixelToValue(ChartAxis axis, double pixel) const;
  // The pixels from the one of each axis's minimum to the one of its maximum, borders included.
  QRect PlotArea() const;
  // The labels drawn along an axis, in order.
  QStringList TickLabels(ChartAxis axis) const;
  // Hidden axes take no room and draw no grid.
  void SetAxesShown(bool shown);

  // Appearance.
  void SetGridShown(ChartAxis axis, bool shown);
  bool IsGridShown(ChartAxis axis) const;
  void SetGridColor(ChartAxis axis, const QColor &color);
  QColor GridColor(ChartAxis axis) const;
  void SetAxisLineColor(ChartAxis axis, const QColor &color);
  QColor AxisLineColor(ChartAxis axis) const;
  void SetTickColor(ChartAxis axis, const QColor &color);
  QColor TickColor(ChartAxis axis) const;
  void SetMinorTickColor(ChartAxis axis, const QColor &color);
  void SetLabelColor(ChartAxis axis, const QColor &color);
  // Margins around the plot area and legend, in percent of the chart's width and height.
  void SetMarginsPercent(const QMarginsF &margins);
  // Vertical gradient from the bottom colour to the top colour.
  void SetBackgroundColors(const QColor &bottom, const QColor &top);
  QColor BackgroundBottomColor() const;
  QColor BackgroundTopColor() const;
  void SetLegendShown(bool shown);
  QColor LegendColor() const;

  // Series, drawn in order, later ones over earlier ones. The chart owns what it is given.
  template <typename S>
  S *AddSeries(std::unique_ptr<S> series) {
    S *added = series.get();
    AdoptSeries(std::move(series));
    return added;
  }
  int SeriesCount() const;
  Series *SeriesAt(int index) const;
  void ExchangeSeries(int first, int second);
  // Exchanges a series with its predecessor; nothing happens for the first.
  void MoveSeriesTowardsFront(int index);
  // Exchanges a series with its successor; nothing happens for the last.
  void MoveSeriesTowardsBack(int index);
  void RemoveSeries(int index);
  void RemoveAllSeries();

  // Zoom and scroll.
  void SetZoomEnabled(bool enabled);
  bool IsZoomEnabled() const { return zoomEnabled_; }
  void SetScrollEnabled(bool enabled);
  bool IsScrollEnabled() const { return scrollEnabled_; }
  // Zooms both axes to a rectangle in pixels; each pair of sides is put in order first.
  void ZoomToPixels(int left, int top, int right, int bottom);
  // Shifts the view by a mouse movement, one axis at a time, as far as the permission allows.
  void ScrollByPixels(QPoint movement);
  // Scales each axis's range by its factor about the value at a pixel (1 leaves the axis), then
  // hands it to the view limit; a zoom like any other. Nothing happens where the range would
  // become too narrow for a double to tell its ends apart.
  void ZoomAbout(QPointF pixel, double bottomFactor, double leftFactor);
  // Shows the given ranges as a zoom does, without announcing a change of view.
  void ZoomToValues(double bottomMinimum, double bottomMaximum, double leftMinimum, double leftMaximum);
  // Restores the ranges saved before the first zoom or scroll since the last restore.
  void UndoZoom();
  bool IsZoomed() const { return savedRanges_.has_value(); }
  // While held, a run of scroll steps (one drag) announces the change of view once.
  void HoldViewAnnouncements(bool hold);

  void SetScrollPermission(ScrollPermission permission);
  void SetViewLimit(ViewLimit limit);
  void SetBeforeSeriesHook(BeforeSeriesHook hook);
  void SetToolTipSource(ToolTipSource source);

  // Output.
  // Redraws at the next turn of the event loop, as every change does.
  void Redraw();
  void RedrawNow();
  // The chart as a screen of the given device pixel ratio shows it, in an image of that many
  // pixels per pixel of the chart; at ratio 1 as large as the chart.
  QImage ToImage(qreal devicePixelRatio = 1) const;
  // Draws the chart, scaled keeping its proportions, centred in a target rectangle.
  void Paint(QPainter &painter, const QRectF &target) const;
  // One page: the chart within margins of a tenth of the page.
  bool Print(QPrinter &printer) const;

 signals:
  void Zoomed();
  // Before a zoom, a restore or a scroll changes the ranges the user sees.
  void ViewAboutToChange();
  void Redrawn();
  void MouseMoved(QPoint position);

 protected:
  bool event(QEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  struct Range {
    double minimum = 0;
    double maximum = 0;
    bool IsEmpty() const { return !(maximum > minimum); }
    bool operator==(const Range &) const = default;
  };
  struct Ranges {
    Range bottom, left;
    bool operator==(const Ranges &) const = default;
  };
  struct Entry;  // a series and what draws it

  void AdoptSeries(std::unique_ptr<Series> series);
  void SeriesChanged(Series &series, Series::Change change);
  void ApplyStyle(const Entry &entry);
  void Restack();
  void FillLegend();
  void ApplyAxisVisibility(ChartAxis axis);
  void ApplyRange(ChartAxis axis);
  Range &RangeOf(ChartAxis axis);
  const Range &RangeOf(ChartAxis axis) const;
  void SaveRangesOnce();
  void AnnounceViewChange();
  void FitSurface() const;

  PlotSurface *plot_;
  std::unique_ptr<ChartMouse> mouse_;
  std::vector<Entry> series_;
  Ranges ranges_;
  std::optional<Ranges> savedRanges_;
  ScrollPermission scrollPermission_;
  ViewLimit viewLimit_;
  ToolTipSource toolTipSource_;
  bool announcementsHeld_ = false;
  bool announcedWhileHeld_ = false;
  bool zoomEnabled_ = false;
  bool scrollEnabled_ = true;
  bool axesShown_ = true;
  bool legendShown_ = true;
  bool gridShown_[2] = {true, true};
};
