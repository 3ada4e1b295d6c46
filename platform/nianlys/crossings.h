#pragma once

#include "passes.h"

#include <cstdint>
#include <vector>

namespace analysis {

struct Crossings
{
    std::vector<double> rising;
    std::vector<double> falling;
};

// Crossings of the middle level that complete a transition from beyond one outer reference
// level to beyond the other (see crossings.cpp). The lists belong to the calling thread and
// hold until its next call.
NIANLYS_RECORD_PASS
const Crossings &middleCrossings(const double *x, int32_t n, double low, double middle,
                                 double high);

} // namespace analysis
