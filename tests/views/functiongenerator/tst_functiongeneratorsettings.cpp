#include "views/functiongenerator/functiongeneratorsettings.h"

#include <QSignalSpy>
#include <QtTest>

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
        QTest::newRow("none") << Values();
        QTest::newRow("one") << Values({100000.0});
        QTest::newRow("several") << Values({600.0, 75.0, 600.0, 1e9});
    }

    void roundTrip()
    {
        QFETCH(Values, values);
        {
            FunctionGeneratorSettings settings;
            settings.setCustomImpedanceValues(values);
            settings.store();
        }
        FunctionGeneratorSettings settings;
        settings.setCustomImpedanceValues({1.0, 2.0});
        QSignalSpy changed(&settings, &FunctionGeneratorSettings::supportedImpedanceChanged);
        settings.restore();
        QCOMPARE(settings.customImpedanceValues(), values);
        QCOMPARE(changed.count(), 0);
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
