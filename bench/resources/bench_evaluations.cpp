// The measurement evaluations of the oscilloscope's cycle at the largest read limit: the rows
// of one demonstration frame (channels A and B, 1,024,000 points each, and the math row as
// A + B or as A - B, which is noise) with the default selection {amplitude, mean, RMS,
// frequency} on each, against the straightforward path in the same run, where every
// evaluation is computed on its own (one library call or one pass over the samples each).
// A square wave with every evaluation and with each family alone follows.
#include "resources/analysislibrary.h"
#include "resources/evaluatedataprocessor.h"

#include "hardware/mathchannel.h"
#include "hardware/oscilloscopeframe.h"
#include "support/straightforwardevaluations.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr unsigned int Points = 1024000;
constexpr double SampleInterval = 1e-6;

const std::vector<EvaluationType> DefaultSelection {EvaluationAmplitude, EvaluationMean,
                                                    EvaluationRms, EvaluationFrequency};

// The rows the cycle evaluates, as the demonstration module makes them.
enum Row { ChannelA, ChannelB, MathSum, MathDifference, Rows };
const char *const RowNames[Rows] = {"A", "B", "A+B", "A-B"};

QVector<QVector<double>> demonstrationFrame(int operation)
{
    OscilloscopeFrame frame(2, SampleInterval);
    frame.setChannel(0, true, 0.0);
    frame.setChannel(1, true, 0.0);
    frame.configureMath(true, operation, 0, 1, 0.0);
    frame.setTimeBase(SampleInterval, Points * SampleInterval, 0.0);
    frame.generateDemo();
    frame.complete();
    return frame.rows();
}

const std::vector<QVector<double>> &rows()
{
    static const std::vector<QVector<double>> all = [] {
        const QVector<QVector<double>> sum = demonstrationFrame(MathChannel::Sum);
        const QVector<QVector<double>> difference = demonstrationFrame(MathChannel::Difference);
        return std::vector<QVector<double>> {sum[0], sum[1], sum[2], difference[2]};
    }();
    return all;
}

// The slowest repetition beside the median: the cycle has a bound on its worst frame too.
double worst(const std::vector<double> &times)
{
    return *std::max_element(times.begin(), times.end());
}

double evaluate(const QVector<double> &x, bool fast)
{
    const EvaluationResults results = fast
            ? calc(0.0, SampleInterval, x.constData(), unsigned(x.size()), DefaultSelection, 0, -1)
            : straightforward::calc(SampleInterval, x.constData(), size_t(x.size()),
                                    DefaultSelection);
    return results.back().second;
}

// One row: range(0) is the row, range(1) 1 for calc and 0 for the straightforward path.
void BM_DefaultSelectionRow(benchmark::State &state)
{
    const QVector<double> &x = rows()[size_t(state.range(0))];
    const bool fast = state.range(1) != 0;
    state.SetLabel(std::string(RowNames[state.range(0)]) + (fast ? " calc" : " straightforward"));
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluate(x, fast));
}
BENCHMARK(BM_DefaultSelectionRow)
        ->ArgsProduct({{ChannelA, ChannelB, MathSum, MathDifference}, {1, 0}})
        ->ComputeStatistics("worst", worst)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(1.0);

// The three rows of one cycle: range(0) is the math row, range(1) as above.
void BM_DefaultSelectionCycle(benchmark::State &state)
{
    const std::vector<QVector<double>> &all = rows();
    const QVector<double> &math = all[size_t(state.range(0))];
    const bool fast = state.range(1) != 0;
    state.SetLabel(std::string("A, B, ") + RowNames[state.range(0)]
                   + (fast ? " calc" : " straightforward"));
    // The slowest single cycle, beside the mean the repetitions report.
    double slowest = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(evaluate(all[ChannelA], fast));
        benchmark::DoNotOptimize(evaluate(all[ChannelB], fast));
        benchmark::DoNotOptimize(evaluate(math, fast));
        const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, took.count());
    }
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_DefaultSelectionCycle)
        ->ArgsProduct({{MathSum, MathDifference}, {1, 0}})
        ->ComputeStatistics("worst", worst)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);

// 1 kHz at 1 MS/s, 40 % duty, between -0.5 V and 2 V.
const std::vector<double> &squareWave()
{
    static const std::vector<double> samples = [] {
        std::vector<double> x(Points);
        for (unsigned int k = 0; k < Points; ++k)
            x[k] = k % 1000 < 400 ? 2.0 : -0.5;
        return x;
    }();
    return samples;
}

std::vector<EvaluationType> range(int firstType, int lastType)
{
    std::vector<EvaluationType> types;
    for (int t = firstType; t <= lastType; ++t)
        types.push_back(EvaluationType(t));
    return types;
}

void runCalc(benchmark::State &state, const std::vector<EvaluationType> &types)
{
    const std::vector<double> &x = squareWave();
    for (auto _ : state) {
        EvaluationResults results = calc(0.0, SampleInterval, x.data(), Points, types, 0, -1);
        benchmark::DoNotOptimize(results.data());
    }
}

void BM_SquareAllEvaluations(benchmark::State &state)
{
    runCalc(state, range(EvaluationTypeFirst, EvaluationTypeLast));
}
BENCHMARK(BM_SquareAllEvaluations)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_SquareAllEvaluationsStraightforward(benchmark::State &state)
{
    const std::vector<double> &x = squareWave();
    const std::vector<EvaluationType> types = range(EvaluationTypeFirst, EvaluationTypeLast);
    for (auto _ : state) {
        EvaluationResults results = straightforward::calc(SampleInterval, x.data(), Points, types);
        benchmark::DoNotOptimize(results.data());
    }
}
BENCHMARK(BM_SquareAllEvaluationsStraightforward)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_SquareInline(benchmark::State &state)
{
    runCalc(state, {EvaluationMinimum, EvaluationMean, EvaluationRms});
}
BENCHMARK(BM_SquareInline)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_SquareCycleFamily(benchmark::State &state)
{
    runCalc(state, {EvaluationCycleMean});
}
BENCHMARK(BM_SquareCycleFamily)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_SquarePulseParamFamily(benchmark::State &state)
{
    runCalc(state, {EvaluationAmplitude});
}
BENCHMARK(BM_SquarePulseParamFamily)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_SquarePulseMeasFamily(benchmark::State &state)
{
    runCalc(state, {EvaluationFrequency});
}
BENCHMARK(BM_SquarePulseMeasFamily)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

// The analysis module is found beside the program, which needs the application object.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // Without the module the families would cost nothing and the figures would mislead.
    const double samples[] = {0.0, 1.0, 0.0, 1.0};
    calc(0.0, SampleInterval, samples, 4, {EvaluationAmplitude}, 0, -1);
    if (!AnalysisLibrary::instance().isLoaded()) {
        std::fprintf(stderr, "The analysis module was not found beside the benchmark.\n");
        return 1;
    }
    if (rows()[ChannelA].size() != int(Points)) {
        std::fprintf(stderr, "The demonstration frame holds %d points, not %u.\n",
                     rows()[ChannelA].size(), Points);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
