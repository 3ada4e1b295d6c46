#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/options.h"
#include "app/praluneversion.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "ui/settingscontentwidget.h"
#include "vekwidgets/vekdoubleswitch.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

ArrangementState workspace(const QString &name)
{
    ArrangementState state;
    state.addResourceInformation(QStringLiteral("Digital Oscilloscope"), name + "-id", true, name);
    return state;
}

// A cache record as start-up leaves it: light theme, standard font, English, and a fresh
// collection whose current workspace holds one view; `saved` named arrangements behind it.
Options freshOptions(int saved = 0)
{
    Options options;
    options.app_language = QStringLiteral("en");
    options.color_theme = 1;
    options.font_type = 0;
    options.arrangement_index = 0;
    options.arrangements = std::make_shared<ArrangementsCollection>();
    for (int i = 1; i <= saved; ++i) {
        options.arrangements->setCurrentArrangement(workspace(QStringLiteral("saved%1").arg(i)));
        options.arrangements->saveCurrent();
    }
    options.arrangements->setCurrentArrangement(workspace(QStringLiteral("HX2")));
    return options;
}

QString sheet(const QString &name)
{
    QFile file(QStringLiteral(":/stylesheets/%1.theme").arg(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

template<typename T>
T *child(QWidget &page, const char *name)
{
    T *found = page.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

VekDoubleSwitch *doubleSwitch(QWidget &page, const char *name)
{
    return child<VekDoubleSwitch>(page, name);
}

// The switch's own buttons, position 0 first, are the ones a person presses.
void press(VekDoubleSwitch *control, int position)
{
    const QList<QPushButton *> buttons = control->findChildren<QPushButton *>();
    QTest::mouseClick(buttons.at(position), Qt::LeftButton);
}

void pressOther(VekDoubleSwitch *control)
{
    press(control, control->state() == 0 ? 1 : 0);
}

QPushButton *button(QWidget &page, const char *name)
{
    return child<QPushButton>(page, name);
}

QListWidget *navigation(QWidget &page)
{
    return child<QListWidget>(page, "navigationListWidget");
}

QStackedWidget *stack(QWidget &page)
{
    return child<QStackedWidget>(page, "viewSettingsStackedWidget");
}

QListView *arrangementList(QWidget &page)
{
    return child<QListView>(page, "arrangementListView");
}

void clickRow(QListView *list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

void clickNavigation(QWidget &page, int row)
{
    QListWidget *list = navigation(page);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

// The arrangements sit on the "Pralune" entry's page.
void openArrangements(QWidget &page)
{
    page.show();
    clickNavigation(page, 0);
}

QStringList savedNames()
{
    const std::shared_ptr<ArrangementsCollection> collection = load_from_cache().arrangements;
    QStringList names;
    for (int i = 1; i < collection->count(); ++i)
        names << collection->name(i);
    return names;
}

// What the eight option controls store, in one comparable line.
QString scalars(const Options &o)
{
    return QStringLiteral("auto=%1 full=%2 theme=%3 font=%4 lang=%5 keyboard=%6 index=%7 "
                          "restore=%8")
            .arg(o.auto_initialization)
            .arg(o.full_screen_on_start)
            .arg(o.color_theme)
            .arg(o.font_type)
            .arg(o.app_language)
            .arg(o.virtual_keyboard)
            .arg(o.arrangement_index)
            .arg(o.restore_arrangement);
}

void switchLanguage(const QString &language)
{
    TranslationLoader::instance()->load(language);
    QCoreApplication::processEvents();
}

} // namespace

class TestSettingsPage : public QObject
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
        save_to_cache(freshOptions());
        switchLanguage(QStringLiteral("en"));
        qApp->setStyleSheet(QString());
    }

    void cleanup()
    {
        switchLanguage(QStringLiteral("en"));
        qApp->setStyleSheet(QString());
    }

    void styleSwitches_data()
    {
        QTest::addColumn<int>("themePosition");
        QTest::addColumn<int>("fontPosition");
        QTest::addColumn<QString>("expectedSheet");
        QTest::addColumn<int>("colorTheme");
        QTest::addColumn<int>("fontType");
        QTest::newRow("dark") << 1 << 0 << "dark" << 0 << 0;
        QTest::newRow("large font") << 0 << 1 << "light_large" << 1 << 1;
        QTest::newRow("dark and large") << 1 << 1 << "dark_large" << 0 << 1;
    }

    void styleSwitches()
    {
        QFETCH(int, themePosition);
        QFETCH(int, fontPosition);
        QFETCH(QString, expectedSheet);
        QFETCH(int, colorTheme);
        QFETCH(int, fontType);

        SettingsContentWidget page;
        page.show();
        // Light and standard are what the cache holds, so the page shows them.
        QCOMPARE(doubleSwitch(page, "themeSwitch")->state(), 0);
        QCOMPARE(doubleSwitch(page, "fontSwitch")->state(), 0);
        QVERIFY(qApp->styleSheet().isEmpty());

        press(doubleSwitch(page, "themeSwitch"), themePosition);
        press(doubleSwitch(page, "fontSwitch"), fontPosition);
        QCOMPARE(qApp->styleSheet(), sheet(expectedSheet));
        QVERIFY(!qApp->styleSheet().isEmpty());
        QCOMPARE(load_from_cache().color_theme, colorTheme);
        QCOMPARE(load_from_cache().font_type, fontType);

        // Back to light standard: the sheet follows again.
        press(doubleSwitch(page, "themeSwitch"), 0);
        press(doubleSwitch(page, "fontSwitch"), 0);
        QCOMPARE(qApp->styleSheet(), sheet(QStringLiteral("light")));
    }

    void restartOnlyOptionsApplyNothing()
    {
        SettingsContentWidget page;
        page.show();
        qApp->setStyleSheet(QStringLiteral("QWidget { color: red; }"));
        pressOther(doubleSwitch(page, "virtualKeyboardSwitch"));
        pressOther(doubleSwitch(page, "fullScreenSwitch"));
        pressOther(doubleSwitch(page, "automaticInitializeDoubleSwitch"));
        QCOMPARE(qApp->styleSheet(), QStringLiteral("QWidget { color: red; }"));
        const Options options = load_from_cache();
        QVERIFY(options.virtual_keyboard);
        QVERIFY(options.full_screen_on_start);
        QVERIFY(options.auto_initialization);
    }

    // Each control's change writes all eight fields from the controls, so values put into the
    // cache behind the page's back are replaced by what the page shows.
    void oneChangeStoresAllFields_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        // The page shows: auto on, full screen off, light, standard, English, keyboard on,
        // arrangement 1, restore on; each row changes one control.
        const auto row = [](const char *name, const char *control, void (*change)(Options &)) {
            Options o;
            o.auto_initialization = true;
            o.full_screen_on_start = false;
            o.color_theme = 1;
            o.font_type = 0;
            o.app_language = QStringLiteral("en");
            o.virtual_keyboard = true;
            o.arrangement_index = 1;
            o.restore_arrangement = true;
            change(o);
            QTest::newRow(name) << QString(control) << scalars(o);
        };
        row("automatic initialization", "automaticInitializeDoubleSwitch",
            [](Options &o) { o.auto_initialization = false; });
        row("full screen", "fullScreenSwitch", [](Options &o) { o.full_screen_on_start = true; });
        row("theme", "themeSwitch", [](Options &o) { o.color_theme = 0; });
        row("font", "fontSwitch", [](Options &o) { o.font_type = 1; });
        row("language", "languageComboBox", [](Options &o) { o.app_language = "ru"; });
        row("virtual keyboard", "virtualKeyboardSwitch",
            [](Options &o) { o.virtual_keyboard = false; });
        row("default arrangement", "arrangementComboBox",
            [](Options &o) { o.arrangement_index = 2; });
        row("restore on start", "restoreArrangementDoubleSwitch",
            [](Options &o) { o.restore_arrangement = false; });
    }

    void oneChangeStoresAllFields()
    {
        QFETCH(QString, control);
        QFETCH(QString, expected);

        Options shown = freshOptions(2);
        shown.auto_initialization = true;
        shown.virtual_keyboard = true;
        shown.arrangement_index = 1;
        shown.restore_arrangement = true;
        save_to_cache(shown);
        SettingsContentWidget page;
        page.show();

        Options behind = load_from_cache();
        behind.auto_initialization = false;
        behind.full_screen_on_start = true;
        behind.color_theme = 0;
        behind.font_type = 1;
        behind.app_language = QStringLiteral("ru");
        behind.virtual_keyboard = false;
        behind.arrangement_index = 0;
        behind.restore_arrangement = false;
        save_to_cache(behind);

        QWidget *widget = page.findChild<QWidget *>(control);
        QVERIFY(widget);
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
        else
            pressOther(qobject_cast<VekDoubleSwitch *>(widget));
        QCOMPARE(scalars(load_from_cache()), expected);
    }

    void valuesOutsideTheTable()
    {
        Options options = freshOptions();
        options.color_theme = 5;
        options.font_type = 7;
        options.app_language = QStringLiteral("RU");
        save_to_cache(options);
        SettingsContentWidget page;
        page.show();
        QCOMPARE(doubleSwitch(page, "themeSwitch")->state(), 1);
        QCOMPARE(doubleSwitch(page, "fontSwitch")->state(), 1);
        QCOMPARE(child<QComboBox>(page, "languageComboBox")->currentText(),
                 QStringLiteral("English"));

        pressOther(doubleSwitch(page, "virtualKeyboardSwitch"));
        const Options stored = load_from_cache();
        QCOMPARE(stored.color_theme, 0);
        QCOMPARE(stored.font_type, 1);
        QCOMPARE(stored.app_language, QStringLiteral("en"));
        // The store counted 5 -> 0 and 7 -> 1 as a change of style.
        QCOMPARE(qApp->styleSheet(), sheet(QStringLiteral("dark_large")));
    }

    void navigationRows()
    {
        SettingsContentWidget page;
        page.resize(1000, 600);
        page.show();
        QListWidget *list = navigation(page);
        QCOMPARE(list->count(), 5);
        const QStringList texts = {"Pralune", "Screen layout", "", "Digital Oscilloscope",
                                   "Function Generator"};
        const QStringList keys = {"Pralune", "Screen layout", "", "Digital Oscilloscope",
                                  "Function Generator"};
        for (int row = 0; row < list->count(); ++row) {
            QCOMPARE(list->item(row)->text(), texts.at(row));
            QCOMPARE(list->item(row)->data(Qt::UserRole).toString(), keys.at(row));
        }
        QVERIFY(!(list->item(2)->flags() & Qt::ItemIsEnabled));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(stack(page)->currentWidget(), child<QWidget>(page, "screenLayoutPage"));

        clickNavigation(page, 0);
        QCOMPARE(stack(page)->currentWidget(), child<QWidget>(page, "pralunePage"));
        clickNavigation(page, 2);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(stack(page)->currentWidget(), child<QWidget>(page, "pralunePage"));

        // The view rows show the views' own settings widgets.
        clickNavigation(page, 3);
        QLabel *oscilloscope = stack(page)->currentWidget()->findChild<QLabel *>();
        QVERIFY(oscilloscope);
        QCOMPARE(oscilloscope->text(), QStringLiteral("Digital Oscilloscope"));
        clickNavigation(page, 4);
        QCOMPARE(stack(page)->currentWidget()->findChild<QLabel *>()->text(),
                 QStringLiteral("Function Generator"));
        clickNavigation(page, 1);
        QCOMPARE(stack(page)->currentWidget(), child<QWidget>(page, "screenLayoutPage"));

        // The key overload and hidden rows: the rows stay, only hidden.
        page.navigate(QStringLiteral("Function Generator"));
        QCOMPARE(stack(page)->currentWidget()->findChild<QLabel *>()->text(),
                 QStringLiteral("Function Generator"));
        page.removeNavigation(QStringLiteral("Digital Oscilloscope"));
        QVERIFY(list->item(3)->isHidden());
        page.addNavigation(QStringLiteral("Digital Oscilloscope"), QStringLiteral("Scope"));
        QVERIFY(!list->item(3)->isHidden());
        QCOMPARE(list->item(3)->text(), QStringLiteral("Scope"));
        QCOMPARE(list->count(), 5);
    }

    // The list is measured again under every new sheet and language: its longest row fits.
    // The list's own rules fix its size; the dark large sheet makes it bold.
    void navigationFitsAfterEveryChange_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("language");
        QTest::newRow("light to dark large") << "light"
                                             << "dark_large"
                                             << "en";
        QTest::newRow("light to dark large, then Russian") << "light"
                                                           << "dark_large"
                                                           << "ru";
        QTest::newRow("Russian, then light to dark large") << "light"
                                                           << "dark_large"
                                                           << "ru-first";
        QTest::newRow("no sheet to bold") << ""
                                          << "* { font-weight: bold; }"
                                          << "en";
    }

    void navigationFitsAfterEveryChange()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, language);
        const auto sheetText = [](const QString &name) {
            return name.contains(QLatin1Char('{')) ? name : sheet(name);
        };
        qApp->setStyleSheet(sheetText(from));
        SettingsContentWidget page;
        page.resize(1000, 600);
        page.show();
        QListWidget *list = navigation(page);
        if (language == QLatin1String("ru-first"))
            switchLanguage(QStringLiteral("ru"));
        qApp->setStyleSheet(sheetText(to));
        if (language == QLatin1String("ru"))
            switchLanguage(QStringLiteral("ru"));
        QCoreApplication::processEvents();

        QVERIFY(list->font().bold());
        const QFontMetrics metrics(list->font());
        int widest = 0;
        for (int row = 0; row < list->count(); ++row)
            widest = qMax(widest, metrics.horizontalAdvance(list->item(row)->text()));
        QVERIFY(widest > 0);
        QVERIFY2(list->minimumWidth() >= widest + 2 * list->frameWidth(),
                 qPrintable(QStringLiteral("%1 < %2").arg(list->minimumWidth()).arg(widest)));
        QVERIFY(list->width() >= list->minimumWidth());
    }

    void languageChangeRetranslates()
    {
        SettingsContentWidget page;
        page.show();
        press(doubleSwitch(page, "themeSwitch"), 1);
        clickNavigation(page, 0);
        auto *language = child<QComboBox>(page, "languageComboBox");
        QCOMPARE(language->currentText(), QStringLiteral("English"));

        language->setCurrentIndex(0);
        QCoreApplication::processEvents();
        QCOMPARE(TranslationLoader::instance()->currentLanguage(), QStringLiteral("ru"));
        QCOMPARE(load_from_cache().app_language, QStringLiteral("ru"));

        QListWidget *list = navigation(page);
        QCOMPARE(list->count(), 5);
        int separators = 0;
        for (int row = 0; row < list->count(); ++row)
            separators += list->item(row)->text().isEmpty() ? 1 : 0;
        QCOMPARE(separators, 1);
        QCOMPARE(list->item(1)->text(), QString::fromUtf8("Экран"));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(stack(page)->currentWidget(), child<QWidget>(page, "screenLayoutPage"));
        QCOMPARE(child<QLabel>(page, "versionLabel")->text(),
                 QString::fromUtf8("Версия: ") + QStringLiteral(PRALUNE_VERSION));
        QCOMPARE(button(page, "saveArrangementButton")->text(),
                 QString::fromUtf8("Сохранить текущую компоновку"));
        // Renamed positions, same theme; the language items are never translated.
        auto *theme = doubleSwitch(page, "themeSwitch");
        QCOMPARE(theme->state(), 1);
        QCOMPARE(theme->switchLabels(),
                 QStringList({QString::fromUtf8("Светлая"), QString::fromUtf8("Тёмная")}));
        QCOMPARE(language->itemText(0), QString::fromUtf8("Русский"));
        QCOMPARE(language->itemText(1), QStringLiteral("English"));
        QCOMPARE(language->currentIndex(), 0);
        QCOMPARE(load_from_cache().color_theme, 0);

        language->setCurrentIndex(1);
        QCoreApplication::processEvents();
        QCOMPARE(TranslationLoader::instance()->currentLanguage(), QStringLiteral("en"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Screen layout"));
        QCOMPARE(child<QLabel>(page, "versionLabel")->text(),
                 QStringLiteral("Version: " PRALUNE_VERSION));
    }

    void choosingTheLoadedLanguageLoadsNothing()
    {
        SettingsContentWidget page;
        page.show();
        QCoreApplication::processEvents();
        // Any other change stores "en" again; no language-change event reaches the page.
        QSignalSpy rows(navigation(page), &QListWidget::currentRowChanged);
        clickNavigation(page, 0);
        rows.clear();
        pressOther(doubleSwitch(page, "fullScreenSwitch"));
        QCoreApplication::processEvents();
        QCOMPARE(load_from_cache().app_language, QStringLiteral("en"));
        QCOMPARE(rows.count(), 0);
        QCOMPARE(navigation(page)->currentRow(), 0);
    }

    void saveLimit()
    {
        save_to_cache(freshOptions(19));
        SettingsContentWidget page;
        openArrangements(page);
        QPushButton *save = button(page, "saveArrangementButton");
        QCOMPARE(arrangementList(page)->model()->rowCount(), 20);
        QVERIFY(save->isEnabled());

        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(arrangementList(page)->model()->rowCount(), 21);
        QCOMPARE(savedNames().last(), QStringLiteral("HX2"));
        QVERIFY(!save->isEnabled());

        clickRow(arrangementList(page), 5);
        QTest::mouseClick(button(page, "removeArrangementButton"), Qt::LeftButton);
        QCOMPARE(arrangementList(page)->model()->rowCount(), 20);
        QVERIFY(!savedNames().contains(QStringLiteral("saved5")));
        QVERIFY(save->isEnabled());
    }

    void savingAnEmptyWorkspaceAddsNothing()
    {
        Options options = freshOptions(1);
        options.arrangements->setCurrentArrangement(ArrangementState());
        save_to_cache(options);
        SettingsContentWidget page;
        openArrangements(page);
        QTest::mouseClick(button(page, "saveArrangementButton"), Qt::LeftButton);
        QCOMPARE(savedNames(), QStringList({"saved1"}));
        QVERIFY(button(page, "saveArrangementButton")->isEnabled());
    }

    void applyAndRemoveNeedASelection()
    {
        save_to_cache(freshOptions(3));
        SettingsContentWidget page;
        openArrangements(page);
        QPushButton *apply = button(page, "applyArrangementButton");
        QPushButton *remove = button(page, "removeArrangementButton");
        QVERIFY(!apply->isEnabled());
        QVERIFY(!remove->isEnabled());
        // The last-used row is not offered in the list.
        QVERIFY(arrangementList(page)->isRowHidden(0));

        clickRow(arrangementList(page), 2);
        QVERIFY(apply->isEnabled());
        QVERIFY(remove->isEnabled());
        arrangementList(page)->selectionModel()->clearSelection();
        QVERIFY(!apply->isEnabled());
        QVERIFY(!remove->isEnabled());
    }

    void applyTakesTheFirstOfTheSelection()
    {
        save_to_cache(freshOptions(3));
        SettingsContentWidget page;
        openArrangements(page);
        const std::shared_ptr<ArrangementsCollection> collection = load_from_cache().arrangements;
        QSignalSpy changed(collection.get(), &ArrangementsCollection::currentArrangementChanged);

        clickRow(arrangementList(page), 3);
        clickRow(arrangementList(page), 1, Qt::ControlModifier);
        QTest::mouseClick(button(page, "applyArrangementButton"), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(collection->currentArrangement(), workspace(QStringLiteral("saved3")));

        // Applying what is already current announces nothing.
        QTest::mouseClick(button(page, "applyArrangementButton"), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
    }

    void removeSelectedFromTheHighest()
    {
        Options options = freshOptions(6);
        options.arrangement_index = 6;
        save_to_cache(options);
        SettingsContentWidget page;
        openArrangements(page);
        auto *combo = child<QComboBox>(page, "arrangementComboBox");
        QCOMPARE(combo->currentText(), QStringLiteral("saved6"));

        const std::shared_ptr<ArrangementsCollection> collection = load_from_cache().arrangements;
        QList<int> removedBefore;
        auto *model = arrangementList(page)->model();
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [&](const QModelIndex &, int first, int) { removedBefore << first; });
        clickRow(arrangementList(page), 2);
        clickRow(arrangementList(page), 5, Qt::ControlModifier);
        clickRow(arrangementList(page), 3, Qt::ControlModifier);
        QTest::mouseClick(button(page, "removeArrangementButton"), Qt::LeftButton);

        QCOMPARE(removedBefore, QList<int>({5, 3, 2}));
        QCOMPARE(savedNames(), QStringList({"saved1", "saved4", "saved6"}));
        // The default stays on its arrangement, and its new row is what is stored.
        QCOMPARE(combo->currentText(), QStringLiteral("saved6"));
        QCOMPARE(load_from_cache().arrangement_index, 3);
    }

    void renameInPlace()
    {
        save_to_cache(freshOptions(2));
        SettingsContentWidget page;
        openArrangements(page);
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QListView *list = arrangementList(page);
        clickRow(list, 2);
        QTest::keyClick(list, Qt::Key_F2);
        auto *editor = list->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("bench A"));
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits on its next turn of the event loop.
        QTRY_COMPARE(savedNames(), QStringList({"saved1", "bench A"}));
        QCOMPARE(child<QComboBox>(page, "arrangementComboBox")->itemText(2),
                 QStringLiteral("bench A"));
    }

    void arrangementIndexNeverBelowZero_data()
    {
        QTest::addColumn<int>("cachedIndex");
        QTest::newRow("negative") << -1;
        QTest::newRow("beyond the rows") << 7;
    }

    void arrangementIndexNeverBelowZero()
    {
        QFETCH(int, cachedIndex);
        Options options = freshOptions(2);
        options.arrangement_index = cachedIndex;
        save_to_cache(options);
        SettingsContentWidget page;
        openArrangements(page);
        auto *combo = child<QComboBox>(page, "arrangementComboBox");
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(load_from_cache().arrangement_index, 0);

        pressOther(doubleSwitch(page, "fullScreenSwitch"));
        QCOMPARE(load_from_cache().arrangement_index, 0);

        // Removing the default arrangement itself moves the default to a row that exists.
        combo->setCurrentIndex(2);
        QCOMPARE(load_from_cache().arrangement_index, 2);
        clickRow(arrangementList(page), 2);
        QTest::mouseClick(button(page, "removeArrangementButton"), Qt::LeftButton);
        const int stored = load_from_cache().arrangement_index;
        QVERIFY(stored >= 0);
        QVERIFY(stored < combo->count());
        QCOMPARE(stored, combo->currentIndex());
    }

    // The Initialization page stores automatic initialization itself; coming back to the
    // Settings page must show that, not write back the old position.
    void refreshOnShow()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *page = new SettingsContentWidget(&window);
        layout->addWidget(page);
        window.show();
        QCOMPARE(doubleSwitch(*page, "automaticInitializeDoubleSwitch")->state(), 1);
        page->hide();

        Options elsewhere = load_from_cache();
        elsewhere.auto_initialization = true;
        elsewhere.full_screen_on_start = true;
        save_to_cache(elsewhere);

        page->show();
        QCOMPARE(doubleSwitch(*page, "automaticInitializeDoubleSwitch")->state(), 0);
        QCOMPARE(doubleSwitch(*page, "fullScreenSwitch")->state(), 0);
        // Showing stored nothing and applied nothing.
        QVERIFY(qApp->styleSheet().isEmpty());

        press(doubleSwitch(*page, "themeSwitch"), 1);
        const Options stored = load_from_cache();
        QVERIFY(stored.auto_initialization);
        QVERIFY(stored.full_screen_on_start);
        QCOMPARE(stored.color_theme, 0);
    }

    // The views own their settings widgets while the page's stack holds them: going, the page
    // takes the views and their widgets with it, each deleted once (the sanitizer build sees a
    // second delete).
    void destroyedWithItsViews()
    {
        auto page = std::make_unique<SettingsContentWidget>();
        page->show();
        clickNavigation(*page, 3);
        const QPointer<QWidget> oscilloscopeSettings = stack(*page)->currentWidget();
        clickNavigation(*page, 4);
        const QPointer<QWidget> generatorSettings = stack(*page)->currentWidget();
        const QPointer<QStackedWidget> pages = stack(*page);
        const QPointer<QListWidget> rows = navigation(*page);
        QVERIFY(oscilloscopeSettings && generatorSettings);
        QVERIFY(oscilloscopeSettings != generatorSettings);
        QVERIFY(oscilloscopeSettings->findChild<QLabel *>());
        QVERIFY(pages->indexOf(oscilloscopeSettings) >= 0);

        page.reset();
        QVERIFY(!oscilloscopeSettings);
        QVERIFY(!generatorSettings);
        QVERIFY(!pages);
        QVERIFY(!rows);
    }

    // Not a check: pictures of the page for a person to look at.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        struct Shot
        {
            int theme;
            int font;
            QString language;
            QString name;
        };
        const QList<Shot> shots = {{0, 0, "en", "dark"},          {1, 0, "en", "light"},
                                   {0, 0, "ru", "dark-ru"},       {1, 0, "ru", "light-ru"},
                                   {0, 1, "ru", "dark-large-ru"}, {1, 1, "en", "light-large"}};
        for (const Shot &shot : shots) {
            Options options = freshOptions(3);
            options.color_theme = shot.theme;
            options.font_type = shot.font;
            options.app_language = shot.language;
            options.restore_arrangement = true;
            options.arrangement_index = 2;
            save_to_cache(options);
            qApp->setStyleSheet(sheet(QString(shot.theme == 0 ? "dark" : "light")
                                      + (shot.font == 1 ? "_large" : "")));
            // The page sits centred in the main window's content frame, at most 1000 wide.
            QWidget window;
            window.setProperty("main", true);
            auto *layout = new QVBoxLayout(&window);
            layout->setContentsMargins(0, 0, 0, 0);
            auto *page = new SettingsContentWidget(&window);
            layout->addWidget(page);
            window.resize(1280, 800);
            window.show();
            QCoreApplication::processEvents();
            QTest::qWait(50);
            window.grab().save(dir + "/settings-screen-" + shot.name + ".png");
            clickNavigation(*page, 0);
            clickRow(arrangementList(*page), 2);
            QTest::qWait(50);
            window.grab().save(dir + "/settings-pralune-" + shot.name + ".png");
            clickNavigation(*page, 3);
            QTest::qWait(50);
            window.grab().save(dir + "/settings-oscilloscope-" + shot.name + ".png");
        }
    }
};

QTEST_MAIN(TestSettingsPage)
#include "tst_settingspage.moc"
