#pragma once

#include <QLayout>
#include <QList>
#include <QSize>

// Places its items in a grid of equal cells whose column count follows the available width,
// between a minimum and a maximum; every item gets the largest item's size hint (stretched to
// the cell width when there are more items than the minimum column count), centred in its cell.
class FlowGridLayout : public QLayout
{
    Q_OBJECT
public:
    FlowGridLayout(QWidget *parent, int minimumColumns, int maximumColumns);
    ~FlowGridLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    void invalidate() override;

    bool hasHeightForWidth() const override;
    // Takes the column count from the width of the last setGeometry, not from width.
    int heightForWidth(int width) const override;
    void setGeometry(const QRect &rect) override;
    QSize sizeHint() const override;
    // As wide as its fewest columns: narrower, its cells would cut the items.
    QSize minimumSize() const override;

    int bestColumnsCount(int width) const;
    QSize bestItemSize(int from, int to) const;
    void rearrange();

private:
    int doLayout(const QRect &rect, bool testOnly) const;
    int updateColumnsCount() const;
    int effectiveSpacing() const;
    QSize largestItemSize() const;

    QList<QLayoutItem *> m_items;
    // The placement pass runs from const heightForWidth too, and the column count it finds
    // persists between passes, as do the lazily rebuilt caches.
    mutable int m_columns;
    int m_minimumColumns;
    int m_maximumColumns;
    mutable QSize m_sizeHint {-1, -1};
    mutable QSize m_largestItemSize {-1, -1};
};
