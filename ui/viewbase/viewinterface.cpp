#include "ui/viewbase/viewinterface.h"

#include <QWidget>

ViewInterface::ViewInterface(QObject *parent)
    : QObject(parent)
{ }

ViewInterface::~ViewInterface() = default;

void ViewInterface::close() { }

bool ViewInterface::isError() const
{
    return false;
}

void ViewInterface::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    Q_UNUSED(resource)
}

ViewId ViewInterface::id() const
{
    return m_id;
}

void ViewInterface::setId(ViewId id)
{
    m_id = id;
}

std::shared_ptr<ResourceInterface> ViewInterface::resource() const
{
    return m_resource;
}

void ViewInterface::setResource(std::shared_ptr<ResourceInterface> &resource)
{
    m_resource = resource;
    resourceApplied(resource);
}

void ViewInterface::proccessError()
{
    if (QWidget *full = fullScreenUserInterface())
        full->setEnabled(false);
    if (QWidget *pinned = pinnedUserInterface())
        pinned->setEnabled(false);
    emit errorOccured();
}
