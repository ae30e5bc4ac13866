#include "strokeraster.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>

// A segment ready for scanning: t runs along it from a (0) to b (length), s across it. Its band
// may reach a little beyond either end (see addPolyline).
struct StrokeRaster::Segment {
  Segment(QPointF from, QPointF to, double beforeStart, double beyondEnd) : a(from), b(to) {
    const QPointF d = b - a;
    length = std::sqrt(d.x() * d.x() + d.y() * d.y());
    u = length > 0 ? d / length : QPointF(1, 0);
    inverseUx = u.x() != 0 ? 1 / u.x() : 0;
    inverseUy = u.y() != 0 ? 1 / u.y() : 0;
    start = -beforeStart;
    end = length + beyondEnd;
  }

  QPointF a, b, u;
  double inverseUx, inverseUy;  // 1 / u, taken once per segment rather than per column
  double length, start, end;
};

namespace {

constexpr int kNoRow = std::numeric_limits<int>::max();
constexpr std::pair<int, int> noRows(0, -1);
// At joins flatter than this (about 20 degrees), lengthening both bands closes the join; the
// corner that sticks out beyond the round join is less than 1/40 of a pixel.
constexpr double kGentleJoinCosine = 0.94;

// Coverage of a pixel whose centre lies at a distance from the pen's centre line: full inside,
// falling linearly to nothing over the pixel that the pen's edge crosses.
inline uint8_t coverageAt(double reach, double distance) {
  const double c = std::clamp(reach - distance, 0.0, 1.0);
  return static_cast<uint8_t>(c * 255 + 0.5);
}

// Pixel rows or columns whose centres lie strictly between two coordinates.
inline std::pair<int, int> pixelsBetween(double low, double high) {
  return {static_cast<int>(std::floor(low + 0.5)), static_cast<int>(std::ceil(high - 0.5)) - 1};
}

// Narrows (low, high) to the y where from <= offset + slope * y <= to, inverse being 1 / slope;
// false when nothing is left.
inline bool Narrow(double offset, double slope, double inverse, double from, double to, double &low, double &high) {
  if (slope == 0) return offset >= from && offset <= to;
  const double y0 = (from - offset) * inverse;
  const double y1 = (to - offset) * inverse;
  low = std::max(low, std::min(y0, y1));
  high = std::min(high, std::max(y0, y1));
  return low < high;
}

// Coverage of rows where the distance to the centre line runs linearly from |s| on. These runs
// are long beside steep segments, so the loop works in 16.16 fixed point, which the compiler
// vectorises; the distance stays below reach there, so nothing overflows.
void CoverLinearRun(uint8_t *run, int count, double s, double slope, double reach) {
  constexpr double one = 65536;
  const int start = static_cast<int>(s * one);
  const int step = static_cast<int>(slope * one);
  const int edge = static_cast<int>(reach * one);
  for (int k = 0; k < count; ++k) {
    int distance = start + k * step;
    distance = distance < 0 ? -distance : distance;
    int coverage = ((edge - distance) * 255 + 32768) >> 16;
    coverage = coverage < 0 ? 0 : coverage;
    coverage = coverage > 255 ? 255 : coverage;
    const int old = run[k];
    run[k] = static_cast<uint8_t>(old > coverage ? old : coverage);
  }
}

// How far the bands on both sides of join i must reach past it to close the wedge between them;
// a negative value for a sharp join, which takes a round piece instead.
double JoinOverlap(const QPolygonF &line, qsizetype i, double reach) {
  const QPointF before = line[i] - line[i - 1];
  const QPointF after = line[i + 1] - line[i];
  const double lengths = std::sqrt(QPointF::dotProduct(before, before) * QPointF::dotProduct(after, after));
  const double cosine = QPointF::dotProduct(before, after);
  if (!(cosine > kGentleJoinCosine * lengths)) return -1;
  // tan(angle / 2) = sin / (1 + cos)
  const double sine = std::abs(before.x() * after.y() - before.y() * after.x());
  return reach * sine / (lengths + cosine);
}

}  // namespace

void StrokeRaster::Begin(const QRect &area, double penWidth) {
  reach_ = penWidth / 2 + 0.5;
  tileRows_.clear();
  if (area != area_ || masks_[Other].empty()) {
    area_ = area;
    const int width = std::max(area.width(), 0);
    for (std::vector<uint8_t> &mask : masks_) mask.assign(size_t(width) * std::max(area.height(), 0), 0);
    firstRow_.assign(width, kNoRow);
    lastRow_.assign(width, -1);
    wholeRows_.assign(width, noRows);
  }
  firstColumn_ = area_.right() + 1;
  lastColumn_ = area_.left() - 1;
}

// A polyline with round caps and joins is the union of its segments' bands and of discs at its
// ends and at its joins. Where it turns only a little, lengthened bands stand in for the disc.
void StrokeRaster::AddPolyline(const QPolygonF &line) {
  const qsizetype last = line.size() - 1;
  std::vector<double> overlaps(line.size(), -1);
  for (qsizetype i = 1; i < last; ++i) overlaps[i] = JoinOverlap(line, i, reach_);
  for (qsizetype i = 0; i < last; ++i)
    CoverBand(Segment(line[i], line[i + 1], std::max(overlaps[i], 0.0), std::max(overlaps[i + 1], 0.0)));
  for (qsizetype i = 0; i <= last; ++i)
    if (overlaps[i] < 0) CoverDisc(line[i]);
}

void StrokeRaster::CoverBand(const Segment &segment) {
  const double reach = reach_ + std::max(-segment.start, segment.end - segment.length);
  const auto [first, last] =
      pixelsBetween(std::min(segment.a.x(), segment.b.x()) - reach, std::max(segment.a.x(), segment.b.x()) + reach);
  // The rows the band can reach in any column: where the column already has them all wholly
  // covered, it need not be looked at.
  auto [top, bottom] =
      pixelsBetween(std::min(segment.a.y(), segment.b.y()) - reach, std::max(segment.a.y(), segment.b.y()) + reach);
  top = std::max(top, area_.top());
  bottom = std::min(bottom, area_.bottom());
  for (int x = std::max(first, area_.left()); x <= std::min(last, area_.right()); ++x)
    if (!IsWhollyCovered(x, top, bottom)) CoverBandColumn(x, segment);
}

// Within the band the distance to the segment is the distance across it, s, which changes
// linearly down a column: no square roots, and a plain fill where the pen covers wholly.
void StrokeRaster::CoverBandColumn(int x, const Segment &seg) {
  const double dx = x + 0.5 - seg.a.x();
  const QPointF u = seg.u;
  // With y measured from a: t(y) = dx * u.x + y * u.y in [start, end],
  // s(y) = y * u.x - dx * u.y in (-reach, reach).
  double low = -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();
  if (!Narrow(dx * u.x(), u.y(), seg.inverseUy, seg.start, seg.end, low, high) ||
      !Narrow(-dx * u.y(), u.x(), seg.inverseUx, -reach_, reach_, low, high))
    return;
  auto [first, last] = pixelsBetween(low + seg.a.y(), high + seg.a.y());
  first = std::max(first, area_.top());
  last = std::min(last, area_.bottom());
  if (first > last || IsWhollyCovered(x, first, last)) return;
  const auto across = [&](double y) { return (y + 0.5 - seg.a.y()) * u.x() - dx * u.y(); };
  double wholeLow = first - 0.5;
  double wholeHigh = last + 0.5;
  const bool whole =
      reach_ >= 1 && Narrow(across(0), u.x(), seg.inverseUx, 1 - reach_, reach_ - 1, wholeLow, wholeHigh);
  const int wholeFirst = whole ? int(std::ceil(wholeLow)) : last + 1;
  const int wholeLast = whole ? int(std::floor(wholeHigh)) : last;
  const int edgeEnd = std::min(last, wholeFirst - 1);
  CoverEdgeRows(x, first, edgeEnd, across(first), seg);
  if (wholeFirst <= wholeLast) CoverWholeRun(x, wholeFirst, wholeLast);
  const int edgeStart = std::max(first, std::max(wholeLast, edgeEnd) + 1);
  CoverEdgeRows(x, edgeStart, last, across(edgeStart), seg);
  NoteRows(x, first, last);
}

// Partly covered rows from..to, s being the signed distance across the segment at row from. A
// steep segment's edge faces left or right, so its coverage goes to the mask of the side the
// segment lies on; where s changes sign (thin pens), the run is split there.
void StrokeRaster::CoverEdgeRows(int x, int from, int to, double s, const Segment &seg) {
  if (from > to) return;
  const double slope = seg.u.x();
  const double end = s + (to - from) * slope;
  if ((s < 0) != (end < 0)) {
    const int split = from + std::clamp(int(std::floor(-s / slope)) + 1, 1, to - from);
    CoverEdgeRows(x, from, split - 1, s, seg);
    CoverEdgeRows(x, split, to, s + (split - from) * slope, seg);
    return;
  }
  // The pixel lies at s * n from the centre line, n = (-u.y, u.x).
  const bool steep = std::abs(seg.u.y()) > std::abs(seg.u.x());
  const bool rightOfLine = s * -seg.u.y() > 0;
  const Side side = !steep ? Other : rightOfLine ? FromLeft : FromRight;
  CoverPartialRun(side, x, from, to, s, slope);
}

// Rows already wholly covered stay as they are, whatever else covers them.
void StrokeRaster::CoverPartialRun(Side side, int x, int from, int to, double s, double slope) {
  const auto [fullFirst, fullLast] = wholeRows_[x - area_.left()];
  uint8_t *cells = Column(side, x);
  if (fullFirst > fullLast || to < fullFirst || from > fullLast) {
    CoverLinearRun(cells + from, to - from + 1, s, slope, reach_);
    return;
  }
  if (from < fullFirst) CoverLinearRun(cells + from, fullFirst - from, s, slope, reach_);
  if (to > fullLast)
    CoverLinearRun(cells + fullLast + 1, to - fullLast, s + (fullLast + 1 - from) * slope, slope, reach_);
}

// Fills rows from..to and widens the column's wholly covered rows by them where they meet; a
// longer run elsewhere takes their place.
void StrokeRaster::CoverWholeRun(int x, int from, int to) {
  auto &[fullFirst, fullLast] = wholeRows_[x - area_.left()];
  uint8_t *cells = Column(Other, x);
  const bool meets = fullFirst <= fullLast && from <= fullLast + 1 && to >= fullFirst - 1;
  if (!meets) {
    std::memset(cells + from, 255, to - from + 1);
    if (fullFirst > fullLast || to - from > fullLast - fullFirst) std::tie(fullFirst, fullLast) = std::pair(from, to);
    return;
  }
  if (from < fullFirst) std::memset(cells + from, 255, fullFirst - from);
  if (to > fullLast) std::memset(cells + fullLast + 1, 255, to - fullLast);
  fullFirst = std::min(fullFirst, from);
  fullLast = std::max(fullLast, to);
}

void StrokeRaster::CoverDisc(QPointF centre) {
  const auto [firstColumn, lastColumn] = pixelsBetween(centre.x() - reach_, centre.x() + reach_);
  for (int x = std::max(firstColumn, area_.left()); x <= std::min(lastColumn, area_.right()); ++x) {
    const double dx = x + 0.5 - centre.x();
    const double h = std::sqrt(std::max(reach_ * reach_ - dx * dx, 0.0));
    auto [first, last] = pixelsBetween(centre.y() - h, centre.y() + h);
    first = std::max(first, area_.top());
    last = std::min(last, area_.bottom());
    if (first > last || IsWhollyCovered(x, first, last)) continue;
    const uint8_t *whole = Column(Other, x);
    for (int y = first; y <= last; ++y) {
      if (whole[y] == 255) continue;
      const double dy = y + 0.5 - centre.y();
      const Side side = std::abs(dx) <= std::abs(dy) ? Other : dx > 0 ? FromLeft : FromRight;
      uint8_t &cell = Column(side, x)[y];
      cell = std::max(cell, coverageAt(reach_, std::sqrt(dx * dx + dy * dy)));
    }
    NoteRows(x, first, last);
  }
}

void StrokeRaster::NoteRows(int x, int first, int last) {
  const int i = x - area_.left();
  firstRow_[i] = std::min(firstRow_[i], first);
  lastRow_[i] = std::max(lastRow_[i], last);
  firstColumn_ = std::min(firstColumn_, x);
  lastColumn_ = std::max(lastColumn_, x);
}

void StrokeRaster::Finish(const QColor &color) {
  if (firstColumn_ > lastColumn_) return;
  if (image_.size() != area_.size()) image_ = QImage(area_.size(), QImage::Format_ARGB32_Premultiplied);
  QRgb shades[256];
  for (int c = 0; c < 256; ++c)
    shades[c] = qPremultiply(qRgba(color.red(), color.green(), color.blue(), color.alpha() * c / 255));
  TransferToImage(shades);
}

// Tile by tile, so that only the rows each tile touched are blended.
// Neighbouring tiles that painted the same rows go in one drawImage: each call costs far more
// than the pixels of a tile. Rows outside a tile's own are stale, so only equal rows join.
void StrokeRaster::Paint(QPainter &painter) const {
  int x = firstColumn_;
  for (std::size_t i = 0; i < tileRows_.size();) {
    const auto [first, last] = tileRows_[i];
    std::size_t end = i + 1;
    while (end < tileRows_.size() && tileRows_[end] == tileRows_[i]) ++end;
    const int right = std::min(x + static_cast<int>(end - i) * kTileWidth - 1, lastColumn_);
    const QRect tiles(QPoint(x, first), QPoint(right, last));
    if (first <= last) painter.drawImage(tiles.topLeft(), image_, tiles.translated(-area_.topLeft()));
    x += static_cast<int>(end - i) * kTileWidth;
    i = end;
  }
}

constexpr int kRowAlignment = 8;

// Moves the coverage into the image, in colour, and empties the masks. Untouched pixels of the
// masks are empty, so whole tiles are copied without looking at which rows each column touched.
void StrokeRaster::TransferToImage(const QRgb *shades) {
  for (int x = firstColumn_; x <= lastColumn_; x += kTileWidth) {
    const int width = std::min(kTileWidth, lastColumn_ + 1 - x);
    auto [first, last] = TakeTileRows(x, width);
    if (first <= last) {
      // Rows rounded out to a multiple of kRowAlignment: a few more transparent pixels, but
      // far more neighbouring tiles with equal rows, which Paint blends in one call.
      first = area_.top() + (first - area_.top()) / kRowAlignment * kRowAlignment;
      last = std::min(area_.bottom(), area_.top() + ((last - area_.top()) / kRowAlignment + 1) * kRowAlignment - 1);
    }
    tileRows_.emplace_back(first, last);
    if (first <= last) WriteTile(x, width, first, last, shades);
  }
}

// The rows that the columns x..x + width - 1 touched, forgetting them.
std::pair<int, int> StrokeRaster::TakeTileRows(int x, int width) {
  int first = kNoRow;
  int last = -1;
  for (int i = x - area_.left(); i < x - area_.left() + width; ++i) {
    first = std::min(first, firstRow_[i]);
    last = std::max(last, lastRow_[i]);
    firstRow_[i] = kNoRow;
    lastRow_[i] = -1;
    wholeRows_[i] = noRows;
  }
  return {first, last};
}

// Writes rows first..last of the tile's columns into the image, every pixel, so that nothing
// outside the rows the picture paints needs clearing; empties the masks on the way. Eight rows
// at a time: a column's eight coverage bytes are read at once and written row by row.
void StrokeRaster::WriteTile(int x, int width, int first, int last, const QRgb *shades) {
  constexpr int rows = 8;
  static_assert(std::endian::native == std::endian::little, "the lowest byte is the first row");
  uint8_t *coverage[kTileWidth];
  for (int c = 0; c < width; ++c) {
    MergeSides(x + c, first, last);
    coverage[c] = Column(Other, x + c);
  }
  const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
  QRgb *row = reinterpret_cast<QRgb *>(image_.bits()) + (first - area_.top()) * stride + (x - area_.left());
  int y = first;
  for (; y + rows - 1 <= last; y += rows) {
    uint64_t eight[kTileWidth];
    for (int c = 0; c < width; ++c) {
      std::memcpy(&eight[c], coverage[c] + y, rows);
      std::memset(coverage[c] + y, 0, rows);
    }
    for (int k = 0; k < rows; ++k, row += stride)
      for (int c = 0; c < width; ++c) row[c] = shades[(eight[c] >> (8 * k)) & 255];
  }
  for (; y <= last; ++y, row += stride) {
    for (int c = 0; c < width; ++c) {
      row[c] = shades[coverage[c][y]];
      coverage[c][y] = 0;
    }
  }
}

// Leaves the coverage of rows first..last of column x in its Other mask and empties the others.
void StrokeRaster::MergeSides(int x, int first, int last) {
  uint8_t *left = Column(FromLeft, x);
  uint8_t *right = Column(FromRight, x);
  uint8_t *other = Column(Other, x);
  for (int y = first; y <= last; ++y) {
    const int sides = std::min(left[y] + right[y], 255);
    other[y] = static_cast<uint8_t>(std::max<int>(sides, other[y]));
    left[y] = right[y] = 0;
  }
}
