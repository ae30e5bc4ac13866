#pragma once

// The CUPS PDF printer for tests that print through the printing service: the
// daemon started when it is not running, the printer added when it is missing,
// the jobs that arrive and the files that cups-pdf makes of them.

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>
#include <cups/cups.h>
#include <algorithm>
#include <pwd.h>
#include <string>
#include <vector>

class TPdfQueue {
 public:
  static constexpr const char *Name = "PDF";

  // Why printing through CUPS cannot be tried here, or nothing when it can.
  static QString Unavailable() {
    if (!Reachable() && Run(QStringLiteral("pgrep"), {"-x", "cupsd"}) != 0) StartDaemon();
    if (!Reachable())
      return QStringLiteral("cupsd cannot be started, or CUPS at %1 cannot be reached").arg(cupsServer());
    if (!IsPdfPrinter()) Add(Name);
    if (!IsPdfPrinter()) return QStringLiteral("the CUPS-PDF printer \"%1\" cannot be added").arg(Name);
    return {};
  }

  // Adds a CUPS-PDF printer of that name, or changes one to that, ready for jobs.
  static int Add(const QString &printer) {
    return Run(QStringLiteral("lpadmin"),
               {"-p", printer, "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-E"});
  }

  // The exit status of a command run with its output thrown away; CUPS keeps
  // its administration commands where a user's PATH may not look.
  static int Run(const QString &program, const QStringList &arguments) {
    QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty()) found = QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin"});
    if (found.isEmpty()) return -1;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(found, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  // The job numbers of the printer, in order.
  static std::vector<int> Jobs() {
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, Name, 0, CUPS_WHICHJOBS_ALL);
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) ids.push_back(jobs[i].id);
    cupsFreeJobs(count, jobs);
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  static int LastJob() {
    const std::vector<int> jobs = Jobs();
    return jobs.empty() ? 0 : jobs.back();
  }

  static std::vector<int> JobsAfter(int last) {
    std::vector<int> later;
    for (int job : Jobs())
      if (job > last) later.push_back(job);
    return later;
  }

  // Waits for the job to end, however it ends; whether it was completed.
  static bool Completed(int job) {
    for (int i = 0; i < 1200; ++i) {
      const ipp_jstate_t state = State(job);
      if (state >= IPP_JSTATE_CANCELED) return state == IPP_JSTATE_COMPLETED;
      QThread::msleep(100);
    }
    return false;
  }

  // The file cups-pdf wrote for the job, in the PDF folder of the job's owner.
  static QString Output(int job) {
    const passwd *owner = getpwnam(cupsUser());
    const QDir folder(QString::fromLocal8Bit(owner ? owner->pw_dir : "") + QStringLiteral("/PDF"));
    const QStringList files = folder.entryList({QStringLiteral("*job_%1[-.]*").arg(job)}, QDir::Files);
    return files.size() == 1 ? folder.filePath(files[0]) : QString();
  }

 private:
  // As root, the daemon goes on in the background once this returns.
  static void StartDaemon() {
    Run(QStringLiteral("cupsd"), {});
    for (int i = 0; i < 100 && !Reachable(); ++i) QThread::msleep(100);
  }

  static bool Reachable() {
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (http) httpClose(http);
    return http != nullptr;
  }

  static bool IsPdfPrinter() {
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, Name, nullptr);
    const char *device = dest ? cupsGetOption("device-uri", dest->num_options, dest->options) : nullptr;
    const bool pdf = device && std::string(device) == "cups-pdf:/";
    cupsFreeDests(dest ? 1 : 0, dest);
    return pdf;
  }

  static ipp_jstate_t State(int job) {
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, Name, 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = IPP_JSTATE_ABORTED;
    for (int i = 0; i < count; ++i)
      if (jobs[i].id == job) state = jobs[i].state;
    cupsFreeJobs(count, jobs);
    return state;
  }
};
