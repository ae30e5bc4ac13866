#include "titleform.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "windowexposure.h"

TTitleForm *TitleForm = nullptr;

namespace {

const QSize PictureSize(400, 300);

void PaintBackground(QPainter &painter, const QRect &area) {
  QLinearGradient gradient(area.topLeft(), area.bottomLeft());
  gradient.setColorAt(0, QColor(0x1f, 0x3a, 0x68));
  gradient.setColorAt(1, QColor(0xe8, 0xee, 0xf6));
  painter.fillRect(area, gradient);
}

void PaintCurve(QPainter &painter, const QRect &area) {
  QPainterPath curve;
  for (int x = area.left(); x <= area.right(); ++x) {
    const double y = area.center().y() + 60 * std::sin((x - area.left()) / 40.0);
    if (x == area.left()) curve.moveTo(x, y);
    else curve.lineTo(x, y);
  }
  painter.setPen(QPen(QColor(0xd0, 0x20, 0x20), 3));
  painter.drawPath(curve);
}

void PaintTitle(QPainter &painter, const QRect &area) {
  QFont font = painter.font();
  font.setPixelSize(40);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(area.adjusted(0, 24, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Lumoplot 2003"));
}

}  // namespace

TTitleForm::TTitleForm(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setFixedSize(PictureSize);
}

void TTitleForm::ShowAtOnce() {
  move(screen()->availableGeometry().center() - rect().center());
  show();
  WaitUntilExposed(windowHandle());
  repaint();
}

// A stand-in picture of the program's kind: a curve under its name.
void TTitleForm::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintBackground(painter, rect());
  PaintCurve(painter, rect().adjusted(0, 60, 0, 0));
  PaintTitle(painter, rect());
}
