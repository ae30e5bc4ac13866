#include "valuestable.h"

#include <cmath>
#include <cstdio>

#include "decimalrounding.h"

namespace {

constexpr std::size_t kField = 12;
constexpr int kScientificFrom = 36;

std::string RightAligned(const std::string &text) {
  return text.size() >= kField ? text : std::string(kField - text.size(), ' ') + text;
}

std::string ScientificField(long double value) {
  int exponent = 0;
  const std::string digits = ScientificHalfAway(value, 4, exponent);
  char text[32];
  std::snprintf(text, sizeof text, "%c%c.%sE%c%04d", std::signbit(value) ? '-' : ' ', digits[0], digits.c_str() + 1,
                exponent < 0 ? '-' : '+', std::abs(exponent));
  return text;
}

}  // namespace

std::string ValueFieldText(long double value) {
  if (std::isnan(value)) return RightAligned("Nan");
  if (std::isinf(value)) return RightAligned(value > 0 ? "+Inf" : "-Inf");
  int exponent = 0;
  if (value != 0) ScientificHalfAway(value, 30, exponent);
  if (exponent >= kScientificFrom) return ScientificField(value);
  return RightAligned((std::signbit(value) ? "-" : "") + FixedHalfAway(value, 5));
}

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
