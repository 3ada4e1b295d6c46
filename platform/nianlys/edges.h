#pragma once

#include "passes.h"

namespace analysis {

struct Edge
{
    bool found = false;
    double start = 0.0; // crossing of the first reference level
    double end = 0.0; // crossing of the second
};

// The first edge that passes from beyond `from` to beyond `to` (rising when to > from).
NIANLYS_RECORD_PASS
Edge firstEdge(const double *x, int32_t n, double from, double to);

} // namespace analysis
