#include "hardware/demowaveformgenerator.h"
#include "hardware/oscilloscopeframe.h"

#include <QtTest>

#include <cstdlib>
#include <memory>
#include <set>

using Rows = QVector<QVector<double>>;

namespace {

constexpr double Period = 1e-6;

// One setting of the module held for a number of frames.
struct Step
{
    bool channelA;
    bool channelB;
    bool math; // A + B
    int points;
    double offsetA;
    int frames;
};
using Steps = QVector<Step>;

void configure(OscilloscopeFrame &frame, const Step &step)
{
    frame.setChannel(0, step.channelA, step.offsetA);
    frame.setChannel(1, step.channelB, 0.0);
    frame.configureMath(step.math, MathChannel::Sum, 0, 1, 0.0);
    frame.setTimeBase(Period, step.points * Period, 0.0);
}

// The frame as the contract states it, computed on storage of its own: the generator's rows
// for the enabled channels, empty rows for the others, the math row over the rows as read
// (empty when math is off), then the channel offsets.
struct ReferenceFrame
{
    DemoWaveformGenerator generator;

    Rows next(const Step &step)
    {
        Rows rows(3);
        const bool enabled[] = {step.channelA, step.channelB};
        QVector<double *> targets;
        for (int c = 0; c < 2; ++c) {
            if (!enabled[c])
                continue;
            rows[c] = QVector<double>(step.points);
            targets << rows[c].data();
        }
        generator.generateFrame(targets.data(), targets.size(), step.points, Period);
        if (step.math) {
            if (rows[0].isEmpty() || rows[1].isEmpty()) {
                rows[2] = rows[0].isEmpty() ? rows[1] : rows[0];
                rows[2].detach();
            } else {
                rows[2] = QVector<double>(step.points);
                for (int k = 0; k < step.points; ++k)
                    rows[2][k] = rows[0][k] + rows[1][k] + 0.0;
            }
        }
        for (double &sample : rows[0])
            sample += step.offsetA;
        return rows;
    }
};

} // namespace

Q_DECLARE_METATYPE(Steps)

// The module's rows are shared with whoever keeps a frame (the plot keeps the latest); writing
// the next frame must neither change a kept frame nor cost a copy of it.
class TestOscilloscopeFrame : public QObject
{
    Q_OBJECT
private slots:
    void keptFramesKeepTheirSamples_data() { sequences(); }
    void keptFramesKeepTheirSamples();
    void latestFrameKeptReusesTwoBuffers_data() { sequences(); }
    void latestFrameKeptReusesTwoBuffers();

private:
    static void sequences();
};

void TestOscilloscopeFrame::sequences()
{
    QTest::addColumn<Steps>("steps");
    QTest::newRow("two channels and math") << Steps {{true, true, true, 1000, 0.0, 5}};
    QTest::newRow("offset on A, added after the math row")
            << Steps {{true, true, true, 1000, 0.5, 4}};
    QTest::newRow("channel B off and on again") << Steps {{true, true, true, 1000, 0.0, 3},
                                                          {true, false, true, 1000, 0.0, 3},
                                                          {true, true, true, 1000, 0.0, 3}};
    QTest::newRow("math off and on again") << Steps {{true, true, true, 1000, 0.25, 3},
                                                     {true, true, false, 1000, 0.25, 3},
                                                     {true, true, true, 1000, 0.25, 3}};
    QTest::newRow("both channels off, then on") << Steps {{true, true, true, 800, 0.0, 3},
                                                          {false, false, true, 800, 0.0, 3},
                                                          {true, true, true, 800, 0.0, 3}};
    QTest::newRow("time base grows and shrinks") << Steps {{true, true, true, 500, 0.0, 3},
                                                           {true, true, true, 3000, 0.0, 3},
                                                           {true, true, true, 700, 0.0, 3}};
}

// A receiver that keeps every frame: each kept frame still equals its reference after every
// later frame, and each frame equals the contract's.
void TestOscilloscopeFrame::keptFramesKeepTheirSamples()
{
    QFETCH(Steps, steps);
    OscilloscopeFrame frame(2, Period);
    ReferenceFrame reference;
    QList<Rows> kept;
    QList<Rows> expected;
    for (const Step &step : steps) {
        configure(frame, step);
        for (int f = 0; f < step.frames; ++f) {
            frame.generateDemo();
            frame.complete();
            kept << frame.rows();
            expected << reference.next(step);
            for (int k = 0; k < kept.size(); ++k) {
                for (int r = 0; r < 3; ++r) {
                    QVERIFY2(kept[k][r] == expected[k][r],
                             qPrintable(QStringLiteral("frame %1 row %2 after frame %3")
                                                .arg(k)
                                                .arg(r)
                                                .arg(kept.size() - 1)));
                }
            }
        }
    }
}

// A receiver that keeps only the latest frame, as the plot does: once a setting has run for
// two frames, every row alternates between the same two buffers, so no frame allocates or
// copies; and as long as the rows never grow, no change of setting allocates either.
void TestOscilloscopeFrame::latestFrameKeptReusesTwoBuffers()
{
    QFETCH(Steps, steps);
    OscilloscopeFrame frame(2, Period);
    ReferenceFrame reference;
    Rows latest;
    std::set<const double *> buffers[3];
    // What the receiver lets go of is taken by these blocks until the next frame: were the
    // module to allocate and copy, the allocator could not hide it by handing back the very
    // buffer just released.
    std::vector<std::unique_ptr<void, decltype(&std::free)>> blocks;
    bool grows = false;
    for (const Step &step : steps) {
        grows = grows || step.points > steps.first().points;
        configure(frame, step);
        QVector<const double *> previous[3];
        for (int f = 0; f < step.frames; ++f) {
            frame.generateDemo();
            frame.complete();
            latest = frame.rows();
            std::vector<std::unique_ptr<void, decltype(&std::free)>> taken;
            for (const QVector<double> &row : qAsConst(latest))
                taken.emplace_back(std::malloc(sizeof(double) * std::size_t(row.size() + 1)),
                                   &std::free);
            blocks.swap(taken);
            QCOMPARE(latest, reference.next(step));
            for (int r = 0; r < 3; ++r) {
                const double *buffer = latest[r].isEmpty() ? nullptr : latest[r].constData();
                previous[r] << buffer;
                if (buffer)
                    buffers[r].insert(buffer);
                if (f < 2 || !buffer)
                    continue;
                QVERIFY2(buffer == previous[r][f - 2] && buffer != previous[r][f - 1],
                         qPrintable(QStringLiteral("row %1, frame %2 of the step").arg(r).arg(f)));
            }
        }
    }
    if (!grows) {
        for (int r = 0; r < 3; ++r)
            QVERIFY2(
                    buffers[r].size() <= 2,
                    qPrintable(QStringLiteral("row %1: %2 buffers").arg(r).arg(buffers[r].size())));
    }
}

QTEST_GUILESS_MAIN(TestOscilloscopeFrame)
#include "tst_oscilloscopeframe.moc"
