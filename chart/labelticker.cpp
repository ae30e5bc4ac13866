#include "labelticker.h"

#include <QFontMetricsF>
#include <QLocale>

#include <cmath>

namespace {

constexpr double labelRoom = 1.25;  // a label plus 25 % of its size kept free
constexpr int minorTicksBetweenLabels = 3;
constexpr int labelDecimals = 3;

// The smallest step of the form 1, 2 or 5 times a power of ten that is not below step.
double roundStepUp(double step)
{
  const double magnitude = std::pow(10.0, std::floor(std::log10(step)));
  for (double mantissa : {1.0, 2.0, 5.0, 10.0})
    if (mantissa * magnitude >= step * (1 - 1e-9))
      return mantissa * magnitude;
  return 10 * magnitude;
}

double nextStep(double step)
{
  return roundStepUp(step * 1.01);
}

}  // namespace

LabelTicker::LabelTicker(const QCPAxis &axis) : mAxis(axis) {}

QString LabelTicker::format(double value)
{
  // Values that round to zero are written without a sign.
  if (std::abs(value) < 0.5 * std::pow(10.0, -labelDecimals))
    value = 0;
  const QLocale locale;
  QString text = locale.toString(value, 'f', labelDecimals);
  const QString point = locale.decimalPoint();
  const qsizetype at = text.lastIndexOf(point);
  if (at < 0)
    return text;
  qsizetype end = text.size();
  while (end > at + point.size() && text[end - 1] == locale.zeroDigit()[0])
    --end;
  if (end == at + point.size())
    end = at;
  return text.left(end);
}

double LabelTicker::getTickStep(const QCPRange &range)
{
  const double length = axisLength();
  if (length <= 0 || range.size() <= 0)
    return QCPAxisTicker::getTickStep(range);
  const double pixelsPerUnit = length / range.size();
  const double widest = std::max(labelSpace(range.lower), labelSpace(range.upper));
  double step = roundStepUp(widest / pixelsPerUnit);
  while (step < range.size() && !labelsFit(step, range, pixelsPerUnit))
    step = nextStep(step);
  return step;
}

int LabelTicker::getSubTickCount(double)
{
  return minorTicksBetweenLabels;
}

QString LabelTicker::getTickLabel(double tick, const QLocale &, QChar, int)
{
  return format(tick);
}

double LabelTicker::axisLength() const
{
  const QCPAxisRect *rect = mAxis.axisRect();
  return mAxis.orientation() == Qt::Horizontal ? rect->width() : rect->height();
}

double LabelTicker::labelSpace(double value) const
{
  const QFontMetricsF metrics(mAxis.tickLabelFont());
  const double size = mAxis.orientation() == Qt::Horizontal
      ? metrics.horizontalAdvance(format(value))
      : metrics.height();
  return size * labelRoom;
}

bool LabelTicker::labelsFit(double step, const QCPRange &range, double pixelsPerUnit) const
{
  const double room = step * pixelsPerUnit;
  const double last = std::floor(range.upper / step);
  for (double k = std::ceil(range.lower / step); k <= last; ++k)
    if (labelSpace(k * step) > room)
      return false;
  return true;
}
