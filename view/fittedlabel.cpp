#include "fittedlabel.h"

#include <QPainter>

namespace {

constexpr int kLeastPixelSize = 7;

QFont FontThatFits(QFont font, const QString &text, int width) {
  for (int size = QFontInfo(font).pixelSize(); size > kLeastPixelSize;) {
    if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
    font.setPixelSize(--size);
  }
  return font;
}

}  // namespace

TFittedLabel::TFittedLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void TFittedLabel::paintEvent(QPaintEvent *) {
  const QRect area = contentsRect();
  const QFont font = FontThatFits(this->font(), text(), area.width());
  QPainter painter(this);
  painter.setFont(font);
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(area, int(alignment()), QFontMetrics(font).elidedText(text(), Qt::ElideRight, area.width()));
}
