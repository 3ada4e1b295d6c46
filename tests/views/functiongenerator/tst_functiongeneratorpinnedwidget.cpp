#include "views/functiongenerator/functiongeneratorpinnedwidget.h"

#include "assets/assets.h"
#include "support/generatortesthelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

using F = FunctionGeneratorStandardFunction;

namespace {

FunctionGeneratorStartardFunctionOptions blocks()
{
    FunctionGeneratorStartardFunctionOptions o;
    auto set = [](auto &block, double max) {
        block.frequency = 1000;
        block.frequency_limits = limits(0.1, max, 1, 0.1);
        block.double_amplitude = 2;
    };
    set(o.sineOptions, 1e8);
    set(o.squareOptions, 7.5e6);
    set(o.rectangularOptions, 7.5e6);
    set(o.triangluarOptions, 7.5e6);
    set(o.positiveRampOptions, 7.5e6);
    set(o.negativeRampOptions, 7.5e6);
    o.rectangularOptions.duty_cycle = 25;
    return o;
}

} // namespace

class TestFunctionGeneratorPinnedWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void pages_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("page");
        QTest::addColumn<double>("frequency");
        QTest::newRow("level shows the offset") << int(F::Level) << 1 << 0.0;
        QTest::newRow("square") << int(F::Square) << 0 << 1000.0;
        QTest::newRow("pulse shows a fixed 0") << int(F::Pulse) << 0 << 0.0;
    }

    void pages()
    {
        QFETCH(int, function);
        QFETCH(int, page);
        QFETCH(double, frequency);
        FunctionGeneratorPinnedWidget pinned;
        pinned.setStandardFunction(0, F(function));
        pinned.setStandardFunctionOptions(0, blocks());
        QCOMPARE(child<QStackedWidget>(pinned, "functionsChannel1StackedWidget")->currentIndex(),
                 page);
        QCOMPARE(child<QDoubleSpinBox>(pinned, "frequencyChannel1DoubleSpinBox")->value(),
                 frequency);
        pinned.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        QCOMPARE(child<QStackedWidget>(pinned, "functionsChannel1StackedWidget")->currentIndex(),
                 1);
        QCOMPARE(child<QStackedWidget>(pinned, "functionsChannel2StackedWidget")->currentIndex(),
                 1);
        pinned.setMode(FunctionGeneratorMode::StandardFunctions);
        QCOMPARE(child<QStackedWidget>(pinned, "functionsChannel1StackedWidget")->currentIndex(),
                 page);
    }

    // One entered frequency, each block within its limits; the rest of the block as stored.
    void frequencyEdit()
    {
        FunctionGeneratorPinnedWidget pinned;
        pinned.setStandardFunction(0, F::Sine);
        pinned.setStandardFunctionOptions(0, blocks());
        QSignalSpy requests(&pinned, &FunctionGeneratorPinnedWidget::standardFuntionOptionsChanged);
        child<QComboBox>(pinned, "frequencyChannel1UnitsComboBox")->setCurrentIndex(2);
        child<QDoubleSpinBox>(pinned, "frequencyChannel1DoubleSpinBox")->setValue(100);
        QCOMPARE(requests.count(), 1);
        const auto o = requests.at(0).at(1).value<FunctionGeneratorStartardFunctionOptions>();
        QCOMPARE(o.sineOptions.frequency, 1e8);
        QCOMPARE(o.squareOptions.frequency, 7.5e6);
        QCOMPARE(o.rectangularOptions.duty_cycle, 25.0);
        QCOMPARE(o.squareOptions.double_amplitude, 2.0);
    }

    // The function the panel switches to shows its own block's frequency.
    void functionChangeShowsItsFrequency()
    {
        FunctionGeneratorPinnedWidget pinned;
        FunctionGeneratorStartardFunctionOptions o = blocks();
        o.squareOptions.frequency = 5000;
        pinned.setStandardFunction(0, F::Sine);
        pinned.setStandardFunctionOptions(0, o);
        QSignalSpy requests(&pinned, &FunctionGeneratorPinnedWidget::standardFuntionOptionsChanged);
        pinned.setStandardFunction(0, F::Square);
        QCOMPARE(child<QDoubleSpinBox>(pinned, "frequencyChannel1DoubleSpinBox")->value(), 5000.0);
        QCOMPARE(requests.count(), 0);
    }

    void unitBoxesFitTheirTextsUnshown_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("channel 1") << "frequencyChannel1UnitsComboBox";
        QTest::newRow("channel 2") << "frequencyChannel2UnitsComboBox";
    }

    // The instruments page paints the miniature without ever showing it: its unit boxes must
    // still be laid out wide enough for the longest unit.
    void unitBoxesFitTheirTextsUnshown()
    {
        QFETCH(QString, box);
        FunctionGeneratorPinnedWidget pinned;
        pinned.resize(480, pinned.sizeHint().height());
        QPixmap pixmap(pinned.size());
        pinned.render(&pixmap, QPoint(), QRegion(), QWidget::DrawChildren);
        auto *units = child<QComboBox>(pinned, qPrintable(box));
        const int text = units->fontMetrics().horizontalAdvance(QStringLiteral("MHz"));
        QVERIFY2(units->width() > text,
                 qPrintable(QStringLiteral("%1 <= %2").arg(units->width()).arg(text)));
    }

    void offsetEditKeepsTheCommonRate()
    {
        FunctionGeneratorPinnedWidget pinned;
        FunctionGeneratorOutputOptions output;
        output.sampling_frequency = 300;
        output.offset_limits = limits(-5, 5, 3, 0.001);
        pinned.setOutputOptions(0, output);
        QSignalSpy requests(&pinned, &FunctionGeneratorPinnedWidget::outputOptionsChanged);
        child<QDoubleSpinBox>(pinned, "dcOffsetChannel2DoubleSpinBox")->setRange(-5, 5);
        child<QDoubleSpinBox>(pinned, "dcOffsetChannel2DoubleSpinBox")->setValue(1.5);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).value<size_t>(), size_t(1));
        const auto sent = requests.at(0).at(1).value<FunctionGeneratorOutputOptions>();
        QCOMPARE(sent.offset, 1.5);
        QCOMPARE(sent.sampling_frequency, 300u);
    }

    void powerButton()
    {
        FunctionGeneratorPinnedWidget pinned;
        QSignalSpy starts(&pinned, &FunctionGeneratorPinnedWidget::startRequested);
        QSignalSpy stops(&pinned, &FunctionGeneratorPinnedWidget::stopRequested);
        auto *power = child<QToolButton>(pinned, "controlToolButton");
        power->click();
        QCOMPARE(starts.count(), 1);
        QCOMPARE(starts.at(0).at(0).value<FunctionGeneratorStartType>(),
                 FunctionGeneratorStartType::Immediate);
        QVERIFY(power->isChecked());
        power->click();
        QCOMPARE(stops.count(), 1);
        pinned.displayStartMode(FunctionGeneratorStartType::Trigger);
        QVERIFY(power->isChecked());
        pinned.displayStopMode();
        QVERIFY(!power->isChecked());
        QCOMPARE(starts.count() + stops.count(), 2);
    }

    void enableClick()
    {
        FunctionGeneratorPinnedWidget pinned;
        pinned.setChannelEnable(1, true);
        QSignalSpy requests(&pinned, &FunctionGeneratorPinnedWidget::channelEnableChanged);
        child<QCheckBox>(pinned, "channel2CheckBox")->click();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).value<size_t>(), size_t(1));
        QCOMPARE(requests.at(0).at(1).toBool(), false);
    }

    void otherChannelCounts()
    {
        FunctionGeneratorPinnedWidget pinned;
        pinned.setChanelCount(0);
        pinned.setMode(FunctionGeneratorMode::StandardFunctions);
        pinned.setChanelCount(3);
        pinned.setStandardFunction(2, F::Square);
        pinned.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        QEvent styleChange(QEvent::StyleChange);
        QApplication::sendEvent(&pinned, &styleChange);
        QVERIFY(!child<QCheckBox>(pinned, "channel1CheckBox")->property("darkTheme").toBool());
    }

    void rowsFollowTheChannelCount_data()
    {
        QTest::addColumn<unsigned>("count");
        QTest::newRow("no channel") << 0u;
        QTest::newRow("one channel") << 1u;
        QTest::newRow("two channels") << 2u;
    }

    // A row without a channel is hidden, and what reaches it from outside sends nothing.
    void rowsFollowTheChannelCount()
    {
        QFETCH(unsigned, count);
        FunctionGeneratorPinnedWidget pinned;
        pinned.setChanelCount(count);
        for (unsigned channel = 0; channel < 2; ++channel) {
            pinned.setStandardFunction(channel, F::Sine);
            pinned.setStandardFunctionOptions(channel, blocks());
            FunctionGeneratorOutputOptions output;
            output.offset_limits = limits(-5, 5, 3, 0.001);
            pinned.setOutputOptions(channel, output);
        }
        QSignalSpy functions(&pinned,
                             &FunctionGeneratorPinnedWidget::standardFuntionOptionsChanged);
        QSignalSpy outputs(&pinned, &FunctionGeneratorPinnedWidget::outputOptionsChanged);
        QSignalSpy enables(&pinned, &FunctionGeneratorPinnedWidget::channelEnableChanged);
        QList<size_t> sent;
        for (unsigned channel = 0; channel < 2; ++channel) {
            const QByteArray row = QByteArray::number(channel + 1);
            auto named = [&row](const char *before, const char *after) {
                return QByteArray(before + row + after);
            };
            const bool shown = channel < count;
            auto *box = child<QCheckBox>(pinned, named("channel", "CheckBox").constData());
            QCOMPARE(box->isVisibleTo(&pinned), shown);
            for (const QByteArray &name :
                 {named("functionChannel", "Label"), named("functionsChannel", "StackedWidget")})
                QCOMPARE(child<QWidget>(pinned, name.constData())->isVisibleTo(&pinned), shown);
            child<QDoubleSpinBox>(pinned, named("frequencyChannel", "DoubleSpinBox").constData())
                    ->setValue(50);
            child<QDoubleSpinBox>(pinned, named("dcOffsetChannel", "DoubleSpinBox").constData())
                    ->setValue(1);
            box->click();
            if (shown)
                sent << channel;
        }
        for (QSignalSpy *spy : {&functions, &outputs, &enables}) {
            QList<size_t> channels;
            for (const QList<QVariant> &request : *spy)
                channels << request.at(0).value<size_t>();
            QCOMPARE(channels, sent);
        }
    }

    void languageChangeShowsHertz()
    {
        FunctionGeneratorPinnedWidget pinned;
        pinned.setStandardFunction(0, F::Sine);
        pinned.setStandardFunctionOptions(0, blocks());
        auto *units = child<QComboBox>(pinned, "frequencyChannel1UnitsComboBox");
        units->setCurrentIndex(1);
        QSignalSpy requests(&pinned, &FunctionGeneratorPinnedWidget::standardFuntionOptionsChanged);
        QEvent languageChange(QEvent::LanguageChange);
        QApplication::sendEvent(&pinned, &languageChange);
        QCOMPARE(units->count(), 3);
        QCOMPARE(requests.count(), 0);
    }
};

QTEST_MAIN(TestFunctionGeneratorPinnedWidget)
#include "tst_functiongeneratorpinnedwidget.moc"
