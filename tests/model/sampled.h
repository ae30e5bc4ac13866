#ifndef LUMOPLOT_TESTS_MODEL_SAMPLED_H
#define LUMOPLOT_TESTS_MODEL_SAMPLED_H

#include <cstdint>

#include "graph.h"
#include "graphsampler.h"

// A layer of count samples over [minX, maxX], as the library gives them.
inline TGraph Sampled(const char *expression, int32_t count, long double minX, long double maxX) {
  TGraph graph;
  graph.Expression = expression;
  graph.PointCount = count;
  SampleGraph(graph, {.MinX = minX, .MaxX = maxX});
  return graph;
}

#endif
