#pragma once

#include "ui/viewbase/viewinterface.h"

#include <memory>

class QWidget;

// Stands in for the power supply view until its controls exist: it offers the three user
// interfaces and passes its resource's errors on.
class PowerSupplyView : public ViewInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit PowerSupplyView(QObject *parent = nullptr);
    ~PowerSupplyView() override;

    QString type() const override;
    QString displayType() const override;
    bool isError() const override;
    QWidget *fullScreenUserInterface() const override;
    QWidget *pinnedUserInterface() const override;
    // Made on the first call and kept until the view goes.
    QWidget *settingsUserInterface() const override;
    void resourceApplied(std::shared_ptr<ResourceInterface> &resource) override;

private:
    std::unique_ptr<QWidget> m_fullScreen;
    std::unique_ptr<QWidget> m_pinned;
    mutable std::shared_ptr<QWidget> m_settings;
};
