#include "views/oscilloscope/cursors/cursorevaluationwidget.h"

#include "support/screenshotstyles.h"

#include "app/options.h"
#include "assets/assets.h"
#include "views/oscilloscope/cursors/manualcursor.h"
#include "views/oscilloscope/valuemarker.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QStandardPaths>
#include <QTest>

namespace {

QStringList texts(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("text %1").arg(i);
    return list;
}

QGridLayout *grid(CursorEvaluationWidget &panel)
{
    return qobject_cast<QGridLayout *>(panel.layout());
}

// What sits in each grid cell: "text i", "square" (a pixmap label) or "line", with its span.
QMap<QPair<int, int>, QString> cells(CursorEvaluationWidget &panel)
{
    QMap<QPair<int, int>, QString> found;
    QGridLayout *layout = grid(panel);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        layout->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        QWidget *widget = layout->itemAt(i)->widget();
        QString what;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            what = !label->pixmap(Qt::ReturnByValue).isNull() ? QStringLiteral("square")
                                                              : label->text();
        } else if (widget && widget->property("line").toBool()) {
            what = QStringLiteral("line %1x%2").arg(rowSpan).arg(columnSpan);
        }
        found.insert({row, column}, what);
    }
    return found;
}

QLabel *labelAt(CursorEvaluationWidget &panel, int row, int column)
{
    QLayoutItem *item = grid(panel)->itemAtPosition(row, column);
    return item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
}

QColor squareColour(CursorEvaluationWidget &panel, int row)
{
    QLabel *square = labelAt(panel, row, 0);
    return square ? square->pixmap(Qt::ReturnByValue).toImage().pixelColor(2, 2) : QColor();
}

void setTheme(int theme)
{
    Options options = load_from_cache();
    options.color_theme = theme;
    save_to_cache(options);
}

} // namespace

class TestCursorEvaluationWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void layoutOfTexts_data();
    void layoutOfTexts();
    void sameCountKeepsLabels();
    void themeRecoloursWithoutRebuild();
    void sourceWithoutColourIsHarmless();
    void screenshots();
};

void TestCursorEvaluationWidget::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    initPraluneAssets();
}

void TestCursorEvaluationWidget::init()
{
    setTheme(1);
}

void TestCursorEvaluationWidget::layoutOfTexts_data()
{
    using Cells = QMap<QPair<int, int>, QString>;
    QTest::addColumn<int>("count");
    QTest::addColumn<Cells>("expected");

    QTest::newRow("one text: one square, no line")
            << 1 << Cells({{{0, 0}, "square"}, {{0, 1}, "text 0"}});
    QTest::newRow("four texts: two pairs, one line") << 4
                                                     << Cells({{{0, 0}, "square"},
                                                               {{1, 0}, "square"},
                                                               {{0, 1}, "text 0"},
                                                               {{1, 1}, "text 1"},
                                                               {{0, 2}, "line 2x1"},
                                                               {{0, 3}, "text 2"},
                                                               {{1, 3}, "text 3"}});
    QTest::newRow("five texts: last pair half filled") << 5
                                                       << Cells({{{0, 0}, "square"},
                                                                 {{1, 0}, "square"},
                                                                 {{0, 1}, "text 0"},
                                                                 {{1, 1}, "text 1"},
                                                                 {{0, 2}, "line 2x1"},
                                                                 {{0, 3}, "text 2"},
                                                                 {{1, 3}, "text 3"},
                                                                 {{0, 4}, "line 2x1"},
                                                                 {{0, 5}, "text 4"}});
}

void TestCursorEvaluationWidget::layoutOfTexts()
{
    using Cells = QMap<QPair<int, int>, QString>;
    QFETCH(int, count);
    QFETCH(Cells, expected);

    CursorEvaluationWidget panel;
    QCOMPARE(panel.layout()->contentsMargins(), QMargins(4, 0, 0, 0));
    // A longer list first: the rebuild must leave nothing of it behind.
    panel.setEvaluationList(texts(6));
    panel.setEvaluationList(texts(count));
    QCOMPARE(cells(panel), expected);
    QCOMPARE(grid(panel)->sizeConstraint(), QLayout::SetFixedSize);
    QLabel *first = labelAt(panel, 0, 1);
    QVERIFY(first->minimumSize().width() >= 25 && first->minimumSize().height() >= 25);
    QCOMPARE(labelAt(panel, 0, 0)->pixmap(Qt::ReturnByValue).size(), QSize(5, 5));
}

void TestCursorEvaluationWidget::sameCountKeepsLabels()
{
    CursorEvaluationWidget panel;
    panel.setEvaluationList(texts(4));
    QLabel *before = labelAt(panel, 1, 3);
    QLabel *square = labelAt(panel, 0, 0);
    panel.setEvaluationList({"a", "b", "c", "d"});
    QCOMPARE(labelAt(panel, 1, 3), before);
    QCOMPARE(labelAt(panel, 0, 0), square);
    QCOMPARE(before->text(), QStringLiteral("d"));
}

void TestCursorEvaluationWidget::themeRecoloursWithoutRebuild()
{
    CursorEvaluationWidget panel;
    panel.setSource({1, 2});
    panel.setEvaluationList(texts(4));
    QLabel *square = labelAt(panel, 0, 0);
    QCOMPARE(squareColour(panel, 0), QColor("#2196f3"));
    QCOMPARE(squareColour(panel, 1), QColor("#4DBD33"));

    setTheme(0);
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(&panel, &styleChange);
    QCOMPARE(labelAt(panel, 0, 0), square);
    QCOMPARE(squareColour(panel, 0), QColor("#FF00FF"));
    QCOMPARE(squareColour(panel, 1), QColor("#00FF00"));

    panel.setSource({0, 0});
    QCOMPARE(squareColour(panel, 1), QColor("#FFFF00"));
}

void TestCursorEvaluationWidget::sourceWithoutColourIsHarmless()
{
    // The settings window sends -1 while its source lists are empty.
    CursorEvaluationWidget panel;
    panel.setEvaluationList(texts(4));
    panel.setSource({-1, 3});
    QCOMPARE(squareColour(panel, 0), QColor("#F44336"));
    panel.setEvaluationList(texts(3));
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(&panel, &styleChange);
    panel.setColorsLight({"#000000"});
    panel.setSource({0, 1});
    QCOMPARE(squareColour(panel, 0), QColor("#000000"));
}

// Not a check: the panel with a manual cursor's readout, for a person to look at.
void TestCursorEvaluationWidget::screenshots()
{
    const QString dir = screenshotDirectory();
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    for (const ScreenshotStyle &style : screenshotStyles()) {
        applyScreenshotStyle(style);
        QWidget page;
        page.setProperty("main", true);
        auto *layout = new QVBoxLayout(&page);
        auto *panel = new CursorEvaluationWidget;
        layout->addWidget(panel);
        ManualCursor cursor;
        connect(&cursor, &CursorInterface::descriptionChanged, panel,
                &CursorEvaluationWidget::setEvaluationList);
        CursorData data;
        data.offsets = {0.25, -0.5, 0.0};
        cursor.setData(data);
        cursor.setSource({0, 1});
        panel->setSource({0, 1});
        cursor.verticalCursors().at(0).first->setValue(-0.00125);
        cursor.verticalCursors().at(1).first->setValue(0.0031);
        cursor.horizontalCursors().at(0).first->setValue(1.2);
        cursor.horizontalCursors().at(1).first->setValue(-0.75);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCoreApplication::processEvents();
        page.grab().save(QStringLiteral("%1/cursor-readings-%2.png").arg(dir, style.suffix()));
    }
    resetScreenshotStyle();
}

QTEST_MAIN(TestCursorEvaluationWidget)
#include "tst_cursorevaluationwidget.moc"
