#include "app/translationloader.h"
#include "assets/assets.h"
#include "resources/resourcestate.h"
#include "views/oscilloscope/digitaloscilloscopesettings.h"
#include "views/oscilloscope/digitaloscilloscopesettingswidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

struct Emitted
{
    explicit Emitted(DigitalOscilloscopeSettings &settings)
    {
        QObject::connect(&settings, &DigitalOscilloscopeSettings::maximumPointsCountChanged,
                         [this](uint64_t value) { values.push_back(value); });
    }
    std::vector<uint64_t> values;
};

QComboBox *comboOf(QWidget &page)
{
    return page.findChild<QComboBox *>("pointsCountComboBox");
}

} // namespace

class TestDigitalOscilloscopeSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }
    void init()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                .removeRecursively();
    }

    void buildingShowsTableAndEmitsNothing()
    {
        auto settings = std::make_shared<DigitalOscilloscopeSettings>();
        settings->setPointCountIndex(1);
        Emitted emitted(*settings);
        DigitalOscilloscopeSettingsWidget page(settings);
        QComboBox *combo = comboOf(page);
        QVERIFY(combo);
        const QStringList items = {"10000   points", "100000  points", "500000  points",
                                   "1000000 points"};
        QCOMPARE(combo->count(), items.size());
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(combo->itemText(i), items.at(i));
        QCOMPARE(combo->currentIndex(), 1);
        QVERIFY(emitted.values.empty());
        QCOMPARE(settings->pointCountIndex(), 1);
    }

    void choosingReachesSettingsAndDyingStoresThem()
    {
        auto settings = std::make_shared<DigitalOscilloscopeSettings>();
        settings->restore();
        Emitted emitted(*settings);
        auto page = std::make_unique<DigitalOscilloscopeSettingsWidget>(settings);
        QCOMPARE(comboOf(*page)->currentIndex(), 0);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        comboOf(*page)->setCurrentIndex(3);
        QCOMPARE(emitted.values, std::vector<uint64_t>({1000000}));
        QVERIFY(!QFile::exists(settings->stateFile()));

        page.reset();
        QCOMPARE(loadStateFromFile(settings->stateFile()).value("customPointsCountIndex").toInt(),
                 3);
    }

    void pageOutlivingSettingsStoresNothing()
    {
        auto settings = std::make_shared<DigitalOscilloscopeSettings>();
        const QString file = settings->stateFile();
        auto page = std::make_unique<DigitalOscilloscopeSettingsWidget>(settings);
        settings.reset();
        comboOf(*page)->setCurrentIndex(2);
        page.reset();
        QVERIFY(!QFile::exists(file));
    }

    void languageChangeEmptiesTitle()
    {
        auto settings = std::make_shared<DigitalOscilloscopeSettings>();
        DigitalOscilloscopeSettingsWidget page(settings);
        page.setWindowTitle("set by someone");
        const QString item = comboOf(page)->itemText(0);
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&page, &change);
        QVERIFY(page.windowTitle().isEmpty());
        QCOMPARE(page.findChild<QLabel *>("Caption")->text(), QString("Digital Oscilloscope"));
        QCOMPARE(page.findChild<QLabel *>("label")->text(), QString("Read point limit"));
        QCOMPARE(comboOf(page)->itemText(0), item);
        QVERIFY(page.findChild<QLabel *>("Caption")->property("title").toBool());
    }

    // Not a check: the page for a person to look at.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        struct Shot
        {
            QString sheet;
            QString language;
            QString name;
        };
        const QList<Shot> shots = {{"dark", "en", "dark"},
                                   {"light", "en", "light"},
                                   {"dark", "ru", "dark-ru"},
                                   {"light", "ru", "light-ru"},
                                   {"dark_large", "ru", "dark-large-ru"}};
        auto settings = std::make_shared<DigitalOscilloscopeSettings>();
        for (const Shot &shot : shots) {
            QFile file(QStringLiteral(":/stylesheets/%1.theme").arg(shot.sheet));
            QVERIFY(file.open(QIODevice::ReadOnly));
            qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
            TranslationLoader::instance()->load(shot.language);
            // In its place: the settings page's stack, on the theme's page background.
            QWidget host;
            host.setProperty("main", true);
            auto *layout = new QVBoxLayout(&host);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(new DigitalOscilloscopeSettingsWidget(settings));
            host.resize(517, 192);
            host.show();
            QVERIFY(QTest::qWaitForWindowExposed(&host));
            host.grab().save(dir + "/oscilloscope-settings-page-" + shot.name + ".png");
        }
        TranslationLoader::instance()->load("en");
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestDigitalOscilloscopeSettingsWidget)
#include "tst_digitaloscilloscopesettingswidget.moc"
