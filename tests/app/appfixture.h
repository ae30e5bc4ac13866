#pragma once

#include <QCoreApplication>
#include <QMenu>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "helpviewer.h"
#include "mainform.h"
#include "scripteddialogs.h"
#include "startup.h"

// Also keeps the buttons each message box offered.
class TRecordingDialogs : public TScriptedDialogs {
 public:
  std::vector<QMessageBox::StandardButtons> offered;

  QMessageBox::StandardButton Message(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                                      const QString &text, QMessageBox::StandardButtons buttons,
                                      int helpContext) override {
    offered.push_back(buttons);
    return TScriptedDialogs::Message(parent, icon, caption, text, buttons, helpContext);
  }
};

// The program run as a batch, the way a script would: its exit code and what it
// wrote. The wait only guards against a hang.
struct TBatchRun {
  int exitCode;
  QByteArray errors, output;
};

inline TBatchRun RunBatch(const QStringList &arguments,
                          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QCoreApplication::applicationDirPath() + "/lumoplot", arguments);
  EXPECT_TRUE(process.waitForFinished(120000));
  return {process.exitCode(), process.readAllStandardError(), process.readAllStandardOutput()};
}

// Opens the menu and clicks the item with the mouse.
inline void ChooseFromMenu(QMenu *menu, QAction *item) {
  menu->popup(MainForm->mapToGlobal(QPoint(0, 0)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// Every window built and shown the way start-up does it, fresh for each test,
// with the dialogs answered by a script.
class AppTest : public testing::Test {
 protected:
  void SetUp() override {
    auto recording = std::make_unique<TRecordingDialogs>();
    dialogs = recording.get();
    previous_ = SetDialogs(std::move(recording));
    CreateWindows();
    ShowWindows();
    MainForm->ShowMaximised();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
  }

  void TearDown() override {
    DestroyWindows();
    HelpViewer().hide();
    SetDialogs(std::move(previous_));
  }

  TRecordingDialogs *dialogs = nullptr;

 private:
  std::unique_ptr<TDialogs> previous_;
};
