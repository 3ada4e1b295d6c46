#include "vekwidgets/vekdimensionlistbox.h"
#include "vekwidgets/vekdimensionspinbox.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QStringList unitsOf(const QWidget &box)
{
    QStringList labels;
    const auto *combo = box.findChild<QComboBox *>();
    for (int i = 0; i < combo->count(); ++i)
        labels << combo->itemText(i);
    return labels;
}

QComboBox *comboOf(const QWidget &box)
{
    return box.findChild<QComboBox *>();
}

QDoubleSpinBox *spinOf(const QWidget &box)
{
    return box.findChild<QDoubleSpinBox *>();
}

// Seconds per unit of the time unit the box shows.
double unitMultiplier(const QWidget &box)
{
    const QMap<QString, double> seconds {{"s", 1.0}, {"ms", 1e-3}, {"mks", 1e-6}, {"ns", 1e-9}};
    return seconds.value(comboOf(box)->currentText(), 1.0);
}

// Types a number into the box and leaves the field, as a person would.
void enter(QWidget &box, double shown)
{
    QDoubleSpinBox *spin = spinOf(box);
    spin->setValue(shown);
    emit spin->editingFinished();
}

void configure(VekDimensionSpinBox &box, VekDimensionSpinBox::Type type, double step, double lo,
               double hi)
{
    box.setType(type);
    box.setSingleStep(step);
    box.setRange(lo, hi);
}

} // namespace

class TestVekDimensionSpinBox : public QObject
{
    Q_OBJECT
private slots:
    void unitLists_data();
    void unitLists();
    void noneHasNoUnits();
    void snapping_data();
    void snapping();
    void unchangedValueIsSilent();
    void leavingUntypedKeepsTheQuantity();
    void typedNumberIsCommitted_data();
    void typedNumberIsCommitted();
    void setValueChoosesUnit();
    void valueFittingNoUnitKeepsUnit();
    void setValueKeepsInsideTheRange_data();
    void setValueKeepsInsideTheRange();
    void largeFrequencyDoesNotOverflow();
    void badStepIsIgnored_data();
    void badStepIsIgnored();
    void unitChangeReinterpretsNumber();
    void rangeDroppingTheUnitKeepsTheQuantity_data();
    void rangeDroppingTheUnitKeepsTheQuantity();
    void newRangeAndStepKeepTheQuantity_data();
    void newRangeAndStepKeepTheQuantity();

    void listBoxUnits_data();
    void listBoxUnits();
    void listBoxPicksSupportedValue();
    void emptyListBoxValueIsZero();
};

void TestVekDimensionSpinBox::unitLists_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<QStringList>("units");
    QTest::newRow("time, fine step") << int(VekDimensionSpinBox::Time) << 1e-9 << 0.0 << 10.0
                                     << QStringList {"s", "ns", "mks", "ms"};
    QTest::newRow("time, milliseconds only")
            << int(VekDimensionSpinBox::Time) << 0.001 << 0.001 << 0.5 << QStringList {"ms"};
    QTest::newRow("frequency from 1 Hz") << int(VekDimensionSpinBox::Frequency) << 1.0 << 1.0 << 2e6
                                         << QStringList {"Hz", "kHz", "MHz"};
    QTest::newRow("frequency from 2 kHz") << int(VekDimensionSpinBox::Frequency) << 1.0 << 2000.0
                                          << 2e6 << QStringList {"kHz", "MHz"};
    QTest::newRow("voltage, fine step") << int(VekDimensionSpinBox::Voltage) << 1e-7 << 0.0 << 10.0
                                        << QStringList {"V", "mkV", "mV"};
    QTest::newRow("voltage, coarse step")
            << int(VekDimensionSpinBox::Voltage) << 0.1 << 0.0 << 10.0 << QStringList {"V"};
}

void TestVekDimensionSpinBox::unitLists()
{
    QFETCH(int, type);
    QFETCH(double, step);
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(QStringList, units);
    VekDimensionSpinBox box;
    configure(box, static_cast<VekDimensionSpinBox::Type>(type), step, lo, hi);
    QCOMPARE(unitsOf(box), units);
    QCOMPARE(comboOf(box)->currentIndex(), 0);
    QVERIFY(!comboOf(box)->isHidden());
}

void TestVekDimensionSpinBox::noneHasNoUnits()
{
    VekDimensionSpinBox box;
    QVERIFY(unitsOf(box).isEmpty());
    QVERIFY(comboOf(box)->isHidden());
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    box.setValue(3.0);
    QCOMPARE(box.value(), 3.0);
    QCOMPARE(spy.count(), 0);
}

void TestVekDimensionSpinBox::snapping_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("typed");
    QTest::addColumn<double>("committed");
    QTest::addColumn<double>("shown");
    QTest::newRow("rounds down") << 0.1 << 10.0 << 1.25 << 1.2 << 1.2;
    QTest::newRow("within a tenth of a step below") << 0.1 << 10.0 << 1.99 << 2.0 << 2.0;
    QTest::newRow("close enough leaves the box") << 0.001 << 10.0 << 1.23 << 1.23 << 1.23;
    QTest::newRow("above maximum") << 0.1 << 9.95 << 20.0 << 9.9 << 9.9;
    QTest::newRow("below a hundredth") << 0.001 << 10.0 << 0.004 << 0.01 << 0.01;
}

void TestVekDimensionSpinBox::snapping()
{
    QFETCH(double, step);
    QFETCH(double, hi);
    QFETCH(double, typed);
    QFETCH(double, committed);
    QFETCH(double, shown);
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Voltage, step, 0.0, hi);
    QCOMPARE(comboOf(box)->currentText(), QString("V"));
    enter(box, 5.0);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    enter(box, typed);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toDouble(), committed);
    QCOMPARE(box.value(), committed);
    QCOMPARE(spinOf(box)->value(), shown);
}

// 1.575 s (a drag of the time mark gives such values) shows as "1.57"; leaving the box
// without typing must not commit that rounded number, which the step would pull to 1.55.
void TestVekDimensionSpinBox::leavingUntypedKeepsTheQuantity()
{
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Time, 0.025, 0.025, 7.975);
    box.setValue(1.575);
    QCOMPARE(box.value(), 1.575);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    emit spinOf(box)->editingFinished();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(box.value(), 1.575);
    enter(box, 1.6);
    QCOMPARE(box.value(), 1.6);
}

void TestVekDimensionSpinBox::typedNumberIsCommitted_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<double>("kept");
    // The box keeps 1.575 s (a drag of the time mark gives such values) and shows "1.57".
    for (const bool enter : {true, false}) {
        const char *leaving = enter ? "Enter" : "focus out";
        QTest::addRow("typed the shown digits, %s", leaving) << "1.57" << enter << 1.57;
        QTest::addRow("typed other digits, %s", leaving) << "1.56" << enter << 1.56;
        QTest::addRow("left untyped, %s", leaving) << QString() << enter << 1.575;
    }
}

// What the person typed is committed, even the digits shown; a field left alone is not, as its
// number is the kept quantity rounded to two decimals.
void TestVekDimensionSpinBox::typedNumberIsCommitted()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(double, kept);
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *box = new VekDimensionSpinBox(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(box);
    layout->addWidget(other);
    configure(*box, VekDimensionSpinBox::Time, 0.005, 0.005, 7.975);
    box->setValue(1.575);
    QCOMPARE(box->value(), 1.575);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QDoubleSpinBox *spin = spinOf(*box);
    QCOMPARE(spin->text(), QStringLiteral("1.57"));
    spin->setFocus();
    QTRY_VERIFY(spin->hasFocus());

    QSignalSpy spy(box, &VekDimensionSpinBox::valueChanged);
    if (!typed.isEmpty()) {
        spin->selectAll();
        QTest::keyClicks(spin, typed);
    }
    if (enter)
        QTest::keyClick(spin, Qt::Key_Return);
    else
        other->setFocus();
    QTRY_VERIFY(enter || !spin->hasFocus());
    QCOMPARE(box->value(), kept);
    QCOMPARE(spy.count(), kept == 1.575 ? 0 : 1);
    if (!spy.isEmpty())
        QCOMPARE(spy.first().first().toDouble(), kept);
    QCOMPARE(spin->text(), typed.isEmpty() ? QStringLiteral("1.57") : typed);

    // Leaving again without typing says nothing more.
    if (enter)
        QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(spy.count(), kept == 1.575 ? 0 : 1);
}

void TestVekDimensionSpinBox::unchangedValueIsSilent()
{
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Voltage, 0.1, 0.0, 10.0);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    enter(box, 1.5);
    QCOMPARE(spy.count(), 1);
    enter(box, 1.5);
    enter(box, 1.52);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(box.value(), 1.5);
}

void TestVekDimensionSpinBox::setValueChoosesUnit()
{
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Time, 1e-9, 0.0, 10.0);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    box.setValue(0.05);
    QCOMPARE(comboOf(box)->currentText(), QString("s"));
    QCOMPARE(spinOf(box)->value(), 0.05);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().first().toDouble(), 0.05);

    // A change of unit reports the new value once, never the old number read in the new unit.
    box.setValue(0.0025);
    QCOMPARE(comboOf(box)->currentText(), QString("ms"));
    QCOMPARE(spinOf(box)->value(), 2.5);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().first().toDouble(), 0.0025);
    QCOMPARE(box.value(), 0.0025);

    box.setValue(2e-7);
    QCOMPARE(comboOf(box)->currentText(), QString("ns"));
    QCOMPARE(spinOf(box)->value(), 200.0);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.last().first().toDouble(), 2e-7);
}

void TestVekDimensionSpinBox::valueFittingNoUnitKeepsUnit()
{
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Time, 1e-9, 0.0, 10.0);
    box.setValue(0.0025);
    QCOMPARE(comboOf(box)->currentText(), QString("ms"));
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    box.setValue(0.0);
    QCOMPARE(comboOf(box)->currentText(), QString("ms"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(box.value(), 0.0);
    QCOMPARE(spinOf(box)->value(), 0.0);
}

void TestVekDimensionSpinBox::setValueKeepsInsideTheRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("kept");
    QTest::addColumn<QString>("unit");
    // A prehistory box at 0.2 s/div: blocks of 0.1 s, at most 31.9 s.
    QTest::newRow("zero, which no unit shows") << 0.0 << 0.1 << "s";
    QTest::newRow("a few nanoseconds, which no unit shows") << 6.4e-9 << 0.1 << "s";
    QTest::newRow("negative") << -1.0 << 0.1 << "s";
    QTest::newRow("above the maximum") << 50.0 << 31.9 << "s";
}

void TestVekDimensionSpinBox::setValueKeepsInsideTheRange()
{
    QFETCH(double, value);
    QFETCH(double, kept);
    QFETCH(QString, unit);
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Time, 0.1, 0.1, 31.9);
    box.setValue(2.0);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    box.setValue(value);
    QCOMPARE(box.value(), kept);
    QCOMPARE(comboOf(box)->currentText(), unit);
    QCOMPARE(spinOf(box)->value() * unitMultiplier(box), kept);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toDouble(), kept);
}

void TestVekDimensionSpinBox::largeFrequencyDoesNotOverflow()
{
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Frequency, 0.001, 0.0, 1e9);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    box.setValue(5e8);
    QCOMPARE(comboOf(box)->currentText(), QString("MHz"));
    QCOMPARE(spinOf(box)->value(), 500.0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toDouble(), 5e8);
    QCOMPARE(box.value(), 5e8);

    spinOf(box)->setValue(999.0);
    box.validate(2000.0); // far above the maximum in MHz
    QCOMPARE(spy.last().first().toDouble(), 1e9);
    QCOMPARE(box.value(), 1e9);
}

void TestVekDimensionSpinBox::badStepIsIgnored_data()
{
    QTest::addColumn<double>("step");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -0.1;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
}

void TestVekDimensionSpinBox::badStepIsIgnored()
{
    QFETCH(double, step);
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Voltage, 0.1, 0.0, 10.0);
    box.setValue(1.2);
    box.setSingleStep(step);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    enter(box, 1.25);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(box.value(), 1.2);
    QVERIFY(std::isfinite(spinOf(box)->singleStep()));
}

void TestVekDimensionSpinBox::unitChangeReinterpretsNumber()
{
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Time, 1e-9, 0.0, 10.0);
    box.setValue(0.5);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    comboOf(box)->setCurrentIndex(3); // ms
    QCOMPARE(spinOf(box)->value(), 0.5);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toDouble(), 0.0005);
    QCOMPARE(box.value(), 0.0005);
}

void TestVekDimensionSpinBox::rangeDroppingTheUnitKeepsTheQuantity_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("newHi");
    QTest::addColumn<double>("kept");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("shown");
    // Seconds leave the list once the range ends at a second or below.
    QTest::newRow("time inside the new range") << int(VekDimensionSpinBox::Time) << 0.0025 << 1.5975
                                               << 0.5 << 0.7975 << 0.5 << "ms" << 500.0;
    QTest::newRow("time above the new range") << int(VekDimensionSpinBox::Time) << 0.0005 << 31.9
                                              << 5.0 << 0.1595 << 0.1595 << "ms" << 159.5;
    QTest::newRow("voltage above the new range")
            << int(VekDimensionSpinBox::Voltage) << 1e-7 << 10.0 << 0.5 << 0.0008 << 0.0008 << "mkV"
            << 800.0;
}

void TestVekDimensionSpinBox::rangeDroppingTheUnitKeepsTheQuantity()
{
    QFETCH(int, type);
    QFETCH(double, step);
    QFETCH(double, hi);
    QFETCH(double, value);
    QFETCH(double, newHi);
    QFETCH(double, kept);
    QFETCH(QString, unit);
    QFETCH(double, shown);
    VekDimensionSpinBox box;
    configure(box, static_cast<VekDimensionSpinBox::Type>(type), step, step, hi);
    box.setValue(value);
    QCOMPARE(comboOf(box)->currentIndex(), 0);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    box.setRange(step, newHi);
    QCOMPARE(comboOf(box)->currentText(), unit);
    QCOMPARE(box.value(), kept);
    QCOMPARE(spinOf(box)->value(), shown);
    // Only a quantity the new range changes is reported, and once.
    QCOMPARE(spy.count(), kept == value ? 0 : 1);
    if (!spy.isEmpty())
        QCOMPARE(spy.first().first().toDouble(), kept);
}

void TestVekDimensionSpinBox::newRangeAndStepKeepTheQuantity_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("hi");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("newStep");
    QTest::addColumn<double>("newHi");
    QTest::addColumn<bool>("stepFirst");
    QTest::addColumn<double>("kept");
    // Each range starts at one step, as the oscilloscope's prehistory does.
    // 1.575 s shows as 1.57 or 1.58: the quantity, not the shown number, meets the new step.
    QTest::newRow("two decimals hide a half step, range first")
            << 0.025 << 7.975 << 1.575 << 0.01 << 3.19 << false << 1.57;
    QTest::newRow("two decimals hide a half step, step first")
            << 0.025 << 7.975 << 1.575 << 0.01 << 3.19 << true << 1.57;
    QTest::newRow("a whole number of new steps stays")
            << 5e-5 << 0.01595 << 0.0016 << 2.5e-5 << 0.007975 << false << 0.0016;
    // 12.5 ms is shown in seconds as 0.01.
    QTest::newRow("shown in seconds with one hundredth")
            << 0.0025 << 3.0 << 0.0125 << 0.00125 << 1.5 << false << 0.0125;
    QTest::newRow("a coarser step keeps the nearest multiple below")
            << 0.01 << 3.19 << 3.19 << 0.025 << 7.975 << true << 3.175;
    // 0.079995 / 5e-6 is 15998.999999999998 in doubles.
    QTest::newRow("pulled down to a maximum a hair under whole steps, step first")
            << 1e-5 << 0.15999 << 0.15999 << 5e-6 << 0.079995 << true << 0.079995;
    QTest::newRow("pulled down to a maximum a hair under whole steps, same step")
            << 5e-6 << 0.159995 << 0.15 << 5e-6 << 0.079995 << false << 0.079995;
    QTest::newRow("seconds leave the list")
            << 0.0025 << 1.5975 << 1.2 << 0.001 << 0.639 << true << 0.639;
}

void TestVekDimensionSpinBox::newRangeAndStepKeepTheQuantity()
{
    QFETCH(double, step);
    QFETCH(double, hi);
    QFETCH(double, value);
    QFETCH(double, newStep);
    QFETCH(double, newHi);
    QFETCH(bool, stepFirst);
    QFETCH(double, kept);
    VekDimensionSpinBox box;
    configure(box, VekDimensionSpinBox::Time, step, step, hi);
    box.setValue(value);
    QCOMPARE(box.value(), value);
    QSignalSpy spy(&box, &VekDimensionSpinBox::valueChanged);
    if (stepFirst)
        box.setSingleStep(newStep);
    box.setRange(newStep, newHi);
    if (!stepFirst)
        box.setSingleStep(newStep);
    QCOMPARE(box.value(), kept);
    // The number shown is the kept quantity in the unit shown.
    QCOMPARE(spinOf(box)->value(), std::round(kept / unitMultiplier(box) * 100.0) / 100.0);
    // What changed is reported, at most once a call and with the kept quantity.
    QVERIFY(spy.count() <= 2);
    if (!spy.isEmpty())
        QCOMPARE(spy.last().first().toDouble(), box.value());
    QCOMPARE(spy.isEmpty(), kept == value);
}

void TestVekDimensionSpinBox::listBoxUnits_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVector<double>>("supported");
    QTest::addColumn<QStringList>("units");
    QTest::newRow("time") << int(VekDimensionListBox::Time)
                          << QVector<double> {2e-9, 5e-6, 0.01, 2.0}
                          << QStringList {"s", "ms", "mks", "ns"};
    QTest::newRow("time below a second")
            << int(VekDimensionListBox::Time) << QVector<double> {0.001, 0.5} << QStringList {"ms"};
    QTest::newRow("frequency") << int(VekDimensionListBox::Frequency)
                               << QVector<double> {10.0, 1000.0, 5e6}
                               << QStringList {"Hz", "kHz", "MHz"};
    QTest::newRow("voltage has none")
            << int(VekDimensionListBox::Voltage) << QVector<double> {1.0} << QStringList {};
}

void TestVekDimensionSpinBox::listBoxUnits()
{
    QFETCH(int, type);
    QFETCH(QVector<double>, supported);
    QFETCH(QStringList, units);
    VekDimensionListBox box;
    box.setSupportedList(std::vector<double>(supported.begin(), supported.end()));
    box.setType(static_cast<VekDimensionListBox::Type>(type));
    QCOMPARE(unitsOf(box), units);
    QCOMPARE(comboOf(box)->isHidden(), units.isEmpty());
}

void TestVekDimensionSpinBox::listBoxPicksSupportedValue()
{
    VekDimensionListBox box;
    box.setSupportedList({0.001, 0.002, 0.005, 0.01, 0.1, 1.0});
    box.setType(VekDimensionListBox::Time);
    QCOMPARE(unitsOf(box), (QStringList {"s", "ms"}));
    QSignalSpy spy(&box, &VekDimensionListBox::valueChanged);

    box.setValue(0.004);
    QCOMPARE(comboOf(box)->currentText(), QString("ms"));
    QCOMPARE(spinOf(box)->value(), 5.0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().first().toDouble(), 0.005);
    QCOMPARE(box.value(), 0.005);

    box.setValue(0.005);
    QCOMPARE(spy.count(), 1);

    box.setValue(0.5);
    QCOMPARE(comboOf(box)->currentText(), QString("s"));
    QCOMPARE(box.value(), 1.0);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().first().toDouble(), 1.0);
}

void TestVekDimensionSpinBox::emptyListBoxValueIsZero()
{
    VekDimensionListBox box;
    QCOMPARE(box.value(), 0.0);
    box.setType(VekDimensionListBox::Frequency);
    box.validate(5.0);
    box.setValue(5.0);
    QCOMPARE(box.value(), 0.0);
}

QTEST_MAIN(TestVekDimensionSpinBox)
#include "tst_vekdimensionspinbox.moc"
