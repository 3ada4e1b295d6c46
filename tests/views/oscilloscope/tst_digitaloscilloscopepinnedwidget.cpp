#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "ui/viewbase/measurementsbutton.h"
#include "views/oscilloscope/digitaloscilloscopepinnedwidget.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>

#include <map>
#include <utility>

namespace {

using Lists = DigitalOscilloscopePinnedWidget::EvaluationLists;
using Values = DigitalOscilloscopePinnedWidget::EvaluationValues;
using Cell = std::pair<int, int>;

std::vector<EvaluationType> list(std::initializer_list<int> types)
{
    std::vector<EvaluationType> result;
    for (int type : types)
        result.push_back(static_cast<EvaluationType>(type));
    return result;
}

Lists lists(std::initializer_list<std::initializer_list<int>> all)
{
    Lists result;
    for (const auto &types : all)
        result.push_back(list(types));
    return result;
}

QGridLayout *gridOf(DigitalOscilloscopePinnedWidget &pinned)
{
    return pinned.findChild<QGridLayout *>("gridLayout");
}

// The buttons in the grid by cell; widgets waiting for deletion are no longer in it.
std::map<Cell, MeasurementsButton *> buttonsOf(DigitalOscilloscopePinnedWidget &pinned)
{
    std::map<Cell, MeasurementsButton *> cells;
    QGridLayout *grid = gridOf(pinned);
    for (int i = 0; i < grid->count(); ++i) {
        if (auto *button = qobject_cast<MeasurementsButton *>(grid->itemAt(i)->widget())) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            cells[{row, column}] = button;
        }
    }
    return cells;
}

QStringList namesOf(DigitalOscilloscopePinnedWidget &pinned)
{
    QStringList names;
    for (const auto &cell : buttonsOf(pinned))
        names << cell.second->measurementName();
    return names;
}

QList<Cell> cellsOf(DigitalOscilloscopePinnedWidget &pinned)
{
    QList<Cell> cells;
    for (const auto &cell : buttonsOf(pinned))
        cells << cell.first;
    return cells;
}

QList<QPointer<MeasurementsButton>> pointersOf(DigitalOscilloscopePinnedWidget &pinned)
{
    QList<QPointer<MeasurementsButton>> pointers;
    for (const auto &cell : buttonsOf(pinned))
        pointers << cell.second;
    return pointers;
}

// Paint and layout requests a widget receives.
class EventCounter : public QObject
{
public:
    int paints = 0;
    int layouts = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        layouts += event->type() == QEvent::LayoutRequest;
        return false;
    }
};

void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void switchLanguage(QWidget &widget, const QString &language)
{
    TranslationLoader::instance()->load(language);
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&widget, &change);
}

const Lists defaultHandOver = lists({{1, 6, 3, 16}, {1, 6, 3, 16}});

} // namespace

Q_DECLARE_METATYPE(Lists)
Q_DECLARE_METATYPE(QList<Cell>)

class TestDigitalOscilloscopePinnedWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void resizedCount_data()
    {
        QTest::addColumn<Lists>("types");
        QTest::addColumn<Lists>("shown");
        QTest::newRow("within the limit") << lists({{1}, {2, 3}}) << lists({{1}, {2, 3}});
        QTest::newRow("four each") << defaultHandOver << lists({{1, 6}, {1, 6}});
        QTest::newRow("one and six") << lists({{1}, {2, 3, 4, 5, 6, 7}}) << lists({{1}, {2, 3, 4}});
        QTest::newRow("three lists")
                << lists({{1, 2}, {3, 4}, {5, 6}}) << lists({{1, 2}, {3}, {5}});
        QTest::newRow("empty first list")
                << lists({{}, {2, 3, 4, 5, 6}, {7}}) << lists({{}, {2, 3, 4}, {7}});
        QTest::newRow("none") << Lists() << Lists();
    }
    void resizedCount()
    {
        QFETCH(Lists, types);
        QFETCH(Lists, shown);
        DigitalOscilloscopePinnedWidget pinned;
        QCOMPARE(pinned.getResizedCount(types), shown);
    }

    void handOverPlacesButtons_data()
    {
        QTest::addColumn<Lists>("types");
        QTest::addColumn<QList<Cell>>("cells");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("default") << defaultHandOver << QList<Cell>({{0, 0}, {0, 2}, {1, 0}, {1, 2}})
                                 << QStringList({"Ampl", "Ampl", "Mean", "Mean"});
        QTest::newRow("one and two")
                << lists({{1}, {6, 16}}) << QList<Cell>({{0, 0}, {0, 2}, {1, 0}})
                << QStringList({"Ampl", "Freq", "Mean"});
        QTest::newRow("more lists than channels")
                << lists({{1}, {}, {6}, {3}}) << QList<Cell>({{0, 0}, {1, 0}})
                << QStringList({"Ampl", "Mean"});
    }
    void handOverPlacesButtons()
    {
        QFETCH(Lists, types);
        QFETCH(QList<Cell>, cells);
        QFETCH(QStringList, names);
        DigitalOscilloscopePinnedWidget pinned;
        pinned.setEvaluationValues(types, {});
        flushDeletions();
        QCOMPARE(cellsOf(pinned), cells);
        QCOMPARE(namesOf(pinned), names);
        QVERIFY(pinned.findChildren<QLabel *>().isEmpty());
        for (const auto &cell : buttonsOf(pinned)) {
            QVERIFY(cell.second->property("measurementsButton").toBool());
            QCOMPARE(cell.second->iconSize(), QSize(5, 5));
        }
    }

    void valuesAndUnits()
    {
        DigitalOscilloscopePinnedWidget pinned;
        // Three lists against two maps, and a map without the second type.
        pinned.setEvaluationValues(lists({{1}, {6, 16}, {3}}),
                                   {{{EvaluationAmplitude, 1.5}}, {{EvaluationMean, -0.25}}});
        const auto cells = buttonsOf(pinned);
        QCOMPARE(int(cells.size()), 4);
        const MeasurementsButton *amplitude = cells.at({0, 0});
        QCOMPARE(amplitude->valueText(), amplitude->createValueFormatString(1.5));
        QVERIFY(amplitude->valueText().endsWith("V"));
        const MeasurementsButton *mean = cells.at({1, 0});
        QCOMPARE(mean->valueText(), mean->createValueFormatString(-0.25));
        const MeasurementsButton *frequency = cells.at({0, 2});
        QCOMPARE(frequency->measurementName(), QString("Freq"));
        QCOMPARE(frequency->valueText(), frequency->createValueFormatString(0.0));
        QVERIFY(frequency->valueText().endsWith("Hz"));
        const MeasurementsButton *math = cells.at({1, 2});
        QCOMPARE(math->valueText(), math->createValueFormatString(0.0));
    }

    // The acquisition cycle hands the same selection over with every frame: the miniature is
    // laid out and painted again only when what it shows changes.
    void unchangedHandOverPaintsNothing()
    {
        DigitalOscilloscopePinnedWidget pinned;
        pinned.show();
        const Lists shown = lists({{1, 6}, {16}});
        pinned.setEvaluationValues(shown, {{{EvaluationAmplitude, 1.5}}});
        // The layout and the painting it starts settle over a few rounds of posted events.
        for (int round = 0; round < 5; ++round)
            QCoreApplication::processEvents();
        EventCounter events;
        pinned.installEventFilter(&events);
        const auto buttons = buttonsOf(pinned);
        for (const auto &cell : buttons)
            cell.second->installEventFilter(&events);

        pinned.setEvaluationValues(shown, {{{EvaluationAmplitude, 1.5}}});
        QCoreApplication::processEvents();
        QCOMPARE(events.paints, 0);
        QCOMPARE(events.layouts, 0);

        // A value that reads differently repaints its button, and no layout is asked for.
        pinned.setEvaluationValues(shown, {{{EvaluationAmplitude, 2.5}}});
        QCoreApplication::processEvents();
        QVERIFY(events.paints > 0);
        QCOMPARE(buttons.at({0, 0})->valueText(), buttons.at({0, 0})->createValueFormatString(2.5));
        QCOMPARE(events.layouts, 0);

        // Another measurement in a slot renews its name.
        pinned.setEvaluationValues(lists({{1, 3}, {16}}), {});
        QCOMPARE(namesOf(pinned), QStringList({"Ampl", "Freq", "RMS"}));
    }

    void splitChangeKeepsButtons()
    {
        DigitalOscilloscopePinnedWidget pinned;
        pinned.setEvaluationValues(lists({{1, 6}, {3, 16}}), {});
        flushDeletions();
        const auto before = pointersOf(pinned);
        QCOMPARE(namesOf(pinned), QStringList({"Ampl", "RMS", "Mean", "Freq"}));

        pinned.setEvaluationValues(lists({{16, 3, 1}, {6}}), {});
        flushDeletions();
        QCOMPARE(pointersOf(pinned), before);
        QVERIFY(!before.contains(nullptr));
        QCOMPARE(namesOf(pinned), QStringList({"Freq", "Ampl", "RMS", "Mean"}));

        pinned.setEvaluationValues(lists({{16, 3}, {6}}), {});
        flushDeletions();
        QCOMPARE(cellsOf(pinned), QList<Cell>({{0, 0}, {0, 2}, {1, 0}}));
        for (const auto &old : before)
            QVERIFY(old.isNull());
    }

    void emptyFirstHandOverKeepsMockUp()
    {
        DigitalOscilloscopePinnedWidget pinned;
        QCOMPARE(pinned.size(), QSize(357, 71));
        QVERIFY(pinned.property("main").toBool());
        QCOMPARE(pinned.findChildren<QLabel *>().size(), 12);
        pinned.setEvaluationValues(lists({{}, {}}), {});
        pinned.setEvaluationValues({}, {});
        QCOMPARE(pinned.findChildren<QLabel *>().size(), 12);
        QVERIFY(buttonsOf(pinned).empty());
    }

    void channelColorsNeedThree()
    {
        QCOMPARE(DigitalOscilloscopePinnedWidget::channelColorsDark().size(), size_t(3));
        QCOMPARE(DigitalOscilloscopePinnedWidget::channelColorsLight().size(), size_t(3));
        DigitalOscilloscopePinnedWidget pinned;
        pinned.setChannelColors({Qt::red, Qt::green, Qt::blue});
        pinned.setEvaluationValues(lists({{1}}), {});
        MeasurementsButton *button = buttonsOf(pinned).begin()->second;
        button->resize(button->sizeHint());
        const auto markOf = [button] {
            const QImage image = button->grab().toImage();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor colour = image.pixelColor(x, y);
                    if (colour == Qt::red || colour == Qt::blue || colour == Qt::yellow)
                        return colour;
                }
            }
            return QColor();
        };
        QCOMPARE(markOf(), QColor(Qt::red));
        pinned.setChannelColors({Qt::blue, Qt::green});
        QCOMPARE(markOf(), QColor(Qt::red));
        pinned.setChannelColors({Qt::blue, Qt::green, Qt::red, Qt::red});
        QCOMPARE(markOf(), QColor(Qt::red));
        pinned.setChannelColors({Qt::yellow, Qt::green, Qt::red});
        QCOMPARE(markOf(), QColor(Qt::yellow));
    }

    void languageChangeKeepsValues()
    {
        DigitalOscilloscopePinnedWidget pinned;
        pinned.setEvaluationValues(lists({{1}, {16}}),
                                   {{{EvaluationAmplitude, 2.0}}, {{EvaluationFrequency, 50.0}}});
        const auto cells = buttonsOf(pinned);
        const QString amplitude = cells.at({0, 0})->valueText();
        switchLanguage(pinned, "ru");
        QVERIFY(cells.at({0, 0})->measurementName() != QString("Ampl"));
        QCOMPARE(cells.at({0, 0})->valueText(), cells.at({0, 0})->createValueFormatString(2.0));
        const QString russianAmplitude = cells.at({0, 0})->valueText();
        // The unit arrives in the same context by both roads.
        pinned.setEvaluationValues(lists({{1}, {16}}),
                                   {{{EvaluationAmplitude, 2.0}}, {{EvaluationFrequency, 50.0}}});
        QCOMPARE(cells.at({0, 0})->valueText(), russianAmplitude);
        switchLanguage(pinned, "en");
        QCOMPARE(cells.at({0, 0})->measurementName(), QString("Ampl"));
        QCOMPARE(cells.at({0, 0})->valueText(), amplitude);
    }

    void unboundRenders()
    {
        DigitalOscilloscopePinnedWidget pinned;
        QPixmap pixmap(200, qMax(1, pinned.sizeHint().height()));
        pinned.resize(pixmap.size());
        pinned.render(&pixmap, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
        QVERIFY(!pixmap.isNull());
    }

    // Not a check: the miniature for a person to look at.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        struct Shot
        {
            QString sheet;
            int theme;
            QString language;
            QString name;
        };
        const QList<Shot> shots = {{"dark", 0, "en", "dark"},
                                   {"light", 1, "en", "light"},
                                   {"dark", 0, "ru", "dark-ru"},
                                   {"light", 1, "ru", "light-ru"},
                                   {"dark_large", 0, "ru", "dark-large-ru"}};
        const Values values = {{{EvaluationAmplitude, 1.234}, {EvaluationMean, 0.0125}},
                               {{EvaluationAmplitude, 3.3}, {EvaluationMean, -0.5}}};
        for (const Shot &shot : shots) {
            Options options = load_from_cache();
            options.color_theme = shot.theme;
            save_to_cache(options);
            QFile file(QStringLiteral(":/stylesheets/%1.theme").arg(shot.sheet));
            QVERIFY(file.open(QIODevice::ReadOnly));
            qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
            TranslationLoader::instance()->load(shot.language);

            DigitalOscilloscopePinnedWidget live;
            live.setEvaluationValues(defaultHandOver, values);
            live.show();
            QVERIFY(QTest::qWaitForWindowExposed(&live));
            live.grab().save(dir + "/oscilloscope-pinned-" + shot.name + ".png");

            // As the view selection draws it: rendered at its size hint, never shown; the
            // selection button paints the background, here the miniature's own stands in.
            DigitalOscilloscopePinnedWidget unbound;
            unbound.ensurePolished();
            QPixmap pixmap(unbound.sizeHint().expandedTo(QSize(1, 1)));
            unbound.resize(pixmap.size());
            unbound.render(&pixmap, QPoint(0, 0), QRegion(),
                           QWidget::DrawWindowBackground | QWidget::DrawChildren);
            pixmap.save(dir + "/oscilloscope-pinned-unbound-" + shot.name + ".png");
        }
        TranslationLoader::instance()->load("en");
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestDigitalOscilloscopePinnedWidget)
#include "tst_digitaloscilloscopepinnedwidget.moc"
