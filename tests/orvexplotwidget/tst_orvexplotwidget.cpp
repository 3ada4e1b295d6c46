#include "orvexplotwidget/orvexplotwidget.h"
#include "orvexplotwidget/plotpanner.h"

#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_div.h>

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

const QString enabledLabelStyle = QStringLiteral("QwtLegendLabel{color:rgba(0, 0, 0, 1);}");
const QString disabledLabelStyle = QStringLiteral("QwtLegendLabel{color:rgba(0, 0, 0, 0.54);}");

struct BoolSetting
{
    const char *name;
    void (OrvexPlotWidget::*set)(bool);
    bool (OrvexPlotWidget::*get)() const;
    void (OrvexPlotWidget::*changed)(bool);
    bool (QwtPlotGrid::*gridFlag)() const;
};

const BoolSetting boolSettings[] = {
        {"legend", &OrvexPlotWidget::setLegendVisible, &OrvexPlotWidget::legendVisible,
         &OrvexPlotWidget::legendVisibleChanged, nullptr},
        {"minor x grid", &OrvexPlotWidget::setMinorXGridLineVisible,
         &OrvexPlotWidget::minorXGridLineVisible, &OrvexPlotWidget::minorXGridLineVisibleChanged,
         &QwtPlotGrid::xMinEnabled},
        {"minor y grid", &OrvexPlotWidget::setMinorYGridLineVisible,
         &OrvexPlotWidget::minorYGridLineVisible, &OrvexPlotWidget::minorYGridLineVisibleChanged,
         &QwtPlotGrid::yMinEnabled},
        {"major x grid", &OrvexPlotWidget::setMajorXGridLineVisible,
         &OrvexPlotWidget::majorXGridLineVisible, &OrvexPlotWidget::majorXGridLineVisibleChanged,
         &QwtPlotGrid::xEnabled},
        {"major y grid", &OrvexPlotWidget::setMajorYGridLineVisible,
         &OrvexPlotWidget::majorYGridLineVisible, &OrvexPlotWidget::majorYGridLineVisibleChanged,
         &QwtPlotGrid::yEnabled},
};

QwtPlotGrid *gridOf(const OrvexPlotWidget &plot)
{
    const QwtPlotItemList items = plot.itemList(QwtPlotItem::Rtti_PlotGrid);
    return items.size() == 1 ? static_cast<QwtPlotGrid *>(items.first()) : nullptr;
}

QwtLegendLabel *labelOf(const OrvexPlotWidget &plot, QwtPlotCurve *curve)
{
    auto *legend = qobject_cast<const QwtLegend *>(plot.legend());
    if (!legend || !curve)
        return nullptr;
    return qobject_cast<QwtLegendLabel *>(legend->legendWidget(plot.itemToInfo(curve)));
}

int visibleItemsCount(OrvexPlotWidget &plot)
{
    int count = -1;
    QMetaObject::invokeMethod(&plot, "legendVisibleItemsCount", Qt::DirectConnection,
                              Q_RETURN_ARG(int, count));
    return count;
}

} // namespace

class TestOrvexPlotWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaults();
    void boolSetting_data();
    void boolSetting();
    void backgroundColor();
    void fontReachesAxesAndLegend();
    void curvesBeyondLimitStartHidden();
    void curveIndexOutOfRange();
    void legendChecksFirstCurves_data();
    void legendChecksFirstCurves();
    void uncheckingReenablesTheRest();
    void removeCurveReleasesItsLabel_data();
    void removeCurveReleasesItsLabel();
    void clearCurvesThenLegendToggling();
    void legendSizeOnCanvasResize_data();
    void legendSizeOnCanvasResize();
    void pressRendersPictureOnlyForPanButton_data();
    void pressRendersPictureOnlyForPanButton();
    void pictureFollowsTheDrag();

private:
    void addCurves(int count);
    void showPlot();

    std::unique_ptr<OrvexPlotWidget> m_plot;
};

void TestOrvexPlotWidget::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestOrvexPlotWidget::init()
{
    m_plot = std::make_unique<OrvexPlotWidget>();
}

void TestOrvexPlotWidget::cleanup()
{
    m_plot.reset();
}

void TestOrvexPlotWidget::addCurves(int count)
{
    for (int i = 0; i < count; ++i)
        m_plot->addCurve(QStringLiteral("Channel %1").arg(m_plot->curveCount() + 1));
}

void TestOrvexPlotWidget::showPlot()
{
    m_plot->resize(640, 420);
    m_plot->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_plot.get()));
}

void TestOrvexPlotWidget::defaults()
{
    OrvexPlotWidget &plot = *m_plot;
    QVERIFY(!plot.legendVisible());
    QVERIFY(!plot.legend());
    QCOMPARE(plot.legendPosition(), QwtPlot::BottomLegend);
    QCOMPARE(plot.backgroundColor(), QColor(Qt::white));
    QCOMPARE(plot.canvas()->styleSheet(),
             QStringLiteral("QWidget { background-color: #ffffff; border: 1px solid #dbdbdb; }"));

    QCOMPARE(plot.axisMaxMajor(QwtPlot::xBottom), 5);
    QCOMPARE(plot.axisMaxMajor(QwtPlot::yLeft), 5);
    QCOMPARE(plot.axisMaxMinor(QwtPlot::xBottom), 2);
    QCOMPARE(plot.axisMaxMinor(QwtPlot::yLeft), 2);
    QCOMPARE(visibleItemsCount(plot), 4);

    QwtPlotGrid *grid = gridOf(plot);
    QVERIFY(grid);
    QVERIFY(grid->xEnabled() && grid->yEnabled() && grid->xMinEnabled() && grid->yMinEnabled());
    QCOMPARE(grid->majorPen().color(), QColor(Qt::gray));
    QCOMPARE(grid->majorPen().widthF(), 1.0);
    QCOMPARE(grid->majorPen().style(), Qt::SolidLine);
    QCOMPARE(grid->minorPen().widthF(), 0.0);
    QCOMPARE(grid->minorPen().style(), Qt::DashLine);

    QVERIFY(plot.panner());
    QCOMPARE(plot.panner()->parentWidget(), plot.canvas());
    Qt::MouseButton button = Qt::NoButton;
    plot.panner()->getMouseButton(button);
    QCOMPARE(button, Qt::LeftButton);
    QCOMPARE(plot.curveCount(), 0);
}

void TestOrvexPlotWidget::boolSetting_data()
{
    QTest::addColumn<int>("setting");
    for (int i = 0; i < int(std::size(boolSettings)); ++i)
        QTest::newRow(boolSettings[i].name) << i;
}

void TestOrvexPlotWidget::boolSetting()
{
    QFETCH(int, setting);
    const BoolSetting &s = boolSettings[setting];
    OrvexPlotWidget &plot = *m_plot;
    QSignalSpy changed(&plot, s.changed);

    const bool initial = (plot.*s.get)();
    (plot.*s.set)(initial);
    QCOMPARE(changed.count(), 0);

    (plot.*s.set)(!initial);
    QCOMPARE((plot.*s.get)(), !initial);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toBool(), !initial);
    if (s.gridFlag)
        QCOMPARE((gridOf(plot)->*s.gridFlag)(), !initial);
    else
        QCOMPARE(plot.legend() != nullptr, !initial);

    (plot.*s.set)(!initial);
    QCOMPARE(changed.count(), 1);

    (plot.*s.set)(initial);
    QCOMPARE(changed.count(), 2);
    if (s.gridFlag)
        QCOMPARE((gridOf(plot)->*s.gridFlag)(), initial);
    else
        QCOMPARE(plot.legend() != nullptr, initial);
}

void TestOrvexPlotWidget::backgroundColor()
{
    OrvexPlotWidget &plot = *m_plot;
    QSignalSpy changed(&plot, &OrvexPlotWidget::backgroundColorChanged);

    plot.setBackgroundColor(Qt::white);
    QCOMPARE(changed.count(), 0);

    plot.setBackgroundColor(QColor(0x30, 0x30, 0x30));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(plot.backgroundColor(), QColor(0x30, 0x30, 0x30));
    QCOMPARE(plot.canvas()->styleSheet(),
             QStringLiteral("QWidget { background-color: #303030; border: 1px solid #dbdbdb; }"));

    plot.setBackgroundColor(QColor(0x30, 0x30, 0x30));
    QCOMPARE(changed.count(), 1);
}

void TestOrvexPlotWidget::fontReachesAxesAndLegend()
{
    m_plot->setLegendVisible(true);
    addCurves(2);
    QFont font;
    font.setPixelSize(17);
    font.setBold(true);
    m_plot->setFont(font);

    QCOMPARE(m_plot->font(), font);
    for (const int axis : {int(QwtPlot::xBottom), int(QwtPlot::yLeft)}) {
        QCOMPARE(m_plot->axisFont(axis), font);
        QCOMPARE(m_plot->axisTitle(axis).font(), font);
    }
    for (int i = 0; i < 2; ++i)
        QCOMPARE(labelOf(*m_plot, m_plot->curve(i))->font(), font);

    // A curve added later takes the plot's font too.
    addCurves(1);
    QCOMPARE(labelOf(*m_plot, m_plot->curve(2))->font(), font);
}

void TestOrvexPlotWidget::curvesBeyondLimitStartHidden()
{
    addCurves(5);
    QCOMPARE(m_plot->curveCount(), 5);
    for (int i = 0; i < 4; ++i)
        QVERIFY2(m_plot->curve(i)->isVisible(), qPrintable(QString::number(i)));
    QVERIFY(!m_plot->curve(4)->isVisible());
    QCOMPARE(m_plot->curve(0)->title().text(), QStringLiteral("Channel 1"));
    QCOMPARE(m_plot->curve(0)->plot(), m_plot.get());

    // A larger limit lets later curves in; the curves already there stay as they are.
    m_plot->setLegendVisibleItemsCount(6);
    addCurves(1);
    QVERIFY(m_plot->curve(5)->isVisible());
    QVERIFY(!m_plot->curve(4)->isVisible());

    // A curve made elsewhere joins the same list under the same limit; no curve adds none.
    auto *own = new QwtPlotCurve(QStringLiteral("Own"));
    QCOMPARE(m_plot->addCurve(own), own);
    QCOMPARE(m_plot->curve(6), own);
    QCOMPARE(own->plot(), m_plot.get());
    QVERIFY(!own->isVisible());
    QVERIFY(!m_plot->addCurve(static_cast<QwtPlotCurve *>(nullptr)));
    QCOMPARE(m_plot->curveCount(), 7);
}

void TestOrvexPlotWidget::curveIndexOutOfRange()
{
    addCurves(3);
    QwtPlotCurve *second = m_plot->curve(1);
    QVERIFY(!m_plot->curve(-1));
    QVERIFY(!m_plot->curve(m_plot->curveCount()));

    m_plot->removeCurve(-1);
    m_plot->removeCurve(3);
    QCOMPARE(m_plot->curveCount(), 3);

    m_plot->removeCurve(0);
    QCOMPARE(m_plot->curveCount(), 2);
    QCOMPARE(m_plot->curve(0), second);
    QCOMPARE(m_plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
}

void TestOrvexPlotWidget::legendChecksFirstCurves_data()
{
    QTest::addColumn<bool>("legendFirst");
    QTest::newRow("legend shown, then curves added") << true;
    QTest::newRow("curves added, then legend shown") << false;
}

void TestOrvexPlotWidget::legendChecksFirstCurves()
{
    QFETCH(bool, legendFirst);
    if (legendFirst)
        m_plot->setLegendVisible(true);
    addCurves(5);
    if (!legendFirst)
        m_plot->setLegendVisible(true);
    showPlot();

    for (int i = 0; i < 4; ++i) {
        QwtLegendLabel *label = labelOf(*m_plot, m_plot->curve(i));
        QVERIFY(label);
        QVERIFY2(label->isChecked(), qPrintable(QString::number(i)));
        QVERIFY(label->isEnabled());
        QVERIFY(m_plot->curve(i)->isVisible());
    }
    QwtLegendLabel *fifth = labelOf(*m_plot, m_plot->curve(4));
    QVERIFY(fifth);
    QVERIFY(!fifth->isChecked());
    QVERIFY(!fifth->isEnabled());
    QCOMPARE(fifth->styleSheet(), disabledLabelStyle);
    QVERIFY(!m_plot->curve(4)->isVisible());

    // A disabled entry takes no clicks.
    QTest::mouseClick(fifth, Qt::LeftButton);
    QVERIFY(!fifth->isChecked());
    QVERIFY(!m_plot->curve(4)->isVisible());
}

void TestOrvexPlotWidget::uncheckingReenablesTheRest()
{
    m_plot->setLegendVisible(true);
    addCurves(5);
    showPlot();
    QwtLegendLabel *second = labelOf(*m_plot, m_plot->curve(1));
    QwtLegendLabel *fifth = labelOf(*m_plot, m_plot->curve(4));

    QTest::mouseClick(second, Qt::LeftButton);
    QVERIFY(!second->isChecked());
    QVERIFY(!m_plot->curve(1)->isVisible());
    for (int i = 0; i < 5; ++i) {
        QwtLegendLabel *label = labelOf(*m_plot, m_plot->curve(i));
        QVERIFY2(label->isEnabled(), qPrintable(QString::number(i)));
        QCOMPARE(label->styleSheet(), enabledLabelStyle);
    }

    QTest::mouseClick(fifth, Qt::LeftButton);
    QVERIFY(fifth->isChecked());
    QVERIFY(m_plot->curve(4)->isVisible());
    QVERIFY(!second->isEnabled());
    QCOMPARE(second->styleSheet(), disabledLabelStyle);
    QVERIFY(labelOf(*m_plot, m_plot->curve(0))->isEnabled());
}

void TestOrvexPlotWidget::removeCurveReleasesItsLabel_data()
{
    QTest::addColumn<int>("removed");
    QTest::addColumn<bool>("drainEvents");
    QTest::newRow("checked curve") << 1 << false;
    QTest::newRow("checked curve, label already deleted") << 1 << true;
    QTest::newRow("unchecked curve") << 4 << true;
}

void TestOrvexPlotWidget::removeCurveReleasesItsLabel()
{
    QFETCH(int, removed);
    QFETCH(bool, drainEvents);
    m_plot->setLegendVisible(true);
    addCurves(5);
    showPlot();

    m_plot->removeCurve(removed);
    if (drainEvents)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_plot->curveCount(), 4);

    if (removed == 4) {
        // Four checked curves remain: nothing to enable, nothing disabled.
        for (int i = 0; i < 4; ++i)
            QVERIFY(labelOf(*m_plot, m_plot->curve(i))->isChecked());
    } else {
        // The former fifth curve, now the last, can be checked: three are checked.
        QwtLegendLabel *last = labelOf(*m_plot, m_plot->curve(3));
        QVERIFY(last->isEnabled());
        QCOMPARE(last->styleSheet(), enabledLabelStyle);
        QTest::mouseClick(last, Qt::LeftButton);
        QVERIFY(last->isChecked());
        QVERIFY(m_plot->curve(3)->isVisible());
    }

    // Toggling the legend and adding past the limit again must still count correctly.
    m_plot->setLegendVisible(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_plot->setLegendVisible(true);
    addCurves(1);
    QwtLegendLabel *added = labelOf(*m_plot, m_plot->curve(4));
    QVERIFY(added);
    QVERIFY(!added->isEnabled());
    QVERIFY(!m_plot->curve(4)->isVisible());
    m_plot->removeCurve(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(labelOf(*m_plot, m_plot->curve(3))->isEnabled());
}

void TestOrvexPlotWidget::clearCurvesThenLegendToggling()
{
    m_plot->setLegendVisible(true);
    addCurves(5);
    showPlot();
    m_plot->clearCurves();
    QCOMPARE(m_plot->curveCount(), 0);
    QVERIFY(m_plot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    m_plot->setLegendVisible(false);
    m_plot->setLegendVisible(true);
    addCurves(4);
    for (int i = 0; i < 4; ++i)
        QVERIFY(labelOf(*m_plot, m_plot->curve(i))->isChecked());
    QTest::mouseClick(labelOf(*m_plot, m_plot->curve(0)), Qt::LeftButton);
    QVERIFY(!m_plot->curve(0)->isVisible());
}

void TestOrvexPlotWidget::legendSizeOnCanvasResize_data()
{
    QTest::addColumn<bool>("legend");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("sized");
    QTest::newRow("no legend") << false << int(QwtPlot::RightLegend) << false;
    QTest::newRow("legend at the bottom") << true << int(QwtPlot::BottomLegend) << false;
    QTest::newRow("legend at the right") << true << int(QwtPlot::RightLegend) << true;
}

void TestOrvexPlotWidget::legendSizeOnCanvasResize()
{
    QFETCH(bool, legend);
    QFETCH(int, position);
    QFETCH(bool, sized);
    m_plot->setLegendPosition(QwtPlot::LegendPosition(position));
    m_plot->setLegendVisible(legend);
    addCurves(2);
    showPlot();

    QSignalSpy sizes(m_plot.get(), &OrvexPlotWidget::legendSizeChanged);
    m_plot->resize(700, 460);
    QTRY_VERIFY(sizes.count() >= 1);
    m_plot->resize(500, 380);
    QTRY_VERIFY(sizes.count() >= 2);

    const QSize last = sizes.last().at(0).toSize();
    if (sized) {
        QVERIFY(!last.isEmpty());
        QCOMPARE(last, m_plot->legend()->size());
    } else {
        QCOMPARE(last, QSize(0, 0));
    }
    QCOMPARE(m_plot->panner()->size(), m_plot->canvas()->size());
}

void TestOrvexPlotWidget::pressRendersPictureOnlyForPanButton_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("pannerEnabled");
    QTest::addColumn<bool>("rendered");
    QTest::newRow("pan button") << int(Qt::LeftButton) << true << true;
    QTest::newRow("other button") << int(Qt::RightButton) << true << false;
    QTest::newRow("panner disabled") << int(Qt::LeftButton) << false << false;
}

// The picture's grid is divided over the widened interval; the plot's own over the visible one.
void TestOrvexPlotWidget::pressRendersPictureOnlyForPanButton()
{
    QFETCH(int, button);
    QFETCH(bool, pannerEnabled);
    QFETCH(bool, rendered);
    m_plot->setAxisScale(QwtPlot::xBottom, 0, 100);
    m_plot->setAxisScale(QwtPlot::yLeft, -1, 1);
    showPlot();
    m_plot->panner()->setEnabled(pannerEnabled);
    QwtPlotGrid *grid = gridOf(*m_plot);
    QCOMPARE(grid->xScaleDiv().upperBound(), 100.0);

    const QPoint centre = m_plot->canvas()->rect().center();
    QTest::mousePress(m_plot->canvas(), Qt::MouseButton(button), {}, centre);
    if (rendered) {
        QVERIFY(grid->xScaleDiv().lowerBound() < -50);
        QVERIFY(grid->xScaleDiv().upperBound() > 150);
        QVERIFY(grid->yScaleDiv().lowerBound() < -2);
        QVERIFY(grid->yScaleDiv().upperBound() > 2);
        QVERIFY(m_plot->panner()->isActive());
    } else {
        QCOMPARE(grid->xScaleDiv().lowerBound(), 0.0);
        QCOMPARE(grid->xScaleDiv().upperBound(), 100.0);
        QVERIFY(!m_plot->panner()->isActive());
    }
    QTest::mouseRelease(m_plot->canvas(), Qt::MouseButton(button), {}, centre);
    QVERIFY(!m_plot->panner()->isActive());
}

// While dragging, the panner shows the picture moved by the drag, inside the canvas's frame.
void TestOrvexPlotWidget::pictureFollowsTheDrag()
{
    m_plot->setMajorXGridLineVisible(false);
    m_plot->setMajorYGridLineVisible(false);
    m_plot->setMinorXGridLineVisible(false);
    m_plot->setMinorYGridLineVisible(false);
    static const double xs[] = {0.0, 100.0};
    static const double ys[] = {0.0, 0.0};
    QwtPlotCurve *line = m_plot->addCurve(QStringLiteral("zero"));
    line->setPen(Qt::red, 3);
    line->setRawSamples(xs, ys, 2);
    m_plot->setAxisScale(QwtPlot::xBottom, 0, 100);
    m_plot->setAxisScale(QwtPlot::yLeft, -1, 1);
    showPlot();
    m_plot->replot();

    QWidget *canvas = m_plot->canvas();
    const int column = canvas->width() / 2;
    const double zero = m_plot->canvasMap(QwtPlot::yLeft).transform(0.0);
    const int row = qRound(zero);
    // The picture is antialiased and its scale may fall half a pixel off the canvas's.
    auto redNear = [column](const QImage &image, int row) {
        for (int y = row - 2; y <= row + 2; ++y) {
            const QRgb pixel = image.pixel(column, y);
            if (qRed(pixel) > 200 && qGreen(pixel) < 60)
                return true;
        }
        return false;
    };
    QVERIFY(redNear(canvas->grab().toImage(), row));

    const QPoint press(column, canvas->height() / 2);
    QTest::mousePress(canvas, Qt::LeftButton, {}, press);
    QMouseEvent move(QEvent::MouseMove, QPointF(press + QPoint(30, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QVERIFY(m_plot->panner()->isVisible());

    const QImage dragged = canvas->grab().toImage();
    QVERIFY(!redNear(dragged, row));
    QVERIFY(redNear(dragged, row + 40));
    // The frame stays the canvas's own.
    QCOMPARE(QColor(dragged.pixel(0, row + 40)), QColor(0xdb, 0xdb, 0xdb));

    QTest::mouseRelease(canvas, Qt::LeftButton, {}, press + QPoint(30, 40));
    QVERIFY(!m_plot->panner()->isVisible());
    // New tick labels may move the canvas's margins by a pixel or two.
    QVERIFY(qAbs(m_plot->canvasMap(QwtPlot::yLeft).transform(0.0) - (zero + 40)) < 2.5);
}

QTEST_MAIN(TestOrvexPlotWidget)
#include "tst_orvexplotwidget.moc"
