#include "labelticker.h"

#include <QFontMetricsF>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr double kLabelRoom = 1.25;         // a label plus 25 % of its size kept free
constexpr double kLargestFixed = 1e18;      // beyond this a double's digits run out
constexpr double kWidestFixedShare = 0.25;  // of the chart's width
constexpr int kMinorTicksBetweenLabels = 3;
constexpr int kLabelDecimals = 3;

// The smallest step of the form 1, 2 or 5 times a power of ten that is not below step.
double RoundStepUp(double step) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(step)));
  for (double mantissa : {1.0, 2.0, 5.0, 10.0})
    if (mantissa * magnitude >= step * (1 - 1e-9)) return mantissa * magnitude;
  return 10 * magnitude;
}

double NextStep(double step) { return RoundStepUp(step * 1.01); }

}  // namespace

LabelTicker::LabelTicker(const QCPAxis &axis) : axis_(axis) {}

QString LabelTicker::Format(double value) {
  // Values that round to zero are written without a sign.
  if (std::abs(value) < 0.5 * std::pow(10.0, -kLabelDecimals)) value = 0;
  const QLocale locale;
  QString text = locale.toString(value, 'f', kLabelDecimals);
  const QString point = locale.decimalPoint();
  const qsizetype at = text.lastIndexOf(point);
  if (at < 0) return text;
  qsizetype end = text.size();
  while (end > at + point.size() && text[end - 1] == locale.zeroDigit()[0]) --end;
  if (end == at + point.size()) end = at;
  return text.left(end);
}

QString LabelTicker::ScientificFormat(double value) {
  char digits[32];
  const char *end =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, kLabelDecimals).ptr;
  const std::string text(static_cast<const char *>(digits), end);
  const std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  mantissa.erase(mantissa.find_last_not_of('0') + 1);
  if (mantissa.back() == '.') mantissa.pop_back();
  if (mantissa == "0" || mantissa == "-0") return QStringLiteral("0");
  const int exponent = std::stoi(text.substr(e + 1));
  return QString::fromStdString(mantissa).replace(QLatin1Char('.'), QLocale().decimalPoint()) + QLatin1Char('E') +
         QString::number(exponent);
}

QString LabelTicker::Label(double value) const { return scientific_ ? ScientificFormat(value) : Format(value); }

QString LabelTicker::LabelInCurrentForm(double value) const {
  return FixedFits(axis_.range()) ? Format(value) : ScientificFormat(value);
}

bool LabelTicker::FixedFits(const QCPRange &range) const {
  if (std::max(std::abs(range.lower), std::abs(range.upper)) >= kLargestFixed) return false;
  const QFontMetricsF metrics(axis_.tickLabelFont());
  const double widest =
      std::max(metrics.horizontalAdvance(Format(range.lower)), metrics.horizontalAdvance(Format(range.upper)));
  return widest <= axis_.parentPlot()->width() * kWidestFixedShare;
}

double LabelTicker::getTickStep(const QCPRange &range) {
  scientific_ = !FixedFits(range);
  const double length = AxisLength();
  if (length <= 0 || range.size() <= 0) return QCPAxisTicker::getTickStep(range);
  const double pixelsPerUnit = length / range.size();
  const double widest = std::max(LabelSpace(range.lower), LabelSpace(range.upper));
  double step = RoundStepUp(widest / pixelsPerUnit);
  while (step < range.size() && !LabelsFit(step, range, pixelsPerUnit)) step = NextStep(step);
  return step;
}

int LabelTicker::getSubTickCount(double) { return kMinorTicksBetweenLabels; }

QString LabelTicker::getTickLabel(double tick, const QLocale &, QChar, int) { return Label(tick); }

double LabelTicker::AxisLength() const {
  const QCPAxisRect *rect = axis_.axisRect();
  return axis_.orientation() == Qt::Horizontal ? rect->width() : rect->height();
}

double LabelTicker::LabelSpace(double value) const {
  const QFontMetricsF metrics(axis_.tickLabelFont());
  const double size =
      axis_.orientation() == Qt::Horizontal ? metrics.horizontalAdvance(Label(value)) : metrics.height();
  return size * kLabelRoom;
}

bool LabelTicker::LabelsFit(double step, const QCPRange &range, double pixelsPerUnit) const {
  const double room = step * pixelsPerUnit;
  const double last = std::floor(range.upper / step);
  for (double k = std::ceil(range.lower / step); k <= last; ++k)
    if (LabelSpace(k * step) > room) return false;
  return true;
}
