#include "hardware/indivisiblefacilitiesrequirements.h"
#include "resources/resourcedependence.h"
#include "support/frameworktestmodule.h"

#include <QTest>

#include <memory>

namespace {
std::shared_ptr<FacilitiesRequirementsInterface> indivisible()
{
    return std::make_shared<IndivisibleFacilitiesRequirements>();
}

// A requirement that names a share of its module, as a channel-sharing model would.
class SharedRequirements : public FacilitiesRequirementsInterface
{
public:
    explicit SharedRequirements(const QString &text)
        : m_text(text)
    {
    }
    ModuleTypes type() const override { return ModuleTypeKW7; }
    QString description() const override { return m_text; }

private:
    QString m_text;
};

const ModuleTypes HX2 = ModuleTypeHX2;
const ModuleTypes KT220 = ModuleTypeKT220;
const ModuleTypes KW7 = ModuleTypeKW7;
} // namespace

// The dependence tree: its walk over the leaves, and the description and unique id that name
// a resource's state file.
class TestDependenceTree : public QObject
{
    Q_OBJECT
private slots:
    void emptyTree()
    {
        ResourceDependence tree;
        QCOMPARE(tree.moduleType(), ModuleTypeNone);
        QCOMPARE(tree.module(), nullptr);
        QVERIFY(!tree.first());
        QVERIFY(!tree.next());
        QCOMPARE(tree.description(), QString());
        QCOMPARE(tree.uniqueId(), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    }

    void descriptionAndId()
    {
        FrameworkTestModule scope(HX2, QStringLiteral("HX2"), QStringLiteral("SIM::1::INSTR"), 1);
        FrameworkTestModule supply(KT220, QStringLiteral("KT220"),
                                   QStringLiteral("TCPIP0::10.0.0.5::INSTR"), 1);

        ResourceDependence one;
        one.add(HX2, indivisible());
        QVERIFY(one.first());
        one.setModule(&scope);
        QCOMPARE(one.description(), QStringLiteral("HX2:SIM::1::INSTR/1"));
        QCOMPARE(one.uniqueId(), QStringLiteral("699b468c65b68136ee990ab7d9a09fba"));

        ResourceDependence two;
        two.add(HX2, indivisible());
        two.add(KT220, indivisible());
        QVERIFY(two.first());
        two.setModule(&scope);
        QVERIFY(two.next());
        two.setModule(&supply);
        QCOMPARE(two.description(),
                 QStringLiteral("HX2:SIM::1::INSTR/1\nKT220:TCPIP0::10.0.0.5::INSTR/1"));
        // md5("6SIM::1::INSTR1" "5TCPIP0::10.0.0.5::INSTR1")
        QCOMPARE(two.uniqueId(), QStringLiteral("2b337b22e19fec03303d4cc6bcd18fed"));

        // An unbound leaf: an empty line, and nothing towards the id.
        ResourceDependence partly;
        partly.add(KT220, indivisible());
        partly.add(HX2, indivisible());
        QVERIFY(partly.first());
        QVERIFY(partly.next());
        partly.setModule(&scope);
        QCOMPARE(partly.description(), QStringLiteral("\nHX2:SIM::1::INSTR/1"));
        QCOMPARE(partly.uniqueId(), one.uniqueId());
    }

    void requirementTextIsAppended()
    {
        FrameworkTestModule generator(KW7, QStringLiteral("KW7"), QStringLiteral("SIM::2::INSTR"), 3);
        ResourceDependence tree;
        tree.add(KW7, std::make_shared<SharedRequirements>(QStringLiteral("ch0")));
        QVERIFY(tree.first());
        tree.setModule(&generator);
        QCOMPARE(tree.description(), QStringLiteral("KW7:SIM::2::INSTR/3/ch0"));
        // md5("3SIM::2::INSTR3ch0")
        QCOMPARE(tree.uniqueId(), QStringLiteral("3ecd42316e79849d80545f816cdfaac5"));
    }

    void walkVisitsLeavesInOrder()
    {
        ResourceDependence tree;
        tree.add(HX2, indivisible());
        QVERIFY(tree.first());
        QCOMPARE(tree.moduleType(), HX2);
        QVERIFY(!tree.next());
        // The cursor stays on the last leaf.
        QCOMPARE(tree.moduleType(), HX2);

        tree.add(KT220, indivisible());
        tree.add(KW7, indivisible());
        QList<ModuleTypes> visited;
        for (bool leaf = tree.first(); leaf; leaf = tree.next())
            visited.append(tree.moduleType());
        QCOMPARE(visited, (QList<ModuleTypes> { HX2, KT220, KW7 }));
        QCOMPARE(tree.moduleType(), KW7);
        QVERIFY(!tree.next());
    }

    void nestedGroupsDepthFirst()
    {
        ResourceDependence inner;
        inner.add(KT220, indivisible());
        inner.add(KW7, indivisible());
        ResourceDependence empty;

        ResourceDependence tree;
        tree.add(empty);
        tree.add(HX2, indivisible());
        tree.add(inner);
        tree.add(empty);
        tree.add(ModuleTypeRV31, indivisible());

        QList<ModuleTypes> visited;
        for (bool leaf = tree.first(); leaf; leaf = tree.next())
            visited.append(tree.moduleType());
        QCOMPARE(visited, (QList<ModuleTypes> { HX2, KT220, KW7, ModuleTypeRV31 }));

        ResourceDependence onlyEmptyGroups;
        onlyEmptyGroups.add(empty);
        onlyEmptyGroups.add(empty);
        QVERIFY(!onlyEmptyGroups.first());
    }

    void requirementsAtTheCursor()
    {
        ResourceDependence tree;
        const auto own = indivisible();
        tree.add(HX2, own);
        // On the root group, before any walk: a fresh indivisible requirement each time.
        const auto onRoot = tree.requirements();
        QVERIFY(onRoot);
        QVERIFY(onRoot != own);
        QVERIFY(tree.requirements() != onRoot);

        QVERIFY(tree.first());
        QCOMPARE(tree.requirements(), own);
        const auto granted = indivisible();
        tree.setRequirements(granted);
        QCOMPARE(tree.requirements(), granted);
    }

    void copiedLeavesShareDataUntilDetached()
    {
        FrameworkTestModule first(HX2, QStringLiteral("HX2"), QStringLiteral("SIM::1::INSTR"), 1);
        FrameworkTestModule second(HX2, QStringLiteral("HX2"), QStringLiteral("SIM::1::INSTR"), 2);
        ResourceDependence original;
        original.add(HX2, indivisible());
        ResourceDependence copy;
        copy.add(original);

        QVERIFY(original.first());
        original.setModule(&first);
        QVERIFY(copy.first());
        QCOMPARE(copy.module(), &first);

        copy.detach();
        copy.setModule(&second);
        QCOMPARE(copy.module(), &second);
        QCOMPARE(original.module(), &first);
    }
};

QTEST_GUILESS_MAIN(TestDependenceTree)
#include "tst_dependencetree.moc"
