#include "views/functiongenerator/functiongeneratorpreview.h"

#include <algorithm>
#include <cmath>

const std::vector<QColor> functionGeneratorChannelColorsLight = {QColor(0xF4, 0x43, 0x36),
                                                                 QColor(0x21, 0x96, 0xF3)};
const std::vector<QColor> functionGeneratorChannelColorsDark = {QColor(0xFF, 0xFF, 0x00),
                                                                QColor(0xFF, 0x00, 0xFF)};

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double periodicSpanFactor = 2.5;
constexpr double levelSpan = 1.0;

// A frequency or span read back from a stored state can be any double; the preview draws only
// finite positive ones and takes any other as 0, so that no curve holds a value that is not a
// number and no count is made from one.
double usable(double value)
{
    return std::isfinite(value) && value > 0.0 ? value : 0.0;
}

double spanOfPeriods(double frequency, double periods)
{
    const double f = usable(frequency);
    return f == 0.0 ? 0.0 : usable(periods / f);
}

// The frame with every span usable, in ascending order again.
FunctionGeneratorPreviewFrame usableFrame(const FunctionGeneratorPreviewFrame &frame)
{
    FunctionGeneratorPreviewFrame checked = frame;
    checked.currentSpan = usable(frame.currentSpan);
    checked.ownSpan = usable(frame.ownSpan);
    for (double &span : checked.sortedSpans)
        span = usable(span);
    std::sort(checked.sortedSpans.begin(), checked.sortedSpans.end());
    return checked;
}

// The phase, from 0 up to but not including 1, of time q within a period T.
double phaseInPeriod(double q, double period)
{
    const double r = std::fmod(q, period) / period;
    return r >= 1.0 || r < 0.0 ? 0.0 : r;
}

// A waveform that repeats each period: its amplitude, frequency and the shape's parameter.
struct Periodic
{
    FunctionGeneratorStandardFunction function;
    double amplitude; // peak
    double frequency;
    double parameter; // duty cycle or symmetry as a fraction
};

Periodic periodicOf(const FunctionGeneratorChannelOptions &options)
{
    const FunctionGeneratorStartardFunctionOptions &o = options.standardFunctionOptions;
    switch (options.standardFunction) {
    case FunctionGeneratorStandardFunction::Square:
        return {options.standardFunction, 0.5 * o.squareOptions.double_amplitude,
                o.squareOptions.frequency, 0.5};
    case FunctionGeneratorStandardFunction::Rectangular:
        return {options.standardFunction, 0.5 * o.rectangularOptions.double_amplitude,
                o.rectangularOptions.frequency, o.rectangularOptions.duty_cycle / 100.0};
    case FunctionGeneratorStandardFunction::Triangular:
        return {options.standardFunction, 0.5 * o.triangluarOptions.double_amplitude,
                o.triangluarOptions.frequency, o.triangluarOptions.symmetry / 100.0};
    case FunctionGeneratorStandardFunction::PositiveRamp:
        return {options.standardFunction, 0.5 * o.positiveRampOptions.double_amplitude,
                o.positiveRampOptions.frequency, 0.0};
    default:
        return {options.standardFunction, 0.5 * o.negativeRampOptions.double_amplitude,
                o.negativeRampOptions.frequency, 0.0};
    }
}

// The vertices of period k, appended in drawing order.
void appendPeriod(const Periodic &p, double period, double k, FunctionGeneratorPreviewCurve &c)
{
    const double a = p.amplitude;
    auto add = [&c, period](double t, double v) {
        c.x.append(t * period);
        c.y.append(v);
    };
    switch (p.function) {
    case FunctionGeneratorStandardFunction::Square:
    case FunctionGeneratorStandardFunction::Rectangular:
        add(k, a);
        add(k + p.parameter, a);
        add(k + p.parameter, -a);
        add(k + 1, -a);
        break;
    case FunctionGeneratorStandardFunction::Triangular:
        add(k, -a);
        add(k + p.parameter, a);
        break;
    case FunctionGeneratorStandardFunction::PositiveRamp:
        add(k, -a);
        add(k + 1, a);
        break;
    default:
        add(k, a);
        add(k + 1, -a);
        break;
    }
}

// The periodic waveform's value at phase r; false where the triangle's peak already has its
// vertex.
bool periodicValueAt(const Periodic &p, double r, double &value)
{
    const double a = p.amplitude;
    const double s = p.parameter;
    switch (p.function) {
    case FunctionGeneratorStandardFunction::Square:
    case FunctionGeneratorStandardFunction::Rectangular:
        value = r < s ? a : -a;
        return true;
    case FunctionGeneratorStandardFunction::Triangular:
        if (r == s)
            return false;
        value = r < s ? -a + 2 * a * r / s : a * (1 + s - 2 * r) / (1 - s);
        return true;
    case FunctionGeneratorStandardFunction::PositiveRamp:
        value = -a + 2 * a * r;
        return true;
    default:
        value = a - 2 * a * r;
        return true;
    }
}

// Where other channels' spans end inside this one's, add a vertex with the value there.
template<typename ValueAt>
void addSpanEnds(const FunctionGeneratorPreviewFrame &frame, FunctionGeneratorPreviewCurve &c,
                 ValueAt valueAt)
{
    for (double q : frame.sortedSpans) {
        if (!(q < frame.ownSpan))
            break;
        double value = 0.0;
        if (!valueAt(q, value))
            continue;
        const int at = int(std::upper_bound(c.x.begin(), c.x.end(), q) - c.x.begin());
        c.x.insert(at, q);
        c.y.insert(at, value);
    }
}

FunctionGeneratorPreviewCurve levelCurve(const FunctionGeneratorPreviewFrame &frame)
{
    FunctionGeneratorPreviewCurve c;
    c.x = {0.0, frame.currentSpan};
    c.y = {0.0, 0.0};
    addSpanEnds(frame, c, [](double, double &value) {
        value = 0.0;
        return true;
    });
    return c;
}

FunctionGeneratorPreviewCurve sineCurve(const FunctionGeneratorChannelOptions &options,
                                        const FunctionGeneratorPreviewFrame &frame)
{
    FunctionGeneratorPreviewCurve c;
    const FunctionGeneratorSineOptions &sine = options.standardFunctionOptions.sineOptions;
    const bool modulated = options.modulationOptions.type != FunctionGeneratorModulationType::Off;
    // Under modulation the sine drawn first is the modulating one.
    const double f = usable(modulated ? options.modulationOptions.frequency : sine.frequency);
    const double phase = modulated ? 0.0 : sine.phase * 2 * pi / 360;
    // A frequency so small that its period overflows has nothing to draw either.
    if (f == 0.0 || !std::isfinite(1.0 / f))
        return c;
    const double a = 0.5 * sine.double_amplitude;
    const double periods = std::ceil(frame.currentSpan / (1.0 / f)) + 1; // compared as a double
    auto valueAt = [a, f, phase](double t) { return a * std::sin(2 * pi * f * t + phase); };
    if (!(periods <= frame.budget)) {
        functionGeneratorBand(frame.budget, a, frame.currentSpan, c.x, c.y);
    } else {
        const double dx = frame.currentSpan / frame.budget;
        c.x.reserve(frame.budget);
        c.y.reserve(frame.budget);
        for (int i = 0; i < frame.budget; ++i) {
            c.x.append(i * dx);
            c.y.append(valueAt(i * dx));
        }
        addSpanEnds(frame, c, [&valueAt](double q, double &value) {
            value = valueAt(q);
            return true;
        });
    }
    if (modulated)
        c.y = functionGeneratorModulate(options, c.x, c.y);
    return c;
}

FunctionGeneratorPreviewCurve periodicCurve(const FunctionGeneratorChannelOptions &options,
                                            const FunctionGeneratorPreviewFrame &frame)
{
    FunctionGeneratorPreviewCurve c;
    const Periodic p = periodicOf(options);
    if (usable(p.frequency) == 0.0)
        return c;
    const double period = 1.0 / p.frequency;
    if (period == 0.0 || !std::isfinite(period))
        return c;
    // Counted as a double: a slow current channel beside a fast one gives counts far beyond
    // any integer type.
    double periods = std::ceil(frame.currentSpan / period);
    if (p.function != FunctionGeneratorStandardFunction::NegativeRamp)
        periods += 1;
    if (!(periods <= frame.budget)) {
        functionGeneratorBand(frame.budget, p.amplitude, frame.currentSpan, c.x, c.y);
        return c;
    }
    for (int k = 0; k < int(periods); ++k)
        appendPeriod(p, period, k, c);
    addSpanEnds(frame, c, [&p, period](double q, double &value) {
        return periodicValueAt(p, phaseInPeriod(q, period), value);
    });
    return c;
}

} // namespace

double functionGeneratorStandardSpan(const FunctionGeneratorChannelOptions &options)
{
    const FunctionGeneratorStartardFunctionOptions &o = options.standardFunctionOptions;
    switch (options.standardFunction) {
    case FunctionGeneratorStandardFunction::Level:
        return levelSpan;
    case FunctionGeneratorStandardFunction::Sine:
        return spanOfPeriods(o.sineOptions.frequency, periodicSpanFactor);
    case FunctionGeneratorStandardFunction::Square:
        return spanOfPeriods(o.squareOptions.frequency, periodicSpanFactor);
    case FunctionGeneratorStandardFunction::Rectangular:
        return spanOfPeriods(o.rectangularOptions.frequency,
                             o.rectangularOptions.duty_cycle / 100 + 2);
    case FunctionGeneratorStandardFunction::Triangular:
        return spanOfPeriods(o.triangluarOptions.frequency, o.triangluarOptions.symmetry / 100 + 2);
    case FunctionGeneratorStandardFunction::PositiveRamp:
        return spanOfPeriods(o.positiveRampOptions.frequency, periodicSpanFactor);
    case FunctionGeneratorStandardFunction::NegativeRamp:
        return spanOfPeriods(o.negativeRampOptions.frequency, periodicSpanFactor);
    default:
        return 0.0;
    }
}

double functionGeneratorWaveformSpan(int sampleCount, double sampleRateMHz)
{
    if (sampleCount <= 0 || usable(sampleRateMHz) == 0.0)
        return 0.0;
    return usable((sampleCount - 1) * (1.0 / sampleRateMHz) / 1000000.0);
}

void functionGeneratorBand(int budget, double amplitude, double span, QVector<double> &x,
                           QVector<double> &y)
{
    const int count = std::max(budget, 0);
    x.resize(2 * count);
    y.resize(2 * count);
    for (int k = 0; k < count; ++k) {
        x[2 * k] = x[2 * k + 1] = k * span / count;
        y[2 * k] = -amplitude;
        y[2 * k + 1] = amplitude;
    }
}

QVector<double> functionGeneratorModulate(const FunctionGeneratorChannelOptions &options,
                                          const QVector<double> &x, const QVector<double> &y0)
{
    const FunctionGeneratorSineOptions &sine = options.standardFunctionOptions.sineOptions;
    const FunctionGeneratorModulationOptions &m = options.modulationOptions;
    const double f = usable(sine.frequency);
    const double phi = sine.phase * 2 * pi / 360;
    const double a = 0.5 * sine.double_amplitude;
    const double fm = usable(m.frequency);
    // The modulating value relative to its peak; a flat line when there is no peak.
    auto relative = [a](double u) { return a == 0.0 ? 0.0 : u / a; };

    QVector<double> y;
    y.reserve(x.size());
    for (int i = 0; i < x.size() && i < y0.size(); ++i) {
        const double t = x[i];
        const double u = y0[i];
        switch (m.type) {
        case FunctionGeneratorModulationType::LinearFrequency: {
            const double tau = fm == 0.0 ? t : t - std::floor(t * fm) / fm;
            y.append(a
                     * std::cos(2 * pi * (f * tau + m.frequency_deviation * fm * tau * tau) + phi));
            break;
        }
        case FunctionGeneratorModulationType::Amplitude:
            y.append(a * (1 + (m.modulation_index / 100) * relative(u))
                     * std::cos(2 * pi * f * t + phi));
            break;
        case FunctionGeneratorModulationType::Frequency: {
            const double index = fm == 0.0 ? 0.0 : m.frequency_deviation / fm;
            y.append(a * std::cos(2 * pi * f * t + index * std::cos(2 * pi * fm * t) + phi));
            break;
        }
        case FunctionGeneratorModulationType::Phase:
            y.append(a
                     * std::cos(2 * pi * f * t + m.phase_deviation * 2 * pi / 360 * relative(u)
                                + phi));
            break;
        case FunctionGeneratorModulationType::FrequencyShiftKeying: {
            const double shifted = u > 0 ? f + m.frequency_deviation : f - m.frequency_deviation;
            y.append(a * std::cos(2 * pi * shifted * t + phi));
            break;
        }
        default:
            return {};
        }
    }
    return y;
}

FunctionGeneratorPreviewCurve
functionGeneratorStandardCurve(const FunctionGeneratorChannelOptions &options,
                               const FunctionGeneratorPreviewFrame &given)
{
    const FunctionGeneratorPreviewFrame frame = usableFrame(given);
    switch (options.standardFunction) {
    case FunctionGeneratorStandardFunction::Level:
        return levelCurve(frame);
    case FunctionGeneratorStandardFunction::Sine:
        return frame.budget > 0 ? sineCurve(options, frame) : FunctionGeneratorPreviewCurve();
    case FunctionGeneratorStandardFunction::Square:
    case FunctionGeneratorStandardFunction::Rectangular:
    case FunctionGeneratorStandardFunction::Triangular:
    case FunctionGeneratorStandardFunction::PositiveRamp:
    case FunctionGeneratorStandardFunction::NegativeRamp:
        return frame.budget > 0 ? periodicCurve(options, frame) : FunctionGeneratorPreviewCurve();
    default:
        return {};
    }
}

FunctionGeneratorPreviewCurve functionGeneratorWaveformCurve(const QVector<double> &samples,
                                                             double sampleRateMHz, double span,
                                                             int budget)
{
    FunctionGeneratorPreviewCurve c;
    const int n = samples.size();
    if (n == 0 || budget <= 0 || usable(sampleRateMHz) == 0.0)
        return c;
    const double dt = (1.0 / sampleRateMHz) / 1000000.0;
    const double count = std::min(std::ceil(usable(span) / dt) + 1, double(n));
    if (count <= budget) {
        for (int i = 0; i < int(count); ++i) {
            c.x.append(i * dt);
            c.y.append(samples[i]);
        }
        return c;
    }
    const int bucket = int(std::ceil(count / budget));
    for (int k = 0; k < n; k += bucket) {
        const int last = std::min(k + bucket - 1, n - 1);
        // Branch-free minimum and maximum: a file of millions of samples is walked on every
        // redraw.
        const double *value = samples.constData();
        double low = value[k];
        double high = value[k];
        for (int i = k + 1; i <= last; ++i) {
            low = std::min(low, value[i]);
            high = std::max(high, value[i]);
        }
        c.x.append(k * dt);
        c.y.append(low);
        c.x.append((k + (last - k) / 2) * dt);
        c.y.append(high);
    }
    return c;
}

void functionGeneratorOffsetAndClip(FunctionGeneratorPreviewCurve &curve, double offset)
{
    for (double &value : curve.y)
        value = std::clamp(value + offset, -functionGeneratorPreviewClip,
                           functionGeneratorPreviewClip);
}
