#ifndef LUMOPLOT_MODEL_GRAPH_H
#define LUMOPLOT_MODEL_GRAPH_H

#include <cstdint>
#include <string>
#include <vector>

// One layer: a function y = f(x) and its samples. Element 0 of the three arrays
// carries the sample count as the library writes it; samples are numbered from 1.
struct TGraph {
  std::string Expression;  // single-byte (Windows-1251) text exactly as typed
  std::vector<long double> XValues;
  std::vector<long double> YValues;
  std::vector<unsigned char> PointErrors;  // 0 = the sample is valid
  bool Visible = true;
  int32_t PointCount = 0;
  int32_t CalcTime = 0;         // milliseconds of the last sampling, informational
  unsigned char ErrorCode = 0;  // nonzero = the expression was rejected, nothing sampled

  // Zero-filled arrays of PointCount + 1 elements; a count below 0 keeps
  // element 0 alone, so the arrays are never shorter than one element.
  void ClearSamples();
  // Samples 1..n: PointCount, but never more than all three arrays hold.
  int32_t SamplesHeld() const;
};

#endif
