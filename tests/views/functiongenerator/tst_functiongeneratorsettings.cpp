#include "views/functiongenerator/functiongeneratorsettings.h"

#include "resources/resourcestate.h"
#include "tests/resources/support/standarderror.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <vector>

Q_DECLARE_METATYPE(std::vector<double>)

using Values = std::vector<double>;

class TestFunctionGeneratorSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<Values>("std::vector<double>");
    }

    void init() { QFile::remove(FunctionGeneratorSettings().stateFile()); }

    void supportedValues()
    {
        FunctionGeneratorSettings settings;
        QCOMPARE(settings.supportedImpedanceValues(), Values({50.0, 1000000.0}));
        QSignalSpy changed(&settings, &FunctionGeneratorSettings::supportedImpedanceChanged);
        settings.setCustomImpedanceValues({100.0, 50.0});
        settings.setCustomImpedanceValues({100.0, 50.0});
        QCOMPARE(settings.supportedImpedanceValues(), Values({100.0, 50.0, 50.0, 1000000.0}));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).value<Values>(), Values({100.0, 50.0, 50.0, 1000000.0}));
    }

    // The INI form keeps an empty list and a list of one value in forms of their own.
    void roundTrip_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<Values>("restored");
        QTest::newRow("none") << Values() << Values();
        QTest::newRow("one") << Values({100000.0}) << Values({100000.0});
        QTest::newRow("several, each once")
                << Values({600.0, 75.0, 600.0, 1e9}) << Values({600.0, 75.0, 1e9});
    }

    void roundTrip()
    {
        QFETCH(Values, values);
        QFETCH(Values, restored);
        {
            FunctionGeneratorSettings settings;
            settings.setCustomImpedanceValues(values);
            settings.store();
        }
        FunctionGeneratorSettings settings;
        settings.setCustomImpedanceValues({1.0, 2.0});
        QSignalSpy changed(&settings, &FunctionGeneratorSettings::supportedImpedanceChanged);
        settings.restore();
        QCOMPARE(settings.customImpedanceValues(), restored);
        QCOMPARE(changed.count(), 0);
    }

    // A stored list may hold anything: only whole ohms within the settings page's range stay,
    // each once and apart from the predefined values, and one line names what was dropped.
    void restoreKeepsUsableValues()
    {
        const QVariantList stored = {QStringLiteral("nan"),
                                     std::numeric_limits<double>::quiet_NaN(),
                                     QStringLiteral("inf"),
                                     QStringLiteral("-inf"),
                                     QStringLiteral("-600"),
                                     QStringLiteral("24"),
                                     QStringLiteral("600"),
                                     QStringLiteral("1e12"),
                                     QStringLiteral("not a number"),
                                     QStringLiteral("600"),
                                     QStringLiteral("100000000000"),
                                     QStringLiteral("75.5"),
                                     QStringLiteral("76"),
                                     QStringLiteral("1000.4"),
                                     QStringLiteral("1000"),
                                     QStringLiteral("50"),
                                     QStringLiteral("25")};
        ResourceState state;
        state[QStringLiteral("customImpedanceValues")] = stored;
        FunctionGeneratorSettings settings;
        const QByteArray errors = standardErrorOf([&] { settings.restoreState(state); });
        QCOMPARE(settings.customImpedanceValues(), Values({600.0, 1e11, 76.0, 1000.0, 25.0}));
        QCOMPARE(errors.count('\n'), 1);
        for (const char *dropped : {"nan", "inf", "-600", "24", "1e12", "not a number"})
            QVERIFY2(errors.contains(dropped), errors.constData());

        // A usable list restores without a word.
        state[QStringLiteral("customImpedanceValues")] = QVariantList({600.0, 75.0});
        QCOMPARE(standardErrorOf([&] { settings.restoreState(state); }), QByteArray());
        QCOMPARE(settings.customImpedanceValues(), Values({600.0, 75.0}));
    }

    void missingFileEmptiesTheList()
    {
        FunctionGeneratorSettings settings;
        settings.setCustomImpedanceValues({1.0});
        settings.restore();
        QCOMPARE(settings.customImpedanceValues(), Values());
        QVERIFY(settings.stateFile().endsWith("/FunctionGeneratorCommonSettings.ini"));
    }
};

QTEST_MAIN(TestFunctionGeneratorSettings)
#include "tst_functiongeneratorsettings.moc"
