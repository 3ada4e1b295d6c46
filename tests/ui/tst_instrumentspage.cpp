#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/options.h"
#include "assets/assets.h"
#include "resources/powersupplyresource.h"
#include "resources/resourcecollection.h"
#include "resources/resourcecreator.h"
#include "resources/resourcehx9.h"
#include "support/testresource.h"
#include "support/testview.h"
#include "ui/activeviewcollection.h"
#include "ui/instrumentscontentwidget.h"
#include "ui/instrumentstoolbarwidget.h"
#include "ui/pinnedcollectionwidget.h"
#include "ui/pinnedviewminiaturebutton.h"
#include "ui/pinnedwrapframe.h"
#include "ui/viewbase/viewinterface.h"
#include "ui/viewfactory.h"
#include "ui/viewselectionwidget.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using ViewPtr = std::shared_ptr<ViewInterface>;

namespace {
ViewPtr makeView(const QString &type)
{
    ViewFactory factory;
    return ViewPtr(qobject_cast<ViewInterface *>(factory.create(type)));
}

// A view bound to a resource that the collection has taken, as a selected card leaves it.
ViewPtr makeBoundView(const QString &type, const QString &id)
{
    ViewPtr view = makeView(type);
    std::shared_ptr<ResourceInterface> resource = std::make_shared<TestResource>(type, id);
    if (!ResourceCollection::instance()->add(resource))
        return {};
    view->setResource(resource);
    return view;
}

// Opens a view as the selection page does once its resource is occupied.
void select(InstrumentsContentWidget &page, const ViewPtr &view)
{
    emit page.findChild<ViewSelectionWidget *>()->selected(view);
}

// A power supply over no modules, so that the power-supply view binds it.
class TestPowerSupply : public PowerSupplyResource
{
public:
    explicit TestPowerSupply(const QString &id)
        : m_id(id)
    {
        m_channelsCount = 1;
    }
    QString type() const override { return QStringLiteral("TestResource"); }
    QString uniqueId() const override { return m_id; }
    bool create() override { return true; }
    void setOutputOptions(int, const PowerSupplyOutputOptions &) override { }
    PowerSupplyOutputOptions outputOptions(int) const override { return {}; }
    int output(int, double &, double &) override { return 0; }
    PowerSupplyModeType mode(int) override { return PowerSupplyNoMode; }

private:
    QString m_id;
};

// A power-supply view bound to a power supply the collection has taken: unbound, the view
// is in error and its pinned frame refuses every button.
// The demonstration oscilloscope under its own id, bound without its module (no collection can
// take it without one): the oscilloscope view binds only an oscilloscope resource.
class TestScope : public ResourceHX9
{
public:
    explicit TestScope(QString id)
        : m_id(std::move(id))
    { }
    QString uniqueId() const override { return m_id; }

private:
    QString m_id;
};

ViewPtr makeBoundScopeView(const QString &id)
{
    ViewPtr view = makeView("Digital Oscilloscope");
    std::shared_ptr<ResourceInterface> scope = std::make_shared<TestScope>(id);
    view->setResource(scope);
    return view;
}

ViewPtr makeBoundSupplyView(const QString &id)
{
    ViewPtr view = makeView("Power Supply");
    std::shared_ptr<ResourceInterface> supply = std::make_shared<TestPowerSupply>(id);
    if (!ResourceCollection::instance()->add(supply))
        return {};
    view->setResource(supply);
    return view;
}

int currentPage(InstrumentsContentWidget &page)
{
    return page.findChild<QStackedWidget *>("stackedWidget")->currentIndex();
}

PinnedWrapFrame *frameOf(const ViewPtr &view)
{
    QWidget *widget = view->pinnedUserInterface();
    while (widget && !qobject_cast<PinnedWrapFrame *>(widget))
        widget = widget->parentWidget();
    return qobject_cast<PinnedWrapFrame *>(widget);
}

// The pinning animation belongs to the widget it moves and deletes itself once it ends.
QPropertyAnimation *pinAnimationOf(QWidget *pinned)
{
    return pinned->findChild<QPropertyAnimation *>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

class TestInstrumentsPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void cardsForEveryPossibleResource();
    void arrangementOfUnknownEntriesLeavesEmptyWorkspace_data();
    void arrangementOfUnknownEntriesLeavesEmptyWorkspace();
    void maximizeThenPinBySelectingAnother();
    void errorsOfPinnedAndMaximizedViews();
    void pinnedFrameButtons();
    void atMostFourViews();
    void pinDisabledWithoutCandidates();
    void captionFollowsMaximizedView();
    void pinnedMiniatureFillsItsFrame();
    void miniatureGrownWhilePinningFillsItsFrame();
    void miniaturePinnedAgainIsWhole_data();
    void miniaturePinnedAgainIsWhole();
    void everyChangeStoresTheArrangement();
    void resourceErrorReachesPageAndFrame();
    void refusedViewGivesItsResourceBack();
    void restoringOwnArrangementChangesNothing();
    void appliedArrangementReplacesWorkspace();
};

void TestInstrumentsPage::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    initPraluneAssets();
    qRegisterMetaType<ViewPtr>();
}

void TestInstrumentsPage::cleanup()
{
    ResourceCollection::instance()->removeAll();
    get_cache()->arrangements->setCurrentArrangement(ArrangementState());
}

void TestInstrumentsPage::cardsForEveryPossibleResource()
{
    InstrumentsContentWidget page;
    page.reset();
    ResourceCreator creator;
    int expected = 0;
    for (const QString &type : creator.availableTypes())
        expected += creator.create(type).size();
    auto *selection = page.findChild<ViewSelectionWidget *>();
    QCOMPARE(selection->count(), expected);
    QCOMPARE(selection->findChildren<PinnedViewMiniatureButton *>().size(), expected);
    QCOMPARE(currentPage(page), 0);
}

void TestInstrumentsPage::arrangementOfUnknownEntriesLeavesEmptyWorkspace_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("maximized");
    QTest::newRow("six entries") << 6 << 1;
    QTest::newRow("two maximized") << 2 << 2;
    QTest::newRow("one unknown id") << 1 << 0;
}

void TestInstrumentsPage::arrangementOfUnknownEntriesLeavesEmptyWorkspace()
{
    QFETCH(int, entries);
    QFETCH(int, maximized);
    InstrumentsContentWidget page;
    ArrangementState state;
    for (int i = 0; i < entries; ++i)
        state.addResourceInformation("KT220Resource", QString("no-such-id-%1").arg(i),
                                     i < maximized, "KT220");
    QSignalSpy pinEnabled(&page, &InstrumentsContentWidget::pinEnabledChanged);
    QVERIFY(!page.restoreArrangement(state));
    QCOMPARE(page.activeViews()->size(), 0u);
    QVERIFY(ResourceCollection::instance()->count() <= int(page.activeViews()->size()));
    QCOMPARE(currentPage(page), 0);
    QCOMPARE(pinEnabled.count(), 1);
    QCOMPARE(pinEnabled.last().first().toBool(), false);
}

void TestInstrumentsPage::maximizeThenPinBySelectingAnother()
{
    InstrumentsContentWidget page;
    page.show();
    QSignalSpy save(&page, &InstrumentsContentWidget::saveEnabledChanged);
    const ViewPtr scope = makeView("Digital Oscilloscope");
    const ViewPtr meter = makeView("Digital Multimeter");

    select(page, scope);
    QCOMPARE(page.activeViews()->getMaximizedView(), scope);
    QCOMPARE(currentPage(page), 1);
    QVERIFY(scope->fullScreenUserInterface()->isVisible());
    QCOMPARE(save.count(), 1);
    QCOMPARE(save.last().first().toBool(), true);
    QVERIFY(!page.findChild<PinnedCollectionWidget *>()->isVisible());

    select(page, meter);
    QCOMPARE(page.activeViews()->getMaximizedView(), meter);
    QCOMPARE(page.activeViews()->getPinnedViews(), std::vector<ViewPtr>({scope}));
    QVERIFY(!scope->fullScreenUserInterface()->parent());
    QVERIFY(page.findChild<PinnedCollectionWidget *>()->isVisible());
    QVERIFY(frameOf(scope) && frameOf(scope)->isVisible());
    QCOMPARE(save.last().first().toBool(), false); // the multimeter does not enable saving
}

void TestInstrumentsPage::errorsOfPinnedAndMaximizedViews()
{
    InstrumentsContentWidget page;
    page.show();
    QSignalSpy errors(&page, &InstrumentsContentWidget::currentIntsrumentErrorOccured);
    const ViewPtr first = makeView("Power Supply");
    const ViewPtr second = makeView("Function Generator");
    select(page, first);
    select(page, second);

    first->proccessError(); // pinned: its frame turns red, the page stays quiet
    QCOMPARE(errors.count(), 0);
    QVERIFY(!frameOf(first)->isEnabled());
    QVERIFY(frameOf(first)->styleSheet().contains("#F44336"));

    second->proccessError(); // maximized: passed on once
    QCOMPARE(errors.count(), 1);
    QVERIFY(!second->fullScreenUserInterface()->isEnabled());
}

void TestInstrumentsPage::pinnedFrameButtons()
{
    InstrumentsContentWidget page;
    page.show();
    const ViewPtr a = makeBoundSupplyView("psu-1");
    // Not the multimeter: unbound, it reports an error and its frame's buttons are disabled.
    const ViewPtr b = std::make_shared<TestView>();
    select(page, a);
    select(page, b);
    QSignalSpy caption(&page, &InstrumentsContentWidget::currentInstrumentChanged);

    frameOf(a)->findChild<QPushButton *>("maximaizeButton")->click(); // expand
    QCOMPARE(page.activeViews()->getMaximizedView(), a);
    QCOMPARE(caption.last().first().toString(), QString("Power Supply"));
    QVERIFY(!frameOf(a)->isVisible());
    QVERIFY(frameOf(b)->isVisible());

    frameOf(b)->findChild<QPushButton *>("hideButton")->click(); // close
    QCOMPARE(page.activeViews()->size(), 1u);
    QVERIFY(!page.activeViews()->exists(b));
    QVERIFY(!b->pinnedUserInterface()->parent());
    QVERIFY(!page.findChild<PinnedCollectionWidget *>()->isVisible());
}

void TestInstrumentsPage::atMostFourViews()
{
    InstrumentsContentWidget page;
    const QStringList types = {"Power Supply", "Digital Multimeter", "Function Generator",
                               "Digital Oscilloscope", "Power Supply"};
    std::vector<ViewPtr> views;
    for (const QString &type : types) {
        views.push_back(makeView(type));
        select(page, views.back());
    }
    QCOMPARE(page.activeViews()->size(), 4u);
    QVERIFY(!page.activeViews()->exists(views.back()));
    QCOMPARE(page.activeViews()->getMaximizedView(), views[3]);
    QCOMPARE(page.activeViews()->getPinnedViews().size(), size_t(3));
}

void TestInstrumentsPage::pinDisabledWithoutCandidates()
{
    InstrumentsContentWidget page;
    QSignalSpy pinEnabled(&page, &InstrumentsContentWidget::pinEnabledChanged);
    const ViewPtr view = makeView("Digital Oscilloscope");
    select(page, view);
    QCOMPARE(pinEnabled.last().first().toBool(),
             page.findChild<ViewSelectionWidget *>()->count() > 0);
    if (page.findChild<ViewSelectionWidget *>()->count() == 0) {
        page.pin(); // nothing to pin to: the view stays maximized
        QCOMPARE(page.activeViews()->getMaximizedView(), view);
        QCOMPARE(currentPage(page), 1);
    }
}

void TestInstrumentsPage::captionFollowsMaximizedView()
{
    InstrumentsContentWidget page;
    InstrumentsToolBarWidget bar;
    connect(&page, &InstrumentsContentWidget::currentInstrumentChanged, &bar,
            &InstrumentsToolBarWidget::setCaption);
    connect(&page, &InstrumentsContentWidget::saveEnabledChanged, &bar,
            &InstrumentsToolBarWidget::enableSave);
    bar.show();
    auto *caption = bar.findChild<QLabel *>("caption");
    const ViewPtr scope = makeView("Digital Oscilloscope");
    select(page, scope);
    QCOMPARE(caption->text(), QString("Pralune - Digital Oscilloscope"));
    QVERIFY(bar.findChild<QPushButton *>("pictureButton")->isVisible());
    page.findChild<ActiveViewCollection *>()->pin(scope);
    QCOMPARE(caption->text(), QString("Pralune - Instrument selection"));
    QVERIFY(!bar.findChild<QPushButton *>("pictureButton")->isVisible());
}

void TestInstrumentsPage::pinnedMiniatureFillsItsFrame()
{
    // The pinning animation ends where the row places the miniature; a place not laid out yet
    // left it there zero wide, a blank frame.
    InstrumentsContentWidget page;
    page.resize(1024, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const ViewPtr scope = makeBoundView("Digital Oscilloscope", "scope-1");
    QVERIFY(scope);
    select(page, scope);
    page.findChild<ActiveViewCollection *>()->pin(scope);
    QWidget *pinned = scope->pinnedUserInterface();
    QTRY_VERIFY(frameOf(scope) && pinned->isVisible());
    QTest::qWait(300); // the animation's 100 ms and then some
    QVERIFY2(pinned->width() >= pinned->minimumSizeHint().width(),
             qPrintable(QStringLiteral("%1 < %2")
                                .arg(pinned->width())
                                .arg(pinned->minimumSizeHint().width())));
    QCOMPARE(pinned->width(), pinned->parentWidget()->contentsRect().width());
}

void TestInstrumentsPage::miniatureGrownWhilePinningFillsItsFrame()
{
    // A miniature whose minimum grows while the pinning animation runs (its labels fitted once
    // it is shown) must not be left where the animation ends, squeezed below that minimum with
    // its labels over its fields.
    InstrumentsContentWidget page;
    page.resize(1024, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const ViewPtr scope = makeBoundSupplyView("psu-1");
    QVERIFY(scope);
    select(page, scope);
    page.findChild<ActiveViewCollection *>()->pin(scope);
    QWidget *pinned = scope->pinnedUserInterface();
    QTRY_VERIFY(frameOf(scope) && pinned->isVisible());
    QVERIFY(pinAnimationOf(pinned));
    // One of its labels takes more room, as a fit in a wider font does.
    auto *label = pinned->findChild<QLabel *>("voltageViewLabel");
    QVERIFY(label);
    const int before = pinned->minimumSizeHint().width();
    label->setMinimumWidth(label->width() + 40);
    QTRY_VERIFY(!pinAnimationOf(pinned));
    QCoreApplication::processEvents();
    QVERIFY(pinned->minimumSizeHint().width() > before);
    QVERIFY2(pinned->width() >= pinned->minimumSizeHint().width(),
             qPrintable(QStringLiteral("%1 < %2")
                                .arg(pinned->width())
                                .arg(pinned->minimumSizeHint().width())));
    QCOMPARE(pinned->geometry(), pinned->parentWidget()->contentsRect());
}

void TestInstrumentsPage::miniaturePinnedAgainIsWhole_data()
{
    QTest::addColumn<QString>("type");
    QTest::newRow("oscilloscope") << QString("Digital Oscilloscope");
    QTest::newRow("multimeter") << QString("Digital Multimeter");
    QTest::newRow("generator") << QString("Function Generator");
    QTest::newRow("power supply") << QString("Power Supply");
}

void TestInstrumentsPage::miniaturePinnedAgainIsWhole()
{
    // Pinned, maximized from its miniature, pinned again: the frame comes back from hiding and
    // its miniature must take its place again, not keep the empty one it had while hidden.
    QFETCH(QString, type);
    InstrumentsContentWidget page;
    page.resize(1024, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const ViewPtr view = makeBoundView(type, "view-1");
    QVERIFY(view);
    auto *views = page.findChild<ActiveViewCollection *>();
    QWidget *pinned = view->pinnedUserInterface();
    select(page, view);
    views->pin(view);
    QTRY_VERIFY(frameOf(view) && pinned->isVisible());
    QTRY_VERIFY(!pinAnimationOf(pinned));

    // As its expand button does; an unbound view's frame is disabled, its signal is not.
    emit frameOf(view)->maximizeClicked();
    QCOMPARE(page.activeViews()->getMaximizedView(), view);
    QVERIFY(view->fullScreenUserInterface()->isVisible());
    views->pin(view);
    QTRY_VERIFY(pinned->isVisible());
    QTRY_VERIFY(!pinAnimationOf(pinned));

    const QSize hint = pinned->sizeHint();
    QVERIFY2(pinned->width() >= hint.width() && pinned->height() >= hint.height(),
             qPrintable(QStringLiteral("%1 x %2 shown, %3 x %4 wanted")
                                .arg(pinned->width())
                                .arg(pinned->height())
                                .arg(hint.width())
                                .arg(hint.height())));
    QVERIFY(pinned->parentWidget()->contentsRect().contains(pinned->geometry()));
}

void TestInstrumentsPage::everyChangeStoresTheArrangement()
{
    InstrumentsContentWidget page;
    const ViewPtr scope = makeBoundView("Digital Oscilloscope", "scope-1");
    const ViewPtr meter = makeBoundView("Digital Multimeter", "meter-1");
    QVERIFY(scope && meter);
    auto current = [] { return get_cache()->arrangements->currentArrangement(); };

    select(page, scope);
    QCOMPARE(current().count(), 1);
    QCOMPARE(current().type(0), QString("TestResource"));
    QCOMPARE(current().uniqueId(0), QString("scope-1"));
    QVERIFY(current().isMaximized(0));
    QCOMPARE(current().name(0), QString()); // no modules, no model names

    select(page, meter);
    QCOMPARE(current().count(), 2);
    int maximized = 0;
    for (int i = 0; i < current().count(); ++i) {
        QCOMPARE(current().uniqueId(i), page.activeViews()->at(i)->resource()->uniqueId());
        if (current().isMaximized(i)) {
            ++maximized;
            QCOMPARE(current().uniqueId(i), QString("meter-1"));
        }
    }
    QCOMPARE(maximized, 1);

    page.findChild<ActiveViewCollection *>()->pin(meter);
    QCOMPARE(current().count(), 2);
    QVERIFY(!current().isMaximized(0) && !current().isMaximized(1));

    frameOf(scope)->findChild<QPushButton *>("hideButton")->click();
    QCOMPARE(current().count(), 1);
    QCOMPARE(current().uniqueId(0), QString("meter-1"));
    QCOMPARE(ResourceCollection::instance()->count(), 1); // the hidden view's is released
}

void TestInstrumentsPage::resourceErrorReachesPageAndFrame()
{
    InstrumentsContentWidget page;
    page.show();
    QSignalSpy errors(&page, &InstrumentsContentWidget::currentIntsrumentErrorOccured);
    const ViewPtr pinned = makeBoundSupplyView("psu-1");
    const ViewPtr maximized = makeBoundScopeView("scope-1");
    select(page, pinned);
    select(page, maximized);

    pinned->resource()->setError();
    QCOMPARE(errors.count(), 0);
    QVERIFY(!frameOf(pinned)->isEnabled());
    QVERIFY(pinned->isError());

    maximized->resource()->setError();
    QCOMPARE(errors.count(), 1);
    QVERIFY(!maximized->fullScreenUserInterface()->isEnabled());
    QVERIFY(!maximized->pinnedUserInterface()->isEnabled());
}

void TestInstrumentsPage::refusedViewGivesItsResourceBack()
{
    InstrumentsContentWidget page;
    for (int i = 0; i < 4; ++i)
        select(page, makeBoundView("Power Supply", QString("psu-%1").arg(i)));
    QCOMPARE(ResourceCollection::instance()->count(), 4);
    const ViewPtr fifth = makeBoundView("Power Supply", "psu-4");
    QCOMPARE(ResourceCollection::instance()->count(), 5);
    select(page, fifth);
    QVERIFY(!page.activeViews()->exists(fifth));
    QCOMPARE(ResourceCollection::instance()->count(), 4);
}

void TestInstrumentsPage::restoringOwnArrangementChangesNothing()
{
    InstrumentsContentWidget page;
    const ViewPtr a = makeBoundView("Power Supply", "psu-1");
    const ViewPtr b = makeBoundView("Digital Oscilloscope", "scope-1");
    select(page, a);
    select(page, b);
    QSignalSpy pinEnabled(&page, &InstrumentsContentWidget::pinEnabledChanged);
    QSignalSpy caption(&page, &InstrumentsContentWidget::currentInstrumentChanged);
    QVERIFY(page.restoreArrangement(get_cache()->arrangements->currentArrangement()));
    QCOMPARE(pinEnabled.count(), 0);
    QCOMPARE(caption.count(), 0);
    QCOMPARE(page.activeViews()->size(), 2u);
    QCOMPARE(page.activeViews()->getMaximizedView(), b);
}

void TestInstrumentsPage::appliedArrangementReplacesWorkspace()
{
    InstrumentsContentWidget page;
    select(page, makeBoundView("Power Supply", "psu-1"));
    select(page, makeBoundView("Digital Multimeter", "meter-1"));
    QCOMPARE(ResourceCollection::instance()->count(), 2);
    QSignalSpy caption(&page, &InstrumentsContentWidget::currentInstrumentChanged);

    // As the Settings page applies a saved arrangement; none of its entries exists here.
    ArrangementState saved;
    saved.addResourceInformation("KT220Resource", "gone", true, "KT220");
    get_cache()->arrangements->setCurrentArrangement(saved);

    QCOMPARE(page.activeViews()->size(), 0u);
    QCOMPARE(ResourceCollection::instance()->count(), 0);
    QCOMPARE(currentPage(page), 0);
    QVERIFY(!page.findChild<PinnedCollectionWidget *>()->isVisible());
    QCOMPARE(caption.count(), 1);
    QCOMPARE(caption.last().first().toString(), QString());
}

QTEST_MAIN(TestInstrumentsPage)
#include "tst_instrumentspage.moc"
