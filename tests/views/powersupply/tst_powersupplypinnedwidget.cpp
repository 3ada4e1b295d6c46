#include "assets/assets.h"
#include "views/powersupply/powersupplypinnedwidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "support/markingtranslator.h"
#include "vekwidgets/vekdoublespinbox.h"

namespace {
PowerSupplyOutputOptions supplyOptions(double voltage, double current = 0.0, bool enabled = false)
{
    PowerSupplyOutputOptions options;
    options.voltage = voltage;
    options.current = current;
    options.enabled = enabled;
    return options;
}

template<typename T>
T *child(QWidget &widget, const char *name)
{
    return widget.findChild<T *>(QString::fromLatin1(name));
}

QString text(QWidget &widget, const char *label)
{
    return child<QLabel>(widget, label)->text();
}

void press(QWidget &widget, const char *button)
{
    QTest::mouseClick(child<QToolButton>(widget, button), Qt::LeftButton);
}

// A miniature as the view leaves it: channel i holds the set point i + 1 V.
void fill(PowerSupplyPinnedWidget &mini, int channels)
{
    mini.setChannelsCount(static_cast<unsigned char>(channels));
    for (int i = 0; i < channels; ++i) {
        mini.setOutputOption(i, supplyOptions(i + 1.0));
        mini.setSynchronizeOption(i, supplyOptions(i + 1.0));
    }
}

} // namespace

// The pinned miniature on its own: one channel shown, stepping, and what it takes from others.
class TestPowerSupplyPinnedWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
        qRegisterMetaType<PowerSupplyOutputOptions>();
    }

    void labelReadsZeroUntilOptionsAreShown()
    {
        PowerSupplyPinnedWidget mini;
        QCOMPARE(mini.size(), QSize(292, 64));
        mini.setChannelsCount(1);
        QCOMPARE(text(mini, "currentChannelLabel"), QStringLiteral("0"));
        mini.setOutputOption(0, supplyOptions(0.1));
        QCOMPARE(text(mini, "currentChannelLabel"), QStringLiteral("1"));
        QCOMPARE(text(mini, "voltageViewLabel"), QStringLiteral("0.1"));
        QCOMPARE(text(mini, "currentViewLabel"), QStringLiteral("0"));
    }

    void stepping_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("presses"); // n next, p previous
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("three, next at the end stays") << 3 << "nnn" << QStringList {"2", "3", "3"};
        QTest::newRow("three, previous at the start stays")
                << 3 << "pnp" << QStringList {"1", "2", "1"};
        QTest::newRow("one channel") << 1 << "np" << QStringList {"1", "1"};
    }

    // Stepping shows the channel's set points and limits, sends nothing and keeps the marks.
    void stepping()
    {
        QFETCH(int, channels);
        QFETCH(QString, presses);
        QFETCH(QStringList, labels);
        PowerSupplyPinnedWidget mini;
        fill(mini, channels);
        mini.setOverMode(0, PowerSupplyConstantVoltage);
        QSignalSpy output(&mini, &PowerSupplyPinnedWidget::outputChanged);
        for (int i = 0; i < presses.size(); ++i) {
            press(mini,
                  presses[i] == 'n' ? "currentChannelIncreaseButton"
                                    : "currentChannelDecreaseButton");
            QCOMPARE(text(mini, "currentChannelLabel"), labels[i]);
            QCOMPARE(text(mini, "voltageViewLabel"), labels[i]);
        }
        QCOMPARE(output.count(), 0);
        QCOMPARE(text(mini, "overVoltageViewLabel"), QStringLiteral("CV "));
    }

    void marks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("voltageMark");
        QTest::addColumn<QString>("currentMark");
        QTest::newRow("constant current") << 0 << "   "
                                          << "CC ";
        QTest::newRow("constant voltage") << 1 << "CV "
                                          << "   ";
        QTest::newRow("over regulation") << 2 << "OVR"
                                         << "OVR";
        QTest::newRow("none") << 3 << "   "
                              << "   ";
    }

    void marks()
    {
        QFETCH(int, mode);
        QFETCH(QString, voltageMark);
        QFETCH(QString, currentMark);
        PowerSupplyPinnedWidget mini;
        fill(mini, 2);
        mini.setOverMode(0, PowerSupplyOverRegulation);
        mini.setOverMode(0, static_cast<PowerSupplyModeType>(mode));
        mini.setOverMode(1, PowerSupplyConstantCurrent); // not shown: ignored
        QCOMPARE(text(mini, "overVoltageViewLabel"), voltageMark);
        QCOMPARE(text(mini, "overCurrentViewLabel"), currentMark);
    }

    void onlyTheShownChannelIsTaken()
    {
        PowerSupplyPinnedWidget mini;
        fill(mini, 2);
        mini.setCurrentValues(0, 5.0, 0.25);
        QCOMPARE(text(mini, "voltageViewLabel"), QStringLiteral("5.00"));
        QCOMPARE(text(mini, "currentViewLabel"), QStringLiteral("0.25"));
        mini.setCurrentValues(1, 9.0, 9.0);
        QCOMPARE(text(mini, "voltageViewLabel"), QStringLiteral("5.00"));

        // Options edited elsewhere for a channel not shown are not even stored.
        mini.setSynchronizeOption(1, supplyOptions(7.0, 0.5, true));
        QCOMPARE(child<VekDoubleSpinBox>(mini, "voltageVekDoubleSpinBox")->value(), 1.0);
        mini.setCurrentChannel(1);
        QCOMPARE(text(mini, "voltageViewLabel"), QStringLiteral("2"));
        QVERIFY(!child<QToolButton>(mini, "stopStartModeToolButton")->isChecked());
        mini.setCurrentChannel(5); // outside: the shown channel stays
        QCOMPARE(text(mini, "currentChannelLabel"), QStringLiteral("2"));
    }

    void edits_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<double>("voltage");
        QTest::addColumn<double>("current");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("typed voltage") << "type voltage" << 7.5 << 0.5 << false;
        QTest::newRow("switch") << "switch" << 2.0 << 0.5 << true;
        QTest::newRow("setCurrent") << "setCurrent" << 2.0 << 3.0 << false;
    }

    // The shown channel's whole record, its index and the limits going along.
    void edits()
    {
        QFETCH(QString, edit);
        QFETCH(double, voltage);
        QFETCH(double, current);
        QFETCH(bool, enabled);
        PowerSupplyPinnedWidget mini;
        fill(mini, 2);
        mini.setCurrentChannel(1);
        mini.setSynchronizeOption(1, supplyOptions(2.0, 0.5));
        QSignalSpy output(&mini, &PowerSupplyPinnedWidget::outputChanged);
        if (edit == "type voltage") {
            auto *box = child<VekDoubleSpinBox>(mini, "voltageVekDoubleSpinBox");
            box->selectAll();
            QTest::keyClicks(box, "7.5");
            QTest::keyClick(box, Qt::Key_Return);
        } else if (edit == "switch") {
            press(mini, "stopStartModeToolButton");
        } else {
            mini.setCurrent(3.0);
        }
        QVERIFY(output.count() >= 1);
        QCOMPARE(output.last().at(0).toInt(), 1);
        const auto sent = output.last().at(1).value<PowerSupplyOutputOptions>();
        QCOMPARE(sent.voltage, voltage);
        QCOMPARE(sent.current, current);
        QCOMPARE(sent.enabled, enabled);
        QCOMPARE(sent.currentMaximum, 10.0);
    }

    void clampingByLimitsSendsNothing()
    {
        PowerSupplyPinnedWidget mini;
        mini.setChannelsCount(1);
        QSignalSpy output(&mini, &PowerSupplyPinnedWidget::outputChanged);
        PowerSupplyOutputOptions options = supplyOptions(0.1);
        options.currentMaximum = 2.0;
        mini.setOutputOption(0, options);
        QCOMPARE(child<VekDoubleSpinBox>(mini, "currentVekDoubleSpinBox")->value(), 2.0);
        QCOMPARE(output.count(), 0);
    }

    // Before setChannelsCount the count is one but there is no record to edit.
    void nothingToEditBeforeRecords()
    {
        PowerSupplyPinnedWidget mini;
        QSignalSpy output(&mini, &PowerSupplyPinnedWidget::outputChanged);
        auto *box = child<VekDoubleSpinBox>(mini, "voltageVekDoubleSpinBox");
        box->selectAll();
        QTest::keyClicks(box, "5");
        press(mini, "stopStartModeToolButton");
        mini.setVoltage(1.0);
        mini.setCurrent(1.0);
        mini.setEnable(false);
        mini.setCurrentChannel(0);
        mini.setOutputOption(0, supplyOptions(3.0));
        mini.setSynchronizeOption(0, supplyOptions(3.0));
        mini.setOutputOption(-1, supplyOptions(3.0));
        QCOMPARE(output.count(), 0);
        QCOMPARE(text(mini, "currentChannelLabel"), QStringLiteral("0"));
    }

    void languageChangeKeepsTheChannelNumber()
    {
        PowerSupplyPinnedWidget mini;
        fill(mini, 3);
        mini.setCurrentChannel(2);
        mini.setCurrentValues(2, 5.0, 0.25);
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(text(mini, "currentChannelLabel"), QStringLiteral("3"));
        QCOMPARE(text(mini, "voltageViewLabel"), QStringLiteral("5.00"));
        QCOMPARE(text(mini, "label"), QStringLiteral("~V"));
        mini.setOverMode(2, PowerSupplyConstantCurrent);
        QCOMPARE(text(mini, "overCurrentViewLabel"), QStringLiteral("~CC "));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestPowerSupplyPinnedWidget)
#include "tst_powersupplypinnedwidget.moc"
