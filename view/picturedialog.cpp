#include "picturedialog.h"

#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace {

const QSize kPreviewSize(160, 120);

}  // namespace

TPictureDialog::TPictureDialog(QWidget *parent, const QString &title, const QString &filter)
    : QFileDialog(parent, title, QString(), filter), Preview(new QLabel(this)) {
  setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  setFileMode(QFileDialog::AnyFile);
  setAcceptMode(QFileDialog::AcceptSave);
  Preview->setObjectName(QStringLiteral("Preview"));
  Preview->setFixedSize(kPreviewSize);
  Preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  Preview->setAlignment(Qt::AlignCenter);
  // The non-native dialog lays its parts out in a grid; the files sit in its
  // second row, and the pane goes to their right.
  if (auto *grid = qobject_cast<QGridLayout *>(layout()))
    grid->addWidget(Preview, 1, grid->columnCount(), Qt::AlignTop);
  // Wider by the pane, so that the files keep their room.
  resize(width() + kPreviewSize.width(), height());
  connect(this, &QFileDialog::currentChanged, this, &TPictureDialog::ShowPreview);
}

void TPictureDialog::ShowPreview(const QString &file) {
  QImageReader reader(file);
  reader.setAutoTransform(true);
  const QImage picture = reader.read();
  if (picture.isNull()) {
    Preview->clear();
    return;
  }
  Preview->setPixmap(QPixmap::fromImage(
      picture.scaled(Preview->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
