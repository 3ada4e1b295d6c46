#include "orvexplotwidget/orvexplotwidget.h"
#include "orvexplotwidget/plotpanner.h"

#include <qwt_plot.h>
#include <qwt_scale_div.h>
#include <qwt_scale_map.h>

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

QStringList *collectedWarnings = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (collectedWarnings && type != QtDebugMsg && type != QtInfoMsg)
        collectedWarnings->append(message);
}

// Fails nothing itself; the test reads what Qt complained about while it was alive.
class WarningCollector
{
public:
    WarningCollector()
    {
        collectedWarnings = &m_warnings;
        m_previous = qInstallMessageHandler(collectWarnings);
    }
    ~WarningCollector()
    {
        qInstallMessageHandler(m_previous);
        collectedWarnings = nullptr;
    }
    const QStringList &warnings() const { return m_warnings; }

private:
    QStringList m_warnings;
    QtMessageHandler m_previous = nullptr;
};

QPair<double, double> interval(const QwtPlot &plot, int axis)
{
    const QwtScaleDiv &div = plot.axisScaleDiv(axis);
    return {div.lowerBound(), div.upperBound()};
}

// Where the scale's ends land after a drag of delta pixels, by the map the drag started on.
QPair<double, double> shifted(const QwtPlot &plot, int axis, int delta)
{
    const QwtScaleMap map = plot.canvasMap(axis);
    const QPair<double, double> now = interval(plot, axis);
    return {map.invTransform(map.transform(now.first) - delta),
            map.invTransform(map.transform(now.second) - delta)};
}

bool near(QPair<double, double> actual, QPair<double, double> expected)
{
    const double tolerance = 1e-9 * std::max(1.0, std::abs(expected.second - expected.first));
    return std::abs(actual.first - expected.first) <= tolerance
            && std::abs(actual.second - expected.second) <= tolerance;
}

QByteArray describe(QPair<double, double> value)
{
    return QByteArray::number(value.first, 'g', 12) + " .. "
            + QByteArray::number(value.second, 'g', 12);
}

void sendMove(QWidget *canvas, const QPoint &pos, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
}

void drag(QWidget *canvas, const QPoint &from, const QPoint &to,
          Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(canvas, button, {}, from);
    sendMove(canvas, (from + to) / 2, button);
    sendMove(canvas, to, button);
    QTest::mouseRelease(canvas, button, {}, to);
}

} // namespace

class TestPlotPanner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void axisFlags();
    void dragShiftsScales_data();
    void dragShiftsScales();
    void noPanWithoutMovement_data();
    void noPanWithoutMovement();
    void otherButtonIsInert_data();
    void otherButtonIsInert();
    void pannerCoversCanvasWhileDragging();
    void disabledOrientationKeepsItsCoordinate();
    void disabledAxisStays();
    void movePlotPansLikeADrag();
    void barePannerStartsUnboundedAndEmpty();
    void zeroSizeCanvas();

private:
    std::unique_ptr<OrvexPlotWidget> m_plot;
    QWidget *m_canvas = nullptr;
    PlotPanner *m_panner = nullptr;
};

void TestPlotPanner::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestPlotPanner::init()
{
    m_plot = std::make_unique<OrvexPlotWidget>();
    m_plot->setAxisScale(QwtPlot::xBottom, 0, 100);
    m_plot->setAxisScale(QwtPlot::yLeft, -1, 1);
    m_plot->resize(640, 420);
    m_plot->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_plot.get()));
    m_plot->replot();
    m_canvas = m_plot->canvas();
    m_panner = m_plot->panner();
}

void TestPlotPanner::cleanup()
{
    m_plot.reset();
}

void TestPlotPanner::axisFlags()
{
    for (int axis = 0; axis < QwtPlot::axisCnt; ++axis)
        QVERIFY(m_panner->isAxisEnabled(axis));
    QVERIFY(m_panner->isAxisEnabled(7));
    QVERIFY(m_panner->isAxisEnabled(-1));
    m_panner->setAxisEnabled(7, false);
    QVERIFY(m_panner->isAxisEnabled(7));
    for (int axis = 0; axis < QwtPlot::axisCnt; ++axis)
        QVERIFY(m_panner->isAxisEnabled(axis));

    m_panner->setAxisEnabled(QwtPlot::yRight, false);
    QVERIFY(!m_panner->isAxisEnabled(QwtPlot::yRight));
    QVERIFY(m_panner->isAxisEnabled(QwtPlot::yLeft));
}

void TestPlotPanner::dragShiftsScales_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    // NaN: the drag's own shift is expected.
    QTest::addColumn<double>("expectedLower");
    QTest::addColumn<double>("expectedUpper");
    const double free = std::nan("");

    QTest::newRow("right and down, unbounded") << QPoint(120, 50) << -inf << inf << free << free;
    QTest::newRow("left and up, unbounded") << QPoint(-90, -30) << -inf << inf << free << free;
    QTest::newRow("inside the bounds") << QPoint(40, 0) << -100.0 << 200.0 << free << free;
    QTest::newRow("below the lower bound") << QPoint(300, 10) << -10.0 << 200.0 << -10.0 << 90.0;
    QTest::newRow("above the upper bound") << QPoint(-500, 10) << -10.0 << 150.0 << 50.0 << 150.0;
    QTest::newRow("wider than the bounds: the upper wins")
            << QPoint(5, 0) << 0.0 << 50.0 << -50.0 << 50.0;
}

void TestPlotPanner::dragShiftsScales()
{
    QFETCH(QPoint, delta);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, expectedLower);
    QFETCH(double, expectedUpper);
    m_panner->setBoundsX(lower, upper);

    QPair<double, double> expectedX = shifted(*m_plot, QwtPlot::xBottom, delta.x());
    if (!std::isnan(expectedLower))
        expectedX = {expectedLower, expectedUpper};
    const QPair<double, double> expectedY = shifted(*m_plot, QwtPlot::yLeft, delta.y());

    QSignalSpy panned(m_panner, &QwtPanner::panned);
    QSignalSpy moved(m_panner, &QwtPanner::moved);
    const QPoint from = m_canvas->rect().center();
    drag(m_canvas, from, from + delta);

    QCOMPARE(panned.count(), 1);
    QCOMPARE(panned.at(0).at(0).toInt(), delta.x());
    QCOMPARE(panned.at(0).at(1).toInt(), delta.y());
    QVERIFY(moved.count() >= 1);

    const QPair<double, double> x = interval(*m_plot, QwtPlot::xBottom);
    QVERIFY2(near(x, expectedX), QByteArray(describe(x) + " instead of " + describe(expectedX)));
    const QPair<double, double> y = interval(*m_plot, QwtPlot::yLeft);
    QVERIFY2(near(y, expectedY), QByteArray(describe(y) + " instead of " + describe(expectedY)));
    QVERIFY(!m_panner->isVisible());
    QVERIFY(!m_panner->isActive());
}

void TestPlotPanner::noPanWithoutMovement_data()
{
    QTest::addColumn<bool>("wander");
    QTest::newRow("press and release") << false;
    QTest::newRow("away and back") << true;
}

void TestPlotPanner::noPanWithoutMovement()
{
    QFETCH(bool, wander);
    const auto before = interval(*m_plot, QwtPlot::xBottom);
    QSignalSpy panned(m_panner, &QwtPanner::panned);
    const QPoint at = m_canvas->rect().center();

    QTest::mousePress(m_canvas, Qt::LeftButton, {}, at);
    if (wander) {
        sendMove(m_canvas, at + QPoint(60, 20), Qt::LeftButton);
        sendMove(m_canvas, at, Qt::LeftButton);
    }
    QTest::mouseRelease(m_canvas, Qt::LeftButton, {}, at);

    QCOMPARE(panned.count(), 0);
    QCOMPARE(interval(*m_plot, QwtPlot::xBottom), before);
    QVERIFY(!m_panner->isVisible());
    QVERIFY(!m_panner->isActive());
}

void TestPlotPanner::otherButtonIsInert_data()
{
    QTest::addColumn<int>("panButton");
    QTest::addColumn<int>("pressed");
    QTest::newRow("right button") << int(Qt::LeftButton) << int(Qt::RightButton);
    QTest::newRow("middle button") << int(Qt::LeftButton) << int(Qt::MiddleButton);
    QTest::newRow("no pan button, left") << int(Qt::NoButton) << int(Qt::LeftButton);
    QTest::newRow("no pan button, right") << int(Qt::NoButton) << int(Qt::RightButton);
}

void TestPlotPanner::otherButtonIsInert()
{
    QFETCH(int, panButton);
    QFETCH(int, pressed);
    m_panner->setMouseButton(Qt::MouseButton(panButton));
    const auto before = interval(*m_plot, QwtPlot::xBottom);
    QSignalSpy panned(m_panner, &QwtPanner::panned);
    QSignalSpy moved(m_panner, &QwtPanner::moved);
    const QPoint from = m_canvas->rect().center();

    QTest::mousePress(m_canvas, Qt::MouseButton(pressed), {}, from);
    QVERIFY(!m_panner->isVisible());
    QVERIFY(!m_panner->isActive());
    sendMove(m_canvas, from + QPoint(50, 30), Qt::MouseButton(pressed));
    QTest::mouseRelease(m_canvas, Qt::MouseButton(pressed), {}, from + QPoint(50, 30));

    QCOMPARE(panned.count(), 0);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(interval(*m_plot, QwtPlot::xBottom), before);
}

void TestPlotPanner::pannerCoversCanvasWhileDragging()
{
    const QPoint from = m_canvas->rect().center();
    QTest::mousePress(m_canvas, Qt::LeftButton, {}, from);
    QVERIFY(m_panner->isActive());
    QVERIFY(m_panner->isVisible());
    QCOMPARE(m_panner->geometry(), m_canvas->rect());
    QCOMPARE(m_canvas->cursor().shape(), Qt::ClosedHandCursor);

    // A move that leaves the canvas is not followed.
    QSignalSpy moved(m_panner, &QwtPanner::moved);
    sendMove(m_canvas, QPoint(m_canvas->width() + 20, from.y()), Qt::LeftButton);
    QCOMPARE(moved.count(), 0);
    sendMove(m_canvas, from + QPoint(10, 0), Qt::LeftButton);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), 10);

    QTest::mouseRelease(m_canvas, Qt::LeftButton, {}, from + QPoint(10, 0));
    QVERIFY(!m_panner->isActive());
    QVERIFY(!m_panner->isVisible());
    QCOMPARE(m_canvas->cursor().shape(), Qt::ArrowCursor);
}

void TestPlotPanner::disabledOrientationKeepsItsCoordinate()
{
    m_panner->setOrientations(Qt::Vertical);
    const auto beforeX = interval(*m_plot, QwtPlot::xBottom);
    const auto expectedY = shifted(*m_plot, QwtPlot::yLeft, 40);
    QSignalSpy panned(m_panner, &QwtPanner::panned);
    const QPoint from = m_canvas->rect().center();

    drag(m_canvas, from, from + QPoint(80, 40));

    QCOMPARE(panned.count(), 1);
    QCOMPARE(panned.at(0).at(0).toInt(), 0);
    QCOMPARE(panned.at(0).at(1).toInt(), 40);
    QCOMPARE(interval(*m_plot, QwtPlot::xBottom), beforeX);
    QVERIFY(near(interval(*m_plot, QwtPlot::yLeft), expectedY));
}

void TestPlotPanner::disabledAxisStays()
{
    m_panner->setAxisEnabled(QwtPlot::xBottom, false);
    const auto beforeX = interval(*m_plot, QwtPlot::xBottom);
    const auto expectedY = shifted(*m_plot, QwtPlot::yLeft, 25);
    const QPoint from = m_canvas->rect().center();

    drag(m_canvas, from, from + QPoint(70, 25));

    QCOMPARE(interval(*m_plot, QwtPlot::xBottom), beforeX);
    QVERIFY(near(interval(*m_plot, QwtPlot::yLeft), expectedY));
}

void TestPlotPanner::movePlotPansLikeADrag()
{
    m_panner->setBoundsX(-20, inf);
    QSignalSpy panned(m_panner, &QwtPanner::panned);
    const auto expectedY = shifted(*m_plot, QwtPlot::yLeft, -15);

    m_panner->movePlot(10000, -15);

    QCOMPARE(panned.count(), 1);
    QVERIFY(near(interval(*m_plot, QwtPlot::xBottom), {-20.0, 80.0}));
    QVERIFY(near(interval(*m_plot, QwtPlot::yLeft), expectedY));

    const auto before = interval(*m_plot, QwtPlot::xBottom);
    m_panner->movePlot(0, 0);
    QCOMPARE(interval(*m_plot, QwtPlot::xBottom), before);
}

// On a plain plot nothing sets offsets or bounds: the panner must still pan, unbounded, and
// paint nothing rather than an empty picture.
void TestPlotPanner::barePannerStartsUnboundedAndEmpty()
{
    QwtPlot plot;
    plot.setAxisScale(QwtPlot::xBottom, 0, 10);
    plot.resize(400, 300);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    auto *panner = new PlotPanner(plot.canvas());
    panner->setMouseButton(Qt::LeftButton);
    QCOMPARE(panner->plot(), &plot);
    QCOMPARE(panner->canvas(), plot.canvas());
    QVERIFY(!panner->isActive());

    const auto expected = shifted(plot, QwtPlot::xBottom, 5000);
    WarningCollector collector;
    const QPoint from = plot.canvas()->rect().center();
    QTest::mousePress(plot.canvas(), Qt::LeftButton, {}, from);
    sendMove(plot.canvas(), from + QPoint(30, 0), Qt::LeftButton);
    plot.canvas()->grab();
    QTest::mouseRelease(plot.canvas(), Qt::LeftButton, {}, from + QPoint(5000, 0));

    QVERIFY2(collector.warnings().isEmpty(), qPrintable(collector.warnings().join('\n')));
    QVERIFY(near(interval(plot, QwtPlot::xBottom), expected));
    QVERIFY(interval(plot, QwtPlot::xBottom).first < -100);
}

void TestPlotPanner::zeroSizeCanvas()
{
    QWidget host;
    host.resize(200, 200);
    OrvexPlotWidget plot(&host);
    plot.setAxisScale(QwtPlot::xBottom, 0, 100);
    plot.setAxisScale(QwtPlot::yLeft, -1, 1);
    plot.setGeometry(0, 0, 0, 0);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    plot.replot();
    QWidget *canvas = plot.canvas();
    QVERIFY(canvas->width() <= 0 || canvas->height() <= 0);

    WarningCollector collector;
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(0, 0));
    sendMove(canvas, QPoint(0, 0), Qt::LeftButton);
    canvas->grab();
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(7, 3));
    plot.panner()->movePlot(4, 4);

    QVERIFY2(collector.warnings().isEmpty(), qPrintable(collector.warnings().join('\n')));
    QVERIFY(!plot.panner()->isActive());
    const auto x = interval(plot, QwtPlot::xBottom);
    const auto y = interval(plot, QwtPlot::yLeft);
    QVERIFY(std::isfinite(x.first) && std::isfinite(x.second));
    QVERIFY(std::isfinite(y.first) && std::isfinite(y.second));
}

QTEST_MAIN(TestPlotPanner)
#include "tst_plotpanner.moc"
