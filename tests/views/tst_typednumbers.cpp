#include "app/translationloader.h"
#include "assets/assets.h"
#include "functiongenerator/support/generatortesthelpers.h"
#include "resources/digitaloscilloscopeparameters.h"
#include "resources/functiongeneratoroptions.h"
#include "resources/powersupplyoutputoptions.h"
#include "resources/resourcerv38.h"
#include "vekwidgets/vekdimensionspinbox.h"
#include "views/functiongenerator/functiongeneratorpinnedwidget.h"
#include "views/functiongenerator/functiongeneratorwidget.h"
#include "views/multimeter/digitalmultimeterwidget.h"
#include "views/oscilloscope/channelpanelsettingswidget.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"
#include "views/oscilloscope/triggerpanelsettingswidget.h"
#include "views/powersupply/powersupplypinnedwidget.h"
#include "views/powersupply/powersupplywidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// A number box on its panel, with what the panel has sent on to the instrument so far.
struct Wired
{
    std::unique_ptr<QWidget> panel;
    QDoubleSpinBox *box = nullptr;
    // In base units, each request as it went.
    std::shared_ptr<QList<double>> sent = std::make_shared<QList<double>>();
    // Base units per shown unit.
    double scale = 1.0;
    // The dialogs send when they are applied.
    std::function<void()> apply = [] {};
};

PowerSupplyOutputOptions supplyOptions()
{
    PowerSupplyOutputOptions options;
    options.voltage = 5.0;
    options.current = 2.0;
    return options;
}

Wired supplyPanel(bool current)
{
    Wired w;
    auto *panel = new PowerSupplyWidget;
    w.panel.reset(panel);
    panel->setChannelsCount(1);
    panel->setOutputOption(0, supplyOptions());
    panel->setSynchronizeOption(0, supplyOptions());
    w.box = child<QDoubleSpinBox>(panel,
                                  current ? "currentVekDoubleSpinBox" : "voltageVekDoubleSpinBox");
    QObject::connect(panel, &PowerSupplyWidget::outputChanged,
                     [sent = w.sent, current](int, const PowerSupplyOutputOptions &o) {
                         *sent << (current ? o.current : o.voltage);
                     });
    return w;
}

Wired supplyMiniature(bool current)
{
    Wired w;
    auto *mini = new PowerSupplyPinnedWidget;
    w.panel.reset(mini);
    mini->setChannelsCount(1);
    mini->setOutputOption(0, supplyOptions());
    mini->setSynchronizeOption(0, supplyOptions());
    w.box = child<QDoubleSpinBox>(mini,
                                  current ? "currentVekDoubleSpinBox" : "voltageVekDoubleSpinBox");
    QObject::connect(mini, &PowerSupplyPinnedWidget::outputChanged,
                     [sent = w.sent, current](int, const PowerSupplyOutputOptions &o) {
                         *sent << (current ? o.current : o.voltage);
                     });
    return w;
}

Wired multimeterDelay()
{
    Wired w;
    auto *form = new DigitalMultimeterWidget;
    w.panel.reset(form);
    DigitalGeneratorMainParameters record;
    record.function = FunctionDcVoltage;
    record.range = 10.0;
    record.ranges = voltageRanges;
    record.delay_time = 5.0;
    form->setMainParameters(record);
    w.box = child<QDoubleSpinBox>(form, "delayPulseTriggerDoubleSpinBox");
    QObject::connect(form, &DigitalMultimeterWidget::delayTimeChanged,
                     [sent = w.sent](double value) { *sent << value; });
    return w;
}

Wired generatorFrequency()
{
    Wired w;
    auto *panel = new FunctionGeneratorWidget;
    w.panel.reset(panel);
    FunctionGeneratorStartardFunctionOptions options;
    options.sineOptions.double_amplitude = 2;
    options.sineOptions.double_amplitude_limits = limits(0, 10, 3, 0.001);
    options.sineOptions.frequency = 1000;
    options.sineOptions.frequency_limits = limits(0.1, 1e8, 1, 0.1);
    panel->setSupportedRanges({1, 10});
    panel->setChannelEnable(0, true);
    panel->setStandardFunction(0, FunctionGeneratorStandardFunction::Sine);
    panel->setStandardFunctionOptions(0, options);
    panel->setMode(FunctionGeneratorMode::StandardFunctions);
    // Shown in hertz, so that every typed number is in range.
    child<QComboBox>(panel, "frequencyUnitsComboBox")->setCurrentIndex(0);
    w.box = child<QDoubleSpinBox>(panel, "frequencyDoubleSpinBox");
    QObject::connect(panel, &FunctionGeneratorWidget::standardFuntionOptionsChanged,
                     [sent = w.sent](size_t, const FunctionGeneratorStartardFunctionOptions &o) {
                         *sent << o.sineOptions.frequency;
                     });
    return w;
}

Wired triggerTime()
{
    Wired w;
    auto *dialog = new TriggerPanelSettingsWidget;
    w.panel.reset(dialog);
    DigitalOscilloscopeTriggerParameters parameters;
    parameters.channel = 1;
    dialog->setDefaultParameters(parameters);
    parameters.mode = DigitalOscilloscopeImpulse;
    parameters.time1 = 20e-6;
    parameters.time2 = 40e-6;
    dialog->setDefaultParameters(parameters);
    w.box = child<QDoubleSpinBox>(dialog, "impulseMinTimeDoubleSpinBox");
    w.scale = 1e-6;
    QObject::connect(
            dialog, &TriggerPanelSettingsWidget::triggerParametersChanged,
            [sent = w.sent](const DigitalOscilloscopeTriggerParameters &p) { *sent << p.time1; });
    w.apply = [dialog] {
        QTest::mouseClick(child<QPushButton>(dialog, "acceptButton"), Qt::LeftButton);
    };
    return w;
}

Wired wired(const QString &name)
{
    if (name == QLatin1String("supply voltage"))
        return supplyPanel(false);
    if (name == QLatin1String("supply current"))
        return supplyPanel(true);
    if (name == QLatin1String("miniature voltage"))
        return supplyMiniature(false);
    if (name == QLatin1String("miniature current"))
        return supplyMiniature(true);
    if (name == QLatin1String("multimeter delay"))
        return multimeterDelay();
    if (name == QLatin1String("generator frequency"))
        return generatorFrequency();
    return triggerTime();
}

void retype(QDoubleSpinBox *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Counts every signal a panel's own class declares, whatever it carries.
class SignalCounter : public QObject
{
    Q_OBJECT
public:
    explicit SignalCounter(QObject *watched)
    {
        const QMetaObject *meta = watched->metaObject();
        const QMetaMethod hit = metaObject()->method(metaObject()->indexOfSlot("hit()"));
        for (int i = meta->superClass()->methodCount(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                connect(watched, meta->method(i), this, hit);
        }
    }
    int count = 0;

public slots:
    void hit() { ++count; }
};

// A panel shown as the workspace shows it, an edit open in one of its boxes.
struct Shown
{
    std::unique_ptr<QWidget> panel;
    QWidget *edited = nullptr;
};

Shown shown(const QString &name)
{
    Shown s;
    if (name == QLatin1String("oscilloscope panel")) {
        auto *panel = new DigitalOscilloscopeWidget;
        s.panel.reset(panel);
        panel->setMaximumPointCount(10000);
        panel->setSupportedRanges({1.0, 2.0});
        panel->setDefaultTrigger(DigitalOscilloscopeTriggerParameters());
        s.edited = child<VekDimensionSpinBox>(panel, "prehistorySpinBox")
                           ->findChild<QDoubleSpinBox *>();
    } else if (name == QLatin1String("trigger dialog")) {
        Wired w = triggerTime();
        s.panel = std::move(w.panel);
        s.edited = w.box;
    } else if (name == QLatin1String("channel dialog")) {
        s.panel = std::make_unique<ChannelPanelSettingsWidget>(QStringLiteral("Channel 1"));
        s.edited = child<QDoubleSpinBox>(s.panel.get(), "offsetDoubleSpinBox");
    } else if (name == QLatin1String("generator miniature")) {
        s.panel = std::make_unique<FunctionGeneratorPinnedWidget>();
        s.edited = child<QDoubleSpinBox>(s.panel.get(), "frequencyChannel1DoubleSpinBox");
    } else {
        Wired w = wired(name);
        s.panel = std::move(w.panel);
        s.edited = w.box;
    }
    return s;
}

} // namespace

class TestTypedNumbers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }
    void cleanup() { TranslationLoader::instance()->load(QStringLiteral("en")); }

    void typedNumberIsWhatIsSent_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        const char *boxes[] = {"supply voltage",    "supply current",   "miniature voltage",
                               "miniature current", "multimeter delay", "generator frequency",
                               "trigger time"};
        const struct
        {
            const char *typed;
            double value;
        } numbers[] = {{"1,000", 1.0}, {"1.000", 1.0}, {"3.7", 3.7}, {"3,7", 3.7}};
        for (const char *box : boxes) {
            for (const char *language : {"en", "ru"}) {
                for (const auto &number : numbers) {
                    // One is below the trigger time's 1.1 us: refused, the box keeps its 20.
                    const bool below = !qstrcmp(box, "trigger time") && number.value < 1.1;
                    QTest::addRow("%s, %s, %s", box, language, number.typed)
                            << box << language << number.typed << (below ? 20.0 : number.value);
                }
            }
        }
    }

    // Either mark is the decimal mark in either language; what the box shows is what it
    // commits, and that is what reaches the instrument.
    void typedNumberIsWhatIsSent()
    {
        QFETCH(QString, box);
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(double, value);
        TranslationLoader::instance()->load(language);
        Wired w = wired(box);
        retype(w.box, typed);
        QTest::keyClick(w.box, Qt::Key_Return);
        w.apply();
        QCOMPARE(w.box->value(), value);
        QCOMPARE(w.box->text().remove(w.box->suffix()),
                 QLocale().toString(value, 'f', w.box->decimals()));
        // The generator sends while typing too: its last request is what the box shows.
        QVERIFY(!w.sent->isEmpty());
        QCOMPARE(w.sent->last(), value * w.scale);
    }

    void setPointGoesOnceOnEnter_data()
    {
        QTest::addColumn<QString>("box");
        for (const char *box : {"supply voltage", "supply current", "miniature voltage",
                                "miniature current", "multimeter delay"})
            QTest::newRow(box) << box;
    }

    // The instrument follows only values the user chose: none while typing.
    void setPointGoesOnceOnEnter()
    {
        QFETCH(QString, box);
        Wired w = wired(box);
        w.box->selectAll();
        for (const char *key : {"4", ".", "8"}) {
            QTest::keyClicks(w.box, QString::fromLatin1(key));
            QCOMPARE(*w.sent, QList<double>());
        }
        // Editing inside the text, in front of what is there.
        QTest::keyClick(w.box, Qt::Key_Home);
        QTest::keyClicks(w.box, QStringLiteral("1"));
        QCOMPARE(*w.sent, QList<double>());
        QTest::keyClick(w.box, Qt::Key_Backspace);
        QTest::keyClick(w.box, Qt::Key_Return);
        QCOMPARE(*w.sent, QList<double>({4.8}));
    }

    void panelGoingAwaySendsNothing_data()
    {
        QTest::addColumn<QString>("panel");
        for (const char *panel :
             {"oscilloscope panel", "trigger dialog", "channel dialog", "multimeter delay",
              "generator frequency", "generator miniature", "supply voltage", "miniature voltage"})
            QTest::newRow(panel) << panel;
    }

    // Going away, a panel hides its boxes and the focus leaves the open edit.
    void panelGoingAwaySendsNothing()
    {
        QFETCH(QString, panel);
        Shown s = shown(panel);
        s.panel->show();
        QApplication::setActiveWindow(s.panel.get());
        QVERIFY(QTest::qWaitForWindowActive(s.panel.get()));
        s.edited->setFocus();
        QTRY_VERIFY(s.edited->hasFocus());
        SignalCounter counter(s.panel.get());
        auto *edited = qobject_cast<QDoubleSpinBox *>(s.edited);
        edited->selectAll();
        QTest::keyClicks(edited, QStringLiteral("0.5"));
        const int whileTyping = counter.count;
        s.panel.reset();
        QCOMPARE(counter.count, whileTyping);
    }
};

QTEST_MAIN(TestTypedNumbers)
#include "tst_typednumbers.moc"
