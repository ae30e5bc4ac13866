#pragma once

#include <QMessageBox>
#include <memory>

class QColorDialog;
class QDialog;
class QWidget;

// Every modal dialog and message box of the program is shown through this one
// seam, so that tests can answer them instead of a user.
class TDialogs {
 public:
  virtual ~TDialogs() = default;

  // Shows a modal dialog (including file and colour dialogs); QDialog::Accepted
  // or QDialog::Rejected.
  virtual int Exec(QDialog &dialog);

  // A message box with the given buttons; F1 in it opens helpContext when it
  // is not 0. Returns the button pressed.
  virtual QMessageBox::StandardButton Message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                              const QString &text, QMessageBox::StandardButtons buttons,
                                              int helpContext = 0);
};

TDialogs &Dialogs();
// Replaces the seam (tests); returns the previous one.
std::unique_ptr<TDialogs> SetDialogs(std::unique_ptr<TDialogs> dialogs);

// Runs a colour dialog that keeps its colour as the store of a setting: OK
// makes the chosen colour its current one, anything else keeps the old one.
bool ChooseColor(QColorDialog &dialog);
