#include "ui/viewbase/tableheader.h"

#include <QAbstractItemModel>
#include <QFontMetrics>

TableHeader::TableHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setCascadingSectionResizes(true);
}

void TableHeader::setStretchFactor(const QVector<int> &factors)
{
    m_factors = factors;
}

void TableHeader::resizeEvent(QResizeEvent *event)
{
    QHeaderView::resizeEvent(event);
    resizeHeader();
}

void TableHeader::resizeHeader()
{
    if (orientation() == Qt::Horizontal)
        resizeHorizontalHeader();
    else
        resizeVerticalHeader();
}

void TableHeader::resizeHorizontalHeader()
{
    resizeSections(width(), Qt::Horizontal);
}

void TableHeader::resizeVerticalHeader()
{
    resizeSections(height(), Qt::Vertical);
}

int TableHeader::textLength(int section, Qt::Orientation orientation) const
{
    const QFontMetrics metrics = fontMetrics();
    if (orientation == Qt::Vertical)
        return metrics.height() + 2 * metrics.xHeight();
    const QString text = model()
            ? model()->headerData(section, orientation, Qt::DisplayRole).toString()
            : QString();
    return metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth();
}

void TableHeader::resizeSections(int available, Qt::Orientation orientation)
{
    const int sections = count();
    if (sections == 0)
        return;
    while (m_factors.size() < sections)
        m_factors.append(1);

    int factorSum = 0;
    int lastTextLength = 0;
    for (int i = 0; i < sections; ++i) {
        if (isSectionHidden(i))
            continue;
        if (m_factors.at(i) == 0) {
            lastTextLength = textLength(i, orientation);
            resizeSection(i, lastTextLength);
            available -= lastTextLength;
        } else {
            factorSum += m_factors.at(i);
        }
        setSectionResizeMode(i, QHeaderView::Interactive);
    }

    if (factorSum == 0) {
        for (int i = sections - 1; i >= 1; --i) {
            if (isSectionHidden(i))
                continue;
            m_factors[i] = 1;
            resizeSection(i, lastTextLength + available);
            return;
        }
        // Nothing left to share the length: the sizes stay as they are.
        return;
    }

    const int unit = available / factorSum;
    for (int i = 0; i < sections; ++i) {
        if (!isSectionHidden(i) && m_factors.at(i) != 0)
            resizeSection(i, unit * m_factors.at(i));
    }
    for (int i = sections - 1; i >= 0; --i) {
        if (!isSectionHidden(i)) {
            setSectionResizeMode(i, QHeaderView::Stretch);
            break;
        }
    }
}
