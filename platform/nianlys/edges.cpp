#include "edges.h"

namespace analysis {

namespace {

// The first edge that passes from beyond `from` to beyond `to`, rising when Rising. Read
// sample by sample: a finite sample beyond `from` arms the search and drops a started edge;
// the next finite sample of an armed search that is not beyond `from` starts the edge, and
// the first finite one beyond `to` of a started edge ends it. The stretches between those
// events are found with findFirst, which decides eight samples at a time: on a slow wave
// they run for the whole record. An infinity is no finite sample and a NaN compares false.
// The tests are joined with & and |, not && and ||, so that a block is decided without a
// branch per sample.
template<bool Rising>
NIANLYS_IN_PASS Edge firstEdgeOf(const double *x, int32_t n, double from, double to)
{
    const auto beyondFrom = [from](auto v) NIANLYS_LAMBDA_IN_PASS {
        if constexpr (Rising)
            return v <= from;
        else
            return v >= from;
    };
    // For a finite sample only: a NaN is neither beyond `from` nor short of it.
    const auto shortOfFrom = [from](auto v) NIANLYS_LAMBDA_IN_PASS {
        if constexpr (Rising)
            return v > from;
        else
            return v < from;
    };
    const auto beyondTo = [to](auto v) NIANLYS_LAMBDA_IN_PASS {
        if constexpr (Rising)
            return v >= to;
        else
            return v <= to;
    };
    const auto finite = [](auto v)
                                NIANLYS_LAMBDA_IN_PASS { return (v < HUGE_VAL) & (v > -HUGE_VAL); };
    Edge edge;
    int32_t armedAt = findFirst(
            x, 0, n, [=](auto v) NIANLYS_LAMBDA_IN_PASS { return finite(v) & beyondFrom(v); });
    while (armedAt < n) {
        const int32_t startAt = findFirst(x, armedAt + 1, n, [=](auto v) NIANLYS_LAMBDA_IN_PASS {
            return finite(v) & shortOfFrom(v);
        });
        if (startAt >= n)
            break;
        // The sample before is the last one that armed the search.
        edge.start = crossing(x, previousFinite(x, startAt), startAt, from);
        const int32_t endAt = beyondTo(x[startAt])
                ? startAt
                : findFirst(x, startAt + 1, n, [=](auto v) NIANLYS_LAMBDA_IN_PASS {
                      return finite(v) & (beyondFrom(v) | beyondTo(v));
                  });
        if (endAt >= n)
            break;
        // Beyond `from` comes first, as in the sample-by-sample reading.
        if (!beyondFrom(x[endAt])) {
            edge.end = crossing(x, previousFinite(x, endAt), endAt, to);
            edge.found = true;
            return edge;
        }
        armedAt = endAt;
    }
    return edge;
}

} // namespace

NIANLYS_RECORD_PASS
Edge firstEdge(const double *x, int32_t n, double from, double to)
{
    return to > from ? firstEdgeOf<true>(x, n, from, to) : firstEdgeOf<false>(x, n, from, to);
}

} // namespace analysis
