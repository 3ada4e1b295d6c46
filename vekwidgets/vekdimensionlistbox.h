#pragma once

#include "vekwidgets_export.h"

#include <QPair>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>
#include <vector>

class VekDimensionListBoxPrivate;

// Looks like the dimension spin box but accepts only values of a supported list (base units).
class VEKWIDGETS_EXPORT VekDimensionListBox : public QWidget
{
    Q_OBJECT
public:
    enum Type { None, Frequency, Voltage, Time };
    Q_ENUM(Type)

    explicit VekDimensionListBox(QWidget *parent = nullptr);
    ~VekDimensionListBox() override;

    void setType(Type type);
    void setSupportedList(const std::vector<double> &list);

    void setValue(double value);
    double value() const;

    void setDimensions(const QVector<QPair<double, QString>> &dimensions);

    void tryValidate();
    void validate(double shown);

signals:
    void valueChanged(double value);

protected:
    void changeEvent(QEvent *event) override;

private:
    const std::unique_ptr<VekDimensionListBoxPrivate> d;
};
