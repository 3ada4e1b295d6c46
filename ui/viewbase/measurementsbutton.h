#pragma once

#include <QPushButton>

#include <memory>

// The push button in which a view shows one automatic measurement: an icon at the left, the
// measurement's name after it and the value with its decimal prefix and units at the right.
// Views style it through the dynamic property measurementsButton; it sets none itself.
class MeasurementsButton : public QPushButton
{
    Q_OBJECT
public:
    explicit MeasurementsButton(QWidget *parent = nullptr);
    MeasurementsButton(const QIcon &icon, const QString &name, const QString &units,
                       QWidget *parent = nullptr);
    ~MeasurementsButton() override;

    void setValue(double value);
    void setMeasurementName(const QString &name);
    QString measurementName() const;
    void setUnits(const QString &units);
    // Hides QAbstractButton::setIcon: the button's own icon stays empty, this one is drawn by
    // the button's painting. An icon that renders the same image changes nothing.
    void setIcon(const QIcon &icon);

    QString createValueFormatString(double value) const;
    // The value as last formatted; empty until the value or the units first change.
    QString valueText() const;

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Internal;
    std::unique_ptr<Internal> d;
};
