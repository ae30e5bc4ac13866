#ifndef LUMOPLOT_MODEL_GRAPHSAMPLER_H
#define LUMOPLOT_MODEL_GRAPHSAMPLER_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bounds.h"
#include "graph.h"
#include "projectfile.h"

// Samples graph's expression at PointCount abscissas over [MinX, MaxX] through
// Zeval into fresh zero-filled arrays; afterwards ErrorCode tells whether
// samples were produced. A count below 2 or an expression longer than
// kMaxExpressionLength is never handed to the library (only a project file can
// carry one): the layer stays empty with kZevalBadSamplingArguments.
void SampleGraph(TGraph &graph, const TBounds &bounds);

// A new layer of count samples of expression over [minX, maxX], sampled as above.
TGraph SampledGraph(const std::string &expression, int32_t count, long double minX, long double maxX);

// The layers of a project file as records, each sampled over the file's
// bounds, in file order, on all cores. progress, when given, hears on the
// calling thread how many layers are done.
std::vector<TGraph> SampleLayers(const TProjectContents &contents,
                                 const std::function<void(std::size_t)> &progress = {});

#endif
