#pragma once

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRgb>

#include <cstdint>
#include <vector>

class QColor;
class QPainter;

// Rasterises wide polylines with round caps and joins into antialiased coverage that is the
// union of their segments: where strokes overlap, coverage does not add up as it does when
// antialiased segments are painted one over another, so a curve drawn from a few thousand
// segments looks like one drawn from 100000.
//
// Coverage is kept in three masks, column by column (the tall vertical spans of dense curves
// are then filled in one go): what strokes lying left of a pixel cover of it, what strokes lying
// right of it cover, and everything else (wholly covered pixels, edges facing up or down). Two
// strokes that reach into a pixel from both sides cover the sum of what they cover, any others
// the most that one of them covers.
class StrokeRaster {
 public:
  // Starts a new picture over the device pixels of area, for a pen of the given width.
  void Begin(const QRect &area, double penWidth);
  // Points in device pixels.
  void AddPolyline(const QPolygonF &line);
  // Turns the coverage into the picture, in one colour.
  void Finish(const QColor &color);
  // Paints the finished picture.
  void Paint(QPainter &painter) const;

 private:
  enum Side { FromLeft, FromRight, Other, sideCount };
  // The image is written in tiles this many columns wide, so that its rows are written in
  // pieces of a cache line rather than pixel by pixel.
  static constexpr int kTileWidth = 16;
  struct Segment;

  void CoverBand(const Segment &segment);
  void CoverBandColumn(int x, const Segment &segment);
  void CoverEdgeRows(int x, int from, int to, double s, const Segment &segment);
  void CoverDisc(QPointF centre);
  uint8_t *Column(Side side, int x) {
    return masks_[side].data() + size_t(x - area_.left()) * area_.height() - area_.top();
  }
  void CoverPartialRun(Side side, int x, int from, int to, double s, double slope);
  void CoverWholeRun(int x, int from, int to);
  bool IsWhollyCovered(int x, int first, int last) const {
    const auto [fullFirst, fullLast] = wholeRows_[x - area_.left()];
    return first >= fullFirst && last <= fullLast;
  }
  void NoteRows(int x, int first, int last);
  void TransferToImage(const QRgb *shades);
  std::pair<int, int> TakeTileRows(int x, int width);
  void MergeSides(int x, int first, int last);
  void WriteTile(int x, int width, int first, int last, const QRgb *shades);

  QRect area_;
  double reach_ = 1;  // distance from the centre line at which coverage ends
  std::vector<uint8_t> masks_[sideCount];
  std::vector<int> firstRow_;  // per column, the rows touched
  std::vector<int> lastRow_;
  // Per column, rows known to be wholly covered, where nothing more need be drawn; empty when
  // first > last.
  std::vector<std::pair<int, int>> wholeRows_;
  int firstColumn_ = 0;
  int lastColumn_ = -1;
  // The rows written into the image per tile of tileWidth columns, from firstColumn_ on; the
  // image's other pixels are left over from earlier pictures.
  std::vector<std::pair<int, int>> tileRows_;
  QImage image_;
};
