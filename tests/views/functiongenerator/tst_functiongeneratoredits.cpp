#include "views/functiongenerator/functiongeneratorwidget.h"

#include "assets/assets.h"
#include "hardware/modules/kw7/kw7module.h"
#include "resources/kw7functiongeneratorresource.h"
#include "resources/resourcedependence.h"
#include "simbench/simcontrol.h"
#include "support/generatortesthelpers.h"
#include "ui/viewbase/rangeslider.h"
#include "vekwidgets/vekmultiswitch.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <qwt_plot_curve.h>

using F = FunctionGeneratorStandardFunction;

Q_DECLARE_METATYPE(std::string)

namespace {

// Every request of a panel in the order emitted, with what it carried.
struct Requests
{
    QStringList names;
    std::vector<size_t> channels;
    FunctionGeneratorStartardFunctionOptions functionOptions;
    FunctionGeneratorOutputOptions outputOptions;
    FunctionGeneratorModulationOptions modulationOptions;
    FunctionGeneratorTriggerOptions triggerOptions;
    QVariantList values;

    explicit Requests(FunctionGeneratorWidget &panel)
    {
        using W = FunctionGeneratorWidget;
        QObject::connect(&panel, &W::standardFunctionChanged,
                         [this](size_t c, F f) { add("standardFunctionChanged", c, int(f)); });
        QObject::connect(&panel, &W::standardFuntionOptionsChanged,
                         [this](size_t c, const FunctionGeneratorStartardFunctionOptions &o) {
                             functionOptions = o;
                             add("standardFuntionOptionsChanged", c);
                         });
        QObject::connect(&panel, &W::outputOptionsChanged,
                         [this](size_t c, const FunctionGeneratorOutputOptions &o) {
                             outputOptions = o;
                             add("outputOptionsChanged", c);
                         });
        QObject::connect(&panel, &W::triggerOptionsChanged,
                         [this](const FunctionGeneratorTriggerOptions &o) {
                             triggerOptions = o;
                             add("triggerOptionsChanged", 0, o.type);
                         });
        QObject::connect(&panel, &W::modulationOptionsChanged,
                         [this](size_t c, const FunctionGeneratorModulationOptions &o) {
                             modulationOptions = o;
                             add("modulationOptionsChanged", c, int(o.type));
                         });
        QObject::connect(&panel, &W::channelEnableChanged,
                         [this](size_t c, bool on) { add("channelEnableChanged", c, on); });
        QObject::connect(&panel, &W::awgOptionsChanged,
                         [this](size_t c, const FunctionGeneratorAWGOptions &) {
                             add("awgOptionsChanged", c);
                         });
        QObject::connect(&panel, &W::modeChanged,
                         [this](FunctionGeneratorMode m) { add("modeChanged", 0, int(m)); });
        QObject::connect(&panel, &W::startRequested, [this](FunctionGeneratorStartType t) {
            add("startRequested", 0, int(t));
        });
        QObject::connect(&panel, &W::stopRequested, [this] { add("stopRequested", 0); });
        QObject::connect(&panel, &W::forceTriggerRequested,
                         [this] { add("forceTriggerRequested", 0); });
    }

    void add(const char *name, size_t channel, QVariant value = QVariant())
    {
        names << QString::fromLatin1(name);
        channels.push_back(channel);
        values << value;
    }
};

// A panel filled as the view fills it from a fresh generator resource.
void fill(FunctionGeneratorWidget &panel)
{
    FunctionGeneratorStartardFunctionOptions options;
    auto set = [](auto &block, double maxFrequency) {
        block.double_amplitude = 2;
        block.double_amplitude_limits = limits(0, 10, 3, 0.001);
        block.frequency = 1000;
        block.frequency_limits = limits(0.1, maxFrequency, 1, 0.1);
    };
    set(options.sineOptions, 1e8);
    set(options.squareOptions, 7.5e6);
    set(options.rectangularOptions, 7.5e6);
    set(options.triangluarOptions, 7.5e6);
    set(options.positiveRampOptions, 7.5e6);
    set(options.negativeRampOptions, 7.5e6);
    options.sineOptions.phase_limits = limits(0, 360, 1, 0.1);
    options.rectangularOptions.duty_cycle_limits = limits(0, 100, 1, 0.1);
    options.triangluarOptions.symmetry_limits = limits(0, 100, 1, 0.1);
    FunctionGeneratorOutputOptions output;
    output.offset_limits = limits(-5, 5, 3, 0.001);
    panel.setSupportedRanges({1, 10});
    for (unsigned channel = 0; channel < 2; ++channel) {
        panel.setChannelEnable(int(channel), true);
        panel.setStandardFunction(channel, F::Sine);
        panel.setStandardFunctionOptions(channel, options);
        panel.setOutputOptions(channel, output);
        panel.setModulationOptions(channel, {});
    }
    FunctionGeneratorTriggerOptions trigger;
    trigger.delay_limits = limits(0, 30, 1, 0.1);
    panel.setTriggerOptions(trigger);
    panel.displayStopMode();
    panel.setMode(FunctionGeneratorMode::StandardFunctions);
}

void press(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestFunctionGeneratorEdits : public QObject
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

    void settersRequestNothing()
    {
        FunctionGeneratorWidget panel;
        Requests requests(panel);
        fill(panel);
        panel.setChannelsCount(1);
        panel.setSupportedImpedance({50, 600});
        panel.displayStartMode(FunctionGeneratorStartType::Trigger);
        QCOMPARE(requests.names, QStringList());
    }

    void functionPress()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        panel.show();
        Requests requests(panel);
        auto *square = child<QToolButton>(panel, "squareToolButton");
        press(square);
        QCOMPARE(requests.names, QStringList({"standardFunctionChanged", "modeChanged"}));
        QCOMPARE(requests.values.at(0).toInt(), int(F::Square));
        QCOMPARE(requests.values.at(1).toInt(), int(FunctionGeneratorMode::StandardFunctions));
        QVERIFY(square->isChecked());
        QVERIFY(!square->isDown());
        QCOMPARE(state(panel).channelOptions[0].standardFunction, F::Square);

        // The same button again still requests both.
        press(square);
        QCOMPARE(requests.names.size(), 4);
    }

    void waveformPress()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        panel.show();
        Requests requests(panel);
        auto *awg = child<QToolButton>(panel, "awgToolButton");
        press(awg);
        QCOMPARE(requests.names, QStringList({"modeChanged"}));
        QCOMPARE(requests.values.at(0).toInt(), int(FunctionGeneratorMode::ArbitraryWaveform));
        QVERIFY(awg->isChecked());
        QVERIFY(!child<QToolButton>(panel, "sineToolButton")->isChecked());
    }

    // One entered frequency lands clamped into each block's own limits.
    void frequencyGoesIntoEveryBlock()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        Requests requests(panel);
        child<QComboBox>(panel, "frequencyUnitsComboBox")->setCurrentIndex(2);
        child<QDoubleSpinBox>(panel, "frequencyDoubleSpinBox")->setValue(100);
        QCOMPARE(requests.names, QStringList({"standardFuntionOptionsChanged"}));
        const FunctionGeneratorStartardFunctionOptions &o = requests.functionOptions;
        QCOMPARE(o.sineOptions.frequency, 1e8);
        QCOMPARE(o.squareOptions.frequency, 7.5e6);
        QCOMPARE(o.rectangularOptions.frequency, 7.5e6);
        QCOMPARE(o.triangluarOptions.frequency, 7.5e6);
        QCOMPARE(o.positiveRampOptions.frequency, 7.5e6);
        QCOMPARE(o.negativeRampOptions.frequency, 7.5e6);
        QCOMPARE(o.negativeRampOptions.double_amplitude, 2.0);
    }

    void sampleRateIsCommon()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        Requests requests(panel);
        // The fresh panel shows 1200 MHz after filling; step down one.
        child<QToolButton>(panel, "samplingLeftArrow")->click();
        QCOMPARE(requests.names, QStringList({"outputOptionsChanged"}));
        QCOMPARE(requests.channels.at(0), size_t(0));
        QCOMPARE(requests.outputOptions.sampling_frequency, 600u);
        QCOMPARE(state(panel).channelOptions[1].outputOptions.sampling_frequency, 600u);
        child<VekMultiSwitch>(panel, "channelMultiSwitch")->setState(1);
        QCOMPARE(child<QLabel>(panel, "samplingValueLabel")->text(), QStringLiteral("600 MHz"));
    }

    void arrowsAtTheEndsMoveNothing()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        Requests requests(panel);
        child<QToolButton>(panel, "samplingRightArrow")->click(); // 1200 MHz is the last row
        child<QToolButton>(panel, "impedanceLeftArrow")->click(); // 50 ohms is the first
        QCOMPARE(requests.names, QStringList());
    }

    void amplitudeSlider()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        Requests requests(panel);
        child<RangeSlider>(panel, "amplitudeRangeSlider")->setSpanValue(-1, 3);
        QCOMPARE(requests.names,
                 QStringList({"standardFuntionOptionsChanged", "outputOptionsChanged"}));
        QCOMPARE(child<QDoubleSpinBox>(panel, "amplitudeDoubleSpinBox")->value(), 4.0);
        QCOMPARE(child<QDoubleSpinBox>(panel, "dcOffsetDoubleSpinBox")->value(), 1.0);
        QCOMPARE(child<QDoubleSpinBox>(panel, "awgDCOffsetDoubleSpinBox")->value(), 1.0);
        QCOMPARE(requests.functionOptions.sineOptions.double_amplitude, 4.0);
        QCOMPARE(requests.outputOptions.offset, 1.0);
    }

    void offsetFollowsTheMode()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        Requests requests(panel);
        child<QDoubleSpinBox>(panel, "awgDCOffsetDoubleSpinBox")->setValue(2);
        QCOMPARE(requests.outputOptions.offset, 0.0); // standard mode reads the other box
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        child<QDoubleSpinBox>(panel, "awgDCOffsetDoubleSpinBox")->setValue(3);
        QCOMPARE(requests.outputOptions.offset, 3.0);
    }

    void channelEnable()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        QSignalSpy spy(&panel, &FunctionGeneratorWidget::channelEnableChanged);
        QVERIFY(spy.isValid());
        child<QCheckBox>(panel, "channel2CheckBox")->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<size_t>(), size_t(1));
        QCOMPARE(spy.at(0).at(1).toBool(), false);
        QCOMPARE(state(panel).channelOptions[1].enable, false);
    }

    void currentChannelRequestsNothing()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        FunctionGeneratorStartardFunctionOptions options =
                state(panel).channelOptions[1].standardFunctionOptions;
        options.sineOptions.double_amplitude = 5;
        panel.setStandardFunctionOptions(1, options);
        Requests requests(panel);
        child<VekMultiSwitch>(panel, "channelMultiSwitch")->setState(1);
        QCOMPARE(requests.names, QStringList());
        QCOMPARE(child<QDoubleSpinBox>(panel, "amplitudeDoubleSpinBox")->value(), 5.0);
        QCOMPARE(state(panel).curves[1]->z(), 100.0);
        QCOMPARE(state(panel).curves[0]->z(), 10.0);
    }

    void emptiedBoxKeepsItsValue_data()
    {
        QTest::addColumn<QString>("box");
        for (const char *box :
             {"frequencyDoubleSpinBox", "amplitudeDoubleSpinBox", "dcOffsetDoubleSpinBox",
              "sinePhaseDoubleSpinBox", "dutyCycleDoubleSpinBox", "triangularSymmetryDoubleSpinBox",
              "awgDCOffsetDoubleSpinBox", "delayDoubleSpinBox", "modulatingFrequencyDoubleSpinBox",
              "frequencyDeviationDoubleSpinBox", "phaseDeviationDoubleSpinBox",
              "modulationIndexDoubleSpinBox"})
            QTest::newRow(box) << box;
    }

    // Read as a number, an empty field is the box's minimum: a frequency of 0.1 Hz nobody chose.
    void emptiedBoxKeepsItsValue()
    {
        QFETCH(QString, box);
        FunctionGeneratorWidget panel;
        fill(panel);
        FunctionGeneratorModulationOptions modulating;
        modulating.frequency = 100;
        modulating.frequency_limits = limits(0.1, 1e5, 1, 0.1);
        modulating.frequency_deviation = 10;
        modulating.frequency_deviation_limits = limits(0.1, 1e5, 1, 0.1);
        modulating.phase_deviation = 10;
        modulating.phase_deviation_limits = limits(0, 360, 1, 0.1);
        modulating.modulation_index = 50;
        modulating.modulation_index_limits = limits(0, 100, 1, 0.1);
        panel.setModulationOptions(0, modulating);
        auto *spin = child<QDoubleSpinBox>(panel, qPrintable(box));
        spin->setValue(std::min(spin->maximum(), std::max(spin->minimum(), 2.5)));
        const double before = spin->value();
        const QString shown = spin->text();
        const FunctionGeneratorModulationOptions modulation =
                state(panel).channelOptions[0].modulationOptions;
        const double frequency =
                state(panel).channelOptions[0].standardFunctionOptions.sineOptions.frequency;
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(spin, Qt::Key_Delete);
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(spin->value(), before);
        QCOMPARE(spin->text(), shown);
        // What a request would carry: Enter may repeat the value, never change it.
        QCOMPARE(state(panel).channelOptions[0].standardFunctionOptions.sineOptions.frequency,
                 frequency);
        QCOMPARE(state(panel).channelOptions[0].modulationOptions.frequency, modulation.frequency);
        QCOMPARE(state(panel).channelOptions[0].modulationOptions.frequency_deviation,
                 modulation.frequency_deviation);
    }

    void modulationClick()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        Requests requests(panel);
        child<QRadioButton>(panel, "amplitudeModulationButton")->click();
        QCOMPARE(requests.names, QStringList({"modulationOptionsChanged"}));
        QCOMPARE(requests.modulationOptions.type, FunctionGeneratorModulationType::Amplitude);
        QVERIFY(child<QWidget>(panel, "modulationIndexPage")->isVisibleTo(&panel));
    }

    void startStopAndForce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("checked");
        QTest::newRow("start") << "immediateStartButton"
                               << "startRequested" << 0 << "immediateStartButton";
        QTest::newRow("delayed") << "delayedStartButton"
                                 << "startRequested" << 1 << "delayedStartButton";
        QTest::newRow("trigger") << "triggerStartButton"
                                 << "startRequested" << 2 << "triggerStartButton";
        QTest::newRow("stop") << "stopButton"
                              << "stopRequested" << -1 << "";
    }

    void startStopAndForce()
    {
        QFETCH(QString, button);
        QFETCH(QString, request);
        QFETCH(int, value);
        QFETCH(QString, checked);
        FunctionGeneratorWidget panel;
        fill(panel);
        panel.show();
        panel.displayStartMode(FunctionGeneratorStartType::Immediate);
        Requests requests(panel);
        // Pressed twice: a running generator may be asked again.
        for (int i = 0; i < 2; ++i)
            press(child<QToolButton>(panel, button.toLatin1().constData()));
        QCOMPARE(requests.names, QStringList({request, request}));
        if (value >= 0)
            QCOMPARE(requests.values.at(0).toInt(), value);
        for (const char *name :
             {"immediateStartButton", "delayedStartButton", "triggerStartButton"}) {
            auto *b = child<QToolButton>(panel, name);
            QCOMPARE(b->isChecked(), checked == QLatin1String(name));
            QVERIFY(!b->isDown());
        }
        press(child<QPushButton>(panel, "forceButton"));
        QCOMPARE(requests.names.last(), QStringLiteral("forceTriggerRequested"));
    }

    void triggerEdgeAndLanguageChange()
    {
        FunctionGeneratorWidget panel;
        fill(panel);
        Requests requests(panel);
        auto *edge = child<QComboBox>(panel, "triggerTypeComboBox");
        edge->setCurrentIndex(1);
        QCOMPARE(requests.triggerOptions.type, 0); // "Falling"
        edge->setCurrentIndex(0);
        QCOMPARE(requests.triggerOptions.type, 1); // "Rising"
        edge->setCurrentIndex(1);
        requests.names.clear();
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(&panel, &languageChange);
        QCOMPARE(edge->currentIndex(), 1);
        QCOMPARE(requests.names, QStringList());
        QCOMPARE(state(panel).triggerOptions.type, 0);
    }

    // The edge the user picks is the edge the generator's driver is told.
    void triggerEdgeReachesTheDriver_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<std::string>("rising");
        QTest::newRow("Rising") << 0 << std::string("1");
        QTest::newRow("Falling") << 1 << std::string("0");
    }

    void triggerEdgeReachesTheDriver()
    {
        QFETCH(int, index);
        QFETCH(std::string, rising);
        simbench::reset();
        KW7Module module;
        KW7FunctionGeneratorResource resource;
        QVERIFY(resource.getDependencies()->first());
        resource.getDependencies()->setModule(&module);
        QVERIFY(resource.create());

        FunctionGeneratorWidget panel;
        panel.setTriggerOptions(resource.triggerOptions());
        connect(&panel, &FunctionGeneratorWidget::triggerOptionsChanged, &resource,
                &FunctionGeneratorResource::setTriggerOptions);
        connect(&panel, &FunctionGeneratorWidget::startRequested, &resource,
                &FunctionGeneratorResource::start);
        auto *edge = child<QComboBox>(panel, "triggerTypeComboBox");
        edge->setCurrentIndex(1 - index);
        edge->setCurrentIndex(index);
        simbench::clearCallLog();
        panel.show();
        press(child<QToolButton>(panel, "delayedStartButton"));
        const auto calls = simbench::callLog("zqkw7_config_start");
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls.front().args.at(0), std::string("1")); // delayed
        QCOMPARE(calls.front().args.at(1), rising);
    }
};

QTEST_MAIN(TestFunctionGeneratorEdits)
#include "tst_functiongeneratoredits.moc"
