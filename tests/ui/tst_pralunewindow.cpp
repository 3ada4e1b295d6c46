#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/options.h"
#include "app/startup.h"
#include "app/themestylesheet.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "hardware/modulecollection.h"
#include "resources/resourcecollection.h"
#include "resources/resourcecreator.h"
#include "resources/resourceinterface.h"
#include "ui/activeviewcollection.h"
#include "ui/initializationcontentwidget.h"
#include "ui/instrumentscontentwidget.h"
#include "ui/instrumentstoolbarwidget.h"
#include "ui/pinnedviewminiaturebutton.h"
#include "ui/pralunewindow.h"
#include "ui/settingscontentwidget.h"
#include "ui/settingstoolbarwidget.h"
#include "ui/viewbase/viewinterface.h"
#include "ui/viewselectionwidget.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLayout>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

// The simulated search takes 200 ms a module; give it room on a loaded machine.
constexpr int reachTimeoutMs = 15000;

const QColor toolBarBlue(0x21, 0x96, 0xF3);
const QColor errorRed(0xF4, 0x43, 0x36);

QWidget *shownIn(PraluneWindow &window, const char *frameName)
{
    QLayout *layout = window.findChild<QFrame *>(QString::fromLatin1(frameName))->layout();
    return layout->count() > 0 ? layout->itemAt(0)->widget() : nullptr;
}

template<class Page>
bool shows(PraluneWindow &window)
{
    return qobject_cast<Page *>(shownIn(window, "contentFrame"));
}

// What the modules found allow; the Instruments page offers a card for each.
int possibleResources()
{
    ResourceCreator creator;
    int count = 0;
    for (const QString &type : creator.availableTypes())
        count += creator.create(type).size();
    return count;
}

InstrumentsContentWidget *instruments(PraluneWindow &window)
{
    return window.findChild<InstrumentsContentWidget *>();
}

void useOptions(bool autoInitialization, bool restoreArrangement = false)
{
    Options options = load_from_cache();
    options.auto_initialization = autoInitialization;
    options.restore_arrangement = restoreArrangement;
    options.full_screen_on_start = false;
    save_to_cache(options);
}

// Opens the candidate cards one after another, as a person clicks them on the selection page.
void openViews(PraluneWindow &window, int count)
{
    for (int i = 0; i < count; ++i) {
        // Cards of a rebuilt list go on the next turn of the event loop, before a person looks.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *selection = window.findChild<ViewSelectionWidget *>();
        const auto cards = selection->findChildren<PinnedViewMiniatureButton *>();
        QVERIFY(!cards.isEmpty());
        const unsigned active = instruments(window)->activeViews()->size();
        QTest::mouseClick(cards.first(), Qt::LeftButton);
        QCOMPARE(instruments(window)->activeViews()->size(), active + 1);
        if (i + 1 < count) // back to the selection page for the next card
            QTest::mouseClick(window.findChild<QPushButton *>("pinButton"), Qt::LeftButton);
    }
}

struct Entry
{
    QString type;
    QString uniqueId;
    bool maximized;
    bool operator==(const Entry &other) const
    {
        return type == other.type && uniqueId == other.uniqueId && maximized == other.maximized;
    }
};

QVector<Entry> workspace(PraluneWindow &window)
{
    QVector<Entry> entries;
    const ActiveViewCollection *views = instruments(window)->activeViews();
    for (unsigned i = 0; i < views->size(); ++i) {
        const auto view = views->at(i);
        entries.append({view->resource()->type(), view->resource()->uniqueId(),
                        view == views->getMaximizedView()});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.uniqueId < b.uniqueId; });
    return entries;
}

// The colour of the strip where the tool bar leaves it uncovered: the gap before the help
// button.
QColor stripColour(PraluneWindow &window)
{
    auto *help = window.findChild<QPushButton *>("helpPushButton");
    auto *strip = window.findChild<QFrame *>("centralTopFrame");
    const QImage picture = strip->grab().toImage();
    const QPoint gap = help->mapTo(strip, QPoint(-3, help->height() / 2));
    return picture.pixelColor(gap);
}

} // namespace

// Stands in for the desktop's handler of local files.
class FileOpener : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestPraluneWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void autoInitializationReachesInstruments();
    void startsOnInitializationWithoutAutoInitialization();
    void closeStoresGeometryAndArrangementForTheNextStart();
    void errorStripOfTheMaximizedInstrument();
    void settingsPageAndBack();
    void screenMode_data();
    void screenMode();
    void helpOpensTheDocumentation();
    void languageChangeKeepsTheScreenMode();
};

void TestPraluneWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    initPraluneAssets();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QVERIFY(applyThemeStyleSheet(1, 0));
}

void TestPraluneWindow::cleanup()
{
    ResourceCollection::instance()->removeAll();
    ModuleCollection::instance().reset();
    get_cache()->arrangements->setCurrentArrangement(ArrangementState());
}

void TestPraluneWindow::autoInitializationReachesInstruments()
{
    useOptions(true);
    PraluneWindow window;
    QVERIFY(shows<InitializationContentWidget>(window));
    QTRY_VERIFY_WITH_TIMEOUT(shows<InstrumentsContentWidget>(window), reachTimeoutMs);
    QVERIFY(qobject_cast<InstrumentsToolBarWidget *>(shownIn(window, "centralToolBar")));
    QVERIFY(instruments(window)->isVisible());
    QVERIFY(!window.findChild<InitializationContentWidget *>()->isVisible());
    // Every resource of the four demonstration modules is offered, none opened yet.
    QVERIFY(possibleResources() >= 3);
    QCOMPARE(window.findChild<ViewSelectionWidget *>()->count(), possibleResources());
    QCOMPARE(instruments(window)->activeViews()->size(), 0u);
    QCOMPARE(ModuleCollection::instance().count(), 4);
}

void TestPraluneWindow::startsOnInitializationWithoutAutoInitialization()
{
    useOptions(false);
    PraluneWindow window;
    auto *action = window.findChild<QPushButton *>("actionPushButton");
    QTRY_VERIFY_WITH_TIMEOUT(action->isVisible(), reachTimeoutMs);
    QTest::qWait(300);
    QVERIFY(shows<InitializationContentWidget>(window));
    QTest::mouseClick(action, Qt::LeftButton);
    QVERIFY(shows<InstrumentsContentWidget>(window));
    QCOMPARE(window.findChild<ViewSelectionWidget *>()->count(), possibleResources());
}

void TestPraluneWindow::closeStoresGeometryAndArrangementForTheNextStart()
{
    useOptions(true, true);
    QVector<Entry> before;
    QByteArray geometry;
    {
        PraluneWindow window;
        // Larger than any maximized view needs: the power-supply panel alone is 1024 x 600.
        window.setGeometry(40, 50, 1200, 800);
        QTRY_VERIFY_WITH_TIMEOUT(shows<InstrumentsContentWidget>(window), reachTimeoutMs);
        openViews(window, 3);
        before = workspace(window);
        QCOMPARE(before.size(), 3);
        QVERIFY(window.close());
        Startup::writeOptionsBack();
        geometry = window.saveGeometry();
    }

    const QString organization = QString::fromLatin1(Startup::organization);
    const QString application = QString::fromLatin1(Startup::application);
    {
        QSettings store(organization, application);
        QCOMPARE(store.value("mainwindow_geometry").toByteArray(), geometry);
        store.beginGroup("Last used arrangement");
        QVERIFY(!store.childKeys().isEmpty() || !store.childGroups().isEmpty());
    }

    // A new start: the store into the cache, as start-up does.
    ResourceCollection::instance()->removeAll();
    ModuleCollection::instance().reset();
    save_to_cache(load_from_environment(organization, application));
    PraluneWindow second;
    QTRY_VERIFY_WITH_TIMEOUT(instruments(second)->activeViews()->size() == 3u, reachTimeoutMs);
    QCOMPARE(workspace(second), before);
    // Restored pinned views show their miniatures inside their frames, as pinned ones do.
    QTest::qWait(300);
    for (const auto &view : instruments(second)->activeViews()->getPinnedViews()) {
        QWidget *pinned = view->pinnedUserInterface();
        QVERIFY(pinned->isVisible());
        QVERIFY(!pinned->geometry().isEmpty());
        QVERIFY(pinned->parentWidget()->rect().contains(pinned->geometry()));
    }
    QCOMPARE(second.geometry(), QRect(40, 50, 1200, 800));
}

void TestPraluneWindow::errorStripOfTheMaximizedInstrument()
{
    useOptions(true);
    PraluneWindow window;
    window.resize(760, 560);
    QTRY_VERIFY_WITH_TIMEOUT(shows<InstrumentsContentWidget>(window), reachTimeoutMs);
    QCOMPARE(stripColour(window), toolBarBlue);

    openViews(window, 2);
    const auto current = instruments(window)->activeViews()->getMaximizedView();
    current->resource()->setError();
    QVERIFY(window.isErrorState());
    QCOMPARE(stripColour(window), errorRed);

    current->resource()->setError(); // a second error changes nothing
    QCOMPARE(stripColour(window), errorRed);

    // Pinning clears the strip; a new maximized instrument starts blue.
    QTest::mouseClick(window.findChild<QPushButton *>("pinButton"), Qt::LeftButton);
    QVERIFY(!window.isErrorState());
    QCOMPARE(stripColour(window), toolBarBlue);
}

void TestPraluneWindow::settingsPageAndBack()
{
    useOptions(true);
    PraluneWindow window;
    window.resize(760, 560);
    QTRY_VERIFY_WITH_TIMEOUT(shows<InstrumentsContentWidget>(window), reachTimeoutMs);
    openViews(window, 1);

    QTest::mouseClick(window.findChild<QPushButton *>("settingsButton"), Qt::LeftButton);
    QVERIFY(shows<SettingsContentWidget>(window));
    QVERIFY(qobject_cast<SettingsToolBarWidget *>(shownIn(window, "centralToolBar")));

    // An error while the settings are open is remembered, not shown.
    instruments(window)->activeViews()->getMaximizedView()->resource()->setError();
    QVERIFY(window.isErrorState());
    QCOMPARE(stripColour(window), toolBarBlue);

    auto *back = window.findChild<SettingsToolBarWidget *>()->findChild<QPushButton *>();
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(shows<InstrumentsContentWidget>(window));
    QCOMPARE(stripColour(window), errorRed);
    QCOMPARE(instruments(window)->activeViews()->size(), 1u);
}

void TestPraluneWindow::screenMode_data()
{
    QTest::addColumn<bool>("fullScreenOnStart");
    QTest::newRow("window") << false;
    QTest::newRow("full screen") << true;
}

void TestPraluneWindow::screenMode()
{
    QFETCH(bool, fullScreenOnStart);
    Options options = load_from_cache();
    options.full_screen_on_start = fullScreenOnStart;
    options.auto_initialization = false;
    save_to_cache(options);

    PraluneWindow window;
    auto *button = window.findChild<QPushButton *>("screenModeButton");
    const auto expect = [&](bool fullScreen) {
        QCOMPARE(window.isFullScreen(), fullScreen);
        QCOMPARE(button->text(), QString(QChar(fullScreen ? 0xE85B : 0xE895)));
        QCOMPARE(button->toolTip(),
                 fullScreen ? QString("Return to window view")
                            : QString("Maximize application to full screen"));
    };
    QVERIFY(window.isVisible());
    expect(fullScreenOnStart);
    QTest::mouseClick(button, Qt::LeftButton);
    expect(!fullScreenOnStart);
    QTest::mouseClick(button, Qt::LeftButton);
    expect(fullScreenOnStart);
}

void TestPraluneWindow::helpOpensTheDocumentation()
{
    useOptions(false);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    FileOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");

    PraluneWindow window;
    auto *help = window.findChild<QPushButton *>("helpPushButton");
    QTest::mouseClick(help, Qt::LeftButton);
    QVERIFY(opener.opened.isEmpty()); // no file, nothing opened

    QFile file(QStringLiteral("Documentation.pdf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
    file.close();
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(opener.opened.size(), 1);
    const QUrl url = opener.opened.first();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url, QUrl::fromLocalFile(QDir(folder.path()).absoluteFilePath("Documentation.pdf")));

    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(QDir::setCurrent(previous));
}

void TestPraluneWindow::languageChangeKeepsTheScreenMode()
{
    Options options = load_from_cache();
    options.full_screen_on_start = true;
    options.auto_initialization = false;
    options.app_language = QStringLiteral("en");
    save_to_cache(options);
    PraluneWindow window;
    auto *button = window.findChild<QPushButton *>("screenModeButton");

    TranslationLoader::instance()->load(QStringLiteral("ru"));
    QCoreApplication::processEvents(); // the language change reaches the widgets posted
    QVERIFY(window.isFullScreen());
    QCOMPARE(button->text(), QString(QChar(0xE85B)));
    QCOMPARE(button->toolTip(), QString::fromUtf8("Вернуться в оконный режим"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->toolTip(), QString::fromUtf8("Развернуть программу на весь экран"));

    TranslationLoader::instance()->load(QStringLiteral("en"));
    QCoreApplication::processEvents();
    QVERIFY(!window.isFullScreen());
    QCOMPARE(button->toolTip(), QString("Maximize application to full screen"));
    QCOMPARE(window.windowTitle(), QString("Pralune"));
}

QTEST_MAIN(TestPraluneWindow)
#include "tst_pralunewindow.moc"
