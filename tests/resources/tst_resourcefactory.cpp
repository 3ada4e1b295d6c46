#include "resources/resourcedependence.h"
#include "resources/resourcefactory.h"
#include "resources/resourceinterface.h"
#include "support/frameworktestmodule.h"
#include "support/frameworktestresource.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// Resources by type name, and what every resource is to the rest of the system.
class TestResourceFactory : public QObject
{
    Q_OBJECT
private slots:
    void typesAreSortedAndEachMakesItsOwnClass()
    {
        ResourceFactory factory;
        const QStringList types = factory.availiableTypes();
        QCOMPARE(types,
                 QStringList(
                         {"HX2", "HX9", "KT220 Power Supply", "KW7 Function Generator", "RV31"}));
        for (const QString &type : types) {
            std::unique_ptr<QObject> object(factory.create(type));
            auto *resource = qobject_cast<ResourceInterface *>(object.get());
            QVERIFY2(resource, qPrintable(type));
            QCOMPARE(resource->type(), type);
            QCOMPARE(resource->parent(), nullptr);
            // Unbound: the constructor's leaves carry no module.
            const auto tree = resource->getDependencies();
            QVERIFY(tree->first());
            QCOMPARE(tree->module(), nullptr);
            QVERIFY(tree->requirements());
        }
    }

    void unknownNamesGiveNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("case differs") << QStringLiteral("kt220 power supply");
        QTest::newRow("unknown") << QStringLiteral("KT221 Power Supply");
        QTest::newRow("empty") << QString();
    }

    void unknownNamesGiveNothing()
    {
        QFETCH(QString, name);
        ResourceFactory factory;
        QCOMPARE(factory.create(name), nullptr);
    }

    void everyCreateIsANewObject()
    {
        ResourceFactory factory;
        std::unique_ptr<QObject> first(factory.create(QStringLiteral("KT220 Power Supply")));
        std::unique_ptr<QObject> second(factory.create(QStringLiteral("KT220 Power Supply")));
        QVERIFY(first && second);
        QVERIFY(first != second);
        auto *a = qobject_cast<ResourceInterface *>(first.get());
        auto *b = qobject_cast<ResourceInterface *>(second.get());
        QVERIFY(a->getDependencies() != b->getDependencies());
    }

    void errorFlagAndSignal()
    {
        FrameworkTestResource resource(QStringLiteral("r"), {});
        QSignalSpy spy(&resource, &ResourceInterface::errorOccured);
        QVERIFY(!resource.isError());
        resource.setError();
        resource.setError();
        QCOMPARE(spy.count(), 2);
        QVERIFY(resource.isError());
    }

    void dependenciesAreTheResourcesOwnTree()
    {
        FrameworkTestResource resource(QStringLiteral("r"), {ModuleTypeHX2});
        QCOMPARE(resource.getDependencies(), resource.getDependencies());
        QVERIFY(resource.storeState().size() > 0);
        QCOMPARE(resource.description(), QString());
    }

    void idDependsOnModulesNotOnType()
    {
        const ModuleTypes KT220 = ModuleTypeKT220;
        FrameworkTestModule module(KT220, QStringLiteral("KT220"),
                                   QStringLiteral("TCPIP0::10.0.0.5::INSTR"));
        ResourceFactory factory;
        std::unique_ptr<QObject> object(factory.create(QStringLiteral("KT220 Power Supply")));
        auto *supply = qobject_cast<ResourceInterface *>(object.get());
        QVERIFY(supply->getDependencies()->first());
        supply->getDependencies()->setModule(&module);

        FrameworkTestResource other(QStringLiteral("r"), {KT220});
        other.bind({&module});
        QCOMPARE(supply->uniqueId(), other.uniqueId());
        QCOMPARE(supply->uniqueId(), QStringLiteral("134c3edab2246668c498dbea8e39b2f1"));
        QCOMPARE(supply->description(), QStringLiteral("KT220:TCPIP0::10.0.0.5::INSTR/1"));
    }
};

QTEST_GUILESS_MAIN(TestResourceFactory)
#include "tst_resourcefactory.moc"
