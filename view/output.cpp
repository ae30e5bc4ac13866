#include "output.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>
#include <cstring>
#include <cups/cups.h>
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

const QString kValuesJobTitle = QStringLiteral("Lumoplot");
const QString kPictureJobTitle = QStringLiteral("FC");  // the chart's name

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

[[noreturn]] void Refuse(const QString &reason) { throw std::runtime_error(reason.toStdString()); }

bool OptionIs(const cups_dest_t &dest, const char *name, const char *value) {
  const char *option = cupsGetOption(name, dest.num_options, dest.options);
  return option != nullptr && std::strcmp(option, value) == 0;
}

// Qt's print engine hands the finished document to CUPS and drops its answer,
// so whether the default printer can take a job is asked of CUPS first.
QString ReadyDefaultPrinter() {
  const std::unique_ptr<http_t, void (*)(http_t *)> http(
      httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr), httpClose);
  if (!http) Refuse(QStringLiteral("Служба печати CUPS недоступна (%1)").arg(QString::fromLocal8Bit(cupsServer())));
  const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t *)> dest(cupsGetNamedDest(http.get(), nullptr, nullptr),
                                                                   [](cups_dest_t *d) { cupsFreeDests(1, d); });
  if (!dest) Refuse(QStringLiteral("Не выбран принтер по умолчанию"));
  QString name = QString::fromLocal8Bit(dest->name);
  if (dest->instance) name += QLatin1Char('/') + QString::fromLocal8Bit(dest->instance);
  if (OptionIs(*dest, "printer-state", "5")) Refuse(QStringLiteral("Принтер по умолчанию «%1» остановлен").arg(name));
  if (OptionIs(*dest, "printer-is-accepting-jobs", "false"))
    Refuse(QStringLiteral("Принтер по умолчанию «%1» не принимает задания").arg(name));
  return name;
}

QByteArray ImageBytes(const QImage &picture, const char *format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(picture)) Refuse(writer.errorString());
  return bytes;
}

// The screen's picture at a pixel ratio of dots per inch over the screen's,
// with the resolution written into the file.
QByteArray PngBytes(const Chart &chart, int dotsPerInch) {
  QImage picture = chart.ToImage(double(dotsPerInch) / kScreenDotsPerInch);
  const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
  picture.setDotsPerMeterX(dotsPerMetre);
  picture.setDotsPerMeterY(dotsPerMetre);
  return ImageBytes(picture, "PNG");
}

QByteArray SvgBytes(const Chart &chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kScreenDotsPerInch);
  svg.setSize(chart.size());
  svg.setViewBox(chart.rect());
  svg.setTitle(kPictureJobTitle);
  QPainter painter(&svg);
  chart.Paint(painter, chart.rect());
  painter.end();
  return bytes;
}

// One page exactly the chart's size on a screen of 96 dots per inch.
QByteArray PdfBytes(const Chart &chart, int dotsPerInch) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {  // the document is written out as the painter ends
    QPdfWriter pdf(&buffer);
    pdf.setResolution(dotsPerInch);
    pdf.setTitle(kPictureJobTitle);
    const QSizeF inches = QSizeF(chart.size()) / kScreenDotsPerInch;
    pdf.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&pdf)) Refuse(QStringLiteral("Не удаётся создать PDF"));
    chart.Paint(painter, QRectF(0, 0, pdf.width(), pdf.height()));
  }
  return bytes;
}

QByteArray PictureBytes(const Chart &chart, TPictureFormat format, int dotsPerInch) {
  switch (format) {
    case TPictureFormat::Png:
      return PngBytes(chart, dotsPerInch);
    case TPictureFormat::Svg:
      return SvgBytes(chart);
    case TPictureFormat::Pdf:
      return PdfBytes(chart, dotsPerInch);
    case TPictureFormat::Bmp:
      break;
  }
  return ImageBytes(chart.ToImage().convertToFormat(QImage::Format_RGB888), "BMP");
}

}  // namespace

std::unique_ptr<QPrinter> DefaultPrinter(const QString &jobTitle) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(ReadyDefaultPrinter());
  if (info.isNull()) Refuse(QStringLiteral("Не выбран принтер по умолчанию"));
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setDocName(jobTitle);
  return printer;
}

std::vector<QString> ValuesTableLines(const std::vector<const TGraph *> &graphs) {
  std::vector<std::string> lines;
  for (const TGraph *graph : graphs) AppendValuesTable(*graph, lines);
  std::vector<QString> text;
  for (const std::string &line : lines) text.push_back(QString::fromStdString(Cp1251ToUtf8(line)));
  return text;
}

void WriteValuesFile(const std::string &chosenName, const std::vector<bool> &ticked) {
  SaveFileBytes(WithExtension(chosenName, ".txt"), ValuesTableText(TickedGraphs(ticked)));
}

void PrintValues(const std::vector<bool> &ticked) { PrintValuesTable(TickedGraphs(ticked)); }

void CopyValues(const std::vector<bool> &ticked) {
  const std::string text = ValuesTabText(TickedGraphs(ticked), QLocale().decimalPoint().toStdString());
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void PrintValuesTable(const std::vector<const TGraph *> &graphs) {
  PrintValuesTable(*DefaultPrinter(kValuesJobTitle), graphs);
}

void PrintValuesTable(QPrinter &printer, const std::vector<const TGraph *> &graphs) {
  PrintTextLines(printer, ValuesTableLines(graphs));
}

void WritePictureFile(const std::string &fileName, const std::vector<bool> &ticked, TPictureFormat format,
                      int dotsPerInch) {
  TShownForOutput shown(ticked);
  FieldForm->FC->RedrawNow();
  SaveFileBytes(fileName, PictureBytes(*FieldForm->FC, format, dotsPerInch).toStdString());
}

void PrintPicture(const std::vector<bool> &ticked) { PrintPicture(*DefaultPrinter(kPictureJobTitle), ticked); }

void PrintPicture(QPrinter &printer, const std::vector<bool> &ticked) {
  TShownForOutput shown(ticked);
  FieldForm->FC->RedrawNow();
  if (!FieldForm->FC->Print(printer)) Refuse(QStringLiteral("Не удаётся напечатать графики"));
}
