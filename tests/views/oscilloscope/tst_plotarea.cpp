#include "views/oscilloscope/plotarea.h"

#include "support/screenshotstyles.h"

#include "app/options.h"
#include "app/themestylesheet.h"
#include "assets/assets.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/markercollectionwidget.h"
#include "views/oscilloscope/valuemarker.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The plot area as the panel makes it: the plot goes into its grid and becomes its child.
struct Area
{
    Area()
        : plot(new CustomPlot(3))
        , area(plot)
    { }

    MarkerCollectionWidget *strip(int row, int column)
    {
        QLayoutItem *item = grid()->itemAtPosition(row, column);
        return item ? qobject_cast<MarkerCollectionWidget *>(item->widget()) : nullptr;
    }
    QGridLayout *grid() { return qobject_cast<QGridLayout *>(area.layout()); }
    MarkerCollectionWidget *right() { return strip(1, 2); }
    MarkerCollectionWidget *left() { return strip(1, 0); }
    MarkerCollectionWidget *top() { return strip(0, 1); }
    MarkerCollectionWidget *bottom() { return strip(2, 1); }
    bool shows(MarkerCollectionWidget *strip, ValueMarker *marker)
    {
        return strip->markers().contains(marker);
    }

    CustomPlot *plot;
    PlotArea area;
};

int iconSide(ValueMarker *marker)
{
    for (QLabel *label : marker->frame()->findChildren<QLabel *>()) {
        if (label->alignment() == Qt::AlignCenter)
            return label->height();
    }
    return -1;
}

} // namespace

class TestPlotArea : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void layout();
    void freshMarkers();
    void triggerLevelShowsHiddenMarker();
    void doubleClickResetsOffset_data();
    void doubleClickResetsOffset();
    void offsetSignalsIgnoreUnknownChannels();
    void offsetsReachCursors();
    void plotTimeScaleReachesMarkerAndCursors();
    void largeSheetSetsMarkerSize();
    void themeIcons();
    void cursorSources();
    void screenshots();
};

void TestPlotArea::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    initPraluneAssets();
}

void TestPlotArea::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TestPlotArea::layout()
{
    Area f;
    QGridLayout *grid = f.grid();
    QCOMPARE(grid->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(grid->spacing(), 0);
    QCOMPARE(grid->itemAtPosition(1, 1)->widget(), static_cast<QWidget *>(f.plot));
    QCOMPARE(f.plot->parent(), &f.area);
    QCOMPARE(f.top()->parent(), &f.area);
    QVERIFY(f.left() && f.right() && f.bottom());
    auto *button = qobject_cast<QToolButton *>(grid->itemAtPosition(0, 2)->widget());
    QVERIFY(button);
    QCOMPARE(button->iconSize(), QSize(25, 25));
    QVERIFY(button->autoRaise());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(grid->rowStretch(i), i == 1 ? 1 : 0);
        QCOMPARE(grid->columnStretch(i), i == 1 ? 1 : 0);
    }
    QCOMPARE(f.area.markerSize(), 16);
    QCOMPARE(f.top()->iconSize(), QSize(16, 16));
}

void TestPlotArea::freshMarkers()
{
    Area f;
    QCOMPARE(f.area.triggerMarker()->value(), 0.5);
    QCOMPARE(f.area.timeMarker()->value(), 0.0);
    const QVector<ValueMarker *> offsets = f.area.offsetMarkers();
    QCOMPARE(offsets.size(), 3);
    QCOMPARE(offsets.at(0)->value(), 0.5);
    QCOMPARE(offsets.at(1)->value(), -0.5);
    QCOMPARE(offsets.at(2)->value(), -0.5);
    QVERIFY(f.shows(f.right(), f.area.triggerMarker()));
    QVERIFY(f.shows(f.top(), f.area.timeMarker()));
    for (ValueMarker *marker : offsets) {
        QVERIFY(f.shows(f.left(), marker));
        QVERIFY(marker->iconOnly());
        QCOMPARE(marker->scale(), qMakePair(-1.0, 1.0));
    }
    QVERIFY(f.area.timeMarker()->iconOnly());
}

void TestPlotArea::triggerLevelShowsHiddenMarker()
{
    Area f;
    ValueMarker *trigger = f.area.triggerMarker();
    emit f.area.triggerLevel1EnabledChanged(false);
    QVERIFY(!f.shows(f.right(), trigger));
    emit f.area.triggerLevel1Changed(0.25);
    QVERIFY(f.shows(f.right(), trigger));
    QCOMPARE(trigger->value(), 0.25);
}

void TestPlotArea::doubleClickResetsOffset_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("emitted");
    QTest::newRow("from -0.5") << -0.5 << 1;
    QTest::newRow("already at zero") << 0.0 << 0;
}

void TestPlotArea::doubleClickResetsOffset()
{
    QFETCH(double, start);
    QFETCH(int, emitted);
    Area f;
    ValueMarker *marker = f.area.offsetMarkers().at(1);
    marker->setValue(start);
    QSignalSpy spy(&f.area, &PlotArea::offsetChanged);
    emit marker->doubleClicked();
    QCOMPARE(marker->value(), 0.0);
    QCOMPARE(spy.count(), emitted);
    if (emitted) {
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        QCOMPARE(spy.at(0).at(1).toDouble(), 0.0);
    }
}

void TestPlotArea::offsetSignalsIgnoreUnknownChannels()
{
    Area f;
    const QVector<ValueMarker *> offsets = f.area.offsetMarkers();
    emit f.area.offsetEnabledChanged(2, false);
    QVERIFY(!f.shows(f.left(), offsets.at(2)));
    for (int channel : {3, -1}) {
        emit f.area.offsetChanged(channel, 1.0);
        emit f.area.offsetScaleChanged(channel, -4.0, 4.0);
        emit f.area.offsetRangeChanged(channel, -0.1, 0.1);
        emit f.area.offsetEnabledChanged(channel, false);
    }
    for (ValueMarker *marker : offsets)
        QCOMPARE(marker->scale(), qMakePair(-1.0, 1.0));
    QCOMPARE(offsets.at(0)->value(), 0.5);
    QVERIFY(f.shows(f.left(), offsets.at(0)));
    // A new offset moves a hidden mark but leaves it hidden until its row is on again.
    emit f.area.offsetChanged(2, 0.125);
    QVERIFY(!f.shows(f.left(), offsets.at(2)));
    QCOMPARE(offsets.at(2)->value(), 0.125);
    emit f.area.offsetEnabledChanged(2, true);
    QVERIFY(f.shows(f.left(), offsets.at(2)));
}

void TestPlotArea::offsetsReachCursors()
{
    Area f;
    f.area.cursorsSystem().setSettings({4, 1, 0});
    CursorInterface *cursor = f.area.cursorsSystem().cursor();
    QVERIFY(cursor);
    f.area.offsetMarkers().at(1)->setValue(0.75);
    QCOMPARE(cursor->data().offsets, QVector<double>({0.5, 0.75, -0.5}));
}

void TestPlotArea::plotTimeScaleReachesMarkerAndCursors()
{
    Area f;
    QSignalSpy spy(&f.area.cursorsSystem(), &CursorsSystem::verticalScaleChanged);
    emit f.plot->timeScaleChanged(-0.002, 0.008);
    QCOMPARE(f.area.timeMarker()->scale(), qMakePair(-0.002, 0.008));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(spy.at(0).at(1).toDouble(), -0.002);
    QCOMPARE(spy.at(0).at(2).toDouble(), 0.008);
}

void TestPlotArea::largeSheetSetsMarkerSize()
{
    QVERIFY(applyThemeStyleSheet(0, 1));
    Area f;
    f.area.cursorsSystem().setSettings({4, 0, 1});
    f.area.ensurePolished();
    QCOMPARE(f.area.markerSize(), 24);
    for (MarkerCollectionWidget *strip : {f.left(), f.right(), f.top(), f.bottom()}) {
        QCOMPARE(strip->iconSize(), QSize(24, 24));
        for (ValueMarker *marker : strip->markers())
            QCOMPARE(iconSide(marker), 24);
    }
    QCOMPARE(f.bottom()->markers().size(), 2);
    QCOMPARE(f.right()->markers().size(), 3);
}

void TestPlotArea::themeIcons()
{
    // The icon file decides the picture: a light-set mark must differ from the dark one.
    Options options = load_from_cache();
    options.color_theme = 0;
    save_to_cache(options);
    Area f;
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(&f.area, &styleChange);
    const QImage dark = f.area.offsetMarkers().at(0)->frame()->grab().toImage();
    options.color_theme = 1;
    save_to_cache(options);
    QApplication::sendEvent(&f.area, &styleChange);
    const QImage light = f.area.offsetMarkers().at(0)->frame()->grab().toImage();
    QVERIFY(dark != light);
    auto *button = qobject_cast<QToolButton *>(f.grid()->itemAtPosition(0, 2)->widget());
    QVERIFY(!button->icon().isNull());
}

void TestPlotArea::cursorSources()
{
    Area f;
    QEvent languageChange(QEvent::LanguageChange);
    QApplication::sendEvent(&f.area, &languageChange);
    f.area.cursorsSystem().setSettings({1, 2, 1});
    f.area.openCursorsSettings();
    CursorsSettingsWidget *window = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<CursorsSettingsWidget *>(widget))
            window = found;
    }
    QVERIFY(window && window->isVisible());
    auto *source1 = window->findChild<QComboBox *>("source1ComboBox");
    QCOMPARE(source1->count(), 3);
    QCOMPARE(source1->itemText(0), QStringLiteral("Channel 1"));
    QCOMPARE(source1->itemText(1), QStringLiteral("Channel 2"));
    QCOMPARE(source1->itemText(2), QStringLiteral("Math channel"));
    QCOMPARE(source1->currentIndex(), 2);
    window->hide();
}

// Not a check: the plot area with a running sine, a time cursor and moved offsets, for a person
// to look at in every look.
void TestPlotArea::screenshots()
{
    const QString dir = screenshotDirectory();
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    const QVector<double> timeTable {1e-6, 2e-6, 5e-6, 1e-5, 2e-5, 5e-5, 1e-4, 2e-4, 5e-4, 1e-3};
    for (const ScreenshotStyle &style : screenshotStyles()) {
        applyScreenshotStyle(style);
        const bool dark = style.theme == QLatin1String("dark");
        QWidget page;
        page.setProperty("main", true);
        auto *layout = new QVBoxLayout(&page);
        auto *plot = new CustomPlot(3);
        auto *area = new PlotArea(plot);
        layout->addWidget(area->cursorsEvaluationWidget());
        layout->addWidget(area, 1);
        plot->setXDivisions(timeTable);
        plot->setGrid(Division(), 1e-3, 1.0);
        plot->setDefaultXZoom(9);
        plot->setBackgroundColor(dark ? QColor("#000000") : QColor("#ffffff"));
        plot->setMarkersColor(dark ? QColor("#ffffff") : QColor("#000000"));
        if (dark)
            plot->setCurveColors({QColor("#FFFF00"), QColor("#FF00FF"), QColor("#00FF00")});
        else
            plot->setCurveColors({QColor("#F44336"), QColor("#2196F3"), QColor("#4DBD33")});
        page.resize(900, 560);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        for (int channel = 0; channel < 3; ++channel)
            emit area->offsetScaleChanged(channel, -4.0, 4.0);
        emit area->triggerScaleChanged(-4.0, 4.0);
        emit area->offsetChanged(0, 2.0);
        emit area->offsetChanged(1, -1.5);
        emit area->offsetEnabledChanged(2, false);
        emit area->triggerLevel1Changed(2.5);
        area->cursorsSystem().setSettings({1, 0, 1});
        plot->setTimeParameters(10e-6, 8e-3);
        plot->setYOffset(0, 2.0);
        plot->setYOffset(1, -1.5);
        QVector<QVector<double>> record(3);
        for (int i = 0; i < 800; ++i) {
            const double t = i * 10e-6;
            record[0].append(2.0 + std::sin(2 * M_PI * 500 * t));
            record[1].append(-1.5 + 0.8 * std::sin(2 * M_PI * 1000 * t + 1.0));
            record[2].append(std::sin(2 * M_PI * 500 * t) * 0.8
                             * std::sin(2 * M_PI * 1000 * t + 1.0));
        }
        plot->dataChanged(1e-3, record);
        const QVector<CursorMarkerPair> cursors = area->cursorsSystem().vertiacalCursors();
        cursors.at(0).first->setValue(1.5e-3);
        cursors.at(1).first->setValue(3.2e-3);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        page.grab().save(QStringLiteral("%1/plot-area-%2.png").arg(dir, style.suffix()));
    }
    resetScreenshotStyle();
}

QTEST_MAIN(TestPlotArea)
#include "tst_plotarea.moc"
