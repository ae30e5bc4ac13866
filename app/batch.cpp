#include "batch.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "application.h"
#include "chart.h"
#include "fieldform.h"
#include "filenames.h"
#include "files.h"
#include "graphsampler.h"
#include "output.h"
#include "project.h"
#include "projectio.h"
#include "projectreader.h"
#include "startup.h"
#include "valuestable.h"

namespace {

constexpr const char *kOptions[] = {"--values", "--picture", "--save-project", "--size"};

bool IsOption(const std::string &argument) {
  for (const char *option : kOptions)
    if (argument == option) return true;
  return false;
}

// Options that stand alone, without a value.
bool SetFlag(TBatchRequest &request, const std::string &argument) {
  if (argument == "--print-values") {
    request.printValues = true;
  } else if (argument == "--print-picture") {
    request.printPicture = true;
  } else {
    return false;
  }
  return true;
}

std::optional<QSize> ParseSize(const QString &text) {
  const QStringList parts = text.split(QLatin1Char('x'));
  bool okWidth = false, okHeight = false;
  if (parts.size() != 2) return std::nullopt;
  const int width = parts[0].toInt(&okWidth), height = parts[1].toInt(&okHeight);
  if (!okWidth || !okHeight || width < 16 || height < 16 || width > 20000 || height > 20000) return std::nullopt;
  return QSize(width, height);
}

bool SetOption(TBatchRequest &request, const std::string &option, const std::string &value, QString &error) {
  if (option == "--values") {
    request.values = value;
  } else if (option == "--picture") {
    request.picture = value;
  } else if (option == "--save-project") {
    request.savedProject = value;
  } else if (const auto size = ParseSize(QString::fromLocal8Bit(value))) {
    request.size = *size;
  } else {
    error =
        QStringLiteral("размер \"%1\" не имеет вида ШИРИНАxВЫСОТА (от 16 до 20000)").arg(QString::fromLocal8Bit(value));
    return false;
  }
  return true;
}

bool NeedsWindows(const TBatchRequest &request) { return !request.picture.empty() || request.printPicture; }

// The picture is the plot window's chart at the size asked for, unzoomed.
void OutputPicture(const TBatchRequest &request, const TProjectContents &contents, const TProjectRead &read) {
  CreateWindows();
  struct Destroy {
    ~Destroy() { DestroyWindows(); }
  } destroy;
  ShowProjectContents(contents, read);
  FieldForm->FC->resize(request.size);
  std::vector<bool> visible;
  for (const TGraph &graph : Project.Graphs()) visible.push_back(graph.Visible);
  if (!request.picture.empty()) WritePictureFile(request.picture, visible);
  if (request.printPicture) PrintPicture(visible);
}

// Printing and pictures need the application object, one for both.
void OutputWithApplication(const TBatchRequest &request, const TProjectContents &contents, const TProjectRead &read,
                           const std::vector<const TGraph *> &graphs, int &argc, char **argv) {
  if (!DisplayAvailable()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TApplication application(argc, argv);
  if (request.printValues) PrintValuesTable(graphs);
  if (NeedsWindows(request)) OutputPicture(request, contents, read);
}

void WriteOutputs(const TBatchRequest &request, int &argc, char **argv) {
  TProjectContents contents;
  const TProjectRead read = ReadProjectContents(ReadFileBytes(WithExtension(request.project, ".lpp")), contents);
  if (!read.Error.empty()) throw TProjectFileError(read.Error);
  std::vector<TGraph> graphs;
  if (!request.values.empty() || request.printValues) graphs = SampleLayers(contents);
  std::vector<const TGraph *> all;
  for (const TGraph &graph : graphs) all.push_back(&graph);
  if (!request.values.empty()) SaveFileBytes(WithExtension(request.values, ".txt"), ValuesTableText(all));
  if (request.printValues || NeedsWindows(request)) OutputWithApplication(request, contents, read, all, argc, argv);
  if (!request.savedProject.empty())
    SaveFileBytes(WithExtension(request.savedProject, ".lpp"), ProjectContentsBytes(contents));
}

}  // namespace

bool IsBatchCommandLine(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    // Any "--" argument, known or not, so that a mistyped option gets the usage
    // instead of windows trying to open it as a project.
    if (argument.starts_with("--") || argument == "-h") return true;
  }
  return false;
}

std::optional<TBatchRequest> ParseBatchArguments(const std::vector<std::string> &arguments, QString &error) {
  TBatchRequest request;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string &argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      request.help = true;
      return request;
    }
    if (SetFlag(request, argument)) continue;
    if (IsOption(argument)) {
      if (i + 1 >= arguments.size()) {
        error = QStringLiteral("после %1 нужно значение").arg(QString::fromStdString(argument));
        return std::nullopt;
      }
      if (!SetOption(request, argument, arguments[++i], error)) return std::nullopt;
    } else if (argument.starts_with("--")) {
      error = QStringLiteral("неизвестный параметр %1").arg(QString::fromLocal8Bit(argument));
      return std::nullopt;
    } else if (request.project.empty()) {
      request.project = argument;
    } else {
      error = QStringLiteral("лишний аргумент %1").arg(QString::fromLocal8Bit(argument));
      return std::nullopt;
    }
  }
  if (request.project.empty()) {
    error = QStringLiteral("не указан файл проекта");
    return std::nullopt;
  }
  return request;
}

QString BatchUsage() {
  return QStringLiteral(
      "Использование: lumoplot [ПРОЕКТ.lpp]\n"
      "       lumoplot [--values ЗНАЧЕНИЯ.txt] [--picture РИСУНОК.bmp] [--size ШxВ]\n"
      "                [--print-values] [--print-picture] [--save-project ПРОЕКТ.lpp] ПРОЕКТ.lpp\n\n"
      "Без параметров программа открывает окна; с файлом проекта сразу открывает его.\n"
      "С параметрами вывода окна не показываются: проект загружается, записывается\n"
      "запрошенное, и программа завершается.\n\n"
      "  --values ФАЙЛ        таблица значений всех слоёв\n"
      "  --picture ФАЙЛ       рисунок графиков (24-битный BMP) без увеличения\n"
      "  --size ШxВ           размер рисунка в пикселях, по умолчанию 800x600\n"
      "  --print-values       печать таблицы значений всех слоёв на принтере по умолчанию\n"
      "  --print-picture      печать рисунка графиков (размер по --size) на принтере по умолчанию\n"
      "  --save-project ФАЙЛ  проект, записанный заново\n"
      "  --help               этот список\n");
}

int RunBatch(const TBatchRequest &request, int &argc, char **argv) {
  try {
    WriteOutputs(request, argc, argv);
  } catch (const std::exception &error) {
    std::fprintf(stderr, "lumoplot: %s\n", error.what());
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
