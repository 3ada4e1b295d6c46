#include "app/options.h"
#include "app/themestylesheet.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "support/recordingpowersupply.h"
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
        QTest::newRow("dark") << 0 << 0 << "en";
        QTest::newRow("light") << 1 << 0 << "en";
        QTest::newRow("dark-ru") << 0 << 0 << "ru";
        QTest::newRow("light-ru") << 1 << 0 << "ru";
        QTest::newRow("light-large-ru") << 1 << 1 << "ru";
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

        // Two channels: the first on and limited by its current, the second off.
        auto supply = std::make_shared<RecordingPowerSupply>(2);
        PowerSupplyOutputOptions on;
        on.voltage = 12.0;
        on.current = 1.5;
        on.enabled = true;
        supply->hold(0, on);
        PowerSupplyOutputOptions off;
        off.voltage = 5.0;
        off.current = 0.5;
        supply->hold(1, off);
        PowerSupplyView view;
        std::shared_ptr<ResourceInterface> resource = supply;
        view.setResource(resource);
        view.fullScreenUserInterface();
        view.pinnedUserInterface();
        emit supply->outputChanged(0, 11.98, 1.5);
        emit supply->modeChanged(0, PowerSupplyConstantCurrent);
        emit supply->outputChanged(1, 0.0, 0.0);
        emit supply->modeChanged(1, PowerSupplyNoMode);

        // As the workspace shows them: inside the main window's themed content frame.
        for (QWidget *content : {view.fullScreenUserInterface(), view.pinnedUserInterface()}) {
            QWidget frame;
            frame.setProperty("main", true);
            auto *layout = new QVBoxLayout(&frame);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(content);
            frame.show();
            QCoreApplication::processEvents();
            const bool full = content == view.fullScreenUserInterface();
            QVERIFY(frame.grab().save(QStringLiteral("%1/powersupply-%2-%3.png")
                                              .arg(dir, full ? "panel" : "miniature", name)));
            layout->removeWidget(content);
            content->setParent(nullptr);
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
