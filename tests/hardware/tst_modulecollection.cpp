#include "hardware/modulecollection.h"

#include "support/scriptedmodule.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

// Each case works on a collection of its own; the process-wide one is checked only for
// being one.
class TestModuleCollection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void namesAndIdsInOneCall();
    void freedNameAndIdAreReused();
    void freeNameAndIdAreKept();
    void takenNameIsReplaced();
    void emptyAddAndRemoveEmitNothing();
    void lookups();
    void removeDeletesAndDisconnects();
    void removeTouchesOnlyModulesInTheCollection_data();
    void removeTouchesOnlyModulesInTheCollection();
    void resetRemovesEverything();
    void setStateByPath();
    void instanceIsOne();
};

void TestModuleCollection::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

static QList<int> idsOf(const QSignalSpy &spy, int index = 0)
{
    return spy.at(index).at(0).value<QList<int>>();
}

void TestModuleCollection::namesAndIdsInOneCall()
{
    ModuleCollection collection;
    QSignalSpy added(&collection, &ModuleCollection::added);
    auto *a = new ScriptedModule(QStringLiteral("KT220"));
    auto *b = new ScriptedModule(QStringLiteral("KT220"));
    collection.add(QList<ModuleInterface *> {a, nullptr, b});

    QCOMPARE(a->name(), QStringLiteral("KT220_1"));
    QCOMPARE(b->name(), QStringLiteral("KT220_2"));
    QCOMPARE(a->id(), 1);
    QCOMPARE(b->id(), 2);
    QCOMPARE(a->parent(), &collection);
    QCOMPARE(collection.count(), 2);
    QCOMPARE(added.count(), 1);
    QCOMPARE(idsOf(added), (QList<int> {1, 2}));
}

void TestModuleCollection::freedNameAndIdAreReused()
{
    ModuleCollection collection;
    auto *first = new ScriptedModule(QStringLiteral("RV31"));
    auto *second = new ScriptedModule(QStringLiteral("RV31"));
    collection.add(QList<ModuleInterface *> {first, second});
    collection.remove(first);

    auto *third = new ScriptedModule(QStringLiteral("RV31"));
    collection.add(third);
    QCOMPARE(third->name(), QStringLiteral("RV31_1"));
    QCOMPARE(third->id(), 1);
}

void TestModuleCollection::freeNameAndIdAreKept()
{
    ModuleCollection collection;
    auto *module = new ScriptedModule(QStringLiteral("HX2"));
    module->setName(QStringLiteral("scope"));
    module->setId(7);
    collection.add(module);
    QCOMPARE(module->name(), QStringLiteral("scope"));
    QCOMPARE(module->id(), 7);

    // The least free id is taken, not one above the highest.
    auto *next = new ScriptedModule(QStringLiteral("HX2"));
    collection.add(next);
    QCOMPARE(next->id(), 1);
}

void TestModuleCollection::takenNameIsReplaced()
{
    ModuleCollection collection;
    auto *a = new ScriptedModule(QString());
    a->setName(QStringLiteral("same"));
    auto *b = new ScriptedModule(QString());
    b->setName(QStringLiteral("same"));
    QSignalSpy renamed(b, &ModuleInterface::nameChanged);
    collection.add(QList<ModuleInterface *> {a, b});
    QCOMPARE(a->name(), QStringLiteral("same"));
    // An empty prefix still makes a unique name.
    QCOMPARE(b->name(), QStringLiteral("_1"));
    QCOMPARE(renamed.count(), 1);
}

void TestModuleCollection::emptyAddAndRemoveEmitNothing()
{
    ModuleCollection collection;
    QSignalSpy added(&collection, &ModuleCollection::added);
    QSignalSpy aboutToRemove(&collection, &ModuleCollection::aboutToRemove);
    QSignalSpy removed(&collection, &ModuleCollection::removed);
    collection.add(QList<ModuleInterface *>());
    collection.add(QList<ModuleInterface *> {nullptr});
    collection.remove(QList<ModuleInterface *>());
    collection.remove(QList<ModuleInterface *> {nullptr});
    QCOMPARE(added.count(), 0);
    QCOMPARE(aboutToRemove.count(), 0);
    QCOMPARE(removed.count(), 0);
}

void TestModuleCollection::lookups()
{
    ModuleCollection collection;
    auto *a = new ScriptedModule(QStringLiteral("KW7"));
    auto *b = new ScriptedModule(QStringLiteral("HX9"));
    collection.add(QList<ModuleInterface *> {a, b});
    QCOMPARE(collection.byOrder(-1), nullptr);
    QCOMPARE(collection.byOrder(collection.count()), nullptr);
    QCOMPARE(collection.byOrder(1), b);
    QCOMPARE(collection.byId(1), a);
    QCOMPARE(collection.byId(3), nullptr);
    QCOMPARE(collection.byName(QStringLiteral("HX9_1")), b);
    QCOMPARE(collection.byName(QStringLiteral("hx9_1")), nullptr);

    collection.setState(QStringLiteral("KW7_1"), 3);
    collection.setState(QStringLiteral("nobody"), 4);
    collection.setState(nullptr, 4);
    QCOMPARE(a->state(), ModuleInterface::Configured);
    QCOMPARE(b->state(), ModuleInterface::NotReached);
}

void TestModuleCollection::removeDeletesAndDisconnects()
{
    ModuleCollection collection;
    auto *module = new ScriptedModule(QStringLiteral("KT220"));
    auto *other = new ScriptedModule(QStringLiteral("KT220"));
    collection.add(QList<ModuleInterface *> {module, other});
    QPointer<ModuleInterface> watch(module);

    int delivered = 0;
    QObject receiver;
    connect(module, &QObject::destroyed, &receiver, [&] { ++delivered; });
    connect(module, &ModuleInterface::nameChanged, &receiver, [&] { ++delivered; });

    QSignalSpy aboutToRemove(&collection, &ModuleCollection::aboutToRemove);
    QSignalSpy removed(&collection, &ModuleCollection::removed);
    connect(&collection, &ModuleCollection::aboutToRemove, this, [&] {
        // Still there while the receivers get ready to let go of it.
        QCOMPARE(collection.byId(1), module);
    });
    collection.remove(module);

    QVERIFY(watch.isNull());
    QCOMPARE(delivered, 0); // not even its destroyed() reaches a former receiver
    QCOMPARE(idsOf(aboutToRemove), QList<int> {1});
    QCOMPARE(idsOf(removed), QList<int> {1});
    QCOMPARE(collection.count(), 1);
    QCOMPARE(collection.byOrder(0), other);
}

void TestModuleCollection::removeTouchesOnlyModulesInTheCollection_data()
{
    QTest::addColumn<QString>("stray");
    QTest::newRow("never added") << "never added";
    QTest::newRow("removed already") << "removed already";
    QTest::newRow("listed twice") << "listed twice";
    QTest::newRow("id now taken by another") << "id taken";
}

void TestModuleCollection::removeTouchesOnlyModulesInTheCollection()
{
    QFETCH(QString, stray);
    ModuleCollection collection;
    auto *keeper = new ScriptedModule(QStringLiteral("RV31"));
    auto *member = new ScriptedModule(QStringLiteral("RV31"));
    collection.add(QList<ModuleInterface *> {keeper, member});
    QPointer<ModuleInterface> keeperWatch(keeper);
    QPointer<ModuleInterface> memberWatch(member);
    QSignalSpy removed(&collection, &ModuleCollection::removed);

    if (stray == QLatin1String("never added")) {
        ScriptedModule outsider(QStringLiteral("RV31"));
        outsider.setId(1); // keeper's id
        collection.remove(&outsider);
        QCOMPARE(removed.count(), 0);
        QCOMPARE(collection.count(), 2);
    } else if (stray == QLatin1String("removed already")) {
        collection.remove(member);
        QCOMPARE(removed.count(), 1);
        collection.remove(member); // dangling: must not be looked into or deleted again
        QCOMPARE(removed.count(), 1);
        QCOMPARE(collection.count(), 1);
    } else if (stray == QLatin1String("listed twice")) {
        collection.remove(QList<ModuleInterface *> {member, member});
        QCOMPARE(removed.count(), 1);
        QCOMPARE(idsOf(removed), QList<int> {2});
        QCOMPARE(collection.count(), 1);
    } else {
        // An object outside the collection that carries the id of one inside it.
        ScriptedModule lookalike(QStringLiteral("RV31"));
        lookalike.setId(member->id());
        collection.remove(QList<ModuleInterface *> {&lookalike});
        QCOMPARE(removed.count(), 0);
        QVERIFY(!memberWatch.isNull());
        QCOMPARE(collection.count(), 2);
    }
    QVERIFY(!keeperWatch.isNull());
    QCOMPARE(collection.byOrder(0), keeper);
}

void TestModuleCollection::resetRemovesEverything()
{
    ModuleCollection collection;
    QPointer<ModuleInterface> a(new ScriptedModule(QStringLiteral("A")));
    QPointer<ModuleInterface> b(new ScriptedModule(QStringLiteral("B")));
    collection.add(QList<ModuleInterface *> {a, b});
    QSignalSpy removed(&collection, &ModuleCollection::removed);
    collection.reset();
    QCOMPARE(collection.count(), 0);
    QVERIFY(a.isNull() && b.isNull());
    QCOMPARE(removed.count(), 1);
    QCOMPARE(idsOf(removed), (QList<int> {1, 2}));
}

void TestModuleCollection::setStateByPath()
{
    ModuleCollection collection;
    const QString carrier = QStringLiteral("VXI0::1::INSTR");
    auto *onCarrier = new ScriptedModule(QStringLiteral("M"));
    onCarrier->setPath(carrier);
    onCarrier->setBase(QStringLiteral("VXI"));
    auto *otherBase = new ScriptedModule(QStringLiteral("M"));
    otherBase->setPath(carrier);
    otherBase->setBase(QStringLiteral("LXI"));
    auto *otherCase = new ScriptedModule(QStringLiteral("M"));
    otherCase->setPath(QStringLiteral("vxi0::1::INSTR"));
    otherCase->setBase(QStringLiteral("VXI"));
    collection.add(QList<ModuleInterface *> {onCarrier, otherBase, otherCase});
    QSignalSpy states(onCarrier, &ModuleInterface::stateChanged);

    collection.setStateByPath(carrier, QStringLiteral("VXI"), 1);
    QCOMPARE(onCarrier->state(), ModuleInterface::NotInitialized);
    QCOMPARE(otherBase->state(), ModuleInterface::NotReached);
    QCOMPARE(otherCase->state(), ModuleInterface::NotReached);
    QCOMPARE(states.count(), 0);
}

void TestModuleCollection::instanceIsOne()
{
    QCOMPARE(&ModuleCollection::instance(), &ModuleCollection::instance());
    QCOMPARE(ModuleCollection::instance().parent(), nullptr);
}

QTEST_GUILESS_MAIN(TestModuleCollection)
#include "tst_modulecollection.moc"
