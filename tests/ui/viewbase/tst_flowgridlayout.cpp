#include "ui/viewbase/flowgridlayout.h"

#include <QSpacerItem>
#include <QTest>

#include <memory>

namespace {

using Rects = QVector<QRect>;

// Items of a fixed size hint; a spacer keeps the geometry it is given.
void addItems(FlowGridLayout &layout, int count, const QSize &hint = QSize(100, 50))
{
    for (int i = 0; i < count; ++i)
        layout.addItem(new QSpacerItem(hint.width(), hint.height(), QSizePolicy::Fixed,
                                       QSizePolicy::Fixed));
}

std::unique_ptr<FlowGridLayout> makeLayout(int minimum, int maximum, int items)
{
    auto layout = std::make_unique<FlowGridLayout>(nullptr, minimum, maximum);
    layout->setSpacing(10);
    layout->setContentsMargins(5, 5, 5, 5);
    addItems(*layout, items);
    return layout;
}

Rects geometries(const FlowGridLayout &layout)
{
    Rects rects;
    for (int i = 0; i < layout.count(); ++i)
        rects << layout.itemAt(i)->geometry();
    return rects;
}

} // namespace

class TestFlowGridLayout : public QObject
{
    Q_OBJECT
private slots:
    void emptyLayout()
    {
        FlowGridLayout layout(nullptr, 2, 3);
        QCOMPARE(layout.count(), 0);
        QCOMPARE(layout.itemAt(0), nullptr);
        QCOMPARE(layout.heightForWidth(500), 0);
        QCOMPARE(layout.sizeHint(), layout.minimumSize());
        layout.setGeometry(QRect(0, 0, 500, 100));
        QVERIFY(layout.hasHeightForWidth());
    }

    // 3 x 100 + 2 x 10 spacing + 2 x 5 margins = 330 fits three columns exactly.
    void placement_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<Rects>("expected");
        QTest::addColumn<int>("height");
        QTest::newRow("exact fit: three columns")
                << 3 << QRect(0, 0, 330, 60)
                << Rects {{4, 4, 100, 50}, {114, 4, 100, 50}, {224, 4, 100, 50}} << 70;
        QTest::newRow("one pixel less: two columns, two rows, stretched")
                << 3 << QRect(0, 0, 329, 115)
                << Rects {{4, 4, 154, 50}, {168, 4, 154, 50}, {4, 64, 154, 50}} << 130;
        QTest::newRow("one item keeps its width, centred")
                << 1 << QRect(0, 0, 300, 60) << Rects {{99, 4, 100, 50}} << 70;
        QTest::newRow("too narrow: the minimum, cells keep the item width")
                << 3 << QRect(0, 0, 150, 115)
                << Rects {{4, 4, 100, 50}, {114, 4, 100, 50}, {4, 64, 100, 50}} << 130;
        QTest::newRow("wide: the maximum, cells share the width")
                << 4 << QRect(0, 0, 1000, 115)
                << Rects {{4, 4, 323, 50}, {337, 4, 323, 50}, {670, 4, 323, 50}, {4, 64, 323, 50}}
                << 130;
        QTest::newRow("offset geometry") << 2 << QRect(20, 30, 230, 60)
                                         << Rects {{27, 34, 100, 50}, {142, 34, 100, 50}} << 70;
    }
    void placement()
    {
        QFETCH(int, items);
        QFETCH(QRect, geometry);
        QFETCH(Rects, expected);
        QFETCH(int, height);
        auto layout = makeLayout(2, 3, items);
        layout->setGeometry(geometry);
        QCOMPARE(geometries(*layout), expected);
        QCOMPARE(layout->heightForWidth(geometry.width()), height);
    }

    void columnsFollowTheWidthBothWays()
    {
        auto layout = makeLayout(2, 3, 3);
        layout->setGeometry(QRect(0, 0, 330, 60));
        QCOMPARE(layout->itemAt(2)->geometry().top(), 4);
        layout->setGeometry(QRect(0, 0, 329, 115));
        QCOMPARE(layout->itemAt(2)->geometry().topLeft(), QPoint(4, 64));
        layout->setGeometry(QRect(0, 0, 330, 60));
        QCOMPARE(layout->itemAt(2)->geometry().topLeft(), QPoint(224, 4));
    }

    void heightForWidthFollowsTheLastGeometry()
    {
        auto layout = makeLayout(2, 3, 3);
        layout->setGeometry(QRect(0, 0, 330, 60));
        // Three columns from the last geometry, whatever width is asked.
        QCOMPARE(layout->heightForWidth(200), 70);
        layout->setGeometry(QRect(0, 0, 200, 115));
        QCOMPARE(layout->heightForWidth(2000), 130);
    }

    void sizeHintUsesTheLargestItem()
    {
        auto layout = makeLayout(2, 3, 3);
        addItems(*layout, 1, QSize(120, 40));
        // Two columns (the minimum, nothing laid out yet), two rows of 120 x 50.
        QCOMPARE(layout->sizeHint(), QSize(2 * 120 + 10 + 10, 2 * 50 + 10 + 10));
        QCOMPARE(layout->bestItemSize(0, layout->count()), QSize(120, 50));

        // Taking the widest item rebuilds the largest size.
        std::unique_ptr<QLayoutItem> taken(layout->takeAt(3));
        QVERIFY(taken);
        QCOMPARE(layout->count(), 3);
        QCOMPARE(layout->sizeHint(), QSize(2 * 100 + 10 + 10, 2 * 50 + 10 + 10));

        layout->setGeometry(QRect(0, 0, 330, 60));
        QCOMPARE(layout->sizeHint(), QSize(330, 60));
    }

    void bestColumnsCount_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::newRow("no items: the minimum") << 0 << 1000 << 2;
        QTest::newRow("exact fit of three") << 3 << 330 << 3;
        QTest::newRow("one pixel less") << 3 << 329 << 2;
        QTest::newRow("never above the maximum") << 6 << 5000 << 3;
        QTest::newRow("never above the item count") << 1 << 5000 << 1;
        QTest::newRow("nothing fits: the minimum") << 3 << 10 << 2;
    }
    void bestColumnsCount()
    {
        QFETCH(int, items);
        QFETCH(int, width);
        QFETCH(int, columns);
        auto layout = makeLayout(2, 3, items);
        QCOMPARE(layout->bestColumnsCount(width), columns);
    }

    void takeAtOutOfRange()
    {
        auto layout = makeLayout(2, 3, 2);
        QCOMPARE(layout->takeAt(2), nullptr);
        QCOMPARE(layout->takeAt(-1), nullptr);
        QCOMPARE(layout->count(), 2);
    }

    void minimumColumnsAtLeastOne()
    {
        auto layout = makeLayout(0, 0, 2);
        layout->setGeometry(QRect(0, 0, 50, 115));
        QCOMPARE(layout->bestColumnsCount(50), 1);
        QCOMPARE(geometries(*layout).at(1).top(), 64);
        QCOMPARE(layout->heightForWidth(50), 130);
    }

    void itemsAddedAfterFewItemsReachTheMinimum()
    {
        auto layout = makeLayout(2, 3, 1);
        layout->setGeometry(QRect(0, 0, 100, 60));
        addItems(*layout, 2);
        // Too narrow for any count: the minimum of two, not the one column used before.
        QCOMPARE(layout->bestColumnsCount(100), 2);
    }

    void rearrangeWithoutItemsGoesToTheMinimum()
    {
        auto layout = makeLayout(2, 3, 1);
        layout->setGeometry(QRect(0, 0, 300, 60));
        delete layout->takeAt(0);
        layout->rearrange();
        addItems(*layout, 3);
        QCOMPARE(layout->sizeHint(), QSize(220, 120));
    }
};

QTEST_MAIN(TestFlowGridLayout)
#include "tst_flowgridlayout.moc"
