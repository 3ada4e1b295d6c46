#include "vekwidgets/vekstepgrid.h"

#include <QtTest>

#include <limits>

using VekStepGrid::Rounding;

Q_DECLARE_METATYPE(VekStepGrid::Rounding)

class TestVekStepGrid : public QObject
{
    Q_OBJECT
private slots:
    void wholeSteps_data()
    {
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("step");
        QTest::addColumn<Rounding>("rounding");
        QTest::addColumn<double>("steps");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("down") << 2.7 << 1.0 << Rounding::Down << 2.0;
        QTest::newRow("up") << 2.2 << 1.0 << Rounding::Up << 3.0;
        QTest::newRow("nearest") << 2.7 << 1.0 << Rounding::Nearest << 3.0;
        QTest::newRow("half a step is the lower") << 2.5 << 1.0 << Rounding::Nearest << 2.0;
        QTest::newRow("negative down") << -2.2 << 1.0 << Rounding::Down << -3.0;
        QTest::newRow("negative up") << -2.7 << 1.0 << Rounding::Up << -2.0;
        // 0.079995 / 5e-6 is 15998.999999999998 in doubles.
        QTest::newRow("a hair under, down") << 0.079995 << 5e-6 << Rounding::Down << 15999.0;
        // 0.07 / 0.01 is 7.000000000000001, 0.3 / 0.1 is 2.9999999999999996.
        QTest::newRow("a hair over, up") << 0.07 << 0.01 << Rounding::Up << 7.0;
        QTest::newRow("a hair under, up") << 0.3 << 0.1 << Rounding::Up << 3.0;
        QTest::newRow("a whole number stays, down") << 3.0 << 1.0 << Rounding::Down << 3.0;
        QTest::newRow("a whole number stays, up") << 3.0 << 1.0 << Rounding::Up << 3.0;
        QTest::newRow("zero step") << 1.0 << 0.0 << Rounding::Down << 0.0;
        QTest::newRow("negative step") << 1.0 << -0.5 << Rounding::Up << 0.0;
        QTest::newRow("NaN step") << 1.0 << nan << Rounding::Nearest << 0.0;
        QTest::newRow("NaN quantity") << nan << 1.0 << Rounding::Nearest << 0.0;
        QTest::newRow("infinite quantity") << inf << 1.0 << Rounding::Down << 0.0;
    }
    void wholeSteps()
    {
        QFETCH(double, quantity);
        QFETCH(double, step);
        QFETCH(Rounding, rounding);
        QFETCH(double, steps);
        QCOMPARE(VekStepGrid::wholeSteps(quantity, step, rounding), steps);
        if (step > 0.0)
            QCOMPARE(VekStepGrid::onGrid(quantity, step, rounding), steps * step);
    }

    void samePoint()
    {
        QVERIFY(VekStepGrid::samePoint(0.0016, 32 * 5e-5, 2.5e-5));
        QVERIFY(VekStepGrid::samePoint(1.0, 1.0, 0.1));
        QVERIFY(!VekStepGrid::samePoint(1.575, 1.57, 0.01));
        QVERIFY(!VekStepGrid::samePoint(1.0, 1.0, 0.0));
    }
};

QTEST_MAIN(TestVekStepGrid)
#include "tst_vekstepgrid.moc"
