#include "views/functiongenerator/functiongeneratorpreview.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

using F = FunctionGeneratorStandardFunction;
using M = FunctionGeneratorModulationType;

namespace {

constexpr int budget = 400;

// A channel with every block at the same amplitude and frequency.
FunctionGeneratorChannelOptions channel(F function, double frequency, double amplitude = 2.0)
{
    FunctionGeneratorChannelOptions o;
    o.standardFunction = function;
    auto set = [frequency, amplitude](auto &block) {
        block.frequency = frequency;
        block.double_amplitude = amplitude;
    };
    FunctionGeneratorStartardFunctionOptions &s = o.standardFunctionOptions;
    set(s.sineOptions);
    set(s.squareOptions);
    set(s.rectangularOptions);
    set(s.triangluarOptions);
    set(s.positiveRampOptions);
    set(s.negativeRampOptions);
    s.rectangularOptions.duty_cycle = 25;
    s.triangluarOptions.symmetry = 50;
    o.enable = true;
    return o;
}

// The channel drawn as the current one, beside a level channel (span 1 s) that adds no vertex
// unless the channel's own span is longer.
FunctionGeneratorPreviewFrame currentFrame(const FunctionGeneratorChannelOptions &o,
                                           double otherSpan = 1.0, int pixels = budget)
{
    FunctionGeneratorPreviewFrame frame;
    frame.currentSpan = frame.ownSpan = functionGeneratorStandardSpan(o);
    frame.sortedSpans = {frame.currentSpan, otherSpan};
    std::sort(frame.sortedSpans.begin(), frame.sortedSpans.end());
    frame.budget = pixels;
    return frame;
}

bool allFinite(const QVector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

class TestFunctionGeneratorPreview : public QObject
{
    Q_OBJECT
private slots:
    void spans_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<double>("span");
        QTest::newRow("level") << int(F::Level) << 1000.0 << 1.0;
        QTest::newRow("sine") << int(F::Sine) << 1000.0 << 2.5e-3;
        QTest::newRow("square") << int(F::Square) << 1000.0 << 2.5e-3;
        QTest::newRow("rectangle 25 %") << int(F::Rectangular) << 1000.0 << 2.25e-3;
        QTest::newRow("triangle 50 %") << int(F::Triangular) << 1000.0 << 2.5e-3;
        QTest::newRow("positive ramp") << int(F::PositiveRamp) << 1000.0 << 2.5e-3;
        QTest::newRow("negative ramp") << int(F::NegativeRamp) << 1000.0 << 2.5e-3;
        QTest::newRow("noise") << int(F::GaussianNoise) << 1000.0 << 0.0;
        QTest::newRow("PRBS") << int(F::PRBS) << 1000.0 << 0.0;
        QTest::newRow("sine at 0 Hz") << int(F::Sine) << 0.0 << 0.0;
        QTest::newRow("negative ramp at 0 Hz") << int(F::NegativeRamp) << 0.0 << 0.0;
    }

    void spans()
    {
        QFETCH(int, function);
        QFETCH(double, frequency);
        QFETCH(double, span);
        const FunctionGeneratorChannelOptions options = channel(F(function), frequency);
        QCOMPARE(functionGeneratorStandardSpan(options), span);
    }

    void waveformSpan()
    {
        QCOMPARE(functionGeneratorWaveformSpan(1000, 1200), 999 / 1200e6);
        QCOMPARE(functionGeneratorWaveformSpan(0, 1200), 0.0);
        QCOMPARE(functionGeneratorWaveformSpan(1000, 0), 0.0);
    }

    void vertexCounts_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<int>("vertices");
        QTest::newRow("level") << int(F::Level) << 1000.0 << 2;
        QTest::newRow("sine: one sample a pixel") << int(F::Sine) << 1000.0 << budget;
        QTest::newRow("square") << int(F::Square) << 1000.0 << 16;
        QTest::newRow("rectangle") << int(F::Rectangular) << 1000.0 << 16;
        QTest::newRow("triangle") << int(F::Triangular) << 1000.0 << 8;
        QTest::newRow("positive ramp") << int(F::PositiveRamp) << 1000.0 << 8;
        QTest::newRow("negative ramp: a period fewer") << int(F::NegativeRamp) << 1000.0 << 6;
        QTest::newRow("pulse") << int(F::Pulse) << 1000.0 << 0;
        QTest::newRow("uniform noise") << int(F::UniformNoise) << 1000.0 << 0;
        QTest::newRow("square at 0 Hz") << int(F::Square) << 0.0 << 0;
        QTest::newRow("sine at 0 Hz") << int(F::Sine) << 0.0 << 0;
        QTest::newRow("negative ramp at 0 Hz") << int(F::NegativeRamp) << 0.0 << 0;
    }

    void vertexCounts()
    {
        QFETCH(int, function);
        QFETCH(double, frequency);
        QFETCH(int, vertices);
        const FunctionGeneratorChannelOptions options = channel(F(function), frequency);
        const FunctionGeneratorPreviewCurve curve =
                functionGeneratorStandardCurve(options, currentFrame(options));
        QCOMPARE(curve.x.size(), vertices);
        QCOMPARE(curve.y.size(), vertices);
        QVERIFY(std::is_sorted(curve.x.begin(), curve.x.end()));
    }

    void levelSpansTheAxisAtTheOffset()
    {
        const FunctionGeneratorChannelOptions level = channel(F::Level, 0);
        FunctionGeneratorPreviewCurve curve =
                functionGeneratorStandardCurve(level, currentFrame(level));
        functionGeneratorOffsetAndClip(curve, 2.5);
        QCOMPARE(curve.x, QVector<double>({0.0, 1.0}));
        QCOMPARE(curve.y, QVector<double>({2.5, 2.5}));
    }

    void squareDrawsItsPeriods()
    {
        const FunctionGeneratorChannelOptions square = channel(F::Square, 1000);
        const FunctionGeneratorPreviewCurve curve =
                functionGeneratorStandardCurve(square, currentFrame(square));
        QCOMPARE(curve.x.mid(0, 5), QVector<double>({0, 0.5e-3, 0.5e-3, 1e-3, 1e-3}));
        QCOMPARE(curve.y.mid(0, 5), QVector<double>({1, 1, -1, -1, 1}));
    }

    // A slow current channel stretches the axis; a fast other channel then has more periods
    // than pixels and is drawn as the band between its peaks.
    void denseSignalBecomesABand_data()
    {
        QTest::addColumn<double>("currentSpan");
        QTest::addColumn<double>("frequency");
        QTest::newRow("1 Hz beside 1 kHz") << 2.5 << 1000.0;
        // 0.06 Hz beside 150 MHz: six billion periods, more than an int holds.
        QTest::newRow("count beyond an int") << 2.5 / 0.06 << 150e6;
    }

    void denseSignalBecomesABand()
    {
        QFETCH(double, currentSpan);
        QFETCH(double, frequency);
        for (F function : {F::Square, F::Triangular, F::NegativeRamp, F::Sine}) {
            const FunctionGeneratorChannelOptions other = channel(function, frequency, 4.0);
            FunctionGeneratorPreviewFrame frame;
            frame.currentSpan = currentSpan;
            frame.ownSpan = functionGeneratorStandardSpan(other);
            frame.sortedSpans = {frame.ownSpan, currentSpan};
            frame.budget = budget;
            const FunctionGeneratorPreviewCurve curve =
                    functionGeneratorStandardCurve(other, frame);
            QCOMPARE(curve.x.size(), 2 * budget);
            QCOMPARE(curve.y.at(0), -2.0);
            QCOMPARE(curve.y.at(1), 2.0);
            QCOMPARE(curve.x.at(2 * budget - 1), (budget - 1) * currentSpan / budget);
        }
    }

    // A fresh second channel (a sine at 0 Hz, span 0) ends its span at 0: the current
    // channel's curve gets one more vertex there, with the value after the jump.
    void otherSpansAddVertices()
    {
        const FunctionGeneratorChannelOptions square = channel(F::Square, 1000);
        const FunctionGeneratorPreviewCurve curve =
                functionGeneratorStandardCurve(square, currentFrame(square, 0.0));
        QCOMPARE(curve.x.size(), 17);
        QCOMPARE(curve.x.at(1), 0.0);
        QCOMPARE(curve.y.at(1), 1.0);

        // A level channel of 1 s drawn over a 2.5 ms axis meets the 2.5 ms end.
        const FunctionGeneratorChannelOptions level = channel(F::Level, 0);
        FunctionGeneratorPreviewFrame frame;
        frame.currentSpan = 2.5e-3;
        frame.ownSpan = 1.0;
        frame.sortedSpans = {2.5e-3, 1.0};
        frame.budget = budget;
        const FunctionGeneratorPreviewCurve levelCurve =
                functionGeneratorStandardCurve(level, frame);
        QCOMPARE(levelCurve.x, QVector<double>({0.0, 2.5e-3, 2.5e-3}));
    }

    void triangleSymmetryExtremes()
    {
        FunctionGeneratorChannelOptions falling = channel(F::Triangular, 1000);
        falling.standardFunctionOptions.triangluarOptions.symmetry = 0;
        FunctionGeneratorPreviewCurve curve =
                functionGeneratorStandardCurve(falling, currentFrame(falling));
        QCOMPARE(curve.x.at(0), curve.x.at(1)); // a vertical rise, then a falling edge
        QCOMPARE(curve.y.at(1), 1.0);
        FunctionGeneratorChannelOptions rising = falling;
        rising.standardFunctionOptions.triangluarOptions.symmetry = 100;
        curve = functionGeneratorStandardCurve(rising, currentFrame(rising));
        QCOMPARE(curve.y.mid(0, 3), QVector<double>({-1, 1, -1}));
        QCOMPARE(curve.x.at(1), curve.x.at(2));
    }

    void offsetIsClipped()
    {
        FunctionGeneratorChannelOptions square = channel(F::Square, 1000, 10.0);
        FunctionGeneratorPreviewCurve curve =
                functionGeneratorStandardCurve(square, currentFrame(square));
        functionGeneratorOffsetAndClip(curve, 12.0);
        QCOMPARE(*std::max_element(curve.y.begin(), curve.y.end()), 15.0);
        QCOMPARE(*std::min_element(curve.y.begin(), curve.y.end()), 7.0);
    }

    void noPixels()
    {
        for (F function : {F::Sine, F::Square, F::NegativeRamp}) {
            const FunctionGeneratorChannelOptions o = channel(function, 1000);
            QVERIFY(functionGeneratorStandardCurve(o, currentFrame(o, 1.0, 0)).x.isEmpty());
            QVERIFY(functionGeneratorStandardCurve(o, currentFrame(o, 1.0, -3)).x.isEmpty());
        }
        const FunctionGeneratorChannelOptions level = channel(F::Level, 0);
        QCOMPARE(functionGeneratorStandardCurve(level, currentFrame(level, 1.0, 0)).x.size(), 2);
        QVERIFY(functionGeneratorWaveformCurve({1, 2, 3}, 1200, 1e-6, 0).x.isEmpty());
    }

    // A stored state can hold any number: a frequency that is not finite and positive gives
    // no span and an empty curve, on the current channel and on the other one alike.
    void unusableFrequencies_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("frequency");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        for (F function : {F::Sine, F::Square, F::Triangular, F::NegativeRamp}) {
            const int id = int(function);
            QTest::addRow("NaN, function %d", id) << id << nan;
            QTest::addRow("infinite, function %d", id) << id << inf;
            QTest::addRow("-1000 Hz, function %d", id) << id << -1000.0;
        }
    }

    void unusableFrequencies()
    {
        QFETCH(int, function);
        QFETCH(double, frequency);
        const FunctionGeneratorChannelOptions bad = channel(F(function), frequency);
        const FunctionGeneratorChannelOptions good = channel(F::Square, 1000);
        const double badSpan = functionGeneratorStandardSpan(bad);
        QCOMPARE(badSpan, 0.0);

        // The bad channel as the current one: empty, and the other drawn as over a span of 0.
        QVERIFY(functionGeneratorStandardCurve(bad, currentFrame(bad)).x.isEmpty());
        FunctionGeneratorPreviewFrame frame;
        frame.currentSpan = badSpan;
        frame.ownSpan = functionGeneratorStandardSpan(good);
        frame.sortedSpans = {badSpan, frame.ownSpan};
        frame.budget = budget;
        const FunctionGeneratorPreviewCurve other = functionGeneratorStandardCurve(good, frame);
        QVERIFY(!other.x.isEmpty());
        QVERIFY(allFinite(other.x) && allFinite(other.y));

        // The bad channel as the other one, over the good channel's axis: empty.
        frame.currentSpan = frame.ownSpan;
        frame.ownSpan = badSpan;
        QVERIFY(functionGeneratorStandardCurve(bad, frame).x.isEmpty());

        // Modulated at such a frequency, a sine draws nothing either.
        FunctionGeneratorChannelOptions modulated = channel(F::Sine, 1000);
        modulated.modulationOptions.type = M::Amplitude;
        modulated.modulationOptions.frequency = frequency;
        QVERIFY(functionGeneratorStandardCurve(modulated, currentFrame(modulated)).x.isEmpty());
    }

    // A span handed in that is not finite and positive is taken as 0: every curve is what a
    // span of 0 gives, and none holds a value that is not a number.
    void unusableSpans_data()
    {
        QTest::addColumn<double>("span");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
        QTest::newRow("negative") << -2.5e-3;
    }

    void unusableSpans()
    {
        QFETCH(double, span);
        for (F function : {F::Level, F::Sine, F::Square, F::Triangular, F::NegativeRamp}) {
            const FunctionGeneratorChannelOptions o = channel(function, 1000);
            FunctionGeneratorPreviewFrame frame = currentFrame(o);
            FunctionGeneratorPreviewFrame zero = frame;
            frame.currentSpan = span;
            frame.sortedSpans = {span, frame.ownSpan};
            zero.currentSpan = 0.0;
            zero.sortedSpans = {0.0, zero.ownSpan};
            const FunctionGeneratorPreviewCurve curve = functionGeneratorStandardCurve(o, frame);
            const FunctionGeneratorPreviewCurve expected = functionGeneratorStandardCurve(o, zero);
            QCOMPARE(curve.x, expected.x);
            QCOMPARE(curve.y, expected.y);
        }
        const QVector<double> samples = {1, 2, 3};
        QCOMPARE(functionGeneratorWaveformCurve(samples, 1200, span, budget).x,
                 functionGeneratorWaveformCurve(samples, 1200, 0.0, budget).x);
        QCOMPARE(functionGeneratorWaveformSpan(3, std::numeric_limits<double>::infinity()), 0.0);
    }

    void modulation_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("index");
        QTest::addColumn<double>("u");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("value");
        // Carrier 1 kHz, phase 0, deviation 250 Hz; values at the chosen t.
        QTest::newRow("AM index 0 is the carrier")
                << int(M::Amplitude) << 2.0 << 0.0 << 1.0 << 0.0 << 1.0;
        QTest::newRow("AM index 100 at the crest")
                << int(M::Amplitude) << 2.0 << 100.0 << 1.0 << 0.0 << 2.0;
        QTest::newRow("AM index 100 at the trough")
                << int(M::Amplitude) << 2.0 << 100.0 << -1.0 << 0.0 << 0.0;
        QTest::newRow("AM without amplitude")
                << int(M::Amplitude) << 0.0 << 100.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("PM without amplitude") << int(M::Phase) << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("FSK at u = 0 uses f - deviation")
                << int(M::FrequencyShiftKeying) << 2.0 << 0.0 << 0.0 << 1.0 / 1500 << -1.0;
        QTest::newRow("FSK above 0 uses f + deviation")
                << int(M::FrequencyShiftKeying) << 2.0 << 0.0 << 0.5 << 1.0 / 1500 << 0.5;
    }

    void modulation()
    {
        QFETCH(int, type);
        QFETCH(double, amplitude);
        QFETCH(double, index);
        QFETCH(double, u);
        QFETCH(double, t);
        QFETCH(double, value);
        FunctionGeneratorChannelOptions o = channel(F::Sine, 1000, amplitude);
        o.modulationOptions.type = M(type);
        o.modulationOptions.frequency = 100;
        o.modulationOptions.modulation_index = index;
        o.modulationOptions.frequency_deviation = 250;
        o.modulationOptions.phase_deviation = 90;
        const QVector<double> y = functionGeneratorModulate(o, {t}, {u});
        QCOMPARE(y.size(), 1);
        QVERIFY(std::isfinite(y.at(0)));
        QVERIFY2(std::abs(y.at(0) - value) < 1e-9, qPrintable(QString::number(y.at(0))));
    }

    void modulatedSineCurve()
    {
        FunctionGeneratorChannelOptions o = channel(F::Sine, 1000, 0.0);
        o.modulationOptions.type = M::Phase;
        o.modulationOptions.frequency = 100;
        FunctionGeneratorPreviewCurve curve = functionGeneratorStandardCurve(o, currentFrame(o));
        QCOMPARE(curve.y.size(), budget);
        QVERIFY(allFinite(curve.y));
        // Without a modulating frequency there is nothing to draw.
        o.modulationOptions.frequency = 0;
        QVERIFY(functionGeneratorStandardCurve(o, currentFrame(o)).x.isEmpty());
        // An unknown kind of modulation draws nothing either.
        o.modulationOptions.frequency = 100;
        o.modulationOptions.type = M(9);
        curve = functionGeneratorStandardCurve(o, currentFrame(o));
        QVERIFY(curve.y.isEmpty());
    }

    void waveform_data()
    {
        QTest::addColumn<int>("samples");
        QTest::addColumn<double>("span");
        QTest::addColumn<int>("vertices");
        QTest::newRow("buckets of three") << 1000 << 999 / 1200e6 << 668;
        QTest::newRow("sample by sample") << 300 << 299 / 1200e6 << 300;
        QTest::newRow("cut at the span") << 300 << 99 / 1200e6 << 100;
        QTest::newRow("no samples") << 0 << 1e-6 << 0;
    }

    void waveform()
    {
        QFETCH(int, samples);
        QFETCH(double, span);
        QFETCH(int, vertices);
        QVector<double> values;
        for (int i = 0; i < samples; ++i)
            values << std::sin(i * 0.1);
        const FunctionGeneratorPreviewCurve curve =
                functionGeneratorWaveformCurve(values, 1200, span, budget);
        QCOMPARE(curve.x.size(), vertices);
        QVERIFY(allFinite(curve.y));
        // Without a sampling rate nothing is drawn.
        QVERIFY(functionGeneratorWaveformCurve(values, 0, span, budget).x.isEmpty());
    }
};

QTEST_MAIN(TestFunctionGeneratorPreview)
#include "tst_functiongeneratorpreview.moc"
