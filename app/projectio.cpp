#include "projectio.h"

#include <QApplication>
#include <QStatusBar>
#include <utility>

#include "waitcursor.h"
#include "calcform.h"
#include "fieldform.h"
#include "filenames.h"
#include "files.h"
#include "graphsampler.h"
#include "optionsform.h"
#include "project.h"
#include "projectlayers.h"
#include "projectreader.h"
#include "scaleform.h"

namespace {

// While the layers of a project are sampled, the plot window's status bar
// counts them, so that a big project never looks hung; the coordinates come
// back afterwards.
class TLoadProgress {
 public:
  explicit TLoadProgress(std::size_t total) : total_(total) {}
  ~TLoadProgress() { FieldForm->CoordSB->clearMessage(); }
  TLoadProgress(const TLoadProgress &) = delete;
  TLoadProgress &operator=(const TLoadProgress &) = delete;

  void Show(std::size_t done) {
    FieldForm->CoordSB->showMessage(QStringLiteral("Чтение слоёв: %1 из %2").arg(done).arg(total_));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }

 private:
  std::size_t total_;
};

// The settings lines read take effect, each group where its values go.
void ApplySettings(const TProjectContents &contents, const TProjectRead &read) {
  if (read.ReachedDisplay()) ApplyDisplaySettings(contents.Display);
  if (read.ReachedFrame()) ScaleForm->SetFrameSettings(contents.Frame);
  if (read.ReachedCalc()) CalcForm->LoadSettings(contents.Calc);
}

// The settings as the windows hold them, without bounds or layers.
TProjectContents LiveSettings() {
  TProjectContents contents;
  contents.Display = FieldForm->DisplaySettings();
  contents.Frame = ScaleForm->FrameSettings();
  contents.Calc = CalcForm->Settings();
  return contents;
}

// The project as the windows hold it, as a file would carry it.
TProjectContents LiveProjectContents() {
  TProjectContents contents = LiveSettings();
  contents.Bounds = Project.Bounds();
  for (int i = 0; i < Project.GraphCount(); ++i) {
    const TGraph &graph = Project.Graph(i);
    contents.Layers.push_back({graph.Expression, graph.PointCount, graph.Visible, ProjectLayers->Style(i)});
  }
  return contents;
}

}  // namespace

void SaveProject(const std::string &chosenName) {
  SaveFileBytes(WithExtension(chosenName, ".lpp"), ProjectContentsBytes(LiveProjectContents()));
}

void OpenProject(const std::string &chosenName) {
  const std::string bytes = ReadFileBytes(WithExtension(chosenName, ".lpp"));
  TWaitCursor wait;
  // Settings the file does not reach stay as the windows hold them.
  TProjectContents contents = LiveSettings();
  const TProjectRead read = ReadProjectContents(bytes, contents);
  ShowProjectContents(contents, read);
  if (!read.Error.empty()) throw TProjectFileError(read.Error);
}

void ShowProjectContents(const TProjectContents &contents, const TProjectRead &read) {
  std::vector<TGraph> graphs;
  if (read.BoundsRead) {
    TLoadProgress progress(contents.Layers.size());
    graphs = SampleLayers(contents, [&progress](std::size_t done) { progress.Show(done); });
  }
  ShowProjectContents(contents, read, std::move(graphs));
}

void ShowProjectContents(const TProjectContents &contents, const TProjectRead &read, std::vector<TGraph> graphs) {
  ProjectLayers->Clear();
  ApplySettings(contents, read);
  if (!read.BoundsRead) return;
  ProjectLayers->Start(contents.Bounds);
  for (std::size_t i = 0; i < graphs.size(); ++i) ProjectLayers->Add(std::move(graphs[i]), contents.Layers[i].Style);
}
