#include "levels.h"

#include <algorithm>

namespace analysis {

namespace {

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

} // namespace

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

} // namespace analysis
