#pragma once

#include "passes.h"

#include <cstdint>
#include <vector>

namespace analysis {

// A middle crossing at an end of the record whose transition the record cuts.
struct EndCrossing
{
    bool found = false;
    bool rising = false;
    double at = 0.0;
};

struct Crossings
{
    std::vector<double> rising;
    std::vector<double> falling;
    // Before the first sample beyond an outer level: the last middle crossing toward it.
    EndCrossing opening;
    // After the last transition: the last middle crossing away from its level.
    EndCrossing closing;
};

// Crossings of the middle level that complete a transition from beyond one outer reference
// level to beyond the other, and the two a record's ends cut (see crossings.cpp). The lists
// belong to the calling thread and hold until its next call.
NIANLYS_RECORD_PASS
const Crossings &middleCrossings(const double *x, int32_t n, double low, double middle,
                                 double high);

} // namespace analysis
