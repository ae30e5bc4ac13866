#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "application.h"
#include "batch.h"
#include "errorbox.h"
#include "mainform.h"
#include "projectio.h"
#include "startup.h"
#include "titleform.h"

namespace {

// Outside a desktop session (batch output, a virtual screen) there is no
// XDG_RUNTIME_DIR, and Qt then warns on every start before it falls back to a
// folder of its own. This is that same folder, made ready beforehand.
void EnsureRuntimeFolder() {
  if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return;
  const passwd *user = getpwuid(geteuid());
  if (user == nullptr) return;
  const QString folder = QDir::tempPath() + QStringLiteral("/runtime-") + QString::fromLocal8Bit(user->pw_name);
  if (!QDir().mkpath(folder)) return;
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
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

int RunBatchCommandLine(int &argc, char *argv[]) {
  QString error;
  const auto request = ParseBatchArguments(std::vector<std::string>(argv, argv + argc), error);
  if (!request) {
    std::fprintf(stderr, "lumoplot: %s\n%s", qPrintable(error), qPrintable(BatchUsage()));
    return EXIT_FAILURE;
  }
  if (request->help) {
    std::fputs(qPrintable(BatchUsage()), stdout);
    return EXIT_SUCCESS;
  }
  return RunBatch(*request, argc, argv);
}

// A project named on the command line opens as the open command would open
// it, by the very bytes of its name; its errors show in the general error box.
void OpenProjectFromCommandLine(const char *name) {
  if (name == nullptr) return;
  try {
    OpenProject(name);
  } catch (const std::exception &error) {
    ShowErrorBox(QString::fromUtf8(error.what()));
  }
}

}  // namespace

int main(int argc, char *argv[]) {
  EnsureRuntimeFolder();
  if (IsBatchCommandLine(argc, argv)) return RunBatchCommandLine(argc, argv);
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
  OpenProjectFromCommandLine(argc > 1 ? argv[1] : nullptr);
  const int exitCode = application.exec();
  DestroyWindows();
  return exitCode;
}
