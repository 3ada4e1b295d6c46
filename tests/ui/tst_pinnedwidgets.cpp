#include "assets/assets.h"
#include "support/testview.h"
#include "ui/pinnedcollectionwidget.h"
#include "ui/pinnedviewminiaturebutton.h"
#include "ui/pinnedwrapframe.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using ViewPtr = std::shared_ptr<ViewInterface>;

namespace {
QPushButton *frameButton(QWidget *frame, const char *name)
{
    return frame->findChild<QPushButton *>(QLatin1String(name));
}

QList<PinnedWrapFrame *> frames(PinnedCollectionWidget &row)
{
    return row.findChildren<PinnedWrapFrame *>();
}
} // namespace

class TestPinnedWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initPraluneAssets();
        qRegisterMetaType<ViewPtr>();
    }
    void frameCaption_data();
    void frameCaption();
    void frameButtons();
    void frameErrorState();
    void pinningTwiceKeepsOneFrame();
    void removingRemapsLaterFrames();
    void maximizeHidesFrameFirst();
    void failedViewStartsRed();
    void borders();
    void narrowRowScrolls();
    void viewsKeepTheirPinnedWidgets();
    void miniaturePixmapHeight();
};

void TestPinnedWidgets::frameCaption_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("caption");
    QTest::newRow("two lines") << "KT220 SIM::1::INSTR 1\nsecond line"
                               << "KT220 SIM::1::INSTR 1";
    QTest::newRow("empty") << QString() << QString();
}

void TestPinnedWidgets::frameCaption()
{
    QFETCH(QString, description);
    QFETCH(QString, caption);
    PinnedWrapFrame frame(new QWidget, description);
    QCOMPARE(frame.elidedDescription(10000), caption);
    QCOMPARE(frameButton(&frame, "descriptionPushButton")->toolTip(), description);
    if (!caption.isEmpty()) {
        const QString elided = frame.elidedDescription(40);
        QVERIFY(elided.size() < caption.size());
        QVERIFY(elided.endsWith(QChar(0x2026)));
    }
}

void TestPinnedWidgets::frameButtons()
{
    PinnedWrapFrame frame(new QWidget, "a");
    QSignalSpy hide(&frame, &PinnedWrapFrame::hideClicked);
    QSignalSpy maximize(&frame, &PinnedWrapFrame::maximizeClicked);
    frameButton(&frame, "hideButton")->click();
    frameButton(&frame, "maximaizeButton")->click();
    frameButton(&frame, "descriptionPushButton")->click();
    QCOMPARE(hide.count(), 1);
    QCOMPARE(maximize.count(), 2);
    QVERIFY(!frameButton(&frame, "hideButton")->icon().isNull());
    QCOMPARE(frameButton(&frame, "hideButton")->toolTip(), QString("Close device"));
}

void TestPinnedWidgets::frameErrorState()
{
    PinnedWrapFrame frame(new QWidget, "a");
    frame.setErrorState();
    QVERIFY(!frame.isEnabled());
    QVERIFY(frame.styleSheet().contains("#F44336"));
    QVERIFY(!frame.styleSheet().contains("#b0b0c0"));
    frame.setSticky(2);
    QCOMPARE(frame.stickDirection(), 2);
    QCOMPARE(frame.property("stickDirection").toInt(), 2);
    QVERIFY(frame.styleSheet().contains("#F44336"));
}

void TestPinnedWidgets::pinningTwiceKeepsOneFrame()
{
    PinnedCollectionWidget row;
    row.resize(800, 120);
    row.show();
    QVERIFY(row.findChild<QFrame *>("mockFrame")->isVisible());
    const ViewPtr view = std::make_shared<TestView>();
    QVERIFY(row.pin(view));
    row.hidePinnedView(view);
    QVERIFY(!frames(row).first()->isVisible());
    QVERIFY(row.pin(view));
    QCOMPARE(frames(row).size(), 1);
    QCOMPARE(row.count(), 1);
    QVERIFY(frames(row).first()->isVisible());
}

void TestPinnedWidgets::removingRemapsLaterFrames()
{
    PinnedCollectionWidget row;
    const ViewPtr a = std::make_shared<TestView>(), b = std::make_shared<TestView>(),
                  c = std::make_shared<TestView>();
    row.pin(a);
    row.pin(b);
    row.pin(c);
    QWidget *thirdFrame = c->pinnedUserInterface()->parentWidget()->parentWidget();
    row.removePinnedView(b);
    row.removePinnedView(std::make_shared<TestView>()); // not here: ignored
    QCOMPARE(row.count(), 2);
    QSignalSpy hide(&row, &PinnedCollectionWidget::aboutToHide);
    frameButton(thirdFrame, "hideButton")->click();
    QCOMPARE(hide.count(), 1);
    QCOMPARE(hide.first().first().value<ViewPtr>(), c);
}

void TestPinnedWidgets::maximizeHidesFrameFirst()
{
    PinnedCollectionWidget row;
    row.show();
    const ViewPtr view = std::make_shared<TestView>();
    row.pin(view);
    PinnedWrapFrame *frame = frames(row).first();
    bool visibleAtSignal = true;
    connect(&row, &PinnedCollectionWidget::aboutToMaximize, this,
            [&] { visibleAtSignal = frame->isVisible(); });
    frameButton(frame, "descriptionPushButton")->click();
    QVERIFY(!visibleAtSignal);
}

void TestPinnedWidgets::failedViewStartsRed()
{
    PinnedCollectionWidget row;
    const ViewPtr later = std::make_shared<TestView>();
    row.pin(later);
    later->proccessError();
    QVERIFY(!frames(row).first()->isEnabled());
    QVERIFY(frames(row).first()->styleSheet().contains("#F44336"));
}

void TestPinnedWidgets::borders()
{
    PinnedCollectionWidget row;
    row.resize(2000, 120);
    row.show();
    const ViewPtr a = std::make_shared<TestView>(), b = std::make_shared<TestView>();
    row.pin(a);
    QCOMPARE(frames(row).first()->stickDirection(), 1); // mock frame fills the rest
    row.pin(b);
    QCOMPARE(frames(row).at(0)->stickDirection(), 1);
    QCOMPARE(frames(row).at(1)->stickDirection(), 0);
    row.resize(100, 120); // no room: the last leans on the right edge
    QVERIFY(!row.findChild<QFrame *>("mockFrame")->isVisible());
    QCOMPARE(frames(row).at(1)->stickDirection(), 2);
    row.hidePinnedView(b); // a hidden frame is neither first nor last
    QCOMPARE(frames(row).at(0)->stickDirection(),
             row.findChild<QFrame *>("mockFrame")->isVisible() ? 1 : 3);
}

// Frames that do not fit scroll sideways instead of widening the row, and so the window; the
// row reserves the scroll bar's height, so the frames keep theirs.
void TestPinnedWidgets::narrowRowScrolls()
{
    QWidget page;
    auto *layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *row = new PinnedCollectionWidget;
    layout->addStretch(1); // the row stands at the page's foot at its own height
    layout->addWidget(row);
    page.resize(1000, 200);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    std::vector<ViewPtr> views;
    for (int i = 0; i < 3; ++i) {
        views.push_back(std::make_shared<TestView>());
        row->pin(views.back());
    }
    QCoreApplication::processEvents();
    int framesWidth = 0;
    for (PinnedWrapFrame *frame : frames(*row))
        framesWidth += frame->minimumSizeHint().width();
    QVERIFY(framesWidth > 400);
    const int frameHeight = frames(*row).first()->height();
    QVERIFY(row->minimumSizeHint().width() < framesWidth / 2);
    // With room the frames stand side by side, no bar shown.
    auto *area = row->findChild<QScrollArea *>();
    QVERIFY(area);
    QVERIFY(!area->horizontalScrollBar()->isVisible());

    page.resize(framesWidth / 2, 200);
    QCoreApplication::processEvents();
    QCOMPARE(page.width(), framesWidth / 2);
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
    // The bar lies below the frames, not over their foot.
    PinnedWrapFrame *first = frames(*row).first();
    QCOMPARE(first->height(), frameHeight);
    QVERIFY(first->mapTo(area->viewport(), QPoint(0, first->height())).y()
            <= area->viewport()->height());
    // The last frame's close button can be scrolled into sight.
    QPushButton *close = frameButton(frames(*row).last(), "hideButton");
    area->ensureWidgetVisible(close);
    const QRect shown(close->mapTo(&page, QPoint(0, 0)), close->size());
    QVERIFY(page.rect().contains(shown));
}

void TestPinnedWidgets::viewsKeepTheirPinnedWidgets()
{
    const ViewPtr view = std::make_shared<TestView>();
    QPointer<QWidget> pinned = view->pinnedUserInterface();
    {
        PinnedCollectionWidget row;
        row.pin(view);
        row.removePinnedView(view);
        QVERIFY(!pinned->parent());
        row.pin(view);
        row.clear();
        QVERIFY(!pinned->parent());
        row.pin(view);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(pinned);
    QVERIFY(!pinned->parent());
}

void TestPinnedWidgets::miniaturePixmapHeight()
{
    const ViewPtr view = std::make_shared<TestView>();
    const int own = view->pinnedUserInterface()->sizeHint().height();
    PinnedViewMiniatureButton button(view, "caption");
    QCOMPARE(button.pinnedWidgetPixmapHeight(), own);
    button.setPinnedWidgetPixmapHeight(own + 40);
    QCOMPARE(button.pinnedWidgetPixmapHeight(), own + 40);
    button.setPinnedWidgetPixmapHeight(0);
    QCOMPARE(button.pinnedWidgetPixmapHeight(), own);
    button.setPinnedWidgetPixmapHeight(-5);
    QCOMPARE(button.pinnedWidgetPixmapHeight(), own);
    const QSize hint = button.sizeHint();
    QVERIFY(hint.height() > own);
    QCOMPARE(button.sizeHint(), hint);
    // A taller picture makes a taller card, a larger font a larger one.
    button.setPinnedWidgetPixmapHeight(own + 100);
    QCOMPARE(button.sizeHint(), hint + QSize(0, 100));
    QFont large = button.font();
    large.setPointSize(large.pointSize() * 2);
    button.setFont(large);
    QVERIFY(button.sizeHint().height() > hint.height() + 100);
}

QTEST_MAIN(TestPinnedWidgets)
#include "tst_pinnedwidgets.moc"
