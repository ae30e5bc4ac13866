#include "dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

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

// The window frame's widths: the dialog's own once it has been on screen,
// until then those of the window it belongs to.
QMargins FrameMargins(const QWidget &dialog, const QWidget &owner) {
  for (const QWidget *window : {&dialog, &owner})
    if (window->windowHandle() != nullptr && !window->windowHandle()->frameMargins().isNull())
      return window->windowHandle()->frameMargins();
  return {};
}

// Our dialogs stand in the middle of the desktop, frame and all, not over the
// frame window.
void CentreOnDesktop(QWidget &dialog) {
  const QWidget &owner = dialog.parentWidget() != nullptr ? *dialog.parentWidget()->window() : dialog;
  QRect frame(QPoint(), dialog.size().grownBy(FrameMargins(dialog, owner)));
  frame.moveCenter(owner.screen()->availableGeometry().center());
  dialog.move(frame.topLeft());
}

// Modal to the program's own windows only: a help window, which has no owner,
// stays usable beside the box that opened it.
void BlockOwnerOnly(QWidget &dialog) {
  if (dialog.parentWidget() != nullptr) dialog.setWindowModality(Qt::WindowModal);
}

std::unique_ptr<TDialogs> &Current() {
  static std::unique_ptr<TDialogs> dialogs = std::make_unique<TDialogs>();
  return dialogs;
}

}  // namespace

int TDialogs::Exec(QDialog &dialog) {
  CentreOnDesktop(dialog);
  BlockOwnerOnly(dialog);
  return dialog.exec();
}

QMessageBox::StandardButton TDialogs::Message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                              const QString &text, QMessageBox::StandardButtons buttons,
                                              int helpContext) {
  TMessageBox box(icon, caption, text, buttons, parent, helpContext);
  BlockOwnerOnly(box);
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
