#include "titleform.h"

#include <QLabel>
#include <QScreen>
#include <QWindow>

#include "picturelabel.h"
#include "windowexposure.h"

TTitleForm *TitleForm = nullptr;

// No frame and no caption; the window is as large as its picture.
TTitleForm::TTitleForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Image1(new QLabel(this)) {
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(0, 0);
  ShowPicture(Image1, QStringLiteral(":/pictures/splash.jpg"), QSize(400, 300));
  setFixedSize(Image1->size());
}

void TTitleForm::ShowAtOnce() {
  move(screen()->availableGeometry().center() - rect().center());
  show();
  WaitUntilExposed(windowHandle());
  repaint();
}
