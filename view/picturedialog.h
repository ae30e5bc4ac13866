#pragma once

#include <QFileDialog>

class QLabel;

// The save-picture dialog: Qt's own file dialog with a preview pane beside
// the files that shows the picture under the cursor.
class TPictureDialog : public QFileDialog {
  Q_OBJECT

 public:
  TPictureDialog(QWidget *parent, const QString &title, const QString &filter);

  QLabel *Preview;

 private:
  void ShowPreview(const QString &file);
};
