#include "app/options.h"
#include "assets/assets.h"
#include "ui/initializationindicatorwidget.h"
#include "ui/initializationtoolbarwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

class TestInitializationIndicator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void resultFollowsThemeAndState_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("icon");
        QTest::newRow("dark, initialized") << 0 << 2 << ":/icons/dark/control/ic_check.svg";
        QTest::newRow("dark, failed") << 0 << 1 << ":/icons/dark/control/ic_close.svg";
        QTest::newRow("light, initialized") << 1 << 2 << ":/icons/light/control/ic_check.svg";
        QTest::newRow("light, configured is no success")
                << 1 << 3 << ":/icons/light/control/ic_close.svg";
    }

    void resultFollowsThemeAndState()
    {
        QFETCH(int, theme);
        QFETCH(int, state);
        QFETCH(QString, icon);
        Options options = load_from_cache();
        options.color_theme = theme;
        save_to_cache(options);

        InitializationIndicatorWidget indicator;
        indicator.setBusy();
        QVERIFY(indicator.findChild<QLabel *>()->movie());
        indicator.finishInitialization(ModuleInterface::ModuleState(state));
        QCOMPARE(indicator.shownIconPath(), icon);
        const QLabel *label = indicator.findChild<QLabel *>();
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!label->movie());
    }

    void checkBoxUntilBusy()
    {
        InitializationIndicatorWidget indicator;
        indicator.show();
        QSignalSpy spy(&indicator, &InitializationIndicatorWidget::stateChanged);
        indicator.setChecked(false); // already unchecked: nothing to report
        QCOMPARE(spy.count(), 0);
        indicator.setChecked(true);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QVERIFY(indicator.isChecked());
        QTest::mouseClick(indicator.findChild<QCheckBox *>(), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toBool(), false);

        indicator.setChecked(true);
        indicator.setBusy();
        QVERIFY(!indicator.isChecked());
        indicator.setChecked(true);
        QVERIFY(!indicator.isChecked());
        QCOMPARE(spy.count(), 3);
    }

    void toolBarCaptionIsRetranslated()
    {
        InitializationToolBarWidget bar;
        auto *caption = bar.findChild<QLabel *>(QStringLiteral("caption"));
        QCOMPARE(caption->text(), QStringLiteral("Hardware initialization"));
        QVERIFY(bar.property("topToolBar").toBool());
        QTranslator russian;
        QVERIFY(russian.load(QStringLiteral(UI_FIXTURE_DIR "/initialization_ru.qm")));
        QCoreApplication::installTranslator(&russian);
        QCoreApplication::processEvents();
        QCOMPARE(caption->text(), QString::fromUtf8("Инициализация оборудования"));
        QCoreApplication::removeTranslator(&russian);
        QCoreApplication::processEvents();
        QCOMPARE(caption->text(), QStringLiteral("Hardware initialization"));
    }
};

QTEST_MAIN(TestInitializationIndicator)
#include "tst_initializationindicator.moc"
