#include "ui/viewbase/doublespinboxwithunits.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

struct Fixture
{
    Fixture()
    {
        spin = widget.findChild<QDoubleSpinBox *>();
        combo = widget.findChild<QComboBox *>();
    }

    QStringList units() const
    {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    }

    void type(const QString &text)
    {
        auto *edit = spin->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(spin, Qt::Key_Return);
    }

    DoubleSpinBoxWithUnits widget;
    QDoubleSpinBox *spin = nullptr;
    QComboBox *combo = nullptr;
};

} // namespace

class TestDoubleSpinBoxWithUnits : public QObject
{
    Q_OBJECT
private slots:
    void worksWithoutValidator()
    {
        Fixture f;
        QVERIFY(f.spin && f.combo);
        QSignalSpy changed(&f.widget, &DoubleSpinBoxWithUnits::valueChanged);
        f.widget.setValue(5.0);
        QCOMPARE(f.widget.value(), 5.0);
        QCOMPARE(f.spin->value(), 5.0);
        QCOMPARE(changed.count(), 0);
        f.widget.setValidator(DoubleSpinBoxWithUnits::Validator());
        f.widget.setValue(7.0);
        QCOMPARE(f.widget.value(), 7.0);
    }

    void unitListFollowsTheRange()
    {
        Fixture f;
        f.widget.setUnits(QStringLiteral("V"));
        f.widget.setRange(0.001, 100);
        QCOMPARE(f.units(), QStringList({"mV", "V"}));
        f.widget.setRange(1e-9, 2e3);
        QCOMPARE(f.units(), QStringList({"nV", "mkV", "mV", "V", "kV"}));
        f.widget.setUnits(QStringLiteral("Hz"));
        QCOMPARE(f.units(), QStringList({"nHz", "mkHz", "mHz", "Hz", "kHz"}));
    }

    void validatorSetsTheRange()
    {
        Fixture f;
        int calls = 0;
        f.widget.setUnits(QStringLiteral("A"));
        f.widget.setValidator([&calls](double value, double maximum) {
            ++calls;
            return std::clamp(value, 0.001, std::min(maximum, 5.0));
        });
        QVERIFY(calls >= 2);
        QCOMPARE(f.units(), QStringList({"mA", "A"}));
        // The refilled list starts at its first entry: 5 A would be 5000 mA, capped at 999.
        QCOMPARE(f.combo->currentText(), QStringLiteral("mA"));
        QCOMPARE(f.spin->maximum(), 999.0);
        f.combo->setCurrentIndex(1);
        QCOMPARE(f.spin->maximum(), 5.0);

        QSignalSpy changed(&f.widget, &DoubleSpinBoxWithUnits::valueChanged);
        f.widget.setValue(50.0);
        QCOMPARE(f.widget.value(), 5.0);
        QCOMPARE(changed.count(), 0);
    }

    void setValueChoosesThePrefix()
    {
        Fixture f;
        f.widget.setUnits(QStringLiteral("V"));
        f.widget.setRange(0.001, 100);
        QSignalSpy changed(&f.widget, &DoubleSpinBoxWithUnits::valueChanged);
        f.widget.setValue(0.005);
        QCOMPARE(f.combo->currentText(), QStringLiteral("mV"));
        QCOMPARE(f.spin->value(), 5.0);
        f.widget.setValue(20.0);
        QCOMPARE(f.combo->currentText(), QStringLiteral("V"));
        QCOMPARE(f.spin->value(), 20.0);
        QCOMPARE(changed.count(), 0);
    }

    void choosingAUnitKeepsTheNumber()
    {
        Fixture f;
        f.widget.setUnits(QStringLiteral("V"));
        f.widget.setRange(0.001, 100);
        f.widget.setValue(2.0);
        QSignalSpy changed(&f.widget, &DoubleSpinBoxWithUnits::valueChanged);
        f.combo->setCurrentIndex(0);
        QCOMPARE(f.spin->value(), 2.0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toDouble(), 0.002);
        QCOMPARE(f.widget.value(), 0.002);
    }

    void typedValueIsValidated()
    {
        Fixture f;
        f.widget.setUnits(QStringLiteral("V"));
        f.widget.setValidator([](double value, double maximum) {
            return std::clamp(value, 0.001, std::min(maximum, 100.0));
        });
        f.widget.setValue(2.0);
        QSignalSpy changed(&f.widget, &DoubleSpinBoxWithUnits::valueChanged);
        f.type(QStringLiteral("42"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toDouble(), 42.0);
        QCOMPARE(f.widget.value(), 42.0);
    }

    void unchangedEditCallsNoValidator()
    {
        Fixture f;
        int calls = 0;
        f.widget.setValidator([&calls](double value, double) {
            ++calls;
            return value;
        });
        f.widget.setValue(2.000001);
        QCOMPARE(f.spin->value(), 2.0);
        calls = 0;
        QSignalSpy changed(&f.widget, &DoubleSpinBoxWithUnits::valueChanged);
        emit f.spin->editingFinished();
        QCOMPARE(calls, 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(f.widget.value(), 2.000001);
    }

    void decimalsWaitForTheNextRange()
    {
        Fixture f;
        f.widget.setRange(0, 50);
        QCOMPARE(f.spin->minimum(), 0.1);
        f.widget.setDecimals(2);
        QCOMPARE(f.spin->minimum(), 0.1);
        f.widget.setRange(0, 60);
        QCOMPARE(f.spin->minimum(), 0.01);
    }
};

QTEST_MAIN(TestDoubleSpinBoxWithUnits)
#include "tst_doublespinboxwithunits.moc"
