#include "valuestable.h"

#include "decimaltext.h"

void AppendValuesTable(const TGraph &graph, std::vector<std::string> &lines) {
  lines.push_back("f(x)=" + graph.Expression);
  lines.push_back("     X            Y");
  for (int32_t k = 1; k <= graph.PointCount && static_cast<std::size_t>(k) < graph.XValues.size(); ++k) {
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
