#pragma once

#include "vekwidgets_export.h"

#include <QDoubleSpinBox>

#include <memory>

class VekDoubleSpinBoxPrivate;

// A double spin box that stays silent when set to the value it already holds. Every number box
// of the program is one, so that a typed number means the same in each: a point and a comma
// both stand for the decimal mark, digit grouping is refused, and a box emptied by the user
// goes back to the value it held. Digit grouping, when shown, is shown only while the box is not
// being edited.
class VEKWIDGETS_EXPORT VekDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit VekDoubleSpinBox(QWidget *parent = nullptr);
    ~VekDoubleSpinBox() override;

    QValidator::State validate(QString &input, int &pos) const override;
    double valueFromText(const QString &text) const override;
    void fixup(QString &input) const override;
    QString textFromValue(double value) const override;

public slots:
    virtual void setValue(double value);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    const std::unique_ptr<VekDoubleSpinBoxPrivate> d;
};
