#include "hardware/indivisiblefacilitiesrequirements.h"
#include "hardware/modulefacilitiesinterface.h"
#include "resources/resourcecollection.h"
#include "resources/resourcedependence.h"
#include "resources/resourcemanager.h"
#include "resources/resourcestate.h"
#include "support/frameworktestmodule.h"
#include "support/frameworktestresource.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {
const ModuleTypes HX2 = ModuleTypeHX2;
const ModuleTypes RV31 = ModuleTypeRV31;
} // namespace

// The resource manager and the collection of active resources: all-or-nothing occupation,
// the state file written before the modules are given back, and the order of removal.
class TestResourceCollection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("corvanta"));
        QCoreApplication::setApplicationName(QStringLiteral("pralune"));
        QStandardPaths::setTestModeEnabled(true);
        // Modules live for the whole run: the manager knows modules by address.
        for (int slot = 1; slot <= 4; ++slot)
            m_modules.append(new FrameworkTestModule(HX2, QStringLiteral("HX2"),
                                                     QStringLiteral("SIM::1::INSTR"), slot, this));
        m_configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    }

    void cleanup()
    {
        ResourceCollection::instance()->removeAll();
        QDir(m_configFolder).removeRecursively();
        FrameworkTestResource::storeLog().clear();
    }

    void managerKeepsOneFacilitiesObjectPerModule()
    {
        ResourceManager *manager = ResourceManager::instance();
        QCOMPARE(manager->get(nullptr), nullptr);
        ModuleFacilitiesInterface *facilities = manager->get(m_modules[0]);
        QVERIFY(facilities);
        QCOMPARE(manager->get(m_modules[0]), facilities);
        QVERIFY(manager->get(m_modules[1]) != facilities);
        QVERIFY(manager->availableFacilities(nullptr, nullptr).isEmpty());
        QCOMPARE(manager->availableFacilities(m_modules[0], nullptr).size(), 1);
    }

    void byOrderOutsideTheListIsEmpty()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto resource = over({ m_modules[0] });
        QVERIFY(collection->add(resource));
        QCOMPARE(collection->byOrder(0), resource);
        QCOMPARE(collection->byOrder(-1), nullptr);
        QCOMPARE(collection->byOrder(collection->count()), nullptr);
    }

    void addingTheSameResourceTwiceFails()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto resource = over({ m_modules[0] });
        QVERIFY(collection->add(resource));
        QVERIFY(!collection->add(resource));
        QCOMPARE(collection->count(), 1);
        QVERIFY(!collection->add(nullptr));
        QCOMPARE(collection->count(), 1);
    }

    void oneModuleServesOneResource()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto first = over({ m_modules[0] });
        const auto second = over({ m_modules[0] });
        QVERIFY(collection->canAdd(first));
        QVERIFY(collection->add(first));
        QVERIFY(!collection->canAdd(second));
        QVERIFY(!collection->add(second));
        QCOMPARE(collection->count(), 1);
        // The granted requirement replaced the resource's own one.
        const auto tree = first->getDependencies();
        QVERIFY(tree->first());
        auto *granted = qobject_cast<IndivisibleFacilitiesRequirements *>(tree->requirements().get());
        QVERIFY(granted);
        QVERIFY(granted->occupied());
    }

    void failedOccupyLeavesOtherHoldersModuleHeld()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto holder = over({ m_modules[1] });
        QVERIFY(collection->add(holder));

        // Takes module 0, is refused module 1: only module 0 may be given back.
        const auto refused = over({ m_modules[0], m_modules[1] });
        QVERIFY(!collection->canAdd(refused));
        QVERIFY(!collection->add(refused));
        QCOMPARE(collection->count(), 1);

        QVERIFY(!collection->canAdd(over({ m_modules[1] })));
        QVERIFY(collection->canAdd(over({ m_modules[0] })));

        // The refusal on the first leaf takes nothing at all.
        const auto refusedFirst = over({ m_modules[1], m_modules[2] });
        QVERIFY(!collection->add(refusedFirst));
        QVERIFY(collection->canAdd(over({ m_modules[2] })));
        QVERIFY(!collection->canAdd(over({ m_modules[1] })));
    }

    void leafWithoutModuleCannotBeOccupied()
    {
        const auto unbound = over({ m_modules[0], nullptr });
        QVERIFY(!ResourceCollection::instance()->canAdd(unbound));
        QVERIFY(!ResourceCollection::instance()->add(unbound));
        QVERIFY(ResourceCollection::instance()->canAdd(over({ m_modules[0] })));
    }

    void resourceWithoutLeavesIsAlwaysAddable()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto empty = std::make_shared<FrameworkTestResource>(QStringLiteral("e"),
                                                                  QList<ModuleTypes> {});
        QVERIFY(collection->canAdd(empty));
        QVERIFY(collection->add(empty));
        QVERIFY(collection->canAdd(over({ m_modules[0] })));
    }

    void addRestoresTheStateFileWhenThereIsOne()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto fresh = over({ m_modules[0] });
        QVERIFY(collection->add(fresh));
        QCOMPARE(fresh->restoreCount(), 0);
        collection->remove(fresh);

        ResourceState saved;
        saved[QStringLiteral("voltage")] = 3.25;
        const auto again = over({ m_modules[0] });
        saveStateToFile(saved, collection->resourceStateFileName(again));
        QVERIFY(collection->add(again));
        QCOMPARE(again->restoreCount(), 1);
        QCOMPARE(again->restored()[QStringLiteral("voltage")].toDouble(), 3.25);
        // What the earlier remove stored is in the same file.
        QCOMPARE(again->restored()[QStringLiteral("value")].toDouble(), 2.5);
    }

    void removeWritesTheStateFileBeforeRelease()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto resource = over({ m_modules[0] });
        QVERIFY(collection->add(resource));
        const QString expected = m_configFolder + QStringLiteral("/Framework Test_")
                + resource->uniqueId() + QStringLiteral(".ini");
        QCOMPARE(collection->resourceStateFileName(resource), expected);
        QCOMPARE(resource->uniqueId().size(), 32);
        QVERIFY(!QFile::exists(expected));

        collection->remove(resource);
        QCOMPARE(collection->count(), 0);
        QVERIFY(resource->heldWhenStored());
        QVERIFY(QFile::exists(expected));
        QCOMPARE(loadStateFromFile(expected)[QStringLiteral("name")].toString(), resource->name());
        QVERIFY(collection->canAdd(over({ m_modules[0] })));
    }

    void removingAnInactiveResourceDoesNothing()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto active = over({ m_modules[0] });
        QVERIFY(collection->add(active));
        const auto inactive = over({ m_modules[0] });
        collection->remove(inactive);
        collection->remove(-1);
        collection->remove(1);
        QVERIFY(FrameworkTestResource::storeLog().isEmpty());
        QVERIFY(!QFile::exists(collection->resourceStateFileName(inactive)));
        QCOMPARE(collection->count(), 1);
        QVERIFY(!collection->canAdd(inactive));
    }

    void removeByIndex()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        const auto first = over({ m_modules[0] }, QStringLiteral("first"));
        const auto second = over({ m_modules[1] }, QStringLiteral("second"));
        QVERIFY(collection->add(first));
        QVERIFY(collection->add(second));
        collection->remove(0);
        QCOMPARE(FrameworkTestResource::storeLog(), QStringList { "first" });
        QCOMPARE(collection->count(), 1);
        QCOMPARE(collection->byOrder(0), second);
    }

    void removeAllGoesLastFirst()
    {
        ResourceCollection *collection = ResourceCollection::instance();
        QList<std::shared_ptr<FrameworkTestResource>> resources;
        for (int i = 0; i < 3; ++i) {
            resources.append(over({ m_modules[i] }, QString::number(i + 1)));
            QVERIFY(collection->add(resources.last()));
        }
        collection->removeAll();
        QCOMPARE(collection->count(), 0);
        QCOMPARE(FrameworkTestResource::storeLog(), (QStringList { "3", "2", "1" }));
        for (const auto &resource : resources) {
            QVERIFY(resource->heldWhenStored());
            QVERIFY(QFile::exists(collection->resourceStateFileName(resource)));
        }
        QCOMPARE(QDir(m_configFolder).entryList({ "*.ini" }, QDir::Files).size(), 3);
    }

private:
    std::shared_ptr<FrameworkTestResource> over(const QList<ModuleInterface *> &modules,
                                                const QString &name = QStringLiteral("r"))
    {
        QList<ModuleTypes> types;
        for (ModuleInterface *module : modules)
            types.append(module ? module->type() : RV31);
        auto resource = std::make_shared<FrameworkTestResource>(name, types);
        resource->bind(modules);
        return resource;
    }

    QList<ModuleInterface *> m_modules;
    QString m_configFolder;
};

QTEST_GUILESS_MAIN(TestResourceCollection)
#include "tst_resourcecollection.moc"
