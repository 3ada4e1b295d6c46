#include "resources/kw7signaltables.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kw7 {

namespace {

constexpr unsigned int kMaxTableLength = 1024;
constexpr unsigned int kMinPeriodSamples = 10;

// A share of the period in per cent, kept inside 0..100 so the high or rising part never
// exceeds the table (NaN counts as 0).
double percent(double value)
{
    if (!(value > 0.0))
        return 0.0;
    return std::min(value, 100.0);
}

unsigned int share(unsigned int count, double percentValue)
{
    return std::min(count, static_cast<unsigned int>(count * percent(percentValue) / 100.0));
}

void appendRun(QVector<double> &table, unsigned int count, double start, double increment)
{
    double value = start;
    for (unsigned int i = 0; i < count; ++i) {
        table.append(value);
        value += increment;
    }
}

} // namespace

std::pair<int, int> sampleRateCodes(unsigned int samplingFrequency)
{
    switch (samplingFrequency) {
    case 75:
        return {0, 0};
    case 150:
        return {1, 1};
    case 300:
        return {2, 2};
    case 600:
        return {3, 2};
    default:
        return {4, 2};
    }
}

unsigned int getDataSpeed(unsigned int samplingFrequency)
{
    switch (samplingFrequency) {
    case 75:
        return 75000000;
    case 150:
        return 150000000;
    default:
        return 300000000;
    }
}

AfgDataParams calculateAFGDataParams(double frequency, unsigned int dataSpeed)
{
    if (!(frequency > 0.0) || !std::isfinite(frequency))
        return {};
    const double periodSamples = dataSpeed / frequency;
    if (periodSamples < kMinPeriodSamples)
        return {};
    // A period longer than the counter can hold gets the longest table the decimation allows;
    // converting without the clamp would overflow below about 0.07 Hz.
    constexpr double longest = std::numeric_limits<unsigned int>::max();
    const unsigned int n = static_cast<unsigned int>(std::min(periodSamples, longest));
    const unsigned int d = n <= kMaxTableLength ? 1 : n / kMaxTableLength + 1;
    return {n / d, double(d) / dataSpeed};
}

FunctionTable functionTable(FunctionGeneratorStandardFunction function,
                            const FunctionGeneratorStartardFunctionOptions &options,
                            unsigned int dataSpeed)
{
    using F = FunctionGeneratorStandardFunction;
    double amplitude = 0.0;
    double frequency = 0.0;
    switch (function) {
    case F::Square:
        amplitude = options.squareOptions.double_amplitude;
        frequency = options.squareOptions.frequency;
        break;
    case F::Rectangular:
        amplitude = options.rectangularOptions.double_amplitude;
        frequency = options.rectangularOptions.frequency;
        break;
    case F::Triangular:
        amplitude = options.triangluarOptions.double_amplitude;
        frequency = options.triangluarOptions.frequency;
        break;
    case F::PositiveRamp:
        amplitude = options.positiveRampOptions.double_amplitude;
        frequency = options.positiveRampOptions.frequency;
        break;
    case F::NegativeRamp:
        amplitude = options.negativeRampOptions.double_amplitude;
        frequency = options.negativeRampOptions.frequency;
        break;
    default:
        return {};
    }

    const AfgDataParams params = calculateAFGDataParams(frequency, dataSpeed);
    unsigned int count = params.count;
    if (count == 0)
        return {};

    FunctionTable table;
    table.step = params.step;
    const double high = amplitude / 2.0;
    switch (function) {
    case F::Square:
        count -= count % 2;
        table.samples.fill(high, count);
        std::fill(table.samples.begin() + count / 2, table.samples.end(), -high);
        break;
    case F::Rectangular: {
        const unsigned int h = share(count, options.rectangularOptions.duty_cycle);
        table.samples.fill(-high, count);
        std::fill(table.samples.begin(), table.samples.begin() + h, high);
        break;
    }
    case F::Triangular: {
        const unsigned int up = share(count, options.triangluarOptions.symmetry);
        const unsigned int down = count - up;
        table.samples.reserve(count);
        if (up > 0)
            appendRun(table.samples, up, -high, amplitude / up);
        if (down > 0)
            appendRun(table.samples, down, high, -amplitude / down);
        break;
    }
    case F::PositiveRamp:
        table.samples.reserve(count);
        appendRun(table.samples, count, -high, amplitude / (count - 1));
        break;
    case F::NegativeRamp:
        table.samples.reserve(count);
        appendRun(table.samples, count, high, -amplitude / (count - 1));
        break;
    default:
        break;
    }
    return table;
}

double reducedPhase(double phase)
{
    if (!std::isfinite(phase))
        return 0.0;
    const long long tenths = static_cast<long long>(std::trunc(std::fmod(phase, 3600000.0) * 10));
    return double(tenths % 3600) * 0.1;
}

QVector<double> interleaveAwgSignals(const QVector<QVector<double>> &channelSignals,
                                     unsigned int *length)
{
    int n = 0;
    for (const QVector<double> &signal : channelSignals)
        n = std::max(n, signal.size());
    const int l = n + n % 16;
    if (length)
        *length = unsigned(l);

    QVector<double> buffer;
    buffer.reserve(l * channelSignals.size());
    for (int k = 0; k < l; ++k) {
        for (const QVector<double> &signal : channelSignals)
            buffer.append(signal.isEmpty() ? 0.0 : signal.at(k % signal.size()));
    }
    return buffer;
}

} // namespace kw7
