#include "resources/combinationcreator.h"

#include <QTest>

using Lists = QList<QList<int>>;

// The odometer: last list fastest, each combination once, then nothing for good.
class TestCombinationCreator : public QObject
{
    Q_OBJECT
private slots:
    void enumeration_data()
    {
        QTest::addColumn<Lists>("lists");
        QTest::addColumn<Lists>("expected");
        QTest::newRow("two lists, last fastest")
                << Lists { { 1, 2 }, { 10, 20, 30 } }
                << Lists { { 1, 10 }, { 1, 20 }, { 1, 30 }, { 2, 10 }, { 2, 20 }, { 2, 30 } };
        QTest::newRow("one list of three") << Lists { { 7, 8, 9 } } << Lists { { 7 }, { 8 }, { 9 } };
        QTest::newRow("three lists carry over twice")
                << Lists { { 1, 2 }, { 3 }, { 4, 5 } }
                << Lists { { 1, 3, 4 }, { 1, 3, 5 }, { 2, 3, 4 }, { 2, 3, 5 } };
        QTest::newRow("single elements") << Lists { { 1 }, { 2 } } << Lists { { 1, 2 } };
        QTest::newRow("second list empty") << Lists { { 1, 2 }, {} } << Lists {};
        QTest::newRow("first list empty") << Lists { {}, { 1 } } << Lists {};
        QTest::newRow("no lists") << Lists {} << Lists {};
    }

    void enumeration()
    {
        QFETCH(Lists, lists);
        QFETCH(Lists, expected);
        CombinationCreator<int> creator(lists);
        Lists produced;
        for (QList<int> combination = creator.next(); !combination.isEmpty();
             combination = creator.next())
            produced.append(combination);
        QCOMPARE(produced, expected);
        // Finished stays finished.
        QVERIFY(creator.next().isEmpty());
        QVERIFY(creator.next().isEmpty());
    }

    void listsAreCopied()
    {
        Lists lists { { 1, 2 } };
        CombinationCreator<int> creator(lists);
        lists[0].clear();
        QCOMPARE(creator.next(), QList<int> { 1 });
        QCOMPARE(creator.next(), QList<int> { 2 });
    }
};

QTEST_GUILESS_MAIN(TestCombinationCreator)
#include "tst_combinationcreator.moc"
