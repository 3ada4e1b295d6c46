#include "app/options.h"
#include "assets/assets.h"
#include "hardware/autosearchsimulator.h"
#include "hardware/modulecollection.h"
#include "hardware/moduledescription.h"
#include "hardware/moduleinterface.h"
#include "ui/initializationcontentwidget.h"
#include "ui/initializationindicatorwidget.h"

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
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void cleanup() { ModuleCollection::instance().reset(); }

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
