#include "dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QKeyEvent>

#include "helpviewer.h"

namespace {

// Opens a help topic on F1 while the box is up.
class TMessageBox : public QMessageBox {
 public:
  TMessageBox(Icon icon, const QString &caption, const QString &text, StandardButtons buttons, QWidget *parent,
              int helpContext)
      : QMessageBox(icon, caption, text, buttons, parent), helpContext_(helpContext) {}

 protected:
  void keyPressEvent(QKeyEvent *event) override {
    if (event->key() == Qt::Key_F1 && helpContext_ != 0) {
      ShowHelpContext(helpContext_);
      return;
    }
    QMessageBox::keyPressEvent(event);
  }

 private:
  int helpContext_;
};

std::unique_ptr<TDialogs> &Current() {
  static std::unique_ptr<TDialogs> dialogs = std::make_unique<TDialogs>();
  return dialogs;
}

}  // namespace

int TDialogs::Exec(QDialog &dialog) { return dialog.exec(); }

QMessageBox::StandardButton TDialogs::Message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                              const QString &text, QMessageBox::StandardButtons buttons,
                                              int helpContext) {
  TMessageBox box(icon, caption, text, buttons, parent, helpContext);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

TDialogs &Dialogs() { return *Current(); }

std::unique_ptr<TDialogs> SetDialogs(std::unique_ptr<TDialogs> dialogs) {
  Current().swap(dialogs);
  return dialogs;
}

bool ChooseColor(QColorDialog &dialog) {
  const QColor kept = dialog.currentColor();
  const bool chosen = Dialogs().Exec(dialog) == QDialog::Accepted;
  dialog.setCurrentColor(chosen ? dialog.selectedColor() : kept);
  return chosen;
}
