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
public:
    explicit VekDoubleSwitch(QWidget *parent = nullptr);
    VekDoubleSwitch(const QStringList &labels, bool reverse, QWidget *parent = nullptr);
    ~VekDoubleSwitch() override;

    bool checked() const;
    bool reverseSwitch() const;
    void setReverseSwitch(bool reverse);

public slots:
    void setChecked(bool checked);
    void checkedChanged(int state);

signals:
    void toggled(bool checked);
    void reverseStateChanged();

protected:
    void initDefault(const QStringList &labels, bool reverse);

private slots:
    void reverse();

private:
    const std::unique_ptr<VekDoubleSwitchPrivate> d;
};
