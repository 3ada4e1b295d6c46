#pragma once

#include <QObject>
#include <QVector>

// The oscilloscope's math row: (A op B) + offset over two of the acquired channel rows.
class MathChannel : public QObject
{
    Q_OBJECT
public:
    enum Operation { Sum = 0, Difference = 1, Product = 2, Quotient = 3 };

    MathChannel();

    void configure(bool enabled, int operation, int sourceA, int sourceB, double offset);
    void setSourceData(QVector<QVector<double>> &data);
    bool state() const;
    QVector<double> calculate() const;
    // What calculate() returns, written into `out` (resized to fit): no new row when `out` is
    // held nowhere else and large enough.
    void calculateInto(QVector<double> &out) const;

private:
    bool m_enabled = false;
    int m_sourceA = 0;
    int m_sourceB = 0;
    int m_operation = Sum;
    double m_offset = 0.0;
    QVector<QVector<double>> m_sourceData;
};
