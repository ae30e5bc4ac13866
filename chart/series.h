#pragma once

#include <QColor>
#include <QPen>
#include <QString>

#include <functional>

// What every series of a chart has: a title for the legend, a colour, a pen width and whether it
// is drawn. A series may be filled before it is added to a chart; once added, the chart owns it
// and redraws on every change.
class Series {
 public:
  enum class Change { Style, Data };

  virtual ~Series();
  Series(const Series &) = delete;
  Series &operator=(const Series &) = delete;

  const QString &Title() const { return title_; }
  void SetTitle(const QString &title);
  QColor Color() const { return color_; }
  void SetColor(const QColor &color);
  int Width() const { return width_; }
  // The width is pulled into 1..the maximum width given at construction.
  void SetWidth(int width);
  bool IsShown() const { return shown_; }
  void SetShown(bool shown);

  // The pen the series is drawn with.
  virtual QPen Pen() const = 0;
  virtual bool IsListedInLegend() const = 0;

 protected:
  explicit Series(int maximumWidth);
  void Notify(Change change);

 private:
  friend class Chart;

  std::function<void(Series &, Change)> listener_;
  QString title_;
  QColor color_ = Qt::black;
  int width_ = 1;
  int maximumWidth_;
  bool shown_ = true;
};
