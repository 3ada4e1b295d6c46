#include "hardware/facilitiesrequirementsfactory.h"
#include "hardware/indivisiblefacilitiesrequirements.h"
#include "hardware/indivisiblemodulefacilities.h"
#include "hardware/modulefacilitiesfactory.h"

#include <QTest>

#include <memory>

using Requirements = std::shared_ptr<FacilitiesRequirementsInterface>;

// The indivisible model: one module, one holder, whole.
class TestModuleFacilities : public QObject
{
    Q_OBJECT
private slots:
    void secondHolderWaitsForRelease()
    {
        IndivisibleModuleFacilities facilities;
        const Requirements first = std::make_shared<IndivisibleFacilitiesRequirements>();
        const Requirements second = std::make_shared<IndivisibleFacilitiesRequirements>();

        QVERIFY(facilities.canOccupy(first));
        const Requirements granted = facilities.occupy(first);
        QVERIFY(granted);
        QVERIFY(granted != first);
        QVERIFY(static_cast<IndivisibleFacilitiesRequirements &>(*granted).occupied());
        QCOMPARE(granted->parent(), nullptr);

        QVERIFY(!facilities.canOccupy(second));
        QVERIFY(!facilities.occupy(second));
        QVERIFY(!facilities.occupy(second));

        facilities.release(granted);
        QVERIFY(facilities.canOccupy(second));
        QVERIFY(facilities.occupy(second));
    }

    void releaseDoesNotCheckTheHolder()
    {
        IndivisibleModuleFacilities facilities;
        QVERIFY(facilities.occupy(std::make_shared<IndivisibleFacilitiesRequirements>()));
        facilities.release(nullptr);
        QVERIFY(facilities.canOccupy(nullptr));
        // Releasing a free module keeps it free.
        facilities.release(nullptr);
        QVERIFY(facilities.occupy(nullptr));
    }

    void availableFacilities()
    {
        IndivisibleModuleFacilities facilities;
        const QList<Requirements> free = facilities.availableFacilities(nullptr);
        QCOMPARE(free.size(), 1);
        auto *offered = qobject_cast<IndivisibleFacilitiesRequirements *>(free.first().get());
        QVERIFY(offered);
        QVERIFY(offered->occupied());
        // Asking takes nothing.
        QVERIFY(facilities.canOccupy(nullptr));
        QVERIFY(facilities.occupy(nullptr));
        QVERIFY(facilities.availableFacilities(nullptr).isEmpty());
    }

    void factoriesGiveTheIndivisibleModelForAnyType_data()
    {
        QTest::addColumn<int>("type");
        for (int type : { 0, 1, 2, 3, 4, 5, 6, 7, -1 })
            QTest::addRow("type %d", type) << type;
    }

    void factoriesGiveTheIndivisibleModelForAnyType()
    {
        QFETCH(int, type);
        const ModuleTypes moduleType = static_cast<ModuleTypes>(type);

        std::unique_ptr<FacilitiesRequirementsInterface> requirements(
                FacilitiesRequirementsFactory().create(moduleType));
        auto *indivisible = qobject_cast<IndivisibleFacilitiesRequirements *>(requirements.get());
        QVERIFY(indivisible);
        QVERIFY(!indivisible->occupied());
        QCOMPARE(int(indivisible->type()), 0);
        QCOMPARE(indivisible->description(), QString());
        QCOMPARE(indivisible->parent(), nullptr);

        std::unique_ptr<ModuleFacilitiesInterface> facilities(
                ModuleFacilitiesFactory().create(moduleType));
        QVERIFY(qobject_cast<IndivisibleModuleFacilities *>(facilities.get()));
        QCOMPARE(int(facilities->type()), 0);
        QCOMPARE(facilities->parent(), nullptr);
        QVERIFY(facilities->canOccupy(nullptr));
    }

    void invokableConstructors()
    {
        const IndivisibleModuleFacilities facilities;
        std::unique_ptr<QObject> made(
                facilities.metaObject()->newInstance(Q_ARG(QObject *, nullptr)));
        QVERIFY(qobject_cast<IndivisibleModuleFacilities *>(made.get()));
        const IndivisibleFacilitiesRequirements requirements;
        std::unique_ptr<QObject> madeRequirements(
                requirements.metaObject()->newInstance(Q_ARG(QObject *, nullptr)));
        QVERIFY(qobject_cast<IndivisibleFacilitiesRequirements *>(madeRequirements.get()));
    }
};

QTEST_GUILESS_MAIN(TestModuleFacilities)
#include "tst_modulefacilities.moc"
