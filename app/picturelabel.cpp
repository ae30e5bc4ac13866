#include "picturelabel.h"

#include <QLabel>
#include <QPixmap>
#include <stdexcept>

#include "jpegimage.h"

void ShowPicture(QLabel *label, const QString &fileName, QSize expectedSize) {
  try {
    const QPixmap picture = QPixmap::fromImage(TJpegImage::Read(fileName));
    label->setPixmap(picture);
    label->resize(picture.size());
  } catch (const std::runtime_error &error) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setText(QString::fromStdString(error.what()));
    label->resize(expectedSize);
  }
}
