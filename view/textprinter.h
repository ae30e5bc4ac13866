#pragma once

#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QPrinter;

// Lays out text lines as a plain text channel to a printer does: from the
// top left, lines too wide for the page broken at the last character that
// fits, a new page when the next line would not fit, tabs to multiples of 8
// average character widths, form feeds as page breaks, carriage returns ignored.
class TTextLayout {
 public:
  struct Metrics {
    std::function<double(const QString &)> width;
    double lineHeight;    // of a drawn line of text
    double averageWidth;  // of one character, for tabs
  };
  struct Piece {
    int page;
    double x, y;
    QString text;
  };

  TTextLayout(Metrics metrics, double pageWidth, double pageHeight);

  std::vector<Piece> Lay(const std::vector<QString> &lines);

 private:
  void LayLine(const QString &line);
  void Put(const QString &text);
  void EndLine();
  void NewPage();

  Metrics metrics_;
  double pageWidth_, pageHeight_;
  int page_ = 0;
  double x_ = 0, y_ = 0;
  bool lineHasText_ = false;
  std::vector<Piece> pieces_;
};

// Prints lines through the text channel on a printer, one job.
void PrintTextLines(QPrinter &printer, const std::vector<QString> &lines);
