#include "batch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "application.h"
#include "chart.h"
#include "fieldform.h"
#include "filenames.h"
#include "files.h"
#include "graphsampler.h"
#include "output.h"
#include "project.h"
#include "projectio.h"
#include "projectlayers.h"
#include "projectreader.h"
#include "startup.h"
#include "valuestable.h"

namespace {

// The largest picture side in pixels, of --size and of a PNG at --dpi.
constexpr int kMostPixels = 20000;
constexpr int kFewestDotsPerInch = 24;
constexpr int kMostDotsPerInch = 2400;

// Options whose value is the name of a file to read or write.
constexpr std::pair<const char *, std::string TBatchRequest::*> kFileOptions[] = {
    {"--values", &TBatchRequest::values}, {"--picture", &TBatchRequest::picture},
    {"--png", &TBatchRequest::png},       {"--svg", &TBatchRequest::svg},
    {"--pdf", &TBatchRequest::pdf},       {"--save-project", &TBatchRequest::savedProject}};
constexpr const char *kValueOptions[] = {"--size", "--dpi", "--view"};

std::string TBatchRequest::*FileOption(const std::string &argument) {
  for (const auto &[option, file] : kFileOptions)
    if (argument == option) return file;
  return nullptr;
}

bool IsOption(const std::string &argument) {
  return FileOption(argument) != nullptr || std::ranges::find(kValueOptions, argument) != std::end(kValueOptions);
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

bool FitsPixelLimit(QSize size) { return size.width() <= kMostPixels && size.height() <= kMostPixels; }

std::optional<QSize> ParseSize(const QString &text) {
  const QStringList parts = text.split(QLatin1Char('x'));
  bool okWidth = false, okHeight = false;
  if (parts.size() != 2) return std::nullopt;
  const QSize size(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
  if (!okWidth || !okHeight || size.width() < 16 || size.height() < 16 || !FitsPixelLimit(size)) return std::nullopt;
  return size;
}

std::optional<int> ParseDotsPerInch(const QString &text) {
  bool ok = false;
  const int dots = text.toInt(&ok);
  if (!ok || dots < kFewestDotsPerInch || dots > kMostDotsPerInch) return std::nullopt;
  return dots;
}

// Four numbers with "." as the decimal mark, whatever the locale, so that the
// commas between them stay unambiguous.
std::optional<TBatchView> ParseView(const QString &text) {
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 4) return std::nullopt;
  double values[4];
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    values[i] = parts[i].toDouble(&ok);
    if (!ok || !std::isfinite(values[i])) return std::nullopt;
  }
  if (!(values[0] < values[1] && values[2] < values[3])) return std::nullopt;
  return TBatchView{values[0], values[1], values[2], values[3]};
}

template <typename T, typename Target>
bool SetParsed(const std::optional<T> &parsed, Target &target, QString &error, const QString &complaint) {
  if (!parsed) {
    error = complaint;
    return false;
  }
  target = *parsed;
  return true;
}

bool SetOption(TBatchRequest &request, const std::string &option, const std::string &value, QString &error) {
  if (const auto file = FileOption(option)) {
    request.*file = value;
    return true;
  }
  const QString text = QString::fromLocal8Bit(value);
  if (option == "--dpi")
    return SetParsed(ParseDotsPerInch(text), request.dotsPerInch, error,
                     QStringLiteral("разрешение \"%1\" не целое число от %2 до %3")
                         .arg(text)
                         .arg(kFewestDotsPerInch)
                         .arg(kMostDotsPerInch));
  if (option == "--view")
    return SetParsed(ParseView(text), request.view, error,
                     QStringLiteral("область \"%1\" не задана как X0,X1,Y0,Y1 с X0 < X1 и Y0 < Y1").arg(text));
  return SetParsed(
      ParseSize(text), request.size, error,
      QStringLiteral("размер \"%1\" не имеет вида ШИРИНАxВЫСОТА (от 16 до %2)").arg(text).arg(kMostPixels));
}

// A PNG is the picture enlarged from the screen's resolution to the one asked for.
bool CheckPngSize(const TBatchRequest &request, QString &error) {
  if (request.png.empty() || FitsPixelLimit(request.size * request.dotsPerInch / kScreenDotsPerInch)) return true;
  error = QStringLiteral("рисунок PNG размером %1x%2 при разрешении %3 шире или выше %4 пикселей")
              .arg(request.size.width())
              .arg(request.size.height())
              .arg(request.dotsPerInch)
              .arg(kMostPixels);
  return false;
}

// The view has to lie within the region the unzoomed chart shows.
void CheckViewInside(const TBatchView &view, const TBounds &bounds) {
  const auto [minX, maxX] = ChartRange(bounds.MinX, bounds.MaxX);
  const auto [minY, maxY] = ChartRange(bounds.MinY, bounds.MaxY);
  if (bounds.IsSet() && minX <= view.MinX && view.MaxX <= maxX && minY <= view.MinY && view.MaxY <= maxY) return;
  const auto number = [](double value) { return QString::number(value, 'g', 17); };
  throw std::runtime_error(
      QStringLiteral("область %1,%2,%3,%4 выходит за границы проекта: X от %5 до %6, Y от %7 до %8")
          .arg(number(view.MinX), number(view.MaxX), number(view.MinY), number(view.MaxY), number(minX), number(maxX),
               number(minY), number(maxY))
          .toStdString());
}

std::vector<const TGraph *> AllOf(const std::vector<TGraph> &graphs) {
  std::vector<const TGraph *> all;
  for (const TGraph &graph : graphs) all.push_back(&graph);
  return all;
}

bool NeedsWindows(const TBatchRequest &request) {
  return !request.picture.empty() || !request.png.empty() || !request.svg.empty() || !request.pdf.empty() ||
         request.printPicture;
}

// The pictures are the plot window's chart at the size asked for, unzoomed
// unless a view is asked for.
void OutputPicture(const TBatchRequest &request, const TProjectContents &contents, const TProjectRead &read,
                   std::vector<TGraph> graphs) {
  CreateWindows();
  struct Destroy {
    ~Destroy() { DestroyWindows(); }
  } destroy;
  ShowProjectContents(contents, read, std::move(graphs));
  Chart &chart = *FieldForm->FC;
  chart.resize(request.size);
  if (const auto &view = request.view) {
    chart.SetRange(ChartAxis::Bottom, view->MinX, view->MaxX);
    chart.SetRange(ChartAxis::Left, view->MinY, view->MaxY);
  }
  std::vector<bool> visible;
  for (const TGraph &graph : Project.Graphs()) visible.push_back(graph.Visible);
  const std::pair<const std::string &, TPictureFormat> files[] = {{request.picture, TPictureFormat::Bmp},
                                                                  {request.png, TPictureFormat::Png},
                                                                  {request.svg, TPictureFormat::Svg},
                                                                  {request.pdf, TPictureFormat::Pdf}};
  for (const auto &[name, format] : files)
    if (!name.empty()) WritePictureFile(name, visible, format, request.dotsPerInch);
  if (request.printPicture) PrintPicture(visible);
}

// Printing and pictures need the application object, one for both.
void OutputWithApplication(const TBatchRequest &request, const TProjectContents &contents, const TProjectRead &read,
                           std::vector<TGraph> graphs, int &argc, char **argv) {
  if (!DisplayAvailable()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TApplication application(argc, argv);
  if (request.printValues) PrintValuesTable(AllOf(graphs));
  if (NeedsWindows(request)) OutputPicture(request, contents, read, std::move(graphs));
}

void WriteOutputs(const TBatchRequest &request, int &argc, char **argv) {
  TProjectContents contents;
  const TProjectRead read = ReadProjectContents(ReadFileBytes(WithExtension(request.project, ".lpp")), contents);
  if (!read.Error.empty()) throw TProjectFileError(read.Error);
  if (request.view) CheckViewInside(*request.view, contents.Bounds);
  // Sampled once for every output that shows the layers.
  const bool withApplication = request.printValues || NeedsWindows(request);
  std::vector<TGraph> graphs;
  if (!request.values.empty() || withApplication) graphs = SampleLayers(contents);
  if (!request.values.empty()) SaveFileBytes(WithExtension(request.values, ".txt"), ValuesTableText(AllOf(graphs)));
  if (withApplication) OutputWithApplication(request, contents, read, std::move(graphs), argc, argv);
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
  if (!CheckPngSize(request, error)) return std::nullopt;
  return request;
}

QString BatchUsage() {
  return QStringLiteral(
      "Использование: lumoplot [ПРОЕКТ.lpp]\n"
      "       lumoplot [--values ЗНАЧЕНИЯ.txt] [--picture РИСУНОК.bmp] [--png РИСУНОК.png]\n"
      "                [--svg РИСУНОК.svg] [--pdf РИСУНОК.pdf] [--size ШxВ] [--dpi N]\n"
      "                [--view X0,X1,Y0,Y1] [--print-values] [--print-picture]\n"
      "                [--save-project ПРОЕКТ.lpp] ПРОЕКТ.lpp\n\n"
      "Без параметров программа открывает окна; с файлом проекта сразу открывает его.\n"
      "С параметрами вывода окна не показываются: проект загружается, записывается\n"
      "запрошенное, и программа завершается. Имена рисунков берутся как есть.\n\n"
      "  --values ФАЙЛ        таблица значений всех слоёв\n"
      "  --picture ФАЙЛ       рисунок графиков (24-битный BMP)\n"
      "  --png ФАЙЛ           рисунок графиков в PNG, увеличенный до разрешения --dpi\n"
      "  --svg ФАЙЛ           векторный рисунок графиков в SVG с текстом подписей\n"
      "  --pdf ФАЙЛ           векторный рисунок графиков в PDF с текстом подписей, одна страница\n"
      "  --size ШxВ           размер рисунка в пикселях экрана, по умолчанию 800x600\n"
      "  --dpi N              разрешение PNG и PDF в точках на дюйм (от 24 до 2400),\n"
      "                       по умолчанию 96, как у экрана: при 192 PNG вдвое больше\n"
      "  --view X0,X1,Y0,Y1   показать часть области проекта (числа с точкой),\n"
      "                       по умолчанию всю область\n"
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
