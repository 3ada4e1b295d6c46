#include "views/multimeter/dimentiontranslater.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "views/multimeter/evaluationnames.h"
#include "views/multimeter/translateoptions.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <limits>

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const QString ohm = QString(QChar(0x2126));

// ␣ in the expected texts stands for one space, so the columns stay readable.
QString spaces(const char *text)
{
    return QString::fromUtf8(text).replace(QChar(0x2423), QLatin1Char(' '));
}

} // namespace

class TestMultimeterTexts : public QObject
{
    Q_OBJECT
private slots:
    void formatters_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mantissa with sign slot")
                << normalizeMantice(5.0, true) << spaces("␣␣␣5.00");
        QTest::newRow("negative mantissa") << normalizeMantice(-5.0, true) << spaces("␣␣-5.00");
        QTest::newRow("mantissa rounds across ten")
                << normalizeMantice(9.999, false) << spaces("␣␣10.00");
        QTest::newRow("mantissa of three places") << normalizeMantice(250.0, false) << "250.00";
        QTest::newRow("NaN mantissa") << normalizeMantice(nan, false) << "nan";
        QTest::newRow("huge mantissa")
                << normalizeMantice(1e30, false) << QString::number(1e30, 'f', 2);
        QTest::newRow("milli") << normalizeDimentions(0.0015, "V") << spaces("␣␣1.50␣mV");
        QTest::newRow("micro") << normalizeDimentions(0.0000333, "s") << spaces("␣33.30␣mks");
        QTest::newRow("kilo") << normalizeDimentions(250000, "Hz") << spaces("250.00␣kHz");
        QTest::newRow("zero") << normalizeDimentions(0.0, "V") << spaces("␣␣0.00␣V");
        QTest::newRow("past tera") << normalizeDimentions(1e15, "V") << spaces("1000.00␣TV");
        QTest::newRow("990 tera") << normalizeDimentions(990e12, "V") << spaces("990.00␣TV");
        QTest::newRow("below pico") << normalizeDimentions(0.5e-12, "V") << spaces("␣␣0.50␣pV");
        QTest::newRow("percent never scaled")
                << normalizeDimentions(1500, "%") << spaces("1500.00␣%");
        QTest::newRow("NaN value") << normalizeDimentions(nan, "V") << spaces("nan␣pV");
        QTest::newRow("padded width")
                << normalizeDimentions(0.0015, "V", false, 12) << spaces("␣␣1.50␣mV␣␣␣");
        QTest::newRow("fixed width, zeros") << normalizeValue(5.5, 3) << spaces("␣005.5000");
        QTest::newRow("fixed width below one") << normalizeValue(0.25, 3) << spaces("␣000.2500");
        QTest::newRow("fixed width, one digit") << normalizeValue(0.25, 1) << spaces("␣0.250000");
        QTest::newRow("fixed width, wider value")
                << normalizeValue(1234.5, 3) << spaces("␣1234.5000");
        QTest::newRow("tiny negative keeps its sign")
                << normalizeValue(-0.00001, 3) << spaces("-000.0000");
    }
    void formatters()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void readingTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("range");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("prefixedUnit");
        QTest::newRow("range 10") << 5.0 << 10.0 << "V" << spaces("␣05.00000") << "V";
        QTest::newRow("range 1 is one prefix lower")
                << 0.5 << 1.0 << "V" << spaces("␣0500.000") << "mV";
        QTest::newRow("negative in 100 mV") << -0.05 << 0.1 << "V"
                                            << "-050.0000"
                                            << "mV";
        QTest::newRow("range 3") << 1.5 << 3.0 << "A" << spaces("␣1.500000") << "A";
        QTest::newRow("kilo range") << 1000.0 << 100000.0 << "Hz" << spaces("␣001.0000") << "kHz";
        QTest::newRow("value far above range")
                << 250.0 << 10.0 << "V" << spaces("␣250.00000") << "V";
        QTest::newRow("negative range") << 5.0 << -10.0 << "V" << spaces("␣05.00000") << "V";
        QTest::newRow("zero range") << 7.0 << 0.0 << "V"
                                    << "___.___"
                                    << "V";
        QTest::newRow("NaN range") << 7.0 << nan << "V"
                                   << "___.___"
                                   << "V";
        QTest::newRow("NaN value") << nan << 10.0 << "V" << spaces("␣nan") << "V";
    }
    void readingTexts()
    {
        QFETCH(double, value);
        QFETCH(double, range);
        QFETCH(QString, unit);
        QFETCH(QString, number);
        QFETCH(QString, prefixedUnit);
        QCOMPARE(getValueDimentionList(value, range, unit), QStringList({number, prefixedUnit}));
    }

    void decimalPower_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<int>("power");
        QTest::newRow("zero") << 0.0 << 0.99 << 0;
        QTest::newRow("just under a kilo") << 990.0 << 0.99 << 3;
        QTest::newRow("range of one") << 1.0 << 1.01 << -3;
        QTest::newRow("negative") << -0.002 << 0.99 << -3;
        QTest::newRow("beyond tera") << 1e20 << 0.99 << 12;
        QTest::newRow("below pico") << 1e-15 << 0.99 << -12;
        QTest::newRow("NaN") << nan << 0.99 << -12;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0.99 << 12;
    }
    void decimalPower()
    {
        QFETCH(double, value);
        QFETCH(double, threshold);
        QFETCH(int, power);
        QCOMPARE(getDimentionPower(value, threshold), power);
    }

    void evaluationUnits_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("level keeps V") << 1 << "V"
                                       << "V";
        QTest::newRow("level keeps A") << 1 << "A"
                                       << "A";
        QTest::newRow("level of no unit") << 6 << ""
                                          << "";
        QTest::newRow("overshoot") << 8 << "V"
                                   << "%";
        QTest::newRow("undershoot without unit") << 11 << ""
                                                 << "%";
        QTest::newRow("period") << 13 << "V"
                                << "s";
        QTest::newRow("rise rate") << 15 << "V"
                                   << "V/s";
        QTest::newRow("rise rate of no unit") << 15 << ""
                                              << "/s";
        QTest::newRow("frequency whatever the unit") << 16 << "A"
                                                     << "Hz";
        QTest::newRow("duty cycle") << 21 << "V"
                                    << "%";
        QTest::newRow("fall time") << 22 << "V"
                                   << "s";
        QTest::newRow("none") << 0 << "V"
                              << "";
        QTest::newRow("past the last") << 23 << "V"
                                       << "";
        QTest::newRow("negative") << -1 << "V"
                                  << "";
    }
    void evaluationUnits()
    {
        QFETCH(int, type);
        QFETCH(QString, unit);
        QFETCH(QString, expected);
        const auto evaluation = static_cast<EvaluationType>(type);
        QCOMPARE(getEvaluationViewDimentions(evaluation, unit), expected);
        QCOMPARE(getEvaluationSettingsDimentions(evaluation, unit), expected);
        const bool named = type >= 1 && type <= 22;
        QCOMPARE(getEvaluationViewName(evaluation).isEmpty(), !named);
        QCOMPARE(getEvaluationSettingsName(evaluation).isEmpty(), !named);
    }

    void evaluationNames()
    {
        QCOMPARE(getEvaluationViewName(EvaluationRiseRate), QString::fromUtf8("\u2191Rate"));
        QCOMPARE(getEvaluationViewName(EvaluationFallTime), QString::fromUtf8("\u2193Time"));
        QCOMPARE(getEvaluationViewName(EvaluationNegativePulseWidth), QStringLiteral("-Width"));
        QCOMPARE(getEvaluationSettingsName(EvaluationPeakToPeak), QStringLiteral("Peak-to-peak"));
    }

    void functionTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("rangeUnits");
        QTest::newRow("frequency on voltage ranges") << 0 << "Frequency"
                                                     << "Hz"
                                                     << "V";
        QTest::newRow("period on voltage ranges") << 1 << "Period"
                                                  << "s"
                                                  << "V";
        QTest::newRow("4-wire") << 2 << "4-wire resistance" << ohm << ohm;
        QTest::newRow("DC current") << 7 << "DC current"
                                    << "A"
                                    << "A";
        QTest::newRow("continuity") << 8 << "Continuity" << ohm << ohm;
        QTest::newRow("past the last") << 9 << ""
                                       << ""
                                       << "";
        QTest::newRow("negative") << -1 << ""
                                  << ""
                                  << "";
    }
    void functionTexts()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QString, units);
        QFETCH(QString, rangeUnits);
        const auto function = static_cast<FunctionsMode>(mode);
        TranslateOptions *options = TranslateOptions::instance();
        QVERIFY(options);
        QCOMPARE(TranslateOptions::instance(), options);
        QCOMPARE(options->displayType(function), name);
        QCOMPARE(options->units(function), units);
        QCOMPARE(options->rangeUnits(function), rangeUnits);
    }

    void sharedLists()
    {
        QCOMPARE(DefaultEvaluations,
                 std::vector<EvaluationType>({EvaluationAmplitude, EvaluationMean, EvaluationRms,
                                              EvaluationFrequency}));
        QCOMPARE(int(AllEvaluationTypeSet.size()), 22);
        QCOMPARE(int(*AllEvaluationTypeSet.begin()), 1);
        QCOMPARE(int(*AllEvaluationTypeSet.rbegin()), 22);
        QCOMPARE(int(VoltageEvaluationTypeSet.size() + TimeEvaluationTypeSet.size()), 22);
    }

    // Prefixes, names and unit signs are looked up when used, in their own contexts; what the
    // caller hands in is never translated.
    void translatedWhenUsed()
    {
        QTranslator russian;
        QVERIFY(russian.load(QStringLiteral(MULTIMETER_FIXTURE_DIR "/multimeter_ru.qm")));
        QCoreApplication::installTranslator(&russian);
        const QString micro = normalizeDimentions(0.0000333, "s");
        const QString tera = normalizeDimentions(1e15, "V");
        const QStringList reading = getValueDimentionList(0.000005, 0.00001, "A");
        TranslateOptions *options = TranslateOptions::instance();
        const QString function = options->displayType(FunctionDcVoltage);
        const QString continuity = options->units(FunctionContinuity);
        const QString period = getEvaluationViewName(EvaluationPeriod);
        const QString mean = getEvaluationSettingsName(EvaluationMean);
        const QString rate = getEvaluationViewDimentions(EvaluationRiseRate, "V");
        const QString time = getEvaluationViewDimentions(EvaluationRiseTime, "V");
        QCoreApplication::removeTranslator(&russian);

        QCOMPARE(micro, QString::fromUtf8(" 33.30 мкs"));
        QCOMPARE(tera, QString::fromUtf8("1000.00 ТV"));
        QCOMPARE(reading.value(1), QString::fromUtf8("мкA"));
        QCOMPARE(function, QString::fromUtf8("Постоянное напряжение"));
        QCOMPARE(continuity, ohm);
        QCOMPARE(period, QString::fromUtf8("Период"));
        QCOMPARE(mean, QString::fromUtf8("Среднее"));
        QCOMPARE(rate, QString::fromUtf8("V/с"));
        QCOMPARE(time, QString::fromUtf8("с"));
        QCOMPARE(normalizeDimentions(0.0000333, "s"), QStringLiteral(" 33.30 mks"));
    }
};

QTEST_GUILESS_MAIN(TestMultimeterTexts)
#include "tst_multimetertexts.moc"
