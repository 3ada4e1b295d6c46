#pragma once

#include "ui/viewbase/viewinterface.h"

#include <memory>

// The function generator as the workspace shows it: builds, once each and on request, the full
// panel, the pinned miniature and the settings page; copies a bound generator's state into the
// panel and the miniature, sends their requests to the generator and keeps the two in step.
// The view owns its widgets; they have no Qt parent.
class FunctionGeneratorView : public ViewInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit FunctionGeneratorView(QObject *parent = nullptr);
    ~FunctionGeneratorView() override;

    // The type name the shell, the view factory and the stored arrangements know this view by;
    // the resources of this instrument name it as their view type.
    static QString staticViewType();

    QString type() const override;
    QString displayType() const override;
    bool isError() const override;
    QWidget *fullScreenUserInterface() const override;
    QWidget *pinnedUserInterface() const override;
    QWidget *settingsUserInterface() const override;
    void resourceApplied(std::shared_ptr<ResourceInterface> &resource) override;

    struct Internal;

private:
    std::unique_ptr<Internal> d;
};
