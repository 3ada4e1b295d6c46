// The measurement evaluations over one oscilloscope frame at the largest read limit
// (1,024,000 points of a square wave): the oscilloscope's default selection, every
// evaluation, the inline ones alone and each family alone.
#include "resources/analysislibrary.h"
#include "resources/evaluatedataprocessor.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace {

constexpr unsigned int Points = 1024000;
constexpr double SampleInterval = 1e-6;

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

void BM_CalcDefaultSelection(benchmark::State &state)
{
    runCalc(state, {EvaluationAmplitude, EvaluationMean, EvaluationRms, EvaluationFrequency});
}
BENCHMARK(BM_CalcDefaultSelection)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CalcAllEvaluations(benchmark::State &state)
{
    runCalc(state, range(EvaluationTypeFirst, EvaluationTypeLast));
}
BENCHMARK(BM_CalcAllEvaluations)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CalcInline(benchmark::State &state)
{
    runCalc(state, {EvaluationMinimum, EvaluationMean, EvaluationRms});
}
BENCHMARK(BM_CalcInline)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_CalcCycleFamily(benchmark::State &state)
{
    runCalc(state, {EvaluationCycleMean});
}
BENCHMARK(BM_CalcCycleFamily)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_CalcPulseParamFamily(benchmark::State &state)
{
    runCalc(state, {EvaluationAmplitude});
}
BENCHMARK(BM_CalcPulseParamFamily)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_CalcPulseMeasFamily(benchmark::State &state)
{
    runCalc(state, {EvaluationFrequency});
}
BENCHMARK(BM_CalcPulseMeasFamily)->Unit(benchmark::kMillisecond)->MinTime(1.0);

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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
