#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "application.h"
#include "mainform.h"
#include "startup.h"
#include "titleform.h"

namespace {

bool DisplayAvailable() {
  return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
         std::getenv("QT_QPA_PLATFORM") != nullptr;
}

void ShowTitleForm() {
  TitleForm = new TTitleForm;
  TitleForm->ShowAtOnce();
}

void DestroyTitleForm() {
  TitleForm->hide();
  delete TitleForm;
  TitleForm = nullptr;
}

}  // namespace

// The program takes no arguments of its own; QApplication still reads Qt's
// (-style, -platform, ...).
int main(int argc, char *argv[]) {
  if (!DisplayAvailable()) {
    std::fputs(
        "lumoplot: no display to open windows on (DISPLAY and WAYLAND_DISPLAY are not set).\n"
        "Start it from a desktop session, under xvfb-run, or with QT_QPA_PLATFORM set.\n",
        stderr);
    return EXIT_FAILURE;
  }
  TApplication application(argc, argv);
  ShowTitleForm();
  QThread::msleep(1500);
  SetTitleAndHelpFile();
  CreateWindows();
  ShowWindows();
  DestroyTitleForm();
  MainForm->ShowMaximised();
  const int exitCode = application.exec();
  DestroyWindows();
  return exitCode;
}
