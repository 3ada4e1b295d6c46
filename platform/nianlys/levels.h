#pragma once

#include "passes.h"

namespace analysis {

constexpr int MaximumHistogramSize = 1024;

struct Levels
{
    double high = 0.0;
    double low = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
};

// The two state levels: the most frequent values of the upper and of the lower half of the
// span, each the mean of the samples in its modal histogram bin, so that a clean level comes
// out exactly. The histogram has `bins` bins (2 to MaximumHistogramSize).
NIANLYS_RECORD_PASS
Levels stateLevels(const double *x, int32_t n, int bins);

} // namespace analysis
