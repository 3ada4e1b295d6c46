#include "views/oscilloscope/channelpanelsettingswidget.h"

#include "support/screenshotstyles.h"

#include "assets/assets.h"
#include "vekwidgets/vekdoubleswitch.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString ohm = QStringLiteral("\u2126");

std::vector<double> tenRanges()
{
    return {0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0};
}

DigitalOscilloscopeChannelParameters record(int range, bool impedance = true, bool coupling = true,
                                            int filter = 0, double offset = 0.0)
{
    DigitalOscilloscopeChannelParameters parameters;
    parameters.channel = 1;
    parameters.state = 1;
    parameters.range = quint8(range);
    parameters.filter = filter;
    parameters.impedance = impedance;
    parameters.offset = offset;
    parameters.coupling = coupling;
    return parameters;
}

// The dialog as the panel sets it up, and what it sends back.
struct Dialog
{
    explicit Dialog(std::vector<double> ranges = tenRanges())
    {
        dialog.setSupportedRanges(std::move(ranges));
        dialog.setSupportedFilters(
                {{0.0, QStringLiteral("Full")}, {1.0, QStringLiteral("20 MHz")}});
        dialog.setSupportedImpedances(
                {DigitalOscilloscopeLowImpedance, DigitalOscilloscopeHighImpedance});
        QObject::connect(&dialog, &ChannelPanelSettingsWidget::channelParametersChanged,
                         [this](DigitalOscilloscopeChannelParameters p) {
                             records.append(p);
                             order.append(QStringLiteral("record"));
                         });
        QObject::connect(&dialog, &ChannelPanelSettingsWidget::channelDescriptionChanged,
                         [this](const QString &text) {
                             descriptions.append(text);
                             order.append(QStringLiteral("description"));
                         });
    }

    template<typename T>
    T *child(const char *name)
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }
    void click(const char *button)
    {
        QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
    }
    QString rangeText() { return child<QLabel>("rangeValueLabel")->text(); }
    VekDoubleSwitch *impedance() { return child<VekDoubleSwitch>("impedanceDoubleSwitch"); }

    ChannelPanelSettingsWidget dialog {QStringLiteral("Channel 1")};
    QList<DigitalOscilloscopeChannelParameters> records;
    QStringList descriptions;
    QStringList order;
};

} // namespace

class TestChannelPanelSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void form();
    void rangeSteps_data();
    void rangeSteps();
    void singleImpedance_data();
    void singleImpedance();
    void escapeAppliesNothing();
    void applyAlwaysEmitsThenDescribes_data();
    void applyAlwaysEmitsThenDescribes();
    void unknownFilterIsKept();
    void languageChangeKeepsTitleAndRange();
    void screenshots();
};

void TestChannelPanelSettingsWidget::initTestCase()
{
    initPraluneAssets();
}

void TestChannelPanelSettingsWidget::form()
{
    Dialog f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Channel 1"));
    QCOMPARE(f.dialog.size(), QSize(273, 229));
    QCOMPARE(f.dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(f.dialog.isWindow());
    QCOMPARE(f.impedance()->switchLabels(), QStringList({"50 " + ohm, "1 M" + ohm}));
    QCOMPARE(f.child<VekDoubleSwitch>("couplingDoubleSwitch")->switchLabels(),
             QStringList({"AC", "DC"}));
    QCOMPARE(f.impedance()->normalBackgroundColor(), QColor(155, 155, 155));
    QCOMPARE(f.impedance()->pressedBackgroundColor(), QColor(255, 255, 255));
    QCOMPARE(f.impedance()->disabledBackgroundColor(), QColor(155, 155, 155));
    auto *offset = f.child<QDoubleSpinBox>("offsetDoubleSpinBox");
    QCOMPARE(offset->decimals(), 3);
    QCOMPARE(offset->minimum(), -100.0);
    QCOMPARE(offset->maximum(), 100.0);
    QCOMPARE(f.child<QComboBox>("bandwithComboBox")->count(), 2);
    // Appended, never cleared: the panel gives the filters once.
    f.dialog.setSupportedFilters({{2.0, QStringLiteral("Extra")}});
    QCOMPARE(f.child<QComboBox>("bandwithComboBox")->count(), 3);
    QVERIFY(!f.child<QToolButton>("rangeDecreaseButton")->icon().isNull());

    // Before any record: range 6, 50 Ω, filter 0, channel 0, state 1.
    f.click("acceptButton");
    QCOMPARE(f.records.size(), 1);
    QCOMPARE(int(f.records[0].range), 6);
    QCOMPARE(f.records[0].channel, 0);
    QCOMPARE(f.records[0].state, 1);
    QVERIFY(f.records[0].impedance);
}

void TestChannelPanelSettingsWidget::rangeSteps_data()
{
    QTest::addColumn<QList<double>>("ranges");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("step"); // presses of + (positive) or − (negative)
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("increase");
    QTest::addColumn<bool>("decrease");
    QTest::addColumn<bool>("impedanceEnabled");
    QTest::addColumn<bool>("lowImpedance");
    QTest::addColumn<int>("sentRange");
    const QList<double> ten = {0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0};
    QTest::newRow("first of two") << QList<double> {0.3, 1.0} << 0 << 0 << "0.3 V" << true << false
                                  << true << true << 0;
    QTest::newRow("up to the last of two")
            << QList<double> {0.3, 1.0} << 0 << 2 << "1 V" << false << true << true << true << 1;
    QTest::newRow("above 6 forces 1 MOhm")
            << ten << 7 << 0 << "10 V" << true << true << false << false << 7;
    QTest::newRow("back to 6 stays at 1 MOhm")
            << ten << 7 << -1 << "5 V" << true << true << true << false << 6;
    QTest::newRow("down to the first")
            << ten << 2 << -5 << "0.05 V" << true << false << true << true << 0;
    QTest::newRow("stored 9 on two ranges")
            << QList<double> {0.3, 1.0} << 9 << 0 << "1 V" << false << true << true << true << 1;
    QTest::newRow("no ranges") << QList<double> {} << 3 << 1 << "" << false << false << true << true
                               << 3;
}

void TestChannelPanelSettingsWidget::rangeSteps()
{
    QFETCH(QList<double>, ranges);
    QFETCH(int, range);
    QFETCH(int, step);
    QFETCH(QString, text);
    QFETCH(bool, increase);
    QFETCH(bool, decrease);
    QFETCH(bool, impedanceEnabled);
    QFETCH(bool, lowImpedance);
    QFETCH(int, sentRange);
    Dialog f(std::vector<double>(ranges.begin(), ranges.end()));
    f.dialog.setDefaultParameters(record(range));
    for (int i = 0; i < std::abs(step); ++i)
        f.click(step > 0 ? "rangeIncreaseButton" : "rangeDecreaseButton");
    QCOMPARE(f.rangeText(), text);
    QCOMPARE(f.child<QToolButton>("rangeIncreaseButton")->isEnabled(), increase);
    QCOMPARE(f.child<QToolButton>("rangeDecreaseButton")->isEnabled(), decrease);
    QCOMPARE(f.impedance()->isEnabled(), impedanceEnabled);
    QCOMPARE(f.impedance()->checked(), lowImpedance);
    f.click("acceptButton");
    QCOMPARE(f.records.size(), 1);
    QCOMPARE(int(f.records[0].range), sentRange);
    QCOMPARE(f.records[0].impedance, lowImpedance);
}

void TestChannelPanelSettingsWidget::singleImpedance_data()
{
    QTest::addColumn<int>("impedance");
    QTest::addColumn<QString>("shown");
    QTest::newRow("50 Ohm only") << int(DigitalOscilloscopeLowImpedance) << "50 " + ohm;
    QTest::newRow("1 MOhm only") << int(DigitalOscilloscopeHighImpedance) << "1 M" + ohm;
}

void TestChannelPanelSettingsWidget::singleImpedance()
{
    QFETCH(int, impedance);
    QFETCH(QString, shown);
    ChannelPanelSettingsWidget dialog(QStringLiteral("Channel 2"));
    dialog.setSupportedRanges({0.3, 1.0});
    dialog.setSupportedImpedances({DigitalOscilloscopeImpedanceType(impedance)});
    auto *label = dialog.findChild<QLabel *>("impedanceLabel");
    auto *control = dialog.findChild<VekDoubleSwitch *>("impedanceDoubleSwitch");
    auto *form = dialog.findChild<QFormLayout *>("formLayout");
    QVERIFY(label->isHidden());
    QVERIFY(control->isHidden());
    QCOMPARE(form->indexOf(label), -1);
    QCOMPARE(form->indexOf(control), -1);
    QCOMPARE(control->switchLabels().value(control->checked() ? 0 : 1), shown);

    QString description;
    connect(&dialog, &ChannelPanelSettingsWidget::channelDescriptionChanged,
            [&](const QString &text) { description = text; });
    dialog.setDefaultParameters(record(0, control->checked()));
    QVERIFY(description.contains(shown));
    // The other four rows keep their places.
    QCOMPARE(form->rowCount(), 5);
    QVERIFY(form->indexOf(dialog.findChild<QWidget *>("bandwithComboBox")) >= 0);
}

void TestChannelPanelSettingsWidget::escapeAppliesNothing()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(3));
    f.dialog.exec();
    QVERIFY(f.dialog.isVisible());
    f.click("rangeIncreaseButton");
    QCOMPARE(f.rangeText(), QStringLiteral("1 V"));
    QTest::keyClick(&f.dialog, Qt::Key_Escape);
    QVERIFY(!f.dialog.isVisible());
    QVERIFY(f.records.isEmpty());
    // The owner loads the stored record before the next opening.
    f.dialog.setDefaultParameters(record(3));
    QCOMPARE(f.rangeText(), QStringLiteral("0.5 V"));
}

void TestChannelPanelSettingsWidget::applyAlwaysEmitsThenDescribes_data()
{
    QTest::addColumn<QList<double>>("ranges");
    QTest::addColumn<int>("range");
    QTest::addColumn<bool>("impedance");
    QTest::addColumn<bool>("coupling");
    QTest::addColumn<QString>("description");
    QTest::newRow("0.3 V, 50 Ohm, AC")
            << QList<double> {0.3, 1.0} << 0 << true << true << " 0.3 V   50 " + ohm + "   AC";
    QTest::newRow("10 V, 1 MOhm, DC") << QList<double> {0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0}
                                      << 7 << false << false << "  10 V   1 M" + ohm + "   DC";
}

void TestChannelPanelSettingsWidget::applyAlwaysEmitsThenDescribes()
{
    QFETCH(QList<double>, ranges);
    QFETCH(int, range);
    QFETCH(bool, impedance);
    QFETCH(bool, coupling);
    QFETCH(QString, description);
    Dialog f(std::vector<double>(ranges.begin(), ranges.end()));
    const DigitalOscilloscopeChannelParameters stored = record(range, impedance, coupling, 1, 0.25);
    f.dialog.setDefaultParameters(stored);
    QCOMPARE(f.descriptions, QStringList {description});
    f.dialog.exec();
    f.click("acceptButton");
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.order, QStringList({"description", "record", "description"}));
    QVERIFY(f.records.at(0) == stored);
    QCOMPARE(f.descriptions.last(), description);

    // What the person changed is what goes out.
    f.child<VekDoubleSwitch>("couplingDoubleSwitch")->setChecked(!coupling);
    f.child<QDoubleSpinBox>("offsetDoubleSpinBox")->setValue(-1.5);
    f.child<QComboBox>("bandwithComboBox")->setCurrentIndex(0);
    f.click("acceptButton");
    QCOMPARE(f.records.at(1).coupling, !coupling);
    QCOMPARE(f.records.at(1).offset, -1.5);
    QCOMPARE(f.records.at(1).filter, 0);
    QVERIFY(f.descriptions.last().endsWith(coupling ? "DC" : "AC"));
}

void TestChannelPanelSettingsWidget::unknownFilterIsKept()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(2, true, true, 7));
    QCOMPARE(f.child<QComboBox>("bandwithComboBox")->currentIndex(), -1);
    f.click("acceptButton");
    QCOMPARE(f.records.at(0).filter, 7);
}

void TestChannelPanelSettingsWidget::languageChangeKeepsTitleAndRange()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(4));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&f.dialog, &change);
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Channel 1"));
    QCOMPARE(f.rangeText(), QStringLiteral("1 V"));
    QCOMPARE(f.child<QLabel>("rangeLabel")->text(), QStringLiteral("Range"));
}

// Not a check: the window for a person to look at, in every theme and both languages.
void TestChannelPanelSettingsWidget::screenshots()
{
    const QString dir = screenshotDirectory();
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    for (const ScreenshotStyle &style : screenshotStyles()) {
        applyScreenshotStyle(style);
        Dialog f;
        f.dialog.setDefaultParameters(record(2, true, true, 1, -0.125));
        f.dialog.exec();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        QCoreApplication::processEvents();
        f.dialog.grab().save(QStringLiteral("%1/channel-settings-%2.png").arg(dir, style.suffix()));
    }
    resetScreenshotStyle();
}

QTEST_MAIN(TestChannelPanelSettingsWidget)
#include "tst_channelpanelsettingswidget.moc"
