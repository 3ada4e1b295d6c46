#include "support/testview.h"
#include "ui/activeviewcollection.h"
#include "ui/viewcollection.h"

#include <QSignalSpy>
#include <QStringList>
#include <QtTest>

#include <memory>

using ViewPtr = std::shared_ptr<ViewInterface>;

namespace {

ViewPtr newView(int id = 0)
{
    auto view = std::make_shared<TestView>();
    view->setId(ViewId(id));
    return view;
}

// Records every signal of an active-view collection as "signal:name" in emission order.
class SignalLog : public QObject
{
public:
    SignalLog(ActiveViewCollection &views, const QMap<ViewInterface *, QString> &names)
        : m_names(names)
    {
        auto record = [this](const char *what) {
            return [this, what](const ViewPtr &view) {
                entries << QStringLiteral("%1:%2").arg(QLatin1String(what),
                                                       m_names.value(view.get()));
            };
        };
        connect(&views, &ActiveViewCollection::aboutToHide, this, record("aboutToHide"));
        connect(&views, &ActiveViewCollection::wasHidden, this, record("wasHidden"));
        connect(&views, &ActiveViewCollection::aboutToMaximize, this, record("aboutToMaximize"));
        connect(&views, &ActiveViewCollection::wasMaximized, this, record("wasMaximized"));
        connect(&views, &ActiveViewCollection::aboutToPin, this, record("aboutToPin"));
        connect(&views, &ActiveViewCollection::wasPinned, this, record("wasPinned"));
    }
    QStringList entries;

private:
    QMap<ViewInterface *, QString> m_names;
};

} // namespace

class TestViewCollections : public QObject
{
    Q_OBJECT
private slots:
    void uniqueIds();
    void reusesFreedIds();
    void lookupAndDuplicates();
    void signalOrder();
    void limitRefusesSilently();
    void stateChangesBeforeWasSignals();
};

void TestViewCollections::uniqueIds()
{
    ViewCollection views;
    const ViewPtr first = newView();
    const ViewPtr free3 = newView(3);
    const ViewPtr clash = newView(3);
    views.add(first);
    views.add(free3);
    views.add(clash);
    QCOMPARE(first->id().value(), 1);
    QCOMPARE(free3->id().value(), 3); // a free id stays
    QCOMPARE(clash->id().value(), 2); // a taken one becomes the smallest free
    QCOMPARE(views.makeUniqueId().value(), 4);
}

void TestViewCollections::reusesFreedIds()
{
    ViewCollection views;
    const ViewPtr one = newView();
    const ViewPtr two = newView();
    views.add(one);
    views.add(two);
    QSignalSpy removed(&views, &ViewCollection::removed);
    views.remove(one);
    QCOMPARE(removed.count(), 1);
    const ViewPtr three = newView();
    views.add(three);
    QCOMPARE(three->id().value(), 1);
    QCOMPARE(views[0u], two);
    QCOMPARE(views[1u], three);
}

void TestViewCollections::lookupAndDuplicates()
{
    ViewCollection views;
    const ViewPtr view = newView();
    QSignalSpy added(&views, &ViewCollection::added);
    views.add(view);
    views.add(view);
    views.add(nullptr);
    QCOMPARE(added.count(), 1);
    QCOMPARE(views.size(), 1u);
    QVERIFY(!views[1u]);
    QCOMPARE(views[ViewId(1)], view);
    QVERIFY(!views[ViewId(2)]);
    views.remove(newView()); // not a member: nothing
    QCOMPARE(views.size(), 1u);
}

void TestViewCollections::signalOrder()
{
    ActiveViewCollection views(4);
    const ViewPtr a = newView(), b = newView(), c = newView();
    SignalLog log(views, {{a.get(), "A"}, {b.get(), "B"}, {c.get(), "C"}});

    views.maximize(a);
    QCOMPARE(log.entries, QStringList({"aboutToMaximize:A", "wasMaximized:A"}));
    log.entries.clear();
    views.maximize(b);
    QCOMPARE(log.entries,
             QStringList({"aboutToPin:A", "wasPinned:A", "aboutToMaximize:B", "wasMaximized:B"}));
    log.entries.clear();
    views.maximize(b); // already maximized: all four again
    QCOMPARE(log.entries,
             QStringList({"aboutToPin:B", "wasPinned:B", "aboutToMaximize:B", "wasMaximized:B"}));
    log.entries.clear();
    views.pin(a); // already pinned: nothing
    QVERIFY(log.entries.isEmpty());
    views.pin(b);
    QCOMPARE(log.entries, QStringList({"aboutToPin:B", "wasPinned:B"}));
    QVERIFY(!views.getMaximizedView());
    log.entries.clear();
    views.pin(c);
    QCOMPARE(log.entries, QStringList({"aboutToPin:C", "wasPinned:C"}));
    log.entries.clear();
    views.hide(a);
    QCOMPARE(log.entries, QStringList({"aboutToHide:A", "wasHidden:A"}));
    log.entries.clear();
    views.hide(a); // not present: nothing
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(views.size(), 2u);
    QCOMPARE(views.getPinnedViews().size(), size_t(2));
}

void TestViewCollections::limitRefusesSilently()
{
    ActiveViewCollection views(4);
    for (int i = 0; i < 4; ++i)
        QVERIFY(views.add(newView()));
    QVERIFY(!views.add(nullptr));
    QVERIFY(!views.add(views.at(0)));
    const ViewPtr fifth = newView();
    SignalLog log(views, {});
    views.pin(fifth);
    views.maximize(fifth);
    QVERIFY(!views.add(fifth));
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(views.size(), 4u);
    QVERIFY(!views.exists(fifth));
    QVERIFY(!views.at(views.size()));
    QVERIFY(views.remove(views.at(0)));
    QVERIFY(!views.remove(fifth));
}

void TestViewCollections::stateChangesBeforeWasSignals()
{
    ActiveViewCollection views(4);
    const ViewPtr a = newView();
    ViewPtr maximizedAtAbout, maximizedAtWas;
    connect(&views, &ActiveViewCollection::aboutToMaximize, this,
            [&] { maximizedAtAbout = views.getMaximizedView(); });
    connect(&views, &ActiveViewCollection::wasMaximized, this,
            [&] { maximizedAtWas = views.getMaximizedView(); });
    bool presentAtWasHidden = true;
    connect(&views, &ActiveViewCollection::wasHidden, this,
            [&](const ViewPtr &view) { presentAtWasHidden = views.exists(view); });
    views.maximize(a);
    QVERIFY(!maximizedAtAbout);
    QCOMPARE(maximizedAtWas, a);
    views.hide(a);
    QVERIFY(!presentAtWasHidden);
}

QTEST_MAIN(TestViewCollections)
#include "tst_viewcollections.moc"
