#pragma once

#include "ui/viewbase/viewinterface.h"

#include <memory>

class QWidget;

// What the views that stand in for an instrument view until its controls exist have in common:
// the full form and the miniature show the view's title, the settings widget is made on the
// first call and kept until the view goes, and the resource's errors are passed on. A concrete
// view names its type and its title.
class PlaceholderView : public ViewInterface
{
    Q_OBJECT
public:
    enum class Settings {
        Empty, // a plain widget
        Titled, // the view's title as a label
    };

    ~PlaceholderView() override;

    bool isError() const override;
    QWidget *fullScreenUserInterface() const override;
    QWidget *pinnedUserInterface() const override;
    QWidget *settingsUserInterface() const override;
    void resourceApplied(std::shared_ptr<ResourceInterface> &resource) override;

protected:
    // title is the concrete view's display type, in its own translation context.
    PlaceholderView(const QString &title, Settings settings, QObject *parent);

private:
    std::unique_ptr<QWidget> m_fullScreen;
    std::unique_ptr<QWidget> m_pinned;
    mutable std::shared_ptr<QWidget> m_settings;
    Settings m_settingsKind;
};
