#include "ui/viewbase/flowgridlayout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

int ceilRows(int items, int columns)
{
    return static_cast<int>(std::ceil(static_cast<double>(items) / columns));
}

} // namespace

FlowGridLayout::FlowGridLayout(QWidget *parent, int minimumColumns, int maximumColumns)
    : QLayout(parent)
    // Zero columns would divide by zero in every pass.
    , m_minimumColumns(std::max(1, minimumColumns))
    , m_maximumColumns(std::max(m_minimumColumns, maximumColumns))
{
    m_columns = m_minimumColumns;
}

FlowGridLayout::~FlowGridLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowGridLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
    m_sizeHint = QSize(-1, -1);
    m_largestItemSize = QSize(-1, -1);
}

int FlowGridLayout::count() const
{
    return m_items.size();
}

QLayoutItem *FlowGridLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem *FlowGridLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    m_sizeHint = QSize(-1, -1);
    m_largestItemSize = QSize(-1, -1);
    return m_items.takeAt(index);
}

void FlowGridLayout::invalidate()
{
    QLayout::invalidate();
    m_sizeHint = QSize(-1, -1);
    m_largestItemSize = QSize(-1, -1);
}

bool FlowGridLayout::hasHeightForWidth() const
{
    return true;
}

int FlowGridLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), true);
}

void FlowGridLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    doLayout(geometry(), false);
}

QSize FlowGridLayout::sizeHint() const
{
    if (m_items.isEmpty())
        return minimumSize();
    if (m_sizeHint.width() >= 0 && m_sizeHint.height() >= 0)
        return m_sizeHint;

    const QSize item = largestItemSize();
    const int spacing = effectiveSpacing();
    const QMargins margins = contentsMargins();
    const int rows = ceilRows(m_items.size(), m_columns);
    m_sizeHint = QSize(
            m_columns * item.width() + (m_columns - 1) * spacing + margins.left() + margins.right(),
            rows * item.height() + (rows - 1) * spacing + margins.top() + margins.bottom());
    return m_sizeHint;
}

QSize FlowGridLayout::minimumSize() const
{
    if (m_items.isEmpty())
        return QLayout::minimumSize();
    const QSize item = largestItemSize();
    const QMargins margins = contentsMargins();
    const int columns = std::min(m_minimumColumns, static_cast<int>(m_items.size()));
    return QSize(columns * item.width() + (columns - 1) * effectiveSpacing() + margins.left()
                         + margins.right(),
                 item.height() + margins.top() + margins.bottom());
}

int FlowGridLayout::bestColumnsCount(int width) const
{
    if (m_items.isEmpty())
        return m_minimumColumns;

    const int itemWidth = largestItemSize().width();
    const int spacing = effectiveSpacing();
    const QMargins margins = contentsMargins();
    const auto need = [&](int columns) {
        return columns * itemWidth + (columns - 1) * spacing + margins.left() + margins.right();
    };

    // Start within the bounds: the count may have fallen below the minimum while there were
    // fewer items than that.
    int columns = std::clamp(m_columns, m_minimumColumns, m_maximumColumns);
    if (need(columns) > width) {
        while (columns > m_minimumColumns) {
            --columns;
            if (need(columns) <= width)
                break;
        }
    } else {
        while (columns < m_maximumColumns && need(columns + 1) <= width)
            ++columns;
    }
    return std::min(columns, static_cast<int>(m_items.size()));
}

QSize FlowGridLayout::bestItemSize(int from, int to) const
{
    if (m_largestItemSize.width() >= 0 && m_largestItemSize.height() >= 0)
        return m_largestItemSize;
    from = std::max(0, from);
    to = std::min(to, static_cast<int>(m_items.size()));
    for (int i = from; i < to; ++i) {
        const QSize hint = m_items.at(i)->sizeHint();
        m_largestItemSize.setWidth(std::max(m_largestItemSize.width(), hint.width()));
        m_largestItemSize.setHeight(std::max(m_largestItemSize.height(), hint.height()));
    }
    return m_largestItemSize;
}

void FlowGridLayout::rearrange()
{
    if (m_items.isEmpty()) {
        m_columns = m_minimumColumns;
        return;
    }
    updateColumnsCount();
}

QSize FlowGridLayout::largestItemSize() const
{
    return bestItemSize(0, m_items.size());
}

int FlowGridLayout::effectiveSpacing() const
{
    // An unset spacing reads as -1 where the style leaves it to the layout; items must not
    // overlap then.
    return std::max(0, spacing());
}

int FlowGridLayout::updateColumnsCount() const
{
    const int columns = bestColumnsCount(geometry().width());
    if (columns != m_columns) {
        m_columns = columns;
        m_sizeHint = QSize(-1, -1);
    }
    return m_columns;
}

int FlowGridLayout::doLayout(const QRect &rect, bool testOnly) const
{
    if (m_items.isEmpty())
        return 0;

    const int columns = updateColumnsCount();
    const QMargins margins = contentsMargins();
    const int left = rect.left() + margins.left();
    const int top = rect.top() + margins.top();
    const int right = rect.right() - margins.right();
    const int bottom = rect.bottom() - margins.bottom();
    const int spacing = effectiveSpacing();
    const int rows = ceilRows(m_items.size(), columns);

    const QSize largest = largestItemSize();
    const int cellWidth =
            std::max(((right - left + 1) - (columns - 1) * spacing) / columns, largest.width());
    const int cellHeight =
            std::max(((bottom - top + 1) - (rows - 1) * spacing) / rows, largest.height());
    const int itemWidth = m_minimumColumns < m_items.size() ? cellWidth : largest.width();
    const int itemHeight = largest.height();

    if (!testOnly) {
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                const int index = row * columns + column;
                if (index >= m_items.size())
                    break;
                const int cellLeft = left + column * (cellWidth + spacing);
                const int cellTop = top + row * (cellHeight + spacing);
                const int centreX = (cellLeft + cellLeft + cellWidth - 1) / 2;
                const int centreY = (cellTop + cellTop + cellHeight - 1) / 2;
                const int x = static_cast<int>(centreX - itemWidth / 2.0);
                const int y = static_cast<int>(centreY - itemHeight / 2.0);
                m_items.at(index)->setGeometry(QRect(x, y, itemWidth, itemHeight));
            }
        }
    }
    return top + rows * (cellHeight + spacing) + rect.top() + margins.bottom();
}
