#include "valuestable.h"

#include <algorithm>

#include "cp1251.h"
#include "decimaltext.h"
#include "expression.h"

namespace {

// A number of the table as a spreadsheet takes it: no padding, the given mark.
std::string CellText(long double value, const std::string &mark) {
  std::string text = ValueFieldText(value);
  text.erase(0, text.find_first_not_of(' '));
  if (const std::size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, mark);
  return text;
}

std::string SampleCells(const TGraph &graph, int32_t k, const std::string &mark) {
  if (k > graph.SamplesHeld()) return "\t";
  const std::string y =
      graph.PointErrors[k] == 0 ? CellText(graph.YValues[k], mark) : ErrorCodeText(graph.PointErrors[k]);
  return CellText(graph.XValues[k], mark) + "\t" + y;
}

std::string TabRow(const std::vector<std::string> &cells) {
  std::string row;
  for (std::size_t i = 0; i < cells.size(); ++i) row += (i == 0 ? "" : "\t") + cells[i];
  return row + "\n";
}

}  // namespace

void AppendValuesTable(const TGraph &graph, std::vector<std::string> &lines) {
  lines.push_back("f(x)=" + graph.Expression);
  lines.push_back("     X            Y");
  for (int32_t k = 1; k <= graph.SamplesHeld(); ++k) {
    const std::string y = graph.PointErrors[k] == 0 ? ValueFieldText(graph.YValues[k]) : "Error";
    lines.push_back(ValueFieldText(graph.XValues[k]) + " " + y);
  }
  lines.emplace_back();
}

std::string ValuesTableText(const std::vector<const TGraph *> &graphs) {
  std::vector<std::string> lines;
  for (const TGraph *graph : graphs) AppendValuesTable(*graph, lines);
  std::string text;
  for (const std::string &line : lines) text += line + "\r\n";
  return text;
}

std::string ValuesTabText(const std::vector<const TGraph *> &graphs, const std::string &mark) {
  if (graphs.empty()) return {};
  std::vector<std::string> header;
  int32_t rows = 0;
  for (const TGraph *graph : graphs) {
    header.insert(header.end(), {"X", "f(x)=" + Cp1251ToUtf8(graph->Expression)});
    rows = std::max(rows, graph->SamplesHeld());
  }
  std::string text = TabRow(header);
  for (int32_t k = 1; k <= rows; ++k) {
    std::vector<std::string> cells;
    for (const TGraph *graph : graphs) cells.push_back(SampleCells(*graph, k, mark));
    text += TabRow(cells);
  }
  return text;
}
