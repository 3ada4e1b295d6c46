// The oscilloscope panel's time base, acquisition control, prehistory, vertical scales, stored
// records and theme change, watched through its signals.
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include "../support/modalanswers.h"
#include "../support/screenshotlooks.h"

#include "app/options.h"
#include "assets/assets.h"
#include "vekwidgets/vekdimensionspinbox.h"
#include "vekwidgets/vekdoubleswitch.h"
#include "views/oscilloscope/channelpanelsettingswidget.h"
#include "views/oscilloscope/cursors/cursorssystem.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/markercollectionwidget.h"
#include "views/oscilloscope/plotarea.h"
#include "views/oscilloscope/triggerpanelsettingswidget.h"
#include "views/oscilloscope/valuemarker.h"

#include "support/screenshotstyles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <limits>
#include <random>

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<QColor>)
Q_DECLARE_METATYPE(DigitalOscilloscopeStartType)

namespace {

DigitalOscilloscopeChannelParameters channelRecord(int channel, quint8 range, double offset = 0.0)
{
    DigitalOscilloscopeChannelParameters parameters;
    parameters.channel = channel;
    parameters.state = 1;
    parameters.range = range;
    parameters.offset = offset;
    parameters.impedance = true;
    return parameters;
}

template<typename T>
T *child(DigitalOscilloscopeWidget &panel, const char *name)
{
    return panel.findChild<T *>(QLatin1String(name));
}

DigitalOscilloscopeTimeParameters timeAt(const QSignalSpy &spy, int i)
{
    return spy.at(i).at(0).value<DigitalOscilloscopeTimeParameters>();
}

// 1 kHz, 1 V amplitude on channel 1, half of it inverted on channel 2, nothing on the math row.
QVector<QVector<double>> sineFrame(double period, int count)
{
    QVector<QVector<double>> frame(3);
    for (int i = 0; i < count; ++i) {
        const double u = std::sin(2.0 * M_PI * 1000.0 * i * period);
        frame[0].append(u);
        frame[1].append(-0.5 * u);
        frame[2].append(0.0);
    }
    return frame;
}

// Opens a row's channel dialog with its settings button, as a person would.
ChannelPanelSettingsWidget *openChannelDialog(DigitalOscilloscopeWidget &panel, const char *button)
{
    child<QToolButton>(panel, button)->click();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<ChannelPanelSettingsWidget *>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Whether a channel's offset marker is on a strip of the plot area, where it can be dragged.
bool offsetMarkerShown(DigitalOscilloscopeWidget &panel, int channel)
{
    ValueMarker *marker = panel.plotArea()->offsetMarkers().at(channel);
    const auto strips = panel.plotArea()->findChildren<MarkerCollectionWidget *>();
    return std::any_of(strips.begin(), strips.end(), [marker](MarkerCollectionWidget *strip) {
        return strip->markers().contains(marker);
    });
}

// A panel as the view fills it: point limit and ranges first.
struct Panel
{
    Panel()
    {
        panel.setMaximumPointCount(10000);
        panel.setSupportedRanges({1.0, 2.0});
        panel.setDefaultChannels({channelRecord(0, 1), channelRecord(1, 0)});
        panel.setDefaultTrigger(DigitalOscilloscopeTriggerParameters());
    }
    DigitalOscilloscopeWidget panel;
};

// A period rule like an instrument's: the shortest 1-2-5 period that fits the span into the
// points, never coarser than the coarse one.
double gridPeriod(double shortest, double coarse)
{
    for (double decade = 1e-9; decade < 1.0; decade *= 10.0) {
        for (double mantissa : {1.0, 2.0, 5.0}) {
            if (mantissa * decade >= shortest * (1.0 - 1e-12))
                return std::min(mantissa * decade, coarse);
        }
    }
    return coarse;
}

// How a walk of the time base goes from its start: down while "-" is enabled, up while "+" is,
// or a fixed zigzag that takes the other way where one is disabled.
enum class Walk { Down, Up, Zigzag };

QVector<int> walkSteps(Walk walk, int start)
{
    QVector<int> steps;
    if (walk == Walk::Zigzag) {
        std::minstd_rand random(unsigned(start) + 1u);
        for (int i = 0; i < 24; ++i)
            steps << (random() % 3 == 0 ? +1 : -1);
    } else {
        steps.fill(walk == Walk::Down ? -1 : +1, 28);
    }
    return steps;
}

} // namespace

class TestDigitalOscilloscopeWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
        qRegisterMetaType<std::vector<int>>();
        qRegisterMetaType<std::vector<QColor>>();
        qRegisterMetaType<DigitalOscilloscopeStartType>();
        qRegisterMetaType<DigitalOscilloscopeTimeParameters>();
        qRegisterMetaType<DigitalOscilloscopeTriggerParameters>();
        qRegisterMetaType<DigitalOscilloscopeChannelParameters>();
        qRegisterMetaType<DigitalOscilloscopeMathChannelParameters>();
    }

    void pointLimitSendsBothTimeRecords()
    {
        DigitalOscilloscopeWidget panel;
        QSignalSpy scan(&panel, &DigitalOscilloscopeWidget::timeParametersChanged);
        QSignalSpy span(&panel, &DigitalOscilloscopeWidget::timePlotParametersChanged);
        panel.setMaximumPointCount(10000);
        QCOMPARE(panel.maximumPointCount(), quint64(10240));
        QCOMPARE(scan.count(), 1);
        QCOMPARE(span.count(), 1);
        QCOMPARE(timeAt(scan, 0).period, 0.003125);
        QCOMPARE(timeAt(scan, 0).time, 32.0);
        QCOMPARE(timeAt(span, 0).period, 0.003125);
        QCOMPARE(timeAt(span, 0).time, 1.6);
        QCOMPARE(child<QLabel>(panel, "timeDivLabel")->text().simplified(),
                 QStringLiteral("200 ms"));
    }

    void timeBaseIsSentOnlyWhileRunning()
    {
        Panel f;
        QSignalSpy scan(&f.panel, &DigitalOscilloscopeWidget::timeParametersChanged);
        QSignalSpy index(&f.panel, &DigitalOscilloscopeWidget::channelXIndexChanged);
        QSignalSpy zoomOut(&f.panel, &DigitalOscilloscopeWidget::plotHDivisionIncremented);
        child<QToolButton>(f.panel, "timeDivIncreaseButton")->click();
        QCOMPARE(f.panel.timeDivisionIndex(), 26);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), 26);
        QCOMPARE(zoomOut.count(), 1);
        QCOMPARE(scan.count(), 0);
        emit child<QToolButton>(f.panel, "startAutoModeButton")->pressed();
        QCOMPARE(scan.count(), 1);
        child<QToolButton>(f.panel, "timeDivDecreaseButton")->click();
        QCOMPARE(scan.count(), 2);
        QCOMPARE(timeAt(scan, 1).time, 32.0);
        // Past the table's ends nothing changes.
        f.panel.setHDivision(28);
        f.panel.setHDivision(-1);
        QCOMPARE(f.panel.timeDivisionIndex(), 25);
        QCOMPARE(scan.count(), 2);
    }

    void storedTimeIndex_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("increase");
        QTest::newRow("first") << 0 << 0 << true;
        QTest::newRow("last") << 27 << 27 << false;
        QTest::newRow("past the table applies the last") << 30 << 27 << false;
        QTest::newRow("negative changes nothing") << -4 << 25 << true;
    }
    void storedTimeIndex()
    {
        QFETCH(int, stored);
        QFETCH(int, index);
        QFETCH(bool, increase);
        Panel f;
        f.panel.setDefaultHorizontalIndex(stored);
        QCOMPARE(f.panel.timeDivisionIndex(), index);
        QCOMPARE(child<QToolButton>(f.panel, "timeDivIncreaseButton")->isEnabled(), increase);
        QCOMPARE(child<QLabel>(f.panel, "timeDivLabel")->text(),
                 OscilloscopeScales::timeDivisionText(index));
    }

    void prehistoryQuantized_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("requested");
        QTest::addColumn<double>("result");
        // The default time base: blocks of 0.1 s.
        QTest::newRow("2.5 steps growing") << 0.1 << 0.25 << 0.2;
        QTest::newRow("2.5 steps shrinking") << 0.5 << 0.25 << 0.3;
        QTest::newRow("one step shrinking") << 0.5 << 0.1 << 0.1;
    }
    void prehistoryQuantized()
    {
        QFETCH(double, start);
        QFETCH(double, requested);
        QFETCH(double, result);
        Panel f;
        f.panel.setPrehistory(start);
        QSignalSpy trigger(&f.panel, &DigitalOscilloscopeWidget::triggerParametersChanged);
        QSignalSpy prehistory(&f.panel, &DigitalOscilloscopeWidget::prehistoryChanged);
        f.panel.setPrehistory(requested);
        QCOMPARE(trigger.count(), 1);
        QCOMPARE(prehistory.count(), 1);
        QCOMPARE(trigger.at(0).at(0).value<DigitalOscilloscopeTriggerParameters>().prehistory,
                 result);
        QCOMPARE(prehistory.at(0).at(0).toDouble(), result);
        QCOMPARE(f.panel.triggerParameters().prehistory, result);
        // The same value again is no change.
        f.panel.setPrehistory(result);
        QCOMPARE(trigger.count(), 1);
    }

    void storedPrehistoryBelowOneBlock_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("rule");
        QTest::addColumn<double>("stored");
        QTest::addColumn<bool>("ranges");
        for (bool rule : {false, true}) {
            for (int index = 0; index <= OscilloscopeScales::lastTimeDivisionIndex; ++index) {
                // A fresh start, and the resource's default before it knows a time base.
                for (double stored : {0.0, 6.4e-9}) {
                    // Without ranges the trigger dialog sends no record of its own.
                    for (bool ranges : {true, false}) {
                        QTest::addRow("index %d%s, %g s stored%s", index,
                                      rule ? " with a rule" : "", stored,
                                      ranges ? "" : ", no ranges")
                                << index << rule << stored << ranges;
                    }
                }
            }
        }
    }
    // However short the stored prehistory, the box and the record lie inside the range of the
    // time base shown from the first show on, and the correction is sent as any other is.
    void storedPrehistoryBelowOneBlock()
    {
        QFETCH(int, index);
        QFETCH(bool, rule);
        QFETCH(double, stored);
        QFETCH(bool, ranges);
        DigitalOscilloscopeWidget panel;
        panel.setMaximumPointCount(10000);
        if (rule)
            panel.setRoundPeriodFunction(gridPeriod);
        if (ranges)
            panel.setSupportedRanges({1.0, 2.0});
        // In the order the view fills the panel.
        panel.setDefaultHorizontalIndex(index);
        panel.setDefaultChannels({channelRecord(0, 1), channelRecord(1, 0)});
        panel.setDefaultTime(DigitalOscilloscopeTimeParameters());
        QSignalSpy trigger(&panel, &DigitalOscilloscopeWidget::triggerParametersChanged);
        DigitalOscilloscopeTriggerParameters record;
        record.prehistory = stored;
        panel.setDefaultTrigger(record);

        const double step = 32.0 * panel.getPeriodValue();
        const double maximum = panel.getScanTimeValue() - step;
        const double slack = 1e-9 * step;
        auto *box = child<VekDimensionSpinBox>(panel, "prehistorySpinBox");
        const double shown = box->value();
        const QString where = QStringLiteral("%1 s in [%2, %3]")
                                      .arg(shown, 0, 'g', 12)
                                      .arg(step, 0, 'g', 12)
                                      .arg(maximum, 0, 'g', 12);
        QVERIFY2(shown >= step - slack && shown <= maximum + slack, qPrintable(where));
        // The number shown is that of the box's value, never a zero below its minimum.
        QVERIFY2(box->findChild<QDoubleSpinBox *>()->value() > 0.0, qPrintable(where));
        QCOMPARE(panel.triggerParameters().prehistory, shown);
        QCOMPARE(trigger.count(), 1);
        QCOMPARE(trigger.first().first().value<DigitalOscilloscopeTriggerParameters>().prehistory,
                 shown);
    }

    void shorterTimeBaseClampsAndSendsPrehistory()
    {
        Panel f;
        f.panel.setPrehistory(20.0);
        QCOMPARE(f.panel.triggerParameters().prehistory, 20.0);
        QSignalSpy prehistory(&f.panel, &DigitalOscilloscopeWidget::prehistoryChanged);
        child<QToolButton>(f.panel, "timeDivDecreaseButton")->click();
        // 0.1 s/div: a 16 s scan in blocks of 0.05 s, so at most 15.95 s before the trigger.
        QCOMPARE(prehistory.count(), 1);
        const double sent = prehistory.at(0).at(0).toDouble();
        QVERIFY(sent <= 15.95 + 1e-9 && sent >= 15.9 - 1e-9);
        QCOMPARE(f.panel.triggerParameters().prehistory, sent);
    }

    void shorterTimeBaseKeepsThePrehistory_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("prehistory");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("kept");
        // With 10240 points the longest prehistory is 0.7975 s at index 20, 1.595 s at 21 and
        // 0.1595 s at 18: below a second the box shows no seconds any more.
        QTest::newRow("inside the range, seconds leave") << 25 << 0.5 << 20 << 0.5;
        QTest::newRow("inside the range, seconds stay") << 25 << 0.5 << 21 << 0.5;
        QTest::newRow("above the range takes the maximum") << 25 << 5.0 << 18 << 0.1595;
        QTest::newRow("shrinks with every step") << 22 << 3.15 << 18 << 0.1595;
    }
    void shorterTimeBaseKeepsThePrehistory()
    {
        QFETCH(int, start);
        QFETCH(double, prehistory);
        QFETCH(int, index);
        QFETCH(double, kept);
        Panel f;
        f.panel.setDefaultHorizontalIndex(start);
        auto *box = child<VekDimensionSpinBox>(f.panel, "prehistorySpinBox");
        box->setValue(prehistory);
        QCOMPARE(f.panel.triggerParameters().prehistory, prehistory);
        QSignalSpy sent(&f.panel, &DigitalOscilloscopeWidget::prehistoryChanged);
        auto *decrease = child<QToolButton>(f.panel, "timeDivDecreaseButton");
        int total = 0;
        while (f.panel.timeDivisionIndex() > index) {
            QVERIFY(decrease->isEnabled());
            sent.clear();
            decrease->click();
            // At most once a step, and what is sent is what the panel keeps and shows.
            QVERIFY2(sent.count() <= 1, qPrintable(QString::number(sent.count())));
            if (!sent.isEmpty()) {
                QCOMPARE(sent.first().first().toDouble(), f.panel.triggerParameters().prehistory);
                QCOMPARE(sent.first().first().toDouble(), box->value());
            }
            total += sent.count();
        }
        QCOMPARE(box->value(), kept);
        QCOMPARE(f.panel.triggerParameters().prehistory, kept);
        // A prehistory the shorter time base still allows is not sent again.
        QCOMPARE(total == 0, kept == prehistory);
    }

    void timeBaseWalkKeepsThePrehistory_data()
    {
        QTest::addColumn<quint64>("limit");
        QTest::addColumn<bool>("rule");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("share");
        QTest::addColumn<int>("walk");
        const QStringList walks = {"down", "up", "zigzag"};
        for (quint64 limit : {quint64(10000), quint64(500000)}) {
            for (bool rule : {false, true}) {
                for (bool running : {false, true}) {
                    for (int start : {1, 9, 13, 16, 22, 23, 25, 27}) {
                        // The share of the start's longest prehistory, past one step.
                        for (double share : {0.0, 0.37, 0.49, 0.5, 1.0}) {
                            for (int walk = 0; walk < walks.size(); ++walk) {
                                QTest::addRow("%llu points%s, %s, from %d at %g, %s", limit,
                                              rule ? " with a rule" : "",
                                              running ? "running" : "stopped", start, share,
                                              qPrintable(walks[walk]))
                                        << limit << rule << running << start << share << walk;
                            }
                        }
                    }
                }
            }
        }
    }
    void timeBaseWalkKeepsThePrehistory()
    {
        QFETCH(quint64, limit);
        QFETCH(bool, rule);
        QFETCH(bool, running);
        QFETCH(int, start);
        QFETCH(double, share);
        QFETCH(int, walk);
        DigitalOscilloscopeWidget panel;
        panel.setMaximumPointCount(limit);
        if (rule)
            panel.setRoundPeriodFunction(gridPeriod);
        panel.setSupportedRanges({1.0, 2.0});
        panel.setDefaultChannels({channelRecord(0, 1), channelRecord(1, 0)});
        panel.setDefaultTrigger(DigitalOscilloscopeTriggerParameters());
        panel.setDefaultHorizontalIndex(start);
        if (running)
            emit child<QToolButton>(panel, "startAutoModeButton")->pressed();
        auto *box = child<VekDimensionSpinBox>(panel, "prehistorySpinBox");
        const auto bounds = [&panel] {
            const double step = 32.0 * panel.getPeriodValue();
            return std::make_pair(step, panel.getScanTimeValue() - step);
        };
        const auto [firstStep, firstMaximum] = bounds();
        // The box shows at most 999.99 of its largest unit, seconds.
        box->setValue(std::min(firstStep + share * (firstMaximum - firstStep), 900.0));
        QCOMPARE(panel.triggerParameters().prehistory, box->value());

        QSignalSpy prehistory(&panel, &DigitalOscilloscopeWidget::prehistoryChanged);
        QSignalSpy trigger(&panel, &DigitalOscilloscopeWidget::triggerParametersChanged);
        auto *decrease = child<QToolButton>(panel, "timeDivDecreaseButton");
        auto *increase = child<QToolButton>(panel, "timeDivIncreaseButton");
        for (const int direction : walkSteps(Walk(walk), start)) {
            QToolButton *wanted = direction < 0 ? decrease : increase;
            QToolButton *other = direction < 0 ? increase : decrease;
            QToolButton *button = wanted->isEnabled() ? wanted : nullptr;
            if (!button && walk == int(Walk::Zigzag) && other->isEnabled())
                button = other;
            if (!button)
                break;
            const double before = box->value();
            prehistory.clear();
            trigger.clear();
            button->click();
            const auto [step, maximum] = bounds();
            const double slack = 1e-9 * maximum;
            const QString where = QStringLiteral("index %1, from %2 s to %3 s in [%4, %5]")
                                          .arg(panel.timeDivisionIndex())
                                          .arg(before, 0, 'g', 12)
                                          .arg(box->value(), 0, 'g', 12)
                                          .arg(step, 0, 'g', 12)
                                          .arg(maximum, 0, 'g', 12);
            QVERIFY2(prehistory.count() <= 1, qPrintable(where));
            QVERIFY2(trigger.count() <= 1, qPrintable(where));
            if (!prehistory.isEmpty()) {
                const double sent = prehistory.first().first().toDouble();
                QVERIFY2(sent >= step - slack && sent <= maximum + slack, qPrintable(where));
                QCOMPARE(sent, box->value());
            }
            if (!trigger.isEmpty()) {
                QCOMPARE(trigger.first()
                                 .first()
                                 .value<DigitalOscilloscopeTriggerParameters>()
                                 .prehistory,
                         box->value());
            }
            QCOMPARE(panel.triggerParameters().prehistory, box->value());
            // The time mark follows the time base, stopped too, and stands at the prehistory.
            QCOMPARE(panel.plotArea()->timeMarker()->value(), box->value());
            // An allowed prehistory moves by less than a step; a longer one is the maximum.
            if (before <= maximum + slack)
                QVERIFY2(std::abs(box->value() - before) < step + slack, qPrintable(where));
            else
                QVERIFY2(std::abs(box->value() - maximum) <= slack, qPrintable(where));
        }
    }

    void singleStopsAfterFirstRegularFrame()
    {
        Panel f;
        QSignalSpy start(&f.panel, &DigitalOscilloscopeWidget::startMeasurement);
        QSignalSpy stop(&f.panel, &DigitalOscilloscopeWidget::stopMeasurement);
        QSignalSpy data(&f.panel, &DigitalOscilloscopeWidget::dataChanged);
        emit child<QToolButton>(f.panel, "startSingleModeButton")->pressed();
        QCOMPARE(start.count(), 1);
        QCOMPARE(start.at(0).at(0).value<DigitalOscilloscopeStartType>(),
                 DigitalOscilloscopeSingle);
        QVERIFY(child<QToolButton>(f.panel, "startSingleModeButton")->isChecked());
        QVector<QVector<double>> frame {{0.0, 1.0}, {0.0, -1.0}};
        child<QPushButton>(f.panel, "forceTriggerPushButton")->click();
        f.panel.setOscilloscopeData(0.0, frame);
        QCOMPARE(stop.count(), 0);
        QCOMPARE(f.panel.startMode(), int(DigitalOscilloscopeSingle));
        f.panel.setOscilloscopeData(0.0, frame);
        QCOMPARE(stop.count(), 1);
        QCOMPARE(data.count(), 2);
        QCOMPARE(f.panel.startMode(), DigitalOscilloscopeWidget::stoppedMode);
        QVERIFY(!child<QToolButton>(f.panel, "startSingleModeButton")->isChecked());
        // Auto runs on.
        emit child<QToolButton>(f.panel, "startAutoModeButton")->pressed();
        f.panel.setOscilloscopeData(0.0, frame);
        QCOMPARE(stop.count(), 1);
    }

    void overloadStopsAndWarnsOnlyWhenVisible()
    {
        ModalAnswers modal;
        Panel f;
        QSignalSpy stop(&f.panel, &DigitalOscilloscopeWidget::stopMeasurement);
        emit child<QToolButton>(f.panel, "startAutoModeButton")->pressed();
        f.panel.showOverDriveWarning();
        QCOMPARE(stop.count(), 1);
        QCOMPARE(modal.messageBoxes().size(), 0);
        f.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
        f.panel.showOverDriveWarning();
        QCOMPARE(stop.count(), 2);
        QCOMPARE(modal.messageBoxes().size(), 1);
        const ModalDialogs::MessageBoxRequest &box = modal.messageBoxes().at(0);
        QCOMPARE(box.title, QString::fromUtf8("Перегрузка"));
        QCOMPARE(box.text,
                 QString::fromUtf8("Зарегистрирована перегрузка по уровню входного сигнала.\n\n"
                                   "Измерение остановлено."));
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.defaultButton, QMessageBox::NoButton);
    }

    void storedZoomsStepOneByOne()
    {
        DigitalOscilloscopeWidget panel;
        QSignalSpy ratios(&panel, &DigitalOscilloscopeWidget::plotVDivisionChanged);
        QSignalSpy zooms(&panel, &DigitalOscilloscopeWidget::channelZoomChanged);
        panel.setDefaultChannelZooms({9, 6, 6});
        QCOMPARE(ratios.count(), 3);
        QCOMPARE(ratios.at(0).at(1).toDouble(), 0.5);
        QCOMPARE(ratios.at(1).at(1).toDouble(), 0.5);
        QCOMPARE(ratios.at(2).at(1).toDouble(), 0.4);
        QCOMPARE(zooms.count(), 3);
        QCOMPARE(panel.voltDivisionIndexes(), std::vector<int>({9, 6, 6}));
        QVERIFY(!child<QToolButton>(panel, "channel1VDivIncreaseButton")->isEnabled());
        // Out of the table reads as its nearest end; a missing entry leaves the row alone.
        panel.setDefaultChannelZooms({-5});
        QCOMPARE(panel.voltDivisionIndexes(), std::vector<int>({0, 6, 6}));
    }

    void scaleButtonSendsAllIndexes()
    {
        DigitalOscilloscopeWidget panel;
        QSignalSpy ratios(&panel, &DigitalOscilloscopeWidget::plotVDivisionChanged);
        QSignalSpy zooms(&panel, &DigitalOscilloscopeWidget::channelZoomChanged);
        child<QToolButton>(panel, "channel2VDivDecreaseButton")->click();
        QCOMPARE(ratios.count(), 1);
        QCOMPARE(ratios.at(0).at(0).toInt(), 1);
        QCOMPARE(ratios.at(0).at(1).toDouble(), 2.5);
        // Once from the scale change and once from the button, both with all three rows.
        QCOMPARE(zooms.count(), 2);
        QCOMPARE(zooms.at(1).at(0).value<std::vector<int>>(), std::vector<int>({6, 5, 6}));
        QCOMPARE(child<QLabel>(panel, "channel2VDivLabel")->text(),
                 OscilloscopeScales::voltDivisionText(5));
    }

    void colorsAreResizedToThree()
    {
        DigitalOscilloscopeWidget panel;
        QSignalSpy colors(&panel, &DigitalOscilloscopeWidget::colorsChahged);
        panel.setChannelColors({Qt::red, Qt::blue});
        QCOMPARE(colors.count(), 1);
        const auto sent = colors.at(0).at(0).value<std::vector<QColor>>();
        QCOMPARE(sent.size(), std::size_t(3));
        QCOMPARE(sent[1], QColor(Qt::blue));
        QCOMPARE(sent[2], QColor());
    }

    void storedTriggerIsKept()
    {
        Panel f;
        DigitalOscilloscopeTriggerParameters stored;
        stored.channel = 1;
        stored.mode = DigitalOscilloscopeWindow;
        stored.level1 = 0.3;
        stored.level2 = -0.2;
        stored.prehistory = 0.2;
        f.panel.setDefaultTrigger(stored);
        QCOMPARE(f.panel.triggerParameters(), stored);
        QVERIFY(child<VekDoubleSwitch>(f.panel, "triggerSourceDoubleSwitch")->checked());
        QCOMPARE(child<VekDimensionSpinBox>(f.panel, "prehistorySpinBox")->value(), 0.2);
        QCOMPARE(child<QToolButton>(f.panel, "triggerToolBarButton")->text(),
                 TriggerPanelSettingsWidget::descriptionText(stored));
        // The dialog holds the stored record: accepting it unchanged sends the same condition.
        QSignalSpy trigger(&f.panel, &DigitalOscilloscopeWidget::triggerParametersChanged);
        f.panel.triggerSettings()->accept();
        QCOMPARE(trigger.count(), 1);
        const auto sent = trigger.at(0).at(0).value<DigitalOscilloscopeTriggerParameters>();
        QCOMPARE(sent.mode, int(DigitalOscilloscopeWindow));
        QCOMPARE(sent.level1, 0.3);
        QCOMPARE(sent.level2, -0.2);
        // The dialog edits the condition; source and prehistory stay the panel's.
        QCOMPARE(sent.channel, 1);
        QCOMPARE(sent.prehistory, 0.2);
    }

    void storedTriggerReachesTheDialog_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<double>("levelRange");
        // The ranges are 1 V and 2 V.
        QTest::newRow("range in the list") << 0 << 1.0;
        QTest::newRow("range past the list takes the last") << 9 << 2.0;
    }
    void storedTriggerReachesTheDialog()
    {
        QFETCH(int, range);
        QFETCH(double, levelRange);
        Panel f;
        f.panel.setDefaultChannels({channelRecord(0, quint8(range)), channelRecord(1, 0)});
        DigitalOscilloscopeTriggerParameters stored;
        stored.mode = DigitalOscilloscopeWindow;
        stored.level1 = 0.3;
        stored.level2 = -0.2;
        f.panel.setDefaultTrigger(stored);
        QCOMPARE(child<QToolButton>(f.panel, "triggerToolBarButton")->text(),
                 TriggerPanelSettingsWidget::descriptionText(stored));
        auto *level = f.panel.triggerSettings()->findChild<QDoubleSpinBox *>(
                QStringLiteral("windowLevel1DoubleSpinBox"));
        QCOMPARE(level->maximum(), levelRange);
        // The next Apply starts from the stored record.
        QSignalSpy sent(&f.panel, &DigitalOscilloscopeWidget::triggerParametersChanged);
        f.panel.triggerSettings()->accept();
        QCOMPARE(sent.count(), 1);
        const auto applied = sent.at(0).at(0).value<DigitalOscilloscopeTriggerParameters>();
        QCOMPARE(applied.mode, int(DigitalOscilloscopeWindow));
        QCOMPARE(applied.level1, 0.3);
        QCOMPARE(applied.level2, -0.2);
    }

    void storedMathStateIsShown_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("on");
        QTest::newRow("on") << 1 << true;
        QTest::newRow("off unchecks a checked row") << 0 << false;
    }
    void storedMathStateIsShown()
    {
        QFETCH(int, state);
        QFETCH(bool, on);
        Panel f;
        auto *box = child<QCheckBox>(f.panel, "mathChannelCheckBox");
        box->setChecked(true);
        DigitalOscilloscopeMathChannelParameters math;
        math.state = quint8(state);
        f.panel.setDefaultMath(math);
        QCOMPARE(box->isChecked(), on);
        QCOMPARE(child<QToolButton>(f.panel, "mathChannelSettingsButton")->isEnabled(), on);
        QCOMPARE(int(f.panel.mathChannelParameters().state), state);
        QCOMPARE(offsetMarkerShown(f.panel, 2), on);
    }

    void storedRangePastTheListReadsAsTheLast_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<double>("levelRange");
        // The ranges are 1 V and 2 V; the channel dialog shows an index past them as 2 V.
        QTest::newRow("range in the list") << 1 << 2.0;
        QTest::newRow("range past the list") << 9 << 2.0;
    }
    void storedRangePastTheListReadsAsTheLast()
    {
        QFETCH(int, range);
        QFETCH(double, levelRange);
        Panel f;
        f.panel.setDefaultChannels({channelRecord(0, 0), channelRecord(1, 0)});
        auto *level = f.panel.triggerSettings()->findChild<QDoubleSpinBox *>(
                QStringLiteral("edgeLevelDoublSpinBox"));
        QCOMPARE(level->maximum(), 1.0);
        // The trigger levels follow the range the source channel is shown at, whichever way
        // the record arrives.
        f.panel.setDefaultChannels({channelRecord(0, quint8(range)), channelRecord(1, 0)});
        QCOMPARE(level->maximum(), levelRange);
    }

    void triggerLevelsFollowTheSourceRange()
    {
        Panel f;
        auto *level = f.panel.triggerSettings()->findChild<QDoubleSpinBox *>(
                QStringLiteral("edgeLevelDoublSpinBox"));
        QVERIFY(level);
        // Channel 1 has range 1 (2 V), channel 2 range 0 (1 V); channel 1 is the source.
        QCOMPARE(level->maximum(), 2.0);
        f.panel.setTriggerSource(true);
        QCOMPARE(level->maximum(), 1.0);
        f.panel.changeRange(0);
        QCOMPARE(level->maximum(), 1.0);
        f.panel.changeRange(1);
        QCOMPARE(level->maximum(), 1.0);
    }

    void cancelledTriggerEditStaysCancelled()
    {
        Panel f;
        TriggerPanelSettingsWidget *trigger = f.panel.triggerSettings();
        auto *triggerButton = child<QToolButton>(f.panel, "triggerToolBarButton");
        const QString description = triggerButton->text();
        // Window picked and its level edited, then the dialog is left with Escape.
        QTimer::singleShot(0, trigger, [trigger] {
            trigger->findChild<QComboBox *>(QStringLiteral("modeComboBox"))
                    ->setCurrentIndex(DigitalOscilloscopeWindow);
            trigger->findChild<QDoubleSpinBox *>(QStringLiteral("windowLevel1DoubleSpinBox"))
                    ->setValue(1.5);
            QTest::keyClick(trigger, Qt::Key_Escape);
        });
        triggerButton->click();
        QVERIFY(!trigger->isVisible());
        QSignalSpy sent(&f.panel, &DigitalOscilloscopeWidget::triggerParametersChanged);

        // Only the offset of the source channel changes: the trigger stays as applied.
        ChannelPanelSettingsWidget *channel = openChannelDialog(f.panel, "channel1SettingsButton");
        QVERIFY(channel);
        channel->findChild<QDoubleSpinBox *>(QStringLiteral("offsetDoubleSpinBox"))->setValue(0.25);
        channel->findChild<QPushButton *>(QStringLiteral("acceptButton"))->click();
        QCOMPARE(f.panel.channelParameters()[0].offset, 0.25);
        QCOMPARE(sent.count(), 0);
        QCOMPARE(f.panel.triggerParameters().mode, int(DigitalOscilloscopeEdge));
        QCOMPARE(triggerButton->text(), description);

        // A new range (2 V to 1 V) re-ranges the levels and applies the applied condition.
        channel = openChannelDialog(f.panel, "channel1SettingsButton");
        QVERIFY(channel);
        channel->findChild<QToolButton *>(QStringLiteral("rangeDecreaseButton"))->click();
        channel->findChild<QPushButton *>(QStringLiteral("acceptButton"))->click();
        QCOMPARE(f.panel.channelParameters()[0].range, quint8(0));
        QCOMPARE(trigger->findChild<QDoubleSpinBox *>(QStringLiteral("edgeLevelDoublSpinBox"))
                         ->maximum(),
                 1.0);
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).value<DigitalOscilloscopeTriggerParameters>().mode,
                 int(DigitalOscilloscopeEdge));
        QCOMPARE(f.panel.triggerParameters().mode, int(DigitalOscilloscopeEdge));
        QCOMPARE(triggerButton->text(), description);
    }

    void foreignRecordsAreHarmless()
    {
        Panel f;
        DigitalOscilloscopeChannelParameters foreign = channelRecord(7, 0, 0.5);
        DigitalOscilloscopeChannelParameters notANumber =
                channelRecord(0, 1, std::numeric_limits<double>::quiet_NaN());
        QSignalSpy offsets(&f.panel, &DigitalOscilloscopeWidget::offsetChanged);
        f.panel.setDefaultChannels({foreign, notANumber, channelRecord(1, 9)});
        QCOMPARE(f.panel.channelParameters().size(), std::size_t(2));
        QCOMPARE(f.panel.channelParameters()[0].offset, 0.0);
        QCOMPARE(f.panel.channelParameters()[1].range, quint8(9));
        for (const QList<QVariant> &signal : offsets) {
            QVERIFY(signal.at(0).toInt() >= 0 && signal.at(0).toInt() <= 2);
            QVERIFY(std::isfinite(signal.at(1).toDouble()));
        }
        DigitalOscilloscopeTriggerParameters trigger;
        trigger.channel = -1;
        f.panel.setDefaultTrigger(trigger);
        QCOMPARE(f.panel.triggerParameters().channel, 0);
        QVERIFY(!child<VekDoubleSwitch>(f.panel, "triggerSourceDoubleSwitch")->checked());
        // Channel 2's range 9 is past the two ranges and reads as the last: choosing it as
        // source re-ranges the trigger dialog, which applies, and then sends the source.
        QSignalSpy sent(&f.panel, &DigitalOscilloscopeWidget::triggerParametersChanged);
        f.panel.setTriggerSource(true);
        QCOMPARE(sent.count(), 2);
        QCOMPARE(sent.last().at(0).value<DigitalOscilloscopeTriggerParameters>().channel, 1);
        f.panel.setTriggerSource(true);
        QCOMPARE(sent.count(), 2);
        f.panel.setDefaultHorizontalIndex(30);
        QCOMPARE(f.panel.timeDivisionIndex(), 27);
    }

    void mathRowFollowsStoredRecords()
    {
        Panel f;
        QVERIFY(!child<QCheckBox>(f.panel, "mathChannelCheckBox")->isChecked());
        QVERIFY(!child<QToolButton>(f.panel, "mathChannelSettingsButton")->isEnabled());
        DigitalOscilloscopeMathChannelParameters math;
        math.state = 1;
        math.offset = std::numeric_limits<double>::infinity();
        f.panel.setDefaultMath(math);
        QVERIFY(child<QCheckBox>(f.panel, "mathChannelCheckBox")->isChecked());
        QVERIFY(child<QToolButton>(f.panel, "mathChannelSettingsButton")->isEnabled());
        QCOMPARE(f.panel.mathChannelParameters().offset, 0.0);
        child<QCheckBox>(f.panel, "channel1CheckBox")->setChecked(false);
        QVERIFY(!child<QLabel>(f.panel, "channel1VDivLabel")->isEnabled());
        QVERIFY(!child<QToolButton>(f.panel, "channel1VDivIncreaseButton")->isEnabled());
        QCOMPARE(f.panel.channelParameters()[0].state, 0);
    }

    void switchedOffRowHidesItsOffsetMarker_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("checkBox");
        QTest::newRow("channel 1") << 0 << "channel1CheckBox";
        QTest::newRow("channel 2") << 1 << "channel2CheckBox";
        QTest::newRow("math") << 2 << "mathChannelCheckBox";
    }
    void switchedOffRowHidesItsOffsetMarker()
    {
        QFETCH(int, channel);
        QFETCH(QString, checkBox);
        Panel f;
        auto *box = f.panel.findChild<QCheckBox *>(checkBox);
        box->setChecked(true);
        QVERIFY(offsetMarkerShown(f.panel, channel));
        box->setChecked(false);
        QVERIFY(!offsetMarkerShown(f.panel, channel));
        // A new offset of a row that is off moves its mark but does not bring it back.
        emit f.panel.offsetChanged(channel, 0.125);
        QVERIFY(!offsetMarkerShown(f.panel, channel));
        box->setChecked(true);
        QVERIFY(offsetMarkerShown(f.panel, channel));
    }

    void rowLoadedOffShowsNoOffsetMarker()
    {
        DigitalOscilloscopeWidget panel;
        panel.setMaximumPointCount(10000);
        panel.setSupportedRanges({1.0, 2.0});
        DigitalOscilloscopeChannelParameters off = channelRecord(1, 0, 0.25);
        off.state = 0;
        panel.setDefaultChannels({channelRecord(0, 1), off});
        QVERIFY(offsetMarkerShown(panel, 0));
        QVERIFY(!offsetMarkerShown(panel, 1));
        // The math row stays off until its own record arrives.
        QVERIFY(!offsetMarkerShown(panel, 2));
    }

    void offsetMarkerDragReachesTheRecord()
    {
        Panel f;
        QSignalSpy records(&f.panel, &DigitalOscilloscopeWidget::channelParametersChanged);
        QSignalSpy math(&f.panel, &DigitalOscilloscopeWidget::mathChannelParametersChanged);
        emit f.panel.plotArea()->offsetChanged(1, 0.25);
        // Stored and sent once; the marker's own echo stops at the unchanged value.
        QCOMPARE(records.count(), 1);
        const auto sent = records.at(0).at(0).value<DigitalOscilloscopeChannelParameters>();
        QCOMPARE(sent.channel, 1);
        QCOMPARE(sent.offset, 0.25);
        QCOMPARE(f.panel.channelParameters()[1].offset, 0.25);
        emit f.panel.plotArea()->offsetChanged(1, 0.25);
        emit f.panel.plotArea()->offsetChanged(0, std::numeric_limits<double>::quiet_NaN());
        emit f.panel.plotArea()->offsetChanged(5, 1.0);
        QCOMPARE(records.count(), 1);
        emit f.panel.plotArea()->offsetChanged(2, -0.5);
        QCOMPARE(math.count(), 1);
        QCOMPARE(f.panel.mathChannelParameters().offset, -0.5);
    }

    void timeMarkerDragSendsThePrehistory()
    {
        Panel f;
        QSignalSpy trigger(&f.panel, &DigitalOscilloscopeWidget::triggerParametersChanged);
        emit f.panel.plotArea()->pretimeChanged(0.25);
        QCOMPARE(f.panel.triggerParameters().prehistory, 0.2);
        QVERIFY(!trigger.isEmpty());
        QCOMPARE(trigger.last().at(0).value<DigitalOscilloscopeTriggerParameters>().prehistory,
                 0.2);
    }

    void panelWithActiveCursorIsDestroyed()
    {
        auto panel = std::make_unique<DigitalOscilloscopeWidget>();
        panel->setMaximumPointCount(10000);
        CursorsSettings settings;
        settings.type = 1;
        settings.source2 = 1;
        panel->plotArea()->cursorsSystem().setSettings(settings);
        panel->resize(1024, 600);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        panel.reset();
    }

    void wheelStepsTheTimeBase()
    {
        Panel f;
        f.panel.resize(1024, 600);
        f.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
        QSignalSpy index(&f.panel, &DigitalOscilloscopeWidget::channelXIndexChanged);
        CustomPlot *plot = f.panel.plot();
        const QPoint centre = plot->rect().center();
        QWheelEvent towards(centre, plot->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(plot, &towards);
        QCOMPARE(f.panel.timeDivisionIndex(), 26);
        QCOMPARE(index.count(), 1);
        QCOMPARE(index.at(0).at(0).toInt(), 26);
        QWheelEvent still(centre, plot->mapToGlobal(centre), QPoint(), QPoint(0, 0), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(plot, &still);
        QCOMPARE(index.count(), 1);
    }

    void pinchStepsOncePerFactor()
    {
        Panel f;
        f.panel.applyPinch(Qt::GestureStarted, false, 1.0, 1.0);
        f.panel.applyPinch(Qt::GestureUpdated, true, 1.5, 1.1);
        QCOMPARE(f.panel.timeDivisionIndex(), 25);
        f.panel.applyPinch(Qt::GestureUpdated, true, 1.6, 1.1);
        QCOMPARE(f.panel.timeDivisionIndex(), 24);
        // The next step needs a further factor 1.5 from 1.6.
        f.panel.applyPinch(Qt::GestureUpdated, true, 2.3, 1.1);
        QCOMPARE(f.panel.timeDivisionIndex(), 24);
        f.panel.applyPinch(Qt::GestureUpdated, true, 0.0, 0.0);
        QCOMPARE(f.panel.timeDivisionIndex(), 24);
        f.panel.applyPinch(Qt::GestureFinished, false, 2.3, 1.0);
        f.panel.applyPinch(Qt::GestureUpdated, true, 9.0, 1.1);
        QCOMPARE(f.panel.timeDivisionIndex(), 24);
    }

    void sineFrameIsDrawn()
    {
        Panel f;
        f.panel.resize(1024, 600);
        f.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
        emit f.panel.findChild<QToolButton *>(QStringLiteral("startAutoModeButton"))->pressed();
        // 1 kHz at 0.5 ms per division: four periods across the screen.
        f.panel.setDefaultHorizontalIndex(17);
        QVector<QVector<double>> frame =
                sineFrame(f.panel.getPeriodValue(),
                          int(f.panel.getScanTimeValue() / f.panel.getPeriodValue()));
        f.panel.setOscilloscopeData(0.0, frame);
        QCoreApplication::processEvents();
        const QImage picture = f.panel.plot()->grab().toImage();
        const QColor channel1 = f.panel.channelColors().at(0);
        int hits = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                hits += picture.pixelColor(x, y) == channel1;
        QVERIFY2(hits > 100, qPrintable(QString::number(hits)));
    }

    // Not a check: the panel with a sine frame for a person to look at.
    void screenshots()
    {
        const QString dir = screenshotDirectory();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const ScreenshotStyle &style : screenshotStyles()) {
            applyScreenshotStyle(style);
            Panel f;
            f.panel.resize(1024, 600);
            QEvent change(QEvent::StyleChange);
            QCoreApplication::sendEvent(&f.panel, &change);
            f.panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
            emit f.panel.findChild<QToolButton *>(QStringLiteral("startAutoModeButton"))->pressed();
            f.panel.setDefaultHorizontalIndex(17);
            QVector<QVector<double>> frame =
                    sineFrame(f.panel.getPeriodValue(),
                              int(f.panel.getScanTimeValue() / f.panel.getPeriodValue()));
            f.panel.setOscilloscopeData(0.0, frame);
            QCoreApplication::processEvents();
            f.panel.grab().save(
                    QStringLiteral("%1/oscilloscope-panel-%2.png").arg(dir, style.suffix()));
        }
        resetScreenshotStyle();
    }

    void prehistoryUnitIsWhole_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("language");
        for (const bool large : {false, true}) {
            for (const char *language : {"en", "ru"}) {
                for (const int theme : {0, 1}) {
                    QTest::addRow("%s, %s, %s", theme == 0 ? "dark" : "light",
                                  large ? "large" : "standard", language)
                            << theme << large << QString::fromLatin1(language);
                }
            }
        }
    }
    // The prehistory box's unit list shows each of its units whole beside the arrow, in either
    // font size and language, whatever face the sheet's family comes to (here a fallback,
    // wider than the program's own).
    void prehistoryUnitIsWhole()
    {
        QFETCH(int, theme);
        QFETCH(bool, large);
        QFETCH(QString, language);
        QVERIFY(applyScreenshotLook({theme, large, language, QString()}));
        Panel f;
        // A prehistory of nanosecond steps: every time unit is offered.
        auto *box = child<VekDimensionSpinBox>(f.panel, "prehistorySpinBox");
        box->setSingleStep(1e-9);
        box->setRange(0.0, 10.0);
        box->setType(VekDimensionSpinBox::Time);
        f.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
        QCoreApplication::processEvents();
        auto *units = box->findChild<QComboBox *>();
        QVERIFY(units && units->isVisible() && units->count() > 1);
        QStyleOptionComboBox option;
        option.initFrom(units);
        option.frame = units->hasFrame();
        const QRect field = units->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, units);
        const QFontMetrics metrics = units->fontMetrics();
        QStringList cut;
        for (int i = 0; i < units->count(); ++i) {
            const QString text = units->itemText(i);
            if (std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width())
                > field.width())
                cut << QStringLiteral("%1 in %2 px").arg(text).arg(field.width());
        }
        resetScreenshotLook();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    void styleChangeMarksTheBoxes_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("dark");
        QTest::newRow("dark") << 0 << true;
        QTest::newRow("light") << 1 << false;
    }
    void styleChangeMarksTheBoxes()
    {
        QFETCH(int, theme);
        QFETCH(bool, dark);
        const int before = get_cache()->color_theme;
        get_cache()->color_theme = theme;
        DigitalOscilloscopeWidget panel;
        QSignalSpy colors(&panel, &DigitalOscilloscopeWidget::colorsChahged);
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(&panel, &change);
        get_cache()->color_theme = before;
        for (const char *name : {"channel1CheckBox", "channel2CheckBox", "mathChannelCheckBox"})
            QCOMPARE(child<QCheckBox>(panel, name)->property("darkTheme"), QVariant(dark));
        QCOMPARE(colors.count(), 1);
        QCOMPARE(colors.at(0).at(0).value<std::vector<QColor>>()[0],
                 dark ? QColor("#FFFF00") : QColor("#F44336"));
    }
};

QTEST_MAIN(TestDigitalOscilloscopeWidget)
#include "tst_digitaloscilloscopewidget.moc"
