#pragma once

#include "ui/viewbase/identifier.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;
class ResourceInterface;

// One instrument view: binds one resource to its full form, its pinned miniature and its
// settings widget. Views are made by type name through ViewFactory, so every concrete view
// has an invokable constructor taking the parent object.
class ViewInterface : public QObject
{
    Q_OBJECT
public:
    explicit ViewInterface(QObject *parent = nullptr);
    ~ViewInterface() override;

    // Equal to the viewType of the resources the view serves.
    virtual QString type() const = 0;
    virtual QString displayType() const = 0;
    // Called for every active view when the main window closes.
    virtual void close();
    virtual bool isError() const;
    virtual QWidget *fullScreenUserInterface() const = 0;
    virtual QWidget *pinnedUserInterface() const = 0;
    virtual QWidget *settingsUserInterface() const = 0;
    // Binds the view to a newly set resource.
    virtual void resourceApplied(std::shared_ptr<ResourceInterface> &resource);

    ViewId id() const;
    void setId(ViewId id);

    std::shared_ptr<ResourceInterface> resource() const;
    // Replaces any earlier resource; the caller has already occupied its modules.
    void setResource(std::shared_ptr<ResourceInterface> &resource);

public slots:
    // The settings widget stays enabled: the user may still look at the view's settings.
    void proccessError();

signals:
    void errorOccured();

private:
    ViewId m_id;
    std::shared_ptr<ResourceInterface> m_resource;
};

// Views travel through signals as shared pointers.
Q_DECLARE_METATYPE(std::shared_ptr<ViewInterface>)
