#pragma once

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "dialogs.h"
#include "qtprinting.h"

// Answers dialogs and message boxes for tests: each Exec runs the next scripted
// answer (which may fill in the dialog's controls), message boxes are recorded
// and answered with the next scripted button (OK by default).
class TScriptedDialogs : public TDialogs {
 public:
  struct Shown {
    QMessageBox::Icon icon;
    QString caption, text;
    int helpContext;
  };

  std::deque<std::function<int(QDialog &)>> answers;
  std::deque<QMessageBox::StandardButton> buttons;
  std::vector<QString> dialogsShown;
  std::vector<Shown> messages;

  int Exec(QDialog &dialog) override {
    dialogsShown.push_back(dialog.windowTitle());
    if (answers.empty()) return QDialog::Rejected;
    auto answer = std::move(answers.front());
    answers.pop_front();
    return answer(dialog);
  }

  QMessageBox::StandardButton Message(QWidget *, QMessageBox::Icon icon, const QString &caption, const QString &text,
                                      QMessageBox::StandardButtons, int helpContext) override {
    messages.push_back({icon, caption, text, helpContext});
    if (buttons.empty()) return QMessageBox::Ok;
    const auto button = buttons.front();
    buttons.pop_front();
    return button;
  }
};
