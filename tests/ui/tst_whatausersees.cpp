#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/options.h"
#include "app/themestylesheet.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "hardware/modulecollection.h"
#include "resources/resourcecollection.h"
#include "resources/resourceinterface.h"
#include "support/mainwindowchecks.h"
#include "ui/activeviewcollection.h"
#include "ui/instrumentscontentwidget.h"
#include "ui/pinnedwrapframe.h"
#include "ui/pralunewindow.h"
#include "ui/viewbase/measurementsbutton.h"
#include "ui/viewbase/viewinterface.h"
#include "views/multimeter/digitalmultimeterwidget.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include "simbench/simcontrol.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <memory>

namespace {

// A text's room as the forms reckon it: the advance of its longest line, a line's height each.
QSize textSize(const QFontMetrics &metrics, const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    return QSize(width, metrics.height() * lines.size());
}

// The visible labels and buttons of a window whose text their widget cuts.
QStringList textsCut(QWidget &window)
{
    QStringList out;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        QString text;
        QSize needed;
        const QFontMetrics metrics(widget->font());
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            if (text.isEmpty() || label->wordWrap() || Qt::mightBeRichText(text))
                continue;
            needed = textSize(metrics, text) + QSize(2 * label->margin(), 0);
            // One line is cut only where its glyphs are: a large face's line box is taller
            // than its digits, and a label as high as the digits shows them whole.
            if (!text.contains(QLatin1Char('\n')))
                needed.setHeight(metrics.tightBoundingRect(text).height());
            if (needed.width() <= label->contentsRect().width()
                && needed.height() <= label->contentsRect().height())
                continue;
        } else if (auto *measurement = qobject_cast<MeasurementsButton *>(widget)) {
            text = measurement->measurementName() + QLatin1Char(' ') + measurement->valueText();
            needed = measurement->sizeHint();
            if (measurement->width() >= needed.width() && measurement->height() >= needed.height())
                continue;
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            auto *tool = qobject_cast<QToolButton *>(button);
            if (text.isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
                continue;
            needed = textSize(metrics, text);
            const QSize icon = button->icon().isNull() ? QSize() : button->iconSize();
            if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
                needed = QSize(qMax(needed.width(), icon.width()), needed.height() + icon.height());
            else if (!icon.isEmpty())
                needed = QSize(needed.width() + icon.width() + 4,
                               qMax(needed.height(), icon.height()));
            if (needed.width() <= button->width() && needed.height() <= button->height())
                continue;
        } else {
            continue;
        }
        const QString name = widget->objectName().isEmpty()
                ? QString::fromLatin1(widget->metaObject()->className())
                : widget->objectName();
        out << QStringLiteral("%1 \"%2\" %3 x %4, needs %5 x %6")
                        .arg(name, text)
                        .arg(widget->width())
                        .arg(widget->height())
                        .arg(needed.width())
                        .arg(needed.height());
    }
    return out;
}

// Where a picture of the window shows a tile of the light default window colour, which the
// dark theme never paints; a null point when it shows none.
QPoint lightDefaultTile(QWidget &window)
{
    constexpr int tile = 8;
    const QRgb light = QColor(0xEF, 0xEF, 0xEF).rgb();
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y + tile <= image.height(); y += tile) {
        for (int x = 0; x + tile <= image.width(); x += tile) {
            bool all = true;
            for (int dy = 0; dy < tile && all; ++dy) {
                const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y + dy));
                for (int dx = 0; dx < tile && all; ++dx)
                    all = (line[x + dx] | 0xFF000000) == light;
            }
            if (all)
                return QPoint(x, y);
        }
    }
    return QPoint();
}

// Posted layout requests climb one nesting level a pass; the views just closed go too.
void settle()
{
    for (int pass = 0; pass < 6; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// Every measurement for each row of the maximized oscilloscope or multimeter, the math channel
// on; the height of its plot.
int chooseEveryMeasurement(QWidget *page)
{
    const std::vector<EvaluationType> all(AllEvaluationTypeSet.begin(), AllEvaluationTypeSet.end());
    if (auto *scope = qobject_cast<DigitalOscilloscopeWidget *>(page)) {
        auto *math = scope->findChild<QCheckBox *>(QStringLiteral("mathChannelCheckBox"));
        if (!math->isChecked())
            QTest::mouseClick(math, Qt::LeftButton);
        const std::vector<std::vector<EvaluationType>> rows(3, all);
        scope->setEvaluationTypes(rows);
        scope->setEvaluationValues(rows, {});
        settle();
        return scope->plot()->height();
    }
    auto *meter = qobject_cast<DigitalMultimeterWidget *>(page);
    if (!meter)
        return -1;
    meter->setEvaluationTypes(all);
    meter->setEvaluationValues(all, {});
    settle();
    return meter->findChild<QWidget *>(QStringLiteral("plotWidget"))->height();
}

// The miniature of a view in the pinned row.
PinnedWrapFrame *frameOf(const std::shared_ptr<ViewInterface> &view)
{
    QWidget *widget = view->pinnedUserInterface();
    while (widget && !qobject_cast<PinnedWrapFrame *>(widget))
        widget = widget->parentWidget();
    return qobject_cast<PinnedWrapFrame *>(widget);
}

} // namespace

class TestWhatAUserSees : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void whatAUserSees_data();
    void whatAUserSees();
};

void TestWhatAUserSees::initTestCase()
{
    QVERIFY(prepareWindowTests());
}

void TestWhatAUserSees::cleanup()
{
    resetWindowTests();
}

void TestWhatAUserSees::whatAUserSees_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("language");
    for (const int theme : {0, 1}) {
        for (const int font : {0, 1}) {
            for (const char *language : {"en", "ru"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2, %3")
                                                 .arg(theme == 0 ? "dark" : "light",
                                                      font == 0 ? "standard" : "large",
                                                      QLatin1String(language))))
                        << theme << font << QString::fromLatin1(language);
        }
    }
}

// The real window in demonstration mode, as a person meets it: for each kind of view, at the
// first-start and a small screen's size, maximized, pinned from the Instruments page, pinned by
// maximizing another miniature, after a language change and with every measurement chosen,
// every visible label and button shows its text whole, every control can be scrolled into
// view, and the dark theme leaves no part of the window in the light default colour. One
// window a look keeps the walk short.
void TestWhatAUserSees::whatAUserSees()
{
    QFETCH(int, theme);
    QFETCH(int, font);
    QFETCH(QString, language);
    const Look look(theme, font, language);
    QVERIFY(look.applied);
    const QStringList kinds = {"Digital Oscilloscope", "Digital Multimeter", "Function Generator",
                               "Power Supply"};
    QString kind;
    PraluneWindow window;
    QTRY_VERIFY_WITH_TIMEOUT(shows<InstrumentsContentWidget>(window), reachTimeoutMs);
    const ActiveViewCollection *views = instruments(window)->activeViews();
    const auto viewOf = [&](const QString &type) {
        for (unsigned i = 0; i < views->size(); ++i) {
            if (views->at(i)->resource()->viewType() == type)
                return views->at(i);
        }
        return std::shared_ptr<ViewInterface>();
    };
    // Each state from an empty workspace, as a restore makes it.
    const auto arrange = [&](const QStringList &entries) {
        get_cache()->arrangements->setCurrentArrangement(ArrangementState());
        settle();
        get_cache()->arrangements->setCurrentArrangement(arrangementOf(entries));
        settle();
    };

    QStringList faults;
    const auto faultsShown = [&] {
        QStringList found = textsCut(window);
        for (const QString &control : controlsOutOfReach(window, window.centralWidget()))
            found << QStringLiteral("out of reach: ") + control;
        if (theme == 0) {
            const QPoint tile = lightDefaultTile(window);
            if (!tile.isNull())
                found << QStringLiteral("light default at %1, %2").arg(tile.x()).arg(tile.y());
        }
        return found;
    };
    const auto look_at = [&](const QString &state) {
        settle();
        QStringList found = faultsShown();
        // A miniature fills in once its simulated instrument has answered: look again then.
        if (!found.isEmpty()) {
            QTest::qWait(300);
            settle();
            found = faultsShown();
        }
        // Not a check: the picture for a person to look at, when asked for.
        const QString dir = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            window.grab().save(QStringLiteral("%1/survey-%2-%3-%4-%5-%6-%7.png")
                                       .arg(dir, kind.section(' ', -1).toLower(),
                                            theme == 0 ? "dark" : "light",
                                            font == 0 ? "standard" : "large", language)
                                       .arg(window.height())
                                       .arg(state.section(' ', 0, 1).replace(' ', '-')));
        for (const QString &fault : found)
            faults << QStringLiteral("%1, %2 x %3, %4: %5")
                              .arg(kind)
                              .arg(window.width())
                              .arg(window.height())
                              .arg(state, fault);
    };

    for (const QString &each : kinds) {
        kind = each;
        QStringList others = kinds;
        others.removeAll(kind);
        const bool measures = kind == kinds.at(0) || kind == kinds.at(1);
        for (const QSize size : {QSize(1024, 768), QSize(800, 600)}) {
            window.resize(size);
            arrange({kind + "*"});
            look_at(QStringLiteral("maximized"));

            QTest::mouseClick(window.findChild<QPushButton *>("pinButton"), Qt::LeftButton);
            look_at(QStringLiteral("pinned from the Instruments page"));

            arrange({kind + "*", others.at(0)});
            PinnedWrapFrame *other = frameOf(viewOf(others.at(0)));
            QVERIFY(other);
            QTest::mouseClick(other->findChild<QPushButton *>("maximaizeButton"), Qt::LeftButton);
            QVERIFY(viewOf(kind) && viewOf(kind) != views->getMaximizedView());
            look_at(QStringLiteral("pinned by maximizing another miniature"));

            arrange(QStringList {kind + "*"} + others);
            TranslationLoader::instance()->load(language == "en" ? "ru" : "en");
            look_at(QStringLiteral("after a language change"));
            TranslationLoader::instance()->load(language);
            settle();

            if (measures) {
                const int plot = chooseEveryMeasurement(
                        views->getMaximizedView()->fullScreenUserInterface());
                // The plot gives up its height down to a sensible minimum before the strip scrolls.
                if (plot < 100)
                    faults << QStringLiteral("%1, %2 x %3: the plot keeps %4 px")
                                      .arg(kind)
                                      .arg(window.width())
                                      .arg(window.height())
                                      .arg(plot);
                look_at(QStringLiteral("every measurement chosen"));
            }
        }
    }
    // One line each: a long message would be cut.
    for (const QString &fault : faults)
        qInfo().noquote() << fault;
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(faults.size())));
}

QTEST_MAIN(TestWhatAUserSees)
#include "tst_whatausersees.moc"
