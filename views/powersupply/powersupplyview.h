#pragma once

#include "ui/viewbase/viewinterface.h"

#include <memory>

class QWidget;

// The view of one power supply: binds the resource to the full panel and the pinned miniature
// and keeps no set points of its own. Each widget's edits go to the resource and to the other
// widget; the resource's readings and regulation modes come back to both. The widgets are
// made on first demand, without a Qt parent, and stay the view's: a host that places one
// hands it back before it goes. Widgets and resource may arrive in either order.
class PowerSupplyView : public ViewInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit PowerSupplyView(QObject *parent = nullptr);
    ~PowerSupplyView() override;

    // The type name the shell, the view factory and the stored arrangements know this view by;
    // the resources of this instrument name it as their view type.
    static QString staticViewType();

    QString type() const override;
    QString displayType() const override;
    void close() override;
    // True until a power-supply resource is bound.
    bool isError() const override;
    QWidget *fullScreenUserInterface() const override;
    QWidget *pinnedUserInterface() const override;
    // Empty: the power supply has no view settings.
    QWidget *settingsUserInterface() const override;
    // Binds only a power-supply resource of this view's type; anything else is ignored.
    void resourceApplied(std::shared_ptr<ResourceInterface> &resource) override;

private:
    class Internal;
    const std::unique_ptr<Internal> d;
    mutable std::shared_ptr<QWidget> m_settings;
};
