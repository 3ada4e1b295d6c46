#include "views/oscilloscope/cursors/cursorssystem.h"

#include "assets/assets.h"
#include "views/oscilloscope/cursors/cursorevaluationwidget.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/markercollectionwidget.h"
#include "views/oscilloscope/plotarea.h"
#include "views/oscilloscope/valuemarker.h"

#include <qwt_plot_marker.h>

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

// A system wired as the plot area wires it: a real plot, the right strip for the voltage marks
// and the bottom strip for the time marks.
struct System
{
    System()
    {
        system.setPlot(&plot);
        system.setHorizontalMarkerWidget(&right);
        system.setVerticalMarkerWidget(&bottom);
    }

    int plotMarkers() const
    {
        return plot.itemList(QwtPlotItem::Rtti_PlotMarker).size() - ownMarkers;
    }
    QStringList panelTexts()
    {
        QStringList texts;
        auto *grid = qobject_cast<QGridLayout *>(system.evaluationWidget()->layout());
        for (int column = 1; column < grid->columnCount(); column += 2) {
            for (int row = 0; row < 2; ++row) {
                QLayoutItem *item = grid->itemAtPosition(row, column);
                if (auto *label = item ? qobject_cast<QLabel *>(item->widget()) : nullptr)
                    texts << label->text();
            }
        }
        return texts;
    }

    CustomPlot plot {3};
    // The plot draws marker lines of its own (trigger, time); only the cursors' count here.
    const int ownMarkers = plot.itemList(QwtPlotItem::Rtti_PlotMarker).size();
    MarkerCollectionWidget right {Qt::Vertical};
    MarkerCollectionWidget bottom {Qt::Horizontal};
    CursorsSystem system;
};

} // namespace

class TestCursorsSystem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startsWithoutCursor();
    void manualThenDisabled();
    void sameTypeKeepsMarkers();
    void kindChangeReplacesMarkers();
    void earlyScaleReachesNewCursor();
    void firstScaleForSourceTwo();
    void samplesReachPanel();
    void languageChangeWithoutCursor();
    void cursorWaitsForStrips();
    void destroyedBeforePlot();
    void destroyedWithPlotArea();
};

void TestCursorsSystem::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    initPraluneAssets();
}

void TestCursorsSystem::startsWithoutCursor()
{
    System f;
    QCOMPARE(f.system.settings().type, 0);
    QVERIFY(!f.system.cursor());
    QVERIFY(f.system.horizontalCursors().isEmpty());
    QVERIFY(f.system.vertiacalCursors().isEmpty());
    QCOMPARE(f.panelTexts(), CursorInterface::defaultDescription());
    QVERIFY(!f.system.evaluationWidget()->parent());
}

void TestCursorsSystem::manualThenDisabled()
{
    System f;
    f.system.setSettings({4, 0, 1});
    QVERIFY(f.system.cursor());
    QCOMPARE(f.plotMarkers(), 4);
    QCOMPARE(f.bottom.markers().size(), 2);
    QCOMPARE(f.right.markers().size(), 2);
    QCOMPARE(f.system.cursor()->sources(), QVector<int>({0, 1}));
    for (const CursorMarkerPair &pair : f.system.vertiacalCursors())
        QCOMPARE(pair.second->plot(), static_cast<QwtPlot *>(&f.plot));

    QPointer<CursorInterface> cursor = f.system.cursor();
    QPointer<ValueMarker> mark = f.system.horizontalCursors().at(0).first;
    f.system.setSettings({0, 0, 1});
    QVERIFY(cursor.isNull());
    QVERIFY(mark.isNull());
    QCOMPARE(f.plotMarkers(), 0);
    QVERIFY(f.bottom.markers().isEmpty());
    QVERIFY(f.right.markers().isEmpty());
    QCOMPARE(f.panelTexts(), CursorInterface::defaultDescription());
}

void TestCursorsSystem::sameTypeKeepsMarkers()
{
    System f;
    f.system.setHorizontalScale(1, -3.0, 3.0);
    f.system.setSettings({3, 0, 0});
    const QVector<CursorMarkerPair> before = f.system.horizontalCursors();
    QSignalSpy scales(&f.system, &CursorsSystem::horizontalScaleChanged);
    f.system.setSettings({3, 1, 2});
    QCOMPARE(f.system.horizontalCursors(), before);
    QCOMPARE(f.right.markers().size(), 2);
    QCOMPARE(f.system.cursor()->sources(), QVector<int>({1, 2}));
    // Every stored range is sent again, so the re-targeted marks take their source's range.
    QCOMPARE(scales.count(), 2);
    QCOMPARE(before.at(0).first->scale(), qMakePair(-3.0, 3.0));
}

void TestCursorsSystem::kindChangeReplacesMarkers()
{
    System f;
    f.system.setSettings({1, 0, 0});
    QPointer<ValueMarker> time = f.system.vertiacalCursors().at(0).first;
    f.system.setSettings({2, 0, 0});
    QVERIFY(time.isNull());
    QCOMPARE(f.bottom.markers().size(), 2);
    QCOMPARE(f.plotMarkers(), 2);
    QCOMPARE(f.system.vertiacalCursors().at(0).second->lineStyle(), QwtPlotMarker::Cross);
}

void TestCursorsSystem::earlyScaleReachesNewCursor()
{
    System f;
    emit f.system.horizontalScaleChanged(0, -2.0, 2.0);
    f.system.setSettings({3, 0, 0});
    CursorInterface *cursor = f.system.cursor();
    QVERIFY(cursor);
    // The cursor is made inside setSettings; the next settings show what it is sent.
    QSignalSpy cursorScales(cursor, &CursorInterface::horizontalScaleChanged);
    f.system.setSettings({3, 0, 1});
    QCOMPARE(cursorScales.count(), 1);
    QCOMPARE(cursorScales.at(0).at(1).toDouble(), -2.0);
    // The range was delivered when the cursor was attached, too.
    QCOMPARE(f.system.horizontalCursors().at(0).first->scale(), qMakePair(-2.0, 2.0));
}

void TestCursorsSystem::firstScaleForSourceTwo()
{
    System f;
    emit f.system.horizontalScaleChanged(2, -5.0, 5.0);
    f.system.setSettings({3, 2, 2});
    QSignalSpy scales(&f.system, &CursorsSystem::horizontalScaleChanged);
    f.system.setSettings({3, 2, 0});
    QCOMPARE(scales.count(), 3);
    QCOMPARE(scales.at(0), QVariantList({0, 0.0, 0.0}));
    QCOMPARE(scales.at(1), QVariantList({1, 0.0, 0.0}));
    QCOMPARE(scales.at(2), QVariantList({2, -5.0, 5.0}));
}

void TestCursorsSystem::samplesReachPanel()
{
    System f;
    f.system.setSettings({1, 0, 0});
    QVector<QVector<double>> samples {{0.1, 0.2, 0.3}};
    f.system.setData(0.25, 0.0, samples);
    QCOMPARE(f.system.cursor()->data().channels, &samples);
    const QStringList texts = f.panelTexts();
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts.at(0), QStringLiteral("Cur1  500.00 ms  ( 300.00 mV )"));
}

void TestCursorsSystem::languageChangeWithoutCursor()
{
    System f;
    f.system.evaluationWidget()->setEvaluationList({"x", "y", "z", "w"});
    f.system.changeLanguage();
    QCOMPARE(f.panelTexts(), CursorInterface::defaultDescription());
}

void TestCursorsSystem::cursorWaitsForStrips()
{
    CustomPlot plot(3);
    MarkerCollectionWidget bottom(Qt::Horizontal);
    CursorsSystem system;
    system.setPlot(&plot);
    system.setVerticalMarkerWidget(&bottom);
    system.setSettings({1, 0, 0});
    QVERIFY(system.cursor());
    QVERIFY(bottom.markers().isEmpty());
    MarkerCollectionWidget right(Qt::Vertical);
    system.setHorizontalMarkerWidget(&right);
    QCOMPARE(bottom.markers().size(), 2);
}

void TestCursorsSystem::destroyedBeforePlot()
{
    // The panel's order: the plot area (and with it the system) goes first, then the plot.
    auto *plot = new CustomPlot(3);
    auto *area = new PlotArea(plot);
    area->cursorsSystem().setSettings({4, 0, 1});
    QPointer<ValueMarker> time = area->cursorsSystem().vertiacalCursors().at(0).first;
    QPointer<ValueMarker> voltage = area->cursorsSystem().horizontalCursors().at(1).first;
    QPointer<CursorInterface> cursor = area->cursorsSystem().cursor();
    const int withCursor = plot->itemList(QwtPlotItem::Rtti_PlotMarker).size();
    plot->setParent(nullptr);
    delete area;
    QVERIFY(cursor.isNull());
    QVERIFY(time.isNull());
    QVERIFY(voltage.isNull());
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotMarker).size(), withCursor - 4);
    delete plot;
}

void TestCursorsSystem::destroyedWithPlotArea()
{
    // The plot is a child of the plot area: the system dies before it, and nothing is freed
    // twice (the sanitizer build checks).
    auto *area = new PlotArea(new CustomPlot(3));
    area->cursorsSystem().setSettings({2, 1, 0});
    QPointer<CursorInterface> cursor = area->cursorsSystem().cursor();
    QPointer<QWidget> panel = area->cursorsEvaluationWidget();
    delete area;
    QVERIFY(cursor.isNull());
    QVERIFY(panel.isNull());
}

QTEST_MAIN(TestCursorsSystem)
#include "tst_cursorssystem.moc"
