#include "hardware/modulecollection.h"
#include "hardware/modules/kt220/kt220module.h"
#include "resources/resourcecollection.h"
#include "resources/resourcecreator.h"
#include "resources/resourcedependence.h"
#include "resources/resourceinterface.h"
#include "support/frameworktestmodule.h"

#include <QStandardPaths>
#include <QTest>

namespace {
const QString Supply = QStringLiteral("KT220 Power Supply");
const ModuleTypes KT220 = ModuleTypeKT220;

ModuleInterface *boundModule(const std::shared_ptr<ResourceInterface> &resource)
{
    const auto tree = resource->getDependencies();
    return tree->first() ? tree->module() : nullptr;
}

QList<ModuleInterface *> boundModules(const QList<std::shared_ptr<ResourceInterface>> &resources)
{
    QList<ModuleInterface *> modules;
    for (const auto &resource : resources)
        modules.append(boundModule(resource));
    return modules;
}
} // namespace

// Which resources the found modules allow.
class TestResourceCreator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("corvanta"));
        QCoreApplication::setApplicationName(QStringLiteral("pralune"));
        QStandardPaths::setTestModeEnabled(true);
    }

    void cleanup()
    {
        ResourceCollection::instance()->removeAll();
        ModuleCollection::instance().reset();
    }

    void unknownTypeGivesNothing()
    {
        addSupply(QStringLiteral("TCPIP0::10.0.0.5::INSTR"));
        const ResourceCreator creator;
        QVERIFY(creator.create(QStringLiteral("KT221 Power Supply")).isEmpty());
        QVERIFY(creator.create(QString()).isEmpty());
    }

    void noModuleOfTheTypeGivesNothing()
    {
        ModuleCollection::instance().add(new FrameworkTestModule(
                ModuleTypeHX2, QStringLiteral("HX2"), QStringLiteral("SIM::1::INSTR")));
        QVERIFY(ResourceCreator().create(Supply).isEmpty());
    }

    void oneResourcePerUsableModuleInCollectionOrder()
    {
        ModuleInterface *first = addSupply(QStringLiteral("TCPIP0::10.0.0.5::INSTR"));
        ModuleInterface *failed = addSupply(QStringLiteral("TCPIP0::10.0.0.6::INSTR"));
        failed->setErrorString(QStringLiteral("Timeout expired before operation completed."));
        ModuleInterface *second = addSupply(QStringLiteral("TCPIP0::10.0.0.7::INSTR"));
        ModuleInterface *demo = addSupply(QStringLiteral("SIM::1::INSTR"));
        demo->setErrorString(QStringLiteral("Simulated modules still report their errors."));
        demo->setDemoMode(true);
        // Right type, wrong class: the resource's create() refuses it.
        ModuleCollection::instance().add(new FrameworkTestModule(
                KT220, QStringLiteral("KT220"), QStringLiteral("TCPIP0::10.0.0.8::INSTR")));

        const ResourceCreator creator;
        QCOMPARE(creator.findModules(KT220).size(), 4);
        const auto resources = creator.create(Supply);
        QCOMPARE(boundModules(resources), (QList<ModuleInterface *> { first, second, demo }));
        for (const auto &resource : resources) {
            QCOMPARE(resource->type(), Supply);
            // Made but not taken: the collection takes the modules when one is opened.
            QVERIFY(ResourceCollection::instance()->canAdd(resource));
        }
    }

    void occupiedModuleOffersNothing()
    {
        ModuleInterface *first = addSupply(QStringLiteral("TCPIP0::10.0.0.5::INSTR"));
        ModuleInterface *second = addSupply(QStringLiteral("TCPIP0::10.0.0.7::INSTR"));
        const ResourceCreator creator;
        const auto before = creator.create(Supply);
        QCOMPARE(before.size(), 2);
        QVERIFY(ResourceCollection::instance()->add(before.first()));

        QCOMPARE(boundModules(creator.create(Supply)), QList<ModuleInterface *> { second });

        ResourceCollection::instance()->remove(before.first());
        QCOMPARE(boundModules(creator.create(Supply)),
                 (QList<ModuleInterface *> { first, second }));
    }

    void availableTypesAreTheFactorys()
    {
        QCOMPARE(ResourceCreator().availableTypes(), ResourceFactory().availiableTypes());
    }

private:
    ModuleInterface *addSupply(const QString &path)
    {
        auto *module = new KT220Module(nullptr);
        ModuleCollection::instance().add(module);
        module->setPath(path);
        return module;
    }
};

QTEST_GUILESS_MAIN(TestResourceCreator)
#include "tst_resourcecreator.moc"
