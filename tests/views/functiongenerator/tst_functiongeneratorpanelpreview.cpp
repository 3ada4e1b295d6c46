#include "tests/views/support/screenshotlooks.h"
#include "views/functiongenerator/functiongeneratorwidget.h"

#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "orvexplotwidget/orvexplotwidget.h"
#include "support/generatortesthelpers.h"
#include "vekwidgets/vekmultiswitch.h"

#include <QFile>
#include <QtTest>

#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

using F = FunctionGeneratorStandardFunction;

namespace {

OrvexPlotWidget *plot(const QWidget &panel)
{
    return panel.findChild<OrvexPlotWidget *>(QStringLiteral("plotWidget"));
}

FunctionGeneratorStartardFunctionOptions blocks(double frequency, double amplitude)
{
    FunctionGeneratorStartardFunctionOptions o;
    auto set = [frequency, amplitude](auto &block) {
        block.frequency = frequency;
        block.frequency_limits = limits(0, 1e8, 1, 0.1);
        block.double_amplitude = amplitude;
        block.double_amplitude_limits = limits(0, 20, 3, 0.001);
    };
    set(o.sineOptions);
    set(o.squareOptions);
    set(o.rectangularOptions);
    set(o.triangluarOptions);
    set(o.positiveRampOptions);
    set(o.negativeRampOptions);
    o.rectangularOptions.duty_cycle = 25;
    o.triangluarOptions.symmetry = 50;
    return o;
}

// Channel 1 shows the function; channel 2 is a level, whose 1 s span adds no vertex to the
// shorter spans of channel 1.
void show(FunctionGeneratorWidget &panel, F function, double frequency, bool enable = true)
{
    panel.setChannelEnable(0, enable);
    panel.setChannelEnable(1, true);
    panel.setStandardFunction(1, F::Level);
    panel.setStandardFunction(0, function);
    panel.setStandardFunctionOptions(0, blocks(frequency, 4));
    panel.setMode(FunctionGeneratorMode::StandardFunctions);
}

} // namespace

class TestFunctionGeneratorPanelPreview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void curves_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<double>("span");
        QTest::addColumn<int>("vertices"); // -1: one a pixel
        QTest::newRow("level") << int(F::Level) << 0.0 << 1.0 << 2;
        QTest::newRow("sine 1 kHz") << int(F::Sine) << 1000.0 << 2.5e-3 << -1;
        QTest::newRow("square 1 kHz") << int(F::Square) << 1000.0 << 2.5e-3 << 16;
        QTest::newRow("rectangle 25 %") << int(F::Rectangular) << 1000.0 << 2.25e-3 << 16;
        QTest::newRow("negative ramp") << int(F::NegativeRamp) << 1000.0 << 2.5e-3 << 6;
    }

    void curves()
    {
        QFETCH(int, function);
        QFETCH(double, frequency);
        QFETCH(double, span);
        QFETCH(int, vertices);
        FunctionGeneratorWidget panel;
        panel.resize(1288, 733);
        show(panel, F(function), frequency);
        OrvexPlotWidget *p = plot(panel);
        QCOMPARE(p->axisScaleDiv(QwtPlot::xBottom).upperBound(), span);
        const int pixels = p->contentsRect().width();
        QVERIFY(pixels > 0);
        QCOMPARE(int(p->curve(0)->dataSize()), vertices < 0 ? pixels : vertices);
        QVERIFY(p->curve(0)->isVisible());
    }

    void disabledChannelIsHiddenAndEmpty()
    {
        FunctionGeneratorWidget panel;
        show(panel, F::Square, 1000, false);
        QVERIFY(!plot(panel)->curve(0)->isVisible());
        QCOMPARE(plot(panel)->curve(0)->dataSize(), size_t(0));
    }

    // A current channel without a span (noise) keeps the axis of the last one.
    void axisStaysWithoutSpan()
    {
        FunctionGeneratorWidget panel;
        show(panel, F::Square, 1000);
        show(panel, F::UniformNoise, 1000);
        QCOMPARE(plot(panel)->axisScaleDiv(QwtPlot::xBottom).upperBound(), 2.5e-3);
        QCOMPARE(plot(panel)->curve(0)->dataSize(), size_t(0));
    }

    void coloursOnScreen_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("channel1");
        QTest::addColumn<QColor>("channel2");
        QTest::newRow("dark") << 0 << QColor("#000000") << QColor("#FFFF00") << QColor("#FF00FF");
        QTest::newRow("light") << 1 << QColor("#ffffff") << QColor("#F44336") << QColor("#2196F3");
    }

    void coloursOnScreen()
    {
        QFETCH(int, theme);
        QFETCH(QColor, background);
        QFETCH(QColor, channel1);
        QFETCH(QColor, channel2);
        setTheme(theme);
        FunctionGeneratorWidget panel;
        panel.resize(1288, 733);
        show(panel, F::Level, 0);
        // Channel 2's level a few volts up, clear of channel 1's line.
        FunctionGeneratorOutputOptions raised;
        raised.offset = 3;
        raised.offset_limits = limits(-5, 5, 3, 0.001);
        panel.setOutputOptions(1, raised);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QEvent styleChange(QEvent::StyleChange);
        QApplication::sendEvent(&panel, &styleChange);
        const QImage canvas = plot(panel)->canvas()->grab().toImage();
        // Each level is a line across the canvas.
        const int column = canvas.width() * 3 / 8 + 1; // clear of the grid's middle line
        int firstLine = 0;
        int secondLine = 0;
        int backgroundPixels = 0;
        for (int row = 0; row < canvas.height(); ++row) {
            const QColor pixel = canvas.pixelColor(column, row);
            firstLine += pixel == channel1 ? 1 : 0;
            secondLine += pixel == channel2 ? 1 : 0;
            backgroundPixels += pixel == background ? 1 : 0;
        }
        QVERIFY(firstLine >= 2); // a 3-pixel pen
        QVERIFY(secondLine >= 2);
        // Grid lines cross the column; the rest is background.
        QVERIFY(backgroundPixels > canvas.height() / 2);
        setTheme(1);
    }

    // Not a check: previews for a person to look at.
    void screenshots()
    {
        const QString dir = screenshotDir();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const ScreenshotLook &shot : screenshotLooks({0, true, "en", "dark-large"})) {
            QVERIFY(applyScreenshotLook(shot));
            for (const QString &picture : {QStringLiteral("am-sine"), QStringLiteral("square")}) {
                FunctionGeneratorWidget panel;
                panel.resize(1288, 733);
                panel.show();
                QVERIFY(QTest::qWaitForWindowExposed(&panel));
                panel.setSupportedRanges({1, 10});
                const bool sine = picture == QLatin1String("am-sine");
                show(panel, sine ? F::Sine : F::Square, 1000);
                panel.setStandardFunction(1, F::Triangular);
                panel.setStandardFunctionOptions(1, blocks(1500, 3));
                FunctionGeneratorOutputOptions output;
                output.offset = -2;
                output.offset_limits = limits(-5, 5, 3, 0.001);
                panel.setOutputOptions(1, output);
                if (sine) {
                    FunctionGeneratorModulationOptions modulation;
                    modulation.type = FunctionGeneratorModulationType::Amplitude;
                    modulation.frequency = 400;
                    modulation.frequency_limits = limits(0, 1e6, 1, 0.1);
                    modulation.modulation_index = 80;
                    modulation.modulation_index_limits = limits(0, 100, 1, 0.1);
                    panel.setModulationOptions(0, modulation);
                }
                panel.setMode(FunctionGeneratorMode::StandardFunctions);
                QEvent styleChange(QEvent::StyleChange);
                QApplication::sendEvent(&panel, &styleChange);
                QTest::qWait(50);
                panel.grab().save(dir + "/generator-preview-" + picture + "-" + shot.name + ".png");
            }
        }
        resetScreenshotLook();
        setTheme(1);
    }
};

QTEST_MAIN(TestFunctionGeneratorPanelPreview)
#include "tst_functiongeneratorpanelpreview.moc"
