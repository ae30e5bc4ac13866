#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// A part of the project's region to draw instead of the whole, X0 < X1 and Y0 < Y1.
struct TBatchView {
  double MinX, MaxX, MinY, MaxY;
};

// Output without windows: load a project as the open command does, write
// what was asked for, and exit. File names are kept as the bytes given.
struct TBatchRequest {
  std::string project;
  std::string values;
  std::string picture;  // BMP
  std::string png;
  std::string svg;
  std::string pdf;
  std::string savedProject;
  bool printValues = false;
  bool printPicture = false;
  QSize size{800, 600};
  int dotsPerInch = 96;  // of the PNG and the PDF
  std::optional<TBatchView> view;
  bool help = false;
};

// Whether the arguments ask for batch output (or for the option list).
bool IsBatchCommandLine(int argc, char **argv);
// Reads the options (the program's name first); nothing, with the error's
// text, when they are malformed.
std::optional<TBatchRequest> ParseBatchArguments(const std::vector<std::string> &arguments, QString &error);
QString BatchUsage();
// Runs the request; 0, or 1 after writing the error to stderr. The project and
// the values go through the model alone; printing needs the application object
// that argc and argv make, and a picture, written or printed, the windows too,
// created then (not shown).
int RunBatch(const TBatchRequest &request, int &argc, char **argv);
