#pragma once

#include "vekwidgets/vekmultiswitch.h"
#include "vekwidgets_export.h"

#include <memory>

class VekDoubleSwitchPrivate;

// A two-position switch whose positions can be swapped; the first position means checked.
class VEKWIDGETS_EXPORT VekDoubleSwitch : public VekMultiSwitch
{
    Q_OBJECT
    Q_PROPERTY(bool reverseSwitch READ reverseSwitch WRITE setReverseSwitch)
    Q_PROPERTY(int switchCount READ switchCount WRITE setSwitchCount)
    Q_PROPERTY(int labelPadding READ labelPadding WRITE setLabelPadding)
public:
    explicit VekDoubleSwitch(QWidget *parent = nullptr);
    VekDoubleSwitch(const QStringList &labels, bool reverse, QWidget *parent = nullptr);
    ~VekDoubleSwitch() override;

    bool checked() const;
    bool reverseSwitch() const;
    void setReverseSwitch(bool reverse);

    // Room in pixels on both sides of each label, kept in the font and language the label has
    // now, however narrow a layout makes the switch; 0 (the default) leaves the style's own.
    int labelPadding() const;
    void setLabelPadding(int padding);

public slots:
    void setChecked(bool checked);
    void checkedChanged(int state);

signals:
    void toggled(bool checked);
    void reverseStateChanged();

protected:
    void initDefault(const QStringList &labels, bool reverse);
    bool event(QEvent *event) override;

private slots:
    void reverse();

private:
    const std::unique_ptr<VekDoubleSwitchPrivate> d;
};
