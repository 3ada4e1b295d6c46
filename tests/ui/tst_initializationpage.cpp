#include "app/options.h"
#include "assets/assets.h"
#include "hardware/autosearchsimulator.h"
#include "hardware/modulecollection.h"
#include "hardware/moduledescription.h"
#include "hardware/moduleinterface.h"
#include "ui/initializationcontentwidget.h"
#include "ui/initializationindicatorwidget.h"

#include "simbench/simcontrol.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

namespace {

// The simulated search takes 200 ms a module; give it room on a loaded machine.
constexpr int searchTimeoutMs = 10000;

QTableWidget *table(QWidget &page)
{
    return page.findChild<QTableWidget *>(QStringLiteral("instrumentListTableWidget"));
}

QPushButton *actionButton(QWidget &page)
{
    return page.findChild<QPushButton *>(QStringLiteral("actionPushButton"));
}

InitializationIndicatorWidget *indicator(QWidget &page, int row)
{
    return qobject_cast<InitializationIndicatorWidget *>(table(page)->cellWidget(row, 3));
}

void useTheme(int theme)
{
    Options options = load_from_cache();
    options.color_theme = theme;
    save_to_cache(options);
}

// Names a bench in the environment, as a person trying the program on the simulated bench
// does; the stand-ins are given the same bench directly, since they read the variable once.
void useSimulatedBench(const QString &path)
{
    qputenv("PRALUNE_SIM_BENCH", QFile::encodeName(path));
    std::string error;
    if (path.isEmpty() || !QFile::exists(path))
        simbench::reset();
    else
        QVERIFY2(simbench::loadBench(path.toStdString(), &error), error.c_str());
}

QString sheet(const QString &name)
{
    QFile file(QStringLiteral(":/stylesheets/%1.theme").arg(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestInitializationPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Demonstration mode unless a test names a bench, whatever bench the shell names.
        qunsetenv("PRALUNE_SIM_BENCH");
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void cleanup()
    {
        ModuleCollection::instance().reset();
        qunsetenv("PRALUNE_SIM_BENCH");
        simbench::reset();
    }

    // The example bench: a carrier with four mezzanines and a power supply on the network.
    void simulatedBench_data()
    {
        QTest::addColumn<QString>("failingCall");
        QTest::addColumn<QString>("failingType");
        QTest::newRow("every module initializes") << QString() << QString();
        QTest::newRow("multimeter fails") << "zqrv31_init"
                                          << "RV31";
        QTest::newRow("power supply fails") << "zqvolta_init"
                                            << "KT220";
    }

    void simulatedBench()
    {
        QFETCH(QString, failingCall);
        QFETCH(QString, failingType);
        useSimulatedBench(QStringLiteral(EXAMPLE_BENCH));
        if (!failingCall.isEmpty())
            simbench::failCall(failingCall.toStdString(), 1, -1, simbench::Always);

        InitializationContentWidget page;
        page.show();
        QSignalSpy finished(&page, &InitializationContentWidget::finished);
        // The switch stays hidden; the label says demonstration mode is off.
        QVERIFY(!page.findChild<QWidget *>(QStringLiteral("demoModeDoubleSwitch"))->isVisible());
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("demoModeLabel"))->text(),
                 QStringLiteral("Turn demo mode"));
        QTRY_VERIFY_WITH_TIMEOUT(actionButton(page)->isVisible(), searchTimeoutMs);

        const QStringList types = {"KW7", "HX9", "RV31", "HX2", "KT220"};
        QCOMPARE(table(page)->rowCount(), types.size());
        QStringList found;
        for (int row = 0; row < table(page)->rowCount(); ++row) {
            found << table(page)->item(row, 0)->text();
            QVERIFY(!table(page)->item(row, 1)->text().startsWith(QLatin1String("SIM::")));
        }
        found.sort();
        QStringList expected = types;
        expected.sort();
        QCOMPARE(found, expected);

        QTest::mouseClick(actionButton(page), Qt::LeftButton);
        ModuleCollection &collection = ModuleCollection::instance();
        QCOMPARE(collection.count(), types.size());
        for (int row = 0; row < table(page)->rowCount(); ++row) {
            const bool fails = table(page)->item(row, 0)->text() == failingType;
            // The modules report from the pool; the marks follow on the GUI thread.
            QTRY_COMPARE(indicator(page, row)->shownIconPath(),
                         fails ? indicator(page, row)->errorIconPath()
                               : indicator(page, row)->successIconPath());
        }
        for (int i = 0; i < collection.count(); ++i)
            QVERIFY(!collection.byOrder(i)->demoMode());

        if (failingType.isEmpty()) {
            QCOMPARE(finished.count(), 1);
            return;
        }
        // Part of the bench works: the page waits for the person to go on with it.
        QCOMPARE(finished.count(), 0);
        QVERIFY(actionButton(page)->isVisible());
        QCOMPARE(actionButton(page)->text(), QStringLiteral("Start working with devices"));
        QTest::mouseClick(actionButton(page), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
    }

    // A bench without instruments: the page says so and searches again on request, finding
    // what has been connected meanwhile.
    void emptySimulatedBenchAndRetry()
    {
        useSimulatedBench(QStringLiteral("empty"));
        InitializationContentWidget page;
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(actionButton(page)->isVisible(), searchTimeoutMs);
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("headerLabel"))->text(),
                 QStringLiteral("Modules not found"));
        QCOMPARE(actionButton(page)->text(), QStringLiteral("Restart autosearch"));
        QCOMPARE(table(page)->rowCount(), 0);

        useSimulatedBench(QStringLiteral(EXAMPLE_BENCH));
        QTest::mouseClick(actionButton(page), Qt::LeftButton);
        QVERIFY(!actionButton(page)->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(actionButton(page)->isVisible(), searchTimeoutMs);
        QCOMPARE(actionButton(page)->text(), QStringLiteral("Initialize"));
        QCOMPARE(table(page)->rowCount(), 5);
    }

    void demonstrationRoad()
    {
        InitializationContentWidget page;
        page.resize(1021, 609);
        page.show();
        QSignalSpy finished(&page, &InitializationContentWidget::finished);
        QVERIFY(page.findChild<QLabel *>(QStringLiteral("demoModeLabel"))->isVisible());
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("demoModeLabel"))->text(),
                 QStringLiteral("Demo mode on"));
        QVERIFY(!actionButton(page)->isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(actionButton(page)->isVisible(), searchTimeoutMs);
        QCOMPARE(table(page)->rowCount(), 4);
        const QStringList types = {"KW7", "HX9", "RV31", "KT220"};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(table(page)->item(row, 0)->text(), types.at(row));
            QCOMPARE(table(page)->item(row, 1)->text(),
                     QStringLiteral("SIM::%1::INSTR").arg(row + 1));
            QCOMPARE(table(page)->item(row, 2)->text(), QString::number(row + 1));
            QVERIFY(indicator(page, row)->isChecked());
        }
        QCOMPARE(actionButton(page)->text(), QStringLiteral("Initialize"));
        QVERIFY(actionButton(page)->isEnabled());

        QTest::mouseClick(actionButton(page), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        ModuleCollection &collection = ModuleCollection::instance();
        QCOMPARE(collection.count(), 4);
        for (int i = 0; i < collection.count(); ++i) {
            QCOMPARE(collection.byOrder(i)->state(), ModuleInterface::Initialized);
            QCOMPARE(indicator(page, i)->shownIconPath(), indicator(page, i)->successIconPath());
        }
    }

    void uncheckingEveryRowDisablesTheAction()
    {
        InitializationContentWidget page;
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(actionButton(page)->isVisible(), searchTimeoutMs);
        for (int row = 0; row < table(page)->rowCount(); ++row)
            QTest::mouseClick(indicator(page, row)->findChild<QCheckBox *>(), Qt::LeftButton);
        QVERIFY(!actionButton(page)->isEnabled());
        QTest::mouseClick(indicator(page, 2)->findChild<QCheckBox *>(), Qt::LeftButton);
        QVERIFY(actionButton(page)->isEnabled());

        // Only the checked row gets a module; the others keep their check boxes.
        QSignalSpy finished(&page, &InitializationContentWidget::finished);
        QTest::mouseClick(actionButton(page), Qt::LeftButton);
        QCOMPARE(ModuleCollection::instance().count(), 1);
        QCOMPARE(finished.count(), 1);
        QVERIFY(indicator(page, 0)->findChild<QCheckBox *>());
    }

    void rowOfAnUnknownTypeIsSkipped()
    {
        InitializationContentWidget page;
        QTRY_VERIFY_WITH_TIMEOUT(!actionButton(page)->isHidden(), searchTimeoutMs);
        const int known = table(page)->rowCount();
        ModuleDescription unknown;
        unknown.type = ModuleTypeTavrin;
        unknown.resource = QStringLiteral("SIM::9::INSTR");
        unknown.position = 1;
        page.moduleFound(unknown);
        // Only the unknown row stays checked.
        for (int row = 0; row < known; ++row)
            indicator(page, row)->setChecked(false);
        QVector<ModuleDescription> all(known);
        all.append(unknown);
        page.searchFinished(all);
        QSignalSpy finished(&page, &InitializationContentWidget::finished);
        page.initializeModules();
        QCOMPARE(ModuleCollection::instance().count(), 0);
        QCOMPARE(indicator(page, known)->shownIconPath(), indicator(page, known)->errorIconPath());
        QCOMPARE(finished.count(), 1); // nothing created, nothing failed to initialize
    }

    void languageChangeKeepsTheStageTexts()
    {
        InitializationContentWidget page;
        QTranslator russian;
        QVERIFY(russian.load(QStringLiteral(UI_FIXTURE_DIR "/initialization_ru.qm")));
        QCoreApplication::installTranslator(&russian);
        QCoreApplication::processEvents();
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("demoModeLabel"))->text(),
                 QString::fromUtf8("Демо-режим включён"));
        QCoreApplication::removeTranslator(&russian);
        QCoreApplication::processEvents();
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("demoModeLabel"))->text(),
                 QStringLiteral("Demo mode on"));
        QTRY_VERIFY_WITH_TIMEOUT(!actionButton(page)->isHidden(), searchTimeoutMs);
    }

    // The window closed while the search still runs: the run goes on over its own object and
    // ends quietly, with nothing left connected to the page.
    void pageGoneDuringTheSearch()
    {
        {
            InitializationContentWidget page;
        }
        QTest::qWait(AutoSearchSimulator::pauseMs * 6);
        QCOMPARE(ModuleCollection::instance().count(), 0);
    }

    // The page re-wires its action button several times; the style must still be able to
    // forget the button when the page goes, or the next theme change reads a dead widget.
    void themeChangeAfterThePageIsGone()
    {
        qApp->setStyleSheet(sheet(QStringLiteral("dark")));
        {
            InitializationContentWidget page;
            page.show();
            QTRY_VERIFY_WITH_TIMEOUT(actionButton(page)->isVisible(), searchTimeoutMs);
            QTest::mouseClick(actionButton(page), Qt::LeftButton);
        }
        qApp->setStyleSheet(sheet(QStringLiteral("light")));
        qApp->setStyleSheet(QString());
    }

    // Not a check: pictures of the page in both themes for a person to look at.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const QString &theme : {QStringLiteral("dark"), QStringLiteral("light")}) {
            useTheme(theme == QLatin1String("dark") ? 0 : 1);
            qApp->setStyleSheet(sheet(theme));
            InitializationContentWidget page;
            page.resize(1021, 609);
            page.show();
            QTRY_VERIFY_WITH_TIMEOUT(actionButton(page)->isVisible(), searchTimeoutMs);
            indicator(page, 1)->setChecked(false);
            QTest::qWait(50);
            page.grab().save(dir + "/initialization-found-" + theme + ".png");
            QTest::mouseClick(actionButton(page), Qt::LeftButton);
            QTest::qWait(50);
            page.grab().save(dir + "/initialization-done-" + theme + ".png");
            ModuleCollection::instance().reset();
        }
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestInitializationPage)
#include "tst_initializationpage.moc"
