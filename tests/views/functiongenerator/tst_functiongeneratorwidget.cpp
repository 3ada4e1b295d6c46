#include "tests/views/support/screenshotlooks.h"
#include "views/functiongenerator/functiongeneratorwidget.h"

#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "orvexplotwidget/orvexplotwidget.h"
#include "orvexplotwidget/plotpanner.h"
#include "support/generatortesthelpers.h"
#include "ui/viewbase/rangeslider.h"
#include "vekwidgets/vekmultiswitch.h"
#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalMapper>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QToolButton>
#include <QtTest>

#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

namespace {

const QString ohm = QString(QChar(0x2126));

QString labelText(const QWidget &panel, const char *name)
{
    return child<QLabel>(panel, name)->text();
}

OrvexPlotWidget *plot(const QWidget &panel)
{
    return child<OrvexPlotWidget>(panel, "plotWidget");
}

} // namespace

class TestFunctionGeneratorWidget : public QObject
{
    Q_OBJECT
private:
    static FunctionGeneratorWidget::Internal &state(FunctionGeneratorWidget &panel)
    {
        return *panel.d;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void freshPanel()
    {
        FunctionGeneratorWidget panel;
        QCOMPARE(panel.size(), QSize(1288, 733));
        QCOMPARE(panel.property("main").toBool(), true);

        auto *sampleRates = child<QLabel>(panel, "samplingValueLabel");
        QCOMPARE(sampleRates->text(), QStringLiteral("75 MHz"));
        QStringList rates;
        for (int i = 0; i < 5; ++i) {
            child<QToolButton>(panel, "samplingRightArrow")->click();
            rates << sampleRates->text();
        }
        QCOMPARE(rates, QStringList({"150 MHz", "300 MHz", "600 MHz", "1200 MHz", "1200 MHz"}));

        QCOMPARE(labelText(panel, "impedanceValueLabel"), "50 " + ohm);
        child<QToolButton>(panel, "impedanceRightArrow")->click();
        QCOMPARE(labelText(panel, "impedanceValueLabel"), "1 M" + ohm);

        OrvexPlotWidget *p = plot(panel);
        QCOMPARE(p->curveCount(), 2);
        QCOMPARE(p->curve(0)->title().text(), QStringLiteral("Signal_1"));
        QCOMPARE(p->curve(1)->title().text(), QStringLiteral("Signal_2"));
        QCOMPARE(p->curve(0)->z(), 100.0);
        QCOMPARE(p->curve(1)->z(), 10.0);
        QCOMPARE(p->axisScaleDiv(QwtPlot::yLeft).lowerBound(), -10.0);
        QCOMPARE(p->axisScaleDiv(QwtPlot::yLeft).upperBound(), 10.0);
        Qt::MouseButton panButton = Qt::LeftButton;
        p->panner()->getMouseButton(panButton);
        QCOMPARE(panButton, Qt::NoButton);

        auto *functions = child<QButtonGroup>(panel, "functionsButtonGroup");
        QCOMPARE(functions->buttons().size(), 14);
        QCOMPARE(functions->checkedId(), 1);
        QCOMPARE(functions->checkedButton(), child<QToolButton>(panel, "sineToolButton"));
        QVERIFY(child<QToolButton>(panel, "invisibleToolButton")->isHidden());
        QCOMPARE(functions->id(child<QToolButton>(panel, "awgToolButton")), -1);
        QCOMPARE(child<QButtonGroup>(panel, "modulationButtonGroup")->checkedId(), 0);
        QCOMPARE(child<QStackedWidget>(panel, "modeStackedWidget")->currentIndex(), 1);
        QCOMPARE(child<VekMultiSwitch>(panel, "channelMultiSwitch")->switchLabels(),
                 QStringList({"Channel 1", "Channel 2"}));
        auto *delay = child<QDoubleSpinBox>(panel, "delayDoubleSpinBox");
        QCOMPARE(delay->maximum(), 30.0);
        QCOMPARE(delay->decimals(), 1);
        QCOMPARE(state(panel).channelOptions.size(), std::size_t(2));
    }

    void channelCheckBoxMapsItsIndex()
    {
        FunctionGeneratorWidget panel;
        QSignalSpy mapped(state(panel).channelsSignalMapper, &QSignalMapper::mappedInt);
        child<QCheckBox>(panel, "channel2CheckBox")->click();
        QCOMPARE(mapped.count(), 1);
        QCOMPARE(mapped.at(0).at(0).toInt(), 1);
    }

    void supportedRanges_data()
    {
        QTest::addColumn<QList<unsigned>>("ranges");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("reach");
        QTest::newRow("three") << QList<unsigned>({5, 1, 10}) << QStringList({"1 V", "5 V", "10 V"})
                               << 10;
        QTest::newRow("small") << QList<unsigned>({2, 1}) << QStringList({"1 V", "2 V"}) << 2;
        QTest::newRow("none") << QList<unsigned>() << QStringList() << 10;
    }

    void supportedRanges()
    {
        QFETCH(QList<unsigned>, ranges);
        QFETCH(QStringList, rows);
        QFETCH(int, reach);
        FunctionGeneratorWidget panel;
        panel.setSupportedRanges(std::set<unsigned>(ranges.begin(), ranges.end()));
        QStringList texts;
        for (int row = 0; row < state(panel).rangeModel->rowCount(); ++row)
            texts << state(panel).rangeModel->index(row, 0).data().toString();
        QCOMPARE(texts, rows);
        // The channel's 10 V is shown when offered, nothing when not.
        QCOMPARE(labelText(panel, "rangeValueLabel"), ranges.contains(10) ? "10 V" : "");
        auto *slider = child<RangeSlider>(panel, "amplitudeRangeSlider");
        QCOMPARE(slider->maximumValue(), double(reach));
        QCOMPARE(slider->minimumValue(), double(-reach));
        QCOMPARE(plot(panel)->axisScaleDiv(QwtPlot::yLeft).upperBound(), double(reach));
    }

    void supportedImpedance()
    {
        FunctionGeneratorWidget panel;
        FunctionGeneratorOutputOptions output;
        output.impedance = 600;
        panel.setOutputOptions(0, output);
        panel.setSupportedImpedance({1000000, 50, 600});
        QList<double> rows;
        for (int row = 0; row < state(panel).impedanceModel->rowCount(); ++row)
            rows << state(panel).impedanceModel->value(row);
        QCOMPARE(rows, QList<double>({50, 600, 1000000}));
        QCOMPARE(labelText(panel, "impedanceValueLabel"), "600 " + ohm);
        // An impedance the list lacks shows no row, not one the user did not choose.
        output.impedance = 75;
        panel.setOutputOptions(0, output);
        QCOMPARE(labelText(panel, "impedanceValueLabel"), QString());
        QCOMPARE(state(panel).impedanceMapper->currentIndex(), -1);
        QCOMPARE(state(panel).channelOptions[0].outputOptions.impedance, 75.0);
    }

    void outputOptions()
    {
        FunctionGeneratorWidget panel;
        int triggerRequests = 0;
        connect(&panel, &FunctionGeneratorWidget::triggerOptionsChanged,
                [&triggerRequests] { ++triggerRequests; });
        panel.setSupportedRanges({1, 5, 10});
        FunctionGeneratorOutputOptions output;
        output.sampling_frequency = 300;
        output.impedance = 1000000;
        output.range = 5;
        output.offset = 1.5;
        output.offset_limits = limits(-5, 5, 2, 0.01);
        panel.setOutputOptions(0, output);
        QCOMPARE(labelText(panel, "samplingValueLabel"), QStringLiteral("300 MHz"));
        QCOMPARE(labelText(panel, "impedanceValueLabel"), "1 M" + ohm);
        QCOMPARE(labelText(panel, "rangeValueLabel"), QStringLiteral("5 V"));
        QCOMPARE(child<QDoubleSpinBox>(panel, "dcOffsetDoubleSpinBox")->value(), 1.5);
        QCOMPARE(child<QDoubleSpinBox>(panel, "awgDCOffsetDoubleSpinBox")->value(), 1.5);

        // Another channel's options are stored, not shown, except the common sampling rate.
        output.sampling_frequency = 600;
        output.range = 1;
        panel.setOutputOptions(1, output);
        QCOMPARE(labelText(panel, "rangeValueLabel"), QStringLiteral("5 V"));
        QCOMPARE(state(panel).channelOptions[0].outputOptions.sampling_frequency, 600u);
        QCOMPARE(state(panel).channelOptions[0].outputOptions.range, 5u);
        QCOMPARE(triggerRequests, 0);

        // A range or sample rate the lists lack shows no row, not the one shown before.
        output.sampling_frequency = 100;
        output.range = 2;
        panel.setOutputOptions(0, output);
        QCOMPARE(labelText(panel, "samplingValueLabel"), QString());
        QCOMPARE(labelText(panel, "rangeValueLabel"), QString());
        QCOMPARE(state(panel).rangeMapper->currentIndex(), -1);
        QCOMPARE(state(panel).sampleRateMapper->currentIndex(), -1);
    }

    void functionOptionsFollowTheCheckedButton_data()
    {
        QTest::addColumn<FunctionGeneratorStandardFunction>("function");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("rectangular")
                << FunctionGeneratorStandardFunction::Rectangular << 3.0 << 3000.0 << true;
        QTest::newRow("level reads the sine")
                << FunctionGeneratorStandardFunction::Level << 1.0 << 1000.0 << false;
    }

    void functionOptionsFollowTheCheckedButton()
    {
        QFETCH(FunctionGeneratorStandardFunction, function);
        QFETCH(double, amplitude);
        QFETCH(double, frequency);
        QFETCH(bool, enabled);
        FunctionGeneratorWidget panel;
        FunctionGeneratorStartardFunctionOptions options;
        options.sineOptions.double_amplitude = 1;
        options.sineOptions.double_amplitude_limits = limits(0, 10, 2, 0.01);
        options.sineOptions.frequency = 1000;
        options.sineOptions.frequency_limits = limits(0, 1e6, 1, 0.1);
        options.sineOptions.phase = 90;
        options.sineOptions.phase_limits = limits(0, 360, 1, 0.1);
        options.rectangularOptions.double_amplitude = 3;
        options.rectangularOptions.double_amplitude_limits = limits(0, 10, 0, 1);
        options.rectangularOptions.frequency = 3000;
        options.rectangularOptions.frequency_limits = limits(0, 1e6, 1, 0.1);
        options.rectangularOptions.duty_cycle = 25;
        options.rectangularOptions.duty_cycle_limits = limits(0, 100, 1, 0.1);
        options.triangluarOptions.symmetry = 40;
        options.triangluarOptions.symmetry_limits = limits(0, 100, 1, 0.1);
        panel.setStandardFunction(0, function);
        panel.setStandardFunctionOptions(0, options);

        auto *amplitudeBox = child<QDoubleSpinBox>(panel, "amplitudeDoubleSpinBox");
        QCOMPARE(amplitudeBox->value(), amplitude);
        QCOMPARE(amplitudeBox->isEnabled(), enabled);
        QCOMPARE(child<QDoubleSpinBox>(panel, "frequencyDoubleSpinBox")->value(), frequency);
        QCOMPARE(child<QDoubleSpinBox>(panel, "sinePhaseDoubleSpinBox")->value(), 90.0);
        QCOMPARE(child<QDoubleSpinBox>(panel, "dutyCycleDoubleSpinBox")->value(), 25.0);
        QCOMPARE(child<QDoubleSpinBox>(panel, "triangularSymmetryDoubleSpinBox")->value(), 40.0);
        QCOMPARE(child<QStackedWidget>(panel, "functionsOptionsWidget")->currentIndex(),
                 int(function));
        // The slider spans the amplitude about the offset.
        auto *slider = child<RangeSlider>(panel, "amplitudeRangeSlider");
        QCOMPARE(slider->upperValue() - slider->lowerValue(), amplitude);
    }

    void modulationPage_data()
    {
        QTest::addColumn<FunctionGeneratorModulationType>("type");
        QTest::addColumn<bool>("optionsShown");
        QTest::addColumn<int>("page");
        QTest::newRow("off keeps the page") << FunctionGeneratorModulationType::Off << false << 1;
        QTest::newRow("linear frequency")
                << FunctionGeneratorModulationType::LinearFrequency << true << 0;
        QTest::newRow("amplitude") << FunctionGeneratorModulationType::Amplitude << true << 2;
        QTest::newRow("frequency") << FunctionGeneratorModulationType::Frequency << true << 0;
        QTest::newRow("phase") << FunctionGeneratorModulationType::Phase << true << 1;
        QTest::newRow("keying") << FunctionGeneratorModulationType::FrequencyShiftKeying << true
                                << 0;
    }

    void modulationPage()
    {
        QFETCH(FunctionGeneratorModulationType, type);
        QFETCH(bool, optionsShown);
        QFETCH(int, page);
        FunctionGeneratorWidget panel;
        FunctionGeneratorModulationOptions options;
        options.type = FunctionGeneratorModulationType::Phase;
        panel.setModulationOptions(0, options);
        options.type = type;
        options.phase_deviation = 45;
        options.phase_deviation_limits = limits(0, 360, 1, 0.1);
        panel.setModulationOptions(0, options);
        QCOMPARE(child<QButtonGroup>(panel, "modulationButtonGroup")->checkedId(), int(type));
        QCOMPARE(child<QWidget>(panel, "modulationOptionsWidget")->isVisibleTo(&panel),
                 optionsShown);
        QCOMPARE(child<QStackedWidget>(panel, "modulationOptionsStackedWidget")->currentIndex(),
                 page);
        QCOMPARE(child<QDoubleSpinBox>(panel, "phaseDeviationDoubleSpinBox")->value(), 45.0);
    }

    void startAndStopDisplay()
    {
        FunctionGeneratorWidget panel;
        auto *immediate = child<QToolButton>(panel, "immediateStartButton");
        auto *delayed = child<QToolButton>(panel, "delayedStartButton");
        auto *trigger = child<QToolButton>(panel, "triggerStartButton");
        auto *stop = child<QToolButton>(panel, "stopButton");
        immediate->setChecked(true);
        immediate->setDown(true);
        panel.displayStartMode(FunctionGeneratorStartType::Delayed);
        QVERIFY(!immediate->isChecked() && delayed->isChecked() && !trigger->isChecked());
        QVERIFY(!immediate->isDown());
        stop->setDown(true);
        panel.displayStopMode();
        QVERIFY(!immediate->isChecked() && !delayed->isChecked() && !trigger->isChecked());
        QVERIFY(!stop->isDown());
    }

    void modeShowsItsPage()
    {
        FunctionGeneratorWidget panel;
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        QCOMPARE(child<QStackedWidget>(panel, "modeStackedWidget")->currentIndex(), 1);
        QVERIFY(!child<QWidget>(panel, "modulationFrame")->isVisibleTo(&panel));
        QVERIFY(child<QToolButton>(panel, "awgToolButton")->isChecked());
        QVERIFY(!child<QToolButton>(panel, "sineToolButton")->isChecked());

        panel.setMode(FunctionGeneratorMode::StandardFunctions);
        QCOMPARE(child<QStackedWidget>(panel, "modeStackedWidget")->currentIndex(), 0);
        QVERIFY(child<QWidget>(panel, "modulationFrame")->isVisibleTo(&panel));
        QVERIFY(child<QToolButton>(panel, "sineToolButton")->isChecked());
        QVERIFY(!child<QToolButton>(panel, "awgToolButton")->isChecked());
    }

    void triggerOptions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("delay");
        QTest::addColumn<QString>("edge");
        QTest::addColumn<double>("stored");
        QTest::newRow("rising") << 1 << 2.5 << "Rising" << 2.5;
        QTest::newRow("falling") << 0 << 0.0 << "Falling" << 0.0;
        QTest::newRow("delay above the limits") << 1 << 40.0 << "Rising" << 30.0;
        QTest::newRow("delay rounded") << 0 << 1.26 << "Falling" << 1.3;
    }

    void triggerOptions()
    {
        QFETCH(int, type);
        QFETCH(double, delay);
        QFETCH(QString, edge);
        QFETCH(double, stored);
        FunctionGeneratorWidget panel;
        int requests = 0;
        connect(&panel, &FunctionGeneratorWidget::triggerOptionsChanged,
                [&requests] { ++requests; });
        FunctionGeneratorTriggerOptions options;
        options.type = type;
        options.delay = delay;
        options.delay_limits = limits(0, 30, 1, 0.1);
        panel.setTriggerOptions(options);
        QCOMPARE(child<QComboBox>(panel, "triggerTypeComboBox")->currentText(), edge);
        QCOMPARE(state(panel).triggerOptions.type, type);
        QCOMPARE(state(panel).triggerOptions.delay, stored);
        QCOMPARE(requests, 0);
    }

    void channelEnableAndFunctionOfAnotherChannel()
    {
        FunctionGeneratorWidget panel;
        panel.setChannelEnable(1, false);
        QCOMPARE(child<QCheckBox>(panel, "channel2CheckBox")->checkState(), Qt::Unchecked);
        QVERIFY(!plot(panel)->curve(1)->isVisible());
        panel.setChannelEnable(1, true);
        QVERIFY(plot(panel)->curve(1)->isVisible());
        panel.setStandardFunction(1, FunctionGeneratorStandardFunction::Square);
        QCOMPARE(child<QButtonGroup>(panel, "functionsButtonGroup")->checkedId(), 1);
        QCOMPARE(state(panel).channelOptions[1].standardFunction,
                 FunctionGeneratorStandardFunction::Square);
    }

    void supportedFunctions()
    {
        FunctionGeneratorWidget panel;
        panel.setSupportedFunctions({FunctionGeneratorStandardFunction::Sine,
                                     FunctionGeneratorStandardFunction::Square});
        QVERIFY(!child<QToolButton>(panel, "sineToolButton")->isHidden());
        QVERIFY(!child<QToolButton>(panel, "squareToolButton")->isHidden());
        QVERIFY(child<QToolButton>(panel, "levelToolButton")->isHidden());
        QVERIFY(child<QToolButton>(panel, "invisibleToolButton")->isHidden());
        QVERIFY(!child<QToolButton>(panel, "awgToolButton")->isHidden());
        QVERIFY(child<QToolButton>(panel, "sineToolButton")->isChecked());
    }

    void amplitudeSliderKeepsHandlesNearTheirTargets()
    {
        FunctionGeneratorWidget panel;
        FunctionGeneratorOutputOptions output;
        output.offset = 1.0;
        output.offset_limits = limits(-10, 10, 3, 0.001);
        panel.setOutputOptions(0, output);
        auto *amplitude = child<QDoubleSpinBox>(panel, "amplitudeDoubleSpinBox");
        amplitude->setRange(0, 20);
        amplitude->setDecimals(3);
        amplitude->setValue(2.0);
        auto *slider = child<RangeSlider>(panel, "amplitudeRangeSlider");
        QCOMPARE(slider->lowerValue(), 0.0);
        QCOMPARE(slider->upperValue(), 2.0);
        // Handles placed without telling the panel, as a rounding would leave them.
        const QSignalBlocker sliderBlock(slider);
        slider->setSpanValue(0.005, 2.0);
        panel.updateAmplitudeSlider();
        QCOMPARE(slider->lowerValue(), 0.005);
        QCOMPARE(slider->upperValue(), 2.0);
        slider->setSpanValue(0.2, 2.0);
        panel.updateAmplitudeSlider();
        QCOMPARE(slider->lowerValue(), 0.0);
        QCOMPARE(slider->upperValue(), 2.0);
    }

    // A count the form has no check box for, and no channel at all, draw and refresh without
    // touching a record that does not exist.
    void unusualChannelCounts()
    {
        FunctionGeneratorWidget panel;
        panel.setChannelsCount(0);
        panel.setMode(FunctionGeneratorMode::StandardFunctions);
        panel.setSupportedRanges({1, 10});
        panel.setSupportedImpedance({50, 600});
        panel.setStandardFunctionOptions(0, {});
        QVERIFY(!plot(panel)->curve(0)->isVisible());
        QCOMPARE(plot(panel)->curve(0)->dataSize(), size_t(0));
        QVERIFY(child<QCheckBox>(panel, "channel1CheckBox")->isHidden());

        panel.setChannelsCount(3);
        panel.setChannelEnable(2, true);
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        panel.resize(900, 600);
        QCOMPARE(plot(panel)->curveCount(), 3);
        QCOMPARE(state(panel).curves.size(), std::size_t(3));
        QVERIFY(!child<QCheckBox>(panel, "channel2CheckBox")->isHidden());

        panel.setChannelsCount(1);
        panel.setMode(FunctionGeneratorMode::StandardFunctions);
        QVERIFY(!plot(panel)->curve(2)->isVisible());
    }

    void sameCountChangesNothing()
    {
        FunctionGeneratorWidget panel;
        auto *channels = child<VekMultiSwitch>(panel, "channelMultiSwitch");
        channels->setSwitchLabels({"a", "b"});
        panel.setChannelsCount(2);
        QCOMPARE(channels->switchLabels(), QStringList({"a", "b"}));
    }

    void themeAppliesOnStyleChange_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("firstChannel");
        QTest::newRow("dark") << 0 << QColor("#000000") << QColor("#FFFF00");
        QTest::newRow("light") << 1 << QColor("#ffffff") << QColor("#F44336");
    }

    void themeAppliesOnStyleChange()
    {
        QFETCH(int, theme);
        QFETCH(QColor, background);
        QFETCH(QColor, firstChannel);
        setTheme(theme);
        FunctionGeneratorWidget panel;
        const qint64 formIcon = child<QToolButton>(panel, "sineToolButton")->icon().cacheKey();
        QEvent styleChange(QEvent::StyleChange);
        QApplication::sendEvent(&panel, &styleChange);
        QCOMPARE(plot(panel)->backgroundColor(), background);
        QCOMPARE(plot(panel)->curve(0)->pen().color(), firstChannel);
        QCOMPARE(plot(panel)->curve(0)->pen().widthF(), 3.0);
        QVERIFY(child<QToolButton>(panel, "sineToolButton")->icon().cacheKey() != formIcon);
        QVERIFY(!child<QToolButton>(panel, "stopButton")->icon().isNull());
        setTheme(1);
    }

    // The texts change; what the user chose stays, and the trigger edge is not sent again.
    void languageChangeKeepsTheChoices()
    {
        FunctionGeneratorWidget panel;
        int requests = 0;
        connect(&panel, &FunctionGeneratorWidget::triggerOptionsChanged,
                [&requests] { ++requests; });
        auto *edge = child<QComboBox>(panel, "triggerTypeComboBox");
        auto *units = child<QComboBox>(panel, "frequencyUnitsComboBox");
        edge->setCurrentIndex(1);
        units->setCurrentIndex(2);
        requests = 0;
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(&panel, &languageChange);
        QCOMPARE(edge->count(), 2);
        QCOMPARE(edge->currentIndex(), 1);
        QCOMPARE(units->count(), 3);
        QCOMPARE(units->currentIndex(), 2);
        QCOMPARE(requests, 0);
        QCOMPARE(labelText(panel, "samplingValueLabel"), QStringLiteral("75 MHz"));
        QCOMPARE(child<VekMultiSwitch>(panel, "channelMultiSwitch")->switchLabels(),
                 QStringList({"Channel 1", "Channel 2"}));
    }

    // The value labels and the curve titles follow the language, each on the row it showed.
    void valueLabelsFollowTheLanguage()
    {
        FunctionGeneratorWidget panel;
        panel.setSupportedRanges({1, 5, 10});
        panel.setSupportedImpedance({50.0, 600.0, 1000000.0});
        FunctionGeneratorOutputOptions output;
        output.range = 5;
        output.impedance = 1000000;
        output.sampling_frequency = 1200;
        panel.setOutputOptions(0, output);
        QSignalSpy requests(&panel, &FunctionGeneratorWidget::outputOptionsChanged);
        const int rows[] = {state(panel).rangeMapper->currentIndex(),
                            state(panel).impedanceMapper->currentIndex(),
                            state(panel).sampleRateMapper->currentIndex()};
        auto texts = [&panel] {
            return QStringList(
                    {labelText(panel, "rangeValueLabel"), labelText(panel, "impedanceValueLabel"),
                     labelText(panel, "samplingValueLabel"), plot(panel)->curve(0)->title().text(),
                     plot(panel)->curve(1)->title().text()});
        };
        const QStringList english({"5 V", "1 M" + ohm, "1200 MHz", "Signal_1", "Signal_2"});
        QCOMPARE(texts(), english);
        TranslationLoader::instance()->load(QStringLiteral("ru"));
        QCoreApplication::processEvents();
        QCOMPARE(texts(),
                 QStringList({QStringLiteral("5 В"), QStringLiteral("1 МОм"),
                              QStringLiteral("1200 МГц"), QStringLiteral("Сигнал_1"),
                              QStringLiteral("Сигнал_2")}));
        TranslationLoader::instance()->load(QStringLiteral("en"));
        QCoreApplication::processEvents();
        QCOMPARE(texts(), english);
        QCOMPARE(state(panel).rangeMapper->currentIndex(), rows[0]);
        QCOMPARE(state(panel).impedanceMapper->currentIndex(), rows[1]);
        QCOMPARE(state(panel).sampleRateMapper->currentIndex(), rows[2]);
        QCOMPARE(requests.count(), 0);

        // A range no row holds shows none, in either language.
        panel.setSupportedRanges({1, 2});
        TranslationLoader::instance()->load(QStringLiteral("ru"));
        QCoreApplication::processEvents();
        QCOMPARE(labelText(panel, "rangeValueLabel"), QString());
        TranslationLoader::instance()->load(QStringLiteral("en"));
        QCoreApplication::processEvents();
    }

    // The amplitude slider's labels carry the unit in the panel's language, as its boxes do.
    void amplitudeSliderUnitFollowsTheLanguage()
    {
        FunctionGeneratorWidget panel;
        auto *slider = child<RangeSlider>(panel, "amplitudeRangeSlider");
        slider->resize(60, 400);
        const QImage english = slider->grab().toImage();
        TranslationLoader::instance()->load(QStringLiteral("ru"));
        QCoreApplication::processEvents();
        const QImage russian = slider->grab().toImage();
        TranslationLoader::instance()->load(QStringLiteral("en"));
        QCoreApplication::processEvents();
        QVERIFY(russian != english);
        QCOMPARE(slider->grab().toImage(), english);
    }

    void showingAlignsTheOptionColumns()
    {
        FunctionGeneratorWidget panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        const int width = child<QComboBox>(panel, "frequencyUnitsComboBox")->width();
        auto *grid = qobject_cast<QGridLayout *>(child<QWidget>(panel, "sinePage")->layout());
        QVERIFY(grid);
        QCOMPARE(grid->columnMinimumWidth(1), width);
    }

    // Not a check: pictures of the panel for a person to look at.
    void screenshots()
    {
        const QString dir = screenshotDir();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const ScreenshotLook &shot : screenshotLooks({1, true, "en", "light-large"})) {
            // Built in the language of the look before, so the pictures in another language
            // also show what a language switch makes again.
            FunctionGeneratorWidget panel;
            QVERIFY(applyScreenshotLook(shot));
            panel.setSupportedRanges({1, 5, 10});
            FunctionGeneratorStartardFunctionOptions options;
            options.sineOptions.double_amplitude = 4;
            options.sineOptions.double_amplitude_limits = limits(0, 20, 3, 0.001);
            options.sineOptions.frequency = 1000;
            options.sineOptions.frequency_limits = limits(0, 1e8, 1, 0.1);
            panel.setChannelEnable(0, true);
            panel.setStandardFunctionOptions(0, options);
            FunctionGeneratorModulationOptions modulation;
            modulation.type = FunctionGeneratorModulationType::Amplitude;
            panel.setModulationOptions(0, modulation);
            panel.setMode(FunctionGeneratorMode::StandardFunctions);
            panel.show();
            QEvent styleChange(QEvent::StyleChange);
            QApplication::sendEvent(&panel, &styleChange);
            QTest::qWait(50);
            panel.grab().save(dir + "/generator-panel-" + shot.name + ".png");
        }
        resetScreenshotLook();
        setTheme(1);
    }
};

QTEST_MAIN(TestFunctionGeneratorWidget)
#include "tst_functiongeneratorwidget.moc"
