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

// The same layers side by side as tab-separated UTF-8 text for a spreadsheet:
// a header row of "X" and "f(x)=" with the expression for each layer, then a
// row a sample with each layer's X and Y (empty cells below a layer's last
// sample). The numbers are the table's without their padding and with the
// given decimal mark; a failed sample's Y is "Ошибка: " and its code, as the
// program shows failures everywhere. One "\n" ends each row.
std::string ValuesTabText(const std::vector<const TGraph *> &graphs, const std::string &mark);

#endif
