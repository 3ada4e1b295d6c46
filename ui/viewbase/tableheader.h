#pragma once

#include <QHeaderView>
#include <QVector>

// A header that sizes its sections by stretch factors on every resize: factor 0 gives a
// section the length of its header text, the others share what is left in proportion to their
// factors, and the last visible section stretches over the rest.
class TableHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit TableHeader(Qt::Orientation orientation, QWidget *parent = nullptr);

    // Index = logical section; a section without a factor counts as factor 1. Takes effect at
    // the next resize.
    void setStretchFactor(const QVector<int> &factors);
    void resizeHeader();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void resizeHorizontalHeader();
    void resizeVerticalHeader();
    void resizeSections(int available, Qt::Orientation orientation);
    int textLength(int section, Qt::Orientation orientation) const;

    QVector<int> m_factors;
};
