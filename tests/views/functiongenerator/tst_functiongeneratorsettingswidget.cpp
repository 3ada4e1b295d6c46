#include "views/functiongenerator/functiongeneratorsettingswidget.h"

#include "resources/functiongeneratorawgfilescollection.h"
#include "support/generatortesthelpers.h"
#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"
#include "views/functiongenerator/functiongeneratorsettings.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

#include <memory>
#include <vector>

using Values = std::vector<double>;

// Receives the URL the page asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestFunctionGeneratorSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(FunctionGeneratorSettings().stateFile()); }

    void addAndRemove()
    {
        auto settings = std::make_shared<FunctionGeneratorSettings>();
        FunctionGeneratorSettingsWidget page(settings);
        auto *add = child<QPushButton>(page, "addImpedanceButton");
        auto *remove = child<QPushButton>(page, "removeImpedanceButton");
        auto *list = child<QListView>(page, "impedanceListView");
        QCOMPARE(list->model()->rowCount(), 2);
        QVERIFY(!remove->isEnabled());

        child<QComboBox>(page, "impedansUnitsComboBox")->setCurrentIndex(1);
        auto *spin = child<QDoubleSpinBox>(page, "impedanceDoubleSpinBox");
        QCOMPARE(spin->minimum(), 0.025);
        spin->setValue(100);
        add->click();
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->currentIndex().row(), 2);
        QVERIFY(remove->isEnabled());
        add->click();
        QCOMPARE(list->model()->rowCount(), 3);

        // 50 Ω is predefined: selected, not added, not removable.
        child<QComboBox>(page, "impedansUnitsComboBox")->setCurrentIndex(0);
        spin->setValue(50);
        add->click();
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->currentIndex().row(), 0);
        QVERIFY(!remove->isEnabled());
        remove->click();
        QCOMPARE(list->model()->rowCount(), 3);

        list->setCurrentIndex(list->model()->index(2, 0));
        remove->click();
        QCOMPARE(list->model()->rowCount(), 2);
    }

    // A value typed in kΩ, MΩ or GΩ is held as what its row reads, so a value typed in another
    // unit that reads the same is the same row.
    void addedValuesAreWhatTheRowsRead_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("ohms");
        QTest::addColumn<QString>("text");
        QTest::newRow("kΩ") << 1 << 1.001 << 1001.0 << QStringLiteral("  1.001       k\u2126");
        QTest::newRow("MΩ") << 2 << 1.000007 << 1000007.0
                            << QStringLiteral("  1.000007    M\u2126");
        QTest::newRow("GΩ") << 3 << 2.000000003 << 2000000003.0
                            << QStringLiteral("  2.000000003 G\u2126");
    }

    void addedValuesAreWhatTheRowsRead()
    {
        QFETCH(int, unit);
        QFETCH(double, typed);
        QFETCH(double, ohms);
        QFETCH(QString, text);
        auto settings = std::make_shared<FunctionGeneratorSettings>();
        FunctionGeneratorSettingsWidget page(settings);
        auto *units = child<QComboBox>(page, "impedansUnitsComboBox");
        auto *spin = child<QDoubleSpinBox>(page, "impedanceDoubleSpinBox");
        auto *add = child<QPushButton>(page, "addImpedanceButton");
        auto *list = child<QListView>(page, "impedanceListView");
        units->setCurrentIndex(unit);
        spin->setValue(typed);
        add->click();
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->model()->index(2, 0).data().toString(), text);
        // The same value typed in ohms is the row already there.
        units->setCurrentIndex(0);
        spin->setValue(ohms);
        add->click();
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->currentIndex().row(), 2);
        auto *model = qobject_cast<FunctionGeneratorImpedanceListModel *>(list->model());
        QVERIFY(model);
        QCOMPARE(model->customImpedanceValues(), QList<double>({ohms}));
    }

    // Hiding tells the open panels; only the page's end writes the file.
    void hideAndDestroy()
    {
        auto settings = std::make_shared<FunctionGeneratorSettings>();
        QSignalSpy changed(settings.get(), &FunctionGeneratorSettings::supportedImpedanceChanged);
        {
            FunctionGeneratorSettingsWidget page(settings);
            page.show();
            child<QComboBox>(page, "impedansUnitsComboBox")->setCurrentIndex(1);
            child<QDoubleSpinBox>(page, "impedanceDoubleSpinBox")->setValue(100);
            child<QPushButton>(page, "addImpedanceButton")->click();
            page.hide();
            QCOMPARE(changed.count(), 1);
            QCOMPARE(settings->customImpedanceValues(), Values({100000.0}));
            QVERIFY(!QFile::exists(settings->stateFile()));
        }
        QVERIFY(QFile::exists(settings->stateFile()));
        FunctionGeneratorSettings reread;
        reread.restore();
        QCOMPARE(reread.customImpedanceValues(), Values({100000.0}));
    }

    void goneSettingsAreSkipped()
    {
        auto settings = std::make_shared<FunctionGeneratorSettings>();
        auto page = std::make_unique<FunctionGeneratorSettingsWidget>(settings);
        const QString file = settings->stateFile();
        settings.reset();
        page->show();
        page->hide();
        page.reset();
        QVERIFY(!QFile::exists(file));
    }

    void opensTheWaveformFolder()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        FunctionGeneratorSettingsWidget page(std::make_shared<FunctionGeneratorSettings>());
        child<QPushButton>(page, "openAWDDataFolderPushButton")->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first(),
                 QUrl::fromLocalFile(FunctionGeneratorAwgFilesCollection::dataPath()));
    }
};

QTEST_MAIN(TestFunctionGeneratorSettingsWidget)
#include "tst_functiongeneratorsettingswidget.moc"
