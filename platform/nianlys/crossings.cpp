#include "crossings.h"

#include "passes.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace analysis {

namespace {

// Crossings of the middle level that complete a transition from beyond one outer reference
// level to beyond the other, so noise around the middle level counts once: of the middle
// crossings in the transition's direction since the last outer level was left, the last.
// The record's ends may cut a transition: before the first sample beyond an outer level the
// start of the record stands for the level left, and after the last transition its end for
// the level to reach, so that one whole cycle in the record has both its crossings.
//
// The samples are read once, in order. Where transitions lie far apart, the sample that
// makes the next one is found a block at a time and its crossing by looking back from it.
// A noisy record makes a transition every few samples, and there stretches of 64 finite
// samples are decided with bit masks (which samples lie beyond each level, where the middle
// level is crossed) and the transitions found between them by counting bits, without a
// branch per sample; a stretch with a sample that is not finite, and the last short one, go
// sample by sample. Every way looks at the same pairs of neighbouring finite samples.
class MiddleCrossingScan
{
public:
    MiddleCrossingScan(const double *x, double low, double middle, double high, Crossings &out)
        : x(x)
        , low(low)
        , middle(middle)
        , high(high)
        , out(out)
    { }

    NIANLYS_IN_PASS void run(int32_t n)
    {
        // An infinity is no sample beyond a level; a NaN compares false anyway.
        const auto isHigh = [high = high](auto v)
                                    NIANLYS_LAMBDA_IN_PASS { return (v >= high) & (v < HUGE_VAL); };
        const auto isLow = [low = low](auto v)
                                   NIANLYS_LAMBDA_IN_PASS { return (v <= low) & (v > -HUGE_VAL); };
        const int32_t entry = findFirst(
                x, 0, n, [=](auto v) NIANLYS_LAMBDA_IN_PASS { return isHigh(v) | isLow(v); });
        if (entry >= n)
            return;
        // The record may open inside the transition to the entry's level, as if it had come
        // from beyond the other one.
        above = !isHigh(x[entry]);
        lookBack(entry, -1);
        out.opening = endCrossing();
        above = !above;
        crossed = false;
        previous = entry;
        bool dense = false;
        int32_t k = entry + 1; // the next sample to read
        while (k < n) {
            if (!dense) {
                const int32_t next = above ? findFirst(x, k, n, isLow) : findFirst(x, k, n, isHigh);
                if (next >= n)
                    break;
                lookBack(next, previous);
                transition();
                dense = next - k < DenseGap;
                previous = next;
                k = next + 1;
                continue;
            }
            const int32_t base = k - k % Word;
            int transitions = 0;
            if (base + Word <= n && word(base, k - base, transitions)) {
                k = base + Word;
                dense = transitions != 0;
                continue;
            }
            const int32_t end = std::min(base + Word, n);
            for (; k < end; ++k)
                step(k);
        }
        // And it may close inside the transition away from the last level reached.
        lookBack(previousFinite(x, n), previous);
        out.closing = endCrossing();
    }

private:
    static constexpr int32_t Word = 64;
    // Transitions closer than this are looked for a word at a time.
    static constexpr int32_t DenseGap = 32;

    bool crosses(double u, double v) const
    {
        return above ? u > middle && v <= middle : u < middle && v >= middle;
    }

    // The last crossing is the one nearest the sample that made the transition: looked for
    // from the finite sample i back to the sample `after` (-1: the record's start).
    void lookBack(int32_t i, int32_t after)
    {
        while (i > after) {
            const int32_t p = previousFinite(x, i);
            if (p < 0)
                return;
            if (crosses(x[p], x[i])) {
                remember(p, i);
                return;
            }
            i = p;
        }
    }

    EndCrossing endCrossing() const
    {
        EndCrossing end;
        if (crossed) {
            end.found = true;
            end.rising = !above;
            end.at = crossing(x, lastP, lastK, middle);
        }
        return end;
    }

    void remember(int32_t p, int32_t k)
    {
        lastP = p;
        lastK = k;
        crossed = true;
    }

    // Both ends of the crossing are finite: it lies between a sample beyond the level left
    // and the sample that reached the other one, so there always is one.
    void transition()
    {
        if (crossed)
            (above ? out.falling : out.rising).push_back(crossing(x, lastP, lastK, middle));
        above = !above;
        crossed = false;
    }

    void step(int32_t k)
    {
        const double v = x[k];
        if (!std::isfinite(v))
            return;
        if (crosses(x[previous], v))
            remember(previous, k);
        previous = k;
        if (above ? v <= low : v >= high)
            transition();
    }

    // The samples base + from to base + 63 at once; false, having done nothing, when one of
    // the word's samples or the one before the first is not finite.
    bool word(int32_t base, int from, int &transitions)
    {
        if (previous != base + from - 1)
            return false;
        uint64_t highs = 0, lows = 0, belowMiddle = 0, aboveMiddle = 0, finite = 0;
        const double *w = x + base;
#ifdef __SSE2__
        const __m128d vHigh = _mm_set1_pd(high);
        const __m128d vLow = _mm_set1_pd(low);
        const __m128d vMiddle = _mm_set1_pd(middle);
        const __m128d zero = _mm_setzero_pd();
        for (int j = 0; j < Word; j += 2) {
            const __m128d v = _mm_loadu_pd(w + j);
            highs |= uint64_t(_mm_movemask_pd(_mm_cmpge_pd(v, vHigh))) << j;
            lows |= uint64_t(_mm_movemask_pd(_mm_cmple_pd(v, vLow))) << j;
            belowMiddle |= uint64_t(_mm_movemask_pd(_mm_cmple_pd(v, vMiddle))) << j;
            aboveMiddle |= uint64_t(_mm_movemask_pd(_mm_cmpge_pd(v, vMiddle))) << j;
            finite |= uint64_t(_mm_movemask_pd(_mm_cmpeq_pd(_mm_sub_pd(v, v), zero))) << j;
        }
#else
        for (int j = 0; j < Word; ++j) {
            const double v = w[j];
            highs |= uint64_t(v >= high) << j;
            lows |= uint64_t(v <= low) << j;
            belowMiddle |= uint64_t(v <= middle) << j;
            aboveMiddle |= uint64_t(v >= middle) << j;
            finite |= uint64_t(v - v == 0.0) << j;
        }
#endif
        if (finite != ~uint64_t(0))
            return false;
        // A crossing at j: the sample before it (finite, so on one side) on the other side.
        const double before = x[previous];
        const uint64_t falls = belowMiddle & ~((belowMiddle << 1) | uint64_t(before <= middle));
        const uint64_t rises = aboveMiddle & ~((aboveMiddle << 1) | uint64_t(before >= middle));
        const auto rememberLast = [&](uint64_t bits) {
            const int32_t k = base + (Word - 1) - __builtin_clzll(bits);
            remember(k - 1, k);
        };
        uint64_t live = ~uint64_t(0) << from;
        while (live) {
            const uint64_t reached = (above ? lows : highs) & live;
            const uint64_t crossings = (above ? falls : rises) & live;
            if (!reached) {
                if (crossings)
                    rememberLast(crossings);
                break;
            }
            const int t = __builtin_ctzll(reached);
            const uint64_t upTo = t == Word - 1 ? ~uint64_t(0) : (uint64_t(2) << t) - 1;
            if (crossings & upTo)
                rememberLast(crossings & upTo);
            transition();
            ++transitions;
            live &= ~upTo;
        }
        previous = base + Word - 1;
        return true;
    }

    const double *x;
    const double low;
    const double middle;
    const double high;
    Crossings &out;
    bool above = false;
    int32_t previous = -1; // the last finite sample read
    // The last middle crossing in the direction of the next transition, if one was seen.
    bool crossed = false;
    int32_t lastP = -1;
    int32_t lastK = -1;
};

} // namespace

// The lists live on from call to call of the thread: a noisy record has hundreds of thousands
// of crossings, and lists made anew each time would take fresh pages from the system.
NIANLYS_RECORD_PASS
const Crossings &middleCrossings(const double *x, int32_t n, double low, double middle, double high)
{
    thread_local Crossings result;
    result.rising.clear();
    result.falling.clear();
    result.opening = {};
    result.closing = {};
    MiddleCrossingScan(x, low, middle, high, result).run(n);
    return result;
}

} // namespace analysis
