// One simulated oscilloscope frame at the largest read limit (two channels of 1,024,000
// points with the math channel at A + B), as the program makes it: the module's demonstration
// reading, its signal, and a receiver that keeps the record by sharing its rows as the plot
// does, so that writing the next frame meets rows still held. Against the same frame written
// straightforwardly (std::sin and std::normal_distribution per sample, a new math row, and
// the deep copy the shared record causes), measured in the same run. Each benchmark also
// reports the worse of its first two frames ("warmup_ms") and the worst frame after them
// ("worst_ms"; the _max aggregate is the worst over all repetitions).
#include "bench/support/straightforwardframe.h"
#include "hardware/mathchannel.h"
#include "hardware/modules/hx2/hx2module.h"
#include "hardware/modules/hx9/hx9module.h"

#include <benchmark/benchmark.h>

#include <QVector>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace {

constexpr int Points = 1024000;
constexpr double Period = 1e-6;

using Rows = QVector<QVector<double>>;
using Clock = std::chrono::steady_clock;

double maximum(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

// Times every iteration's body: the first two frames, which find the rows' two buffers still
// to be allocated and paged in (and the sine tables to be built), apart from the worst of
// the frames after them.
class FrameTimes
{
public:
    template<typename Body>
    void time(Body &&body)
    {
        const Clock::time_point start = Clock::now();
        body();
        const std::chrono::duration<double, std::milli> took = Clock::now() - start;
        if (m_frames++ < 2)
            m_warmUp = std::max(m_warmUp, took.count());
        else
            m_worst = std::max(m_worst, took.count());
    }
    void report(benchmark::State &state) const
    {
        state.counters["warmup_ms"] = m_warmUp;
        state.counters["worst_ms"] = m_worst;
    }

private:
    long m_frames = 0;
    double m_warmUp = 0.0;
    double m_worst = 0.0;
};

void BM_DemoFrameStraightforward(benchmark::State &state)
{
    std::mt19937 engine(5489u);
    Rows rows(3);
    Rows record; // the plot's
    MathChannel math;
    math.configure(true, MathChannel::Sum, 0, 1, 0.0);
    FrameTimes worst;
    for (auto _ : state) {
        worst.time([&] {
            straightforwardFrame(engine, rows, 2, Points, Period);
            math.setSourceData(rows);
            rows[2] = math.calculate();
            record = rows;
        });
        benchmark::DoNotOptimize(record[2].constData());
    }
    worst.report(state);
}
BENCHMARK(BM_DemoFrameStraightforward)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)
        ->ComputeStatistics("max", maximum);

// The program's path: the module's demonstration reading (frame, math row, offsets, signal),
// the receiver keeping the record as the plot does.
template<typename Module>
void demoDataReading(benchmark::State &state, Module &module)
{
    module.configureMath(1, MathChannel::Sum, 0, 1, 0.0);
    module.configureTime(Period, Points * Period, 0.0);
    Rows record;
    QObject::connect(&module, &Module::dataChanged, &module,
                     [&record](double, Rows &rows) { record = rows; });
    FrameTimes worst;
    for (auto _ : state) {
        worst.time([&] { module.dataReading(); });
        benchmark::DoNotOptimize(record[2].constData());
    }
    if (record.size() != 3 || record[2].size() != Points)
        state.SkipWithError("the module made no full frame");
    worst.report(state);
}

void BM_DemoFrame(benchmark::State &state)
{
    HX9Module module;
    module.setDemoMode(true);
    module.configure(0, 1, 0, 0, 0, 1.0, 0.0);
    module.configure(1, 1, 0, 0, 0, 1.0, 0.0);
    demoDataReading(state, module);
}
BENCHMARK(BM_DemoFrame)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)
        ->ComputeStatistics("max", maximum);

void BM_HX2DemoFrame(benchmark::State &state)
{
    HX2Module module;
    module.setDemoMode(true);
    module.configure(0, 1, 0, 1, 0, 0.0);
    module.configure(1, 1, 0, 1, 0, 0.0);
    demoDataReading(state, module);
}
BENCHMARK(BM_HX2DemoFrame)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)
        ->ComputeStatistics("max", maximum);

// The math row alone, as a new row per call and written into a reused one.
void mathChannel(benchmark::State &state, bool into)
{
    Rows rows(2);
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
        if (into)
            math.calculateInto(result);
        else
            result = math.calculate();
        benchmark::DoNotOptimize(result.constData());
    }
}

void BM_MathChannel(benchmark::State &state)
{
    mathChannel(state, false);
}
BENCHMARK(BM_MathChannel)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_MathChannelInto(benchmark::State &state)
{
    mathChannel(state, true);
}
BENCHMARK(BM_MathChannelInto)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
