#include "output.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>

#include "chart.h"
#include "cp1251.h"
#include "fieldform.h"
#include "filenames.h"
#include "files.h"
#include "project.h"
#include "projectlayers.h"
#include "textprinter.h"
#include "valuestable.h"

namespace {

std::vector<const TGraph *> TickedGraphs(const std::vector<bool> &ticked) {
  std::vector<const TGraph *> graphs;
  for (int i = 0; i < Project.GraphCount(); ++i)
    if (i < static_cast<int>(ticked.size()) && ticked[i]) graphs.push_back(&Project.Graph(i));
  return graphs;
}

// Shows just the ticked layers in the plot chart while it lives; afterwards
// every layer is shown as the project says, also when the output failed.
class TShownForOutput {
 public:
  explicit TShownForOutput(const std::vector<bool> &ticked) { ProjectLayers->ShowOnly(ticked); }
  ~TShownForOutput() { ProjectLayers->ShowAsLayers(); }
  TShownForOutput(const TShownForOutput &) = delete;
  TShownForOutput &operator=(const TShownForOutput &) = delete;
};

QPrinter &DefaultPrinter() {
  if (QPrinterInfo::defaultPrinter().isNull()) throw std::runtime_error("Не выбран принтер по умолчанию");
  static QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  return printer;
}

}  // namespace

std::vector<QString> ValuesTableLines(const std::vector<bool> &ticked) {
  std::vector<std::string> lines;
  for (const TGraph *graph : TickedGraphs(ticked)) AppendValuesTable(*graph, lines);
  std::vector<QString> text;
  for (const std::string &line : lines) text.push_back(QString::fromStdString(Cp1251ToUtf8(line)));
  return text;
}

void WriteValuesFile(const std::string &chosenName, const std::vector<bool> &ticked) {
  SaveFileBytes(WithExtension(chosenName, ".txt"), ValuesTableText(TickedGraphs(ticked)));
}

void PrintValues(const std::vector<bool> &ticked) {
  QPrinter &printer = DefaultPrinter();
  printer.setDocName(QStringLiteral("Lumoplot"));
  PrintTextLines(printer, ValuesTableLines(ticked));
}

void WritePictureFile(const std::string &chosenName, const std::vector<bool> &ticked) {
  TShownForOutput shown(ticked);
  FieldForm->FC->redrawNow();
  const QImage picture = FieldForm->FC->toImage().convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "BMP");
  if (!writer.write(picture)) throw std::runtime_error(writer.errorString().toStdString());
  SaveFileBytes(WithExtension(chosenName, ".bmp"), bytes.toStdString());
}

void PrintPicture(const std::vector<bool> &ticked) {
  TShownForOutput shown(ticked);
  QPrinter &printer = DefaultPrinter();
  printer.setDocName(QStringLiteral("FC"));
  FieldForm->FC->redrawNow();
  if (!FieldForm->FC->print(printer)) throw std::runtime_error("Ошибка печати");
}
