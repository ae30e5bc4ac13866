#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QPrinter;
struct TGraph;

// The outputs of the plot: the values table and the picture, to a file or to
// the default printer, of the layers ticked in the selection dialog (one flag
// per layer, in layer order). File names are the bytes the system knows the
// file by. Printing asks no printer dialog; each printout is one print job.

void WriteValuesFile(const std::string &chosenName, const std::vector<bool> &ticked);
void PrintValues(const std::vector<bool> &ticked);
// The values of the ticked layers on the clipboard as tab-separated text with
// the locale's decimal mark, for pasting into a spreadsheet.
void CopyValues(const std::vector<bool> &ticked);
// The picture files the plot chart can be written as.
enum class TPictureFormat { Bmp, Png, Svg, Pdf };

// The plot chart as the screen shows it, with only the ticked layers, in a
// file of exactly the given name; every layer's visibility is restored
// afterwards. A BMP is 24-bit and as large as the chart; a PNG is the
// screen's picture enlarged to the given dots per inch (the screen has 96)
// and says so; SVG and PDF are drawings with real text, the PDF one page of
// the chart's size at that resolution.
constexpr int kScreenDotsPerInch = 96;
void WritePictureFile(const std::string &fileName, const std::vector<bool> &ticked,
                      TPictureFormat format = TPictureFormat::Bmp, int dotsPerInch = kScreenDotsPerInch);
// The same chart on one page, in the printer's current orientation.
void PrintPicture(const std::vector<bool> &ticked);

// The values table of the given layers on the default printer.
void PrintValuesTable(const std::vector<const TGraph *> &graphs);

// The printouts above on a printer of the caller's (a PDF file, say).
void PrintValuesTable(QPrinter &printer, const std::vector<const TGraph *> &graphs);
void PrintPicture(QPrinter &printer, const std::vector<bool> &ticked);

// The default printer, set up for one job of the given title, once the
// printing service has said that the printer takes jobs now; otherwise an
// error that says why it cannot.
std::unique_ptr<QPrinter> DefaultPrinter(const QString &jobTitle);

// The values table's lines as text, for file and printer alike.
std::vector<QString> ValuesTableLines(const std::vector<const TGraph *> &graphs);
