#include "hardware/demowaveformgenerator.h"

#include "hardware/vectorclones.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// AVX-512 packs the kept candidates of the polar method; where the instruction-set clones
// are built (see vectorclones.h), a run-time check picks it.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)            \
        && !defined(__SANITIZE_THREAD__)
#define PRALUNE_WIDE_COMPACTION 1
#include <immintrin.h>
#else
#define PRALUNE_WIDE_COMPACTION 0
#endif

namespace {

constexpr double SineAmplitude = 2.0;
constexpr double SineFactor = 6280.0;
constexpr double NoiseScale = 0.1;
constexpr double NoiseDeviation = 5.0;
constexpr double NoiseMean = 0.0;

constexpr int SineBlock = 1024; // samples per sine block (table length)
constexpr std::size_t BatchPairs = 1024; // deviate pairs the polar method makes per batch

constexpr double TwoPow32 = 4294967296.0;
constexpr double TwoPowMinus64 = 0x1p-64;
constexpr double BelowOne = 0x1.fffffffffffffp-1; // std::nextafter(1.0, 0.0)

inline double asDouble(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline std::uint64_t asBits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Exact double of a 32-bit word through the signed conversion, which vectorizes.
inline double wordToDouble(std::uint32_t word)
{
    return double(std::int32_t(word ^ 0x80000000u)) + 2147483648.0;
}

// std::generate_canonical<double, 53> over a 32-bit engine: two outputs, the first as the
// low part, summed in double precision; a sum that rounds up to 2^64 gives the largest
// double below 1.
inline double canonical(std::uint32_t low, std::uint32_t high)
{
    const double sum = wordToDouble(low) + wordToDouble(high) * TwoPow32;
    return std::min(sum * TwoPowMinus64, BelowOne);
}

// Natural logarithm of a positive normal number, written without calls and branches so a
// loop over it vectorizes: v = m · 2^e with m in [sqrt(1/2), sqrt(2)), and
// log(m) = 2 atanh(s), s = (m - 1) / (m + 1), from its series in s². Within an ulp or two
// of std::log, which leaves the deviates within a few ulps of the standard library's.
inline double logarithm(double v)
{
    constexpr double Ln2High = 0x1.62e42feep-1; // e · Ln2High is exact
    constexpr double Ln2Low = 0x1.a39ef35793c76p-33;
    constexpr double Sqrt2 = 1.4142135623730951;
    constexpr double ExponentBias = 4503599627370496.0 + 1023.0; // 2^52 + 1023

    const std::uint64_t bits = asBits(v);
    double e = asDouble((bits >> 52) | 0x4330000000000000ull) - ExponentBias;
    double m = asDouble((bits & 0x000fffffffffffffull) | 0x3ff0000000000000ull);
    const bool upper = m > Sqrt2;
    m = upper ? m * 0.5 : m;
    e = upper ? e + 1.0 : e;

    const double f = m - 1.0;
    const double s = f / (2.0 + f);
    const double z = s * s;
    const double r = z
            * (2.0 / 3
               + z
                       * (2.0 / 5
                          + z
                                  * (2.0 / 7
                                     + z
                                             * (2.0 / 9
                                                + z
                                                        * (2.0 / 11
                                                           + z
                                                                   * (2.0 / 13
                                                                      + z
                                                                              * (2.0 / 15
                                                                                 + z
                                                                                         * (2.0 / 17
                                                                                            + z
                                                                                                    * (2.0 / 19
                                                                                                       + z * (2.0 / 21))))))))));
    const double halfSquare = 0.5 * f * f;
    return e * Ln2High - ((halfSquare - (s * (halfSquare + r) + e * Ln2Low)) - f);
}

// sin and cos of the angle hi + lo (lo a tiny correction of hi).
inline void sinCos(double hi, double lo, double &sine, double &cosine)
{
    const double s = std::sin(hi);
    const double c = std::cos(hi);
    sine = s + c * lo;
    cosine = c - s * lo;
}

// Moves the candidates from..n inside the unit circle (0 < r2 <= 1) down to kept on, in
// order; returns the new count of kept candidates.
std::size_t keepInsideCircle(double *x, double *y, double *r2, std::size_t kept, std::size_t from,
                             std::size_t n)
{
    for (std::size_t i = from; i < n; ++i) {
        const double r = r2[i];
        x[kept] = x[i];
        y[kept] = y[i];
        r2[kept] = r;
        kept += std::size_t(r <= 1.0 && r != 0.0);
    }
    return kept;
}

#if PRALUNE_WIDE_COMPACTION
// The same with AVX-512, eight candidates a step, which the scalar loop cannot be made into:
// the kept ones are packed in a register and the whole register stored. The lanes past them
// land on candidates of this step, already read, or on places later steps write again; a
// packed store straight to memory would be much slower on some processors.
__attribute__((target("avx512f"))) std::size_t keepInsideCircleWide(double *x, double *y,
                                                                    double *r2, std::size_t n)
{
    const __m512d one = _mm512_set1_pd(1.0);
    const __m512d zero = _mm512_setzero_pd();
    std::size_t kept = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m512d r = _mm512_loadu_pd(r2 + i);
        const __mmask8 keep =
                _mm512_cmp_pd_mask(r, one, _CMP_LE_OQ) & _mm512_cmp_pd_mask(r, zero, _CMP_NEQ_OQ);
        const __m512d xs = _mm512_loadu_pd(x + i);
        const __m512d ys = _mm512_loadu_pd(y + i);
        _mm512_storeu_pd(x + kept, _mm512_maskz_compress_pd(keep, xs));
        _mm512_storeu_pd(y + kept, _mm512_maskz_compress_pd(keep, ys));
        _mm512_storeu_pd(r2 + kept, _mm512_maskz_compress_pd(keep, r));
        kept += std::size_t(__builtin_popcount(keep));
    }
    return keepInsideCircle(x, y, r2, kept, i, n);
}
#endif

} // namespace

DemoWaveformGenerator::DemoWaveformGenerator() = default;

void DemoWaveformGenerator::generateFrame(double *const *rows, int rowCount, int pointCount,
                                          double period)
{
    // A new distribution for every frame: no deviate is carried over from the last one.
    m_deviateIndex = 0;
    m_deviateCount = 0;
    if (rowCount <= 0 || pointCount <= 0)
        return;
    m_pairsLeft = (std::size_t(rowCount) * std::size_t(pointCount) + 1) / 2;

    prepareSine(pointCount, period);
    for (int r = 0; r < rowCount; ++r)
        fillRow(rows[r], pointCount);
}

// The angles of the samples are the reference's own, 6280 · k · period rounded to double.
// Angle addition gives sin and cos of the exact k · h (h = 6280 · period) from the block
// tables, and the difference between the exact angle and the rounded one, computed exactly,
// corrects for the rounding: that keeps long frames at long periods equal to the reference.
void DemoWaveformGenerator::prepareSine(int pointCount, double period)
{
    const std::size_t blocks = (std::size_t(pointCount) + SineBlock - 1) / SineBlock;
    if (m_sineValid && period == m_sinePeriod && m_blockSin.size() >= blocks)
        return;

    const double high = SineFactor * period;
    m_stepLow = std::fma(SineFactor, period, -high);
    // With the low 27 bits of the mantissa cleared, k · m_stepHigh (k < 2^26) is exact,
    // and so is k · m_stepMid with the 27 bits that remain.
    m_stepHigh = asDouble(asBits(high) & ~((std::uint64_t(1) << 27) - 1));
    m_stepMid = high - m_stepHigh;

    const auto angleSinCos = [&](double k, double &sine, double &cosine) {
        const double hi = k * high;
        const double lo = std::fma(k, high, -hi) + k * m_stepLow;
        sinCos(hi, lo, sine, cosine);
    };
    m_stepSin.resize(SineBlock);
    m_stepCos.resize(SineBlock);
    for (int j = 0; j < SineBlock; ++j)
        angleSinCos(double(j), m_stepSin[std::size_t(j)], m_stepCos[std::size_t(j)]);
    m_blockSin.resize(blocks);
    m_blockCos.resize(blocks);
    for (std::size_t b = 0; b < blocks; ++b)
        angleSinCos(double(b) * SineBlock, m_blockSin[b], m_blockCos[b]);

    m_sinePeriod = period;
    m_sineValid = true;
}

PRALUNE_VECTOR_CLONES
void DemoWaveformGenerator::fillRow(double *row, int pointCount)
{
    const double period = m_sinePeriod;
    const double stepHigh = m_stepHigh;
    const double stepMid = m_stepMid;
    const double stepLow = m_stepLow;
    const double *stepSin = m_stepSin.data();
    const double *stepCos = m_stepCos.data();

    for (int start = 0, block = 0; start < pointCount; start += SineBlock, ++block) {
        const int length = std::min(SineBlock, pointCount - start);
        const double blockSin = m_blockSin[std::size_t(block)];
        const double blockCos = m_blockCos[std::size_t(block)];
        int j = 0;
        while (j < length) {
            if (m_deviateIndex == m_deviateCount)
                refillDeviates();
            const int count = int(std::min<std::size_t>(std::size_t(length - j),
                                                        m_deviateCount - m_deviateIndex));
            const double *g = m_deviates.data() + m_deviateIndex;
            double *out = row + start + j;
            const double *bs = stepSin + j;
            const double *bc = stepCos + j;
            const int k0 = start + j;
            for (int t = 0; t < count; ++t) {
                const double k = double(k0 + t);
                const double angle = SineFactor * k * period;
                const double error = ((k * stepHigh - angle) + k * stepMid) + k * stepLow;
                const double sine = blockSin * bc[t] + blockCos * bs[t];
                const double cosine = blockCos * bc[t] - blockSin * bs[t];
                const double deviate = g[t];
                // |deviate| stays below 70 (|y| · sqrt(-2 ln r2 / r2) <= sqrt(-2 ln r2)),
                // so the integer conversion is the truncation.
                const double fraction = deviate - double(int(deviate));
                out[t] = SineAmplitude * (sine - cosine * error) + NoiseScale * fraction;
            }
            m_deviateIndex += std::size_t(count);
            j += count;
        }
    }
}

// Marsaglia's polar method as the standard library runs it, over a batch of candidate pairs
// at a time: two uniforms x, y in (-1, 1) per candidate, kept when 0 < x² + y² <= 1; the
// first deviate of a pair is y · f, the second x · f, f = sqrt(-2 ln r2 / r2).
PRALUNE_VECTOR_CLONES
void DemoWaveformGenerator::refillDeviates()
{
    const std::size_t wanted = std::min(BatchPairs, m_pairsLeft);
    const std::size_t capacity = 3 * BatchPairs + 64;
    m_words.resize(4 * capacity);
    m_x.resize(capacity);
    m_y.resize(capacity);
    m_r2.resize(capacity);
    double *xs = m_x.data();
    double *ys = m_y.data();
    double *r2s = m_r2.data();

    std::size_t accepted = 0;
    while (accepted < wanted) {
        // About 4/π candidates per pair; a few more go into this batch rather than making
        // another round, but never more than the frame has samples for, so that the engine
        // ends the frame where the standard distribution leaves it.
        const std::size_t needed = wanted - accepted;
        const std::size_t candidates = std::min(needed + needed / 3 + 16, m_pairsLeft - accepted);
        std::uint32_t *w = m_words.data();
        m_twister.generate(w, 4 * candidates);

        double *x = xs + accepted;
        double *y = ys + accepted;
        double *r2 = r2s + accepted;
        for (std::size_t i = 0; i < candidates; ++i) {
            const double u = canonical(w[4 * i], w[4 * i + 1]);
            const double v = canonical(w[4 * i + 2], w[4 * i + 3]);
            const double a = 2.0 * u - 1.0;
            const double b = 2.0 * v - 1.0;
            x[i] = a;
            y[i] = b;
            r2[i] = a * a + b * b;
        }
#if PRALUNE_WIDE_COMPACTION
        static const bool wide = __builtin_cpu_supports("avx512f");
        const std::size_t kept = wide ? keepInsideCircleWide(x, y, r2, candidates)
                                      : keepInsideCircle(x, y, r2, 0, 0, candidates);
#else
        const std::size_t kept = keepInsideCircle(x, y, r2, 0, 0, candidates);
#endif
        accepted += kept;
    }
    m_pairsLeft -= accepted;

    m_deviates.resize(2 * capacity);
    double *g = m_deviates.data();
    for (std::size_t i = 0; i < accepted; ++i) {
        const double r = r2s[i];
        const double factor = std::sqrt(-2 * logarithm(r) / r);
        g[2 * i] = ys[i] * factor * NoiseDeviation + NoiseMean;
        g[2 * i + 1] = xs[i] * factor * NoiseDeviation + NoiseMean;
    }
    m_deviateIndex = 0;
    m_deviateCount = 2 * accepted;
}
