// The signal-analysis module: pulse parameters, pulse timing and cycle averages of a sampled
// waveform. Levels come from a histogram of the samples; times are in samples, found by
// linear interpolation between the samples around each reference-level crossing.
#include "nianlys.h"
#include "nianlyscontrol.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#define NIANLYS_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int32_t NoError = 0;
constexpr int32_t ErrorTooFewSamples = -20001;
constexpr int32_t ErrorLevels = -20002; // reference percentages out of order
constexpr int DefaultHistogramSize = 256;
constexpr int MaximumHistogramSize = 1024;

enum CountedFunction { PulseParamCalls, PulseMeasCalls, CycleRmsAverageCalls, CountedFunctions };
std::atomic<int32_t> callCounts[CountedFunctions];

void countCall(CountedFunction function)
{
    callCounts[function].fetch_add(1, std::memory_order_relaxed);
}

template<typename T>
void put(T *slot, T value)
{
    if (slot)
        *slot = value;
}

// Four samples as one vector of the compiler's vector extension: the tests below are written
// once for a sample and for such a quad, where each comparison gives a lane of all ones or
// all zeros. Plain x86-64 runs a quad as two SSE2 pairs; the passes over whole records are
// built once more for processors with AVX2, which the loader picks where there is one (not
// under ThreadSanitizer, whose run-time is not up when the loader picks).
using SampleQuad = double __attribute__((vector_size(32)));

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)            \
        && !defined(__SANITIZE_THREAD__)
#define NIANLYS_RECORD_PASS __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define NIANLYS_RECORD_PASS
#endif
// What a record pass calls must be built into each of its versions: a quad handed to a
// function built for plain x86-64 would travel another way than the AVX2 version passes it.
// Forced inlining makes a call that stays a compile error rather than a wrong call.
#define NIANLYS_IN_PASS inline __attribute__((always_inline))
#define NIANLYS_LAMBDA_IN_PASS __attribute__((always_inline))

// The passes over the samples below keep several independent partial results, so that a
// step does not wait for the one before it; they run over a million samples per frame.
struct Extremes
{
    double minimum;
    double maximum;
};

NIANLYS_IN_PASS SampleQuad loadQuad(const double *x)
{
    SampleQuad quad;
    std::memcpy(&quad, x, sizeof quad);
    return quad;
}

NIANLYS_IN_PASS Extremes extremes(const double *x, int32_t n) // n >= 1
{
    // Four lanes, sample i + k in lane k; a comparison that fails (a NaN) keeps the lane's
    // value, as the scalar steps after them do.
    const SampleQuad first = {x[0], x[0], x[0], x[0]};
    SampleQuad lo = first, hi = first;
    int32_t i = 1;
    for (; i + 4 <= n; i += 4) {
        const SampleQuad v = loadQuad(x + i);
        lo = v < lo ? v : lo;
        hi = v > hi ? v : hi;
    }
    double lo0 = lo[0], lo1 = lo[1], lo2 = lo[2], lo3 = lo[3];
    double hi0 = hi[0], hi1 = hi[1], hi2 = hi[2], hi3 = hi[3];
    for (; i < n; ++i) {
        lo0 = x[i] < lo0 ? x[i] : lo0;
        hi0 = x[i] > hi0 ? x[i] : hi0;
    }
    lo0 = lo1 < lo0 ? lo1 : lo0;
    lo2 = lo3 < lo2 ? lo3 : lo2;
    hi0 = hi1 > hi0 ? hi1 : hi0;
    hi2 = hi3 > hi2 ? hi3 : hi2;
    return {lo2 < lo0 ? lo2 : lo0, hi2 > hi0 ? hi2 : hi0};
}

struct Levels
{
    double high = 0.0;
    double low = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
};

// The two state levels: the most frequent values of the upper and of the lower half of the
// span, each the mean of the samples in its modal histogram bin, so that a clean level comes
// out exactly.
// The slow way, for the rare record with a NaN or an infinity in it (a math channel that
// divided by zero): levels come from the finite samples only. No finite sample: 0 and 0.
Extremes finiteExtremes(const double *x, int32_t n)
{
    Extremes e {0.0, 0.0};
    bool any = false;
    for (int32_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]))
            continue;
        e.minimum = any ? std::min(e.minimum, x[i]) : x[i];
        e.maximum = any ? std::max(e.maximum, x[i]) : x[i];
        any = true;
    }
    return e;
}

NIANLYS_RECORD_PASS
Levels stateLevels(const double *x, int32_t n, int bins)
{
    Extremes e = extremes(x, n);
    // A NaN after the first sample passes the fast pass unseen; the histogram sets it aside.
    if (!std::isfinite(e.minimum) || !std::isfinite(e.maximum))
        e = finiteExtremes(x, n);
    Levels levels;
    levels.minimum = e.minimum;
    levels.maximum = e.maximum;
    const double span = levels.maximum - levels.minimum;
    if (!(span > 0.0)) {
        levels.high = levels.low = levels.minimum;
        return levels;
    }
    bins = std::clamp(bins, 2, MaximumHistogramSize);
    // Four interleaved tables on the stack: on the flat top of a pulse every sample falls in
    // one bin, and with a single table each update would wait for the previous one; tables
    // the compiler knows apart from the samples need no reloading between updates.
    constexpr int Tables = 4;
    // One spare bin past the last for the samples that are not finite numbers.
    int32_t counts[Tables][MaximumHistogramSize + 1];
    double sums[Tables][MaximumHistogramSize + 1];
    for (int k = 0; k < Tables; ++k) {
        std::fill_n(counts[k], bins + 1, 0);
        std::fill_n(sums[k], bins + 1, 0.0);
    }
    const double scale = bins / span;
    const double top = bins - 1;
    const double minimum = levels.minimum;
    // The sample at the maximum lands at (about) bins and belongs to the top bin.
    auto bin = [=](double v) {
        const double t = (v - minimum) * scale;
        if (t >= 0.0 && t < top)
            return int(t);
        return t >= 0.0 && t <= bins + 0.5 ? bins - 1 : bins;
    };
    int32_t i = 0;
    for (; i + Tables <= n; i += Tables) {
        const double a = x[i], b = x[i + 1], c = x[i + 2], d = x[i + 3];
        const int ba = bin(a), bb = bin(b), bc = bin(c), bd = bin(d);
        ++counts[0][ba];
        sums[0][ba] += a;
        ++counts[1][bb];
        sums[1][bb] += b;
        ++counts[2][bc];
        sums[2][bc] += c;
        ++counts[3][bd];
        sums[3][bd] += d;
    }
    for (; i < n; ++i) {
        const int b = bin(x[i]);
        ++counts[0][b];
        sums[0][b] += x[i];
    }
    for (int k = 1; k < Tables; ++k) {
        for (int b = 0; b < bins; ++b) {
            counts[0][b] += counts[k][b];
            sums[0][b] += sums[k][b];
        }
    }
    auto modal = [&](int first, int last) {
        int best = first;
        for (int b = first; b < last; ++b) {
            if (counts[0][b] > counts[0][best])
                best = b;
        }
        return sums[0][best] / std::max(counts[0][best], 1);
    };
    levels.low = modal(0, bins / 2);
    levels.high = modal(bins / 2, bins);
    return levels;
}

// The first index from `from` on whose sample satisfies beyond, n when there is none. Blocks
// of eight samples are decided two quads at a time with one branch, which is what long flat
// stretches need; beyond must take a sample or a SampleQuad.
template<typename Beyond>
NIANLYS_IN_PASS int32_t findFirst(const double *x, int32_t from, int32_t n, Beyond beyond)
{
    int32_t i = from;
    for (; i + 8 <= n; i += 8) {
        const auto lanes = beyond(loadQuad(x + i)) | beyond(loadQuad(x + i + 4));
        if ((lanes[0] | lanes[1]) | (lanes[2] | lanes[3]))
            break;
    }
    for (; i < n; ++i) {
        if (beyond(x[i]))
            return i;
    }
    return n;
}

// Fractional index at which the line from x[p] to x[i] (p < i, both finite) passes level.
double crossing(const double *x, int32_t p, int32_t i, double level)
{
    const double a = x[p];
    const double b = x[i];
    if (a == b)
        return static_cast<double>(i);
    return static_cast<double>(p) + (i - p) * (level - a) / (b - a);
}

// The last finite sample before i, or -1. A sample that is not a finite number (a math channel
// that divided by zero) is missing for every scan: it lies beyond no level, and crossings are
// interpolated between the finite samples around it.
int32_t previousFinite(const double *x, int32_t i)
{
    int32_t p = i - 1;
    while (p >= 0 && !std::isfinite(x[p]))
        --p;
    return p;
}

struct Crossings
{
    std::vector<double> rising;
    std::vector<double> falling;
};

// Crossings of the middle level that complete a transition from beyond one outer reference
// level to beyond the other, so noise around the middle level counts once: of the middle
// crossings in the transition's direction since the last outer level was left, the last.
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
        above = isHigh(x[entry]);
        previous = entry;
        bool dense = false;
        int32_t k = entry + 1; // the next sample to read
        while (k < n) {
            if (!dense) {
                const int32_t next = above ? findFirst(x, k, n, isLow) : findFirst(x, k, n, isHigh);
                if (next >= n)
                    return;
                // The last crossing is the one nearest the sample that made the transition.
                for (int32_t i = next; i > previous;) {
                    const int32_t p = previousFinite(x, i);
                    if (crosses(x[p], x[i])) {
                        remember(p, i);
                        break;
                    }
                    i = p;
                }
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
    }

private:
    static constexpr int32_t Word = 64;
    // Transitions closer than this are looked for a word at a time.
    static constexpr int32_t DenseGap = 32;

    bool crosses(double u, double v) const
    {
        return above ? u > middle && v <= middle : u < middle && v >= middle;
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

// The lists live on from call to call of the thread: a noisy record has hundreds of thousands
// of crossings, and lists made anew each time would take fresh pages from the system.
NIANLYS_RECORD_PASS
const Crossings &middleCrossings(const double *x, int32_t n, double low, double middle, double high)
{
    thread_local Crossings result;
    result.rising.clear();
    result.falling.clear();
    MiddleCrossingScan(x, low, middle, high, result).run(n);
    return result;
}

struct Edge
{
    bool found = false;
    double start = 0.0; // crossing of the first reference level
    double end = 0.0; // crossing of the second
};

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

NIANLYS_RECORD_PASS
Edge firstEdge(const double *x, int32_t n, double from, double to)
{
    return to > from ? firstEdgeOf<true>(x, n, from, to) : firstEdgeOf<false>(x, n, from, to);
}

// Sum and sum of squares of the finite samples; returns how many there are.
int32_t finiteSumAndSquares(const double *x, int32_t n, double &sum, double &squares)
{
    sum = squares = 0.0;
    int32_t finite = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]))
            continue;
        sum += x[i];
        squares += x[i] * x[i];
        ++finite;
    }
    return finite;
}

void sumAndSquares(const double *x, int32_t n, double &sum, double &squares)
{
    double s[4] = {};
    double q[4] = {};
    int32_t i = 0;
    for (; i + 4 <= n; i += 4) {
        for (int k = 0; k < 4; ++k) {
            s[k] += x[i + k];
            q[k] += x[i + k] * x[i + k];
        }
    }
    for (; i < n; ++i) {
        s[0] += x[i];
        q[0] += x[i] * x[i];
    }
    sum = (s[0] + s[1]) + (s[2] + s[3]);
    squares = (q[0] + q[1]) + (q[2] + q[3]);
}

bool validPercentages(double high, double middle, double low)
{
    return low >= 0.0 && low < middle && middle < high && high <= 100.0;
}

} // namespace

NIANLYS_EXPORT int32_t AALFunc142(const double *samples, int32_t count, double *amplitude,
                                  double *highReference, double *middleReference,
                                  double *lowReference, double *highLevel, double *lowLevel,
                                  double *overshoot, double *undershoot, int32_t *riseIndex,
                                  int32_t *fallIndex, int32_t *riseSamples, int32_t *fallSamples,
                                  double *riseSlope)
{
    countCall(PulseParamCalls);
    double results[9] = {};
    int32_t indexes[4] = {-1, -1, 0, 0};
    int32_t status = ErrorTooFewSamples;
    if (samples && count >= 2) {
        status = NoError;
        const Levels levels = stateLevels(samples, count, DefaultHistogramSize);
        const double span = levels.high - levels.low;
        const double high = levels.low + 0.9 * span;
        const double middle = levels.low + 0.5 * span;
        const double low = levels.low + 0.1 * span;
        results[0] = span;
        results[1] = high;
        results[2] = middle;
        results[3] = low;
        results[4] = levels.high;
        results[5] = levels.low;
        // Per cent of the amplitude, the unit they are shown in.
        if (span > 0.0) {
            results[6] = 100.0 * std::max(0.0, levels.maximum - levels.high) / span;
            results[7] = 100.0 * std::max(0.0, levels.low - levels.minimum) / span;
        }
        if (span > 0.0) {
            const Edge rise = firstEdge(samples, count, low, high);
            const Edge fall = firstEdge(samples, count, high, low);
            if (rise.found) {
                const double samplesTaken = rise.end - rise.start;
                indexes[0] = static_cast<int32_t>(std::floor(rise.start));
                indexes[2] = static_cast<int32_t>(std::lround(samplesTaken));
                results[8] = samplesTaken > 0.0 ? (high - low) / samplesTaken : 0.0;
            }
            if (fall.found) {
                indexes[1] = static_cast<int32_t>(std::floor(fall.start));
                indexes[3] = static_cast<int32_t>(std::lround(fall.end - fall.start));
            }
        }
    }
    put(amplitude, results[0]);
    put(highReference, results[1]);
    put(middleReference, results[2]);
    put(lowReference, results[3]);
    put(highLevel, results[4]);
    put(lowLevel, results[5]);
    put(overshoot, results[6]);
    put(undershoot, results[7]);
    put(riseIndex, indexes[0]);
    put(fallIndex, indexes[1]);
    put(riseSamples, indexes[2]);
    put(fallSamples, indexes[3]);
    put(riseSlope, results[8]);
    return status;
}

NIANLYS_EXPORT int32_t AALFunc364(const double *samples, int32_t count, int32_t polarity,
                                  int32_t /*method*/, double highPercent, double middlePercent,
                                  double lowPercent, int32_t /*a*/, int32_t /*b*/,
                                  int32_t histogramSize, double *period, double *width,
                                  double *dutyCycle, double *periods, double *firstCrossing,
                                  double *highLevel, double *lowLevel)
{
    countCall(PulseMeasCalls);
    double results[7] = {};
    int32_t status = ErrorTooFewSamples;
    if (!validPercentages(highPercent, middlePercent, lowPercent)) {
        status = ErrorLevels;
    } else if (samples && count >= 2) {
        status = NoError;
        const Levels levels = stateLevels(samples, count,
                                          histogramSize > 1 ? histogramSize : DefaultHistogramSize);
        const double span = levels.high - levels.low;
        results[5] = levels.high;
        results[6] = levels.low;
        if (span > 0.0) {
            const Crossings &c =
                    middleCrossings(samples, count, levels.low + lowPercent / 100.0 * span,
                                    levels.low + middlePercent / 100.0 * span,
                                    levels.low + highPercent / 100.0 * span);
            const std::vector<double> &starts = polarity ? c.rising : c.falling;
            const std::vector<double> &ends = polarity ? c.falling : c.rising;
            // The period from the first to the last start of a pulse of this polarity.
            if (starts.size() >= 2) {
                results[0] = (starts.back() - starts.front()) / double(starts.size() - 1);
                results[3] = double(starts.size() - 1);
            }
            // Each pulse ends at the first crossing the other way after its start; both
            // lists are in order, so the end is searched for from the last one on.
            double widths = 0.0;
            int pulses = 0;
            auto end = ends.begin();
            for (double start : starts) {
                while (end != ends.end() && *end <= start)
                    ++end;
                if (end == ends.end())
                    break;
                widths += *end - start;
                ++pulses;
            }
            if (pulses > 0)
                results[1] = widths / pulses;
            if (results[0] > 0.0)
                results[2] = results[1] / results[0];
            if (!starts.empty())
                results[4] = starts.front();
        }
    }
    put(period, results[0]);
    put(width, results[1]);
    put(dutyCycle, results[2]);
    put(periods, results[3]);
    put(firstCrossing, results[4]);
    put(highLevel, results[5]);
    put(lowLevel, results[6]);
    return status;
}

NIANLYS_EXPORT int32_t AALFunc365(const double *samples, int32_t count, int32_t /*method*/,
                                  double highPercent, double middlePercent, double lowPercent,
                                  int32_t /*a*/, int32_t /*b*/, int32_t histogramSize, double *mean,
                                  double *rms, double *cycles, double *first, double *last,
                                  double *highLevel, double *lowLevel)
{
    countCall(CycleRmsAverageCalls);
    double results[7] = {};
    int32_t status = ErrorTooFewSamples;
    if (!validPercentages(highPercent, middlePercent, lowPercent)) {
        status = ErrorLevels;
    } else if (samples && count >= 1) {
        status = NoError;
        const Levels levels = stateLevels(samples, count,
                                          histogramSize > 1 ? histogramSize : DefaultHistogramSize);
        const double span = levels.high - levels.low;
        // Whole cycles lie between the first and the last rising crossing; without two of
        // them the whole record stands for one cycle.
        int32_t begin = 0;
        int32_t end = count;
        double wholeCycles = 0.0;
        if (span > 0.0) {
            const Crossings &c =
                    middleCrossings(samples, count, levels.low + lowPercent / 100.0 * span,
                                    levels.low + middlePercent / 100.0 * span,
                                    levels.low + highPercent / 100.0 * span);
            if (c.rising.size() >= 2) {
                begin = static_cast<int32_t>(std::lround(c.rising.front()));
                end = static_cast<int32_t>(std::lround(c.rising.back()));
                wholeCycles = double(c.rising.size() - 1);
            }
        }
        double sum = 0.0;
        double squares = 0.0;
        sumAndSquares(samples + begin, end - begin, sum, squares);
        int32_t taken = end - begin;
        // The slow way for a cycle with a sample that is not a finite number: it is left out.
        if (!std::isfinite(squares))
            taken = finiteSumAndSquares(samples + begin, end - begin, sum, squares);
        const double length = std::max(1, taken);
        results[0] = sum / length;
        results[1] = std::sqrt(squares / length);
        results[2] = wholeCycles;
        results[3] = begin;
        results[4] = end;
        results[5] = levels.high;
        results[6] = levels.low;
    }
    put(mean, results[0]);
    put(rms, results[1]);
    put(cycles, results[2]);
    put(first, results[3]);
    put(last, results[4]);
    put(highLevel, results[5]);
    put(lowLevel, results[6]);
    return status;
}

NIANLYS_EXPORT int32_t nianlysCallCount(const char *exportName)
{
    static const char *const names[CountedFunctions] = {NIANLYS_PULSE_PARAM_EXPORT,
                                                        NIANLYS_PULSE_MEAS_EXPORT,
                                                        NIANLYS_CYCLE_RMS_AVERAGE_EXPORT};
    for (int f = 0; f < CountedFunctions; ++f) {
        if (exportName && std::strcmp(exportName, names[f]) == 0)
            return callCounts[f].load(std::memory_order_relaxed);
    }
    return -1;
}

NIANLYS_EXPORT void nianlysResetCallCounts()
{
    for (std::atomic<int32_t> &count : callCounts)
        count.store(0, std::memory_order_relaxed);
}

// The declared function types must fit the exports, or the program's look-up would call
// them with the wrong arguments.
static_assert(std::is_same<decltype(&AALFunc142), NianlysPulseParamFunction>::value, "PulseParam");
static_assert(std::is_same<decltype(&AALFunc364), NianlysPulseMeasFunction>::value, "PulseMeas");
static_assert(std::is_same<decltype(&AALFunc365), NianlysCycleRmsAverageFunction>::value,
              "CycleRMSAverage");
static_assert(std::is_same<decltype(&nianlysCallCount), NianlysCallCountFunction>::value,
              "CallCount");
static_assert(
        std::is_same<decltype(&nianlysResetCallCounts), NianlysResetCallCountsFunction>::value,
        "ResetCallCounts");
