#include "app/options.h"
#include "app/themestylesheet.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "support/recordingpowersupply.h"
#include "ui/pinnedcollectionwidget.h"
#include "ui/pinnedviewminiaturebutton.h"
#include "views/powersupply/powersupplyview.h"

#include <QApplication>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

// Not a check: pictures of the panel and the miniature for a person to look at.
class TestPowerSupplyScreenshots : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("font");
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "ru"}) {
            const QString suffix = QString::fromLatin1(language) == "ru" ? "-ru" : "";
            for (int font : {0, 1}) {
                const QString size = font ? "-large" : "";
                QTest::newRow(qPrintable("dark" + size + suffix)) << 0 << font << language;
                QTest::newRow(qPrintable("light" + size + suffix)) << 1 << font << language;
            }
        }
    }

    void screenshots()
    {
        const QString dir = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        QFETCH(int, theme);
        QFETCH(int, font);
        QFETCH(QString, language);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        Options options = load_from_cache();
        options.color_theme = theme;
        options.font_type = font;
        save_to_cache(options);
        QVERIFY(applyThemeStyleSheet(theme, font));
        TranslationLoader::instance()->load(language);

        // Three channels: the first on and limited by its voltage, the second over its limit,
        // the third off.
        auto supply = std::make_shared<RecordingPowerSupply>(3);
        PowerSupplyOutputOptions on;
        on.voltage = 12.0;
        on.current = 1.5;
        on.enabled = true;
        supply->hold(0, on);
        supply->hold(1, on);
        PowerSupplyOutputOptions off;
        off.voltage = 5.0;
        off.current = 0.5;
        supply->hold(2, off);
        auto view = std::make_shared<PowerSupplyView>();
        std::shared_ptr<ResourceInterface> resource = supply;
        view->setResource(resource);
        view->fullScreenUserInterface();
        view->pinnedUserInterface();
        emit supply->outputChanged(0, 12.0, 0.75);
        emit supply->modeChanged(0, PowerSupplyConstantVoltage);
        emit supply->outputChanged(1, 39.98, 9.99);
        emit supply->modeChanged(1, PowerSupplyOverRegulation);
        emit supply->outputChanged(2, 0.0, 0.0);
        emit supply->modeChanged(2, PowerSupplyNoMode);

        // As the workspace shows them: inside the main window's themed content frame.
        for (QWidget *content : {view->fullScreenUserInterface(), view->pinnedUserInterface()}) {
            QWidget frame;
            frame.setProperty("main", true);
            auto *layout = new QVBoxLayout(&frame);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(content);
            frame.show();
            QCoreApplication::processEvents();
            const bool full = content == view->fullScreenUserInterface();
            QVERIFY(frame.grab().save(QStringLiteral("%1/powersupply-%2-%3.png")
                                              .arg(dir, full ? "panel" : "miniature", name)));
            layout->removeWidget(content);
            content->setParent(nullptr);
        }

        // Pinned in the row at the foot of the Instruments page.
        {
            QWidget page;
            page.setProperty("main", true);
            auto *layout = new QVBoxLayout(&page);
            auto *row = new PinnedCollectionWidget(&page);
            layout->addWidget(row);
            row->pin(view);
            page.resize(600, 140);
            page.show();
            QCoreApplication::processEvents();
            QVERIFY(page.grab().save(
                    QStringLiteral("%1/powersupply-pinned-%2.png").arg(dir, name)));
        }

        // An unbound view's miniature on its card of the selection page.
        auto unbound = std::make_shared<PowerSupplyView>();
        QWidget page;
        page.setProperty("main", true);
        auto *layout = new QVBoxLayout(&page);
        auto *card = new PinnedViewMiniatureButton(unbound, QStringLiteral("KT220 SIM::4::INSTR"),
                                                   &page);
        card->setAutoRaise(true);
        layout->addWidget(card);
        layout->addStretch();
        page.show();
        QCoreApplication::processEvents();
        QVERIFY(page.grab().save(QStringLiteral("%1/powersupply-card-%2.png").arg(dir, name)));
    }

    void cleanupTestCase()
    {
        TranslationLoader::instance()->load(QStringLiteral("en"));
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestPowerSupplyScreenshots)
#include "tst_powersupplyscreenshots.moc"
