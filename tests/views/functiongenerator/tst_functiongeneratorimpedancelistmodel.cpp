#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"

#include <QAbstractItemModelTester>
#include <QWidget>
#include <QtTest>

namespace {

QList<double> rows(const FunctionGeneratorImpedanceListModel &model)
{
    QList<double> values;
    for (int row = 0; row < model.rowCount(); ++row)
        values << model.value(row);
    return values;
}

const QList<double> predefined = {50.0, 1000000.0};

} // namespace

class TestFunctionGeneratorImpedanceListModel : public QObject
{
    Q_OBJECT
private slots:
    void addKeepsCustomRowsSorted()
    {
        FunctionGeneratorImpedanceListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setPredefinedValues(predefined);
        QCOMPARE(model.add(1000), 2);
        QCOMPARE(model.add(100), 2);
        QCOMPARE(rows(model), QList<double>({50, 1000000, 100, 1000}));
        QCOMPARE(model.customImpedanceValues(), QList<double>({100, 1000}));
        // Listed values change nothing and give their row.
        QCOMPARE(model.add(50), 0);
        QCOMPARE(model.add(1000), 3);
        QCOMPARE(model.rowCount(), 4);
    }

    void bothListsHoldTheValue()
    {
        FunctionGeneratorImpedanceListModel model;
        model.set({50, 600}, {600});
        QCOMPARE(model.add(600), 2);
        QCOMPARE(model.rowByValue(600), 1);
        QCOMPARE(model.rowByValue(75), -1);
    }

    void setCustomValuesSortsButSetDoesNot()
    {
        FunctionGeneratorImpedanceListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setPredefinedValues(predefined);
        model.setCustomValues({3, 1, 2, 1});
        QCOMPARE(model.customImpedanceValues(), QList<double>({1, 1, 2, 3}));
        model.set(predefined, {3, 1, 2, 1});
        QCOMPARE(model.customImpedanceValues(), QList<double>({3, 1, 2, 1}));
        QCOMPARE(rows(model), QList<double>({50, 1000000, 3, 1, 2, 1}));
    }

    void allValues()
    {
        FunctionGeneratorImpedanceListModel model;
        model.set({1000000, 50}, {50});
        QCOMPARE(model.getAllImpedanceValues(), QList<double>({50, 50, 1000000}));
    }

    void removeRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QList<double>>("custom");
        QTest::newRow("first custom row") << 2 << 1 << true << QList<double>({600, 1000});
        QTest::newRow("two custom rows") << 3 << 2 << true << QList<double>({100});
        QTest::newRow("predefined row") << 1 << 1 << false << QList<double>({100, 600, 1000});
        QTest::newRow("negative row") << -1 << 1 << false << QList<double>({100, 600, 1000});
        QTest::newRow("past the end") << 4 << 2 << false << QList<double>({100, 600, 1000});
        QTest::newRow("nothing") << 2 << 0 << false << QList<double>({100, 600, 1000});
    }

    void removeRows()
    {
        QFETCH(int, row);
        QFETCH(int, count);
        QFETCH(bool, removed);
        QFETCH(QList<double>, custom);
        FunctionGeneratorImpedanceListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.set(predefined, {100, 600, 1000});
        QCOMPARE(model.removeRows(row, count), removed);
        QCOMPARE(model.customImpedanceValues(), custom);
    }

    void canRemoveOnlyCustomRows()
    {
        FunctionGeneratorImpedanceListModel model;
        model.set(predefined, {100});
        QVERIFY(!model.canRemove(model.index(0)));
        QVERIFY(!model.canRemove(model.index(1)));
        QVERIFY(model.canRemove(model.index(2)));
        QVERIFY(!model.canRemove(QModelIndex()));
    }

    void valueOutsideTheListIsNotANumber()
    {
        FunctionGeneratorImpedanceListModel model;
        model.set(predefined, {100});
        QVERIFY(qIsNaN(model.value(3)));
        QVERIFY(qIsNaN(model.value(-1)));
    }

    void texts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("format");
        QTest::addColumn<QString>("text");
        const QString ohm = QString(QChar(0x2126));
        QTest::newRow("50") << 50.0 << false << "50 " + ohm;
        QTest::newRow("600") << 600.0 << false << "600 " + ohm;
        QTest::newRow("100 k") << 100000.0 << false << "100 k" + ohm;
        QTest::newRow("1 M") << 1000000.0 << false << "1 M" + ohm;
        // Three places before the point, ten for the point and fraction, then the space and
        // prefix right-aligned as wide as the longest prefix.
        QTest::newRow("aligned 50") << 50.0 << true << " 50" + QString(12, ' ') + ohm;
        QTest::newRow("aligned 1.5 k") << 1500.0 << true << "  1.5" + QString(9, ' ') + "k" + ohm;
    }

    void texts()
    {
        QFETCH(double, value);
        QFETCH(bool, format);
        QFETCH(QString, text);
        FunctionGeneratorImpedanceListModel model;
        model.setUnits(QString(QChar(0x2126)));
        model.setFormat(format);
        model.setCustomValues({value});
        QCOMPARE(model.index(0).data().toString(), text);
        QCOMPARE(model.index(0).data(Qt::EditRole).toString(), text);
        QCOMPARE(model.index(0).data(Qt::TextAlignmentRole), QVariant(int(Qt::AlignLeft)));
        QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
    }

    void sizeHintNeedsAWidgetParent()
    {
        FunctionGeneratorImpedanceListModel orphan;
        orphan.setCustomValues({50});
        QVERIFY(!orphan.index(0).data(Qt::SizeHintRole).isValid());
        QWidget widget;
        FunctionGeneratorImpedanceListModel owned(&widget);
        owned.setCustomValues({50});
        QVERIFY(owned.index(0).data(Qt::SizeHintRole).toSize().width() > 0);
    }
};

QTEST_MAIN(TestFunctionGeneratorImpedanceListModel)
#include "tst_functiongeneratorimpedancelistmodel.moc"
