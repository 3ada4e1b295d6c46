// The oscilloscope plot's arithmetic: visible window, view keeping, thinning, zoom indexes and
// grid ticks, case by case.
#include "support/runningcomparison.h"
#include "views/oscilloscope/plotgeometry.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// 1 ns to 1 s in 1-2-5 steps, as the oscilloscope form hands it over.
QVector<double> oneTwoFiveTable()
{
    return {1e-9, 2e-9, 5e-9, 1e-8, 2e-8, 5e-8, 1e-7, 2e-7, 5e-7, 1e-6, 2e-6, 5e-6, 1e-5, 2e-5,
            5e-5, 1e-4, 2e-4, 5e-4, 1e-3, 2e-3, 5e-3, 1e-2, 2e-2, 5e-2, 0.1,  0.2,  0.5,  1.0};
}

PlotGeometry geometry(double position, double period, double scanTime, double axisMax = 4.0)
{
    PlotGeometry g;
    g.axisMin = -axisMax;
    g.axisMax = axisMax;
    g.position = position;
    g.period = period;
    g.scanTime = scanTime;
    return g;
}

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// Noise over a slow sine, as the demonstration frame has it: every bucket is a full stroke.
QVector<double> noise(int count, quint32 seed)
{
    QVector<double> samples(count);
    for (int i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        samples[i] = std::sin(i * 1e-4) + 0.8 * (double(seed >> 8) / double(1u << 24) - 0.5);
    }
    return samples;
}

// Equal to the bit, so that NaN equals NaN and -0.0 differs from 0.0.
bool sameBits(const QVector<double> &a, const QVector<double> &b)
{
    return a.size() == b.size()
            && std::memcmp(a.constData(), b.constData(), sizeof(double) * size_t(a.size())) == 0;
}

} // namespace

class TestPlotGeometry : public QObject
{
    Q_OBJECT
private slots:
    void window_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("scanTime");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        // Axis -4 ... 4: the canvas spans 8 / period samples.
        QTest::newRow("record longer than the canvas") << 0.0 << 0.001 << 100.0 << 0 << 8002;
        QTest::newRow("scan ends inside the canvas") << 0.0 << 0.001 << 0.005 << 0 << 5;
        QTest::newRow("scan count rounds half up") << 0.0 << 0.5 << 5.25 << 0 << 11;
        QTest::newRow("scan count rounds below half down") << 0.0 << 0.5 << 5.2 << 0 << 10;
        QTest::newRow("record starts mid-canvas") << 0.5 << 0.001 << 100.0 << 0 << 4002;
        QTest::newRow("negative, two samples left of the edge")
                << -0.25 << 0.001 << 100.0 << 1998 << 10002;
        QTest::newRow("negative, between samples") << -0.2503 << 0.001 << 100.0 << 2000 << 10004;
        QTest::newRow("barely negative starts at the record")
                << -0.0001 << 0.001 << 100.0 << 0 << 8002;
        QTest::newRow("whole record left of the canvas") << -200.0 << 1.0 << 1000.0 << 1000 << 1000;
        QTest::newRow("record right of the canvas") << 2.0 << 0.001 << 100.0 << 0 << 0;
        QTest::newRow("scan not a number") << 0.0 << 0.001 << notANumber << 0 << 0;
        QTest::newRow("endless scan") << 0.0 << 0.001 << infinity << 0 << 8002;
        QTest::newRow("negative scan") << 0.0 << 0.001 << -1.0 << 0 << 0;
        QTest::newRow("count beyond int") << 0.0 << 1e-300 << 1.0 << 0 << INT_MAX;
        QTest::newRow("far left beyond int") << -1e300 << 0.001 << 1.0 << 1000 << 1000;
    }
    void window()
    {
        QFETCH(double, position);
        QFETCH(double, period);
        QFETCH(double, scanTime);
        QFETCH(int, first);
        QFETCH(int, last);
        const SampleWindow w = visibleWindow(geometry(position, period, scanTime));
        QCOMPARE(w.first, first);
        QCOMPARE(w.last, last);
    }

    void triggerPoint()
    {
        // Half a period rounds to the next sample; the trigger x moves with the position.
        PlotGeometry g = geometry(0.25, 1.0, 100.0);
        QCOMPARE(g.triggerX(2.5), -4.0 + 2.0 + 3.0);
        QCOMPARE(g.triggerX(2.4), -4.0 + 2.0 + 2.0);
        g.zoomFactor = 0.5;
        QCOMPARE(g.triggerX(4.0), -4.0 + 2.0 + 2.0);
        // The canvas edges as times from the first sample: 8 s wide at factor 1, wider zoomed out.
        QCOMPARE(g.leftEdgeTime(), -4.0);
        QCOMPARE(g.rightEdgeTime(), 12.0);
    }

    void keepInView_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("scanTime");
        QTest::addColumn<int>("direction"); // -1 left, 0 stays, +1 right
        QTest::addColumn<bool>("exhausted");
        QTest::newRow("enough in view stays") << 0.0 << 0.1 << 100.0 << 0 << false;
        QTest::newRow("cut by the right edge moves left") << 0.99 << 0.1 << 100.0 << -1 << false;
        QTest::newRow("end in view moves right") << -1.0 << 0.1 << 8.5 << 1 << false;
        QTest::newRow("whole scan left of the canvas moves right")
                << -3.0 << 0.1 << 8.5 << 1 << false;
        QTest::newRow("scan too short is left alone") << -1.0 << 0.1 << 1.0 << 0 << false;
        QTest::newRow("canvas narrower than 15 samples") << 0.0 << 1.0 << 100.0 << -1 << true;
    }
    void keepInView()
    {
        QFETCH(double, position);
        QFETCH(double, period);
        QFETCH(double, scanTime);
        QFETCH(int, direction);
        QFETCH(bool, exhausted);
        const double step = 0.003;
        const ViewCorrection c = keepSamplesInView(geometry(position, period, scanTime), step);
        QCOMPARE(c.exhausted, exhausted);
        QCOMPARE(c.position > position ? 1 : c.position < position ? -1 : 0, direction);
        const SampleWindow w = visibleWindow(geometry(c.position, period, scanTime));
        QCOMPARE(w.first, c.window.first);
        QCOMPARE(w.last, c.window.last);
        if (direction != 0 && !exhausted) {
            QVERIFY(w.count() >= minimumSamplesInView);
            // The first position that shows enough: one step less does not.
            const SampleWindow before =
                    visibleWindow(geometry(c.position - direction * step, period, scanTime));
            QVERIFY(before.count() < minimumSamplesInView);
        }
        if (exhausted)
            QVERIFY(qFuzzyCompare(c.position, position - maximumViewNudges * step));
    }

    // Window length -> curve points.
    void thinningCount_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("points");
        QTest::newRow("1024 point for point") << 1024 << 1024;
        QTest::newRow("1025 in pairs of 2") << 1025 << 1025;
        QTest::newRow("1535") << 1535 << 1535;
        QTest::newRow("1536 in buckets of 3") << 1536 << 1025;
        QTest::newRow("2047") << 2047 << 1365;
        QTest::newRow("10000") << 10000 << 1055;
        QTest::newRow("largest read limit") << 1024000 << 1025;
    }
    void thinningCount()
    {
        QFETCH(int, window);
        QFETCH(int, points);
        QVector<double> samples(window + 10);
        for (int i = 0; i < samples.size(); ++i)
            samples[i] = std::sin(i * 0.01);
        QVector<double> xs;
        QVector<double> ys;
        // The window starts inside the record, so thinning must count from its first sample.
        appendPlotPoints(samples, 5, 5 + window, defaultMaxVisiblePoints, 0.0, 1.0, 1.0, xs, ys);
        QCOMPARE(xs.size(), points);
        QCOMPARE(ys.size(), points);
        QCOMPARE(xs.first(), 5.0);
        QVERIFY(xs.last() <= 5.0 + window - 1);
        for (int i = 1; i < xs.size(); ++i)
            QVERIFY2(xs.at(i) >= xs.at(i - 1), "points go forward in time");
    }

    void thinningKeepsExtremesInOrder()
    {
        // 1026 samples: buckets of 2 after the first sample, the last bucket holds one sample.
        QVector<double> samples(1026, 0.0);
        samples[1] = 5.0; // bucket 1..2: maximum before minimum
        samples[2] = -5.0;
        samples[3] = -1.0; // bucket 3..4: equal values, the earliest is both
        samples[4] = -1.0;
        samples[5] = 2.0; // bucket 5..6: equal maxima, the earliest wins
        samples[6] = 2.0;
        samples[1025] = 7.0;
        QVector<double> xs;
        QVector<double> ys;
        appendPlotPoints(samples, 0, 1026, defaultMaxVisiblePoints, 10.0, 0.5, 2.0, xs, ys);
        QCOMPARE(xs.size(), 1 + 2 * 513);
        const QVector<double> headX = xs.mid(0, 7);
        const QVector<double> headY = ys.mid(0, 7);
        QCOMPARE(headX, (QVector<double> {10.0, 10.5, 11.0, 11.5, 11.5, 12.5, 12.5}));
        QCOMPARE(headY, (QVector<double> {0.0, 10.0, -10.0, -2.0, -2.0, 4.0, 4.0}));
        // The one-sample bucket at the end gives its sample twice.
        QCOMPARE(xs.mid(xs.size() - 2), (QVector<double> {522.5, 522.5}));
        QCOMPARE(ys.mid(ys.size() - 2), (QVector<double> {14.0, 14.0}));
    }

    // The thinning must give exactly the points of the running comparison below, whatever
    // the samples hold: the first extreme of each bucket, NaN never winning unless it opens
    // the bucket, infinities, equal values and signed zeros, a short last bucket, a window
    // that starts inside the record, points appended after others.
    void thinningMatchesTheRunningComparison_data()
    {
        QTest::addColumn<QVector<double>>("samples");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("maxVisible");

        const QVector<double> demo = noise(1024000, 1);
        QTest::newRow("largest read limit, noise") << demo << 0 << 1024000 << 1024;
        QTest::newRow("window inside the record") << demo << 777 << 1000003 << 1024;
        QTest::newRow("short last bucket") << noise(10000, 2) << 3 << 9999 << 1024;
        QTest::newRow("long buckets") << noise(300001, 3) << 1 << 300001 << 16;
        QTest::newRow("one sample per bucket") << noise(5000, 4) << 0 << 5000 << 2;
        QTest::newRow("two points at most") << noise(5000, 5) << 10 << 4000 << 1;

        // Ties everywhere: each bucket's first sample is both extremes.
        QTest::newRow("constant") << QVector<double>(20000, 0.25) << 0 << 20000 << 64;

        QVector<double> steps = noise(20000, 6);
        for (int i = 0; i < steps.size(); i += 97)
            steps[i] = 9.0; // equal maxima in many blocks: the earliest wins
        for (int i = 50; i < steps.size(); i += 101)
            steps[i] = -9.0;
        QTest::newRow("repeated extremes") << steps << 0 << 20000 << 64;

        QVector<double> zeros(20000, 1.0);
        for (int i = 0; i < zeros.size(); ++i)
            zeros[i] = (i % 3 == 0) ? -0.0 : (i % 3 == 1 ? 0.0 : 1.0);
        QTest::newRow("signed zeros") << zeros << 1 << 20000 << 64;

        QVector<double> nans = noise(20000, 7);
        for (int i = 0; i < nans.size(); i += 13)
            nans[i] = notANumber;
        for (int b = 0; b < 4000; ++b)
            nans[1 + b] = notANumber; // whole blocks of them
        QTest::newRow("NaN inside buckets") << nans << 0 << 20000 << 64;

        QVector<double> opening = noise(20000, 8);
        for (int i = 1; i < opening.size(); i += 20000 / 32)
            opening[i] = notANumber; // every bucket opens with NaN
        QTest::newRow("NaN opens each bucket") << opening << 0 << 20000 << 64;

        QVector<double> infinite = noise(20000, 9);
        for (int i = 5; i < infinite.size(); i += 331)
            infinite[i] = infinity;
        for (int i = 200; i < infinite.size(); i += 509)
            infinite[i] = -infinity;
        infinite[1] = infinity; // a bucket opening at +inf
        QTest::newRow("infinities") << infinite << 0 << 20000 << 64;

        QVector<double> allNan(5000, notANumber);
        allNan[2500] = 1.0;
        QTest::newRow("NaN only but one") << allNan << 0 << 5000 << 64;
    }
    void thinningMatchesTheRunningComparison()
    {
        QFETCH(QVector<double>, samples);
        QFETCH(int, first);
        QFETCH(int, end);
        QFETCH(int, maxVisible);
        // Points already in the vectors stay in front.
        QVector<double> xs {-1.0};
        QVector<double> ys {-2.0};
        QVector<double> expectedXs = xs;
        QVector<double> expectedYs = ys;
        appendPlotPoints(samples, first, end, maxVisible, -4e-3, 7.8125e-9, 1.5, xs, ys);
        runningComparisonPoints(samples, first, end, maxVisible, -4e-3, 7.8125e-9, 1.5, expectedXs,
                                expectedYs);
        QVERIFY(xs.size() > 1);
        QVERIFY(sameBits(xs, expectedXs));
        QVERIFY(sameBits(ys, expectedYs));
    }

    void thinningStopsAtTheRecord()
    {
        // A window reaching past the samples ends at the record; an empty or reversed one
        // gives nothing.
        const QVector<double> samples(100, 1.0);
        QVector<double> xs;
        QVector<double> ys;
        appendPlotPoints(samples, 90, 5000, defaultMaxVisiblePoints, 0.0, 1.0, 1.0, xs, ys);
        QCOMPARE(xs.size(), 10);
        xs.clear();
        ys.clear();
        appendPlotPoints(samples, 50, 50, defaultMaxVisiblePoints, 0.0, 1.0, 1.0, xs, ys);
        appendPlotPoints(samples, 60, 40, defaultMaxVisiblePoints, 0.0, 1.0, 1.0, xs, ys);
        QVERIFY(xs.isEmpty());
    }

    void autoScale_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("scanTime");
        QTest::addColumn<double>("period");
        QTest::addColumn<int>("index");
        const int oneMs = 18;
        QTest::newRow("10 ms at 10 us, from below: 1 ms") << 0 << 10e-3 << 10e-6 << oneMs;
        QTest::newRow("10 ms at 10 us, from above: 1 ms") << 27 << 10e-3 << 10e-6 << oneMs;
        QTest::newRow("8 ms fits exactly") << 27 << 8e-3 << 10e-6 << oneMs;
        QTest::newRow("stops at two periods") << 27 << 1e-3 << 1e-3 << oneMs;
        QTest::newRow("longer than the table") << 5 << 100.0 << 1e-3 << 27;
        QTest::newRow("shorter than the table") << 20 << 1e-12 << 1e-15 << 0;
        QTest::newRow("start past the end") << 99 << 10e-3 << 10e-6 << oneMs;
    }
    void autoScale()
    {
        QFETCH(int, start);
        QFETCH(double, scanTime);
        QFETCH(double, period);
        QFETCH(int, index);
        QCOMPARE(autoScaleIndex(oneTwoFiveTable(), start, 8, scanTime, period), index);
    }

    void autoScaleWithoutTable() { QCOMPARE(autoScaleIndex({}, 3, 8, 1.0, 1e-3), -1); }

    void raisedIndex_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("period");
        QTest::addColumn<int>("index");
        QTest::newRow("0.9 us period lifts 1 ns to 2 us") << 0 << 0.9e-6 << 10;
        QTest::newRow("already two periods") << 12 << 1e-6 << 12;
        QTest::newRow("never lowered") << 20 << 1e-9 << 20;
        QTest::newRow("slow period ends at the last entry") << 0 << 10.0 << 27;
        QTest::newRow("last entry stays") << 27 << 10.0 << 27;
    }
    void raisedIndex()
    {
        QFETCH(int, start);
        QFETCH(double, period);
        QFETCH(int, index);
        QCOMPARE(raisedZoomIndex(oneTwoFiveTable(), start, period), index);
    }

    void grid()
    {
        const GridTicks ticks = gridTicks(8, 5, 1.0);
        QCOMPARE(ticks.lower, -4.0);
        QCOMPARE(ticks.upper, 4.0);
        QCOMPARE(ticks.majorTicks, (QList<double> {-4, -3, -2, -1, 0, 1, 2, 3}));
        // Four minor ticks after every major tick, between 3 and the upper bound as well.
        QCOMPARE(ticks.minorTicks.size(), 8 * 4);
        for (int i = 0; i < ticks.minorTicks.size(); ++i) {
            const double expected = -4.0 + (i / 4) + (i % 4 + 1) * 0.2;
            QVERIFY2(std::abs(ticks.minorTicks.at(i) - expected) < 1e-12,
                     qPrintable(QString::number(i)));
        }
    }
};

QTEST_APPLESS_MAIN(TestPlotGeometry)
#include "tst_plotgeometry.moc"
