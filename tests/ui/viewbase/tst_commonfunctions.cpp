#include "ui/viewbase/commonfunctions.h"

#include "app/options.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <limits>

namespace {

// Stands in for a Russian .qm: only the prefixes of the two contexts that the helpers use.
class PrefixTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QByteArray source(sourceText);
        if (qstrcmp(context, "dimension prefix") == 0 || qstrcmp(context, "QObject") == 0) {
            if (source == "mk")
                return QString::fromUtf8("мкр");
            if (source == "k")
                return QString::fromUtf8("к");
            if (source == "m")
                return QString::fromUtf8("м");
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

DoubleToFormatString measurementFormatter()
{
    DoubleToFormatString format;
    format.setFillSymbol(QLatin1Char(' '));
    format.setMinSymbolsBeforeDelemeter(4);
    format.setMinSymbolsAfterDelemeter(2);
    format.adjustUnits(true);
    format.setAccuracy(2);
    format.setUnits(QStringLiteral("V"));
    return format;
}

} // namespace

class TestCommonFunctions : public QObject
{
    Q_OBJECT
private slots:
    void prefixLists()
    {
        QCOMPARE(aboveZeroDimensionPrefix, QStringList({QString(), "k", "M", "G", "T"}));
        QCOMPARE(belowZeroDimensionPrefix, QStringList({QString(), "m", "mk", "n", "p"}));
    }

    // Every icon path of the views is built from this name, so a theme value the options
    // never write (a hand-edited store, say) must still land on a set that exists.
    void themeFolderOfTheOptions_data()
    {
        QTest::addColumn<int>("colorTheme");
        QTest::addColumn<QString>("folder");
        QTest::newRow("dark") << 0 << "dark";
        QTest::newRow("light") << 1 << "light";
        QTest::newRow("unknown value is light") << 7 << "light";
        QTest::newRow("negative value is light") << -1 << "light";
    }
    void themeFolderOfTheOptions()
    {
        QFETCH(int, colorTheme);
        QFETCH(QString, folder);
        const Options saved = load_from_cache();
        Options options = saved;
        options.color_theme = colorTheme;
        save_to_cache(options);
        const QString current = currentThemeFolderName();
        save_to_cache(saved);
        QCOMPARE(current, folder);
    }

    void multiplierIndex_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("index");
        QTest::newRow("5000 is kilo") << 5000.0 << 0 << 1;
        QTest::newRow("0.005 is milli") << 0.005 << 0 << -1;
        QTest::newRow("0.05 needs no prefix") << 0.05 << 0 << 0;
        QTest::newRow("999.99 needs no prefix") << 999.99 << 0 << 0;
        QTest::newRow("1000 is kilo") << 1000.0 << 0 << 1;
        QTest::newRow("negative values by magnitude") << -2.5e6 << 0 << 2;
        QTest::newRow("zero falls to the last prefix") << 0.0 << 0 << -4;
        QTest::newRow("huge stops at the last prefix") << 1e20 << 0 << 4;
        QTest::newRow("start index counts as scaled") << 0.001 << 4 << 4;
        QTest::newRow("from a scaled start") << 5.0 << -1 << -1;
        QTest::newRow("scaled start, grows") << 5000.0 << -1 << 0;
        QTest::newRow("not a number keeps the start")
                << std::numeric_limits<double>::quiet_NaN() << 2 << 2;
        QTest::newRow("infinity stops at the last prefix")
                << std::numeric_limits<double>::infinity() << 0 << 4;
    }
    void multiplierIndex()
    {
        QFETCH(double, value);
        QFETCH(int, start);
        QFETCH(int, index);
        QCOMPARE(getMultiplierIndex(value, start), index);
    }

    void normalizedValue_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("units");
        QTest::addColumn<bool>("noSignPlace");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << 2 << "V" << true << false << "   0.00 V  ";
        QTest::newRow("missing value") << 1.23 << 2 << "V" << true << true << "   _.__ V  ";
        QTest::newRow("missing zero") << 0.0 << 0 << "V" << false << true << "   _.__ V  ";
        QTest::newRow("milli, sign place") << 0.25 << 2 << "V" << false << false << " 250.00 mV ";
        QTest::newRow("negative milli") << -0.25 << 2 << "V" << false << false << "-250.00 mV ";
        QTest::newRow("units below 1 stay") << 1.5 << 1 << "A" << true << false << "  1.5 A  ";
        QTest::newRow("no prefix above 1") << 1500.0 << 0 << "V" << true << false << "1500 V  ";
        QTest::newRow("ten to 99 get one blank") << 42.0 << 0 << "s" << true << false << " 42 s  ";
        QTest::newRow("micro") << 2e-5 << 0 << "s" << true << false << " 20 mks";
        QTest::newRow("nano") << 5e-9 << 1 << "s" << true << false << "  5.0 ns ";
        QTest::newRow("cut, not rounded") << 1.999 << 2 << "V" << true << false << "  1.99 V  ";
        QTest::newRow("negative cut toward zero")
                << -1.999 << 1 << "V" << true << false << "  -1.9 V  ";
        QTest::newRow("long units unpadded") << 2.0 << 0 << "Ohm" << true << false << "  2 Ohm";
        // A 32-bit integer would wrap 5e7 x 100.
        QTest::newRow("beyond 32 bits") << 5e7 << 2 << "Hz" << true << false << "50000000.00 Hz ";
    }
    void normalizedValue()
    {
        QFETCH(double, value);
        QFETCH(int, precision);
        QFETCH(QString, units);
        QFETCH(bool, noSignPlace);
        QFETCH(bool, missing);
        QFETCH(QString, text);
        QCOMPARE(normalizeDimensionValue(value, precision, units, noSignPlace, missing), text);
    }

    void formatter_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.5") << 1.5 << "   1.50  V";
        QTest::newRow("0.005") << 0.005 << "   5.00 mV";
        QTest::newRow("-0.5") << -0.5 << "  -0.50  V";
        QTest::newRow("1234.5") << 1234.5 << "   1.23 kV";
        QTest::newRow("zero falls to pico") << 0.0 << "   0.00 pV";
        QTest::newRow("micro is three wide") << 2.5e-6 << "   2.50 mkV";
        QTest::newRow("999.99") << 999.99 << " 999.99  V";
        QTest::newRow("integer part wider than the field") << 123456.0 << " 123.46 kV";
    }
    void formatter()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(measurementFormatter()(value), text);
    }

    void automaticAccuracy_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("kilo keeps its digits") << 1500.0 << "  1.5" + QString(8, ' ') + " kV";
        QTest::newRow("no point gets a blank fraction") << 50.0 << " 50" + QString(12, ' ') + "V";
        QTest::newRow("milli") << 0.0045 << "  4.5" + QString(8, ' ') + " mV";
        QTest::newRow("0.0125 takes no prefix and so no decimals")
                << 0.0125 << "  0" + QString(12, ' ') + "V";
    }
    void automaticAccuracy()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        DoubleToFormatString format;
        format.setMinSymbolsBeforeDelemeter(3);
        format.setMinSymbolsAfterDelemeter(9);
        format.adjustUnits(true);
        format.setUnits(QStringLiteral("V"));
        QCOMPARE(format(value), text);
    }

    void formatterDefaults_data()
    {
        QTest::addColumn<QString>("units");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        // The last piece is written at width 1: an empty one still writes a pad character.
        QTest::newRow("empty units pad once") << QString() << 2.0 << "2  ";
        QTest::newRow("plain") << "Ohm" << 50.0 << "50 Ohm";
        QTest::newRow("kilo, digits the prefix hides") << "Ohm" << 1234.0 << "1.234  kOhm";
        QTest::newRow("negative") << "A" << -0.005 << "-5 mA";
        QTest::newRow("no prefix, no decimals") << "A" << 0.25 << "0 A";
    }
    void formatterDefaults()
    {
        QFETCH(QString, units);
        QFETCH(double, value);
        QFETCH(QString, text);
        DoubleToFormatString format;
        format.setUnits(units);
        QCOMPARE(format(value), text);
    }

    void formatterFillAndUnitsWidth()
    {
        DoubleToFormatString format;
        format.setFillSymbol(QLatin1Char('0'));
        format.setMinSymbolsBeforeDelemeter(3);
        format.setMinSymbolsAfterDelemeter(3);
        format.setAccuracy(1);
        format.setMinUnitsSymbols(4);
        format.setUnits(QStringLiteral("V"));
        QCOMPARE(format(2.5), QStringLiteral("002.500 V000"));
    }

    void translatedPrefixes()
    {
        PrefixTranslator translator;
        QCoreApplication::installTranslator(&translator);
        // The lists keep the source texts; the formatters translate at the moment of use.
        QCOMPARE(belowZeroDimensionPrefix.at(2), QStringLiteral("mk"));
        QCOMPARE(translatedDimensionPrefix(-2), QString::fromUtf8("мкр"));
        // The prefix column widens to the longest translated prefix.
        QCOMPARE(measurementFormatter()(1500.0), QString::fromUtf8("   1.50  кV"));
        QCOMPARE(normalizeDimensionValue(0.25, 0, QStringLiteral("V"), true, false),
                 QString::fromUtf8("250 мV "));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(measurementFormatter()(1500.0), QStringLiteral("   1.50 kV"));
    }

    void flagVariant_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("accuracy");
        QTest::addColumn<QString>("text");
        QTest::newRow("no flags") << 1500.0 << 0 << 2 << "1.50 kV";
        QTest::newRow("aligned units") << 1.5 << int(AlignUnits) << 2 << "1.50   V";
        QTest::newRow("aligned number") << 1.5 << int(AlignNumber) << 2 << "  1.50 V";
        QTest::newRow("sign place")
                << 1.5 << int(AlignNumber | ReserveSignPlace) << 2 << "   1.50 V";
        QTest::newRow("automatic accuracy") << 0.005 << int(AlignNumber) << -1 << "  5 mV";
    }
    void flagVariant()
    {
        QFETCH(double, value);
        QFETCH(int, flags);
        QFETCH(int, accuracy);
        QFETCH(QString, text);
        QCOMPARE(valueToFormatString(value, QStringLiteral("V"), flags, accuracy, QLatin1Char(' ')),
                 text);
    }

    void flagCheck()
    {
        QVERIFY(checkFormatStringFlag(AlignUnits | AlignNumber, AlignNumber));
        QVERIFY(!checkFormatStringFlag(AlignUnits, ReserveSignPlace));
        QVERIFY(!checkFormatStringFlag(0, AlignUnits));
    }
};

QTEST_GUILESS_MAIN(TestCommonFunctions)
#include "tst_commonfunctions.moc"
