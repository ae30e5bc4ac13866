#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// Output without windows: load a project as the open command does, write
// what was asked for, and exit.
struct TBatchRequest {
  QString project;
  QString values;
  QString picture;
  QString savedProject;
  QSize size{800, 600};
  bool help = false;
};

// Whether the arguments ask for batch output (or for the option list).
bool IsBatchCommandLine(int argc, char **argv);
// Reads the options; nothing, with the error's text, when they are malformed.
std::optional<TBatchRequest> ParseBatchArguments(const QStringList &arguments, QString &error);
QString BatchUsage();
// Runs the request with the windows created but not shown; 0, or 1 after
// writing the error to stderr.
int RunBatch(const TBatchRequest &request);
