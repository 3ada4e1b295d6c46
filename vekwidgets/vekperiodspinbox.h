#pragma once

#include "vekwidgets_export.h"

#include <QWidget>

#include <memory>

class VekPeriodSpinBoxPrivate;

// Edits a periodic quantity as a period in seconds or as a frequency in hertz; a click on the
// unit label switches between the two. Range and step are kept in seconds.
class VEKWIDGETS_EXPORT VekPeriodSpinBox : public QWidget
{
    Q_OBJECT
public:
    explicit VekPeriodSpinBox(QWidget *parent = nullptr);
    ~VekPeriodSpinBox() override;

    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setRange(double minimum, double maximum);
    void setSingleStep(double step);
    void setDecimals(int decimals);
    void setReadOnly(bool readOnly);

    void changeDimension();
    void incrementFrequency();
    void decrementFrequency();

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void setPeriod(double period);
    void setFrequency(double frequency);

signals:
    void periodChanged(double period);
    void frequencyChanged(double frequency);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void valueChanged(double value);

private:
    const std::unique_ptr<VekPeriodSpinBoxPrivate> d;
};
