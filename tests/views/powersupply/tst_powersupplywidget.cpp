#include "assets/assets.h"
#include "views/powersupply/powersupplywidget.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "support/markingtranslator.h"
#include "vekwidgets/vekdoublespinbox.h"

namespace {
// The limits and set points a one-channel supply starts with.
PowerSupplyOutputOptions supplyOptions(double voltage = 0.1, double current = 0.0,
                                       bool enabled = false)
{
    PowerSupplyOutputOptions options;
    options.voltage = voltage;
    options.current = current;
    options.enabled = enabled;
    return options;
}

QList<QFrame *> blocks(PowerSupplyWidget &panel)
{
    return panel.findChild<QFrame *>("settingsWidget")
            ->findChildren<QFrame *>("PowerSupplyChannelWidget", Qt::FindDirectChildrenOnly);
}

template<typename T>
T *in(QFrame *block, const char *name)
{
    return block->findChild<T *>(QString::fromLatin1(name));
}

QPoint gridCell(PowerSupplyWidget &panel, QFrame *block)
{
    auto *grid = qobject_cast<QGridLayout *>(panel.findChild<QFrame *>("settingsWidget")->layout());
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(block), &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}

} // namespace

// The full panel on its own: blocks, edits, shown values and marks.
class TestPowerSupplyWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
        qRegisterMetaType<PowerSupplyOutputOptions>();
    }

    void blocksFillColumnsOfFive_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<QPoint>>("cells"); // (column, row)
        QTest::newRow("none") << 0 << QList<QPoint>();
        QTest::newRow("one") << 1 << QList<QPoint> {{0, 0}};
        QTest::newRow("seven") << 7 << QList<QPoint> {{0, 0}, {0, 1}, {0, 2}, {0, 3},
                                                      {0, 4}, {1, 0}, {1, 1}};
    }

    void blocksFillColumnsOfFive()
    {
        QFETCH(int, count);
        QFETCH(QList<QPoint>, cells);
        PowerSupplyWidget panel;
        QVERIFY(blocks(panel).isEmpty());
        panel.setChannelsCount(static_cast<unsigned char>(count));
        const QList<QFrame *> made = blocks(panel);
        QCOMPARE(made.size(), cells.size());
        for (int i = 0; i < made.size(); ++i) {
            QCOMPARE(gridCell(panel, made[i]), cells[i]);
            QCOMPARE(in<QLabel>(made[i], "channelNameLabel")->text(),
                     QStringLiteral("Channel %1").arg(i + 1));
            QCOMPARE(made[i]->property("group").toBool(), true);
        }
    }

    // Limits clamp the boxes; the set points show in the measured-value labels until the
    // first reading; nothing is sent back.
    void outputOptionShowsLimitsWithoutEmitting()
    {
        PowerSupplyWidget panel;
        panel.setChannelsCount(1);
        QSignalSpy output(&panel, &PowerSupplyWidget::outputChanged);
        panel.setOutputOption(0, supplyOptions(0.1, 0.0, true));
        QFrame *block = blocks(panel).first();
        QCOMPARE(in<VekDoubleSpinBox>(block, "currentVekDoubleSpinBox")->value(), 10.0);
        QCOMPARE(in<VekDoubleSpinBox>(block, "voltageVekDoubleSpinBox")->value(), 10.0);
        QCOMPARE(in<VekDoubleSpinBox>(block, "voltageVekDoubleSpinBox")->maximum(), 40.0);
        QCOMPARE(in<QLabel>(block, "voltageViewLabel")->text(), QStringLiteral("0.1"));
        QCOMPARE(in<QLabel>(block, "currentViewLabel")->text(), QStringLiteral("0"));
        QVERIFY(in<QToolButton>(block, "stopStartModeToolButton")->isChecked());

        panel.setSynchronizeOption(0, supplyOptions(12.5, 0.75, false));
        QCOMPARE(in<VekDoubleSpinBox>(block, "voltageVekDoubleSpinBox")->value(), 12.5);
        QCOMPARE(in<VekDoubleSpinBox>(block, "currentVekDoubleSpinBox")->value(), 0.75);
        QVERIFY(!in<QToolButton>(block, "stopStartModeToolButton")->isChecked());
        QCOMPARE(in<QLabel>(block, "voltageViewLabel")->text(), QStringLiteral("0.1"));

        panel.setCurrentValues(0, 5.0, 0.25);
        QCOMPARE(in<QLabel>(block, "voltageViewLabel")->text(), QStringLiteral("5.00"));
        QCOMPARE(in<QLabel>(block, "currentViewLabel")->text(), QStringLiteral("0.25"));
        QCOMPARE(output.count(), 0);
    }

    // Each edit sends the channel's whole record: its own field, the others from the controls.
    void editsSendTheWholeRecord_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<double>("voltage");
        QTest::addColumn<double>("current");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("typed voltage") << "type voltage" << 7.5 << 0.75 << false;
        QTest::newRow("typed current") << "type current" << 12.5 << 1.5 << false;
        QTest::newRow("switch") << "switch" << 12.5 << 0.75 << true;
        QTest::newRow("setVoltage") << "setVoltage" << 3.0 << 0.75 << false;
        QTest::newRow("setCurrent") << "setCurrent" << 12.5 << 2.0 << false;
        QTest::newRow("setEnable") << "setEnable" << 12.5 << 0.75 << true;
    }

    void editsSendTheWholeRecord()
    {
        QFETCH(QString, edit);
        QFETCH(double, voltage);
        QFETCH(double, current);
        QFETCH(bool, enabled);
        PowerSupplyWidget panel;
        panel.setChannelsCount(2);
        panel.setOutputOption(1, supplyOptions());
        panel.setSynchronizeOption(1, supplyOptions(12.5, 0.75));
        QFrame *block = blocks(panel).at(1);
        auto *voltageBox = in<VekDoubleSpinBox>(block, "voltageVekDoubleSpinBox");
        auto *currentBox = in<VekDoubleSpinBox>(block, "currentVekDoubleSpinBox");
        QSignalSpy output(&panel, &PowerSupplyWidget::outputChanged);

        if (edit == "type voltage" || edit == "type current") {
            VekDoubleSpinBox *box = edit == "type voltage" ? voltageBox : currentBox;
            box->selectAll();
            QTest::keyClicks(box, edit == "type voltage" ? "7.5" : "1.5");
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(output.count(), 1);
        } else if (edit == "switch") {
            QTest::mouseClick(in<QToolButton>(block, "stopStartModeToolButton"), Qt::LeftButton);
            QCOMPARE(output.count(), 1);
        } else if (edit == "setVoltage") {
            panel.setVoltage(1, 3.0);
        } else if (edit == "setCurrent") {
            panel.setCurrent(1, 2.0);
        } else {
            panel.setEnable(1, true);
        }
        if (edit.startsWith("set")) {
            QCOMPARE(output.count(), 1);
            // The slots stand for an edit; they change no control.
            QCOMPARE(voltageBox->value(), 12.5);
            QCOMPARE(currentBox->value(), 0.75);
        }
        const QList<QVariant> last = output.last();
        QCOMPARE(last.at(0).toInt(), 1);
        const auto sent = last.at(1).value<PowerSupplyOutputOptions>();
        QCOMPARE(sent.voltage, voltage);
        QCOMPARE(sent.current, current);
        QCOMPARE(sent.enabled, enabled);
        QCOMPARE(sent.voltageMaximum, 40.0); // the rest of the record travels along
        QCOMPARE(sent.currentExtraInteger, 2);
    }

    void allOnSwitchesOnlyWhatIsOff()
    {
        PowerSupplyWidget panel;
        panel.show();
        panel.setChannelsCount(2);
        panel.setOutputOption(0, supplyOptions(0.1, 0.0, true));
        panel.setOutputOption(1, supplyOptions());
        QSignalSpy output(&panel, &PowerSupplyWidget::outputChanged);
        QTest::mouseClick(panel.findChild<QPushButton *>("startModePushButton"), Qt::LeftButton);
        QCOMPARE(output.count(), 1);
        QCOMPARE(output.at(0).at(0).toInt(), 1);
        QVERIFY(output.at(0).at(1).value<PowerSupplyOutputOptions>().enabled);

        QTest::mouseClick(panel.findChild<QPushButton *>("stopModePushButton"), Qt::LeftButton);
        QCOMPARE(output.count(), 3);
        // A second call of setChannelsCount connects the buttons no second time.
        panel.setChannelsCount(1);
        output.clear();
        QTest::mouseClick(panel.findChild<QPushButton *>("startModePushButton"), Qt::LeftButton);
        QCOMPARE(output.count(), 3);
    }

    void marks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("voltageMark");
        QTest::addColumn<QString>("currentMark");
        const QString blank = QStringLiteral("   ");
        const QString mark = QStringLiteral("<font color='#2196f3'>%1</font>");
        QTest::newRow("constant current") << 0 << blank << mark.arg(" CC");
        QTest::newRow("constant voltage") << 1 << mark.arg(" CV") << blank;
        QTest::newRow("over regulation") << 2 << mark.arg("OVR") << mark.arg("OVR");
        QTest::newRow("none") << 3 << blank << blank;
    }

    // Coloured from the start, before any style change has reached the panel.
    void marks()
    {
        QFETCH(int, mode);
        QFETCH(QString, voltageMark);
        QFETCH(QString, currentMark);
        PowerSupplyWidget panel;
        panel.setChannelsCount(1);
        panel.setOverMode(0, PowerSupplyOverRegulation);
        panel.setOverMode(0, static_cast<PowerSupplyModeType>(mode));
        QFrame *block = blocks(panel).first();
        QCOMPARE(in<QLabel>(block, "overVoltageViewLabel")->text(), voltageMark);
        QCOMPARE(in<QLabel>(block, "overCurrentViewLabel")->text(), currentMark);
    }

    // No channel number outside the blocks reaches a list.
    void channelsOutsideTheBlocksAreIgnored()
    {
        PowerSupplyWidget panel;
        QSignalSpy output(&panel, &PowerSupplyWidget::outputChanged);
        for (int round = 0; round < 2; ++round) {
            for (int channel : {-1, 1, 200}) {
                panel.setOutputOption(channel, supplyOptions(5.0));
                panel.setSynchronizeOption(channel, supplyOptions(5.0));
                panel.setCurrentValues(channel, 1.0, 2.0);
                panel.setOverMode(channel, PowerSupplyOverRegulation);
                panel.setVoltage(static_cast<unsigned char>(channel), 1.0);
                panel.setCurrent(static_cast<unsigned char>(channel), 1.0);
                panel.setEnable(static_cast<unsigned char>(channel), true);
            }
            panel.setChannelsCount(1);
        }
        QCOMPARE(output.count(), 0);
        QCOMPARE(in<QLabel>(blocks(panel).first(), "voltageViewLabel")->text(),
                 QStringLiteral("0.00"));
    }

    void languageChangeKeepsBlockTitles()
    {
        PowerSupplyWidget panel;
        panel.setChannelsCount(2);
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        auto *on = panel.findChild<QPushButton *>("startModePushButton");
        QCOMPARE(on->text(), QStringLiteral("~Turn on power for all"));
        QCOMPARE(on->toolTip(), QStringLiteral("~Turn on power for all"));
        QCOMPARE(panel.findChild<QPushButton *>("stopModePushButton")->whatsThis(),
                 QStringLiteral("~Turn off power for all"));
        QCOMPARE(in<QLabel>(blocks(panel).at(1), "channelNameLabel")->text(),
                 QStringLiteral("Channel 2"));
        QCOMPARE(in<QToolButton>(blocks(panel).at(1), "stopStartModeToolButton")->toolTip(),
                 QStringLiteral("Turn the power on/off"));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestPowerSupplyWidget)
#include "tst_powersupplywidget.moc"
