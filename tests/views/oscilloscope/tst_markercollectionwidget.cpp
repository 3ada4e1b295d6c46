#include "views/oscilloscope/markercollectionwidget.h"
#include "views/oscilloscope/valuemarker.h"

#include "assets/assets.h"
#include "support/screenshotstyles.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

const QString channelIcon = QStringLiteral(":/icons/control/channel1_label.svg");

// A shown vertical strip 200 px high with 20 px icons, and one marker on the scale [-1, 1].
struct VerticalStrip
{
    VerticalStrip()
    {
        strip.resize(strip.width(), 200);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        strip.addMarker(&marker);
    }

    MarkerCollectionWidget strip {Qt::Vertical};
    ValueMarker marker {Qt::Vertical, Qt::AlignLeft, channelIcon};
};

// The rows of a picture where anything differs from its top left corner, the background.
QPair<int, int> drawnRows(const QImage &picture)
{
    const QRgb background = picture.pixel(0, 0);
    int first = -1;
    int last = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != background) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return qMakePair(first, last);
}

// How often each marker was drawn at the last paint.
int drawnCount(MarkerCollectionWidget &strip, ValueMarker &marker)
{
    QSignalSpy drawn(&marker, &ValueMarker::positionChanged);
    strip.repaint();
    return drawn.count();
}

void press(MarkerCollectionWidget &strip, int y)
{
    QTest::mousePress(&strip, Qt::LeftButton, Qt::NoModifier, QPoint(5, y));
}

void move(MarkerCollectionWidget &strip, int y)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(5, y), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&strip, &event);
}

void release(MarkerCollectionWidget &strip, int y)
{
    QTest::mouseRelease(&strip, Qt::LeftButton, Qt::NoModifier, QPoint(5, y));
}

} // namespace

class TestMarkerCollectionWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void minimumSize();
    void placesValues_data();
    void placesValues();
    void horizontalPlaces();
    void degenerateScales_data();
    void degenerateScales();
    void zeroSizeStrip();
    void addMarkerIsIdempotent();
    void enableAndDisable();
    void iconOnlyFlagNeverReturns();
    void valueTextsShowWhole_data();
    void valueTextsShowWhole();
    void iconSizeReachesMarkers();
    void pinnedIconShowsWhole_data();
    void pinnedIconShowsWhole();
    void dragFollowsPointer();
    void dragIntoEndStopsThere();
    void dragPinnedMarkerStartsInside();
    void overlappingMarkers();
    void dragSurvivesListChanges_data();
    void dragSurvivesListChanges();
    void destroyedMarkerLeavesStrip();
    void receiverChangesDuringPaint();
    void screenshots();
};

void TestMarkerCollectionWidget::initTestCase()
{
    initPraluneAssets();
}

void TestMarkerCollectionWidget::minimumSize()
{
    MarkerCollectionWidget horizontal(Qt::Horizontal);
    QCOMPARE(horizontal.minimumSize(), QSize(100, 30));
    MarkerCollectionWidget vertical(Qt::Vertical);
    QCOMPARE(vertical.minimumSize(), QSize(30, 100));
}

void TestMarkerCollectionWidget::placesValues_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("drawnAt");
    QTest::addColumn<int>("position");
    QTest::newRow("zero in the middle") << 0 << 0.0 << 100 << 0;
    QTest::newRow("larger values higher up") << 0 << 0.5 << 50 << 0;
    QTest::newRow("1.0 pinned half an icon inside") << 0 << 1.0 << 10 << 1;
    QTest::newRow("-1.0 pinned half an icon inside") << 0 << -1.0 << 190 << 2;
    QTest::newRow("far beyond pinned alike") << 0 << 50.0 << 10 << 1;
    QTest::newRow("margins keep zero in the middle") << 10 << 0.0 << 100 << 0;
    QTest::newRow("margins shrink the usable length") << 10 << 0.5 << 55 << 0;
}

void TestMarkerCollectionWidget::placesValues()
{
    QFETCH(int, margin);
    QFETCH(double, value);
    QFETCH(int, drawnAt);
    QFETCH(int, position);
    VerticalStrip f;
    QCOMPARE(f.strip.height(), 200);
    QCOMPARE(f.marker.eps(), 0.1);
    f.strip.setMargins(QMargins(0, margin, 0, margin));
    f.marker.setValue(value);
    QCOMPARE(f.marker.position(), position);
    QCOMPARE(f.strip.transformPosition(&f.marker), drawnAt);
    if (position == 0) {
        QCOMPARE(f.strip.positionScaled(&f.marker, value), drawnAt);
        QCOMPARE(f.strip.fromPosition(&f.marker, drawnAt), value);
    }
    // The strip announces where it drew the marker; beyond an end, a place off the strip.
    QSignalSpy drawn(&f.marker, &ValueMarker::positionChanged);
    f.strip.repaint();
    QCOMPARE(drawn.count(), 1);
    const double expected = position == 0 ? drawnAt : (drawnAt > 100 ? 2 : -2) * drawnAt;
    QCOMPARE(drawn.at(0).at(0).toDouble(), expected);
}

void TestMarkerCollectionWidget::horizontalPlaces()
{
    MarkerCollectionWidget strip(Qt::Horizontal);
    strip.resize(200, strip.height());
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    ValueMarker marker(Qt::Horizontal, Qt::AlignBottom, channelIcon);
    marker.setScale(0.0, 10.0);
    marker.setValue(2.5);
    strip.addMarker(&marker);
    QCOMPARE(marker.eps(), 0.5);
    QCOMPARE(strip.transformPosition(&marker), 50);
    strip.setMargins(QMargins(20, 0, 20, 0));
    QCOMPARE(strip.transformPosition(&marker), 60);
    QCOMPARE(strip.fromPosition(&marker, 180), 10.0);
}

void TestMarkerCollectionWidget::degenerateScales_data()
{
    QTest::addColumn<double>("scaleMinimum");
    QTest::addColumn<double>("scaleMaximum");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("axisStart");
    QTest::addColumn<double>("valueAtCenter");
    QTest::newRow("equal ends") << 0.5 << 0.5 << 0 << 200 << 0.5;
    QTest::newRow("margins eat the strip") << -1.0 << 1.0 << 100 << 100 << -1.0;
    QTest::newRow("margins larger than the strip") << -1.0 << 1.0 << 150 << 150 << -1.0;
}

void TestMarkerCollectionWidget::degenerateScales()
{
    QFETCH(double, scaleMinimum);
    QFETCH(double, scaleMaximum);
    QFETCH(int, margin);
    QFETCH(int, axisStart);
    QFETCH(double, valueAtCenter);
    VerticalStrip f;
    f.strip.setMargins(QMargins(0, margin, 0, margin));
    f.marker.setScale(scaleMinimum, scaleMaximum);
    f.marker.setValue(0.3);
    QVERIFY(std::isfinite(f.marker.eps()));
    QCOMPARE(f.strip.positionScaled(&f.marker, 0.3), axisStart);
    QCOMPARE(f.strip.fromPosition(&f.marker, 100), valueAtCenter);
    f.strip.repaint();
    press(f.strip, axisStart);
    move(f.strip, 90);
    release(f.strip, 90);
    QVERIFY(std::isfinite(f.marker.value()));
}

void TestMarkerCollectionWidget::zeroSizeStrip()
{
    MarkerCollectionWidget strip(Qt::Vertical);
    strip.setMinimumSize(0, 0);
    strip.resize(0, 0);
    ValueMarker marker(Qt::Vertical, Qt::AlignLeft, channelIcon);
    marker.setValue(0.5);
    strip.addMarker(&marker);
    QCOMPARE(strip.height(), 0);
    QCOMPARE(marker.eps(), 0.0);
    QCOMPARE(strip.positionScaled(&marker, 0.5), 0);
    QCOMPARE(strip.fromPosition(&marker, 0), -1.0);
    QCOMPARE(marker.position(), 0);
    strip.setMargins(QMargins(0, 5, 0, 5));
    QCOMPARE(strip.transformPosition(&marker), 5);
}

void TestMarkerCollectionWidget::addMarkerIsIdempotent()
{
    VerticalStrip f;
    f.strip.addMarker(&f.marker);
    QCOMPARE(drawnCount(f.strip, f.marker), 1);
    // One connection: one value change, one repaint.
    QSignalSpy drawn(&f.marker, &ValueMarker::positionChanged);
    f.marker.setValue(0.5);
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(drawn.at(0).at(0).toDouble(), 50.0);
}

void TestMarkerCollectionWidget::enableAndDisable()
{
    VerticalStrip f;
    ValueMarker stranger(Qt::Vertical, Qt::AlignLeft, channelIcon);
    f.strip.setMarkerEnabled(&stranger, true);
    QCOMPARE(drawnCount(f.strip, stranger), 0);
    f.strip.setMarkerEnabled(&stranger, false);
    f.strip.setMarkerEnabled(&stranger, true);
    QCOMPARE(drawnCount(f.strip, stranger), 0);

    f.strip.setMarkerEnabled(&f.marker, false);
    QCOMPARE(drawnCount(f.strip, f.marker), 0);
    f.strip.setMarkerEnabled(&f.marker, false);
    // A hidden marker's value changes do not reach the strip.
    QSignalSpy drawn(&f.marker, &ValueMarker::positionChanged);
    f.marker.setValue(0.5);
    QCOMPARE(drawn.count(), 0);
    f.strip.setMarkerEnabled(&f.marker, true);
    QCOMPARE(drawnCount(f.strip, f.marker), 1);
    QCOMPARE(f.strip.transformPosition(&f.marker), 50);
    // Hidden, then removed: enabling it again brings nothing back.
    f.strip.setMarkerEnabled(&f.marker, false);
    f.strip.removeMarker(&f.marker);
    f.strip.setMarkerEnabled(&f.marker, true);
    QCOMPARE(drawnCount(f.strip, f.marker), 0);
}

void TestMarkerCollectionWidget::iconOnlyFlagNeverReturns()
{
    MarkerCollectionWidget strip(Qt::Vertical);
    ValueMarker icon(Qt::Vertical, Qt::AlignLeft, channelIcon);
    icon.setIconOnly(true);
    strip.addMarker(&icon);
    strip.setIconSize(QSize(24, 24));
    QCOMPARE(strip.minimumWidth(), 36);
    QCOMPARE(strip.maximumWidth(), QWIDGETSIZE_MAX);

    // Its texts are narrower than the room a strip gives them at the least.
    ValueMarker text(Qt::Vertical, Qt::AlignLeft, channelIcon);
    text.setRange(0.2, 0.9);
    strip.addMarker(&text);
    const int textWidth = strip.fontMetrics().horizontalAdvance(QStringLiteral("-00.00 dD"));
    QVERIFY(text.widestTextWidth() < textWidth);
    QCOMPARE(strip.minimumWidth(), 24 + textWidth);
    QCOMPARE(strip.maximumWidth(), 24 + textWidth);

    // Once sized for texts, always sized for texts.
    strip.removeMarker(&text);
    strip.setIconSize(QSize(20, 20));
    QCOMPARE(strip.maximumWidth(), 20 + textWidth);

    MarkerCollectionWidget horizontal(Qt::Horizontal);
    ValueMarker top(Qt::Horizontal, Qt::AlignTop, channelIcon);
    top.setIconOnly(true);
    horizontal.addMarker(&top);
    horizontal.setIconSize(QSize(16, 16));
    QCOMPARE(horizontal.minimumSize(), QSize(100, 24));
}

// Whatever its range and dimension make of a value, in either font size, the strip shows the
// text whole; a range that grows after the marker is added is made room for at the next paint.
void TestMarkerCollectionWidget::valueTextsShowWhole_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("dimension");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    for (const bool large : {false, true}) {
        const char *font = large ? "large font" : "normal font";
        QTest::addRow("%s: -40 mV, vertical", font)
                << large << int(Qt::Vertical) << -100.0 << 100.0 << "V" << -0.04 << "-40.000 mV";
        QTest::addRow("%s: -40 V of a range of 40 V", font)
                << large << int(Qt::Vertical) << -40.0 << 40.0 << "V" << -40.0 << "-40.000 V";
        QTest::addRow("%s: a range grown to 1000 V", font)
                << large << int(Qt::Vertical) << -1000.0 << 1000.0 << "V" << -999.0 << "-999.000 V";
        QTest::addRow("%s: -100 ms, horizontal", font)
                << large << int(Qt::Horizontal) << -1.0 << 1.0 << "s" << -0.1 << "-100.000 ms";
    }
}

void TestMarkerCollectionWidget::valueTextsShowWhole()
{
    QFETCH(bool, large);
    QFETCH(int, orientation);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QString, dimension);
    QFETCH(double, value);
    QFETCH(QString, text);
    applyScreenshotStyle({"dark", large, "en"});
    const auto plainAgain = qScopeGuard(resetScreenshotStyle);
    const auto axis = Qt::Orientation(orientation);
    MarkerCollectionWidget strip(axis);
    strip.resize(axis == Qt::Vertical ? strip.width() : 300, axis == Qt::Vertical ? 200 : 60);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    ValueMarker marker(axis, axis == Qt::Vertical ? Qt::AlignLeft : Qt::AlignBottom, channelIcon);
    marker.setDimension(dimension);
    marker.setScale(minimum, maximum);
    const bool grown = std::abs(minimum) > 100.0;
    if (!grown)
        marker.setRange(minimum, maximum);
    strip.addMarker(&marker);
    if (grown)
        marker.setRange(minimum, maximum);
    marker.setValue(value);
    strip.repaint();
    strip.repaint(); // after the room it took for the grown range

    QLabel *label = nullptr;
    for (QLabel *candidate : marker.frame()->findChildren<QLabel *>())
        label = candidate->text().isEmpty() ? label : candidate;
    QVERIFY(label);
    QCOMPARE(label->text(), (value > 0.0 ? QStringLiteral(" ") : QString()) + text);
    QVERIFY2(
            label->width() >= label->sizeHint().width(),
            qPrintable(
                    QStringLiteral("%1 of %2").arg(label->width()).arg(label->sizeHint().width())));
    if (axis == Qt::Vertical)
        QVERIFY(marker.frame()->width() <= strip.width());
    strip.removeMarker(&marker);
}

// A marker beyond an end of a horizontal strip is drawn at the strip's other edge, in either
// font size, with or without its text: its icon is as whole there as inside the strip.
void TestMarkerCollectionWidget::pinnedIconShowsWhole_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<bool>("iconOnly");
    QTest::addColumn<double>("value");
    for (const bool large : {false, true}) {
        const char *font = large ? "large font" : "normal font";
        for (const bool iconOnly : {true, false}) {
            const char *kind = iconOnly ? "icon only" : "with text";
            QTest::addRow("%s, %s, beyond the lower end", font, kind) << large << iconOnly << -1.0;
            QTest::addRow("%s, %s, beyond the upper end", font, kind) << large << iconOnly << 11.0;
        }
    }
}

void TestMarkerCollectionWidget::pinnedIconShowsWhole()
{
    QFETCH(bool, large);
    QFETCH(bool, iconOnly);
    QFETCH(double, value);
    applyScreenshotStyle({"dark", large, "en"});
    const auto plainAgain = qScopeGuard(resetScreenshotStyle);
    MarkerCollectionWidget strip(Qt::Horizontal);
    strip.setProperty("main", true);
    strip.resize(300, 0);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    // As the plot shows its time marker: added for a text, then made an icon.
    ValueMarker marker(Qt::Horizontal, Qt::AlignBottom,
                       QStringLiteral(":/icons/dark/control/time_label.svg"));
    marker.setScale(0.0, 10.0);
    marker.setValue(5.0);
    strip.addMarker(&marker);
    marker.setIconOnly(true);
    strip.setIconSize(QSize(16, 16));
    QCoreApplication::processEvents();
    const QPair<int, int> icon = drawnRows(strip.grab().toImage());
    QVERIFY(icon.first >= 0);

    // Beyond the end its text, if any, lies off the strip and only the icon is drawn.
    marker.setIconOnly(iconOnly);
    marker.setValue(value);
    QVERIFY(marker.position() != 0);
    const QPair<int, int> pinned = drawnRows(strip.grab().toImage());
    QVERIFY2(pinned.first >= 0 && pinned.second - pinned.first == icon.second - icon.first,
             qPrintable(QStringLiteral("rows %1 to %2 of %3 drawn, the icon has %4")
                                .arg(pinned.first)
                                .arg(pinned.second)
                                .arg(strip.height())
                                .arg(icon.second - icon.first + 1)));
    strip.removeMarker(&marker);
}

void TestMarkerCollectionWidget::iconSizeReachesMarkers()
{
    VerticalStrip f;
    const auto iconSide = [&f] {
        for (QLabel *label : f.marker.frame()->findChildren<QLabel *>()) {
            if (!label->pixmap(Qt::ReturnByValue).isNull())
                return label->height();
        }
        return -1;
    };
    QCOMPARE(iconSide(), 20);
    f.strip.setIconSize(QSize(24, 24));
    QCOMPARE(iconSide(), 24);
}

void TestMarkerCollectionWidget::dragFollowsPointer()
{
    VerticalStrip f;
    QSignalSpy validated(&f.marker, &ValueMarker::validateValue);
    QSignalSpy changed(&f.marker, &ValueMarker::valueChanged);
    press(f.strip, 103); // 3 px below the marker's middle
    move(f.strip, 83);
    QCOMPARE(f.marker.value(), f.strip.fromPosition(&f.marker, 80));
    QCOMPARE(f.marker.value(), 0.2);
    move(f.strip, 143);
    QCOMPARE(f.marker.value(), -0.4);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(validated.count(), 0);
    release(f.strip, 143);
    QCOMPARE(validated.count(), 1);
    move(f.strip, 20); // no drag any more
    QCOMPARE(f.marker.value(), -0.4);

    press(f.strip, 5); // nothing there
    move(f.strip, 60);
    QCOMPARE(f.marker.value(), -0.4);
}

void TestMarkerCollectionWidget::dragIntoEndStopsThere()
{
    VerticalStrip f;
    QSignalSpy validated(&f.marker, &ValueMarker::validateValue);
    press(f.strip, 100);
    move(f.strip, 5);
    QCOMPARE(f.marker.value(), 0.95);
    QCOMPARE(f.marker.position(), 1);
    QCOMPARE(validated.count(), 1);
    move(f.strip, 60);
    QCOMPARE(f.marker.value(), 0.95);
    release(f.strip, 60);
    QCOMPARE(validated.count(), 1);
}

void TestMarkerCollectionWidget::dragPinnedMarkerStartsInside()
{
    VerticalStrip f;
    f.marker.setValue(5.0); // pinned at y = 10
    press(f.strip, 10);
    move(f.strip, 30);
    QCOMPARE(f.marker.value(), 0.8); // smax - 2 eps
    QCOMPARE(f.marker.position(), 0);
    move(f.strip, 40); // the drag goes on with the offset of the press
    QCOMPARE(f.marker.value(), f.strip.fromPosition(&f.marker, 40));
}

void TestMarkerCollectionWidget::overlappingMarkers()
{
    VerticalStrip f;
    ValueMarker second(Qt::Vertical, Qt::AlignLeft, channelIcon);
    f.strip.addMarker(&second);
    QSignalSpy firstClicked(&f.marker, &ValueMarker::doubleClicked);
    QSignalSpy secondClicked(&second, &ValueMarker::doubleClicked);

    press(f.strip, 100);
    move(f.strip, 80);
    release(f.strip, 80);
    QCOMPARE(second.value(), 0.2);
    QCOMPARE(f.marker.value(), 0.0);

    f.marker.setValue(0.2);
    QTest::mouseDClick(&f.strip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 80));
    QCOMPARE(firstClicked.count(), 1);
    QCOMPARE(secondClicked.count(), 0);
}

void TestMarkerCollectionWidget::dragSurvivesListChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("dragGoesOn");
    QTest::newRow("dragged marker removed") << "remove dragged" << false;
    QTest::newRow("dragged marker hidden") << "hide dragged" << false;
    QTest::newRow("earlier marker removed") << "remove earlier" << true;
    QTest::newRow("earlier marker hidden") << "hide earlier" << true;
    QTest::newRow("dragged marker destroyed") << "destroy dragged" << false;
}

void TestMarkerCollectionWidget::dragSurvivesListChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, dragGoesOn);
    VerticalStrip f;
    f.marker.setValue(0.5); // the earlier entry, at y = 50
    auto dragged = std::make_unique<ValueMarker>(Qt::Vertical, Qt::AlignLeft, channelIcon);
    f.strip.addMarker(dragged.get());
    QSignalSpy validated(dragged.get(), &ValueMarker::validateValue);
    press(f.strip, 100);
    move(f.strip, 90);
    QCOMPARE(dragged->value(), 0.1);

    if (change == "remove dragged")
        f.strip.removeMarker(dragged.get());
    else if (change == "hide dragged")
        f.strip.setMarkerEnabled(dragged.get(), false);
    else if (change == "remove earlier")
        f.strip.removeMarker(&f.marker);
    else if (change == "hide earlier")
        f.strip.setMarkerEnabled(&f.marker, false);
    else
        dragged.reset();

    move(f.strip, 80);
    f.strip.repaint();
    release(f.strip, 80);
    QCOMPARE(f.marker.value(), 0.5);
    if (dragged) {
        QCOMPARE(dragged->value(), dragGoesOn ? 0.2 : 0.1);
        QCOMPARE(validated.count(), dragGoesOn ? 1 : 0);
    }
}

void TestMarkerCollectionWidget::destroyedMarkerLeavesStrip()
{
    VerticalStrip f;
    auto shown = std::make_unique<ValueMarker>(Qt::Vertical, Qt::AlignLeft, channelIcon);
    auto hidden = std::make_unique<ValueMarker>(Qt::Vertical, Qt::AlignLeft, channelIcon);
    f.strip.addMarker(shown.get());
    f.strip.addMarker(hidden.get());
    f.strip.setMarkerEnabled(hidden.get(), false);
    shown.reset();
    hidden.reset();
    QCOMPARE(drawnCount(f.strip, f.marker), 1);
    press(f.strip, 100);
    move(f.strip, 90);
    QCOMPARE(f.marker.value(), 0.1);
}

void TestMarkerCollectionWidget::receiverChangesDuringPaint()
{
    // The plot answers a place with a replot, and a cursor may move or drop its other marker.
    VerticalStrip f;
    ValueMarker other(Qt::Vertical, Qt::AlignLeft, channelIcon);
    f.strip.addMarker(&other);
    int answered = 0;
    connect(&f.marker, &ValueMarker::positionChanged, &f.strip, [&](double) {
        ++answered;
        other.setValue(0.3);
        f.strip.removeMarker(&other);
        f.strip.setMargins(QMargins(0, 5, 0, 5));
    });
    f.strip.repaint();
    QCOMPARE(answered, 1);
    QCOMPARE(drawnCount(f.strip, other), 0);
}

// Not a check: both strips for a person to look at, in every theme and both languages.
void TestMarkerCollectionWidget::screenshots()
{
    const QString dir = screenshotDirectory();
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    for (const ScreenshotStyle &style : screenshotStyles()) {
        applyScreenshotStyle(style);
        const auto icon = [&style](const char *name) {
            return QStringLiteral(":/icons/%1/control/%2.svg").arg(style.theme, name);
        };
        QWidget window;
        window.setProperty("main", true);
        auto *layout = new QHBoxLayout(&window);
        auto *vertical = new MarkerCollectionWidget(Qt::Vertical, &window);
        auto *horizontal = new MarkerCollectionWidget(Qt::Horizontal, &window);
        layout->addWidget(vertical);
        layout->addWidget(horizontal, 1, Qt::AlignTop);
        window.resize(520, 240);
        // Room for the texts, as the plot area gives it from the strip's font.
        window.ensurePolished();
        vertical->ensurePolished();
        const QFontMetrics metrics = vertical->fontMetrics();
        vertical->setValueSize(QSize(metrics.horizontalAdvance("-00.00 dD"), metrics.height()));
        horizontal->setValueSize(QSize(metrics.horizontalAdvance("-000.000 mV"), metrics.height()));

        ValueMarker channel1(Qt::Vertical, Qt::AlignLeft, icon("channel1_label"));
        ValueMarker channel2(Qt::Vertical, Qt::AlignLeft, icon("channel2_label"));
        ValueMarker trigger(Qt::Vertical, Qt::AlignLeft, icon("trigger_label"));
        channel1.setValue(0.35);
        channel2.setValue(-0.04);
        trigger.setValue(2.5); // beyond the upper end
        ValueMarker time(Qt::Horizontal, Qt::AlignBottom, icon("time_label"));
        ValueMarker cursor1(Qt::Horizontal, Qt::AlignBottom, icon("vcursor_1"));
        ValueMarker cursor2(Qt::Horizontal, Qt::AlignBottom, icon("vcursor_2"));
        for (ValueMarker *marker : {&time, &cursor1, &cursor2}) {
            marker->setDimension(QStringLiteral("s"));
            marker->setScale(0.0, 0.01);
        }
        time.setValue(0.002);
        cursor1.setValue(0.0065);
        cursor2.setValue(-0.005); // beyond the lower end
        for (ValueMarker *marker : {&channel1, &channel2, &trigger})
            vertical->addMarker(marker);
        for (ValueMarker *marker : {&time, &cursor1, &cursor2})
            horizontal->addMarker(marker);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        window.grab().save(QStringLiteral("%1/marker-strips-%2.png").arg(dir, style.suffix()));
        for (ValueMarker *marker : {&channel1, &channel2, &trigger})
            vertical->removeMarker(marker);
        for (ValueMarker *marker : {&time, &cursor1, &cursor2})
            horizontal->removeMarker(marker);
    }
    resetScreenshotStyle();
}

QTEST_MAIN(TestMarkerCollectionWidget)
#include "tst_markercollectionwidget.moc"
