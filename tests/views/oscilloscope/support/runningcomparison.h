#pragma once

#include <QVector>

#include <algorithm>

// The plot's thinning as a straightforward running comparison per bucket: the reference the
// fast one must equal point for point, and the benchmarks' straightforward path.
inline void runningComparisonPoints(const QVector<double> &samples, int first, int end,
                                    int maxVisiblePoints, double x0, double dx, double gain,
                                    QVector<double> &xs, QVector<double> &ys)
{
    first = std::max(first, 0);
    end = std::min(end, samples.size());
    const int count = end - first;
    if (count <= 0)
        return;
    const double *s = samples.constData();
    if (count <= maxVisiblePoints) {
        for (int i = first; i < end; ++i) {
            xs.append(x0 + i * dx);
            ys.append(s[i] * gain);
        }
        return;
    }
    const int bucket = std::max(count / std::max(maxVisiblePoints / 2, 1), 1);
    xs.append(x0 + first * dx);
    ys.append(s[first] * gain);
    for (int i = first + 1; i < end;) {
        const int len = end - i <= bucket ? end - i : bucket;
        int minAt = i;
        int maxAt = i;
        double minimum = s[i];
        double maximum = s[i];
        for (int k = i + 1; k < i + len; ++k) {
            if (s[k] < minimum) {
                minimum = s[k];
                minAt = k;
            }
            if (s[k] > maximum) {
                maximum = s[k];
                maxAt = k;
            }
        }
        const int earlier = minAt <= maxAt ? minAt : maxAt;
        const int later = minAt <= maxAt ? maxAt : minAt;
        xs.append(x0 + earlier * dx);
        ys.append(s[earlier] * gain);
        xs.append(x0 + later * dx);
        ys.append(s[later] * gain);
        i += len;
    }
}
