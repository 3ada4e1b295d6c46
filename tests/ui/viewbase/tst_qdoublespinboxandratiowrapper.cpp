#include "ui/viewbase/qdoublespinboxandratiowrapper.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Fixture
{
    explicit Fixture(int index = 0)
    {
        combo.addItems({QStringLiteral("Ohm"), QStringLiteral("kOhm"), QStringLiteral("MOhm")});
        combo.setCurrentIndex(index);
    }

    QDoubleSpinBox spin;
    QComboBox combo;
};

} // namespace

class TestRatioWrapper : public QObject
{
    Q_OBJECT
private slots:
    void valueInTheChosenUnit()
    {
        Fixture f(2);
        QDoubleSpinBoxAndRatioWrapper wrapper(&f.spin, &f.combo);
        wrapper.setRange(0, 1e9);
        QSignalSpy changed(&wrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged);
        wrapper.setValue(2500000.0);
        QCOMPARE(f.spin.value(), 2.5);
        QCOMPARE(wrapper.value(), 2.5e6);
        // Taken as it was given: nothing to report.
        QCOMPARE(changed.count(), 0);
    }

    void unitChangeShowsTheSameQuantity()
    {
        Fixture f;
        QDoubleSpinBoxAndRatioWrapper wrapper(&f.spin, &f.combo);
        wrapper.setRange(0, 1e6);
        wrapper.setValue(1500);
        QSignalSpy changed(&wrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged);
        f.combo.setCurrentIndex(1);
        QCOMPARE(f.spin.value(), 1.5);
        QCOMPARE(f.spin.decimals(), 4);
        QCOMPARE(f.spin.maximum(), 1000.0);
        QCOMPARE(wrapper.value(), 1500.0);
        QCOMPARE(changed.count(), 0);
    }

    void typedValueIsReportedInBaseUnits()
    {
        Fixture f(1);
        QDoubleSpinBoxAndRatioWrapper wrapper(&f.spin, &f.combo);
        wrapper.setRange(0, 1e6);
        QSignalSpy changed(&wrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged);
        f.spin.setValue(3.25);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toDouble(), 3250.0);
        // The same displayed value again changes nothing.
        f.spin.setValue(3.25);
        QCOMPARE(changed.count(), 1);
    }

    void roundedOrClampedValueIsReported()
    {
        Fixture f;
        QDoubleSpinBoxAndRatioWrapper wrapper(&f.spin, &f.combo);
        wrapper.setRange(0, 10);
        QSignalSpy changed(&wrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged);
        wrapper.setValue(50);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toDouble(), 10.0);
        QCOMPARE(wrapper.value(), 10.0);
        // The spin box keeps its own decimals (two) until the wrapper sets them.
        wrapper.setValue(1.234);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).toDouble(), 1.23);
    }

    void storedValuesChangeNothing()
    {
        Fixture f;
        f.spin.setRange(-5, 5);
        f.spin.setDecimals(6);
        f.spin.setSingleStep(0.5);
        f.spin.setValue(3);
        QDoubleSpinBoxAndRatioWrapper wrapper(&f.spin, &f.combo);
        // The constructor leaves the spin box as it is.
        QCOMPARE(f.spin.minimum(), -5.0);
        QCOMPARE(f.spin.decimals(), 6);
        wrapper.setRange(0.0, 100.0);
        wrapper.setDecimals(1);
        wrapper.setSingleStep(0.1);
        wrapper.setValue(0.0);
        QCOMPARE(f.spin.minimum(), -5.0);
        QCOMPARE(f.spin.maximum(), 5.0);
        QCOMPARE(f.spin.decimals(), 6);
        QCOMPARE(f.spin.singleStep(), 0.5);
        QCOMPARE(f.spin.value(), 3.0);
    }

    void settersScaleByTheRatio()
    {
        Fixture f(1);
        QDoubleSpinBoxAndRatioWrapper wrapper(&f.spin, &f.combo);
        wrapper.setRange(-2000, 8000);
        QCOMPARE(f.spin.minimum(), -2.0);
        QCOMPARE(f.spin.maximum(), 8.0);
        wrapper.setDecimals(2);
        QCOMPARE(f.spin.decimals(), 5);
        wrapper.setSingleStep(0.25);
        QCOMPARE(f.spin.singleStep(), 0.25);
    }

    void emptyComboBoxUntilItsFirstItem()
    {
        QDoubleSpinBox spin;
        QComboBox combo;
        QDoubleSpinBoxAndRatioWrapper wrapper(&spin, &combo);
        wrapper.setRange(0, 1000);
        // Index -1: a ratio of 1/1000 until the first item arrives.
        QCOMPARE(spin.maximum(), 1e6);
        combo.addItem(QStringLiteral("V"));
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(spin.maximum(), 1000.0);
        QCOMPARE(spin.decimals(), 1);
    }

    void creatableByTheMetaObject()
    {
        Fixture f;
        QObject parent;
        QObject *made = QDoubleSpinBoxAndRatioWrapper::staticMetaObject.newInstance(
                Q_ARG(QDoubleSpinBox *, &f.spin), Q_ARG(QComboBox *, &f.combo),
                Q_ARG(QObject *, &parent));
        QVERIFY(made);
        QCOMPARE(made->parent(), &parent);
        std::unique_ptr<QObject> orphan(QDoubleSpinBoxAndRatioWrapper::staticMetaObject.newInstance(
                Q_ARG(QDoubleSpinBox *, &f.spin), Q_ARG(QComboBox *, &f.combo)));
        QVERIFY(orphan);
        QCOMPARE(orphan->parent(), nullptr);
    }
};

QTEST_MAIN(TestRatioWrapper)
#include "tst_qdoublespinboxandratiowrapper.moc"
