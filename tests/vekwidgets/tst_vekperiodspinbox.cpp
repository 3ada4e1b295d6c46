#include "vekwidgets/vekdoublespinbox.h"
#include "vekwidgets/veklineedit.h"
#include "vekwidgets/vekperiodspinbox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QLabel *labelOf(VekPeriodSpinBox &box)
{
    return box.findChild<QLabel *>();
}

VekDoubleSpinBox *spinOf(VekPeriodSpinBox &box)
{
    return box.findChild<VekDoubleSpinBox *>();
}

bool pressKey(VekPeriodSpinBox &box, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    return box.eventFilter(spinOf(box), &event);
}

} // namespace

class TestVekPeriodSpinBox : public QObject
{
    Q_OBJECT
private slots:
    void clickOnLabelSwitchesToFrequency();
    void frequencyBoundsAreInverted();
    void switchingEmitsOnceWithTheFinalValue();
    void freshBoxSwitchesSafely();
    void upAndDownStepThePeriod_data();
    void upAndDownStepThePeriod();
    void otherKeysReachTheSpinBox();
    void nonPositiveInputsAreIgnored();

    void doubleSpinBoxIgnoresSameValue();
    void lineEditReportsText();
};

void TestVekPeriodSpinBox::clickOnLabelSwitchesToFrequency()
{
    VekPeriodSpinBox box;
    box.setDecimals(3);
    box.setRange(0.001, 1);
    box.setSingleStep(0.001);
    box.setPeriod(0.001);
    QCOMPARE(labelOf(box)->text(), QString("sec"));
    QSignalSpy periods(&box, &VekPeriodSpinBox::periodChanged);
    QSignalSpy frequencies(&box, &VekPeriodSpinBox::frequencyChanged);
    QTest::mouseClick(labelOf(box), Qt::LeftButton);
    QCOMPARE(labelOf(box)->text(), QString("Hz"));
    QCOMPARE(spinOf(box)->value(), 1000.0);
    QCOMPARE(periods.count(), 1);
    QCOMPARE(periods.first().first().toDouble(), 0.001);
    QCOMPARE(frequencies.count(), 1);
    QCOMPARE(frequencies.first().first().toDouble(), 1000.0);

    QTest::mouseClick(labelOf(box), Qt::LeftButton);
    QCOMPARE(labelOf(box)->text(), QString("sec"));
    QCOMPARE(spinOf(box)->value(), 0.001);
}

void TestVekPeriodSpinBox::frequencyBoundsAreInverted()
{
    VekPeriodSpinBox box;
    box.setDecimals(3);
    box.setRange(0.001, 1);
    box.setSingleStep(0.01);
    QCOMPARE(spinOf(box)->minimum(), 0.001);
    QCOMPARE(spinOf(box)->maximum(), 1.0);
    box.changeDimension();
    QCOMPARE(spinOf(box)->minimum(), 1.0);
    QCOMPARE(spinOf(box)->maximum(), 1000.0);
    QCOMPARE(spinOf(box)->singleStep(), 100.0);
    box.setFrequency(5000);
    QCOMPARE(spinOf(box)->value(), 1000.0);
    box.setPeriod(0.01);
    QCOMPARE(spinOf(box)->value(), 100.0);
}

void TestVekPeriodSpinBox::switchingEmitsOnceWithTheFinalValue()
{
    VekPeriodSpinBox box;
    box.setDecimals(3);
    box.setRange(0.001, 1);
    box.setSingleStep(0.001);
    box.setPeriod(0.5);
    QSignalSpy periods(&box, &VekPeriodSpinBox::periodChanged);
    QSignalSpy frequencies(&box, &VekPeriodSpinBox::frequencyChanged);
    // The old number 0.5 lies outside the frequency bounds: re-bounding must not report it.
    box.changeDimension();
    QCOMPARE(spinOf(box)->value(), 2.0);
    QCOMPARE(periods.count(), 1);
    QCOMPARE(periods.first().first().toDouble(), 0.5);
    QCOMPARE(frequencies.count(), 1);
    QCOMPARE(frequencies.first().first().toDouble(), 2.0);
}

void TestVekPeriodSpinBox::freshBoxSwitchesSafely()
{
    VekPeriodSpinBox box;
    QSignalSpy frequencies(&box, &VekPeriodSpinBox::frequencyChanged);
    box.changeDimension();
    box.changeDimension();
    QVERIFY(std::isfinite(spinOf(box)->minimum()));
    QVERIFY(std::isfinite(spinOf(box)->maximum()));
    QVERIFY(std::isfinite(spinOf(box)->value()));
    QVERIFY(spinOf(box)->minimum() > 0.0);
    for (const auto &args : frequencies)
        QVERIFY(std::isfinite(args.first().toDouble()));
}

void TestVekPeriodSpinBox::upAndDownStepThePeriod_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("expected");
    QTest::newRow("up shortens the period") << 10.0 << int(Qt::Key_Up) << 1.0 / (0.1 - 0.01);
    QTest::newRow("down lengthens it") << 10.0 << int(Qt::Key_Down) << 1.0 / (0.1 + 0.01);
    QTest::newRow("up to a zero period is ignored") << 100.0 << int(Qt::Key_Up) << 100.0;
}

void TestVekPeriodSpinBox::upAndDownStepThePeriod()
{
    QFETCH(double, frequency);
    QFETCH(int, key);
    QFETCH(double, expected);
    VekPeriodSpinBox box;
    box.setDecimals(4);
    box.setRange(0.001, 10);
    box.setSingleStep(0.01);
    box.changeDimension();
    box.setFrequency(frequency);
    QSignalSpy frequencies(&box, &VekPeriodSpinBox::frequencyChanged);
    QVERIFY(pressKey(box, key));
    QCOMPARE(spinOf(box)->value(), std::round(expected * 1e4) / 1e4);
    QCOMPARE(frequencies.count(), expected == frequency ? 0 : 1);
}

void TestVekPeriodSpinBox::otherKeysReachTheSpinBox()
{
    VekPeriodSpinBox box;
    box.changeDimension();
    QVERIFY(!pressKey(box, Qt::Key_5));
    QVERIFY(!pressKey(box, Qt::Key_PageUp));
    box.changeDimension();
    // In period mode the arrows are the spin box's own.
    QVERIFY(!pressKey(box, Qt::Key_Up));
}

void TestVekPeriodSpinBox::nonPositiveInputsAreIgnored()
{
    VekPeriodSpinBox box;
    box.setDecimals(3);
    box.setRange(0.001, 1);
    box.setSingleStep(0.001);
    box.setRange(0, -1);
    box.setSingleStep(0);
    box.setSingleStep(std::numeric_limits<double>::quiet_NaN());
    box.changeDimension();
    QCOMPARE(spinOf(box)->minimum(), 1.0);
    QCOMPARE(spinOf(box)->maximum(), 1000.0);
    QCOMPARE(spinOf(box)->singleStep(), 1000.0);
    box.setFrequency(10);
    QSignalSpy frequencies(&box, &VekPeriodSpinBox::frequencyChanged);
    box.setPeriod(0);
    box.setPeriod(-1);
    QCOMPARE(spinOf(box)->value(), 10.0);
    QCOMPARE(frequencies.count(), 0);
}

void TestVekPeriodSpinBox::doubleSpinBoxIgnoresSameValue()
{
    VekDoubleSpinBox spin;
    spin.setValue(5);
    QSignalSpy changed(&spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged));
    spin.setValue(5);
    QCOMPARE(changed.count(), 0);
    spin.setValue(6);
    QCOMPARE(changed.count(), 1);
    // Through the base class's pointer the override still applies (it is a virtual slot).
    QMetaObject::invokeMethod(&spin, "setValue", Q_ARG(double, 6.0));
    QCOMPARE(changed.count(), 1);
    spin.setValue(std::numeric_limits<double>::quiet_NaN());
}

void TestVekPeriodSpinBox::lineEditReportsText()
{
    VekLineEdit edit;
    QSignalSpy plain(&edit, QOverload<>::of(&QLineEdit::editingFinished));
    QSignalSpy withText(&edit, QOverload<QString>::of(&VekLineEdit::editingFinished));
    QTest::keyClicks(&edit, "12.5");
    QCOMPARE(withText.count(), 0);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(plain.count(), 1);
    QCOMPARE(withText.count(), 1);
    QCOMPARE(withText.first().first().toString(), QString("12.5"));
}

QTEST_MAIN(TestVekPeriodSpinBox)
#include "tst_vekperiodspinbox.moc"
