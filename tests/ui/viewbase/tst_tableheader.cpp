#include "ui/viewbase/tableheader.h"

#include <QStandardItemModel>
#include <QTest>

namespace {

struct Fixture
{
    explicit Fixture(const QStringList &labels, const QVector<int> &factors)
        : model(1, labels.size())
        , header(Qt::Horizontal)
    {
        model.setHorizontalHeaderLabels(labels);
        header.setModel(&model);
        header.setStretchFactor(factors);
    }

    bool showAt(int width)
    {
        header.resize(width, 30);
        header.show();
        return QTest::qWaitForWindowExposed(&header);
    }

    QVector<int> sizes() const
    {
        QVector<int> result;
        for (int i = 0; i < header.count(); ++i)
            result << header.sectionSize(i);
        return result;
    }

    QStandardItemModel model;
    TableHeader header;
};

} // namespace

class TestTableHeader : public QObject
{
    Q_OBJECT
private slots:
    void proportionalSections_data()
    {
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QVector<int>>("factors");
        QTest::addColumn<QVector<int>>("sizes");
        QTest::newRow("the module table")
                << QStringList {"a", "b", "c", "d"} << QVector<int> {2, 4, 1, 1}
                << QVector<int> {200, 400, 100, 100};
        // 800 / 9 = 88 a factor; the stretching last section takes the rest.
        QTest::newRow("a missing factor counts as 1")
                << QStringList {"a", "b", "c", "d", "e"} << QVector<int> {2, 4, 1, 1}
                << QVector<int> {176, 352, 88, 88, 96};
        QTest::newRow("more factors than sections")
                << QStringList {"a", "b"} << QVector<int> {1, 3, 5} << QVector<int> {200, 600};
    }
    void proportionalSections()
    {
        QFETCH(QStringList, labels);
        QFETCH(QVector<int>, factors);
        QFETCH(QVector<int>, sizes);
        Fixture fixture(labels, factors);
        QVERIFY(fixture.showAt(800));
        QCOMPARE(fixture.sizes(), sizes);
        const int last = labels.size() - 1;
        QCOMPARE(fixture.header.sectionResizeMode(last), QHeaderView::Stretch);
        for (int i = 0; i < last; ++i)
            QCOMPARE(fixture.header.sectionResizeMode(i), QHeaderView::Interactive);
    }

    void zeroFactorTakesItsText()
    {
        Fixture fixture({QStringLiteral("Module name"), QStringLiteral("b"), QStringLiteral("c")},
                        {0, 1, 1});
        QVERIFY(fixture.showAt(800));
        const QFontMetrics metrics = fixture.header.fontMetrics();
        const int text = metrics.horizontalAdvance(QStringLiteral("Module name"))
                + 2 * metrics.averageCharWidth();
        QCOMPARE(fixture.header.sectionSize(0), text);
        QCOMPARE(fixture.header.sectionSize(1), (800 - text) / 2);
    }

    void hiddenSectionsAreSkipped()
    {
        Fixture fixture({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, {1, 5, 1});
        fixture.header.hideSection(1);
        QVERIFY(fixture.showAt(800));
        QCOMPARE(fixture.header.sectionSize(0), 400);
        QCOMPARE(fixture.header.sectionSize(2), 400);
    }

    void allZeroGivesTheRestToTheLastVisible()
    {
        // Texts wider than the header's minimum section size.
        Fixture fixture({QStringLiteral("Position"), QStringLiteral("Status")}, {0, 0});
        QVERIFY(fixture.showAt(800));
        const QFontMetrics metrics = fixture.header.fontMetrics();
        const int a = metrics.horizontalAdvance(QStringLiteral("Position"))
                + 2 * metrics.averageCharWidth();
        QCOMPARE(fixture.header.sectionSize(0), a);
        QCOMPARE(fixture.header.sectionSize(1), 800 - a);
        // The last section now counts with factor 1: the next resize shares proportionally.
        fixture.header.resize(600, 30);
        QTRY_COMPARE(fixture.header.sectionSize(1), 600 - a);
    }

    void allZeroWithNothingAfterTheFirstKeepsTheSizes()
    {
        Fixture fixture({QStringLiteral("a"), QStringLiteral("b")}, {0, 0});
        fixture.header.hideSection(1);
        fixture.header.resizeSection(1, 77);
        QVERIFY(fixture.showAt(800));
        fixture.header.resizeHeader();
        QCOMPARE(fixture.header.sectionSize(1), 0); // hidden
        fixture.header.showSection(1);
        QCOMPARE(fixture.header.sectionSize(1), 77);
    }

    void noSectionsNoWork()
    {
        TableHeader header(Qt::Horizontal);
        header.setStretchFactor({1, 2});
        header.resize(800, 30);
        header.resizeHeader();
        QCOMPARE(header.count(), 0);
    }

    void verticalHeaderUsesTheFontHeight()
    {
        QStandardItemModel model(3, 1);
        TableHeader header(Qt::Vertical);
        header.setModel(&model);
        header.setStretchFactor({0, 1, 1});
        header.resize(40, 300);
        header.show();
        QVERIFY(QTest::qWaitForWindowExposed(&header));
        const QFontMetrics metrics = header.fontMetrics();
        const int text = metrics.height() + 2 * metrics.xHeight();
        QCOMPARE(header.sectionSize(0), text);
        QCOMPARE(header.sectionSize(1), (300 - text) / 2);
    }
};

QTEST_MAIN(TestTableHeader)
#include "tst_tableheader.moc"
