#pragma once

#include <QVector>

#include <cmath>
#include <random>

// The simulated frame as the code first read: a sample at a time through the standard
// library, sine and noise, into channel rows 0 .. channels - 1 of `points` samples each at
// `period` seconds, the rows written wherever the receivers' records still share them. The
// benchmarks' straightforward path.
inline void straightforwardFrame(std::mt19937 &engine, QVector<QVector<double>> &rows, int channels,
                                 int points, double period)
{
    std::normal_distribution<double> noise(0.0, 5.0);
    for (int c = 0; c < channels; ++c) {
        QVector<double> &row = rows[c];
        row.resize(points);
        for (int k = 0; k < points; ++k) {
            const double g = noise(engine);
            row[k] = 2 * std::sin(6280.0 * k * period) + 0.1 * (g - std::trunc(g));
        }
    }
}
