#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "orvexplotwidget/orvexplotwidget.h"
#include "resources/resourcerv38.h"
#include "tests/views/support/screenshotlooks.h"
#include "ui/viewbase/measurementsbutton.h"
#include "vekwidgets/vekdoubleswitch.h"
#include "views/multimeter/digitalmultimeterwidget.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "views/multimeter/multimeterhistory.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <qwt_plot_curve.h>

Q_DECLARE_METATYPE(std::vector<EvaluationType>)

namespace {

DigitalGeneratorMainParameters dcvRecord(int points = 256, double integration = 0.001)
{
    DigitalGeneratorMainParameters record;
    record.function = FunctionDcVoltage;
    record.range = 10.0;
    record.ranges = voltageRanges;
    record.point_count = points;
    record.integration_time = integration;
    return record;
}

template<typename T>
T *child(QWidget &form, const char *name)
{
    T *widget = form.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qWarning("no child %s", name);
    return widget;
}

QString labelText(QWidget &form, const char *name)
{
    return child<QLabel>(form, name)->text();
}

// The function's name, the acquisition values and every item of every list, in form order.
QStringList shownTexts(QWidget &form)
{
    QStringList texts;
    for (const char *name : {"modeCentralViewLabel", "scanTimeViewLabel",
                             "timeViewAcquisitionLabel", "countViewAcquisitionLabel"})
        texts << labelText(form, name);
    for (const char *name :
         {"rangeFuctionsComboBox", "powerFrequencyModeComboBox", "inputImpedanceModeComboBox",
          "filterModeComboBox", "autoZeroComboBox"}) {
        const QComboBox *list = child<QComboBox>(form, name);
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    }
    return texts;
}

int registeredTimers(QObject *object)
{
    return QAbstractEventDispatcher::instance()->registeredTimers(object).size();
}

QwtPlotCurve *historyCurve(QWidget &form)
{
    auto *plot = child<OrvexPlotWidget>(form, "plotWidget");
    return plot->curveCount() == 1 ? plot->curve(0) : nullptr;
}

QVector<double> ramp(int count, double start = 1.0)
{
    QVector<double> values(count);
    for (int i = 0; i < count; ++i)
        values[i] = start + i;
    return values;
}

} // namespace

class TestDigitalMultimeterWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<std::vector<EvaluationType>>();
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void historyRules()
    {
        MultimeterHistory history;
        history.append(0.0, {5, 6, 7}, 0.5);
        QCOMPARE(history.times, std::deque<double>({0.5, 1.0}));
        QCOMPARE(history.values, std::deque<double>({6, 7}));
        // A package that overlaps keeps only its readings after the newest kept one.
        history.append(0.5, {1, 2, 3, 4}, 0.5);
        QCOMPARE(history.times, std::deque<double>({0.5, 1.0, 1.5, 2.0}));
        QCOMPARE(history.values, std::deque<double>({6, 7, 3, 4}));
        // A package before the oldest kept reading is a new run.
        history.append(0.0, {8, 9}, 0.5);
        QCOMPARE(history.times, std::deque<double>({0.5}));
        QCOMPARE(history.values, std::deque<double>({9}));
        history.append(1.0, {1, 2, 3, 4}, 1.0);
        history.trim(2.5, 1.0);
        QCOMPARE(history.times, std::deque<double>({3.0, 4.0}));
        // A corrupt integration time empties instead of erasing past the end.
        history.trim(1.0, -0.001);
        QVERIFY(history.times.empty() && history.values.empty());
        history.append(1.0, {1, 2}, 1.0);
        history.trim(1.0, 0.0);
        QCOMPARE(history.times.size(), size_t(2));
    }

    void plottedPoints_data()
    {
        QTest::addColumn<int>("readings");
        QTest::addColumn<int>("points");
        QTest::newRow("2000 one by one") << 2000 << 2000;
        QTest::newRow("2001 in buckets of 1") << 2001 << 4002;
        QTest::newRow("3999 in buckets of 1") << 3999 << 7998;
        QTest::newRow("4000 in buckets of 2") << 4000 << 4000;
        QTest::newRow("6000 in buckets of 4") << 6000 << 3000;
        QTest::newRow("24000 in buckets of 16") << 24000 << 3000;
        QTest::newRow("a million in buckets of 512") << 1000000 << 3908;
    }
    void plottedPoints()
    {
        QFETCH(int, readings);
        QFETCH(int, points);
        DigitalMultimeterWidget form;
        form.setMainParameters(dcvRecord(32, 1e-6));
        form.setUiParameters({30.0});
        form.setDigitalMultimeterData(1.0, ramp(readings));
        QwtPlotCurve *curve = historyCurve(form);
        QVERIFY(curve);
        QCOMPARE(int(curve->dataSize()), points);
        QCOMPARE(curve->pen().widthF(), 2.0);
        // Each bucket starts with its first reading, in time order.
        QCOMPARE(curve->sample(0), QPointF(1.0, 1.0));
        QVERIFY(curve->sample(int(curve->dataSize()) - 1).x() <= 1.0 + (readings - 1) * 1e-6);
    }

    // Demonstration packages all start at 0: each replaces the history, less its first reading.
    void packagesAtTimeZero()
    {
        DigitalMultimeterWidget form;
        form.setMainParameters(dcvRecord(4, 0.001));
        form.setDigitalMultimeterData(0.0, {1, 2, 3, 4});
        form.setDigitalMultimeterData(0.0, {5, 6, 7, 8});
        QwtPlotCurve *curve = historyCurve(form);
        QCOMPARE(int(curve->dataSize()), 3);
        QCOMPARE(curve->sample(0), QPointF(0.001, 6));
        QCOMPARE(curve->sample(2), QPointF(0.003, 8));
        // A negative integration time (a corrupt stored state) empties the history.
        DigitalGeneratorMainParameters corrupt = dcvRecord(4, -0.001);
        form.setMainParameters(corrupt);
        form.setDigitalMultimeterData(1.0, {1, 2});
        QCOMPARE(int(historyCurve(form)->dataSize()), 0);
    }

    void rangeItems()
    {
        DigitalMultimeterWidget form;
        QSignalSpy ranges(&form, &DigitalMultimeterWidget::rangeChanged);
        form.setMainParameters(dcvRecord());
        auto *combo = child<QComboBox>(form, "rangeFuctionsComboBox");
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(
                items,
                QStringList({"Auto", "100.00 mV", "  1.00 V", " 10.00 V", "100.00 V", "400.00 V"}));
        QCOMPARE(combo->currentIndex(), 3);
        DigitalGeneratorMainParameters other = dcvRecord();
        other.range = 3.0;
        form.setMainParameters(other);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(ranges.count(), 0);

        combo->setCurrentIndex(2);
        combo->setCurrentIndex(0);
        QCOMPARE(ranges.count(), 2);
        QCOMPARE(ranges.at(0).at(0).toDouble(), 1.0);
        QCOMPARE(ranges.at(1).at(0).toDouble(), -1.0);
        QCOMPARE(labelText(form, "countViewAcquisitionLabel"), QStringLiteral("256 samples"));
        QCOMPARE(labelText(form, "currentValueCentralViewLabel"), QStringLiteral(" ___.____"));
    }

    // A language change re-says every text the form made itself from the last record, as a
    // form shown the same record in that language says it, and keeps the selections.
    void languageChange()
    {
        DigitalMultimeterWidget form;
        DigitalGeneratorMainParameters record = dcvRecord(256, 0.02);
        record.filter_index = 1;
        record.power_frequency = 60;
        form.setMainParameters(record);
        QSignalSpy requests(&form, &DigitalMultimeterWidget::rangeChanged);
        QSignalSpy filters(&form, &DigitalMultimeterWidget::filterChanged);
        for (const char *language : {"ru", "en"}) {
            TranslationLoader::instance()->load(QString::fromLatin1(language));
            QCoreApplication::processEvents();
            DigitalMultimeterWidget fresh;
            fresh.setMainParameters(record);
            QCOMPARE(shownTexts(form), shownTexts(fresh));
            QCOMPARE(child<QComboBox>(form, "rangeFuctionsComboBox")->currentIndex(), 3);
            QCOMPARE(child<QComboBox>(form, "filterModeComboBox")->currentIndex(), 1);
            QCOMPARE(child<QComboBox>(form, "powerFrequencyModeComboBox")->currentIndex(), 1);
        }
        QCOMPARE(labelText(form, "countViewAcquisitionLabel"), QStringLiteral("256 samples"));
        TranslationLoader::instance()->load(QStringLiteral("ru"));
        QCoreApplication::processEvents();
        const QStringList russian = shownTexts(form);
        TranslationLoader::instance()->load(QStringLiteral("en"));
        QCoreApplication::processEvents();
        QVERIFY(russian.contains(QString::fromUtf8("256 отсч.")));
        QVERIFY(russian.contains(QString::fromUtf8("Авто")));
        QVERIFY(russian.contains(QString::fromUtf8(" 20.00 мс")));
        QVERIFY(russian.contains(QString::fromUtf8(" 20.00 Гц")));
        QCOMPARE(requests.count(), 0);
        QCOMPARE(filters.count(), 0);
    }

    // The reading's unit, with the prefix of its range, and the over-range word follow the
    // language as the names do, whatever the reading shows.
    void readingFollowsLanguage_data()
    {
        QTest::addColumn<QString>("shown"); // none, reading or over
        QTest::addColumn<double>("range");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("englishUnit");
        const QString volt = QString::fromUtf8("В");
        QTest::newRow("no reading yet") << "none" << 10.0 << " ___.____" << volt << "V";
        QTest::newRow("reading, 10 V") << "reading" << 10.0 << " 04.00000" << volt << "V";
        QTest::newRow("reading, 100 mV")
                << "reading" << 0.1 << " 040.0000" << QString::fromUtf8("мВ") << "mV";
        QTest::newRow("over range") << "over" << 10.0 << QString::fromUtf8("    ПЕРЕГР") << ""
                                    << "";
    }
    void readingFollowsLanguage()
    {
        QFETCH(QString, shown);
        QFETCH(double, range);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        QFETCH(QString, englishUnit);
        DigitalGeneratorMainParameters record = dcvRecord(4, 0.001);
        record.range = range;
        DigitalMultimeterWidget form;
        form.setMainParameters(record);
        if (shown == QLatin1String("reading")) {
            form.setDigitalMultimeterData(1.0, {range * 0.4});
            QTimerEvent tick(0);
            QCoreApplication::sendEvent(&form, &tick);
        } else if (shown == QLatin1String("over")) {
            form.setOverData(1.0, 1);
        }
        const QString englishValue = labelText(form, "currentValueCentralViewLabel");
        TranslationLoader::instance()->load(QStringLiteral("ru"));
        QCoreApplication::processEvents();
        const QString russianValue = labelText(form, "currentValueCentralViewLabel");
        const QString russianUnit = labelText(form, "dimentionsCentralViewLabel");
        TranslationLoader::instance()->load(QStringLiteral("en"));
        QCoreApplication::processEvents();
        QCOMPARE(russianValue, value);
        QCOMPARE(russianUnit, unit);
        QCOMPARE(labelText(form, "currentValueCentralViewLabel"), englishValue);
        QCOMPARE(labelText(form, "dimentionsCentralViewLabel"), englishUnit);
    }

    // The top row fits the form's 1024 px: the acquisition values keep clear of their step
    // buttons with their widest texts, and no name there is cut.
    void acquisitionTextsWhole_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("language");
        QTest::newRow("dark") << 0 << false << "en";
        QTest::newRow("light") << 1 << false << "en";
        QTest::newRow("dark ru") << 0 << false << "ru";
        QTest::newRow("light ru") << 1 << false << "ru";
        QTest::newRow("dark large") << 0 << true << "en";
        QTest::newRow("light large") << 1 << true << "en";
        QTest::newRow("dark large ru") << 0 << true << "ru";
        QTest::newRow("light large ru") << 1 << true << "ru";
    }
    void acquisitionTextsWhole()
    {
        QFETCH(int, theme);
        QFETCH(bool, large);
        QFETCH(QString, language);
        QVERIFY(applyScreenshotLook({theme, large, language, QString()}));
        DigitalMultimeterWidget form;
        // 8192 readings of 0.5 ms: a package of 4.1 s, shown over 5 s.
        form.setMainParameters(dcvRecord(8192, 0.0005));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
        QString fault;
        const struct
        {
            const char *down;
            const char *value;
            const char *up;
        } rows[] = {
                {"scanTimeDecreaseButton", "scanTimeViewLabel", "scanTimeIncreaseButton"},
                {"timeDownAcquisitionToolButton", "timeViewAcquisitionLabel",
                 "timeUpAcquisitionToolButton"},
                {"countDownAcquisitionToolButton", "countViewAcquisitionLabel",
                 "countUpAcquisitionToolButton"},
        };
        for (const auto &row : rows) {
            const QLabel *label = child<QLabel>(form, row.value);
            const int width = label->fontMetrics().horizontalAdvance(label->text());
            const int left = label->x() + (label->width() - width) / 2;
            const int clearLeft = left - child<QWidget>(form, row.down)->geometry().right() - 1;
            const int clearRight = child<QWidget>(form, row.up)->x() - (left + width);
            if (clearLeft < 1 || clearRight < 1)
                fault += QStringLiteral("\"%1\" keeps %2 and %3 px from its buttons; ")
                                 .arg(label->text())
                                 .arg(clearLeft)
                                 .arg(clearRight);
        }
        for (const char *group : {"toolBarWidget", "startModeFrame"}) {
            for (const QWidget *widget : child<QWidget>(form, group)->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<const QLabel *>(widget);
                const auto *button = qobject_cast<const QAbstractButton *>(widget);
                const QString text = label ? label->text() : button ? button->text() : QString();
                // A button's name also clears its 1 px border.
                const int needed = widget->fontMetrics().horizontalAdvance(text) + (button ? 2 : 0);
                if (!text.isEmpty() && widget->width() < needed)
                    fault += QStringLiteral("\"%1\" has %2 of %3 px; ")
                                     .arg(text)
                                     .arg(widget->width())
                                     .arg(needed);
            }
        }
        const int row = form.layout()->minimumSize().width();
        if (row > form.width())
            fault += QStringLiteral("the form needs %1 px of its %2").arg(row).arg(form.width());
        resetScreenshotLook();
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void scanTime_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("integration");
        QTest::addColumn<double>("requested");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5.12 s package fits 10 s") << 256 << 0.02 << 0.0 << " 10.00 s";
        QTest::newRow("40.96 s package stops at 30 s") << 2048 << 0.02 << 0.0 << " 30.00 s";
        QTest::newRow("2.4 s asks 2 s") << 32 << 0.001 << 2.4 << "  2.00 s";
        QTest::newRow("2.5 s asks 5 s") << 32 << 0.001 << 2.5 << "  5.00 s";
        QTest::newRow("100 s asks 30 s") << 32 << 0.001 << 100.0 << " 30.00 s";
    }
    void scanTime()
    {
        QFETCH(int, points);
        QFETCH(double, integration);
        QFETCH(double, requested);
        QFETCH(QString, shown);
        DigitalMultimeterWidget form;
        form.setMainParameters(dcvRecord(points, integration));
        form.setUiParameters({requested});
        QCOMPARE(labelText(form, "scanTimeViewLabel"), shown);
        // A shorter package never shrinks it again.
        form.setMainParameters(dcvRecord(256, 0.001));
        QCOMPARE(labelText(form, "scanTimeViewLabel"), shown);
    }

    void scanTimeSteps()
    {
        DigitalMultimeterWidget form;
        QSignalSpy changed(&form, &DigitalMultimeterWidget::scanTimeChaged);
        form.setMainParameters(dcvRecord(256, 0.02));
        QTest::mouseClick(child<QToolButton>(form, "scanTimeDecreaseButton"), Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(child<QToolButton>(form, "scanTimeIncreaseButton"), Qt::LeftButton);
        QCOMPARE(changed.count(), 4);
        QCOMPARE(changed.at(0).at(0).toDouble(), 10.0);
        QCOMPARE(changed.at(1).at(0).toDouble(), 30.0);
        QCOMPARE(changed.at(3).at(0).toDouble(), 30.0);
    }

    void enableRules_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("impedance");
        QTest::addColumn<bool>("autoZero");
        QTest::newRow("4-wire") << 2 << false << false << true;
        QTest::newRow("2-wire") << 3 << false << false << true;
        QTest::newRow("AC voltage") << 4 << true << false << false;
        QTest::newRow("DC voltage") << 5 << false << true << true;
        QTest::newRow("AC current") << 6 << true << false << false;
        QTest::newRow("DC current") << 7 << false << false << true;
        QTest::newRow("continuity") << 8 << false << false << false;
        QTest::newRow("stored function without a button") << 12 << false << false << false;
    }
    void enableRules()
    {
        QFETCH(int, function);
        QFETCH(bool, filter);
        QFETCH(bool, impedance);
        QFETCH(bool, autoZero);
        DigitalMultimeterWidget form;
        DigitalGeneratorMainParameters record = dcvRecord();
        record.function = static_cast<FunctionsMode>(function);
        record.ranges = rangeSettings.value(record.function);
        form.setMainParameters(record);
        QCOMPARE(child<QComboBox>(form, "filterModeComboBox")->isEnabled(), filter);
        QCOMPARE(child<QComboBox>(form, "inputImpedanceModeComboBox")->isEnabled(), impedance);
        QCOMPARE(child<QComboBox>(form, "autoZeroComboBox")->isEnabled(), autoZero);
    }

    void controlsSendValues()
    {
        DigitalMultimeterWidget form;
        form.setMainParameters(dcvRecord());
        QSignalSpy power(&form, &DigitalMultimeterWidget::powerFrequencyChanged);
        QSignalSpy edge(&form, &DigitalMultimeterWidget::riseFallStateChanged);
        QSignalSpy delay(&form, &DigitalMultimeterWidget::delayTimeChanged);
        QList<int> functions;
        connect(&form, &DigitalMultimeterWidget::functionModeChanged, this,
                [&functions](FunctionsMode mode) { functions << mode; });
        child<QComboBox>(form, "powerFrequencyModeComboBox")->setCurrentIndex(1);
        child<QComboBox>(form, "powerFrequencyModeComboBox")->setCurrentIndex(0);
        QCOMPARE(power.count(), 2);
        QCOMPARE(power.at(0).at(0).toInt(), 60);
        QCOMPARE(power.at(1).at(0).toInt(), 50);
        auto *edgeSwitch = child<VekDoubleSwitch>(form, "triggerVekDoubleSwitch");
        edgeSwitch->setState(0);
        edgeSwitch->setState(1);
        QCOMPARE(edge.count(), 2);
        QCOMPARE(edge.at(0).at(0).toBool(), true);
        QCOMPARE(edge.at(1).at(0).toBool(), false);
        DigitalGeneratorMainParameters record = dcvRecord();
        record.delay_time = 75.0;
        form.setMainParameters(record);
        QCOMPARE(child<QDoubleSpinBox>(form, "delayPulseTriggerDoubleSpinBox")->value(), 60.0);
        QCOMPARE(delay.count(), 1);
        QTest::mousePress(child<QToolButton>(form, "alternatingCurrentToolButton"), Qt::LeftButton);
        QCOMPARE(functions, QList<int>({FunctionAcCurrent}));
    }

    void releasedButtonsEmitOnce()
    {
        DigitalMultimeterWidget form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy down(&form, &DigitalMultimeterWidget::downPointCount);
        QSignalSpy up(&form, &DigitalMultimeterWidget::upPointCount);
        QSignalSpy force(&form, &DigitalMultimeterWidget::forceTriggers);
        QSignalSpy autoZero(&form, &DigitalMultimeterWidget::startAutoZero);
        QTest::mouseClick(child<QToolButton>(form, "countDownAcquisitionToolButton"),
                          Qt::LeftButton);
        QTest::mouseClick(child<QToolButton>(form, "countUpAcquisitionToolButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(form, "autoZeroPushButton"), Qt::LeftButton);
        QVERIFY(!child<QPushButton>(form, "forceTriggersPushButton")->isEnabled());
        QTest::mousePress(child<QToolButton>(form, "normalStartModeToolButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(form, "forceTriggersPushButton"), Qt::LeftButton);
        QCOMPARE(down.count(), 1);
        QCOMPARE(up.count(), 1);
        QCOMPARE(autoZero.count(), 1);
        QCOMPARE(force.count(), 1);
    }

    void startModes()
    {
        DigitalMultimeterWidget form;
        form.setMainParameters(dcvRecord(4, 0.001));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QList<int> starts;
        connect(&form, &DigitalMultimeterWidget::start, this,
                [&starts](MeasurementType type) { starts << type; });
        QSignalSpy stops(&form, &DigitalMultimeterWidget::stopDevice);
        auto *single = child<QToolButton>(form, "singleStartModeToolButton");
        auto *autoButton = child<QToolButton>(form, "autoStartModeToolButton");
        auto *stop = child<QToolButton>(form, "stopStartModeToolButton");

        QTest::mouseClick(single, Qt::LeftButton);
        QVERIFY(single->isChecked());
        form.setDigitalMultimeterData(1.0, {1, 2, 3, 4});
        QVERIFY(!single->isChecked());
        QCOMPARE(stops.count(), 0);
        QCOMPARE(labelText(form, "currentValueCentralViewLabel"), QStringLiteral(" 04.00000"));

        QTest::mouseClick(autoButton, Qt::LeftButton);
        QTest::mouseClick(autoButton, Qt::LeftButton);
        QVERIFY(autoButton->isChecked());
        QCOMPARE(registeredTimers(&form), 1);
        QTest::mouseClick(stop, Qt::LeftButton);
        QCOMPARE(registeredTimers(&form), 0);
        QVERIFY(!autoButton->isChecked());
        QTest::mouseClick(stop, Qt::LeftButton);
        QCOMPARE(stops.count(), 2);
        QCOMPARE(starts,
                 QList<int>({MeasurementOnePackage, MeasurementContinuous, MeasurementContinuous}));
    }

    // The dialog's exec() is answered from inside its own loop: the clicks a person would
    // make, then Escape; the form reads the lists however the dialog closed.
    void showSettings_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("emitted");
        QTest::addColumn<std::vector<EvaluationType>>("result");
        const std::vector<EvaluationType> start {EvaluationAmplitude, EvaluationMean};
        QTest::newRow("unchanged") << QStringList() << 0 << start;
        QTest::newRow("unchecked and checked again") << QStringList({"Mean", "Mean"}) << 0 << start;
        QTest::newRow("reordered")
                << QStringList({"Amplitude", "Amplitude"}) << 1
                << std::vector<EvaluationType>({EvaluationMean, EvaluationAmplitude});
        QTest::newRow("one more") << QStringList({"Period"}) << 1
                                  << std::vector<EvaluationType>({EvaluationAmplitude,
                                                                  EvaluationMean,
                                                                  EvaluationPeriod});
    }
    void showSettings()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, emitted);
        QFETCH(std::vector<EvaluationType>, result);
        DigitalMultimeterWidget form;
        form.setEvaluationTypes({EvaluationAmplitude, EvaluationMean});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy changed(&form, &DigitalMultimeterWidget::evaluationTypesChanged);
        bool answered = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog =
                    qobject_cast<EvaluateSettingsWidget *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (const QString &text : clicks) {
                for (QToolButton *button : dialog->findChildren<QToolButton *>()) {
                    if (button->text() == text)
                        QTest::mouseClick(button, Qt::LeftButton);
                }
            }
            answered = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(child<QToolButton>(form, "showSettingsToolButton"), Qt::LeftButton);
        QVERIFY(answered);
        QCOMPARE(changed.count(), emitted);
        if (emitted)
            QCOMPARE(changed.at(0).at(0).value<std::vector<EvaluationType>>(), result);
    }

    void overRangeAndContinuity()
    {
        DigitalMultimeterWidget form;
        form.setMainParameters(dcvRecord(10, 0.001));
        form.setOverData(1.0, 0);
        QCOMPARE(labelText(form, "currentValueCentralViewLabel"), QStringLiteral("    OVER"));
        QCOMPARE(labelText(form, "dimentionsCentralViewLabel"), QString());
        QCOMPARE(int(historyCurve(form)->dataSize()), 0);
        form.setOverData(2.0, 10);
        QCOMPARE(int(historyCurve(form)->dataSize()), 10);
        QCOMPARE(historyCurve(form)->sample(9).y(), 11.0);
        auto *value = child<QLabel>(form, "currentValueCentralViewLabel");
        QVERIFY(value->styleSheet().endsWith(".QLabel{border: none; font-size: 48px;}"));

        DigitalGeneratorMainParameters continuity = dcvRecord(1, 0.001);
        continuity.function = FunctionContinuity;
        continuity.ranges = rangeSettings.value(FunctionContinuity);
        form.setMainParameters(continuity);
        form.setDigitalMultimeterData(3.0, {100.0});
        QTimerEvent tick(0);
        QCoreApplication::sendEvent(&form, &tick);
        QVERIFY(!value->styleSheet().contains("#90CAF9"));
        form.setDigitalMultimeterData(4.0, {100.5});
        QCoreApplication::sendEvent(&form, &tick);
        QVERIFY(value->styleSheet().endsWith(
                ".QLabel{border: 5px solid #90CAF9; font-size: 48px;}"));
        form.setDigitalMultimeterData(5.0, {50.0});
        QCoreApplication::sendEvent(&form, &tick);
        QVERIFY(value->styleSheet().endsWith(".QLabel{border: none; font-size: 48px;}"));
        form.setOverData(6.0, 1);
        QVERIFY(value->styleSheet().contains("#90CAF9"));
    }

    void evaluationPanel()
    {
        DigitalMultimeterWidget form;
        form.setMainParameters(dcvRecord());
        const std::vector<EvaluationType> types {EvaluationAmplitude, EvaluationMean, EvaluationRms,
                                                 EvaluationFrequency, EvaluationRiseRate};
        form.setEvaluationTypes(types);
        form.setEvaluationValues(types, {{EvaluationMean, 2.5}});
        auto *grid = qobject_cast<QGridLayout *>(
                child<QWidget>(form, "measurementsGridWidget")->layout());
        const QList<QPoint> cells = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}};
        QList<MeasurementsButton *> buttons;
        for (const QPoint &cell : cells) {
            QLayoutItem *item = grid->itemAtPosition(cell.x(), cell.y());
            QVERIFY(item);
            buttons << qobject_cast<MeasurementsButton *>(item->widget());
            QVERIFY(buttons.last());
        }
        QCOMPARE(buttons.at(1)->measurementName(), QStringLiteral("Mean"));
        // A type without a value shows 0.
        MeasurementsButton zero;
        zero.setUnits(QStringLiteral("V"));
        QCOMPARE(buttons.at(0)->valueText(), zero.createValueFormatString(0.0));

        QTranslator russian;
        QVERIFY(russian.load(QStringLiteral(MULTIMETER_FIXTURE_DIR "/multimeter_ru.qm")));
        QCoreApplication::installTranslator(&russian);
        QCoreApplication::processEvents();
        const QString renamed = buttons.at(1)->measurementName();
        const QString function = labelText(form, "modeCentralViewLabel");
        QCoreApplication::removeTranslator(&russian);
        QCoreApplication::processEvents();
        QCOMPARE(renamed, QString::fromUtf8("Среднее"));
        QCOMPARE(function, QString::fromUtf8("Постоянное напряжение"));

        // A shorter list rebuilds the panel; the old buttons go.
        form.setEvaluationValues({EvaluationRms}, {});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(grid->count(), 1);
    }

    // The theme's rules on the lists follow the form's enabled state at once.
    void enabledState()
    {
        DigitalMultimeterWidget form;
        form.setEnabled(false);
        for (const char *name :
             {"inputImpedanceModeComboBox", "autoZeroComboBox", "filterModeComboBox"})
            QCOMPARE(child<QComboBox>(form, name)->property("active").toBool(), false);
        form.setEnabled(true);
        QVERIFY(child<QComboBox>(form, "filterModeComboBox")->property("active").toBool());
    }

    void darkTheme()
    {
        Options options = load_from_cache();
        options.color_theme = 0;
        save_to_cache(options);
        DigitalMultimeterWidget form;
        form.resize(1024, 600);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(&form, &styleChange);
        auto *plot = child<OrvexPlotWidget>(form, "plotWidget");
        const QImage image = plot->canvas()->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2 + 3, image.height() / 2 + 3),
                 QColor("#000000"));
        form.setMainParameters(dcvRecord(4, 0.001));
        form.setDigitalMultimeterData(1.0, {1, 2, 3, 4});
        QCOMPARE(historyCurve(form)->pen().color(), QColor("#ffff00"));
        options.color_theme = 1;
        save_to_cache(options);
    }

    // Not a check: the form for a person to look at.
    void screenshots()
    {
        const QString dir = screenshotDir();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const ScreenshotLook &shot : screenshotLooks({1, true, "en", "light-large"})) {
            QVERIFY(applyScreenshotLook(shot));
            DigitalMultimeterWidget form;
            // What the workspace's reparenting under the themed window delivers.
            QEvent styleChange(QEvent::StyleChange);
            QCoreApplication::sendEvent(&form, &styleChange);
            form.setMainParameters(dcvRecord(500, 0.002));
            form.setEvaluationTypes(
                    {EvaluationAmplitude, EvaluationMean, EvaluationRms, EvaluationFrequency});
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QVector<double> readings(500);
            for (int i = 0; i < readings.size(); ++i)
                readings[i] = 5.0 + 0.02 * std::sin(i / 20.0) + 0.005 * ((i * 7919) % 13) / 13.0;
            QTest::mouseClick(child<QToolButton>(form, "singleStartModeToolButton"),
                              Qt::LeftButton);
            form.setDigitalMultimeterData(0.002, readings);
            form.setEvaluationValues(
                    {EvaluationAmplitude, EvaluationMean, EvaluationRms, EvaluationFrequency},
                    {{EvaluationAmplitude, 0.045},
                     {EvaluationMean, 5.0012},
                     {EvaluationRms, 5.0013},
                     {EvaluationFrequency, 1.59}});
            QTest::qWait(50);
            form.grab().save(dir + "/multimeter-form-" + shot.name + ".png");
        }
        resetScreenshotLook();
    }
};

QTEST_MAIN(TestDigitalMultimeterWidget)
#include "tst_digitalmultimeterwidget.moc"
