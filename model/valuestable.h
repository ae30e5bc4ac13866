#ifndef LUMOPLOT_MODEL_VALUESTABLE_H
#define LUMOPLOT_MODEL_VALUESTABLE_H

#include <string>
#include <vector>

#include "graph.h"

// The table of one layer: "f(x)=" and the expression, the header, one line a
// sample ("Error" for a failed one), an empty line.
void AppendValuesTable(const TGraph &graph, std::vector<std::string> &lines);

// The tables of the given layers in order, as single-byte text with CR LF.
std::string ValuesTableText(const std::vector<const TGraph *> &graphs);

#endif
