#include "views/oscilloscope/cursors/manualcursor.h"
#include "views/oscilloscope/cursors/timecursor.h"
#include "views/oscilloscope/cursors/trackcursor.h"
#include "views/oscilloscope/cursors/voltagecursor.h"

#include "assets/assets.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/valuemarker.h"

#include <qwt_plot.h>

#include <QSignalSpy>
#include <QTest>

namespace {

QString blanks(const char *text)
{
    return QString::fromUtf8(text).replace(QStringLiteral("␣"), QStringLiteral(" "));
}

QStringList lastDescription(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QStringList() : spy.last().at(0).toStringList();
}

const QVector<QVector<double>> threeRows {{0.1, 0.2, 0.25, 0.3}, {1.0, 2.0}, {3.0}};

CursorData sampled(const QVector<QVector<double>> *channels = &threeRows, double interval = 0.001)
{
    CursorData data;
    data.sampleInterval = interval;
    data.startTime = 0.0;
    data.channels = channels;
    return data;
}

} // namespace

class TestCursorKinds : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void markerPairs();
    void timeCursorReadsSamples_data();
    void timeCursorReadsSamples();
    void timeCursorSkipsSourceOutsideData();
    void timeCursorWithoutSamples_data();
    void timeCursorWithoutSamples();
    void timeCursorIntervalZeroShowsPlaceholders();
    void trackCursorReadsEveryCursor();
    void trackCrossWithoutSamples();
    void trackCrossFollowsCurve();
    void voltageCursorDifference();
    void offsetsApplyOnlyToTheirSource_data();
    void offsetsApplyOnlyToTheirSource();
    void manualCursorReadsMarkers();
    void scalesReachTheirMarkers();
    void stripPositionMovesPlotLine();
};

void TestCursorKinds::initTestCase()
{
    initPraluneAssets();
}

void TestCursorKinds::markerPairs()
{
    TimeCursor time;
    TrackCursor track;
    VoltageCursor voltage;
    ManualCursor manual;
    QCOMPARE(time.verticalCursors().size(), 2);
    QVERIFY(time.horizontalCursors().isEmpty());
    QCOMPARE(track.verticalCursors().at(0).second->lineStyle(), QwtPlotMarker::Cross);
    QCOMPARE(time.verticalCursors().at(1).second->lineStyle(), QwtPlotMarker::VLine);
    QVERIFY(voltage.verticalCursors().isEmpty());
    QCOMPARE(voltage.horizontalCursors().at(0).second->lineStyle(), QwtPlotMarker::HLine);
    QCOMPARE(manual.verticalCursors().size(), 2);
    QCOMPARE(manual.horizontalCursors().size(), 2);
    for (const CursorMarkerPair &pair : manual.verticalCursors() + manual.horizontalCursors()) {
        QCOMPARE(pair.first->value(), 0.5);
        QVERIFY(pair.first->iconOnly());
        QCOMPARE(pair.second->linePen().style(), Qt::DotLine);
        QCOMPARE(pair.second->linePen().widthF(), 2.0);
    }
    QCOMPARE(manual.verticalCursors().at(0).first->iconAlign(), Qt::AlignTop);
    QCOMPARE(manual.horizontalCursors().at(0).first->iconAlign(), Qt::AlignLeft);
}

void TestCursorKinds::timeCursorReadsSamples_data()
{
    QTest::addColumn<double>("time");
    QTest::addColumn<QStringList>("lines");

    // Cursor 2 stays at 0 s and reads sample 0 (0.1 V).
    QTest::newRow("sample 2") << 0.0025
                              << QStringList({blanks("Cur1␣␣␣␣2.50␣ms␣␣(␣250.00␣mV␣)"),
                                              blanks("Cur2␣␣␣␣0.00␣s␣␣␣(␣100.00␣mV␣)"),
                                              blanks("Δt␣␣␣2.50␣ms␣"), blanks("Δy␣150.00␣mV␣")});
    QTest::newRow("just before the start reads sample 0")
            << -0.0005
            << QStringList({blanks("Cur1␣-500.00␣us␣␣(␣100.00␣mV␣)"),
                            blanks("Cur2␣␣␣␣0.00␣s␣␣␣(␣100.00␣mV␣)"), blanks("Δt␣500.00␣us␣"),
                            blanks("Δy␣␣␣␣0.00␣V␣␣")});
    QTest::newRow("before the record is a placeholder")
            << -0.0015
            << QStringList({blanks("Cur1␣␣␣-1.50␣ms␣␣(␣␣␣_.__␣V␣␣)"),
                            blanks("Cur2␣␣␣␣0.00␣s␣␣␣(␣100.00␣mV␣)"), blanks("Δt␣␣␣1.50␣ms␣"),
                            blanks("Δy␣100.00␣mV␣")});
}

void TestCursorKinds::timeCursorReadsSamples()
{
    QFETCH(double, time);
    QFETCH(QStringList, lines);

    TimeCursor cursor;
    QSignalSpy spy(&cursor, &CursorInterface::descriptionChanged);
    cursor.verticalCursors().at(1).first->setValue(0.0);
    cursor.setData(sampled());
    cursor.verticalCursors().at(0).first->setValue(time);
    QCOMPARE(lastDescription(spy), lines);
}

void TestCursorKinds::timeCursorSkipsSourceOutsideData()
{
    const QVector<QVector<double>> twoRows {{0.1, 0.2}, {1.0}};
    TimeCursor cursor;
    QSignalSpy spy(&cursor, &CursorInterface::descriptionChanged);
    cursor.verticalCursors().at(0).first->setValue(0.0);
    cursor.setData(sampled(&twoRows));
    cursor.setSource({0, 2});
    const QStringList lines = lastDescription(spy);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Cur1")));
    QCOMPARE(lines.at(1), blanks("Δt␣500.00␣ms␣"));
    QCOMPARE(lines.at(2), blanks("Δy␣␣␣␣0.00␣V␣␣"));
}

void TestCursorKinds::timeCursorWithoutSamples_data()
{
    QTest::addColumn<bool>("nullChannels");
    QTest::newRow("no table yet") << true;
    QTest::newRow("empty table") << false;
}

void TestCursorKinds::timeCursorWithoutSamples()
{
    QFETCH(bool, nullChannels);
    const QVector<QVector<double>> empty;
    TimeCursor time;
    TrackCursor track;
    QSignalSpy timeSpy(&time, &CursorInterface::descriptionChanged);
    QSignalSpy trackSpy(&track, &CursorInterface::descriptionChanged);
    for (CursorInterface *cursor :
         {static_cast<CursorInterface *>(&time), static_cast<CursorInterface *>(&track)}) {
        cursor->setData(sampled(nullChannels ? nullptr : &empty));
        cursor->setSource({1, 2});
        cursor->verticalCursors().at(0).first->setValue(0.25);
        cursor->changeLanguage();
    }
    QVERIFY(timeSpy.isEmpty());
    QVERIFY(trackSpy.isEmpty());
}

void TestCursorKinds::timeCursorIntervalZeroShowsPlaceholders()
{
    // A record without a sample interval reads nothing, but the marker distance still counts.
    TimeCursor cursor;
    QSignalSpy spy(&cursor, &CursorInterface::descriptionChanged);
    cursor.verticalCursors().at(0).first->setValue(0.0);
    cursor.setData(sampled(&threeRows, 0.0));
    QCOMPARE(lastDescription(spy),
             QStringList({blanks("Cur1␣␣␣␣0.00␣s␣␣␣(␣␣␣_.__␣V␣␣)"),
                          blanks("Cur2␣␣500.00␣ms␣␣(␣␣␣_.__␣V␣␣)"), blanks("Δt␣500.00␣ms␣"),
                          blanks("Δy␣␣␣␣_.__␣V␣␣")}));
}

void TestCursorKinds::trackCursorReadsEveryCursor()
{
    TrackCursor cursor;
    QSignalSpy spy(&cursor, &CursorInterface::descriptionChanged);
    cursor.verticalCursors().at(0).first->setValue(0.0);
    cursor.setData(sampled());
    cursor.setSource({0, 5});
    QCOMPARE(lastDescription(spy),
             QStringList({blanks("Cur1␣␣␣␣0.00␣s␣␣␣(␣100.00␣mV␣)"),
                          blanks("Cur2␣␣500.00␣ms␣␣(␣␣␣_.__␣V␣␣)"), blanks("Δt␣500.00␣ms␣"),
                          blanks("Δy␣100.00␣mV␣")}));
}

void TestCursorKinds::trackCrossWithoutSamples()
{
    QwtPlot plot;
    plot.replot();
    TrackCursor cursor;
    const CursorMarkerPair pair = cursor.verticalCursors().at(0);
    // Not on a plot yet: a reported position moves nothing.
    emit pair.first->positionChanged(10.0);
    QCOMPARE(pair.second->yValue(), 0.0);
    pair.second->attach(&plot);
    emit pair.first->positionChanged(10.0);
    QCOMPARE(pair.second->yValue(), 10000.0);
    QCOMPARE(pair.second->xValue(), plot.invTransform(QwtPlot::xBottom, 10));
}

void TestCursorKinds::trackCrossFollowsCurve()
{
    CustomPlot plot(3);
    plot.yZoom(1, 2.0);
    TrackCursor cursor;
    const CursorMarkerPair pair = cursor.verticalCursors().at(1);
    pair.second->attach(&plot);
    pair.first->setValue(0.0015);
    cursor.setData(sampled());
    cursor.setSource({0, 1});
    // Sample 1 of channel 2 is 2.0 V, drawn at twice its height.
    QCOMPARE(pair.second->yValue(), 2.0 * plot.currentYZoom(1));
    QCOMPARE(plot.currentYZoom(1), 2.0);
}

void TestCursorKinds::voltageCursorDifference()
{
    VoltageCursor cursor;
    QSignalSpy spy(&cursor, &CursorInterface::descriptionChanged);
    cursor.horizontalCursors().at(0).first->setValue(1.5);
    cursor.horizontalCursors().at(1).first->setValue(1.0);
    QCOMPARE(lastDescription(spy),
             QStringList({blanks("Cur1␣␣␣␣1.50␣V␣␣"), blanks("Cur2␣␣␣␣1.00␣V␣␣"),
                          blanks("Δy␣500.00␣mV␣")}));
}

void TestCursorKinds::offsetsApplyOnlyToTheirSource_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("line");
    QTest::newRow("offset of its source") << 0 << blanks("Cur1␣␣500.00␣ms␣␣(␣␣␣0.00␣V␣␣)");
    QTest::newRow("source past the offsets") << 2 << blanks("Cur1␣␣500.00␣ms␣␣(␣500.00␣mV␣)");
    QTest::newRow("no source") << -1 << blanks("Cur1␣␣500.00␣ms␣␣(␣500.00␣mV␣)");
}

void TestCursorKinds::offsetsApplyOnlyToTheirSource()
{
    QFETCH(int, source);
    QFETCH(QString, line);
    ManualCursor cursor;
    QSignalSpy spy(&cursor, &CursorInterface::descriptionChanged);
    CursorData data; // no samples: the manual cursor needs none
    data.offsets = {0.5, 0.25};
    cursor.setData(data);
    cursor.setSource({source, 1});
    const QStringList lines = lastDescription(spy);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), line);
    QCOMPARE(lines.at(1), blanks("Cur2␣␣500.00␣ms␣␣(␣250.00␣mV␣)"));
    QCOMPARE(lines.at(2), blanks("Δt␣␣␣␣0.00␣s␣␣"));
}

void TestCursorKinds::manualCursorReadsMarkers()
{
    ManualCursor cursor;
    QSignalSpy spy(&cursor, &CursorInterface::descriptionChanged);
    cursor.verticalCursors().at(0).first->setValue(-0.002);
    cursor.horizontalCursors().at(1).first->setValue(-1.25);
    QCOMPARE(lastDescription(spy),
             QStringList({blanks("Cur1␣␣␣-2.00␣ms␣␣(␣500.00␣mV␣)"),
                          blanks("Cur2␣␣500.00␣ms␣␣(␣␣-1.25␣V␣␣)"), blanks("Δt␣502.00␣ms␣"),
                          blanks("Δy␣␣␣1.75␣V␣␣")}));
}

void TestCursorKinds::scalesReachTheirMarkers()
{
    VoltageCursor voltage;
    voltage.setSource({0, 1});
    emit voltage.horizontalScaleChanged(1, -5.0, 5.0);
    QCOMPARE(voltage.horizontalCursors().at(0).first->scale(), qMakePair(-1.0, 1.0));
    QCOMPARE(voltage.horizontalCursors().at(1).first->scale(), qMakePair(-5.0, 5.0));
    // The source is read when the range arrives, not when the marker was made.
    voltage.setSource({1, 1});
    emit voltage.horizontalScaleChanged(1, -2.0, 2.0);
    QCOMPARE(voltage.horizontalCursors().at(0).first->scale(), qMakePair(-2.0, 2.0));

    TimeCursor time;
    time.setSource({2, 2});
    emit time.verticalScaleChanged(0, -0.01, 0.03);
    for (const CursorMarkerPair &pair : time.verticalCursors())
        QCOMPARE(pair.first->scale(), qMakePair(-0.01, 0.03));
}

void TestCursorKinds::stripPositionMovesPlotLine()
{
    QwtPlot plot;
    plot.resize(400, 300);
    plot.replot();
    ManualCursor cursor;
    const CursorMarkerPair time = cursor.verticalCursors().at(0);
    const CursorMarkerPair voltage = cursor.horizontalCursors().at(1);
    time.second->attach(&plot);
    voltage.second->attach(&plot);
    emit time.first->positionChanged(120.7);
    emit voltage.first->positionChanged(80.9);
    QCOMPARE(time.second->xValue(), plot.invTransform(QwtPlot::xBottom, 120));
    QCOMPARE(voltage.second->yValue(), plot.invTransform(QwtPlot::yLeft, 80));
}

QTEST_MAIN(TestCursorKinds)
#include "tst_cursorkinds.moc"
