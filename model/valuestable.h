#ifndef LUMOPLOT_MODEL_VALUESTABLE_H
#define LUMOPLOT_MODEL_VALUESTABLE_H

#include <string>
#include <vector>

#include "graph.h"

// A value in its 12-character column: fixed with 5 decimals, from 10^36 up
// scientific with 4 digits; the field grows for longer values.
std::string ValueFieldText(long double value);

// The table of one layer: "f(x)=" and the expression, the header, one line a
// sample ("Error" for a failed one), an empty line.
void AppendValuesTable(const TGraph &graph, std::vector<std::string> &lines);

// The tables of the given layers in order, as single-byte text with CR LF.
std::string ValuesTableText(const std::vector<const TGraph *> &graphs);

#endif
