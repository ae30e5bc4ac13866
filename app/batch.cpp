#include "batch.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <exception>

#include "chart.h"
#include "fieldform.h"
#include "output.h"
#include "project.h"
#include "projectio.h"
#include "startup.h"

namespace {

constexpr const char *kOptions[] = {"--values", "--picture", "--save-project", "--size"};

bool IsOption(const QString &argument) {
  for (const char *option : kOptions)
    if (argument == QLatin1String(option)) return true;
  return false;
}

std::optional<QSize> ParseSize(const QString &text) {
  const QStringList parts = text.split(QLatin1Char('x'));
  bool okWidth = false, okHeight = false;
  if (parts.size() != 2) return std::nullopt;
  const int width = parts[0].toInt(&okWidth), height = parts[1].toInt(&okHeight);
  if (!okWidth || !okHeight || width < 16 || height < 16 || width > 20000 || height > 20000) return std::nullopt;
  return QSize(width, height);
}

std::vector<bool> VisibleLayers() {
  std::vector<bool> visible;
  for (const TGraph &graph : Project.Graphs()) visible.push_back(graph.Visible);
  return visible;
}

void WriteOutputs(const TBatchRequest &request) {
  OpenProject(request.project);
  if (!request.values.isEmpty()) WriteValuesFile(request.values, std::vector<bool>(Project.GraphCount(), true));
  if (!request.picture.isEmpty()) {
    FieldForm->FC->resize(request.size);
    WritePictureFile(request.picture, VisibleLayers());
  }
  if (!request.savedProject.isEmpty()) SaveProject(request.savedProject);
}

}  // namespace

bool IsBatchCommandLine(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    // Any "--" argument, known or not, so that a mistyped option gets the usage
    // instead of windows trying to open it as a project.
    if (argument.startsWith(QLatin1String("--")) || argument == QLatin1String("-h")) return true;
  }
  return false;
}

std::optional<TBatchRequest> ParseBatchArguments(const QStringList &arguments, QString &error) {
  TBatchRequest request;
  for (int i = 1; i < arguments.size(); ++i) {
    const QString &argument = arguments[i];
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      request.help = true;
      return request;
    }
    if (IsOption(argument)) {
      if (i + 1 >= arguments.size()) {
        error = QStringLiteral("после %1 нужно значение").arg(argument);
        return std::nullopt;
      }
      const QString value = arguments[++i];
      if (argument == QLatin1String("--values"))
        request.values = value;
      else if (argument == QLatin1String("--picture"))
        request.picture = value;
      else if (argument == QLatin1String("--save-project"))
        request.savedProject = value;
      else if (const auto size = ParseSize(value))
        request.size = *size;
      else {
        error = QStringLiteral("размер \"%1\" не имеет вида ШИРИНАxВЫСОТА (от 16 до 20000)").arg(value);
        return std::nullopt;
      }
    } else if (argument.startsWith(QLatin1String("--"))) {
      error = QStringLiteral("неизвестный параметр %1").arg(argument);
      return std::nullopt;
    } else if (request.project.isEmpty()) {
      request.project = argument;
    } else {
      error = QStringLiteral("лишний аргумент %1").arg(argument);
      return std::nullopt;
    }
  }
  if (request.project.isEmpty()) error = QStringLiteral("не указан файл проекта");
  if (!error.isEmpty()) return std::nullopt;
  return request;
}

QString BatchUsage() {
  return QStringLiteral(
      "Использование: lumoplot [ПРОЕКТ.lpp]\n"
      "       lumoplot [--values ЗНАЧЕНИЯ.txt] [--picture РИСУНОК.bmp] [--size ШxВ]\n"
      "                [--save-project ПРОЕКТ.lpp] ПРОЕКТ.lpp\n\n"
      "Без параметров программа открывает окна; с файлом проекта сразу открывает его.\n"
      "С параметрами вывода окна не показываются: проект загружается, записывается\n"
      "запрошенное, и программа завершается.\n\n"
      "  --values ФАЙЛ        таблица значений всех слоёв\n"
      "  --picture ФАЙЛ       рисунок графиков (24-битный BMP) без увеличения\n"
      "  --size ШxВ           размер рисунка в пикселях, по умолчанию 800x600\n"
      "  --save-project ФАЙЛ  проект, записанный заново\n"
      "  --help               этот список\n");
}

int RunBatch(const TBatchRequest &request) {
  CreateWindows();
  int status = 0;
  try {
    WriteOutputs(request);
  } catch (const std::exception &error) {
    std::fprintf(stderr, "lumoplot: %s\n", error.what());
    status = 1;
  }
  DestroyWindows();
  return status;
}
