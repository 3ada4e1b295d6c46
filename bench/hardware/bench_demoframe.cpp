// One simulated oscilloscope frame at the largest read limit (two channels of 1,024,000
// points with the math channel on), against the same frame written straightforwardly, and
// the math channel alone.
#include "hardware/demowaveformgenerator.h"
#include "hardware/mathchannel.h"

#include <benchmark/benchmark.h>

#include <QVector>

#include <cmath>
#include <random>

namespace {

constexpr int Points = 1024000;
constexpr double Period = 1e-6;

void straightforwardFrame(std::mt19937 &engine, QVector<QVector<double>> &rows, int channels)
{
    std::normal_distribution<double> noise(0.0, 5.0);
    for (int c = 0; c < channels; ++c) {
        QVector<double> &row = rows[c];
        row.resize(Points);
        for (int k = 0; k < Points; ++k) {
            const double g = noise(engine);
            row[k] = 2 * std::sin(6280.0 * k * Period) + 0.1 * (g - std::trunc(g));
        }
    }
}

void BM_DemoFrameStraightforward(benchmark::State &state)
{
    std::mt19937 engine(5489u);
    QVector<QVector<double>> rows(3);
    MathChannel math;
    math.configure(true, MathChannel::Difference, 0, 1, 0.0);
    for (auto _ : state) {
        straightforwardFrame(engine, rows, 2);
        math.setSourceData(rows);
        rows[2] = math.calculate();
        benchmark::DoNotOptimize(rows[2].constData());
    }
}
BENCHMARK(BM_DemoFrameStraightforward)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DemoFrame(benchmark::State &state)
{
    DemoWaveformGenerator generator;
    QVector<QVector<double>> rows(3);
    MathChannel math;
    math.configure(true, MathChannel::Difference, 0, 1, 0.0);
    for (auto _ : state) {
        rows[0].resize(Points);
        rows[1].resize(Points);
        double *targets[] = {rows[0].data(), rows[1].data()};
        generator.generateFrame(targets, 2, Points, Period);
        math.setSourceData(rows);
        rows[2] = math.calculate();
        benchmark::DoNotOptimize(rows[2].constData());
    }
}
BENCHMARK(BM_DemoFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_MathChannel(benchmark::State &state)
{
    QVector<QVector<double>> rows(2);
    std::mt19937 engine(1u);
    std::uniform_real_distribution<double> uniform(-2.0, 2.0);
    for (QVector<double> &row : rows) {
        row.resize(Points);
        for (double &v : row)
            v = uniform(engine);
    }
    MathChannel math;
    math.configure(true, int(state.range(0)), 0, 1, 0.5);
    math.setSourceData(rows);
    QVector<double> result;
    for (auto _ : state) {
        result = math.calculate();
        benchmark::DoNotOptimize(result.constData());
    }
}
BENCHMARK(BM_MathChannel)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
