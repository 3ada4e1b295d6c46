#include "views/oscilloscope/triggerpanelsettingswidget.h"

#include "support/screenshotstyles.h"

#include "assets/assets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace {

DigitalOscilloscopeTriggerParameters record(int mode, double level1 = 0.0, double level2 = 0.0,
                                            double time1 = 0.0, double time2 = 0.0,
                                            bool falling = false)
{
    DigitalOscilloscopeTriggerParameters parameters;
    parameters.channel = 1;
    parameters.prehistory = 0.25;
    parameters.mode = mode;
    parameters.polarity = falling;
    parameters.level1 = level1;
    parameters.level2 = level2;
    parameters.time1 = time1;
    parameters.time2 = time2;
    return parameters;
}

struct Dialog
{
    Dialog()
    {
        QObject::connect(&dialog, &TriggerPanelSettingsWidget::triggerParametersChanged,
                         [this](DigitalOscilloscopeTriggerParameters p) { records.append(p); });
        QObject::connect(&dialog, &TriggerPanelSettingsWidget::triggerDescriptionChanged,
                         [this](const QString &text, const QIcon &icon) {
                             descriptions.append(text);
                             icons.append(icon);
                         });
    }
    template<typename T>
    T *child(const char *name)
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }
    QComboBox *combo(const char *name) { return child<QComboBox>(name); }
    QDoubleSpinBox *box(const char *name) { return child<QDoubleSpinBox>(name); }
    QCheckBox *check(const char *name) { return child<QCheckBox>(name); }
    QString warning() { return child<QLabel>("impulseWarningLabel")->text(); }
    void apply() { QTest::mouseClick(child<QPushButton>("acceptButton"), Qt::LeftButton); }

    TriggerPanelSettingsWidget dialog;
    QList<DigitalOscilloscopeTriggerParameters> records;
    QStringList descriptions;
    QList<QIcon> icons;
};

} // namespace

class TestTriggerPanelSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void freshDialog();
    void freshRateApply();
    void timeConversions_data();
    void timeConversions();
    void descriptions_data();
    void descriptions();
    void supportedModes();
    void recordFillsItsPage();
    void impulseWarningBlocksApply();
    void impulseSwitchesOff();
    void impulseMaximumOffIsPreset();
    void longImpulseTimesAreHarmless();
    void applyWithoutSelectedMode();
    void setRangeAppliesClampedLevels();
    void setTriggerLevel1();
    void execShowsKeptRecord();
    void languageChangeKeepsSupportedModes();
    void styleThemeReloadsPictures();
    void screenshots();
};

void TestTriggerPanelSettingsWidget::initTestCase()
{
    initPraluneAssets();
}

void TestTriggerPanelSettingsWidget::freshDialog()
{
    Dialog f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Trigger settings"));
    QCOMPARE(f.dialog.size(), QSize(329, 342));
    QCOMPARE(f.dialog.windowModality(), Qt::ApplicationModal);
    QCOMPARE(f.combo("modeComboBox")->count(), 6);
    QCOMPARE(f.combo("modeComboBox")->currentText(), QStringLiteral("Edge"));
    QVERIFY(f.check("impulseMinTimeCheckBox")->isChecked());
    QVERIFY(!f.check("impulseMaxTimeCheckBox")->isChecked());
    QVERIFY(!f.box("impulseMaxTimeDoubleSpinBox")->isEnabled());
    QCOMPARE(f.combo("impulseMaxTimeComboBox")->currentText(), QStringLiteral("us"));
    QCOMPARE(f.box("impulseMaxTimeDoubleSpinBox")->minimum(), 1.1);
    QCOMPARE(f.box("intervalTimeDoubleSpinBox")->minimum(), 2.0);
    QCOMPARE(f.box("edgeLevelDoublSpinBox")->decimals(), 5);
    QCOMPARE(f.combo("intervalTimeComboBox")->count(), 4);
    QCOMPARE(f.combo("impulseMinTimeComboBox")->count(), 3);
    QVERIFY(f.records.isEmpty());
    QVERIFY(f.descriptions.isEmpty());
}

void TestTriggerPanelSettingsWidget::freshRateApply()
{
    Dialog f;
    f.combo("modeComboBox")->setCurrentIndex(DigitalOscilloscopeRate);
    QCOMPARE(f.child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("rate"));
    QCOMPARE(f.box("rateIntervalDoubleSpinBox")->value(), 2.0);
    QCOMPARE(f.combo("rateIntervalComboBox")->currentText(), QStringLiteral("ns"));
    f.apply();
    QCOMPARE(f.records.size(), 1);
    QCOMPARE(f.records[0].mode, int(DigitalOscilloscopeRate));
    QCOMPARE(f.records[0].time1, 2e-9);

    // A zero duration reads as the shortest one.
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeRate, 0.0, 0.0, 0.0));
    QCOMPARE(f.box("rateIntervalDoubleSpinBox")->value(), 2.0);
    QCOMPARE(f.combo("rateIntervalComboBox")->currentIndex(), 0);
}

void TestTriggerPanelSettingsWidget::timeConversions_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::newRow("2 us") << 2e-6 << 2.0 << 1;
    QTest::newRow("1.5 ms") << 1.5e-3 << 1.5 << 2;
    QTest::newRow("zero in ns") << 0.0 << 0.0 << 0;
    QTest::newRow("0.5 s in ms") << 0.5 << 500.0 << 2;
    QTest::newRow("5 s") << 5.0 << 5.0 << 3;
    QTest::newRow("1.05 ms in us") << 1.05e-3 << 1050.0 << 1;
}

void TestTriggerPanelSettingsWidget::timeConversions()
{
    QFETCH(double, seconds);
    QFETCH(double, value);
    QFETCH(int, unit);
    const auto shown = TriggerPanelSettingsWidget::fromTimeInterval(seconds, 3);
    QCOMPARE(shown.first, value);
    QCOMPARE(shown.second, unit);
    QCOMPARE(TriggerPanelSettingsWidget::toTimeInterval(value, unit), seconds);
}

void TestTriggerPanelSettingsWidget::descriptions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("falling");
    QTest::addColumn<double>("time1");
    QTest::addColumn<double>("time2");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("picture");
    QTest::newRow("edge rising") << 0 << false << 0.0 << 0.0 << "Start on rising\nLevel: 1.25 V\n"
                                 << "trigger_edge_rising.svg";
    QTest::newRow("edge falling") << 0 << true << 0.0 << 0.0 << "Start on falling\nLevel: 1.25 V\n"
                                  << "trigger_edge_falling.svg";
    QTest::newRow("runt") << 1 << false << 0.0 << 0.0
                          << "Start on runt\nLevel 1: 1.25 V\nLevel 2: -0.333333 V"
                          << "trigger_rand.svg";
    QTest::newRow("window") << 2 << false << 0.0 << 0.0
                            << "Start on window\nLevel 1: 1.25 V\nLevel 2: -0.333333 V"
                            << "trigger_window.svg";
    QTest::newRow("rate") << 3 << false << 2e-06 << 0.0
                          << "Start on duration 2e-06 s\nFrom level 1: 1.25 V\nTo level 2: "
                             "-0.333333 V"
                          << "trigger_rate.svg";
    QTest::newRow("impulse from and to") << 4 << false << 2e-06 << 1e-05
                                         << "Start on level: 1.25 V\nDuration: \nfrom 2e-06 s "
                                            "to 1e-05 s"
                                         << "trigger_impulse_rising.svg";
    QTest::newRow("impulse without times")
            << 4 << false << 0.0 << 2.0 << "Start on level: 1.25 V\nDuration: \n"
            << "trigger_impulse_rising.svg";
    QTest::newRow("interval falling")
            << 5 << true << 0.0015 << 0.0 << "Start on falling edge\nDuration: \n0.0015 s"
            << "trigger_interval_falling.svg";
    QTest::newRow("interval rising")
            << 5 << false << 4e-09 << 0.0 << "Start on rising edge\nDuration: \n4e-09 s"
            << "trigger_interval_rising.svg";
    QTest::newRow("unknown mode") << 9 << false << 0.0 << 0.0 << ""
                                  << "";
}

void TestTriggerPanelSettingsWidget::descriptions()
{
    QFETCH(int, mode);
    QFETCH(bool, falling);
    QFETCH(double, time1);
    QFETCH(double, time2);
    QFETCH(QString, text);
    QFETCH(QString, picture);
    const auto parameters = record(mode, 1.25, -1.0 / 3.0, time1, time2, falling);
    QCOMPARE(TriggerPanelSettingsWidget::descriptionText(parameters), text);
    QCOMPARE(TriggerPanelSettingsWidget::descriptionPicture(parameters), picture);

    Dialog f;
    f.dialog.setDefaultParameters(parameters);
    QCOMPARE(f.descriptions.last(), text);
    QCOMPARE(f.icons.last().isNull(), picture.isEmpty());
}

void TestTriggerPanelSettingsWidget::supportedModes()
{
    Dialog f;
    f.dialog.setSupportedEventModes(
            {DigitalOscilloscopeWindow, DigitalOscilloscopeEdge, DigitalOscilloscopeRunt});
    QComboBox *modes = f.combo("modeComboBox");
    QCOMPARE(modes->count(), 3);
    QCOMPARE(modes->itemText(2), QStringLiteral("Window"));
    modes->setCurrentIndex(2);
    QCOMPARE(f.child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("window"));
    f.apply();
    QCOMPARE(f.records.at(0).mode, int(DigitalOscilloscopeWindow));
}

void TestTriggerPanelSettingsWidget::recordFillsItsPage()
{
    Dialog f;
    f.dialog.setRange(10.0);
    f.records.clear();
    const auto stored = record(DigitalOscilloscopeEdge, 2.5, 7.0, 3.0, 4.0, true);
    f.dialog.setDefaultParameters(stored);
    QCOMPARE(f.combo("edgeDirectionComboBox")->currentText(), QStringLiteral("Falling"));
    QCOMPARE(f.box("edgeLevelDoublSpinBox")->value(), 2.5);
    QVERIFY(f.records.isEmpty());
    f.apply();
    // Edge writes its own fields and carries every other one through.
    QVERIFY(f.records.at(0) == stored);

    f.dialog.setDefaultParameters(record(DigitalOscilloscopeInterval, 0.0, 0.0, 1.05e-3, 0.0));
    QCOMPARE(f.combo("intervalTimeComboBox")->currentText(), QStringLiteral("us"));
    QCOMPARE(f.box("intervalTimeDoubleSpinBox")->value(), 1000.0);
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeInterval, 0.0, 0.0, 5.0, 0.0));
    QCOMPARE(f.combo("intervalTimeComboBox")->currentText(), QStringLiteral("s"));
    QCOMPARE(f.box("intervalTimeDoubleSpinBox")->decimals(), 8);
    f.apply();
    QCOMPARE(f.records.at(1).time1, 5.0);
}

void TestTriggerPanelSettingsWidget::impulseWarningBlocksApply()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeEdge, 0.5));
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeImpulse, 0.0, 0.0, 10e-9, 4e-9));
    QCOMPARE(f.box("impulseMinTimeDoubleSpinBox")->value(), 10.0);
    QCOMPARE(f.box("impulseMaxTimeDoubleSpinBox")->value(), 4.0);
    QVERIFY(f.warning().startsWith(QStringLiteral("Time interval settings are invalid!\n")));
    f.dialog.show();
    f.apply();
    QVERIFY(f.records.isEmpty());
    QVERIFY(f.dialog.isVisible());

    f.combo("impulseMaxTimeComboBox")->setCurrentIndex(1);
    QVERIFY(f.warning().isEmpty());
    f.apply();
    QCOMPARE(f.records.size(), 1);
    QCOMPARE(f.records[0].mode, int(DigitalOscilloscopeImpulse));
    QCOMPARE(f.records[0].time1, 10e-9);
    QCOMPARE(f.records[0].time2, 4e-6);
    QVERIFY(!f.dialog.isVisible());
}

void TestTriggerPanelSettingsWidget::impulseSwitchesOff()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeImpulse, 0.0, 0.0, 2e-6, 1e-5));
    QCOMPARE(f.combo("impulseMinTimeComboBox")->currentText(), QStringLiteral("us"));
    QCOMPARE(f.box("impulseMinTimeDoubleSpinBox")->value(), 2.0);
    QCOMPARE(f.box("impulseMaxTimeDoubleSpinBox")->value(), 10.0);
    f.check("impulseMinTimeCheckBox")->setChecked(false);
    f.check("impulseMaxTimeCheckBox")->setChecked(false);
    QVERIFY(!f.box("impulseMinTimeDoubleSpinBox")->isEnabled());
    f.apply();
    QCOMPARE(f.records.at(0).time1, 0.0);
    QCOMPARE(f.records.at(0).time2, 2.0);
    QCOMPARE(f.descriptions.last(), QStringLiteral("Start on level: 0 V\nDuration: \n"));
}

void TestTriggerPanelSettingsWidget::impulseMaximumOffIsPreset()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeImpulse, 0.0, 0.0, 3e-3, 1.1));
    QVERIFY(!f.check("impulseMaxTimeCheckBox")->isChecked());
    QCOMPARE(f.combo("impulseMaxTimeComboBox")->currentText(), QStringLiteral("ms"));
    QCOMPARE(f.box("impulseMaxTimeDoubleSpinBox")->value(), 4.0);
    QVERIFY(f.warning().isEmpty());
}

void TestTriggerPanelSettingsWidget::longImpulseTimesAreHarmless()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeImpulse, 0.0, 0.0, 1.5, 2.0));
    QCOMPARE(f.combo("impulseMinTimeComboBox")->currentText(), QStringLiteral("ms"));
    QCOMPARE(f.box("impulseMinTimeDoubleSpinBox")->value(), 1000.0);
    f.apply();
    QCOMPARE(f.records.at(0).time1, 1.0);
    QCOMPARE(f.records.at(0).time2, 2.0);
}

void TestTriggerPanelSettingsWidget::applyWithoutSelectedMode()
{
    Dialog f;
    f.dialog.setSupportedEventModes(
            {DigitalOscilloscopeEdge, DigitalOscilloscopeRunt, DigitalOscilloscopeWindow});
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeImpulse, 1.0));
    QCOMPARE(f.combo("modeComboBox")->currentIndex(), -1);
    f.apply();
    f.dialog.setRange(2.0);
    QVERIFY(f.records.isEmpty());

    f.dialog.setSupportedEventModes({});
    QCOMPARE(f.combo("modeComboBox")->count(), 0);
    f.apply();
    QVERIFY(f.records.isEmpty());
}

void TestTriggerPanelSettingsWidget::setRangeAppliesClampedLevels()
{
    Dialog f;
    f.dialog.setRange(10.0);
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeEdge, 8.0));
    f.records.clear();
    f.dialog.setRange(5.0);
    for (const char *name : {"edgeLevelDoublSpinBox", "randLevel2DoubleSpinBox",
                             "rateLevel1DoubleSpinBox", "impulseLevelDoubleSpinBox"}) {
        QCOMPARE(f.box(name)->minimum(), -5.0);
        QCOMPARE(f.box(name)->maximum(), 5.0);
        QCOMPARE(f.box(name)->singleStep(), 5.0 / 2048);
    }
    QCOMPARE(f.records.size(), 1);
    QCOMPARE(f.records[0].level1, 5.0);
    QCOMPARE(f.descriptions.last(), QStringLiteral("Start on rising\nLevel: 5 V\n"));
}

void TestTriggerPanelSettingsWidget::setTriggerLevel1()
{
    Dialog f;
    f.dialog.setRange(10.0);
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeRunt, 1.0, 2.0));
    f.records.clear();
    f.dialog.setTriggerLevel1(1.0);
    QVERIFY(f.records.isEmpty());
    f.dialog.setTriggerLevel1(-3.5);
    QCOMPARE(f.records.size(), 1);
    QCOMPARE(f.records[0].mode, int(DigitalOscilloscopeRunt));
    QCOMPARE(f.records[0].level1, -3.5);
    QCOMPARE(f.records[0].level2, 2.0);
}

void TestTriggerPanelSettingsWidget::execShowsKeptRecord()
{
    Dialog f;
    f.dialog.setRange(10.0);
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeWindow, 1.0, 2.0));
    f.records.clear();
    // An unapplied edit, then the dialog is closed without Apply.
    f.combo("modeComboBox")->setCurrentIndex(DigitalOscilloscopeRunt);
    f.box("windowLevel1DoubleSpinBox")->setValue(4.0);
    QTimer::singleShot(0, &f.dialog, [&] {
        QCOMPARE(f.combo("modeComboBox")->currentIndex(), int(DigitalOscilloscopeWindow));
        QCOMPARE(f.box("windowLevel1DoubleSpinBox")->value(), 1.0);
        f.dialog.reject();
    });
    QCOMPARE(f.dialog.exec(), 0);
    QVERIFY(f.records.isEmpty());

    QTimer::singleShot(0, &f.dialog, [&] {
        f.box("windowLevel2DoubleSpinBox")->setValue(-2.0);
        f.apply();
    });
    QCOMPARE(f.dialog.exec(), 1);
    QCOMPARE(f.records.size(), 1);
    QCOMPARE(f.records[0].level2, -2.0);
}

void TestTriggerPanelSettingsWidget::languageChangeKeepsSupportedModes()
{
    Dialog f;
    f.dialog.setSupportedEventModes(
            {DigitalOscilloscopeEdge, DigitalOscilloscopeRunt, DigitalOscilloscopeWindow});
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeInterval, 0.0, 0.0, 1e-3, 0.0, true));
    f.combo("rateIntervalComboBox")->setCurrentIndex(3);
    f.descriptions.clear();
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&f.dialog, &change);
    QCOMPARE(f.combo("modeComboBox")->count(), 3);
    QCOMPARE(f.combo("rateIntervalComboBox")->currentIndex(), 0);
    QCOMPARE(f.box("rateIntervalDoubleSpinBox")->minimum(), 2.0);
    QCOMPARE(f.combo("intervalDirectionComboBox")->currentIndex(), 0);
    QCOMPARE(f.descriptions.size(), 1);
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Trigger settings"));
}

void TestTriggerPanelSettingsWidget::styleThemeReloadsPictures()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(DigitalOscilloscopeEdge, 0.0, 0.0, 0.0, 0.0, true));
    const QImage light = f.child<QLabel>("edgeIconLabel")->pixmap(Qt::ReturnByValue).toImage();
    f.dialog.changeStyleTheme(true);
    const QImage dark = f.child<QLabel>("edgeIconLabel")->pixmap(Qt::ReturnByValue).toImage();
    QVERIFY(!dark.isNull());
    QVERIFY(light != dark);
    QCOMPARE(f.descriptions.size(), 2);
    QVERIFY(!f.icons.last().isNull());
}

// Not a check: the dialog for a person to look at, in every theme and both languages.
void TestTriggerPanelSettingsWidget::screenshots()
{
    const QString dir = screenshotDirectory();
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    for (const ScreenshotStyle &style : screenshotStyles()) {
        applyScreenshotStyle(style);
        Dialog f;
        f.dialog.changeStyleTheme(style.theme == QLatin1String("dark"));
        f.dialog.setRange(10.0);
        const QList<QPair<QString, DigitalOscilloscopeTriggerParameters>> pages = {
                {"edge", record(DigitalOscilloscopeEdge, 1.5, 0.0, 0.0, 0.0, true)},
                {"impulse", record(DigitalOscilloscopeImpulse, -0.25, 0.0, 10e-9, 4e-9)}};
        for (const auto &page : pages) {
            f.dialog.setDefaultParameters(page.second);
            f.dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
            QCoreApplication::processEvents();
            f.dialog.grab().save(QStringLiteral("%1/trigger-settings-%2-%3.png")
                                         .arg(dir, page.first, style.suffix()));
        }
    }
    resetScreenshotStyle();
}

QTEST_MAIN(TestTriggerPanelSettingsWidget)
#include "tst_triggerpanelsettingswidget.moc"
