#pragma once
// What the analysis module's passes over a record share: the sample quad, the instruction-set
// versions of a pass, the extremes, the block search and the crossing of a level.
#include <cmath>
#include <cstdint>
#include <cstring>

namespace analysis {

// Four samples as one vector of the compiler's vector extension: the passes' tests are written
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
inline double crossing(const double *x, int32_t p, int32_t i, double level)
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
inline int32_t previousFinite(const double *x, int32_t i)
{
    int32_t p = i - 1;
    while (p >= 0 && !std::isfinite(x[p]))
        --p;
    return p;
}

} // namespace analysis
