// Opening big projects: the time until the windows show the project (the open
// command and the first redraw of both charts) and the process's peak memory,
// and the same for loading without windows (reading and sampling, as batch
// output does). Each case runs in a child process of its own, so that its
// peak memory is its own; the table lists layers × points per layer.
//   load_bench            all cases
//   load_bench --case gui|batch LAYERS POINTS     one case, in this process
#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "application.h"
#include "chart.h"
#include "fieldform.h"
#include "files.h"
#include "graphsampler.h"
#include "projectfile.h"
#include "projectio.h"
#include "scaleform.h"
#include "startup.h"

namespace {

const char *const kExpressions[] = {"sin(x)", "x^3-2*x+1", "exp(-x^2/2)/sqrt(2*pi)", "tg(x)", "cos(3*x)*x"};

std::string ProjectBytes(int layers, int points) {
  TProjectContents contents;
  contents.Bounds = {-10, 10, -10, 10};
  for (int i = 0; i < layers; ++i)
    contents.Layers.push_back({kExpressions[i % 5], points, true, {static_cast<TColor>(0x10101 * (i % 200)), 1}});
  return ProjectContentsBytes(contents);
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The windows at the size of a 1600 × 1000 screen's plot window.
double OpenInWindows(const std::string &name, int argc, char **argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TApplication application(argc, argv);
  CreateWindows();
  ShowWindows();
  FieldForm->resize(1300, 870);
  QCoreApplication::processEvents();
  const auto start = std::chrono::steady_clock::now();
  OpenProject(name);
  FieldForm->FC->RedrawNow();
  ScaleForm->SC->RedrawNow();
  QCoreApplication::processEvents();
  const double seconds = Seconds(start);
  DestroyWindows();
  return seconds;
}

double LoadWithoutWindows(const std::string &name) {
  const auto start = std::chrono::steady_clock::now();
  TProjectContents contents;
  ReadProjectContents(ReadFileBytes(name), contents);
  const std::vector<TGraph> graphs = SampleLayers(contents);
  return Seconds(start);
}

int RunCase(const std::string &mode, int layers, int points, int argc, char **argv) {
  QTemporaryDir dir;
  const std::string name = dir.filePath("big.lpp").toStdString();
  SaveFileBytes(name, ProjectBytes(layers, points));
  const double seconds = mode == "gui" ? OpenInWindows(name, argc, argv) : LoadWithoutWindows(name);
  std::printf("%.3f %.1f\n", seconds, PeakMegabytes());
  return 0;
}

// Runs one case in a child process and reads its two figures.
bool Measure(const char *self, const char *mode, int layers, int points, double &seconds, double &megabytes) {
  const std::string command = std::string("'") + self + "' --case " + mode + " " + std::to_string(layers) + " " +
                              std::to_string(points) + " 2>/dev/null";
  FILE *child = popen(command.c_str(), "r");
  if (!child) return false;
  const bool read = std::fscanf(child, "%lf %lf", &seconds, &megabytes) == 2;
  return pclose(child) == 0 && read;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 5 && std::string(argv[1]) == "--case")
    return RunCase(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argc, argv);
  const struct {
    const char *mode;
    int layers, points;
  } cases[] = {{"gui", 1, 100000},    {"gui", 10, 100000},   {"gui", 50, 100000},
               {"batch", 10, 100000}, {"batch", 50, 100000}, {"gui", 1000, 10},
               {"gui", 5000, 10},     {"batch", 1000, 10},   {"batch", 5000, 10}};
  std::printf("%-6s %8s %8s %10s %10s\n", "mode", "layers", "points", "seconds", "peak MB");
  for (const auto &c : cases) {
    double seconds = 0, megabytes = 0;
    if (Measure(argv[0], c.mode, c.layers, c.points, seconds, megabytes))
      std::printf("%-6s %8d %8d %10.3f %10.1f\n", c.mode, c.layers, c.points, seconds, megabytes);
    else
      std::printf("%-6s %8d %8d %10s\n", c.mode, c.layers, c.points, "failed");
    std::fflush(stdout);
  }
  return 0;
}
